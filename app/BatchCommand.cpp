#include "app/BatchCommand.h"

#include "platform/FileSystem.h"
#include "platform/Format.h"

namespace {

bool ExtractAll(const CTarvexCommandLineInfo& info, CTarvexDoc& doc, const std::string& destination,
                ProgressSink& progress) {
    doc.SetBatchFlag(true);
    // A failed load left the document empty: extracting it would report a success.
    if (doc.LastOpenFailed())
        return false;
    doc.SetArchivePath(info.fileName);
    if (!info.NativeProgram() || info.items.empty())
        return doc.ExtractArchive(doc.Root(), destination, progress);
    // Only the items named, each where extracting everything would put it.
    std::vector<ArchiveItem> items;
    for (const std::string& path : info.items) {
        const std::optional<ArchiveItem> item = doc.FindItemNamed(path);
        if (!item) {
            doc.Host().Prompts().Show(Format("No such item in the archive: %s", path.c_str()));
            return false;
        }
        items.push_back(*item);
    }
    const std::string target = destination.empty() ? doc.ChooseExtractionFolder() : destination;
    return !target.empty() && doc.ExtractItems(items, target, progress);
}

bool AddItemsAndSave(const CTarvexCommandLineInfo& info, CTarvexDoc& doc, ProgressSink& progress) {
    progress.Start(doc.Host().Owner());
    if (info.items.size() == 1)
        doc.SetBatchFlag(true);
    std::vector<std::string> files;
    for (const std::string& item : info.items) {
        const std::optional<FileStatus> status = ReadFileStatus(item);
        if (status && status->isDirectory) {
            doc.AddFolder(item, doc.Root(), true, progress);
        } else {
            files.push_back(item);
        }
    }
    const bool added = doc.AddFiles(files, doc.Root(), progress);
    progress.Stop();
    doc.FileSave();
    doc.FinishJobs();
    return added && !doc.IsModified();
}

}  // namespace

BatchOutcome ProcessBatchCommand(const CTarvexCommandLineInfo& info, CTarvexDoc& doc) {
    BatchOutcome outcome;
    const int failuresBefore = doc.FailuresReported();
    bool opened = true;
    if (info.shellCommand == ShellOpen) {
        opened = doc.OpenDocument(info.fileName);
    } else {
        opened = doc.NewDocument();
    }
    std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    // Batch work starts only once the load has ended and the document holds its result.
    doc.FinishJobs();
    if (info.shellCommand == ShellOpen)
        opened = opened && !doc.LastOpenFailed();
    doc.Host().UpdateAllViews();

    bool ok = opened;
    switch (info.batchCode) {
        case BatchExtract:
            ok = ExtractAll(info, doc, info.destination, *progress);
            outcome.keepRunning = false;
            break;
        case BatchExtractAsk:
            ok = ExtractAll(info, doc, "", *progress);
            break;
        case BatchCreate:
            doc.SetArchivePath(info.fileName);
            ok = AddItemsAndSave(info, doc, *progress);
            outcome.keepRunning = false;
            break;
        case BatchAdd:
            ok = AddItemsAndSave(info, doc, *progress);
            break;
        default:
            break;
    }
    progress->Stop();
    outcome.failed = !ok || doc.FailuresReported() != failuresBefore;
    if (!opened && info.batchCode != BatchNone)
        outcome.failed = true;
    return outcome;
}
