#pragma once
// What the transfer tests share: OLE for the test's life, shell drop lists built by hand, and
// a data source holding given blocks.
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "browser/win32/transfer/DataSource.h"
#include "browser/win32/transfer/OleTransferData.h"

namespace transfer_test {

// A DROPFILES block: the header, then each path with its zero and one more zero, in ANSI or
// in UTF-16.
inline std::vector<std::uint8_t> DropFilesBlock(const std::vector<std::string>& paths, bool wide) {
    std::vector<std::uint8_t> block(sizeof(DROPFILES), 0);
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = wide;
    std::memcpy(block.data(), &header, sizeof(header));
    for (const std::string& path : paths) {
        if (wide) {
            std::wstring text(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0), L'\0');
            MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, text.data(),
                                static_cast<int>(text.size()));
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
            block.insert(block.end(), bytes, bytes + text.size() * sizeof(wchar_t));
        } else {
            block.insert(block.end(), path.begin(), path.end());
            block.push_back(0);
        }
    }
    block.insert(block.end(), wide ? 2 : 1, 0);
    return block;
}

inline ComPtr<DataSource> SourceWith(CLIPFORMAT format, const std::vector<std::uint8_t>& bytes) {
    ComPtr<DataSource> source = Make<DataSource>();
    source->Put(format, bytes.data(), bytes.size());
    return source;
}

inline ComPtr<DataSource> DroppedFiles(const std::vector<std::string>& paths, bool wide = true) {
    return SourceWith(CF_HDROP, DropFilesBlock(paths, wide));
}

}  // namespace transfer_test
