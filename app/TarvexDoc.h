#pragma once
// The archive document: owns the folder list of the open archive, knows the archive file the
// entries' data positions refer to, and carries out New, Open and Save. Adding, extraction and
// the model side of the editing commands are its collaborators' trades.
#include <cstdint>
#include <memory>
#include <string>

#include "app/Adding.h"
#include "app/CommandSteps.h"
#include "app/DocumentHost.h"
#include "app/Editing.h"
#include "app/Extraction.h"
#include "app/LeftOutItems.h"
#include "archive/ArchiveJob.h"
#include "archive/RezFormat.h"
#include "archive/RezTree.h"

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
    void SetArchivePath(const std::string& path) { archivePath_ = path; }
    // Hands a finished job back: a successful Open replaces the model, a successful save
    // moves the document to the written file.
    void CompleteJob(std::unique_ptr<ArchiveJob> job);
    // Waits for running jobs and completes them.
    void FinishJobs();
    // FileSave, waited for: true when the archive was written (it may still leave out entries
    // whose disk file could not be read, counted by LeftOut); false when the save failed or
    // the Save As dialog was cancelled.
    bool SaveAndWait();

    // --- the trades ---
    Adder& Adding() { return adding_; }
    Extractor& Extraction() { return extraction_; }
    Editor& Editing() { return editing_; }
    // Counts the items named in a message as left out of the archive: files skipped while
    // adding or extracting, and entries a save could not store.
    LeftOutItems& LeftOut() { return leftOut_; }

    // --- state ---
    FolderList& Folders() { return folders_; }
    const FolderList& Folders() const { return folders_; }
    RezFolder* Root() const { return folders_.Root(); }
    const RezHeader& Header() const { return header_; }
    // The archive file the entries' data positions refer to, also the document's path name;
    // empty when the document was never opened or saved.
    const std::string& ArchivePath() const { return archivePath_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // Set by the batch commands: a single folder item becomes the root, and a selection is
    // extracted below its folder path.
    bool BatchFlag() const { return batchFlag_; }
    void SetBatchFlag(bool on) { batchFlag_ = on; }
    // True when the last Open job failed.
    bool LastOpenFailed() const { return lastOpenFailed_; }
    DocumentHost& Host() { return host_; }

    // TotalEntrySize and TotalEntryCount of the model, as the status bar shows them.
    std::uint64_t TotalEntrySize() const { return folders_.TotalEntrySize(); }
    std::uint32_t TotalEntryCount() const { return folders_.TotalEntryCount(); }

  private:
    DocumentHost& host_;
    RezHeader header_{};
    FolderList folders_;
    std::string archivePath_;
    std::string title_;
    bool modified_ = false;
    bool batchFlag_ = false;
    bool lastOpenFailed_ = false;
    int savesCompleted_ = 0;
    LeftOutItems leftOut_{host_};
    Adder adding_{*this};
    Extractor extraction_{*this};
    Editor editing_{*this};
};
