// statusbar-sim: a stand-in for the game window. It shows a status bar
// with the level, Exp and money drawn from the default reference glyphs at
// the default capture regions, and changes them on a schedule. See
// README.md beside this file.

#include <unistd.h>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

#include "SimController.h"

using bm::sim::SimController;

int main(int argc, char* argv[]) {
    // Glyphs must reach the screen pixel for pixel.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("statusbar-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Status-bar stand-in window"));
    parser.addHelpOption();
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Window title."),
                                   QStringLiteral("text"), QStringLiteral("LaTale Client"));
    const QCommandLineOption thief(QStringLiteral("thief-title"),
                                   QStringLiteral("Title of the window that takes the focus."),
                                   QStringLiteral("text"), QStringLiteral("Focus Thief"));
    const QCommandLineOption pos(QStringLiteral("pos"), QStringLiteral("Window position X,Y."),
                                 QStringLiteral("x,y"), QStringLiteral("40,40"));
    const QCommandLineOption lv(QStringLiteral("lv"), QStringLiteral("Level."), QStringLiteral("n"),
                                QStringLiteral("57"));
    const QCommandLineOption exp(QStringLiteral("exp"), QStringLiteral("Exp percent."),
                                 QStringLiteral("x.yy"), QStringLiteral("12.34"));
    const QCommandLineOption money(QStringLiteral("money"), QStringLiteral("Money (ELY)."),
                                   QStringLiteral("n"), QStringLiteral("1234567"));
    const QCommandLineOption mode(QStringLiteral("mode"), QStringLiteral("window or fullscreen."),
                                  QStringLiteral("mode"), QStringLiteral("window"));
    const QCommandLineOption position(QStringLiteral("position"),
                                      QStringLiteral("Exp/money position, 1 or 2."),
                                      QStringLiteral("p"), QStringLiteral("1"));
    const QCommandLineOption lvset(QStringLiteral("lvset"),
                                   QStringLiteral("Level glyphs: standard or win7."),
                                   QStringLiteral("set"), QStringLiteral("standard"));
    const QCommandLineOption script(
        QStringLiteral("script"),
        QStringLiteral("Command file; '-' reads standard input (also the default when it is "
                       "not a terminal)."),
        QStringLiteral("file"));
    const QCommandLineOption unmanaged(
        QStringLiteral("unmanaged"),
        QStringLiteral("An override-redirect window that takes the input focus itself."));
    const QCommandLineOption desktop(
        QStringLiteral("desktop"),
        QStringLiteral("Show the status bar inside a desktop window of this size at --pos."),
        QStringLiteral("WxH"));
    parser.addOptions(
        {title, thief, pos, lv, exp, money, mode, position, lvset, script, unmanaged, desktop});
    parser.process(app);

    // The start values go through the script reader, so they obey the
    // same rules as script lines.
    const QString startLine =
        QStringLiteral("lv %1 exp %2 money %3 mode %4 position %5 lvset %6")
            .arg(parser.value(lv), parser.value(exp), parser.value(money), parser.value(mode),
                 parser.value(position), parser.value(lvset));
    const auto start = bm::sim::parseSimLine(startLine, 0);
    const QStringList xy = parser.value(pos).split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    const QPoint at = xy.size() == 2 ? QPoint(xy[0].toInt(&okX), xy[1].toInt(&okY)) : QPoint();
    const QStringList wh = parser.value(desktop).split(QLatin1Char('x'));
    bool okW = !parser.isSet(desktop);
    bool okH = okW;
    const QSize desktopSize =
        wh.size() == 2 ? QSize(wh[0].toInt(&okW), wh[1].toInt(&okH)) : QSize();
    if (!okW || !okH) {
        std::fprintf(stderr, "statusbar-sim: bad option: --desktop needs WxH\n");
        return 2;
    }
    if (!start.command || !okX || !okY) {
        std::fprintf(stderr, "statusbar-sim: bad option: %s\n",
                     qPrintable(start.command ? QStringLiteral("--pos needs X,Y") : start.error));
        return 2;
    }
    SimController::Options options;
    options.title = parser.value(title);
    options.thiefTitle = parser.value(thief);
    options.position = at;
    options.unmanaged = parser.isSet(unmanaged);
    options.desktopSize = desktopSize;
    for (const auto& action : start.command->actions) {
        bm::sim::applyToState(action, options.state);
    }

    SimController controller(options);
    const QString scriptPath = parser.value(script);
    if (!scriptPath.isEmpty() && scriptPath != QLatin1String("-")) {
        QFile file(scriptPath);
        QString error;
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "statusbar-sim: cannot read %s\n", qPrintable(scriptPath));
            return 2;
        }
        if (!controller.loadScript(QString::fromUtf8(file.readAll()), error)) {
            std::fprintf(stderr, "statusbar-sim: %s: %s\n", qPrintable(scriptPath),
                         qPrintable(error));
            return 2;
        }
    } else if (scriptPath == QLatin1String("-") || isatty(STDIN_FILENO) == 0) {
        controller.listenToStandardInput();
    }
    controller.start();
    return QApplication::exec();
}
