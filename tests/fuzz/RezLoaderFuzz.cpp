// The archive loader on hostile files: it must fail cleanly, and whatever it accepts must save
// and load back with the same folders and entries.
#include <vector>

#include "FuzzScratch.h"
#include "QuietProgress.h"
#include "archive/RezLoader.h"
#include "archive/RezSaver.h"
#include "support/ScriptedPrompts.h"

namespace {

// Names are worked out here rather than by the engine's helpers. Saving writes ASCII letters
// in upper case...
std::string Upper(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return name;
}

// ...and drops an entry name's trailing dot, unless the dot is the whole name.
std::string AsStored(const std::string& name) {
    const bool trailingDot = name.size() > 1 && name.back() == '.';
    return Upper(trailingDot ? name.substr(0, name.size() - 1) : name);
}

// A name as it was read: already as stored.
std::string AsRead(const std::string& name) {
    return name;
}

// An entry's description and key values, which saving must keep.
std::string ExtrasOf(const RezEntry& entry) {
    std::string text = " [" + std::string(entry.extras.Description()) + "]";
    for (const std::uint32_t key : entry.extras.Keys())
        text += " " + std::to_string(key);
    return text;
}

// Every folder's name and its entries' names, sizes, identifiers, description and keys and data
// (taken from file, the archive's bytes) in list order; names as saving writes them.
std::vector<std::string> Outline(const FolderList& folders, const std::string& file,
                                 std::string (*entryName)(const std::string&)) {
    std::vector<std::string> outline;
    folders.ForEach([&](const RezFolder& folder) {
        outline.push_back(folder.parent ? "D " + Upper(folder.name) : "D");
        for (const RezEntry& entry : folder.entries) {
            fuzz::Expect(entry.dataPosition + std::uint64_t{entry.size} <= file.size(),
                         "entries lie inside their file");
            outline.push_back("E " + entryName(entry.name) + " " + std::to_string(entry.size) +
                              " " + std::to_string(entry.identifier) + ExtrasOf(entry) + " " +
                              file.substr(entry.dataPosition, entry.size));
        }
    });
    return outline;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::fs::path scratch = fuzz::FreshScratch();
    const std::string input = fuzz::WriteInput(scratch / "input.rez", data, size);
    ScriptedPrompts prompts;
    QuietProgress progress;
    RezHeader header{};
    FolderList folders;
    if (!LoadArchive(input, header, folders, progress, prompts, 0)) {
        fuzz::Expect(prompts.asked.size() == 1, "a failed load shows one message");
        return 0;
    }
    fuzz::Expect(prompts.asked.empty(), "a successful load shows no message");
    const std::vector<std::string> loaded =
        Outline(folders, std::string(reinterpret_cast<const char*>(data), size), AsStored);

    ArchiveJob job;
    job.kind = JobSaveAs;
    job.folders = &folders;
    job.path = (scratch / "saved.rez").string();
    job.sourcePath = input;
    fuzz::Expect(SaveArchive(job, progress, prompts, 0), "a loaded archive saves");

    FolderList reloaded;
    fuzz::Expect(LoadArchive(job.path, header, reloaded, progress, prompts, 0),
                 "a saved archive loads");
    const std::vector<std::string> saved = Outline(reloaded, fuzz::ReadFile(job.path), AsRead);
    if (saved != loaded) {
        for (const std::string& line : loaded)
            std::fprintf(stderr, "loaded: %s\n", line.c_str());
        for (const std::string& line : saved)
            std::fprintf(stderr, "saved:  %s\n", line.c_str());
        fuzz::Broken("saving keeps folders and entries");
    }
    return 0;
}
