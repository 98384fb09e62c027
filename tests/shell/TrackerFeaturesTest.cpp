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
    QAction* lastAction(QMenu* menu) const { return menu->actions().last(); }
};

}  // namespace

TEST_F(TrackerFeaturesTest, MenusComeAfterTheExistingItemsAndTheViewIsRemembered) {
    load();
    const QStringList configBefore = [&] {
        QStringList texts;
        for (QAction* a : main->ui().menuConfig->actions()) {
            texts << a->text();
        }
        return texts;
    }();
    const int toolsBefore = static_cast<int>(main->ui().menuTools->actions().size());
    auto features = std::make_unique<TrackerFeatures>(ctx, *main);

    QAction* mini = lastAction(main->ui().menuConfig);
    EXPECT_EQ(mini->text(), QStringLiteral("ミニ表示"));
    EXPECT_EQ(main->ui().menuConfig->actions().size(), configBefore.size() + 1);
    const QList<QAction*> tools = main->ui().menuTools->actions();
    ASSERT_EQ(tools.size(), toolsBefore + 2);
    EXPECT_EQ(tools[toolsBefore]->text(), QStringLiteral("結果をコピー"));
    EXPECT_EQ(tools[toolsBefore + 1]->text(), QStringLiteral("認識失敗の画像を開く"));

    mini->trigger();
    ASSERT_NE(features->miniView(), nullptr);
    EXPECT_TRUE(features->miniView()->isVisible());
    features.reset();
    {
        QSettings file(extraSettingsPath(paths), QSettings::IniFormat);
        EXPECT_TRUE(file.value(QStringLiteral("MiniView/Shown")).toBool());
    }
    // A new start shows it again from the remembered setting.
    features = std::make_unique<TrackerFeatures>(ctx, *main);
    EXPECT_TRUE(features->miniView() != nullptr && features->miniView()->isVisible());
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("TK2LConfig.ini"))));
}

TEST_F(TrackerFeaturesTest, ClosingTheViewUnchecksItUnlessTheProgramIsClosing) {
    load();
    TrackerFeatures features(ctx, *main);
    QAction* mini = lastAction(main->ui().menuConfig);
    const auto remembered = [&] {
        QSettings file(extraSettingsPath(paths), QSettings::IniFormat);
        return file.value(QStringLiteral("MiniView/Shown")).toBool();
    };

    mini->trigger();
    features.miniView()->close();  // the window manager's close
    EXPECT_FALSE(mini->isChecked());
    EXPECT_FALSE(remembered());

    mini->trigger();
    run.Closing = true;
    features.miniView()->close();
    EXPECT_TRUE(mini->isChecked());
    EXPECT_TRUE(remembered());
}

TEST_F(TrackerFeaturesTest, CopyPutsTheSummaryOnTheClipboardAndReviewFolderOpens) {
    load();
    TrackerFeatures features(ctx, *main);
    platform.setNow(QDateTime(QDate(2026, 12, 6), QTime(20, 0)));
    main->ui().menuRun->trigger();
    measure(57, 6000, 1000000);
    platform.advance(135 * 60 * 1000LL);
    measure(58, 100, 2234567);

    QGuiApplication::clipboard()->clear();
    lastAction(main->ui().menuTools)->trigger();  // opens the review folder
    main->ui().menuTools->actions()[main->ui().menuTools->actions().size() - 2]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("LaTale 2026/12/06 20:00-22:15 (2時間15分) Lv57→58 Exp+41.00% "
                             "(18.2%/h) ELY+1,234,567 (548,696/h)"));
    ASSERT_EQ(platform.opened.size(), 1);
    EXPECT_TRUE(platform.opened[0].endsWith(QStringLiteral("/ss/NG/")));
    EXPECT_TRUE(QFileInfo(platform.opened[0]).isDir());
}

}  // namespace bm::test
