#include "browser/PaneDrops.h"

#include "app/TarvexDoc.h"
#include "browser/DroppedPaths.h"
#include "browser/FileListRows.h"
#include "browser/FolderTreePlan.h"

namespace {

// Moves the payload, or adds the shell drop list, into target; false when nothing changed.
bool DropInto(CTarvexDoc& doc, TransferData& data, RezFolder* target, std::uintptr_t owner) {
    if (data.OffersMovePayload()) {
        const std::vector<std::uint8_t> payload = data.MovePayload();
        return ApplyMovePayload(doc, payload.data(), payload.size(), target) ==
               PayloadVerdict::Moved;
    }
    return AddDroppedPaths(doc, data.ShellFiles(), target, owner);
}

}  // namespace

DropEffect DragEnterEffect(TransferData& data) {
    return data.OffersMovePayload() || data.OffersShellFiles() ? DropEffect::Copy
                                                               : DropEffect::None;
}

bool MayDropPayload(const CTarvexDoc& doc, const std::vector<std::uint8_t>& payload,
                    RezFolder* target) {
    const std::optional<ResolvedMove> move =
        DecodeMovePayload(payload.data(), payload.size(), doc.Folders());
    if (!move)
        return false;
    target = doc.Folders().Resolve(target);
    if (MovesIntoItself(*move, target))
        return false;
    // Only the tree's payload has no source folder.
    const bool fromTree = move->source == nullptr;
    for (const RezFolder* folder : move->folders) {
        if (fromTree && folder->parent == target)
            return false;
    }
    return true;
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
    if (!MayDropPayload(doc_, data.MovePayload(), target)) {
        view_.HighlightDropFolder(nullptr);
        return DropEffect::None;
    }
    view_.HighlightDropFolder(under);
    return ctrl ? DropEffect::Copy : DropEffect::Move;
}

DropEffect FolderTreeDrops::Drop(TransferData& data, DropPoint point, bool ctrl) {
    const DropEffect effect = DragOver(data, point, ctrl);
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
    return ::AddDroppedPaths(doc_, paths, TargetFolder(), view_.OwnerWindow());
}

FolderTreeDrops::PasteResult FolderTreeDrops::Paste(TransferData& clipboard) {
    if (clipboard.OffersMovePayload()) {
        ApplyPayload(clipboard.MovePayload());
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
    if (data.OffersMovePayload() &&
        !MayDropPayload(doc_, data.MovePayload(), rows_.DropTarget(dropRow_))) {
        SetDropRow(-1);
        return DropEffect::None;
    }
    return DropEffect::Copy;
}

void FileListDrops::DragLeave() {
    SetDropRow(-1);
}

DropEffect FileListDrops::Drop(TransferData& data, DropPoint point) {
    const DropEffect effect = DragOver(data, point);
    RezFolder* target = rows_.DropTarget(dropRow_);
    DragLeave();
    if (effect == DropEffect::None || !DropInto(doc_, data, target, view_.OwnerWindow()))
        return DropEffect::None;
    return effect;
}
