#include "analysis/Robustez.h"

#include "analysis/Consistencia.h"
#include "store/Regional.h"

#include <algorithm>

namespace Robustez {

namespace {
constexpr int kLimite = 10;
}

int menorUnico(const QVector<QString>& emachs)
{
    // The texts compared as the fixed point of the extremes: two decimals are
    // exact there.
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

int raizUnica(const Analise::Resultado& r)
{
    if (!r.completo())
        return -1;
    QVector<QString> emachs;
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
    r.folga = Regional::format00(ordem[ordem.size() - 2].valorEmach() - ordem.last().valorEmach());

    // One grid for every recomputation: each run of Emach::calcular writes
    // every cell it reads afterwards, so what an earlier run left is never used.
    const Regional::Lote lote;
    const int n = m.n;
    QString textos[5];
    for (int i = 0; i < 5; ++i)
        textos[i] = Regional::numberText(Consistencia::kNiveis[i]);
    TabelaTextos grade(n + 2, n + 4);
    // Cells holding a level share its one text (the same value), so their
    // characters are read once; any other text stays as it is.
    Analise::Matriz niveis = m;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const int v = Consistencia::nivel(m.celula(i, j));
            if (v >= 0)
                niveis.definir(i, j, textos[v]);
            if (i != j)
                grade.escrever(i, j + 1, niveis.celula(i, j));
        }
    QVector<QString> emachs(n);

    QVector<Mudanca> todas;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int atual = Consistencia::nivel(m.celula(i, j));
            if (atual < 0)
                continue; // not judged, or not a level of the scale
            for (int novo = 0; novo < 5; ++novo) {
                if (novo == atual)
                    continue;
                grade.escrever(i, j + 1, textos[novo]);
                grade.escrever(j, i + 1, textos[4 - novo]);
                int nova = -1;
                if (Emach::calcular(grade, n) == Emach::Desfecho::Completo) {
                    for (int k = 0; k < n; ++k)
                        emachs[k] = grade.texto(k, n + 3);
                    nova = menorUnico(emachs);
                }
                ++r.total;
                if (nova == r.raiz)
                    ++r.mantem;
                else
                    todas.append({i, j, atual, novo, std::abs(novo - atual), nova});
                if (nova != r.raiz && std::abs(novo - atual) == 1)
                    ++r.umPasso;
            }
            grade.escrever(i, j + 1, niveis.celula(i, j));
            grade.escrever(j, i + 1, niveis.celula(j, i));
        }
    r.mudam = r.total - r.mantem;
    // Fewest steps first; within a distance, in pair order.
    std::stable_sort(todas.begin(), todas.end(), [](const Mudanca& a, const Mudanca& b) { return a.passos < b.passos; });
    r.mudancas = todas.mid(0, kLimite);
    return r;
}

} // namespace Robustez
