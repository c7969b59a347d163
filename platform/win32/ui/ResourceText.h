#pragma once
// String resources of the form "prompt\ntip" (the status-bar prompt of a command and its
// tool tip), or plain texts.
#include <windows.h>

#include <string>

// Part 0 is the text before the first line break, part 1 the rest; empty when absent.
std::string LoadResourceText(HINSTANCE instance, UINT id, int part);
