#include "app/MovePayload.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <unordered_map>

#include "app/TarvexDoc.h"

namespace {

constexpr int kSerialBits = 40;
constexpr std::uint64_t kSerialMask = (std::uint64_t{1} << kSerialBits) - 1;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kReferenceSize = 8;

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t ReferenceOfSerial(const ItemSerial& serial) {
    // A serial past 40 bits cannot be named; the null it becomes is refused by every drop.
    if (serial.Value() > kSerialMask)
        return 0;
    return (std::uint64_t{InstanceTag()} << kSerialBits) | serial.Value();
}

void PutWord(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t GetWord(const std::uint8_t* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t{at[i]} << (8 * i);
    return value;
}

// The references of a payload: its folders, its source, and its entries by the folder that
// holds each, a group for each folder that holds some, the source's first.
struct PayloadReferences {
    struct Group {
        std::uint64_t source = 0;
        std::vector<std::uint64_t> entries;
    };
    std::vector<std::uint64_t> folders;
    std::uint64_t source = 0;
    std::vector<Group> groups;
};

std::vector<std::uint8_t> Encode(const PayloadReferences& refs) {
    std::size_t entryCount = 0;
    for (const PayloadReferences::Group& group : refs.groups)
        entryCount += group.entries.size();
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize +
                kReferenceSize * (refs.folders.size() + 1 + entryCount + 2 * refs.groups.size()));
    PutWord(out, kMovePayloadMarker, 4);
    PutWord(out, refs.folders.size(), 4);
    PutWord(out, entryCount, 4);
    for (std::uint64_t reference : refs.folders)
        PutWord(out, reference, 8);
    PutWord(out, refs.source, 8);
    for (std::size_t i = 0; i < refs.groups.size(); ++i) {
        const PayloadReferences::Group& group = refs.groups[i];
        if (i != 0 || group.source != refs.source) {
            PutWord(out, 0, 8);
            PutWord(out, group.source, 8);
        }
        for (std::uint64_t reference : group.entries)
            PutWord(out, reference, 8);
    }
    return out;
}

std::optional<PayloadReferences> ReadReferences(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kHeaderSize || data[0] != kMovePayloadMarker)
        return std::nullopt;
    const std::uint64_t folderCount = GetWord(data + 4, 4);
    const std::uint64_t entryCount = GetWord(data + 8, 4);
    // Global memory may be larger than what was written into it, never smaller.
    const std::uint64_t needed = kHeaderSize + kReferenceSize * (folderCount + 1 + entryCount);
    if (needed > size)
        return std::nullopt;
    PayloadReferences refs;
    const std::uint8_t* at = data + kHeaderSize;
    const std::uint8_t* const end = data + size;
    refs.folders.reserve(folderCount);
    for (std::uint64_t i = 0; i < folderCount; ++i, at += kReferenceSize)
        refs.folders.push_back(GetWord(at, 8));
    refs.source = GetWord(at, 8);
    at += kReferenceSize;
    std::uint64_t group = refs.source;
    bool grouped = false;
    for (std::uint64_t read = 0; read < entryCount;) {
        // Each further folder costs two more words than E tells of.
        if (end - at < static_cast<std::ptrdiff_t>(kReferenceSize))
            return std::nullopt;
        const std::uint64_t reference = GetWord(at, 8);
        at += kReferenceSize;
        if (reference == 0) {
            if (end - at < static_cast<std::ptrdiff_t>(kReferenceSize))
                return std::nullopt;
            group = GetWord(at, 8);
            at += kReferenceSize;
            grouped = false;
            continue;
        }
        if (!grouped)
            refs.groups.push_back({group, {}});
        grouped = true;
        refs.groups.back().entries.push_back(reference);
        ++read;
    }
    return refs;
}

bool IsOwnOrNull(std::uint64_t reference) {
    return reference == 0 || (reference >> kSerialBits) == InstanceTag();
}

// Live records by reference, sorted: thousands of entries cost one sort, no block each.
template <typename Record>
using LiveRecords = std::vector<std::pair<std::uint64_t, Record*>>;

