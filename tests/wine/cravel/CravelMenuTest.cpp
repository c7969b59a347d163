// A test program playing Explorer: Cravel's object made through COM from the registry, given
// selections as a dropped-file list, asked for its entries on a real menu, for verbs and help
// texts, and made to start the recording Tarvex.exe beside the registered DLL.
#include <fstream>
#include <memory>
#include <sstream>

#include "ExplorerMenu.h"
#include "app/CommandLine.h"
#include "app/CommandLineSplit.h"
#include "shellmenu/MenuCommands.h"
#include "support/ModalScript.h"

using namespace cravel_test;

namespace {

using Paths = std::vector<std::string>;

constexpr UINT kFirstId = 100;

// A popup menu with two items of its own, as Explorer's has, destroyed at the end.
class PopupMenu {
  public:
    PopupMenu() : menu_(CreatePopupMenu()) {
        AppendMenuA(menu_, MF_STRING, 1, "&Open");
        AppendMenuA(menu_, MF_STRING, 2, "P&roperties");
    }
    ~PopupMenu() { DestroyMenu(menu_); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Get() const { return menu_; }

  private:
    HMENU menu_;
};

struct Item {
    UINT id = 0;
    UINT type = 0;
    std::string text;
    HBITMAP checked = nullptr;
    HBITMAP unchecked = nullptr;
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[512] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING | MIIM_CHECKMARKS;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        items.push_back({info.wID, info.fType, text, info.hbmpChecked, info.hbmpUnchecked});
    }
    return items;
}

struct Expected {
    UINT id;
    const char* text;
};

// Asks for Cravel's entries between the menu's two items and checks them and the result.
void ExpectEntries(IContextMenu* menu, UINT flags, const std::vector<Expected>& entries,
                   UINT code) {
    ASSERT_NE(menu, nullptr);
    PopupMenu popup;
    EXPECT_EQ(menu->QueryContextMenu(popup.Get(), 1, kFirstId, kFirstId + 50, flags),
              MAKE_HRESULT(SEVERITY_SUCCESS, 0, code));
    const std::vector<Item> items = Items(popup.Get());
    ASSERT_EQ(items.size(), entries.size() + 2);
    EXPECT_EQ(items.front().text, "&Open");
    EXPECT_EQ(items.back().text, "P&roperties");
    for (size_t i = 0; i < entries.size(); ++i) {
        const Item& item = items[i + 1];
        EXPECT_EQ(item.id, entries[i].id) << i;
        EXPECT_EQ(item.text, entries[i].text) << i;
        EXPECT_EQ(item.type, UINT(MFT_STRING)) << i;
        EXPECT_NE(item.checked, nullptr) << i;
        EXPECT_EQ(item.checked, item.unchecked) << i;
    }
}

// An archive's two entries, extracting into folder.
void ExpectArchiveEntries(IContextMenu* menu, const std::string& folder) {
    ExpectEntries(
        menu, CMF_NORMAL,
        {{kFirstId + 2, "&Extract To..."}, {kFirstId + 3, ("E&xtract to: " + folder).c_str()}}, 4);
}

// A path without a final backslash, as the tests expect it on the command line.
std::string InQuotes(const std::string& path) {
    std::string quoted(1, '"');
    quoted += path;
    quoted += '"';
    return quoted;
}

struct Record {
    std::string commandLine;
    std::string folder;
    std::string program;
};

// Chooses the entry at offset and reads what the recording Tarvex.exe was started with.
Record Invoke(IContextMenu* menu, unsigned offset, const std::string& recordFile) {
    Record record;
    DeleteFileA(recordFile.c_str());
    SetEnvironmentVariableA("CRAVEL_RECORD", recordFile.c_str());
    ChooseAndWait(menu, offset);
    std::ifstream in(recordFile, std::ios::binary);
    std::getline(in, record.commandLine);
    std::getline(in, record.folder);
    std::getline(in, record.program);
    std::string more;
    EXPECT_FALSE(std::getline(in, more)) << "started more than once";
    return record;
}

// Tarvex's reading of a recorded command line.
CTarvexCommandLineInfo ReadBack(const Record& record) {
    std::vector<std::string> words = SplitCommandLine(record.commandLine);
    EXPECT_EQ(lstrcmpiA(words.front().c_str(), TarvexPath().c_str()), 0) << words.front();
    words.erase(words.begin());
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, words, SwitchStyle::Windows);
    return info;
}

