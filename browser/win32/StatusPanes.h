#pragma once
// The status bar's panes after the message: the file list's selection added up, and the
// archive's totals, each pane as wide as its text.
#include <cstdint>
#include <string>

class CTarvexView;
class StatusBar;

class StatusPanes {
  public:
    // After every update of the document.
    void SetTotals(std::uint32_t count, std::uint64_t size) {
        totalCount_ = count;
        totalSize_ = size;
    }
    // Adds the selection up again when it changed and shows both texts. Not while a job runs:
    // the model is then the worker's.
    void Update(StatusBar& status, const CTarvexView& list);

    // The texts as the last update set them.
    const std::string& SelectionText() const { return selectionText_; }
    const std::string& TotalsText() const { return totalsText_; }

  private:
    std::uint32_t totalCount_ = 0;
    std::uint64_t totalSize_ = 0;
    unsigned selectionVersion_ = ~0u;
    std::string selectionText_;
    std::string totalsText_;
};
