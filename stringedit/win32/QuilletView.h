#pragma once
// The string list: an owner-data report list with the columns ID and String. Texts are
// edited in place in the String cell, identifiers in the ID cell.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/UserPrompts.h"
#include "platform/win32/ui/ControlPane.h"
#include "platform/win32/ui/ListView.h"
#include "platform/win32/ui/Subclass.h"
#include "stringedit/QuilletDoc.h"

class CQuilletView : public ControlPane {
  public:
    CQuilletView(CQuilletDoc& doc, UserPrompts& prompts) : doc_(doc), prompts_(prompts) {}

    bool Create(HWND parent, PaneHost& host) override;
    // Notifications of the list and of its header.
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    // Sets the list up for the document's table (columns, row count).
    void OnDocumentChanged();

    void Insert();
    void DeleteSelected();
    bool HasSelection() const;
    // Scrolls to row and opens its String cell; a row of -1 clears the selection instead.
    void SelectAndEdit(int row);

    HWND List() const { return Handle(); }
    HWND EditBox() const { return Control().EditControl(); }
    bool EditingText() const { return textCell_; }
    // The cell as shown: column 0 the identifier, column 1 the text.
    std::string CellText(int row, int column) const;

  private:
    HWND CreateControl(HWND parent) override;
    ListView Control() const { return ListView(Handle()); }
    bool OnListMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnBeginEdit(int row);
    void OnEndEdit(const char* typed);
    void StartEdit(int row);
    void InsertColumn(int index, const char* title, int format, int width);
    void Refresh();
    void FitTextColumn();
    RECT TextCell(int row) const;

    CQuilletDoc& doc_;
    UserPrompts& prompts_;
    ControlBinding headerBinding_;
    Subclass listHook_;
    Subclass editHook_;
    int editedRow_ = -1;
    int editedId_ = -1;  // the string being edited, so edits land on it whatever the rows do
    bool textCell_ = false;
    HWND textEdit_ = nullptr;  // the list's edit box while it edits a text
    RECT editBox_{};           // where the text edit box is kept
};
