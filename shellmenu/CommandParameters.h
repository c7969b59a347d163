#pragma once
// The parameters Tarvex is started with for a menu entry. Every path is quoted by the Windows
// command-line rules, so that Tarvex reads back exactly the paths Explorer gave, blanks and a
// final backslash (C:\) included.
#include <optional>
#include <string>
#include <vector>

#include "platform/TextCase.h"

// text as one command-line argument: in double quotes, a quote in it escaped, and the
// backslashes before a quote (the closing one too) doubled.
std::string QuoteArgument(const std::string& text, LeadByteTest isLeadByte = IsLeadByte);

// The parameters for offset, the archive before the switch:
//   0  /A "item" "item" ...
//   1  "A.rez" /C "P"
//   2  "P" /E
//   3  "P" /X "D"
// nullopt for an offset that is not Cravel's or a selection that is not usable: nothing is
// started.
std::optional<std::string> CommandParameters(unsigned offset,
                                             const std::vector<std::string>& selection,
                                             LeadByteTest isLeadByte = IsLeadByte);
