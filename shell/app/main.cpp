#include "shell/AppState.h"
#include "shell/Estilo.h"
#include "shell/FatalError.h"
#include "shell/Fonts.h"
#include "shell/Gravacao.h"
#include "shell/Restauracao.h"
#include "shell/Vigia.h"
#include "shell/app/Aquecimento.h"
#include "shell/app/Menu.h"
#include "shell/app/Sinais.h"

#include <QScreen>
#include <QStyle>

int main(int argc, char** argv)
{
    Aquecimento aquecimento;
    KvApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KV"));
    QApplication::setStyle(new Estilo(QApplication::style()));
    Fontes::instalarSubstituicoes();

    AppState estado;
    estado.pastaPrograma = QCoreApplication::applicationDirPath();
    Sinais::instalar();

    aquecimento.concluir();
    Menu menu(estado);
    if (!menu.Form_Load())
        return 1;
    menu.adjustSize();
    menu.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, menu.size(),
                                         QGuiApplication::primaryScreen()->availableGeometry()));
    menu.show();
    Restauracao::aoIniciar(estado, &menu);
    Vigia::instalar(estado);
    // A signal during the start ends KV here, where no loop would hear it.
    const int codigo = Sinais::encerrando() ? 0 : app.exec();
    Gravacao::aoEncerrar(estado);
    return codigo;
}
