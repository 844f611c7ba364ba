#include "analysis/Analise.h"

#include "store/Database.h"
#include "store/Regional.h"
#include "store/Tables.h"

#include <algorithm>

namespace Analise {

Matriz::Matriz(int fatores) : n(qMax(0, fatores)), nomes(n), celulas(n * n)
{
}

QString Matriz::nome(int fator) const
{
    const QVariant& v = nomes[fator];
    return v.isNull() ? QStringLiteral("vago") : v.toString();
}

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
    resultado.qtde = int(Regional::roundHalfEven(cases.Fields(QStringLiteral("Qtde")).toDouble()));
    if (resultado.qtde <= 0 || Tables::TabelaEventos(caso).isEmpty())
        return resultado;

    const int n = qMin(resultado.qtde, Tables::kFactorRows);
    Recordset rs = banco.OpenRecordset(Tables::consultaFatores(caso, n), dbOpenDynaset);
    resultado.linhasLidas = rs.RecordCount();
    Matriz m(n);
    for (int r = 0; r < qMin(n, rs.RecordCount()); ++r) {
        m.nomes[r] = rs.value(r, QStringLiteral("Evento"));
        for (int c = 0; c < n; ++c) {
            const QVariant v = rs.value(r, Tables::campoMatriz(c + 1));
            if (!v.isNull() && v.toDouble() > 0)
                m.definir(r, c, Regional::numberText(v.toDouble()));
        }
    }
    resultado.matriz = m;
    return resultado;
}

double Fator::valorEmach() const
{
    return Regional::toNumber(emach).value_or(0);
}

QVector<Fator> Resultado::ranking() const
{
    QVector<Fator> ordem = fatores;
    std::stable_sort(ordem.begin(), ordem.end(),
                     [](const Fator& a, const Fator& b) { return a.valorEmach() > b.valorEmach(); });
    return ordem;
}

Resultado analisar(const Matriz& m)
{
    const int n = m.n;
    TabelaTextos grade(n + 2, n + 4);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            if (r != c)
                grade.escrever(r, c + 1, m.celula(r, c));

    Resultado resultado;
    resultado.desfecho = Emach::calcular(grade, n);
    resultado.fatores.resize(n);
    for (int k = 0; k < n; ++k) {
        Fator& f = resultado.fatores[k];
        f.numero = k + 1;
        f.nome = m.nomes[k];
        f.pontosLinha = grade.texto(k, n + 1);
        f.pontosColuna = grade.texto(n, k + 1);
        f.normH = grade.texto(k, n + 2);
        f.normV = grade.texto(n + 1, k + 1);
        f.emach = grade.texto(k, n + 3);
    }
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
    e.celulas = m.celulas;
    if (m.n == 0 || c.linhasLidas < m.n)
        return e;

    // Analysed means the Analyse button stored an E-Mach for every factor;
    // the figures themselves are computed again from the matrix.
    const Recordset rs = banco.OpenRecordset(Tables::consultaFatores(caso, m.n), dbOpenDynaset);
    for (int r = 0; r < rs.RecordCount(); ++r)
        if (rs.value(r, QStringLiteral("emach")).isNull())
            return e;
    const Resultado resultado = analisar(m);
    if (!resultado.completo())
        return e;
    const QVector<Fator> ordem = resultado.ranking();
    for (int i = 0; i < ordem.size(); ++i) {
        const Fator& f = ordem[i];
        const CasoCsv::Classe classe = i == ordem.size() - 1 ? CasoCsv::Classe::Raiz
            : f.valorEmach() >= 0                            ? CasoCsv::Classe::Efeito
                                                             : CasoCsv::Classe::Causal;
        e.ranking.append({f.nome.toString(), f.pontosLinha, f.pontosColuna, f.normH, f.normV, f.emach, classe});
    }
    return e;
}

} // namespace Analise
