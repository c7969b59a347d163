#pragma once
// How Tarvex tells the shell about its archives, written at every start: ".rez" files are of
// the type "Tarvex.File", shown with the program's icon and opened by the program. The Help
// command finds the program's folder, and so its help file, through the same entries.
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kArchiveExtension = ".rez";
inline constexpr const char* kArchiveFileType = "Tarvex.File";
inline constexpr const char* kArchiveFileTypeName = "Rez File";
// Below the file type: the key whose default value names the icon, "<program>,<index>".
inline constexpr const char* kArchiveIconKey = "Tarvex.File\\DefaultIcon";
inline constexpr const char* kHelpFileName = "Tarvex Studio.chm";
// Marks a start by the shell's open command, as the framework's shell open does; the command
// line reads it as a switch it ignores. Such a start hands its archive to a window of the
// program that is already open, when one takes it, instead of opening a second window.
inline constexpr const char* kShellOpenSwitch = "/dde";

// One key of the registration and the text of its default value.
struct ShellKeyValue {
    std::string key;  // below the classes root
    std::string value;
};

// The keys for the program at programPath, parents before their children.
std::vector<ShellKeyValue> ShellFileTypeKeys(const std::string& programPath);

// The archive a start hands over: the one of the shell's open command, the switch first;
// nullopt for any other command line.
std::optional<std::string> HandOverPath(const std::vector<std::string>& args);

// The help file beside the program named by the icon key's value ("C:\Tarvex\Tarvex.exe,0"
// gives "C:\Tarvex\Tarvex Studio.chm"); empty when the value names no folder.
std::string HelpFileFromIconValue(const std::string& iconValue);
