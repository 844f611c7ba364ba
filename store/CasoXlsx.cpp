#include "store/CasoXlsx.h"
#include "store/CasoCsvTextos.h"

#include "store/Escrita.h"
#include "store/Regional.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <dlfcn.h>
#include <type_traits>

#include <xlsxwriter.h>

namespace CasoXlsx {

namespace {

// The library is loaded the first time a workbook is written: linked into KV,
// it and OpenSSL's libcrypto that it needs cost every start time and memory.
struct Biblioteca {
    decltype(&::workbook_new_opt) workbook_new_opt = nullptr;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet = nullptr;
    decltype(&::workbook_add_format) workbook_add_format = nullptr;
    decltype(&::workbook_close) workbook_close = nullptr;
    decltype(&::format_set_num_format) format_set_num_format = nullptr;
    decltype(&::worksheet_write_string) worksheet_write_string = nullptr;
    decltype(&::worksheet_write_number) worksheet_write_number = nullptr;
    decltype(&::worksheet_set_column) worksheet_set_column = nullptr;
    decltype(&::lxw_strerror) lxw_strerror = nullptr;
    QString falha; // why it could not be loaded
};

const Biblioteca& lxw()
{
    static const Biblioteca b = [] {
        Biblioteca b;
        void* h = dlopen("libxlsxwriter.so.4", RTLD_NOW | RTLD_LOCAL);
        const auto achar = [&](auto& funcao, const char* nome) {
            if (h)
                funcao = reinterpret_cast<std::remove_reference_t<decltype(funcao)>>(dlsym(h, nome));
            if (!funcao && b.falha.isEmpty())
                b.falha = QString::fromLocal8Bit(dlerror());
        };
        achar(b.workbook_new_opt, "workbook_new_opt");
        achar(b.workbook_add_worksheet, "workbook_add_worksheet");
        achar(b.workbook_add_format, "workbook_add_format");
        achar(b.workbook_close, "workbook_close");
        achar(b.format_set_num_format, "format_set_num_format");
        achar(b.worksheet_write_string, "worksheet_write_string");
        achar(b.worksheet_write_number, "worksheet_write_number");
        achar(b.worksheet_set_column, "worksheet_set_column");
        achar(b.lxw_strerror, "lxw_strerror");
        return b;
    }();
    return b;
}

// Rows of one sheet, every write checked; the first failure is kept.
class Folha {
public:
    Folha(lxw_workbook* livro, lxw_worksheet* folha) : m_folha(folha)
    {
        m_figura = lxw().workbook_add_format(livro);
        lxw().format_set_num_format(m_figura, "0.00");
    }

