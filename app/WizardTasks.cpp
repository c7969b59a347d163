#include "app/WizardTasks.h"

#include "app/TarvexDoc.h"

void RunWizardTask(CTarvexDoc& doc, const WizardChoices& choices, WizardTaskHost& host,
                   const LayoutStrings& strings) {
    switch (choices.Task()) {
        case TaskAddFiles:
            host.InsertFiles();
            break;
        case TaskAddFolders:
            host.InsertFolder();
            break;
        case TaskMapPack:
            BuildMapPack(doc, choices.GameType(), choices.CategoriesToAsk(), strings);
            break;
        case TaskMapPackFolder:
            // New Project's insert, into the archive that is open: the folder's contents
            // become the root's.
            doc.Adding().SetFolderAsRoot(true);
            host.InsertFolder();
            doc.Adding().SetFolderAsRoot(false);
            break;
        case TaskExtract:
            if (doc.ArchivePath().empty())
                doc.Host().Prompts().Show(kNoArchiveToExtract);
            else
                host.ExtractArchive();
            break;
    }
}
