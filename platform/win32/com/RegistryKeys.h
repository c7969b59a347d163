#pragma once
// Small registry operations the registration code shares.
#include <windows.h>

#include <string>

// Deletes a key and everything below it; true when it is gone (also when it never existed).
bool DeleteKeyTree(HKEY parent, const std::string& name);

// True when the key exists and has no subkeys.
bool KeyHasNoSubkeys(HKEY parent, const std::string& name);

// Sets a string value with its terminating zero; an empty name sets the default value.
bool SetStringValue(HKEY key, const std::string& name, const std::string& data);
