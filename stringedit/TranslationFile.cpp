#include "stringedit/TranslationFile.h"

#include "platform/Format.h"
#include "stringedit/StringBlock.h"

std::string ExportTranslation(const CQuilletDoc& doc) {
    std::string file;
    for (int row = 0; row < doc.RowCount(); ++row) {
        const int id = doc.RowToId(row);
        file += Format("%d\t", id) + doc.Text(id) + "\r\n";
    }
    return file;
}

namespace {

// Digits only, no sign or blanks; -1 when not a number, -2 when too large.
long long ParseIdentifier(const std::string& digits) {
    if (digits.empty() || digits.size() > 9)
        return digits.empty() ? -1 : -2;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

bool ParseTranslation(const std::string& file, std::vector<std::string>& texts,
                      std::string& error) {
    texts.assign(kStringTableSize, std::string());
    int lineNumber = 0;
    for (size_t start = 0; start < file.size();) {
        size_t end = file.find('\n', start);
        if (end == std::string::npos)
            end = file.size();
        std::string line = file.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;

        const size_t tab = line.find('\t');
        const long long id = tab == std::string::npos ? -1 : ParseIdentifier(line.substr(0, tab));
        if (id == -1 || tab + 1 == line.size()) {
            error = Format("Line %d: expected <identifier><TAB><text>", lineNumber);
            return false;
        }
        if (!IsStringId(id)) {
            error = Format("Line %d: identifier %s is outside 0 to %d", lineNumber,
                           line.substr(0, tab).c_str(), kHighestStringId);
            return false;
        }
        if (!texts[id].empty()) {
            error = Format("Line %d: duplicate identifier %lld", lineNumber, id);
            return false;
        }
        texts[id] = line.substr(tab + 1);
    }
    return true;
}
