/* Resource identifiers of Quillet, shared by its code and Quillet.rc. */
#pragma once
#include "platform/win32/ui/FrameCommands.h"

/* Menu, toolbar, bitmap, accelerators, icon and document string. */
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100

#define ID_EDIT_INSERT 32771
#define ID_EDIT_DELETE 32772
