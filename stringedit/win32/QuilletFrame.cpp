#include "stringedit/win32/QuilletFrame.h"

#include "platform/win32/ui/FindTextDialog.h"
#include "platform/win32/ui/ModalDialog.h"
#include "resources/quillet/resource.h"

QuilletFrame::QuilletFrame(CQuilletDoc& doc, CQuilletView& view, UserPrompts& prompts)
    : FrameWindow(IDR_MAINFRAME), doc_(doc), view_(view), prompts_(prompts), search_(doc, view) {}

bool QuilletFrame::Create() {
    if (!FrameWindow::Create(view_))
        return false;
    AddCommands();
    return true;
}

void QuilletFrame::AddCommands() {
    CommandRouter& commands = Commands();
    auto hasDll = EnabledWhen([this] { return doc_.HasDll(); });
    commands.Add(ID_FILE_OPEN, [this] { Open(); });
    commands.Add(
        ID_FILE_SAVE, [this] { Save(); }, hasDll);
    commands.Add(
        ID_EDIT_INSERT, [this] { view_.Insert(); }, hasDll);
    commands.Add(
        ID_EDIT_DELETE, [this] { view_.DeleteSelected(); },
        EnabledWhen([this] { return view_.HasSelection(); }));
    commands.Add(ID_EDIT_FIND, [this] { search_.OpenDialog(*this); });
    commands.Add(ID_EDIT_REPEAT, [this] { search_.FindNext(); });
    commands.Add(ID_APP_ABOUT, [this] { ShowAbout(); });
}

void QuilletFrame::OpenDll(const std::string& path) {
    if (!doc_.LoadStringTable(path)) {
        prompts_.Show("Error loading DLL");
        return;
    }
    SetDocumentName(path.substr(path.find_last_of("\\/:") + 1));
    view_.OnDocumentChanged();
}

void QuilletFrame::Open() {
    FileDialogOptions options;
    options.defaultExtension = ".DLL";
    options.initialFile = "Cres.DLL";
    options.filter = "Resource DLL (*.DLL)|*.DLL||";
    options.rules = {.pathMustExist = true, .fileMustExist = true, .hideReadOnly = true};
    const std::vector<std::string> chosen = prompts_.ChooseOpenFiles(options);
    if (!chosen.empty())
        OpenDll(chosen.front());
}

void QuilletFrame::Save() {
    if (!doc_.WriteStringTable())
        prompts_.Show("Error Saving DLL");
}

void QuilletFrame::ShowAbout() {
    ModalDialog about;
    about.Show(Handle(), IDD_ABOUTBOX);
}

bool QuilletFrame::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != FindTextDialog::Message())
        return false;
    search_.OnDialogMessage(*this, lParam);
    result = 0;
    return true;
}
