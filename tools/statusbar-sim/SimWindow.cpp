#include "SimWindow.h"

#include <QPainter>

namespace bm::sim {

SimWindow::SimWindow(const QString& title, const QImage& picture) : picture_(picture) {
    setWindowTitle(title);
    setFixedSize(picture.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SimWindow::setPicture(const QImage& picture) {
    picture_ = picture;
    if (picture.size() != size()) {
        setFixedSize(picture.size());
    }
    repaint();
}

void SimWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
    if (!painted_) {
        painted_ = true;
        emit firstPainted();
    }
}

}  // namespace bm::sim