class CravelMenu : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        parents_ = new RegistryParents;
        ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
        disk_ = new ScratchFolder;
        disk_->MakeFolder("Maps");
        disk_->MakeFile("Maps\\Level1.dat");
        disk_->MakeFolder("Maps\\Sounds");
        disk_->MakeFolder("Maps\\Old.rez");
        disk_->MakeFile("Maps\\Old~.rez");
        disk_->MakeFolder("Game");
        disk_->MakeFile("Game\\Game.rez");
        disk_->MakeFolder("Docs");
        disk_->MakeFile("Docs\\README");
        disk_->MakeFolder("My Maps");
        disk_->MakeFile("My Maps\\Level 1.dat");
        disk_->MakeFolder("My Maps\\Old Sounds");
        disk_->MakeFolder(Accented("Caf\xE9"));
        disk_->MakeFile(Accented("Caf\xE9\\Niveau \xE9t\xE9.rez"));
    }
    static void TearDownTestSuite() {
        delete disk_;
        CallExport("DllUnregisterServer");
        delete parents_;
        CoUninitialize();
    }

    // Latin-1 text in the ANSI code page.
    static std::string Accented(const char* latin1) {
        std::wstring wide;
        for (const char* c = latin1; *c; ++c) {
            wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
        }
        return Ansi(wide);
    }

    std::string At(const std::string& below) const { return disk_->Path() + "\\" + below; }
    std::string RecordFile() const { return disk_->Path() + "\\record.txt"; }

    // The raw command line holds exactly the parameters after the program's quoted path.
    void ExpectParameters(const Record& record, const std::string& parameters) {
        const std::string prefix = InQuotes(TarvexPath()) + " ";
        EXPECT_EQ(lstrcmpiA(record.commandLine.substr(0, prefix.size()).c_str(), prefix.c_str()), 0)
            << record.commandLine;
        EXPECT_EQ(record.commandLine.substr(prefix.size()), parameters);
        EXPECT_EQ(lstrcmpiA(record.program.c_str(), TarvexPath().c_str()), 0) << record.program;
        EXPECT_EQ(lstrcmpiA(record.folder.c_str(), HostFolder().c_str()), 0) << record.folder;
    }

    static RegistryParents* parents_;
    static ScratchFolder* disk_;
};

RegistryParents* CravelMenu::parents_ = nullptr;
ScratchFolder* CravelMenu::disk_ = nullptr;

TEST_F(CravelMenu, SeveralItemsAreGatheredWithAddToRez) {
    const Paths paths = {At("Maps\\Level1.dat"), At("Maps\\Sounds")};
    ContextMenu object(paths);
    ASSERT_EQ(object.initialized, S_OK);
    ExpectEntries(object.menu.Get(), CMF_NORMAL, {{kFirstId, "Add to &Rez"}}, 1);

    const Record record = Invoke(object.menu.Get(), 0, RecordFile());
    ExpectParameters(record, "/A " + InQuotes(paths[0]) + " " + InQuotes(paths[1]) + " ");
    const CTarvexCommandLineInfo info = ReadBack(record);
    EXPECT_EQ(info.batchCode, BatchAdd);
    EXPECT_EQ(info.items, paths);
}

TEST_F(CravelMenu, OneFolderIsPackedNextToItself) {
    const std::string folder = At("Maps\\Sounds");
    ContextMenu object({folder});
    ExpectEntries(object.menu.Get(), CMF_NORMAL,
                  {{kFirstId, "Add to &Rez"}, {kFirstId + 1, "&Add to Sounds.rez"}}, 2);

    const Record create = Invoke(object.menu.Get(), 1, RecordFile());
    ExpectParameters(create, InQuotes(folder + ".rez") + " /C " + InQuotes(folder) + " ");
    const CTarvexCommandLineInfo info = ReadBack(create);
    EXPECT_EQ(info.batchCode, BatchCreate);
    EXPECT_EQ(info.fileName, folder + ".rez");
    EXPECT_EQ(info.items, Paths{folder});

    const Record add = Invoke(object.menu.Get(), 0, RecordFile());
    ExpectParameters(add, "/A " + InQuotes(folder) + " ");
}

