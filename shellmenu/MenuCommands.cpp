#include "shellmenu/MenuCommands.h"

#include "platform/Format.h"
#include "shellmenu/DerivedNames.h"

namespace {

struct CommandInfo {
    const char* text;
    const char* verb;
    const char* help;
};

const CommandInfo kCommands[kMenuOffsetCount] = {
    {"Add to &Rez", "Add", "Add the selected item(s) to an Archive"},
    {"&Add to %s.rez", "AddTo ", "Add the selected item to the Archive: %s"},
    {"&Extract To...", "Extract", "Extract all files in the Archive"},
    {"E&xtract to: %s", "ExtractTo", "Extract all files in the Archive to the folder: %s"},
};

const char kUnknownCommand[] = "Cravel";

// A name shown in a menu text: an ampersand in it is a character, not a mnemonic. (0x26 is
// never the trail byte of a double-byte character.)
std::string MenuName(const std::string& name) {
    std::string shown;
    for (char c : name) {
        shown += c;
        if (c == '&')
            shown += '&';
    }
    return shown;
}

MenuEntry Entry(unsigned offset) {
    return {offset, kCommands[offset].text};
}

MenuEntry NamedEntry(unsigned offset, const std::string& name) {
    return {offset, Format(kCommands[offset].text, MenuName(name).c_str())};
}

bool FlagsAddEntries(unsigned flags) {
    return (flags & 0xF) == 0 || (flags & (kMenuVerbsOnly | kMenuExplore)) != 0;
}

}  // namespace

bool IsUsableSelection(const std::vector<std::string>& selection) {
    for (const std::string& path : selection)
        if (path.empty())
            return false;
    return !selection.empty();
}

MenuPlan PlanMenu(const std::vector<std::string>& selection, unsigned flags,
                  const DirectoryTest& isDirectory, LeadByteTest isLeadByte) {
    MenuPlan plan;
    if (selection.empty() || !FlagsAddEntries(flags))
        return plan;
    if (selection.size() != 1) {
        plan.entries.push_back(Entry(kAddToRez));
        plan.identifiersUsed = kAddToRez + 1;
        return plan;
    }
    const std::string& path = selection.front();
    if (HasArchiveEnding(path, isLeadByte) && !isDirectory(path)) {
        const std::string folder = ExtractFolder(path, isLeadByte);
        if (!folder.empty())
            plan.entries.push_back(Entry(kExtractAsk));
        plan.entries.push_back(NamedEntry(kExtractToNamed, folder));
        plan.identifiersUsed = kExtractToNamed + 1;
        return plan;
    }
    plan.entries.push_back(Entry(kAddToRez));
    const std::string name = ShortName(path, isLeadByte);
    if (!name.empty())
        plan.entries.push_back(NamedEntry(kAddToNamed, name));
    plan.identifiersUsed = kAddToNamed + 1;
    return plan;
}

std::optional<std::string> CommandString(unsigned offset, CommandText kind,
                                         const std::vector<std::string>& selection,
                                         LeadByteTest isLeadByte) {
    if (offset >= kMenuOffsetCount)
        return kUnknownCommand;
    const CommandInfo& command = kCommands[offset];
    if (kind == CommandText::Verb)
        return command.verb;
    if (offset != kAddToNamed && offset != kExtractToNamed)
        return command.help;
    if (!IsUsableSelection(selection))
        return std::nullopt;
    const std::string& path = selection.front();
    const std::string named = offset == kAddToNamed ? ArchiveBase(path, isLeadByte) + ".Rez"
                                                    : ExtractFolder(path, isLeadByte);
    return Format(command.help, named.c_str());
}
