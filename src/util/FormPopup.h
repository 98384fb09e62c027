#pragma once

#include <QWidget>
#include <functional>

class QLabel;

namespace bm {

struct AppContext;

// The small modeless message window. The user cannot close it with the close
// box: each attempt is refused and answered with a joke or a little text
// animation, after which the window shows its own message again. It closes
// normally while the program is closing and for any other close request.
class FormPopup : public QWidget {
    Q_OBJECT

public:
    // Waits the given milliseconds while the user interface keeps running.
    using WaitFunction = std::function<void(int)>;

    // The window's size until a message needs more room.
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 73;

    // `wait` paces the answers; empty means WaitMilliseconds on the context's
    // platform.
    explicit FormPopup(AppContext& ctx, WaitFunction wait = {});

    // Puts a text into lblPopUpMsg, grows the window when the text needs more
    // room and centres the label.
    void setMessage(const QString& text);
    QString message() const;
    void setMessageFontSize(int pointSize);
    // Back to the default size, the label centred again.
    void resetSize();

    int closeAttempts() const { return closeAttempts_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Shows the answer to one refused close attempt, then `restore` again.
    void answerCloseAttempt(int attempt, QString restore);
    void centreLabel();

    AppContext& ctx_;
    WaitFunction wait_;
    QLabel* lblPopUpMsg_;
    int closeAttempts_ = 0;
};

}  // namespace bm
