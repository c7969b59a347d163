#pragma once
// The string table of a resource module: one text per identifier 0 to 65534, held as the
// list shows it (escapes included). An empty text means there is no such string.
#include <string>
#include <vector>

#include "stringedit/CodePage.h"
#include "stringedit/ResourceModule.h"

constexpr int kHighestStringId = 65534;
constexpr const char* kNewStringText = "<Insert your text here>";

inline bool IsStringId(long long id) {
    return id >= 0 && id <= kHighestStringId;
}

class CQuilletDoc {
  public:
    CQuilletDoc(ResourceModule& module, const CodePage& codePage);

    // Empties every entry and forgets the module.
    void NewDocument();

    // On failure the document is left exactly as it was, so a later Save still writes the
    // table the user sees into the module it came from.
    bool LoadStringTable(const std::string& path);

    // Rewrites all 4096 blocks in language 1033. Nothing is committed unless every block
    // could be encoded and updated.
    bool WriteStringTable();

    // Replaces the whole table (texts as shown) and names the module Save writes to.
    void ReplaceTable(std::vector<std::string> texts, const std::string& dllPath);

    bool HasDll() const { return !dllPath_.empty(); }
    const std::string& DllPath() const { return dllPath_; }

    const std::string& Text(int id) const;
    void SetText(int id, const std::string& text);  // empty text removes the string
    void RemoveString(int id) { SetText(id, std::string()); }

    int RowCount() const;
    int RowToId(int row) const;  // -1 when there is no such row
    int IdToRow(int id) const;   // negative identifiers come back unchanged

    // The row count after putting kNewStringText after the highest string, or -1 when
    // the highest identifier is already used.
    int InsertNewString();

    // Moves the text of row's string to newId, overwriting what is there. False when the
    // row or identifier does not exist; renumbering to the same identifier changes nothing.
    bool RenumberString(int row, int newId);

    // The nearest string after (forward) or before the current identifier that contains
    // text, case-sensitively; -1 when there is none. No wrap-around.
    int FindString(const std::string& text, bool forward) const;

    int CurrentId() const { return currentId_; }
    void SetCurrentId(int id) { currentId_ = id; }

  private:
    const std::vector<int>& Rows() const;
    bool Contains(const std::string& entry, const std::string& text) const;

    ResourceModule& module_;
    const CodePage& codePage_;
    std::vector<std::string> texts_;
    std::string dllPath_;
    int currentId_ = 0;
    mutable std::vector<int> rows_;  // identifiers of the non-empty entries, ascending
    mutable bool rowsValid_ = false;
};
