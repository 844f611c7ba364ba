#include "store/CasoCsv.h"
#include "store/CasoCsvTextos.h"
#include "store/Regional.h"

#include <QCoreApplication>

namespace CasoCsv {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

// Picks the text of a language from its three versions.
QString em(int idioma, const char* pt, const char* en, const char* es)
{
    return u(idioma == 1 ? en : idioma == 2 ? es : pt);
}

QString niveis(int idioma)
{
    // With a decimal comma the list is split by semicolons, so 0,2 reads as one number.
    const QString sep = Regional::numberText(0.2).contains(u',') ? QStringLiteral("; ") : QStringLiteral(", ");
    const QStringList n{QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("1"), Regional::numberText(0.2),
                        Regional::numberText(0.1)};
    return n.join(sep) + em(idioma, " (ou 1/5", " (or 1/5", " (o 1/5") + sep + QStringLiteral("1/10)");
}

QString explicar(const Problema& p, int idioma)
{
    const QStringList& d = p.dados;
    auto a = [&](int i) { return d.value(i); };
    switch (p.erro) {
    case Erro::Vazio: return em(idioma, "O arquivo está vazio.", "The file is empty.", "El archivo está vacío.");
    case Erro::Grande:
        return em(idioma, "O arquivo tem mais de 1 MB; um case cabe em muito menos.",
                  "The file is larger than 1 MB; a case fits in far less.",
                  "El archivo tiene más de 1 MB; un case cabe en mucho menos.");
    case Erro::Binario:
        return em(idioma, "O arquivo não é um texto CSV.", "The file is not a CSV text.", "El archivo no es un texto CSV.");
    case Erro::Ilegivel:
        return em(idioma, "O arquivo não pôde ser lido: %1", "The file could not be read: %1", "No se pudo leer el archivo: %1").arg(a(0));
    case Erro::NaoArquivo:
        return QCoreApplication::translate("CasoCsv", "Isto não é um arquivo comum (é uma pasta, um dispositivo ou um canal): nada foi lido.");
    case Erro::Codificacao:
        return QCoreApplication::translate("CasoCsv", "%1 não é um caractere válido em %2: o arquivo está danificado").arg(a(1), a(0));
    case Erro::AspasAbertas:
        return em(idioma, "aspas abertas e nunca fechadas", "a quote is opened and never closed",
                  "comillas abiertas que nunca se cierran");
    case Erro::TextoAposAspas:
        return em(idioma, "texto depois das aspas de fechamento", "text after a closing quote",
                  "texto después de las comillas de cierre");
    case Erro::QtdeInvalida:
        return em(idioma, "a quantidade de fatores \"%1\" não é um número inteiro",
                  "the number of factors \"%1\" is not a whole number",
                  "el número de factores \"%1\" no es un número entero").arg(a(0));
    case Erro::QtdeDiferente:
        return em(idioma, "a quantidade de fatores %1 não confere com os %2 fatores da matriz",
                  "the number of factors %1 does not match the %2 factors of the matrix",
                  "el número de factores %1 no coincide con los %2 factores de la matriz").arg(a(0), a(1));
    case Erro::TextoLongo:
        return em(idioma, "o texto tem %1 caracteres; o máximo é 80", "the text has %1 characters; at most 80 are allowed",
                  "el texto tiene %1 caracteres; el máximo es 80").arg(a(0));
    case Erro::SemMatriz:
        return em(idioma, "falta a matriz: uma linha com os nomes e uma linha por fator",
                  "no matrix: a row of names and one row per factor",
                  "falta la matriz: una fila con los nombres y una fila por factor");
    case Erro::PoucosFatores:
        return em(idioma, "a matriz tem %1 fatores; o mínimo é 4", "the matrix has %1 factors; at least 4 are needed",
                  "la matriz tiene %1 factores; el mínimo es 4").arg(a(0));
    case Erro::MuitosFatores:
        return em(idioma, "a matriz tem %1 fatores; o máximo é 25", "the matrix has %1 factors; at most 25 are allowed",
                  "la matriz tiene %1 factores; el máximo es 25").arg(a(0));
    case Erro::NomeAusente:
        return em(idioma, "falta o nome do fator", "the factor's name is missing", "falta el nombre del factor");
    case Erro::NomeRepetido:
        return em(idioma, "o nome \"%1\" já aparece na linha %2", "the name \"%1\" already appears on line %2",
                  "el nombre \"%1\" ya aparece en la línea %2").arg(a(0), a(1));
    case Erro::NomeDiferente:
        return em(idioma, "o nome \"%1\" do cabeçalho não é o da linha %2 (\"%3\")",
                  "the heading \"%1\" differs from the name on line %2 (\"%3\")",
                  "el nombre \"%1\" del encabezado no es el de la línea %2 (\"%3\")").arg(a(0), a(1), a(2));
    case Erro::LinhaFaltando:
        return em(idioma, "falta a linha do fator %1 (\"%2\")", "the row of factor %1 (\"%2\") is missing",
                  "falta la fila del factor %1 (\"%2\")").arg(a(0), a(1));
    case Erro::LinhaAMais:
        return em(idioma, "linha a mais: a matriz tem %1 fatores", "one row too many: the matrix has %1 factors",
                  "fila de más: la matriz tiene %1 factores").arg(a(0));
    case Erro::ValorAMais:
        return em(idioma, "valor fora da matriz", "a value outside the matrix", "valor fuera de la matriz");
    case Erro::ValorInvalido:
        return em(idioma, "\"%1\" não é um dos níveis %2", "\"%1\" is not one of the levels %2",
                  "\"%1\" no es uno de los niveles %2").arg(a(0), niveis(idioma));
    case Erro::DiagonalPreenchida:
        return em(idioma, "a diagonal (o fator contra ele mesmo) fica vazia",
                  "the diagonal (a factor against itself) stays empty",
                  "la diagonal (el factor contra sí mismo) queda vacía");
    case Erro::NaoReciproco:
        return em(idioma, "%1 não é o recíproco de %2 (linha %3, coluna %4)",
                  "%1 is not the reciprocal of %2 (line %3, column %4)",
                  "%1 no es el recíproco de %2 (línea %3, columna %4)").arg(a(0), a(1), a(2), a(3));
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

Mensagens mensagens(int idioma)
{
    Mensagens m;
    m.botaoExportar = em(idioma, "E&xportar…", "E&xport…", "E&xportar…");
    m.botaoImportar = em(idioma, "&Importar…", "&Import…", "&Importar…");
    m.tituloExportar = em(idioma, "Exportar case", "Export case", "Exportar case");
    m.tituloImportar = em(idioma, "Importar case", "Import case", "Importar case");
    m.filtro = em(idioma, "Arquivos CSV (*.csv);;Todos os arquivos (*)", "CSV files (*.csv);;All files (*)",
                  "Archivos CSV (*.csv);;Todos los archivos (*)");
    m.semFatores = em(idioma, "O case %1 não tem fatores para exportar.", "Case %1 has no factors to export.",
                      "El case %1 no tiene factores para exportar.");
    m.falhaArquivo = em(idioma, "Não foi possível gravar o arquivo\n%1\n\n%2\n\nNenhum arquivo foi criado ou alterado.",
                        "The file\n%1\ncould not be written.\n\n%2\n\nNo file was created or changed.",
                        "No se pudo grabar el archivo\n%1\n\n%2\n\nNingún archivo fue creado ni cambiado.");
    m.confirmar = em(idioma, "O case %1 (%2) já tem %3 fatores.\nSubstituí-los pelos %4 fatores do arquivo?",
                     "Case %1 (%2) already holds %3 factors.\nReplace them with the %4 factors of the file?",
                     "El case %1 (%2) ya tiene %3 factores.\n¿Reemplazarlos por los %4 factores del archivo?");
    m.importado = em(idioma, "%1 fatores e %2 julgamentos importados para o case %3.",
                     "Imported %1 factors and %2 judgements into case %3.",
                     "%1 factores y %2 juicios importados en el case %3.");
    m.falhaGravar = em(idioma, "O case não pôde ser gravado:\n%1\n\nNada foi alterado.",
                       "The case could not be saved:\n%1\n\nNothing was changed.",
                       "No se pudo grabar el case:\n%1\n\nNo se cambió nada.");
    return m;
}

QString descrever(const Leitura& l, int idioma, int maximo)
{
    if (l.valida())
        return QString();
    const QString nada = em(idioma, "Nada foi alterado.", "Nothing was changed.", "No se cambió nada.");
    // A fault of the whole file is one sentence.
    if (!l.problemas.isEmpty() && l.problemas.first().linha == 0)
        return explicar(l.problemas.first(), idioma) + QStringLiteral("\n\n") + nada;

    const int total = l.totalProblemas;
    QString s = total == 1
        ? em(idioma, "Nada foi importado: o arquivo tem 1 problema.", "Nothing was imported: the file has 1 problem.",
             "No se importó nada: el archivo tiene 1 problema.")
        : em(idioma, "Nada foi importado: o arquivo tem %1 problemas.", "Nothing was imported: the file has %1 problems.",
             "No se importó nada: el archivo tiene %1 problemas.").arg(total);
    s += u'\n';
    const int mostrados = qMin(maximo, int(l.problemas.size()));
    for (int i = 0; i < mostrados; ++i) {
        const Problema& p = l.problemas[i];
        s += u'\n'
            + em(idioma, "Linha %1, coluna %2: ", "Line %1, column %2: ", "Línea %1, columna %2: ").arg(p.linha).arg(p.coluna)
            + explicar(p, idioma);
    }
    if (total > mostrados)
        s += u'\n' + em(idioma, "… e mais %1.", "… and %1 more.", "… y %1 más.").arg(total - mostrados);
    return s;
}

} // namespace CasoCsv
