#pragma once
// The ".rez" file type in the registry, written at every start so that the shell opens
// archives with this copy of the program.
#include <string>

// Writes the keys below HKEY_CLASSES_ROOT, or below the user's own classes when the machine's
// cannot be written. False when neither could be.
bool RegisterShellFileType(const std::string& programPath);

// The default value of the archive type's icon key, as the shell reads it; empty when absent.
std::string RegisteredIconValue();
