#pragma once
// Settings in HKEY_CURRENT_USER\Software\Stonemere Software\<program>\<section>.
#include "platform/Settings.h"

class RegistrySettings : public Settings {
  public:
    explicit RegistrySettings(const std::string& program);

    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& fallback) override;
    int GetInt(const std::string& section, const std::string& name, int fallback) override;
    bool SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool SetInt(const std::string& section, const std::string& name, int value) override;
    bool Remove(const std::string& section, const std::string& name) override;

  private:
    std::string KeyOf(const std::string& section) const;

    std::string programKey_;
};
