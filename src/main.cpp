#include <QApplication>

#include "shell/Application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Brindlemark"));
    bm::Application brindlemark(QCoreApplication::applicationDirPath());
    if (!brindlemark.Main()) {
        return 1;
    }
    return QApplication::exec();
}
