#include "browser/ListTexts.h"

#include <ctime>

#include "archive/RezTree.h"
#include "platform/Format.h"

std::string SizeText(std::uint32_t size) {
    const std::uint32_t kilobytes = size / 1024;
    if (kilobytes == 0)
        return "1 Kb";
    return Format("%i Kb", static_cast<int>(kilobytes));
}

std::string ModifiedText(std::uint32_t time) {
    const auto seconds = static_cast<std::int32_t>(time);
    if (seconds < 0)
        return {};
    const std::time_t value = seconds;
    // The list is painted on the user-interface thread only.
    const std::tm* local = std::localtime(&value);
    char text[128] = "";
    // The "%c" of the Windows C runtime in the "C" locale, the same on every platform.
    if (!local || std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", local) == 0)
        return {};
    return text;
}

std::string_view ShownName(std::string_view name) {
    const size_t slash = name.rfind('\\');
    if (slash == std::string_view::npos || slash == 0)
        return name;
    return name.substr(slash + 1);
}

std::string EntryIconKey(const RezEntry& entry) {
    const std::string name = entry.name.str();
    const std::string_view extension =
        entry.typeCode.empty() ? NameExtension(name) : std::string_view(entry.typeCode);
    if (extension.empty())
        return {};
    std::string key = ".";
    key += extension;
    return key;
}
