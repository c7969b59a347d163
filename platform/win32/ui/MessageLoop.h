#pragma once
// The message loop of a frame window: its accelerators and modeless dialogs first, and an
// idle pass (toolbar states, indicators) whenever the queue runs empty.
#include "platform/win32/ui/FrameWindow.h"

int RunMessageLoop(FrameWindow& frame);

// Handles every message already queued, then runs the idle pass; returns at once.
void PumpMessages(FrameWindow& frame);
