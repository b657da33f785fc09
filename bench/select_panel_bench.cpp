// Adding a lookup's rows to a selection panel that drops repeated captions and keeps its rows
// sorted, in one batch, against std::sort + std::unique of the same rows.
//
// Prints the ratio of the two times (the batch must stay within 3 times the sort) and the
// memory the panel holds per row. Exit status 1 when the ratio is above 3.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "lib/controls/select_panel.h"

namespace {

using Row = std::vector<std::string>;
constexpr int kRows = 100000;
constexpr int kRepeated = kRows / 5;

// 80 % distinct codes, 20 % repeats of them, shuffled; each with a name column.
const std::vector<Row>& LookupRows() {
  static const std::vector<Row> rows = [] {
    std::mt19937 rng(7);
    std::vector<Row> r;
    r.reserve(kRows);
    for (int i = 0; i < kRows - kRepeated; ++i) {
      char code[16];
      std::snprintf(code, sizeof code, "P%08u", static_cast<unsigned>(rng() % 100000000));
      r.push_back({code, "Item " + std::to_string(i)});
    }
    for (int i = 0; i < kRepeated; ++i) r.push_back(r[rng() % (kRows - kRepeated)]);
    std::shuffle(r.begin(), r.end(), rng);
    return r;
  }();
  return rows;
}

pxq::vcl::TSelectPanel* NewPanel() {
  auto* panel = new pxq::vcl::TSelectPanel(nullptr);
  panel->SetStyle(pxq::vcl::sp_Discrete);
  panel->SetCheckDuplicate(pxq::vcl::cd_CheckCase);
  panel->SetSortListBox(true);
  return panel;
}

void AddAll(pxq::vcl::TSelectPanel* panel, const std::vector<Row>& rows) {
  panel->ListBox->BeginUpdate();
  for (const Row& row : rows) panel->ListBox->AddRow(row);
  panel->ListBox->EndUpdate();
}

void BM_PanelBatch(benchmark::State& state) {
  const std::vector<Row>& rows = LookupRows();
  pxq::vcl::TSelectPanel* panel = NewPanel();
  for (auto _ : state) {
    AddAll(panel, rows);
    state.PauseTiming();
    panel->ListBox->ClearRows();
    state.ResumeTiming();
  }
  delete panel;
}
BENCHMARK(BM_PanelBatch)->Unit(benchmark::kMillisecond);

void BM_SortUnique(benchmark::State& state) {
  const std::vector<Row>& rows = LookupRows();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Row> copy = rows;
    state.ResumeTiming();
    std::sort(copy.begin(), copy.end());
    copy.erase(std::unique(copy.begin(), copy.end()), copy.end());
    benchmark::DoNotOptimize(copy.data());
    state.PauseTiming();
    copy = {};
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SortUnique)->Unit(benchmark::kMillisecond);

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) times[r.benchmark_name()] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

// Bytes the panel holds per remaining row, from the allocator's count of bytes in use.
double BytesPerRow() {
  const std::vector<Row>& rows = LookupRows();
  const size_t before = mallinfo2().uordblks;
  pxq::vcl::TSelectPanel* panel = NewPanel();
  AddAll(panel, rows);
  const size_t after = mallinfo2().uordblks;
  const int count = panel->Items()->Count();
  delete panel;
  return count > 0 ? static_cast<double>(after - before) / count : 0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double batch = reporter.times["BM_PanelBatch"];
  const double sort = reporter.times["BM_SortUnique"];
  if (batch <= 0 || sort <= 0) return 0;  // filtered run
  const double ratio = batch / sort;
  std::printf(
      "\n%d rows (%d repeated): batch %.1f ms, sort + unique %.1f ms, ratio %.2f (limit 3)\n",
      kRows, kRepeated, batch, sort, ratio);
  std::printf("memory per remaining row: %.0f bytes\n", BytesPerRow());
  return ratio <= 3.0 ? 0 : 1;
}