template <typename Record>
void SortByReference(LiveRecords<Record>& live) {
    std::sort(live.begin(), live.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

// Looks every reference up among the live records.
template <typename Record>
PayloadVerdict ResolveAll(const std::vector<std::uint64_t>& references,
                          const LiveRecords<Record>& live, std::vector<Record*>& out) {
    out.reserve(references.size());
    for (std::uint64_t reference : references) {
        const auto found = std::lower_bound(live.begin(), live.end(), reference,
                                            [](const std::pair<std::uint64_t, Record*>& record,
                                               std::uint64_t key) { return record.first < key; });
        if (found == live.end() || found->first != reference)
            return PayloadVerdict::Gone;
        out.push_back(found->second);
    }
    return PayloadVerdict::Moved;
}

// Each reference may name one record once.
bool NamesARecordTwice(std::vector<std::uint64_t> all) {
    std::sort(all.begin(), all.end());
    return std::adjacent_find(all.begin(), all.end()) != all.end();
}

std::optional<ResolvedMove> Refuse(PayloadVerdict reason, PayloadVerdict* verdict) {
    if (verdict)
        *verdict = reason;
    return std::nullopt;
}

}  // namespace

std::uint32_t InstanceTag() {
    static const std::uint32_t tag = [] {
        std::uint64_t seed =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        seed ^= Mix(static_cast<std::uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count()));
        seed ^= Mix(reinterpret_cast<std::uintptr_t>(&seed));
        try {
            std::random_device device;
            seed ^= Mix((std::uint64_t{device()} << 32) | device());
        } catch (...) {
            // The clocks and the address alone still differ between running programs.
        }
        const std::uint32_t bits = static_cast<std::uint32_t>(Mix(seed) & 0xFFFFFF);
        return bits != 0 ? bits : 1u;
    }();
    return tag;
}

std::uint64_t ReferenceOf(const RezFolder* folder) {
    return folder ? ReferenceOfSerial(folder->serial) : 0;
}

std::uint64_t ReferenceOf(const RezEntry& entry) {
    return ReferenceOfSerial(entry.serial);
}

std::vector<std::uint8_t> EncodeFolderPayload(const RezFolder* folder) {
    PayloadReferences refs;
    refs.folders = {ReferenceOf(folder)};
    return Encode(refs);
}

std::vector<std::uint8_t> EncodeSelectionPayload(const std::vector<RezFolder*>& folders,
                                                 const RezFolder* source,
                                                 const std::vector<const RezEntry*>& entries) {
    PayloadReferences refs;
    for (const RezFolder* folder : folders)
        refs.folders.push_back(ReferenceOf(folder));
    refs.source = ReferenceOf(source);
    if (!entries.empty())
        refs.groups.push_back({refs.source, {}});
    for (const RezEntry* entry : entries)
        refs.groups.back().entries.push_back(entry ? ReferenceOf(*entry) : 0);
    return Encode(refs);
}

std::vector<std::uint8_t> EncodePayload(const PayloadItems& items) {
    PayloadReferences refs;
    for (const RezFolder* folder : items.folders)
        refs.folders.push_back(ReferenceOf(folder));
    refs.source = ReferenceOf(items.source);
    for (const MovedEntries& group : items.groups) {
        refs.groups.push_back({ReferenceOf(group.source), {}});
        for (const RezEntry* entry : group.entries)
            refs.groups.back().entries.push_back(ReferenceOf(*entry));
    }
    return Encode(refs);
}

