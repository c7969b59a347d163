#pragma once
// The description and key values an entry record may carry after its base name. This
// program writes none for the entries it adds, but archives made by other tools may hold
// them, and a save must give them back unchanged. Few entries have any, so one without costs
// a null pointer.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class EntryExtras {
  public:
    EntryExtras() = default;
    // Holds nothing when both are empty.
    EntryExtras(std::string_view description, std::span<const std::uint32_t> keys);
    EntryExtras(const EntryExtras& other);
    EntryExtras(EntryExtras&&) noexcept = default;
    EntryExtras& operator=(EntryExtras other) noexcept;

    bool empty() const { return !data_; }
    std::string_view Description() const;
    std::span<const std::uint32_t> Keys() const;

  private:
    struct Data {
        std::string description;
        std::vector<std::uint32_t> keys;
    };
    std::unique_ptr<const Data> data_;
};
