#pragma once
// The main window's layout arithmetic.

// The static splitter's panes at creation.
inline constexpr int kTreePaneWidth = 200;
inline constexpr int kListPaneWidth = 100;
inline constexpr int kPaneHeight = 100;

// The location bar: label, combo box and Go button on one toolbar. The combo box takes what
// the frame's client width leaves, never a negative width.
int LocationComboWidth(int clientWidth, int goButtonWidth, int labelButtonWidth);
// The label sits this far below its button's top.
inline constexpr int kLocationLabelTop = 4;
