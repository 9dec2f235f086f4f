// Loading, saving and looking up the store of date tasks, each beside its baseline in the
// same run; the ratios at the end are what the targets are stated in.
//   cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BENCH=ON -DBUILD_TESTING=OFF
//   cmake --build build-bench --target bench_store
//   build-bench/bench/bench_store --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "data/DateTime.h"
#include "data/TaskStore.h"
#include "data/gridfile.h"
#include "tasks/recurrence.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <malloc.h>
#include <map>
#include <random>
#include <string>

namespace {

using namespace orvella;

const int kFirstDay = encodeDate(2010, 1, 1);
const int kDays = 7305; // twenty years

// A deterministic store of `tasks` tasks spread over twenty years.
Table makeStore(int tasks) {
    std::mt19937 random(20260101u + static_cast<unsigned>(tasks));
    static const char* categories[] = {"Work", "Home", "Garden", "", "Health", "Car"};
    static const char* words[] = {"call",    "Bob",     "about",  "the",  "plan",   "meeting",
                                  "dentist", "invoice", "garden", "shop", "review", "report",
                                  "pick",    "up",      "kids",   "train"};
    Table store = newStoreTable();
    store.setRowCount(tasks + 1);
    std::map<int, int> perDay;
    for (int i = 1; i <= tasks; ++i) {
        const int day = kFirstDay + static_cast<int>(static_cast<long long>(i - 1) * kDays / tasks);
        const int seq = 101 + perDay[day]++;
        store.setCell(StoreCol::Key, i, makeStoreKey(day, seq));
        store.setCell(StoreCol::Time, i,
                      std::to_string(1 + random() % 12) + ":" + (random() % 2 ? "00" : "30") +
                          (random() % 2 ? " AM" : " PM"));
        store.setCell(StoreCol::Category, i, categories[random() % 6]);
        std::string what;
        for (int w = 2 + static_cast<int>(random() % 7); w > 0; --w)
            what += std::string(words[random() % 16]) + " ";
        if (random() % 10 == 0)
            what += "\r\nsecond line\r\n";
        store.setCell(StoreCol::What, i, what);
        store.setCell(StoreCol::Done, i, random() % 3 ? "No" : "Yes");
        store.setCell(StoreCol::Alarm, i, random() % 5 ? "No" : "Yes");
    }
    return store;
}

std::string pathFor(int tasks) {
    return (std::filesystem::temp_directory_path() / ("orvella-bench-" + std::to_string(tasks) + ".grd"))
        .string();
}

// The store of each size, written once to its file.
const Table& storeOf(int tasks) {
    static std::map<int, Table> stores;
    auto it = stores.find(tasks);
    if (it == stores.end()) {
        it = stores.emplace(tasks, makeStore(tasks)).first;
        saveGrid(it->second, pathFor(tasks));
    }
    return it->second;
}

void BM_RawReadAndScan(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    storeOf(tasks);
    for (auto _ : state) {
        std::string bytes;
        readWholeFile(pathFor(tasks), bytes);
        std::size_t lines = 0;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        while ((p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p))))) {
            ++lines;
            ++p;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_Load(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    storeOf(tasks);
    for (auto _ : state) {
        auto* t = new Table;
        loadGrid(*t, pathFor(tasks));
        benchmark::DoNotOptimize(t->rowCount());
        state.PauseTiming(); // freeing the table is not part of loading it
        delete t;
        state.ResumeTiming();
    }
}

void BM_RawWrite(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    std::string bytes;
    readWholeFile(pathFor(tasks), bytes);
    if (bytes.empty())
        bytes = formatGrid(storeOf(tasks));
    for (auto _ : state)
        writeFileSafely(pathFor(tasks) + ".raw", bytes);
}

void BM_Save(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const Table& store = storeOf(tasks);
    for (auto _ : state)
        saveGrid(store, pathFor(tasks) + ".save");
}

void BM_WriteToStoreOneDay(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    Table store = storeOf(tasks);
    const AllTasksVisible all;
    const int day = kFirstDay + kDays / 2;
    Table dayGrid = newDayTable();
    copyDayFromStore(store, day, dayGrid, all);
    for (auto _ : state) {
        dayGrid.moveRow(1, dayGrid.rowCount() - 1); // the user reorders the day
        copyDayToStore(store, day, dayGrid, all);
        sortStore(store);
        saveGrid(store, pathFor(tasks) + ".day");
    }
}

void BM_RepeatDaily20Years(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    const Table& original = storeOf(tasks);
    std::vector<int> dates;
    for (int d = 0; d < 7400; ++d)
        dates.push_back(kFirstDay + d);
    const RepeatedTask task{"9:00:00 AM", "Work", "stand-up meeting", "No"};
    // The store as the program holds it: loaded from its file, with the room a load leaves.
    Table store;
    loadGrid(store, pathFor(tasks));
    const int rows = original.rowCount();
    for (auto _ : state) {
        appendRepeatRows(store, task, dates);
        sortStore(store);
        saveGrid(store, pathFor(tasks) + ".repeat");
        state.PauseTiming(); // take the repeat out again for the next round
        Table fresh;
        loadGrid(fresh, pathFor(tasks));
        store = std::move(fresh);
        if (store.rowCount() != rows)
            state.SkipWithError("store did not reload");
        state.ResumeTiming();
    }
}

void BM_DateTaskState168Cells(benchmark::State& state) {
    const Table& store = storeOf(static_cast<int>(state.range(0)));
    const AllTasksVisible all;
    const int first = kFirstDay + kDays / 3;
    for (auto _ : state)
        for (int cell = 0; cell < 168; ++cell)
            benchmark::DoNotOptimize(dateTaskState(store, first + cell, true, true, all));
}

void BM_LoadedStoreMemory(benchmark::State& state) {
    const int tasks = static_cast<int>(state.range(0));
    storeOf(tasks);
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(pathFor(tasks)));
    double held = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks + mallinfo2().hblkhd;
        auto* t = new Table;
        loadGrid(*t, pathFor(tasks));
        held = static_cast<double>(mallinfo2().uordblks + mallinfo2().hblkhd - before);
        delete t;
    }
    state.counters["held_per_file_byte"] = held / fileBytes;
    state.counters["file_MB"] = fileBytes / 1e6;
}

