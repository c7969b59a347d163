#include "browser/PaneDrops.h"

#include "app/DroppedPaths.h"
#include "app/TarvexDoc.h"
#include "browser/FileListRows.h"
#include "browser/FolderTreePlan.h"

namespace {

// Moves the payload, or adds the shell drop list, into target, or opens the lone archive
// dropped; false when nothing was done.
bool DropInto(CTarvexDoc& doc, TransferData& data, RezFolder* target, std::uintptr_t owner) {
    if (data.OffersMovePayload()) {
        const std::vector<std::uint8_t> payload = data.MovePayload();
        return ApplyMovePayload(doc, payload.data(), payload.size(), target) ==
               PayloadVerdict::Moved;
    }
    // Each path's status is read once, here, for both.
    const DiskPaths dropped = SortDiskPaths(data.ShellFiles());
    return OpenDroppedArchive(doc, dropped) || AddDroppedPaths(doc, dropped, target, owner);
}

}  // namespace

DropEffect FrameDrops::DragOver(TransferData& data) {
    return !data.OffersMovePayload() && data.OffersShellFiles() &&
                   IsLoneArchiveDrop(SortDiskPaths(data.ShellFiles()))
               ? DropEffect::Copy
               : DropEffect::None;
}

DropEffect FrameDrops::Drop(TransferData& data, SourceEffects allowed) {
    const DropEffect effect = HeldToSource(DragOver(data), allowed, false);
    if (effect == DropEffect::None || !OpenDroppedArchive(doc_, SortDiskPaths(data.ShellFiles())))
        return DropEffect::None;
    return effect;
}

DropEffect DragEnterEffect(TransferData& data) {
    return data.OffersMovePayload() || data.OffersShellFiles() ? DropEffect::Copy
                                                               : DropEffect::None;
}

DropEffect HeldToSource(DropEffect chosen, SourceEffects allowed, bool movePayload) {
    const bool copy = allowed.copy;
    const bool move = allowed.move && movePayload;
    switch (chosen) {
        case DropEffect::Copy:
            return copy ? DropEffect::Copy : move ? DropEffect::Move : DropEffect::None;
        case DropEffect::Move:
            return move ? DropEffect::Move : copy ? DropEffect::Copy : DropEffect::None;
        default:
            return DropEffect::None;
    }
}

void PayloadDrag::End() {
    resolved_ = false;
    payload_.clear();
    move_.reset();
    names_.reset();
}

void PayloadDrag::Start(const CTarvexDoc& doc, TransferData& data) {
    std::vector<std::uint8_t> payload = data.MovePayload();
    if (resolved_ && payload == payload_)
        return;
    End();
    move_ = DecodeMovePayload(payload.data(), payload.size(), doc.Folders());
    if (move_)
        names_.emplace(move_->folders, move_->groups);
    payload_ = std::move(payload);
    resolved_ = true;
}

bool PayloadDrag::MayDrop(const CTarvexDoc& doc, TransferData& data, RezFolder* target) {
    Start(doc, data);
    if (!move_)
        return false;
    target = doc.Folders().Resolve(target);
    if (MovesIntoItself(*move_, target))
        return false;
    // Only the tree's payload has no source folder.
    const bool fromTree = move_->source == nullptr;
    for (const RezFolder* folder : move_->folders)
        if (fromTree && folder->parent == target)
            return false;
    return !names_->ClashIn(*target);
}

DropEffect FolderTreeDrops::DragEnter(TransferData& data) {
    drag_.End();
    if (data.OffersMovePayload())
        drag_.Start(doc_, data);
    return DragEnterEffect(data);
}

void FolderTreeDrops::DragLeave() {
    view_.HighlightDropFolder(nullptr);
    drag_.End();
}

DropEffect FolderTreeDrops::DragOver(TransferData& data, DropPoint point, bool ctrl) {
    RezFolder* under = view_.FolderAt(point);
    if (!data.OffersMovePayload()) {
        if (!data.OffersShellFiles())
            return DropEffect::None;
        view_.HighlightDropFolder(under);
        return DropEffect::Copy;
    }
    // With no item under the pointer the drop goes to the selected folder.
    RezFolder* target = under ? under : view_.SelectedFolder();
    if (!drag_.MayDrop(doc_, data, target)) {
        view_.HighlightDropFolder(nullptr);
        return DropEffect::None;
    }
    view_.HighlightDropFolder(under);
    return ctrl ? DropEffect::Copy : DropEffect::Move;
}

