// tarvex: the batch mode of Tarvex on the command line, plus /L to list an archive, cat to
// read one entry and edit to change an archive by commands or a script.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/ArchiveEditor.h"
#include "app/ArchiveListing.h"
#include "app/BatchCommand.h"
#include "archive/QueuedJobHost.h"
#include "platform/console/ConsolePrompts.h"
#include "platform/posix/IconvNames.h"
#include "platform/progress/ConsoleProgress.h"

namespace {

const char kNativeUsage[] =
    "Tarvex /L <RezFilename.Rez>\n"
    "        - Lists the folders and files of a rez file.\n\n"
    "Tarvex /X <RezFilename.Rez> <Destination Path> <item1>...<itemN>\n"
    "        - Extracts only the named folders and files, each where /X puts it.\n\n"
    "tarvex cat <RezFilename.Rez> <entry>\n"
    "        - Writes one file's data to standard output.\n\n"
    "tarvex edit <RezFilename.Rez> <command> [<argument>...]\n"
    "tarvex edit <RezFilename.Rez> --script <file>   (- for standard input)\n"
    "        - Carries out one command, or a script of one command per line, then saves the\n"
    "          archive over itself; nothing is saved when a command fails. A missing archive\n"
    "          starts empty. Commands (paths below the root, / or \\, any case):\n"
    "            add FOLDER PATH...    disk files and folder trees into FOLDER\n"
    "            mkdir FOLDER          every missing level\n"
    "            rename ITEM NEWNAME   a folder or file where it is\n"
    "            delete ITEM...        files and whole folders\n"
    "            move ITEM... FOLDER   files and folders into FOLDER\n\n"
    "Switches may also be written -X, -C, ...; an argument starting with / is a path unless\n"
    "it is one of the single switch letters.\n\n"
    "Questions are asked on the terminal. Without one nothing waits: message boxes take\n"
    "their first button (OK or Yes: files are replaced), folder and file dialogs are\n"
    "cancelled. Options, anywhere on the line, answer them instead:\n"
    "  --answer=yes|no|cancel   the answer to every question\n"
    "  --folder=DIR             the extraction folder of /E\n"
    "  --save-as=FILE           the file name /A saves under\n"
    "  --codepage=N             the code page of names in archives (default 1252); names on\n"
    "                           disk and on the command line are UTF-8\n";

// Settings last for one run only.
class RunSettings : public Settings {
  public:
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& fallback) override {
        auto it = strings_.find(section + "\\" + name);
        return it == strings_.end() ? fallback : it->second;
    }
    int GetInt(const std::string&, const std::string&, int fallback) override { return fallback; }
    bool SetString(const std::string& section, const std::string& name,
                   const std::string& value) override {
        strings_[section + "\\" + name] = value;
        return true;
    }
    bool SetInt(const std::string&, const std::string&, int) override { return true; }

  private:
    std::map<std::string, std::string> strings_;
};

class ConsoleHost : public DocumentHost {
  public:
    ConsoleHost(ConsolePrompts& prompts, const NameCodec& names)
        : prompts_(prompts), names_(names) {}

    UserPrompts& Prompts() override { return prompts_; }
    const NameCodec& Names() override { return names_; }
    Settings& Profile() override { return settings_; }
    std::unique_ptr<ProgressSink> MakeProgress() override {
        return std::make_unique<ConsoleProgress>();
    }
    std::uintptr_t Owner() override { return 0; }
    void StartJob(std::unique_ptr<ArchiveJob> job) override { ::StartJob(std::move(job), jobs_); }
    std::vector<std::unique_ptr<ArchiveJob>> WaitForJobs() override {
        ::WaitForJobs();
        return jobs_.Completed().Drain();
    }
    void UpdateAllViews() override {}

  private:
    ConsolePrompts& prompts_;
    const NameCodec& names_;
    RunSettings settings_;
    QueuedJobHost jobs_{prompts_, [] { return std::make_unique<ConsoleProgress>(); }};
};

int Usage(std::FILE* out, int status) {
    std::fputs(UsageText("Tarvex").c_str(), out);
    std::fputs(kNativeUsage, out);
    return status;
}

int Failed(const char* what) {
    std::fprintf(stderr, "tarvex: %s\n", what);
    return 1;
}

