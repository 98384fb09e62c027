#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

class QMainWindow;

namespace bm {

// The controls of the main window, created with their names and captions.
// Geometry follows the window's own rules (FormMain::relayout).
struct FormMainUi {
    // Menus.
    QMenu* menuFile = nullptr;
    QAction* menuPatternSave = nullptr;
    QAction* menuEnd = nullptr;
    QMenu* menuConfig = nullptr;
    QAction* menuOption = nullptr;
    QAction* menuGesture = nullptr;
    QAction* menuDebugMode = nullptr;
    QAction* menuRun = nullptr;
    QAction* menuStop = nullptr;
    QMenu* menuTools = nullptr;
    QAction* menuRandomOne = nullptr;
    QAction* menuRandomSome = nullptr;
    QAction* menuPrtScr = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* menuQuick = nullptr;
    QAction* menuHowToUse = nullptr;
    QAction* menuReadMe = nullptr;
    QAction* menuOperatingInfo = nullptr;
    QAction* menuVersion = nullptr;

    // Status frame.
    QGroupBox* Frame1 = nullptr;
    QLabel* lblStartTime = nullptr;
    QLabel* lblEndTime = nullptr;
    QLabel* lblElapseTime = nullptr;
    QLabel* lblStartLv = nullptr;
    QLabel* lblEndLv = nullptr;
    QLabel* lblElapseLv = nullptr;
    QLabel* lblStartExp = nullptr;
    QLabel* lblEndExp = nullptr;
    QLabel* lblElapseExp = nullptr;
    QLabel* lblStartMoney = nullptr;
    QLabel* lblEndMoney = nullptr;
    QLabel* lblElapseMoney = nullptr;

    QPushButton* cmdTempStop = nullptr;
    QLabel* lblLog_t = nullptr;
    QPlainTextEdit* txtLog = nullptr;

    // Debug frame.
    QGroupBox* frmDebug = nullptr;
    QPushButton* cmdCapture = nullptr;
    QPushButton* cmdRecognize = nullptr;
    QLabel* lblElapse = nullptr;
    std::array<QLabel*, 3> lblCapture{};
    std::array<QLabel*, 5> picCapture{};

    // Graph frame (its contents are the graph widget's).
    QWidget* frmGraph = nullptr;

    // Etched separators.
    std::array<QFrame*, 4> lines{};

    QTimer* timCaptureInterval = nullptr;
    QTimer* timDoHLInterval = nullptr;

    void build(QMainWindow* window);

private:
    void buildMenus(QMainWindow* window);
    // The result frame: the start, latest and increase of time, level, Exp
    // and money.
    void buildResultFrame(QWidget* central);
    // The log box and its column titles.
    void buildLog(QWidget* central);
    // The debug frame: test buttons, recognition texts and capture previews.
    void buildDebugFrame(QWidget* central);
};

}  // namespace bm
