// "Tarvex Studio.chm" as Windows' own help reader opens it: the InfoTech storage of itss.dll.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "TarvexVersion.h"
#include "support/WholeFile.h"

// The first methods of IITStorage, enough to open a compiled help file. Outside the unnamed
// namespace: there the compiler would know that no object can have this type, and drop the calls.
struct IITStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD,
                                                                   IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD,
                                                     IStorage**) = 0;
};

namespace {

const GUID kItStorageClass = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const GUID kItStorageInterface = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), wide.size()) - 1);
    return wide;
}

using support::ReadWholeFile;

class HelpFile : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitialize(nullptr);
        IITStorage* storages = nullptr;
        ASSERT_EQ(CoCreateInstance(kItStorageClass, nullptr, CLSCTX_INPROC_SERVER,
                                   kItStorageInterface, reinterpret_cast<void**>(&storages)),
                  S_OK);
        const HRESULT opened =
            storages->StgOpenStorage(Wide(TARVEX_HELP_FILE).c_str(), nullptr,
                                     STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &help);
        storages->Release();
        ASSERT_EQ(opened, S_OK) << TARVEX_HELP_FILE;
    }
    void TearDown() override {
        if (help != nullptr)
            help->Release();
        CoUninitialize();
    }

    // A file of the help, by its path inside it ("images/new.png").
    std::optional<std::string> Stream(const std::string& path) {
        IStorage* folder = help;
        folder->AddRef();
        std::string rest = path;
        for (size_t slash; (slash = rest.find('/')) != std::string::npos;) {
            IStorage* inner = nullptr;
            const HRESULT found =
                folder->OpenStorage(Wide(rest.substr(0, slash)).c_str(), nullptr,
                                    STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0, &inner);
            folder->Release();
            if (found != S_OK)
                return std::nullopt;
            folder = inner;
            rest = rest.substr(slash + 1);
        }
        IStream* stream = nullptr;
        const HRESULT found = folder->OpenStream(Wide(rest).c_str(), nullptr,
                                                 STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
        folder->Release();
        if (found != S_OK)
            return std::nullopt;
        std::string bytes;
        char buffer[4096];
        ULONG read = 0;
        while (stream->Read(buffer, sizeof(buffer), &read) == S_OK && read > 0)
            bytes.append(buffer, read);
        stream->Release();
        return bytes;
    }

    IStorage* help = nullptr;
};

// The files the project lists, in its [FILES] section.
std::vector<std::string> ProjectFiles() {
    std::ifstream project(std::string(TARVEX_HELP_SOURCES) + "/Tarvex.hhp");
    std::vector<std::string> files;
    bool inFiles = false;
    for (std::string line; std::getline(project, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[')
            inFiles = line == "[FILES]";
        else if (inFiles && !line.empty())
            files.push_back(line);
    }
    return files;
}

// As written, with the project's version where a page names it.
std::string PageAsBuilt(std::string source) {
    const std::string placeholder = "@PROJECT_VERSION@";
    for (std::size_t at; (at = source.find(placeholder)) != std::string::npos;)
        source.replace(at, placeholder.size(), TARVEX_VERSION);
    return source;
}

TEST_F(HelpFile, HoldsEveryPageAsWrittenWithTheVersion) {
    const std::vector<std::string> files = ProjectFiles();
    ASSERT_GE(files.size(), 8u);
    for (const std::string& file : files) {
        const std::string source = ReadWholeFile(std::string(TARVEX_HELP_SOURCES) + "/" + file);
        ASSERT_FALSE(source.empty()) << file;
        EXPECT_EQ(Stream(file), PageAsBuilt(source)) << file;
    }
    EXPECT_NE(Stream("index.html").value_or("").find("Tarvex " TARVEX_VERSION "</h1>"),
              std::string::npos);
    EXPECT_TRUE(Stream("Tarvex.hhc").has_value());
    EXPECT_TRUE(Stream("Tarvex.hhk").has_value());
    EXPECT_FALSE(Stream("missing.html").has_value());
}

// Every picture a page shows is inside, as the build drew it; every link leads to a page.
TEST_F(HelpFile, HoldsEveryPictureAndLinkTarget) {
    const std::regex reference("(src|href)=\"([^\"#:]+)(#[^\"]*)?\"");
    int pictures = 0;
    for (const std::string& file : ProjectFiles()) {
        if (file.size() < 5 || file.substr(file.size() - 5) != ".html")
            continue;
        const std::string page = ReadWholeFile(std::string(TARVEX_HELP_SOURCES) + "/" + file);
        for (std::sregex_iterator it(page.begin(), page.end(), reference), end; it != end; ++it) {
            const std::string target = (*it)[2];
            const auto inside = Stream(target);
            EXPECT_TRUE(inside.has_value()) << file << " names " << target;
            if (target.rfind("images/", 0) == 0) {
                EXPECT_EQ(inside,
                          ReadWholeFile(std::string(TARVEX_HELP_IMAGES) + "/" + target.substr(7)))
                    << target;
                ++pictures;
            }
        }
    }
    EXPECT_GE(pictures, 19);  // the toolbar's buttons and the Go button at least
}

// The help reader's settings: the title and the page it opens first.
TEST_F(HelpFile, OpensAtTheContentsPage) {
    const std::string system = Stream("#SYSTEM").value_or("");
    EXPECT_NE(system.find("index.html"), std::string::npos);
    EXPECT_NE(system.find("Tarvex Help"), std::string::npos);
}

}  // namespace
