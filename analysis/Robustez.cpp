#include "analysis/Robustez.h"

#include "store/Escala.h"
#include "store/Regional.h"

#include <algorithm>

namespace Robustez {

namespace {
constexpr int kLimite = 10;

// The single factor with the lowest E-Mach (two decimals are exact in the
// extremes' fixed point), or -1 on a tie.
int menorUnico(const QVector<double>& emachs)
{
    int menor = -1;
    bool empate = false;
    qint64 vMenor = 0;
    for (int k = 0; k < emachs.size(); ++k) {
        const qint64 v = Emach::moeda(emachs[k]);
        if (menor < 0 || v < vMenor) {
            menor = k;
            vMenor = v;
            empate = false;
        } else if (v == vMenor) {
            empate = true;
        }
    }
    return empate ? -1 : menor;
}
} // namespace

int raizUnica(const Analise::Resultado& r)
{
    if (!r.completo())
        return -1;
    QVector<double> emachs;
    for (const Analise::Fator& f : r.fatores)
        emachs.append(f.emach);
    return menorUnico(emachs);
}

Resultado avaliar(const Analise::Matriz& m)
{
    Resultado r;
    const Analise::Resultado base = Analise::analisar(m);
    r.desfecho = base.desfecho;
    if (!base.completo() || m.n < 2)
        return r;

    const QVector<Analise::Fator> ordem = base.ranking();
    r.raiz = ordem.last().numero - 1;
    r.proximo = ordem[ordem.size() - 2].numero - 1;
    r.raizUnica = raizUnica(base) == r.raiz;
    r.folga = Regional::format00(ordem[ordem.size() - 2].emach - ordem.last().emach);

    // A change of pair (i, j) changes the points of rows i and j and of
    // columns i and j only: those four are summed again, the rest of the
    // analysis runs whole from the points.
    const int n = m.n;
    Emach::Calculo inicial;
    Emach::calcular(m, inicial);
    Emach::Calculo c = inicial;
    Analise::Matriz w = m;
    QVector<Mudanca> todas;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int atual = Escala::nivel(m.valor(i, j));
            if (atual < 0)
                continue; // not judged, or not a level of the scale
            for (int novo = 0; novo < Escala::kNiveis; ++novo) {
                if (novo == atual)
                    continue;
                w.definir(i, j, Escala::kValores[novo]);
                w.definir(j, i, Escala::kValores[Escala::espelho(novo)]);
                for (int k : {i, j}) {
                    c.pontosLinha[k] = Emach::pontosLinha(w, k);
                    c.pontosColuna[k] = Emach::pontosColuna(w, k);
                }
                const int nova = Emach::normalizar(c) == Emach::Desfecho::Completo ? menorUnico(c.emach) : -1;
                ++r.total;
                if (nova == r.raiz)
                    ++r.mantem;
                else
                    todas.append({i, j, atual, novo, std::abs(novo - atual), nova});
                if (nova != r.raiz && std::abs(novo - atual) == 1)
                    ++r.umPasso;
            }
            w.definir(i, j, m.valor(i, j));
            w.definir(j, i, m.valor(j, i));
            for (int k : {i, j}) {
                c.pontosLinha[k] = inicial.pontosLinha[k];
                c.pontosColuna[k] = inicial.pontosColuna[k];
            }
        }
    r.mudam = r.total - r.mantem;
    // Fewest steps first; within a distance, in pair order.
    std::stable_sort(todas.begin(), todas.end(), [](const Mudanca& a, const Mudanca& b) { return a.passos < b.passos; });
    r.mudancas = todas.mid(0, kLimite);
    return r;
}

} // namespace Robustez
