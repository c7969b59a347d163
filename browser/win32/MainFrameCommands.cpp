// The main window's commands: one handler each, with the availability rules of the browser.
#include "browser/win32/MainFrame.h"

#include <shellapi.h>

#include "app/ItemSearch.h"
#include "app/win32/wizard/ModuleStrings.h"
#include "app/win32/wizard/WizardDlg.h"
#include "browser/win32/FindDialog.h"
#include "browser/win32/transfer/Clipboard.h"
#include "platform/win32/ui/ModalDialog.h"
#include "resources/tarvex/resource.h"

// The browser's command numbers are those of the menus, toolbars and keys.
static_assert(kCommandInsert == ID_OBJECT_INSERT);
static_assert(kCommandExtract == ID_OBJECT_EXTRACT);
static_assert(kCommandExtractPictures == ID_OBJECT_EXTRACT_PNG);
static_assert(kCommandDelete == ID_EDIT_DELETE);
static_assert(kCommandInsertEmptyFolder == ID_OBJECT_NEW_FOLDER);
static_assert(kCommandRename == ID_EDIT_RENAME);
static_assert(kCommandUpOneLevel == ID_GO_UP);
static_assert(kCommandHelp == ID_HELP_CONTENTS);
static_assert(kCommandLocationBar == ID_VIEW_LOCATION_BAR);
static_assert(kCommandBack == ID_GO_BACK);
static_assert(kCommandForward == ID_GO_FORWARD);
static_assert(kCommandRefresh == ID_VIEW_REFRESH);
static_assert(kCommandFirstGoToItem == ID_GO_HISTORY_FIRST);
static_assert(kCommandLastGoToItem == ID_GO_HISTORY_LAST);
static_assert(kCommandCopy == ID_EDIT_COPY);
static_assert(kCommandCut == ID_EDIT_CUT);
static_assert(kCommandPaste == ID_EDIT_PASTE);
static_assert(kCommandSmallIcons == ID_VIEW_SMALLICON);
static_assert(kCommandLargeIcons == ID_VIEW_LARGEICON);
static_assert(kCommandList == ID_VIEW_LIST);
static_assert(kCommandDetails == ID_VIEW_DETAILS);

void CMainFrame::AddRuleCommand(int id, std::function<void()> handler) {
    Commands().Add(static_cast<unsigned>(id), std::move(handler), [this, id] {
        const std::optional<CommandAvailability> rule = AvailabilityOf(id, State());
        return rule ? CommandState{rule->enabled, rule->checked} : CommandState{};
    });
}

void CMainFrame::AddCommands() {
    CommandRouter& commands = Commands();
    commands.Add(ID_FILE_NEW, [this] { doc_.FileNew(); });
    commands.Add(ID_FILE_NEW_REZ, [this] { doc_.NewDocument(); });
    commands.Add(ID_FILE_CLOSE, [this] { doc_.NewDocument(); });
    commands.Add(ID_FILE_NEW_PROJECT, [this] { NewProject(); });
    commands.Add(ID_FILE_OPEN, [this] { doc_.FileOpen(); });
    commands.Add(ID_FILE_SAVE, [this] { doc_.FileSave(); });
    commands.Add(ID_FILE_SAVE_AS, [this] { doc_.FileSaveAs(); });
    for (int index = 0; index < RecentFileList::kSize; ++index) {
        commands.Add(
            ID_FILE_MRU_FILE1 + index,
            [this, index] { doc_.OpenFile(recent_.Paths()[static_cast<size_t>(index)]); },
            EnabledWhen(
                [this, index] { return index < static_cast<int>(recent_.Paths().size()); }));
    }

    AddRuleCommand(kCommandInsert, [this] { Insert(); });
    AddRuleCommand(kCommandExtract, [this] { Extract(); });
    AddRuleCommand(kCommandExtractPictures, [this] {
        ScopedExtractionOutput pictures(doc_.Extraction(), ExtractionOutput::Pictures);
        Extract();
    });
    AddRuleCommand(kCommandDelete, [this] { Delete(); });
    AddRuleCommand(kCommandInsertEmptyFolder, [this] { InsertEmptyFolder(); });
    AddRuleCommand(kCommandRename, [this] { Rename(); });
    AddRuleCommand(kCommandHelp, [this] {
        ShellExecuteA(Handle(), "open", HelpFilePath().c_str(), nullptr, nullptr, SW_SHOW);
    });
    AddRuleCommand(kCommandBack, [this] { navigator_.Back(); });
    AddRuleCommand(kCommandForward, [this] { navigator_.Forward(); });
    AddRuleCommand(kCommandUpOneLevel, [this] { navigator_.UpOneLevel(tree_.SelectedFolder()); });
    AddRuleCommand(kCommandLocationBar, [this] { ToggleLocationBar(); });
    for (int id : {kCommandLargeIcons, kCommandSmallIcons, kCommandList, kCommandDetails})
        AddRuleCommand(id, [this, id] { SetViewMode(*ViewModeOfCommand(id)); });
    // Cut only marks what Paste moves, as Copy does: nothing leaves the archive before.
    AddRuleCommand(kCommandCopy, [this] { CopyToClipboard(); });
    AddRuleCommand(kCommandCut, [this] { CopyToClipboard(); });
    AddRuleCommand(kCommandPaste, [this] { tree_.Paste(); });
    commands.Add(ID_WIZARD, [this] { RunWizard(); });

    commands.Add(ID_EDIT_SELECT_ALL, [this] { list_.SelectAll(); });
    commands.Add(ID_EDIT_FIND_ITEMS, [this] { Find(); });
    commands.Add(ID_VIEW_REFRESH, [this] { list_.RefreshList(); });
    for (int index = 0; index <= kCommandLastGoToItem - kCommandFirstGoToItem; ++index) {
        commands.Add(
            kCommandFirstGoToItem + index, [this, index] { navigator_.ChooseGoToItem(index); },
            [this, index] {
                return CommandState{true, index == historyMenu_.Checked()};
            });
    }
    commands.Add(ID_LOCATION_GO, [this] { navigator_.NavigateToPath(location_.EditText(), true); });
    commands.Add(ID_NEXT_PANE, [this] { FocusNextPane(false); });
    commands.Add(ID_PREV_PANE, [this] { FocusNextPane(true); });
    commands.Add(ID_APP_ABOUT, [this] { ModalDialog().Show(Handle(), IDD_ABOUTBOX); });
}

