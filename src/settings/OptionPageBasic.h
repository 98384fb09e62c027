#pragma once

#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace bm {

class OptionContext;

// The first page: where and how the pay record is written, the capture
// interval, the start delay, the beep and the automatic start.
class OptionPageBasic : public QWidget {
    Q_OBJECT

public:
    OptionPageBasic(OptionContext& oc, QWidget* parent = nullptr);

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The capture interval and start delay, side by side.
    QHBoxLayout* buildNumbersRow();
    void connectControls(QPushButton* cmdSaveFolder);
    void saveFolderLeft();
    void chooseSaveFolder();
    void showSuffixes();

    OptionContext& oc_;
    QLineEdit* txtSaveFolder_;
    QLineEdit* txtSaveFile_;
    QLabel* lblSaveFile_u_;
    QLabel* lblSaveCsv_;
    QCheckBox* chkSaveDistance_;
    QCheckBox* chkSaveCsv_;
    QCheckBox* chkBeepBeep_;
    QCheckBox* chkAutoStart_;
};

}  // namespace bm
