#pragma once

#include <QString>

namespace bm {

// The texts of the result panel's twelve labels: start, latest and
// increase of time, level, Exp and money. The start values of a run are kept
// nowhere else; the increases are computed from these texts.
struct ResultPanel {
    QString lblStartTime;
    QString lblStartLv;
    QString lblStartExp;
    QString lblStartMoney;
    QString lblEndTime;
    QString lblEndLv;
    QString lblEndExp;
    QString lblEndMoney;
    QString lblElapseTime;
    QString lblElapseLv;
    QString lblElapseExp;
    QString lblElapseMoney;

    bool operator==(const ResultPanel&) const = default;
};

}  // namespace bm
