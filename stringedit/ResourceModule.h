#pragma once
// Access to the string-table resources of a module file. Win32 loads the module and
// uses the resource update functions; tests keep modules in memory.
#include <cstdint>
#include <string>
#include <vector>

class ResourceModule {
  public:
    virtual ~ResourceModule() = default;

    // Reading: Open, then StringBlock for each block wanted, then Close.
    virtual bool Open(const std::string& path) = 0;
    // False when the open module has no such block.
    virtual bool StringBlock(int block, std::vector<uint8_t>& bytes) = 0;
    virtual void Close() = 0;

    // Writing: BeginUpdate keeps the module's other resources; nothing reaches the file
    // until EndUpdate(true).
    virtual bool BeginUpdate(const std::string& path) = 0;
    virtual bool UpdateStringBlock(int block, uint16_t language,
                                   const std::vector<uint8_t>& bytes) = 0;
    virtual bool EndUpdate(bool commit) = 0;
};

constexpr uint16_t kEnglishUnitedStates = 1033;
