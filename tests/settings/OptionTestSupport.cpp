#include "settings/OptionTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include "settings/ConfigFile.h"
#include "settings/FormInputCheck.h"

namespace bm::test {

OptionFixture::OptionFixture() {
    ConfigFile(ctx, ConfigOp::Initialise);
    prompt.shown.clear();
    QFile::remove(log.path());
    platform.advance(1000);  // the log notices its deletion with the next second

    OptionServices services;
    services.input = [this](const InputNumber& min, const InputNumber& max, const InputNumber& ini,
                            const InputNumber& step, const QString& msg, const QString& title) {
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
        chooserCalls << QStringList{title, folder, file, extension, filter}.join(QLatin1Char('|'));
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

void OptionFixture::click(const QString& name) {
    auto* button = find<QAbstractButton>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    button->click();
}

void OptionFixture::clickLabel(const QString& name) {
    auto* label = find<QLabel>(name);
    ASSERT_NE(label, nullptr) << name.toStdString();
    QTest::mouseClick(label, Qt::LeftButton);
}

void OptionFixture::typeAndLeave(const QString& name, const QString& text) {
    auto* box = find<QLineEdit>(name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    box->setText(text);
    box->setModified(true);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &leave);
}

}  // namespace bm::test
