// Several procedure threads call the runtime at once: every call is served,
// none deadlocks, and each thread reads back what it wrote.

#include <QLineEdit>

#include "RuntimeDriver.h"
#include "runtime/qt/ListView.h"

namespace dirdock {
namespace {

constexpr int Threads = 6;
constexpr int Rounds = 150;

using CrossThreadTest = RuntimeTest;

TEST_F(CrossThreadTest, ManyThreadsWriteAndReadTheirOwnWindowsAtOnce)
{
    std::atomic<int> mismatches{0};
    std::atomic<int> finishedRounds{0};
    const std::string frameHeight = GetProperty(frameRef, 0, PropHeight);
    const WindowRef frame = frameRef;
    std::vector<std::unique_ptr<Probe>> probes;
    for (int t = 0; t < Threads; ++t) {
        auto probe = std::make_unique<Probe>();
        probe->onEvent = [&, t, frame](Probe& self, const Seen& seen) {
            if (seen.event != EvOpened)
                return;
            for (int k = 0; k < Rounds; ++k) {
                const std::string text = "t" + std::to_string(t) + "-" + std::to_string(k);
                SetProperty(0, 2, PropText, text);
                const int width = 100 + (t * 7 + k) % 150;
                SetProperty(0, 0, PropWidth, width);
                self.path = text;
                FillList(self.list, {{text, k}, {"x", t}});
                Redisplay(0, 0);
                if (GetProperty(0, 2, PropText) != text || GetProperty(0, 0, PropWidth) != std::to_string(width)
                    || GetProperty(frame, 0, PropHeight) != frameHeight)
                    ++mismatches;
            }
            ++finishedRounds;
        };
        probe->start();
        probes.push_back(std::move(probe));
    }
    ASSERT_TRUE(WaitUntil([&] { return finishedRounds.load() == Threads; }, std::chrono::seconds(60)));
    EXPECT_EQ(mismatches.load(), 0);
    for (int t = 0; t < Threads; ++t) {
        const std::string last = "t" + std::to_string(t) + "-" + std::to_string(Rounds - 1);
        EXPECT_EQ(dynamic_cast<QLineEdit*>(probes[t]->control(2))->text().toStdString(), last);
        EXPECT_EQ(dynamic_cast<ListView*>(probes[t]->control(4))->rowCount(), 2);
        CloseWindow(probes[t]->ref);
    }
    for (auto& probe : probes)
        EXPECT_TRUE(probe->waitFinished());
}

TEST_F(CrossThreadTest, ThreadsReadingOneAnothersWindowsAgree)
{
    Probe target;
    target.start();
    ASSERT_TRUE(target.waitOpened());
    SetProperty(target.ref, 0, PropHeight, 150);
    std::atomic<int> mismatches{0};
    std::atomic<int> done{0};
    const WindowRef ref = target.ref;
    for (int t = 0; t < Threads; ++t) {
        ASSERT_TRUE(StartProcedure([&, ref] {
            for (int k = 0; k < Rounds; ++k) {
                if (GetProperty(ref, 0, PropHeight) != "150" || GetProperty(ref, 1, PropText) != "Path:")
                    ++mismatches;
            }
            ++done;
        }));
    }
    ASSERT_TRUE(WaitUntil([&] { return done.load() == Threads; }, std::chrono::seconds(60)));
    EXPECT_EQ(mismatches.load(), 0);
    CloseWindow(target.ref);
}

// A procedure gets a stack large enough for real work, whatever it asks.
TEST_F(CrossThreadTest, ProcedureStackIsAtLeastWhatTheRuntimeNeeds)
{
    std::atomic<long> sum{-1};
    ASSERT_TRUE(StartProcedure(
        [&] {
            volatile char block[512 * 1024];
            for (std::size_t i = 0; i < sizeof block; i += 4096)
                block[i] = static_cast<char>(i / 4096);
            long total = 0;
            for (std::size_t i = 0; i < sizeof block; i += 4096)
                total += block[i];
            sum = total;
        },
        25000));
    ASSERT_TRUE(WaitUntil([&] { return sum.load() >= 0; }));
    EXPECT_EQ(sum.load(), 127 * 128 / 2);
}

} // namespace
} // namespace dirdock
