// tarvex: the batch mode of Tarvex on the command line, plus /L to list an archive, cat to
// read one entry and edit to change an archive by commands or a script.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/ArchiveEditor.h"
#include "app/ArchiveListing.h"
#include "app/BatchCommand.h"
#include "platform/posix/IconvNames.h"
#include "tools/tarvex/ConsoleHost.h"
#include "tools/tarvex/Options.h"

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

int Usage(std::FILE* out, int status) {
    std::fputs(UsageText("Tarvex").c_str(), out);
    std::fputs(kNativeUsage, out);
    return status;
}

int Failed(const char* what) {
    std::fprintf(stderr, "tarvex: %s\n", what);
    return 1;
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
