// Saving and loading a history of 100,000 entries over 1,000 keys, against writing the same
// number of bytes and reading the saved file through CFile in the archive's 4096-byte pieces,
// in the same run.
// Each runs five times on a machine that others share; the ratios of the medians come out at
// the end.
#include <HistoryMap.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace
{

const int nKeys = 1000;
const int nEntriesPerKey = 100;
const UINT nPiece = 4096;
const char kHistoryPath[] = "/tmp/zunt-bench-history.his";
const char kRawPath[] = "/tmp/zunt-bench-raw.bin";

CHistoryMap& sampleMap()
{
  static CHistoryMap map;
  if (map.GetCount() == 0)
    for (int k = 0; k < nKeys; ++k)
      for (int i = 0; i < nEntriesPerKey; ++i)
        map.SetAt(("field" + std::to_string(k)).c_str(),
                  ("entered text " + std::to_string(k * nEntriesPerKey + i)).c_str(), CTime(1700000000 + i));
  return map;
}

// The saved file's size: what the raw runs write and read.
size_t fileSize()
{
  static const size_t nSize = [] {
    sampleMap().Save(kHistoryPath);
    CFile file(kHistoryPath, CFile::modeRead);
    return size_t(file.GetLength());
  }();
  return nSize;
}

void Save(benchmark::State& state)
{
  CHistoryMap& map = sampleMap();
  for (auto _ : state)
    map.Save(kHistoryPath);
  state.SetBytesProcessed(int64_t(state.iterations() * fileSize()));
}

// glibc defers merging small freed blocks until the next large request; make that request
// here, so the merging is charged to the freeing that caused it.
void settleFreedMemory()
{
  void* pLarge = std::malloc(64 * 1024);
  benchmark::DoNotOptimize(pLarge);
  std::free(pLarge);
}

// Into a new map each round. The previous round's map goes after the next load, untimed: its
// memory stays below the new map's, so the heap is not handed back to the system and faulted
// in again each round, as it would not be in a running host.
void Load(benchmark::State& state)
{
  fileSize();
  std::unique_ptr<CHistoryMap> pPrevious;
  for (auto _ : state)
  {
    auto pMap = std::make_unique<CHistoryMap>();
    pMap->Load(kHistoryPath);
    state.PauseTiming();
    pPrevious = std::move(pMap);
    settleFreedMemory();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(int64_t(state.iterations() * fileSize()));
}

void RawWrite(benchmark::State& state)
{
  const std::vector<BYTE> bytes(fileSize(), 'x');
  for (auto _ : state)
  {
    CFile file(kRawPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyRead);
    for (size_t nDone = 0; nDone < bytes.size(); nDone += nPiece)
      file.Write(bytes.data() + nDone, UINT(std::min<size_t>(nPiece, bytes.size() - nDone)));
    file.Close();
  }
  state.SetBytesProcessed(int64_t(state.iterations() * bytes.size()));
}

void RawRead(benchmark::State& state)
{
  std::vector<BYTE> bytes(fileSize());
  for (auto _ : state)
  {
    CFile file(kHistoryPath, CFile::modeRead | CFile::shareDenyWrite);
    for (size_t nDone = 0; nDone < bytes.size(); nDone += nPiece)
      file.Read(bytes.data() + nDone, UINT(std::min<size_t>(nPiece, bytes.size() - nDone)));
    file.Close();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations() * bytes.size()));
}

// The console report, then each history operation's time over its raw counterpart's.
class CRatioReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.aggregate_name == "median")
        m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
  }
  void Finalize() override
  {
    ConsoleReporter::Finalize();
    std::printf("history file: %zu bytes\n", fileSize());
    printRatio("Save", "RawWrite");
    printRatio("Load", "RawRead");
  }

private:
  void printRatio(const std::string& name, const std::string& raw) const
  {
    if (m_times.count(name) && m_times.count(raw))
      std::printf("median %s / %s: %.2f (goal: 3 or less)\n", name.c_str(), raw.c_str(),
                  m_times.at(name) / m_times.at(raw));
  }

  std::map<std::string, double> m_times;
};

}  // namespace

BENCHMARK(RawWrite)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(Save)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(Load)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  CRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::remove(kHistoryPath);
  std::remove(kRawPath);
  return 0;
}
