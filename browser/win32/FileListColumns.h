#pragma once
// The file list's columns: Name, Size, Type and Modified for a folder, and the Folder column
// too while the list shows found rows, all narrowed to fit the list; the folder's widths
// come back after.
#include <vector>

#include "platform/win32/ui/ListView.h"

class FileListColumns {
  public:
    // A folder's columns, at their default widths.
    void Insert(const ListView& list) const;
    // Adds or takes away the Folder column as found says; false when the list has it so already.
    bool Match(const ListView& list, bool found);

  private:
    // The folder's columns as wide as they were when the results came.
    std::vector<int> folderWidths_;
};
