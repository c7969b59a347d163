#include "app/TarvexDoc.h"

#include <ctime>

#include "platform/Format.h"
#include "platform/filesystem/FileSystem.h"

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kArchiveFilter = "Tarvex Files ( *.rez)|*.REZ|All Files (*.*)|*.*||";

std::unique_ptr<ArchiveJob> MakeJob(JobKind kind, const std::string& path) {
    auto job = std::make_unique<ArchiveJob>();
    job->kind = kind;
    job->path = path;
    return job;
}

FileDialogOptions ArchiveDialog(Settings& profile, const char* lastFolderKey,
                                FileDialogRules rules) {
    FileDialogOptions options;
    options.defaultExtension = ".rez";
    options.filter = kArchiveFilter;
    options.rules = rules;
    options.initialFolder = profile.GetString(kSettings, lastFolderKey, "");
    return options;
}

}  // namespace

CTarvexDoc::CTarvexDoc(DocumentHost& host) : host_(host) {
    NewDocument();
}

bool CTarvexDoc::NewDocument() {
    // A save started just before (New after answering Yes) still reads the folder list.
    FinishJobs();
    folders_.Clear();
    header_.largestFolderName = 255;
    header_.largestEntryName = 255;
    header_.largestDescription = 0;
    header_.largestKeyCount = 0;
    header_.rootDirectoryTime = 0;
    header_.sortedFlag = 1;
    header_.version = 1;
    header_.timeStamp = static_cast<std::uint32_t>(std::time(nullptr));
    RezFolder& root = folders_.Append("Untitled", nullptr);
    root.treeItem = kTreeRootItem;
    title_ = root.name;
    SetArchivePath("");
    modified_ = false;
    host_.UpdateAllViews();
    host_.DocumentRenewed();
    return true;
}

bool CTarvexDoc::FileNew() {
    return PromptSaveChanges() && NewDocument();
}

bool CTarvexDoc::OpenDocument(const std::string& path) {
    host_.StartJob(MakeJob(JobOpen, path));
    return true;
}

bool CTarvexDoc::OpenFile(const std::string& path) {
    return PromptSaveChanges() && OpenDocument(path);
}

void CTarvexDoc::FileOpen() {
    const std::vector<std::string> chosen = host_.Prompts().ChooseOpenFiles(
        ArchiveDialog(host_.Profile(), "LastOpenFolder", {.fileMustExist = true}));
    if (chosen.empty() || chosen.front().empty())
        return;
    host_.Profile().SetString(kSettings, "LastOpenFolder", PathParent(chosen.front()));
    OpenDocument(chosen.front());
}

void CTarvexDoc::FileSave() {
    if (archivePath_.empty()) {
        FileSaveAs();
        return;
    }
    auto job = MakeJob(JobSave, archivePath_);
    job->folders = &folders_;
    job->sourcePath = archivePath_;
    host_.StartJob(std::move(job));
}

void CTarvexDoc::FileSaveAs() {
    if (folders_.Empty())
        return;
    const std::string path = host_.Prompts().ChooseSaveFile(
        ArchiveDialog(host_.Profile(), "LastSaveFolder", {.promptOverwrite = true}));
    if (path.empty())
        return;
    host_.Profile().SetString(kSettings, "LastSaveFolder", PathParent(path));
    // Another spelling of the open archive (case, relative, short form) is the same file:
    // it must be replaced through a backup, never truncated while its data is still read.
    const bool sameFile =
        !archivePath_.empty() && (path == archivePath_ || IsSameFile(path, archivePath_));
    auto job = MakeJob(sameFile ? JobSave : JobSaveAs, path);
    job->folders = &folders_;
    job->sourcePath = archivePath_;
    host_.StartJob(std::move(job));
}

bool CTarvexDoc::PromptSaveChanges() {
    if (!modified_)
        return true;
    std::string name = archivePath_;
    if (name.empty() && Root())
        name = Root()->name;
    switch (host_.Prompts().Ask(Format("Save changes to %s?", name.c_str()),
                                PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            FileSaveAs();
            FinishJobs();
            // A cancelled dialog or a failed save keeps the changes: the caller stops.
            return !modified_;
        case PromptAnswer::No:
            return true;
        default:
            return false;
    }
}

void CTarvexDoc::CompleteJob(std::unique_ptr<ArchiveJob> job) {
    if (!job)
        return;
    if (job->kind == JobOpen) {
        lastOpenFailed_ = job->failed;
        if (!job->failed) {
            folders_ = std::move(job->loaded);
            header_ = job->header;
            SetArchivePath(job->path);
            title_ = PathLeaf(job->path);
            // The content was replaced as a whole: nothing of it is unsaved.
            modified_ = false;
        }
    } else if (!job->failed) {
        SetArchivePath(job->path);
        title_ = PathLeaf(job->path);
        // Entries whose disk file could not be read are still only in the document.
        modified_ = job->pendingEntries > 0;
        leftOut_.Unsaved(static_cast<int>(job->pendingEntries));
        ++savesCompleted_;
    }
    host_.JobCompleted(*job);
    host_.UpdateAllViews();
}

void CTarvexDoc::FinishJobs() {
    for (auto& job : host_.WaitForJobs())
        CompleteJob(std::move(job));
}

bool CTarvexDoc::SaveAndWait() {
    FinishJobs();
    const int before = savesCompleted_;
    FileSave();
    FinishJobs();
    return savesCompleted_ != before;
}
