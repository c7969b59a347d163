#pragma once
// The texture pictures the file list has made, kept per entry within a byte budget: the
// least recently shown go first. Each picture lives in a numbered slot of the window's image
// list, which an evicted picture hands on to the next.
#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct RezEntry;

// An entry and where its data lies: a save that moves the data, or an entry given other data,
// no longer matches the picture made before.
struct PictureKey {
    std::uint64_t serial = 0;
    std::uint32_t dataPosition = 0;
    std::uint32_t size = 0;
    std::uint32_t time = 0;
    std::string diskSource;  // for an entry not stored yet

    bool operator==(const PictureKey&) const = default;
};

PictureKey PictureKeyOf(const RezEntry& entry);

class PictureCache {
  public:
    static constexpr int kNoPicture = -1;  // a texture known to be damaged
    // What a damaged texture's record counts against the budget.
    static constexpr std::size_t kRecordBytes = 64;

    // pictureBytes: what one picture costs; budgetBytes holds at least one.
    PictureCache(std::size_t budgetBytes, std::size_t pictureBytes);

    // The slot of key's picture or kNoPicture, and it becomes the most recently shown;
    // nothing when no picture of the key's data is kept.
    std::optional<int> Find(const PictureKey& key);
    // Keeps a picture for key and returns the slot to draw it into.
    int Store(const PictureKey& key);
    // Remembers that key's texture gives no picture.
    void StoreDamaged(const PictureKey& key);
    void Clear();

    std::size_t UsedBytes() const { return used_; }
    // Slots ever given out; never more than the budget holds.
    int SlotCount() const { return slotCount_; }

  private:
    struct Record {
        PictureKey key;
        int slot;
    };
    void Keep(const PictureKey& key, int slot);
    void Forget(std::list<Record>::iterator record);
    std::size_t CostOf(const Record& record) const;

    std::size_t budget_;
    std::size_t pictureBytes_;
    std::size_t used_ = 0;
    std::list<Record> recent_;  // most recently shown first
    std::unordered_map<std::uint64_t, std::list<Record>::iterator> bySerial_;
    std::vector<int> freeSlots_;
    int slotCount_ = 0;
};