// The options, wherever they stand, and the other words in order.
struct Options {
    ConsoleAnswers answers;
    int codePage = 1252;
    std::optional<std::string> script;  // edit --script FILE
    bool help = false;
    std::vector<std::string> words;
};

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

// Saves the edited archive over itself; false when the save failed or left something out.
bool SaveEdited(CTarvexDoc& doc) {
    doc.FileSave();
    doc.FinishJobs();
    return !doc.IsModified();
}

int Edit(CTarvexDoc& doc, const Options& options) {
    const std::vector<std::string>& words = options.words;
    if (words.size() < 2 || (words.size() == 2) != options.script.has_value())
        return Failed("edit takes an archive and one command, or an archive and --script FILE");
    const std::string& archive = words[1];
    if (!OpenForEditing(doc, archive))
        return Failed("the archive could not be read; nothing was changed");
    std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    ArchiveEditor editor(doc, *progress);
    if (options.script) {
        std::ifstream file;
        if (*options.script != "-") {
            file.open(*options.script);
            if (!file)
                return Failed(("cannot read the script " + *options.script).c_str());
        }
        std::istream& script = *options.script == "-" ? std::cin : file;
        if (const std::optional<ScriptFailure> failure = RunEditScript(editor, script)) {
            std::fprintf(stderr, "tarvex: line %d: %s: %s\n", failure->line,
                         failure->command.c_str(), failure->error.c_str());
            return Failed("nothing was saved");
        }
    } else {
        std::string error;
        const std::vector<std::string> command(words.begin() + 2, words.end());
        if (!editor.Run(command, error)) {
            std::fprintf(stderr, "tarvex: %s: %s\n", command.front().c_str(), error.c_str());
            return Failed("nothing was saved");
        }
    }
    progress->Stop();
    return SaveEdited(doc) ? 0 : Failed("the archive was not saved");
}

int Cat(CTarvexDoc& doc, const Options& options) {
    if (options.words.size() != 3)
        return Failed("cat takes an archive and one entry");
    doc.OpenDocument(options.words[1]);
    doc.FinishJobs();
    if (doc.LastOpenFailed())
        return Failed("the archive could not be read");
    const std::optional<ArchiveItem> item = doc.FindItemNamed(options.words[2]);
    if (!item || !item->entry)
        return Failed(("no such file in the archive: " + options.words[2]).c_str());
    BinaryFile output;
    output.AdoptOutput(STDOUT_FILENO);
    const bool copied = doc.CopyEntryTo(*item->entry, output);
    return output.Close() && copied ? 0 : Failed("the data could not be copied whole");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error))
        return Failed(error.c_str());
    if (options.help)
        return Usage(stdout, 0);
    std::unique_ptr<IconvNames> names = IconvNames::ForCodePage(options.codePage, error);
    if (!names)
        return Failed(error.c_str());

    ConsolePrompts prompts(std::cin, std::cerr, isatty(STDIN_FILENO) != 0, options.answers);
    ConsoleHost host(prompts, *names);
    const std::string first = options.words.empty() ? std::string() : options.words.front();
    if (first == "edit" || first == "cat") {
        CTarvexDoc doc(host);
        return first == "edit" ? Edit(doc, options) : Cat(doc, options);
    }
    if (options.script)
        return Failed("--script belongs to edit");

    CTarvexCommandLineInfo info(true);
    ParseCommandLine(info, options.words);
    if (info.batchCode == BatchUsage)
        return Usage(stdout, 0);
    if (info.batchCode == BatchNone && !info.fileNameTaken)
        return Usage(stderr, 2);

    CTarvexDoc doc(host);
    if (info.batchCode == BatchList || info.batchCode == BatchNone) {
        // Opening an archive without a batch command shows it: here, as a listing.
        doc.OpenDocument(info.fileName);
        doc.FinishJobs();
        if (doc.LastOpenFailed())
            return Failed("the archive could not be read");
        std::fputs(ListArchive(doc.Folders(), host.Names()).c_str(), stdout);
        return 0;
    }

    const BatchOutcome outcome = ProcessBatchCommand(info, doc);
    if (outcome.failed) {
        switch (info.batchCode) {
            case BatchCreate:
            case BatchAdd:
                return Failed(doc.IsModified() ? "the archive was not saved"
                                               : "some items were not added");
            default:
                return Failed("the archive was not extracted completely");
        }
    }
    return 0;
}
