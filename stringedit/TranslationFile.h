#pragma once
// The translators' text file: one line "<identifier><TAB><text>" per string, ascending,
// texts as the list shows them, lines ended by CR LF.
#include <string>
#include <vector>

#include "stringedit/QuilletDoc.h"

std::string ExportTranslation(const CQuilletDoc& doc);

// Fills texts (65535 entries) from the file's lines; blank lines are skipped. On a
// malformed line, a duplicate identifier or one outside the table, returns false with
// error naming the line.
bool ParseTranslation(const std::string& file, std::vector<std::string>& texts, std::string& error);
