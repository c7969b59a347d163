#pragma once
// Local time as UTC while the object lives, so that texts of local times can be written out in
// the test: "%c" of 1000000000 is then "09/09/01 01:46:40" on every machine.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace support {

class UtcAsLocalTime {
  public:
    UtcAsLocalTime() {
        if (const char* old = std::getenv("TZ"))
            saved_ = old;
        Set("UTC0");
    }
    ~UtcAsLocalTime() { Set(saved_); }
    UtcAsLocalTime(const UtcAsLocalTime&) = delete;
    UtcAsLocalTime& operator=(const UtcAsLocalTime&) = delete;

  private:
    static void Set(const std::optional<std::string>& zone) {
#if defined(_WIN32)
        static std::string setting;  // _putenv keeps the pointer
        setting = "TZ=" + zone.value_or("");
        _putenv(setting.c_str());
        _tzset();
#else
        if (zone)
            setenv("TZ", zone->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
#endif
    }
    std::optional<std::string> saved_;
};

}  // namespace support
