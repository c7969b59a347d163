// TarvexSetup.exe end to end, as a user meets it, in a Wine prefix made for this program alone:
// a silent install; the installed programs, shortcuts and shell extensions at work; installing
// over an older copy and over a DLL in use; a silent removal; a registration that fails.
// The suites run in this order, each going on from the state the one before left.
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "AnsiWide.h"
#include "ArchiveContents.h"
#include "DroppedFilesObject.h"
#include "ExpectedRegistry.h"
#include "SetupTestSupport.h"
#include "platform/win32/Scoped.h"
#include "thumbs/DtxBuilder.h"

using namespace setup_test;
using cravel_test::Wide;

namespace {

constexpr UINT kFirstId = 100;
const char kSettingsKey[] = "Software\\Stonemere Software";
const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kRunOnceKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
const char kFileFileHandlerKey[] = "*\\shellex\\ContextMenuHandlers\\Cravel";

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

std::string Installed(const std::string& name) {
    return DefaultInstallFolder() + "\\" + name;
}

DWORD RunSetup(const std::string& options = "/S") {
    return RunToTheEnd(Quoted(SetupProgram()) + " " + options);
}

// Wine's restart carries out the pending renames, then the programs to run once.
void Restart() {
    EXPECT_EQ(RunToTheEnd("wineboot.exe -r"), 0u);
}

std::vector<std::string> PendingRenames() {
    return MultiStringValue(HKEY_LOCAL_MACHINE, kSessionManagerKey, "PendingFileRenameOperations");
}

std::string ShortcutFolder() {
    return CommonProgramsFolder() + "\\Tarvex";
}

// Each Start-menu shortcut and the installed file it opens.
const std::vector<std::pair<std::string, std::string>> kShortcuts = {
    {"Tarvex.lnk", "Tarvex.exe"},
    {"Quillet.lnk", "Quillet.exe"},
    {"Tarvex Help.lnk", "Tarvex Studio.chm"},
};

std::string ShortcutTarget(const std::string& link) {
    ComPtr<IShellLinkA> shellLink;
    ComPtr<IPersistFile> file;
    char target[MAX_PATH] = "";
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(shellLink.Receive()))) ||
        FAILED(shellLink->QueryInterface(IID_IPersistFile,
                                         reinterpret_cast<void**>(file.Receive()))) ||
        FAILED(file->Load(Wide(link).c_str(), STGM_READ)) ||
        FAILED(shellLink->GetPath(target, MAX_PATH, nullptr, 0))) {
        return "(no shortcut)";
    }
    return target;
}

void ExpectInstalledFiles(const std::string& folder) {
    std::vector<std::string> expected = {kUninstaller};
    for (const InstalledFile& file : InstalledFiles()) {
        expected.push_back(file.name);
    }
    std::vector<std::string> names = FolderNames(folder);
    std::sort(expected.begin(), expected.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expected);
    for (const InstalledFile& file : InstalledFiles()) {
        const auto installed = FileBytes(folder + "\\" + file.name);
        const auto built = FileBytes(file.built);
        ASSERT_TRUE(built.has_value()) << file.built;
        EXPECT_TRUE(installed == built) << file.name << " is not the build's";
    }
}

void ExpectShortcuts(const std::string& folder) {
    ComScope com;
    for (const auto& [link, file] : kShortcuts) {
        const std::string target = ShortcutTarget(ShortcutFolder() + "\\" + link);
        EXPECT_TRUE(SamePath(target, folder + "\\" + file)) << link << " opens " << target;
    }
}

// The x64 setup registers its 32-bit extensions where 32-bit programs can start, which are the
// only ones to load them; elsewhere it leaves them unregistered.
void ExpectExtensions32(const std::string& folder) {
#ifdef BUILT_CRAVEL32
    if (Runs32BitPrograms()) {
        ExpectRegistered(Registration32(folder));
    } else {
        ExpectRemoved(Registration32(folder));
    }
#else
    (void)folder;
#endif
}

void ExpectEverythingRegistered(const std::string& folder) {
    ExpectRegistered(ContextMenuRegistration(folder));
    ExpectRegistered(ThumbnailRegistration(folder));
    ExpectExtensions32(folder);
    ExpectRegistered(ArchiveFileType(folder));
    ExpectRegistered(UninstallEntry(folder));
}

