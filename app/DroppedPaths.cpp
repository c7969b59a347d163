#include "app/DroppedPaths.h"

#include "app/TarvexDoc.h"
#include "platform/TextCase.h"
#include "platform/filesystem/FileSystem.h"

DroppedPaths SortDroppedPaths(const std::vector<std::string>& paths) {
    DroppedPaths dropped;
    for (const std::string& path : paths) {
        // The file system's own attribute: the shell also calls archives such as .zip files
        // folders, and those are files to add.
        const std::optional<FileStatus> status = ReadFileStatus(path);
        (status && status->isDirectory ? dropped.folders : dropped.files).push_back(path);
    }
    return dropped;
}

bool IsLoneArchiveDrop(const DroppedPaths& dropped) {
    if (dropped.files.size() != 1 || !dropped.folders.empty())
        return false;
    const std::string& path = dropped.files.front();
    return path.size() >= 4 && EqualNoCase(path.substr(path.size() - 4), ".rez");
}

bool OpenDroppedArchive(CTarvexDoc& doc, const std::vector<std::string>& paths) {
    const DroppedPaths dropped = SortDroppedPaths(paths);
    if (!IsLoneArchiveDrop(dropped))
        return false;
    doc.OpenFile(dropped.files.front());
    return true;
}

bool AddDroppedPaths(CTarvexDoc& doc, const std::vector<std::string>& paths, RezFolder* target,
                     std::uintptr_t owner) {
    const DroppedPaths dropped = SortDroppedPaths(paths);
    if (paths.empty() || IsLoneArchiveDrop(dropped))
        return false;
    const std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    progress->Start(owner);
    progress->SetLine(2, "Adding...", false);
    if (!dropped.files.empty())
        doc.AddFiles(dropped.files, target, *progress);
    for (const std::string& folder : dropped.folders)
        doc.AddFolder(folder, target, true, *progress);
    doc.Host().UpdateAllViews();
    progress->Stop();
    return true;
}
