#pragma once
// The module path registration wrote for a class.
#include <windows.h>

#include <optional>
#include <string>

// The default value of HKEY_CLASSES_ROOT\CLSID\{clsid}\InProcServer32, read whole; nothing
// when the key or a string value is missing.
std::optional<std::string> RegisteredServerPath(REFCLSID clsid);
