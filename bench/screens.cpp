// bench_screens MODE FOLDER [COUNT]
//   prepare FOLDER         a new CONTROLE.mdb with case 1 set to 25 factors
//   save-matrix FOLDER N   N matrix saves of case 1 through the matrix screen
//   save-and-reset FOLDER N  N pairs of a matrix save and a 30-row reset
//   open-matrix FOLDER N   median time to open and paint the 25-factor matrix
//                          window against a bare dialog with a 25 x 25 table
//   keys FOLDER            fills the 25-factor matrix by keys in the window on
//                          the display, counting the keys and timing each one to
//                          the repainted grid and count, then 100 pairs by click,
//                          option and Gravar, each click timed the same way
#include "analysis/GradeMatriz.h"
#include "analysis/frmDados.h"
#include "registration/frmCases.h"
#include "shell/AppState.h"
#include "shell/Fonts.h"
#include "store/Generator.h"
#include "store/Tables.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTableWidget>
#include <algorithm>
#include <ctime>
#include <functional>
#include <cstdio>
#include <vector>

namespace {
void abrir(AppState& estado, const QString& pasta)
{
    estado.pastaPrograma = pasta;
    estado.EspacoTrabalho = &DBEngine::Workspaces(0);
    estado.BancoDados = estado.EspacoTrabalho->OpenDatabase(estado.caminhoBanco());
    estado.CaseAtual = 1;
}

// Counts the paints of the widgets it watches.
struct Pinturas final : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

// Milliseconds from an action to every watched widget painted again.
template <typename F>
double ateRepintar(Pinturas& p, int alvos, F&& acao)
{
    p.n = 0;
    QElapsedTimer t;
    t.start();
    acao();
    while (p.n < alvos && t.elapsed() < 2000)
        QCoreApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

QString percentis(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return QStringLiteral("median %1 ms, 95th percentile %2 ms").arg(v[v.size() / 2], 0, 'f', 1).arg(v[v.size() * 95 / 100], 0, 'f', 1);
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The thread's processor time in milliseconds: on a busy machine the wall
// clock counts the other processes too.
double processador()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Tempo {
    double parede = 0;
    double cpu = 0;
};

// Runs a and b by turns, so both meet the same load; the medians of each.
template <typename A, typename B>
std::pair<Tempo, Tempo> medirPar(int vezes, A&& a, B&& b)
{
    std::vector<double> ms[4];
    for (int i = 0; i < vezes; ++i) {
        int k = 0;
        for (const std::function<void()>& f : {std::function<void()>(a), std::function<void()>(b)}) {
            QElapsedTimer t;
            const double c = processador();
            t.start();
            f();
            ms[k++].push_back(t.nsecsElapsed() / 1e6);
            ms[k++].push_back(processador() - c);
        }
    }
    return {{mediana(ms[0]), mediana(ms[1])}, {mediana(ms[2]), mediana(ms[3])}};
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Fontes::instalarSubstituicoes();
    if (argc < 3)
        return 2;
    const QString modo = QString::fromLatin1(argv[1]);
    const QString pasta = QString::fromLocal8Bit(argv[2]);
    const int n = argc > 3 ? std::max(1, atoi(argv[3])) : 1;

    if (modo == "prepare") {
        QDir().mkpath(pasta);
        Generator::criarBanco(pasta + "/CONTROLE.mdb");
        AppState estado;
        abrir(estado, pasta);
        Recordset cs = estado.BancoDados.OpenRecordset("Cases");
        cs.setIndex("PrimaryKey");
        cs.Seek("=", 1);
        cs.Edit();
        cs.setField("Case", QStringLiteral("bench"));
        cs.setField("Qtde", 25);
        cs.Update();
        // Every factor a name of its own, of a length a user might give it:
        // names that repeat would let any cache of their drawing flatter the figures.
        const char* temas[] = {"Temperatura do forno", "Pressão", "Treinamento dos operadores da linha 2", "Umidade",
                               "Manutenção preventiva"};
        Recordset fs = estado.BancoDados.OpenRecordset(Tables::consultaFatores(1, 25), dbOpenDynaset);
        for (int k = 1; k <= 25; ++k, fs.MoveNext()) {
            fs.Edit();
            fs.setField("Evento", QStringLiteral("%1 %2").arg(QString::fromUtf8(temas[k % 5])).arg(k));
            fs.Update();
        }
        return 0;
    }

    AppState estado;
    abrir(estado, pasta);
    if (modo == "save-matrix" || modo == "save-and-reset") {
        // The store skips rows that do not change, so every save alternates
        // between two matrices; a reset then always has something to clear.
        frmDados dados(estado);
        ModeloMatriz* grade = dados.modelo();
        frmCases casos(estado);
        for (int i = 0; i < n; ++i) {
            const bool par = i % 2 == 0;
            for (int r = 0; r < 25; ++r)
                for (int c = r + 2; c <= 25; ++c) {
                    grade->setTextMatrix(r, c, par ? QStringLiteral("5") : QStringLiteral("10"));
                    grade->setTextMatrix(c - 1, r + 1, par ? QStringLiteral("0.2") : QStringLiteral("0.1"));
                }
            // Back saves the whole matrix once; the window object stays.
            QMetaObject::invokeMethod(&dados, "cmdSair_Click", Qt::DirectConnection);
            if (modo == "save-and-reset")
                casos.cmdLimpar_Click();
        }
    } else if (modo == "open-matrix") {
        // Warm-up: fonts and styles load once per process.
        { frmDados d(estado); d.show(); d.grab(); }
        { QDialog d; QTableWidget t(25, 25, &d); d.show(); d.grab(); }
        const auto [kv, bare] = medirPar(
            n,
            [&] {
                frmDados d(estado);
                d.show();
                d.grab();
            },
            [&] {
                QDialog d;
                d.resize(760, 553);
                auto* t = new QTableWidget(25, 25, &d);
                t->resize(713, 433);
                d.show();
                d.grab();
            });
        std::printf("matrix window of 25 factors, open and paint: KV %.1f ms (processor %.1f ms), bare 25x25 table dialog "
                    "%.1f ms (processor %.1f ms), ratio %.2f (processor %.2f; goal <= 1.5)\n",
                    kv.parede, kv.cpu, bare.parede, bare.cpu, kv.parede / bare.parede, kv.cpu / bare.cpu);
    } else if (modo == "keys") {
        frmDados d(estado);
        d.show();
        if (!QTest::qWaitForWindowExposed(&d))
            return 1;
        auto* g = d.findChild<GradeMatriz*>(QStringLiteral("MSFlexGrid1"));
        auto* contagem = d.findChild<QLabel*>(QStringLiteral("lblJulgados"));
        // Qt repaints every changed widget of a window in one pass: the pass
        // that paints the count also paints the grid's changed cells, where
        // they show (a cell under the panel has nothing to show).
        Pinturas p;
        contagem->installEventFilter(&p);
        std::vector<double> ms;
        int teclas = 1;
        QTest::keyClick(g, Qt::Key_Tab);
        for (; !contagem->text().startsWith(QStringLiteral("Julgados: 300 ")) && teclas < 1000; ++teclas)
            ms.push_back(ateRepintar(p, 1, [&] { QTest::keyClick(g, Qt::Key(Qt::Key_1 + teclas % 5)); }));
        std::printf("25 factors from empty by keys: %d keys (1 to start, %d level keys); 900 clicks by mouse\n", teclas, teclas - 1);
        std::printf("key to repainted grid and count (n = 25): %s (goal <= 4 ms)\n", qPrintable(percentis(ms)));

        // Today's path in a fresh window on the empty matrix: click the
        // pair, click an option, click Gravar; each click to its repaint.
        frmDados m(estado);
        m.show();
        if (!QTest::qWaitForWindowExposed(&m))
            return 1;
        auto* grade = m.findChild<GradeMatriz*>(QStringLiteral("MSFlexGrid1"));
        auto* gravar = m.findChild<QToolButton*>(QStringLiteral("cmdGravar"));
        grade->viewport()->installEventFilter(&p);
        gravar->installEventFilter(&p);
        ms.clear();
        for (int r = 0, pares = 0; pares < 100; ++r)
            for (int c = r + 2; c <= 25 && pares < 100; ++c, ++pares) {
                auto* opcao = m.findChild<QRadioButton*>(QStringLiteral("opt%1").arg(pares % 5 + 1));
                opcao->installEventFilter(&p);
                const auto [alvo, ponto] = grade->pontoDaCelula(r, c);
                ms.push_back(ateRepintar(p, 1, [&] { QTest::mouseClick(alvo, Qt::LeftButton, {}, ponto); }));
                ms.push_back(ateRepintar(p, 1, [&] { QTest::mouseClick(opcao, Qt::LeftButton, {}, opcao->rect().center()); }));
                ms.push_back(ateRepintar(p, 1, [&] { QTest::mouseClick(gravar, Qt::LeftButton, {}, gravar->rect().center()); }));
                opcao->removeEventFilter(&p);
            }
        std::printf("click to repaint, click-option-Gravar path (n = 25): %s\n", qPrintable(percentis(ms)));
    } else {
        return 2;
    }
    return 0;
}
