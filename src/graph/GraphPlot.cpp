#include "graph/GraphPlot.h"

#include <QMouseEvent>
#include <QPainter>

namespace bm {

namespace {

const QColor ExpColour(0, 0, 255);
const QColor MoneyColour(255, 0, 0);
const QColor GridColour(200, 200, 200);

void drawCurve(QPainter& painter, const std::vector<QPointF>& vertices, const QColor& colour,
               Qt::PenStyle style) {
    if (vertices.size() < 2) {
        return;
    }
    QPen pen(colour, 0, style);
    painter.setPen(pen);
    painter.drawPolyline(vertices.data(), static_cast<int>(vertices.size()));
}

}  // namespace

GraphPlot::GraphPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picGraph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphPlot::setGrid(const std::array<QLine, HorizontalLines>& horizontal,
                        const std::array<QLine, VerticalLines>& vertical) {
    gridX_ = horizontal;
    gridY_ = vertical;
    update();
}

void GraphPlot::clearCurves() {
    curves_ = GraphCurves();
    update();
}

void GraphPlot::setCurves(GraphCurves curves) {
    curves_ = std::move(curves);
    update();
}

void GraphPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(GridColour, 0));
    for (const QLine& line : gridX_) {
        painter.drawLine(line);
    }
    for (const QLine& line : gridY_) {
        painter.drawLine(line);
    }
    if (curves_.expShown) {
        drawCurve(painter, curves_.rateE, ExpColour, Qt::SolidLine);
        drawCurve(painter, curves_.aveE, ExpColour, Qt::DotLine);
    }
    if (curves_.moneyShown) {
        drawCurve(painter, curves_.rateM, MoneyColour, Qt::SolidLine);
        drawCurve(painter, curves_.aveM, MoneyColour, Qt::DotLine);
    }
}

void GraphPlot::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void GraphPlot::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

}  // namespace bm
