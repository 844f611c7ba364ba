#include "analysis/Veredito.h"

#include "store/Escala.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QLocale>

namespace Veredito {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(Veredito)
};

QString nome(const Analise::Matriz& m, int fator, int maximo)
{
    const QString n = m.nome(fator);
    return maximo > 0 && n.size() > maximo ? n.left(maximo - 1) + u("…") : n;
}

// The refusal's message instead of figures.
QStringList recusa(Emach::Desfecho d)
{
    const Aviso a = Emach::aviso(d);
    return {a.titulo, a.texto};
}
} // namespace

Faixa faixa(double zeta)
{
    // Banded on ζ as shown (two decimals), so "0.90" never reads as a contradiction.
    const qint64 centesimos = Emach::moeda(Regional::duasCasas(zeta)) / 100;
    return centesimos >= 90 ? Faixa::Coerente : centesimos >= 70 ? Faixa::Algumas : Faixa::Contraditorio;
}

double zetaAoAcaso(int n)
{
    return n % 2 ? 3.0 / (n + 1) : 3.0 / (n + 2);
}

bool poucosDirigidos(const Consistencia::Resultado& c)
{
    return 3 * (c.pares - c.dirigidos) > c.pares;
}

QString consistencia(const Consistencia::Resultado& c)
{
    QStringList frases;
    const Faixa f = faixa(c.zeta);
    const bool poucos = poucosDirigidos(c);
    // With few directed pairs a high ζ proves nothing, so it is never called coherent.
    if (f == Faixa::Algumas)
        frases << QCoreApplication::translate("Veredito", "Julgamentos com algumas contradições: reveja os pares indicados.");
    else if (f == Faixa::Contraditorio)
        frases << QCoreApplication::translate("Veredito", "Julgamentos contraditórios: a ordem dos fatores não é confiável.");
    else if (!poucos)
        frases << QCoreApplication::translate("Veredito", "Julgamentos coerentes.");
    if (poucos)
        frases << QCoreApplication::translate("Veredito", "A ordem se apoia em poucos julgamentos com direção: %1 de %2 pares.")
                      .arg(c.dirigidos)
                      .arg(c.pares);
    const double acaso = zetaAoAcaso(c.n);
    const QString z = Regional::format00(c.zeta), a = Regional::format00(acaso);
    if (Regional::duasCasas(c.zeta) <= Regional::duasCasas(acaso))
        frases << QCoreApplication::translate("Veredito", "ζ = %1, não melhor do que julgar ao acaso (%2 em média).").arg(z, a);
    else
        frases << QCoreApplication::translate("Veredito", "ζ = %1; julgando ao acaso, seria %2 em média.").arg(z, a);
    return frases.join(u' ');
}

Firmeza firmeza(const Robustez::Resultado& r)
{
    if (!r.completo() || r.raiz < 0)
        return Firmeza::Recusada;
    if (!r.raizUnica || r.umPasso > 0)
        return Firmeza::Sensivel;
    return r.mudam == 0 ? Firmeza::Firme : Firmeza::Moderada;
}

QString firmeza(const Robustez::Resultado& r, const Analise::Matriz& m)
{
    switch (firmeza(r)) {
    case Firmeza::Recusada:
        return {};
    case Firmeza::Firme:
        return QCoreApplication::translate("Veredito", "Causa raiz firme: nenhuma mudança de um só julgamento a tira de %1.")
            .arg(m.nome(r.raiz));
    case Firmeza::Sensivel:
    case Firmeza::Moderada:
        break;
    }
    if (!r.raizUnica)
        return QCoreApplication::translate("Veredito", "Causa raiz sensível: %1 e %2 empatam no menor E-Mach; não há uma causa raiz única.")
            .arg(m.nome(r.proximo), m.nome(r.raiz));
    // The changes come fewest steps first: the first is the one to name.
    const Robustez::Mudanca& x = r.mudancas.first();
    const QString a = m.nome(x.linha), b = m.nome(x.coluna), de = Escala::texto(x.nivelAtual), para = Escala::texto(x.nivelNovo);
    if (x.passos == 1) {
        QString s = x.novaRaiz >= 0
            ? QCoreApplication::translate("Veredito", "Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, faz de %5 a causa raiz.")
                  .arg(a, b, de, para, m.nome(x.novaRaiz))
            : QCoreApplication::translate("Veredito", "Causa raiz sensível: mudar o julgamento %1 × %2 de %3 para %4, um só passo, deixa o menor E-Mach empatado.")
                  .arg(a, b, de, para);
        if (r.umPasso > 1)
            s += u' ' + QCoreApplication::translate("Veredito", "Mudanças de um passo que a movem: %1.").arg(r.umPasso);
        return s;
    }
    return x.novaRaiz >= 0
        ? QCoreApplication::translate("Veredito", "Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que faz de %6 a causa raiz.")
              .arg(a, b, de, para, QString::number(x.passos), m.nome(x.novaRaiz))
        : QCoreApplication::translate("Veredito", "Causa raiz moderada: nenhuma mudança de um passo a move; a menor que a move é %1 × %2 de %3 para %4 (%5 passos), que deixa o menor E-Mach empatado.")
              .arg(a, b, de, para, QString::number(x.passos));
}

