#include "app/DroppedPaths.h"

#include "app/TarvexDoc.h"
#include "platform/TextCase.h"
#include "platform/filesystem/FileSystem.h"

bool IsLoneArchiveDrop(const DiskPaths& dropped) {
    if (dropped.files.size() != 1 || !dropped.folders.empty())
        return false;
    const std::string& path = dropped.files.front().path;
    return path.size() >= 4 && EqualNoCase(path.substr(path.size() - 4), ".rez");
}

bool OpenDroppedArchive(CTarvexDoc& doc, const DiskPaths& dropped) {
    if (!IsLoneArchiveDrop(dropped))
        return false;
    doc.OpenFile(dropped.files.front().path);
    return true;
}

bool AddDroppedPaths(CTarvexDoc& doc, const DiskPaths& dropped, RezFolder* target,
                     std::uintptr_t owner) {
    if ((dropped.files.empty() && dropped.folders.empty()) || IsLoneArchiveDrop(dropped))
        return false;
    const std::unique_ptr<ProgressSink> progress = doc.Host().MakeProgress();
    SetUpProgress(*progress);
    RunWithProgress(*progress, owner, "Adding...", [&] {
        doc.Adding().AddDiskPaths(dropped, target, *progress);
        doc.Host().UpdateAllViews();
        return true;
    });
    return true;
}
