// The shared in-process server parts: registration scripts, registry tables, class factory.
#include <olectl.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/Format.h"
#include "platform/win32/com/ClassFactory.h"
#include "platform/win32/com/ComModule.h"
#include "platform/win32/com/RegistrationScript.h"
#include "platform/win32/com/RegistryKeys.h"
#include "platform/win32/com/RegistryTable.h"

namespace {

// A private key under HKEY_CURRENT_USER, removed after each test.
class ScratchKey : public testing::Test {
  protected:
    void SetUp() override {
        base_ = Format("Software\\TarvexTests\\ComServer%lu", GetCurrentProcessId());
    }
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, base_); }

    std::string Key(const std::string& below) const { return base_ + "\\" + below; }
    bool Exists(const std::string& below) const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Key(below).c_str(), 0, KEY_READ, &key)) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
    std::string Text(const std::string& below, const char* value = nullptr) const {
        char data[512] = {};
        DWORD size = sizeof data - 1;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Key(below).c_str(), 0, KEY_READ, &key)) {
            return "<no key>";
        }
        LONG read =
            RegQueryValueExA(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        return read == ERROR_SUCCESS ? data : "<no value>";
    }
    void Create(const std::string& below) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, Key(below).c_str(), &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // A script rooted at HKCU with the scratch key's path as %BASE%.
    std::vector<ScriptRoot> Parse(const std::string& script) {
        std::vector<ScriptRoot> roots;
        std::string error;
        EXPECT_TRUE(ParseRegistrationScript(ExpandScript(script, {{"BASE", base_}}), roots, error))
            << error;
        return roots;
    }

    std::string base_;
};

const char kScript[] = R"(
HKCU
{
    NoRemove '%BASE%'
    {
        Thing.1 = s 'A ''quoted'' name'
        {
            CLSID = s '{1}'
        }
        NoRemove Shared
        {
            Mine = s 'x'
            NoRemove Kept = s 'y'
        }
        ForceRemove Forced = s 'Forced'
        {
            Server = s 'C:\dir\file.dll'
            {
                val ThreadingModel = s 'Apartment'
                val Count = d 42
            }
            ForceRemove 'Marker'
        }
        Group
        {
            Member = s 'm'
        }
        {A1B2C3D4-1111-2222-3333-444455556666} = s 'guid key'
    }
}
)";

}  // namespace

TEST(RegistrationScriptText, ExpandsPlaceholders) {
    ScriptReplacements replacements = {{"MODULE", "C:\\a b\\Glintra.dll"}, {"X", "1"}};
    EXPECT_EQ(ExpandScript("s '%MODULE%'", replacements), "s 'C:\\a b\\Glintra.dll'");
    EXPECT_EQ(ExpandScript("%X%%X% 100%% %UNKNOWN% 5%", replacements), "11 100% %UNKNOWN% 5%");
}

TEST(RegistrationScriptText, ParsesKeysFlagsAndValues) {
    std::vector<ScriptRoot> roots;
    std::string error;
    ASSERT_TRUE(ParseRegistrationScript(kScript, roots, error)) << error;
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_EQ(roots[0].root, HKEY_CURRENT_USER);
    ASSERT_EQ(roots[0].keys.size(), 1u);
    const ScriptKey& base = roots[0].keys[0];
    EXPECT_TRUE(base.noRemove);
    ASSERT_EQ(base.subkeys.size(), 5u);
    EXPECT_EQ(base.subkeys[4].name, "{A1B2C3D4-1111-2222-3333-444455556666}");
    const ScriptKey& thing = base.subkeys[0];
    EXPECT_EQ(thing.name, "Thing.1");
    ASSERT_EQ(thing.values.size(), 1u);
    EXPECT_EQ(thing.values[0].text, "A 'quoted' name");
    EXPECT_TRUE(thing.values[0].name.empty());
    const ScriptKey& forced = base.subkeys[2];
    EXPECT_TRUE(forced.forceRemove);
    const ScriptKey& server = forced.subkeys[0];
    ASSERT_EQ(server.values.size(), 3u);
    EXPECT_EQ(server.values[0].text, "C:\\dir\\file.dll");
    EXPECT_EQ(server.values[1].name, "ThreadingModel");
    EXPECT_TRUE(server.values[2].isNumber);
    EXPECT_EQ(server.values[2].number, 42u);
    EXPECT_EQ(forced.subkeys[1].name, "Marker");
    EXPECT_TRUE(forced.subkeys[1].forceRemove);
}

