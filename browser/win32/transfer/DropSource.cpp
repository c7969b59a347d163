#include "browser/win32/transfer/DropSource.h"

STDMETHODIMP DropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    return (keyState & button_) ? S_OK : DRAGDROP_S_DROP;
}

STDMETHODIMP DropSource::GiveFeedback(DWORD) {
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

DropEffect RunDrag(IDataObject* data, DWORD button) {
    const ComPtr<DropSource> source = Make<DropSource>(button);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, source.Get(),
                                      DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    return result == DRAGDROP_S_DROP ? DropEffectOf(effect) : DropEffect::None;
}

DWORD OleEffectOf(DropEffect effect) {
    switch (effect) {
        case DropEffect::Copy:
            return DROPEFFECT_COPY;
        case DropEffect::Move:
            return DROPEFFECT_MOVE;
        default:
            return DROPEFFECT_NONE;
    }
}

DropEffect DropEffectOf(DWORD oleEffect) {
    if (oleEffect & DROPEFFECT_MOVE)
        return DropEffect::Move;
    if (oleEffect & DROPEFFECT_COPY)
        return DropEffect::Copy;
    return DropEffect::None;
}
