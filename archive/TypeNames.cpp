#include "archive/TypeNames.h"

#include <atomic>
#include <cstring>
#include <mutex>
#include <ostream>
#include <vector>

#include "platform/ShellTypeName.h"
#include "platform/TextCase.h"

namespace {

// The shared type names. A name is found by its text when it is given to an entry and by its
// index when it is shown; a slot whose last reference goes is free for another name. Slots
// never move, so a name's text may be read without the lock by whoever holds a reference.
class TypeNameTable {
  public:
    static TypeNameTable& Instance() {
        // Never destroyed: entries in static storage may outlive any other object.
        static TypeNameTable* const table = new TypeNameTable;
        return *table;
    }

    // The index of the text with one reference more; 0 for the empty text, and when the
    // table is full.
    std::uint32_t Intern(std::string_view text) {
        if (text.empty())
            return 0;
        std::lock_guard lock(mutex_);
        if (auto found = byText_.find(text); found != byText_.end()) {
            SlotAt(found->second).references.fetch_add(1, std::memory_order_relaxed);
            return found->second;
        }
        const std::uint32_t index = TakeFreeSlot();
        if (index == 0)
            return 0;
        Slot& slot = SlotAt(index);
        slot.text.assign(text);
        slot.live = true;
        slot.references.store(1, std::memory_order_relaxed);
        byText_.emplace(slot.text, index);
        return index;
    }

    void AddReference(std::uint32_t index) {
        if (index)
            SlotAt(index).references.fetch_add(1, std::memory_order_relaxed);
    }

    void Release(std::uint32_t index) {
        if (!index || SlotAt(index).references.fetch_sub(1, std::memory_order_acq_rel) != 1)
            return;
        std::lock_guard lock(mutex_);
        Slot& slot = SlotAt(index);
        // Someone may have found the name again, or freed it, since the count reached 0.
        if (!slot.live || slot.references.load(std::memory_order_relaxed) != 0)
            return;
        byText_.erase(slot.text);
        slot.live = false;
        std::string().swap(slot.text);
        free_.push_back(index);
    }

    const std::string& Text(std::uint32_t index) {
        static const std::string kEmpty;
        return index ? SlotAt(index).text : kEmpty;
    }

  private:
    struct Slot {
        std::string text;
        std::atomic<std::uint32_t> references{0};
        bool live = false;  // under the lock
    };
    static constexpr std::uint32_t kBlockSize = 1024;
    static constexpr std::uint32_t kBlocks = 4096;

    Slot& SlotAt(std::uint32_t index) {
        return blocks_[index / kBlockSize].load(std::memory_order_acquire)[index % kBlockSize];
    }

    // Under the lock.
    std::uint32_t TakeFreeSlot() {
        if (!free_.empty()) {
            const std::uint32_t index = free_.back();
            free_.pop_back();
            return index;
        }
        if (next_ == kBlockSize * kBlocks)
            return 0;
        const std::uint32_t index = next_++;
        std::atomic<Slot*>& block = blocks_[index / kBlockSize];
        if (!block.load(std::memory_order_relaxed))
            block.store(new Slot[kBlockSize], std::memory_order_release);
        return index;
    }

    std::mutex mutex_;
    std::atomic<Slot*> blocks_[kBlocks] = {};
    std::unordered_map<std::string_view, std::uint32_t> byText_;  // views of the slots' texts
    std::vector<std::uint32_t> free_;
    std::uint32_t next_ = 1;  // slot 0 stands for the empty name
};

}  // namespace

TypeCode& TypeCode::operator=(std::string_view text) {
    std::memset(code_, 0, sizeof code_);
    if (!text.empty() && text.size() <= sizeof code_ && text.find('\0') == std::string_view::npos)
        std::memcpy(code_, text.data(), text.size());
    return *this;
}

std::size_t TypeCode::size() const {
    std::size_t length = 0;
    while (length < sizeof code_ && code_[length] != '\0')
        ++length;
    return length;
}

std::ostream& operator<<(std::ostream& out, const TypeCode& code) {
    return out << code.View();
}

TypeNameRef::TypeNameRef(const TypeNameRef& other) noexcept : index_(other.index_) {
    TypeNameTable::Instance().AddReference(index_);
}

TypeNameRef& TypeNameRef::operator=(const TypeNameRef& other) noexcept {
    TypeNameTable::Instance().AddReference(other.index_);
    TypeNameTable::Instance().Release(index_);
    index_ = other.index_;
    return *this;
}

TypeNameRef& TypeNameRef::operator=(TypeNameRef&& other) noexcept {
    if (this != &other) {
        TypeNameTable::Instance().Release(index_);
        index_ = other.index_;
        other.index_ = 0;
    }
    return *this;
}

TypeNameRef::~TypeNameRef() {
    TypeNameTable::Instance().Release(index_);
}

TypeNameRef& TypeNameRef::operator=(std::string_view text) {
    TypeNameTable& table = TypeNameTable::Instance();
    const std::uint32_t index = table.Intern(text);
    table.Release(index_);
    index_ = index;
    return *this;
}

const std::string& TypeNameRef::str() const {
    return TypeNameTable::Instance().Text(index_);
}

std::ostream& operator<<(std::ostream& out, const TypeNameRef& name) {
    return out << name.str();
}

std::string TypeCodeOf(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const size_t length = name.size() - dot - 1;
    return (length >= 1 && length <= 4) ? std::string(name.substr(dot + 1)) : std::string();
}

std::string_view NameExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    const size_t slash = name.rfind('\\');
    if (slash != std::string_view::npos && dot < slash)
        return {};
    return name.substr(dot + 1);
}

std::string RenamedTypeCodeOf(std::string_view name) {
    const std::string_view extension = NameExtension(name);
    return extension.size() <= 4 ? std::string(extension) : std::string();
}

std::string TypeNameFor(const std::string& typeCode, const std::string& name) {
    static const struct {
        const char* code;
        const char* name;
    } kEngineTypes[] = {{"ABC", "3D Model"},
                        {"DAT", "World Data"},
                        {"DTX", "Texture"},
                        {"LTO", "Module"},
                        {"SPR", "Sprite"}};
    for (const auto& known : kEngineTypes)
        if (EqualNoCase(typeCode, known.code))
            return known.name;
    return ShellTypeName(name);
}

const TypeNameRef& TypeNameCache::For(std::string_view typeCode, std::string_view name) {
    // The type name follows the type code and, for codes the engine does not know, the
    // name's extension: both make the key (one extension may come with different codes).
    std::string key(typeCode);
    key.push_back('\0');
    const size_t dot = name.rfind('.');
    if (dot != std::string_view::npos)
        key.append(name.substr(dot));
    auto found = names_.find(key);
    if (found == names_.end()) {
        TypeNameRef typeName;
        typeName = TypeNameFor(std::string(typeCode), std::string(name));
        found = names_.emplace(std::move(key), std::move(typeName)).first;
    }
    return found->second;
}
