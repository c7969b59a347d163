#pragma once
// What the platform calls FILE.ABCDE, a type nobody registers: Explorer's form on Linux; on
// Windows the shell's own answer, asked directly (Wine says ".ABCDE file").
#include <string>

#if defined(_WIN32)
#include <windows.h>

#include <shellapi.h>
#endif

namespace support {

inline std::string UnregisteredTypeName() {
#if defined(_WIN32)
    SHFILEINFOA info = {};
    SHGetFileInfoA("FILE.ABCDE", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                   SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    return info.szTypeName;
#else
    return "ABCDE File";
#endif
}

}  // namespace support
