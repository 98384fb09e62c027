#include "settings/OptionPageExtended.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/AppContext.h"
#include "app/RunState.h"
#include "app/SettingBounds.h"
#include "app/Settings.h"
#include "settings/OptionContext.h"
#include "settings/OptionsHost.h"
#include "util/ClickableLabel.h"

namespace bm {

namespace {

// The graph needs the main window at least this wide; switching it on
// widens a narrower window to GraphOnWidth.
constexpr int GraphMinWidth = 710;
constexpr int GraphOnWidth = 800;
// Switching the graph off asks for this width; the main window's resize
// rule then narrows it to the width without the graph.
constexpr int GraphOffWidth = 600;

struct GestureHelp {
    const char16_t* caption;
    const char16_t* toolTip;
};

constexpr std::array<GestureHelp, 4> GestureHelps = {{
    {u"L-R-L-L(R)：一時停止 ON(OFF)",
     u" ひだり-みぎ-ひだり-ひだり：ON　　ひだり-みぎ-ひだり-みぎ：OFF "},
    {u"R-L-L-L(R) ：DoHL(自動撮影) ON(OFF)",
     u" みぎ-ひだり-ひだり-ひだり：ON　　みぎ-ひだり-ひだり-みぎ：OFF "},
    {u"R-R-R-R   ：時給タイマリセット", u" みぎ-みぎ-みぎ-みぎ：測定サイクルリセット "},
    {u"LRﾀﾞﾌﾞﾙｸﾘｯｸ：スクリーンショット撮影", u" 同時押し-同時押し：撮影 "},
}};

constexpr std::array<const char*, 4> FormatButtonNames = {"optSaveFormatB", "optSaveFormatP",
                                                          "optSaveFormatJ9", "optSaveFormatJ7"};
constexpr std::array<const char16_t*, 4> FormatCaptions = {u"ＢＭＰ形式", u"ＰＮＧ形式",
                                                           u"ＪＰＧ形式90", u"ＪＰＧ形式70"};

}  // namespace

OptionPageExtended::OptionPageExtended(OptionContext& oc, QWidget* parent)
    : QWidget(parent), oc_(oc) {
    setObjectName(QStringLiteral("frmOption1"));
    Settings& s = oc_.app.settings;

    chkGraph_ = makeCheckBox(this, QStringLiteral("chkGraph"), QStringLiteral("グラフ表示"));
    auto* graph = new QHBoxLayout;
    graph->addWidget(chkGraph_);
    graph->addSpacing(16);
    graph->addWidget(oc_.numberLabel(this, QStringLiteral("lblGraphTimeScale"), bounds::GraphPoints,
                                     s.GraphPoints));
    graph->addWidget(
        makeLabel(this, QStringLiteral("lblGraphTimeScale_u"), QStringLiteral("個 平均")));
    graph->addWidget(oc_.numberLabel(this, QStringLiteral("lblGraphAveNum"),
                                     bounds::GraphAverageCount, s.GraphAverageCount));
    graph->addWidget(makeLabel(this, QStringLiteral("lblGraphAveNum_u"), QStringLiteral("回")));
    graph->addStretch();

    auto* formatBox = new QGroupBox(QStringLiteral("スクリーンショットのファイル形式"), this);
    formatBox->setObjectName(QStringLiteral("fraSaveFormat"));
    auto* formatRow = new QHBoxLayout(formatBox);
    formats_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QString::fromUtf16(FormatCaptions[i]), formatBox);
        button->setObjectName(QLatin1String(FormatButtonNames[i]));
        formats_->addButton(button, i);
        formatRow->addWidget(button);
    }

    chkGesture_ = makeCheckBox(this, QStringLiteral("chkGesture"),
                               QStringLiteral("マウスボタンジェスチャ有効"));
    auto* gesture = new QHBoxLayout;
    gesture->addWidget(chkGesture_);
    gesture->addStretch();
    gesture->addWidget(
        makeLabel(this, QStringLiteral("lblGestureTime_t"), QStringLiteral("入力待ち時間")));
    gesture->addWidget(oc_.numberLabel(this, QStringLiteral("lblGestureTime"),
                                       bounds::GestureWaitTime, s.GestureWaitTime));
    gesture->addWidget(makeLabel(this, QStringLiteral("lblGestureTime_u"), QStringLiteral("ｍ秒")));
    auto* helps = new QGridLayout;
    helps->setContentsMargins(24, 0, 0, 0);
    for (int k = 0; k < 4; ++k) {
        lblGesture_[k] = makeLabel(this, QStringLiteral("lblGesture%1").arg(k),
                                   QString::fromUtf16(GestureHelps[k].caption));
        helps->addWidget(lblGesture_[k], k / 2, k % 2);
    }

    chkDoHLCheckExec_ = makeCheckBox(this, QStringLiteral("chkDoHLCheckExec"),
                                     QStringLiteral("DEAD OR HAPPY LIVE (自動撮影) 有効"));
    auto* watch = new QHBoxLayout;
    watch->addWidget(chkDoHLCheckExec_);
    watch->addStretch();
    watch->addWidget(
        makeLabel(this, QStringLiteral("lblDoHLInterval_t"), QStringLiteral("監視周期")));
    watch->addWidget(oc_.numberLabel(this, QStringLiteral("lblDoHLInterval"),
                                     bounds::ShotCheckInterval, s.ShotCheckInterval));
    watch->addWidget(makeLabel(this, QStringLiteral("lblDoHLInterval_u"), QStringLiteral("ｍ秒")));

    auto* lag = new QHBoxLayout;
    lag->addWidget(makeLabel(this, QStringLiteral("lblLag_t"), QStringLiteral("ラグ回避時間")));
    lag->addWidget(
        oc_.numberLabel(this, QStringLiteral("lblLag"), bounds::LagCancelTime, s.LagCancelTime));
    lag->addWidget(makeLabel(this, QStringLiteral("lblLag_u"), QStringLiteral("ｍ秒")));
    lag->addStretch();

    chkDebug_ = makeCheckBox(this, QStringLiteral("chkDebug"),
                             QStringLiteral("デバッグモード(遅くなります)"));

    auto* page = new QVBoxLayout(this);
    page->addLayout(graph);
    page->addWidget(formatBox);
    page->addLayout(gesture);
    page->addLayout(helps);
    page->addLayout(watch);
    page->addLayout(lag);
    page->addWidget(chkDebug_);
    page->addStretch();

    connect(formats_, &QButtonGroup::idClicked, this, [this](int id) {
        oc_.app.settings.ImageExtension = QString::fromLatin1(ImageExtensionKeys[id]);
    });
    connect(chkGraph_, &QCheckBox::clicked, this, &OptionPageExtended::graphClicked);
    connect(chkGesture_, &QCheckBox::clicked, this, &OptionPageExtended::gestureClicked);
    connect(chkDebug_, &QCheckBox::clicked, this, &OptionPageExtended::debugClicked);
    // The main window's watch timer follows when the dialog is left with its
    // return button.
    connect(chkDoHLCheckExec_, &QCheckBox::clicked, this,
            [this](bool on) { oc_.app.settings.ShotCheckEnabled = on; });
}

