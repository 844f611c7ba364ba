// kv_icon PATH: writes the program's icon as a PNG, for the desktop entry.
#include "shell/app/Dominoes.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    return Dominoes::icone().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
