#pragma once
// Finding folders and entries anywhere in an archive by shell wildcards, as a modder looks for
// one texture among thousands.
#include <string>
#include <string_view>
#include <vector>

#include "app/ArchiveItems.h"
#include "archive/RezTree.h"
#include "platform/TextCase.h"

// True when text matches pattern: '*' any run of characters (separators too), '?' one
// character, '/' and '\' either separator, any other character itself regardless of case (ASCII
// letters; a double-byte character only byte for byte).
bool WildcardMatch(std::string_view pattern, std::string_view text,
                   LeadByteTest isLeadByte = IsLeadByte);

// Every folder below the root and every entry whose name one of the patterns matches, in
// folder-list order, each folder before its entries. A pattern holding '/' or '\' is matched
// against the item's path below the root instead (leading separators dropped); one ending in a
// separator matches folders only.
std::vector<ArchiveItem> FindItems(const FolderList& folders,
                                   const std::vector<std::string>& patterns,
                                   LeadByteTest isLeadByte = IsLeadByte);

// The patterns typed in one line, separated by ';' (a name may hold blanks), each without the
// blanks around it; empty ones are dropped.
std::vector<std::string> SplitPatterns(std::string_view typed);

// The item's path below the root, its parts joined by separator; a folder's ends with it.
std::string FoundItemPath(const FolderList& folders, const ArchiveItem& item, char separator);
