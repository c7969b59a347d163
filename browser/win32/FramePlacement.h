#pragma once
// The main window's place on the screen, kept in the settings between runs.
#include <windows.h>

class Settings;

// Places the hidden window where the settings keep it.
void RestoreFramePlacement(HWND frame, Settings& settings);
// Keeps the window's normal (not minimized, not maximized) place.
void SaveFramePlacement(HWND frame, Settings& settings);
