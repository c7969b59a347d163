// Framework pieces that need no window: command routing, open-dialog names and registry
// settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Scoped.h"
#include "platform/win32/ui/CommandRouter.h"
#include "platform/win32/ui/OpenFileNames.h"
#include "platform/win32/ui/RegistrySettings.h"

namespace {

TEST(CommandRouter, RunsOnlyAvailableCommands) {
    CommandRouter router;
    int runs = 0;
    bool enabled = false;
    router.Add(
        1, [&] { ++runs; }, EnabledWhen([&] { return enabled; }));
    router.Add(
        2, [&] { runs += 10; }, CheckedWhen([] { return true; }));
    EXPECT_FALSE(router.Run(1));
    EXPECT_FALSE(router.Run(3));  // no handler: never available
    EXPECT_FALSE(router.State(3).enabled);
    enabled = true;
    EXPECT_TRUE(router.Run(1));
    EXPECT_TRUE(router.Run(2));
    EXPECT_EQ(runs, 11);
    EXPECT_TRUE(router.State(2).checked);
    EXPECT_FALSE(router.State(1).checked);
}

TEST(OpenFileNames, SinglePathOrFolderWithNames) {
    const char single[] = "C:\\maps\\one.dat\0";
    EXPECT_EQ(ParseOpenFileNames(single, sizeof(single)),
              (std::vector<std::string>{"C:\\maps\\one.dat"}));
    const char several[] = "C:\\maps\0a.dat\0b.dat\0";
    EXPECT_EQ(ParseOpenFileNames(several, sizeof(several)),
              (std::vector<std::string>{"C:\\maps\\a.dat", "C:\\maps\\b.dat"}));
    const char root[] = "C:\\\0a.dat\0b.dat\0";
    EXPECT_EQ(ParseOpenFileNames(root, sizeof(root)),
              (std::vector<std::string>{"C:\\a.dat", "C:\\b.dat"}));
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(ParseOpenFileNames(unterminated, sizeof(unterminated)),
              (std::vector<std::string>{"abcd"}));
    EXPECT_TRUE(ParseOpenFileNames("\0", 2).empty());
}

// A program key of this process's own, removed with its Window key whatever the test did.
struct ProgramKey {
    const std::string program = "QuilletTest" + std::to_string(GetCurrentProcessId());
    const std::string path = "Software\\Stonemere Software\\" + program;
    ~ProgramKey() {
        RegDeleteKeyA(HKEY_CURRENT_USER, (path + "\\Window").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }
};

TEST(RegistrySettings, KeepsValuesUnderTheMakersKey) {
    const ProgramKey key;
    RegistrySettings settings(key.program);
    EXPECT_EQ(settings.GetString("Window", "Missing", "fallback"), "fallback");
    EXPECT_EQ(settings.GetInt("Window", "Missing", 7), 7);
    ASSERT_TRUE(settings.SetString("Window", "Name", "Cres.DLL"));
    ASSERT_TRUE(settings.SetInt("Window", "Width", -640));
    EXPECT_EQ(settings.GetString("Window", "Name", ""), "Cres.DLL");
    EXPECT_EQ(settings.GetInt("Window", "Width", 0), -640);
    EXPECT_EQ(settings.GetInt("Window", "Name", 5), 5);  // a string is no integer

    ScopedKey window;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (key.path + "\\Window").c_str(), 0, KEY_READ,
                            window.Receive()),
              ERROR_SUCCESS);
    char value[32] = "";
    DWORD size = sizeof(value);
    EXPECT_EQ(RegQueryValueExA(window.Get(), "Name", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(value), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(value, "Cres.DLL");
    DWORD width = 0;
    size = sizeof(width);
    EXPECT_EQ(RegQueryValueExA(window.Get(), "Width", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&width), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(static_cast<int>(width), -640);
}

}  // namespace
