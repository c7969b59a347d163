#pragma once
// Textures drawn as their pictures in the file list's Large Icons view: the cache's slots
// become indices of the large image list, the worker's pictures are drawn into them when its
// message comes, and the rows that show them are drawn again.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "browser/PictureCache.h"
#include "browser/PictureWorker.h"
#include "platform/win32/ui/ListView.h"

class FileTypeIcons;
class FileTypeImageLists;
struct RezEntry;

class ListPictures {
  public:
    // What the worker posts to the list when pictures wait.
    static constexpr UINT kReadyMessage = WM_APP + 23;

    ListPictures(FileTypeIcons& icons, FileTypeImageLists& images);

    // The list the pictures are for; the worker posts to it.
    void Attach(HWND list) { list_ = ListView(list); }
    // The image of row's texture entry: its picture once made, else iconIndex while it is
    // asked for, or for good when the texture is damaged.
    int ImageFor(int row, const RezEntry& entry, const std::string& archivePath, int iconIndex);
    // The rows are shown anew (another folder, view, order or archive): nothing asked for
    // before is made any more.
    void Cancel();
    // On kReadyMessage.
    void TakeReady();

  private:
    int ImageOfSlot(int slot);
    void SetVisibleRows();

    FileTypeIcons& icons_;
    FileTypeImageLists& images_;
    ListView list_;
    PictureCache cache_;
    std::vector<int> slotImages_;  // image index of each cache slot
    RowSpan shownRows_;
    std::unique_ptr<PictureWorker> worker_;
};
