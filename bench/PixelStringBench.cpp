#include <benchmark/benchmark.h>

#include <random>

#include "capture/PixelString.h"

namespace {

bm::PixelBuffer randomPixels(int width, int height) {
    std::mt19937 rng(1);
    bm::PixelBuffer buffer;
    buffer.width = width;
    buffer.height = height;
    buffer.pixels.resize(static_cast<size_t>(width) * height);
    for (auto& p : buffer.pixels) {
        p = rng() & 0x00FFFFFFu;
    }
    return buffer;
}

// Binarisation and encoding of one region; the rate counts every pixel of
// the region, also the rows below the sixteenth that never reach the text.
void encode(benchmark::State& state, int width, int height, int mask) {
    const bm::PixelBuffer pixels = randomPixels(width, height);
    for (auto _ : state) {
        QString text = bm::EncodePixelString(pixels, 186, mask);
        benchmark::DoNotOptimize(text);
    }
    state.counters["pixels/s"] = benchmark::Counter(static_cast<double>(width) * height,
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

void BM_EncodeMoneyRegion76x9(benchmark::State& state) {
    encode(state, 76, 9, -1);
}
void BM_EncodeMoneyRegion76x9Masked(benchmark::State& state) {
    encode(state, 76, 9, 50);
}
void BM_EncodeLargestRegion200x100(benchmark::State& state) {
    encode(state, 200, 100, -1);
}

}  // namespace

BENCHMARK(BM_EncodeMoneyRegion76x9);
BENCHMARK(BM_EncodeMoneyRegion76x9Masked);
BENCHMARK(BM_EncodeLargestRegion200x100);