FrameState CMainFrame::State() const {
    FrameState state;
    state.treeSelection = tree_.SelectedFolder();
    state.listSelectedCount = list_.SelectedCount();
    state.history = &navigator_.History();
    state.listExists = list_.List() != nullptr;
    state.viewMode = list_.Mode();
    state.locationBarShown = locationShown_;
    const ClipboardOffer offer = ClipboardOffers();
    state.clipboardHasPayload = offer.movePayload;
    state.clipboardHasFileDrop = offer.shellFiles;
    return state;
}

bool CMainFrame::ListIsActive() const {
    return ActivePane() == &list_;
}

void CMainFrame::Insert() {
    std::unique_ptr<ProgressSink> progress = host_.MakeProgress();
    SetUpProgress(*progress);
    if (ListIsActive())
        doc_.Adding().InsertFiles(tree_.SelectedFolder(), *progress);
    else if (RezFolder* folder = doc_.Adding().InsertFolder(tree_.SelectedFolder(), *progress))
        navigator_.SelectFolder(folder, true);
}

void CMainFrame::NewProject() {
    ActivatePane(tree_);
    std::unique_ptr<ProgressSink> progress = host_.MakeProgress();
    SetUpProgress(*progress);
    doc_.Adding().NewProject(*progress);
    navigator_.SelectFolder(doc_.Root(), true);
}

void CMainFrame::Extract() {
    std::unique_ptr<ProgressSink> progress = host_.MakeProgress();
    SetUpProgress(*progress);
    if (ListIsActive()) {
        const ListSelection selection = list_.Rows().SplitSelection(list_.SelectedRows());
        doc_.Extraction().ExtractListSelection(list_.Rows().ShownFolder(), selection.folders,
                                               selection.entries, *progress);
    } else {
        doc_.Extraction().ExtractTreeSelection(tree_.SelectedFolder(), *progress);
    }
}

void CMainFrame::Delete() {
    if (ListIsActive() && list_.Rows().ShowsFound()) {
        const std::vector<std::string> patterns = list_.Rows().FoundPatterns();
        if (doc_.Editing().DeleteFoundItems(list_.Rows().SelectedItems(list_.SelectedRows())))
            list_.ShowFound(patterns);  // the document's update showed the root
    } else if (ListIsActive()) {
        const ListSelection selection = list_.Rows().SplitSelection(list_.SelectedRows());
        if (doc_.Editing().DeleteListSelection(list_.Rows().ShownFolder(), selection.folders,
                                               selection.entries))
            list_.DeselectAll();
    } else {
        doc_.Editing().DeleteTreeSelection(tree_.SelectedFolder());
    }
}

void CMainFrame::Find() {
    FindDialog dialog(findTyped_);
    if (!dialog.Ask(Handle()))
        return;
    findTyped_ = dialog.Typed();
    ActivatePane(list_);
    list_.ShowFound(SplitPatterns(findTyped_));
}

void CMainFrame::InsertEmptyFolder() {
    RezFolder* folder = doc_.Editing().InsertEmptyFolder(tree_.SelectedFolder());
    navigator_.SelectFolder(folder, true);
    tree_.EditLabel(folder);
}

void CMainFrame::Rename() {
    if (ListIsActive())
        list_.EditFirstSelected();
    else
        tree_.EditLabel(tree_.SelectedFolder());
}

void CMainFrame::CopyToClipboard() {
    if (ListIsActive())
        list_.CopySelectionPayload();
    else
        tree_.CopyFolderPayload();
}

void CMainFrame::RunWizard() {
    CWizardDlg wizard(host_.Prompts());
    if (wizard.Run(Handle()))
        RunWizardTask(doc_, wizard.Choices(), wizardLinks_,
                      ModuleLayoutStrings(GetModuleHandleA(nullptr)));
}

void CMainFrame::SetViewMode(ViewMode mode) {
    list_.SetMode(mode);
    WriteViewMode(host_.Profile(), mode);
    list_.RefreshList();
}

void CMainFrame::ToggleLocationBar() {
    locationShown_ = !locationShown_;
    if (locationShown_) {
        // Back on the toolbar's row.
        ShowWindow(location_.Handle(), SW_SHOW);
        Bars().AddBand(location_.Handle(), location_.BandSize(), RBBS_FIXEDBMP);
    } else {
        Bars().DeleteBand(location_.Handle());
        ShowWindow(location_.Handle(), SW_HIDE);
    }
    BandsChanged();
}
