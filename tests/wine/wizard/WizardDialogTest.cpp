// The wizard under Wine, in-process: driven with messages from inside its own modal loop,
// its buttons, pages and boxes checked as the user sees them, the Talon warning answered by
// the prompts seam, a screenshot of each page, and map packs built from what was chosen.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "WindowShot.h"
#include "app/AppTestHost.h"
#include "app/WizardTasks.h"
#include "app/win32/wizard/ModuleStrings.h"
#include "app/win32/wizard/WizardDlg.h"
#include "support/ModalScript.h"
#include "support/OwnDesktop.h"

namespace {

const auto* const desktop = ::testing::AddGlobalTestEnvironment(new OwnDesktop("Wizard"));

constexpr int kBack = 12323, kNext = 12324, kFinish = 12325, kFrame = 1068;
const char* const kTalonWarning =
    "Because of significant differences in Folder structure for Talon based games you will "
    "\nhave to verify wether or not the basic structure created is suitable for your game.\nIf "
    "not, you will have to manually create the folder structure.";

// Runs a script inside the wizard's modal loop once the wizard is up; true when it finished.
struct Driver {
    static bool Run(CWizardDlg& wizard, std::function<void()> script) {
        bool finished = false;
        ModalScript::Run([&wizard] { return wizard.Handle(); }, std::move(script),
                         [&] { finished = wizard.Run(nullptr); });
        return finished;
    }
};

struct WizardTest : ::testing::Test {
    ScriptedPrompts prompts;
    CWizardDlg wizard{prompts};

    HWND Dialog() const { return wizard.Handle(); }
    HWND Page(int page) const { return wizard.PageWindow(page); }
    HWND Control(int page, int id) const { return GetDlgItem(Page(page), id); }

    // A click as the user makes it: only on a button that is shown and enabled.
    void Click(HWND button) {
        ASSERT_TRUE(IsWindowVisible(button) && IsWindowEnabled(button))
            << "button " << GetDlgCtrlID(button) << " cannot be clicked";
        SendMessageA(button, BM_CLICK, 0, 0);
    }
    void ClickButton(int id) { Click(GetDlgItem(Dialog(), id)); }
    void ClickOn(int page, int id) { Click(Control(page, id)); }

    WizardButtons Buttons() const {
        return {IsWindowEnabled(GetDlgItem(Dialog(), kBack)) != FALSE,
                IsWindowEnabled(GetDlgItem(Dialog(), kNext)) != FALSE,
                IsWindowEnabled(GetDlgItem(Dialog(), kFinish)) != FALSE};
    }
    int DefaultButton() const { return LOWORD(SendMessageA(Dialog(), DM_GETDEFID, 0, 0)); }
    bool Checked(int page, int id) const {
        return IsDlgButtonChecked(Page(page), id) == BST_CHECKED;
    }
    std::string Text(HWND window) const {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof(text));
        return text;
    }
    // The categories page 3 shows, in page order, and their texts.
    std::vector<std::string> ShownBoxes() const {
        std::vector<std::string> shown;
        for (int category : MapPackCategoryOrder()) {
            HWND box = Control(ContentPage, category);
            EXPECT_EQ(IsWindowVisible(box) != FALSE, IsWindowEnabled(box) != FALSE) << category;
            if (IsWindowVisible(box))
                shown.push_back(std::to_string(category) + " " + Text(box));
        }
        return shown;
    }
    void Screenshot(const char* name) {
        SetForegroundWindow(Dialog());
        const std::string path = std::string(TARVEX_SCREENSHOT_DIR) + "\\" + name + ".png";
        EXPECT_GT(shot::Save(Dialog(), path), 8) << path;
    }
};

TEST_F(WizardTest, OpensOnTheTaskPageOverTheFrameWithOnlyNext) {
    const bool finished = Driver::Run(wizard, [&] {
        EXPECT_EQ(Text(Dialog()), "Tarvex Wizard");
        EXPECT_EQ(wizard.CurrentPage(), TaskPage);
        EXPECT_TRUE(IsWindowVisible(Page(TaskPage)));
        EXPECT_EQ(Page(GamePage), nullptr);  // made when first shown
        RECT frame, page;
        GetWindowRect(GetDlgItem(Dialog(), kFrame), &frame);
        GetWindowRect(Page(TaskPage), &page);
        EXPECT_TRUE(EqualRect(&frame, &page));
        EXPECT_TRUE(Checked(TaskPage, 1055));
        EXPECT_EQ(Text(Control(TaskPage, 1100)), "What would you like to do?");
        EXPECT_EQ(Buttons(), (WizardButtons{false, true, false}));
        EXPECT_EQ(DefaultButton(), kNext);
        Screenshot("wizard-task");
        ClickButton(IDCANCEL);
    });
    EXPECT_FALSE(finished);
}

