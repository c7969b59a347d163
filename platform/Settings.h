#pragma once
// Settings seam: profile strings and integers by section and name. Win32 keeps them in the
// registry under HKEY_CURRENT_USER\Software\Stonemere Software\<program>; tests in memory.
#include <string>

class Settings {
  public:
    virtual ~Settings() = default;
    virtual std::string GetString(const std::string& section, const std::string& name,
                                  const std::string& fallback) = 0;
    virtual int GetInt(const std::string& section, const std::string& name, int fallback) = 0;
    virtual bool SetString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
    virtual bool SetInt(const std::string& section, const std::string& name, int value) = 0;
    // Makes the value absent; true when it is (also when it was never there).
    virtual bool Remove(const std::string& section, const std::string& name) = 0;
};
