#include "browser/FileTypeIcons.h"

const DefaultIcon FileTypeIcons::kDefaults[kDefaultCount] = {
    {"*", IconOrigin::ShellLibrary, 0},
    {".rez", IconOrigin::Resource, 128},
    {".abc", IconOrigin::Resource, 132},
    {".ltb", IconOrigin::Resource, 132},
    {".dat", IconOrigin::Resource, 133},
    {".dtx", IconOrigin::Resource, 192},
    {".spr", IconOrigin::ResourceDefaultSize, 193},
    {".", IconOrigin::ShellClosedFolder, 0},
    {".folder", IconOrigin::ShellOpenFolder, 0},
};

FileTypeIcons::FileTypeIcons(IconImages& images, const NameCollation& collation)
    : images_(images), collation_(collation) {
    ResetIcons();
}

void FileTypeIcons::ResetIcons() {
    images_.Clear();
    keys_.clear();
    pictureSlot_.clear();
    for (const DefaultIcon& icon : kDefaults) {
        const bool small = images_.AppendDefault(icon, IconSize::Small);
        const bool large = images_.AppendDefault(icon, IconSize::Large);
        Append(icon.key, small, large);
    }
}

int FileTypeIcons::IconIndexFor(std::string_view key) {
    std::string lower = collation_.LowerCase(key);
    for (size_t i = 0; i < keys_.size(); ++i)
        if (!pictureSlot_[i] && keys_[i] == lower)
            return static_cast<int>(i);
    // The shell decides by the text after the last dot; the file need not exist.
    const bool small = images_.AppendShellIcon(lower, IconSize::Small);
    const bool large = images_.AppendShellIcon(lower, IconSize::Large);
    return Append(std::move(lower), small, large);
}

int FileTypeIcons::AddPictureSlot() {
    return Append(kPictureKey, false, false, true);
}

int FileTypeIcons::Append(std::string key, bool small, bool large, bool pictureSlot) {
    if (!small)
        images_.AppendPlaceholder(IconSize::Small);
    if (!large)
        images_.AppendPlaceholder(IconSize::Large);
    keys_.push_back(std::move(key));
    pictureSlot_.push_back(pictureSlot);
    return static_cast<int>(keys_.size()) - 1;
}
