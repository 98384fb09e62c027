#pragma once

#include <QString>
#include <memory>

#include "util/FormPopup.h"

namespace bm {

struct AppContext;

// Shows and hides the popup window for the rest of the program. The window
// is created on first use and then lives until the owner goes; RunState's
// PopupShown tells whether it is showing.
class PopupMessage {
public:
    explicit PopupMessage(AppContext& ctx, FormPopup::WaitFunction wait = {});
    ~PopupMessage();

    // Caption `title` ("メッセージ " when empty), the message in the given
    // font size; shown modeless without an owner.
    void ShowPopupMessage(const QString& message, const QString& title, int fontSize);
    // Hides the window; never counts as a close attempt.
    void HidePopupMessage();
    // Back to the default size (a new measuring run does this).
    void resetSize();

    // The window, or nullptr before the first ShowPopupMessage.
    FormPopup* form() const { return form_.get(); }

private:
    AppContext& ctx_;
    FormPopup::WaitFunction wait_;
    std::unique_ptr<FormPopup> form_;
};

}  // namespace bm
