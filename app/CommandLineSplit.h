#pragma once
// A raw Windows command line (GetCommandLineA) split into arguments by the C runtime's rules:
// - outside double quotes, blanks and tabs separate arguments;
// - 2n backslashes before a quote give n backslashes and the quote opens or closes quoting;
//   2n+1 give n backslashes and a literal quote; other backslashes are literal;
// - inside quotes, two quotes give one literal quote and quoting goes on;
// - the program name, the first word, ends at the first blank outside quotes and has no
//   escapes;
// - the trail byte of a double-byte character belongs to its character: it is never taken for
//   a backslash or a quote.
#include <string>
#include <vector>

#include "platform/TextCase.h"

// The program name followed by the arguments.
std::vector<std::string> SplitCommandLine(const std::string& commandLine,
                                          LeadByteTest isLeadByte = IsLeadByte);

// Arguments alone, with no program name in front.
std::vector<std::string> SplitArguments(const std::string& arguments,
                                        LeadByteTest isLeadByte = IsLeadByte);
