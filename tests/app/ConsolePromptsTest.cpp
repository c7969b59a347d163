#include <gtest/gtest.h>

#include <sstream>

#include "AppTestHost.h"
#include "platform/console/ConsolePrompts.h"

namespace {

struct Console {
    std::istringstream in;
    std::ostringstream err;
    ConsolePrompts prompts;
    Console(const std::string& input, bool interactive, ConsoleAnswers answers = {})
        : in(input), prompts(in, err, interactive, std::move(answers)) {}
};

TEST(ConsolePrompts, WithoutATerminalNothingWaitsAndTheDefaultIsSaid) {
    Console console("y\n", false);
    EXPECT_EQ(console.prompts.Ask("Replace?", PromptButtons::YesNoCancel), PromptAnswer::Yes);
    EXPECT_EQ(console.prompts.Ask("Sure?", PromptButtons::OkCancel), PromptAnswer::Ok);
    EXPECT_EQ(console.prompts.ChooseFolder("Select an extraction Folder"), "");
    EXPECT_EQ(console.prompts.ChooseSaveFile({}), "");
    EXPECT_TRUE(console.prompts.ChooseOpenFiles({}).empty());
    const std::string said = console.err.str();
    EXPECT_NE(said.find("Replace?\n(no terminal: answered Yes)"), std::string::npos);
    EXPECT_NE(said.find("--folder=DIR"), std::string::npos);
    EXPECT_NE(said.find("--save-as=FILE"), std::string::npos);
    // The input was never read.
    EXPECT_EQ(console.in.tellg(), 0);
}

TEST(ConsolePrompts, OptionsAnswerEveryQuestion) {
    ConsoleAnswers answers;
    answers.answer = PromptAnswer::No;
    answers.folder = "/tmp/out";
    answers.saveFile = "new.rez";
    Console console("", false, answers);
    EXPECT_EQ(console.prompts.Ask("Replace?", PromptButtons::YesNoCancel), PromptAnswer::No);
    EXPECT_EQ(console.prompts.Ask("Delete?", PromptButtons::OkCancel), PromptAnswer::Cancel);
    EXPECT_EQ(console.prompts.ChooseFolder("Select"), "/tmp/out");
    EXPECT_EQ(console.prompts.ChooseSaveFile({}), "new.rez");
    EXPECT_NE(console.err.str().find("(answered No by option)"), std::string::npos);
}

TEST(ConsolePrompts, OnATerminalAnswersAreReadUntilOneFits) {
    Console console("maybe\nc\nyes\nn\n/dest/dir\n", true);
    EXPECT_EQ(console.prompts.Ask("Q1", PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(console.prompts.Ask("Q2", PromptButtons::YesNo), PromptAnswer::Yes);
    EXPECT_EQ(console.prompts.Ask("Q3", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(console.prompts.ChooseFolder("Select"), "/dest/dir");
    // End of input backs out.
    EXPECT_EQ(console.prompts.Ask("Q4", PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(console.prompts.Ask("Q5", PromptButtons::YesNo), PromptAnswer::No);
}

TEST(ConsolePrompts, SaveNameGetsTheDefaultExtension) {
    Console console("archive\nkept.dat\n", true);
    FileDialogOptions options;
    options.defaultExtension = ".rez";
    EXPECT_EQ(console.prompts.ChooseSaveFile(options), "archive.rez");
    EXPECT_EQ(console.prompts.ChooseSaveFile(options), "kept.dat");
}

TEST(ConsolePrompts, SavingOverAnExistingFileAsksFirstAsTheDialogDoes) {
    TempDir dir;
    const std::string existing = dir.Write("old.rez", "keep me");
    FileDialogOptions options;
    options.rules.promptOverwrite = true;
    Console typed(existing + "\nn\n" + existing + "\ny\n" + dir.Path("new.rez") + "\n", true);
    EXPECT_EQ(typed.prompts.ChooseSaveFile(options), "");
    EXPECT_EQ(typed.prompts.ChooseSaveFile(options), existing);
    EXPECT_EQ(typed.prompts.ChooseSaveFile(options), dir.Path("new.rez"));
    const std::string question = existing + " already exists.\nDo you want to replace it?\n";
    const std::string said = typed.err.str();
    ASSERT_NE(said.find(question), std::string::npos) << said;
    EXPECT_NE(said.find(question, said.find(question) + 1), std::string::npos);
    EXPECT_EQ(said.find(dir.Path("new.rez") + " already exists"), std::string::npos);

    ConsoleAnswers no;
    no.answer = PromptAnswer::No;
    no.saveFile = existing;
    Console byOption("", false, no);
    EXPECT_EQ(byOption.prompts.ChooseSaveFile(options), "");
    // Without the flag nothing is asked.
    EXPECT_EQ(byOption.prompts.ChooseSaveFile({}), existing);
}

TEST(ConsolePrompts, MessagesWithOnlyOkNeverRead) {
    Console console("x\n", true);
    console.prompts.Show("Error adding: a.txt");
    EXPECT_EQ(console.err.str(), "Error adding: a.txt\n");
    EXPECT_EQ(ParsePromptAnswer(" YES "), PromptAnswer::Yes);
    EXPECT_FALSE(ParsePromptAnswer("perhaps").has_value());
}

}  // namespace
