#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "FormMainFixture.h"
#include "measure/MeasureStep.h"
#include "shell/TrackerFeatures.h"

namespace bm::test {

using TrackerFeaturesTest = FormMainFixture;

TEST_F(TrackerFeaturesTest, CopyPutsTheSummaryOnTheClipboard) {
    load();
    TrackerFeatures features(ctx, *main);
    const auto measure = [this](std::int32_t lv, std::int64_t exp, std::int64_t money) {
        run.LvNow = lv;
        run.ExpNow = Currency::fromInt(exp);
        run.MoneyNow = Currency::fromInt(money);
        MeasureStep(main->measure());
    };
    platform.setNow(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    main->ui().menuRun->trigger();
    measure(57, 6000, 1000000);
    platform.advance(135 * 60 * 1000LL);
    measure(58, 100, 2234567);

    QGuiApplication::clipboard()->clear();
    const QList<QAction*> tools = main->ui().menuTools->actions();
    tools[tools.size() - 2]->trigger();  // copy
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("LaTale 2026/12/06 20:00-22:15 (2時間15分) Lv57→58 Exp+41.00% "
                             "(18.2%/h) ELY+1,234,567 (548,696/h)"));
}

}  // namespace bm::test
