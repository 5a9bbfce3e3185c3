// The yardstick for Tableclick's launch: the smallest Qt Widgets program that maps a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
