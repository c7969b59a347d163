// The move payload decoder and its application to a small archive model: any block is moved
// whole or refused without a change, and the folder list stays a tree. The first input byte
// chooses the target; when its top bit is set, references whose low byte is small are
// replaced by live ones, so the fuzzer reaches the moves themselves.
#include <algorithm>

#include "FuzzScratch.h"
#include "app/AppTestHost.h"
#include "app/MovePayload.h"

namespace {

struct Model {
    AppTestHost host;
    CTarvexDoc doc{host};
    std::vector<RezFolder*> folders;
    std::vector<std::uint64_t> references;  // of every folder and entry

    Model() {
        doc.NewDocument();
        RezFolder* a = doc.Adding().FindOrCreateSubfolder("A", nullptr);
        RezFolder* b = doc.Adding().FindOrCreateSubfolder("B", a);
        doc.Adding().FindOrCreateSubfolder("C", b);
        doc.Adding().FindOrCreateSubfolder("D", nullptr);
        doc.Folders().ForEach([](RezFolder& folder) {
            for (int i = 0; i < 3; ++i) {
                RezEntry entry;
                entry.name = folder.name + std::to_string(i) + ".dat";
                entry.dataPosition = 1;
                folder.entries.push_back(entry);
            }
        });
        doc.Folders().ForEach([this](RezFolder& folder) {
            folders.push_back(&folder);
            references.push_back(ReferenceOf(&folder));
            for (const RezEntry& entry : folder.entries)
                references.push_back(ReferenceOf(entry));
        });
    }

    // Root first, every folder after its parent and in its parent's subfolder list.
    void CheckTree() const {
        std::vector<const RezFolder*> seen;
        doc.Folders().ForEach([&](const RezFolder& folder) {
            if (seen.empty()) {
                fuzz::Expect(folder.parent == nullptr, "the root comes first");
            } else {
                bool parentBefore = false;
                for (const RezFolder* earlier : seen)
                    parentBefore = parentBefore || earlier == folder.parent;
                fuzz::Expect(parentBefore, "every folder stands after its parent");
                const auto& siblings = folder.parent->subfolders;
                fuzz::Expect(std::count(siblings.begin(), siblings.end(), &folder) == 1,
                             "a folder is once in its parent's list");
            }
            seen.push_back(&folder);
        });
    }

    std::vector<std::string> Snapshot() const {
        std::vector<std::string> lines;
        doc.Folders().ForEach([&](const RezFolder& folder) {
            std::string line = doc.Folders().FolderPath(&folder, true);
            for (const RezEntry& entry : folder.entries)
                line += "|" + entry.name;
            lines.push_back(line);
        });
        return lines;
    }
};

std::vector<std::uint8_t> PatchReferences(std::vector<std::uint8_t> bytes,
                                          const std::vector<std::uint64_t>& live) {
    for (std::size_t at = 12; at + 8 <= bytes.size(); at += 8) {
        const std::size_t pick = bytes[at];
        if (pick >= live.size())
            continue;
        for (int i = 0; i < 8; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(live[pick] >> (8 * i));
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Model model;
    std::vector<std::uint8_t> payload(data + 1, data + size);
    if (data[0] & 0x80)
        payload = PatchReferences(std::move(payload), model.references);
    RezFolder* target = model.folders[(data[0] & 0x7F) % model.folders.size()];

    PayloadVerdict decoded = PayloadVerdict::Moved;
    const std::optional<ResolvedMove> move =
        DecodeMovePayload(payload.data(), payload.size(), model.doc.Folders(), &decoded);
    fuzz::Expect(move.has_value() == (decoded == PayloadVerdict::Moved), "verdict matches");
    if (move) {
        for (const MovedEntries& group : move->groups) {
            for (const RezEntry* entry : group.entries) {
                bool inSource = false;
                for (const RezEntry& own : group.source->entries)
                    inSource = inSource || &own == entry;
                fuzz::Expect(inSource, "entries resolve in their own folder");
            }
        }
    }

    const std::vector<std::string> before = model.Snapshot();
    const PayloadVerdict verdict =
        ApplyMovePayload(model.doc, payload.data(), payload.size(), target);
    model.CheckTree();
    if (verdict != PayloadVerdict::Moved) {
        fuzz::Expect(model.Snapshot() == before, "a refused payload changes nothing");
        fuzz::Expect(!model.doc.IsModified(), "a refused payload marks nothing");
    } else {
        fuzz::Expect(move.has_value(), "only a decodable payload moves");
        fuzz::Expect(model.doc.TotalEntryCount() == 15, "no entry lost or made");
        fuzz::Expect(model.doc.Folders().Size() == 5, "no folder lost or made");
    }
    return 0;
}
