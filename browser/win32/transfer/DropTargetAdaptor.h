#pragma once
// The OLE drop target of a pane: turns IDropTarget's calls into calls on a small interface
// the pane implements, with the pointer in the pane's client coordinates, the data read
// through TransferData and the effect the pane's rules chose, held to what the source allows.
#include <oleidl.h>

#include <memory>

#include "browser/PaneDrops.h"
#include "browser/win32/transfer/ComObject.h"
#include "browser/win32/transfer/DragImage.h"
#include "browser/win32/transfer/OleTransferData.h"

class DropTargetEvents {
  public:
    virtual ~DropTargetEvents() = default;
    virtual DropEffect OnDragEnter(TransferData& data, DropPoint point, bool ctrl) = 0;
    virtual DropEffect OnDragOver(TransferData& data, DropPoint point, bool ctrl) = 0;
    virtual void OnDragLeave() = 0;
    // Carries the drop out only as far as the source allows.
    virtual DropEffect OnDrop(TransferData& data, DropPoint point, bool ctrl,
                              SourceEffects allowed) = 0;
};

class DropTargetAdaptor : public ComObject<IDropTarget, IID_IDropTarget> {
  public:
    DropTargetAdaptor(HWND window, DropTargetEvents& events) : window_(window), events_(&events) {}
    // After this no call reaches the events any more (OLE may hold the adaptor longer).
    void Disconnect() { events_ = nullptr; }

    STDMETHODIMP DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

  private:
    DropPoint ClientPoint(POINTL screen) const;
    // What the pane chose, as far as the source allows it.
    static SourceEffects SourceAllows(DWORD allowed);
    static DWORD Allowed(DropEffect chosen, DWORD allowed, TransferData& data);

    HWND window_;
    DropTargetEvents* events_;
    std::unique_ptr<OleTransferData> data_;  // of the drag under way
    DropImage image_;
};

// A window registered as an OLE drop target for the life of this owner.
class DropTargetRegistration {
  public:
    DropTargetRegistration(HWND window, DropTargetEvents& events);
    DropTargetRegistration(const DropTargetRegistration&) = delete;
    DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;
    ~DropTargetRegistration();
    // False when OLE refused, e.g. when it is not initialised on this thread.
    bool Registered() const { return registered_; }

  private:
    HWND window_;
    ComPtr<DropTargetAdaptor> adaptor_;
    bool registered_ = false;
};
