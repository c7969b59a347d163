#pragma once
// Registration scripts: a module's registry entries as a text resource of nested keys, in the
// usual "REGISTRY" resource syntax:
//
//   HKCR
//   {
//       NoRemove CLSID
//       {
//           ForceRemove {...} = s 'Name'
//           {
//               InprocServer32 = s '%MODULE%'
//               {
//                   val ThreadingModel = s 'Apartment'
//               }
//           }
//       }
//   }
//
// On registration every key is created and its values set; a ForceRemove key is first deleted
// with everything below it. On removal a NoRemove key stays (its subkeys are still visited), a
// ForceRemove key or one without subkeys in the script goes with everything below it, and any
// other key goes once the script's subkeys are removed and nothing else is left below it.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

struct ScriptValue {
    std::string name;       // empty for the default value
    bool isNumber = false;  // 'd': a DWORD; otherwise 's': a string
    std::string text;
    DWORD number = 0;
};

struct ScriptKey {
    std::string name;
    bool noRemove = false;
    bool forceRemove = false;
    std::vector<ScriptValue> values;
    std::vector<ScriptKey> subkeys;
};

struct ScriptRoot {
    HKEY root = nullptr;
    std::vector<ScriptKey> keys;
};

using ScriptReplacements = std::vector<std::pair<std::string, std::string>>;

// Replaces every "%NAME%" of replacements (given as NAME, text) in script; "%%" stands for "%".
std::string ExpandScript(const std::string& script, const ScriptReplacements& replacements);

// Parses an expanded script; false with a reason in error when it is malformed.
bool ParseRegistrationScript(const std::string& script, std::vector<ScriptRoot>& roots,
                             std::string& error);

// S_OK, or SELFREG_E_CLASS at the first key or value that cannot be written.
HRESULT RegisterScript(const std::vector<ScriptRoot>& roots);
// Removes what the script marks removable; S_OK, or SELFREG_E_CLASS if a key could not go.
HRESULT UnregisterScript(const std::vector<ScriptRoot>& roots);

// Loads the script resource (type "REGISTRY") of module, expands and parses it, then registers
// or removes it. SELFREG_E_CLASS when the resource is missing or malformed.
HRESULT RunScriptResource(HINSTANCE module, int resourceId, const ScriptReplacements& replacements,
                          bool doRegister);
