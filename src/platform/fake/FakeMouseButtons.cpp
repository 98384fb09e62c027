#include "platform/fake/FakeMouseButtons.h"

namespace bm {

void FakeMouseButtons::send(const QList<QPair<bool, bool>>& events) {
    emit buttons(events);
}

void FakeMouseButtons::click(bool left) {
    send({{left, true}, {left, false}});
}

void FakeMouseButtons::clickBoth() {
    send({{true, true}, {false, true}});
    send({{true, false}, {false, false}});
}

}  // namespace bm
