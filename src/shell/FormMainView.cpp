#include "shell/FormMain.h"

#include <QApplication>
#include <QScrollBar>

#include "app/AppContext.h"
#include "app/CrLf.h"
#include "app/OleDate.h"
#include "app/ResultPanel.h"
#include "app/RunState.h"
#include "graph/clsGraphBuffer.h"
#include "platform/Platform.h"
#include "records/LogText.h"
#include "settings/FormInputCheck.h"
#include "util/PopupMessage.h"

namespace bm {

namespace {

constexpr int LogMaxLines = 512;

}  // namespace

void FormMain::setRecognitionLabel(int cat, const QString& text) {
    if (cat >= 0 && cat < 3) {
        ui_.lblCapture[cat]->setText(text);
    }
}

void FormMain::appendLog(const QString& text) {
    QPlainTextEdit* box = ui_.txtLog;
    // The box shows line feeds; its text is kept with CR LF like the lines
    // the logic writes, so the 512-line limit counts the same breaks.
    QString current = box->toPlainText();
    current.replace(QLatin1Char('\n'), CrLf);
    const LogTextUpdate update = AppendLogText(current, text, LogMaxLines, true);
    QString shown = update.text;
    shown.replace(CrLf, QStringLiteral("\n"));
    box->setPlainText(shown);
    QTextCursor cursor = box->textCursor();
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    box->repaint();
}

void FormMain::showResultPanel(const ResultPanel& panel) {
    ui_.lblStartTime->setText(panel.lblStartTime);
    ui_.lblStartLv->setText(panel.lblStartLv);
    ui_.lblStartExp->setText(panel.lblStartExp);
    ui_.lblStartMoney->setText(panel.lblStartMoney);
    ui_.lblEndTime->setText(panel.lblEndTime);
    ui_.lblEndLv->setText(panel.lblEndLv);
    ui_.lblEndExp->setText(panel.lblEndExp);
    ui_.lblEndMoney->setText(panel.lblEndMoney);
    ui_.lblElapseTime->setText(panel.lblElapseTime);
    ui_.lblElapseLv->setText(panel.lblElapseLv);
    ui_.lblElapseExp->setText(panel.lblElapseExp);
    ui_.lblElapseMoney->setText(panel.lblElapseMoney);
}

void FormMain::refreshFrame1() {
    ui_.Frame1->repaint();
}

void FormMain::showPopupMessage(const QString& message, const QString& title, int fontSize) {
    if (!popup_) {
        popup_ = std::make_unique<PopupMessage>(ctx_);
    }
    popup_->ShowPopupMessage(message, title, fontSize);
}

void FormMain::hidePopupMessage() {
    if (popup_) {
        popup_->HidePopupMessage();
    } else {
        ctx_.run.PopupShown = false;
    }
}

void FormMain::resetPopupSize() {
    if (popup_) {
        popup_->resetSize();
    }
}

bool FormMain::inputDialogOpen() const {
    return services_.input.isOpen();
}

void FormMain::setCapturePreview(int index, const QImage& picture) {
    if (index < 0 || index >= 5) {
        return;
    }
    QLabel* pic = ui_.picCapture[index];
    if (picture.isNull()) {
        pic->clear();
        pic->setProperty("picture", QImage());
    } else {
        pic->setPixmap(QPixmap::fromImage(picture));
        pic->setProperty("picture", picture);
    }
}

QImage FormMain::capturePreview(int index) const {
    if (index < 0 || index >= 5) {
        return {};
    }
    return ui_.picCapture[index]->property("picture").value<QImage>();
}

void FormMain::setCaptureTimerEnabled(bool enabled) {
    if (enabled) {
        ui_.timCaptureInterval->start(WindowTimerMs);
    } else {
        ui_.timCaptureInterval->stop();
    }
}

bool FormMain::captureTimerEnabled() const {
    return ui_.timCaptureInterval->isActive();
}

void FormMain::setWatchTimer(int intervalMs, bool enabled) {
    ui_.timDoHLInterval->setInterval(std::max(intervalMs, 1));
    if (enabled) {
        ui_.timDoHLInterval->start();
    } else {
        ui_.timDoHLInterval->stop();
    }
}

void FormMain::setRunMenu(bool runEnabled, const QString& runCaption, bool stopEnabled) {
    ui_.menuRun->setEnabled(runEnabled);
    ui_.menuRun->setText(runCaption);
    ui_.menuStop->setEnabled(stopEnabled);
}

void FormMain::setSuspendButtonRed(bool red) {
    QPalette pal = ui_.cmdTempStop->palette();
    pal.setColor(QPalette::Button, red ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    ui_.cmdTempStop->setPalette(pal);
    ui_.cmdTempStop->setProperty("suspended", red);
    ui_.cmdTempStop->update();
}

void FormMain::setTestButtonsEnabled(bool enabled) {
    ui_.cmdCapture->setEnabled(enabled);
    ui_.cmdRecognize->setEnabled(enabled);
}

void FormMain::setElapseLabel(const QString& text) {
    ui_.lblElapse->setText(text);
}

void FormMain::bringToFront() {
    show();
    raise();
    activateWindow();
}

void FormMain::setWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void FormMain::graphDataDisplay(int offset, float scale) {
    GraphDataDisplay(offset, scale);
}

void FormMain::AddGraphData(Currency rateE, Currency rateM, int aveCount, int maxCount,
                            double time) {
    if (graphData_) {
        graphData_->AddGraphData(rateE, rateM, aveCount, maxCount, time,
                                 toOleDate(ctx_.platform.now()));
    }
}

}  // namespace bm
