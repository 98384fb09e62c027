#include "settings/OptionContext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/AppContext.h"
#include "app/SettingBounds.h"
#include "capture/ScreenshotCommands.h"
#include "records/DebugLog.h"
#include "settings/FormInputCheck.h"
#include "util/ClickableLabel.h"
#include "util/Prompt.h"

namespace bm {

namespace {

const QString InputTitle = QStringLiteral("設定値入力");

// The nearest whole number, an exact half to the even neighbour.
std::int32_t wholeNumber(double value) {
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::nearbyint(value), lo, hi));
}

}  // namespace

NumberInput InputThrough(FormInputCheck& dialog) {
    return [&dialog](const InputNumber& min, const InputNumber& max, const InputNumber& ini,
                     const InputNumber& increment, const QString& msg, const QString& title) {
        return dialog.InputCheckBox(min, max, ini, increment, msg, title);
    };
}

OptionServices StandardOptionServices(FormInputCheck& dialog, const ScreenTable& screens) {
    OptionServices services;
    services.input = InputThrough(dialog);
    services.regionCapture = &RegionCaptureAndSave;
    services.screens = screens;
    return services;
}

OptionContext::OptionContext(AppContext& appContext, OptionsHost& optionsHost,
                             OptionServices& optionServices, QWidget* ownerWindow)
    : app(appContext), host(optionsHost), services(optionServices), owner(ownerWindow) {}

ClickableLabel* OptionContext::numberLabel(QWidget* parent, const QString& name,
                                           const NumericSetting& bounds, std::int32_t& value) {
    auto* label = new ClickableLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-00000")) + 8);
    label->setObjectName(name);
    label->setText(QString::number(value));
    numbers_.emplace_back(label, &value);
    QObject::connect(label, &ClickableLabel::clicked, label,
                     [this, &bounds, &value] { editNumber(bounds, value); });
    return label;
}

void OptionContext::editNumber(const NumericSetting& bounds, std::int32_t& value) {
    if (services.input) {
        const double result = services.input(bounds.min, bounds.max, value, bounds.step,
                                             QString::fromUtf8(bounds.prompt), InputTitle);
        if (result != FormInputCheck::kCancelled) {
            value = wholeNumber(result);
        }
    }
    if (refresh) {
        refresh();
    }
}

void OptionContext::refreshNumbers() {
    for (const auto& [label, value] : numbers_) {
        label->setText(QString::number(*value));
    }
}

void OptionContext::log(const QString& message) {
    app.log.WriteDebugLog(message);
}

void OptionContext::tell(const QString& text, const QString& title) {
    app.prompt.tell(text, title);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // Enter in a text box must not press a button of the dialog.
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

void showText(QLineEdit* box, const QString& text) {
    const bool typing = box->isModified() && box->window()->focusWidget() == box;
    if (!typing) {
        box->setText(text);
    }
}

}  // namespace bm
