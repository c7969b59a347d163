// The string table on real modules: the Win32 loader and resource update functions, read
// back by the game's own way (LoadStringA) after saving.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "stringedit/QuilletDoc.h"
#include "stringedit/win32/AnsiCodePage.h"
#include "stringedit/win32/Win32ResourceModule.h"
#include "support/FullPath.h"
#include "support/StringTableRows.h"
#include "support/WholeFile.h"

namespace {

// The strings of Strings1033.rc.
const std::map<int, std::string> kEnglish = {{1, "One"},
                                             {2, "Two\nlines"},
                                             {3, "C:\\new\\folder"},
                                             {5, "Tab\there"},
                                             {12, "twelve"},
                                             {40, "forty"},
                                             {300, "Three hundred"},
                                             {1000, "needle in a haystack"},
                                             {2000, "Needle in capitals"}};

using support::FullPath;
using support::ReadWholeFile;
using support::RowIds;

// A fresh copy of a fixture module that a test may change.
std::string CopyOf(const std::string& fixture, const std::string& name) {
    SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(CopyFileA(fixture.c_str(), name.c_str(), FALSE)) << fixture;
    return FullPath(name);
}

// Every string of the module as the game reads it.
std::map<int, std::string> LoadedStrings(const std::string& path) {
    std::map<int, std::string> strings;
    HMODULE module = LoadLibraryA(path.c_str());
    EXPECT_NE(module, nullptr) << "the saved module no longer loads";
    if (module == nullptr)
        return strings;
    char text[4096];
    for (int id = 0; id <= kHighestStringId; ++id) {
        const int length = LoadStringA(module, id, text, sizeof(text));
        if (length > 0)
            strings[id] = std::string(text, length);
    }
    FreeLibrary(module);
    return strings;
}

std::string Hex(const std::string& bytes) {
    std::string hex;
    char digits[3];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof(digits), "%02x", c);
        hex += digits;
    }
    return hex;
}

// Expected strings per language for check_string_tables.py: "<lang>\t<id>\t<hex>".
void WriteExpectation(const std::string& path, int language,
                      const std::map<int, std::string>& strings, bool append = false) {
    std::ofstream out(path, append ? std::ios::app : std::ios::trunc);
    for (const auto& [id, text] : strings)
        out << language << '\t' << id << '\t' << Hex(text) << '\n';
}

class ModuleTest : public ::testing::Test {
  protected:
    std::vector<int> Ids() const { return RowIds(doc); }

    Win32ResourceModule module;
    AnsiCodePage codePage;
    CQuilletDoc doc{module, codePage};
};

TEST_F(ModuleTest, LoadsRowsWithEscapes) {
    ASSERT_TRUE(doc.LoadStringTable(FullPath("Strings1033.dll")));
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3, 5, 12, 40, 300, 1000, 2000}));
    EXPECT_EQ(doc.IdToRow(300), 6);
    EXPECT_EQ(doc.Text(2), "Two\\nlines");
    EXPECT_EQ(doc.Text(3), "C:\\\\new\\\\folder");
    EXPECT_EQ(doc.Text(5), "Tab\\there");
}

