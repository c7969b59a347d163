#pragma once
// The file list, the right pane: the shown folder's subfolders and entries in an owner-data
// list with the columns Name, Size, Type and Modified, in one of four view modes. The rows and
// their texts come from FileListRows; the control only holds their count. The selected rows
// are dragged from it, and archive items and shell files dropped on its folder rows or on the
// shown folder.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "browser/BrowserSettings.h"
#include "browser/FileListRows.h"
#include "browser/FileTypeIcons.h"
#include "browser/PaneDrops.h"
#include "browser/win32/FileListColumns.h"
#include "browser/win32/FileTypeImageLists.h"
#include "browser/win32/ListPictures.h"
#include "browser/win32/SortHeaderCtrl.h"
#include "browser/win32/transfer/PaneDropEvents.h"
#include "platform/win32/ui/ControlPane.h"
#include "platform/win32/ui/ListView.h"
#include "platform/win32/ui/Subclass.h"

class CTarvexDoc;

// What the file list asks of the window that holds it: all it knows of the outside.
class FileListHost : public PaneHost {
  public:
    virtual CTarvexDoc& Document() = 0;
    // The folder tree, whose items the list highlights for its folder rows.
    virtual TreeDropView& DropTree() = 0;
    // While it answers true the model belongs to a worker: the list shows nothing of it.
    virtual bool ModelBusy() = 0;
    // A double click on a folder row.
    virtual void OpenFolder(RezFolder* folder) = 0;
    // A label edit renamed a folder.
    virtual void FolderRenamed(RezFolder* folder) = 0;

  protected:
    ~FileListHost() = default;
};

class CTarvexView : public ControlPane, public ListDropView {
  public:
    CTarvexView(FileListHost& host, FileTypeIcons& icons, FileTypeImageLists& images, ViewMode mode)
        : host_(host),
          icons_(icons),
          images_(images),
          mode_(mode),
          drops_(host.Document(), rows_, *this, host.DropTree()),
          pictures_(icons, images) {}

    // The list's host stands for the window in everything, the pane's calls included.
    bool Create(HWND parent, PaneHost& window) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    HWND List() const { return Handle(); }
    const FileListRows& Rows() const { return rows_; }
    const CSortHeaderCtrl& Header() const { return header_; }

    // Lists the folder's contents sorted; another folder than the one shown starts with no
    // row selected. Null shows no rows.
    void ShowFolder(RezFolder* folder);
    // The shown folder again: sorted and counted anew, the same rows selected.
    void RefreshList();
    // Every folder and entry of the archive a pattern matches, with the Folder column, until
    // a folder is shown.
    void ShowFound(std::vector<std::string> patterns);

    std::vector<int> SelectedRows() const;
    int SelectedCount() const;
    void SelectAll();
    // Starts editing the label of the first selected row.
    void EditFirstSelected();
    void DeselectAll();

    // Copy and Cut: the selected rows' move payload on the clipboard.
    void CopySelectionPayload();
    // False when the list is no drop target (OLE refused it).
    bool IsDropTarget() const { return dropTarget_ && dropTarget_->Registered(); }
    // What OLE calls on the pane during a drag.
    DropTargetEvents& DropEvents() { return dropEvents_; }
    // The row drop-highlighted for a drag; -1 for none.
    int DropRow() const { return drops_.DropRow(); }

    // ListDropView
    int RowAt(DropPoint point) override;
    void SetRowDropHighlight(int row, bool on) override;
    std::uintptr_t OwnerWindow() override;

    // Counts every change of the selection and of the rows, so that the status bar knows
    // when to add the selection up again.
    unsigned SelectionVersion() const { return selectionVersion_; }

    ViewMode Mode() const { return mode_; }
    void SetMode(ViewMode mode);
    // Before a job takes the model: no texture file stays open.
    void StopPictures() { pictures_.Cancel(); }

  private:
    HWND CreateControl(HWND parent) override;
    ListView Control() const { return ListView(Handle()); }
    bool OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Adds or takes away the Folder column as the rows have it, with the sort arrow.
    void MatchColumns();
    void ShowRows();
    void OnDisplayInfo(LVITEMA& item);
    int ImageOf(int row);
    void OnEndLabelEdit(const LVITEMA& item);
    void OnDoubleClick();
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
    // The move payload of the selected rows.
    std::vector<std::uint8_t> SelectionPayload() const;

    FileListHost& host_;
    FileTypeIcons& icons_;
    const FileTypeImageLists& images_;
    ViewMode mode_;
    FileListRows rows_;
    CSortHeaderCtrl header_;
    Subclass listHook_;
    unsigned selectionVersion_ = 0;
    FileListDrops drops_;
    ListDropEvents dropEvents_{drops_};
    std::unique_ptr<DropTargetRegistration> dropTarget_;
    // The row drawn drop-highlighted; the owner-data control keeps no such state itself.
    int highlightedRow_ = -1;
    FileListColumns columns_;
    ListPictures pictures_;
};
