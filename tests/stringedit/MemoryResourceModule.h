#pragma once
// ResourceModule for tests: modules are maps of string blocks by block and language, kept
// in memory under their paths, with failures that can be switched on.
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "stringedit/ResourceModule.h"
#include "support/StringBlockBytes.h"

class MemoryResourceModule : public ResourceModule {
  public:
    using Blocks = std::map<std::pair<int, uint16_t>, std::vector<uint8_t>>;  // (block, lang)

    std::map<std::string, Blocks> files;
    std::set<std::string> locked;  // cannot be opened for update
    int failingBlock = 0;          // UpdateStringBlock of this block fails
    bool failCommit = false;
    int opened = 0;  // Open calls not yet matched by Close

    // Puts strings (id, UTF-16 text) into file path in the given language. The blocks are laid
    // out by the support library, not by the editor's codec under test.
    void AddStrings(const std::string& path, uint16_t language,
                    const std::vector<std::pair<int, std::u16string>>& strings) {
        for (const auto& [id, text] : strings) {
            std::vector<uint8_t>& bytes = files[path][{Block(id), language}];
            std::map<int, std::u16string> block = support::StringsOfBlock(bytes);
            block[id % support::kStringsInBlock] = text;
            bytes = support::StringBlockBytes(block);
        }
    }

    // The string id of path in language, read by the support library; empty when absent.
    std::u16string StringOf(const std::string& path, uint16_t language, int id) const {
        const Blocks& blocks = files.at(path);
        auto it = blocks.find({Block(id), language});
        if (it == blocks.end())
            return {};
        const std::map<int, std::u16string> block = support::StringsOfBlock(it->second);
        auto text = block.find(id % support::kStringsInBlock);
        return text == block.end() ? std::u16string() : text->second;
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
    // Block b holds identifiers (b - 1) * 16 to (b - 1) * 16 + 15.
    static int Block(int id) { return id / support::kStringsInBlock + 1; }

    std::string current_;
    Blocks pending_;
};
