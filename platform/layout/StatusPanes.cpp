#include "platform/layout/StatusPanes.h"

#include <algorithm>

std::vector<int> StatusPaneEdges(int clientWidth, const std::vector<int>& paneWidths,
                                 int gripWidth) {
    std::vector<int> edges(paneWidths.size() + 1, -1);
    int right = clientWidth - gripWidth;
    for (size_t i = paneWidths.size(); i-- > 0;) {
        right -= paneWidths[i];
        edges[i] = std::max(0, right);  // a negative edge would read as the bar's end
    }
    return edges;
}
