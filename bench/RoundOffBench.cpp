// Exact decimal rounding against the naive floating rounding std::round(v * 10^n) / 10^n,
// over the same values in the same run.
#include <RoundOff.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

const int kPlaces[] = {0, 2, 3, 6};

const std::vector<double>& values()
{
  static const std::vector<double> all = [] {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> magnitude(-3, 6);
    std::vector<double> v(4096);
    for (double& x : v)
      x = mantissa(random) * std::pow(10.0, magnitude(random));
    return v;
  }();
  return all;
}

template <double (*Round)(double, int)>
void run(benchmark::State& state)
{
  const int places = kPlaces[state.range(0)];
  const std::vector<double>& v = values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Round(v[i], places));
    i = (i + 1) & (v.size() - 1);
  }
  state.SetLabel(std::to_string(places) + " places");
}

double naive(double value, int places)
{
  const double scale = std::pow(10.0, places);
  return std::round(value * scale) / scale;
}

}  // namespace

BENCHMARK(run<naive>)->Name("Naive")->DenseRange(0, 3);
BENCHMARK(run<CRoundOff::Omit>)->Name("Omit")->DenseRange(0, 3);
BENCHMARK(run<CRoundOff::Normal>)->Name("Normal")->DenseRange(0, 3);
BENCHMARK(run<CRoundOff::JIS>)->Name("JIS")->DenseRange(0, 3);
