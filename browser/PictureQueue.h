#pragma once
// The texture pictures the file list waits for, in the order they are made: the rows on
// screen first, top to bottom, then the nearest to them. Scrolling drops the rows left more
// than a screen away; they are asked for again when they come back.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "browser/PictureCache.h"

struct RezEntry;

// One picture to make: the texture file that takes length bytes from offset in path.
struct PictureJob {
    PictureKey key;
    int row = -1;
    std::string path;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

// The job of an entry whose texture is in the archive at archivePath or, not stored yet, in
// its disk file.
PictureJob PictureJobOf(const RezEntry& entry, int row, const std::string& archivePath);

// True for an entry the list shows as a texture (its icon key ".dtx", in any case).
bool IsTextureKey(const std::string& iconKey);

struct RowSpan {
    int first = 0;
    int last = -1;  // below first: none
};

// The rows on screen of an icon grid laid out line by line in cells of cellWidth x cellHeight
// pixels, scrolled down by scrollTop pixels; none known for cells without a size.
RowSpan IconGridRows(int scrollTop, int clientWidth, int clientHeight, int cellWidth,
                     int cellHeight, int rowCount);

class PictureQueue {
  public:
    // A row the list asks for is being drawn, so it is kept wherever the screen was; a job
    // for an entry already waiting replaces it.
    void Add(PictureJob job);
    // The rows first to last are on screen (last < first: none known yet).
    void SetVisibleRows(int first, int last);
    std::optional<PictureJob> TakeNext();
    void Clear() { jobs_.clear(); }
    std::size_t Size() const { return jobs_.size(); }

  private:
    // 0 on screen, else the rows between it and the screen.
    int DistanceOf(int row) const;
    bool TooFar(int row) const;

    std::vector<PictureJob> jobs_;
    int first_ = 0;
    int last_ = -1;
};
