#include "settings/FormInputCheck.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "app/NumberFormat.h"
#include "util/Prompt.h"

namespace bm {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A key press that would add a character the text box must not take.
bool addsForbiddenCharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;  // shortcuts such as paste pass
    }
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) {
        return false;
    }
    for (QChar c : key.text()) {
        if (c.isPrint() && !IsTypeableNumberCharacter(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

FormInputCheck::FormInputCheck(Prompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      prompt_(prompt) {
    setObjectName(QStringLiteral("FormInputCheck"));
    lblmsg_ = makeLabel(this, "lblmsg", QStringLiteral("インプットガイド"));
    txtInput_ = new QLineEdit(this);
    txtInput_->setObjectName(QStringLiteral("txtInput"));
    txtInput_->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtInput_->installEventFilter(this);
    cmdDec_ = makeButton(this, "cmdDec", QStringLiteral("<"));
    cmdInc_ = makeButton(this, "cmdInc", QStringLiteral(">"));
    auto* lblmin = makeLabel(this, "lblmin", QStringLiteral("最小："));
    lblminV_ = makeLabel(this, "lblminV", QString());
    auto* lblmax = makeLabel(this, "lblmax", QStringLiteral("最大："));
    lblmaxv_ = makeLabel(this, "lblmaxv", QString());
    cmdEnter_ = makeButton(this, "cmdEnter", QStringLiteral("決 定"));
    cmdCancel_ = makeButton(this, "cmdCancel", QStringLiteral("キャンセル"));
    for (QPushButton* b : {cmdDec_, cmdInc_, cmdCancel_}) {
        b->setAutoDefault(false);
    }
    cmdDec_->setFixedWidth(32);
    cmdInc_->setFixedWidth(32);

    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(cmdDec_);
    inputRow->addWidget(txtInput_, 1);
    inputRow->addWidget(cmdInc_);
    auto* boundsRow = new QHBoxLayout;
    boundsRow->addWidget(lblmin);
    boundsRow->addWidget(lblminV_, 1);
    boundsRow->addWidget(lblmax);
    boundsRow->addWidget(lblmaxv_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdEnter_);
    buttonRow->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblmsg_);
    layout->addLayout(inputRow);
    layout->addLayout(boundsRow);
    layout->addLayout(buttonRow);
    setMinimumWidth(280);

    connect(cmdInc_, &QPushButton::clicked, this, [this] { step(true); });
    connect(cmdDec_, &QPushButton::clicked, this, [this] { step(false); });
    connect(cmdEnter_, &QPushButton::clicked, this, &FormInputCheck::acceptInput);
    connect(cmdCancel_, &QPushButton::clicked, this, &FormInputCheck::reject);
}

double FormInputCheck::InputCheckBox(const InputNumber& min, const InputNumber& max,
                                     const InputNumber& ini, const InputNumber& increment,
                                     const QString& Msg, const QString& Title) {
    setWindowTitle(Title.isEmpty() ? QStringLiteral("パラメータ入力") : Title);
    const double a = min.value();
    const double b = max.value();
    minValue_ = b > a ? a : b;
    maxValue_ = b > a ? b : a;
    currentValue_ = ini.value();
    increment_ = std::fabs(increment.value());
    lblminV_->setText(NumberText(minValue_));
    lblmaxv_->setText(NumberText(maxValue_));
    lblmsg_->setText(Msg);
    txtInput_->setText(ini.text());
    txtInput_->selectAll();
    txtInput_->setFocus();
    exec();
    setWindowTitle(QString());
    return currentValue_;
}

void FormInputCheck::reject() {
    currentValue_ = kCancelled;
    setWindowTitle(QString());
    QDialog::reject();
}

bool FormInputCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtInput_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                cmdEnter_->setFocus(Qt::TabFocusReason);
                return true;
            }
            if (addsForbiddenCharacter(*key)) {
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // After a click the line edit places its caret; select afterwards.
            QTimer::singleShot(0, txtInput_, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool FormInputCheck::checkCharacters() {
    if (HasOnlyNumberCharacters(txtInput_->text())) {
        return true;
    }
    prompt_.tell(QStringLiteral("無効文字が含まれています。"), QStringLiteral("入力チェック"));
    return false;
}

void FormInputCheck::step(bool up) {
    if (!checkCharacters()) {
        return;
    }
    currentValue_ = fmt::leadingNumber(txtInput_->text());
    if (up) {
        currentValue_ += increment_;
        if (currentValue_ > maxValue_) {
            currentValue_ = maxValue_;
        }
    } else {
        currentValue_ -= increment_;
        if (currentValue_ < minValue_) {
            currentValue_ = minValue_;
        }
    }
    txtInput_->setText(NumberText(currentValue_));
}

void FormInputCheck::acceptInput() {
    if (!checkCharacters()) {
        return;
    }
    currentValue_ = fmt::leadingNumber(txtInput_->text());
    if (currentValue_ < minValue_) {
        prompt_.tell(QStringLiteral("入力下限を超えています"), QStringLiteral("入力エラー"));
        txtInput_->setFocus();
        return;
    }
    if (currentValue_ > maxValue_) {
        prompt_.tell(QStringLiteral("入力上限を超えています"), QStringLiteral("入力エラー"));
        txtInput_->setFocus();
        return;
    }
    setWindowTitle(QString());
    accept();
}

}  // namespace bm
