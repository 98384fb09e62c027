#pragma once

#include <QLabel>

namespace bm {

// A label that reacts to a left click like a button: the numeric settings
// of the options dialog and the graph's axis labels.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace bm
