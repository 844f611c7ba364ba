#include "store/Tables.h"

#include "store/Regional.h"

#include <QDir>
#include <algorithm>

namespace Tables {

namespace {
// The stored query heads, one per factor table, as the screens concatenate them.
const char* const kFactorListHeads[kCases] = {
    "Select * FROM Eventos Where Numero <= ",  "Select * FROM Eventos2 Where Numero <= ",
    "Select * FROM Eventos3 Where Numero <= ", "Select * FROM Eventos4 Where Numero <= ",
    "Select * FROM Eventos5 Where Numero <= ", "Select * FROM Eventos6 Where Numero <= ",
    "Select * FROM Eventos7 Where Numero <= ", "Select * FROM Eventos8 Where Numero <= ",
    "Select * FROM Eventos9 Where Numero <= ", "Select * FROM EventosA Where Numero <= ",
};
const char* const kResetQueries[kCases] = {
    "Select * FROM Eventos order by Numero",  "Select * FROM Eventos2 order by Numero",
    "Select * FROM Eventos3 order by Numero", "Select * FROM Eventos4 order by Numero",
    "Select * FROM Eventos5 order by Numero", "Select * FROM Eventos6 order by Numero",
    "Select * FROM Eventos7 order by Numero", "Select * FROM Eventos8 order by Numero",
    "Select * FROM Eventos9 order by Numero", "Select * FROM EventosA order by Numero",
};
const char* const kTables[kCases] = {"Eventos",  "Eventos2", "Eventos3", "Eventos4", "Eventos5",
                                     "Eventos6", "Eventos7", "Eventos8", "Eventos9", "EventosA"};

bool valid(int caso) { return caso >= 1 && caso <= kCases; }
} // namespace

QString TabelaEventos(int caso)
{
    return valid(caso) ? QString::fromLatin1(kTables[caso - 1]) : QString();
}

QString TabelaEventos(const QVariant& caso)
{
    bool ok = false;
    const double v = caso.toDouble(&ok);
    if (!ok || v != double(int(v)))
        return QString();
    return TabelaEventos(int(v));
}

int fatores(const QVariant& qtde)
{
    if (qtde.isNull())
        return 0;
    bool ok = true;
    const double v = qtde.typeId() == QMetaType::QString ? Regional::toNumber(qtde.toString()).value_or(0) : qtde.toDouble(&ok);
    return ok ? int(std::clamp<long long>(Regional::roundHalfEven(v), -1000000, 1000000)) : 0;
}

QString campoMatriz(int coluna)
{
    return QStringLiteral("N%1").arg(coluna, 2, 10, QLatin1Char('0'));
}

QString consultaCases()
{
    return QStringLiteral("Select * FROM Cases order by Numero");
}

QString consultaFatores(int caso, int n)
{
    if (!valid(caso))
        return QString();
    return QString::fromLatin1(kFactorListHeads[caso - 1]) + QString::number(n) + QStringLiteral(" order by Numero");
}

QString consultaLimpeza(int caso)
{
    return valid(caso) ? QString::fromLatin1(kResetQueries[caso - 1]) : QString();
}

QString consultaRanking(int caso, int n)
{
    if (caso == 1)
        return QStringLiteral("Select * FROM Eventos WHERE Numero <= ") + QString::number(n) + QStringLiteral(" ORDER BY -Emach");
    if (!valid(caso))
        return QString();
    return QString::fromLatin1(kFactorListHeads[caso - 1]) + QString::number(n) + QStringLiteral(" order by -Emach");
}

QString caminhoBanco(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("CONTROLE.mdb"));
}

} // namespace Tables
