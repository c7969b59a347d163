#include "archive/NodePool.h"

void* NodePool::Allocate(std::size_t size) {
    void* node;
    if (freed_) {
        node = freed_;
        freed_ = freed_->next;
    } else {
        if (filled_ == kNodesPerBlock) {
            // Not zeroed: a page is touched only when a node on it is made.
            blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(kNodesPerBlock * size));
            filled_ = 0;
        }
        node = blocks_.back().get() + filled_++ * size;
    }
    nodeSize_ = size;
    ++inUse_;
    return node;
}

void NodePool::Free(void* node) noexcept {
    if (--inUse_ == 0) {
        blocks_.clear();
        filled_ = kNodesPerBlock;
        freed_ = nullptr;
        return;
    }
    freed_ = new (node) FreeNode{freed_};
}
