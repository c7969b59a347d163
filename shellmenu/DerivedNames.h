#pragma once
// The names the context menu derives from the first selected path P: where an archive is
// extracted to, what an item is packed into, and the short name the menu shows.
#include <string>

#include "platform/TextCase.h"

// True when path ends in ".rez", in any case.
bool HasArchiveEnding(const std::string& path, LeadByteTest isLeadByte = IsLeadByte);

// D: the folder an archive is extracted into. Old~.rez goes into Old.Rez (undoing what packing
// a folder named Old.rez does), any other archive into its path without the extension.
std::string ExtractFolder(const std::string& path, LeadByteTest isLeadByte = IsLeadByte);

// A: the archive path without ".rez" that an item is packed into. An item whose name already
// ends in ".rez" (a folder) gets a "~", so the archive does not take the folder's name.
std::string ArchiveBase(const std::string& path, LeadByteTest isLeadByte = IsLeadByte);

// N: the name part of A, for the menu text; empty for a drive root.
std::string ShortName(const std::string& path, LeadByteTest isLeadByte = IsLeadByte);
