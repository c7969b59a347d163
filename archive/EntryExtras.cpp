#include "archive/EntryExtras.h"

EntryExtras::EntryExtras(std::string_view description, std::span<const std::uint32_t> keys) {
    if (!description.empty() || !keys.empty())
        data_.reset(new Data{std::string(description), {keys.begin(), keys.end()}});
}

EntryExtras::EntryExtras(const EntryExtras& other)
    : data_(other.data_ ? new Data(*other.data_) : nullptr) {}

EntryExtras& EntryExtras::operator=(EntryExtras other) noexcept {
    data_.swap(other.data_);
    return *this;
}

std::string_view EntryExtras::Description() const {
    return data_ ? std::string_view(data_->description) : std::string_view();
}

std::span<const std::uint32_t> EntryExtras::Keys() const {
    return data_ ? std::span<const std::uint32_t>(data_->keys) : std::span<const std::uint32_t>();
}
