#include "browser/PictureQueue.h"

#include <algorithm>

#include "archive/RezTree.h"
#include "platform/TextCase.h"

PictureJob PictureJobOf(const RezEntry& entry, int row, const std::string& archivePath) {
    PictureJob job{PictureKeyOf(entry), row, archivePath, entry.dataPosition, entry.size};
    if (entry.dataPosition == 0) {
        job.path = job.key.diskSource;
        job.offset = 0;
    }
    return job;
}

bool IsTextureKey(const std::string& iconKey) {
    return EqualNoCase(iconKey, ".dtx");
}

RowSpan IconGridRows(int scrollTop, int clientWidth, int clientHeight, int cellWidth,
                     int cellHeight, int rowCount) {
    if (cellWidth <= 0 || cellHeight <= 0 || rowCount <= 0)
        return {};
    const int perLine = std::max(1, clientWidth / cellWidth);
    const int firstLine = std::max(0, scrollTop) / cellHeight;
    const int lastLine = std::max(0, scrollTop + clientHeight - 1) / cellHeight;
    const int first = std::min(firstLine * perLine, rowCount - 1);
    return {first, std::min(rowCount - 1, (lastLine + 1) * perLine - 1)};
}

void PictureQueue::Add(PictureJob job) {
    const auto same = std::find_if(jobs_.begin(), jobs_.end(), [&](const PictureJob& waiting) {
        return waiting.key.serial == job.key.serial;
    });
    if (same != jobs_.end())
        *same = std::move(job);
    else
        jobs_.push_back(std::move(job));
}

void PictureQueue::SetVisibleRows(int first, int last) {
    first_ = first;
    last_ = last;
    std::erase_if(jobs_, [this](const PictureJob& job) { return TooFar(job.row); });
}

std::optional<PictureJob> PictureQueue::TakeNext() {
    if (jobs_.empty())
        return std::nullopt;
    const auto next = std::min_element(jobs_.begin(), jobs_.end(),
                                       [this](const PictureJob& a, const PictureJob& b) {
                                           const int da = DistanceOf(a.row), db = DistanceOf(b.row);
                                           return da != db ? da < db : a.row < b.row;
                                       });
    PictureJob job = std::move(*next);
    jobs_.erase(next);
    return job;
}

int PictureQueue::DistanceOf(int row) const {
    if (last_ < first_ || (row >= first_ && row <= last_))
        return 0;
    return row < first_ ? first_ - row : row - last_;
}

bool PictureQueue::TooFar(int row) const {
    return last_ >= first_ && DistanceOf(row) > last_ - first_ + 1;
}
