// The child of the crash test, on the program folder argv[1], for argv[2]
// saves (0: until it is killed): by turns the case register's reset of case 1
// and its 25-factor matrix saved by the matrix screen, in patterns that rotate
// so a torn save would show; with "importar", cases of 25 and of 4 factors
// imported into case 1 by turns. "ok" after each finished save, so the kills can fall after
// the first one however slowly the child starts.
#include "analysis/FlexGrid.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "shell/AppState.h"
#include "shell/Fonts.h"
#include "store/CasoCsv.h"
#include "store/Tables.h"

#include <QApplication>
#include <cstdio>

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
    const bool importar = argc >= 4 && QByteArray(argv[3]) == "importar";
    CasoCsv::Caso casos[2];
    for (const int n : {25, 4}) {
        CasoCsv::Caso& c = casos[n == 4];
        c = {true, QStringLiteral("n%1").arg(n), QString(), {}, QVector<double>(n * n)};
        for (int r = 0; r < n; ++r) {
            c.fatores << QStringLiteral("F%1").arg(r + 1);
            for (int k = 0; k < n; ++k)
                c.valores[r * n + k] = k > r ? 5 : k < r ? 0.2 : 0;
        }
    }
    const char* const padroes[3][2] = {{"10", "0.1"}, {"5", "0.2"}, {"1", "1"}};
    for (long g = 0; voltas <= 0 || g < voltas; ++g) {
        if (importar) {
            CasoCsv::gravar(estado.BancoDados, 1, casos[g % 2]);
        } else if (g % 2 == 0) {
            frmCases(estado).cmdLimpar_Click();
        } else {
            frmDados dados(estado);
            auto* grade = dados.findChild<FlexGrid*>(QStringLiteral("MSFlexGrid1"));
            const auto& p = padroes[(g / 2) % 3];
            for (int r = 0; r < 25; ++r)
                for (int c = r + 2; c <= 25; ++c) {
                    grade->setTextMatrix(r, c, QString::fromLatin1(p[0]));
                    grade->setTextMatrix(c - 1, r + 1, QString::fromLatin1(p[1]));
                }
            QMetaObject::invokeMethod(&dados, "cmdSair_Click", Qt::DirectConnection);
        }
        std::puts("ok");
        std::fflush(stdout);
    }
    return 0;
}
