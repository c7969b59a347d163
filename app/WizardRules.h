#pragma once
// The wizard's pages as rules, with no window: the task of page 1, the game of page 2 and the
// boxes of page 3, the buttons each page leaves enabled, and which categories are asked for.
#include <optional>
#include <set>
#include <vector>

// Page 1's tasks, by index.
enum WizardTask {
    TaskAddFiles = 0,
    TaskAddFolders = 1,
    TaskMapPack = 2,
    TaskMapPackFolder = 3,  // the files already lie in a folder with the game's layout
    TaskExtract = 4,
};

// The pages in list order.
enum WizardPageIndex { TaskPage = 0, GamePage = 1, ContentPage = 2 };
inline constexpr int kWizardPageCount = 3;

// The radio buttons of page 1 (by task index) and of page 2 (by game type); 0 for none.
int TaskControl(int task);
int GameControl(int gameType);
// The task or game a radio button stands for; nothing for another control.
std::optional<int> TaskOfControl(int control);
std::optional<int> GameOfControl(int control);

struct WizardButtons {
    bool back = false;
    bool next = false;
    bool finish = false;
    bool operator==(const WizardButtons&) const = default;
};

// What the pages hold while the wizard runs; every run starts with task 2, game type 3 and
// no box checked.
class WizardChoices {
  public:
    int Task() const { return task_; }
    void ChooseTask(int task) { task_ = task; }
    int GameType() const { return gameType_; }
    // A click on a game stores it; true when that click must first show the warning about the
    // folder layout of Talon games (each click shows it once).
    bool ClickGame(int gameType);
    bool IsChecked(int category) const { return checked_.count(category) != 0; }
    void SetChecked(int category, bool checked);
    // The checked boxes that page 3 shows for the game type, in page order: a box the game
    // hides keeps its check for a later change of game, but is not asked for.
    std::vector<int> CategoriesToAsk() const;

  private:
    int task_ = TaskMapPack;
    int gameType_ = 3;
    std::set<int> checked_;
};

// Page 3's boxes stand in two columns, the first five of the page order and the other five;
// the boxes a game shows close up from the top of their column, so no gap is left where a
// hidden one stood. The place of a shown box in its column, counted from the top; nothing for
// a hidden box or another control.
inline constexpr int kBoxesPerColumn = 5;
std::optional<int> BoxSlot(int gameType, int category);

// The buttons while a page is shown: only the map-pack task goes on from page 1; the last
// page finishes.
WizardButtons ButtonsOf(int page, const WizardChoices& choices);
// Where Next and Back lead; nothing when the page goes nowhere.
std::optional<int> NextPageOf(int page, const WizardChoices& choices);
std::optional<int> PreviousPageOf(int page);
