#include <gtest/gtest.h>

#include "stringedit/MemoryResourceModule.h"
#include "stringedit/QuilletDoc.h"
#include "support/StringTableRows.h"

namespace {

const std::string kDll = "Z:\\game\\Cres.dll";
const std::string kOther = "Z:\\game\\Other.dll";

class QuilletDocTest : public ::testing::Test {
  protected:
    QuilletDocTest() {
        module.AddStrings(kDll, kEnglishUnitedStates,
                          {{1, u"One"}, {2, u"Two\nlines"}, {300, u"C:\\new\\folder"}});
    }

    std::vector<int> Ids() const { return support::RowIds(doc); }

    MemoryResourceModule module;
    Utf8CodePage codePage;
    CQuilletDoc doc{module, codePage};
};

TEST_F(QuilletDocTest, StartsEmptyWithoutModule) {
    EXPECT_EQ(doc.RowCount(), 0);
    EXPECT_EQ(doc.RowToId(0), -1);
    EXPECT_FALSE(doc.HasDll());
    EXPECT_FALSE(doc.WriteStringTable());
    EXPECT_EQ(doc.CurrentId(), 0);
}

TEST_F(QuilletDocTest, RowsMapToAscendingIdentifiers) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    EXPECT_EQ(module.opened, 0);
    EXPECT_EQ(doc.DllPath(), kDll);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 300}));
    EXPECT_EQ(doc.RowToId(3), -1);
    EXPECT_EQ(doc.RowToId(-1), -1);
    EXPECT_EQ(doc.IdToRow(300), 2);
    EXPECT_EQ(doc.IdToRow(1), 0);
    EXPECT_EQ(doc.IdToRow(150), 1);  // identifier minus the empty entries at or below it
    EXPECT_EQ(doc.IdToRow(-1), -1);
    EXPECT_EQ(doc.Text(2), "Two\\nlines");
    EXPECT_EQ(doc.Text(300), "C:\\\\new\\\\folder");
}

TEST_F(QuilletDocTest, SavingWithoutEditKeepsEveryStringExactly) {
    module.AddStrings(kDll, kEnglishUnitedStates,
                      {{5, u"tab\there \\t bell\a"}, {65534, u"last"}, {7, u"\\"}});
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    ASSERT_TRUE(doc.WriteStringTable());
    const std::map<int, std::u16string> expected = {
        {1, u"One"}, {2, u"Two\nlines"},        {5, u"tab\there \\t bell\a"},
        {7, u"\\"},  {300, u"C:\\new\\folder"}, {65534, u"last"}};
    for (int id = 0; id <= kHighestStringId; ++id) {
        const auto it = expected.find(id);
        EXPECT_EQ(module.StringOf(kDll, kEnglishUnitedStates, id),
                  it == expected.end() ? u"" : it->second)
            << id;
    }
    // The block of 65534 as a resource compiler lays it out: 14 empty strings, then "last".
    std::vector<uint8_t> last(28, 0);
    for (char b : {'\4', '\0', 'l', '\0', 'a', '\0', 's', '\0', 't', '\0', '\0', '\0'})
        last.push_back(static_cast<uint8_t>(b));
    EXPECT_EQ(module.files[kDll].at({4096, kEnglishUnitedStates}), last);
}

TEST_F(QuilletDocTest, SaveWritesEveryBlockInEnglishBesideOtherLanguages) {
    module.AddStrings(kOther, 1031, {{17, u"Hallo"}});
    ASSERT_TRUE(doc.LoadStringTable(kOther));
    EXPECT_EQ(doc.Text(17), "Hallo");
    doc.SetText(17, "Hello\\tthere");
    ASSERT_TRUE(doc.WriteStringTable());
    const auto& blocks = module.files[kOther];
    EXPECT_EQ(blocks.size(), 4096u + 1u);
    EXPECT_EQ(module.StringOf(kOther, 1031, 17), u"Hallo");
    EXPECT_EQ(module.StringOf(kOther, kEnglishUnitedStates, 17), u"Hello\tthere");
    EXPECT_EQ(blocks.at({4096, kEnglishUnitedStates}), std::vector<uint8_t>(32, 0));
}

TEST_F(QuilletDocTest, FailedLoadKeepsTheTableAndTheModuleSaveWritesTo) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    doc.SetText(1, "Edited");
    EXPECT_FALSE(doc.LoadStringTable("Z:\\missing.dll"));
    EXPECT_EQ(doc.DllPath(), kDll);
    EXPECT_EQ(doc.RowCount(), 3);
    ASSERT_TRUE(doc.WriteStringTable());
    EXPECT_EQ(module.StringOf(kDll, kEnglishUnitedStates, 1), u"Edited");
    EXPECT_EQ(module.StringOf(kDll, kEnglishUnitedStates, 300), u"C:\\new\\folder");
}

