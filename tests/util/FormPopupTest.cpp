#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QWindow>
#include <functional>

#include "support/TestContext.h"
#include "util/PopupAnswers.h"
#include "util/PopupMessage.h"

namespace bm {
namespace {

const QString kOwnMessage = QStringLiteral("LaTale Clientが起動していません");

// Sends the window system's close request, as a click on the close box does.
void clickCloseBox(FormPopup& form) {
    QCloseEvent request;
    QCoreApplication::sendEvent(form.windowHandle(), &request);
    QCoreApplication::processEvents();
}

class FormPopupTest : public ::testing::Test {
protected:
    FormPopupTest() {
        t.settings.SearchWindowName = QStringLiteral("LaTale Client");
        popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    }

    FormPopup& form() { return *popup.form(); }
    QLabel* label() { return form().findChild<QLabel*>(QStringLiteral("lblPopUpMsg")); }

    test::TestContext<> t;
    std::vector<PopupFrame> waits;  // label text and wait, for every wait
    std::function<void()> duringWait;
    PopupMessage popup{t.ctx, [this](int ms) {
                           waits.push_back({label()->text(), ms});
                           if (duringWait) {
                               std::exchange(duringWait, nullptr)();
                           }
                       }};
};

TEST_F(FormPopupTest, HidingNeverCountsAsClosingAndAnEmptyTitleGetsTheDefault) {
    EXPECT_TRUE(t.run.PopupShown);
    popup.HidePopupMessage();
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(t.run.PopupShown);
    QCoreApplication::processEvents();
    EXPECT_EQ(form().closeAttempts(), 0);
    EXPECT_TRUE(waits.empty());

    popup.ShowPopupMessage(QStringLiteral("x"), QString(), 9);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("メッセージ "));
    EXPECT_TRUE(t.run.PopupShown);
}

TEST_F(FormPopupTest, CloseBoxIsRefusedWithEachAttemptsAnswerThenTheOwnMessage) {
    for (int c = 1; c <= 200; ++c) {
        waits.clear();
        clickCloseBox(form());
        // Each frame for its own wait, the last one for the closing pause.
        auto expected = PopupAnswer(c, QStringLiteral("LaTale Client"));
        expected.back().waitMs = kPopupAnswerPauseMs;
        ASSERT_EQ(waits, expected) << "attempt " << c;
        ASSERT_EQ(label()->text(), kOwnMessage) << "restored after attempt " << c;
    }
    EXPECT_EQ(form().closeAttempts(), 200);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(FormPopupTest, NestedAttemptRestoresTheTextItFoundAndTheOuterOneItsOwn) {
    QString seenAfterNested;
    duringWait = [&] {
        clickCloseBox(form());  // a second click while the first answer shows
        seenAfterNested = label()->text();
    };
    clickCloseBox(form());
    EXPECT_EQ(form().closeAttempts(), 2);
    EXPECT_EQ(waits.size(), 2u);
    EXPECT_EQ(seenAfterNested, QStringLiteral("閉じないでください。"));
    EXPECT_EQ(label()->text(), kOwnMessage);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(FormPopupTest, ClosesNormallyWhileTheProgramClosesOrWhenClosedByTheProgram) {
    form().close();  // not the user's close box
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());

    popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    t.run.Closing = true;
    clickCloseBox(form());
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().closeAttempts(), 0);
    EXPECT_TRUE(waits.empty());
}

TEST_F(FormPopupTest, ProgramClosingDuringAnAnimationCutsItShort) {
    for (int c = 1; c < 25; ++c) {
        clickCloseBox(form());
    }
    waits.clear();
    duringWait = [&] { t.run.Closing = true; };
    clickCloseBox(form());  // the first of the long animations
    EXPECT_EQ(waits.size(), 1u);
    EXPECT_EQ(label()->text(), kOwnMessage);
}

TEST_F(FormPopupTest, TheWindowGrowsForALongTextAndKeepsTheLabelInside) {
    popup.ShowPopupMessage(QString(120, QChar(0x3042)), QString(), 14);
    EXPECT_GE(form().width(), label()->width());
    EXPECT_GE(label()->x(), 0);
    popup.ShowPopupMessage(QStringLiteral("short"), QString(), 14);
    popup.resetSize();
    EXPECT_EQ(form().size(), QSize(FormPopup::kDefaultWidth, FormPopup::kDefaultHeight));
}

// Without a wait of its own the popup paces its answers on the program's
// clock, keeping the platform's events flowing.
TEST(FormPopupDefaultWait, AnswersWaitOnThePlatformClock) {
    test::TestContext<> t;
    PopupMessage popup{t.ctx};
    popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    const std::uint32_t before = t.platform.tickCount();
    clickCloseBox(*popup.form());
    EXPECT_GT(t.platform.tickCount() - before, static_cast<std::uint32_t>(kPopupAnswerPauseMs));
    EXPECT_GT(t.platform.pumpCalls, 0);
    EXPECT_TRUE(popup.form()->isVisible());
}

}  // namespace
}  // namespace bm
