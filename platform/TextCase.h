#pragma once
// Case folding of names. ASCII letters only, and on Windows the trail bytes of double-byte
// characters of the ANSI code page are left alone.
#include <string>

std::string UpperCase(const std::string& text);
bool EqualNoCase(const std::string& a, const std::string& b);
