#pragma once
// printf-style formatting into a std::string; message texts carry printf placeholders.
#include <string>

#if defined(__GNUC__)
#define TARVEX_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define TARVEX_PRINTF(fmt, args)
#endif

std::string Format(const char* format, ...) TARVEX_PRINTF(1, 2);
