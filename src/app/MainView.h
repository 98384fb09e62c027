#pragma once

#include <QImage>
#include <QString>

#include "app/RecognitionView.h"

namespace bm {

struct ResultPanel;

// What the measuring logic needs from the main window. The window renders
// and forwards; every decision is taken by the logic that calls it.
class MainView : public RecognitionView {
public:
    // Adds text to the log box txtLog, keeping its last 512 lines and
    // putting the caret at the end.
    virtual void appendLog(const QString& text) = 0;
    // Shows the twelve result labels.
    virtual void showResultPanel(const ResultPanel& panel) = 0;
    // Repaints the result frame Frame1.
    virtual void refreshFrame1() = 0;

    // The non-modal popup that reports a missing game window.
    virtual void showPopupMessage(const QString& message, const QString& title, int fontSize) = 0;
    virtual void hidePopupMessage() = 0;
    // Puts the popup back to its designed size.
    virtual void resetPopupSize() = 0;
    // True while the numeric input dialog is open.
    virtual bool inputDialogOpen() const = 0;

    // The region previews picCapture0..4; a null image clears one.
    virtual void setCapturePreview(int index, const QImage& picture) = 0;
    // The picture a preview holds; null when it holds none.
    virtual QImage capturePreview(int index) const = 0;

    // The 10-second capture timer timCaptureInterval.
    virtual void setCaptureTimerEnabled(bool enabled) = 0;
    virtual bool captureTimerEnabled() const = 0;
    // The level-up and death watch timer timDoHLInterval.
    virtual void setWatchTimer(int intervalMs, bool enabled) = 0;

    // menuRun (enabled, caption) and menuStop (enabled).
    virtual void setRunMenu(bool runEnabled, const QString& runCaption, bool stopEnabled) = 0;
    // cmdTempStop: red while suspended, the button face otherwise.
    virtual void setSuspendButtonRed(bool red) = 0;
    // The test buttons cmdCapture and cmdRecognize.
    virtual void setTestButtonsEnabled(bool enabled) = 0;
    // lblElapse, the duration of a test recognition.
    virtual void setElapseLabel(const QString& text) = 0;

    // Raises the main window above the others.
    virtual void bringToFront() = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Redraws the graph data with the given time offset and vertical scale.
    virtual void graphDataDisplay(int offset, float scale) = 0;
};

}  // namespace bm
