// How the main window feels: filling the tile list, and stepping through it
// with the arrow keys, each step loading a record and painting its picture
// from the full-size sample game folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <set>

#include "frmmain.h"
#include "frmpath.h"
#include "samplegame.h"

namespace tilewright {
namespace {

// The full-size sample folder of a layout, written once per run.
std::string SampleFolder(const TileDataLayout& layout) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("tilewright-bench-game-" + std::string(layout.id) + "/")).string();
    static std::set<std::string> written;
    if (written.insert(path).second) {
        std::filesystem::create_directories(path);
        if (!sample::WriteSampleGame(path, layout)) std::abort();
    }
    return path;
}

// A window pointed at a sample folder through its own paths dialog.
std::unique_ptr<FrmMain> OpenWindow(const TileDataLayout& layout) {
    auto window = std::make_unique<FrmMain>();
    window->show();
    QTimer::singleShot(0, [&layout] {
        auto* dialog = qobject_cast<FrmPath*>(QApplication::activeModalWidget());
        const QString folder = QString::fromStdString(SampleFolder(layout));
        dialog->ShowFolders(folder, folder);
        dialog->findChild<QPushButton*>("cmdClose")->click();
    });
    window->findChild<QPushButton*>("cmdLoad")->click();
    return window;
}

void FillList(benchmark::State& state, const char* button, const TileDataLayout* layout) {
    auto window = OpenWindow(*layout);
    QPushButton* fill = window->findChild<QPushButton*>(button);
    for (auto _ : state) {
        fill->click();
        QApplication::processEvents();  // the list lays itself out and repaints
    }
}

// The first fill of a new window, and fills that switch between the kinds.
void FillEmptyList(benchmark::State& state, const char* button, const TileDataLayout* layout) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = OpenWindow(*layout);
        QPushButton* fill = window->findChild<QPushButton*>(button);
        state.ResumeTiming();
        fill->click();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void SwitchKinds(benchmark::State& state, const TileDataLayout* layout) {
    auto window = OpenWindow(*layout);
    QPushButton* land = window->findChild<QPushButton*>("cmdLand");
    QPushButton* item = window->findChild<QPushButton*>("cmdItem");
    bool toItems = true;
    for (auto _ : state) {
        (toItems ? item : land)->click();
        toItems = !toItems;
        QApplication::processEvents();
    }
}

void StepWithArrowKeys(benchmark::State& state, const char* button, const TileDataLayout* layout) {
    auto window = OpenWindow(*layout);
    window->findChild<QPushButton*>(button)->click();
    QListWidget* list = window->findChild<QListWidget*>("lstId");
    list->setFocus();
    list->setCurrentRow(0);
    int row = 0;
    for (auto _ : state) {
        if (++row == list->count()) {
            state.PauseTiming();
            list->setCurrentRow(0);
            row = 1;
            state.ResumeTiming();
        }
        QTest::keyClick(list, Qt::Key_Down);
        QApplication::processEvents();  // the record, the picture and the list repaint
    }
    if (list->currentRow() != row) state.SkipWithError("the arrow key did not move the selection");
    if (window->findChild<QLineEdit*>("txtOtherInfo(0)")->text().isEmpty()) state.SkipWithError("nothing loaded");
}

BENCHMARK_CAPTURE(FillList, land, "cmdLand", &kClassicLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillList, item, "cmdItem", &kClassicLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillList, item_64bit, "cmdItem", &kWideFlagLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillEmptyList, item, "cmdItem", &kClassicLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillEmptyList, item_64bit, "cmdItem", &kWideFlagLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchKinds, classic, &kClassicLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SwitchKinds, 64bit, &kWideFlagLayout)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, land, "cmdLand", &kClassicLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, item, "cmdItem", &kClassicLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, land_64bit, "cmdLand", &kWideFlagLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, item_64bit, "cmdItem", &kWideFlagLayout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tilewright
