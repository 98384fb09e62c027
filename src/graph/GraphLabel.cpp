#include "graph/GraphLabel.h"

#include <QMouseEvent>

namespace bm {

GraphLabel::GraphLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
}

void GraphLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void GraphLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

}  // namespace bm
