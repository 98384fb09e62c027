#pragma once

#include <QImage>
#include <QStringList>
#include <array>
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
    bool inputOpen = false;
    std::array<QImage, RegionCount> previews{};
    bool captureTimer = false;
    bool runEnabled = true;
    QString runCaption = QStringLiteral("開始");
    bool stopEnabled = false;
    bool suspendRed = false;

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
    bool inputDialogOpen() const override { return inputOpen; }
    void setCapturePreview(int index, const QImage& picture) override { previews[index] = picture; }
    QImage capturePreview(int index) const override { return previews[index]; }
    void setCaptureTimerEnabled(bool enabled) override { captureTimer = enabled; }
    bool captureTimerEnabled() const override { return captureTimer; }
    void setWatchTimer(int, bool) override {}
    void setRunMenu(bool run, const QString& caption, bool stop) override {
        runEnabled = run;
        runCaption = caption;
        stopEnabled = stop;
    }
    void setSuspendButtonRed(bool red) override { suspendRed = red; }
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
