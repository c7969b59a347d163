#include "browser/win32/transfer/OleTransferData.h"

#include <shlobj.h>

#include <cstring>

#include "app/MovePayload.h"
#include "platform/win32/DropList.h"

namespace {

FORMATETC GlobalFormat(CLIPFORMAT format) {
    return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

}  // namespace

CLIPFORMAT MovePayloadFormat() {
    static const CLIPFORMAT format =
        static_cast<CLIPFORMAT>(RegisterClipboardFormatA(kMovePayloadFormat));
    return format;
}

bool IsWholeDropList(HGLOBAL memory) {
    const LockedGlobal<const std::uint8_t> block(memory);
    const SIZE_T size = block.Size();
    if (block.Get() == nullptr || size < sizeof(DROPFILES))
        return false;
    DROPFILES header;
    std::memcpy(&header, block.Get(), sizeof(header));
    if (header.pFiles < sizeof(DROPFILES) || header.pFiles >= size)
        return false;
    // Two zero characters in a row, the character one or two bytes wide.
    const SIZE_T width = header.fWide ? 2 : 1;
    SIZE_T zeros = 0;
    for (SIZE_T at = header.pFiles; at + width <= size; at += width) {
        const bool zero = block.Get()[at] == 0 && (width == 1 || block.Get()[at + 1] == 0);
        zeros = zero ? zeros + 1 : 0;
        // An empty list is a single zero.
        if (zeros == 2 || (zero && at == header.pFiles))
            return true;
    }
    return false;
}

OleTransferData::OleTransferData(IDataObject* data) : data_(data) {
    if (data)
        data->AddRef();
}

bool OleTransferData::Offers(CLIPFORMAT format) {
    FORMATETC wanted = GlobalFormat(format);
    return data_ && format != 0 && data_->QueryGetData(&wanted) == S_OK;
}

bool OleTransferData::Read(CLIPFORMAT format, ScopedMedium& medium) {
    FORMATETC wanted = GlobalFormat(format);
    if (!data_ || format == 0 || FAILED(data_->GetData(&wanted, medium.Receive())))
        return false;
    return medium.Get().tymed == TYMED_HGLOBAL && medium.Get().hGlobal != nullptr;
}

bool OleTransferData::OffersMovePayload() {
    if (!offersPayload_)
        offersPayload_ = Offers(MovePayloadFormat());
    return *offersPayload_;
}

bool OleTransferData::OffersShellFiles() {
    if (!offersFiles_)
        offersFiles_ = Offers(CF_HDROP);
    return *offersFiles_;
}

std::vector<std::uint8_t> OleTransferData::MovePayload() {
    if (!payload_) {
        payload_.emplace();
        ScopedMedium medium;
        if (Read(MovePayloadFormat(), medium)) {
            const LockedGlobal<std::uint8_t> bytes(medium.Get().hGlobal);
            if (bytes.Get() != nullptr)
                payload_->assign(bytes.Get(), bytes.Get() + bytes.Size());
        }
    }
    return *payload_;
}

std::vector<std::string> OleTransferData::ShellFiles() {
    if (!files_) {
        files_.emplace();
        ScopedMedium medium;
        if (Read(CF_HDROP, medium) && IsWholeDropList(medium.Get().hGlobal)) {
            // DragQueryFile locks the memory itself. A name the list cannot give cannot be
            // added either: the others are.
            *files_ = ReadDropList(static_cast<HDROP>(medium.Get().hGlobal));
            std::erase(*files_, std::string());
        }
    }
    return *files_;
}
