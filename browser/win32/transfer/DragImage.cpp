#include "browser/win32/transfer/DragImage.h"

namespace {

POINT PointOf(POINTL point) {
    return {point.x, point.y};
}

}  // namespace

void AttachDragImage(IDataObject* data, HWND from, POINT at) {
    ComPtr<IDragSourceHelper> helper;
    if (SUCCEEDED(CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IDragSourceHelper,
                                   reinterpret_cast<void**>(helper.Receive()))))
        helper->InitializeFromWindow(from, &at, data);
}

DropImage::DropImage() {
    CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER, IID_IDropTargetHelper,
                     reinterpret_cast<void**>(helper_.Receive()));
}

void DropImage::Enter(HWND window, IDataObject* data, POINTL point, DWORD effect) {
    POINT at = PointOf(point);
    if (helper_)
        helper_->DragEnter(window, data, &at, effect);
}

void DropImage::Over(POINTL point, DWORD effect) {
    POINT at = PointOf(point);
    if (helper_)
        helper_->DragOver(&at, effect);
}

void DropImage::Leave() {
    if (helper_)
        helper_->DragLeave();
}

void DropImage::Drop(IDataObject* data, POINTL point, DWORD effect) {
    POINT at = PointOf(point);
    if (helper_)
        helper_->Drop(data, &at, effect);
}
