#include "SetupTestSupport.h"

#include <shlobj.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "AnsiWide.h"
#include "platform/win32/Scoped.h"

namespace setup_test {

namespace {

constexpr DWORD kMinute = 60000;

// This test program and every process started from it, however indirectly, in one job; its
// completion port tells when one of them ends.
class ProcessJob {
  public:
    static ProcessJob& Get() {
        static ProcessJob job;
        return job;
    }

    bool WaitUntilAlone() {
        const DWORD start = GetTickCount();
        for (;;) {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
            if (!QueryInformationJobObject(job_.Get(), JobObjectBasicAccountingInformation, &info,
                                           sizeof info, nullptr)) {
                return false;
            }
            if (info.ActiveProcesses <= 1) {
                return true;
            }
            const DWORD waited = GetTickCount() - start;
            DWORD message = 0;
            ULONG_PTR key = 0;
            LPOVERLAPPED data = nullptr;
            if (waited >= kMinute ||
                (!GetQueuedCompletionStatus(port_.Get(), &message, &key, &data, kMinute - waited) &&
                 GetLastError() == WAIT_TIMEOUT)) {
                return false;
            }
        }
    }

  private:
    ProcessJob()
        : job_(CreateJobObjectA(nullptr, nullptr)),
          port_(CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1)) {
        // Wine starts the desktop's process for the first program that needs a window, and it
        // runs as long as the prefix: it must not be one of this job's.
        GetDesktopWindow();
        JOBOBJECT_ASSOCIATE_COMPLETION_PORT link = {job_.Get(), port_.Get()};
        SetInformationJobObject(job_.Get(), JobObjectAssociateCompletionPortInformation, &link,
                                sizeof link);
        AssignProcessToJobObject(job_.Get(), GetCurrentProcess());
    }

    ScopedHandle job_;
    ScopedHandle port_;
};

std::string Backslashed(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string KnownFolder(int id) {
    char path[MAX_PATH] = "";
    EXPECT_EQ(SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path), S_OK) << id;
    return path;
}

// The value's type and bytes; nullopt when it cannot be read.
std::optional<std::pair<DWORD, std::string>> RawValue(HKEY root, const std::string& keyName,
                                                      const char* name, REGSAM view = 0) {
    ScopedKey key;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ | view, key.Receive()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    bytes.resize(size);
    return std::make_pair(type, bytes);
}

void AppendKeyTree(HKEY root, const std::string& keyName, std::string& text) {
    ScopedKey key;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        return;
    }
    text += "[" + keyName + "]\n";
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD length = sizeof name, type = 0;
        BYTE data[4096];
        DWORD size = sizeof data;
        if (RegEnumValueA(key.Get(), i, name, &length, nullptr, &type, data, &size) !=
            ERROR_SUCCESS) {
            break;
        }
        text += std::string(name) + " " + std::to_string(type) + " " +
                std::string(reinterpret_cast<char*>(data), size) + "\n";
    }
    for (DWORD i = 0;; ++i) {
        char name[512];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        AppendKeyTree(root, keyName + "\\" + name, text);
    }
}

void AddFolderFiles(const std::string& folder, const std::string& below,
                    std::map<std::string, std::string>& files) {
    for (const std::string& name : FolderNames(folder + below)) {
        const std::string relative = below.empty() ? name : below.substr(1) + "\\" + name;
        const std::string path = folder + below + "\\" + name;
        if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            files[relative + "\\"] = "";
            AddFolderFiles(folder, below + "\\" + name, files);
        } else {
            files[relative] = FileBytes(path).value_or("(unreadable)");
        }
    }
}

}  // namespace

std::string BuiltFile(const char* path) {
    return Backslashed(path);
}

std::string SetupProgram() {
    return BuiltFile(SETUP_PROGRAM);
}

const std::vector<InstalledFile>& InstalledFiles() {
    static const std::vector<InstalledFile> files = {
        {"Tarvex.exe", BuiltFile(BUILT_TARVEX), "Tarvex.exe"},
        {"Cravel.dll", BuiltFile(BUILT_CRAVEL), "Cravel.dll"},
        {"Glintra.dll", BuiltFile(BUILT_GLINTRA), "Glintra.dll"},
        {"Quillet.exe", BuiltFile(BUILT_QUILLET), "Quillet.exe"},
        {"Tarvex Studio.chm", BuiltFile(BUILT_HELP), "Tarvex Studio.chm"},
#ifdef BUILT_CRAVEL32
        {"Cravel32.dll", BuiltFile(BUILT_CRAVEL32), "Cravel.dll"},
        {"Glintra32.dll", BuiltFile(BUILT_GLINTRA32), "Glintra.dll"},
#endif
    };
    return files;
}

