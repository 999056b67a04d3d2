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

#include "applicationlook.h"
#include "frmmain.h"
#include "frmpath.h"
#include "samplegame.h"

namespace tilewright {
namespace {

std::string SampleFolder() {
    static const std::string folder = [] {
        const std::string path = (std::filesystem::temp_directory_path() / "tilewright-bench-game/").string();
        std::filesystem::create_directories(path);
        if (!sample::WriteSampleGame(path)) std::abort();
        return path;
    }();
    return folder;
}

// A window pointed at the sample folder through its own paths dialog.
std::unique_ptr<FrmMain> OpenWindow() {
    auto window = std::make_unique<FrmMain>();
    window->show();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<FrmPath*>(QApplication::activeModalWidget());
        const QString folder = QString::fromStdString(SampleFolder());
        dialog->ShowFolders(folder, folder);
        dialog->findChild<QPushButton*>("cmdClose")->click();
    });
    window->findChild<QPushButton*>("cmdLoad")->click();
    return window;
}

void FillList(benchmark::State& state, const char* button) {
    auto window = OpenWindow();
    QPushButton* fill = window->findChild<QPushButton*>(button);
    for (auto _ : state) {
        fill->click();
        QApplication::processEvents();  // the list lays itself out and repaints
    }
}

void StepWithArrowKeys(benchmark::State& state, const char* button) {
    auto window = OpenWindow();
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

BENCHMARK_CAPTURE(FillList, land, "cmdLand")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillList, item, "cmdItem")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, land, "cmdLand")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(StepWithArrowKeys, item, "cmdItem")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tilewright

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tilewright::ApplyApplicationLook(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
