#include "SimController.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "StatusBarPainter.h"

namespace bm::sim {

namespace {
const QSize ThiefSize(160, 60);
const QPoint DesktopInset(20, 20);
constexpr int FocusAgainMs = 300;
constexpr int ThiefDistance = 20;
}  // namespace

SimController::SimController(const Options& options)
    : options_(options), state_(options.state), out_(stdout) {
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SimController::runDue);
}

void SimController::addLine(const QString& line, int lineNumber) {
    const SimParse parsed = parseSimLine(line, lastAt_);
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "statusbar-sim: input line %d: %s\n", lineNumber,
                     qPrintable(parsed.error));
        return;
    }
    if (!parsed.command) {
        return;
    }
    lastAt_ = parsed.command->atSeconds;
    const auto later =
        std::upper_bound(pending_.begin(), pending_.end(), lastAt_,
                         [](double at, const SimCommand& c) { return at < c.atSeconds; });
    pending_.insert(later, *parsed.command);
}

bool SimController::loadScript(const QString& text, QString& error) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const SimParse parsed = parseSimLine(lines[i], lastAt_);
        if (!parsed.error.isEmpty()) {
            error = QStringLiteral("line %1: %2").arg(i + 1).arg(parsed.error);
            return false;
        }
        addLine(lines[i], i + 1);
    }
    return true;
}

void SimController::listenToStandardInput() {
    input_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(input_.get(), &QSocketNotifier::activated, this, &SimController::readInput);
}

void SimController::readInput() {
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) {
        input_->setEnabled(false);  // end of input: the schedule runs on
        return;
    }
    inputBuffer_.append(chunk, n);
    qsizetype end = 0;
    while ((end = inputBuffer_.indexOf('\n')) >= 0) {
        addLine(QString::fromUtf8(inputBuffer_.left(end)), ++inputLine_);
        inputBuffer_.remove(0, end + 1);
    }
    schedule();
}

void SimController::start() {
    window_ = std::make_unique<SimWindow>(options_.title, renderStatusBar(state_));
    connect(window_.get(), &SimWindow::firstPainted, this,
            [this]() { say(QStringLiteral("ready")); });
    if (options_.desktopSize.isValid()) {
        QImage teal(options_.desktopSize, QImage::Format_RGB32);
        teal.fill(QColor(0, 128, 128));
        desktop_ = std::make_unique<SimWindow>(QStringLiteral("Default - Wine desktop"), teal);
        desktop_->move(options_.position);
        // A native child window of its own, named like the game window.
        window_->setParent(desktop_.get());
        window_->setAttribute(Qt::WA_NativeWindow);
        window_->move(DesktopInset);
        desktop_->show();
        window_->windowHandle()->setTitle(options_.title);
        desktop_->raise();
        desktop_->activateWindow();
        schedule();
        return;
    }
    if (options_.unmanaged) {
        window_->setWindowFlag(Qt::X11BypassWindowManagerHint);
    }
    window_->move(options_.position);
    window_->show();
    window_->raise();
    window_->activateWindow();
    schedule();
}

void SimController::activateStatusBar() {
    SimWindow* top = desktop_ ? desktop_.get() : window_.get();
    top->raise();
    top->activateWindow();
    if (options_.unmanaged) {
        // A window manager that loses its focused window (the thief hidden
        // just now) gives the focus to a window of its own a moment later;
        // an unmanaged window takes it back as a click on it would.
        QTimer::singleShot(FocusAgainMs, this, [this] {
            if (window_) {
                window_->activateWindow();
            }
        });
    }
}

void SimController::schedule() {
    if (pending_.empty()) {
        timer_.stop();
        return;
    }
    const double dueMs =
        pending_.front().atSeconds * 1000.0 - static_cast<double>(clock_.elapsed());
    timer_.start(static_cast<int>(std::clamp(dueMs, 0.0, 86400000.0)));
}

void SimController::runDue() {
    while (!pending_.empty() &&
           pending_.front().atSeconds * 1000.0 <= static_cast<double>(clock_.elapsed())) {
        const SimCommand command = pending_.front();
        pending_.erase(pending_.begin());
        apply(command);
        if (!window_) {
            return;  // closed
        }
    }
    schedule();
}

void SimController::apply(const SimCommand& command) {
    for (const SimAction& action : command.actions) {
        applyToState(action, state_);
        switch (action.kind) {
            case SimAction::Kind::FocusAway:
                if (!thief_) {
                    QImage grey(ThiefSize, QImage::Format_RGB32);
                    grey.fill(QColor(120, 120, 120));
                    thief_ = std::make_unique<SimWindow>(options_.thiefTitle, grey);
                }
                {
                    const QWidget* top = desktop_ ? desktop_.get() : window_.get();
                    thief_->move(top->frameGeometry().right() + ThiefDistance, top->y());
                }
                thief_->show();
                thief_->raise();
                thief_->activateWindow();
                break;
            case SimAction::Kind::FocusBack:
                if (thief_) {
                    thief_->hide();
                }
                activateStatusBar();
                break;
            case SimAction::Kind::Move:
                window_->move(action.x, action.y);
                break;
            case SimAction::Kind::Close:
                say(QStringLiteral("closing"));
                thief_.reset();
                window_.reset();
                desktop_.reset();
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                return;
            default:
                break;
        }
    }
    window_->setPicture(renderStatusBar(state_));
    say(QStringLiteral("applied ") + command.text);
}

void SimController::say(const QString& text) {
    out_ << text << Qt::endl;
}

}  // namespace bm::sim
