#pragma once
// Puts the windows of a Wine test program on a virtual desktop of its own. Wine then draws
// their frames itself and hides them at once; on a bare X server a frame stays black and
// every hidden window costs a two-second wait for a window manager that never answers. Each
// program gets its own desktop, so tests running side by side cannot cover each other's
// windows. Declare one OwnDesktop in the test file:
//   const auto* desktop = ::testing::AddGlobalTestEnvironment(new OwnDesktop("Transfer"));
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

class OwnDesktop : public ::testing::Environment {
  public:
    explicit OwnDesktop(const std::string& name)
        : name_("Tarvex" + name + std::to_string(GetCurrentProcessId())) {}

    void SetUp() override {
        // Wine makes a desktop virtual when its size is registered under its name.
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kDesktops, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kSize),
                           sizeof(kSize));
            RegCloseKey(key);
        }
        desktop_ = CreateDesktopA(name_.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
        ASSERT_NE(desktop_, nullptr);
        ASSERT_TRUE(SetThreadDesktop(desktop_));
    }
    void TearDown() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktops, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name_.c_str());
            RegCloseKey(key);
        }
    }

  private:
    static constexpr const char* kDesktops = "Software\\Wine\\Explorer\\Desktops";
    static constexpr char kSize[] = "1024x768";
    std::string name_;
    HDESK desktop_ = nullptr;
};