void OptionPageExtended::refresh() {
    const Settings& s = oc_.app.settings;
    chkDebug_->setChecked(oc_.app.run.DebugMode);
    chkDoHLCheckExec_->setChecked(s.ShotCheckEnabled);
    chkGesture_->setChecked(s.GestureEnabled);
    chkGraph_->setChecked(s.GraphShow);
    // An unknown key leaves every button clear, which an exclusive group
    // would not allow.
    formats_->setExclusive(false);
    for (int i = 0; i < 4; ++i) {
        formats_->button(i)->setChecked(s.ImageExtension == QLatin1String(ImageExtensionKeys[i]));
    }
    formats_->setExclusive(true);
    for (int k = 0; k < 4; ++k) {
        lblGesture_[k]->setToolTip(QString::fromUtf16(GestureHelps[k].toolTip));
    }
}

void OptionPageExtended::graphClicked(bool on) {
    oc_.app.settings.GraphShow = on;
    oc_.host.setGraphBuffer(on);
    if (on) {
        oc_.log(QStringLiteral("Change GraphDisplay ON ･･･ End "));
        if (oc_.host.mainWindowRect().width() < GraphMinWidth) {
            oc_.host.setMainWindowWidth(GraphOnWidth);
        }
    } else {
        oc_.log(QStringLiteral("Change GraphDisplay OFF ･･･ End "));
        oc_.host.setMainWindowWidth(GraphOffWidth);
    }
}

void OptionPageExtended::gestureClicked(bool on) {
    oc_.app.settings.GestureEnabled = on;
    oc_.host.setGesturesLoaded(on);
    oc_.log(on ? QStringLiteral("Change MouseGesture ON ･･･ End ")
               : QStringLiteral("Change MouseGesture OFF ･･･ End "));
}

void OptionPageExtended::debugClicked(bool on) {
    oc_.app.run.DebugMode = on;
    oc_.host.DebugItemDisplay(on);
    oc_.log(QStringLiteral("Change DebugMode ･･･ End "));
}

}  // namespace bm
