#pragma once

#include <QLabel>

namespace bm {

// A label of the graph frame that reacts to a click (left button pressed
// and released over it), like the axis labels that scale and move the view.
class GraphLabel : public QLabel {
    Q_OBJECT
public:
    explicit GraphLabel(const QString& name, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace bm
