#include "app/LeftOutItems.h"

#include "platform/Format.h"

void LeftOutItems::Fail(const std::string& message) {
    ++failures_;
    host_.Prompts().Show(message);
}

void LeftOutItems::Skip(const std::string& path, const char* format) {
    ++skipped_;
    host_.Prompts().Show(Format(format, path.c_str()));
}
