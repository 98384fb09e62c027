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

// The close box is refused only while the program runs: closed by the program,
// or when the program is closing (also in the middle of an answer), it closes.
TEST_F(FormPopupTest, ClosesWhenClosedByTheProgramOrWhileTheProgramCloses) {
    form().close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());

    popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    for (int c = 1; c < 25; ++c) {
        clickCloseBox(form());
    }
    waits.clear();
    duringWait = [&] { t.run.Closing = true; };
    clickCloseBox(form());  // the first of the long animations is cut short
    EXPECT_EQ(waits.size(), 1u);
    EXPECT_EQ(label()->text(), kOwnMessage);
    clickCloseBox(form());
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().closeAttempts(), 25);
}

}  // namespace
}  // namespace bm
