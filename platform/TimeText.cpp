#include "platform/TimeText.h"

#include <ctime>

std::string LocalTimeText(std::int64_t seconds, const char* format) {
    if (seconds < 0)
        return {};
    const auto time = static_cast<std::time_t>(seconds);
    // Not std::localtime: its one shared result is not safe beside a worker thread.
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &time) != 0)
        return {};
#else
    if (localtime_r(&time, &local) == nullptr)
        return {};
#endif
    char text[128] = "";
    if (std::strftime(text, sizeof text, format, &local) == 0)
        return {};
    return text;
}
