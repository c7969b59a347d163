#pragma once
// How the browser compares and folds names without regard to case. On Windows the ANSI code
// page decides (double-byte characters stay whole); elsewhere only ASCII letters fold.
// Names order as the bytes of their lower-case forms do, so a sort can fold each name once.
#include <string>
#include <string_view>

class NameCollation {
  public:
    virtual ~NameCollation() = default;
    // Appends the lower-case form of text to out.
    virtual void AppendLowerCase(std::string_view text, std::string& out) const = 0;
    // Negative, zero or positive as a sorts before, with or after b.
    virtual int CompareNoCase(std::string_view a, std::string_view b) const;

    std::string LowerCase(std::string_view text) const;
};

// ASCII letters only: the rule on POSIX, and a fixed order for tests.
class AsciiNameCollation : public NameCollation {
  public:
    void AppendLowerCase(std::string_view text, std::string& out) const override;
    int CompareNoCase(std::string_view a, std::string_view b) const override;
};

// The collation of the platform the program runs on.
const NameCollation& PlatformNameCollation();
