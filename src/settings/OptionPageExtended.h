#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace bm {

class OptionContext;

// The second page: the graph, the screenshot format, mouse gestures, the
// level-up and death watch, the lag allowance and the debug mode.
class OptionPageExtended : public QWidget {
    Q_OBJECT

public:
    OptionPageExtended(OptionContext& oc, QWidget* parent = nullptr);

    void refresh();

private:
    void graphClicked(bool on);
    void gestureClicked(bool on);
    void debugClicked(bool on);

    OptionContext& oc_;
    QCheckBox* chkGraph_;
    QCheckBox* chkGesture_;
    QCheckBox* chkDoHLCheckExec_;
    QCheckBox* chkDebug_;
    QButtonGroup* formats_;
    std::array<QLabel*, 4> lblGesture_{};
};

// The screenshot format keys in the order of their option buttons
// optSaveFormatB, optSaveFormatP, optSaveFormatJ9, optSaveFormatJ7.
inline constexpr std::array<const char*, 4> ImageExtensionKeys = {".bmp", ".png", ".jpg90",
                                                                  ".jpg70"};

}  // namespace bm
