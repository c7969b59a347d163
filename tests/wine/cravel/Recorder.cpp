// Stands in for Tarvex.exe in the tests: writes what it was started with to the file named by
// the environment variable CRAVEL_RECORD, one line each: the raw command line, the working
// folder and its own path. A window program like Tarvex, so no console comes with it.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char record[MAX_PATH] = {};
    if (GetEnvironmentVariableA("CRAVEL_RECORD", record, MAX_PATH) == 0) {
        return 2;
    }
    char folder[MAX_PATH] = {};
    char self[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    FILE* out = std::fopen(record, "ab");
    if (!out) {
        return 3;
    }
    std::fprintf(out, "%s\n%s\n%s\n", GetCommandLineA(), folder, self);
    std::fclose(out);
    return 0;
}
