#include "app/BatchCommand.h"

#include "platform/Format.h"
#include "platform/filesystem/FileSystem.h"

namespace {

// Failed when nothing was extracted: no archive, no destination, an item it does not hold.
ExitStatus ExtractAll(const CTarvexCommandLineInfo& info, CTarvexDoc& doc,
                      const std::string& destination, ProgressSink& progress) {
    doc.SetBatchFlag(true);
    // A failed load left the document empty: extracting it would report a success.
    if (doc.LastOpenFailed())
        return ExitStatus::Failed;
    doc.SetArchivePath(info.fileName);
    // Only the items named, each where extracting everything would put it.
    const bool selected = info.NativeProgram() && !info.items.empty();
    std::vector<ArchiveItem> items;
    if (selected) {
        for (const std::string& path : info.items) {
            const std::optional<ArchiveItem> item = doc.Editing().FindItemNamed(path);
            if (!item) {
                doc.Host().Prompts().Show(Format("No such item in the archive: %s", path.c_str()));
                return ExitStatus::Failed;
            }
            items.push_back(*item);
        }
    }
    Extractor& extraction = doc.Extraction();
    const std::string target =
        destination.empty() ? extraction.ChooseExtractionFolder() : destination;
    if (target.empty() || !extraction.MakeExtractionFolder(target))
        return ExitStatus::Failed;
    const bool complete = selected ? extraction.ExtractItems(items, target, progress)
                                   : extraction.ExtractArchive(doc.Root(), target, progress);
    return StatusOf(true, !complete);
}

ExitStatus AddItemsAndSave(const CTarvexCommandLineInfo& info, CTarvexDoc& doc,
                           ProgressSink& progress) {
    const int leftOutBefore = doc.LeftOut().Total();
    progress.Start(doc.Host().Owner());
    if (info.items.size() == 1)
        doc.SetBatchFlag(true);
    const DiskPaths paths = SortDiskPaths(info.items);
    // False after a Cancel: the files asked about and those after them in their list are out.
    const bool complete =
        doc.Adding().AddDiskPaths(paths, doc.Root(), progress, {.foldersFirst = true});
    // A batch run's document counts as changed even when it got no loose files.
    if (paths.files.empty())
        doc.SetModified(true);
    progress.Stop();
    const bool saved = doc.SaveAndWait();
    return StatusOf(saved, !complete || doc.LeftOut().Total() != leftOutBefore);
}

}  // namespace

BatchOutcome ProcessBatchCommand(const CTarvexCommandLineInfo& info, CTarvexDoc& doc) {
    BatchOutcome outcome;
    bool opened = true;
    if (info.shellCommand == ShellOpen)
        opened = doc.OpenDocument(info.fileName);
    else
        opened = doc.NewDocument();
    std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    // Batch work starts only once the load has ended and the document holds its result.
    doc.FinishJobs();
    if (info.shellCommand == ShellOpen)
        opened = opened && !doc.LastOpenFailed();
    doc.Host().UpdateAllViews();

    switch (info.batchCode) {
        case BatchExtract:
            outcome.status = ExtractAll(info, doc, info.destination, *progress);
            outcome.keepRunning = false;
            break;
        case BatchPictures: {
            // The same extraction, writing the textures' pictures.
            ScopedExtractionOutput pictures(doc.Extraction(), ExtractionOutput::Pictures);
            outcome.status = ExtractAll(info, doc, info.destination, *progress);
            outcome.keepRunning = false;
            break;
        }
        case BatchExtractAsk:
            outcome.status = ExtractAll(info, doc, "", *progress);
            break;
        case BatchCreate:
            doc.SetArchivePath(info.fileName);
            outcome.status = AddItemsAndSave(info, doc, *progress);
            outcome.keepRunning = false;
            break;
        case BatchAdd:
            outcome.status = AddItemsAndSave(info, doc, *progress);
            break;
        default:
            outcome.status = StatusOf(opened, false);
            break;
    }
    progress->Stop();
    return outcome;
}
