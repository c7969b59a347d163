#pragma once
// Tarvex's application and main window made in-process, hidden, with scripted prompts,
// recording progress windows and the real registry (its settings key emptied before and
// after each test), and helpers that read the controls as a user sees them.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/com/RegistryKeys.h"
#include "platform/win32/ui/MessageLoop.h"
#include "platform/win32/ui/RegistrySettings.h"
#include "programs/tarvex/TarvexApp.h"
#include "support/RecordingProgress.h"
#include "support/ScratchFolder.h"
#include "support/ScriptedPrompts.h"

namespace tarvex_test {

inline constexpr const char* kSettingsKey = "Software\\Stonemere Software\\Tarvex";

// A folder of the test process's own below the temporary folder, removed with everything in it.
using TempFolder = support::ScratchFolder;
using support::ReadWholeFile;

inline std::string ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

// A progress window that leaves a copy of what it was told in a log when it goes.
class LoggedProgress : public RecordingProgress {
  public:
    explicit LoggedProgress(std::vector<RecordingProgress>& log) : log_(log) {}
    ~LoggedProgress() override { log_.push_back(*this); }

  private:
    std::vector<RecordingProgress>& log_;
};

class TarvexWindow : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A new application started with the arguments; the window hidden.
    void Start(const std::vector<std::string>& args = {});
    // Ends the application as closing its window would, then forgets it.
    void Quit();

    CTarvexApp& App() { return *app_; }
    CMainFrame& Frame() { return app_->Frame(); }
    CTarvexDoc& Doc() { return app_->Doc(); }
    HWND Tree() { return Frame().Tree().Tree(); }
    HWND List() { return Frame().List().List(); }
    RezFolder* Root() { return Doc().Root(); }

    bool Run(UINT command) { return Frame().Commands().Run(command); }
    bool Enabled(UINT command) { return Frame().Commands().State(command).enabled; }
    bool Checked(UINT command) { return Frame().Commands().State(command).checked; }
    void Pump() { PumpMessages(Frame()); }

    // The model's folder below a parent, appended as the folder list's last one.
    RezFolder& AddFolder(const std::string& name, RezFolder* parent);
    RezEntry& AddEntry(RezFolder& folder, const std::string& name, std::uint32_t size,
                       std::uint32_t time = 1100000000, const std::string& typeName = "");
    // Tells the window the model changed, as the document does.
    void ModelChanged() { App().Host().UpdateAllViews(); }
    // Makes an archive of the disk folder's contents, through the document and a save.
    void SaveArchiveOf(const std::string& folder, const std::string& archive);

    // The texts of a tree item's children, in the tree's order.
    std::vector<std::string> TreeChildren(HTREEITEM parent);
    std::string TreeText(HTREEITEM item);
    // The shown names of a folder's entries, in their order.
    static std::vector<std::string> EntryNames(const RezFolder* folder);
    HTREEITEM ItemOf(const RezFolder* folder) {
        return reinterpret_cast<HTREEITEM>(folder->treeItem);
    }
    // One column of every list row, as the list shows it.
    std::vector<std::string> ListColumn(int column);
    std::string ListText(int row, int column);
    void SelectRows(const std::vector<int>& rows);
    // Clicks a column's header item, as the user does.
    void ClickHeader(int column);

    ScriptedPrompts prompts;
    // Every progress window the program made and let go, in order.
    std::vector<RecordingProgress> progressLog;
    RegistrySettings settings{"Tarvex"};
    TempFolder disk{"tarvex-window"};

  private:
    std::unique_ptr<CTarvexApp> app_;
};

}  // namespace tarvex_test
