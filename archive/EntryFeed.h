#pragma once
// The data of the entries a save writes, read ahead of the writer on worker threads and
// handed over in the order it writes them. A few buffers of bounded size carry it, so memory
// stays flat whatever the number and sizes of the entries.
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "archive/RezTree.h"
#include "platform/filesystem/BinaryFile.h"

// One piece of one entry's data. An entry comes as one piece, or as several of a buffer's
// length when it is larger.
struct EntryPiece {
    enum class Kind : std::uint8_t {
        Bytes,          // length bytes at bytes, read from the entry's disk file or the source
        FromSource,     // the whole entry, to be copied from the source archive by the writer
        Unreadable,     // the disk file of a new entry could not be opened; no data
        SourceShort,    // Bytes, but the source archive gave fewer: the rest are zeros
        SourceMissing,  // the entry lies in a source archive that could not be opened
    };
    const RezEntry* entry = nullptr;
    const char* bytes = nullptr;
    std::uint64_t offset = 0;  // where the piece starts in its file
    std::uint32_t length = 0;
    Kind kind = Kind::Bytes;
    bool last = true;  // the entry's last piece
};

class EntryFeed {
  public:
    // Where the entries of folders (in the order they are written) have their data: stored
    // ones (data position set, hasSource) in source, the others in their disk files. With
    // copyStoredInKernel, stored entries come as FromSource pieces instead of being read.
    EntryFeed(std::vector<const RezFolder*> folders, bool hasSource, BinaryFile& source,
              bool copyStoredInKernel, unsigned threads);
    ~EntryFeed();
    EntryFeed(const EntryFeed&) = delete;
    EntryFeed& operator=(const EntryFeed&) = delete;

    // The next piece, once it has been read; valid until the next call. Rethrows what ended
    // the reading of it.
    const EntryPiece& Next();

    // Reader threads a save of this machine uses.
    static unsigned DefaultThreads();

  private:
    struct OpenedFile;
    struct Batch {
        std::uint64_t sequence = 0;
        std::vector<EntryPiece> pieces;
        // The disk file of each piece that is read from one, or null.
        std::vector<std::shared_ptr<OpenedFile>> files;
        std::unique_ptr<char[]> bytes;
        std::size_t used = 0;
        bool filled = false;
        std::exception_ptr failure;
        std::size_t taken = 0;  // pieces the writer has had
    };

    void ReaderLoop();
    void StopReaders();
    // Under the lock: plans the next batch into slot; false when nothing is left.
    bool Claim(Batch& batch);
    // Reads what the batch's pieces name, outside the lock.
    void Fill(Batch& batch, class DiskFileOpener& opener);
    Batch& SlotOf(std::uint64_t sequence) { return slots_[sequence % slots_.size()]; }
    bool AtEnd() const { return folder_ == folders_.size(); }

    const std::vector<const RezFolder*> folders_;
    const bool hasSource_;
    BinaryFile& source_;
    const bool storedInKernel_;

    std::mutex mutex_;
    std::condition_variable filled_;  // a batch was filled
    std::condition_variable freed_;   // the writer is done with a batch
    std::vector<Batch> slots_;
    std::uint64_t claimed_ = 0;   // batches planned so far
    std::uint64_t consumed_ = 0;  // batches the writer is done with
    bool stopping_ = false;
    // Where planning stands: the folder, the entry in it, and how much of a large entry's
    // data earlier batches took (with the file they read it from).
    std::size_t folder_ = 0;
    EntryList::const_iterator entry_;
    std::uint32_t entryOffset_ = 0;
    std::shared_ptr<OpenedFile> entryFile_;

    Batch* current_ = nullptr;  // the writer's batch
    std::vector<std::thread> readers_;
};
