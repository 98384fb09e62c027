#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <deque>
#include <memory>

#include "settings/ConfigFile.h"
#include "settings/ConfigTestSupport.h"
#include "settings/FormInputCheck.h"
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
    OptionFixture() {
        ConfigFile(ctx, ConfigOp::Initialise);
        prompt.shown.clear();
        QFile::remove(log.path());
        platform.advance(1000);  // the log notices its deletion with the next second

        OptionServices services;
        services.input = [this](const InputNumber& min, const InputNumber& max,
                                const InputNumber& ini, const InputNumber& step, const QString& msg,
                                const QString& title) {
            inputCalls.push_back({min.value(), max.value(), ini.value(), step.value(), msg, title});
            if (inputAnswers.empty()) {
                return FormInputCheck::kCancelled;
            }
            const double answer = inputAnswers.front();
            inputAnswers.pop_front();
            return answer;
        };
        services.choosers.folder = [this](QWidget*, int root) {
            chooserCalls << QStringLiteral("folder %1").arg(root);
            return folderAnswer;
        };
        services.choosers.openFile = [this](QWidget*, const QString& title, const QString& folder,
                                            const QString& file, const QString& extension,
                                            const QString& filter) {
            chooserCalls << QStringList{title, folder, file, extension, filter}.join(
                QLatin1Char('|'));
            return fileAnswer;
        };
        services.regionCapture = [this](AppContext&,
                                        const std::function<void(int, const QImage&)>& show) {
            for (int i = 0; i < 5; ++i) {
                QImage picture(10 + i, 8, QImage::Format_RGB32);
                picture.fill(Qt::white);
                show(i, picture);
                captures.push_back(i);
            }
        };
        dialog_ = std::make_unique<FormOption>(ctx, host, std::move(services));
    }

    FormOption& dialog() { return *dialog_; }
    template <class T>
    T* find(const QString& name) {
        return dialog_->findChild<T*>(name);
    }
    QString text(const QString& labelName) { return find<QLabel>(labelName)->text(); }
    void click(const QString& name) {
        auto* button = find<QAbstractButton>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    }

    void clickLabel(const QString& name) {
        auto* label = find<QLabel>(name);
        ASSERT_NE(label, nullptr) << name.toStdString();
        QTest::mouseClick(label, Qt::LeftButton);
    }

    // Types into a text box and leaves it, as the user does.
    void typeAndLeave(const QString& name, const QString& text) {
        auto* box = find<QLineEdit>(name);
        ASSERT_NE(box, nullptr) << name.toStdString();
        box->setText(text);
        box->setModified(true);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &leave);
    }

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
