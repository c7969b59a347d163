#pragma once
// Strings are shown and edited on one line: control characters appear as two-character
// escapes and a backslash as "\\", so that every text survives the way back unchanged.
#include <string>

// The text as the list shows it.
std::string EscapeText(const std::string& raw);

// The text as it is stored in the module: "\\" becomes one backslash, the seven control
// escapes their characters; any other backslash stays as it is.
std::string UnescapeText(const std::string& shown);
