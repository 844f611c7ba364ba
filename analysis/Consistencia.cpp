#include "analysis/Consistencia.h"

#include "store/Regional.h"

namespace Consistencia {

namespace {
constexpr int kLimite = 10;
}

int nivel(const QString& texto)
{
    if (texto.isEmpty())
        return -1;
    // The very value, so a level's own text may stand for the cell.
    const std::optional<double> v = Regional::toNumber(texto);
    for (int i = 0; v && i < 5; ++i)
        if (*v == kNiveis[i])
            return i;
    return -1;
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
            const QString acima = m.celula(i, j), abaixo = m.celula(j, i);
            const int a = nivel(acima), b = nivel(abaixo);
            if (acima.isEmpty() && abaixo.isEmpty()) {
                ++r.naoDirigidos;
            } else if (a < 0 || b != 4 - a) {
                ++r.irregulares;
                if (r.paresIrregulares.size() < kLimite)
                    r.paresIrregulares.append({i, j});
            } else if (a == 2) {
                ++r.naoDirigidos;
            } else {
                ++r.dirigidos;
                sobre[a > 2 ? i * n + j : j * n + i] = 1;
            }
        }

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
                if (r.triades.size() < kLimite)
                    r.triades.append(t);
            }
    r.zeta = r.dMax > 0 ? 1.0 - double(r.d) / double(r.dMax) : 1.0;
    return r;
}

} // namespace Consistencia
