#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "app/Settings.h"

namespace bm::test {

// Where the controls of the program's windows lie: the same windows built
// in this process (same code, fonts and style, off screen) at the size the
// program's window has on the display give each control's centre in the
// client area, where a user's click on it lands.
class LayoutTwin {
public:
    explicit LayoutTwin(Settings settings) : settings_(std::move(settings)) {}

    // A menu bar item of the main window, by its caption. While a run is
    // active the bar's 開始 reads ロギング, which moves the items after it.
    QPoint menuBarItem(const QString& caption, bool runActive) const;
    // A control of the options dialog, on its page (0..4); with an empty
    // name, the page's tab.
    QPoint optionsControl(const QString& name, int page, QSize client) const;
    // A control of the numeric input dialog asking with this prompt.
    QPoint inputControl(const QString& name, const QString& prompt, QSize client) const;

private:
    Settings settings_;
};

}  // namespace bm::test
