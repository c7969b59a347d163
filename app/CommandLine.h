#pragma once
// The command line of Tarvex: switches, the archive, the destination and the items.
#include <cstdint>
#include <string>
#include <vector>

enum BatchCode : std::uint8_t {
    BatchNone = 0,
    BatchExtract = 5,     // /X archive destination
    BatchExtractAsk = 7,  // /E archive
    BatchCreate = 9,      // /C archive items...
    BatchAdd = 10,        // /A items...
    BatchUsage = 12,      // /H, /h, /?
    BatchList = 20,       // /L archive (the command-line program only)
    BatchPictures = 21,   // png archive destination items... (the command-line program only)
};

enum ShellCommand : std::uint8_t { ShellNew = 0, ShellOpen = 1 };

class CTarvexCommandLineInfo {
  public:
    // nativeProgram: the command-line program, which also takes /L (its listing) and items
    // after the destination of /X (only those are extracted).
    explicit CTarvexCommandLineInfo(bool nativeProgram = false) : listSwitch_(nativeProgram) {}
    bool NativeProgram() const { return listSwitch_; }

    // One argument; a switch without its leading '/' or '-'.
    void ParseParam(const std::string& param, bool isSwitch);

    ShellCommand shellCommand = ShellNew;
    std::string fileName;
    std::vector<std::string> items;
    std::string destination;
    bool fileNameTaken = false;
    bool destinationTaken = false;
    BatchCode batchCode = BatchNone;

    // True when the letter is one this record takes as a switch ("X", "x", "?", ...).
    bool IsSwitchLetter(const std::string& text) const;

  private:
    bool listSwitch_;
};

enum class SwitchStyle {
    Windows,  // every argument starting with '/' or '-' is a switch
    Posix,    // '-' always; '/' only for a single switch letter, since paths start with it
};

#if defined(_WIN32)
constexpr SwitchStyle kPlatformSwitchStyle = SwitchStyle::Windows;
#else
constexpr SwitchStyle kPlatformSwitchStyle = SwitchStyle::Posix;
#endif

void ParseCommandLine(CTarvexCommandLineInfo& info, const std::vector<std::string>& args,
                      SwitchStyle style = kPlatformSwitchStyle);

// The usage text shown for /H, /h and /?.
std::string UsageText(const std::string& appTitle);