std::string DefaultInstallFolder() {
    return KnownFolder(CSIDL_PROGRAM_FILES) + "\\Tarvex";
}

std::string CommonProgramsFolder() {
    return KnownFolder(CSIDL_COMMON_PROGRAMS);
}

std::string ScratchFolder() {
    const char* folder = std::getenv("SETUP_TEST_SCRATCH");
    EXPECT_NE(folder, nullptr) << "the test driver names the scratch folder";
    return folder ? Backslashed(folder) : std::string();
}

DWORD RunToTheEnd(const std::string& commandLine, DWORD creationFlags) {
    ProcessJob::Get();  // the job exists before the child, so the child belongs to it
    // Wide, for programs in folders longer than MAX_PATH.
    std::wstring command = cravel_test::Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                        nullptr, &startup, &started)) {
        return ~DWORD(0);
    }
    ScopedHandle process(started.hProcess), thread(started.hThread);
    DWORD code = ~DWORD(0);
    if (WaitForSingleObject(process.Get(), kMinute) == WAIT_OBJECT_0 &&
        ProcessJob::Get().WaitUntilAlone()) {
        GetExitCodeProcess(process.Get(), &code);
    }
    return code;
}

bool WaitForStartedProcesses() {
    return ProcessJob::Get().WaitUntilAlone();
}

bool Runs32BitPrograms() {
    static const bool runs = [] {
        char system[MAX_PATH] = "";
        if (GetSystemWow64DirectoryA(system, MAX_PATH) == 0) {
            return false;
        }
        std::string command = "\"";
        command.append(system).append("\\cmd.exe\" /c exit 7");
        // Without a console, which would leave its settings in the user's registry.
        return RunToTheEnd(command, DETACHED_PROCESS) == 7;
    }();
    return runs;
}

std::optional<std::string> StringValue(HKEY root, const std::string& key, const char* name,
                                       REGSAM view) {
    auto value = RawValue(root, key, name, view);
    if (!value || value->first != REG_SZ) {
        return std::nullopt;
    }
    std::string& text = value->second;
    // Stored with its terminating zero.
    EXPECT_TRUE(!text.empty() && text.back() == '\0') << key << " " << (name ? name : "");
    return std::string(text.c_str());
}

std::optional<DWORD> DwordValue(HKEY root, const std::string& key, const char* name) {
    auto value = RawValue(root, key, name);
    if (!value || value->first != REG_DWORD || value->second.size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD number = 0;
    memcpy(&number, value->second.data(), sizeof number);
    return number;
}

std::vector<std::string> MultiStringValue(HKEY root, const std::string& key, const char* name) {
    std::vector<std::string> strings;
    auto value = RawValue(root, key, name);
    if (!value || value->first != REG_MULTI_SZ) {
        return strings;
    }
    const std::string& bytes = value->second;
    for (size_t at = 0; at < bytes.size() && bytes[at] != '\0';) {
        strings.emplace_back(bytes.c_str() + at);
        at += strings.back().size() + 1;
    }
    return strings;
}

bool KeyExists(HKEY root, const std::string& name, REGSAM view) {
    ScopedKey key;
    return RegOpenKeyExA(root, name.c_str(), 0, KEY_READ | view, key.Receive()) == ERROR_SUCCESS;
}

bool ValueExists(HKEY root, const std::string& key, const char* name, REGSAM view) {
    return RawValue(root, key, name, view).has_value();
}

void SetString(HKEY root, const std::string& keyName, const char* name, const std::string& data) {
    ScopedKey key;
    ASSERT_EQ(RegCreateKeyExA(root, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              key.Receive(), nullptr),
              ERROR_SUCCESS)
        << keyName;
    ASSERT_EQ(
        RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1)),
        ERROR_SUCCESS)
        << keyName;
}

std::string KeyTreeText(HKEY root, const std::string& key) {
    std::string text;
    AppendKeyTree(root, key, text);
    return text;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(cravel_test::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    ASSERT_TRUE(out.good()) << path;
}

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
}

std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    AddFolderFiles(folder, "", files);
    return files;
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string LoadedModulePath(const char* name) {
    HMODULE module = GetModuleHandleA(name);
    char path[MAX_PATH] = "";
    if (module) {
        GetModuleFileNameA(module, path, MAX_PATH);
    }
    return path;
}

}  // namespace setup_test
