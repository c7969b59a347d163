#pragma once
// The thread's ANSI code page, through MultiByteToWideChar and WideCharToMultiByte.
#include "stringedit/CodePage.h"

class AnsiCodePage : public CodePage {
  public:
    std::u16string ToUtf16(const std::string& text) const override;
    std::string FromUtf16(const std::u16string& text) const override;
    bool IsLeadByte(unsigned char byte) const override;
};
