#pragma once
// The drag source of both panes: the drag goes on while the mouse button that started it is
// held, drops when it is let go and stops at Escape; the cursors are the system's.
#include <oleidl.h>

#include "browser/TransferData.h"
#include "browser/win32/transfer/ComObject.h"

class DropSource : public ComObject<IDropSource, IID_IDropSource> {
  public:
    // button: the MK_ flag of the mouse button that started the drag.
    explicit DropSource(DWORD button = MK_LBUTTON) : button_(button) {}

    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    STDMETHODIMP GiveFeedback(DWORD effect) override;

  private:
    DWORD button_;
};

// Runs a drag of data with the effects copy, move and link allowed, until it is dropped or
// stopped; the effect the drop target chose (None when it was stopped or refused).
DropEffect RunDrag(IDataObject* data, DWORD button = MK_LBUTTON);

// The OLE effect of ours, and back; an OLE effect none of ours stands for is None.
DWORD OleEffectOf(DropEffect effect);
DropEffect DropEffectOf(DWORD oleEffect);
