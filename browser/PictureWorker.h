#pragma once
// Makes the file list's texture pictures on a thread of its own, so that the list never
// waits for a texture: the window asks, the worker decodes in the queue's order and says
// when pictures are ready, and the window takes them on its own thread.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_set>
#include <vector>

#include "browser/PictureQueue.h"
#include "thumbs/IconPicture.h"

struct PictureResult {
    PictureJob job;
    IconPicture picture;  // none: a damaged texture
};

class PictureWorker {
  public:
    using Decode = std::function<IconPicture(const PictureJob&)>;

    // resultsReady is called on the worker when pictures start waiting to be taken.
    PictureWorker(int pictureSize, std::function<void()> resultsReady, Decode decode = {});
    ~PictureWorker();
    PictureWorker(const PictureWorker&) = delete;
    PictureWorker& operator=(const PictureWorker&) = delete;

    // An entry asked for again while it waits or is being made is not made twice.
    void Request(PictureJob job);
    void SetVisibleRows(int first, int last);
    // Forgets every job and every picture not yet taken, and waits for the one being made,
    // so that no file stays open.
    void Cancel();
    std::vector<PictureResult> TakeResults();

  private:
    void Run();

    const std::function<void()> resultsReady_;
    const Decode decode_;
    std::mutex mutex_;
    std::condition_variable changed_;
    PictureQueue queue_;
    std::unordered_set<std::uint64_t> made_;  // serials being made or waiting to be taken
    std::vector<PictureResult> results_;
    unsigned generation_ = 0;
    bool decoding_ = false;
    bool stopping_ = false;
    std::thread thread_;  // started by the first request
};
