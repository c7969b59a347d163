#include "stringedit/QuilletDoc.h"

#include <algorithm>

#include "stringedit/StringBlock.h"
#include "stringedit/StringEscapes.h"

CQuilletDoc::CQuilletDoc(ResourceModule& module, const CodePage& codePage)
    : module_(module), codePage_(codePage), texts_(kStringTableSize) {}

void CQuilletDoc::NewDocument() {
    ReplaceTable(std::vector<std::string>(kStringTableSize), {});
}

void CQuilletDoc::ReplaceTable(std::vector<std::string> texts, const std::string& dllPath) {
    texts.resize(kStringTableSize);
    texts_ = std::move(texts);
    dllPath_ = dllPath;
    rowsValid_ = false;
}

bool CQuilletDoc::LoadStringTable(const std::string& path) {
    if (!module_.Open(path))
        return false;
    std::vector<std::string> texts(kStringTableSize);
    std::vector<uint8_t> bytes;
    for (int b = 1; b <= kStringBlockCount; ++b) {
        if (!module_.StringBlock(b, bytes))
            continue;
        const StringBlock block = DecodeStringBlock(bytes);
        for (int k = 0; k < kStringsPerBlock; ++k) {
            const int id = (b - 1) * kStringsPerBlock + k;
            if (id < kStringTableSize && !block[k].empty())
                texts[id] = EscapeText(codePage_.FromUtf16(block[k]));
        }
    }
    module_.Close();
    ReplaceTable(std::move(texts), path);
    return true;
}

bool CQuilletDoc::WriteStringTable() {
    if (!HasDll())
        return false;
    std::vector<std::vector<uint8_t>> blocks(kStringBlockCount);
    for (int b = 1; b <= kStringBlockCount; ++b) {
        StringBlock block;
        for (int k = 0; k < kStringsPerBlock; ++k) {
            const int id = (b - 1) * kStringsPerBlock + k;
            if (id < kStringTableSize && !texts_[id].empty())
                block[k] = codePage_.ToUtf16(UnescapeText(texts_[id]));
        }
        if (!EncodeStringBlock(block, blocks[b - 1]))
            return false;
    }
    if (!module_.BeginUpdate(dllPath_))
        return false;
    for (int b = 1; b <= kStringBlockCount; ++b) {
        if (!module_.UpdateStringBlock(b, kEnglishUnitedStates, blocks[b - 1])) {
            module_.EndUpdate(false);
            return false;
        }
    }
    return module_.EndUpdate(true);
}

const std::string& CQuilletDoc::Text(int id) const {
    static const std::string none;
    return IsStringId(id) ? texts_[id] : none;
}

void CQuilletDoc::SetText(int id, const std::string& text) {
    if (!IsStringId(id))
        return;
    if (texts_[id].empty() != text.empty())
        rowsValid_ = false;
    texts_[id] = text;
}

const std::vector<int>& CQuilletDoc::Rows() const {
    if (!rowsValid_) {
        rows_.clear();
        for (int id = 0; id < kStringTableSize; ++id)
            if (!texts_[id].empty())
                rows_.push_back(id);
        rowsValid_ = true;
    }
    return rows_;
}

int CQuilletDoc::RowCount() const {
    return static_cast<int>(Rows().size());
}

int CQuilletDoc::RowToId(int row) const {
    const std::vector<int>& rows = Rows();
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[row] : -1;
}

int CQuilletDoc::IdToRow(int id) const {
    if (id < 0)
        return id;
    const std::vector<int>& rows = Rows();
    // The identifier minus the empty entries at or below it.
    return static_cast<int>(std::upper_bound(rows.begin(), rows.end(), id) - rows.begin()) - 1;
}

int CQuilletDoc::InsertNewString() {
    const std::vector<int>& rows = Rows();
    const int next = rows.empty() ? 0 : rows.back() + 1;
    if (!IsStringId(next))
        return -1;
    SetText(next, kNewStringText);
    return RowCount();
}

bool CQuilletDoc::RenumberString(int row, int newId) {
    const int id = RowToId(row);
    if (id < 0 || !IsStringId(newId))
        return false;
    if (id == newId)
        return true;
    SetText(newId, texts_[id]);
    SetText(id, std::string());
    return true;
}

bool CQuilletDoc::Contains(const std::string& entry, const std::string& text) const {
    if (text.size() > entry.size())
        return false;
    for (size_t pos = 0; pos + text.size() <= entry.size();) {
        if (entry.compare(pos, text.size(), text) == 0)
            return true;
        pos += codePage_.IsLeadByte(static_cast<unsigned char>(entry[pos])) ? 2 : 1;
    }
    return false;
}

int CQuilletDoc::FindString(const std::string& text, bool forward) const {
    const int step = forward ? 1 : -1;
    for (int id = currentId_ + step; IsStringId(id); id += step)
        if (!texts_[id].empty() && Contains(texts_[id], text))
            return id;
    return -1;
}
