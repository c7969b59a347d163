#pragma once
// The identifiers of a string table's rows, top to bottom.
#include <vector>

#include "stringedit/QuilletDoc.h"

namespace support {

inline std::vector<int> RowIds(const CQuilletDoc& doc) {
    std::vector<int> ids;
    for (int row = 0; row < doc.RowCount(); ++row)
        ids.push_back(doc.RowToId(row));
    return ids;
}

}  // namespace support
