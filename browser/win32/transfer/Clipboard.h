#pragma once
// The OLE clipboard as Cut, Copy and Paste use it.
#include <memory>
#include <vector>

#include "browser/win32/transfer/OleTransferData.h"

// Puts a move payload on the clipboard under "Tarvex"; false when it could not be placed.
bool PutPayloadOnClipboard(const std::vector<std::uint8_t>& payload);
// Places an empty data object on the clipboard, so that a second Paste finds nothing.
void EmptyClipboardData();
// Renders what this program placed on the clipboard into the clipboard itself, so that it
// outlives the program; before the program ends.
void FlushClipboard();
// What the clipboard offers; null when it cannot be read.
std::unique_ptr<OleTransferData> ReadClipboard();

// For the Paste command's state: cheap, no data is read.
struct ClipboardOffer {
    bool movePayload = false;
    bool shellFiles = false;
};
ClipboardOffer ClipboardOffers();

// Drags a move payload with the effects copy, move and link allowed, with the image of what
// the control from shows at the point at where the system draws one; the effect the target
// chose. button: the MK_ flag of the mouse button that started the drag.
DropEffect DragPayload(const std::vector<std::uint8_t>& payload, HWND from = nullptr, POINT at = {},
                       DWORD button = MK_LBUTTON);
