#include "store/CasoCsv.h"
#include "store/CasoCsvTextos.h"
#include "store/Escala.h"

#include <QCoreApplication>

namespace CasoCsv {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// The file's own words: written in the user's language and read back in any
// of the three, so they are a table of the format, not translations.
QString em(int idioma, const char* pt, const char* en, const char* es)
{
    return u(idioma == 1 ? en : idioma == 2 ? es : pt);
}

struct Texto {
    Q_DECLARE_TR_FUNCTIONS(CasoCsv)
};

QString niveis()
{
    // With a decimal comma the list is split by semicolons, so 0,2 reads as one number.
    QStringList n;
    for (int nivel = Escala::kNiveis - 1; nivel >= 0; --nivel)
        n << Escala::texto(nivel);
    const QString sep = n.join(QString()).contains(u',') ? QStringLiteral("; ") : QStringLiteral(", ");
    return n.join(sep) + Texto::tr(" (ou 1/5") + sep + QStringLiteral("1/10)");
}

QString explicar(const Problema& p)
{
    const QStringList& d = p.dados;
    auto a = [&](int i) { return d.value(i); };
    switch (p.erro) {
    case Erro::Vazio: return Texto::tr("O arquivo está vazio.");
    case Erro::Grande:
        return Texto::tr("O arquivo tem mais de 1 MB; um case cabe em muito menos.");
    case Erro::Binario:
        return Texto::tr("O arquivo não é um texto CSV.");
    case Erro::Ilegivel:
        return Texto::tr("O arquivo não pôde ser lido: %1").arg(a(0));
    case Erro::NaoArquivo:
        return QCoreApplication::translate("CasoCsv", "Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido.");
    case Erro::Codificacao:
        return QCoreApplication::translate("CasoCsv", "%1 não é um caractere válido em %2: o arquivo está danificado").arg(a(1), a(0));
    case Erro::AspasAbertas:
        return Texto::tr("aspas abertas e nunca fechadas");
    case Erro::TextoAposAspas:
        return Texto::tr("texto depois das aspas de fechamento");
    case Erro::QtdeInvalida:
        return Texto::tr("a quantidade de fatores \"%1\" não é um número inteiro").arg(a(0));
    case Erro::QtdeDiferente:
        return Texto::tr("a quantidade de fatores %1 não confere com os %2 fatores da matriz").arg(a(0), a(1));
    case Erro::TextoLongo:
        return Texto::tr("o texto tem %1 caracteres; o máximo é 80").arg(a(0));
    case Erro::SemMatriz:
        return Texto::tr("falta a matriz: uma linha com os nomes e uma linha por fator");
    case Erro::PoucosFatores:
        return Texto::tr("a matriz tem %1 fatores; o mínimo é 4").arg(a(0));
    case Erro::MuitosFatores:
        return Texto::tr("a matriz tem %1 fatores; o máximo é 25").arg(a(0));
    case Erro::NomeAusente:
        return Texto::tr("falta o nome do fator");
    case Erro::NomeRepetido:
        return Texto::tr("o nome \"%1\" já aparece na linha %2").arg(a(0), a(1));
    case Erro::NomeDiferente:
        return Texto::tr("o nome \"%1\" do cabeçalho não é o da linha %2 (\"%3\")").arg(a(0), a(1), a(2));
    case Erro::LinhaFaltando:
        return Texto::tr("falta a linha do fator %1 (\"%2\")").arg(a(0), a(1));
    case Erro::LinhaAMais:
        return Texto::tr("linha a mais: a matriz tem %1 fatores").arg(a(0));
    case Erro::ValorAMais:
        return Texto::tr("valor fora da matriz");
    case Erro::ValorInvalido:
        return Texto::tr("\"%1\" não é um dos níveis %2").arg(a(0), niveis());
    case Erro::DiagonalPreenchida:
        return Texto::tr("a diagonal (o fator contra ele mesmo) fica vazia");
    case Erro::NaoReciproco:
        return Texto::tr("%1 não é o recíproco de %2 (linha %3, coluna %4)").arg(a(0), a(1), a(2), a(3));
    }
    return QString();
}
} // namespace

Rotulos rotulos(int idioma)
{
    Rotulos r;
    r.chaveNome = QStringLiteral("Case");
    r.chaveSintoma = em(idioma, "Objetivo a alcançar ou Sintoma indesejado", "Goal to achieve or undesired Symptom",
                        "Meta para alcanzar o síntoma no deseado");
    r.chaveQtde = em(idioma, "Quantidade de Fatores", "Number of Factors", "Número de factores");
    r.outrasChavesSintoma = QStringList{em(idioma, "Sintoma", "symptom", "Sintoma")};
    r.outrasChavesQtde = QStringList{em(idioma, "Qtde", "Amont", "Cantidad")};
    if (idioma == 1)
        r.cabecalhoRanking = QStringList{u("Factors"), u("Points to Row"), u("Points to Column"), u("Normatization H 0-5"),
                                         u("Normatization V 0-5"), u("Emach"), u("Class")};
    else if (idioma == 2)
        r.cabecalhoRanking = QStringList{u("Factores"), u("Puntos de la fila"), u("Puntos de la columna"),
                                         u("Normalización H 0-5"), u("Normalización V 0-5"), u("Emach"), u("Clase")};
    else
        r.cabecalhoRanking = QStringList{u("Fatores"), u("Pontos da Linha"), u("Pontos da Coluna"), u("Normatização H 0-5"),
                                         u("Normatização V 0-5"), u("Emach"), u("Classe")};
    r.classes[0] = em(idioma, "Efeito", "Effect", "Efecto");
    r.classes[1] = em(idioma, "Fator causal", "Causal factor", "Factor causal");
    r.classes[2] = em(idioma, "Causa Raíz ou principal FCS", "Root cause or principal FCS", "Causa raíz o principal FCS");
    return r;
}

QString descrever(const Leitura& l, int maximo)
{
    if (l.valida())
        return QString();
    const QString nada = Texto::tr("Nada foi alterado.");
    // A fault of the whole file is one sentence.
    if (!l.problemas.isEmpty() && l.problemas.first().linha == 0)
        return explicar(l.problemas.first()) + QStringLiteral("\n\n") + nada;

    const int total = l.totalProblemas;
    QString s = total == 1
        ? Texto::tr("Nada foi importado: o arquivo tem 1 problema.")
        : Texto::tr("Nada foi importado: o arquivo tem %1 problemas.").arg(total);
    s += u'\n';
    const int mostrados = qMin(maximo, int(l.problemas.size()));
    for (int i = 0; i < mostrados; ++i) {
        const Problema& p = l.problemas[i];
        s += u'\n'
            + Texto::tr("Linha %1, coluna %2: ").arg(p.linha).arg(p.coluna)
            + explicar(p);
    }
    if (total > mostrados)
        s += u'\n' + Texto::tr("… e mais %1.").arg(total - mostrados);
    return s;
}

} // namespace CasoCsv