QStringList linhasConsistencia(const Consistencia::Resultado& c, const Analise::Matriz& m, int maximo)
{
    QStringList l{Texto::tr("Consistência dos julgamentos"),
                  Texto::tr("Tríades circulares: d = %1 de %2 possíveis; ζ = %3").arg(c.d).arg(c.dMax).arg(Regional::format00(c.zeta)),
                  Texto::tr("Pares sem direção (1 ou vazios): %1 de %2").arg(c.naoDirigidos).arg(c.pares)};
    if (c.irregulares > 0) {
        QStringList pares;
        for (const Consistencia::Par& p : c.paresIrregulares)
            pares << nome(m, p.linha, maximo) + u(" × ") + nome(m, p.coluna, maximo);
        if (c.irregulares > c.paresIrregulares.size())
            pares << u("…");
        l << Texto::tr("Pares não recíprocos, fora da contagem: %1 (%2)").arg(c.irregulares).arg(pares.join(u(", ")));
    }
    if (c.d > 0) {
        l << (c.d > c.triades.size() ? Texto::tr("Tríades a rever (as 10 primeiras de %1):").arg(c.d) : Texto::tr("Tríades a rever:"));
        for (const Consistencia::Triade& t : c.triades)
            l << u("   ") + nome(m, t.a, maximo) + u(" > ") + nome(m, t.b, maximo) + u(" > ") + nome(m, t.c, maximo)
                    + u(" > ") + nome(m, t.a, maximo);
    }
    return l;
}

QStringList linhasRobustez(const Robustez::Resultado& r, const Analise::Matriz& m, int maximo)
{
    if (!r.completo())
        return recusa(r.desfecho);
    const QString pct = QLocale().toString(r.total > 0 ? 100.0 * r.mantem / r.total : 100.0, 'f', 1);
    QStringList l{Texto::tr("Firmeza da causa raiz"), Texto::tr("A causa raiz %1 se mantém em %2 de %3 mudanças de um julgamento (%4 %)").arg(nome(m, r.raiz, maximo)).arg(r.mantem).arg(r.total).arg(pct)};
    if (!r.raizUnica)
        l << Texto::tr("Empate no menor E-Mach: não há uma única causa raiz");
    l << Texto::tr("Diferença de E-Mach até o fator seguinte, %1: %2").arg(nome(m, r.proximo, maximo), r.folga);
    if (r.mudam == 0) {
        l << Texto::tr("Nenhum julgamento sozinho muda a causa raiz.");
        return l;
    }
    l << (r.mudam > r.mudancas.size() ? Texto::tr("Julgamentos cuja mudança muda a causa raiz (10 de %1, primeiro os de um passo):").arg(r.mudam) : Texto::tr("Julgamentos cuja mudança muda a causa raiz:"));
    for (const Robustez::Mudanca& x : r.mudancas) {
        const QString para = x.novaRaiz < 0 ? Texto::tr("sem causa raiz única") : Texto::tr("nova causa raiz %1").arg(nome(m, x.novaRaiz, maximo));
        l << u("   ")
                + Texto::tr("%1 × %2: %3 → %4, %5 passo(s): %6").arg(nome(m, x.linha, maximo), nome(m, x.coluna, maximo),
                                   Escala::texto(x.nivelAtual), Escala::texto(x.nivelNovo), QString::number(x.passos), para);
    }
    return l;
}

} // namespace Veredito
