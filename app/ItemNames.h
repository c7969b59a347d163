#pragma once
// Which archive names may become a file or directory on disk. A name from an archive is
// untrusted: it must name exactly one item inside the destination, never a path.
#include <string>

enum class NameRules { Posix, Windows };

#if defined(_WIN32)
constexpr NameRules kPlatformNameRules = NameRules::Windows;
#else
constexpr NameRules kPlatformNameRules = NameRules::Posix;
#endif

// False for an empty name, "." and "..", a name holding '\' or '/', a drive letter, and on
// Windows any ':', a reserved device name (CON, NUL, COM1, ...) or a trailing dot or space.
bool IsSafeItemName(const std::string& name, NameRules rules = kPlatformNameRules);
