#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSettings>

#include "FormMainFixture.h"
#include "measure/FormMiniView.h"
#include "measure/MeasureStep.h"
#include "settings/ExtraSettings.h"
#include "shell/TrackerFeatures.h"

namespace bm::test {

namespace {

class TrackerFeaturesTest : public FormMainFixture {
protected:
    void measure(std::int32_t lv, std::int64_t exp, std::int64_t money) {
        run.LvNow = lv;
        run.ExpNow = Currency::fromInt(exp);
        run.MoneyNow = Currency::fromInt(money);
        MeasureStep(main->measure());
    }
    QAction* miniItem() const { return main->ui().menuConfig->actions().last(); }
    bool miniViewRemembered() const {
        return QSettings(extraSettingsPath(paths), QSettings::IniFormat)
            .value(QStringLiteral("MiniView/Shown"))
            .toBool();
    }
};

}  // namespace

// The mini view is remembered across starts, also when the program's closing
// closes it, and forgotten when the user closes it.
TEST_F(TrackerFeaturesTest, TheMiniViewIsRememberedUnlessTheUserClosesIt) {
    load();
    auto features = std::make_unique<TrackerFeatures>(ctx, *main);
    miniItem()->trigger();
    run.Closing = true;
    features->miniView()->close();
    features.reset();
    EXPECT_TRUE(miniViewRemembered());
    run.Closing = false;
    features = std::make_unique<TrackerFeatures>(ctx, *main);
    ASSERT_TRUE(features->miniView() != nullptr && features->miniView()->isVisible());
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("TK2LConfig.ini"))));

    features->miniView()->close();  // the window manager's close
    EXPECT_FALSE(miniItem()->isChecked());
    EXPECT_FALSE(miniViewRemembered());
}

TEST_F(TrackerFeaturesTest, CopyPutsTheSummaryOnTheClipboard) {
    load();
    TrackerFeatures features(ctx, *main);
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
