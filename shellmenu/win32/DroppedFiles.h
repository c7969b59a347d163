#pragma once
// The selection Explorer hands over: the paths of a data object's dropped-file list.
#include <objidl.h>
#include <windows.h>

#include <string>
#include <vector>

// Fills paths in the list's order; a path the list cannot give stays empty. E_FAIL when the
// data object has no dropped-file list.
HRESULT ReadDroppedFiles(IDataObject& data, std::vector<std::string>& paths);
