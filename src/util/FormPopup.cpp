#include "util/FormPopup.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "app/Settings.h"
#include "app/WaitClock.h"
#include "util/PopupAnswers.h"

namespace bm {

FormPopup::FormPopup(AppContext& ctx, WaitFunction wait)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ctx_(ctx),
      wait_(wait ? std::move(wait) : WaitFunction([&platform = ctx.platform](int ms) {
          WaitMilliseconds(platform, ms);
      })) {
    setObjectName(QStringLiteral("FormPopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("メッセージ"));
    lblPopUpMsg_ = new QLabel(this);
    lblPopUpMsg_->setObjectName(QStringLiteral("lblPopUpMsg"));
    lblPopUpMsg_->setTextFormat(Qt::PlainText);
    resize(kDefaultWidth, kDefaultHeight);
}

void FormPopup::setMessage(const QString& text) {
    lblPopUpMsg_->setText(text);
    centreLabel();
}

QString FormPopup::message() const {
    return lblPopUpMsg_->text();
}

void FormPopup::setMessageFontSize(int pointSize) {
    QFont font = lblPopUpMsg_->font();
    font.setPointSize(pointSize);
    lblPopUpMsg_->setFont(font);
    centreLabel();
}

void FormPopup::resetSize() {
    resize(kDefaultWidth, kDefaultHeight);
    centreLabel();
}

// The label sits in the middle of the inner area. A label larger than the
// inner area makes the window grow to the label plus twice the frame, the
// label then starting at the inner edge. The window never shrinks here.
void FormPopup::centreLabel() {
    lblPopUpMsg_->adjustSize();
    const QSize label = lblPopUpMsg_->size();
    const QSize frame = frameGeometry().size() - size();  // title bar and borders
    QSize inner = size();
    int top = (inner.height() - label.height()) / 2;
    if (top < 0) {
        inner.setHeight(label.height() + frame.height());
        top = 0;
    }
    int left = (inner.width() - label.width()) / 2;
    if (left < 0) {
        inner.setWidth(label.width() + frame.width());
        left = 0;
    }
    if (inner != size()) {
        resize(inner);
    }
    lblPopUpMsg_->move(left, top);
    lblPopUpMsg_->repaint();
}

void FormPopup::closeEvent(QCloseEvent* event) {
    // Only the user's close box is refused, and not while the program closes.
    if (!event->spontaneous() || ctx_.run.Closing) {
        event->accept();
        return;
    }
    event->ignore();
    const int attempt = ++closeAttempts_;
    const QString restore = message();
    // The answer runs after the close request has been dealt with, so that a
    // further click on the close box during the answer is a fresh request
    // with its own answer.
    QTimer::singleShot(0, this, [this, attempt, restore] { answerCloseAttempt(attempt, restore); });
}

void FormPopup::answerCloseAttempt(int attempt, QString restore) {
    // The window may be destroyed while an answer waits (the program ends);
    // keep what the rest of the answer needs outside the object.
    const QPointer<FormPopup> self(this);
    const WaitFunction wait = wait_;
    const RunState& run = ctx_.run;
    for (const PopupFrame& frame : PopupAnswer(attempt, ctx_.settings.SearchWindowName)) {
        setMessage(frame.text);
        if (frame.waitMs > 0) {
            wait(frame.waitMs);
            if (self.isNull()) {
                return;
            }
            if (run.Closing) {
                break;  // the program is closing: the rest is skipped
            }
        }
    }
    if (!run.Closing) {
        wait(kPopupAnswerPauseMs);
        if (self.isNull()) {
            return;
        }
    }
    setMessage(restore);
}

}  // namespace bm
