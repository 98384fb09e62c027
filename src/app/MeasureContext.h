#pragma once

#include <functional>

#include "app/AppContext.h"

namespace bm {

class MainView;
class GraphSink;
class CaptureObserver;

// What the capture cycle, the measurement step, the runs and the watch work
// with: the shared state and services, the main window, its graph buffer
// (null while there is none), the re-seed of the random tools and an
// observer of the captures (null when none listens).
struct MeasureContext {
    AppContext& app;
    MainView& view;
    GraphSink* graph = nullptr;
    std::function<void()> seedRandom;
    CaptureObserver* observer = nullptr;
};

}  // namespace bm
