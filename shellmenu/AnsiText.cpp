#include "shellmenu/AnsiText.h"

namespace {

// Calls visit(position) for the first byte of every character, in order.
template <class Visit>
void ForEachCharacter(const std::string& text, LeadByteTest isLeadByte, Visit visit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        visit(i);
        if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
            ++i;
    }
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::size_t FindLastCharacter(const std::string& text, char c, LeadByteTest isLeadByte) {
    std::size_t found = std::string::npos;
    ForEachCharacter(text, isLeadByte, [&](std::size_t i) {
        if (text[i] == c)
            found = i;
    });
    return found;
}

bool EndsWithNoCase(const std::string& text, const std::string& ending, LeadByteTest isLeadByte) {
    if (ending.size() > text.size())
        return false;
    const std::size_t start = text.size() - ending.size();
    bool atCharacter = false;
    ForEachCharacter(text, isLeadByte, [&](std::size_t i) { atCharacter |= i == start; });
    if (!atCharacter && !ending.empty())
        return false;
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (AsciiUpper(text[start + i]) != AsciiUpper(ending[i]))
            return false;
    return true;
}

std::string CutToBuffer(const std::string& text, std::size_t size, LeadByteTest isLeadByte) {
    if (size == 0)
        return {};
    std::size_t fits = 0;
    ForEachCharacter(text, isLeadByte, [&](std::size_t i) {
        const bool lead = isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        const std::size_t end = i + (lead ? 2 : 1);
        if (end <= size - 1 && fits == i)
            fits = end;
    });
    return text.substr(0, fits);
}
