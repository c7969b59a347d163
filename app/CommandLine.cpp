#include "app/CommandLine.h"

#include "TarvexVersion.h"
#include "platform/Format.h"

bool CTarvexCommandLineInfo::IsSwitchLetter(const std::string& text) const {
    if (text.size() != 1)
        return false;
    const std::string letters = listSwitch_ ? "HhXxEeAaCc?Ll" : "HhXxEeAaCc?";
    return letters.find(text[0]) != std::string::npos;
}

void CTarvexCommandLineInfo::ParseParam(const std::string& param, bool isSwitch) {
    if (isSwitch) {
        // Only a single letter matches: "X" does, "XY" does not.
        if (param == "H" || param == "h" || param == "?") {
            batchCode = BatchUsage;
            shellCommand = ShellOpen;
        }
        if (param == "X" || param == "x") {
            batchCode = BatchExtract;
            shellCommand = ShellOpen;
        } else if (param == "E" || param == "e") {
            batchCode = BatchExtractAsk;
            shellCommand = ShellOpen;
        } else if (param == "A" || param == "a") {
            batchCode = BatchAdd;
            shellCommand = ShellNew;
        } else if (param == "C" || param == "c") {
            batchCode = BatchCreate;
            shellCommand = ShellNew;
        } else if (listSwitch_ && (param == "L" || param == "l")) {
            batchCode = BatchList;
            shellCommand = ShellOpen;
        }
    } else if (!fileNameTaken && batchCode != BatchAdd) {
        fileName = param;
        fileNameTaken = true;
    } else if (batchCode == BatchExtract && !destinationTaken) {
        destination = param;
        destinationTaken = true;
    } else {
        items.push_back(param);
    }
    if (fileNameTaken && !destinationTaken && batchCode == BatchNone)
        shellCommand = ShellOpen;
}

void ParseCommandLine(CTarvexCommandLineInfo& info, const std::vector<std::string>& args,
                      SwitchStyle style) {
    for (const std::string& arg : args) {
        const bool dash = !arg.empty() && arg[0] == '-';
        const bool slash = !arg.empty() && arg[0] == '/';
        const bool isSwitch =
            dash ||
            (slash && (style == SwitchStyle::Windows || info.IsSwitchLetter(arg.substr(1))));
        info.ParseParam(isSwitch ? arg.substr(1) : arg, isSwitch);
    }
}

std::string UsageText(const std::string& appTitle) {
    return Format("%s - version: " TARVEX_VERSION " - ", appTitle.c_str()) +
           "Copyright (C) Stonemere Software\n"
           "-----------------------------------------------------------------------------\n"
           "Tarvex /X <RezFilename.Rez> <Destination Path>\n"
           "        - Extracts a rez file to a destination path.\n\n"
           "Tarvex /C <RezFilename.Rez> <item1> <item2>...<itemN>\n"
           "        - Creates a rez file adding all items.\n"
           "    NOTE: An Item can either be a FILE or FOLDER name!\n\n"
           "Tarvex /E <RezFilename.Rez>\n"
           "        - Extracts a rez file and asks for a destination path.\n\n"
           "Tarvex /A <item1> <item2>...<itemN>\n"
           "        - Adds all items and asks for a new Rez filename to save.\n"
           "\n\n";
}
