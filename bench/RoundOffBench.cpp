// Exact decimal rounding against the naive floating rounding std::round(v * 10^n) / 10^n,
// over the same values in the same run. After the table each exact rounding is given as a
// multiple of the naive cost.
#include <RoundOff.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{

const int kPlaces[] = {0, 2, 6};
const char* const kSetNames[] = {"typical", "large", "huge"};
const size_t kValueCount = 4096;  // a power of two: the index wraps with a mask

// Typical field values: 10^-3 to 10^6 with random digits; large ones of 10^15 to 10^18,
// where only 15 significant digits survive; huge ones of 10^20 to 10^300, beyond 64 bits,
// where the multi-word conversion runs.
std::vector<double> makeValues(int lowMagnitude, int highMagnitude)
{
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> magnitude(lowMagnitude, highMagnitude);
  std::vector<double> v(kValueCount);
  for (double& x : v)
    x = mantissa(random) * std::pow(10.0, magnitude(random));
  return v;
}

const std::vector<double>& valueSet(int index)
{
  static const std::vector<double> typical = makeValues(-3, 6);
  static const std::vector<double> large = makeValues(15, 18);
  static const std::vector<double> huge = makeValues(20, 300);
  return index == 0 ? typical : index == 1 ? large : huge;
}

template <double (*Round)(double, int)>
void run(benchmark::State& state)
{
  const int places = kPlaces[state.range(0)];
  const std::vector<double>& v = valueSet(int(state.range(1)));
  size_t i = 0;
  for (auto _ : state)
  {
    benchmark::DoNotOptimize(Round(v[i], places));
    i = (i + 1) & (kValueCount - 1);
  }
  state.SetLabel(std::to_string(places) + " places, " + kSetNames[state.range(1)]);
}

double naive(double value, int places)
{
  const double scale = std::pow(10.0, places);
  return std::round(value * scale) / scale;
}

void arguments(benchmark::internal::Benchmark* b)
{
  for (int set = 0; set < 3; ++set)
    for (int places = 0; places < 3; ++places)
      b->Args({places, set});
}

// The console table, and the time per call of each run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs)
      m_times.emplace_back(r.benchmark_name(), r.GetAdjustedCPUTime());
  }

  void PrintRatios() const
  {
    std::printf("\nCost per call as a multiple of the naive rounding of the same values:\n");
    for (const auto& entry : m_times)
    {
      const std::string& name = entry.first;
      const std::string method = name.substr(0, name.find('/'));
      const double naiveTime = timeOf("Naive" + name.substr(method.size()));
      if (method != "Naive" && naiveTime > 0)
        std::printf("  %-12s %8.1f ns  %6.2f x\n", name.c_str(), entry.second, entry.second / naiveTime);
    }
  }

private:
  double timeOf(const std::string& name) const
  {
    for (const auto& entry : m_times)
      if (entry.first == name)
        return entry.second;
    return 0;
  }

  std::vector<std::pair<std::string, double>> m_times;
};

}  // namespace

BENCHMARK(run<naive>)->Name("Naive")->Apply(arguments);
BENCHMARK(run<CRoundOff::Omit>)->Name("Omit")->Apply(arguments);
BENCHMARK(run<CRoundOff::Normal>)->Name("Normal")->Apply(arguments);
BENCHMARK(run<CRoundOff::JIS>)->Name("JIS")->Apply(arguments);

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
