#pragma once
// The archive document: owns the folder list of the open archive, knows the archive file the
// entries' data positions refer to, and carries out New, Open, Save, adding, extraction and
// the model side of the editing commands.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DocumentHost.h"
#include "archive/ArchiveJob.h"
#include "archive/BinaryFile.h"
#include "archive/RezFormat.h"
#include "archive/RezTree.h"
#include "platform/FileSystem.h"

// Shown when a command finds nothing selected in the active pane.
inline constexpr const char* kNoSelection = "No selection in active frame!";

class CTarvexDoc {
  public:
    explicit CTarvexDoc(DocumentHost& host);
    CTarvexDoc(const CTarvexDoc&) = delete;
    CTarvexDoc& operator=(const CTarvexDoc&) = delete;

    // --- document (New, Open, Save) ---
    // Empties the document: root "Untitled", no archive path, not modified.
    bool NewDocument();
    // New: asks to save changes first.
    bool FileNew();
    // Starts an Open job; the archive arrives with CompleteJob.
    bool OpenDocument(const std::string& path);
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    // Asks "Save changes to %s?" when modified; false when the caller must stop.
    bool PromptSaveChanges();
    void SetArchivePath(const std::string& path);
    // Hands a finished job back: a successful Open replaces the model, a successful save
    // moves the document to the written file.
    void CompleteJob(std::unique_ptr<ArchiveJob> job);
    // Waits for running jobs and completes them.
    void FinishJobs();

    // --- adding ---
    // False when the user cancelled in the replace prompt.
    bool AddFiles(const std::vector<std::string>& paths, RezFolder* folder, ProgressSink& progress);
    bool AddFile(const std::string& path, RezFolder* folder, ProgressSink& progress);
    void AddFolder(const std::string& path, RezFolder* folder, bool topLevel,
                   ProgressSink& progress);
    RezFolder* FindOrCreateSubfolder(const std::string& name, RezFolder* parent);
    RezFolder* FindOrCreateFolderPath(const std::string& path, RezFolder* start);
    // The Insert command: files chosen in the open dialog (file list active) or a folder
    // chosen in the folder browser (tree active). The folder insert returns the folder to
    // select, the file insert the target.
    RezFolder* InsertFiles(RezFolder* selected, ProgressSink& progress);
    RezFolder* InsertFolder(RezFolder* selected, ProgressSink& progress);
    // New Project: an empty document, then the chosen folder's contents as the root.
    void NewProject(ProgressSink& progress);

    // --- extraction ---
    // Empty when the user cancelled.
    std::string ChooseExtractionFolder();
    // False when anything could not be extracted or the user cancelled.
    bool ExtractArchive(RezFolder* folder, const std::string& destination, ProgressSink& progress);
    bool ExtractFolder(BinaryFile& archive, RezFolder* folder, const std::string& base,
                       ProgressSink& progress);
    bool ExtractSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                          const std::vector<const RezEntry*>& entries,
                          const std::string& destination, ProgressSink& progress);

    // --- editing ---
    // Deletes folders (with everything below them) and entries of the current folder.
    void DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                     const std::vector<const RezEntry*>& entries);
    // The Delete command once the window has gathered the selection: of the file list (its
    // folder's selected subfolders and entries) or of the folder tree (null: nothing
    // selected; the root is emptied, not removed). Asks first; false when nothing changed.
    bool DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                             const std::vector<const RezEntry*>& entries);
    bool DeleteTreeSelection(RezFolder* selected);
    // The Extract command, the same way; false when nothing or not everything was extracted.
    bool ExtractListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                              const std::vector<const RezEntry*>& entries, ProgressSink& progress);
    bool ExtractTreeSelection(RezFolder* selected, ProgressSink& progress);
    // Insert Empty Folder: "New Folder" below the selected folder, reused when it exists.
    RezFolder* InsertEmptyFolder(RezFolder* selected);
    void RenameFolder(RezFolder* folder, const std::string& name);
    void RenameEntry(RezEntry& entry, const std::string& name);

    // --- state ---
    FolderList& Folders() { return folders_; }
    const FolderList& Folders() const { return folders_; }
    RezFolder* Root() const { return folders_.Root(); }
    const RezHeader& Header() const { return header_; }
    const std::string& ArchivePath() const { return archivePath_; }
    const std::string& PathName() const { return pathName_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    bool FolderAsRoot() const { return folderAsRoot_; }
    // Set by the batch commands: a single folder item becomes the root, and a selection is
    // extracted below its folder path.
    bool BatchFlag() const { return batchFlag_; }
    void SetBatchFlag(bool on) { batchFlag_ = on; }
    // True when the last Open job failed.
    bool LastOpenFailed() const { return lastOpenFailed_; }
    // Counts the per-item failures reported (files skipped while adding or extracting).
    int FailuresReported() const { return failures_; }
    DocumentHost& Host() { return host_; }

    // TotalEntrySize and TotalEntryCount of the model, as the status bar shows them.
    std::uint32_t TotalEntrySize() const { return folders_.TotalEntrySize(); }
    std::uint32_t TotalEntryCount() const { return folders_.TotalEntryCount(); }

  private:
    void Fail(const std::string& message);
    bool ReplaceConflicts(RezFolder& folder, const std::string& fullName,
                          const std::string& shortName, const FileStatus& status, bool& cancelled);
    // A file to add, with its status when a directory listing already gave it.
    struct DiskFile {
        std::string path;
        std::optional<FileStatus> status;
    };
    bool AddDiskFiles(const std::vector<DiskFile>& files, RezFolder* folder,
                      ProgressSink& progress);
    // Writes the entry into folder under its disk name; path receives the output path, for
    // messages. False when the name is unsafe or the data cannot be read or written.
    bool ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize, const RezEntry& entry,
                      const std::string& folder, std::string& path);
    bool ExtractFolderTree(BinaryFile& archive, std::uint64_t archiveSize, RezFolder* folder,
                           const std::string& base, ProgressSink& progress);
    void AddFolderBelow(const std::string& path, RezFolder* folder, bool topLevel,
                        ProgressSink& progress, std::vector<std::string>& ancestors);
    FileDialogOptions ArchiveDialog(const char* lastFolderKey, unsigned long flags);

    DocumentHost& host_;
    RezHeader header_{};
    FolderList folders_;
    std::vector<std::string> temporaryFiles_;
    bool folderAsRoot_ = false;
    std::string archivePath_;
    std::string pathName_;
    std::string title_;
    bool modified_ = false;
    bool batchFlag_ = false;
    bool lastOpenFailed_ = false;
    int failures_ = 0;
};
