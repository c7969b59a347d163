#pragma once
// A .rez archive's tree read straight from its bytes, sharing no code with Tarvex, to see what
// the installed program wrote.
#include <map>
#include <optional>
#include <string>

namespace setup_test {

// The folders below the root as "NAME\" with empty data and the files as "FOLDER\NAME" with
// their bytes, as FolderFiles gives a disk folder; nullopt when the bytes are no archive or an
// index record points outside the file.
std::optional<std::map<std::string, std::string>> ArchiveContents(const std::string& archive);

}  // namespace setup_test
