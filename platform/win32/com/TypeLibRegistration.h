#pragma once
// Registration of the type library embedded in a module (resource "TYPELIB" 1).
#include <windows.h>

#include <string>

HRESULT RegisterModuleTypeLib(const std::string& modulePath);
HRESULT UnregisterModuleTypeLib(const std::string& modulePath);
