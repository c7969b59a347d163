#pragma once
// What the folder tree and the file list do as drop targets, and the Paste command: which
// drops they take with which cursor, what they highlight, and where the moved items or the
// added disk files land. The panes only hit-test, highlight and translate OLE calls.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/MoveNames.h"
#include "app/MovePayload.h"
#include "archive/RezTree.h"
#include "browser/TransferData.h"

class CTarvexDoc;
class FileListRows;

// A point in the pane's client coordinates.
struct DropPoint {
    int x = 0;
    int y = 0;
};

// The folder tree as its drops need it.
class TreeDropView {
  public:
    virtual ~TreeDropView() = default;
    // The folder of the tree item under the point; null when there is no item.
    virtual RezFolder* FolderAt(DropPoint point) = 0;
    // Drop-highlights the folder's item; null removes the highlight.
    virtual void HighlightDropFolder(RezFolder* folder) = 0;
    // The drop-highlighted folder; null when none is.
    virtual RezFolder* DropHighlightFolder() = 0;
    // The selected folder; null when nothing is selected (which means the root).
    virtual RezFolder* SelectedFolder() = 0;
    // The window that owns the progress window while dropped files are added.
    virtual std::uintptr_t OwnerWindow() = 0;
};

// The file list as its drops need it.
class ListDropView {
  public:
    virtual ~ListDropView() = default;
    // The row under the point; -1 for none.
    virtual int RowAt(DropPoint point) = 0;
    virtual void SetRowDropHighlight(int row, bool on) = 0;
    virtual std::uintptr_t OwnerWindow() = 0;
};

// The cursor a drag shows before anything is known about where it goes: copy when the data
// offers the payload or a shell drop list, else none.
DropEffect DragEnterEffect(TransferData& data);

// The effects a drag's source allows.
struct SourceEffects {
    bool copy = false;
    bool move = false;
};

// The effect a drop shows and reports, held to what the source allows. Disk files from outside
// are only ever copied: a move would tell the source to delete them, while the archive holds
// no more than their paths until it is saved. The payload's copy and move both end in a move,
// so either does when the source offers only the other.
DropEffect HeldToSource(DropEffect chosen, SourceEffects allowed, bool movePayload);

// A drag's payload, resolved when the drag first needs it and kept until the drag ends: the
// drag's data does not change while it lasts, nor does the model, so each drag over costs a
// look at the target only, however many items the payload names. Other bytes are resolved
// anew.
class PayloadDrag {
  public:
    // Resolves the drag's payload (at its enter, so that no step over a target waits for
    // it), unless these bytes were resolved already.
    void Start(const CTarvexDoc& doc, TransferData& data);
    // Forgets the payload: at the end of every drag.
    void End();
    // Whether the payload may be dropped into target (null: the root): it must name live items
    // of this program; no folder may go into itself or below itself, nor onto its own parent
    // when it comes from a tree drag (a drop that would change nothing); and no moved item may
    // meet another of its kind and name there, since such a move is refused whole.
    bool MayDrop(const CTarvexDoc& doc, TransferData& data, RezFolder* target);

  private:
    bool resolved_ = false;
    std::vector<std::uint8_t> payload_;  // what move_ was resolved from
    std::optional<ResolvedMove> move_;
    std::optional<MoveNames> names_;
};

// The main window outside its panes (bars, borders) takes one archive dropped alone, to open.
class FrameDrops {
  public:
    explicit FrameDrops(CTarvexDoc& doc) : doc_(doc) {}
    DropEffect DragOver(TransferData& data);
    DropEffect Drop(TransferData& data, SourceEffects allowed);

  private:
    CTarvexDoc& doc_;
};

class FolderTreeDrops {
  public:
    FolderTreeDrops(CTarvexDoc& doc, TreeDropView& view) : doc_(doc), view_(view) {}

    DropEffect DragEnter(TransferData& data);
    DropEffect DragOver(TransferData& data, DropPoint point, bool ctrl);
    void DragLeave();
    // The drop is taken only where the last drag over would take it, held to what the
    // source allows.
    DropEffect Drop(TransferData& data, DropPoint point, bool ctrl, SourceEffects allowed);

    // Into the drop-highlighted folder, or the selected one when none is highlighted.
    RezFolder* TargetFolder();
    PayloadVerdict ApplyPayload(const std::vector<std::uint8_t>& payload);
    bool AddDroppedPaths(const std::vector<std::string>& paths);

    // Paste: the clipboard's payload, else its shell drop list, into the target folder.
    enum class PasteResult { Nothing, PayloadUsed, PayloadKept, FilesAdded };
    // After PayloadUsed the caller empties the clipboard, so a second Paste finds nothing; a
    // payload that names nothing any more is used up as well. One refused for where it was to
    // go (a name the target holds, a folder into itself) is kept, and the user told why.
    PasteResult Paste(TransferData& clipboard);

  private:
    CTarvexDoc& doc_;
    TreeDropView& view_;
    PayloadDrag drag_;
};

class FileListDrops {
  public:
    FileListDrops(CTarvexDoc& doc, FileListRows& rows, ListDropView& view, TreeDropView& tree)
        : doc_(doc), rows_(rows), view_(view), tree_(tree) {}

    DropEffect DragEnter(TransferData& data);
    DropEffect DragOver(TransferData& data, DropPoint point);
    void DragLeave();
    DropEffect Drop(TransferData& data, DropPoint point, SourceEffects allowed);

    // The folder row under the last drag over; -1 for none.
    int DropRow() const { return dropRow_; }

  private:
    // Makes row (a folder row, or -1) the drop row, highlighting it and its tree item.
    void SetDropRow(int row);

    CTarvexDoc& doc_;
    FileListRows& rows_;
    ListDropView& view_;
    TreeDropView& tree_;
    PayloadDrag drag_;
    int dropRow_ = -1;
};
