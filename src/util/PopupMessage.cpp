#include "util/PopupMessage.h"

#include "app/AppContext.h"
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
