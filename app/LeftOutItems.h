#pragma once
// The items the document's commands named in a message as left out of the archive.
#include <string>

#include "app/DocumentHost.h"

class LeftOutItems {
  public:
    explicit LeftOutItems(DocumentHost& host) : host_(host) {}

    // A per-item failure of the command that met it (a file not added or not extracted).
    void Fail(const std::string& message);
    // A disk item left out on purpose (not a regular file, a name the archive's code page
    // cannot hold, the archive itself): told and counted, but no failure of the command.
    void Skip(const std::string& path, const char* format = "Error adding: %s");
    // Entries a save could not store.
    void Unsaved(int count) { skipped_ += count; }

    int Failures() const { return failures_; }
    // The failures, the skipped disk items and the unsaved entries.
    int Total() const { return failures_ + skipped_; }

  private:
    DocumentHost& host_;
    int failures_ = 0;
    int skipped_ = 0;
};
