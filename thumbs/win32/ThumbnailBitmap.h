#pragma once
// Drawing a texture document into device contexts and thumbnail bitmaps.
#include <windows.h>

class CGlintraDoc;

// Draws the texture into target at the document's display size: centred when it fits,
// shrunk with its proportions kept otherwise. Nothing is drawn without pixels.
void DrawTexture(const CGlintraDoc& texture, HDC target);

// A white bitmap of width x height at the screen's colour depth with the texture drawn into
// it; the caller owns it. Null when the size is out of range or GDI fails.
HBITMAP MakeThumbnail(CGlintraDoc& texture, int width, int height);