TEST_F(CravelMenu, FolderNamedLikeAnArchiveIsPackedWithATilde) {
    const std::string folder = At("Maps\\Old.rez");
    ContextMenu object({folder});
    ExpectEntries(object.menu.Get(), CMF_NORMAL,
                  {{kFirstId, "Add to &Rez"}, {kFirstId + 1, "&Add to Old~.rez"}}, 2);
    const Record record = Invoke(object.menu.Get(), 1, RecordFile());
    ExpectParameters(record, InQuotes(At("Maps\\Old~.rez")) + " /C " + InQuotes(folder) + " ");
    EXPECT_EQ(ReadBack(record).fileName, At("Maps\\Old~.rez"));
}

TEST_F(CravelMenu, AnArchiveIsExtracted) {
    const std::string archive = At("Game\\Game.rez");
    ContextMenu object({archive});
    ExpectArchiveEntries(object.menu.Get(), At("Game\\Game"));

    const Record ask = Invoke(object.menu.Get(), 2, RecordFile());
    ExpectParameters(ask, InQuotes(archive) + " /E ");
    const CTarvexCommandLineInfo asked = ReadBack(ask);
    EXPECT_EQ(asked.batchCode, BatchExtractAsk);
    EXPECT_EQ(asked.fileName, archive);

    const Record extract = Invoke(object.menu.Get(), 3, RecordFile());
    ExpectParameters(extract, InQuotes(archive) + " /X " + InQuotes(At("Game\\Game")));
    const CTarvexCommandLineInfo extracted = ReadBack(extract);
    EXPECT_EQ(extracted.batchCode, BatchExtract);
    EXPECT_EQ(extracted.fileName, archive);
    EXPECT_EQ(extracted.destination, At("Game\\Game"));
}

TEST_F(CravelMenu, AnArchiveWithATildeGoesBackIntoItsFolderName) {
    const std::string archive = At("Maps\\Old~.rez");
    ContextMenu object({archive});
    ExpectArchiveEntries(object.menu.Get(), At("Maps\\Old.Rez"));
    const Record record = Invoke(object.menu.Get(), 3, RecordFile());
    ExpectParameters(record, InQuotes(archive) + " /X " + InQuotes(At("Maps\\Old.Rez")));
    EXPECT_EQ(ReadBack(record).destination, At("Maps\\Old.Rez"));
}

TEST_F(CravelMenu, PathsWithBlanksAndAccentsReachTarvexWhole) {
    const std::string file = At("My Maps\\Level 1.dat");
    {
        ContextMenu object({file});
        ExpectEntries(object.menu.Get(), CMF_NORMAL,
                      {{kFirstId, "Add to &Rez"}, {kFirstId + 1, "&Add to Level 1.rez"}}, 2);
        const Record record = Invoke(object.menu.Get(), 1, RecordFile());
        ExpectParameters(record,
                         InQuotes(At("My Maps\\Level 1.rez")) + " /C " + InQuotes(file) + " ");
        const CTarvexCommandLineInfo info = ReadBack(record);
        EXPECT_EQ(info.batchCode, BatchCreate);
        EXPECT_EQ(info.fileName, At("My Maps\\Level 1.rez"));
        EXPECT_EQ(info.items, Paths{file});
    }
    {
        const Paths paths = {file, At("My Maps\\Old Sounds")};
        ContextMenu object(paths);
        EXPECT_EQ(ReadBack(Invoke(object.menu.Get(), 0, RecordFile())).items, paths);
    }
    {
        const std::string archive = At(Accented("Caf\xE9\\Niveau \xE9t\xE9.rez"));
        const std::string folder = At(Accented("Caf\xE9\\Niveau \xE9t\xE9"));
        ContextMenu object({archive});
        ExpectArchiveEntries(object.menu.Get(), folder);
        const CTarvexCommandLineInfo info = ReadBack(Invoke(object.menu.Get(), 3, RecordFile()));
        EXPECT_EQ(info.fileName, archive);
        EXPECT_EQ(info.destination, folder);
    }
}

TEST_F(CravelMenu, DriveRootIsGatheredWithItsBackslash) {
    ContextMenu object({"C:\\"});
    ExpectEntries(object.menu.Get(), CMF_NORMAL, {{kFirstId, "Add to &Rez"}}, 2);
    const Record record = Invoke(object.menu.Get(), 0, RecordFile());
    ExpectParameters(record, "/A \"C:\\\\\" ");
    EXPECT_EQ(ReadBack(record).items, Paths{"C:\\"});
}

