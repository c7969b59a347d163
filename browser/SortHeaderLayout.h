#pragma once
// Where the list's owner-drawn header puts an item's title and the sort column's arrow, in
// units of the header font's space width w.
#include <vector>

struct HeaderPoint {
    int x = 0;
    int y = 0;
    bool operator==(const HeaderPoint&) const = default;
};

struct HeaderRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const HeaderRect&) const = default;
};

struct HeaderItemLayout {
    HeaderRect text;        // the title, vertically centred, single line, ellipsis when cut
    bool drawText = false;  // only a rectangle wider than zero gets the title
    // The arrow of the sort column, as two polylines: the 3-D highlight colour and the 3-D
    // shadow colour. Empty for the other columns.
    std::vector<HeaderPoint> highlight;
    std::vector<HeaderPoint> shadow;
};

// item: the item's rectangle in the header's coordinates; spaceWidth: w.
HeaderItemLayout LayoutHeaderItem(const HeaderRect& item, int spaceWidth, bool sortColumn,
                                  bool ascending, bool pressed);