TEST_F(ModuleTest, SavingWithoutEditKeepsEveryString) {
    const std::string path = CopyOf("Strings1033.dll", "Unchanged.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    ASSERT_TRUE(doc.WriteStringTable());
    EXPECT_EQ(LoadedStrings(path), kEnglish);
}

TEST_F(ModuleTest, EditRenumberInsertDeleteAndSave) {
    const std::string path = CopyOf("Strings1033.dll", "Edited.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    doc.SetText(1, "Uno\\tdos \\\\ tres\\r\\n");
    ASSERT_TRUE(doc.RenumberString(doc.IdToRow(12), 41));
    ASSERT_TRUE(doc.RenumberString(doc.IdToRow(300), 65534));
    doc.RemoveString(40);
    doc.RemoveString(2000);
    ASSERT_TRUE(doc.WriteStringTable());

    std::map<int, std::string> expected = kEnglish;
    expected[1] = "Uno\tdos \\ tres\r\n";
    expected[41] = "twelve";
    expected[65534] = "Three hundred";
    for (int gone : {12, 40, 300, 2000})
        expected.erase(gone);
    EXPECT_EQ(LoadedStrings(path), expected);
    WriteExpectation("Edited-expected.txt", kEnglishUnitedStates, expected);

    CQuilletDoc reread(module, codePage);
    ASSERT_TRUE(reread.LoadStringTable(path));
    EXPECT_EQ(reread.InsertNewString(), -1);  // 65534 is used now
    EXPECT_EQ(reread.Text(1), "Uno\\tdos \\\\ tres\\r\\n");
}

TEST_F(ModuleTest, InsertAfterTheHighestString) {
    const std::string path = CopyOf("Strings1033.dll", "Inserted.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    EXPECT_EQ(doc.InsertNewString(), 10);
    ASSERT_TRUE(doc.WriteStringTable());
    EXPECT_EQ(LoadedStrings(path).at(2001), "<Insert your text here>");
}

TEST_F(ModuleTest, GermanBlocksStayBesideTheNewEnglishOnes) {
    const std::string path = CopyOf("Strings1031.dll", "German.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    EXPECT_EQ(Ids(), (std::vector<int>{1, 17, 300}));
    doc.SetText(17, "Seventeen");
    ASSERT_TRUE(doc.WriteStringTable());

    const std::map<int, std::string> english = {
        {1, "Eins"}, {17, "Seventeen"}, {300, "Dreihundert"}};
    EXPECT_EQ(LoadedStrings(path), english);
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC german = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(2),
                                   MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN));
    EXPECT_NE(german, nullptr);
    FreeLibrary(module);
    WriteExpectation("German-expected.txt", kEnglishUnitedStates, english);
    WriteExpectation("German-expected.txt", 1031,
                     {{1, "Eins"}, {17, "Siebzehn"}, {300, "Dreihundert"}}, true);
}

TEST_F(ModuleTest, FailedLoadNeverLeadsToEmptyBlocksInThePreviousModule) {
    const std::string path = CopyOf("Strings1033.dll", "Previous.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    doc.SetText(5, "kept");
    EXPECT_FALSE(doc.LoadStringTable(FullPath("NoSuchModule.dll")));
    EXPECT_EQ(doc.DllPath(), path);
    ASSERT_TRUE(doc.WriteStringTable());
    std::map<int, std::string> expected = kEnglish;
    expected[5] = "kept";
    EXPECT_EQ(LoadedStrings(path), expected);
}

TEST_F(ModuleTest, FilesThatAreNoModulesAreRefused) {
    std::ofstream("NotAModule.dll", std::ios::binary) << "MZ but nothing else of a module";
    EXPECT_FALSE(doc.LoadStringTable(FullPath("NotAModule.dll")));
    EXPECT_EQ(doc.RowCount(), 0);
    EXPECT_FALSE(doc.HasDll());
}

TEST_F(ModuleTest, CutOffModulesAreNeitherReadNorWritten) {
    const std::string whole = ReadWholeFile("Strings1033.dll");
    std::ofstream("Truncated.dll", std::ios::binary) << whole.substr(0, whole.size() / 2);
    EXPECT_FALSE(doc.LoadStringTable(FullPath("Truncated.dll")));
    EXPECT_FALSE(doc.HasDll());

    // Cut off after it was opened: Save refuses it too.
    const std::string path = CopyOf("Strings1033.dll", "CutLater.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    std::ofstream(path, std::ios::binary) << whole.substr(0, 1024);
    EXPECT_FALSE(doc.WriteStringTable());
    EXPECT_TRUE(ReadWholeFile(path) == whole.substr(0, 1024));
}

TEST_F(ModuleTest, SaveFailsWhileAnotherProgramHoldsTheModule) {
    const std::string path = CopyOf("Strings1033.dll", "Held.dll");
    ASSERT_TRUE(doc.LoadStringTable(path));
    doc.SetText(1, "changed");
    const std::string before = ReadWholeFile(path);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(doc.WriteStringTable());
    CloseHandle(held);
    EXPECT_TRUE(ReadWholeFile(path) == before);
    ASSERT_TRUE(doc.WriteStringTable());
    EXPECT_EQ(LoadedStrings(path).at(1), "changed");
}

}  // namespace
