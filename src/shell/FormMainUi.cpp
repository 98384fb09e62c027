#include "shell/FormMainUi.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextDocument>

#include "records/LogText.h"

namespace bm {

namespace {

template <typename T>
T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

QAction* action(QMenu* menu, const char* name, const QString& caption) {
    return named(menu->addAction(caption), QString::fromLatin1(name));
}

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = named(new QLabel(parent), QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

QFont logFont() {
    // A fixed-pitch Japanese font in which a full-width character is exactly
    // two half-width columns, so the log columns line up.
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(12);
    return font;
}

}  // namespace

void FormMainUi::build(QMainWindow* window) {
    buildMenus(window);
    auto* central = new QWidget(window);
    central->setObjectName(QStringLiteral("centralWidget"));
    window->setCentralWidget(central);
    buildResultFrame(central);
    cmdTempStop =
        named(new QPushButton(QStringLiteral("一時停止"), central), QStringLiteral("cmdTempStop"));
    cmdTempStop->setAutoFillBackground(true);
    buildLog(central);
    buildDebugFrame(central);
    frmGraph = named(new QWidget(central), QStringLiteral("frmGraph"));

    for (int i = 0; i < 4; ++i) {
        lines[i] = named(new QFrame(central), QStringLiteral("Line%1").arg(i + 1));
        lines[i]->setFrameShape(QFrame::NoFrame);
        lines[i]->setAutoFillBackground(true);
    }

    timCaptureInterval = named(new QTimer(window), QStringLiteral("timCaptureInterval"));
    timDoHLInterval = named(new QTimer(window), QStringLiteral("timDoHLInterval"));
}

void FormMainUi::buildMenus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    menuFile = named(bar->addMenu(QStringLiteral("ファイル")), QStringLiteral("menuFile"));
    menuPatternSave = action(menuFile, "menuPatternSave", QStringLiteral("パターン保存"));
    menuEnd = action(menuFile, "menuEnd", QStringLiteral("終了"));
    menuConfig = named(bar->addMenu(QStringLiteral("設定")), QStringLiteral("menuConfig"));
    menuOption = action(menuConfig, "menuOption", QStringLiteral("オプション..."));
    menuGesture = action(menuConfig, "menuGesture", QStringLiteral("マウスジェスチャ"));
    menuGesture->setCheckable(true);
    menuDebugMode = action(menuConfig, "menuDebugMode", QStringLiteral("デバッグモード"));
    menuDebugMode->setCheckable(true);
    menuRun = named(bar->addAction(QStringLiteral("開始")), QStringLiteral("menuRun"));
    menuStop = named(bar->addAction(QStringLiteral("停止")), QStringLiteral("menuStop"));
    menuTools = named(bar->addMenu(QStringLiteral("ツール")), QStringLiteral("menuTools"));
    menuRandomOne = action(menuTools, "menuRandomOne", QStringLiteral("らんだまーオンリーONE"));
    menuRandomSome =
        action(menuTools, "menuRandomSome", QStringLiteral("らんだまーステキなサムシング"));
    menuPrtScr = action(menuTools, "menuPrtScr", QStringLiteral("プリントスクリーン"));
    menuHelp = named(bar->addMenu(QStringLiteral("ヘルプ")), QStringLiteral("menuHelp"));
    menuQuick = action(menuHelp, "menuQuick", QStringLiteral("クイックリファレンス"));
    menuHowToUse = action(menuHelp, "menuHowToUse", QStringLiteral("使用方法"));
    menuReadMe = action(menuHelp, "menuReadMe", QStringLiteral("よんで！"));
    menuOperatingInfo = action(menuHelp, "menuOperatingInfo", QStringLiteral("実行環境調査"));
    menuVersion = action(menuHelp, "menuVersion", QStringLiteral("バージョン情報..."));
}

void FormMainUi::buildResultFrame(QWidget* central) {
    Frame1 = named(new QGroupBox(QStringLiteral("測定状況"), central), QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const QStringList columnTitles = {QStringLiteral("時 刻"), QStringLiteral("Lv"),
                                      QStringLiteral("Exp"), QStringLiteral("ELY")};
    const QStringList rowTitles = {QStringLiteral("開始："), QStringLiteral("最終："),
                                   QStringLiteral("増加：")};
    for (int c = 0; c < 4; ++c) {
        auto* title = new QLabel(columnTitles[c], Frame1);
        title->setAlignment(Qt::AlignCenter);
        grid->addWidget(title, 0, c + 1);
    }
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(new QLabel(rowTitles[r], Frame1), r + 1, 0);
    }
    lblStartTime = valueLabel(Frame1, "lblStartTime");
    lblEndTime = valueLabel(Frame1, "lblEndTime");
    lblElapseTime = valueLabel(Frame1, "lblElapseTime");
    lblStartLv = valueLabel(Frame1, "lblStartLv");
    lblEndLv = valueLabel(Frame1, "lblEndLv");
    lblElapseLv = valueLabel(Frame1, "lblElapseLv");
    lblStartExp = valueLabel(Frame1, "lblStartExp");
    lblEndExp = valueLabel(Frame1, "lblEndExp");
    lblElapseExp = valueLabel(Frame1, "lblElapseExp");
    lblStartMoney = valueLabel(Frame1, "lblStartMoney");
    lblEndMoney = valueLabel(Frame1, "lblEndMoney");
    lblElapseMoney = valueLabel(Frame1, "lblElapseMoney");
    const std::array<std::array<QLabel*, 4>, 3> cells = {{
        {lblStartTime, lblStartLv, lblStartExp, lblStartMoney},
        {lblEndTime, lblEndLv, lblEndExp, lblEndMoney},
        {lblElapseTime, lblElapseLv, lblElapseExp, lblElapseMoney},
    }};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            grid->addWidget(cells[r][c], r + 1, c + 1);
        }
    }
    // A time label holds a whole time stamp; the level needs three digits.
    for (QLabel* time : {lblStartTime, lblEndTime, lblElapseTime}) {
        time->setMinimumWidth(
            time->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + 8);
    }
    for (QLabel* lv : {lblStartLv, lblEndLv, lblElapseLv}) {
        lv->setMinimumWidth(lv->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(4, 3);
}

void FormMainUi::buildLog(QWidget* central) {
    const QFont mono = logFont();
    lblLog_t = named(new QLabel(LogColumnHeader, central), QStringLiteral("lblLog_t"));
    lblLog_t->setFont(mono);
    txtLog = named(new QPlainTextEdit(central), QStringLiteral("txtLog"));
    txtLog->setFont(mono);
    txtLog->setReadOnly(true);
    txtLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The titles start where the box's text starts: past its frame and the
    // document's margin, so that they stand over their columns.
    lblLog_t->setIndent(txtLog->frameWidth() + qRound(txtLog->document()->documentMargin()));
}

void FormMainUi::buildDebugFrame(QWidget* central) {
    frmDebug = named(new QGroupBox(central), QStringLiteral("frmDebug"));
    cmdCapture = named(new QPushButton(QStringLiteral("キャプチャ"), frmDebug),
                       QStringLiteral("cmdCapture"));
    cmdRecognize =
        named(new QPushButton(QStringLiteral("認 識"), frmDebug), QStringLiteral("cmdRecognize"));
    lblElapse = named(new QLabel(QStringLiteral("0.000秒"), frmDebug), QStringLiteral("lblElapse"));
    const QStringList captureTitles = {QStringLiteral("Lv読込→"), QStringLiteral("Exp読込→"),
                                       QStringLiteral("ELY読込→")};
    for (int i = 0; i < 3; ++i) {
        auto* title =
            named(new QLabel(captureTitles[i], frmDebug), QStringLiteral("lblCapture_t%1").arg(i));
        title->setGeometry(176, 14 + i * 20, 64, 18);
        lblCapture[i] = named(new QLabel(frmDebug), QStringLiteral("lblCapture%1").arg(i));
        lblCapture[i]->setFrameShape(QFrame::StyledPanel);
        lblCapture[i]->setFrameShadow(QFrame::Sunken);
        lblCapture[i]->setGeometry(240, 14 + i * 20, 224, 18);
    }
    cmdCapture->setGeometry(8, 14, 76, 24);
    cmdRecognize->setGeometry(90, 14, 76, 24);
    lblElapse->setGeometry(8, 42, 158, 18);
    lblElapse->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 5; ++i) {
        picCapture[i] = named(new QLabel(frmDebug), QStringLiteral("picCapture%1").arg(i));
        picCapture[i]->setFrameShape(QFrame::Box);
        picCapture[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picCapture[i]->setStyleSheet(QStringLiteral("background: black;"));
    }
    // Lv, Exp, money, and the second Exp and money positions, in one row.
    const std::array<int, 5> previewWidths = {40, 56, 96, 56, 96};
    int x = 8;
    for (int i = 0; i < 5; ++i) {
        picCapture[i]->setGeometry(x, 80, previewWidths[i], 24);
        x += previewWidths[i] + 6;
    }
    frmDebug->setFixedHeight(112);
}

}  // namespace bm