DropEffect FolderTreeDrops::Drop(TransferData& data, DropPoint point, bool ctrl,
                                 SourceEffects allowed) {
    const DropEffect effect =
        HeldToSource(DragOver(data, point, ctrl), allowed, data.OffersMovePayload());
    RezFolder* target = TargetFolder();
    DragLeave();
    if (effect == DropEffect::None || !DropInto(doc_, data, target, view_.OwnerWindow()))
        return DropEffect::None;
    return effect;
}

RezFolder* FolderTreeDrops::TargetFolder() {
    RezFolder* highlighted = view_.DropHighlightFolder();
    return highlighted ? highlighted : view_.SelectedFolder();
}

PayloadVerdict FolderTreeDrops::ApplyPayload(const std::vector<std::uint8_t>& payload) {
    return ApplyMovePayload(doc_, payload.data(), payload.size(), TargetFolder());
}

bool FolderTreeDrops::AddDroppedPaths(const std::vector<std::string>& paths) {
    return ::AddDroppedPaths(doc_, SortDiskPaths(paths), TargetFolder(), view_.OwnerWindow());
}

FolderTreeDrops::PasteResult FolderTreeDrops::Paste(TransferData& clipboard) {
    if (clipboard.OffersMovePayload()) {
        const std::vector<std::uint8_t> payload = clipboard.MovePayload();
        RezFolder* target = doc_.Folders().Resolve(TargetFolder());
        const std::optional<ResolvedMove> move =
            DecodeMovePayload(payload.data(), payload.size(), doc_.Folders());
        if (move && MovesIntoItself(*move, target)) {
            doc_.Host().Prompts().Show(kMoveIntoItself);
            return PasteResult::PayloadKept;
        }
        if (move) {
            if (const std::optional<std::string> taken =
                    doc_.Editing().MoveClash(move->folders, move->groups, target)) {
                doc_.Host().Prompts().Show(
                    NameTakenText(*taken, doc_.Folders().FolderPath(target, true)));
                return PasteResult::PayloadKept;
            }
        }
        ApplyPayload(payload);
        return PasteResult::PayloadUsed;
    }
    if (clipboard.OffersShellFiles() && AddDroppedPaths(clipboard.ShellFiles()))
        return PasteResult::FilesAdded;
    return PasteResult::Nothing;
}

void FileListDrops::SetDropRow(int row) {
    if (dropRow_ != -1 && dropRow_ != row)
        view_.SetRowDropHighlight(dropRow_, false);
    dropRow_ = row;
    if (row != -1)
        view_.SetRowDropHighlight(row, true);
    tree_.HighlightDropFolder(row != -1 ? rows_.DropFolderAt(row) : nullptr);
}

DropEffect FileListDrops::DragOver(TransferData& data, DropPoint point) {
    if (!data.OffersMovePayload() && !data.OffersShellFiles())
        return DropEffect::None;
    const int row = view_.RowAt(point);
    SetDropRow(rows_.DropFolderAt(row) ? row : -1);
    if (!rows_.TakesDropOn(dropRow_) ||
        (data.OffersMovePayload() && !drag_.MayDrop(doc_, data, rows_.DropTarget(dropRow_)))) {
        SetDropRow(-1);
        return DropEffect::None;
    }
    return DropEffect::Copy;
}

DropEffect FileListDrops::DragEnter(TransferData& data) {
    drag_.End();
    if (data.OffersMovePayload())
        drag_.Start(doc_, data);
    return DragEnterEffect(data);
}

void FileListDrops::DragLeave() {
    SetDropRow(-1);
    drag_.End();
}

DropEffect FileListDrops::Drop(TransferData& data, DropPoint point, SourceEffects allowed) {
    const DropEffect effect =
        HeldToSource(DragOver(data, point), allowed, data.OffersMovePayload());
    RezFolder* target = rows_.DropTarget(dropRow_);
    DragLeave();
    if (effect == DropEffect::None || !DropInto(doc_, data, target, view_.OwnerWindow()))
        return DropEffect::None;
    return effect;
}
