#pragma once
// The editing commands of the string list that need no window: what to do with a typed
// identifier or an insertion, with the questions and refusals they show.
#include <string>
#include <vector>

#include "platform/UserPrompts.h"
#include "stringedit/QuilletDoc.h"

// The leading decimal number of text, 0 when there is none; saturates far outside the table.
long long ParseTypedId(const std::string& text);

// Renumbers string id to the identifier typed for it, asking before overwriting another
// string. True when the table changed.
bool RenumberTypedId(CQuilletDoc& doc, UserPrompts& prompts, int id, const std::string& typed);

// Inserts the new-string text after the highest string; its row, or -1 when refused.
int InsertString(CQuilletDoc& doc, UserPrompts& prompts);

// Removes exactly the strings of the given rows.
void DeleteRows(CQuilletDoc& doc, const std::vector<int>& rows);
