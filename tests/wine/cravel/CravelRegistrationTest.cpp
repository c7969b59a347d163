// Registering Cravel.dll and removing it again, checked key by key in Wine's registry.
#include <olectl.h>

#include "CravelTestSupport.h"
#include "platform/win32/com/RegistryKeys.h"

using namespace cravel_test;

namespace {

void ExpectString(HKEY root, const std::string& key, const char* name, const std::string& text) {
    const auto value = ReadValue(root, key, name);
    ASSERT_TRUE(value.has_value()) << key << " " << (name ? name : "(default)");
    EXPECT_EQ(value->type, DWORD(REG_SZ)) << key;
    // Stored with its terminating zero; module paths compare without case.
    ASSERT_EQ(value->bytes.size(), text.size() + 1) << key;
    EXPECT_EQ(value->bytes.back(), '\0') << key;
    EXPECT_EQ(lstrcmpiA(value->bytes.c_str(), text.c_str()), 0) << value->bytes << " in " << key;
}

// How many subkeys and values a key has.
std::pair<DWORD, DWORD> Contents(HKEY root, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return {~DWORD(0), ~DWORD(0)};
    }
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return {subkeys, values};
}

bool ApprovalExists() {
    return ReadValue(HKEY_LOCAL_MACHINE, kApprovalKey, kClsidText).has_value();
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

class CravelRegistration : public testing::Test {
  protected:
    // Whatever a failed removal left goes too.
    void TearDown() override {
        for (const char* key : {kClassKey.c_str(), kFileHandlerKey, kFolderHandlerKey}) {
            DeleteKeyTree(HKEY_CLASSES_ROOT, key);
        }
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovalKey, 0, KEY_SET_VALUE, &key) == 0) {
            RegDeleteValueA(key, kClsidText);
            RegCloseKey(key);
        }
    }

    RegistryParents parents_;
};

TEST_F(CravelRegistration, Regsvr32WritesEveryKeyAndValueAndRemovesThemAll) {
    ASSERT_EQ(RunProgram("regsvr32.exe /s " + Quoted(DllPath())), 0u);

    ExpectString(HKEY_CLASSES_ROOT, kClassKey, nullptr, "Cravel");
    ExpectString(HKEY_CLASSES_ROOT, kServerKey, nullptr, DllPath());
    ExpectString(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel", "Apartment");
    ExpectString(HKEY_CLASSES_ROOT, kFileHandlerKey, nullptr, kClsidText);
    ExpectString(HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, kClsidText);
    ExpectString(HKEY_LOCAL_MACHINE, kApprovalKey, kClsidText, "Cravel");
    // Nothing besides: the class key holds the server key and its name, the server key its
    // two values, each handler key its class.
    EXPECT_EQ(Contents(HKEY_CLASSES_ROOT, kClassKey), std::make_pair(DWORD(1), DWORD(1)));
    EXPECT_EQ(Contents(HKEY_CLASSES_ROOT, kServerKey), std::make_pair(DWORD(0), DWORD(2)));
    EXPECT_EQ(Contents(HKEY_CLASSES_ROOT, kFileHandlerKey), std::make_pair(DWORD(0), DWORD(1)));
    EXPECT_EQ(Contents(HKEY_CLASSES_ROOT, kFolderHandlerKey), std::make_pair(DWORD(0), DWORD(1)));

    ASSERT_EQ(RunProgram("regsvr32.exe /u /s " + Quoted(DllPath())), 0u);

    for (const std::string& gone :
         {kServerKey, kClassKey, std::string(kFileHandlerKey), std::string(kFolderHandlerKey)}) {
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, gone)) << gone;
    }
    EXPECT_FALSE(ApprovalExists());
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
}

TEST_F(CravelRegistration, RemovingMissingKeysFailsAndStopsThere) {
    EXPECT_EQ(CallExport("DllUnregisterServer"), SELFREG_E_CLASS);
    EXPECT_NE(RunProgram("regsvr32.exe /u /s " + Quoted(DllPath())), 0u);

    // With the folder handler already gone, the keys before it go and the approval stays.
    ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
    DeleteKeyTree(HKEY_CLASSES_ROOT, kFolderHandlerKey);
    EXPECT_EQ(CallExport("DllUnregisterServer"), SELFREG_E_CLASS);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFileHandlerKey));
    EXPECT_TRUE(ApprovalExists());

    // A key in the way of removal: the class key cannot go while it has another subkey.
    ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
    SetString(HKEY_CLASSES_ROOT, kClassKey + "\\Foreign", nullptr, "x");
    EXPECT_EQ(CallExport("DllUnregisterServer"), SELFREG_E_CLASS);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kServerKey));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kFileHandlerKey));
}

TEST_F(CravelRegistration, ModulePathLongerThanMaxPathRegistersNothing) {
    ScratchFolder scratch;
    std::string folder = scratch.Path();
    while (folder.size() < MAX_PATH) {
        folder += "\\" + std::string(60, 'f');
        ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr)) << folder.size();
    }
    const std::wstring copy = Wide(folder + "\\Cravel.dll");
    ASSERT_TRUE(CopyFileW(Wide(DllPath()).c_str(), copy.c_str(), FALSE));
    HMODULE module = LoadLibraryW(copy.c_str());
    ASSERT_NE(module, nullptr);
    ASSERT_NE(module, Dll());
    auto registerServer = reinterpret_cast<NoArgumentFunction>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));

    EXPECT_EQ(registerServer(), SELFREG_E_CLASS);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFileHandlerKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFolderHandlerKey));
    EXPECT_FALSE(ApprovalExists());
    FreeLibrary(module);
}

// Wine reports an older Windows for a program named in AppDefaults.
class OldWindows {
  public:
    OldWindows() { SetString(HKEY_CURRENT_USER, kKey, "Version", "win98"); }
    ~OldWindows() { DeleteKeyTree(HKEY_CURRENT_USER, kKey); }

  private:
    static constexpr const char* kKey = "Software\\Wine\\AppDefaults\\cravel_selfreg.exe";
};

TEST_F(CravelRegistration, WindowsOtherThanNtGetsNoApproval) {
    OldWindows old;
    const std::string helper = Quoted(CRAVEL_SELFREG);
    ASSERT_EQ(RunProgram(helper + " platform"), DWORD(VER_PLATFORM_WIN32_WINDOWS));

    ASSERT_EQ(RunProgram(helper + " register " + Quoted(DllPath())), 0u);
    ExpectString(HKEY_CLASSES_ROOT, kServerKey, nullptr, DllPath());
    ExpectString(HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, kClsidText);
    EXPECT_FALSE(ApprovalExists());

    // Removal there leaves an approval value alone.
    SetString(HKEY_LOCAL_MACHINE, kApprovalKey, kClsidText, "Cravel");
    ASSERT_EQ(RunProgram(helper + " unregister " + Quoted(DllPath())), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_TRUE(ApprovalExists());
}

}  // namespace
