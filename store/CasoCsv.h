#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// One case as a CSV file that spreadsheets open as columns: a block with the
// case's name, goal or symptom and factor count; the n x n matrix with the
// factor names along its top and down its first column; and, once the case
// is analysed, the ranking. Reading checks every cell before anything can be
// written, so a bad file changes nothing.
namespace CasoCsv {

// A case fits in a few kilobytes; anything larger is not one of ours.
inline constexpr qint64 kTamanhoMaximo = 1024 * 1024;
inline constexpr int kMinFatores = 4;
inline constexpr int kMaxFatores = 25;
inline constexpr int kMaxTexto = 80;

// Separator and decimal mark as the user's spreadsheet expects them: a
// decimal comma goes with semicolons, a decimal point with commas.
struct Formato {
    QChar separador;
    QChar decimal;
};
Formato formatoRegional();

enum class Classe { Efeito, Causal, Raiz };

// One factor of the ranking, in the result screen's order, with the texts
// the Analyse button's computation gave.
struct LinhaRanking {
    QString nome;
    QString pontosLinha;
    QString pontosColuna;
    QString normH;
    QString normV;
    QString emach;
    Classe classe = Classe::Efeito;
};

// What an export writes. Cell texts are in the regional format; an empty
// text is an unjudged cell.
struct Exportacao {
    int caso = 0;
    QString nome;
    QString sintoma;
    int n = 0;
    QStringList fatores;
    QVector<QString> celulas; // n x n, row-major
    QVector<LinhaRanking> ranking; // empty when the case is not fully analysed
    // Rows written last, after an empty line, each text guarded as a name is;
    // a reader of the case stops before them.
    QVector<QStringList> anexo;
};

// The file's bytes: UTF-8 with a byte-order mark, CRLF line ends, RFC 4180
// quoting, texts in the language idioma (1 English, 2 Spanish, else Portuguese).
QByteArray escrever(const Exportacao& dados, int idioma);

// A case as a file gives it, checked.
struct Caso {
    bool temBlocoCaso = false; // without it the case keeps its stored name and symptom
    QString nome;
    QString sintoma;
    QStringList fatores;
    QVector<double> valores; // n x n, row-major; 0 is an empty cell; both sides of a pair filled
    int n() const { return int(fatores.size()); }
    double valor(int linha, int coluna) const { return valores[linha * n() + coluna]; }
    int julgamentos() const; // judged pairs
};

enum class Erro {
    // The file as a whole (line 0).
    Vazio,
    Grande,
    Binario,
    Ilegivel,
    NaoArquivo, // a folder, a device, a pipe
    // A place in the file.
    Codificacao, // a byte (or unit) its encoding does not allow; the column counts characters
    AspasAbertas,
    TextoAposAspas,
    QtdeInvalida,
    QtdeDiferente,
    TextoLongo,
    SemMatriz,
    PoucosFatores,
    MuitosFatores,
    NomeAusente,
    NomeRepetido,
    NomeDiferente,
    LinhaFaltando,
    LinhaAMais,
    ValorAMais,
    ValorInvalido,
    DiagonalPreenchida,
    NaoReciproco,
};

// A problem at a line of the file (1-based) and a column (the field, 1-based).
struct Problema {
    int linha = 0;
    int coluna = 0;
    Erro erro = Erro::Vazio;
    QStringList dados; // what the message quotes
};

struct Leitura {
    Caso caso;
    QVector<Problema> problemas; // the first ones, in file order
    int totalProblemas = 0;
    bool windows1252 = false; // read in the old Western code page: no UTF-8 in it
    bool valida() const { return totalProblemas == 0; }
};

// Reads and checks a file's bytes; the separator, the decimal mark of each
// cell, a byte-order mark and LF or CRLF line ends are recognised.
Leitura ler(const QByteArray& bytes);
// Reads a file from disk first (at most kTamanhoMaximo bytes); anything but a
// regular file is refused before it is opened, so a pipe cannot hold the window.
Leitura lerArquivo(const QString& caminho);

// The message of a refused file in the current language: how many problems,
// then the first few, each with its line and column.
QString descrever(const Leitura& leitura, int maximo = 5);

// True when case 1 to 10 has a count above 0 and one of its factors has a
// name or a judgement: importing over it loses them.
bool temFatores(const Database& banco, int caso);

// Writes a checked case into case 1 to 10 in one transaction: the case row,
// rows 1 to n of its factor table (names, matrix, no E-Mach) and the rest of
// the table cleared as the register's reset clears it. Throws StoreError; on
// a failure nothing is written.
void gravar(const Database& banco, int caso, const Caso& dados);

// Writes bytes to a file through the checked path of Escrita: a failure
// leaves no partial file. Returns what went wrong, empty on success.
QString salvar(const QString& caminho, const QByteArray& bytes);

} // namespace CasoCsv
