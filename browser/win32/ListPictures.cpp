#include "browser/win32/ListPictures.h"

#include "archive/RezTree.h"
#include "browser/FileTypeIcons.h"
#include "browser/win32/FileTypeImageLists.h"

namespace {

constexpr int kPictureSize = 32;
constexpr std::size_t kPictureBytes = kPictureSize * kPictureSize * 4;
// About 2,000 pictures: several screens of Large Icons in both directions.
constexpr std::size_t kBudgetBytes = std::size_t{8} << 20;

}  // namespace

ListPictures::ListPictures(FileTypeIcons& icons, FileTypeImageLists& images)
    : icons_(icons), images_(images), cache_(kBudgetBytes, kPictureBytes) {}

int ListPictures::ImageFor(int row, const RezEntry& entry, const std::string& archivePath,
                           int iconIndex) {
    const PictureKey key = PictureKeyOf(entry);
    if (const std::optional<int> slot = cache_.Find(key))
        return *slot == PictureCache::kNoPicture ? iconIndex : ImageOfSlot(*slot);
    if (!worker_) {
        // Started by the first texture shown, so that other archives pay nothing.
        worker_ = std::make_unique<PictureWorker>(
            kPictureSize, [list = list_.Handle()] { PostMessageA(list, kReadyMessage, 0, 0); });
    }
    SetVisibleRows();
    worker_->Request(PictureJobOf(entry, row, archivePath));
    return iconIndex;
}

void ListPictures::Cancel() {
    if (worker_)
        worker_->Cancel();
}

void ListPictures::TakeReady() {
    if (!worker_)
        return;
    for (const PictureResult& result : worker_->TakeResults()) {
        if (result.picture.size == 0) {
            cache_.StoreDamaged(result.job.key);
            continue;
        }
        images_.SetLargePicture(ImageOfSlot(cache_.Store(result.job.key)), result.picture);
        list_.RedrawItems(result.job.row, result.job.row);
    }
}

int ListPictures::ImageOfSlot(int slot) {
    while (static_cast<int>(slotImages_.size()) <= slot)
        slotImages_.push_back(icons_.AddPictureSlot());
    return slotImages_[static_cast<size_t>(slot)];
}

void ListPictures::SetVisibleRows() {
    const POINT origin = list_.Origin();
    RECT client{};
    GetClientRect(list_.Handle(), &client);
    const DWORD spacing = list_.ItemSpacing(false);
    const RowSpan rows = IconGridRows(origin.y, client.right, client.bottom, LOWORD(spacing),
                                      HIWORD(spacing), list_.ItemCount());
    if (rows.first != shownRows_.first || rows.last != shownRows_.last) {
        shownRows_ = rows;
        worker_->SetVisibleRows(rows.first, rows.last);
    }
}
