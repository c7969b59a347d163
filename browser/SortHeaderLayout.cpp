#include "browser/SortHeaderLayout.h"

HeaderItemLayout LayoutHeaderItem(const HeaderRect& item, int spaceWidth, bool sortColumn,
                                  bool ascending, bool pressed) {
    const int w = spaceWidth;
    const int r = item.right;
    const int b = item.bottom;
    HeaderItemLayout layout;
    // The sort column leaves room for its arrow; a pressed item moves its title a little.
    layout.text = {item.left + 2 * w, item.top, sortColumn ? r - 8 * w : r - 2 * w, b};
    if (pressed) {
        layout.text.left += 1;
        layout.text.right += 1;
        layout.text.top += 2;
        layout.text.bottom += 2;
    }
    layout.drawText = layout.text.right > layout.text.left;
    if (!sortColumn)
        return layout;
    if (ascending) {
        layout.highlight = {
            {r - 4 * w, 2 * w - 1}, {r - 3 * w, b - 2 * w}, {r - 5 * w - 2, b - 2 * w}};
        layout.shadow = {{r - 5 * w - 1, b - 2 * w - 1}, {r - 4 * w, 2 * w - 2}};
    } else {
        layout.highlight = {{r - 3 * w, 2 * w - 1}, {r - 4 * w - 1, b - 2 * w + 1}};
        layout.shadow = {
            {r - 4 * w - 1, b - 2 * w}, {r - 5 * w - 1, 2 * w - 1}, {r - 3 * w, 2 * w - 1}};
    }
    return layout;
}
