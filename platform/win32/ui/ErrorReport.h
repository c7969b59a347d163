#pragma once
// What becomes of an exception that reaches a window or dialog procedure: it must never
// cross into the system's code, so the procedure catches it and the program reports it,
// by default in a message box.
#include <windows.h>

#include <functional>
#include <string>

using ErrorReporter = std::function<void(const std::string& text)>;

// Replaces the message box, e.g. by the program's prompts; an empty one restores it.
void SetErrorReporter(ErrorReporter reporter);

// Call inside a catch block: reports the exception being handled. A failure that happens
// while one is being reported is not shown again.
void ReportCurrentException() noexcept;

// The result a window procedure returns for a message whose handler failed: creation
// fails, a paint request is taken as done, anything else counts as handled.
LRESULT FailedMessageResult(HWND window, UINT message);
