#include "analysis/Painel.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace Painel {

QRect lugar(const Limites& l, const QRect& celula)
{
    if (celula.isEmpty() || !l.lugar.intersects(celula))
        return l.lugar;
    const int h = l.lugar.height();
    QRect melhor = l.lugar;
    std::tuple<int, int> custoMelhor{1 << 30, 1 << 30};
    for (const int topo : {celula.bottom() + 1 + l.folga, celula.top() - l.folga - h}) {
        const int pe = topo + h + l.rodape;
        if (topo < l.topoMinimo || pe > l.alturaMaxima)
            continue;
        const std::tuple<int, int> custo{std::max(0, pe - l.alturaAtual), std::abs(topo - l.lugar.top())};
        if (custo < custoMelhor) {
            custoMelhor = custo;
            melhor = l.lugar.translated(0, topo - l.lugar.top());
        }
    }
    return melhor;
}

} // namespace Painel
