#include "stringedit/StringEscapes.h"

namespace {

struct Escape {
    char code;
    char letter;
};

constexpr Escape kEscapes[] = {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'}, {'\n', 'n'},
                               {'\r', 'r'}, {'\t', 't'}, {'\v', 'v'}, {'\\', '\\'}};

}  // namespace

std::string EscapeText(const std::string& raw) {
    std::string shown;
    shown.reserve(raw.size());
    for (char c : raw) {
        char letter = 0;
        for (const Escape& e : kEscapes)
            if (e.code == c)
                letter = e.letter;
        if (letter != 0) {
            shown += '\\';
            shown += letter;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string UnescapeText(const std::string& shown) {
    std::string raw;
    raw.reserve(shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
        char code = 0;
        if (shown[i] == '\\' && i + 1 < shown.size()) {
            for (const Escape& e : kEscapes)
                if (e.letter == shown[i + 1])
                    code = e.code;
        }
        if (code != 0) {
            raw += code;
            ++i;
        } else {
            raw += shown[i];
        }
    }
    return raw;
}
