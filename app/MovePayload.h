#pragma once
// The move payload: folders and entries of the open archive named by reference, placed on the
// clipboard or in a drag under the private format "Tarvex" to be moved by Paste or a drop.
//
//   offset 0       marker 9, then 3 bytes that are ignored
//   offset 4       F, the number of folders (32 bits, little-endian)
//   offset 8       E, the number of entries
//   offset 12      F folder references
//   12 + 8F        the source folder: the folder whose entries follow (0 when E is 0 and the
//                  folder tree made the payload)
//   20 + 8F        E entry references, each an entry of the source folder; entries of other
//                  folders (rows of a search's results) follow a 0 and their folder's
//                  reference: 0, folder, its entries, 0, folder, ... E counts entries only
//
// A reference (8 bytes, little-endian) holds the record's serial in its low 40 bits and the
// tag of the running program in its high 24 bits; 0 is the null folder. Serials are never
// given twice, so a reference to a record deleted since, or to the records of an archive
// closed since (another one opened, the document emptied), finds nothing in the live model;
// the tag tells apart the serials of another running instance, which count the same way.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/ArchiveItems.h"
#include "archive/RezTree.h"

class CTarvexDoc;

inline constexpr const char* kMovePayloadFormat = "Tarvex";
inline constexpr std::uint8_t kMovePayloadMarker = 9;

// The reference of a record made by this program; 0 for null.
std::uint64_t ReferenceOf(const RezFolder* folder);
std::uint64_t ReferenceOf(const RezEntry& entry);
// The tag this program puts into its references (24 bits, never 0).
std::uint32_t InstanceTag();

// The tree's payload: one folder (null when nothing is selected, which no drop applies).
std::vector<std::uint8_t> EncodeFolderPayload(const RezFolder* folder);
// The list's payload: the selected subfolders, the shown folder and its selected entries.
std::vector<std::uint8_t> EncodeSelectionPayload(const std::vector<RezFolder*>& folders,
                                                 const RezFolder* source,
                                                 const std::vector<const RezEntry*>& entries);

// What a payload names: folders, the source folder (null in the folder tree's), and entries by
// the folder that holds each, the source's first.
struct PayloadItems {
    std::vector<RezFolder*> folders;
    RezFolder* source = nullptr;
    std::vector<MovedEntries> groups;
};
std::vector<std::uint8_t> EncodePayload(const PayloadItems& items);

// Why a payload is or is not moved.
enum class PayloadVerdict {
    Moved,
    Malformed,      // no marker 9, counts beyond the block, an item named twice
    OtherInstance,  // made by another running program
    NullFolder,     // a null folder, or entries without their source folder
    Gone,           // a folder or entry that is not in the model (any more)
    IntoItself,     // a folder would go into itself or below itself
    NameTaken,      // the target already holds an item of a moved item's name
    NotMoved,       // nothing to move
};

// What a payload names, resolved against the live model.
using ResolvedMove = PayloadItems;

// The payload's folders and entries as records of folders; nothing (with the reason) when
// any reference does not resolve, so a bad payload touches nothing.
std::optional<ResolvedMove> DecodeMovePayload(const std::uint8_t* data, std::size_t size,
                                              const FolderList& folders,
                                              PayloadVerdict* verdict = nullptr);

// True when moving these folders into target would put one into itself or below itself.
bool MovesIntoItself(const ResolvedMove& move, const RezFolder* target);

// Moves what the payload names into target (null: the root) through the document, which marks
// itself modified and updates its views. Anything but Moved changed nothing.
PayloadVerdict ApplyMovePayload(CTarvexDoc& doc, const std::uint8_t* data, std::size_t size,
                                RezFolder* target);
