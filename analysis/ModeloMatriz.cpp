#include "analysis/ModeloMatriz.h"

#include "shell/Twips.h"
#include "store/Regional.h"

#include <stdexcept>

namespace {
constexpr quint32 kBackColor = 0x80000005; // window background
constexpr quint32 kBackColorFixed = 0x8000000F; // button face

QString textoDoValor(double v)
{
    return v != 0 ? Regional::numberText(v) : QString();
}
} // namespace

ModeloMatriz::ModeloMatriz(QObject* parent) : QAbstractTableModel(parent)
{
    redimensionar(m_linhas, m_colunas);
}

int ModeloMatriz::rowCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : m_linhas;
}

int ModeloMatriz::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : m_colunas;
}

void ModeloMatriz::exigir(int linha, int coluna) const
{
    if (linha < 0 || linha >= m_linhas || coluna < 0 || coluna >= m_colunas)
        throw std::out_of_range("Subscript out of range");
}

bool ModeloMatriz::julgamento(int linha, int coluna) const
{
    return linha >= 0 && linha < m_matriz.n && coluna >= 1 && coluna <= m_matriz.n;
}

QVariant ModeloMatriz::data(const QModelIndex& i, int papel) const
{
    if (!i.isValid() || i.row() >= m_linhas || i.column() >= m_colunas)
        return {};
    const Celula& c = celula(i.row(), i.column());
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return c.texto;
    case Qt::BackgroundRole:
        return corCelula(i.row(), i.column());
    case Qt::TextAlignmentRole: {
        int a = m_alinhamento[i.column()];
        if (a == flexAlignGeneral)
            a = i.column() > 0 && Regional::isNumeric(c.texto) ? flexAlignRightCenter : flexAlignLeftCenter;
        const Qt::Alignment h = a <= 2 ? Qt::AlignLeft : a <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
        const Qt::Alignment v = a % 3 == 0 ? Qt::AlignTop : a % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
        return int(h | v);
    }
    case PapelFundo:
        return c.fundo ? QVariant(*c.fundo) : QVariant();
    case PapelContorno:
        return c.contorno;
    case PapelJulgamento:
        return julgamento(i.row(), i.column()) ? QVariant(valor(i.row(), i.column())) : QVariant();
    default:
        return {};
    }
}

QVariant ModeloMatriz::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    // Each factor names its row and its column.
    if (papel != Qt::DisplayRole || secao < 0)
        return {};
    if (orientacao == Qt::Vertical)
        return secao < m_linhas ? celula(secao, 0).texto : QString();
    if (secao >= 1 && secao <= m_matriz.n)
        return secao - 1 < m_linhas ? celula(secao - 1, 0).texto : QString();
    return m_titulos.value(secao);
}

void ModeloMatriz::setTituloColuna(int coluna, const QString& titulo)
{
    if (coluna < 0 || coluna >= m_colunas)
        return;
    m_titulos.resize(m_colunas);
    m_titulos[coluna] = titulo;
    emit headerDataChanged(Qt::Horizontal, coluna, coluna);
}

