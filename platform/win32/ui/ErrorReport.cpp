#include "platform/win32/ui/ErrorReport.h"

#include <exception>
#include <new>

namespace {

ErrorReporter& Reporter() {
    static ErrorReporter reporter;
    return reporter;
}

std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to carry out this command.";
    } catch (const std::exception& error) {
        return std::string("An unexpected error occurred:\n") + error.what();
    } catch (...) {
        return "An unexpected error occurred.";
    }
}

}  // namespace

void SetErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}

void ReportCurrentException() noexcept {
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    try {
        const std::string text = CurrentExceptionText();
        if (Reporter())
            Reporter()(text);
        else
            MessageBoxA(GetActiveWindow(), text.c_str(), nullptr, MB_OK | MB_ICONERROR);
    } catch (...) {
        // Nothing is left to report with.
    }
    reporting = false;
}

LRESULT FailedMessageResult(HWND window, UINT message) {
    switch (message) {
        case WM_NCCREATE:
            return FALSE;
        case WM_CREATE:
            return -1;
        case WM_PAINT:
            ValidateRect(window, nullptr);
            return 0;
    }
    return 0;
}
