#pragma once

#include <QWidget>
#include <array>

class QImage;
class QLabel;

namespace bm {

class OptionContext;

// The fourth page: the capture regions of level, Exp and money with the
// second positions of Exp and money, and the region test with its previews.
class OptionPageRegions : public QWidget {
    Q_OBJECT

public:
    OptionPageRegions(OptionContext& oc, QWidget* parent = nullptr);

    // Shows a region's picture in its preview.
    void showPreview(int region, const QImage& picture);

private:
    void testCapture();

    OptionContext& oc_;
    std::array<QLabel*, 5> picCapture_{};
};

}  // namespace bm
