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

struct Shown {
    QString text;
    int waitMs;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
    *os << '{' << s.text.toStdString() << ", " << s.waitMs << '}';
}

const QString kOwnMessage = QStringLiteral("LaTale Clientが起動していません");

class FormPopupTest : public ::testing::Test {
protected:
    FormPopupTest() {
        t.settings.SearchWindowName = QStringLiteral("LaTale Client");
        popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    }

    FormPopup& form() { return *popup.form(); }
    QLabel* label() { return form().findChild<QLabel*>(QStringLiteral("lblPopUpMsg")); }

    // A click on the close box: the window system's close request reaches
    // the native window; the answer then runs at once.
    void clickCloseBox() {
        QCloseEvent request;
        QCoreApplication::sendEvent(form().windowHandle(), &request);
        QCoreApplication::processEvents();
    }

    // Frames expected for an answer: each with its wait, then the pause.
    static std::vector<Shown> expected(int attempt, const QString& name = {}) {
        std::vector<Shown> out;
        for (const auto& f : PopupAnswer(attempt, name)) {
            if (f.waitMs > 0) {
                out.push_back({f.text, f.waitMs});
            } else {
                out.push_back({f.text, kPopupAnswerPauseMs});
            }
        }
        return out;
    }

    test::TestContext<> t;
    std::vector<Shown> waits;  // label text and wait, for every wait
    std::function<void()> duringWait;
    PopupMessage popup{t.ctx, [this](int ms) {
                           waits.push_back({label()->text(), ms});
                           if (duringWait) {
                               auto action = std::exchange(duringWait, nullptr);
                               action();
                           }
                       }};
};

TEST_F(FormPopupTest, ShowSetsCaptionFontAndFlagAndHideNeverCountsAsClosing) {
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(t.run.PopupShown);
    EXPECT_EQ(form().windowTitle(), QStringLiteral("エラー"));
    EXPECT_EQ(label()->text(), kOwnMessage);
    EXPECT_EQ(label()->font().pointSize(), 14);

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

TEST_F(FormPopupTest, CloseBoxIsRefusedWithTheAnswersInOrder) {
    clickCloseBox();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(waits, (std::vector<Shown>{{QStringLiteral("閉じないでください。"), 1000}}));
    EXPECT_EQ(label()->text(), kOwnMessage);

    waits.clear();
    clickCloseBox();
    EXPECT_EQ(
        waits,
        (std::vector<Shown>{{QStringLiteral("LaTale Clientを起動すれば勝手に閉じますよ"), 1000}}));

    std::map<int, std::vector<Shown>> answers;
    for (int c = 3; c <= 200; ++c) {
        waits.clear();
        clickCloseBox();
        answers[c] = waits;
        ASSERT_EQ(label()->text(), kOwnMessage) << "restored after attempt " << c;
    }
    EXPECT_EQ(form().closeAttempts(), 200);
    EXPECT_TRUE(form().isVisible());

    // The disk-format joke: four frames, three of two seconds.
    ASSERT_EQ(answers[19].size(), 4u);
    EXPECT_EQ(answers[19][0],
              (Shown{QStringLiteral("ハードディスクフォーマット\r\n始めるよ！"), 2000}));
    EXPECT_EQ(answers[19][3], (Shown{QStringLiteral("Σ(ﾟдﾟlll)ｶﾞｰﾝ"), 1000}));
    EXPECT_EQ(answers[19], expected(19));
    EXPECT_EQ(answers[59],
              (std::vector<Shown>{
                  {QStringLiteral("ここからはさきほどの内容を早送りでお送りします"), 1000}}));
    // The first fast replay: three frames a second apart.
    ASSERT_EQ(answers[60].size(), 3u);
    EXPECT_EQ(answers[60], expected(60));
    EXPECT_EQ(answers[60][0].waitMs, 1000);
    EXPECT_EQ(answers[110],
              (std::vector<Shown>{{QStringLiteral("ちょｗどんだけ暇ですかっ！？"), 1000}}));
    EXPECT_EQ(answers[109][0].text, QStringLiteral("おしまい"));
    EXPECT_EQ(answers[111], (std::vector<Shown>{{QStringLiteral("まじでおしまい"), 1000}}));
    EXPECT_EQ(answers[199][0].text, QStringLiteral("まじでおしまい"));
    EXPECT_EQ(answers[200],
              (std::vector<Shown>{{QStringLiteral(" っ 「キング・オブ・ひまじん」"), 1000}}));
}

TEST_F(FormPopupTest, NestedAttemptRestoresTheTextItFoundAndTheOuterOneItsOwn) {
    QString seenAfterNested;
    duringWait = [&] {
        // A second click while the first answer is still showing.
        clickCloseBox();
        seenAfterNested = label()->text();
    };
    clickCloseBox();

    EXPECT_EQ(form().closeAttempts(), 2);
    EXPECT_EQ(waits, (std::vector<Shown>{
                         {QStringLiteral("閉じないでください。"), 1000},
                         {QStringLiteral("LaTale Clientを起動すれば勝手に閉じますよ"), 1000}}));
    EXPECT_EQ(seenAfterNested, QStringLiteral("閉じないでください。"));
    EXPECT_EQ(label()->text(), kOwnMessage);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(FormPopupTest, ClosesNormallyWhileTheProgramClosesOrWhenClosedByTheProgram) {
    form().close();  // not the user's close box
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().closeAttempts(), 0);

    popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    t.run.Closing = true;
    clickCloseBox();
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().closeAttempts(), 0);
    EXPECT_TRUE(waits.empty());
}

