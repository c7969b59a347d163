#include "browser/win32/transfer/DropTargetAdaptor.h"

#include "browser/win32/transfer/DropSource.h"

namespace {

bool CtrlHeld(DWORD keys) {
    return (keys & MK_CONTROL) != 0;
}

}  // namespace

DropPoint DropTargetAdaptor::ClientPoint(POINTL screen) const {
    POINT point{screen.x, screen.y};
    ScreenToClient(window_, &point);
    return {point.x, point.y};
}

SourceEffects DropTargetAdaptor::SourceAllows(DWORD allowed) {
    return {(allowed & DROPEFFECT_COPY) != 0, (allowed & DROPEFFECT_MOVE) != 0};
}

DWORD DropTargetAdaptor::Allowed(DropEffect chosen, DWORD allowed, TransferData& data) {
    return OleEffectOf(HeldToSource(chosen, SourceAllows(allowed), data.OffersMovePayload()));
}

STDMETHODIMP DropTargetAdaptor::DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                          DWORD* effect) {
    return Guarded([&]() -> HRESULT {
        if (effect == nullptr)
            return E_POINTER;
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        data_ = std::make_unique<OleTransferData>(data);
        if (events_)
            *effect = Allowed(events_->OnDragEnter(*data_, ClientPoint(point), CtrlHeld(keys)),
                              allowed, *data_);
        image_.Enter(window_, data, point, *effect);
        return S_OK;
    });
}

STDMETHODIMP DropTargetAdaptor::DragOver(DWORD keys, POINTL point, DWORD* effect) {
    return Guarded([&]() -> HRESULT {
        if (effect == nullptr)
            return E_POINTER;
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        if (events_ && data_)
            *effect = Allowed(events_->OnDragOver(*data_, ClientPoint(point), CtrlHeld(keys)),
                              allowed, *data_);
        image_.Over(point, *effect);
        return S_OK;
    });
}

STDMETHODIMP DropTargetAdaptor::DragLeave() {
    return Guarded([&]() -> HRESULT {
        data_.reset();
        image_.Leave();
        if (events_)
            events_->OnDragLeave();
        return S_OK;
    });
}

STDMETHODIMP DropTargetAdaptor::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
    // The drag is over whatever the drop does.
    data_.reset();
    const HRESULT result = Guarded([&]() -> HRESULT {
        if (effect == nullptr)
            return E_POINTER;
        const DWORD allowed = *effect;
        *effect = DROPEFFECT_NONE;
        if (!events_)
            return S_OK;
        OleTransferData dropped(data);
        *effect = OleEffectOf(
            events_->OnDrop(dropped, ClientPoint(point), CtrlHeld(keys), SourceAllows(allowed)));
        return S_OK;
    });
    image_.Drop(data, point, effect ? *effect : DROPEFFECT_NONE);
    return result;
}

DropTargetRegistration::DropTargetRegistration(HWND window, DropTargetEvents& events)
    : window_(window), adaptor_(Make<DropTargetAdaptor>(window, events)) {
    registered_ = SUCCEEDED(RegisterDragDrop(window, adaptor_.Get()));
}

DropTargetRegistration::~DropTargetRegistration() {
    if (registered_)
        RevokeDragDrop(window_);
    adaptor_->Disconnect();
}
