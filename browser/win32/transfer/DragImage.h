#pragma once
// The shell's drag image, where the system offers it: the dragged items drawn under the
// pointer while a drag runs. Where there is no such service (older systems, Wine) drags run
// without it.
#include <shlobj.h>

#include "platform/win32/Scoped.h"

// Asks the control from to draw what is dragged, at the point of the control where the drag
// began, into the drag's data.
void AttachDragImage(IDataObject* data, HWND from, POINT at);

// The drop target's side: shows the drag image over the target window.
class DropImage {
  public:
    DropImage();
    void Enter(HWND window, IDataObject* data, POINTL point, DWORD effect);
    void Over(POINTL point, DWORD effect);
    void Leave();
    void Drop(IDataObject* data, POINTL point, DWORD effect);

  private:
    ComPtr<IDropTargetHelper> helper_;
};
