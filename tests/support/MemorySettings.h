#pragma once
// Settings for tests: a map, with every write recorded.
#include <map>
#include <utility>

#include "platform/Settings.h"

class MemorySettings : public Settings {
  public:
    std::map<std::pair<std::string, std::string>, std::string> strings;
    std::map<std::pair<std::string, std::string>, int> ints;

    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& fallback) override {
        auto it = strings.find({section, name});
        return it == strings.end() ? fallback : it->second;
    }
    int GetInt(const std::string& section, const std::string& name, int fallback) override {
        auto it = ints.find({section, name});
        return it == ints.end() ? fallback : it->second;
    }
    bool SetString(const std::string& section, const std::string& name,
                   const std::string& value) override {
        strings[{section, name}] = value;
        return true;
    }
    bool SetInt(const std::string& section, const std::string& name, int value) override {
        ints[{section, name}] = value;
        return true;
    }
    bool Remove(const std::string& section, const std::string& name) override {
        strings.erase({section, name});
        ints.erase({section, name});
        return true;
    }
};
