// The child of the crash test: saves the 25-factor matrix of case 1 through
// the matrix screen, and clears the case through the case register, over and
// over, until it is killed. Patterns rotate so a torn save would show.
// With "importar A B" it imports the two files into case 1 in turn instead.
#include "analysis/FlexGrid.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "shell/AppState.h"
#include "shell/Fonts.h"
#include "store/CasoCsv.h"
#include "store/Tables.h"

#include <QApplication>
#include <cstdio>

namespace {
const char* const kCelula[] = {"10", "5", "1"};
const char* const kEspelho[] = {"0.1", "0.2", "1"};

// Each finished save is told, so the kills can fall after the first one
// however slowly the child starts.
void feito()
{
    std::puts("ok");
    std::fflush(stdout);
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    Fontes::instalarSubstituicoes();
    AppState estado;
    estado.pastaPrograma = QString::fromLocal8Bit(argv[1]);
    estado.EspacoTrabalho = &DBEngine::Workspaces(0);
    estado.BancoDados = estado.EspacoTrabalho->OpenDatabase(estado.caminhoBanco(), false, false, QStringLiteral(";pwd=TarnBeck"));
    estado.IdiomaAtual = 3;
    estado.CaseAtual = 1;
    const long voltas = QString::fromLatin1(argv[2]).toLong();
    std::puts("ready");
    std::fflush(stdout);
    if (argc >= 6 && QByteArray(argv[3]) == "importar") {
        const CasoCsv::Caso casos[2] = {CasoCsv::lerArquivo(QString::fromLocal8Bit(argv[4])).caso,
                                        CasoCsv::lerArquivo(QString::fromLocal8Bit(argv[5])).caso};
        for (long g = 0; voltas <= 0 || g < voltas; ++g) {
            CasoCsv::gravar(estado.BancoDados, 1, casos[g % 2]);
            feito();
        }
        return 0;
    }
    for (long g = 0; voltas <= 0 || g < voltas; ++g) {
        if (g % 2 == 0) {
            frmCases casos(estado);
            casos.cmdLimpar_Click();
        } else {
            frmDados dados(estado);
            auto* grade = dados.findChild<FlexGrid*>(QStringLiteral("MSFlexGrid1"));
            const int p = int((g / 2) % 3);
            for (int r = 0; r < 25; ++r)
                for (int c = r + 2; c <= 25; ++c) {
                    grade->setTextMatrix(r, c, QString::fromLatin1(kCelula[p]));
                    grade->setTextMatrix(c - 1, r + 1, QString::fromLatin1(kEspelho[p]));
                }
            QMetaObject::invokeMethod(&dados, "cmdSair_Click", Qt::DirectConnection);
        }
        feito();
    }
    return 0;
}
