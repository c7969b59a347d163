#pragma once
// A pane: one part of a window's client area, a control or a window holding others, laid
// out by its host and able to take the keyboard focus. A pane talks to the window that
// holds it only through PaneHost. Panes that take the focus themselves are leaves; a
// splitter is a pane made of two panes.
#include <windows.h>

#include <vector>

#include "platform/win32/ui/ControlEvents.h"
#include "platform/win32/ui/WindowPositions.h"

class Pane;

// What a pane tells the window that holds it, and what it asks of it.
class PaneHost {
  public:
    // The pane has the keyboard focus: it is now the active pane.
    virtual void OnPaneFocused(Pane& pane) = 0;
    // Moves the focus to the next leaf pane, or the previous one (Tab, F6, Shift+F6).
    virtual void FocusNextPane(bool backwards) = 0;
    // Carries out a command of the menus, if it is available (a key in a pane).
    virtual bool RunCommand(unsigned id) = 0;
    // Shows the window's popup menu at a point on the screen.
    virtual void ShowContextMenu(POINT screen) = 0;

  protected:
    ~PaneHost() = default;
};

// Notifications of the pane's controls reach it as ControlEvents once it has bound them.
class Pane : public ControlEvents {
  public:
    virtual ~Pane() = default;

    // Creates the pane's window as a child of parent; false when it could not.
    virtual bool Create(HWND parent, PaneHost& host) = 0;
    virtual HWND Handle() const = 0;
    // Adds the pane's window to a pass that lays out its siblings; bounds are in the
    // parent's client coordinates.
    virtual void Place(WindowPositions& positions, const RECT& bounds) {
        positions.Move(Handle(), bounds);
    }
    virtual void Focus() { SetFocus(Handle()); }
    // The panes that take the focus, in the order F6 visits them: a leaf is its own list.
    virtual void AddLeaves(std::vector<Pane*>& leaves) { leaves.push_back(this); }
};
