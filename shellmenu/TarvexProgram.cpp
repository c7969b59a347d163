#include "shellmenu/TarvexProgram.h"

#include "shellmenu/AnsiText.h"

std::optional<TarvexProgram> TarvexBeside(const std::string& serverPath, LeadByteTest isLeadByte) {
    if (serverPath.size() > kLongestModulePath)
        return std::nullopt;
    const std::size_t slash = FindLastCharacter(serverPath, '\\', isLeadByte);
    if (slash == std::string::npos || slash == 0)
        return std::nullopt;
    const std::string folder = serverPath.substr(0, slash);
    return TarvexProgram{folder + "\\Tarvex.exe", folder};
}
