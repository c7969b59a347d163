// Extraction of hostile archives through the document: whatever the names inside, nothing may
// be written outside the destination folder.
#include "FuzzScratch.h"
#include "QuietProgress.h"
#include "app/AppTestHost.h"

namespace {

bool IsEmptyFolder(const fuzz::fs::path& path) {
    return fuzz::fs::is_directory(path) && fuzz::fs::is_empty(path);
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
    doc.ExtractArchive(nullptr, out.string(), progress);

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
