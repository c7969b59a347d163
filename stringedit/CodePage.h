#pragma once
// Conversion between the program's ANSI text and the UTF-16 of string resources.
// Windows uses the ANSI code page; elsewhere text is UTF-8.
#include <string>

class CodePage {
  public:
    virtual ~CodePage() = default;
    virtual std::u16string ToUtf16(const std::string& text) const = 0;
    virtual std::string FromUtf16(const std::u16string& text) const = 0;
    // True for the first byte of a double-byte character.
    virtual bool IsLeadByte(unsigned char byte) const = 0;
};

// UTF-8; malformed bytes and lone surrogates become U+FFFD.
class Utf8CodePage : public CodePage {
  public:
    std::u16string ToUtf16(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    // UTF-8 never matches inside a character, so search needs no lead bytes.
    bool IsLeadByte(unsigned char) const override { return false; }
};
