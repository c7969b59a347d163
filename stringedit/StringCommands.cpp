#include "stringedit/StringCommands.h"

#include <cctype>

#include "platform/Format.h"

long long ParseTypedId(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        if (value < 100000000000000000LL)  // 18 digits stay exact
            value = value * 10 + (text[i] - '0');
    return negative ? -value : value;
}

bool RenumberTypedId(CQuilletDoc& doc, UserPrompts& prompts, int id, const std::string& typed) {
    if (doc.Text(id).empty())
        return false;
    const long long newId = ParseTypedId(typed);
    if (!IsStringId(newId)) {
        prompts.Show(Format("String ID: %lld is outside 0 to %d.", newId, kHighestStringId));
        return false;
    }
    if (newId == id)
        return false;
    if (!doc.Text(static_cast<int>(newId)).empty() &&
        prompts.Ask(Format("String ID: %i already exists. Overwrite?", static_cast<int>(newId)),
                    PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    return doc.RenumberString(doc.IdToRow(id), static_cast<int>(newId));
}

int InsertString(CQuilletDoc& doc, UserPrompts& prompts) {
    const int count = doc.InsertNewString();
    if (count < 0) {
        prompts.Show(Format("String ID: %d is in use; no string can follow it.", kHighestStringId));
        return -1;
    }
    return count - 1;
}

void DeleteRows(CQuilletDoc& doc, const std::vector<int>& rows) {
    std::vector<int> ids;
    for (int row : rows)
        ids.push_back(doc.RowToId(row));
    for (int id : ids)
        doc.RemoveString(id);
}
