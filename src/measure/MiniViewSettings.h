#pragma once

#include <QPoint>
#include <optional>

class QSettings;

namespace bm {

// The compact view's settings, kept in the [MiniView] group of the
// program's own settings file.
struct MiniViewSettings {
    bool shown = false;
    bool onTop = true;
    int opacity = 100;  // percent: 100, 85 or 70
    std::optional<QPoint> position;

    static MiniViewSettings load(QSettings& file);
    void save(QSettings& file) const;
};

}  // namespace bm
