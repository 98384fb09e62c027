#pragma once

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <map>

#include "platform/HeldArea.h"
#include "platform/Platform.h"
#include "platform/fake/FakeMouseButtons.h"

namespace bm {

// Scripted platform for unit tests: windows with pixel content, a foreground
// window chosen by the test, and a clock that moves only when told to (or
// when the logic waits, which advances it by the time waited).
class FakePlatform : public Platform {
public:
    struct FakeWindow {
        QString title;
        WindowRect outer;     // screen rectangle of the frame
        QPoint clientOffset;  // client area's top-left inside the frame
        QImage client;        // what the client area shows
        QColor frameColor = QColor(80, 80, 80);
        std::optional<WindowFraming> framing;
    };

    FakePlatform();

    // Adds a window on top of the others; its client area shows `client`.
    WindowId addWindow(const QString& title, const QImage& client, QPoint screenPos = {0, 0},
                       QPoint clientOffset = {0, 0});
    void removeWindow(WindowId id);
    void setClientImage(WindowId id, const QImage& client);
    FakeWindow* window(WindowId id);
    void setForeground(WindowId id) { foreground_ = id; }

    void setTick(std::uint32_t ms) { tick_ = ms; }
    void setNow(const QDateTime& now) { now_ = now; }
    // Moves both clocks forward.
    void advance(std::int64_t ms);
    // When false, pumpEvents does not touch the Qt event queue.
    void setProcessQtEvents(bool on) { processQtEvents_ = on; }

    int beeps = 0;
    std::vector<std::uint32_t> beepTicks;  // the clock at every beep
    QStringList started;
    QStringList opened;
    int pumpCalls = 0;

    // Mouse buttons: with mouseFailure other than Ok, opening fails for that
    // reason; otherwise every opening hands out a new scripted source, which
    // mouse() reaches while its owner keeps it (nullptr after it is gone).
    MouseButtonSource::Failure mouseFailure = MouseButtonSource::Failure::Ok;
    int mouseOpens = 0;
    FakeMouseButtons* mouse() const { return mouse_.data(); }

    // How often the logic looked a window up by title, and checked the
    // title of a window it knew.
    int titleLookups = 0;
    int titleChecks = 0;
    // How often a capture read the screen rather than a held area.
    int screenReads = 0;

    WindowId findWindowByTitle(const QString& title) override;
    bool hasTitle(WindowId window, const QString& title) override;
    WindowId foregroundWindow() override { return foreground_; }
    QString windowTitle(WindowId window) override;
    // Covered by any window added after `window` whose frame overlaps.
    bool clientRectCovered(WindowId window, const QRect& rect) override;
    std::optional<WindowRect> windowRect(WindowId window) override;
    std::optional<QPoint> clientOrigin(WindowId window) override;
    std::optional<WindowFraming> windowFraming(WindowId window) override {
        const FakeWindow* w = this->window(window);
        return w != nullptr ? w->framing : std::nullopt;
    }
    bool captureRegion(WindowId window, bool client, int x, int y, int width, int height,
                       PixelBuffer& out) override;
    void holdArea(WindowId window, bool client, int x, int y, int width, int height) override;
    void releaseArea() override { held_.release(); }
    void beep() override {
        ++beeps;
        beepTicks.push_back(tick_);
    }
    bool startDetached(const QString& program) override;
    bool openWithDesktop(const QString& pathOrUrl) override;
    std::uint32_t tickCount() override { return tick_; }
    QDateTime now() override { return now_; }
    void pumpEvents(int maxWaitMs) override;
    std::unique_ptr<MouseButtonSource> openMouseButtons(MouseButtonSource::Failure& why) override;

private:
    HeldArea held_;
    std::map<WindowId, FakeWindow> windows_;
    std::vector<WindowId> stacking_;  // bottom to top
    WindowId nextId_ = 0x100;
    WindowId foreground_ = 0;
    std::uint32_t tick_ = 1000000;
    QDateTime now_;
    bool processQtEvents_ = true;
    QPointer<FakeMouseButtons> mouse_;
};

}  // namespace bm
