// The whole span loading analysis of one problem: stations, deflection limit, concentrated and
// uniform dead loads, sidewalk load and the live loads, for a highway and a railroad problem.
// It should stay well under 100 microseconds a problem.
#include <benchmark/benchmark.h>

#include <memory>

#include "loads/dead_loads.h"
#include "loads/live_loads.h"
#include "state/problem_state.h"

namespace {

std::unique_ptr<ss::ProblemState> problem(int live_class, float n, float length) {
  auto st = std::make_unique<ss::ProblemState>();
  st->live_class = live_class;
  st->class_number = n;
  st->length = length;
  st->dfm = 0.6f;
  st->dfv = live_class == 3 ? 0.3f : 0.7f;
  st->wdlnc = 0.85f;
  st->wdlc = 0.2f;
  st->swll = 0.05f;
  st->npl = 3;
  st->load_x = {12.0f, 47.5f, 80.0f};
  st->load_p = {5.0f, 12.5f, 3.0f};
  return st;
}

void span_loading(ss::ProblemState &st) {
  ss::set_stations(st);
  ss::set_deflection_limit(st);
  ss::concentrated_load_effects(st);
  ss::dead_load_effects(st);
  ss::sidewalk_effects(st);
  ss::clear_live_loads(st);
  ss::live_loads(st);
}

void BM_SpanLoadingHighway(benchmark::State &state) {
  auto st = problem(2, 20.0f, static_cast<float>(state.range(0)));
  for (auto _ : state) {
    span_loading(*st);
    benchmark::DoNotOptimize(st->m_live.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpanLoadingHighway)->Arg(30)->Arg(120)->Unit(benchmark::kMicrosecond);

void BM_SpanLoadingRailroad(benchmark::State &state) {
  auto st = problem(3, 80.0f, static_cast<float>(state.range(0)));
  for (auto _ : state) {
    span_loading(*st);
    benchmark::DoNotOptimize(st->m_live.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpanLoadingRailroad)->Arg(30)->Arg(120)->Arg(400)->Unit(benchmark::kMicrosecond);

// One highway problem and one railroad problem of the same span, as a deck of two would run them.
void BM_SpanLoadingBothClasses(benchmark::State &state) {
  auto highway = problem(2, 20.0f, static_cast<float>(state.range(0)));
  auto railroad = problem(3, 80.0f, static_cast<float>(state.range(0)));
  for (auto _ : state) {
    span_loading(*highway);
    span_loading(*railroad);
    benchmark::DoNotOptimize(highway->m_live.data());
    benchmark::DoNotOptimize(railroad->m_live.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SpanLoadingBothClasses)->Arg(120)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
