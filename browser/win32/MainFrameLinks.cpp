// What the panes, the navigation, the wizard's tasks and the document's host ask of the main
// window, carried over to it.
#include "browser/win32/MainFrame.h"

#include "browser/ListLabelEdit.h"

void CMainFrame::PaneLinks::TreeSelectionChanged(RezFolder* folder) {
    frame_.list_.ShowFolder(folder);
    frame_.navigator_.TreeSelectionChanged(folder);
}

bool CMainFrame::PaneLinks::RenameFolder(RezFolder* folder, const std::string& name) {
    if (!CommitFolderLabel(frame_.doc_, folder, name))
        return false;
    frame_.list_.RefreshList();
    return true;
}

void CMainFrame::PaneLinks::OpenFolder(RezFolder* folder) {
    frame_.navigator_.SelectFolder(folder, true);
}

void CMainFrame::NavigationLinks::SelectTreeFolder(RezFolder* folder) {
    frame_.tree_.SelectFolder(folder);
    // From the results to the folder the tree has selected already: no change tells it.
    if (frame_.list_.Rows().ShowsFound())
        frame_.list_.ShowFolder(frame_.tree_.SelectedFolder());
}

void CMainFrame::WizardLinks::InsertFiles() {
    frame_.ActivatePane(frame_.list_);
    frame_.Insert();
}

void CMainFrame::WizardLinks::InsertFolder() {
    frame_.ActivatePane(frame_.tree_);
    frame_.Insert();
}

void CMainFrame::WizardLinks::ExtractArchive() {
    frame_.ActivatePane(frame_.tree_);
    frame_.navigator_.SelectFolder(frame_.doc_.Root(), false);
    frame_.Extract();
}

void CMainFrame::DocumentLinks::UpdateAllViews() {
    frame_.tree_.RebuildTree();
    frame_.list_.ShowFolder(frame_.doc_.Root());
    frame_.statusPanes_.SetTotals(frame_.doc_.TotalEntryCount(), frame_.doc_.TotalEntrySize());
    frame_.SetDocumentName(frame_.doc_.Title());
}

void CMainFrame::DocumentLinks::DocumentRenewed() {
    // As after Open: no visit, no selection; the list shows the root.
    frame_.navigator_.Clear();
}

void CMainFrame::DocumentLinks::JobCompleted(const ArchiveJob& job) {
    frame_.recent_.Add(job.path);
    frame_.recent_.Write(frame_.host_.Profile());
    frame_.ShowRecentFiles();
    if (job.kind == JobOpen && !job.failed)
        frame_.navigator_.Clear();
}