TEST_F(WizardTest, TasksOtherThanTheMapPackFinishOnTheFirstPage) {
    const bool finished = Driver::Run(wizard, [&] {
        ClickOn(TaskPage, 1053);
        EXPECT_EQ(Buttons(), (WizardButtons{false, false, true}));
        EXPECT_EQ(DefaultButton(), kFinish);
        ClickOn(TaskPage, 1055);
        EXPECT_EQ(Buttons(), (WizardButtons{false, true, false}));
        ClickOn(TaskPage, 1056);
        ClickButton(kFinish);
    });
    EXPECT_TRUE(finished);
    EXPECT_EQ(wizard.Choices().Task(), TaskExtract);
}

TEST_F(WizardTest, NextAndBackWalkThePagesAndKeepTheirState) {
    HWND gamePage = nullptr;
    Driver::Run(wizard, [&] {
        ClickButton(kNext);
        EXPECT_EQ(wizard.CurrentPage(), GamePage);
        EXPECT_FALSE(IsWindowVisible(Page(TaskPage)));
        EXPECT_TRUE(IsWindowVisible(Page(GamePage)));
        EXPECT_TRUE(Checked(GamePage, 1040));  // Jupiter
        EXPECT_EQ(Buttons(), (WizardButtons{true, true, false}));
        gamePage = Page(GamePage);
        Screenshot("wizard-game");

        ClickButton(kNext);
        EXPECT_EQ(wizard.CurrentPage(), ContentPage);
        EXPECT_EQ(Buttons(), (WizardButtons{true, false, true}));
        EXPECT_EQ(DefaultButton(), kFinish);
        // Next went grey under the focus; the focus moved on.
        EXPECT_TRUE(IsWindowEnabled(GetFocus()));
        ClickOn(ContentPage, 1061);

        ClickButton(kBack);
        EXPECT_EQ(wizard.CurrentPage(), GamePage);
        EXPECT_EQ(Page(GamePage), gamePage);
        EXPECT_EQ(Buttons(), (WizardButtons{true, true, false}));
        ClickButton(kNext);
        EXPECT_TRUE(Checked(ContentPage, 1061));
        ClickButton(kBack);
        ClickButton(kBack);
        EXPECT_EQ(wizard.CurrentPage(), TaskPage);
        EXPECT_EQ(Buttons(), (WizardButtons{false, true, false}));
        EXPECT_TRUE(Checked(TaskPage, 1055));
        ClickButton(IDCANCEL);
    });
    EXPECT_TRUE(wizard.Choices().IsChecked(DeathMatchMaps));
}

TEST_F(WizardTest, EnterOnTheLastPageFinishes) {
    const bool finished = Driver::Run(wizard, [&] {
        ClickButton(kNext);
        ClickButton(kNext);
        // Enter typed in the box that has the focus goes through the dialog manager.
        SetFocus(Control(ContentPage, 1057));
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(GetFocus(), WM_KEYUP, VK_RETURN, 0);
    });
    EXPECT_TRUE(finished);
}

// A click is a button's press and release; a radio button that takes the focus may tell its
// dialog before it is checked, yet the user sees one warning per click.
TEST_F(WizardTest, TheTalonWarningComesOnceForEachClickOnTalon) {
    Driver::Run(wizard, [&] {
        ClickButton(kNext);
        ClickOn(GamePage, 1039);
        ASSERT_EQ(prompts.asked.size(), 1u);
        EXPECT_EQ(prompts.asked[0].text, kTalonWarning);
        EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
        // Owned by the wizard, which it keeps the user away from.
        EXPECT_EQ(prompts.asked[0].owner, reinterpret_cast<std::uintptr_t>(Dialog()));
        ClickOn(GamePage, 1039);  // already chosen: warned again
        EXPECT_EQ(prompts.asked.size(), 2u);
        ClickOn(GamePage, 1036);
        // The note a radio button sends when it takes the focus, before it is checked.
        SendMessageA(Page(GamePage), WM_COMMAND, MAKEWPARAM(1039, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(GamePage, 1039)));
        EXPECT_EQ(wizard.Choices().GameType(), GameLithTech1);
        ClickOn(GamePage, 1038);
        ClickOn(GamePage, 1040);
        EXPECT_EQ(prompts.asked.size(), 2u);
        EXPECT_TRUE(Checked(GamePage, 1040));
        EXPECT_FALSE(Checked(GamePage, 1039));
        ClickButton(IDCANCEL);
    });
    EXPECT_EQ(prompts.owner, 0u);  // the main window's again
    EXPECT_EQ(wizard.Choices().GameType(), GameJupiter);
}

