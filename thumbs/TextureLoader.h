#pragma once
// Loading texture files into documents, and the one document a shell module shares between
// all of its objects and threads.
#include <memory>
#include <mutex>
#include <string>

#include "thumbs/GlintraDoc.h"

// The filter extension of a document template string ("\nName\n...\nFilter\n.EXT\n..."): its
// fifth field.
std::string TemplateFilterExtension(const std::string& templateText);

// True when path ends in extension (from its last full stop), ignoring case.
bool HasFileExtension(const std::string& path, const std::string& extension);

// Clears texture and reads the file at path into it. False when the file cannot be opened or
// read; texture is then left cleared.
bool LoadTextureFile(CGlintraDoc& texture, const std::string& path);

class SharedTexture {
  public:
    explicit SharedTexture(std::string filterExtension)
        : filterExtension_(std::move(filterExtension)) {}

    // Loads path into the shared document and calls use(document, loaded) while no other
    // thread can touch it. document is null until a file with the filter extension was first
    // loaded; after a failed load it is empty and loaded is false.
    template <class Use>
    auto LoadAndUse(const std::string& path, Use use) {
        std::lock_guard<std::mutex> lock(mutex_);
        bool loaded = LoadLocked(path);
        return use(document_.get(), loaded);
    }

  private:
    bool LoadLocked(const std::string& path);

    std::string filterExtension_;
    std::mutex mutex_;
    std::unique_ptr<CGlintraDoc> document_;
};
