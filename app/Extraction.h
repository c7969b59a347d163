#pragma once
// Copying entries out of the document's archive into files and folders on disk.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ArchiveItems.h"
#include "archive/RezTree.h"
#include "platform/ProgressSink.h"
#include "platform/filesystem/BinaryFile.h"

class CTarvexDoc;
class OutputFolder;

// What an extraction writes of each entry.
enum class ExtractionOutput {
    Data,      // the entry's data as stored
    Pictures,  // a texture's picture as a PNG file (see PictureNames.h); other entries: nothing
};

// What became of one entry's file.
enum class EntryResult { Written, LeftAlone, Failed, NoPicture };

class Extractor {
  public:
    explicit Extractor(CTarvexDoc& doc) : doc_(doc) {}
    Extractor(const Extractor&) = delete;
    Extractor& operator=(const Extractor&) = delete;

    // Every extraction writes what this says; Data unless set.
    ExtractionOutput Output() const { return output_; }
    void SetOutput(ExtractionOutput output) { output_ = output; }
    // Empty when the user cancelled.
    std::string ChooseExtractionFolder();
    // Makes the destination of an extraction with every missing parent; false, reported, when
    // it cannot be made.
    bool MakeExtractionFolder(const std::string& path);
    // False when anything could not be extracted or the user cancelled.
    bool ExtractArchive(RezFolder* folder, const std::string& destination, ProgressSink& progress);
    bool ExtractFolder(BinaryFile& archive, RezFolder* folder, const std::string& base,
                       ProgressSink& progress);
    bool ExtractSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                          const std::vector<const RezEntry*>& entries,
                          const std::string& destination, ProgressSink& progress);
    // Extracts each item where extracting the whole archive into destination would put it.
    bool ExtractItems(const std::vector<ArchiveItem>& items, const std::string& destination,
                      ProgressSink& progress);
    // The Extract command once the window has gathered the selection: of the file list (its
    // folder's selected subfolders and entries) or of the folder tree (null: nothing
    // selected). False when nothing or not everything was extracted.
    bool ExtractListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                              const std::vector<const RezEntry*>& entries, ProgressSink& progress);
    bool ExtractTreeSelection(RezFolder* selected, ProgressSink& progress);
    // Copies an entry's data (from the document's archive, or from its disk file when it is not
    // stored yet) to output. False when the data cannot be read whole.
    bool CopyEntryTo(const RezEntry& entry, BinaryFile& output);

    // Temporary files made for the user; the window deletes them when it closes
    // (DeleteTemporaryFiles). Empties the list.
    std::vector<std::string> TakeTemporaryFiles() { return std::exchange(temporaryFiles_, {}); }

  private:
    // The destination chosen by the user, then extract into it with the progress window
    // shown; false when no destination was chosen.
    bool ExtractIntoChosen(ProgressSink& progress,
                           const std::function<bool(const std::string&)>& extract);
    // The disk name an entry is written under (false when unsafe); nullopt when the output
    // leaves the entry alone.
    std::optional<bool> OutputNameFor(const RezEntry& entry, std::string& diskName);
    // Writes the entry into folder under its disk name; path receives the output path, for
    // messages. Failed when the name is unsafe or the data cannot be read or written.
    EntryResult ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize, const RezEntry& entry,
                             const std::string& folder, std::string& path);
    // What a failed ExtractEntry reports; otherText when the data could not be written.
    void FailEntry(EntryResult result, const std::string& path, const std::string& otherText);
    // The files of a folder tree being extracted, written on worker threads; reports their
    // failures in order on the calling thread.
    class ExtractionQueue;
    bool ExtractFolderTree(BinaryFile& archive, std::uint64_t archiveSize, RezFolder* folder,
                           const std::string& base, ProgressSink& progress);
    bool ExtractFolderInto(ExtractionQueue& queue, RezFolder* folder, const std::string& base,
                           ProgressSink& progress);
    // Gives the entry to the queue; false when it failed here already.
    bool QueueEntry(ExtractionQueue& queue, EntryList::const_iterator entry,
                    EntryList::const_iterator end, const std::string& folder,
                    const std::shared_ptr<const OutputFolder>& output);
    // The disk form of an archive name that may become one file or directory; false when it
    // has none or is unsafe (diskName then holds what to name in a message).
    bool DiskNameFor(const std::string& archiveName, std::string& diskName);
    // Makes the directory below base that stands for folder (its names from the root down;
    // the root's own only with includeRoot). False when a name is unsafe or the directory
    // cannot be made; path then names where it failed.
    bool MakeDiskFolder(const std::string& base, RezFolder* folder, bool includeRoot,
                        std::string& path);
    // Where an entry's data is read from: the open archive of archiveSize bytes, or its disk
    // file, opened into disk. Null when the data is not there whole.
    BinaryFile* EntryDataSource(BinaryFile& archive, std::uint64_t archiveSize,
                                const RezEntry& entry, BinaryFile& disk);
    // Opens the document's archive to read entry data; false, with the message (formatted
    // with the archive path), when it cannot be opened.
    bool OpenArchiveData(BinaryFile& archive, const char* failureFormat);

    CTarvexDoc& doc_;
    std::vector<std::string> temporaryFiles_;
    ExtractionOutput output_ = ExtractionOutput::Data;
};

// The extraction output for the life of one command.
class ScopedExtractionOutput {
  public:
    ScopedExtractionOutput(Extractor& extractor, ExtractionOutput output)
        : extractor_(extractor), before_(extractor.Output()) {
        extractor.SetOutput(output);
    }
    ~ScopedExtractionOutput() { extractor_.SetOutput(before_); }
    ScopedExtractionOutput(const ScopedExtractionOutput&) = delete;
    ScopedExtractionOutput& operator=(const ScopedExtractionOutput&) = delete;

  private:
    Extractor& extractor_;
    ExtractionOutput before_;
};
