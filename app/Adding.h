#pragma once
// Adding disk files and folder trees to the document's archive in memory.
#include <optional>
#include <string>
#include <vector>

#include "app/FolderReadAhead.h"
#include "archive/RezTree.h"
#include "archive/TypeNames.h"
#include "platform/ProgressSink.h"
#include "platform/filesystem/FileSystem.h"

class CTarvexDoc;

// A file to add, with its status when it was read already.
struct DiskFile {
    std::string path;
    std::optional<FileStatus> status;
    bool readable = false;  // known to be readable
};

// Disk paths sorted by the file system's own attribute, each status read once and kept for
// adding: the directories go to the folders, all other paths (those that cannot be read too)
// to the files, each in the given order.
struct DiskPaths {
    std::vector<DiskFile> files;
    std::vector<std::string> folders;
};
DiskPaths SortDiskPaths(const std::vector<std::string>& paths);

// How AddDiskPaths goes through its paths.
struct DiskPathsOrder {
    bool foldersFirst = false;     // the batch commands add the loose files last
    bool stopAfterCancel = false;  // nothing more is added once a Cancel was answered
};

class Adder {
  public:
    explicit Adder(CTarvexDoc& doc) : doc_(doc) {}
    Adder(const Adder&) = delete;
    Adder& operator=(const Adder&) = delete;

    // False when the user cancelled in the replace prompt.
    bool AddFiles(const std::vector<std::string>& paths, RezFolder* folder, ProgressSink& progress);
    bool AddFile(const std::string& path, RezFolder* folder, ProgressSink& progress);
    // False when the user cancelled (in a replace prompt or the progress window).
    bool AddFolder(const std::string& path, RezFolder* folder, bool topLevel,
                   ProgressSink& progress);
    // The files (when there are any) and each folder at the top level, below target. False
    // when a Cancel left something out.
    bool AddDiskPaths(const DiskPaths& paths, RezFolder* target, ProgressSink& progress,
                      DiskPathsOrder order = {});
    RezFolder* FindOrCreateSubfolder(const std::string& name, RezFolder* parent);
    RezFolder* FindOrCreateFolderPath(const std::string& path, RezFolder* start);
    // The Insert command: files chosen in the open dialog (file list active) or a folder
    // chosen in the folder browser (tree active). The folder insert returns the folder to
    // select, the file insert the target.
    RezFolder* InsertFiles(RezFolder* selected, ProgressSink& progress);
    RezFolder* InsertFolder(RezFolder* selected, ProgressSink& progress);
    // New Project: an empty document, then the chosen folder's contents as the root.
    void NewProject(ProgressSink& progress);

    bool FolderAsRoot() const { return folderAsRoot_; }
    // While set, a folder inserted at the top level fills its target instead of becoming its
    // subfolder, and names the root after itself (New Project).
    void SetFolderAsRoot(bool on) { folderAsRoot_ = on; }

  private:
    bool ReplaceConflicts(RezFolder& folder, const std::string& fullName,
                          const std::string& shortName, const FileStatus& status, bool& cancelled);
    bool AddDiskFiles(const std::vector<DiskFile>& files, RezFolder* folder,
                      ProgressSink& progress);
    bool AddFolderBelow(FolderReadAhead& readAhead, FolderReadAhead::Folder listed,
                        const std::string& path, RezFolder* folder, bool topLevel,
                        ProgressSink& progress, std::vector<std::string>& ancestors);

    CTarvexDoc& doc_;
    TypeNameCache typeNames_;  // of the files added
    bool folderAsRoot_ = false;
};