    void texto(int coluna, const QString& t)
    {
        if (!t.isEmpty())
            conferir(lxw().worksheet_write_string(m_folha, m_linha, lxw_col_t(coluna), t.toUtf8().constData(), nullptr));
    }
    // A number written as the screens wrote it (regional text); an empty text is an empty cell.
    void numero(int coluna, const QString& t, bool figura = false)
    {
        if (t.trimmed().isEmpty())
            return;
        if (const auto v = Regional::toNumber(t.trimmed()))
            conferir(lxw().worksheet_write_number(m_folha, m_linha, lxw_col_t(coluna), *v, figura ? m_figura : nullptr));
        else
            texto(coluna, t);
    }
    void proxima(int linhas = 1) { m_linha += lxw_row_t(linhas); }
    lxw_error erro() const { return m_erro; }

private:
    void conferir(lxw_error e)
    {
        if (e != LXW_NO_ERROR && m_erro == LXW_NO_ERROR)
            m_erro = e;
    }
    lxw_worksheet* m_folha;
    lxw_format* m_figura = nullptr;
    lxw_row_t m_linha = 0;
    lxw_error m_erro = LXW_NO_ERROR;
};

void preencher(Folha& f, const CasoCsv::Exportacao& d, int idioma)
{
    const CasoCsv::Rotulos r = CasoCsv::rotulos(idioma);
    f.texto(0, r.chaveNome);
    f.texto(1, d.nome);
    f.proxima();
    f.texto(0, r.chaveSintoma);
    f.texto(1, d.sintoma);
    f.proxima();
    f.texto(0, r.chaveQtde);
    f.numero(1, QString::number(d.n));
    f.proxima(2);

    for (int j = 0; j < d.fatores.size(); ++j)
        f.texto(j + 1, d.fatores[j]);
    f.proxima();
    for (int i = 0; i < d.n; ++i) {
        f.texto(0, d.fatores.value(i));
        for (int j = 0; j < d.n; ++j)
            f.numero(j + 1, d.celulas.value(i * d.n + j));
        f.proxima();
    }

    if (d.ranking.isEmpty())
        return;
    f.proxima();
    for (int j = 0; j < r.cabecalhoRanking.size(); ++j)
        f.texto(j, r.cabecalhoRanking[j]);
    f.proxima();
    for (const CasoCsv::LinhaRanking& l : d.ranking) {
        f.texto(0, l.nome);
        f.numero(1, l.pontosLinha);
        f.numero(2, l.pontosColuna);
        f.numero(3, l.normH, true);
        f.numero(4, l.normV, true);
        f.numero(5, l.emach, true);
        f.texto(6, r.classes[int(l.classe)]);
        f.proxima();
    }
}

QString falhaDaBiblioteca(lxw_error e, int erroSistema)
{
    if (erroSistema)
        return Escrita::motivo(erroSistema);
    return QCoreApplication::translate("CasoXlsx", "A planilha não pôde ser montada (%1).").arg(QString::fromUtf8(lxw().lxw_strerror(e)));
}

} // namespace

QByteArray escrever(const CasoCsv::Exportacao& dados, int idioma, QString* erro)
{
    // The library writes a file of its own (and its parts) in a private folder.
    if (!lxw().falha.isEmpty()) {
        *erro = QCoreApplication::translate("CasoXlsx", "A planilha não pôde ser montada (%1).").arg(lxw().falha);
        return {};
    }
    QTemporaryDir pasta;
    if (!pasta.isValid()) {
        *erro = Escrita::motivo(errno ? errno : EIO);
        return {};
    }
    QByteArray temporaria = QFile::encodeName(pasta.path());
    const QByteArray arquivo = QFile::encodeName(pasta.filePath(QStringLiteral("caso.xlsx")));
    lxw_workbook_options opcoes{};
    opcoes.tmpdir = temporaria.data();
    lxw_workbook* livro = lxw().workbook_new_opt(arquivo.constData(), &opcoes);
    if (!livro) {
        *erro = falhaDaBiblioteca(LXW_ERROR_MEMORY_MALLOC_FAILED, errno);
        return {};
    }
    const QByteArray nomeFolha = QStringLiteral("Case %1").arg(dados.caso).toUtf8();
    lxw_worksheet* planilha = lxw().workbook_add_worksheet(livro, nomeFolha.constData());
    Folha folha(livro, planilha);
    lxw().worksheet_set_column(planilha, 0, 0, 32, nullptr);
    preencher(folha, dados, idioma);
    errno = 0;
    const lxw_error fechado = lxw().workbook_close(livro);
    const int erroSistema = errno;
    if (folha.erro() != LXW_NO_ERROR || fechado != LXW_NO_ERROR) {
        *erro = falhaDaBiblioteca(folha.erro() != LXW_NO_ERROR ? folha.erro() : fechado, fechado != LXW_NO_ERROR ? erroSistema : 0);
        return {};
    }
    QFile f(QFile::decodeName(arquivo));
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly))
        bytes = f.readAll();
    if (bytes.isEmpty() || f.error() != QFileDevice::NoError)
        *erro = Escrita::motivo(EIO);
    return bytes;
}

QString salvar(const QString& caminho, const CasoCsv::Exportacao& dados, int idioma)
{
    QString erro;
    const QByteArray bytes = escrever(dados, idioma, &erro);
    return erro.isEmpty() ? Escrita::gravar(caminho, bytes) : erro;
}

} // namespace CasoXlsx
