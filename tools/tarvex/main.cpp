// tarvex: the batch mode of Tarvex on the command line, plus /L to list an archive.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "app/ArchiveListing.h"
#include "app/BatchCommand.h"
#include "archive/QueuedJobHost.h"
#include "platform/console/ConsolePrompts.h"
#include "platform/progress/ConsoleProgress.h"

namespace {

const char kNativeUsage[] =
    "Tarvex /L <RezFilename.Rez>\n"
    "        - Lists the folders and files of a rez file.\n\n"
    "Switches may also be written -X, -C, ...; an argument starting with / is a path unless\n"
    "it is one of the single switch letters.\n\n"
    "Questions are asked on the terminal. Without one nothing waits: message boxes take\n"
    "their first button (OK or Yes: files are replaced), folder and file dialogs are\n"
    "cancelled. Options answer them instead:\n"
    "  --answer=yes|no|cancel   the answer to every question\n"
    "  --folder=DIR             the extraction folder of /E\n"
    "  --save-as=FILE           the file name /A saves under\n";

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
    explicit ConsoleHost(ConsolePrompts& prompts) : prompts_(prompts) {}

    UserPrompts& Prompts() override { return prompts_; }
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

}  // namespace

int main(int argc, char** argv) {
    ConsoleAnswers answers;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--answer=", 0) == 0) {
            answers.answer = ParsePromptAnswer(arg.substr(9));
            if (!answers.answer)
                return Failed("--answer takes yes, no, cancel or ok");
        } else if (arg.rfind("--folder=", 0) == 0) {
            answers.folder = arg.substr(9);
        } else if (arg.rfind("--save-as=", 0) == 0) {
            answers.saveFile = arg.substr(10);
        } else if (arg == "--help") {
            return Usage(stdout, 0);
        } else {
            args.push_back(arg);
        }
    }

    CTarvexCommandLineInfo info(true);
    ParseCommandLine(info, args);
    if (info.batchCode == BatchUsage)
        return Usage(stdout, 0);
    if (info.batchCode == BatchNone && !info.fileNameTaken)
        return Usage(stderr, 2);

    ConsolePrompts prompts(std::cin, std::cerr, isatty(STDIN_FILENO) != 0, answers);
    ConsoleHost host(prompts);
    CTarvexDoc doc(host);

    if (info.batchCode == BatchList || info.batchCode == BatchNone) {
        // Opening an archive without a batch command shows it: here, as a listing.
        doc.OpenDocument(info.fileName);
        doc.FinishJobs();
        if (doc.LastOpenFailed())
            return Failed("the archive could not be read");
        std::fputs(ListArchive(doc.Folders()).c_str(), stdout);
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
