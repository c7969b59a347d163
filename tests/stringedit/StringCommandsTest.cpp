#include <gtest/gtest.h>

#include "stringedit/MemoryResourceModule.h"
#include "stringedit/StringCommands.h"
#include "support/ScriptedPrompts.h"

namespace {

class StringCommandsTest : public ::testing::Test {
  protected:
    StringCommandsTest() {
        module.AddStrings("a.dll", kEnglishUnitedStates,
                          {{1, u"one"}, {12, u"twelve"}, {40, u"forty"}, {300, u"x"}});
        doc.LoadStringTable("a.dll");
    }
    MemoryResourceModule module;
    Utf8CodePage codePage;
    CQuilletDoc doc{module, codePage};
    ScriptedPrompts prompts;
};

TEST(ParseTypedId, TakesTheLeadingDecimalNumber) {
    EXPECT_EQ(ParseTypedId("40"), 40);
    EXPECT_EQ(ParseTypedId(" 41abc"), 41);
    EXPECT_EQ(ParseTypedId("abc"), 0);
    EXPECT_EQ(ParseTypedId(""), 0);
    EXPECT_EQ(ParseTypedId("-3"), -3);
    EXPECT_EQ(ParseTypedId("123456789012"), 123456789012LL);
    EXPECT_GT(ParseTypedId("99999999999999999999999"), 65534);
}

TEST_F(StringCommandsTest, RenumberToAnEmptyIdentifierAsksNothing) {
    doc.RemoveString(40);
    EXPECT_TRUE(RenumberTypedId(doc, prompts, 12, "40"));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(doc.Text(40), "twelve");
    EXPECT_EQ(doc.RowToId(1), 40);
}

TEST_F(StringCommandsTest, OverwriteQuestionAnsweredBothWays) {
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};
    EXPECT_FALSE(RenumberTypedId(doc, prompts, 12, "40"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "String ID: 40 already exists. Overwrite?");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(doc.Text(12), "twelve");
    EXPECT_EQ(doc.Text(40), "forty");

    EXPECT_TRUE(RenumberTypedId(doc, prompts, 12, "40"));
    EXPECT_EQ(doc.Text(40), "twelve");
    EXPECT_TRUE(doc.Text(12).empty());
    EXPECT_EQ(doc.RowCount(), 3);
}

TEST_F(StringCommandsTest, RemovedStringsCannotBeRenumbered) {
    doc.RemoveString(12);
    EXPECT_FALSE(RenumberTypedId(doc, prompts, 12, "50"));
    EXPECT_TRUE(doc.Text(50).empty());
}

TEST_F(StringCommandsTest, TextWithoutNumberRenumbersToZero) {
    EXPECT_TRUE(RenumberTypedId(doc, prompts, 1, "abc"));
    EXPECT_EQ(doc.Text(0), "one");
}

TEST_F(StringCommandsTest, OwnIdentifierLeavesTheStringAndAsksNothing) {
    EXPECT_FALSE(RenumberTypedId(doc, prompts, 12, "12"));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(doc.Text(12), "twelve");
}

TEST_F(StringCommandsTest, IdentifiersOutsideTheTableAreRefusedWithAMessage) {
    EXPECT_FALSE(RenumberTypedId(doc, prompts, 12, "65535"));
    EXPECT_FALSE(RenumberTypedId(doc, prompts, 12, "-1"));
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{"String ID: 65535 is outside 0 to 65534.",
                                                         "String ID: -1 is outside 0 to 65534."}));
    EXPECT_EQ(doc.Text(12), "twelve");
    EXPECT_TRUE(RenumberTypedId(doc, prompts, 12, "65534"));
    EXPECT_EQ(doc.Text(65534), "twelve");
}

TEST_F(StringCommandsTest, InsertAfterTheLastIdentifierIsRefused) {
    EXPECT_EQ(InsertString(doc, prompts), 4);
    EXPECT_EQ(doc.RowToId(4), 301);
    doc.SetText(65534, "last");
    EXPECT_EQ(InsertString(doc, prompts), -1);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, "String ID: 65534 is in use; no string can follow it.");
}

TEST_F(StringCommandsTest, DeleteRowsRemovesExactlyTheSelectedStrings) {
    DeleteRows(doc, {2, 3});
    EXPECT_EQ(doc.RowCount(), 2);
    EXPECT_EQ(doc.RowToId(0), 1);
    EXPECT_EQ(doc.RowToId(1), 12);
}

}  // namespace
