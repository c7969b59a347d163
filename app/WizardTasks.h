#pragma once
// What happens once the wizard ended with Finish: the task chosen on page 1 carried out.
#include "app/MapPack.h"
#include "app/WizardRules.h"

class CTarvexDoc;

// The commands of the main window that the tasks run.
class WizardTaskHost {
  public:
    virtual ~WizardTaskHost() = default;
    // Makes the file list the active pane and runs the Insert command (files are added).
    virtual void InsertFiles() = 0;
    // Makes the folder tree the active pane and runs the Insert command (a folder is added).
    virtual void InsertFolder() = 0;
    // Makes the folder tree the active pane, selects the root folder without recording the
    // visit, and runs the Extract command.
    virtual void ExtractArchive() = 0;
};

inline constexpr const char* kNoArchiveToExtract = "No REZ file loaded to extract.";

void RunWizardTask(CTarvexDoc& doc, const WizardChoices& choices, WizardTaskHost& host,
                   const LayoutStrings& strings = BuiltInLayoutStrings());
