#include "programs/native/tarvex/Options.h"

#include <cstdlib>
#include <cstring>

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&arg](const char* option) { return arg.substr(std::strlen(option)); };
        if (arg.rfind("--answer=", 0) == 0) {
            options.answers.answer = ParsePromptAnswer(value("--answer="));
            if (!options.answers.answer) {
                error = "--answer takes yes, no, cancel or ok";
                return false;
            }
        } else if (arg.rfind("--folder=", 0) == 0) {
            options.answers.folder = value("--folder=");
        } else if (arg.rfind("--save-as=", 0) == 0) {
            options.answers.saveFile = value("--save-as=");
        } else if (arg.rfind("--codepage=", 0) == 0) {
            char* end = nullptr;
            const std::string number = value("--codepage=");
            options.codePage = static_cast<int>(std::strtol(number.c_str(), &end, 10));
            if (number.empty() || *end != '\0' || options.codePage <= 0) {
                error = "--codepage takes a code page number, such as 1252";
                return false;
            }
        } else if (arg == "--script" || arg.rfind("--script=", 0) == 0) {
            if (arg == "--script" && i + 1 >= argc) {
                error = "--script takes a file name (- for standard input)";
                return false;
            }
            options.script = arg == "--script" ? argv[++i] : value("--script=");
        } else if (arg == "--help") {
            options.help = true;
        } else {
            options.words.push_back(arg);
        }
    }
    return true;
}
