#pragma once
// What the setup tests share: the build's files, the folders of the Wine prefix made for them
// alone, programs run to their end with every process they start, registry and file reading.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace setup_test {

// A file the build made, with backslashes.
std::string BuiltFile(const char* path);
std::string SetupProgram();

// What the setup installs: the file name, the build's copy and the name the build gave it.
struct InstalledFile {
    std::string name;
    std::string built;
    std::string builtName;
};
const std::vector<InstalledFile>& InstalledFiles();
inline constexpr char kUninstaller[] = "Uninstall.exe";

// Program Files\Tarvex, the default installation folder.
std::string DefaultInstallFolder();
// The Start menu's programs of all users.
std::string CommonProgramsFolder();
// The folder the test driver made for this run's own files, removed after it.
std::string ScratchFolder();

// Runs a command line and waits until it and every process it started have ended; its exit
// code, or ~0 when it could not start or did not end within a minute.
DWORD RunToTheEnd(const std::string& commandLine, DWORD creationFlags = 0);
// Waits until every process started from this test program has ended, also those a COM object
// started; false after a minute.
bool WaitForStartedProcesses();
// Whether 32-bit programs start here: the x64 setup registers its 32-bit extensions only then.
bool Runs32BitPrograms();

// The default value when name is null; nullopt when absent or not a string. view is 0 for
// this program's own registry view, KEY_WOW64_32KEY for the one of 32-bit programs.
std::optional<std::string> StringValue(HKEY root, const std::string& key,
                                       const char* name = nullptr, REGSAM view = 0);
std::optional<DWORD> DwordValue(HKEY root, const std::string& key, const char* name);
// The strings of a REG_MULTI_SZ value.
std::vector<std::string> MultiStringValue(HKEY root, const std::string& key, const char* name);
bool KeyExists(HKEY root, const std::string& key, REGSAM view = 0);
bool ValueExists(HKEY root, const std::string& key, const char* name, REGSAM view = 0);
void SetString(HKEY root, const std::string& key, const char* name, const std::string& data);
// Every key and value below key, one line each, to compare a tree before and after.
std::string KeyTreeText(HKEY root, const std::string& key);

bool FileExists(const std::string& path);
std::optional<std::string> FileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void MakeFolder(const std::string& path);
// The files below folder by their relative paths, with their bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder);
// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderNames(const std::string& folder);

// Paths compared as Windows does, without regard to case.
bool SamePath(const std::string& a, const std::string& b);
// The path of a module this process has loaded, empty when it has none of that name.
std::string LoadedModulePath(const char* name);

}  // namespace setup_test
