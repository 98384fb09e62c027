#pragma once

#include <QDialog>

#include "settings/InputNumber.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bm {

class Prompt;

// The modal dialog that asks for one number between two bounds. One
// instance serves every call of InputCheckBox; between calls it is hidden.
class FormInputCheck : public QDialog {
    Q_OBJECT

public:
    // The result of a cancelled call.
    static constexpr double kCancelled = 19999;

    explicit FormInputCheck(Prompt& prompt, QWidget* parent = nullptr);

    // Shows the dialog modal and returns the accepted value, or 19999 when
    // the user cancels or closes it. The bounds may come in either order; the
    // step's sign is ignored. An empty title gives "パラメータ入力".
    double InputCheckBox(const InputNumber& min, const InputNumber& max, const InputNumber& ini,
                         const InputNumber& increment, const QString& Msg, const QString& Title);

    // The caption while a call runs, empty whenever none does: the capture
    // cycle holds back its popup while the dialog is open.
    QString openCaption() const { return windowTitle(); }
    bool isOpen() const { return !windowTitle().isEmpty(); }

    // Cancel button, Escape and the close box all end up here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(bool up);
    void acceptInput();
    // Tells the user when the text holds a character that is no part of a
    // number; false then.
    bool checkCharacters();

    Prompt& prompt_;
    double currentValue_ = 0;
    double minValue_ = 0;
    double maxValue_ = 0;
    double increment_ = 0;

    QLabel* lblmsg_;
    QLineEdit* txtInput_;
    QPushButton* cmdDec_;
    QPushButton* cmdInc_;
    QLabel* lblminV_;
    QLabel* lblmaxv_;
    QPushButton* cmdEnter_;
    QPushButton* cmdCancel_;
};

}  // namespace bm
