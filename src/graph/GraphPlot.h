#pragma once

#include <QLine>
#include <QWidget>
#include <array>

#include "graph/GraphCurves.h"

namespace bm {

// The plot area of the graph frame (picGraph): a white picture with the
// grid lines linGraphX(0..8) and linGraphY(0..4) and the four rate curves.
// It keeps what was drawn last until it is cleared or given new curves, so
// a redraw that skips the plot leaves the old picture in place.
class GraphPlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int HorizontalLines = 9;
    static constexpr int VerticalLines = 5;

    explicit GraphPlot(QWidget* parent);

    void setGrid(const std::array<QLine, HorizontalLines>& horizontal,
                 const std::array<QLine, VerticalLines>& vertical);
    // Grid line geometry in plot pixels.
    QLine linGraphX(int k) const { return gridX_.at(static_cast<size_t>(k)); }
    QLine linGraphY(int k) const { return gridY_.at(static_cast<size_t>(k)); }

    // Removes the curves (the grid stays).
    void clearCurves();
    void setCurves(GraphCurves curves);
    const GraphCurves& curves() const { return curves_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<QLine, HorizontalLines> gridX_{};
    std::array<QLine, VerticalLines> gridY_{};
    GraphCurves curves_;
    bool pressed_ = false;
};

}  // namespace bm
