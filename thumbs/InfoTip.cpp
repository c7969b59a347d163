#include "thumbs/InfoTip.h"

#include "platform/Format.h"
#include "thumbs/GlintraDoc.h"

std::string InfoTipText(const CGlintraDoc& texture) {
    return Format("Dimensions: %i x %i\nType: LithTech Texture\nSize: %lu",
                  static_cast<int>(texture.Width()), static_cast<int>(texture.Height()),
                  static_cast<unsigned long>(texture.FileLength()));
}
