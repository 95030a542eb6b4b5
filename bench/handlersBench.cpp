// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The construction screen's handlers with a definition file of 32,767 keys
// (the most a 16-bit count holds): each should answer within one frame
// (16 ms). Run on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <string>

#include "model/cfgfile/clsCfgFile.h"
#include "platform/platformServices.h"
#include "support/fakePlatform.h"
#include "ui/construction/frmConstruct.h"
#include "ui/help/helpWindowHolder.h"
#include "ui/shell/clsAppContext.h"

namespace {

// The test seams, except that every question is answered Yes.
struct yesMessages : IMessageBox {
    msgAnswer show(const std::string&, const std::string&, msgIcon, msgButtons buttons, msgAnswer) override {
        return buttons == msgButtons::Ok ? msgAnswer::Ok : msgAnswer::Yes;
    }
};

constexpr int keyCount = 32767;

struct benchPlatform {
    fakePlatform fake;
    yesMessages messages;
    platformServices services{fake.settings, messages,  fake.beep,       fake.fileBrowser,
                              fake.folder,   fake.exit, fake.fileDialog, fake.locks};
    clsAppContext ctx{services};
    helpWindowHolder help{ctx};

    explicit benchPlatform(int keys = keyCount) {
        const QString input = QString::fromStdString(ctx.inputFolder());
        QDir().mkpath(input);
        std::string text;
        for (int k = 0; k < keys; ++k) text += "key:KEY" + std::to_string(k) + "\r\n";
        for (const char* c :
             {"Red<>1", "Blue<>4", "Green<>2", "Yellow<>3", "Black<>0", "Cyan<>5", "Magenta<>6", "White<>7"})
            text += std::string("color:") + c + "\r\n";
        text += "radio:Sniper<>vsay_team sniper\r\nradio:Check fire<>vsay_team check_fire\r\n";
        QFile file(input + "/big.txt");
        if (!file.open(QIODevice::WriteOnly)) std::fprintf(stderr, "cannot write the definition file\n");
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        if (!ctx.builder.read_info((input + "/big.txt").toStdString()))
            std::fprintf(stderr, "cannot read the definition file\n");
        ctx.colorStyles.registerStandardStyles();
    }
};

std::unique_ptr<benchPlatform> thePlatform;

benchPlatform& platform() {
    if (!thePlatform) thePlatform = std::make_unique<benchPlatform>();
    return *thePlatform;
}

// One screen, shown, driven through its controls as a user would.
struct screen {
    frmConstruct form;
    explicit screen(benchPlatform& p) : form(p.ctx, p.help) { form.show(); }

