#pragma once
// Cravel.dll in its test installation folder, the registry entries it writes, and the
// processes it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "AnsiWide.h"
#include "support/ScratchFolder.h"

namespace cravel_test {

// {F9411A21-2B30-4B62-869E-FAFECA394FB3}
inline constexpr CLSID kClsid = {
    0xF9411A21, 0x2B30, 0x4B62, {0x86, 0x9E, 0xFA, 0xFE, 0xCA, 0x39, 0x4F, 0xB3}};
inline const char kClsidText[] = "{F9411A21-2B30-4B62-869E-FAFECA394FB3}";
inline const std::string kClassKey = std::string("CLSID\\") + kClsidText;
inline const std::string kServerKey = kClassKey + "\\InProcServer32";
inline const char kFileHandlerKey[] = "*\\shellex\\ContextMenuHandlers\\Cravel";
inline const char kFolderHandlerKey[] = "Folder\\shellex\\ContextMenuHandlers\\Cravel";
inline const char kApprovalKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// The folder holding Cravel.dll and the Tarvex.exe it starts, with backslashes.
std::string HostFolder();
std::string DllPath();
std::string TarvexPath();

HMODULE Dll();
template <class Function>
Function Export(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(Dll(), name)));
}
using NoArgumentFunction = HRESULT(WINAPI*)();
using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
HRESULT CallExport(const char* name);  // DllRegisterServer, DllCanUnloadNow, ...

// Registry reading and writing (DeleteKeyTree of the COM parts cleans up).
bool KeyExists(HKEY root, const std::string& name);
struct RegistryValue {
    DWORD type = 0;
    std::string bytes;  // as stored, terminator included
};
std::optional<RegistryValue> ReadValue(HKEY root, const std::string& key, const char* name);
void SetString(HKEY root, const std::string& key, const char* name, const std::string& data);

// Keys the tests may create as parents of Cravel's (the shellex branches, the approval key):
// whichever did not exist before goes again at the end.
class RegistryParents {
  public:
    RegistryParents();
    ~RegistryParents();

  private:
    std::vector<std::pair<HKEY, std::string>> created_;
};

// Runs a program and gives its exit code; ~0 when it could not run or did not end.
DWORD RunProgram(const std::string& commandLine);

// The processes this test program starts, counted and awaited through a job object that every
// child joins.
class ChildProcesses {
  public:
    static ChildProcesses& Get();
    // How many processes were started since the test program began.
    DWORD Started() const;
    // Waits until count more children have ended; false after 30 seconds.
    bool WaitForExits(int count);

  private:
    ChildProcesses();
    HANDLE job_ = nullptr;
    HANDLE port_ = nullptr;
};

// The support library's scratch folder, filled through the wide functions so that names of
// any code page can be made.
class ScratchFolder {
  public:
    const std::string& Path() const { return path_; }
    // below is relative, with backslashes; ANSI text.
    std::string MakeFolder(const std::string& below);
    std::string MakeFile(const std::string& below, const std::string& content = "data");

  private:
    support::ScratchFolder folder_{"cravel"};
    std::string path_ = folder_.Root();
};

}  // namespace cravel_test