TEST_F(WizardTest, ContentBoxesFollowTheGameEachTimeThePageIsShown) {
    Driver::Run(wizard, [&] {
        ClickButton(kNext);
        ClickOn(GamePage, 1036);  // Shogo / Blood II
        ClickButton(kNext);
        EXPECT_EQ(ShownBoxes(),
                  (std::vector<std::string>{"1057 New Character Skins", "1058 New Character Models",
                                            "1059 New Weapon Skins", "1060 New Weapon Models",
                                            "1067 Singleplayer Maps", "1061 DeathMatch Maps"}));
        Screenshot("wizard-content-lithtech1");
        ClickButton(kBack);
        ClickOn(GamePage, 1038);  // No One Lives Forever
        ClickButton(kNext);
        EXPECT_EQ(ShownBoxes(),
                  (std::vector<std::string>{"1057 New Character Skins", "1058 New Character Models",
                                            "1059 New Weapon Skins", "1060 New Weapon Models",
                                            "1069 New Attribute Files", "1067 Singleplayer Maps",
                                            "1061 DeathMatch Maps", "1062 Team Assault Maps"}));
        RECT assault;
        GetWindowRect(Control(ContentPage, 1062), &assault);
        ClickButton(kBack);
        ClickOn(GamePage, 1039);  // Talon
        ClickButton(kNext);
        EXPECT_EQ(
            ShownBoxes(),
            (std::vector<std::string>{
                "1057 New Character Skins", "1058 New Character Models", "1059 New Weapon Skins",
                "1060 New Weapon Models", "1069 New Attribute Files", "1067 Singleplayer Maps",
                "1061 DeathMatch Maps", "1063 'Evac' Maps", "1064 'OverRun' Maps"}));
        // Evac maps close up into the place of the hidden team assault box.
        RECT evac;
        GetWindowRect(Control(ContentPage, 1063), &evac);
        EXPECT_EQ(evac.top, assault.top);
        EXPECT_EQ(evac.left, assault.left);
        ClickOn(ContentPage, 1063);
        Screenshot("wizard-content-talon");
        ClickButton(kBack);
        ClickOn(GamePage, 1040);  // Jupiter
        ClickButton(kNext);
        EXPECT_EQ(
            ShownBoxes(),
            (std::vector<std::string>{
                "1057 New Character Skins", "1058 New Character Models", "1059 New Weapon Skins",
                "1060 New Weapon Models", "1069 New Attribute Files", "1067 Singleplayer Maps",
                "1061 DeathMatch Maps", "1063 Cooperative Maps", "1064 DoomsDay Maps"}));
        EXPECT_TRUE(Checked(ContentPage, 1063));
        ClickButton(IDCANCEL);
    });
}

TEST_F(WizardTest, EveryRunStartsFromTheInitialValues) {
    Driver::Run(wizard, [&] {
        ClickButton(kNext);
        ClickOn(GamePage, 1036);
        ClickButton(kNext);
        ClickOn(ContentPage, 1057);
        ClickButton(kFinish);
    });
    EXPECT_EQ(wizard.Choices().GameType(), GameLithTech1);
    Driver::Run(wizard, [&] {
        EXPECT_TRUE(Checked(TaskPage, 1055));
        ClickButton(kNext);
        EXPECT_TRUE(Checked(GamePage, 1040));
        ClickButton(kNext);
        EXPECT_FALSE(Checked(ContentPage, 1057));
        ClickButton(IDCANCEL);
    });
    EXPECT_EQ(wizard.Choices().GameType(), GameJupiter);
    EXPECT_TRUE(wizard.Choices().CategoriesToAsk().empty());
}

// The window's side of the tasks: nothing to do in these tests but the map pack.
class NoWindowTasks : public WizardTaskHost {
  public:
    void InsertFiles() override { ADD_FAILURE() << "insert files"; }
    void InsertFolder() override { ADD_FAILURE() << "insert folder"; }
    void ExtractArchive() override { ADD_FAILURE() << "extract"; }
};

struct MapPackWizardTest : WizardTest {
    AppTestHost host;
    CTarvexDoc doc{host};
    TempDir dir;
    NoWindowTasks tasks;

