#include "settings/FormOption.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Settings.h"
#include "records/DebugLog.h"
#include "settings/ConfigFile.h"
#include "settings/OptionPageAutoRun.h"
#include "settings/OptionPageBasic.h"
#include "settings/OptionPageDisplay.h"
#include "settings/OptionPageExtended.h"
#include "settings/OptionPageRegions.h"
#include "settings/OptionsHost.h"
#include "util/Prompt.h"

namespace bm {

FormOption::FormOption(AppContext& ctx, OptionsHost& host, OptionServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)),
      oc_(ctx, host, services_, this) {
    setObjectName(QStringLiteral("FormOption"));
    setWindowTitle(QStringLiteral("オプション"));
    oc_.refresh = [this] { Activate(); };

    tabOption_ = new QTabWidget(this);
    tabOption_->setObjectName(QStringLiteral("tabOption"));
    basic_ = new OptionPageBasic(oc_);
    extended_ = new OptionPageExtended(oc_);
    autoRun_ = new OptionPageAutoRun(oc_);
    regions_ = new OptionPageRegions(oc_);
    display_ = new OptionPageDisplay(oc_);
    tabOption_->addTab(basic_, QStringLiteral(" 　基本設定　 "));
    tabOption_->addTab(extended_, QStringLiteral(" 　拡張設定　 "));
    tabOption_->addTab(autoRun_, QStringLiteral(" 自動起動設定 "));
    tabOption_->addTab(regions_, QStringLiteral(" 認識領域設定 "));
    tabOption_->addTab(display_, QStringLiteral(" 双界画面設定 "));
    currentTab_ = tabOption_->currentIndex();

    auto* cmdLoad = makeButton(this, QStringLiteral("cmdLoad"), QStringLiteral("読 込"));
    auto* cmdEnd = makeButton(this, QStringLiteral("cmdEnd"), QStringLiteral("戻 る"));
    auto* cmdInit = makeButton(this, QStringLiteral("cmdInit"), QStringLiteral("初期化"));
    auto* cmdSave = makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("保 存"));
    auto* lblSave = makeLabel(this, QStringLiteral("lblSave"),
                              QStringLiteral("保存しないと次回起動時に設定が引継がれません。"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdInit);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdEnd);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabOption_, 1);
    layout->addLayout(buttons);
    layout->addWidget(lblSave);

    connect(tabOption_, &QTabWidget::currentChanged, this,
            [this](int index) { currentTab_ = index; });
    connect(cmdLoad, &QPushButton::clicked, this, &FormOption::loadClicked);
    connect(cmdSave, &QPushButton::clicked, this, &FormOption::saveClicked);
    connect(cmdInit, &QPushButton::clicked, this, &FormOption::initClicked);
    connect(cmdEnd, &QPushButton::clicked, this, &FormOption::endClicked);

    Activate();
}

FormOption::~FormOption() = default;

// The handlers answer the user's clicks and edits only, so showing the
// stored values here runs none of them.
void FormOption::Activate() {
    oc_.refreshNumbers();
    basic_->refresh();
    extended_->refresh();
    autoRun_->refresh();
    display_->refresh();
}

bool FormOption::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Activate();
    }
    return QDialog::event(event);
}

void FormOption::showEvent(QShowEvent* event) {
    Activate();
    QDialog::showEvent(event);
}

void FormOption::loadClicked() {
    oc_.log(QStringLiteral("Click : Setting Load "));
    const Settings& s = oc_.app.settings;
    const bool graph = s.GraphShow;
    const bool gestures = s.GestureEnabled;
    ConfigFile(oc_.app, ConfigOp::Load);
    followReplacedSettings(graph, gestures);
    Activate();
    oc_.log(QStringLiteral("Loading ConfigFile ･･･ End "));
}

void FormOption::saveClicked() {
    oc_.log(QStringLiteral("Click : Setting Save "));
    ConfigFile(oc_.app, ConfigOp::Save);
    oc_.log(QStringLiteral("Saving ConfigFile ･･･ End "));
}

void FormOption::initClicked() {
    oc_.log(QStringLiteral("Click : Setting Initialize "));
    if (oc_.app.prompt.ask(QStringLiteral("設定を初期化してもよろしいですか？"),
                           QStringLiteral("設定ファイル変更"),
                           PromptButtons::YesNo) == PromptAnswer::No) {
        return;
    }
    const Settings& s = oc_.app.settings;
    const bool graph = s.GraphShow;
    const bool gestures = s.GestureEnabled;
    ConfigFile(oc_.app, ConfigOp::Initialise);
    followReplacedSettings(graph, gestures);
    Activate();
    oc_.log(QStringLiteral("Initializing ConfigFile ･･･ End "));
}

void FormOption::endClicked() {
    hide();
    oc_.host.showMainWindow();
    const Settings& s = oc_.app.settings;
    oc_.host.setWatchTimer(s.ShotCheckInterval, s.ShotCheckEnabled);
}

// Without this a graph switched on by the file would have no buffer to
// draw, and gestures switched on would have no window listening for them.
void FormOption::followReplacedSettings(bool graphWasOn, bool gesturesWereOn) {
    const Settings& s = oc_.app.settings;
    if (s.GraphShow != graphWasOn) {
        oc_.host.setGraphBuffer(s.GraphShow);
    }
    if (s.GestureEnabled != gesturesWereOn) {
        oc_.host.setGesturesLoaded(s.GestureEnabled);
    }
}

void FormOption::clearPreviews() {
    for (int i = 0; i < RegionCount; ++i) {
        regions_->showPreview(i, QImage());
    }
}

}  // namespace bm
