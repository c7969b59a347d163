#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/console/ConsoleProgress.h"

namespace {

// Everything written to a temporary stream.
struct Captured {
    std::FILE* file = std::tmpfile();
    ~Captured() { std::fclose(file); }
    std::string Text() {
        std::fflush(file);
        std::rewind(file);
        std::string text;
        for (int c; (c = std::fgetc(file)) != EOF;)
            text.push_back(static_cast<char>(c));
        return text;
    }
};

TEST(ConsoleProgress, DrawsTheBarAndBothLinesOnATerminal) {
    Captured out;
    ASSERT_NE(out.file, nullptr);
    {
        ConsoleProgress progress(out.file, true, 60);
        SetUpProgress(progress);
        progress.Start(0);
        progress.SetLine(1, "Saving...", false);
        progress.SetLine(2, "Writing Folder: MAPS\\", true);
        progress.SetProgress(5, 10);
        progress.Stop();
        progress.Stop();  // a second Stop draws nothing more
    }
    const std::string text = out.Text();
    const std::size_t last = text.rfind("\r\x1b[2K[");
    ASSERT_NE(last, std::string::npos);
    EXPECT_EQ(text.substr(last),
              "\r\x1b[2K[############------------]  50% Saving...\n"
              "\x1b[2KWriting Folder: MAPS\\\n");
}

TEST(ConsoleProgress, KeepsLongLinesToTheWidth) {
    Captured out;
    ConsoleProgress progress(out.file, true, 40);
    progress.Start(0);
    progress.SetLine(1, std::string(100, 'x'), false);
    progress.SetLine(2, "C:\\Games\\Maps\\" + std::string(60, 'd') + "\\LEVEL.DAT", true);
    progress.SetProgressDone(1);  // no total yet: nothing done
    progress.Stop();
    const std::string text = out.Text();
    const std::size_t last = text.rfind("\r\x1b[2K[");
    ASSERT_NE(last, std::string::npos);
    const std::string rows = text.substr(last + 5);
    const std::size_t newline = rows.find('\n');
    EXPECT_EQ(rows.substr(0, newline).size(), 39u);
    EXPECT_EQ(rows.substr(0, 32), "[------------------------]   0% ");
    const std::string second = rows.substr(newline + 5, rows.size() - newline - 6);
    EXPECT_EQ(second.size(), 39u);
    EXPECT_EQ(second.substr(0, 12), "C:\\Games\\Map");
    EXPECT_EQ(second.substr(second.size() - 9), "LEVEL.DAT");
    EXPECT_NE(second.find("..."), std::string::npos);
}

TEST(ConsoleProgress, StaysSilentWhenNotATerminal) {
    Captured out;
    {
        ConsoleProgress progress(out.file, false);
        SetUpProgress(progress);
        progress.Start(0);
        progress.SetLine(1, "Opening...", false);
        progress.SetProgress(1, 2);
        EXPECT_FALSE(progress.HasUserCancelled());
        progress.Stop();
    }
    EXPECT_EQ(out.Text(), "");
}

}  // namespace
