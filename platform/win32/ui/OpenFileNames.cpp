#include "platform/win32/ui/OpenFileNames.h"

std::vector<std::string> ParseOpenFileNames(const char* buffer, size_t size) {
    std::vector<std::string> parts;
    for (size_t pos = 0; pos < size && buffer[pos] != 0;) {
        size_t end = pos;
        while (end < size && buffer[end] != 0)
            ++end;
        parts.emplace_back(buffer + pos, end - pos);
        pos = end + 1;
    }
    if (parts.size() <= 1)
        return parts;
    std::string folder = parts.front();
    if (folder.back() != '\\')
        folder += '\\';
    std::vector<std::string> names;
    for (size_t i = 1; i < parts.size(); ++i)
        names.push_back(folder + parts[i]);
    return names;
}
