#pragma once
// Cravel's registry entries: the class, its context-menu handler for every file and every
// folder, and on Windows NT its approval.
#include <windows.h>

// S_OK, or SELFREG_E_CLASS when a key cannot be created (rows written before stay) or the
// module's path is too long to be written whole (nothing is written).
HRESULT RegisterCravel();

// S_OK, or SELFREG_E_CLASS at the first key that cannot be deleted, a missing one too; the
// keys after it stay.
HRESULT UnregisterCravel();
