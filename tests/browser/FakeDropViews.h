#pragma once
// Stand-ins for what the drop targets talk to: the data of a drag, the folder tree and the
// file list, each recording what it was told.
#include <map>
#include <string>
#include <vector>

#include "browser/PaneDrops.h"

// What a drag or the clipboard offers in these tests.
class FakeTransfer : public TransferData {
  public:
    std::vector<std::uint8_t> payload;
    std::vector<std::string> files;
    bool offersPayload = false;
    bool offersFiles = false;

    static FakeTransfer Payload(std::vector<std::uint8_t> bytes) {
        FakeTransfer data;
        data.payload = std::move(bytes);
        data.offersPayload = true;
        return data;
    }
    static FakeTransfer Files(std::vector<std::string> paths) {
        FakeTransfer data;
        data.files = std::move(paths);
        data.offersFiles = true;
        return data;
    }

    bool OffersMovePayload() override { return offersPayload; }
    bool OffersShellFiles() override { return offersFiles; }
    std::vector<std::uint8_t> MovePayload() override { return payload; }
    std::vector<std::string> ShellFiles() override { return files; }
};

// A tree whose items lie one per y coordinate.
class FakeTree : public TreeDropView {
  public:
    std::map<int, RezFolder*> items;  // y -> folder
    RezFolder* highlighted = nullptr;
    RezFolder* selected = nullptr;
    int highlights = 0;

    RezFolder* FolderAt(DropPoint point) override {
        auto it = items.find(point.y);
        return it == items.end() ? nullptr : it->second;
    }
    void HighlightDropFolder(RezFolder* folder) override {
        highlighted = folder;
        ++highlights;
    }
    RezFolder* DropHighlightFolder() override { return highlighted; }
    RezFolder* SelectedFolder() override { return selected; }
    std::uintptr_t OwnerWindow() override { return 0x7EE; }
};

// A list whose row is the point's y.
class FakeList : public ListDropView {
  public:
    std::map<int, bool> highlightedRows;
    int RowAt(DropPoint point) override { return point.y; }
    void SetRowDropHighlight(int row, bool on) override { highlightedRows[row] = on; }
    std::uintptr_t OwnerWindow() override { return 0x1157; }
    std::vector<int> Highlighted() const {
        std::vector<int> rows;
        for (auto [row, on] : highlightedRows) {
            if (on)
                rows.push_back(row);
        }
        return rows;
    }
};
