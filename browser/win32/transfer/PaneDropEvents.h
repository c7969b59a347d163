#pragma once
// The drop-target events of the two panes and of the frame handed to their rules.
#include "browser/PaneDrops.h"
#include "browser/win32/transfer/DropTargetAdaptor.h"

class TreeDropEvents : public DropTargetEvents {
  public:
    explicit TreeDropEvents(FolderTreeDrops& drops) : drops_(drops) {}
    DropEffect OnDragEnter(TransferData& data, DropPoint, bool) override {
        return drops_.DragEnter(data);
    }
    DropEffect OnDragOver(TransferData& data, DropPoint point, bool ctrl) override {
        return drops_.DragOver(data, point, ctrl);
    }
    void OnDragLeave() override { drops_.DragLeave(); }
    DropEffect OnDrop(TransferData& data, DropPoint point, bool ctrl,
                      SourceEffects allowed) override {
        return drops_.Drop(data, point, ctrl, allowed);
    }

  private:
    FolderTreeDrops& drops_;
};

class ListDropEvents : public DropTargetEvents {
  public:
    explicit ListDropEvents(FileListDrops& drops) : drops_(drops) {}
    DropEffect OnDragEnter(TransferData& data, DropPoint, bool) override {
        return drops_.DragEnter(data);
    }
    DropEffect OnDragOver(TransferData& data, DropPoint point, bool) override {
        return drops_.DragOver(data, point);
    }
    void OnDragLeave() override { drops_.DragLeave(); }
    DropEffect OnDrop(TransferData& data, DropPoint point, bool, SourceEffects allowed) override {
        return drops_.Drop(data, point, allowed);
    }

  private:
    FileListDrops& drops_;
};

class FrameDropEvents : public DropTargetEvents {
  public:
    explicit FrameDropEvents(FrameDrops& drops) : drops_(drops) {}
    DropEffect OnDragEnter(TransferData& data, DropPoint, bool) override {
        return drops_.DragOver(data);
    }
    DropEffect OnDragOver(TransferData& data, DropPoint, bool) override {
        return drops_.DragOver(data);
    }
    void OnDragLeave() override {}
    DropEffect OnDrop(TransferData& data, DropPoint, bool, SourceEffects allowed) override {
        return drops_.Drop(data, allowed);
    }

  private:
    FrameDrops& drops_;
};
