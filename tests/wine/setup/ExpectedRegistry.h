#pragma once
// What the installed tool set must have in the registry, written out here apart from the code
// that writes it: both extensions' registration, the archive file type and the uninstall entry.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace setup_test {

struct ExpectedValue {
    HKEY root;
    std::string key;
    const char* name;                 // null: the default value
    std::optional<std::string> data;  // nullopt: only the key must be there
    REGSAM view = 0;                  // KEY_WOW64_32KEY: in the view of 32-bit programs
};

inline constexpr char kCravelClsid[] = "{F9411A21-2B30-4B62-869E-FAFECA394FB3}";
inline constexpr char kGlintraClsid[] = "{5DCED9AF-C2EC-4BD3-AF2A-F51D6B18FC7C}";
inline constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tarvex";
// Where Explorer looks for the handlers.
inline constexpr char kFolderMenuHandlerKey[] = "Folder\\shellex\\ContextMenuHandlers\\Cravel";
inline constexpr char kThumbnailHandlerKey[] =
    ".dtx\\shellex\\{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}";

// For a copy installed in folder.
std::vector<ExpectedValue> ContextMenuRegistration(const std::string& folder);
std::vector<ExpectedValue> ThumbnailRegistration(const std::string& folder);
// The x64 setup's 32-bit extensions beside its own: their classes, which 32-bit programs look
// up in a registry view of their own (the handler keys are shared with the x64 ones).
std::vector<ExpectedValue> Registration32(const std::string& folder);
std::vector<ExpectedValue> ArchiveFileType(const std::string& folder);
std::vector<ExpectedValue> UninstallEntry(const std::string& folder);

// Every row as expected.
void ExpectRegistered(const std::vector<ExpectedValue>& rows);
// No row left: no named value, and no key of a default value.
void ExpectRemoved(const std::vector<ExpectedValue>& rows);

}  // namespace setup_test
