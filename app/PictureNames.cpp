#include "app/PictureNames.h"

#include "platform/Format.h"
#include "thumbs/TextureLoader.h"

bool IsTextureName(const std::string& name) {
    return HasFileExtension(name, ".dtx");
}

std::string PictureNameOf(const std::string& textureName) {
    return textureName.substr(0, textureName.rfind('.')) + ".png";
}

std::string NoPictureText(const std::string& path) {
    return Format("No picture in the texture, not written: %s", path.c_str());
}
