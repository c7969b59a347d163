#include "archive/EntryFeed.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "archive/DiskFileOpener.h"

namespace {

constexpr std::size_t kBatchBytes = 256 * 1024;
constexpr std::size_t kBatchPieces = 256;

}  // namespace

// The disk file of a new entry, opened by whichever reader needs it first: the pieces of a
// large entry may be read by several at once.
struct EntryFeed::OpenedFile {
    std::once_flag once;
    BinaryFile file;
    bool opened = false;
};

unsigned EntryFeed::DefaultThreads() {
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

EntryFeed::EntryFeed(std::vector<const RezFolder*> folders, bool hasSource, BinaryFile& source,
                     bool copyStoredInKernel, unsigned threads)
    : folders_(std::move(folders)),
      hasSource_(hasSource),
      source_(source),
      storedInKernel_(copyStoredInKernel),
      slots_(std::max(threads, 1u) + 2) {
    for (Batch& batch : slots_) {
        batch.pieces.reserve(kBatchPieces);
        batch.files.reserve(kBatchPieces);
    }
    // The first folder with entries; folders without any have no data.
    while (!AtEnd() && folders_[folder_]->entries.empty())
        ++folder_;
    if (!AtEnd())
        entry_ = folders_[folder_]->entries.begin();
    try {
        for (unsigned i = 0; i < std::max(threads, 1u); ++i)
            readers_.emplace_back([this] { ReaderLoop(); });
    } catch (...) {
        StopReaders();
        throw;
    }
}

EntryFeed::~EntryFeed() {
    StopReaders();
}

void EntryFeed::StopReaders() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    freed_.notify_all();
    for (std::thread& reader : readers_)
        reader.join();
    readers_.clear();
}

bool EntryFeed::Claim(Batch& batch) {
    batch.pieces.clear();
    batch.files.clear();
    batch.used = 0;
    batch.filled = false;
    batch.failure = nullptr;
    batch.taken = 0;
    batch.sequence = claimed_;
    if (!batch.bytes)
        batch.bytes.reset(new char[kBatchBytes]);
    while (!AtEnd() && batch.pieces.size() < kBatchPieces) {
        const RezEntry& entry = *entry_;
        EntryPiece piece;
        piece.entry = &entry;
        std::shared_ptr<OpenedFile> file;
        const bool stored = entry.dataPosition != 0 && hasSource_;
        if (stored && !source_.IsOpen()) {
            piece.kind = EntryPiece::Kind::SourceMissing;
        } else if (stored && storedInKernel_) {
            piece.kind = EntryPiece::Kind::FromSource;
            piece.offset = entry.dataPosition;
            piece.length = entry.size;
        } else {
            const std::uint32_t left = entry.size - entryOffset_;
            const std::size_t room = kBatchBytes - batch.used;
            // What does not fit waits for a fresh batch; an entry larger than one comes in
            // pieces of a whole batch each.
            if (left > room && batch.used > 0)
                break;
            piece.length = static_cast<std::uint32_t>(std::min<std::size_t>(left, room));
            piece.offset = (stored ? entry.dataPosition : 0) + std::uint64_t{entryOffset_};
            piece.bytes = batch.bytes.get() + batch.used;
            piece.last = piece.length == left;
            batch.used += piece.length;
            if (!stored) {
                if (!entryFile_)
                    entryFile_ = std::make_shared<OpenedFile>();
                file = entryFile_;
            }
        }
        batch.pieces.push_back(piece);
        batch.files.push_back(std::move(file));
        if (!piece.last) {
            entryOffset_ += piece.length;
            break;  // the batch is full
        }
        entryOffset_ = 0;
        entryFile_.reset();
        if (++entry_ == folders_[folder_]->entries.end()) {
            do {
                ++folder_;
            } while (!AtEnd() && folders_[folder_]->entries.empty());
            if (!AtEnd())
                entry_ = folders_[folder_]->entries.begin();
        }
    }
    if (batch.pieces.empty())
        return false;
    ++claimed_;
    return true;
}

void EntryFeed::Fill(Batch& batch, DiskFileOpener& opener) {
    for (std::size_t i = 0; i < batch.pieces.size(); ++i) {
        EntryPiece& piece = batch.pieces[i];
        if (piece.kind != EntryPiece::Kind::Bytes)
            continue;
        char* bytes = batch.bytes.get() + (piece.bytes - batch.bytes.get());  // ours to fill
        std::size_t got = 0;
        if (const std::shared_ptr<OpenedFile> file = std::move(batch.files[i])) {
            // Only the pieces of a large entry share their file; pthread_once would wake
            // waiters through the kernel for every small one.
            if (piece.offset == 0 && piece.last) {
                file->opened = opener.Open(DiskSourceOf(*piece.entry), file->file);
            } else {
                std::call_once(file->once, [&] {
                    file->opened = opener.Open(DiskSourceOf(*piece.entry), file->file);
                });
            }
            if (!file->opened) {
                piece.kind = EntryPiece::Kind::Unreadable;
                continue;
            }
            got = file->file.ReadAt(piece.offset, bytes, piece.length);
        } else {
            got = source_.ReadAt(piece.offset, bytes, piece.length);
            if (got < piece.length)
                piece.kind = EntryPiece::Kind::SourceShort;
        }
        // A disk file that shrank since it was added gives zeros for what it lost.
        std::memset(bytes + got, 0, piece.length - got);
    }
}

void EntryFeed::ReaderLoop() {
    DiskFileOpener opener;
    for (;;) {
        Batch* batch = nullptr;
        {
            std::unique_lock lock(mutex_);
            freed_.wait(
                lock, [&] { return stopping_ || AtEnd() || claimed_ - consumed_ < slots_.size(); });
            if (stopping_ || AtEnd())
                return;
            batch = &SlotOf(claimed_);
            try {
                if (!Claim(*batch))
                    return;
            } catch (...) {
                // Nothing more can be planned: the writer learns why at this batch.
                batch->failure = std::current_exception();
                batch->filled = true;
                ++claimed_;
                folder_ = folders_.size();
                filled_.notify_all();
                return;
            }
        }
        try {
            Fill(*batch, opener);
        } catch (...) {
            batch->failure = std::current_exception();
        }
        {
            std::lock_guard lock(mutex_);
            batch->filled = true;
        }
        filled_.notify_all();
    }
}

const EntryPiece& EntryFeed::Next() {
    if (!current_ || current_->taken == current_->pieces.size()) {
        std::unique_lock lock(mutex_);
        if (current_) {
            current_ = nullptr;
            ++consumed_;
            freed_.notify_all();
        }
        if (consumed_ >= claimed_ && AtEnd())
            throw std::logic_error("more entry data asked for than the save has");
        Batch& batch = SlotOf(consumed_);
        filled_.wait(lock, [&] { return batch.sequence == consumed_ && batch.filled; });
        current_ = &batch;
        if (batch.failure)
            std::rethrow_exception(batch.failure);
    }
    return current_->pieces[current_->taken++];
}
