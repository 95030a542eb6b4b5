// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Start-up to the painted start screen, against a bare Qt Widgets main window
// with a menu bar, side by side in one run.
//
//   build-dir/bench/startupBench
//
// coldStart: what a user waits for. Each iteration starts a fresh process of
//   this program that makes its QApplication and the window, shows it and
//   reports as soon as the window has been painted; the time runs from
//   starting the process to that report.
// coldWindow: in the same fresh processes, the first window of the process
//   alone: from creating it (QApplication made) until it has been painted.
//   The first window pays for loading the style, fonts and pictures.
// warmWindow: the same inside a running program that has shown a window of
//   each kind before, so that only the window's own work is timed.
//
// The start screen reads the definition files and picture of the source tree,
// as they ship; the user's own settings are neither read nor written.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/QtPlatform.h"
#include "ui/shell/frmStart.h"

namespace {

struct sourceTreeFolder : QtProgramFolder {
    std::string programFolder() const override {
        return std::filesystem::path(__FILE__).parent_path().parent_path().string();
    }
};

struct benchPlatform {
    QtSettingsStore settings;
    QtMessageBox messages;
    QtBeep beep;
    QtFileBrowser fileBrowser;
    sourceTreeFolder folder;
    QtProgramExit exit;
    QtFileDialog fileDialog;
    QtFileLocks locks;
    platformServices services{settings, messages, beep, fileBrowser, folder, exit, fileDialog, locks};
};

benchPlatform* platform = nullptr;

std::unique_ptr<QMainWindow> bareWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle("Bare window");
    QMenu* file = window->menuBar()->addMenu("&File");
    file->addAction("&New");
    file->addAction("E&xit");
    window->menuBar()->addMenu("E&xtra")->addAction("&Color Style");
    window->menuBar()->addAction("&Help");
    window->setCentralWidget(new QWidget);
    window->resize(288, 396);
    return window;
}

std::unique_ptr<QMainWindow> startScreen() { return std::make_unique<frmStart>(platform->services); }

class paintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// Makes the window, shows it and processes events until it has been painted.
std::unique_ptr<QMainWindow> showPainted(std::unique_ptr<QMainWindow> (*make)()) {
    std::unique_ptr<QMainWindow> window = make();
    paintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->removeEventFilter(&watch);
    return window;
}

double windowSeconds(std::unique_ptr<QMainWindow> (*make)()) {
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QMainWindow> window = showPainted(make);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    window.reset();
    QCoreApplication::processEvents();
    return seconds;
}

struct processTimes {
    double start = 0;   // process start to painted
    double window = 0;  // the window alone, as the process measured it
};

processTimes processSeconds(const char* which) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child=") + which});
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    processTimes times;
    times.start = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const QList<QByteArray> report = child.readLine().trimmed().split(' ');
    if (report.size() != 2 || report[0] != "painted")
        std::fprintf(stderr, "the %s process did not paint\n", which);
    else
        times.window = report[1].toDouble();
    child.waitForFinished(30000);
    return times;
}

void BM_coldStart_bareMainWindowWithMenuBar(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(processSeconds("bare").start);
}
void BM_coldStart_startScreen(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(processSeconds("start").start);
}
void BM_coldWindow_bareMainWindowWithMenuBar(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(processSeconds("bare").window);
}
void BM_coldWindow_startScreen(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(processSeconds("start").window);
}
void BM_warmWindow_bareMainWindowWithMenuBar(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(windowSeconds(bareWindow));
}
void BM_warmWindow_startScreen(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(windowSeconds(startScreen));
}

BENCHMARK(BM_coldStart_bareMainWindowWithMenuBar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_coldStart_startScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_coldWindow_bareMainWindowWithMenuBar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_coldWindow_startScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_warmWindow_bareMainWindowWithMenuBar)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(500);
BENCHMARK(BM_warmWindow_startScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(500);

// The offscreen platform says it cannot pass a fixed window size on; that is
// expected and only clutters the figures.
QtMessageHandler standardHandler = nullptr;
void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("propagateSizeHints"))) return;
    if (standardHandler) standardHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool child = mode.rfind("--child=", 0) == 0;
    int qtArgc = child ? 1 : argc;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    standardHandler = qInstallMessageHandler(quietSizeHints);
    benchPlatform seams;
    platform = &seams;

    if (child) {
        QElapsedTimer clock;
        clock.start();
        auto window = showPainted(mode == "--child=start" ? startScreen : bareWindow);
        std::printf("painted %.9f\n", static_cast<double>(clock.nsecsElapsed()) / 1e9);
        std::fflush(stdout);
        std::_Exit(0);  // tearing down is not part of starting
    }

    windowSeconds(bareWindow);
    windowSeconds(startScreen);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
