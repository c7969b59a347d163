#include "platform/win32/ui/Win32ProgressDialog.h"

#include <shlobj.h>

namespace {

// Text of the program's code page as UTF-16 for the dialog.
std::wstring Wide(const std::string& text) {
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                        length);
    return wide;
}

}  // namespace

Win32ProgressDialog::Win32ProgressDialog() : Win32ProgressDialog(CLSID_ProgressDialog) {}

Win32ProgressDialog::Win32ProgressDialog(const CLSID& classId) {
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IProgressDialog,
                                reinterpret_cast<void**>(dialog_.Receive()))))
        dialog_.Reset();
}

Win32ProgressDialog::~Win32ProgressDialog() {
    Stop();
}

void Win32ProgressDialog::SetTitle(const std::string& text) {
    if (dialog_)
        dialog_->SetTitle(Wide(text).c_str());
}

void Win32ProgressDialog::SetAnimation(int resourceId) {
    if (dialog_)
        dialog_->SetAnimation(GetModuleHandleA(nullptr), static_cast<UINT>(resourceId));
}

void Win32ProgressDialog::SetCancelMessage(const std::string& text) {
    if (dialog_)
        dialog_->SetCancelMsg(Wide(text).c_str(), nullptr);
}

void Win32ProgressDialog::SetTimeEstimate(bool on) {
    flags_ &= ~static_cast<unsigned long>(PROGDLG_AUTOTIME | PROGDLG_NOTIME);
    flags_ |= on ? PROGDLG_AUTOTIME : PROGDLG_NOTIME;
}

void Win32ProgressDialog::Start(std::uintptr_t owner) {
    owner_ = owner;
    if (!dialog_ || started_)
        return;
    started_ = SUCCEEDED(dialog_->StartProgressDialog(reinterpret_cast<HWND>(owner), nullptr,
                                                      flags_ | PROGDLG_MODAL, nullptr));
}

void Win32ProgressDialog::SetLine(int line, const std::string& text, bool compactPath) {
    if (dialog_) {
        dialog_->SetLine(static_cast<DWORD>(line), Wide(text).c_str(), compactPath ? TRUE : FALSE,
                         nullptr);
    }
}

void Win32ProgressDialog::SetProgress(std::uint32_t done, std::uint32_t total) {
    total_ = total;
    if (dialog_)
        dialog_->SetProgress(done, total);
}

void Win32ProgressDialog::SetProgressDone(std::uint32_t done) {
    SetProgress(done, total_);
}

bool Win32ProgressDialog::HasUserCancelled() {
    if (dialog_ && !cancelled_)
        cancelled_ = dialog_->HasUserCancelled() != FALSE;
    return cancelled_;
}

void Win32ProgressDialog::Stop() {
    if (!dialog_ || !started_)
        return;
    dialog_->StopProgressDialog();
    started_ = false;
}
