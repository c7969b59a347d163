#pragma once
// Identifiers of the Cravel COM class.
#include <windows.h>

// {F9411A21-2B30-4B62-869E-FAFECA394FB3}
inline constexpr CLSID CLSID_ShellMenu = {
    0xF9411A21, 0x2B30, 0x4B62, {0x86, 0x9E, 0xFA, 0xFE, 0xCA, 0x39, 0x4F, 0xB3}};
