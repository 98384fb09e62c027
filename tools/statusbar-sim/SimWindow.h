#pragma once

#include <QImage>
#include <QWidget>

namespace bm::sim {

// A top-level window whose client area shows a fixed picture, pixel for
// pixel. The stand-in's game window and its focus thief are both this.
class SimWindow : public QWidget {
    Q_OBJECT
public:
    SimWindow(const QString& title, const QImage& picture);
    void setPicture(const QImage& picture);

signals:
    // The picture has been painted for the first time.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool painted_ = false;
};

}  // namespace bm::sim