std::optional<ResolvedMove> DecodeMovePayload(const std::uint8_t* data, std::size_t size,
                                              const FolderList& folders, PayloadVerdict* verdict) {
    const std::optional<PayloadReferences> refs = ReadReferences(data, size);
    if (!refs)
        return Refuse(PayloadVerdict::Malformed, verdict);

    std::vector<std::uint64_t> all = refs->folders;
    all.push_back(refs->source);
    std::vector<std::uint64_t> entries;
    for (const PayloadReferences::Group& group : refs->groups) {
        all.push_back(group.source);
        entries.insert(entries.end(), group.entries.begin(), group.entries.end());
    }
    all.insert(all.end(), entries.begin(), entries.end());
    if (!std::all_of(all.begin(), all.end(), IsOwnOrNull))
        return Refuse(PayloadVerdict::OtherInstance, verdict);
    const auto isNull = [](std::uint64_t reference) { return reference == 0; };
    const auto hasNoSource = [](const PayloadReferences::Group& group) {
        return group.source == 0;
    };
    if (std::any_of(refs->folders.begin(), refs->folders.end(), isNull) ||
        std::any_of(refs->groups.begin(), refs->groups.end(), hasNoSource))
        return Refuse(PayloadVerdict::NullFolder, verdict);

    std::vector<std::uint64_t> named = refs->folders;
    named.insert(named.end(), entries.begin(), entries.end());
    if (NamesARecordTwice(std::move(named)))
        return Refuse(PayloadVerdict::Malformed, verdict);

    LiveRecords<RezFolder> folderOf;
    folderOf.reserve(folders.Size());
    folders.ForEach(
        [&folderOf](RezFolder& folder) { folderOf.emplace_back(ReferenceOf(&folder), &folder); });
    SortByReference(folderOf);
    ResolvedMove move;
    PayloadVerdict found = ResolveAll(refs->folders, folderOf, move.folders);
    if (found == PayloadVerdict::Moved && refs->source != 0) {
        std::vector<RezFolder*> source;
        found = ResolveAll({refs->source}, folderOf, source);
        if (found == PayloadVerdict::Moved)
            move.source = source.front();
    }
    // A folder that several groups name is indexed once and makes one group, so that a block
    // naming one large folder over and over costs no more than naming it once.
    std::unordered_map<const RezFolder*, std::pair<LiveRecords<RezEntry>, std::size_t>> groupOf;
    for (const PayloadReferences::Group& group : refs->groups) {
        std::vector<RezFolder*> source;
        if (found == PayloadVerdict::Moved)
            found = ResolveAll({group.source}, folderOf, source);
        if (found != PayloadVerdict::Moved)
            break;
        const auto [known, added] = groupOf.try_emplace(source.front());
        auto& [entryOf, index] = known->second;
        if (added) {
            // Entries are looked up in their own folder only.
            entryOf.reserve(source.front()->entries.size());
            for (RezEntry& entry : source.front()->entries)
                entryOf.emplace_back(ReferenceOf(entry), &entry);
            SortByReference(entryOf);
            index = move.groups.size();
            move.groups.push_back({source.front(), {}});
        }
        found = ResolveAll(group.entries, entryOf, move.groups[index].entries);
    }
    if (found != PayloadVerdict::Moved)
        return Refuse(found, verdict);
    if (verdict)
        *verdict = PayloadVerdict::Moved;
    return move;
}

bool MovesIntoItself(const ResolvedMove& move, const RezFolder* target) {
    for (const RezFolder* folder : move.folders)
        if (IsSelfOrAncestor(target, folder))
            return true;
    return false;
}

PayloadVerdict ApplyMovePayload(CTarvexDoc& doc, const std::uint8_t* data, std::size_t size,
                                RezFolder* target) {
    PayloadVerdict verdict = PayloadVerdict::Malformed;
    const std::optional<ResolvedMove> move = DecodeMovePayload(data, size, doc.Folders(), &verdict);
    if (!move)
        return verdict;
    target = doc.Folders().Resolve(target);
    if (MovesIntoItself(*move, target))
        return PayloadVerdict::IntoItself;
    if (move->folders.empty() && move->groups.empty())
        return PayloadVerdict::NotMoved;
    if (doc.Editing().MoveClash(move->folders, move->groups, target))
        return PayloadVerdict::NameTaken;
    if (!doc.Editing().MoveItems(move->folders, move->groups, target))
        return PayloadVerdict::NotMoved;
    return PayloadVerdict::Moved;
}
