#include "settings/OptionPageDisplay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/AppContext.h"
#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "settings/OptionContext.h"
#include "settings/OptionRules.h"
#include "settings/OptionsHost.h"
#include "util/ClickableLabel.h"

namespace bm {

namespace {

void addPair(QGridLayout* grid, int row, QWidget* parent, const QString& title, QWidget* x,
             QWidget* y) {
    grid->addWidget(makeLabel(parent, {}, title), row, 0);
    grid->addWidget(makeLabel(parent, {}, QStringLiteral("X")), row, 1);
    grid->addWidget(x, row, 2);
    grid->addWidget(makeLabel(parent, {}, QStringLiteral("Y")), row, 3);
    grid->addWidget(y, row, 4);
}

}  // namespace

OptionPageDisplay::OptionPageDisplay(OptionContext& oc, QWidget* parent)
    : QWidget(parent), oc_(oc) {
    setObjectName(QStringLiteral("frmOption4"));
    Settings& s = oc_.app.settings;

    auto* windowBox = new QGroupBox(QStringLiteral("起動時ウィンドウ位置"), this);
    windowBox->setObjectName(QStringLiteral("fraWindowPosition"));
    auto* windowGrid = new QGridLayout(windowBox);
    addPair(windowGrid, 0, windowBox, QStringLiteral("始点"),
            oc_.numberLabel(windowBox, QStringLiteral("lblWindowPosition_sx"), bounds::WindowLeft,
                            s.WindowLeft),
            oc_.numberLabel(windowBox, QStringLiteral("lblWindowPosition_sy"), bounds::WindowTop,
                            s.WindowTop));
    addPair(windowGrid, 1, windowBox, QStringLiteral("サイズ"),
            oc_.numberLabel(windowBox, QStringLiteral("lblWindowPosition_ex"), bounds::WindowWidth,
                            s.WindowWidth),
            oc_.numberLabel(windowBox, QStringLiteral("lblWindowPosition_ey"), bounds::WindowHeight,
                            s.WindowHeight));
    auto* cmdResize = makeButton(windowBox, QStringLiteral("cmdResize"), QStringLiteral("反 映"));
    auto* cmdResetPosition =
        makeButton(windowBox, QStringLiteral("cmdResetPosition"), QStringLiteral("忘 却"));
    windowGrid->addWidget(cmdResize, 0, 5);
    windowGrid->addWidget(cmdResetPosition, 1, 5);
    windowGrid->setColumnStretch(6, 1);

    chkWindowMemory_ = makeCheckBox(this, QStringLiteral("chkWindowMemory"),
                                    QStringLiteral("ウィンドウ位置を記憶する"));
    chkDualDisplay_ = makeCheckBox(this, QStringLiteral("chkDualDisplay"),
                                   QStringLiteral("デュアルディスプレイに対応する"));

    auto* offsetBox = new QGroupBox(QStringLiteral("認識領域オフセット"), this);
    offsetBox->setObjectName(QStringLiteral("fraDisplayOffset"));
    auto* offsetGrid = new QGridLayout(offsetBox);
    addPair(offsetGrid, 0, offsetBox, {},
            oc_.numberLabel(offsetBox, QStringLiteral("lblDisplayOffset_x"), bounds::DisplayOffsetX,
                            s.DisplayOffsetX),
            oc_.numberLabel(offsetBox, QStringLiteral("lblDisplayOffset_y"), bounds::DisplayOffsetY,
                            s.DisplayOffsetY));
    cmbStandardScreen_ = new QComboBox(offsetBox);
    cmbStandardScreen_->setObjectName(QStringLiteral("cmbStandardScreen"));
    cmbRelativePosition_ = new QComboBox(offsetBox);
    cmbRelativePosition_->setObjectName(QStringLiteral("cmbRelativePosition"));
    auto* combos = new QHBoxLayout;
    combos->addWidget(cmbStandardScreen_);
    combos->addWidget(cmbRelativePosition_);
    combos->addStretch();
    offsetGrid->addLayout(combos, 1, 0, 1, 7);
    offsetGrid->setColumnStretch(6, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(windowBox);
    page->addWidget(chkWindowMemory_);
    page->addWidget(chkDualDisplay_);
    page->addWidget(offsetBox);
    page->addStretch();

    // The lists as the dialog is loaded: every standard resolution, then the
    // neutral entry, which is selected.
    for (const ScreenResolution& r : oc_.services.screens.StandardResolutions) {
        cmbStandardScreen_->addItem(r.Text);
    }
    cmbStandardScreen_->addItem(QStringLiteral("サブ画面サイズ"));
    cmbStandardScreen_->setCurrentIndex(StandardResolutionCount);
    for (const char16_t* text : {u"サブ画面位置", u"　←", u"　→", u"　↑", u"　↓"}) {
        cmbRelativePosition_->addItem(QString::fromUtf16(text));
    }
    cmbRelativePosition_->setCurrentIndex(0);

    connect(cmdResize, &QPushButton::clicked, this,
            [this] { oc_.host.applyRememberedWindowRect(); });
    connect(cmdResetPosition, &QPushButton::clicked, this, [this] {
        ForgetWindowRect(oc_.app.settings);
        oc_.refresh();
    });
    connect(chkWindowMemory_, &QCheckBox::clicked, this, &OptionPageDisplay::windowMemoryClicked);
    connect(chkDualDisplay_, &QCheckBox::clicked, this, &OptionPageDisplay::dualDisplayClicked);
    connect(cmbStandardScreen_, &QComboBox::activated, this, &OptionPageDisplay::offsetChosen);
    connect(cmbRelativePosition_, &QComboBox::activated, this, &OptionPageDisplay::offsetChosen);
}

void OptionPageDisplay::refresh() {
    chkWindowMemory_->setChecked(oc_.app.settings.RememberWindowPos);
    chkDualDisplay_->setChecked(oc_.app.settings.MultiDisplay);
}

void OptionPageDisplay::windowMemoryClicked(bool on) {
    Settings& s = oc_.app.settings;
    s.RememberWindowPos = on;
    if (on) {
        RememberWindowRect(s, oc_.host.mainWindowRect());
    } else {
        DropRememberedWindowRect(s);
    }
    oc_.refresh();
}

void OptionPageDisplay::dualDisplayClicked(bool on) {
    oc_.app.settings.MultiDisplay = on;
    oc_.tell(QStringLiteral("このゲームでは変更する必要はありません。"), QStringLiteral("エラー"));
}

void OptionPageDisplay::offsetChosen() {
    if (ApplyDisplayOffset(oc_.app.settings, oc_.services.screens,
                           cmbStandardScreen_->currentIndex(),
                           cmbRelativePosition_->currentIndex())) {
        oc_.refresh();
    }
}

}  // namespace bm
