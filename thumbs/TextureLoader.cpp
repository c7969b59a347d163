#include "thumbs/TextureLoader.h"

#include "platform/TextCase.h"
#include "thumbs/BufferedFileReader.h"

std::string TemplateFilterExtension(const std::string& templateText) {
    size_t start = 0;
    for (int field = 0; field < 4; ++field) {
        start = templateText.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return templateText.substr(start, templateText.find('\n', start) - start);
}

bool HasFileExtension(const std::string& path, const std::string& extension) {
    size_t dot = path.rfind('.');
    return dot != std::string::npos && !extension.empty() &&
           EqualNoCase(path.substr(dot), extension);
}

bool LoadTextureFile(CGlintraDoc& texture, const std::string& path) {
    texture.Clear();
    BufferedFileReader file;
    if (!file.Open(path))
        return false;
    if (file.Length() != 0 && !texture.Serialize(file, file.Length())) {
        texture.Clear();
        return false;
    }
    return true;
}

bool SharedTexture::LoadLocked(const std::string& path) {
    if (!HasFileExtension(path, filterExtension_)) {
        // Never show the previous file's picture for this one.
        if (document_)
            document_->Clear();
        return false;
    }
    if (!document_)
        document_ = std::make_unique<CGlintraDoc>();
    return LoadTextureFile(*document_, path);
}
