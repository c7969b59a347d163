#pragma once
// Archive names in an ANSI code page, disk names in UTF-8, converted with iconv.
#include <iconv.h>

#include <memory>
#include <mutex>
#include <string>

#include "platform/NameCodec.h"

class IconvNames : public NameCodec {
  public:
    // Nothing when iconv does not know the code page, or when it is a double-byte one (the
    // name rules here fold and split single bytes); error then says why.
    static std::unique_ptr<IconvNames> ForCodePage(int codePage, std::string& error);
    ~IconvNames() override;
    IconvNames(const IconvNames&) = delete;
    IconvNames& operator=(const IconvNames&) = delete;

    bool ToArchive(const std::string& diskName, std::string& archiveName) const override;
    bool ToDisk(const std::string& archiveName, std::string& diskName) const override;

  private:
    IconvNames(iconv_t toArchive, iconv_t toDisk) : toArchive_(toArchive), toDisk_(toDisk) {}
    static bool Convert(iconv_t converter, const std::string& from, std::string& to);

    // iconv keeps state in its handles: one conversion at a time.
    mutable std::mutex mutex_;
    iconv_t toArchive_;
    iconv_t toDisk_;
};
