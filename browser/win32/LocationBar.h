#pragma once
// The location bar: the toolbar of resource 177 whose first button becomes the label
// "Location", whose second becomes an extended combo box of the folders visited, and whose
// third stays the Go button. The combo box takes the width the bar leaves.
#include <windows.h>

#include <functional>
#include <string>

#include "browser/Navigator.h"
#include "platform/win32/Scoped.h"
#include "platform/win32/ui/ControlEvents.h"
#include "platform/win32/ui/Subclass.h"
#include "platform/win32/ui/Toolbar.h"

class CLocationBar : public ControlEvents {
  public:
    // parent: the rebar that holds the bar as a band; images: the small file-type icons.
    bool Create(HWND parent, HIMAGELIST images);
    HWND Handle() const { return toolbar_.Handle(); }
    HWND Label() const { return label_; }
    HWND Combo() const { return combo_; }
    HWND Edit() const;
    // The band's smallest size: label, a short combo box and the Go button.
    SIZE BandSize() const;

    void AppendItem(const LocationItem& item);
    void SelectItem(int index);
    int SelectedItem() const;
    int ItemCount() const;
    std::string ItemText(int index) const;
    // Removes every item and empties the edit field.
    void Clear();
    // The edit field's first line, at most 255 characters.
    std::string EditText() const;

    // The user chose an item of the drop-down list.
    std::function<void(int index)> onItemChosen;
    // Enter in the edit field.
    std::function<void()> onEnter;

    bool OnCommand(WORD code, HWND control, LRESULT& result) override;

  private:
    void LayOut();
    RECT ButtonRect(int index) const;

    Toolbar toolbar_;
    ScopedFont labelFont_;
    HWND label_ = nullptr;
    HWND combo_ = nullptr;
    ControlBinding comboBinding_;
    Subclass toolbarHook_;
    Subclass editHook_;
};
