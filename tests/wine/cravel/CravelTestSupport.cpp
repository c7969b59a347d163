#include "CravelTestSupport.h"

#include <set>

#include "platform/win32/com/RegistryKeys.h"

namespace cravel_test {

namespace {

std::string Backslashed(std::string path) {
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// Processes the tests ran and waited for themselves; their exits are not the menu's.
std::set<DWORD>& AwaitedByHand() {
    static std::set<DWORD> ids;
    return ids;
}

}  // namespace

std::string HostFolder() {
    return Backslashed(CRAVEL_HOST);
}

std::string DllPath() {
    return HostFolder() + "\\Cravel.dll";
}

std::string TarvexPath() {
    return HostFolder() + "\\Tarvex.exe";
}

HMODULE Dll() {
    static HMODULE module = LoadLibraryA(DllPath().c_str());
    return module;
}

HRESULT CallExport(const char* name) {
    auto function = Export<NoArgumentFunction>(name);
    return function ? function() : E_NOTIMPL;
}

bool KeyExists(HKEY root, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& keyName, const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RegistryValue value;
    char data[2048];
    DWORD size = sizeof data;
    LONG read =
        RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.assign(data, size);
    return value;
}

void SetString(HKEY root, const std::string& keyName, const char* name, const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
}

RegistryParents::RegistryParents() {
    const std::pair<HKEY, std::string> parents[] = {
        {HKEY_CLASSES_ROOT, "*\\shellex"},
        {HKEY_CLASSES_ROOT, "*\\shellex\\ContextMenuHandlers"},
        {HKEY_CLASSES_ROOT, "Folder\\shellex"},
        {HKEY_CLASSES_ROOT, "Folder\\shellex\\ContextMenuHandlers"},
        {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions"},
        {HKEY_LOCAL_MACHINE, kApprovalKey},
    };
    for (const auto& [root, name] : parents) {
        if (!KeyExists(root, name)) {
            created_.emplace_back(root, name);
        }
    }
}

RegistryParents::~RegistryParents() {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
        DeleteKeyTree(it->first, it->second);
    }
}

DWORD RunProgram(const std::string& commandLine) {
    std::string command = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ChildProcesses::Get();  // the job exists before the child, so the child is counted
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return ~DWORD(0);
    }
    AwaitedByHand().insert(process.dwProcessId);
    DWORD code = ~DWORD(0);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

ChildProcesses& ChildProcesses::Get() {
    static ChildProcesses children;
    return children;
}

ChildProcesses::ChildProcesses() {
    job_ = CreateJobObjectA(nullptr, nullptr);
    port_ = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
    JOBOBJECT_ASSOCIATE_COMPLETION_PORT link = {job_, port_};
    SetInformationJobObject(job_, JobObjectAssociateCompletionPortInformation, &link, sizeof link);
    AssignProcessToJobObject(job_, GetCurrentProcess());
}

DWORD ChildProcesses::Started() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &info, sizeof info,
                                   nullptr)) {
        ADD_FAILURE() << "the job object cannot be asked";
        return 0;
    }
    return info.TotalProcesses - 1;  // the test program itself
}

bool ChildProcesses::WaitForExits(int count) {
    while (count > 0) {
        DWORD message = 0;
        ULONG_PTR key = 0;
        LPOVERLAPPED data = nullptr;
        if (!GetQueuedCompletionStatus(port_, &message, &key, &data, 30000)) {
            return false;
        }
        const auto id = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(data));
        if ((message == JOB_OBJECT_MSG_EXIT_PROCESS ||
             message == JOB_OBJECT_MSG_ABNORMAL_EXIT_PROCESS) &&
            AwaitedByHand().erase(id) == 0) {
            --count;
        }
    }
    return true;
}

std::string ScratchFolder::MakeFolder(const std::string& below) {
    const std::string path = path_ + "\\" + below;
    CreateDirectoryW(Wide(path).c_str(), nullptr);
    return path;
}

std::string ScratchFolder::MakeFile(const std::string& below, const std::string& content) {
    const std::string path = path_ + "\\" + below;
    HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

}  // namespace cravel_test
