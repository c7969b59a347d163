#pragma once
// The folders the window has shown, oldest first, with the one it shows now: Back, Forward and
// the history items of the Go To menu.
#include <string>
#include <vector>

struct RezFolder;

struct Visit {
    RezFolder* folder = nullptr;  // null is the root
    std::string path;             // the folder's path with the root's name
};

// The history items of the Go To menu, oldest first.
struct GoToMenu {
    static constexpr int kOlder = 7;  // visits listed before the current one, at most
    static constexpr int kNewer = 6;  // and after it

    std::vector<std::string> paths;
    int checked = -1;  // the current visit's item
};

class NavigationHistory {
  public:
    bool Empty() const { return visits_.empty(); }
    const std::vector<Visit>& Visits() const { return visits_; }
    // Null while the history is empty.
    const Visit* Current() const;

    // Appends a visit and makes it current, discarding the visits newer than the current one.
    // False, and nothing changes, when the folder is the newest visit already.
    bool RecordVisit(RezFolder* folder, const std::string& path);
    bool CanGoBack() const { return !visits_.empty() && current_ > 0; }
    bool CanGoForward() const { return !visits_.empty() && current_ + 1 < visits_.size(); }
    // Moves the current visit steps towards the oldest (negative: towards the newest),
    // stopping at either end; returns the new current visit.
    const Visit* Step(int steps);

    GoToMenu BuildGoToMenu() const;
    // Makes the visit of the Go To item at index current: the checked item minus the chosen
    // one is the number of steps back. Null for an index outside the menu.
    const Visit* ChooseGoToItem(int index);

    void Clear();

  private:
    std::vector<Visit> visits_;
    size_t current_ = 0;
};
