#pragma once
// The texts and icon keys the file list shows for an archive item.
#include <cstdint>
#include <string>
#include <string_view>

struct RezEntry;

// The Type text of a subfolder row; a row whose Type text equals it is a folder row.
inline constexpr const char* kFolderTypeText = "Folder";

// "1 Kb" below 1024 bytes, else the whole kilobytes, "%i Kb".
std::string SizeText(std::uint32_t size);
// Seconds since 1970 UTC, read as signed, in local time as "01/31/05 13:45:07"; empty for a
// time before 1970, which the Windows C runtime cannot convert.
std::string ModifiedText(std::uint32_t time);
// The part of a name after its last '\' (a new entry's name is its disk path); the whole name
// when it has none or only one at its very start.
std::string_view ShownName(std::string_view name);
// The icon key of an entry: "." and its type code, else "." and its name's extension, else
// the empty key.
std::string EntryIconKey(const RezEntry& entry);
