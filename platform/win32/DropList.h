#pragma once
// The paths of a shell drop list (CF_HDROP), as Explorer's selection and drops hand them over.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// One entry per name of the list, in its order and whole however long. A name the list
// cannot give is an empty entry in its place, never left out: the caller then knows that the
// list was not read whole and decides whether to refuse it or to go on without it.
std::vector<std::string> ReadDropList(HDROP drop);
