#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <deque>
#include <memory>

#include "settings/ConfigTestSupport.h"
#include "settings/FormOption.h"
#include "settings/OptionsHost.h"

namespace bm::test {

// A main window that records what the options dialog asks of it.
class RecordingHost : public OptionsHost {
public:
    void DebugItemDisplay(bool show) override { calls << QStringLiteral("debug %1").arg(show); }
    void setGesturesLoaded(bool on) override { calls << QStringLiteral("gestures %1").arg(on); }
    void setGraphBuffer(bool on) override { calls << QStringLiteral("graph %1").arg(on); }
    QRect mainWindowRect() const override { return rect; }
    void setMainWindowWidth(int width) override { calls << QStringLiteral("width %1").arg(width); }
    void applyRememberedWindowRect() override { calls << QStringLiteral("apply rect"); }
    void setWatchTimer(int intervalMs, bool enabled) override {
        calls << QStringLiteral("watch %1 %2").arg(intervalMs).arg(enabled);
    }
    void showMainWindow() override { calls << QStringLiteral("show main"); }

    QStringList calls;
    QRect rect{120, 80, 488, 420};
};

// One call of the numeric input, as the dialog made it.
struct InputCall {
    double min, max, ini, step;
    QString prompt, title;
};

// The options dialog over a program folder in a temporary folder, with the
// defaults loaded, a recording main window, and numeric input and choosers
// answered from queues.
class OptionFixture : public ConfigFixture {
public:
    OptionFixture();

    FormOption& dialog() { return *dialog_; }
    template <class T>
    T* find(const QString& name) {
        return dialog_->findChild<T*>(name);
    }
    QString text(const QString& labelName) { return find<QLabel>(labelName)->text(); }
    void click(const QString& name);
    void clickLabel(const QString& name);
    // Types into a text box and leaves it, as the user does.
    void typeAndLeave(const QString& name, const QString& text);

    RecordingHost host;
    std::deque<double> inputAnswers;  // empty: the call is cancelled
    std::vector<InputCall> inputCalls;
    QString folderAnswer;
    QString fileAnswer;
    QStringList chooserCalls;
    std::vector<int> captures;

private:
    std::unique_ptr<FormOption> dialog_;
};

}  // namespace bm::test
