#include "platform/NameCollation.h"

const NameCollation& PlatformNameCollation() {
    static const AsciiNameCollation collation;
    return collation;
}