    // Chooses the map pack for a game and the given boxes, then finishes and builds it with
    // the layouts of the program's string table.
    void BuildFor(int gameControl, std::vector<int> boxes) {
        const bool finished = Driver::Run(wizard, [&] {
            ClickButton(kNext);
            ClickOn(GamePage, gameControl);
            ClickButton(kNext);
            for (int box : boxes)
                ClickOn(ContentPage, box);
            ClickButton(kFinish);
        });
        ASSERT_TRUE(finished);
        doc.NewDocument();
        RunWizardTask(doc, wizard.Choices(), tasks, ModuleLayoutStrings(GetModuleHandleA(nullptr)));
    }
};

TEST_F(MapPackWizardTest, DoomsDayMapsOfJupiterLandInRetailMultiplayer) {
    host.prompts.openFiles.push_back({dir.Write("DD_Dome.DAT", "d")});
    BuildFor(1040, {1064});
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your DoomsDay Map(s)");
    EXPECT_EQ(host.prompts.dialogs[0].filter, "Doomsday Maps (*.DAT)|DD_*.DAT||");
    RezFolder* folder = doc.Folders().FindFolderByPath("Worlds\\RetailMultiplayer", false);
    ASSERT_NE(folder, nullptr);
    ASSERT_EQ(folder->entries.size(), 1u);
    EXPECT_EQ(ItemNameOf(folder->entries.front()), "DD_Dome.DAT");
}

TEST_F(MapPackWizardTest, EvacMapsOfTalonLandInMultiEvac) {
    host.prompts.openFiles.push_back({dir.Write("evac1.dat", "e")});
    BuildFor(1039, {1063});
    EXPECT_EQ(prompts.asked.size(), 1u);  // the warning
    ASSERT_EQ(host.prompts.dialogs.size(), 1u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your Evac Map(s)");
    RezFolder* folder = doc.Folders().FindFolderByPath("Worlds\\Multi\\Evac", false);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->entries.size(), 1u);
}

TEST_F(MapPackWizardTest, ShogoHasNoAttributeBoxAndItsMapsGoToMulti) {
    host.prompts.openFiles = {{dir.Write("skin.dtx", "s")}, {dir.Write("dm1.dat", "m")}};
    Driver::Run(wizard, [&] {
        // An attribute box checked for another game stays checked but hidden for Shogo.
        ClickButton(kNext);
        ClickButton(kNext);
        ClickOn(ContentPage, 1069);
        ClickButton(kBack);
        ClickOn(GamePage, 1036);
        ClickButton(kNext);
        EXPECT_FALSE(IsWindowVisible(Control(ContentPage, 1069)));
        ClickOn(ContentPage, 1057);
        ClickOn(ContentPage, 1061);
        ClickButton(kFinish);
    });
    doc.NewDocument();
    RunWizardTask(doc, wizard.Choices(), tasks, ModuleLayoutStrings(GetModuleHandleA(nullptr)));
    ASSERT_EQ(host.prompts.dialogs.size(), 2u);
    EXPECT_EQ(host.prompts.dialogs[0].title, "Select your Character Skin file(s)");
    EXPECT_EQ(host.prompts.dialogs[1].title, "Select your DeathMatch Map(s)");
    EXPECT_NE(doc.Folders().FindFolderByPath("Skins\\Characters", false), nullptr);
    RezFolder* multi = doc.Folders().FindFolderByPath("Worlds\\Multi", false);
    ASSERT_NE(multi, nullptr);
    EXPECT_EQ(multi->entries.size(), 1u);
    EXPECT_EQ(doc.Folders().FindFolderByPath("Attributes", false), nullptr);
}

TEST(ModuleLayoutStrings, TheStringTableHoldsTheCompiledInLayouts) {
    const ModuleLayoutStrings module(GetModuleHandleA(nullptr));
    int present = 0;
    for (int type = 0; type < 4; ++type) {
        for (int category : MapPackCategoryOrder()) {
            const int id = LayoutStringId(type, category);
            EXPECT_EQ(module.Find(id), BuiltInLayoutStrings().Find(id)) << id;
            present += module.Find(id).has_value();
        }
    }
    EXPECT_EQ(present, 32);
    EXPECT_EQ(LayoutFolder(GameTalon, CooperativeMaps, module), "Worlds\\Multi\\Evac");
    EXPECT_EQ(LayoutFolder(GameLithTech1, TeamAssaultMaps, module), "");
    EXPECT_EQ(LoadModuleString(GetModuleHandleA(nullptr), 130), kTalonWarning);
}

}  // namespace
