#pragma once
// Times as the user reads them: seconds since 1970-01-01 UTC, in the local time zone.
#include <cstdint>
#include <string>

// The "%c" of the Windows C runtime in its "C" locale (01/31/05 13:45:07), written out so that
// every platform prints it alike.
inline constexpr char kWindowsCTimeFormat[] = "%m/%d/%y %H:%M:%S";

// The local time of seconds, formatted by strftime with format into at most 127 characters.
// Empty when the time cannot be converted (the Windows C runtime converts none before 1970)
// or the text does not fit.
std::string LocalTimeText(std::int64_t seconds, const char* format);