    template <typename T = QWidget> T* get(const char* name) { return form.findChild<T*>(QString::fromLatin1(name)); }
    void pick(const char* list, int index) {
        auto* c = get<QComboBox>(list);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void pickText(const char* list, const char* entry) { pick(list, get<QComboBox>(list)->findText(entry)); }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    void trigger(const char* name) { form.findChild<QAction*>(name)->trigger(); }
    // Key near the end of the list, public text, pattern Red/Blue by 1.
    void startText(int key) {
        pick("cboKeys", key);
        click("optPublicBind");
        click("cmdContinue");
        pickText("cboColors", " 2");
        pickText("cboColor0", "Red");
        pickText("cboColor1", "Blue");
        pickText("cboSwitch", " 1");
    }
};

std::unique_ptr<screen> theScreen;

screen& shared() {
    if (!theScreen) theScreen = std::make_unique<screen>(platform());
    return *theScreen;
}

constexpr int lateKey = keyCount - 2;

// Arg: keys in the definition file (3 shows what the key list costs).
void BM_Form_Load(benchmark::State& state) {
    std::unique_ptr<benchPlatform> few;
    if (state.range(0) != keyCount) few = std::make_unique<benchPlatform>(static_cast<int>(state.range(0)));
    benchPlatform& p = few ? *few : platform();
    for (auto _ : state) {
        auto* form = new frmConstruct(p.ctx, p.help);
        state.PauseTiming();
        delete form;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form_Load)->Arg(keyCount)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_cboKeys_Click(benchmark::State& state) {
    screen& s = shared();
    int key = 0;
    for (auto _ : state) {
        s.pick("cboKeys", key);
        key = (key + 9973) % keyCount;
    }
}
BENCHMARK(BM_cboKeys_Click)->Unit(benchmark::kMillisecond);

void BM_cmdContinue_Click(benchmark::State& state) {
    screen& s = shared();
    s.pick("cboKeys", lateKey);
    s.click("optPublicBind");
    for (auto _ : state) {
        s.click("cmdContinue");
        state.PauseTiming();
        s.click("cmdTextDone");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_cmdContinue_Click)->Unit(benchmark::kMillisecond);

void BM_cmdTextAdd_Click(benchmark::State& state) {
    screen& s = shared();
    s.startText(lateKey);
    auto* text = s.get<QLineEdit>("txtText");
    for (auto _ : state) {
        text->setText(QStringLiteral("hello world"));
        s.click("cmdTextAdd");
        state.PauseTiming();
        s.click("cmdTextUndo");
        state.ResumeTiming();
    }
    s.click("cmdTextDone");
}
BENCHMARK(BM_cmdTextAdd_Click)->Unit(benchmark::kMillisecond);

void BM_cmdTextUndo_Click(benchmark::State& state) {
    screen& s = shared();
    s.startText(lateKey);
    auto* text = s.get<QLineEdit>("txtText");
    for (auto _ : state) {
        state.PauseTiming();
        text->setText(QStringLiteral("hello world"));
        s.click("cmdTextAdd");
        state.ResumeTiming();
        s.click("cmdTextUndo");
    }
    s.click("cmdTextDone");
}
BENCHMARK(BM_cmdTextUndo_Click)->Unit(benchmark::kMillisecond);

void BM_cmdTextDone_Click(benchmark::State& state) {
    screen& s = shared();
    for (auto _ : state) {
        state.PauseTiming();
        s.startText(lateKey);
        state.ResumeTiming();
        s.click("cmdTextDone");
    }
}
BENCHMARK(BM_cmdTextDone_Click)->Unit(benchmark::kMillisecond);

void BM_cmdClear_Click(benchmark::State& state) {
    screen& s = shared();
    auto* text = s.get<QLineEdit>("txtText");
    for (auto _ : state) {
        state.PauseTiming();
        s.startText(lateKey);
        text->setText(QStringLiteral("hello world"));
        s.click("cmdTextAdd");
        state.ResumeTiming();
        s.click("cmdClear");  // answered Yes
    }
}
BENCHMARK(BM_cmdClear_Click)->Unit(benchmark::kMillisecond);

// Every key bound: the reset empties them all.
void BM_mnuReset_Click(benchmark::State& state) {
    benchPlatform& p = platform();
    screen& s = shared();
    for (auto _ : state) {
        state.PauseTiming();
        for (int k = 0; k < keyCount; ++k)
            p.ctx.builder.add_radio_code("KEY" + std::to_string(k), "vsay_team sniper", "Sniper");
        state.ResumeTiming();
        s.trigger("mnuReset");  // answered Yes
    }
}
BENCHMARK(BM_mnuReset_Click)->Unit(benchmark::kMillisecond);

// The save: the file's bytes for every key bound, written atomically.
void BM_save(benchmark::State& state) {
    benchPlatform& p = platform();
    for (int k = 0; k < keyCount; ++k)
        p.ctx.builder.add_code("KEY" + std::to_string(k), "hello world", "say", {"1", "4"}, 2, "1", false);
    QTemporaryDir out;
    const std::string folder = QDir(out.path()).absolutePath().toStdString() + "/OutputCfgFiles";
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string contents = clsCfgFile::contents(p.ctx.builder, "bench.cfg", clsDateTime{});
        const clsWriteResult written = clsCfgFile::writeAtomically(folder, "bench.cfg", contents);
        if (!written.ok) state.SkipWithError(written.reason.c_str());
        bytes = contents.size();
    }
    state.counters["fileBytes"] = static_cast<double>(bytes);
    p.ctx.builder.Reset_Binds();
}
BENCHMARK(BM_save)->Unit(benchmark::kMillisecond);

// The draft after a change, every key bound with a chat line of range(0)
// characters in two colours (11: "hello world"; 140: about the longest line
// the chat shows). range(1) 0: what the event loop waits for when the timer
// fires (the file's bytes taken, the disk work handed to the draft's
// thread); 1: the whole write to the disk, as at quit.
void BM_draftWrite(benchmark::State& state) {
    benchPlatform& p = platform();
    const std::string text(static_cast<std::size_t>(state.range(0)), 'h');
    for (int k = 0; k < keyCount; ++k)
        p.ctx.builder.add_code("KEY" + std::to_string(k), text, "say", {"1", "4"}, 2, "1", false);
    QTemporaryDir data;
    p.ctx.draft.setFolder(QDir(data.path()).absolutePath().toStdString());
    p.ctx.draft.setDefinitions("big.txt");
    const bool whole = state.range(1) == 1;
    for (auto _ : state) {
        p.ctx.draft.changed();
        if (whole) {
            if (!p.ctx.writeDraft()) state.SkipWithError("the draft was not written");
        } else {
            p.ctx.draft.writeLater(p.ctx.builder, p.ctx.clock(), p.ctx.openedCfg);
            state.PauseTiming();
            p.ctx.draft.wait();
            state.ResumeTiming();
        }
    }
    state.counters["fileBytes"] = static_cast<double>(QFileInfo(data.path() + "/draft.cfg").size());
    p.ctx.draft.setFolder({});
    p.ctx.builder.Reset_Binds();
}
BENCHMARK(BM_draftWrite)->ArgsProduct({{11, 140, 330}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // Windows go before the application does.
    theScreen.reset();
    thePlatform.reset();
    return 0;
}
