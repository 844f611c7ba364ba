// bench_analise [RUNS]: median time of the consistency and the robustness of
// a full 25-factor matrix (300 judged pairs, 1200 recomputations of E-Mach).
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "store/Escala.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int vezes = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const int n = 25;
    Analise::Matriz m(n);
    unsigned semente = 12345;
    for (int i = 0; i < n; ++i) {
        m.nomes[i] = QStringLiteral("Fator %1").arg(i + 1);
        for (int j = i + 1; j < n; ++j) {
            semente = semente * 1103515245u + 12345u;
            const int nivel = int((semente >> 16) % 5);
            m.definir(i, j, Escala::kValores[nivel]);
            m.definir(j, i, Escala::kValores[Escala::espelho(nivel)]);
        }
    }
    // Wall time, and the thread's processor time beside it: on a busy
    // machine the first counts the other processes too.
    std::vector<double> ms, cpu;
    Robustez::Resultado r;
    Consistencia::Resultado c;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        t.start();
        c = Consistencia::avaliar(m);
        r = Robustez::avaliar(m);
        ms.push_back(t.nsecsElapsed() / 1e6);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        cpu.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("consistency and robustness of 25 factors (%d recomputations): %.1f ms, processor %.1f ms (goal <= 5)\n",
                r.total, ms[ms.size() / 2], cpu[cpu.size() / 2]);
    std::printf("  (d = %lld of %lld, root cause holds under %d of %d)\n", c.d, c.dMax, r.mantem, r.total);
    return 0;
}