TEST_F(CravelMenu, PathLongerThanMaxPathIsTakenWhole) {
    const std::string name = std::string(270, 'n');
    const std::string path = At(name + ".dat");
    ContextMenu object({path});
    ExpectEntries(object.menu.Get(), CMF_NORMAL,
                  {{kFirstId, "Add to &Rez"}, {kFirstId + 1, ("&Add to " + name + ".rez").c_str()}},
                  2);
    EXPECT_EQ(ReadBack(Invoke(object.menu.Get(), 0, RecordFile())).items, Paths{path});
}

TEST_F(CravelMenu, FlagsForTheDefaultEntryOrNoVerbsAddNothing) {
    ContextMenu object({At("Docs\\README")});
    for (UINT flags : {UINT(CMF_DEFAULTONLY), UINT(CMF_NOVERBS)}) {
        ExpectEntries(object.menu.Get(), flags, {}, 0);
    }
    for (UINT flags : {UINT(CMF_EXPLORE), UINT(CMF_VERBSONLY), UINT(CMF_NORMAL | CMF_CANRENAME)}) {
        ExpectEntries(object.menu.Get(), flags,
                      {{kFirstId, "Add to &Rez"}, {kFirstId + 1, "&Add to README.rez"}}, 2);
    }
    EXPECT_EQ(object.menu->QueryContextMenu(nullptr, 0, kFirstId, kFirstId + 50, CMF_NORMAL),
              MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0));
}

TEST_F(CravelMenu, EveryEntryCarriesBitmap129AtTheCheckMarkSize) {
    // The resource itself: 13 x 13 pixels in 16 colours.
    HRSRC found = FindResourceA(Dll(), MAKEINTRESOURCEA(129), MAKEINTRESOURCEA(2));  // RT_BITMAP
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Dll(), found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 13);
    EXPECT_EQ(header->biHeight, 13);
    EXPECT_EQ(header->biBitCount, 4);

    ContextMenu object({At("Docs\\README")});
    PopupMenu popup;
    object.menu->QueryContextMenu(popup.Get(), 0, kFirstId, kFirstId + 50, CMF_NORMAL);
    const HBITMAP bitmap = Items(popup.Get())[0].checked;
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(Items(popup.Get())[1].checked, bitmap);

    // Shown at the menu's check-mark size, as the committed file is at that size.
    const int width = GetSystemMetrics(SM_CXMENUCHECK), height = GetSystemMetrics(SM_CYMENUCHECK);
    auto file = static_cast<HBITMAP>(
        LoadImageA(nullptr, CRAVEL_BITMAP, IMAGE_BITMAP, width, height, LR_LOADFROMFILE));
    ASSERT_NE(file, nullptr);
    BITMAP shown = {};
    GetObjectA(bitmap, sizeof shown, &shown);
    EXPECT_EQ(shown.bmWidth, width);
    EXPECT_EQ(shown.bmHeight, height);
    auto pixels = [width, height](HBITMAP from) {
        std::vector<COLORREF> out(width * height);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, from, 0, height, out.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (COLORREF& c : out) {
            c &= 0xFFFFFF;  // 0x00RRGGBB
        }
        return out;
    };
    const std::vector<COLORREF> got = pixels(bitmap);
    EXPECT_EQ(got, pixels(file));
    // A drawing on a white background, which the menu's AND leaves transparent.
    int drawn = 0;
    for (COLORREF c : got) {
        drawn += c != 0xFFFFFF;
    }
    EXPECT_EQ(got.front(), 0xFFFFFFu);
    EXPECT_GT(drawn, width * height / 2);
    DeleteObject(file);
}

// The text GetCommandString writes for offset and type into a buffer of size characters;
// "<untouched>" when it wrote nothing.
std::string CommandString(IContextMenu* menu, UINT offset, UINT type, UINT size = 260,
                          HRESULT expected = S_OK) {
    const bool wide = type & GCS_UNICODE;
    std::vector<wchar_t> buffer(size + 1, L'#');
    buffer[size] = L'\0';
    EXPECT_EQ(
        menu->GetCommandString(offset, type, nullptr, reinterpret_cast<CHAR*>(buffer.data()), size),
        expected)
        << offset << " " << type;
    if (buffer[0] == L'#') {
        return "<untouched>";
    }
    if (wide) {
        return Ansi(buffer.data());
    }
    return reinterpret_cast<const char*>(buffer.data());
}

