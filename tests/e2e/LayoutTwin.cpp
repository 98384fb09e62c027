#include "LayoutTwin.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include "settings/FormInputCheck.h"
#include "settings/FormOption.h"
#include "settings/OptionContext.h"
#include "settings/OptionsHost.h"
#include "shell/FormMainUi.h"
#include "support/TestContext.h"

namespace bm::test {

namespace {

// The main window as far as the options dialog reaches it; nothing happens.
class QuietHost : public OptionsHost {
public:
    void DebugItemDisplay(bool) override {}
    void setGesturesLoaded(bool) override {}
    void setGraphBuffer(bool) override {}
    QRect mainWindowRect() const override { return {}; }
    void setMainWindowWidth(int) override {}
    void applyRememberedWindowRect() override {}
    void setWatchTimer(int, bool) override {}
    void showMainWindow() override {}
};

// Lays the window out at the client size the program shows it with.
void layOut(QWidget& window, QSize client) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.resize(client);
    if (window.layout()) {
        window.layout()->activate();
    }
    QApplication::processEvents();
}

// The centre of a named control in the window; (-1, -1) when there is none.
QPoint centreOf(QWidget& window, const QString& name) {
    auto* control = window.findChild<QWidget*>(name);
    return control ? control->mapTo(&window, control->rect().center()) : QPoint(-1, -1);
}

}  // namespace

QPoint LayoutTwin::menuBarItem(const QString& caption, bool runActive) const {
    QMainWindow window;
    FormMainUi ui;
    ui.build(&window);
    if (runActive) {
        ui.menuRun->setText(QStringLiteral("ロギング"));
    }
    layOut(window, QSize(700, 480));
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == caption) {
            return window.menuBar()->actionGeometry(action).center() + window.menuBar()->pos();
        }
    }
    return {-1, -1};
}

QPoint LayoutTwin::optionsControl(const QString& name, int page, QSize client) const {
    TestContext<> c;
    c.settings = settings_;
    QuietHost host;
    FormOption dialog(c.ctx, host, OptionServices{});
    layOut(dialog, client);
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabOption"));
    if (name.isEmpty()) {
        QTabBar* bar = tabs->tabBar();
        return bar->mapTo(&dialog, bar->tabRect(page).center());
    }
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    return centreOf(dialog, name);
}

QPoint LayoutTwin::inputControl(const QString& name, const QString& prompt, QSize client) const {
    ScriptedPrompt answers;
    FormInputCheck dialog(answers);
    if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblmsg"))) {
        label->setText(prompt);
    }
    layOut(dialog, client);
    return centreOf(dialog, name);
}

}  // namespace bm::test
