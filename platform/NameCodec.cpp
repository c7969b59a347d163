#include "platform/NameCodec.h"

namespace {

class SameText : public NameCodec {
  public:
    bool ToArchive(const std::string& diskName, std::string& archiveName) const override {
        archiveName = diskName;
        return true;
    }
    bool ToDisk(const std::string& archiveName, std::string& diskName) const override {
        diskName = archiveName;
        return true;
    }
};

}  // namespace

std::string NameCodec::Shown(const std::string& archiveName) const {
    std::string shown;
    return ToDisk(archiveName, shown) ? shown : archiveName;
}

const NameCodec& SameNames() {
    static const SameText same;
    return same;
}
