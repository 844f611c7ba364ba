#include "analysis/Consistencia.h"

#include "store/Escala.h"

#include <algorithm>

namespace Consistencia {

namespace {
constexpr int kLimite = 10;
constexpr int kIgual = Escala::nivel(1);
}

long long maximoTriades(int n)
{
    const long long m = n;
    return m % 2 ? (m * m * m - m) / 24 : (m * m * m - 4 * m) / 24;
}

Resultado avaliar(const Analise::Matriz& m)
{
    Resultado r;
    const int n = m.n;
    r.n = n;
    r.pares = n * (n - 1) / 2;
    r.dMax = maximoTriades(n);

    // sobre[i * n + j]: factor i over factor j.
    QVector<char> sobre(n * n, 0);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const double acima = m.valor(i, j), abaixo = m.valor(j, i);
            const int a = Escala::nivel(acima), b = Escala::nivel(abaixo);
            if (acima == 0 && abaixo == 0) {
                ++r.naoDirigidos;
            } else if (a < 0 || b != Escala::espelho(a)) {
                ++r.irregulares;
                if (r.paresIrregulares.size() < kLimite)
                    r.paresIrregulares.append({i, j});
            } else if (a == kIgual) {
                ++r.naoDirigidos;
            } else {
                ++r.dirigidos;
                sobre[a > kIgual ? i * n + j : j * n + i] = 1;
            }
        }

    r.emTriade.fill(false, n * n);
    auto s = [&](int x, int y) { return sobre[x * n + y] != 0; };
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                Triade t;
                if (s(i, j) && s(j, k) && s(k, i))
                    t = {i, j, k};
                else if (s(i, k) && s(k, j) && s(j, i))
                    t = {i, k, j};
                else
                    continue;
                ++r.d;
                r.emTriade[i * n + j] = r.emTriade[i * n + k] = r.emTriade[j * n + k] = true;
                if (r.triades.size() < kLimite)
                    r.triades.append(t);
            }
    r.zeta = r.dMax > 0 ? 1.0 - double(r.d) / double(r.dMax) : 1.0;
    return r;
}

std::optional<Par> proximaContradicao(const Resultado& r, Par atual, bool paraTras)
{
    const int n = r.n, total = n * n;
    if (total == 0)
        return std::nullopt;
    const int passo = paraTras ? -1 : 1;
    int k = std::clamp(atual.linha, 0, n - 1) * n + std::clamp(atual.coluna, 0, n - 1);
    for (int vistos = 0; vistos < total; ++vistos) {
        k = (k + passo + total) % total;
        if (r.emTriade.value(k))
            return Par{k / n, k % n};
    }
    return std::nullopt;
}

} // namespace Consistencia
