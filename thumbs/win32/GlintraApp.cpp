#include "thumbs/win32/GlintraApp.h"

#include "platform/win32/com/ComModule.h"
#include "resources/glintra/resource.h"
#include "thumbs/InfoTip.h"
#include "thumbs/win32/ThumbnailBitmap.h"

namespace {

std::string DocumentTemplate() {
    char text[256] = {};
    int length = LoadStringA(ModuleInstance(), IDS_GLINTRA_DOCUMENT, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

}  // namespace

CGlintraApp::CGlintraApp() : texture_(TemplateFilterExtension(DocumentTemplate())) {}

HBITMAP CGlintraApp::ExtractThumbnail(const std::string& path, int width, int height) {
    return texture_.LoadAndUse(path, [&](CGlintraDoc* texture, bool) -> HBITMAP {
        return texture ? MakeThumbnail(*texture, width, height) : nullptr;
    });
}

bool CGlintraApp::InfoTip(const std::string& path, std::string& text) {
    return texture_.LoadAndUse(path, [&](CGlintraDoc* texture, bool loaded) {
        if (!texture || !loaded)
            return false;
        text = InfoTipText(*texture);
        return true;
    });
}

CGlintraApp& GlintraApp() {
    static CGlintraApp app;
    return app;
}
