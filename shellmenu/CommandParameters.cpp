#include "shellmenu/CommandParameters.h"

#include "shellmenu/DerivedNames.h"
#include "shellmenu/MenuCommands.h"

namespace {

// Every path followed by one blank.
std::string PathList(const std::vector<std::string>& paths, LeadByteTest isLeadByte) {
    std::string list;
    for (const std::string& path : paths)
        list += QuoteArgument(path, isLeadByte) + " ";
    return list;
}

}  // namespace

std::string QuoteArgument(const std::string& text, LeadByteTest isLeadByte) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++backslashes;
            quoted += c;
            continue;
        }
        if (c == '"') {
            // 2n backslashes and \" read back as n backslashes and a quote.
            quoted.append(backslashes + 1, '\\');
        }
        backslashes = 0;
        quoted += c;
        if (isLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size())
            quoted += text[++i];  // a trail byte is no backslash and no quote
    }
    quoted.append(backslashes, '\\');  // doubled before the closing quote
    return quoted + "\"";
}

std::optional<std::string> CommandParameters(unsigned offset,
                                             const std::vector<std::string>& selection,
                                             LeadByteTest isLeadByte) {
    if (!IsUsableSelection(selection))
        return std::nullopt;
    const std::string& path = selection.front();
    switch (offset) {
        case kAddToRez:
            return "/A " + PathList(selection, isLeadByte);
        case kAddToNamed:
            return QuoteArgument(ArchiveBase(path, isLeadByte) + ".rez", isLeadByte) + " /C " +
                   PathList(selection, isLeadByte);
        case kExtractAsk:
            return QuoteArgument(path, isLeadByte) + " /E ";
        case kExtractToNamed:
            return QuoteArgument(path, isLeadByte) + " /X " +
                   QuoteArgument(ExtractFolder(path, isLeadByte), isLeadByte);
        default:
            return std::nullopt;
    }
}
