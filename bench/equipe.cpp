// bench_equipe [RUNS]: median time to combine 12 members' matrices of 25
// factors, with Kendall's W and the robustness of the team's root cause.
#include "analysis/Equipe.h"

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
    QStringList fatores;
    for (int i = 1; i <= n; ++i)
        fatores << QStringLiteral("Fator %1").arg(i);
    // One base judgement per pair; each member moves every seventh pair, from its own start, by one level.
    QVector<int> base;
    unsigned semente = 12345;
    for (int k = 0; k < n * (n - 1) / 2; ++k) {
        semente = semente * 1103515245u + 12345u;
        base << int((semente >> 16) % 5) - 2;
    }
    QVector<Equipe::Membro> membros;
    for (int m = 0; m < Equipe::kMaxMembros; ++m) {
        Equipe::Membro membro{QStringLiteral("M%1").arg(m + 1), QVector<int>(n * n, Equipe::kSemNivel)};
        int k = 0;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j, ++k) {
                const int v = (k + m) % 7 ? base[k] : std::clamp(base[k] + (m % 2 ? 1 : -1), -2, 2);
                membro.niveis[i * n + j] = v;
                membro.niveis[j * n + i] = -v;
            }
        membros << membro;
    }
    // Wall time, and the thread's processor time beside it: on a busy
    // machine the first counts the other processes too.
    std::vector<double> ms, cpu;
    Equipe::Resultado r;
    for (int i = 0; i < vezes; ++i) {
        QElapsedTimer t;
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        t.start();
        r = Equipe::combinar(fatores, membros);
        ms.push_back(t.nsecsElapsed() / 1e6);
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        cpu.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("team of 12 members of 25 factors, with W and robustness: %.1f ms, processor %.1f ms (goal <= 50)\n",
                ms[ms.size() / 2], cpu[cpu.size() / 2]);
    std::printf("  (W = %.3f, %d pairs to discuss, root cause holds under %d of %d)\n", r.kendall.W,
                int(r.paresADiscutir().size()), r.robustez.mantem, r.robustez.total);
    return 0;
}
