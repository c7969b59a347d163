#pragma once
// What an OLE data object offers, read the way the drop targets and Paste ask for it: the
// move payload under the registered format "Tarvex", a shell drop list under CF_HDROP. Each
// is read once and kept, since a drag's data does not change while it lasts.
#include <objidl.h>

#include <optional>

#include "browser/TransferData.h"
#include "platform/win32/Scoped.h"

// The registered clipboard format "Tarvex"; 0 when it could not be registered.
CLIPFORMAT MovePayloadFormat();

// True when the memory holds a whole drop list: its header, and the list of names after it
// ending with two zeros inside the block. Another program may hand over anything.
bool IsWholeDropList(HGLOBAL memory);

class OleTransferData : public TransferData {
  public:
    // Holds a reference to data for its own life.
    explicit OleTransferData(IDataObject* data);

    bool OffersMovePayload() override;
    bool OffersShellFiles() override;
    std::vector<std::uint8_t> MovePayload() override;
    std::vector<std::string> ShellFiles() override;

  private:
    bool Offers(CLIPFORMAT format);
    // The global memory of a format, read into medium; false when it is not there.
    bool Read(CLIPFORMAT format, ScopedMedium& medium);

    ComPtr<IDataObject> data_;
    std::optional<bool> offersPayload_;
    std::optional<bool> offersFiles_;
    std::optional<std::vector<std::uint8_t>> payload_;
    std::optional<std::vector<std::string>> files_;
};
