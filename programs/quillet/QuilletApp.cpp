#include "programs/quillet/QuilletApp.h"

bool QuilletApp::Start(int show) {
    if (!frame_.Create())
        return false;
    ShowWindow(frame_.Handle(), show);
    UpdateWindow(frame_.Handle());
    return true;
}

void QuilletApp::OpenArguments(const std::vector<std::string>& args) {
    if (!args.empty())
        frame_.OpenDll(args.front());
}
