#include "platform/PlatformFactory.h"

#include "platform/x11/X11Platform.h"

namespace bm {

std::unique_ptr<Platform> makePlatform() {
    return std::make_unique<X11Platform>();
}

}  // namespace bm
