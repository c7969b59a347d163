#pragma once
// The archive both panes' drop tests work on: root\MAPS\DM and root\Art, shown by stand-ins
// for the tree (one item per y: root, MAPS, DM, Art) and the list, sorted by name.
#include "app/AppTestHost.h"
#include "browser/FakeDropViews.h"
#include "browser/FileListRows.h"
#include "browser/PaneDrops.h"

// A source that allows both copy and move, as the window's own drags and Explorer do.
inline constexpr SourceEffects kAnySource{true, true};

template <class Host>
struct PaneDropScene {
    Host host;
    CTarvexDoc doc{host};
    TempDir dir;
    FakeTree tree;
    FakeList list;
    FileListRows rows;
    FolderTreeDrops treeDrops{doc, tree};
    FileListDrops listDrops{doc, rows, list, tree};
    RezFolder* maps = nullptr;
    RezFolder* dm = nullptr;
    RezFolder* art = nullptr;

    void BuildScene() {
        doc.NewDocument();
        maps = doc.Adding().FindOrCreateSubfolder("MAPS", nullptr);
        dm = doc.Adding().FindOrCreateSubfolder("DM", maps);
        art = doc.Adding().FindOrCreateSubfolder("Art", nullptr);
        doc.SetModified(false);
        tree.items = {{0, doc.Root()}, {1, maps}, {2, dm}, {3, art}};
        rows.SetSortColumn(0, true);
    }
};