Qt::ItemFlags ModeloMatriz::flags(const QModelIndex& i) const
{
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ModeloMatriz::redimensionar(int linhas, int colunas)
{
    QVector<Celula> novas(linhas * colunas);
    for (int r = 0; r < qMin(linhas, m_linhas); ++r)
        for (int c = 0; c < qMin(colunas, m_colunas); ++c)
            novas[r * colunas + c] = m_celulas.value(r * m_colunas + c);
    m_celulas = std::move(novas);
    m_alinhamento.resize(colunas, flexAlignGeneral);
    m_linhas = linhas;
    m_colunas = colunas;
}

void ModeloMatriz::setRows(int linhas)
{
    if (linhas < 0)
        throw std::out_of_range("Invalid Row value");
    if (linhas > m_linhas) {
        beginInsertRows({}, m_linhas, linhas - 1);
        redimensionar(linhas, m_colunas);
        endInsertRows();
    } else if (linhas < m_linhas) {
        beginRemoveRows({}, linhas, m_linhas - 1);
        redimensionar(linhas, m_colunas);
        endRemoveRows();
    }
}

void ModeloMatriz::setCols(int colunas)
{
    if (colunas < 0)
        throw std::out_of_range("Invalid Col value");
    if (colunas > m_colunas) {
        beginInsertColumns({}, m_colunas, colunas - 1);
        redimensionar(m_linhas, colunas);
        endInsertColumns();
    } else if (colunas < m_colunas) {
        beginRemoveColumns({}, colunas, m_colunas - 1);
        redimensionar(m_linhas, colunas);
        endRemoveColumns();
    }
}

void ModeloMatriz::carregar(const Analise::Matriz& m)
{
    const int n = m.n;
    setCols(n + 1);
    setRows(n);
    m_matriz = m;
    for (Celula& c : m_celulas)
        c = {};
    for (int r = 0; r < n; ++r) {
        celula(r, 0).texto = m.nomes[r].toString();
        for (int c = 0; c < n; ++c)
            celula(r, c + 1).texto = textoDoValor(m.valor(r, c));
    }
    if (n > 0) {
        emit dataChanged(index(0, 0), index(n - 1, n));
        emit headerDataChanged(Qt::Vertical, 0, n - 1);
    }
    emit julgamentosMudaram();
}

QString ModeloMatriz::TextMatrix(int linha, int coluna) const
{
    exigir(linha, coluna);
    return celula(linha, coluna).texto;
}

double ModeloMatriz::valor(int linha, int coluna) const
{
    return julgamento(linha, coluna) ? m_matriz.valor(linha, coluna - 1) : 0;
}

bool ModeloMatriz::escrever(int linha, int coluna, const QString& texto)
{
    exigir(linha, coluna);
    if (!julgamento(linha, coluna)) {
        celula(linha, coluna).texto = texto;
        return false;
    }
    // A judgement is a number: its text is the number's, whatever was given.
    const double antes = m_matriz.valor(linha, coluna - 1);
    const double v = Regional::geral(Regional::toNumber(texto).value_or(0));
    m_matriz.definir(linha, coluna - 1, v);
    celula(linha, coluna).texto = textoDoValor(v);
    return v != antes;
}

void ModeloMatriz::avisar(int linha, int coluna)
{
    const QModelIndex i = index(linha, coluna);
    emit dataChanged(i, i);
}

void ModeloMatriz::setTextMatrix(int linha, int coluna, const QString& texto)
{
    const bool mudou = escrever(linha, coluna, texto);
    avisar(linha, coluna);
    if (mudou)
        emit julgamentosMudaram();
}

std::optional<quint32> ModeloMatriz::fundo(int linha, int coluna) const
{
    exigir(linha, coluna);
    return celula(linha, coluna).fundo;
}

void ModeloMatriz::setFundo(int linha, int coluna, std::optional<quint32> cor)
{
    exigir(linha, coluna);
    if (celula(linha, coluna).fundo == cor)
        return;
    celula(linha, coluna).fundo = cor;
    const QModelIndex i = index(linha, coluna);
    emit dataChanged(i, i, {Qt::BackgroundRole, PapelFundo});
}

QColor ModeloMatriz::corCelula(int linha, int coluna) const
{
    exigir(linha, coluna);
    const Celula& c = celula(linha, coluna);
    if (c.fundo)
        return Cores::cor(*c.fundo);
    return Cores::cor(coluna == 0 ? kBackColorFixed : kBackColor);
}

int ModeloMatriz::ColAlignment(int coluna) const
{
    if (coluna < 0 || coluna >= m_colunas)
        throw std::out_of_range("Subscript out of range");
    return m_alinhamento[coluna];
}

void ModeloMatriz::setColAlignment(int coluna, int alinhamento)
{
    if (coluna < 0 || coluna >= m_colunas)
        throw std::out_of_range("Subscript out of range");
    if (alinhamento < flexAlignLeftTop || alinhamento > flexAlignGeneral)
        throw std::out_of_range("Invalid property value");
    m_alinhamento[coluna] = alinhamento;
    if (m_linhas > 0)
        emit dataChanged(index(0, coluna), index(m_linhas - 1, coluna), {Qt::TextAlignmentRole});
}

void ModeloMatriz::setContornos(const QVector<QPoint>& celulas)
{
    QVector<bool> novo(m_celulas.size(), false);
    for (const QPoint& p : celulas)
        if (p.x() >= 0 && p.x() < m_linhas && p.y() >= 0 && p.y() < m_colunas)
            novo[p.x() * m_colunas + p.y()] = true;
    for (int k = 0; k < m_celulas.size(); ++k)
        if (m_celulas[k].contorno != novo[k]) {
            m_celulas[k].contorno = novo[k];
            const QModelIndex i = index(k / m_colunas, k % m_colunas);
            emit dataChanged(i, i, {PapelContorno});
        }
}

bool ModeloMatriz::contorno(int linha, int coluna) const
{
    exigir(linha, coluna);
    return celula(linha, coluna).contorno;
}

ModeloMatriz::Estado ModeloMatriz::estado(int linha, int coluna) const
{
    exigir(linha, coluna);
    return {linha, coluna, celula(linha, coluna).texto, celula(linha, coluna).fundo};
}

void ModeloMatriz::alterar(const QVector<Estado>& celulas)
{
    bool mudou = false;
    for (const Estado& e : celulas) {
        if (e.linha < 0 || e.linha >= m_linhas || e.coluna < 0 || e.coluna >= m_colunas)
            continue;
        mudou = escrever(e.linha, e.coluna, e.texto) || mudou;
        celula(e.linha, e.coluna).fundo = e.fundo;
        avisar(e.linha, e.coluna);
    }
    if (mudou)
        emit julgamentosMudaram();
}

void ModeloMatriz::mostrarCalculo(const Emach::Calculo& c)
{
    const int n = c.n;
    if (!c.temPontos() || m_linhas < n + 2 || m_colunas < n + 4)
        return;
    for (int r = 0; r < n; ++r) {
        escrever(r, n + 1, Regional::numberText(c.pontosLinha[r]));
        escrever(n, r + 1, Regional::numberText(c.pontosColuna[r]));
        if (r < c.normHFeitas)
            escrever(r, n + 2, Regional::format00(c.normH[r]));
        if (c.completo()) {
            escrever(n + 1, r + 1, Regional::format00(c.normV[r]));
            escrever(r, n + 3, Regional::format00(c.emach[r]));
        }
    }
    emit dataChanged(index(0, 1), index(m_linhas - 1, m_colunas - 1), {Qt::DisplayRole});
}