// The setup must find the installed modules free: none loaded in this program.
void ExpectNoInstalledModuleLoaded() {
    EXPECT_EQ(LoadedModulePath("Cravel.dll"), "");
    EXPECT_EQ(LoadedModulePath("Glintra.dll"), "");
}

// The file properties Explorer shows, from the first language the file lists.
struct VersionInfo {
    DWORD fileVersionMs = 0;
    DWORD fileVersionLs = 0;
    std::map<std::string, std::string> strings;
};

std::optional<VersionInfo> ReadVersionInfo(const std::string& path) {
    DWORD handle = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &handle));
    if (data.empty() ||
        !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data())) {
        return std::nullopt;
    }
    VersionInfo info;
    VS_FIXEDFILEINFO* fixed = nullptr;
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        !VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &length) ||
        length < 4) {
        return std::nullopt;
    }
    info.fileVersionMs = fixed->dwFileVersionMS;
    info.fileVersionLs = fixed->dwFileVersionLS;
    char block[64];
    std::snprintf(block, sizeof block, "\\StringFileInfo\\%04x%04x\\", translation[0],
                  translation[1]);
    for (const char* name :
         {"CompanyName", "ProductName", "FileVersion", "ProductVersion", "OriginalFilename"}) {
        char* text = nullptr;
        if (VerQueryValueA(data.data(), (std::string(block) + name).c_str(),
                           reinterpret_cast<void**>(&text), &length)) {
            info.strings[name] = text;
        }
    }
    return info;
}

CLSID HandlerClass(const char* handlerKey) {
    CLSID clsid = CLSID_NULL;
    const auto text = StringValue(HKEY_CLASSES_ROOT, handlerKey);
    if (!text || FAILED(CLSIDFromString(Wide(*text).c_str(), &clsid))) {
        ADD_FAILURE() << "no class named by " << handlerKey;
    }
    return clsid;
}

// Cravel's object as Explorer makes it for one selected path, with its entries on a menu.
struct ExplorerMenu {
    // Released after the object, which holds a reference to it.
    std::unique_ptr<cravel_test::DroppedFilesObject> selection;
    ComPtr<IContextMenu> object;
    ScopedMenu popup;
    std::vector<std::string> texts;

    HRESULT Invoke(unsigned offset) const {
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof info;
        info.lpVerb = MAKEINTRESOURCEA(offset);
        info.nShow = SW_SHOWNORMAL;
        return object ? object->InvokeCommand(&info) : E_POINTER;
    }
};

ExplorerMenu OpenMenu(const char* handlerKey, const std::string& path) {
    ExplorerMenu menu;
    menu.selection =
        std::make_unique<cravel_test::DroppedFilesObject>(std::vector<std::string>{path});
    ComPtr<IShellExtInit> init;
    if (FAILED(CoCreateInstance(HandlerClass(handlerKey), nullptr, CLSCTX_INPROC_SERVER,
                                IID_IShellExtInit, reinterpret_cast<void**>(init.Receive()))) ||
        FAILED(init->Initialize(nullptr, menu.selection.get(), nullptr)) ||
        FAILED(init->QueryInterface(IID_IContextMenu,
                                    reinterpret_cast<void**>(menu.object.Receive())))) {
        ADD_FAILURE() << "no context-menu object for " << path;
        return menu;
    }
    menu.popup.Reset(CreatePopupMenu());
    menu.object->QueryContextMenu(menu.popup.Get(), 0, kFirstId, kFirstId + 100, CMF_NORMAL);
    for (int i = 0; i < GetMenuItemCount(menu.popup.Get()); ++i) {
        char text[512] = "";
        GetMenuStringA(menu.popup.Get(), i, text, sizeof text, MF_BYPOSITION);
        menu.texts.push_back(text);
    }
    return menu;
}

COLORREF PixelAt(HBITMAP bitmap, int x, int y) {
    MemoryDC dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

}  // namespace

// A silent install into the default folder.
class InstalledCopy : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        // The user's own settings, from before the tool set was installed.
        SetString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Tarvex\\Settings", "ViewMode",
                  "Details");
        SetString(HKEY_CURRENT_USER, std::string(kSettingsKey) + "\\Quillet\\Settings", "Toolbar",
                  "Shown");
        exitCode_ = RunSetup();
    }

    static DWORD exitCode_;
};

DWORD InstalledCopy::exitCode_ = ~DWORD(0);

TEST_F(InstalledCopy, SilentSetupSucceedsWithoutRestart) {
    EXPECT_EQ(exitCode_, 0u);
    EXPECT_TRUE(PendingRenames().empty());
}

