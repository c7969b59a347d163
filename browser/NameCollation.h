#pragma once
// How the browser compares and folds names without regard to case. On Windows the ANSI code
// page decides (double-byte characters stay whole); elsewhere only ASCII letters fold.
#include <string>
#include <string_view>

class NameCollation {
  public:
    virtual ~NameCollation() = default;
    // Negative, zero or positive as a sorts before, with or after b, both folded to lower case.
    virtual int CompareNoCase(std::string_view a, std::string_view b) const = 0;
    virtual std::string LowerCase(std::string_view text) const = 0;
};

// ASCII letters only: the rule on POSIX, and a fixed order for tests.
class AsciiNameCollation : public NameCollation {
  public:
    int CompareNoCase(std::string_view a, std::string_view b) const override;
    std::string LowerCase(std::string_view text) const override;
};

// The collation of the platform the program runs on.
const NameCollation& PlatformNameCollation();
