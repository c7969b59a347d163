// tarvex: the batch mode of Tarvex on the command line, plus /L to list an archive, cat to
// read one entry, find to search it, png to write textures as pictures and edit to change an
// archive by commands or a script.
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
#include "app/ExitStatus.h"
#include "app/ItemSearch.h"
#include "platform/posix/IconvNames.h"
#include "programs/native/tarvex/ConsoleHost.h"
#include "programs/native/tarvex/Options.h"

namespace {

const char kNativeUsage[] =
    "Tarvex /L <RezFilename.Rez>\n"
    "        - Lists the folders and files of a rez file.\n\n"
    "Tarvex /X <RezFilename.Rez> <Destination Path> <item1>...<itemN>\n"
    "        - Extracts only the named folders and files, each where /X puts it.\n\n"
    "tarvex png <RezFilename.Rez> <Destination Path> [<item>...]\n"
    "        - Writes every texture (.dtx) below the named folders and files, or of the whole\n"
    "          archive, as a PNG picture NAME.png at full size with its alpha, where /X would\n"
    "          put the texture. Other files are left out without a word.\n\n"
    "tarvex cat <RezFilename.Rez> <entry>\n"
    "        - Writes one file's data to standard output.\n\n"
    "tarvex find <RezFilename.Rez> <pattern>...\n"
    "        - Prints the path of every folder and file whose name matches a pattern (* any\n"
    "          characters, ? one, any case), or whose path does when the pattern holds / or \\;\n"
    "          parts joined by /, folders ending in /. Status 0: found, 1: none found.\n\n"
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
    "Tarvex /?   (also /H, /h or --help)\n"
    "        - Prints this text.\n\n"
    "Switches may also be written -X, -C, ...; an argument starting with / is a path unless\n"
    "it is one of the single switch letters.\n\n"
    "Questions are asked on the terminal. Without one nothing waits: message boxes take\n"
    "their first button (OK or Yes: files are replaced), folder and file dialogs are\n"
    "cancelled. Options, anywhere on the line, answer them instead:\n"
    "  --answer=yes|no|cancel   the answer to every question\n"
    "  --folder=DIR             the extraction folder of /E\n"
    "  --save-as=FILE           the file name /A saves under\n"
    "  --codepage=N             the code page of names in archives (default 1252); names on\n"
    "                           disk and on the command line are UTF-8\n\n"
    "Exit status:\n"
    "  0  every item was stored, extracted or written\n"
    "  1  the archive was saved, or the extraction ran, but some items were left out: each is\n"
    "     named on standard error, or a Cancel stopped the adding or extracting\n"
    "  2  the command failed and changed nothing (edit saves nothing when a command fails)\n"
    "A replace question answered No keeps the stored file: that is no item left out.\n";

int Usage(std::FILE* out, ExitStatus status) {
    std::fputs(UsageText("Tarvex").c_str(), out);
    std::fputs(kNativeUsage, out);
    return ExitCode(status);
}

// Says what the status means, unless everything was done.
int Ended(ExitStatus status, const char* partly, const char* failed) {
    if (status != ExitStatus::Complete)
        std::fprintf(stderr, "tarvex: %s\n", status == ExitStatus::Partial ? partly : failed);
    return ExitCode(status);
}

int Failed(const std::string& what) {
    return Ended(ExitStatus::Failed, "", what.c_str());
}

int Edit(CTarvexDoc& doc, const Options& options) {
    const std::vector<std::string>& words = options.words;
    if (words.size() < 2 || (words.size() == 2) != options.script.has_value())
        return Failed("edit takes an archive and one command, or an archive and --script FILE");
    const std::string& archive = words[1];
    const int leftOutBefore = doc.LeftOut().Total();
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
                return Failed("cannot read the script " + *options.script);
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
    const bool saved = doc.SaveAndWait();
    return Ended(StatusOf(saved, doc.LeftOut().Total() != leftOutBefore),
                 "the archive was saved without the items named above",
                 "the archive was not saved; it is as it was");
}

// png: the /X record of the archive, the destination and the items, writing pictures.
int Pictures(CTarvexDoc& doc, const Options& options) {
    const std::vector<std::string>& words = options.words;
    if (words.size() < 3)
        return Failed("png takes an archive, a destination and any items");
    CTarvexCommandLineInfo info(true);
    info.batchCode = BatchPictures;
    info.shellCommand = ShellOpen;
    info.fileName = words[1];
    info.fileNameTaken = true;
    info.destination = words[2];
    info.destinationTaken = true;
    info.items.assign(words.begin() + 3, words.end());
    return Ended(ProcessBatchCommand(info, doc).status, "not every picture was written",
                 "no picture was written");
}

int Cat(CTarvexDoc& doc, const Options& options) {
    if (options.words.size() != 3)
        return Failed("cat takes an archive and one entry");
    doc.OpenDocument(options.words[1]);
    doc.FinishJobs();
    if (doc.LastOpenFailed())
        return Failed("the archive could not be read");
    const std::optional<ArchiveItem> item = doc.Editing().FindItemNamed(options.words[2]);
    if (!item || !item->entry)
        return Failed("no such file in the archive: " + options.words[2]);
    BinaryFile output;
    output.AdoptOutput(STDOUT_FILENO);
    const bool copied = doc.Extraction().CopyEntryTo(*item->entry, output);
    if (!output.Close() || !copied)
        return Failed("the data could not be copied whole");
    return ExitCode(ExitStatus::Complete);
}

// Searching is reading: a pattern is text of the command line, names are the archive's.
int Find(CTarvexDoc& doc, const Options& options) {
    if (options.words.size() < 3)
        return Failed("find takes an archive and at least one pattern");
    std::vector<std::string> patterns;
    for (auto word = options.words.begin() + 2; word != options.words.end(); ++word)
        if (!doc.Host().Names().ToArchive(*word, patterns.emplace_back()))
            return Failed("the archive's code page cannot hold the pattern " + *word);
    doc.OpenDocument(options.words[1]);
    doc.FinishJobs();
    if (doc.LastOpenFailed())
        return Failed("the archive could not be read");
    const std::vector<ArchiveItem> found = FindItems(doc.Folders(), patterns);
    std::string text;
    for (const ArchiveItem& item : found)
        text += doc.Host().Names().Shown(FoundItemPath(doc.Folders(), item, '/')) + '\n';
    std::fputs(text.c_str(), stdout);
    return ExitCode(found.empty() ? ExitStatus::Partial : ExitStatus::Complete);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error))
        return Failed(error);
    if (options.help)
        return Usage(stdout, ExitStatus::Complete);
    std::unique_ptr<IconvNames> names = IconvNames::ForCodePage(options.codePage, error);
    if (!names)
        return Failed(error);

    ConsolePrompts prompts(std::cin, std::cerr, isatty(STDIN_FILENO) != 0, options.answers);
    ConsoleHost host(prompts, *names);
    const std::string first = options.words.empty() ? std::string() : options.words.front();
    if (first == "edit" || first == "cat" || first == "find" || first == "png") {
        CTarvexDoc doc(host);
        if (first == "find")
            return Find(doc, options);
        if (first == "png")
            return Pictures(doc, options);
        return first == "edit" ? Edit(doc, options) : Cat(doc, options);
    }
    if (options.script)
        return Failed("--script belongs to edit");

    CTarvexCommandLineInfo info(true);
    ParseCommandLine(info, options.words);
    if (info.batchCode == BatchUsage)
        return Usage(stdout, ExitStatus::Complete);
    if (info.batchCode == BatchNone && !info.fileNameTaken)
        return Usage(stderr, ExitStatus::Failed);

    CTarvexDoc doc(host);
    if (info.batchCode == BatchList || info.batchCode == BatchNone) {
        // Opening an archive without a batch command shows it: here, as a listing.
        doc.OpenDocument(info.fileName);
        doc.FinishJobs();
        if (doc.LastOpenFailed())
            return Failed("the archive could not be read");
        std::fputs(ListArchive(doc.Folders(), host.Names()).c_str(), stdout);
        return ExitCode(ExitStatus::Complete);
    }

    const ExitStatus status = ProcessBatchCommand(info, doc).status;
    if (info.batchCode == BatchCreate || info.batchCode == BatchAdd)
        return Ended(status, "the archive was saved without some of the items",
                     "the archive was not saved");
    return Ended(status, "not every file was extracted", "nothing was extracted");
}
