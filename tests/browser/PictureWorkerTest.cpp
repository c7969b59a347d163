#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "browser/PictureWorker.h"

namespace {

using namespace std::chrono_literals;

PictureJob JobAt(int row) {
    PictureJob job;
    job.row = row;
    job.key.serial = static_cast<std::uint64_t>(row) + 100;
    return job;
}

// A decoder whose pictures are one pixel of the row's number, that holds each job until it
// is let go and counts what it made.
class HeldDecoder {
  public:
    IconPicture Decode(const PictureJob& job) {
        std::unique_lock lock(mutex_);
        ++started_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_ > 0 || open_; });
        if (!open_)
            --released_;
        return IconPicture{1, {static_cast<uint32_t>(job.row)}};
    }
    void Release(bool forever = false) {
        std::lock_guard lock(mutex_);
        ++released_;
        open_ = open_ || forever;
        changed_.notify_all();
    }
    void WaitForStarts(int count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return started_ >= count; });
    }
    int Started() {
        std::lock_guard lock(mutex_);
        return started_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    int released_ = 0;
    bool open_ = false;
};

struct Scene {
    HeldDecoder decoder;
    std::mutex mutex;
    std::condition_variable ready;
    int signals = 0;
    PictureWorker worker{1, [this] { Signal(); },
                         [this](const PictureJob& job) { return decoder.Decode(job); }};

    void Signal() {
        std::lock_guard lock(mutex);
        ++signals;
        ready.notify_all();
    }
    // The results once count of them wait.
    std::vector<PictureResult> Take(std::size_t count) {
        std::vector<PictureResult> results;
        while (results.size() < count) {
            std::unique_lock lock(mutex);
            ready.wait_for(lock, 20ms);
            lock.unlock();
            for (PictureResult& result : worker.TakeResults())
                results.push_back(std::move(result));
        }
        return results;
    }
};

}  // namespace

TEST(PictureWorker, MakesTheRequestedPicturesAndSaysSoOnce) {
    Scene scene;
    scene.worker.Request(JobAt(1));
    scene.worker.Request(JobAt(2));
    scene.decoder.WaitForStarts(1);
    scene.decoder.Release();
    scene.decoder.Release();
    const std::vector<PictureResult> results = scene.Take(2);
    EXPECT_EQ(results[0].job.row, 1);
    EXPECT_EQ(results[0].picture.pixels, std::vector<uint32_t>{1});
    EXPECT_EQ(results[1].picture.pixels, std::vector<uint32_t>{2});
    std::lock_guard lock(scene.mutex);
    EXPECT_GE(scene.signals, 1);
    EXPECT_LE(scene.signals, 2);
}

TEST(PictureWorker, AnEntryWaitingOrBeingMadeIsNotMadeTwice) {
    Scene scene;
    scene.worker.Request(JobAt(1));
    scene.decoder.WaitForStarts(1);
    scene.worker.Request(JobAt(1));
    scene.decoder.Release(true);
    scene.Take(1);
    scene.worker.Request(JobAt(2));
    scene.Take(1);
    EXPECT_EQ(scene.decoder.Started(), 2);
}

TEST(PictureWorker, CancelForgetsTheQueueAndThePictureBeingMade) {
    Scene scene;
    scene.worker.Request(JobAt(1));
    scene.worker.Request(JobAt(2));
    scene.decoder.WaitForStarts(1);
    std::thread cancel([&] { scene.worker.Cancel(); });
    std::this_thread::sleep_for(50ms);
    scene.decoder.Release(true);
    cancel.join();
    EXPECT_TRUE(scene.worker.TakeResults().empty());
    // Asked again, the same entry is made anew.
    scene.worker.Request(JobAt(1));
    EXPECT_EQ(scene.Take(1)[0].job.row, 1);
}

TEST(PictureWorker, CancelForgetsPicturesNotYetTaken) {
    Scene scene;
    scene.decoder.Release(true);
    scene.worker.Request(JobAt(1));
    {
        std::unique_lock lock(scene.mutex);
        scene.ready.wait(lock, [&] { return scene.signals > 0; });
    }
    scene.worker.Cancel();
    EXPECT_TRUE(scene.worker.TakeResults().empty());
}