TEST_F(InstalledCopy, EveryFileIsTheBuildsOwn) {
    ExpectInstalledFiles(DefaultInstallFolder());
}

TEST_F(InstalledCopy, StartMenuOpensTarvexQuilletAndTheHelp) {
    ExpectShortcuts(DefaultInstallFolder());
}

TEST_F(InstalledCopy, BothExtensionsAndTheArchiveTypeAreRegistered) {
    ExpectRegistered(ContextMenuRegistration(DefaultInstallFolder()));
    ExpectRegistered(ThumbnailRegistration(DefaultInstallFolder()));
    ExpectExtensions32(DefaultInstallFolder());
    ExpectRegistered(ArchiveFileType(DefaultInstallFolder()));
}

TEST_F(InstalledCopy, AddRemoveProgramsEntry) {
    ExpectRegistered(UninstallEntry(DefaultInstallFolder()));
    EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify"), 1u);
    EXPECT_EQ(DwordValue(HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair"), 1u);
    // In KiB: the installed files' sizes, each rounded its own way at most.
    size_t bytes = 0, files = 0;
    for (const auto& [name, data] : FolderFiles(DefaultInstallFolder())) {
        bytes += data.size();
        ++files;
    }
    const auto estimated = DwordValue(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
    ASSERT_TRUE(estimated.has_value());
    EXPECT_LE(*estimated, bytes / 1024 + files);
    EXPECT_GE(*estimated + files, bytes / 1024);
    EXPECT_GT(*estimated, 1000u);
}

TEST_F(InstalledCopy, FilePropertiesShowTheToolSetVersion) {
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::sscanf(TARVEX_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);
    std::vector<std::pair<std::string, std::string>> files = {{SetupProgram(), SETUP_FILE_NAME}};
    for (const InstalledFile& file : InstalledFiles()) {
        if (file.name.find(".chm") == std::string::npos) {
            files.emplace_back(Installed(file.name), file.builtName);
        }
    }
    for (const auto& [path, name] : files) {
        const auto info = ReadVersionInfo(path);
        ASSERT_TRUE(info.has_value()) << path;
        EXPECT_EQ(info->fileVersionMs, (major << 16) | minor) << name;
        EXPECT_EQ(info->fileVersionLs, patch << 16) << name;
        const std::map<std::string, std::string> expected = {
            {"CompanyName", "Stonemere Software"},
            {"ProductName", "Tarvex"},
            {"FileVersion", TARVEX_VERSION},
            {"ProductVersion", TARVEX_VERSION},
            {"OriginalFilename", name},
        };
        EXPECT_EQ(info->strings, expected) << name;
    }
}

TEST_F(InstalledCopy, ExplorerDrawsThumbnailsWithTheInstalledGlintra) {
    ComScope com;
    const std::string texture = ScratchFolder() + "\\WALL.DTX";
    std::vector<uint8_t> pixels;
    for (int i = 0; i < 32 * 16; ++i) {
        dtx_test::AppendPixel(pixels, 0x3366CC);
    }
    const std::vector<uint8_t> file = dtx_test::TrueColour(32, 16, 3, pixels);
    dtx_test::WriteFile(texture, file);

    ComPtr<IPersistFile> persist;
    ASSERT_EQ(CoCreateInstance(HandlerClass(kThumbnailHandlerKey), nullptr, CLSCTX_INPROC_SERVER,
                               IID_IPersistFile, reinterpret_cast<void**>(persist.Receive())),
              S_OK);
    EXPECT_TRUE(SamePath(LoadedModulePath("Glintra.dll"), Installed("Glintra.dll")))
        << LoadedModulePath("Glintra.dll");
    ASSERT_EQ(persist->Load(Wide(texture).c_str(), STGM_READ), S_OK);

    ComPtr<IExtractImage> extract;
    ASSERT_EQ(
        persist->QueryInterface(IID_IExtractImage, reinterpret_cast<void**>(extract.Receive())),
        S_OK);
    SIZE size = {64, 64};
    DWORD priority = 0, flags = 0;
    wchar_t location[MAX_PATH] = L"";
    EXPECT_EQ(extract->GetLocation(location, MAX_PATH, &priority, &size, 32, &flags), S_OK);
    HBITMAP made = nullptr;
    ASSERT_EQ(extract->Extract(&made), S_OK);
    ScopedBitmap thumbnail(made);
    // Smaller than asked: centred, not enlarged, on white.
    EXPECT_EQ(PixelAt(thumbnail.Get(), 16, 24), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(PixelAt(thumbnail.Get(), 47, 39), RGB(0x33, 0x66, 0xCC));
    EXPECT_EQ(PixelAt(thumbnail.Get(), 15, 24), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(PixelAt(thumbnail.Get(), 16, 40), RGB(0xFF, 0xFF, 0xFF));

    ComPtr<IQueryInfo> query;
    ASSERT_EQ(persist->QueryInterface(IID_IQueryInfo, reinterpret_cast<void**>(query.Receive())),
              S_OK);
    WCHAR* tip = nullptr;
    ASSERT_EQ(query->GetInfoTip(0, &tip), S_OK);
    ScopedTaskMemory tipMemory(tip);
    EXPECT_EQ(std::wstring(tip), L"Dimensions: 32 x 16\nType: LithTech Texture\nSize: " +
                                     std::to_wstring(file.size()));
}

TEST_F(InstalledCopy, ExplorerMenuPacksAndExtractsWithTheInstalledTarvex) {
    ComScope com;
    // Archives keep names in upper case: so does the folder, to come back the same.
    const std::string maps = ScratchFolder() + "\\My Maps";
    MakeFolder(maps);
    MakeFolder(maps + "\\WORLDS");
    WriteFileBytes(maps + "\\WORLDS\\DM ARENA.DAT", std::string(5000, 'w') + "end");
    WriteFileBytes(maps + "\\README.TXT", "Maps for the arena\r\n");
    {
        const ExplorerMenu menu = OpenMenu(kFolderMenuHandlerKey, maps);
        EXPECT_TRUE(SamePath(LoadedModulePath("Cravel.dll"), Installed("Cravel.dll")))
            << LoadedModulePath("Cravel.dll");
        ASSERT_EQ(menu.texts, (std::vector<std::string>{"Add to &Rez", "&Add to My Maps.rez"}));
        EXPECT_EQ(menu.Invoke(1), S_OK);
    }
    ASSERT_TRUE(WaitForStartedProcesses());
    const std::string archive = ScratchFolder() + "\\Copy.rez";
    ASSERT_TRUE(MoveFileA((maps + ".rez").c_str(), archive.c_str())) << "no archive was made";
    {
        const ExplorerMenu menu = OpenMenu(kFileFileHandlerKey, archive);
        ASSERT_EQ(menu.texts, (std::vector<std::string>{
                                  "&Extract To...", "E&xtract to: " + ScratchFolder() + "\\Copy"}));
        EXPECT_EQ(menu.Invoke(3), S_OK);
    }
    ASSERT_TRUE(WaitForStartedProcesses());
    const auto extracted = FolderFiles(ScratchFolder() + "\\Copy");
    EXPECT_EQ(extracted.size(), 3u);
    EXPECT_TRUE(extracted == FolderFiles(maps)) << "the extracted tree differs from the folder";
}

TEST_F(InstalledCopy, TarvexStartsFromItsFolderAndKeepsTheFileTypeAsInstalled) {
    // One folder given: its contents become the archive's root, names in upper case.
    const std::string notes = ScratchFolder() + "\\My Notes";
    const std::string archive = ScratchFolder() + "\\Notes.rez";
    const std::string level = "level " + std::string(70000, 'x') + " end";
    MakeFolder(notes);
    MakeFolder(notes + "\\LEVELS");
    MakeFolder(notes + "\\LEVELS\\EMPTY ROOM");
    WriteFileBytes(notes + "\\NOTES.TXT", "notes\r\n");
    WriteFileBytes(notes + "\\README", "read me");
    WriteFileBytes(notes + "\\LEVELS\\CH\xC2TEAU.DAT", level);
    WriteFileBytes(notes + "\\LEVELS\\ZERO.DAT", "");
    EXPECT_EQ(RunToTheEnd(Quoted(Installed("Tarvex.exe")) + " /C " + Quoted(archive) + " " +
                          Quoted(notes)),
              0u);
    const auto made = FileBytes(archive);
    ASSERT_TRUE(made.has_value()) << "no archive was made";
    const std::map<std::string, std::string> expected = {
        {"LEVELS\\", ""},         {"LEVELS\\CH\xC2TEAU.DAT", level}, {"LEVELS\\EMPTY ROOM\\", ""},
        {"LEVELS\\ZERO.DAT", ""}, {"NOTES.TXT", "notes\r\n"},        {"README", "read me"},
    };
    const auto contents = ArchiveContents(*made);
    ASSERT_TRUE(contents.has_value()) << "not an archive";
    EXPECT_TRUE(*contents == expected) << "the archive holds other files or other bytes";
    for (const auto& [name, data] : *contents) {
        EXPECT_TRUE(expected.count(name)) << name << " is not the folder's";
    }

    // Tarvex registers the type at every start: the very keys and values the setup wrote.
    ExpectRegistered(ArchiveFileType(DefaultInstallFolder()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Classes\\.rez"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Classes\\Tarvex.File"));
}

// Installing again, over what an older copy left.
TEST(Reinstall, OverAnOlderCopyReplacesIt) {
    ExpectNoInstalledModuleLoaded();
    const std::string folder = DefaultInstallFolder();
    WriteFileBytes(folder + "\\Quillet.exe", "an older Quillet");
    ASSERT_TRUE(DeleteFileA((folder + "\\Tarvex Studio.chm").c_str()));
    SetString(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kGlintraClsid + "\\InprocServer32",
              nullptr, "C:\\Old\\Glintra.dll");
    SetString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion", "2.9.0");
    ASSERT_TRUE(DeleteFileA((ShortcutFolder() + "\\Quillet.lnk").c_str()));

    EXPECT_EQ(RunSetup(), 0u);
    ExpectInstalledFiles(folder);
    ExpectEverythingRegistered(folder);
    ExpectShortcuts(folder);
}

TEST(Reinstall, HeldDllIsReplacedAndRegisteredAtTheNextRestart) {
    ExpectNoInstalledModuleLoaded();
    const std::string dll = Installed("Glintra.dll");
    const std::string serverKey = std::string("CLSID\\") + kGlintraClsid + "\\InprocServer32";
    const auto built = FileBytes(BuiltFile(BUILT_GLINTRA));
    ASSERT_TRUE(built.has_value());
    // An older Glintra.dll that Explorer holds, registered elsewhere: the build's with another
    // link time.
    std::string older = *built;
    uint32_t header = 0;
    memcpy(&header, older.data() + 0x3C, sizeof header);
    ASSERT_LT(header + 12, older.size());
    older[header + 8] ^= 0x5A;
    WriteFileBytes(dll, older);
    SetString(HKEY_CLASSES_ROOT, serverKey, nullptr, "C:\\Old\\Glintra.dll");
    HMODULE held = LoadLibraryA(dll.c_str());
    ASSERT_NE(held, nullptr);

    EXPECT_EQ(RunSetup(), 0u);
    EXPECT_TRUE(FileBytes(dll) == older) << "a file in use was written over";
    EXPECT_EQ(StringValue(HKEY_CLASSES_ROOT, serverKey), "C:\\Old\\Glintra.dll");
    const std::vector<std::string> renames = PendingRenames();
    EXPECT_TRUE(std::any_of(renames.begin(), renames.end(), [&](const std::string& target) {
        return SamePath(target, "!\\??\\" + dll);
    })) << "no replacement at the restart";
    FreeLibrary(held);

    // Then NSIS's registration helper runs, and leaves itself to the restart after.
    Restart();
    EXPECT_TRUE(FileBytes(dll) == built) << "not replaced at the restart";
    ExpectRegistered(ThumbnailRegistration(DefaultInstallFolder()));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kRunOnceKey, "NSIS.Library.RegTool.v3"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\NSIS.Library.RegTool.v3"));
    Restart();
    ExpectInstalledFiles(DefaultInstallFolder());
    EXPECT_EQ(PendingRenames(), std::vector<std::string>());
}

// A silent removal through the entry in Add/Remove Programs.
class Uninstalled : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        ExpectNoInstalledModuleLoaded();
        const std::string program = Installed("Tarvex.exe");
        // Since the install, another program took .rez over; and Tarvex once wrote its type
        // into the user's classes, as it does when it may not write the machine's.
        SetString(HKEY_CLASSES_ROOT, ".rez", nullptr, "OtherTool.Archive");
        SetString(HKEY_CURRENT_USER, "Software\\Classes\\Tarvex.File", nullptr, "Rez File");
        SetString(HKEY_CURRENT_USER, "Software\\Classes\\Tarvex.File\\DefaultIcon", nullptr,
                  program + ",0");
        settingsBefore_ = KeyTreeText(HKEY_CURRENT_USER, kSettingsKey);
        const auto quiet = StringValue(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
        exitCode_ = quiet ? RunToTheEnd(*quiet) : ~DWORD(0);
    }

    static DWORD exitCode_;
    static std::string settingsBefore_;
};

DWORD Uninstalled::exitCode_ = ~DWORD(0);
std::string Uninstalled::settingsBefore_;

// The uninstaller runs from a copy in the temporary folder, whose folder goes at the next
// restart (the test driver's, once every process has ended and the copy is gone).
void ExpectOnlyTheUninstallersCopyPending() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    for (const std::string& path : PendingRenames()) {
        EXPECT_EQ(path.find("\\??\\" + std::string(temp)), 0u) << path;
    }
}

TEST_F(Uninstalled, QuietUninstallSucceeds) {
    EXPECT_EQ(exitCode_, 0u);
    ExpectOnlyTheUninstallersCopyPending();
}

TEST_F(Uninstalled, NoFileOrShortcutStays) {
    EXPECT_FALSE(FileExists(DefaultInstallFolder()));
    EXPECT_FALSE(FileExists(ShortcutFolder()));
}

TEST_F(Uninstalled, NoKeyOfTheRegistrationsOrTheEntryStays) {
    const std::string folder = DefaultInstallFolder();
    ExpectRemoved(ContextMenuRegistration(folder));
    ExpectRemoved(ThumbnailRegistration(folder));
    ExpectRemoved(Registration32(folder));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "TypeLib\\{527493DE-F554-42BB-9CCE-9E7F17316077}"));
    // There was no .dtx before the tool set.
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ".dtx"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Tarvex.File"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Classes\\Tarvex.File"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST_F(Uninstalled, AnotherProgramsArchiveTypeStays) {
    EXPECT_EQ(StringValue(HKEY_CLASSES_ROOT, ".rez"), "OtherTool.Archive");
}

TEST_F(Uninstalled, UserSettingsStay) {
    EXPECT_NE(settingsBefore_.find("ViewMode"), std::string::npos) << settingsBefore_;
    EXPECT_EQ(KeyTreeText(HKEY_CURRENT_USER, kSettingsKey), settingsBefore_);
}

// A registration that fails, here Cravel's for a key it cannot create (a volatile class key takes
// no lasting subkeys): the setup says so in its exit code, and its copy can still be removed.
TEST(FailedRegistration, IsReportedAndTheCopyCanStillBeRemoved) {
    const std::string folder = DefaultInstallFolder();
    const std::string classKey = std::string("CLSID\\") + kCravelClsid;
    ScopedKey volatileKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, classKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, volatileKey.Receive(), nullptr),
              ERROR_SUCCESS);

    EXPECT_EQ(RunSetup(), 2u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32"));
    ExpectInstalledFiles(folder);
    ExpectRegistered(ThumbnailRegistration(folder));
    ExpectRegistered(UninstallEntry(folder));

    const auto quiet = StringValue(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
    ASSERT_TRUE(quiet.has_value());
    EXPECT_EQ(RunToTheEnd(*quiet), 0u);
    ExpectOnlyTheUninstallersCopyPending();
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    ExpectRemoved(ThumbnailRegistration(folder));
    volatileKey.Reset();
    EXPECT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, classKey.c_str()), ERROR_SUCCESS);
}

// The folder the user chose instead of the default one, with blanks and accents in its name.
TEST(ChosenFolder, HoldsTheCopyAndEveryRegistrationNamesIt) {
    const std::string folder = ScratchFolder() +
                               "\\My Tools\\Tarvex \xC9"
                               "dition";
    // NSIS takes the folder as the last option, unquoted.
    EXPECT_EQ(RunSetup("/S /D=" + folder), 0u);
    EXPECT_FALSE(FileExists(DefaultInstallFolder()));
    ExpectInstalledFiles(folder);
    ExpectShortcuts(folder);
    ExpectEverythingRegistered(folder);

    const auto quiet = StringValue(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
    ASSERT_TRUE(quiet.has_value());
    EXPECT_EQ(RunToTheEnd(*quiet), 0u);
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(ShortcutFolder()));
    ExpectRemoved(ContextMenuRegistration(folder));
    ExpectRemoved(ThumbnailRegistration(folder));
    ExpectRemoved(Registration32(folder));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, "Tarvex.File"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}
