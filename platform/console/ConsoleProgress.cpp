#include "platform/console/ConsoleProgress.h"

#ifdef _WIN32
#include <io.h>
#define TARVEX_ISATTY(fd) _isatty(fd)
#define TARVEX_FILENO(f) _fileno(f)
#else
#include <unistd.h>
#define TARVEX_ISATTY(fd) isatty(fd)
#define TARVEX_FILENO(f) fileno(f)
#endif

namespace {

constexpr int kBarWidth = 24;
// Redraw at most this often: saving calls in once per entry.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ConsoleProgress::ConsoleProgress()
    : ConsoleProgress(stderr, TARVEX_ISATTY(TARVEX_FILENO(stderr)) != 0) {}

ConsoleProgress::ConsoleProgress(std::FILE* out, bool isTerminal, int width)
    : out_(out), isTerminal_(isTerminal), width_(width < 20 ? 20 : width) {}

ConsoleProgress::~ConsoleProgress() {
    Stop();
}

void ConsoleProgress::Start(std::uintptr_t) {
    started_ = true;
    Draw(true);
}

void ConsoleProgress::SetLine(int line, const std::string& text, bool compactPath) {
    if (line == 1) {
        line1_ = text;
    } else {
        line2_ = text;
        compact2_ = compactPath;
    }
    Draw(false);
}

void ConsoleProgress::SetProgress(std::uint32_t done, std::uint32_t total) {
    done_ = done;
    total_ = total;
    Draw(false);
}

void ConsoleProgress::Stop() {
    if (!started_)
        return;
    Draw(true);
    started_ = false;
    if (drawn_)
        std::fputc('\n', out_);
    drawn_ = false;
    std::fflush(out_);
}

// Keeps a row to the terminal's width: a path loses its middle, other text its end.
std::string ConsoleProgress::Fit(const std::string& text, bool compactPath) const {
    const std::size_t room = static_cast<std::size_t>(width_ - 1);
    if (text.size() <= room)
        return text;
    if (!compactPath)
        return text.substr(0, room - 3) + "...";
    const std::size_t head = (room - 3) / 3;
    return text.substr(0, head) + "..." + text.substr(text.size() - (room - 3 - head));
}

void ConsoleProgress::Draw(bool now) {
    if (!isTerminal_ || !started_)
        return;
    const auto time = std::chrono::steady_clock::now();
    if (!now && drawn_ && time - lastDraw_ < kRedrawInterval)
        return;
    lastDraw_ = time;

    const std::uint64_t permille =
        total_ ? std::uint64_t(done_ < total_ ? done_ : total_) * 1000 / total_ : 0;
    const int filled = static_cast<int>(permille * kBarWidth / 1000);
    std::string bar(1, '[');
    bar.append(filled, '#').append(kBarWidth - filled, '-').push_back(']');
    char percent[8];
    std::snprintf(percent, sizeof percent, " %3d%% ", static_cast<int>(permille / 10));
    const std::string first = bar + percent + (line1_.empty() ? title_ : line1_);

    // Back to the first of the two rows, then rewrite both.
    if (drawn_)
        std::fputs("\r\x1b[1A", out_);
    std::fprintf(out_, "\r\x1b[2K%s\n\x1b[2K%s", Fit(first, false).c_str(),
                 Fit(line2_, compact2_).c_str());
    std::fflush(out_);
    drawn_ = true;
}
