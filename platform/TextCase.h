#pragma once
// Case folding of names. ASCII letters only, and on Windows the trail bytes of double-byte
// characters of the ANSI code page are left alone.
#include <string>

// True for the first byte of a double-byte character of the ANSI code page; never on POSIX.
bool IsLeadByte(unsigned char c);
// Tells lead bytes apart; tests hand in the rules of a double-byte code page.
using LeadByteTest = bool (*)(unsigned char);

std::string UpperCase(const std::string& text);
bool EqualNoCase(const std::string& a, const std::string& b);
