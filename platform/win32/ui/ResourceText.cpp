#include "platform/win32/ui/ResourceText.h"

std::string LoadResourceText(HINSTANCE instance, UINT id, int part) {
    char text[512] = "";
    LoadStringA(instance, id, text, sizeof(text));
    const std::string all = text;
    const size_t newline = all.find('\n');
    if (part == 0)
        return all.substr(0, newline);
    return newline == std::string::npos ? std::string() : all.substr(newline + 1);
}
