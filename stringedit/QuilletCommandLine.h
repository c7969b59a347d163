#pragma once
// The modes that show no window:
//   /export <file.dll> <strings.txt>   writes the table as a translation file
//   /import <strings.txt> <file.dll>   replaces the table by the file and saves it
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "stringedit/QuilletDoc.h"

// The process exit code, or nothing when the arguments ask for the window.
std::optional<int> RunQuilletBatch(const std::vector<std::string>& args, CQuilletDoc& doc,
                                   std::ostream& err);
