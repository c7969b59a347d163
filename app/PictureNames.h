#pragma once
// Which entries an extraction as pictures writes, and under which names: a texture NAME.DTX
// becomes NAME.png beside where its data would go.
#include <string>

// True for a name ending in ".dtx", in any case.
bool IsTextureName(const std::string& name);

// The texture's name with its extension replaced by ".png".
std::string PictureNameOf(const std::string& textureName);

// Why a texture's picture was not written: it holds none that can be shown (damaged, or of a
// kind not read). path is where the picture would have gone.
std::string NoPictureText(const std::string& path);
