#include "TarvexWindow.h"

namespace tarvex_test {

void TarvexWindow::SetUp() {
    DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
    // A window destroyed by an earlier test asked the thread to quit.
    MSG message;
    PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void TarvexWindow::TearDown() {
    app_.reset();
    DeleteKeyTree(HKEY_CURRENT_USER, kSettingsKey);
}

void TarvexWindow::Start(const std::vector<std::string>& args) {
    app_ = std::make_unique<CTarvexApp>(
        prompts, settings, [this] { return std::make_unique<LoggedProgress>(progressLog); });
    ASSERT_TRUE(app_->StartUp(args, SW_HIDE));
    Pump();
}

void TarvexWindow::Quit() {
    SendMessageA(Frame().Handle(), WM_CLOSE, 0, 0);
    app_.reset();
    MSG message;
    PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

RezFolder& TarvexWindow::AddFolder(const std::string& name, RezFolder* parent) {
    return Doc().Folders().Append(name, parent ? parent : Root());
}

RezEntry& TarvexWindow::AddEntry(RezFolder& folder, const std::string& name, std::uint32_t size,
                                 std::uint32_t time, const std::string& typeName) {
    RezEntry entry;
    entry.name = name;
    entry.dataPosition = 168;
    entry.size = size;
    entry.time = time;
    entry.typeCode = TypeCodeOf(name);
    entry.typeName = typeName.empty() ? TypeNameFor(entry.typeCode, name) : typeName;
    folder.entries.push_back(entry);
    return folder.entries.back();
}

void TarvexWindow::SaveArchiveOf(const std::string& folder, const std::string& archive) {
    RecordingProgress progress;
    ASSERT_TRUE(Doc().Adding().AddFolder(folder, Root(), true, progress));
    prompts.saveFiles.push_back(archive);
    Doc().FileSave();
    Doc().FinishJobs();
    ASSERT_FALSE(Doc().IsModified());
}

std::vector<std::string> TarvexWindow::EntryNames(const RezFolder* folder) {
    std::vector<std::string> names;
    for (const RezEntry& entry : folder->entries)
        names.push_back(ItemNameOf(entry));
    return names;
}

std::string TarvexWindow::TreeText(HTREEITEM item) {
    char text[256] = "";
    TVITEMA data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(Tree(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return text;
}

std::vector<std::string> TarvexWindow::TreeChildren(HTREEITEM parent) {
    std::vector<std::string> texts;
    for (HTREEITEM child = TreeView_GetChild(Tree(), parent); child;
         child = TreeView_GetNextSibling(Tree(), child)) {
        texts.push_back(TreeText(child));
    }
    return texts;
}

std::string TarvexWindow::ListText(int row, int column) {
    char text[256] = "";
    ListView_GetItemText(List(), row, column, text, sizeof(text));
    return text;
}

std::vector<std::string> TarvexWindow::ListColumn(int column) {
    std::vector<std::string> texts;
    const int count = ListView_GetItemCount(List());
    for (int row = 0; row < count; ++row)
        texts.push_back(ListText(row, column));
    return texts;
}

void TarvexWindow::SelectRows(const std::vector<int>& rows) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    for (int row : rows)
        ListView_SetItemState(List(), row, LVIS_SELECTED, LVIS_SELECTED);
}

void TarvexWindow::ClickHeader(int column) {
    HWND header = ListView_GetHeader(List());
    RECT item{};
    Header_GetItemRect(header, column, &item);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
}

}  // namespace tarvex_test
