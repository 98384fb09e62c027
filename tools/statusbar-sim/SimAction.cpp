#include "SimAction.h"

namespace bm::sim {

void applyToState(const SimAction& action, SimState& state) {
    switch (action.kind) {
        case SimAction::Kind::SetValue:
            if (action.field == Field::Lv) {
                state.lv = static_cast<int>(action.value);
            } else if (action.field == Field::Exp) {
                state.expHundredths = action.value;
            } else {
                state.money = action.value;
            }
            state.lookOf(action.field) = Look::Shown;
            break;
        case SimAction::Kind::Hide:
            state.lookOf(action.field) = Look::Hidden;
            break;
        case SimAction::Kind::Show:
            state.lookOf(action.field) = Look::Shown;
            break;
        case SimAction::Kind::Unreadable:
            state.lookOf(action.field) = Look::Unreadable;
            break;
        case SimAction::Kind::Mode:
            state.fullScreen = action.flag;
            break;
        case SimAction::Kind::Position:
            state.position = static_cast<int>(action.value);
            break;
        case SimAction::Kind::LvSet:
            state.windows7Lv = action.flag;
            break;
        case SimAction::Kind::FocusAway:
        case SimAction::Kind::FocusBack:
        case SimAction::Kind::Move:
        case SimAction::Kind::Close:
            break;
    }
}

}  // namespace bm::sim
