#pragma once
// Tarvex's main window: the folder tree and the file list side by side in a splitter, the
// toolbar and the location bar in a rebar, the status bar with the selection and archive
// totals. It owns the file-type icons and the navigation, keeps the window's settings, and
// carries out the commands of the menus, the toolbar and the keys on the active pane.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "app/TarvexDoc.h"
#include "app/WizardTasks.h"
#include "app/win32/Win32DocumentHost.h"
#include "browser/BrowserCommands.h"
#include "browser/BrowserSettings.h"
#include "browser/FileTypeIcons.h"
#include "browser/Navigator.h"
#include "browser/win32/FileTypeImageLists.h"
#include "browser/win32/LeftView.h"
#include "browser/win32/LocationBar.h"
#include "browser/win32/RecentFileMenu.h"
#include "browser/win32/TarvexView.h"
#include "platform/win32/ui/FrameWindow.h"
#include "platform/win32/ui/SplitterPane.h"

class CMainFrame : public FrameWindow,
                   public DocumentWindow,
                   private NavigationHost,
                   private WizardTaskHost {
  public:
    CMainFrame(CTarvexDoc& doc, Win32DocumentHost& host);

    // Creates the window hidden, at the placement the settings keep.
    bool Create();

    CLeftView& Tree() { return tree_; }
    CTarvexView& List() { return list_; }
    CLocationBar& Location() { return location_; }
    Navigator& Navigation() { return navigator_; }
    FileTypeIcons& Icons() { return icons_; }
    const FileTypeImageLists& Images() const { return images_; }
    const RecentFileList& RecentFiles() const { return recent_; }
    bool LocationBarShown() const { return locationShown_; }
    // False when the frame is no drop target (OLE refused it).
    bool IsDropTarget() const { return dropTarget_ && dropTarget_->Registered(); }
    // The status panes' texts as the idle pass last set them: the selection, the totals.
    const std::string& SelectionPaneText() const { return selectionText_; }
    const std::string& TotalsPaneText() const { return totalsText_; }
    // Where the Help command looks for the manual.
    static std::string HelpFilePath();

    // DocumentWindow
    HWND MainWindow() const override { return Handle(); }
    void UpdateAllViews() override;
    void DocumentRenewed() override;
    void JobCompleted(const ArchiveJob& job) override;
    void JobStarting() override { list_.StopPictures(); }

    void OnIdle() override;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // MainFrameCommands.cpp
    void AddCommands();
    void AddRuleCommand(int id, std::function<void()> handler);
    FrameState State() const;
    bool ListIsActive() const;
    void Insert();
    void NewProject();
    void Extract();
    void Delete();
    void InsertEmptyFolder();
    void Rename();
    // Edit > Find: asks for patterns, then shows what they match in the list.
    void Find();
    void CopyToClipboard();
    void RunWizard();
    void SetViewMode(ViewMode mode);
    void ToggleLocationBar();
    void OpenRecentFile(int index);
    void OpenHelp();
    void ShowAbout();

    // MainFrame.cpp
    void OnTreeSelectionChanged(RezFolder* folder);
    void BuildGoToMenu();
    void ShowRecentFiles();
    void UpdateStatusPanes();
    void SavePlacement();
    // The archive another start handed over: the save question, then Open.
    void OpenHandedOver();
    void DeleteTemporaryFiles();

    // NavigationHost
    void SelectTreeFolder(RezFolder* folder) override;
    void AppendLocationItem(const LocationItem& item) override { location_.AppendItem(item); }
    void SelectLocationItem(int index) override { location_.SelectItem(index); }
    void ClearLocationItems() override { location_.Clear(); }

    // WizardTaskHost
    void InsertFiles() override;
    void InsertFolder() override;
    void ExtractArchive() override;

    CTarvexDoc& doc_;
    Win32DocumentHost& host_;
    // The image lists come first: the icon table fills them when it is made.
    FileTypeImageLists images_;
    FileTypeIcons icons_;
    CLeftView tree_;
    CTarvexView list_;
    SplitterPane splitter_;
    CLocationBar location_;
    Navigator navigator_;
    RecentFileList recent_;
    RecentFileMenu recentMenu_;
    // An archive dropped alone on the bars or borders opens, as on either pane.
    FrameDrops drops_;
    FrameDropEvents dropEvents_{drops_};
    std::unique_ptr<DropTargetRegistration> dropTarget_;
    HMENU goToMenu_ = nullptr;
    int goToChecked_ = -1;
    bool locationShown_ = true;
    std::uint32_t totalCount_ = 0;
    std::uint64_t totalSize_ = 0;
    unsigned selectionVersion_ = ~0u;
    std::string selectionText_;
    std::string totalsText_;
    std::string handedOver_;  // until it is opened
    std::string findTyped_;   // the last Find's line, offered again
};
