#include "graph/clsGraphFormat.h"

namespace bm {

void clsGraphFormat::Clear() {
    time_ = 0.0;
    rateE_ = Currency();
    rateM_ = Currency();
    rateAveE_ = Currency();
    rateAveM_ = Currency();
}

}  // namespace bm
