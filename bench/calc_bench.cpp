// Times both calculations on realistic inputs, and the text conversions they make alone, so the
// share of the arithmetic can be read off.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "clock_time.hpp"
#include "speed.hpp"
#include "text.hpp"

namespace {
// Every heap allocation of the program, so a benchmark can report how many one calculation makes.
std::atomic<long> allocations{0};
}  // namespace

[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace kadenzo;

// Reports the heap allocations per iteration of the benchmark loop that just ran.
class AllocationCounter {
public:
    explicit AllocationCounter(benchmark::State& state) : state_(state), start_(allocations) {}
    ~AllocationCounter() {
        state_.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations - start_),
                                                       benchmark::Counter::kAvgIterations);
    }
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

private:
    benchmark::State& state_;
    long start_;
};

const SpeedInput speedInputs[] = {
    {"10", "0", "0", "47", "0"},
    {"21", "97", "1", "45", "0"},
    {"42", "195", "3", "30", "58"},
};

const ClockTimeInput clockTimeInputs[] = {
    {"10", "000", "11", "5"},
    {"42", "195", "12", "0"},
    {"21", "098", "12", "50"},
};

void speedCalculation(benchmark::State& state) {
    const auto& input = speedInputs[state.range(0)];
    const AllocationCounter counter(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateSpeed(input));
    }
}
BENCHMARK(speedCalculation)->DenseRange(0, 2);

// The five conversions a speed calculation makes, and nothing else.
void speedConversionsAlone(benchmark::State& state) {
    const auto& input = speedInputs[state.range(0)];
    for (auto _ : state) {
        for (const auto text :
             {input.km, input.metres, input.hours, input.minutes, input.seconds}) {
            benchmark::DoNotOptimize(textToInteger16(text));
        }
    }
}
BENCHMARK(speedConversionsAlone)->DenseRange(0, 2);

void clockTimeCalculation(benchmark::State& state) {
    const auto& input = clockTimeInputs[state.range(0)];
    const AllocationCounter counter(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateClockTime(input));
    }
}
BENCHMARK(clockTimeCalculation)->DenseRange(0, 2);

// The four conversions a clock-time calculation makes, and nothing else.
void clockTimeConversionsAlone(benchmark::State& state) {
    const auto& input = clockTimeInputs[state.range(0)];
    for (auto _ : state) {
        for (const auto text : {input.km, input.metres, input.hundredths}) {
            benchmark::DoNotOptimize(textToInteger16(text));
        }
        benchmark::DoNotOptimize(textToDouble(input.wholeKmh));
    }
}
BENCHMARK(clockTimeConversionsAlone)->DenseRange(0, 2);

// A pasted megabyte in the whole-km/h field: the conversion stays linear.
void clockTimeMegabyteSpeedText(benchmark::State& state) {
    const std::string zeros(std::size_t{1} << 20, '0');
    const std::string wholeKmh = zeros + "12";
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateClockTime({"10", "0", wholeKmh, "0"}));
    }
}
BENCHMARK(clockTimeMegabyteSpeedText);

}  // namespace
