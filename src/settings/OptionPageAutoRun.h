#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;

namespace bm {

class OptionContext;

// The third page: the two applications started with a measuring run and
// the delay of the second one.
class OptionPageAutoRun : public QWidget {
    Q_OBJECT

public:
    OptionPageAutoRun(OptionContext& oc, QWidget* parent = nullptr);

    void refresh();

private:
    void enableClicked(int k, bool on);
    void pathChanged(int k, const QString& text);
    void choosePath(int k);

    OptionContext& oc_;
    std::array<QCheckBox*, 2> chkStartUp_{};
    std::array<QLineEdit*, 2> txtStartUp_{};
};

}  // namespace bm
