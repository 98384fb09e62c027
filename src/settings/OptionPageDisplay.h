#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;

namespace bm {

class OptionContext;

// The fifth page: the main window's remembered position and size, the
// second-screen switch and the offset of the capture regions.
class OptionPageDisplay : public QWidget {
    Q_OBJECT

public:
    OptionPageDisplay(OptionContext& oc, QWidget* parent = nullptr);

    void refresh();

private:
    void windowMemoryClicked(bool on);
    void dualDisplayClicked(bool on);
    void offsetChosen();

    OptionContext& oc_;
    QCheckBox* chkWindowMemory_;
    QCheckBox* chkDualDisplay_;
    QComboBox* cmbStandardScreen_;
    QComboBox* cmbRelativePosition_;
};

}  // namespace bm
