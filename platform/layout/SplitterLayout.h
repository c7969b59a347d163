#pragma once
// Where a splitter puts its left pane, its bar and its right pane in a given width. The
// left width the user chose is kept when the window is resized; only what fits is shown,
// each pane keeping its minimum while there is room, the left one first.

struct SplitColumns {
    int leftWidth = 0;  // the left pane runs from 0 to leftWidth, the bar starts there
    int rightLeft = 0;  // the right pane starts after the bar
    int rightWidth = 0;
};

class SplitterLayout {
  public:
    static constexpr int kDefaultBarWidth = 5;

    explicit SplitterLayout(int leftWidth, int leftMinimum = 0, int rightMinimum = 0,
                            int barWidth = kDefaultBarWidth);

    int PreferredLeft() const { return preferredLeft_; }
    int BarWidth() const { return barWidth_; }
    // A width chosen in code, e.g. one read back from the settings.
    void SetPreferredLeft(int leftWidth);

    SplitColumns Split(int width) const;
    bool OnBar(int x, int width) const;

    // Dragging the bar: it starts only on the bar, and the point where it was taken stays
    // under the pointer. DragTo answers whether the columns changed.
    bool BeginDrag(int x, int width);
    bool DragTo(int x, int width);
    void EndDrag() { dragging_ = false; }
    bool Dragging() const { return dragging_; }

  private:
    int FittingLeft(int leftWidth, int width) const;

    int preferredLeft_;
    int leftMinimum_;
    int rightMinimum_;
    int barWidth_;
    bool dragging_ = false;
    int grabOffset_ = 0;
};
