#include <gtest/gtest.h>

#include <ctime>

#include "platform/TimeText.h"

namespace {

TEST(TimeText, LocalTimeInTheGivenFormatOrNothing) {
    std::tm date{};
    date.tm_year = 2005 - 1900;
    date.tm_mon = 0;
    date.tm_mday = 31;
    date.tm_hour = 13;
    date.tm_min = 45;
    date.tm_sec = 7;
    date.tm_isdst = -1;
    const std::int64_t seconds = std::mktime(&date);
    const struct {
        std::int64_t seconds;
        std::string format;
        std::string text;
    } cases[] = {
        {seconds, "%Y-%m-%d %H:%M:%S", "2005-01-31 13:45:07"},
        {-1, "%Y", ""},
        {seconds, std::string(127, 'x'), std::string(127, 'x')},
        {seconds, std::string(128, 'x'), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocalTimeText(c.seconds, c.format.c_str()), c.text) << c.seconds << c.format;
}

}  // namespace
