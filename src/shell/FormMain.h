#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/MainView.h"
#include "app/MeasureContext.h"
#include "measure/GraphSink.h"
#include "settings/OptionsHost.h"
#include "shell/FormMainUi.h"

namespace bm {

struct AppContext;
class clsGraphBuffer;
class FormDirectX;
class FormInputCheck;
class GraphFrame;
class PopupMessage;
class RandomGenerator;
struct NumericRequest;

// The program's main window: the result frame, the log box, the debug frame
// with its test buttons and previews, the rate graph at the right, the menus
// and the two timers that drive the measurement. It renders what the
// measuring logic decides and forwards the user's commands to it.
class FormMain : public QMainWindow, public MainView, public GraphSink, public OptionsHost {
    Q_OBJECT
public:
    // What the window uses beside the shared state.
    struct Services {
        RandomGenerator& random;
        FormInputCheck& input;
        // Shows the options dialog (not modal); empty while there is none.
        std::function<void()> showOptions;
    };

    FormMain(AppContext& ctx, Services services, QWidget* parent = nullptr);
    ~FormMain() override;

    // The load handler: caption, menus, window position, gestures, timers,
    // graph buffer and, with auto start, the first measuring run.
    void Load();

    // Public routines of the window.
    void CaptureImage();
    void ChangeSuspend(std::int32_t waitSec = 0);
    void DebugItemDisplay(bool show) override;
    void GraphFrameDisplay();
    void GraphDataDisplay(std::int32_t offset, float scale);

    // OptionsHost
    void setGraphBuffer(bool on) override;
    void setGesturesLoaded(bool on) override;
    QRect mainWindowRect() const override;
    void setMainWindowWidth(int width) override;
    void applyRememberedWindowRect() override;
    void showMainWindow() override;
    // The measuring logic's view of this window.
    MeasureContext& measure() { return measure_; }
    FormMainUi& ui() { return ui_; }
    // Runs the closing sequence and ends the program.
    void closeProgram();

    // MainView
    void setRecognitionLabel(int cat, const QString& text) override;
    void appendLog(const QString& text) override;
    void showResultPanel(const ResultPanel& panel) override;
    void refreshFrame1() override;
    void showPopupMessage(const QString& message, const QString& title, int fontSize) override;
    void hidePopupMessage() override;
    void resetPopupSize() override;
    bool inputDialogOpen() const override;
    void setCapturePreview(int index, const QImage& picture) override;
    QImage capturePreview(int index) const override;
    void setCaptureTimerEnabled(bool enabled) override;
    bool captureTimerEnabled() const override;
    void setWatchTimer(int intervalMs, bool enabled) override;
    void setRunMenu(bool runEnabled, const QString& runCaption, bool stopEnabled) override;
    void setSuspendButtonRed(bool red) override;
    void setTestButtonsEnabled(bool enabled) override;
    void setElapseLabel(const QString& text) override;
    void bringToFront() override;
    void setWaitCursor(bool on) override;
    void graphDataDisplay(int offset, float scale) override;

    // GraphSink
    void AddGraphData(Currency rateE, Currency rateM, int aveCount, int maxCount,
                      double time) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A random tool's menu command: logs, asks, and returns the text for the
    // log box (empty when cancelled).
    using RandomToolClick = QString (*)(AppContext&, RandomGenerator&,
                                        const std::function<double(const NumericRequest&)>&);
    // The capture timer's period while it runs.
    static constexpr int WindowTimerMs = 10000;

    void connectMenus();
    void connectFileAndConfigMenus();
    void connectToolMenus();
    void connectHelpMenus();
    void connectButtonsAndTimers();
    void runRandomTool(RandomToolClick click);
    void FormResize();
    // The graph frame for a client area w wide and h high: shown with the
    // graph (the window at least its minimum width), else hidden.
    void layoutGraphArea(int w, int h);
    // The etched separator lines for a client area h high.
    void layoutSeparators(int h);
    void runClosingSequence();
    void unloadProgram();
    void toggleGesture();
    void toggleDebugMode();
    void openHelpDocument(const QString& logLine, const QString& fileName);
    void showOperatingInfo();
    void showVersion();
    double askNumber(double min, double max, double ini, double increment, const QString& msg,
                     const QString& title);

    AppContext& ctx_;
    Services services_;
    FormMainUi ui_;
    MeasureContext measure_;
    std::unique_ptr<clsGraphBuffer> graphData_;
    GraphFrame* graph_ = nullptr;
    std::unique_ptr<PopupMessage> popup_;
    std::unique_ptr<FormDirectX> gestures_;
    bool closed_ = false;
    bool loaded_ = false;
};

}  // namespace bm
