#pragma once
// Room for the nodes of many lists in a few large blocks: an index of 200,000 entries makes
// 200,000 list nodes, and one heap block each costs a call to the allocator and its per-block
// overhead. Nodes of one size only; a freed node is reused by the next one made, and the blocks
// go back to the heap when the last node is freed. Not thread-safe: a pool serves one folder
// list, which one thread works on at a time.
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

class NodePool {
  public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    // The first node asked for sets the size the pool serves.
    void* Allocate(std::size_t size);
    void Free(void* node) noexcept;
    // Whether nodes of this size and alignment come from the pool; other sizes are the caller's.
    bool Serves(std::size_t size, std::size_t alignment) const noexcept {
        return alignment <= alignof(std::max_align_t) && (nodeSize_ == 0 || size == nodeSize_);
    }
    std::size_t NodesInUse() const noexcept { return inUse_; }
    std::size_t BlockCount() const noexcept { return blocks_.size(); }

    static constexpr std::size_t kNodesPerBlock = 1024;

  private:
    struct FreeNode {
        FreeNode* next;
    };
    std::vector<std::unique_ptr<std::byte[]>> blocks_;  // the last one is being filled
    std::size_t nodeSize_ = 0;
    std::size_t filled_ = kNodesPerBlock;  // nodes handed out of the last block
    FreeNode* freed_ = nullptr;
    std::size_t inUse_ = 0;
};

// A standard allocator drawing single nodes from a NodePool, for node-based containers such
// as std::list, whose nodes then never move while the pool lives. Containers sharing one pool
// compare equal, so nodes may be spliced between them.
template <typename T>
class PoolAllocator {
  public:
    using value_type = T;

    explicit PoolAllocator(NodePool& pool) noexcept : pool_(&pool) {}
    template <typename U>
    PoolAllocator(const PoolAllocator<U>& other) noexcept : pool_(other.pool_) {}

    T* allocate(std::size_t count) {
        if (count == 1 && pool_->Serves(sizeof(T), alignof(T)))
            return static_cast<T*>(pool_->Allocate(sizeof(T)));
        return std::allocator<T>().allocate(count);
    }
    void deallocate(T* node, std::size_t count) noexcept {
        if (count == 1 && pool_->Serves(sizeof(T), alignof(T)))
            pool_->Free(node);
        else
            std::allocator<T>().deallocate(node, count);
    }

    template <typename U>
    friend bool operator==(const PoolAllocator& a, const PoolAllocator<U>& b) noexcept {
        return a.pool_ == b.pool_;
    }

  private:
    template <typename U>
    friend class PoolAllocator;
    NodePool* pool_;
};
