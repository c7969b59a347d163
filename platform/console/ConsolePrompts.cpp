#include "platform/console/ConsolePrompts.h"

#include <cctype>
#include <filesystem>
#include <istream>
#include <ostream>

namespace {

const char* AnswerName(PromptAnswer answer) {
    switch (answer) {
        case PromptAnswer::Ok:
            return "OK";
        case PromptAnswer::Yes:
            return "Yes";
        case PromptAnswer::No:
            return "No";
        default:
            return "Cancel";
    }
}

const char* Choices(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::OkCancel:
            return "[o]k/[c]ancel";
        case PromptButtons::YesNo:
            return "[y]es/[n]o";
        case PromptButtons::YesNoCancel:
            return "[y]es/[n]o/[c]ancel";
        default:
            return "";
    }
}

// The answer among the buttons offered that stands for the one given.
PromptAnswer Fit(PromptAnswer answer, PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::OkCancel:
            return (answer == PromptAnswer::Ok || answer == PromptAnswer::Yes)
                       ? PromptAnswer::Ok
                       : PromptAnswer::Cancel;
        case PromptButtons::YesNo:
            return (answer == PromptAnswer::Ok || answer == PromptAnswer::Yes) ? PromptAnswer::Yes
                                                                               : PromptAnswer::No;
        default:
            return answer == PromptAnswer::Ok ? PromptAnswer::Yes : answer;
    }
}

PromptAnswer FirstButton(PromptButtons buttons) {
    return (buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel) ? PromptAnswer::Ok
                                                                                : PromptAnswer::Yes;
}

PromptAnswer LastButton(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return PromptAnswer::Ok;
        case PromptButtons::YesNo:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
    }
}

}  // namespace

std::optional<PromptAnswer> ParsePromptAnswer(const std::string& text) {
    std::string word;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "y" || word == "yes")
        return PromptAnswer::Yes;
    if (word == "n" || word == "no")
        return PromptAnswer::No;
    if (word == "c" || word == "cancel")
        return PromptAnswer::Cancel;
    if (word == "o" || word == "ok")
        return PromptAnswer::Ok;
    return std::nullopt;
}

std::optional<std::string> ConsolePrompts::ReadLine() {
    std::string line;
    if (!std::getline(in_, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

PromptAnswer ConsolePrompts::Ask(const std::string& text, PromptButtons buttons) {
    err_ << text << "\n";
    if (buttons == PromptButtons::Ok)
        return PromptAnswer::Ok;
    if (answers_.answer) {
        const PromptAnswer answer = Fit(*answers_.answer, buttons);
        err_ << "(answered " << AnswerName(answer) << " by option)\n";
        return answer;
    }
    if (!interactive_) {
        const PromptAnswer answer = FirstButton(buttons);
        err_ << "(no terminal: answered " << AnswerName(answer) << ")\n";
        return answer;
    }
    for (;;) {
        err_ << Choices(buttons) << "? " << std::flush;
        const std::optional<std::string> line = ReadLine();
        // End of input on the terminal backs out.
        if (!line)
            return LastButton(buttons);
        if (const std::optional<PromptAnswer> answer = ParsePromptAnswer(*line)) {
            if (Fit(*answer, buttons) == *answer)
                return *answer;
        }
    }
}

std::string ConsolePrompts::AskForName(const std::string& byOption, const char* howToGive,
                                       const char* what) {
    if (!byOption.empty()) {
        err_ << "(answered " << byOption << " by option)\n";
        return byOption;
    }
    if (!interactive_) {
        err_ << "(no terminal: cancelled; give the " << howToGive << ")\n";
        return {};
    }
    err_ << what << " (empty to cancel): " << std::flush;
    return ReadLine().value_or("");
}

std::string ConsolePrompts::ChooseFolder(const std::string& title) {
    err_ << title << "\n";
    return AskForName(answers_.folder, "folder with --folder=DIR", "folder");
}

std::vector<std::string> ConsolePrompts::ChooseOpenFiles(const FileDialogOptions& options) {
    err_ << (options.title.empty() ? "Open" : options.title) << "\n";
    if (!interactive_) {
        err_ << "(no terminal: cancelled)\n";
        return {};
    }
    err_ << "files, one per line, empty line to end:\n" << std::flush;
    std::vector<std::string> files;
    while (const std::optional<std::string> line = ReadLine()) {
        if (line->empty())
            break;
        files.push_back(*line);
    }
    return files;
}

std::string ConsolePrompts::ChooseSaveFile(const FileDialogOptions& options) {
    err_ << (options.title.empty() ? "Save As" : options.title) << "\n";
    const bool typed = answers_.saveFile.empty();
    std::string path = AskForName(answers_.saveFile, "file name with --save-as=FILE", "file name");
    // The dialog adds the default extension to a typed name without one.
    const std::string leaf = path.substr(path.find_last_of("\\/") + 1);
    if (typed && !path.empty() && leaf.find('.') == std::string::npos)
        path += options.defaultExtension;
    // As the dialog's overwrite prompt does: No cancels.
    std::error_code ignored;
    if (options.rules.promptOverwrite && !path.empty() && std::filesystem::exists(path, ignored) &&
        Ask(path + " already exists.\nDo you want to replace it?", PromptButtons::YesNo) !=
            PromptAnswer::Yes)
        return {};
    return path;
}
