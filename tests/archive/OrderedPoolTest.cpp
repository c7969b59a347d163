#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "archive/OrderedPool.h"

namespace {

// Lets a job run only once the test opens its gate, so jobs finish out of order on purpose.
class Gates {
  public:
    explicit Gates(std::size_t count) : open_(count, false) {}
    void Open(std::size_t i) {
        {
            std::lock_guard lock(mutex_);
            open_[i] = true;
        }
        changed_.notify_all();
    }
    void Wait(std::size_t i) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return open_[i]; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<bool> open_;
};

TEST(OrderedPool, ResultsComeBackInTheOrderGivenWhateverOrderJobsFinishIn) {
    Gates gates(4);
    std::atomic<int> finished{0};
    OrderedPool pool(2, 4);
    const bool results[] = {true, false, true, false};
    for (std::size_t i = 0; i < 4; ++i) {
        pool.Give([&, i] {
            gates.Wait(i);
            ++finished;
            return results[i];
        });
    }
    EXPECT_TRUE(pool.Full());
    // The second job finishes first: the oldest is still running.
    gates.Open(1);
    while (finished.load() < 1) {
        std::this_thread::yield();
    }
    EXPECT_FALSE(pool.OldestDone());
    gates.Open(3);
    gates.Open(2);
    gates.Open(0);
    EXPECT_TRUE(pool.TakeOldest());
    EXPECT_FALSE(pool.TakeOldest());
    EXPECT_TRUE(pool.TakeOldest());
    EXPECT_FALSE(pool.TakeOldest());
    EXPECT_EQ(pool.Pending(), 0u);
}

TEST(OrderedPool, AFailureInAJobIsRethrownOnTheTakingThreadInItsPlace) {
    OrderedPool pool(2, 3);
    pool.Give([] { return true; });
    pool.Give([]() -> bool { throw std::runtime_error("disk on fire"); });
    pool.Give([] { return true; });
    EXPECT_TRUE(pool.TakeOldest());
    try {
        pool.TakeOldest();
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "disk on fire");
    }
    EXPECT_TRUE(pool.TakeOldest());
}

TEST(OrderedPool, EndingWaitsForTheJobsGivenAndSlotsAreReused) {
    std::atomic<int> ran{0};
    {
        OrderedPool pool(3, 2);
        for (int i = 0; i < 50; ++i) {
            if (pool.Full()) {
                EXPECT_TRUE(pool.TakeOldest());
            }
            pool.Give([&] {
                ++ran;
                return true;
            });
        }
        EXPECT_EQ(pool.Pending(), 2u);
    }
    // The two not taken back still ran before the pool ended.
    EXPECT_EQ(ran.load(), 50);
}

}  // namespace
