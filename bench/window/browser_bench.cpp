// How the tile browser feels on the 64-bit sample's 65,536 items: opening to
// its first painted page, scrolling page by page onto cells whose pictures
// are not made yet, a keystroke in the filter box, and the editor's resident
// memory once every item has been scrolled past with the picture cache full.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "browserpictures.h"
#include "samplegame.h"
#include "tilebrowser.h"

namespace tilewright {
namespace {

using Clock = std::chrono::steady_clock;

const std::string& SampleFolder() {
    static const std::string path = [] {
        const std::string folder = (std::filesystem::temp_directory_path() / "tilewright-bench-browser-64bit/").string();
        std::filesystem::create_directories(folder);
        if (!sample::WriteSampleGame(folder, kWideFlagLayout)) std::abort();
        return folder;
    }();
    return path;
}

// Counts the grid's paints, so that a measurement ends at a painted page.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

std::unique_ptr<TileBrowser> OpenBrowser() {
    auto browser = std::make_unique<TileBrowser>();
    browser->resize(820, 600);
    browser->Open(SampleFolder(), SampleFolder(), TileKind::Item);
    browser->show();
    return browser;
}

void ProcessUntilPainted(PaintCounter& counter, int before) {
    while (counter.paints == before) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

void OpenToFirstPaint(benchmark::State& state) {
    SampleFolder();
    for (auto _ : state) {
        const auto start = Clock::now();
        auto browser = std::make_unique<TileBrowser>();
        browser->resize(820, 600);
        PaintCounter counter;
        browser->Open(SampleFolder(), SampleFolder(), TileKind::Item);
        browser->findChild<QListView*>("tileGrid")->viewport()->installEventFilter(&counter);
        browser->show();
        ProcessUntilPainted(counter, 0);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.PauseTiming();
        browser->pictures().WaitForIdle();
        browser.reset();
        state.ResumeTiming();
    }
}

// Each step scrolls one page further, onto cells never shown before, and
// times the repaint alone; pictures arrive in between, as they would while
// a person looks.
void ScrollPageUncached(benchmark::State& state) {
    auto browser = OpenBrowser();
    QListView* grid = browser->findChild<QListView*>("tileGrid");
    QApplication::processEvents();
    QScrollBar* bar = grid->verticalScrollBar();
    std::vector<double> repaints;
    for (auto _ : state) {
        if (bar->value() >= bar->maximum()) {
            state.PauseTiming();
            browser = OpenBrowser();
            grid = browser->findChild<QListView*>("tileGrid");
            QApplication::processEvents();
            bar = grid->verticalScrollBar();
            state.ResumeTiming();
        }
        const auto start = Clock::now();
        bar->setValue(bar->value() + bar->pageStep());
        grid->viewport()->repaint();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        repaints.push_back(seconds * 1e3);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["p50_ms"] = Percentile(repaints, 0.50);
    state.counters["p99_ms"] = Percentile(repaints, 0.99);
}

// One character typed into the filter box, up to the filtered grid's repaint.
void FilterKeystroke(benchmark::State& state) {
    auto browser = OpenBrowser();
    QLineEdit* filter = browser->findChild<QLineEdit*>("filter");
    QListView* grid = browser->findChild<QListView*>("tileGrid");
    PaintCounter counter;
    grid->viewport()->installEventFilter(&counter);
    QApplication::processEvents();
    const QString word = QStringLiteral("torch item 2");
    int typed = 0;
    std::vector<double> keystrokes;
    for (auto _ : state) {
        if (typed == word.size()) {
            state.PauseTiming();
            filter->clear();
            QApplication::processEvents();
            typed = 0;
            state.ResumeTiming();
        }
        const int before = counter.paints;
        const auto start = Clock::now();
        filter->insert(word.mid(typed++, 1));
        ProcessUntilPainted(counter, before);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        keystrokes.push_back(seconds * 1e3);
    }
    state.counters["p99_ms"] = Percentile(keystrokes, 0.99);
}

// Every item scrolled past, each page's pictures made before the next.
void ResidentAfterScrollingAll(benchmark::State& state) {
    for (auto _ : state) {
        auto browser = OpenBrowser();
        QListView* grid = browser->findChild<QListView*>("tileGrid");
        QApplication::processEvents();
        QScrollBar* bar = grid->verticalScrollBar();
        while (true) {
            grid->viewport()->repaint();
            browser->pictures().WaitForIdle();
            if (bar->value() >= bar->maximum()) break;
            bar->setValue(bar->value() + bar->pageStep());
        }
        state.counters["rss_MB"] = static_cast<double>(ResidentKilobytes()) / 1024;
        state.counters["cache_MB"] = static_cast<double>(browser->pictures().bytes()) / (1 << 20);
        state.counters["bound_MB"] = static_cast<double>(browser->pictures().bound()) / (1 << 20);
    }
}

BENCHMARK(OpenToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(ScrollPageUncached)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1000);
BENCHMARK(FilterKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(120);
BENCHMARK(ResidentAfterScrollingAll)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace tilewright
