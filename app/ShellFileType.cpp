#include "app/ShellFileType.h"

std::vector<ShellKeyValue> ShellFileTypeKeys(const std::string& programPath) {
    const std::string program = "\"" + programPath + "\"";
    return {
        {kArchiveExtension, kArchiveFileType},
        {kArchiveFileType, kArchiveFileTypeName},
        {kArchiveIconKey, programPath + ",0"},
        // Both quoted: folders and archives may have blanks in their names.
        {std::string(kArchiveFileType) + "\\shell\\open\\command",
         program + " " + kShellOpenSwitch + " \"%1\""},
    };
}

std::optional<std::string> HandOverPath(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != kShellOpenSwitch || args[1].empty())
        return std::nullopt;
    return args[1];
}

std::string HelpFileFromIconValue(const std::string& iconValue) {
    std::string path = iconValue;
    if (!path.empty() && path.front() == '"')
        path.erase(0, 1);
    const size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos || slash == 0)
        return {};
    return path.substr(0, slash + 1) + kHelpFileName;
}
