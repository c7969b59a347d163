#pragma once
// ResourceModule for tests: modules are maps of string blocks by block and language, kept
// in memory under their paths, with failures that can be switched on.
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "stringedit/ResourceModule.h"
#include "stringedit/StringBlock.h"

class MemoryResourceModule : public ResourceModule {
  public:
    using Blocks = std::map<std::pair<int, uint16_t>, std::vector<uint8_t>>;  // (block, lang)

    std::map<std::string, Blocks> files;
    std::set<std::string> locked;  // cannot be opened for update
    int failingBlock = 0;          // UpdateStringBlock of this block fails
    bool failCommit = false;
    int opened = 0;  // Open calls not yet matched by Close

    // Puts strings (id, UTF-16 text) into file path in the given language.
    void AddStrings(const std::string& path, uint16_t language,
                    const std::vector<std::pair<int, std::u16string>>& strings) {
        std::map<int, ::StringBlock> blocks;
        for (const auto& [id, text] : strings) {
            const int b = BlockOfId(id);
            auto old = files[path].find({b, language});
            if (!blocks.count(b) && old != files[path].end()) {
                blocks[b] = DecodeStringBlock(old->second);
            }
            blocks[b][id % kStringsPerBlock] = text;
        }
        for (const auto& [b, block] : blocks)
            EncodeStringBlock(block, files[path][{b, language}]);
    }

    // The strings of path's block holding id in language, decoded.
    std::u16string StringOf(const std::string& path, uint16_t language, int id) const {
        const Blocks& blocks = files.at(path);
        auto it = blocks.find({BlockOfId(id), language});
        return it == blocks.end() ? std::u16string() : DecodeStringBlock(it->second)[id % 16];
    }

    bool Open(const std::string& path) override {
        if (!files.count(path))
            return false;
        current_ = path;
        ++opened;
        return true;
    }
    // English first, then any other language, like the loader's own choice.
    bool StringBlock(int block, std::vector<uint8_t>& bytes) override {
        const Blocks& blocks = files.at(current_);
        auto it = blocks.find({block, kEnglishUnitedStates});
        if (it == blocks.end()) {
            it = blocks.lower_bound({block, 0});
            if (it == blocks.end() || it->first.first != block)
                return false;
        }
        bytes = it->second;
        return true;
    }
    void Close() override { --opened; }

    bool BeginUpdate(const std::string& path) override {
        if (!files.count(path) || locked.count(path))
            return false;
        current_ = path;
        pending_ = files[path];
        return true;
    }
    bool UpdateStringBlock(int block, uint16_t language,
                           const std::vector<uint8_t>& bytes) override {
        if (block == failingBlock)
            return false;
        pending_[{block, language}] = bytes;
        return true;
    }
    bool EndUpdate(bool commit) override {
        if (!commit || failCommit)
            return false;
        files[current_] = pending_;
        return true;
    }

  private:
    std::string current_;
    Blocks pending_;
};
