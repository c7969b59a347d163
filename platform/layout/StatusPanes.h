#pragma once
// The right edges of a status bar's panes (SB_SETPARTS) for a client width: the message
// pane stretches, the other panes keep their widths, and the last one also covers the
// size grip. The last edge is -1, the end of the bar.
#include <vector>

std::vector<int> StatusPaneEdges(int clientWidth, const std::vector<int>& paneWidths,
                                 int gripWidth);
