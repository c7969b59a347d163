#include "browser/PictureCache.h"

#include <algorithm>

#include "archive/RezTree.h"

PictureKey PictureKeyOf(const RezEntry& entry) {
    PictureKey key{entry.serial.Value(), entry.dataPosition, entry.size, entry.time, {}};
    if (entry.dataPosition == 0)
        key.diskSource = DiskSourceOf(entry).str();
    return key;
}

PictureCache::PictureCache(std::size_t budgetBytes, std::size_t pictureBytes)
    : budget_(std::max(budgetBytes, pictureBytes)), pictureBytes_(pictureBytes) {}

std::optional<int> PictureCache::Find(const PictureKey& key) {
    const auto found = bySerial_.find(key.serial);
    if (found == bySerial_.end())
        return std::nullopt;
    if (!(found->second->key == key)) {
        Forget(found->second);
        return std::nullopt;
    }
    recent_.splice(recent_.begin(), recent_, found->second);
    return found->second->slot;
}

int PictureCache::Store(const PictureKey& key) {
    if (const auto found = bySerial_.find(key.serial); found != bySerial_.end())
        Forget(found->second);
    // Evict before taking a slot, so that the slots never outnumber what the budget holds.
    while (!recent_.empty() && used_ + pictureBytes_ > budget_)
        Forget(std::prev(recent_.end()));
    int slot = slotCount_;
    if (freeSlots_.empty()) {
        ++slotCount_;
    } else {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    }
    Keep(key, slot);
    return slot;
}

void PictureCache::StoreDamaged(const PictureKey& key) {
    if (const auto found = bySerial_.find(key.serial); found != bySerial_.end())
        Forget(found->second);
    while (!recent_.empty() && used_ + kRecordBytes > budget_)
        Forget(std::prev(recent_.end()));
    Keep(key, kNoPicture);
}

void PictureCache::Clear() {
    while (!recent_.empty())
        Forget(recent_.begin());
}

void PictureCache::Keep(const PictureKey& key, int slot) {
    recent_.push_front(Record{key, slot});
    bySerial_[key.serial] = recent_.begin();
    used_ += CostOf(recent_.front());
}

void PictureCache::Forget(std::list<Record>::iterator record) {
    if (record->slot != kNoPicture)
        freeSlots_.push_back(record->slot);
    used_ -= CostOf(*record);
    bySerial_.erase(record->key.serial);
    recent_.erase(record);
}

std::size_t PictureCache::CostOf(const Record& record) const {
    return record.slot == kNoPicture ? kRecordBytes : pictureBytes_;
}
