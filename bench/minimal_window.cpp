// The yardstick for start-up time and memory: the smallest Qt Widgets window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Minimal Qt"));
    w.setCentralWidget(new QLabel(QStringLiteral("Minimal")));
    w.resize(600, 440);
    w.show();
    return app.exec();
}
