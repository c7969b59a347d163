// Registering Glintra.dll with regsvr32 and removing it again, checked in the registry.
#include <optional>

#include "GlintraModule.h"

using namespace glintra_test;

namespace {

const char kClsidText[] = "{5DCED9AF-C2EC-4BD3-AF2A-F51D6B18FC7C}";
const std::string kClassKey = std::string("CLSID\\") + kClsidText;
const char kThumbnailKey[] = ".dtx\\shellex\\{BB2E617C-0920-11d1-9A0B-00C04FC2D6C1}";
const char kInfoTipKey[] = ".dtx\\shellex\\{00021500-0000-0000-C000-000000000046}";
const char kTypeLibKey[] = "TypeLib\\{527493DE-F554-42BB-9CCE-9E7F17316077}";

bool KeyExists(const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A string value of a key under HKEY_CLASSES_ROOT; empty value name for the default.
std::optional<std::string> Value(const std::string& keyName, const char* valueName = nullptr) {
    char data[1024] = {};
    DWORD size = sizeof data - 1, type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    LONG read =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ) {
        return std::nullopt;
    }
    return std::string(data);
}

// Runs regsvr32 silently on the DLL and gives its exit code.
DWORD RunRegsvr32(const std::string& options) {
    std::string command = "regsvr32.exe " + options + " \"" + DllPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return DWORD(-1);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

void DeleteTree(HKEY root, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return;
    }
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
        DeleteTree(key, child);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, name.c_str());
}

class GlintraRegistration : public testing::Test {
  protected:
    void SetUp() override { dtxExisted_ = KeyExists(".dtx"); }
    void TearDown() override {
        // Leave the prefix as it was: unregistered, and no .dtx key we made.
        Export<NoArgumentFunction>("DllUnregisterServer")();
        if (!dtxExisted_) {
            DeleteTree(HKEY_CLASSES_ROOT, ".dtx");
        }
    }

  private:
    bool dtxExisted_ = false;
};

}  // namespace

TEST_F(GlintraRegistration, Regsvr32WritesTheScriptAndTheTypeLibrary) {
    // A stale class key is replaced, not merged.
    HKEY stale = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, (kClassKey + "\\Stale").c_str(), &stale),
              ERROR_SUCCESS);
    RegCloseKey(stale);

    ASSERT_EQ(RunRegsvr32("/s"), 0u);

    EXPECT_EQ(Value("DivarAdozarez.Extractor.1"), "Extractor Class");
    EXPECT_EQ(Value("DivarAdozarez.Extractor.1\\CLSID"), kClsidText);
    EXPECT_EQ(Value("DivarAdozarez.Extractor"), "Extractor Class");
    EXPECT_EQ(Value("DivarAdozarez.Extractor\\CLSID"), kClsidText);
    EXPECT_EQ(Value("DivarAdozarez.Extractor\\CurVer"), "DivarAdozarez.Extractor.1");
    EXPECT_EQ(Value(kClassKey), "Extractor Class");
    EXPECT_EQ(Value(kClassKey + "\\ProgID"), "DivarAdozarez.Extractor.1");
    EXPECT_EQ(Value(kClassKey + "\\VersionIndependentProgID"), "DivarAdozarez.Extractor");
    EXPECT_TRUE(KeyExists(kClassKey + "\\Programmable"));
    EXPECT_FALSE(KeyExists(kClassKey + "\\Stale"));
    auto server = Value(kClassKey + "\\InprocServer32");
    ASSERT_TRUE(server.has_value());
    EXPECT_EQ(lstrcmpiA(server->c_str(), DllPath().c_str()), 0) << *server;
    EXPECT_EQ(Value(kClassKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(Value(kClassKey + "\\TypeLib"), "{67AB5047-7EEB-4756-B03D-3ABED2865233}");
    EXPECT_EQ(Value(kThumbnailKey), kClsidText);
    EXPECT_EQ(Value(kInfoTipKey), kClsidText);
    EXPECT_TRUE(KeyExists(kTypeLibKey + std::string("\\1.0")));

    ASSERT_EQ(RunRegsvr32("/u /s"), 0u);

    for (const std::string& gone :
         {std::string("DivarAdozarez.Extractor.1"), std::string("DivarAdozarez.Extractor"),
          kClassKey, std::string(kThumbnailKey), std::string(kTypeLibKey)}) {
        EXPECT_FALSE(KeyExists(gone)) << gone;
    }
    EXPECT_TRUE(KeyExists("CLSID"));
    EXPECT_TRUE(KeyExists(".dtx"));
    EXPECT_EQ(Value(kInfoTipKey), kClsidText);  // never removed
}

TEST_F(GlintraRegistration, EmptyShellexKeyGoesWithTheThumbnailHandler) {
    ASSERT_EQ(Export<NoArgumentFunction>("DllRegisterServer")(), S_OK);
    DeleteTree(HKEY_CLASSES_ROOT, kInfoTipKey);
    EXPECT_EQ(Export<NoArgumentFunction>("DllUnregisterServer")(), S_OK);
    EXPECT_FALSE(KeyExists(".dtx\\shellex"));
    EXPECT_TRUE(KeyExists(".dtx"));
}

TEST_F(GlintraRegistration, UnregisteringTwiceSucceeds) {
    EXPECT_EQ(Export<NoArgumentFunction>("DllUnregisterServer")(), S_OK);
    EXPECT_EQ(Export<NoArgumentFunction>("DllUnregisterServer")(), S_OK);
    EXPECT_FALSE(KeyExists(kClassKey));
}