BENCHMARK(BM_RawReadAndScan)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWrite)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteToStoreOneDay)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepeatDaily20Years)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateTaskState168Cells)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadedStoreMemory)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Collects the times so that the ratios can be printed after the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With --benchmark_repetitions the median stands for the operation; else the one run.
        for (const Run& r : runs) {
            const std::string name = r.run_name.str();
            if (r.aggregate_name == "median")
                medians_[name] = r.GetAdjustedRealTime();
            else if (r.aggregate_name.empty())
                times_[name] = r.GetAdjustedRealTime();
        }
        for (const auto& [name, time] : medians_)
            times_[name] = time;
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        auto ratio = [this](const char* what, const std::string& a, const std::string& b, double target) {
            if (!times_.count(a) || !times_.count(b))
                return;
            const double r = times_[a] / times_[b];
            std::cout << what << ": " << r << " (target <= " << target << ")"
                      << (r <= target ? "" : "  MISSED") << "\n";
        };
        std::cout << "\n";
        ratio("load / raw read and scan, 100k", "BM_Load/100000", "BM_RawReadAndScan/100000", 4);
        ratio("save / raw write, 100k", "BM_Save/100000", "BM_RawWrite/100000", 2);
        ratio("writeToStore one day / save, 100k", "BM_WriteToStoreOneDay/100000", "BM_Save/100000", 1.3);
        ratio("repeat over 7,400 days / save, 100k", "BM_RepeatDaily20Years/100000", "BM_Save/100000", 1.5);
        ratio("dateTaskState 1M / 10k", "BM_DateTaskState168Cells/1000000", "BM_DateTaskState168Cells/10000",
              2);
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const int n : {10'000, 100'000, 1'000'000})
        for (const char* suffix : {"", ".raw", ".save", ".day", ".repeat"})
            std::filesystem::remove(pathFor(n) + suffix);
    return 0;
}
