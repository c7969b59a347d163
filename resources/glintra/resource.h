// Resource identifiers of Glintra.dll.
#pragma once

#define IDS_GLINTRA_DOCUMENT 100
#define IDR_GLINTRA_REGISTRY 2000
