// What the program keeps in the registry and finds there at the next start: the window's
// place, the recent files, the ".rez" file type; and the start-up's own choices.
#include "TarvexWindow.h"

#include "app/CommandLine.h"
#include "resources/tarvex/resource.h"

namespace tarvex_test {
namespace {

using SavedSettings = TarvexWindow;

RECT WindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

std::string ClassesValue(const std::string& key) {
    char value[512] = "";
    LONG size = sizeof(value);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS)
        return "(none)";
    return value;
}

TEST_F(SavedSettings, PlacementIsWrittenOnDestroyAndRestoredAtTheNextStart) {
    Start();  // the first start: at the top left, 600 x 400
    RECT rect = WindowRect(Frame().Handle());
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 600);
    EXPECT_EQ(rect.bottom, 400);
    SetWindowPos(Frame().Handle(), nullptr, 30, 40, 520, 360, SWP_NOZORDER | SWP_NOACTIVATE);
    Quit();
    EXPECT_EQ(settings.GetInt("Settings", "XPos", -1), 30);
    EXPECT_EQ(settings.GetInt("Settings", "YPos", -1), 40);
    EXPECT_EQ(settings.GetInt("Settings", "Width", -1), 520);
    EXPECT_EQ(settings.GetInt("Settings", "Height", -1), 360);

    Start();
    rect = WindowRect(Frame().Handle());
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
    EXPECT_EQ(rect.right - rect.left, 520);
    EXPECT_EQ(rect.bottom - rect.top, 360);
    Quit();

    // A stored size below the smallest the window takes comes back as that smallest size,
    // which is also the least the user can drag it to.
    settings.SetInt("Settings", "Width", 200);
    settings.SetInt("Settings", "Height", 100);
    Start();
    rect = WindowRect(Frame().Handle());
    EXPECT_EQ(rect.right - rect.left, 450);
    EXPECT_EQ(rect.bottom - rect.top, 300);
    MINMAXINFO limits{};
    SendMessageA(Frame().Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 450);
    EXPECT_EQ(limits.ptMinTrackSize.y, 300);
}

TEST_F(SavedSettings, RecentFilesAreKeptAndOpenedFromTheFileMenu) {
    Start();
    disk.Write("one\\a.txt", "A");
    disk.Write("two\\b.txt", "BB");
    const std::string first = disk.Path("first.rez"), second = disk.Path("second.rez");
    SaveArchiveOf(disk.Path("one"), first);
    ASSERT_TRUE(Run(ID_FILE_CLOSE));
    SaveArchiveOf(disk.Path("two"), second);
    EXPECT_EQ(Frame().RecentFiles().Paths(), (std::vector<std::string>{second, first}));
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), second);
    EXPECT_EQ(settings.GetString("Recent File List", "File2", ""), first);
    EXPECT_EQ(settings.GetString("Recent File List", "File3", "(absent)"), "(absent)");

    HMENU file = GetSubMenu(GetMenu(Frame().Handle()), 0);
    EXPECT_EQ(GetMenuItemID(file, 6), ID_FILE_MRU_FILE1);
    EXPECT_EQ(Frame().Menu().ItemText(file, 6), "&1 " + second);
    EXPECT_EQ(Frame().Menu().ItemText(file, 7), "&2 " + first);
    EXPECT_TRUE(Enabled(ID_FILE_MRU_FILE2));
    EXPECT_FALSE(Enabled(ID_FILE_MRU_FILE3));
    ASSERT_TRUE(Run(ID_FILE_MRU_FILE2));
    Doc().FinishJobs();
    EXPECT_EQ(Doc().ArchivePath(), first);
    EXPECT_EQ(Frame().RecentFiles().Paths(), (std::vector<std::string>{first, second}));

    // The next start reads them back.
    Quit();
    Start();
    EXPECT_EQ(Frame().RecentFiles().Paths(), (std::vector<std::string>{first, second}));
    file = GetSubMenu(GetMenu(Frame().Handle()), 0);
    EXPECT_EQ(Frame().Menu().ItemText(file, 6), "&1 " + first);
}

TEST_F(SavedSettings, WithoutRecentFilesTheMenuShowsTheGrayedPlaceholder) {
    Start();
    HMENU file = GetSubMenu(GetMenu(Frame().Handle()), 0);
    EXPECT_EQ(GetMenuItemID(file, 6), ID_FILE_MRU_FILE1);
    EXPECT_EQ(Frame().Menu().ItemText(file, 6), "Recent File");
    EXPECT_FALSE(Enabled(ID_FILE_MRU_FILE1));
    EXPECT_EQ(GetMenuItemCount(file), 9);
}

TEST_F(SavedSettings, EveryStartRegistersTheArchiveTypeForThisProgram) {
    Start();
    const std::string program = ProgramPath();
    EXPECT_EQ(ClassesValue(".rez"), "Tarvex.File");
    EXPECT_EQ(ClassesValue("Tarvex.File"), "Rez File");
    EXPECT_EQ(ClassesValue("Tarvex.File\\DefaultIcon"), program + ",0");
    EXPECT_EQ(ClassesValue("Tarvex.File\\shell\\open\\command"), "\"" + program + "\" /dde \"%1\"");
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    EXPECT_EQ(CMainFrame::HelpFilePath(), folder + "Tarvex Studio.chm");
}

TEST_F(SavedSettings, UsageShowsTheTextAndMakesNoWindow) {
    for (const char* letter : {"/?", "-h", "/H"}) {
        ScriptedPrompts asked;
        CTarvexApp app(asked, settings, [] { return std::make_unique<RecordingProgress>(); });
        EXPECT_FALSE(app.StartUp({letter, "ignored.rez"}, SW_HIDE));
        EXPECT_EQ(app.ExitCode(), 0);
        EXPECT_EQ(app.Frame().Handle(), nullptr);
        EXPECT_EQ(asked.Texts(), std::vector<std::string>{UsageText("Tarvex")}) << letter;
    }
}

TEST_F(SavedSettings, AnArchiveNamedOnTheCommandLineIsOpened) {
    Start();
    disk.Write("Maps\\dm.dat", "map");
    const std::string archive = disk.Path("My Maps.rez");
    SaveArchiveOf(disk.Path("Maps"), archive);
    Quit();
    Start({archive});
    EXPECT_EQ(Doc().ArchivePath(), archive);
    EXPECT_EQ(Doc().Title(), "My Maps.rez");
    char title[256];
    GetWindowTextA(Frame().Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "My Maps.rez - Tarvex");
    EXPECT_EQ(ListColumn(0), std::vector<std::string>{"MAPS"});  // names are stored upper-case
}

}  // namespace
}  // namespace tarvex_test
