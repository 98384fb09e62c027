#pragma once

#include <functional>

#include "util/AppContext.h"

namespace bm {

class MainView;
class GraphSink;

// What the capture cycle, the measurement step, the runs and the watch work
// with: the shared state and services, the main window, its graph buffer
// (null while there is none) and the re-seed of the random tools.
struct MeasureContext {
    AppContext& app;
    MainView& view;
    GraphSink* graph = nullptr;
    std::function<void()> seedRandom;
};

}  // namespace bm
