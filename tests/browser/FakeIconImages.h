#pragma once
// Image lists for tests: each list is the names of the images appended to it.
#include <set>
#include <string>
#include <vector>

#include "browser/FileTypeIcons.h"

class FakeIconImages : public IconImages {
  public:
    std::vector<std::string> small, large;
    std::set<std::string> shellHasNoIcon;  // file names the shell gives no icon for
    std::set<int> missingResources;        // resource icons that cannot be loaded
    int shellRequests = 0;

    void Clear() override {
        small.clear();
        large.clear();
    }
    bool AppendDefault(const DefaultIcon& icon, IconSize size) override {
        switch (icon.origin) {
            case IconOrigin::ShellLibrary:
                List(size).push_back("shell32#" + std::to_string(icon.number));
                return true;
            case IconOrigin::ShellClosedFolder:
                List(size).push_back("shell:folder");
                return true;
            case IconOrigin::ShellOpenFolder:
                List(size).push_back("shell:open folder");
                return true;
            default:
                if (missingResources.count(icon.number))
                    return false;
                List(size).push_back("res#" + std::to_string(icon.number));
                return true;
        }
    }
    bool AppendShellIcon(const std::string& fileName, IconSize size) override {
        ++shellRequests;
        if (shellHasNoIcon.count(fileName))
            return false;
        List(size).push_back("shell:" + fileName);
        return true;
    }
    void AppendPlaceholder(IconSize size) override { List(size).push_back("blank"); }

  private:
    std::vector<std::string>& List(IconSize size) {
        return size == IconSize::Small ? small : large;
    }
};