TEST_F(QuilletDocTest, AnyFailedBlockUpdateFailsTheSaveAndCommitsNothing) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    doc.SetText(1, "Changed");
    const auto before = module.files[kDll];
    module.failingBlock = 2000;
    EXPECT_FALSE(doc.WriteStringTable());
    EXPECT_EQ(module.files[kDll], before);

    module.failingBlock = 0;
    module.locked.insert(kDll);
    EXPECT_FALSE(doc.WriteStringTable());
    module.locked.clear();
    module.failCommit = true;
    EXPECT_FALSE(doc.WriteStringTable());
    EXPECT_EQ(module.files[kDll], before);
}

TEST_F(QuilletDocTest, OverlongStringFailsTheSaveBeforeTheModuleIsTouched) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    doc.SetText(9, std::string(70000, 'x'));
    module.locked.insert(kDll);  // BeginUpdate would fail too: it must not be reached
    const auto before = module.files[kDll];
    EXPECT_FALSE(doc.WriteStringTable());
    EXPECT_EQ(module.files[kDll], before);
}

TEST_F(QuilletDocTest, InsertPutsTheNewTextAfterTheHighestString) {
    EXPECT_EQ(doc.InsertNewString(), 1);
    EXPECT_EQ(doc.Text(0), kNewStringText);

    ASSERT_TRUE(doc.LoadStringTable(kDll));
    EXPECT_EQ(doc.InsertNewString(), 4);
    EXPECT_EQ(doc.RowToId(3), 301);
    EXPECT_EQ(doc.Text(301), kNewStringText);

    doc.SetText(65534, "last");
    EXPECT_EQ(doc.InsertNewString(), -1);
    EXPECT_EQ(doc.RowCount(), 5);
}

TEST_F(QuilletDocTest, RenumberMovesAndOverwrites) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    ASSERT_TRUE(doc.RenumberString(0, 400));  // 1 -> 400
    EXPECT_EQ(Ids(), (std::vector<int>{2, 300, 400}));
    EXPECT_EQ(doc.Text(400), "One");
    EXPECT_TRUE(doc.Text(1).empty());

    ASSERT_TRUE(doc.RenumberString(0, 300));  // 2 overwrites 300
    EXPECT_EQ(Ids(), (std::vector<int>{300, 400}));
    EXPECT_EQ(doc.Text(300), "Two\\nlines");
}

TEST_F(QuilletDocTest, RenumberToItselfOrOutsideTheTableChangesNothing) {
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    EXPECT_TRUE(doc.RenumberString(2, 300));
    EXPECT_EQ(doc.Text(300), "C:\\\\new\\\\folder");
    EXPECT_FALSE(doc.RenumberString(2, 65535));
    EXPECT_FALSE(doc.RenumberString(2, -1));
    EXPECT_FALSE(doc.RenumberString(7, 10));
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 300}));
}

TEST_F(QuilletDocTest, DeletingTwoRowsRemovesExactlyThoseStrings) {
    module.AddStrings(kDll, kEnglishUnitedStates, {{3, u"Three"}, {4, u"Four"}});
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    doc.RemoveString(doc.RowToId(2));
    doc.RemoveString(doc.RowToId(2));  // rows shift after the first removal
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 300}));
}

TEST_F(QuilletDocTest, FindSearchesOneWayWithoutWrapping) {
    module.AddStrings(kDll, kEnglishUnitedStates, {{3, u"needle"}, {500, u"Needle"}});
    ASSERT_TRUE(doc.LoadStringTable(kDll));
    doc.SetCurrentId(5);
    EXPECT_EQ(doc.FindString("needle", true), -1);
    EXPECT_EQ(doc.FindString("needle", false), 3);
    EXPECT_EQ(doc.FindString("Needle", true), 500);
    EXPECT_EQ(doc.CurrentId(), 5);
    doc.SetCurrentId(3);
    EXPECT_EQ(doc.FindString("needle", false), -1);   // starts below the current string
    EXPECT_EQ(doc.FindString("\\\\new", true), 300);  // escapes compare as shown
    EXPECT_EQ(doc.FindString("", false), 2);          // empty text: the nearest string
    doc.SetCurrentId(0);
    EXPECT_EQ(doc.FindString("", false), -1);
    doc.SetCurrentId(kHighestStringId);
    EXPECT_EQ(doc.FindString("", true), -1);
}

}  // namespace
