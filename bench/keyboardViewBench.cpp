// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// Keyboard View with a definition file of 32,767 keys (the shipped keys, then
// keys the picture has no place for), every key bound: opening it should take
// at most 50 ms, and a change of the binds should be on the screen within one
// frame (16 ms). Run on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <memory>
#include <string>

#include "model/keys/clsKeyboardLayout.h"
#include "support/fakePlatform.h"
#include "ui/construction/frmKeyboardView.h"
#include "ui/shell/clsAppContext.h"

namespace {

constexpr int keyCount = 32767;

struct benchPlatform {
    fakePlatform fake;
    clsAppContext ctx{fake.services};

    benchPlatform() {
        const QString input = QString::fromStdString(ctx.inputFolder());
        QDir().mkpath(input);
        std::string text;
        int keys = 0;
        for (const clsLayoutKey& k : clsKeyboardLayout::keys())
            if (!k.name.empty() && !k.twin && k.name != "`") text += "key:" + k.name + "\r\n", ++keys;
        for (; keys < keyCount; ++keys) text += "key:KEY" + std::to_string(keys) + "\r\n";
        text += "color:Red<>1\r\ncolor:Blue<>4\r\nradio:Sniper<>vsay_team sniper\r\n";
        QFile file(input + "/big.txt");
        if (!file.open(QIODevice::WriteOnly)) std::fprintf(stderr, "cannot write the definition file\n");
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        if (!ctx.builder.read_info((input + "/big.txt").toStdString()))
            std::fprintf(stderr, "cannot read the definition file\n");
        ctx.colorStyles.registerStandardStyles();
        // Every key bound, the four kinds in turn.
        clsGroup& all = ctx.builder.getGroup("key:");
        int k = 0;
        for (all.get_front(); all.has_next(); ++k) {
            const std::string key = all.get_next().value;
            switch (k % 4) {
                case 0: ctx.builder.add_code(key, "hello world", "say", {"1", "4"}, 2, "1", false); break;
                case 1: ctx.builder.add_code(key, "need backup", "say_team", {"4"}, 1, "1", false); break;
                case 2: ctx.builder.add_radio_code(key, "vsay_team sniper", "Sniper"); break;
                default: ctx.builder.add_radio_code(key, "+attack", "+attack"); break;
            }
        }
    }
};

std::unique_ptr<benchPlatform> thePlatform;
benchPlatform& platform() {
    if (!thePlatform) thePlatform = std::make_unique<benchPlatform>();
    return *thePlatform;
}

// Extra / Keyboard View: the window made, shown and painted whole.
void BM_openView(benchmark::State& state) {
    benchPlatform& p = platform();
    for (auto _ : state) {
        auto* view = new frmKeyboardView(p.ctx, [](const std::string&) {});
        view->show();
        view->repaint();
        state.PauseTiming();
        delete view;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_openView)->Unit(benchmark::kMillisecond);

// A change of the binds (a key of the picture, or one under it), told to the
// open view, and the picture painted again.
void BM_changeAndRepaint(benchmark::State& state) {
    benchPlatform& p = platform();
    frmKeyboardView view(p.ctx, [](const std::string&) {});
    view.show();
    QCoreApplication::processEvents();
    auto* picture = view.findChild<QWidget*>("picKeyboard");
    const std::string key = state.range(0) == 0 ? "F1" : "KEY" + std::to_string(keyCount - 2);
    for (auto _ : state) {
        p.ctx.builder.add_code(key, "x", "say", {"1"}, 1, "1", false);
        picture->repaint();
        state.PauseTiming();
        p.ctx.builder.remove_bind_part(key);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_changeAndRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    thePlatform.reset();
    return 0;
}
