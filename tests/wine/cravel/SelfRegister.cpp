// Registers or removes a module in a process of its own, so that the tests can run it as an
// older Windows reports itself:
//   cravel_selfreg platform            exit code: the platform GetVersionExA reports
//   cravel_selfreg register <dll>      exit code 0 when DllRegisterServer gave S_OK
//   cravel_selfreg unregister <dll>    the same for DllUnregisterServer
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "platform") == 0) {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        return GetVersionExA(&version) ? static_cast<int>(version.dwPlatformId) : 100;
    }
    if (argc != 3) {
        return 101;
    }
    const bool doRegister = std::strcmp(argv[1], "register") == 0;
    HMODULE dll = LoadLibraryA(argv[2]);
    auto entry = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(
        GetProcAddress(dll, doRegister ? "DllRegisterServer" : "DllUnregisterServer")));
    if (!entry) {
        return 102;
    }
    return entry() == S_OK ? 0 : 1;
}
