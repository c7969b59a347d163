#include "browser/ListTexts.h"

#include "archive/RezTree.h"
#include "platform/Format.h"
#include "platform/TimeText.h"

std::string SizeText(std::uint32_t size) {
    const std::uint32_t kilobytes = size / 1024;
    if (kilobytes == 0)
        return "1 Kb";
    return Format("%i Kb", static_cast<int>(kilobytes));
}

std::string ModifiedText(std::uint32_t time) {
    // Stored times are signed: those before 1970 read as negative.
    return LocalTimeText(static_cast<std::int32_t>(time), kWindowsCTimeFormat);
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