TEST_F(CravelMenu, VerbsAndHelpTexts) {
    const std::string folder = At("Maps\\Sounds");
    ContextMenu object({folder});
    IContextMenu* menu = object.menu.Get();
    ASSERT_NE(menu, nullptr);
    const char* verbs[] = {"Add", "AddTo ", "Extract", "ExtractTo", "Cravel"};
    for (UINT offset = 0; offset < 5; ++offset) {
        EXPECT_EQ(CommandString(menu, offset, GCS_VERBA), verbs[offset]);
        EXPECT_EQ(CommandString(menu, offset, GCS_VERBW), verbs[offset]);
    }
    EXPECT_EQ(CommandString(menu, 0, GCS_HELPTEXTA), "Add the selected item(s) to an Archive");
    EXPECT_EQ(CommandString(menu, 1, GCS_HELPTEXTA),
              "Add the selected item to the Archive: " + folder + ".Rez");
    EXPECT_EQ(CommandString(menu, 1, GCS_HELPTEXTW),
              "Add the selected item to the Archive: " + folder + ".Rez");
    EXPECT_EQ(CommandString(menu, 2, GCS_HELPTEXTA), "Extract all files in the Archive");
    EXPECT_EQ(CommandString(menu, 9, GCS_HELPTEXTA), "Cravel");
    // Cut to the buffer, terminator included.
    EXPECT_EQ(CommandString(menu, 2, GCS_VERBA, 4), "Ext");
    EXPECT_EQ(CommandString(menu, 2, GCS_VERBW, 4), "Ext");
    EXPECT_EQ(CommandString(menu, 2, GCS_VERBA, 1), "");
    // Requests of other kinds write nothing.
    EXPECT_EQ(CommandString(menu, 0, GCS_VALIDATEA), "<untouched>");
    EXPECT_EQ(CommandString(menu, 0, GCS_VALIDATEW), "<untouched>");

    ContextMenu archive({At("Maps\\Old~.rez")});
    EXPECT_EQ(CommandString(archive.menu.Get(), 3, GCS_HELPTEXTA),
              "Extract all files in the Archive to the folder: " + At("Maps\\Old.Rez"));
}

