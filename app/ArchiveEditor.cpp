#include "app/ArchiveEditor.h"

#include <algorithm>
#include <istream>

#include "archive/ArchivePaths.h"
#include "platform/filesystem/FileSystem.h"

namespace {

std::string ArchivePathText(const std::vector<std::string>& parts) {
    std::string path;
    for (const std::string& part : parts)
        path += (path.empty() ? "" : "\\") + part;
    return path;
}

}  // namespace

bool ArchiveEditor::Run(const std::vector<std::string>& words, std::string& error) {
    if (words.empty()) {
        error = "no command";
        return false;
    }
    const std::string& command = words.front();
    const std::vector<std::string> args(words.begin() + 1, words.end());
    struct Command {
        const char* name;
        std::size_t leastArgs;
        bool (ArchiveEditor::*run)(const std::vector<std::string>&, std::string&);
        const char* usage;
    };
    static const Command kCommands[] = {
        {"add", 2, &ArchiveEditor::Add, "add FOLDER PATH..."},
        {"mkdir", 1, &ArchiveEditor::MakeFolder, "mkdir FOLDER"},
        {"rename", 2, &ArchiveEditor::Rename, "rename ITEM NEWNAME"},
        {"delete", 1, &ArchiveEditor::Delete, "delete ITEM..."},
        {"move", 2, &ArchiveEditor::Move, "move ITEM... FOLDER"},
    };
    for (const Command& known : kCommands) {
        if (command != known.name)
            continue;
        const bool exact = command == "mkdir" || command == "rename";
        if (args.size() < known.leastArgs || (exact && args.size() != known.leastArgs)) {
            error = std::string("usage: ") + known.usage;
            return false;
        }
        return (this->*known.run)(args, error);
    }
    error = "unknown command";
    return false;
}

bool ArchiveEditor::FindItems(const std::vector<std::string>& paths,
                              std::vector<ArchiveItem>& items, std::string& error) const {
    for (const std::string& path : paths) {
        const std::optional<ArchiveItem> item = doc_.Editing().FindItemNamed(path);
        if (!item) {
            error = "no such item: " + path;
            return false;
        }
        items.push_back(*item);
    }
    return true;
}

RezFolder* ArchiveEditor::FolderPath(const std::string& path, std::string& error) {
    std::string archivePath;
    if (!doc_.Host().Names().ToArchive(path, archivePath)) {
        error = "the archive's code page cannot hold the name " + path;
        return nullptr;
    }
    const std::vector<std::string> parts = ArchivePathParts(archivePath);
    for (const std::string& part : parts) {
        if (!IsArchiveItemName(part)) {
            error = "no folder may be named " + part;
            return nullptr;
        }
    }
    return doc_.Adding().FindOrCreateFolderPath(ArchivePathText(parts), nullptr);
}

bool ArchiveEditor::Add(const std::vector<std::string>& args, std::string& error) {
    RezFolder* folder = FolderPath(args[0], error);
    if (!folder)
        return false;
    // Files first, then folders, as the Insert command takes them.
    const std::vector<std::string> paths(args.begin() + 1, args.end());
    const int failuresBefore = doc_.LeftOut().Failures();
    const bool complete = doc_.Adding().AddDiskPaths(SortDiskPaths(paths), folder, progress_,
                                                     {.stopAfterCancel = true});
    if (!complete) {
        error = "cancelled";
        return false;
    }
    if (doc_.LeftOut().Failures() != failuresBefore) {
        error = "not every file could be added";
        return false;
    }
    return true;
}

bool ArchiveEditor::MakeFolder(const std::vector<std::string>& args, std::string& error) {
    return FolderPath(args[0], error) != nullptr;
}

bool ArchiveEditor::Rename(const std::vector<std::string>& args, std::string& error) {
    std::vector<ArchiveItem> items;
    if (!FindItems({args[0]}, items, error))
        return false;
    const ArchiveItem& item = items.front();
    std::string name;
    if (!doc_.Host().Names().ToArchive(args[1], name)) {
        error = "the archive's code page cannot hold the name " + args[1];
        return false;
    }
    if (!item.entry && item.folder == doc_.Root()) {
        error = "the root is named after the archive file";
        return false;
    }
    Editor& editing = doc_.Editing();
    const bool renamed = item.entry ? editing.RenameEntry(*item.entry, name)
                                    : editing.RenameFolder(item.folder, name);
    if (!renamed)
        error = "the name is empty, holds a separator or is taken in its folder";
    return renamed;
}

bool ArchiveEditor::Delete(const std::vector<std::string>& args, std::string& error) {
    std::vector<ArchiveItem> items;
    if (!FindItems(args, items, error))
        return false;
    Editor& editing = doc_.Editing();
    std::vector<RezFolder*> folders;
    for (const ArchiveItem& item : items) {
        if (!item.entry && item.folder == doc_.Root()) {
            editing.DeleteFolder(nullptr);  // the root stays, empty
            return true;
        }
        if (item.entry)
            editing.DeleteItems(item.folder, {}, {item.entry});
        else
            folders.push_back(item.folder);
    }
    // Entries first: an entry of a folder named too goes before its folder does.
    editing.DeleteItems(nullptr, folders, {});
    return true;
}

bool ArchiveEditor::Move(const std::vector<std::string>& args, std::string& error) {
    std::vector<ArchiveItem> items;
    if (!FindItems(args, items, error))
        return false;
    const ArchiveItem target = items.back();
    items.pop_back();
    if (target.entry) {
        error = "not a folder: " + args.back();
        return false;
    }
    std::vector<RezFolder*> folders;
    for (const ArchiveItem& item : items)
        if (!item.entry)
            folders.push_back(item.folder);
    const bool moved = doc_.Editing().MoveItems(folders, EntriesByFolder(items), target.folder);
    if (!moved)
        error =
            "refused: a folder cannot go into itself or below itself, nor an item beside "
            "another of its name";
    return moved;
}

std::optional<std::vector<std::string>> SplitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        if (line[at] == ' ' || line[at] == '\t' || line[at] == '\r') {
            ++at;
            continue;
        }
        std::string word;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t' && line[at] != '\r') {
            if (line[at] != '"') {
                word += line[at++];
                continue;
            }
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string::npos)
                return std::nullopt;
            word.append(line, at + 1, close - at - 1);
            at = close + 1;
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::optional<ScriptFailure> RunEditScript(ArchiveEditor& editor, std::istream& script) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        const std::optional<std::vector<std::string>> words = SplitScriptLine(line);
        std::string error;
        if (!words)
            error = "a double quote is not closed";
        else if (editor.Run(*words, error))
            continue;
        return ScriptFailure{number, line, error};
    }
    return std::nullopt;
}

bool OpenForEditing(CTarvexDoc& doc, const std::string& path) {
    if (ReadFileStatus(path)) {
        doc.OpenDocument(path);
        doc.FinishJobs();
        return !doc.LastOpenFailed();
    }
    doc.NewDocument();
    doc.Editing().RenameFolder(nullptr, FileTitleOf(path));
    doc.SetArchivePath(path);
    doc.SetTitle(FileNameOf(path));
    return true;
}
