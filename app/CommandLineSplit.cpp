#include "app/CommandLineSplit.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Appends the character at text[i], both bytes of a double-byte one, and gives the position
// after it.
std::size_t CopyCharacter(const std::string& text, std::size_t i, std::string& out,
                          LeadByteTest isLeadByte) {
    out += text[i];
    if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size())
        out += text[++i];
    return i + 1;
}

// One argument starting at text[i] (not a blank); gives the position after it.
std::size_t ReadArgument(const std::string& text, std::size_t i, std::string& arg,
                         LeadByteTest isLeadByte) {
    bool quoted = false;
    while (i < text.size()) {
        std::size_t backslashes = 0;
        while (i < text.size() && text[i] == '\\') {
            ++backslashes;
            ++i;
        }
        if (i < text.size() && text[i] == '"') {
            arg.append(backslashes / 2, '\\');
            if (backslashes % 2 == 1) {
                arg += '"';
                ++i;
            } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                arg += '"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
            continue;
        }
        arg.append(backslashes, '\\');
        if (i >= text.size() || (!quoted && IsBlank(text[i])))
            break;
        i = CopyCharacter(text, i, arg, isLeadByte);
    }
    return i;
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& arguments, LeadByteTest isLeadByte) {
    std::vector<std::string> args;
    std::size_t i = 0;
    for (;;) {
        while (i < arguments.size() && IsBlank(arguments[i]))
            ++i;
        if (i >= arguments.size())
            return args;
        std::string arg;
        i = ReadArgument(arguments, i, arg, isLeadByte);
        args.push_back(std::move(arg));
    }
}

std::vector<std::string> SplitCommandLine(const std::string& commandLine, LeadByteTest isLeadByte) {
    std::string program;
    bool quoted = false;
    std::size_t i = 0;
    while (i < commandLine.size() && (quoted || !IsBlank(commandLine[i]))) {
        if (commandLine[i] == '"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        i = CopyCharacter(commandLine, i, program, isLeadByte);
    }
    std::vector<std::string> words{program};
    for (std::string& arg : SplitArguments(commandLine.substr(i), isLeadByte))
        words.push_back(std::move(arg));
    return words;
}
