#pragma once
// The commands of `tarvex edit`, each carried out through the document's own operations (the
// ones the window calls), and the scripts that chain them into one transaction.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/TarvexDoc.h"

class ArchiveEditor {
  public:
    ArchiveEditor(CTarvexDoc& doc, ProgressSink& progress) : doc_(doc), progress_(progress) {}

    // Carries out one command given as its words: add, mkdir, rename, delete or move. Paths and
    // names are in the disk's text. False, with error set, when the command failed; what it
    // changed before failing stays in the document, which the caller then must not save.
    bool Run(const std::vector<std::string>& words, std::string& error);

  private:
    bool Add(const std::vector<std::string>& args, std::string& error);
    bool MakeFolder(const std::vector<std::string>& args, std::string& error);
    bool Rename(const std::vector<std::string>& args, std::string& error);
    bool Delete(const std::vector<std::string>& args, std::string& error);
    bool Move(const std::vector<std::string>& args, std::string& error);
    // Every item named, in order; false (error set) when one is missing.
    bool FindItems(const std::vector<std::string>& paths, std::vector<ArchiveItem>& items,
                   std::string& error) const;
    // The folder at path, with every missing level made; null (error set) for a name no
    // folder may have.
    RezFolder* FolderPath(const std::string& path, std::string& error);

    CTarvexDoc& doc_;
    ProgressSink& progress_;
};

// The words of one script line: blanks separate them, double quotes group blanks into a word
// ("" is an empty word). Nothing for an unclosed quote.
std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line);

struct ScriptFailure {
    int line = 0;         // counted from 1
    std::string command;  // the line as written
    std::string error;
};

// Runs the script's commands in order; blank lines and lines starting with '#' are skipped.
// Stops at the first command that fails and tells which.
std::optional<ScriptFailure> RunEditScript(ArchiveEditor& editor, std::istream& script);

// Opens the archive at path into doc for editing, or starts an empty one named after the file
// when there is no file there yet. False when an existing file could not be read.
bool OpenForEditing(CTarvexDoc& doc, const std::string& path);
