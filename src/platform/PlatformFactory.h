#pragma once

#include <memory>

#include "platform/Platform.h"

namespace bm {

// The platform of the window system this build runs on. The one place that
// names an implementation: a new backend is a folder beside x11/ and a line
// here.
std::unique_ptr<Platform> makePlatform();

}  // namespace bm
