#pragma once
// A pane that holds two panes side by side with a bar between them that the mouse drags.
// Both panes are laid out in one pass whenever the splitter is sized or the bar moves; the
// arithmetic is SplitterLayout's.
#include "platform/layout/SplitterLayout.h"
#include "platform/win32/ui/Pane.h"
#include "platform/win32/ui/Window.h"

class SplitterPane : public Pane, private Window {
  public:
    SplitterPane(Pane& left, Pane& right, SplitterLayout layout)
        : left_(left), right_(right), layout_(layout) {}

    // Creates the splitter and both panes in it; when a pane fails, the splitter goes too.
    bool Create(HWND parent, PaneHost& host) override;
    HWND Handle() const override { return Window::Handle(); }
    void Focus() override;
    void AddLeaves(std::vector<Pane*>& leaves) override;

    const SplitterLayout& Layout() const { return layout_; }
    void SetLeftWidth(int width);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void LayOutPanes();
    int Width() const;
    void EndDrag();

    Pane& left_;
    Pane& right_;
    SplitterLayout layout_;
};
