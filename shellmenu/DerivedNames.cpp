#include "shellmenu/DerivedNames.h"

#include "shellmenu/AnsiText.h"

namespace {

// Where the name part of path starts: after its last backslash.
std::size_t NameStart(const std::string& path, LeadByteTest isLeadByte) {
    const std::size_t slash = FindLastCharacter(path, '\\', isLeadByte);
    return slash == std::string::npos ? 0 : slash + 1;
}

// path without the extension of its name part. Only the name's full stop counts: a full stop
// in a folder above (C:\My.Maps\README) would name a different archive than the menu shows.
std::string WithoutExtension(const std::string& path, LeadByteTest isLeadByte) {
    const std::size_t start = NameStart(path, isLeadByte);
    const std::size_t dot = FindLastCharacter(path.substr(start), '.', isLeadByte);
    return dot == std::string::npos ? path : path.substr(0, start + dot);
}

}  // namespace

bool HasArchiveEnding(const std::string& path, LeadByteTest isLeadByte) {
    return EndsWithNoCase(path, ".REZ", isLeadByte);
}

std::string ExtractFolder(const std::string& path, LeadByteTest isLeadByte) {
    if (EndsWithNoCase(path, "~.REZ", isLeadByte))
        return path.substr(0, path.size() - 5) + ".Rez";
    return WithoutExtension(path, isLeadByte);
}

std::string ArchiveBase(const std::string& path, LeadByteTest isLeadByte) {
    const std::string base = WithoutExtension(path, isLeadByte);
    return HasArchiveEnding(path, isLeadByte) ? base + "~" : base;
}

std::string ShortName(const std::string& path, LeadByteTest isLeadByte) {
    return ArchiveBase(path.substr(NameStart(path, isLeadByte)), isLeadByte);
}
