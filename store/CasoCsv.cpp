#include "store/CasoCsv.h"
#include "store/CasoCsvTextos.h"

#include "store/Connection.h"
#include "store/Database.h"
#include "store/Escala.h"
#include "store/Escrita.h"
#include "store/Regional.h"
#include "store/StoreError.h"
#include "store/Tables.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CasoCsv {

namespace {

// The problems a message can name; the rest are only counted.
constexpr int kProblemasGuardados = 20;

// A name a spreadsheet would run as a formula: its first character after any
// apostrophes. Writing puts one more apostrophe in front and reading takes it
// away, so every name comes back exactly as it was.
bool pareceFormula(const QString& t)
{
    int i = 0;
    while (i < t.size() && t[i] == u'\'')
        ++i;
    if (i >= t.size())
        return false;
    const QChar c = t[i];
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

QString protegerTexto(const QString& t)
{
    return pareceFormula(t) ? QStringLiteral("'") + t : t;
}

QString desprotegerTexto(const QString& t)
{
    return t.startsWith(u'\'') && pareceFormula(t) ? t.mid(1) : t;
}

QString campo(const QString& t, QChar sep)
{
    const bool aspas = t.contains(sep) || t.contains(u'"') || t.contains(u'\n') || t.contains(u'\r')
        || (!t.isEmpty() && (t.front().isSpace() || t.back().isSpace()));
    if (!aspas)
        return t;
    QString q = t;
    q.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

// ---- reading ----

struct Campo {
    QString texto;
    int linha = 0;
};
using Registro = QVector<Campo>;

class Leitor {
public:
    explicit Leitor(Leitura& l) : m_l(l) {}

    // A quote left open swallowed the rest of the file: nothing after it can be checked.
    bool aberta = false;

    void problema(int linha, int coluna, Erro erro, QStringList dados = {})
    {
        if (m_l.totalProblemas++ < kProblemasGuardados)
            m_l.problemas.append({linha, coluna, erro, std::move(dados)});
    }

    // RFC 4180 records; a quote left open ends the reading.
    QVector<Registro> registros(const QString& t, QChar sep)
    {
        QVector<Registro> saida;
        Registro atual;
        int linha = 1;
        qsizetype i = 0;
        const qsizetype n = t.size();
        auto fimDeLinha = [&](qsizetype p) { return t[p] == u'\n' || t[p] == u'\r'; };
        auto pularFimDeLinha = [&] {
            if (t[i] == u'\r' && i + 1 < n && t[i + 1] == u'\n')
                ++i;
            ++i;
            ++linha;
        };
        while (i < n) {
            Campo c;
            c.linha = linha;
            if (t[i] == u'"') {
                ++i;
                for (;;) {
                    if (i >= n) {
                        problema(c.linha, int(atual.size()) + 1, Erro::AspasAbertas);
                        aberta = true;
                        return saida;
                    }
                    if (t[i] == u'"') {
                        if (i + 1 < n && t[i + 1] == u'"') {
                            c.texto += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (t[i] == u'\n' || (t[i] == u'\r' && !(i + 1 < n && t[i + 1] == u'\n')))
                        ++linha;
                    c.texto += t[i++];
                }
                if (i < n && t[i] != sep && !fimDeLinha(i)) {
                    problema(linha, int(atual.size()) + 1, Erro::TextoAposAspas);
                    while (i < n && t[i] != sep && !fimDeLinha(i))
                        ++i;
                }
            } else {
                const qsizetype inicio = i;
                while (i < n && t[i] != sep && !fimDeLinha(i))
                    ++i;
                c.texto = t.mid(inicio, i - inicio);
            }
            atual.append(c);
            if (i >= n)
                break;
            if (t[i] == sep) {
                ++i;
                if (i >= n)
                    atual.append({QString(), linha});
                continue;
            }
            pularFimDeLinha();
            saida.append(atual);
            atual.clear();
        }
        if (!atual.isEmpty())
            saida.append(atual);
        return saida;
    }

private:
    Leitura& m_l;
};

bool vazio(const Registro& r)
{
    for (const Campo& c : r)
        if (!c.texto.trimmed().isEmpty())
            return false;
    return true;
}

QString texto(const Registro& r, int coluna) // 1-based; a missing field is empty
{
    return coluna <= r.size() ? r[coluna - 1].texto : QString();
}

// The separator is the first of ';', ',' and tab on the first line outside
// quotes: the line begins with "Case" or with the matrix's empty corner.
QChar separadorDe(const QString& t)
{
    bool aspas = false;
    for (const QChar c : t) {
        if (c == u'"')
            aspas = !aspas;
        else if (!aspas && (c == u'\n' || c == u'\r'))
            break;
        else if (!aspas && (c == u';' || c == u',' || c == u'\t'))
            return c;
    }
    return u',';
}

// One of the five levels, written with either decimal mark or as 1/5, 1/10.
std::optional<double> nivel(const QString& bruto)
{
    QString t = bruto.trimmed();
    t.remove(u' ');
    if (t == QLatin1String("1/5"))
        return 0.2;
    if (t == QLatin1String("1/10"))
        return 0.1;
    int marcas = 0;
    for (QChar& c : t) {
        if (c == u',' || c == u'.') {
            c = u'.';
            ++marcas;
        } else if (!c.isDigit() || c.unicode() > 127) {
            return std::nullopt;
        }
    }
    if (t.isEmpty() || marcas > 1 || t.front() == u'.' || t.back() == u'.')
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (ok && Escala::nivel(v) >= 0)
        return v;
    return std::nullopt;
}

// The keys of the case block, in any of the three languages.
enum class Chave { Nenhuma, Nome, Sintoma, Qtde };
Chave chaveDe(QString t)
{
    t = t.trimmed();
    while (t.endsWith(u':'))
        t.chop(1);
    t = t.trimmed();
    for (int idioma = 1; idioma <= 3; ++idioma) {
        const Rotulos r = rotulos(idioma);
        if (t.compare(r.chaveNome, Qt::CaseInsensitive) == 0)
            return Chave::Nome;
        if (t.compare(r.chaveSintoma, Qt::CaseInsensitive) == 0 || r.outrasChavesSintoma.contains(t, Qt::CaseInsensitive))
            return Chave::Sintoma;
        if (t.compare(r.chaveQtde, Qt::CaseInsensitive) == 0 || r.outrasChavesQtde.contains(t, Qt::CaseInsensitive))
            return Chave::Qtde;
    }
    return Chave::Nenhuma;
}

// Where a text stops being what its encoding says: the line and the column
// (in characters) of the first bad byte or code unit.
struct Decodificado {
    QString texto;
    bool windows1252 = false;
    int linha = 0; // 0: the text is sound
    int coluna = 0;
    QStringList onde; // the encoding and the bad byte or unit, for the message
};

void avancar(Decodificado& d, char32_t c, char32_t anterior)
{
    if (c == u'\n' ? anterior != u'\r' : c == u'\r') {
        ++d.linha;
        d.coluna = 1;
    } else if (c != u'\n') {
        ++d.coluna;
    }
}

// UTF-8 checked byte by byte: overlong forms, surrogates and sequences cut
// short are errors. `multibyte` tells whether any sound sequence of more than
// one byte was met.
Decodificado utf8(const QByteArray& b, qsizetype inicio, bool& multibyte)
{
    Decodificado d;
    d.linha = 1;
    d.coluna = 1;
    multibyte = false;
    qsizetype primeiroRuim = -1;
    char32_t anterior = 0;
    for (qsizetype i = inicio; i < b.size();) {
        const uchar c = uchar(b[i]);
        int n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        char32_t v = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n; ++k) {
            if (i + k >= b.size() || (uchar(b[i + k]) & 0xC0) != 0x80) {
                n = 0;
                break;
            }
            v = (v << 6) | (uchar(b[i + k]) & 0x3F);
        }
        const char32_t minimo[] = {0, 0, 0x80, 0x800, 0x10000};
        if (n == 0 || v < minimo[n] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) {
            if (primeiroRuim < 0) {
                primeiroRuim = i;
                d.onde = {QStringLiteral("UTF-8"), QStringLiteral("0x") + QString::number(c, 16).toUpper()};
            }
            ++i;
            continue;
        }
        if (n > 1)
            multibyte = true;
        if (primeiroRuim < 0)
            avancar(d, v, std::exchange(anterior, v));
        i += n;
    }
    if (primeiroRuim < 0) {
        d.linha = 0;
        d.texto = QString::fromUtf8(b.constData() + inicio, b.size() - inicio);
    }
    return d;
}

// UTF-16 and UTF-32 read unit by unit: a lone surrogate or a value past the
// last code point is an error.
Decodificado utf16ou32(const QByteArray& b, QStringConverter::Encoding e)
{
    const bool e32 = e == QStringConverter::Utf32LE || e == QStringConverter::Utf32BE;
    const bool be = e == QStringConverter::Utf16BE || e == QStringConverter::Utf32BE;
    const int largura = e32 ? 4 : 2;
    auto unidade = [&](qsizetype i) {
        char32_t v = 0;
        for (int k = 0; k < largura; ++k)
            v |= char32_t(uchar(b[i + (be ? k : largura - 1 - k)])) << (8 * (largura - 1 - k));
        return v;
    };
    Decodificado d;
    d.linha = 1;
    d.coluna = 1;
    char32_t anterior = 0;
    for (qsizetype i = largura; i < b.size(); i += largura) {
        char32_t v = i + largura <= b.size() ? unidade(i) : 0xFFFFFFFF;
        int usadas = 1;
        if (!e32 && v >= 0xD800 && v <= 0xDBFF && i + 2 * largura <= b.size()) {
            const char32_t baixa = unidade(i + largura);
            if (baixa >= 0xDC00 && baixa <= 0xDFFF) {
                v = 0x10000 + ((v - 0xD800) << 10) + (baixa - 0xDC00);
                usadas = 2;
            }
        }
        if (v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) {
            d.onde = {e32 ? QStringLiteral("UTF-32") : QStringLiteral("UTF-16"),
                      QStringLiteral("0x") + QString::number(v == 0xFFFFFFFF ? uchar(b.back()) : v, 16).toUpper()};
            return d;
        }
        d.texto += QString::fromUcs4(&v, 1);
        avancar(d, v, std::exchange(anterior, v));
        i += (usadas - 1) * largura;
    }
    d.linha = 0;
    return d;
}

// A byte-order mark names the encoding; without one, sound UTF-8 is UTF-8,
// and a file with no multi-byte UTF-8 sequence at all is a spreadsheet's own
// "CSV" in the old Western code page. Anything else is damaged UTF-8.
Decodificado decodificar(const QByteArray& bytes, bool& binario)
{
    binario = false;
    Decodificado d;
    const auto bom = QStringConverter::encodingForData(bytes);
    if (bom && *bom != QStringConverter::Utf8) {
        d = utf16ou32(bytes, *bom);
    } else {
        const qsizetype inicio = bom ? 3 : 0;
        bool multibyte = false;
        d = utf8(bytes, inicio, multibyte);
        if (d.linha && !bom && !multibyte) {
            QStringDecoder w("windows-1252");
            d = Decodificado{w.isValid() ? w(bytes) : QString::fromLatin1(bytes), true};
        }
    }
    for (const QChar c : std::as_const(d.texto))
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c.unicode() == 0x7F) {
            binario = true;
            break;
        }
    return d;
}

void checarTexto(Leitor& l, const Campo& c, int coluna)
{
    if (desprotegerTexto(c.texto).size() > kMaxTexto)
        l.problema(c.linha, coluna, Erro::TextoLongo, {QString::number(desprotegerTexto(c.texto).size())});
}

QString numeroTexto(double v)
{
    return Regional::numberText(v);
}

} // namespace

int Caso::julgamentos() const
{
    int total = 0;
    for (int i = 0; i < n(); ++i)
        for (int j = i + 1; j < n(); ++j)
            if (valor(i, j) != 0)
                ++total;
    return total;
}

Formato formatoRegional()
{
    return QLocale().decimalPoint() == QStringLiteral(",") ? Formato{u';', u','} : Formato{u',', u'.'};
}

QByteArray escrever(const Exportacao& d, int idioma)
{
    const QChar sep = formatoRegional().separador;
    const Rotulos r = rotulos(idioma);
    QString s;
    auto linha = [&](const QStringList& campos) {
        QStringList q;
        for (const QString& c : campos)
            q << campo(c, sep);
        s += q.join(sep) + QStringLiteral("\r\n");
    };
    auto nome = [](const QString& t) { return protegerTexto(t); };

    linha({r.chaveNome, nome(d.nome)});
    linha({r.chaveSintoma, nome(d.sintoma)});
    linha({r.chaveQtde, QString::number(d.n)});
    s += QStringLiteral("\r\n");

    QStringList cabecalho{QString()};
    for (const QString& f : d.fatores)
        cabecalho << nome(f);
    linha(cabecalho);
    for (int i = 0; i < d.n; ++i) {
        QStringList l{nome(d.fatores.value(i))};
        for (int j = 0; j < d.n; ++j)
            l << d.celulas.value(i * d.n + j);
        linha(l);
    }

    if (!d.ranking.isEmpty()) {
        s += QStringLiteral("\r\n");
        linha(r.cabecalhoRanking);
        for (const LinhaRanking& f : d.ranking)
            linha({nome(f.nome), f.pontosLinha, f.pontosColuna, f.normH, f.normV, f.emach, r.classes[int(f.classe)]});
    }
    if (!d.anexo.isEmpty()) {
        s += QStringLiteral("\r\n");
        for (const QStringList& l : d.anexo) {
            QStringList guardada;
            for (const QString& t : l)
                guardada << nome(t);
            linha(guardada);
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + s.toUtf8();
}

Leitura ler(const QByteArray& bytes)
{
    Leitura l;
    Leitor leitor(l);
    if (bytes.size() > kTamanhoMaximo) {
        leitor.problema(0, 0, Erro::Grande);
        return l;
    }
    bool binario = false;
    const Decodificado d = decodificar(bytes, binario);
    if (d.linha) {
        leitor.problema(d.linha, d.coluna, Erro::Codificacao, d.onde);
        return l;
    }
    if (binario) {
        leitor.problema(0, 0, Erro::Binario);
        return l;
    }
    l.windows1252 = d.windows1252;
    const QString& t = d.texto;
    if (t.trimmed().isEmpty()) {
        leitor.problema(0, 0, Erro::Vazio);
        return l;
    }

    const QVector<Registro> regs = leitor.registros(t, separadorDe(t));
    if (leitor.aberta)
        return l;
    int p = 0;
    auto pularVazios = [&] {
        while (p < regs.size() && vazio(regs[p]))
            ++p;
    };
    // The line of record k, or the one after the last record.
    auto linhaDe = [&](int k) {
        if (k < regs.size())
            return regs[k][0].linha;
        return regs.isEmpty() ? 1 : regs.last().last().linha + 1;
    };

    // The case block.
    pularVazios();
    int qtde = -1;
    int linhaQtde = 0;
    while (p < regs.size()) {
        const Registro& r = regs[p];
        const Chave chave = chaveDe(r[0].texto);
        if (chave == Chave::Nenhuma)
            break;
        l.caso.temBlocoCaso = true;
        for (int c = 3; c <= r.size(); ++c)
            if (!r[c - 1].texto.trimmed().isEmpty())
                leitor.problema(r[c - 1].linha, c, Erro::ValorAMais);
        const Campo valor = r.size() > 1 ? r[1] : Campo{QString(), r[0].linha};
        if (chave == Chave::Qtde) {
            const QString q = valor.texto.trimmed();
            bool ok = !q.isEmpty() && q.size() <= 3;
            for (const QChar c : q)
                ok = ok && c.isDigit() && c.unicode() < 128;
            if (ok) {
                qtde = q.toInt();
                linhaQtde = valor.linha;
            } else {
                leitor.problema(valor.linha, 2, Erro::QtdeInvalida, {valor.texto});
            }
        } else {
            checarTexto(leitor, valor, 2);
            (chave == Chave::Nome ? l.caso.nome : l.caso.sintoma) = desprotegerTexto(valor.texto);
        }
        ++p;
    }

    // The matrix: a row of names, then one row per factor.
    pularVazios();
    if (p >= regs.size()) {
        leitor.problema(linhaDe(p), 1, Erro::SemMatriz);
        return l;
    }
    const Registro& cab = regs[p++];
    int m = int(cab.size());
    while (m > 1 && cab[m - 1].texto.trimmed().isEmpty())
        --m;
    m -= 1;
    if (m < kMinFatores || m > kMaxFatores) {
        leitor.problema(cab[0].linha, 1, m < kMinFatores ? Erro::PoucosFatores : Erro::MuitosFatores, {QString::number(m)});
        return l;
    }
    QStringList nomes;
    QVector<int> linhas(m, 0);
    QVector<double> v(m * m, 0.0);
    QVector<bool> valido(m * m, true);
    for (int k = 0; k < m; ++k) {
        const Campo& h = cab[k + 1];
        if (h.texto.trimmed().isEmpty())
            leitor.problema(h.linha, k + 2, Erro::NomeAusente);
        if (p >= regs.size() || vazio(regs[p])) {
            leitor.problema(linhaDe(p), 1, Erro::LinhaFaltando, {QString::number(k + 1), desprotegerTexto(h.texto)});
            return l;
        }
        const Registro& r = regs[p++];
        const Campo& nomeCampo = r[0];
        const QString nome = desprotegerTexto(nomeCampo.texto);
        linhas[k] = nomeCampo.linha;
        if (nome.trimmed().isEmpty()) {
            leitor.problema(nomeCampo.linha, 1, Erro::NomeAusente);
        } else {
            checarTexto(leitor, nomeCampo, 1);
            for (int o = 0; o < k; ++o)
                if (nomes[o].trimmed().compare(nome.trimmed(), Qt::CaseInsensitive) == 0) {
                    leitor.problema(nomeCampo.linha, 1, Erro::NomeRepetido, {nome, QString::number(linhas[o])});
                    break;
                }
            const QString noTopo = desprotegerTexto(h.texto);
            if (!noTopo.trimmed().isEmpty() && noTopo.trimmed() != nome.trimmed())
                leitor.problema(h.linha, k + 2, Erro::NomeDiferente, {noTopo, QString::number(nomeCampo.linha), nome});
        }
        nomes << nome;
        for (int c = 0; c < m; ++c) {
            const QString cel = texto(r, c + 2);
            if (cel.trimmed().isEmpty())
                continue;
            const int linhaCel = r[c + 1].linha;
            if (c == k) {
                leitor.problema(linhaCel, c + 2, Erro::DiagonalPreenchida);
                continue;
            }
            if (const auto n = nivel(cel)) {
                v[k * m + c] = *n;
            } else {
                valido[k * m + c] = false;
                leitor.problema(linhaCel, c + 2, Erro::ValorInvalido, {cel.trimmed()});
            }
        }
        for (int c = m + 2; c <= r.size(); ++c)
            if (!r[c - 1].texto.trimmed().isEmpty())
                leitor.problema(r[c - 1].linha, c, Erro::ValorAMais);
    }
    if (p < regs.size() && !vazio(regs[p]))
        leitor.problema(regs[p][0].linha, 1, Erro::LinhaAMais, {QString::number(m)});

    // Pairs: one side given is mirrored; both given must be reciprocal.
    for (int i = 0; i < m; ++i)
        for (int j = i + 1; j < m; ++j) {
            double& a = v[i * m + j];
            double& b = v[j * m + i];
            if (!valido[i * m + j] || !valido[j * m + i])
                continue;
            if (a != 0 && b != 0) {
                if (std::abs(a * b - 1) > 1e-9)
                    leitor.problema(linhas[j], i + 2, Erro::NaoReciproco,
                                    {numeroTexto(b), numeroTexto(a), QString::number(linhas[i]), QString::number(j + 2)});
            } else if (a != 0) {
                b = 1 / a;
            } else if (b != 0) {
                a = 1 / b;
            }
        }
    // Exact mirrors: 1/10 as the level 0.1, not a neighbour of it.
    for (double& x : v)
        for (double n : Escala::kValores)
            if (x != 0 && std::abs(x - n) < 1e-9)
                x = n;

    if (qtde >= 0 && qtde != m)
        leitor.problema(linhaQtde, 2, Erro::QtdeDiferente, {QString::number(qtde), QString::number(m)});

    if (l.valida()) {
        l.caso.fatores = nomes;
        l.caso.valores = v;
    }
    return l;
}

Leitura lerArquivo(const QString& caminho)
{
    Leitura l;
    auto recusar = [&](Erro erro, const QString& motivo) {
        l.totalProblemas = 1;
        l.problemas.append({0, 0, erro, {motivo}});
        return l;
    };
    const QByteArray nome = QFile::encodeName(caminho);
    struct stat st {};
    if (::stat(nome.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return recusar(Erro::NaoArquivo, {});
    // Never waiting on whatever stands there by the time it opens.
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return recusar(Erro::Ilegivel, QString::fromLocal8Bit(std::strerror(errno)));
    QFile f;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return recusar(Erro::NaoArquivo, {});
    }
    f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    // Read one byte past the limit: the size may have grown since.
    const QByteArray bytes = f.read(kTamanhoMaximo + 1);
    if (f.error() != QFileDevice::NoError)
        return recusar(Erro::Ilegivel, f.errorString());
    return ler(bytes);
}

bool temFatores(const Database& banco, int caso)
{
    Recordset cases = banco.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    cases.setIndex(QStringLiteral("PrimaryKey"));
    cases.Seek(QStringLiteral("="), caso);
    if (cases.NoMatch())
        return false;
    const int n = qMin(Tables::fatores(cases.Fields(QStringLiteral("Qtde"))), Tables::kFactorRows);
    if (n <= 0 || Tables::TabelaEventos(caso).isEmpty())
        return false;
    const Recordset rs = banco.OpenRecordset(Tables::consultaFatores(caso, n), dbOpenDynaset);
    for (int r = 0; r < rs.RecordCount(); ++r) {
        if (!rs.value(r, QStringLiteral("Evento")).toString().isEmpty())
            return true;
        for (int c = 1; c <= n; ++c)
            if (rs.value(r, Tables::campoMatriz(c)).toDouble() > 0)
                return true;
    }
    return false;
}

void gravar(const Database& banco, int caso, const Caso& d)
{
    const int n = d.n();
    Transaction t(banco.connection());
    Recordset cases = banco.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    cases.setIndex(QStringLiteral("PrimaryKey"));
    cases.Seek(QStringLiteral("="), caso);
    if (cases.NoMatch() || Tables::TabelaEventos(caso).isEmpty())
        throw StoreError(QStringLiteral("No current record."));
    cases.Edit();
    if (d.temBlocoCaso) {
        cases.setField(QStringLiteral("Case"), d.nome.isNull() ? QStringLiteral("") : d.nome);
        cases.setField(QStringLiteral("Sintoma"), d.sintoma.isNull() ? QStringLiteral("") : d.sintoma);
    }
    cases.setField(QStringLiteral("Qtde"), n);
    cases.Update();

    Recordset rs = banco.OpenRecordset(Tables::consultaLimpeza(caso), dbOpenDynaset);
    for (int r = 0; r < rs.RecordCount() && r < Tables::kFactorRows; ++r) {
        rs.setPosition(r);
        rs.Edit();
        rs.setField(QStringLiteral("Evento"), r < n ? d.fatores[r] : QStringLiteral(""));
        for (int c = 0; c < Tables::kMatrixFields; ++c) {
            const double x = r < n && c < n ? d.valor(r, c) : 0;
            rs.setField(Tables::campoMatriz(c + 1), x != 0 ? QVariant(x) : QVariant());
        }
        rs.setField(QStringLiteral("emach"), QVariant());
        rs.Update();
    }
    t.commit();
}

QString salvar(const QString& caminho, const QByteArray& bytes)
{
    return Escrita::gravar(caminho, bytes);
}

} // namespace CasoCsv