TEST_F(FormPopupTest, ProgramClosingDuringAnAnimationCutsItShort) {
    for (int c = 1; c < 25; ++c) {
        clickCloseBox();
    }
    waits.clear();
    duringWait = [&] { t.run.Closing = true; };
    clickCloseBox();  // animation A
    EXPECT_EQ(waits.size(), 1u);
    EXPECT_EQ(label()->text(), kOwnMessage);
}

TEST_F(FormPopupTest, LabelStaysCentredAndTheWindowGrowsForLargerTexts) {
    popup.resetSize();
    QLabel* l = label();
    EXPECT_EQ(form().size(), QSize(FormPopup::kDefaultWidth, FormPopup::kDefaultHeight));
    EXPECT_EQ(l->x(), (form().width() - l->width()) / 2);
    EXPECT_EQ(l->y(), (form().height() - l->height()) / 2);
    EXPECT_GT(l->x(), 0);

    const QString wide = QString(120, QChar(0x3042));  // far wider than 400 pixels
    popup.ShowPopupMessage(wide, QString(), 14);
    EXPECT_GE(form().width(), l->width());
    EXPECT_EQ(l->x(), 0);
    const int grownWidth = form().width();

    popup.ShowPopupMessage(QStringLiteral("short"), QString(), 14);
    EXPECT_EQ(form().width(), grownWidth) << "the window does not shrink by itself";
    EXPECT_EQ(l->x(), (form().width() - l->width()) / 2);

    popup.ShowPopupMessage(QStringLiteral("short"), QString(), 14);
    popup.resetSize();
    EXPECT_EQ(form().size(), QSize(FormPopup::kDefaultWidth, FormPopup::kDefaultHeight));
    EXPECT_EQ(l->y(), (form().height() - l->height()) / 2);
}

// Without a wait of its own the popup paces its answers on the program's
// clock, so the waits of a close attempt show on the platform's counter.
TEST(FormPopupDefaultWait, AnswersWaitOnThePlatformClock) {
    test::TestContext<> t;
    PopupMessage popup{t.ctx};
    popup.ShowPopupMessage(kOwnMessage, QStringLiteral("エラー"), 14);
    const std::uint32_t before = t.platform.tickCount();
    const int pumpsBefore = t.platform.pumpCalls;
    QCloseEvent request;
    QCoreApplication::sendEvent(popup.form()->windowHandle(), &request);
    QCoreApplication::processEvents();
    // The first answer is one frame and the pause after it, which lasts at
    // least 1 ms longer than asked.
    EXPECT_GT(t.platform.tickCount() - before, static_cast<std::uint32_t>(kPopupAnswerPauseMs));
    EXPECT_GT(t.platform.pumpCalls, pumpsBefore);
    EXPECT_TRUE(popup.form()->isVisible());
}

}  // namespace
}  // namespace bm
