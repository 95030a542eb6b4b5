// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
// The bind model at the 16-bit limit: reading a definition file, binding
// every key, the review listing, writing the cfg file and opening it again.
#include <benchmark/benchmark.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

#include "model/binds/clsCfgBuilder.h"
#include "model/cfgfile/clsCfgFile.h"
#include "model/cfgfile/clsCfgImport.h"
#include "model/cfgfile/clsDraft.h"

namespace fs = std::filesystem;

namespace {

struct storedList : clsListControl {
    std::deque<std::string> entries;
    void clear() override { entries.clear(); }
    void addItem(const std::string& entry) override { entries.push_back(entry); }
};

const std::vector<std::string> colours{"1", "2", "3", "4", "5", "6", "7", "8"};
const std::string text40 = "Hello there, this is bind text number 1.";
const clsDateTime moment{2026, 12, 6, 21, 0, 0};

const fs::path& scratch() {
    static const fs::path folder = [] {
        fs::path p = fs::temp_directory_path() / ("brenvolt-bench-" + std::to_string(getpid()));
        fs::create_directories(p);
        return p;
    }();
    return folder;
}

// A definition file of n keys, 8 colours, 50 OSP tokens and 50 radio commands.
const std::string& definitionFile(int n) {
    static std::map<int, std::string> made;
    auto found = made.find(n);
    if (found != made.end()) return found->second;
    std::string text = "Generated definitions\r\n";
    for (int i = 0; i < n; ++i) text += "key:KEY_" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 8; ++i) text += "color:Colour " + std::to_string(i) + "<>" + colours[i] + "\r\n";
    for (int i = 0; i < 50; ++i) text += "osp:Token " + std::to_string(i) + "<>#" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 50; ++i)
        text += "radio:Command " + std::to_string(i) + "<>radio " + std::to_string(i % 10) + " 1\r\n";
    const std::string path = (scratch() / ("defs" + std::to_string(n) + ".txt")).string();
    std::ofstream(path, std::ios::binary) << text;
    return made.emplace(n, path).first->second;
}

void bindEveryKey(clsCfgBuilder& b) {
    clsGroup& keys = b.getGroup("key:");
    keys.get_front();
    while (keys.has_next()) b.add_code(keys.get_next().value, text40, "say", colours, 8, "1", false);
}

void writeCfg(clsCfgBuilder& b) {
    const std::string bytes = clsCfgFile::contents(b, "bench.cfg", moment);
    const clsWriteResult r = clsCfgFile::writeAtomically((scratch() / "out").string(), "bench.cfg", bytes);
    if (!r.ok) throw std::runtime_error(r.reason);
}

// Every stage is timed without tearing down what it built: the program never
// does that while it runs. What an earlier round freed is handed back before
// the next round, so every round starts from a tidy heap as a fresh program does.
void tidyHeap() { malloc_trim(0); }

void read_info(benchmark::State& state) {
    const std::string& path = definitionFile(static_cast<int>(state.range(0)));
    auto b = std::make_unique<clsCfgBuilder>();
    for (auto _ : state) {
        state.PauseTiming();
        b.reset();
        tidyHeap();
        b = std::make_unique<clsCfgBuilder>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(b->read_info(path));
    }
}

void bindAll(benchmark::State& state) {
    clsCfgBuilder b;
    b.read_info(definitionFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        b.Reset_Binds();
        tidyHeap();
        state.ResumeTiming();
        bindEveryKey(b);
    }
}

void printScheme(benchmark::State& state) {
    clsCfgBuilder b;
    b.read_info(definitionFile(static_cast<int>(state.range(0))));
    bindEveryKey(b);
    auto list = std::make_unique<storedList>();
    for (auto _ : state) {
        state.PauseTiming();
        list.reset();
        tidyHeap();
        list = std::make_unique<storedList>();
        state.ResumeTiming();
        b.printScheme(*list);
    }
}

void writeCfgFile(benchmark::State& state) {
    clsCfgBuilder b;
    b.read_info(definitionFile(static_cast<int>(state.range(0))));
    bindEveryKey(b);
    for (auto _ : state) writeCfg(b);
}

// File / Open Cfg File on the cfg file of every key bound: read as the
// console reads it, then opened into the builder.
void openCfgFile(benchmark::State& state) {
    clsCfgBuilder b;
    b.read_info(definitionFile(static_cast<int>(state.range(0))));
    bindEveryKey(b);
    writeCfg(b);
    const std::string path = (scratch() / "out" / "bench.cfg").string();
    for (auto _ : state) {
        const clsCfgImport read = clsCfgImport::fromFile(path, clsDraft::largest);
        if (b.open_binds(read.binds()).opened != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("not every bind was opened");
    }
}

void wholeChain(benchmark::State& state) {
    const std::string& path = definitionFile(static_cast<int>(state.range(0)));
    auto b = std::make_unique<clsCfgBuilder>();
    auto list = std::make_unique<storedList>();
    for (auto _ : state) {
        state.PauseTiming();
        b.reset();
        list.reset();
        tidyHeap();
        b = std::make_unique<clsCfgBuilder>();
        list = std::make_unique<storedList>();
        state.ResumeTiming();
        b->read_info(path);
        bindEveryKey(*b);
        b->printScheme(*list);
        writeCfg(*b);
    }
}

void keyCounts(benchmark::internal::Benchmark* b) {
    for (int n : {4096, 8192, 16384, 32767}) b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(read_info)->Apply(keyCounts);
BENCHMARK(bindAll)->Apply(keyCounts);
BENCHMARK(printScheme)->Apply(keyCounts);
BENCHMARK(writeCfgFile)->Apply(keyCounts);
BENCHMARK(openCfgFile)->Apply(keyCounts);
BENCHMARK(wholeChain)->Apply(keyCounts);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(scratch(), ec);
    return 0;
}
