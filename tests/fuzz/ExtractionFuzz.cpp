// Extraction of hostile archives through the document: whatever the names inside, nothing may
// be written outside the destination folder.
#include "FuzzScratch.h"
#include "QuietProgress.h"
#include "app/AppTestHost.h"
#include "app/ItemNames.h"

namespace {

bool IsEmptyFolder(const fuzz::fs::path& path) {
    return fuzz::fs::is_directory(path) && fuzz::fs::is_empty(path);
}

// True when name can become exactly one item and no sibling (entry or folder) shares it, so
// the item on disk can only have come from this one.
bool IsOnlyItemNamed(const RezFolder& parent, const std::string& name) {
    if (!IsSafeItemName(name) || name.size() > 255)
        return false;
    int count = 0;
    for (const RezFolder* sub : parent.subfolders)
        count += sub->name == name;
    for (const RezEntry& entry : parent.entries)
        count += entry.name == name;
    return count == 1;
}

// Where folder is extracted below out; empty when that is not known for certain.
fuzz::fs::path DiskPathOf(const RezFolder& folder, const fuzz::fs::path& out) {
    if (!folder.parent)
        return out;
    const fuzz::fs::path parent = DiskPathOf(*folder.parent, out);
    if (parent.empty() || !IsOnlyItemNamed(*folder.parent, folder.name))
        return {};
    return parent / folder.name;
}

// Every entry that has a certain place on disk holds its data from the archive there.
void CheckExtractedData(const CTarvexDoc& doc, const fuzz::fs::path& out,
                        const std::string& archive) {
    doc.Folders().ForEach([&](const RezFolder& folder) {
        const fuzz::fs::path path = DiskPathOf(folder, out);
        if (path.empty() || path.string().size() > 3000)
            return;
        for (const RezEntry& entry : folder.entries) {
            if (!IsOnlyItemNamed(folder, entry.name))
                continue;
            fuzz::Expect(fuzz::ReadFile((path / entry.name.str()).string()) ==
                             archive.substr(entry.dataPosition, entry.size),
                         "an extracted file holds its entry's data");
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::fs::path scratch = fuzz::FreshScratch();
    const fuzz::fs::path out = scratch / "out" / "dest";
    const fuzz::fs::path sentinel = scratch / "out" / "sentinel";
    fuzz::fs::create_directories(out);
    fuzz::fs::create_directories(sentinel);
    const std::string input = fuzz::WriteInput(scratch / "input.rez", data, size);

    AppTestHost host;
    CTarvexDoc doc(host);
    doc.OpenDocument(input);
    doc.FinishJobs();
    if (doc.LastOpenFailed())
        return 0;
    QuietProgress progress;
    doc.Extraction().ExtractArchive(nullptr, out.string(), progress);
    CheckExtractedData(doc, out, std::string(reinterpret_cast<const char*>(data), size));

    fuzz::Expect(IsEmptyFolder(sentinel), "the sibling folder stays empty");
    std::size_t items = 0;
    for (const auto& item : fuzz::fs::directory_iterator(scratch)) {
        ++items;
        fuzz::Expect(item.path() == input || item.path() == scratch / "out",
                     "nothing appears beside the destination");
    }
    fuzz::Expect(items == 2, "the archive and the output folder remain");
    std::size_t outItems = 0;
    for (const auto& item : fuzz::fs::directory_iterator(scratch / "out")) {
        ++outItems;
        (void)item;
    }
    fuzz::Expect(outItems == 2, "only the destination and the sentinel in the output folder");
    for (const auto& item : fuzz::fs::recursive_directory_iterator(out)) {
        fuzz::Expect(item.is_regular_file() || item.is_directory(),
                     "only plain files and folders are extracted");
        fuzz::Expect(!item.is_symlink(), "no links are extracted");
    }
    return 0;
}
