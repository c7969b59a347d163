#pragma once
// The options of tarvex, which may stand anywhere on the command line.
#include <optional>
#include <string>
#include <vector>

#include "platform/console/ConsolePrompts.h"

// The options, wherever they stand, and the other words in order.
struct Options {
    ConsoleAnswers answers;
    int codePage = 1252;
    std::optional<std::string> script;  // edit --script FILE
    bool help = false;
    std::vector<std::string> words;
};

// Takes the options out of the arguments; false, with error set, for a malformed one.
bool ParseOptions(int argc, char** argv, Options& options, std::string& error);