TEST(RegistrationScriptText, RefusesMalformedScripts) {
    for (const char* bad :
         {"HKXX { }", "HKCR { A = s 'x' ", "HKCR { A = q 'x' }", "HKCR { A = s 'unterminated }",
          "HKCR { NoRemove }", "HKCR { A { } } }", "HKCR { A = d 12z }", "HKCR { = s 'x' }"}) {
        std::vector<ScriptRoot> roots;
        std::string error;
        EXPECT_FALSE(ParseRegistrationScript(bad, roots, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
        EXPECT_TRUE(roots.empty()) << bad;
    }
}

TEST_F(ScratchKey, ScriptRegistersAndRemovesByItsMarks) {
    auto roots = Parse(kScript);
    Create("Forced\\Leftover");  // replaced on registration
    ASSERT_EQ(RegisterScript(roots), S_OK);
    EXPECT_EQ(Text("Thing.1"), "A 'quoted' name");
    EXPECT_EQ(Text("Thing.1\\CLSID"), "{1}");
    EXPECT_EQ(Text("Shared\\Kept"), "y");
    EXPECT_EQ(Text("Forced\\Server"), "C:\\dir\\file.dll");
    EXPECT_EQ(Text("Forced\\Server", "ThreadingModel"), "Apartment");
    EXPECT_TRUE(Exists("Forced\\Marker"));
    EXPECT_EQ(Text("{A1B2C3D4-1111-2222-3333-444455556666}"), "guid key");
    EXPECT_FALSE(Exists("Forced\\Leftover"));
    DWORD count = 0, size = sizeof count, type = 0;
    HKEY server = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, Key("Forced\\Server").c_str(), 0, KEY_READ, &server),
              ERROR_SUCCESS);
    RegQueryValueExA(server, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&count), &size);
    RegCloseKey(server);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(count, 42u);

    // Keys added by others: below a forced key they go, beside a plain key's subkeys they stay.
    Create("Forced\\Extra");
    Create("Group\\Foreign");
    ASSERT_EQ(UnregisterScript(roots), S_OK);
    EXPECT_FALSE(Exists("Thing.1"));
    EXPECT_FALSE(Exists("Forced"));
    EXPECT_TRUE(Exists("Shared"));
    EXPECT_FALSE(Exists("Shared\\Mine"));
    EXPECT_TRUE(Exists("Shared\\Kept"));
    EXPECT_FALSE(Exists("Group\\Member"));
    EXPECT_TRUE(Exists("Group\\Foreign"));
    EXPECT_FALSE(Exists("{A1B2C3D4-1111-2222-3333-444455556666}"));
    // Removing what is already gone is no failure.
    EXPECT_EQ(UnregisterScript(roots), S_OK);
}

TEST_F(ScratchKey, RegistryTableWritesRowsAndDeletesKeys) {
    std::string pattern = base_ + "\\CLSID\\%s";
    std::string serverPattern = pattern + "\\InProcServer32";
    const RegistryRow rows[] = {
        {HKEY_CURRENT_USER, pattern.c_str(), nullptr, "Cravel"},
        {HKEY_CURRENT_USER, serverPattern.c_str(), nullptr, "%s"},
        {HKEY_CURRENT_USER, serverPattern.c_str(), "ThreadingModel", "Apartment"},
        {nullptr, nullptr, nullptr, nullptr},
    };
    ASSERT_EQ(WriteRegistryTable(rows, "{ID}", "C:\\x\\Cravel.dll"), S_OK);
    EXPECT_EQ(Text("CLSID\\{ID}"), "Cravel");
    EXPECT_EQ(Text("CLSID\\{ID}\\InProcServer32"), "C:\\x\\Cravel.dll");
    EXPECT_EQ(Text("CLSID\\{ID}\\InProcServer32", "ThreadingModel"), "Apartment");

    const char* keys[] = {serverPattern.c_str(), pattern.c_str(), nullptr};
    EXPECT_EQ(DeleteRegistryKeys(HKEY_CURRENT_USER, keys, "{ID}"), S_OK);
    EXPECT_FALSE(Exists("CLSID\\{ID}"));
    EXPECT_EQ(DeleteRegistryKeys(HKEY_CURRENT_USER, keys, "{ID}"), SELFREG_E_CLASS);

    const RegistryRow badRoot[] = {
        {reinterpret_cast<HKEY>(uintptr_t(0x12345678)), "Somewhere", nullptr, "x"},
        {nullptr, nullptr, nullptr, nullptr},
    };
    EXPECT_EQ(WriteRegistryTable(badRoot, "", ""), SELFREG_E_CLASS);
}

namespace {

LONG g_created = 0;

class Dummy final : public IUnknown {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG count = --references_;
        if (count == 0) {
            delete this;
        }
        return count;
    }

  private:
    ModuleObjectCount count_;
    ULONG references_ = 0;
};

HRESULT CreateDummy(IUnknown* outer, REFIID iid, void** object) {
    if (outer) {
        return CLASS_E_NOAGGREGATION;
    }
    ++g_created;
    auto* dummy = new Dummy;
    dummy->AddRef();
    HRESULT result = dummy->QueryInterface(iid, object);
    dummy->Release();
    return result;
}

const CLSID kDummyClsid = {0x11111111, 0x2222, 0x3333, {4, 4, 5, 5, 5, 5, 5, 5}};
const ComClass kClasses[] = {{&kDummyClsid, &CreateDummy}};

}  // namespace

TEST(ClassFactory, CreatesObjectsAndCountsThemForUnloading) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(GetClassObject(kClasses, 1, IID_IUnknown, IID_IClassFactory, &object),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(GetClassObject(kClasses, 1, kDummyClsid, IID_IDispatch, &object), E_NOINTERFACE);
    EXPECT_EQ(ModuleCanUnloadNow(), S_OK);  // the refused factory is gone again

    IClassFactory* factory = nullptr;
    ASSERT_EQ(GetClassObject(kClasses, 1, kDummyClsid, IID_IClassFactory,
                             reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(ModuleCanUnloadNow(), S_FALSE);
    IUnknown* instance = nullptr;
    EXPECT_EQ(factory->CreateInstance(factory, IID_IUnknown, reinterpret_cast<void**>(&instance)),
              CLASS_E_NOAGGREGATION);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&instance)),
              S_OK);
    EXPECT_EQ(g_created, 1);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(ModuleCanUnloadNow(), S_FALSE);  // the object is still alive
    instance->Release();
    EXPECT_EQ(ModuleCanUnloadNow(), S_OK);  // LockServer kept nothing
}

TEST(ComModule, GuidStringIsBracedUpperCase) {
    EXPECT_EQ(GuidString(kDummyClsid), "{11111111-2222-3333-0404-050505050505}");
}
