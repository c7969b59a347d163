#pragma once
// The listings of a folder tree being added, read on a helper thread ahead of the thread that
// adds them, in the order that thread visits the folders: depth first, each folder's items in
// name order without regard to case. The adding thread takes a folder's listing when it gets
// there, or drops a folder it passes over, with everything below it; a folder is listed at
// most once, by whichever thread gets to it first, so the adding thread waits only for a
// listing the helper has under way and that it takes. Only a bounded number of items is
// listed ahead, and the helper ends with the read-ahead.
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/filesystem/FileSystem.h"

class FolderReadAhead {
    struct Node;

  public:
    // Lists a folder as ListDirectory does.
    using Lister = std::function<bool(const std::string& path, std::vector<DirectoryItem>& items)>;

    // A folder's items in name order, and one folder handle for each directory among them.
    struct Listing {
        std::vector<DirectoryItem> items;
        std::vector<std::shared_ptr<Node>> subfolders;
    };

    // A folder still to be visited; dropped with everything below it when the handle ends.
    class Folder {
      public:
        Folder(FolderReadAhead& owner, std::shared_ptr<Node> node)
            : owner_(&owner), node_(std::move(node)) {}
        Folder(Folder&& other) noexcept = default;
        Folder& operator=(Folder&&) = delete;
        ~Folder();

      private:
        friend class FolderReadAhead;
        FolderReadAhead* owner_;
        std::shared_ptr<Node> node_;
    };

    // Reads nothing yet: the root is listed when it is taken. itemsAhead bounds the items
    // listed and not taken (one folder more may be under way on each thread).
    explicit FolderReadAhead(const std::string& root, Lister lister = ListDirectory,
                             std::size_t itemsAhead = 4096);
    // Ends the helper once its listing under way is done.
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    Folder Root();
    // The handle of the index-th directory item of a listing taken.
    Folder Subfolder(const Listing& listing, std::size_t index);
    // The folder's listing (empty when it cannot be read), valid while the handle lives; the
    // subfolders are read ahead from here on. Rethrows what ended the listing. Once only.
    const Listing& Take(const Folder& folder);

  private:
    enum class State { Waiting, Listing, Listed, Taken, Dropped };
    struct Node {
        std::string path;
        bool readAhead = false;  // false: listed only when taken (the root, a link)
        State state = State::Waiting;
        Listing listing;
        std::exception_ptr failure;
    };

    void HelperLoop();
    // The next folder to read ahead, or null; the lock is held.
    std::shared_ptr<Node> NextToReadAhead();
    // Lists a folder claimed by this thread, without the lock, and records the outcome.
    void List(Node& node, std::unique_lock<std::mutex>& lock);
    void Drop(Node& node);

    const Lister lister_;
    const std::size_t itemsAhead_;
    std::shared_ptr<Node> root_;
    std::mutex mutex_;
    std::condition_variable helperWake_, listed_;
    // Folders to read ahead, the next on top; some may have been taken or dropped since.
    std::vector<std::shared_ptr<Node>> stack_;
    std::size_t listedItems_ = 0;  // in listings made ahead and not yet taken
    bool helperWaiting_ = false, takerWaiting_ = false, stopping_ = false;
    std::thread helper_;
};
