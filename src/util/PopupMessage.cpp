#include "util/PopupMessage.h"

#include "app/AppContext.h"
#include "app/MiniViewPlacement.h"
#include "app/RunState.h"

namespace bm {

PopupMessage::PopupMessage(AppContext& ctx, FormPopup::WaitFunction wait)
    : ctx_(ctx), wait_(std::move(wait)) {}

PopupMessage::~PopupMessage() = default;

void PopupMessage::ShowPopupMessage(const QString& message, const QString& title, int fontSize) {
    if (!form_) {
        form_ = std::make_unique<FormPopup>(ctx_, wait_);
    }
    form_->setWindowTitle(title.isEmpty() ? QStringLiteral("メッセージ ") : title);
    form_->setMessageFontSize(fontSize);
    form_->setMessage(message);
    // The popup is read while the game runs: it must neither lie over the
    // game's capture regions (it would spoil the reads it may be reporting)
    // nor take the keyboard from the game.
    const std::vector<QRect> regions =
        CaptureRectsOnScreen(ctx_.platform, ctx_.run.GameWindow.window, ctx_.settings);
    if (!regions.empty()) {
        const QRect outer(form_->pos(), form_->frameGeometry().size().expandedTo(form_->size()));
        if (const QPoint to = MoveOffRects(outer, regions, QRect()); to != outer.topLeft()) {
            form_->move(to);
        }
    }
    form_->show();
    ctx_.run.PopupShown = true;
}

void PopupMessage::HidePopupMessage() {
    if (form_) {
        form_->hide();
    }
    ctx_.run.PopupShown = false;
}

void PopupMessage::resetSize() {
    if (form_) {
        form_->resetSize();
    }
}

}  // namespace bm
