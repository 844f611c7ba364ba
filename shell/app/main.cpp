#include "shell/AppState.h"
#include "shell/FatalError.h"
#include "shell/Fonts.h"
#include "shell/Gravacao.h"
#include "shell/app/Menu.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char** argv)
{
    KvApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KV"));
    Fontes::instalarSubstituicoes();

    AppState estado;
    estado.pastaPrograma = QCoreApplication::applicationDirPath();

    Menu menu(estado);
    if (!menu.Form_Load())
        return 1;
    menu.adjustSize();
    menu.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, menu.size(),
                                         QGuiApplication::primaryScreen()->availableGeometry()));
    menu.show();
    const int codigo = app.exec();
    Gravacao::aoEncerrar(estado);
    return codigo;
}
