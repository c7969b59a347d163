#pragma once
// The main window's two image lists (16 x 16 and 32 x 32) behind the file-type icon table:
// the program's own icons, the shell's folder and file-type icons, and blank images that
// keep both lists in step with the table when an icon is missing.
#include <windows.h>

#include <commctrl.h>

#include "browser/FileTypeIcons.h"
#include "platform/win32/Scoped.h"
#include "thumbs/IconPicture.h"

class FileTypeImageLists : public IconImages {
  public:
    FileTypeImageLists() = default;
    FileTypeImageLists(const FileTypeImageLists&) = delete;
    FileTypeImageLists& operator=(const FileTypeImageLists&) = delete;

    HIMAGELIST Small() const { return small_.Get(); }
    HIMAGELIST Large() const { return large_.Get(); }

    void Clear() override;
    bool AppendDefault(const DefaultIcon& icon, IconSize size) override;
    bool AppendShellIcon(const std::string& fileName, IconSize size) override;
    void AppendPlaceholder(IconSize size) override;
    // Draws a picture of the large list's size, opaque, over the large image at index.
    void SetLargePicture(int index, const IconPicture& picture);

  private:
    HIMAGELIST ListOf(IconSize size) const { return size == IconSize::Small ? Small() : Large(); }
    bool Append(IconSize size, HICON icon);

    ScopedImageList small_;
    ScopedImageList large_;
};
