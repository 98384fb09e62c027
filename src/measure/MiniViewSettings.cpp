#include "measure/MiniViewSettings.h"

#include <QSettings>

namespace bm {

namespace {

const QString Group = QStringLiteral("MiniView");

int knownOpacity(int value) {
    return value == 85 || value == 70 ? value : 100;
}

}  // namespace

MiniViewSettings MiniViewSettings::load(QSettings& file) {
    MiniViewSettings s;
    file.beginGroup(Group);
    s.shown = file.value(QStringLiteral("Shown"), false).toBool();
    s.onTop = file.value(QStringLiteral("OnTop"), true).toBool();
    s.opacity = knownOpacity(file.value(QStringLiteral("Opacity"), 100).toInt());
    bool okX = false;
    bool okY = false;
    const int x = file.value(QStringLiteral("X")).toInt(&okX);
    const int y = file.value(QStringLiteral("Y")).toInt(&okY);
    if (okX && okY) {
        s.position = QPoint(x, y);
    }
    file.endGroup();
    return s;
}

void MiniViewSettings::save(QSettings& file) const {
    file.beginGroup(Group);
    file.setValue(QStringLiteral("Shown"), shown);
    file.setValue(QStringLiteral("OnTop"), onTop);
    file.setValue(QStringLiteral("Opacity"), opacity);
    if (position) {
        file.setValue(QStringLiteral("X"), position->x());
        file.setValue(QStringLiteral("Y"), position->y());
    }
    file.endGroup();
}

}  // namespace bm
