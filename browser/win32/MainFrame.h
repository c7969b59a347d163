#pragma once
// Tarvex's main window: the folder tree and the file list side by side in a splitter, the
// toolbar and the location bar in a rebar, the status bar with the selection and archive
// totals. It owns the file-type icons and the navigation, keeps the window's settings, and
// carries out the commands of the menus, the toolbar and the keys on the active pane.
#include <windows.h>

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
#include "browser/win32/HistoryMenu.h"
#include "browser/win32/LeftView.h"
#include "browser/win32/LocationBar.h"
#include "browser/win32/RecentFileMenu.h"
#include "browser/win32/StatusPanes.h"
#include "browser/win32/TarvexView.h"
#include "platform/win32/ui/FrameWindow.h"
#include "platform/win32/ui/SplitterPane.h"

class CMainFrame : public FrameWindow {
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
    const std::string& SelectionPaneText() const { return statusPanes_.SelectionText(); }
    const std::string& TotalsPaneText() const { return statusPanes_.TotalsText(); }
    // Where the Help command looks for the manual.
    static std::string HelpFilePath();

    // The window as the document's host sees it.
    DocumentWindow& AsDocumentWindow() { return documentLinks_; }

    void OnIdle() override;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // Each part that calls back into the window does so through a small object of its own
    // (MainFrameLinks.cpp).
    class PaneLinks final : public FolderTreeHost, public FileListHost {
      public:
        explicit PaneLinks(CMainFrame& frame) : frame_(frame) {}
        // PaneHost, for both panes
        void OnPaneFocused(Pane& pane) override { frame_.OnPaneFocused(pane); }
        void FocusNextPane(bool backwards) override { frame_.FocusNextPane(backwards); }
        bool RunCommand(unsigned id) override { return frame_.RunCommand(id); }
        void ShowContextMenu(POINT screen) override { frame_.ShowContextMenu(screen); }
        CTarvexDoc& Document() override { return frame_.doc_; }
        // FolderTreeHost
        void TreeSelectionChanged(RezFolder* folder) override;
        bool RenameFolder(RezFolder* folder, const std::string& name) override;
        // FileListHost
        TreeDropView& DropTree() override { return frame_.tree_; }
        bool ModelBusy() override { return frame_.host_.JobsRunning(); }
        void OpenFolder(RezFolder* folder) override;
        void FolderRenamed(RezFolder* folder) override { frame_.tree_.FolderRenamed(folder); }

      private:
        CMainFrame& frame_;
    };

    class NavigationLinks final : public NavigationHost {
      public:
        explicit NavigationLinks(CMainFrame& frame) : frame_(frame) {}
        void SelectTreeFolder(RezFolder* folder) override;
        void AppendLocationItem(const LocationItem& item) override {
            frame_.location_.AppendItem(item);
        }
        void SelectLocationItem(int index) override { frame_.location_.SelectItem(index); }
        void ClearLocationItems() override { frame_.location_.Clear(); }

      private:
        CMainFrame& frame_;
    };

    class WizardLinks final : public WizardTaskHost {
      public:
        explicit WizardLinks(CMainFrame& frame) : frame_(frame) {}
        void InsertFiles() override;
        void InsertFolder() override;
        void ExtractArchive() override;

      private:
        CMainFrame& frame_;
    };

    class DocumentLinks final : public DocumentWindow {
      public:
        explicit DocumentLinks(CMainFrame& frame) : frame_(frame) {}
        HWND MainWindow() const override { return frame_.Handle(); }
        void UpdateAllViews() override;
        void DocumentRenewed() override;
        void JobCompleted(const ArchiveJob& job) override;
        void JobStarting() override { frame_.list_.StopPictures(); }

      private:
        CMainFrame& frame_;
    };

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

    // MainFrame.cpp
    void ShowRecentFiles();
    void UpdateStatusPanes();
    // The archive another start handed over: the save question, then Open.
    void OpenHandedOver();
    void DeleteTemporaryFiles();

    CTarvexDoc& doc_;
    Win32DocumentHost& host_;
    // Made before the parts they are handed to.
    PaneLinks paneLinks_{*this};
    NavigationLinks navigationLinks_{*this};
    WizardLinks wizardLinks_{*this};
    DocumentLinks documentLinks_{*this};
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
    HistoryMenu historyMenu_;
    // An archive dropped alone on the bars or borders opens, as on either pane.
    FrameDrops drops_;
    FrameDropEvents dropEvents_{drops_};
    std::unique_ptr<DropTargetRegistration> dropTarget_;
    bool locationShown_ = true;
    StatusPanes statusPanes_;
    std::string handedOver_;  // until it is opened
    std::string findTyped_;   // the last Find's line, offered again
};
