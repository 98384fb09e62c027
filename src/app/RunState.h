#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "app/CaptureNotices.h"
#include "app/Currency.h"
#include "app/GameWindow.h"
#include "app/ResultPanel.h"
#include "app/Settings.h"

namespace bm {

// Which pair of regions shows Exp and money: not known yet, regions 1 and 2,
// or regions 3 and 4.
enum class Layout : std::int32_t { Undecided = 0, Regions1And2 = 1, Regions3And4 = 2 };

// The program's run state: readings, capture-cycle guards, the measuring run
// and the references of the measurement step. Owned by the application
// object for the whole process; zero/empty at start.
struct RunState {
    // Latest readings; -1 = not read. ExpNow is in hundredths of a percent.
    std::int32_t LvNow = 0;
    Currency ExpNow;
    Currency MoneyNow;

    // Capture cycle.
    QDateTime NextCaptureTime;
    bool CaptureBusy = false;
    Layout LayoutMode = Layout::Undecided;
    std::int32_t BackgroundCount = 0;
    std::array<QString, RegionCount> PixelString{};
    // The game window found last, checked before the window tree is walked.
    GameWindowCache GameWindow;
    // The player has been asked once whether to shift the regions by Wine's
    // own window frame.
    bool WineFrameAsked = false;
    // What the popup has told about the game window during this run.
    CaptureNotices Notices;

    // Measuring run and suspension.
    QString LogStartStamp;  // "yyyymmddhhmm" while a run is active, else empty
    bool SuspendMode = false;
    // Pay record lines (no line ends) that could not be written, oldest
    // first; they go out before the next line, or when the run ends.
    QStringList PayRecordPending;
    // The popup about an unwritable record folder has been shown for the
    // current failure.
    bool PayRecordPopupShown = false;

    // Program-wide flags.
    bool DebugMode = false;
    bool PopupShown = false;
    bool Closing = false;

    // Measurement step references: (0) now, (1) reference, (2) difference.
    std::array<std::int32_t, 3> LvData{};
    std::array<Currency, 3> ExpData{};  // percent
    std::array<std::int32_t, 3> ExpSeconds{};
    std::array<Currency, 3> MoneyData{};
    std::array<std::int32_t, 3> MoneySeconds{};

    // Level-up and death watch.
    Currency WatchExp;
    std::array<Currency, 4> WatchExpData{};
    // True once the watch has read an Exp value since program start or the
    // last character change, so that its first reading is not taken as a rise.
    bool WatchExpSeen = false;

    // Texts of the result panel; the run's start values live only here.
    ResultPanel Panel;

    // Graph view.
    std::int32_t GraphOffset = 0;
    float GraphScale = 1.0f;

    // Mouse gestures.
    QString GestureSequence;
    double GestureLastTime = 0;
};

}  // namespace bm
