#include "app/FolderReadAhead.h"

#include <algorithm>
#include <numeric>
#include <system_error>
#include <utility>

#include "platform/TextCase.h"

namespace {

// In name order without regard to case, as Windows file systems list a folder: the same
// folder then makes the same archive everywhere, whatever order a disk keeps its names in.
// Items of equal names keep the order they were listed in.
void SortByName(std::vector<DirectoryItem>& items) {
    std::vector<std::string> keys;
    keys.reserve(items.size());
    for (const DirectoryItem& item : items)
        keys.push_back(UpperCase(item.name));
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = keys[a].compare(keys[b]);
        return compared < 0 || (compared == 0 && a < b);
    });
    std::vector<DirectoryItem> sorted;
    sorted.reserve(items.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(items[index]));
    items = std::move(sorted);
}

}  // namespace

FolderReadAhead::Folder::~Folder() {
    if (!node_)
        return;
    std::lock_guard lock(owner_->mutex_);
    owner_->Drop(*node_);
    if (owner_->helperWaiting_)
        owner_->helperWake_.notify_one();  // there may be room now
}

FolderReadAhead::FolderReadAhead(const std::string& root, Lister lister, std::size_t itemsAhead)
    : lister_(std::move(lister)),
      itemsAhead_(std::max<std::size_t>(itemsAhead, 1)),
      root_(std::make_shared<Node>()) {
    root_->path = root;
    try {
        helper_ = std::thread([this] { HelperLoop(); });
    } catch (const std::system_error&) {
        // Without a helper every folder is listed when it is taken, as it would be anyway.
    }
}

FolderReadAhead::~FolderReadAhead() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    helperWake_.notify_one();
    if (helper_.joinable())
        helper_.join();
}

FolderReadAhead::Folder FolderReadAhead::Root() {
    return Folder(*this, root_);
}

FolderReadAhead::Folder FolderReadAhead::Subfolder(const Listing& listing, std::size_t index) {
    return Folder(*this, listing.subfolders[index]);
}

const FolderReadAhead::Listing& FolderReadAhead::Take(const Folder& folder) {
    std::unique_lock lock(mutex_);
    Node& node = *folder.node_;
    if (node.state == State::Waiting) {
        node.state = State::Listing;
        List(node, lock);
    }
    while (node.state == State::Listing) {
        // The helper has it under way: list what comes next rather than wait idle.
        if (const std::shared_ptr<Node> next = NextToReadAhead()) {
            List(*next, lock);
            continue;
        }
        takerWaiting_ = true;
        listed_.wait(lock);
        takerWaiting_ = false;
    }
    listedItems_ -= node.listing.items.size() + 1;
    node.state = State::Taken;
    if (helperWaiting_)
        helperWake_.notify_one();
    if (node.failure)
        std::rethrow_exception(node.failure);
    return node.listing;
}

void FolderReadAhead::HelperLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        std::shared_ptr<Node> node;
        helperWaiting_ = true;
        helperWake_.wait(lock, [&] { return stopping_ || (node = NextToReadAhead()) != nullptr; });
        helperWaiting_ = false;
        if (stopping_)
            return;
        List(*node, lock);
    }
}

std::shared_ptr<FolderReadAhead::Node> FolderReadAhead::NextToReadAhead() {
    if (listedItems_ >= itemsAhead_)
        return nullptr;
    while (!stack_.empty()) {
        std::shared_ptr<Node> node = std::move(stack_.back());
        stack_.pop_back();
        if (node->state == State::Waiting) {
            node->state = State::Listing;
            return node;
        }
    }
    return nullptr;
}

void FolderReadAhead::List(Node& node, std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    Listing listing;
    std::exception_ptr failure;
    try {
        lister_(node.path, listing.items);
        SortByName(listing.items);
        for (const DirectoryItem& item : listing.items) {
            if (!item.isDirectory)
                continue;
            auto subfolder = std::make_shared<Node>();
            subfolder->path = JoinPath(node.path, item.name);
            subfolder->readAhead = !item.isLink;  // it may lead back up: only if visited
            listing.subfolders.push_back(std::move(subfolder));
        }
    } catch (...) {
        failure = std::current_exception();
        listing = {};
    }
    lock.lock();
    if (node.state == State::Dropped)
        return;  // passed over while it was listed
    node.listing = std::move(listing);
    node.failure = failure;
    node.state = State::Listed;
    listedItems_ += node.listing.items.size() + 1;
    // Visited next, depth first: on top, the first one uppermost.
    bool pushed = false;
    for (auto it = node.listing.subfolders.rbegin(); it != node.listing.subfolders.rend(); ++it) {
        if ((*it)->readAhead) {
            stack_.push_back(*it);
            pushed = true;
        }
    }
    if (takerWaiting_)
        listed_.notify_one();
    if (pushed && helperWaiting_)
        helperWake_.notify_one();
}

void FolderReadAhead::Drop(Node& node) {
    if (node.state == State::Listed)
        listedItems_ -= node.listing.items.size() + 1;
    for (const std::shared_ptr<Node>& subfolder : node.listing.subfolders)
        Drop(*subfolder);
    node.state = State::Dropped;
    node.listing = {};
}
