#pragma once
// The entries Cravel adds to a context menu: their offsets, texts, verbs and help texts, and
// which of them a selection gets.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/TextCase.h"

// Offsets from the first command identifier the shell gives.
enum MenuOffset : unsigned {
    kAddToRez = 0,         // "Add to &Rez": gather the items into a new archive (/A)
    kAddToNamed = 1,       // "&Add to %s.rez": pack the item into A.rez (/C)
    kExtractAsk = 2,       // "&Extract To...": extract, asking for the folder (/E)
    kExtractToNamed = 3,   // "E&xtract to: %s": extract into D (/X)
    kMenuOffsetCount = 4,  // any offset from here on is not Cravel's
};

// Context-menu flags as the shell passes them.
constexpr unsigned kMenuDefaultOnly = 0x1;
constexpr unsigned kMenuVerbsOnly = 0x2;
constexpr unsigned kMenuExplore = 0x4;
constexpr unsigned kMenuNoVerbs = 0x8;

struct MenuEntry {
    unsigned offset;
    std::string text;
};

struct MenuPlan {
    // Inserted one after the other from the shell's insertion position.
    std::vector<MenuEntry> entries;
    // The highest offset the selection's kind of menu uses, plus one: the code part of
    // QueryContextMenu's result. Entries left out for an empty name still count.
    unsigned identifiersUsed = 0;
};

// A selection Cravel acts on: at least one path, and none that Explorer's list failed to give.
bool IsUsableSelection(const std::vector<std::string>& selection);
// Shown when an entry is chosen for a selection that is not usable.
inline constexpr const char* kUnreadableSelection =
    "The name of a selected item could not be read. Nothing was done.";

// Asked about the first path only, and only when entries are to be added.
using DirectoryTest = std::function<bool(const std::string& path)>;

// One archive gets the extract entries; one file or folder (a folder named *.rez too) gets
// the add entries; several items get "Add to &Rez" alone. A path the list could not give
// counts as an empty one: the entries are still shown, and choosing one is refused. Nothing
// for an empty selection or when the flags ask for the default entry alone or for no verbs.
MenuPlan PlanMenu(const std::vector<std::string>& selection, unsigned flags,
                  const DirectoryTest& isDirectory, LeadByteTest isLeadByte = IsLeadByte);

enum class CommandText { Verb, HelpText };

// The verb or status-bar help text of offset; nullopt when the help text names the selection
// and it is not usable.
std::optional<std::string> CommandString(unsigned offset, CommandText kind,
                                         const std::vector<std::string>& selection,
                                         LeadByteTest isLeadByte = IsLeadByte);
