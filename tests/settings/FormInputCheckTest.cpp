#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "settings/FormInputCheck.h"
#include "support/ScriptedPrompt.h"

namespace bm {
namespace {

class FormInputCheckTest : public ::testing::Test {
protected:
    QLineEdit* input() { return dialog.findChild<QLineEdit*>(QStringLiteral("txtInput")); }
    QPushButton* button(const char* name) {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }
    QString label(const char* name) {
        return dialog.findChild<QLabel*>(QLatin1String(name))->text();
    }
    void type(const QString& text) {
        input()->setText(text);  // as if pasted
    }
    void press(int key, const QString& text = {}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(input(), &down);
    }
    QStringList messages() const { return prompt.texts(); }
    // The window system's close request, as from the close box.
    void clickCloseBox() {
        QCloseEvent request;
        QApplication::sendEvent(dialog.windowHandle(), &request);
    }

    // Runs one call; `user` acts while the dialog is open and must end it.
    double run(const InputNumber& min, const InputNumber& max, const InputNumber& ini,
               const InputNumber& increment, const std::function<void()>& user,
               const QString& title = QStringLiteral("設定値入力")) {
        QTimer::singleShot(0, &dialog, [&] {
            captionWhileOpen = dialog.openCaption();
            user();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog.reject();
            }
        });
        return dialog.InputCheckBox(min, max, ini, increment, QStringLiteral("prompt"), title);
    }

    test::ScriptedPrompt prompt;
    FormInputCheck dialog{prompt};
    QString captionWhileOpen;
};

TEST_F(FormInputCheckTest, SwappedBoundsAreOrderedAndCheckedOnAccept) {
    const double result = run(800, 0, 5, 1, [&] {
        EXPECT_EQ(label("lblminV"), QStringLiteral("0"));
        EXPECT_EQ(label("lblmaxv"), QStringLiteral("800"));
        EXPECT_EQ(input()->text(), QStringLiteral("5"));
        EXPECT_EQ(input()->selectedText(), QStringLiteral("5"));
        type(QStringLiteral("801"));
        button("cmdEnter")->click();
        EXPECT_TRUE(dialog.isVisible());
        type(QStringLiteral("-1"));
        button("cmdEnter")->click();
        EXPECT_TRUE(dialog.isVisible());
        type(QStringLiteral("800"));
        button("cmdEnter")->click();
    });
    EXPECT_EQ(result, 800);
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("入力上限を超えています"),
                                       QStringLiteral("入力下限を超えています")}));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("入力エラー"));
}

TEST_F(FormInputCheckTest, StepsStopAtTheBoundsAndUseTheAbsoluteIncrement) {
    const double result = run(1, 10, 3, -5, [&] {
        button("cmdDec")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("1"));
        button("cmdInc")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("6"));
        button("cmdInc")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("10"));
        button("cmdInc")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("10"));
        type(QStringLiteral("0.1"));
        button("cmdEnter")->click();  // below the bound: refused
        button("cmdCancel")->click();
    });
    EXPECT_EQ(result, FormInputCheck::kCancelled);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("入力下限を超えています")});
}

TEST_F(FormInputCheckTest, FractionalStepsFromATextShowCleanNumbers) {
    const double result = run(0, 1, QStringLiteral("0.10"), 0.1, [&] {
        EXPECT_EQ(input()->text(), QStringLiteral("0.10"));
        button("cmdInc")->click();
        button("cmdInc")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("0.3"));
        button("cmdEnter")->click();
    });
    EXPECT_DOUBLE_EQ(result, 0.3);
}

TEST_F(FormInputCheckTest, ExponentsAndExactBoundsAreAccepted) {
    EXPECT_EQ(run(0, 2000, 1, 1,
                  [&] {
                      type(QStringLiteral("1E3"));
                      button("cmdEnter")->click();
                  }),
              1000);
    EXPECT_EQ(run(QStringLiteral("2"), QStringLiteral("32000"), 10, 1,
                  [&] {
                      type(QStringLiteral(" 2 "));
                      button("cmdEnter")->click();
                  }),
              2);
    EXPECT_EQ(run(2, 32000, 10, 1,
                  [&] {
                      type(QStringLiteral("32000"));
                      button("cmdEnter")->click();
                  }),
              32000);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(FormInputCheckTest, InvalidCharactersAreRefusedByStepAndAccept) {
    const double result = run(0, 100, 1, 1, [&] {
        type(QStringLiteral("12a"));
        button("cmdInc")->click();
        EXPECT_EQ(input()->text(), QStringLiteral("12a"));
        button("cmdEnter")->click();
        EXPECT_TRUE(dialog.isVisible());
        type(QStringLiteral("12"));
        button("cmdEnter")->click();
    });
    EXPECT_EQ(result, 12);
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("無効文字が含まれています。"),
                                       QStringLiteral("無効文字が含まれています。")}));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("入力チェック"));
}

TEST_F(FormInputCheckTest, TypingKeepsOnlyNumberCharactersAndEnterOnlyMovesFocus) {
    const double result = run(0, 100000, 0, 1, [&] {
        input()->clear();
        press(Qt::Key_1, QStringLiteral("1"));
        press(Qt::Key_A, QStringLiteral("a"));
        press(Qt::Key_Space, QStringLiteral(" "));
        press(Qt::Key_E, QStringLiteral("E"));
        press(Qt::Key_3, QStringLiteral("3"));
        press(Qt::Key_Plus, QStringLiteral("+"));
        EXPECT_EQ(input()->text(), QStringLiteral("1E3"));
        press(Qt::Key_Backspace);
        EXPECT_EQ(input()->text(), QStringLiteral("1E"));
        press(Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_TRUE(dialog.isVisible()) << "Enter does not accept by itself";
        EXPECT_EQ(dialog.focusWidget(), button("cmdEnter"));
        button("cmdEnter")->click();
    });
    EXPECT_EQ(result, 1);  // "1E" reads as 1
}

TEST_F(FormInputCheckTest, CancelAndCloseBoxReturnTheCancelValue) {
    EXPECT_EQ(run(0, 100, 5, 1, [&] { button("cmdCancel")->click(); }), FormInputCheck::kCancelled);
    EXPECT_EQ(run(0, 100, 5, 1, [&] { clickCloseBox(); }), FormInputCheck::kCancelled);
    EXPECT_EQ(run(0, 100, 5, 1, [&] { press(Qt::Key_Escape, QStringLiteral("\x1b")); }),
              FormInputCheck::kCancelled);
    // The dialog serves the next call as usual.
    EXPECT_EQ(run(0, 100, 5, 1, [&] { button("cmdEnter")->click(); }), 5);
}

TEST_F(FormInputCheckTest, OpenStateIsTheCaptionOfARunningCall) {
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_TRUE(dialog.openCaption().isEmpty());

    run(0, 100, 5, 1, [&] { button("cmdEnter")->click(); });
    EXPECT_EQ(captionWhileOpen, QStringLiteral("設定値入力"));
    EXPECT_FALSE(dialog.isOpen());

    run(
        0, 100, 5, 1, [&] { button("cmdCancel")->click(); }, QString());
    EXPECT_EQ(captionWhileOpen, QStringLiteral("パラメータ入力"));
    EXPECT_FALSE(dialog.isOpen());

    run(0, 100, 5, 1, [&] {
        EXPECT_TRUE(dialog.isOpen());
        clickCloseBox();
    });
    EXPECT_FALSE(dialog.isOpen());
}

}  // namespace
}  // namespace bm
