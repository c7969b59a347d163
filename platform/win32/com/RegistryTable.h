#pragma once
// Registration by tables of keys and values, each pattern formatted with one text.
#include <windows.h>

#include <string>

struct RegistryRow {
    HKEY root;  // null ends the table
    const char* keyPattern;
    const char* valueName;  // null for the default value; a pattern like keyPattern
    const char* dataPattern;
};

// Writes every row: the key and the value name are formatted with keyArgument, the string
// value's data is dataPattern formatted with dataArgument. SELFREG_E_CLASS at the first key that
// cannot be created (earlier rows stay written); S_OK otherwise.
HRESULT WriteRegistryTable(const RegistryRow* rows, const std::string& keyArgument,
                           const std::string& dataArgument);

// Deletes the value of every row (key and value name formatted with keyArgument); keys stay.
// False when a value that exists could not be deleted.
bool DeleteRegistryValues(const RegistryRow* rows, const std::string& keyArgument);

// Deletes the keys named by keyPatterns (null-terminated list) formatted with keyArgument,
// in order. SELFREG_E_CLASS at the first one that cannot be deleted, also a missing one.
HRESULT DeleteRegistryKeys(HKEY root, const char* const* keyPatterns,
                           const std::string& keyArgument);
