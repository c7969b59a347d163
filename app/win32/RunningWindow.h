#pragma once
// One window for the archives the shell opens: a start by the shell's open command hands its
// archive to a Tarvex window already open, which opens it as File > Open would; the second
// start then ends.
#include <windows.h>

#include <optional>
#include <string>

// Marks a shown window as one that takes handed-over archives; unmarks it when off.
void TakeHandedOverArchives(HWND window, bool on);
// Hands the archive to the first marked window that takes it; false when none did (none is
// open, or each is busy with a dialog or a job), so that this start opens its own window.
bool HandOverArchive(const std::string& path);
// The archive a WM_COPYDATA message hands over; nullopt when it is no hand-over.
std::optional<std::string> HandedOverArchive(const COPYDATASTRUCT& data);
