#pragma once
// Names between the archive's text (ANSI text of one code page) and the names of disk files
// (the same ANSI text on Windows, UTF-8 elsewhere).
#include <string>

class NameCodec {
  public:
    virtual ~NameCodec() = default;
    // False when the name has no form in the other text.
    virtual bool ToArchive(const std::string& diskName, std::string& archiveName) const = 0;
    virtual bool ToDisk(const std::string& archiveName, std::string& diskName) const = 0;
    // For messages and listings: the disk form, or the name as it stands when it has none.
    std::string Shown(const std::string& archiveName) const;
};

// Both sides are the same text: Windows, where both are ANSI.
const NameCodec& SameNames();
