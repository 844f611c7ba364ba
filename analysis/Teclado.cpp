#include "analysis/Teclado.h"

#include "store/Escala.h"

#include <QCoreApplication>
#include <algorithm>

namespace Teclado {
namespace {
// The pairs in reading order: row 0 from column 2 to n, row 1 from 3, ...
Posicao primeiroPar() { return {0, 2}; }
Posicao ultimoPar(int n) { return {n - 2, n}; }

Posicao parSeguinte(Posicao p, int n)
{
    int r = std::max(p.linha, 0);
    int c = p.linha < 0 ? r + 2 : std::max(p.coluna + 1, r + 2);
    if (c > n) {
        ++r;
        c = r + 2;
    }
    return r > n - 2 ? primeiroPar() : Posicao{r, c};
}

Posicao parAnterior(Posicao p, int n)
{
    if (p.linha > n - 2)
        return ultimoPar(n);
    int r = p.linha;
    int c = std::min(p.coluna - 1, n);
    if (c < r + 2) {
        --r;
        c = n;
    }
    return r < 0 ? ultimoPar(n) : Posicao{r, c};
}

bool temValor(const Analise::Matriz& m, Posicao p) { return m.valor(p.linha, p.coluna - 1) != 0; }
} // namespace

int opcaoDaTecla(int tecla, Qt::KeyboardModifiers mods)
{
    if ((mods & ~Qt::KeypadModifier) != Qt::NoModifier || tecla < Qt::Key_1 || tecla > Qt::Key_5)
        return 0;
    return Escala::opcaoDoNivel(Escala::nivelDoDigito(tecla - Qt::Key_0));
}

std::optional<Posicao> destino(int tecla, Qt::KeyboardModifiers mods, Posicao atual, const Grade& g)
{
    if (g.n < 2 || g.linhas < 1 || g.colunas <= g.colunasFixas)
        return std::nullopt;
    const bool ctrl = mods & Qt::ControlModifier;
    Posicao p = atual;
    switch (tecla) {
    case Qt::Key_Left: --p.coluna; break;
    case Qt::Key_Right: ++p.coluna; break;
    case Qt::Key_Up: --p.linha; break;
    case Qt::Key_Down: ++p.linha; break;
    case Qt::Key_PageUp: p.linha -= g.pagina; break;
    case Qt::Key_PageDown: p.linha += g.pagina; break;
    case Qt::Key_Home: p = {ctrl ? 0 : p.linha, g.colunasFixas}; break;
    case Qt::Key_End: p = {ctrl ? g.linhas - 1 : p.linha, g.colunas - 1}; break;
    case Qt::Key_Tab:
        return mods & Qt::ShiftModifier ? parAnterior(atual, g.n) : parSeguinte(atual, g.n);
    case Qt::Key_Backtab: return parAnterior(atual, g.n);
    default: return std::nullopt;
    }
    return Posicao{std::clamp(p.linha, 0, g.linhas - 1), std::clamp(p.coluna, g.colunasFixas, g.colunas - 1)};
}

std::optional<Posicao> proximoParVazio(const Analise::Matriz& matriz, Posicao atual)
{
    const int n = matriz.n;
    if (n < 2)
        return std::nullopt;
    Posicao p = atual;
    for (int i = 0; i < n * (n - 1) / 2; ++i) {
        p = parSeguinte(p, n);
        if (!temValor(matriz, p))
            return p;
    }
    return std::nullopt;
}

int julgados(const Analise::Matriz& matriz)
{
    const int n = matriz.n;
    int k = 0;
    for (int r = 0; r + 2 <= n; ++r)
        for (int c = r + 2; c <= n; ++c)
            k += temValor(matriz, {r, c});
    return k;
}

QString contagem(int k, int n)
{
    const int total = n * (n - 1) / 2;
    return QCoreApplication::translate("Teclado", "Julgados: %1 de %2").arg(k).arg(std::max(total, 0));
}

} // namespace Teclado
