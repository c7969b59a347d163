#pragma once
// String resources of a module read whole, and the map-pack layouts read from them.
#include <windows.h>

#include <optional>
#include <string>

#include "app/MapPack.h"

// Nothing when the module has no string of that id.
std::optional<std::string> LoadModuleString(HINSTANCE module, UINT id);

// The folder layouts as the program's string table holds them: a new game needs only new
// strings.
class ModuleLayoutStrings : public LayoutStrings {
  public:
    explicit ModuleLayoutStrings(HINSTANCE module) : module_(module) {}
    std::optional<std::string> Find(int stringId) const override {
        return LoadModuleString(module_, static_cast<UINT>(stringId));
    }

  private:
    HINSTANCE module_;
};
