#pragma once
// Byte-string searches that respect double-byte characters of the ANSI code page: a trail byte
// is never taken for a full stop, a backslash or the start of an ending.
#include <cstddef>
#include <string>

#include "platform/TextCase.h"

// Position of the last character c of text, or npos.
std::size_t FindLastCharacter(const std::string& text, char c,
                              LeadByteTest isLeadByte = IsLeadByte);

// True when text ends in ending, ASCII letters compared without case, and the ending starts
// at a character of text rather than inside one.
bool EndsWithNoCase(const std::string& text, const std::string& ending,
                    LeadByteTest isLeadByte = IsLeadByte);

// The longest start of text that fits into a buffer of size bytes with its terminator, never
// ending in half a character.
std::string CutToBuffer(const std::string& text, std::size_t size,
                        LeadByteTest isLeadByte = IsLeadByte);
