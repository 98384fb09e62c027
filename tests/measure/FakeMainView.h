#pragma once

#include <QImage>
#include <QStringList>
#include <vector>

#include "app/MainView.h"
#include "app/ResultPanel.h"
#include "app/Settings.h"
#include "measure/GraphSink.h"

namespace bm::test {

// Records what the measuring logic asks of the main window.
class FakeMainView : public MainView {
public:
    QString logBox;  // everything appended, untrimmed
    ResultPanel panel;
    int popupShows = 0;
    bool popupVisible = false;
    QString popupMessage;
    bool captureTimer = false;

    void setRecognitionLabel(int, const QString&) override {}
    void appendLog(const QString& text) override { logBox += text; }
    void showResultPanel(const ResultPanel& p) override { panel = p; }
    void refreshFrame1() override {}
    void showPopupMessage(const QString& message, const QString&, int) override {
        ++popupShows;
        popupVisible = true;
        popupMessage = message;
    }
    void hidePopupMessage() override { popupVisible = false; }
    void resetPopupSize() override {}
    bool inputDialogOpen() const override { return false; }
    void setCapturePreview(int, const QImage&) override {}
    QImage capturePreview(int) const override { return {}; }
    void setCaptureTimerEnabled(bool enabled) override { captureTimer = enabled; }
    bool captureTimerEnabled() const override { return captureTimer; }
    void setWatchTimer(int, bool) override {}
    void setRunMenu(bool, const QString&, bool) override {}
    void setSuspendButtonRed(bool) override {}
    void setTestButtonsEnabled(bool) override {}
    void setElapseLabel(const QString&) override {}
    void bringToFront() override {}
    void setWaitCursor(bool) override {}
    void graphDataDisplay(int, float) override {}
};

// Records the graph samples.
class FakeGraph : public GraphSink {
public:
    struct Sample {
        Currency rateE;
        Currency rateM;
    };
    std::vector<Sample> samples;
    void AddGraphData(Currency e, Currency m, int, int, double) override {
        samples.push_back({e, m});
    }
};

}  // namespace bm::test
