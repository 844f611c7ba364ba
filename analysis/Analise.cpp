#include "analysis/Analise.h"

#include "store/Database.h"
#include "store/Ranking.h"
#include "store/Regional.h"
#include "store/Tables.h"

#include <algorithm>
#include <cmath>

namespace Analise {

Caso lerCaso(const Database& banco, int caso)
{
    Caso resultado;
    Recordset cases = banco.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    cases.setIndex(QStringLiteral("PrimaryKey"));
    cases.Seek(QStringLiteral("="), caso);
    if (cases.NoMatch())
        return resultado;
    resultado.encontrado = true;
    resultado.nome = cases.Fields(QStringLiteral("Case"));
    resultado.sintoma = cases.Fields(QStringLiteral("Sintoma"));
    resultado.campoQtde = cases.Fields(QStringLiteral("Qtde"));
    resultado.qtde = Tables::fatores(resultado.campoQtde);
    if (resultado.qtde <= 0 || Tables::TabelaEventos(caso).isEmpty())
        return resultado;

    const int n = qMin(resultado.qtde, Tables::kFactorRows);
    const Recordset rs = banco.OpenRecordset(Tables::consultaFatores(caso, n), dbOpenDynaset);
    const int linhas = rs.RecordCount();
    resultado.linhasLidas = linhas;
    for (int r = 0; r < n && linhas > 0 && !resultado.linhaFaltando; ++r)
        if (r >= linhas || rs.value(r, QStringLiteral("Numero")).toInt() != r + 1)
            resultado.linhaFaltando = r + 1;

    Matriz m(n);
    resultado.emachs.resize(n);
    QVector<QString> campos;
    for (int c = 1; c <= n; ++c)
        campos << Tables::campoMatriz(c);
    for (int r = 0; r < qMin(n, linhas); ++r) {
        m.nomes[r] = rs.value(r, QStringLiteral("Evento"));
        resultado.emachs[r] = rs.value(r, QStringLiteral("emach"));
        for (int c = 0; c < n; ++c) {
            const QVariant v = rs.value(r, campos[c]);
            const double x = v.isNull() ? 0 : v.toDouble();
            if (x > 0 && std::isfinite(x))
                m.definir(r, c, Regional::geral(x));
        }
    }
    resultado.matriz = m;
    return resultado;
}

QVector<Fator> Resultado::ranking() const
{
    QVector<Fator> ordem = fatores;
    std::stable_sort(ordem.begin(), ordem.end(),
                     [](const Fator& a, const Fator& b) { return Ranking::antes(a.emach, a.numero, b.emach, b.numero); });
    return ordem;
}

QVector<QString> textos(const Matriz& m)
{
    QVector<QString> t;
    t.reserve(m.valores.size());
    for (double v : m.valores)
        t << (v != 0 ? Regional::numberText(v) : QString());
    return t;
}

Resultado analisar(const Matriz& m)
{
    Emach::Calculo c;
    Resultado resultado;
    resultado.desfecho = Emach::calcular(m, c);
    resultado.fatores.resize(m.n);
    for (int k = 0; k < m.n; ++k)
        resultado.fatores[k] = {k + 1, m.nomes[k], c.pontosLinha[k], c.pontosColuna[k], c.normH[k], c.normV[k], c.emach[k]};
    return resultado;
}

CasoCsv::Exportacao exportacao(const Database& banco, int caso)
{
    const Caso c = lerCaso(banco, caso);
    const Matriz& m = c.matriz;
    CasoCsv::Exportacao e;
    e.caso = caso;
    e.nome = c.nome.toString();
    e.sintoma = c.sintoma.toString();
    e.n = m.n;
    for (const QVariant& nome : m.nomes)
        e.fatores << nome.toString();
    e.celulas = textos(m);
    if (m.n == 0 || c.linhasLidas < m.n)
        return e;

    // Analysed means the Analyse button stored an E-Mach for every factor;
    // the figures themselves are computed again from the matrix.
    if (std::any_of(c.emachs.begin(), c.emachs.end(), [](const QVariant& v) { return v.isNull(); }))
        return e;
    const Resultado resultado = analisar(m);
    if (!resultado.completo())
        return e;
    const QVector<Fator> ordem = resultado.ranking();
    for (int i = 0; i < ordem.size(); ++i) {
        const Fator& f = ordem[i];
        const CasoCsv::Classe classe = Ranking::classe(f.emach, i == ordem.size() - 1);
        e.ranking.append({f.nome.toString(), Regional::numberText(f.pontosLinha), Regional::numberText(f.pontosColuna),
                          Regional::format00(f.normH), Regional::format00(f.normV), Regional::format00(f.emach), classe});
    }
    return e;
}

} // namespace Analise
