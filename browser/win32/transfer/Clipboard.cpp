#include "browser/win32/transfer/Clipboard.h"

#include "browser/win32/transfer/DataSource.h"
#include "browser/win32/transfer/DragImage.h"
#include "browser/win32/transfer/DropSource.h"

namespace {

ComPtr<DataSource> PayloadSource(const std::vector<std::uint8_t>& payload) {
    // What this program placed on the clipboard before is rendered and let go first.
    OleFlushClipboard();
    ComPtr<DataSource> source = Make<DataSource>();
    if (!source->Put(MovePayloadFormat(), payload.data(), payload.size()))
        return {};
    return source;
}

}  // namespace

bool PutPayloadOnClipboard(const std::vector<std::uint8_t>& payload) {
    const ComPtr<DataSource> source = PayloadSource(payload);
    return source && SUCCEEDED(OleSetClipboard(source.Get()));
}

void EmptyClipboardData() {
    const ComPtr<DataSource> empty = Make<DataSource>();
    OleSetClipboard(empty.Get());
}

void FlushClipboard() {
    OleFlushClipboard();
}

std::unique_ptr<OleTransferData> ReadClipboard() {
    ComPtr<IDataObject> data;
    if (FAILED(OleGetClipboard(data.Receive())) || !data)
        return nullptr;
    return std::make_unique<OleTransferData>(data.Get());
}

ClipboardOffer ClipboardOffers() {
    ClipboardOffer offer;
    offer.movePayload = MovePayloadFormat() != 0 && IsClipboardFormatAvailable(MovePayloadFormat());
    offer.shellFiles = IsClipboardFormatAvailable(CF_HDROP) != FALSE;
    return offer;
}

DropEffect DragPayload(const std::vector<std::uint8_t>& payload, HWND from, POINT at,
                       DWORD button) {
    const ComPtr<DataSource> source = PayloadSource(payload);
    if (!source)
        return DropEffect::None;
    if (from != nullptr)
        AttachDragImage(source.Get(), from, at);
    return RunDrag(source.Get(), button);
}
