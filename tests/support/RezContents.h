#pragma once
// What a saved .rez archive holds, read here by hand from its bytes, sharing no code with the
// engine's loader: one line per folder ("MAPS\SUB\") and per entry ("MAPS\M.DAT = map data"),
// depth first in the order of the directory records. A damaged file gives one line saying
// where the reading stopped.
#include <cstdint>
#include <string>
#include <vector>

#include "support/LittleEndian.h"
#include "support/WholeFile.h"

namespace support {

namespace rez_contents {

using support::Get32;

// The 0-terminated text at at; false when the file ends first.
inline bool Text(const std::string& bytes, std::size_t& at, std::string& text) {
    const std::size_t end = bytes.find('\0', at);
    if (end == std::string::npos)
        return false;
    text = bytes.substr(at, end - at);
    at = end + 1;
    return true;
}

inline bool ReadBlock(const std::string& bytes, std::uint64_t position, std::uint64_t size,
                      const std::string& folder, int depth, std::vector<std::string>& lines) {
    if (depth > 64 || position + size > bytes.size())
        return false;
    std::size_t at = static_cast<std::size_t>(position);
    const std::size_t end = static_cast<std::size_t>(position + size);
    while (at < end) {
        if (at + 16 > end)
            return false;
        const bool isFolder = Get32(bytes, at) != 0;
        const std::uint32_t where = Get32(bytes, at + 4), length = Get32(bytes, at + 8);
        std::string name;
        if (isFolder) {
            at += 16;
            if (!Text(bytes, at, name))
                return false;
            lines.push_back(folder + name + "\\");
            if (length > 0 &&
                !ReadBlock(bytes, where, length, folder + name + "\\", depth + 1, lines))
                return false;
            continue;
        }
        if (at + 28 > end)
            return false;
        std::string type(bytes.substr(at + 20, 4));
        type = std::string(type.rbegin(), type.rend());
        type.erase(0, type.find_first_not_of('\0'));
        at += 28;
        if (!Text(bytes, at, name))
            return false;
        ++at;  // the empty description
        if (std::uint64_t{where} + length > bytes.size())
            return false;
        lines.push_back(folder + name + (type.empty() ? "" : "." + type) + " = " +
                        bytes.substr(where, length));
    }
    return at == end;
}

}  // namespace rez_contents

inline std::vector<std::string> RezContents(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    if (bytes.size() < 168 || bytes.compare(0, 8, "\r\nTarvex") != 0)
        return {"not an archive: " + path};
    std::vector<std::string> lines;
    if (!rez_contents::ReadBlock(bytes, rez_contents::Get32(bytes, 131),
                                 rez_contents::Get32(bytes, 135), "", 0, lines))
        lines.push_back("damaged after this");
    return lines;
}

}  // namespace support