TEST_F(CravelMenu, InitializeHoldsOneReferenceAndNeedsADroppedFileList) {
    ComPtr<IShellExtInit> init;
    ASSERT_EQ(CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                               reinterpret_cast<void**>(init.Receive())),
              S_OK);
    DroppedFilesObject first({At("Docs\\README")}), second({At("Game\\Game.rez")});
    DroppedFilesObject noList({At("Docs\\README")}, false);
    EXPECT_EQ(init->Initialize(nullptr, &first, nullptr), S_OK);
    EXPECT_EQ(first.References(), 2);
    EXPECT_EQ(init->Initialize(nullptr, &second, nullptr), S_OK);
    EXPECT_EQ(first.References(), 1);
    EXPECT_EQ(second.References(), 2);

    ComPtr<IContextMenu> menu;
    ASSERT_EQ(init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(menu.Receive())),
              S_OK);
    ExpectArchiveEntries(menu.Get(), At("Game\\Game"));

    // Without a list, or without a data object, the earlier selection is gone too.
    EXPECT_EQ(init->Initialize(nullptr, &noList, nullptr), E_FAIL);
    EXPECT_EQ(noList.DataRequests(), 1);
    EXPECT_EQ(second.References(), 1);
    ExpectEntries(menu.Get(), CMF_NORMAL, {}, 0);
    EXPECT_EQ(init->Initialize(nullptr, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(noList.References(), 1);
    ExpectEntries(menu.Get(), CMF_NORMAL, {}, 0);
}

TEST_F(CravelMenu, AnUnreadablePathShowsTheMenuAndIsRefusedWhenChosen) {
    // An empty list: Wine's DragQueryFile gives it as one path it cannot give, Windows as none.
    ContextMenu object(Paths{});
    ASSERT_EQ(object.initialized, S_OK);
    ExpectEntries(object.menu.Get(), CMF_NORMAL, {{kFirstId, "Add to &Rez"}}, 2);
    const DWORD started = ChildProcesses::Get().Started();
    for (unsigned offset = 1; offset < 4; ++offset) {
        CMINVOKECOMMANDINFO info = Command(MAKEINTRESOURCEA(offset));
        info.fMask = CMIC_MASK_FLAG_NO_UI;
        EXPECT_EQ(object.menu->InvokeCommand(&info), E_FAIL) << offset;
    }
    // With the UI allowed the user is told why.
    std::string told;
    ModalScript::Run([] { return FindWindowA("#32770", "Cravel"); },
                     [&] {
                         HWND box = FindWindowA("#32770", "Cravel");
                         char text[256] = "";
                         GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                         told = text;
                         PostMessageA(box, WM_COMMAND, IDOK, 0);
                     },
                     [&] {
                         CMINVOKECOMMANDINFO info = Command(MAKEINTRESOURCEA(0));
                         EXPECT_EQ(object.menu->InvokeCommand(&info), E_FAIL);
                     });
    EXPECT_EQ(told, kUnreadableSelection);
    EXPECT_EQ(ChildProcesses::Get().Started(), started);
    EXPECT_EQ(CommandString(object.menu.Get(), 1, GCS_HELPTEXTA, 260, E_FAIL), "<untouched>");
    EXPECT_EQ(CommandString(object.menu.Get(), 3, GCS_HELPTEXTA, 260, E_FAIL), "<untouched>");
    EXPECT_EQ(CommandString(object.menu.Get(), 1, GCS_VERBA), "AddTo ");
}

TEST_F(CravelMenu, VerbsByNameAndUnknownOffsetsStartNothing) {
    ContextMenu object({At("Game\\Game.rez")});
    const DWORD started = ChildProcesses::Get().Started();
    for (const char* verb : {"Extract", "open", "properties"}) {
        CMINVOKECOMMANDINFO info = Command(verb);
        // Failing leaves a canonical verb to the handler that has it.
        EXPECT_EQ(object.menu->InvokeCommand(&info), E_FAIL) << verb;
    }
    for (unsigned offset : {4u, 0x7FFFu}) {
        CMINVOKECOMMANDINFO info = Command(MAKEINTRESOURCEA(offset));
        EXPECT_EQ(object.menu->InvokeCommand(&info), E_FAIL) << offset;
    }
    EXPECT_EQ(object.menu->InvokeCommand(nullptr), E_INVALIDARG);
    EXPECT_EQ(ChildProcesses::Get().Started(), started);
}

TEST_F(CravelMenu, UnusableServerValueStartsNothing) {
    ContextMenu object({At("Game\\Game.rez")});
    const DWORD started = ChildProcesses::Get().Started();
    auto expectNothingStarted = [&](const char* what) {
        CMINVOKECOMMANDINFO info = Command(MAKEINTRESOURCEA(3));
        EXPECT_EQ(object.menu->InvokeCommand(&info), E_FAIL) << what;
        EXPECT_EQ(ChildProcesses::Get().Started(), started) << what;
    };
    const std::string overLong = "C:\\" + std::string(300, 'd') + "\\Cravel.dll";
    SetString(HKEY_CLASSES_ROOT, kServerKey, nullptr, overLong);
    expectNothingStarted("over-long value");
    SetString(HKEY_CLASSES_ROOT, kServerKey, nullptr, "Cravel.dll");
    expectNothingStarted("value without a folder");
    SetString(HKEY_CLASSES_ROOT, kServerKey, nullptr, At("Docs\\Cravel.dll"));
    expectNothingStarted("no Tarvex.exe in the folder");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, kServerKey.c_str(), 0, KEY_SET_VALUE, &key), 0);
    const DWORD number = 7;
    RegSetValueExA(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    RegCloseKey(key);
    expectNothingStarted("a number");
    ASSERT_EQ(CallExport("DllUnregisterServer"), S_OK);
    expectNothingStarted("not registered");

    ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
    const Record record = Invoke(object.menu.Get(), 3, RecordFile());
    EXPECT_EQ(ReadBack(record).fileName, At("Game\\Game.rez"));
}

TEST_F(CravelMenu, ModuleUnloadsOnceTheShellReleasedEverything) {
    {
        ContextMenu object({At("Docs\\README")});
        EXPECT_EQ(GetModuleHandleA(DllPath().c_str()), Dll());  // the registered copy
        EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    }
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
}

}  // namespace
