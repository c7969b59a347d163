// Resource identifiers of Cravel.dll.
#pragma once

#define IDB_CRAVEL_MENU 129
