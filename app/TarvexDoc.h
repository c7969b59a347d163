#pragma once
// The archive document: owns the folder list of the open archive, knows the archive file the
// entries' data positions refer to, and carries out New, Open, Save, adding, extraction and
// the model side of the editing commands.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ArchiveItems.h"
#include "app/DocumentHost.h"
#include "app/FolderReadAhead.h"
#include "archive/ArchiveJob.h"
#include "archive/RezFormat.h"
#include "archive/RezTree.h"
#include "platform/filesystem/BinaryFile.h"
#include "platform/filesystem/FileSystem.h"

// Shown when a command finds nothing selected in the active pane.
inline constexpr const char* kNoSelection = "No selection in active frame!";
// Why a move or a rename is refused: the folder (its path, the root's name first) already
// holds an item of that kind and name; the name is none an item may have.
std::string NameTakenText(const std::string& name, const std::string& folderPath);
std::string UnfitNameText(const std::string& name);
inline constexpr const char* kMoveIntoItself =
    "A folder cannot be moved into itself or below itself.";

class OutputFolder;

// What an extraction writes of each entry.
enum class ExtractionOutput {
    Data,      // the entry's data as stored
    Pictures,  // a texture's picture as a PNG file (see PictureNames.h); other entries: nothing
};

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
    // An archive named by a recent-file entry, a drop or another start of the program: the
    // save question first, then Open. False when the user cancelled.
    bool OpenFile(const std::string& path);
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
    // FileSave, waited for: true when the archive was written (it may still leave out entries
    // whose disk file could not be read, counted in ItemsLeftOut); false when the save failed
    // or the Save As dialog was cancelled.
    bool SaveAndWait();

    // --- adding ---
    // False when the user cancelled in the replace prompt.
    bool AddFiles(const std::vector<std::string>& paths, RezFolder* folder, ProgressSink& progress);
    bool AddFile(const std::string& path, RezFolder* folder, ProgressSink& progress);
    // False when the user cancelled (in a replace prompt or the progress window).
    bool AddFolder(const std::string& path, RezFolder* folder, bool topLevel,
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
    // Every extraction writes what this says; Data unless set.
    ExtractionOutput Output() const { return output_; }
    void SetOutput(ExtractionOutput output) { output_ = output; }
    // Empty when the user cancelled.
    std::string ChooseExtractionFolder();
    // Makes the destination of an extraction with every missing parent; false, reported, when
    // it cannot be made.
    bool MakeExtractionFolder(const std::string& path);
    // False when anything could not be extracted or the user cancelled.
    bool ExtractArchive(RezFolder* folder, const std::string& destination, ProgressSink& progress);
    bool ExtractFolder(BinaryFile& archive, RezFolder* folder, const std::string& base,
                       ProgressSink& progress);
    bool ExtractSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                          const std::vector<const RezEntry*>& entries,
                          const std::string& destination, ProgressSink& progress);
    // Extracts each item where extracting the whole archive into destination would put it.
    bool ExtractItems(const std::vector<ArchiveItem>& items, const std::string& destination,
                      ProgressSink& progress);
    // Copies an entry's data (from the document's archive, or from its disk file when it is not
    // stored yet) to output. False when the data cannot be read whole.
    bool CopyEntryTo(const RezEntry& entry, BinaryFile& output);

    // Temporary files made for the user; the window deletes them when it closes
    // (DeleteTemporaryFiles). Empties the list.
    std::vector<std::string> TakeTemporaryFiles() { return std::exchange(temporaryFiles_, {}); }

    // --- editing ---
    // Deletes folders (with everything below them) and entries of the current folder.
    void DeleteItems(RezFolder* current, const std::vector<RezFolder*>& folders,
                     const std::vector<const RezEntry*>& entries);
    // Deletes a folder and everything below it; the root is emptied instead.
    void DeleteFolder(RezFolder* folder);
    // Moves folders into target, then entries of source to the tail of target's entries.
    // Refused (false, nothing changed) when a folder would go into itself or below itself, an
    // entry is not source's, or an item would meet another of its kind and name in target.
    bool MoveItems(const std::vector<RezFolder*>& folders, RezFolder* source,
                   const std::vector<RezEntry*>& entries, RezFolder* target);
    // The name of a moved item that would meet another of its kind and name in target (or
    // that two moved items share): the move is then refused. Nullopt when none would.
    std::optional<std::string> MoveClash(const std::vector<RezFolder*>& folders, RezFolder* source,
                                         const std::vector<RezEntry*>& entries,
                                         RezFolder* target) const;
    // The Delete command once the window has gathered the selection: of the file list (its
    // folder's selected subfolders and entries) or of the folder tree (null: nothing
    // selected; the root is emptied, not removed). Asks first; false when nothing changed.
    bool DeleteListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                             const std::vector<const RezEntry*>& entries);
    bool DeleteTreeSelection(RezFolder* selected);
    // Delete on the results of a search: folders and entries of any folder, each entry with
    // the folder that holds it. Asks as for the list's selection.
    bool DeleteFoundItems(const std::vector<ArchiveItem>& items);
    // The Extract command, the same way; false when nothing or not everything was extracted.
    bool ExtractListSelection(RezFolder* current, const std::vector<RezFolder*>& folders,
                              const std::vector<const RezEntry*>& entries, ProgressSink& progress);
    bool ExtractTreeSelection(RezFolder* selected, ProgressSink& progress);
    // Insert Empty Folder: "New Folder" below the selected folder, reused when it exists.
    RezFolder* InsertEmptyFolder(RezFolder* selected);
    // Refused (false, nothing changed) for a name that is no archive name (see
    // IsArchiveItemName) or that another folder of the parent, or another entry of the
    // folder, already has without regard to case.
    bool RenameFolder(RezFolder* folder, const std::string& name);
    bool RenameEntry(RezEntry& entry, const std::string& name);
    // Why the folder or the entry cannot take the name, as the user is told; nullopt when it
    // can.
    std::optional<std::string> FolderRenameRefusal(RezFolder* folder,
                                                   const std::string& name) const;
    std::optional<std::string> EntryRenameRefusal(const RezEntry& entry,
                                                  const std::string& name) const;
    // The item at an archive path given in the disk's text (names convert as disk names do);
    // see FindItem.
    std::optional<ArchiveItem> FindItemNamed(const std::string& path) const;
    // The folder that holds the entry; null when it is none of this document's.
    RezFolder* FolderOfEntry(const RezEntry& entry) const;

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
    // While set, a folder inserted at the top level fills its target instead of becoming its
    // subfolder, and names the root after itself (New Project).
    void SetFolderAsRoot(bool on) { folderAsRoot_ = on; }
    // Set by the batch commands: a single folder item becomes the root, and a selection is
    // extracted below its folder path.
    bool BatchFlag() const { return batchFlag_; }
    void SetBatchFlag(bool on) { batchFlag_ = on; }
    // True when the last Open job failed.
    bool LastOpenFailed() const { return lastOpenFailed_; }
    // Counts the per-item failures reported (files skipped while adding or extracting).
    int FailuresReported() const { return failures_; }
    // Counts every item named in a message as left out of the archive: the failures, the disk
    // items skipped on purpose, and entries a save could not store.
    int ItemsLeftOut() const { return failures_ + skipped_; }
    DocumentHost& Host() { return host_; }

    // TotalEntrySize and TotalEntryCount of the model, as the status bar shows them.
    std::uint64_t TotalEntrySize() const { return folders_.TotalEntrySize(); }
    std::uint32_t TotalEntryCount() const { return folders_.TotalEntryCount(); }

  private:
    void Fail(const std::string& message);
    // Delete's question on the list's selection; false, the user told why, when there is none.
    bool ConfirmListDelete(bool nothingSelected);
    // A disk item left out on purpose (not a regular file, a name the archive's code page
    // cannot hold, the archive itself): reported and counted as left out, but no failure of the
    // command that met it.
    void Skip(const std::string& path, const char* format = "Error adding: %s");
    bool ReplaceConflicts(RezFolder& folder, const std::string& fullName,
                          const std::string& shortName, const FileStatus& status, bool& cancelled);
    // A file to add, with its status when a directory listing already gave it.
    struct DiskFile {
        std::string path;
        std::optional<FileStatus> status;
        bool readable = false;  // known to be readable
    };
    bool AddDiskFiles(const std::vector<DiskFile>& files, RezFolder* folder,
                      ProgressSink& progress);
    enum class EntryResult { Written, LeftAlone, Failed, NoPicture };
    // The disk name an entry is written under (false when unsafe); nullopt when the output
    // leaves the entry alone.
    std::optional<bool> OutputNameFor(const RezEntry& entry, std::string& diskName);
    // Writes the entry into folder under its disk name; path receives the output path, for
    // messages. Failed when the name is unsafe or the data cannot be read or written.
    EntryResult ExtractEntry(BinaryFile& archive, std::uint64_t archiveSize, const RezEntry& entry,
                             const std::string& folder, std::string& path);
    // What a failed ExtractEntry reports; otherText when the data could not be written.
    void FailEntry(EntryResult result, const std::string& path, const std::string& otherText);
    // The files of a folder tree being extracted, written on worker threads; reports their
    // failures in order on the calling thread.
    class ExtractionQueue;
    bool ExtractFolderTree(BinaryFile& archive, std::uint64_t archiveSize, RezFolder* folder,
                           const std::string& base, ProgressSink& progress);
    bool ExtractFolderInto(ExtractionQueue& queue, RezFolder* folder, const std::string& base,
                           ProgressSink& progress);
    // Gives the entry to the queue; false when it failed here already.
    bool QueueEntry(ExtractionQueue& queue, EntryList::const_iterator entry,
                    EntryList::const_iterator end, const std::string& folder,
                    const std::shared_ptr<const OutputFolder>& output);
    // The disk form of an archive name that may become one file or directory; false when it
    // has none or is unsafe (diskName then holds what to name in a message).
    bool DiskNameFor(const std::string& archiveName, std::string& diskName);
    // Makes the directory below base that stands for folder (its names from the root down;
    // the root's own only with includeRoot). False when a name is unsafe or the directory
    // cannot be made; path then names where it failed.
    bool MakeDiskFolder(const std::string& base, RezFolder* folder, bool includeRoot,
                        std::string& path);
    // Where an entry's data is read from: the open archive of archiveSize bytes, or its disk
    // file, opened into disk. Null when the data is not there whole.
    BinaryFile* EntryDataSource(BinaryFile& archive, std::uint64_t archiveSize,
                                const RezEntry& entry, BinaryFile& disk);
    // Opens the document's archive to read entry data; false, with the message (formatted
    // with the path name), when it cannot be opened.
    bool OpenArchiveData(BinaryFile& archive, const char* failureFormat);
    bool AddFolderBelow(FolderReadAhead& readAhead, FolderReadAhead::Folder listed,
                        const std::string& path, RezFolder* folder, bool topLevel,
                        ProgressSink& progress, std::vector<std::string>& ancestors);
    FileDialogOptions ArchiveDialog(const char* lastFolderKey, unsigned long flags);

    DocumentHost& host_;
    RezHeader header_{};
    FolderList folders_;
    std::vector<std::string> temporaryFiles_;
    TypeNameCache typeNames_;  // of the files added
    bool folderAsRoot_ = false;
    ExtractionOutput output_ = ExtractionOutput::Data;
    std::string archivePath_;
    std::string pathName_;
    std::string title_;
    bool modified_ = false;
    bool batchFlag_ = false;
    bool lastOpenFailed_ = false;
    int failures_ = 0;
    int skipped_ = 0;
    int savesCompleted_ = 0;
};

// The document's extraction output for the life of one command.
class ScopedExtractionOutput {
  public:
    ScopedExtractionOutput(CTarvexDoc& doc, ExtractionOutput output)
        : doc_(doc), before_(doc.Output()) {
        doc.SetOutput(output);
    }
    ~ScopedExtractionOutput() { doc_.SetOutput(before_); }
    ScopedExtractionOutput(const ScopedExtractionOutput&) = delete;
    ScopedExtractionOutput& operator=(const ScopedExtractionOutput&) = delete;

  private:
    CTarvexDoc& doc_;
    ExtractionOutput before_;
};
