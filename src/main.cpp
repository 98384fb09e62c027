#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Brindlemark  for  Latale    Ver.2.30b0"));
    window.resize(488, 500);
    window.show();
    return QApplication::exec();
}
