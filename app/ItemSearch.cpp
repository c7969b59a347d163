#include "app/ItemSearch.h"

#include <algorithm>

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The length of the character at i: 2 for a double-byte one, 1 otherwise (also for a lead
// byte cut off at the end).
std::size_t CharLength(std::string_view text, std::size_t i, LeadByteTest isLeadByte) {
    return isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

bool CharMatches(std::string_view pattern, std::size_t p, std::size_t patternLength,
                 std::string_view text, std::size_t t, std::size_t textLength) {
    if (pattern[p] == '?')
        return true;
    if (patternLength != textLength)
        return false;
    if (patternLength == 2)
        return pattern.substr(p, 2) == text.substr(t, 2);
    if (IsSeparator(pattern[p]))
        return IsSeparator(text[t]);
    return AsciiUpper(pattern[p]) == AsciiUpper(text[t]);
}

struct Pattern {
    std::string_view text;
    bool byPath = false;
    bool foldersOnly = false;
};

Pattern ParsePattern(std::string_view text) {
    Pattern pattern;
    pattern.byPath = std::any_of(text.begin(), text.end(), IsSeparator);
    while (!text.empty() && IsSeparator(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSeparator(text.back())) {
        text.remove_suffix(1);
        pattern.foldersOnly = true;
    }
    pattern.text = text;
    return pattern;
}

// The entry's shown name without a copy where the name is in one piece.
std::string_view EntryNameOf(const RezEntry& entry, std::string& scratch) {
    if (entry.dataPosition == 0)
        return entry.name.FileName();
    if (entry.name.FolderPart().empty())
        return entry.name.OwnPart();
    scratch = entry.name.str();
    return scratch;
}

class Matcher {
  public:
    Matcher(const std::vector<std::string>& patterns, LeadByteTest isLeadByte)
        : isLeadByte_(isLeadByte) {
        for (const std::string& text : patterns) {
            patterns_.push_back(ParsePattern(text));
            anyByPath_ = anyByPath_ || patterns_.back().byPath;
        }
    }

    bool AnyByPath() const { return anyByPath_; }

    // path: the item's path below the root, when some pattern needs it.
    bool Matches(std::string_view name, std::string_view path, bool isFolder) const {
        return std::any_of(patterns_.begin(), patterns_.end(), [&](const Pattern& pattern) {
            return (isFolder || !pattern.foldersOnly) &&
                   WildcardMatch(pattern.text, pattern.byPath ? path : name, isLeadByte_);
        });
    }

  private:
    LeadByteTest isLeadByte_;
    std::vector<Pattern> patterns_;
    bool anyByPath_ = false;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view text, LeadByteTest isLeadByte) {
    // Greedy, going back only to the last '*': a later '*' covers whatever an earlier one
    // would have taken.
    constexpr std::size_t kNoStar = std::string_view::npos;
    std::size_t p = 0, t = 0, afterStar = kNoStar, starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            afterStar = ++p;
            starText = t;
            continue;
        }
        const std::size_t textLength = CharLength(text, t, isLeadByte);
        if (p < pattern.size()) {
            const std::size_t patternLength = CharLength(pattern, p, isLeadByte);
            if (CharMatches(pattern, p, patternLength, text, t, textLength)) {
                p += patternLength;
                t += textLength;
                continue;
            }
        }
        if (afterStar == kNoStar)
            return false;
        p = afterStar;
        starText += CharLength(text, starText, isLeadByte);
        t = starText;
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<ArchiveItem> FindItems(const FolderList& folders,
                                   const std::vector<std::string>& patterns,
                                   LeadByteTest isLeadByte) {
    const Matcher matcher(patterns, isLeadByte);
    std::vector<ArchiveItem> found;
    std::string path;  // reused, so that an entry costs no allocation of its own
    std::string scratch;
    const RezFolder* root = folders.Root();
    folders.ForEach([&](RezFolder& folder) {
        path.clear();
        if (&folder != root) {
            if (matcher.AnyByPath())
                path = folders.FolderPath(&folder, false);
            if (matcher.Matches(folder.name, path, true))
                found.push_back({&folder, nullptr});
            if (matcher.AnyByPath())
                path += '\\';
        }
        const std::size_t folderLength = path.size();
        for (RezEntry& entry : folder.entries) {
            const std::string_view name = EntryNameOf(entry, scratch);
            if (matcher.AnyByPath()) {
                path.resize(folderLength);
                path.append(name);
            }
            if (matcher.Matches(name, path, false))
                found.push_back({&folder, &entry});
        }
    });
    return found;
}

std::vector<std::string> SplitPatterns(std::string_view typed) {
    std::vector<std::string> patterns;
    while (!typed.empty()) {
        const std::size_t end = std::min(typed.find(';'), typed.size());
        std::string_view pattern = typed.substr(0, end);
        typed.remove_prefix(std::min(end + 1, typed.size()));
        while (!pattern.empty() && pattern.front() == ' ')
            pattern.remove_prefix(1);
        while (!pattern.empty() && pattern.back() == ' ')
            pattern.remove_suffix(1);
        if (!pattern.empty())
            patterns.emplace_back(pattern);
    }
    return patterns;
}

std::string FoundItemPath(const FolderList& folders, const ArchiveItem& item, char separator) {
    std::string path = folders.FolderPath(item.folder, false);
    if (item.folder == folders.Root())
        path.clear();
    else
        path += '\\';
    if (item.entry)
        path += ItemNameOf(*item.entry);
    std::replace(path.begin(), path.end(), '\\', separator);
    return path;
}
