#include "store/Recuperacao.h"

#include "store/Connection.h"
#include "store/Database.h"
#include "store/Escrita.h"
#include "store/Tables.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <chrono>
#include <cmath>

#include <sys/stat.h>

namespace Recuperacao {

namespace {

const QByteArray kCabecalho = QByteArrayLiteral("KV recuperacao 1 ");

struct Identidade {
    quint64 dispositivo = 0;
    quint64 inode = 0;
};

Identidade identidade(const QString& caminho)
{
    struct stat st {};
    if (::stat(QFile::encodeName(caminho).constData(), &st) != 0)
        return {};
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

QString caminhoDe(const Database& banco)
{
    return banco.connection().path();
}

} // namespace

QString caminho(const QString& banco)
{
    return QFileInfo(banco).absolutePath() + QStringLiteral("/CONTROLE.recuperacao");
}

Dados doCaso(const Database& banco, int caso, const QStringList& fatores)
{
    Dados d;
    d.banco = caminhoDe(banco);
    const Identidade id = identidade(d.banco);
    d.dispositivo = id.dispositivo;
    d.inode = id.inode;
    d.caso = caso;
    d.fatores = fatores;
    d.valores = QVector<double>(d.n() * d.n(), 0.0);
    return d;
}

Dados doCaso(const Database& banco, int caso)
{
    Recordset cases = banco.OpenRecordset(QStringLiteral("Cases"), dbOpenTable);
    cases.setIndex(QStringLiteral("PrimaryKey"));
    cases.Seek(QStringLiteral("="), caso);
    if (cases.NoMatch() || Tables::TabelaEventos(caso).isEmpty())
        return doCaso(banco, caso, {});
    // The count as the matrix screen reads it, or the file would not fit its grid.
    const int qtde = Tables::fatores(cases.Fields(QStringLiteral("Qtde")));
    const int n = qtde >= 1 && qtde <= Tables::kFactorRows ? qtde : 0;
    Recordset rs = banco.OpenRecordset(Tables::consultaFatores(caso, n), dbOpenDynaset);
    QStringList fatores;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
        fatores << rs.Fields(QStringLiteral("Evento")).toString();
    return doCaso(banco, caso, fatores);
}

QVector<double> matrizGravada(const Database& banco, const Dados& d)
{
    QVector<double> v(d.n() * d.n(), 0.0);
    Recordset rs = banco.OpenRecordset(Tables::consultaFatores(d.caso, d.n()), dbOpenDynaset);
    rs.MoveFirst();
    for (int r = 0; r < d.n() && !rs.eof(); ++r, rs.MoveNext())
        for (int c = 0; c < d.n(); ++c)
            v[r * d.n() + c] = qMax(0.0, rs.Fields(Tables::campoMatriz(c + 1)).toDouble());
    return v;
}

QByteArray serializar(const Dados& d)
{
    QJsonArray valores;
    for (const double v : d.valores)
        valores.append(v);
    const QJsonObject o{
        {QStringLiteral("banco"), d.banco},
        {QStringLiteral("dispositivo"), QString::number(d.dispositivo)},
        {QStringLiteral("inode"), QString::number(d.inode)},
        {QStringLiteral("caso"), d.caso},
        {QStringLiteral("fatores"), QJsonArray::fromStringList(d.fatores)},
        {QStringLiteral("valores"), valores},
        {QStringLiteral("quando"), d.quando.toUTC().toString(Qt::ISODateWithMs)},
    };
    const QByteArray corpo = QJsonDocument(o).toJson(QJsonDocument::Compact);
    return kCabecalho + QCryptographicHash::hash(corpo, QCryptographicHash::Sha256).toHex() + '\n' + corpo;
}

Leitura ler(const Database& banco)
{
    Leitura l;
    QFile f(caminho(caminhoDe(banco)));
    if (!f.exists())
        return l;
    l.estado = Estado::Danificado;
    if (!f.open(QIODevice::ReadOnly))
        return l;
    const QByteArray tudo = f.read(1024 * 1024);
    const qsizetype fim = tudo.indexOf('\n');
    if (!tudo.startsWith(kCabecalho) || fim < 0)
        return l;
    const QByteArray corpo = tudo.mid(fim + 1);
    if (tudo.mid(kCabecalho.size(), fim - kCabecalho.size()) != QCryptographicHash::hash(corpo, QCryptographicHash::Sha256).toHex())
        return l;
    const QJsonObject o = QJsonDocument::fromJson(corpo).object();
    Dados& d = l.dados;
    d.banco = o.value(QStringLiteral("banco")).toString();
    d.dispositivo = o.value(QStringLiteral("dispositivo")).toString().toULongLong();
    d.inode = o.value(QStringLiteral("inode")).toString().toULongLong();
    d.caso = o.value(QStringLiteral("caso")).toInt();
    for (const QJsonValue v : o.value(QStringLiteral("fatores")).toArray())
        d.fatores << v.toString();
    for (const QJsonValue v : o.value(QStringLiteral("valores")).toArray())
        d.valores << v.toDouble(-1);
    d.quando = QDateTime::fromString(o.value(QStringLiteral("quando")).toString(), Qt::ISODateWithMs);
    const bool numeros = std::all_of(d.valores.begin(), d.valores.end(), [](double v) { return std::isfinite(v) && v >= 0; });
    if (d.n() < 1 || d.valores.size() != d.n() * d.n() || !numeros || !d.quando.isValid())
        return l;

    // Its own database (moved along with it, or restored at its path) and
    // the case as it stands now.
    const QString aqui = caminhoDe(banco);
    const Identidade id = identidade(aqui);
    const bool nossa = d.banco == aqui || (d.dispositivo == id.dispositivo && d.inode == id.inode);
    const Dados agora = doCaso(banco, d.caso);
    l.estado = nossa && agora.fatores == d.fatores ? Estado::Valido : Estado::Alheio;
    return l;
}

QString porDeLado(const Database& banco)
{
    const QString de = caminho(caminhoDe(banco));
    const QString para = de + QStringLiteral("-posto-de-lado-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QFile::rename(de, para);
    return para;
}

void remover(const Database& banco)
{
    QFile::remove(caminho(caminhoDe(banco)));
}

void limparTemporarios(const Database& banco)
{
    // One KV per program folder: at its start no write of ours is under way there.
    QDir pasta = QFileInfo(caminhoDe(banco)).absoluteDir();
    // Matched by hand: a name filter is a regular expression, compiled at every start.
    for (const QString& nome : pasta.entryList(QDir::Files | QDir::Hidden))
        if (nome.size() >= 8 && nome.startsWith(QLatin1String(".kv-")) && nome.endsWith(QLatin1String(".tmp")))
            pasta.remove(nome);
}

void aplicar(const Database& banco, const Dados& d)
{
    const int n = d.n();
    Transaction t(banco.connection());
    Recordset rs = banco.OpenRecordset(Tables::consultaFatores(d.caso, n), dbOpenDynaset);
    rs.MoveFirst();
    for (int r = 0; r < n && !rs.eof(); ++r) {
        rs.Edit();
        // An empty cell is stored as 0, as the matrix screen's save does.
        for (int c = 0; c < n; ++c)
            rs.setField(Tables::campoMatriz(c + 1), d.valores[r * n + c]);
        rs.Update();
        rs.MoveNext();
    }
    t.commit();
}

Gravador::Gravador(const Database& banco) : m_arquivo(caminho(caminhoDe(banco)))
{
    m_fio = std::thread([this] { trabalhar(); });
}

Gravador::~Gravador()
{
    {
        std::lock_guard l(m_mutex);
        m_parar = true;
    }
    m_cv.notify_all();
    m_fio.join();
}

void Gravador::guardar(Dados d)
{
    {
        std::lock_guard l(m_mutex);
        m_pendente = std::move(d);
    }
    m_cv.notify_all();
}

void Gravador::descartar()
{
    std::unique_lock l(m_mutex);
    m_pendente.reset();
    m_remover = true;
    m_cv.notify_all();
    m_cv.wait(l, [this] { return !m_remover && !m_ocupado; });
}

void Gravador::trabalhar()
{
    using namespace std::chrono;
    steady_clock::time_point ultimaSync{};
    std::unique_lock l(m_mutex);
    // Runs one step with the lock released; the waiters hear of its end.
    auto passo = [&](auto&& feito) {
        m_ocupado = true;
        l.unlock();
        feito();
        l.lock();
        m_ocupado = false;
        m_cv.notify_all();
    };
    for (;;) {
        if (m_remover) {
            m_remover = false;
            m_sujo = false;
            passo([this] { QFile::remove(m_arquivo); });
        } else if (m_pendente) {
            const QByteArray bytes = serializar(*std::exchange(m_pendente, std::nullopt));
            // Renamed into place at once; the disk sync comes below.
            bool escrito = false;
            passo([&] { escrito = Escrita::gravar(m_arquivo, bytes, false).isEmpty(); });
            m_sujo = m_sujo || escrito;
        } else if (m_sujo && (m_parar || steady_clock::now() - ultimaSync >= seconds(1))) {
            m_sujo = false;
            passo([this] { Escrita::sincronizar(m_arquivo); });
            ultimaSync = steady_clock::now();
        } else if (m_parar) {
            return;
        } else if (m_sujo) {
            m_cv.wait_until(l, ultimaSync + seconds(1));
        } else {
            m_cv.wait(l);
        }
    }
}

} // namespace Recuperacao
