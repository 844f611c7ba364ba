#include "registration/Componentes.h"

#include "shell/Twips.h"
#include "store/RecordsetModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QPainter>
#include <utility>

namespace {
bool eEnter(const QKeyEvent* k)
{
    return (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}
} // namespace

QValidator::State TextoInteiro::validate(QString& texto, int& pos) const
{
    // The length limit counts UTF-16 units and can cut a pasted emoji in
    // half: drop the half left over, so the text is cut at the limit whole.
    for (int i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            texto.remove(i, 1);
            if (pos > i)
                --pos;
            --i;
        }
    }
    return Acceptable;
}

AoSairDaCaixa::AoSairDaCaixa(QWidget* caixa, std::function<bool()> verificar)
    : QObject(caixa), m_verificar(std::move(verificar))
{
    caixa->installEventFilter(this);
}

bool AoSairDaCaixa::eventFilter(QObject* alvo, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && !m_verificando) {
        const auto motivo = static_cast<QFocusEvent*>(e)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            m_verificando = true;
            const bool semMensagem = m_verificar();
            m_verificando = false;
            // A button pressed to leave the box never gets the release, which
            // went to the message: it must not stay drawn pressed.
            if (!semMensagem) {
                QWidget* janela = static_cast<QWidget*>(alvo)->window();
                QTimer::singleShot(0, janela, [janela] {
                    for (QAbstractButton* b : janela->findChildren<QAbstractButton*>())
                        b->setDown(false);
                });
            }
        }
    }
    return QObject::eventFilter(alvo, e);
}

SeletorRegistro::SeletorRegistro(QTableView* grade) : QHeaderView(Qt::Vertical, grade), m_grade(grade)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
}

QSize SeletorRegistro::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.setWidth(Twips::px(225));
    return s;
}

void SeletorRegistro::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    // The style leaves its own clip behind; keep it off the selector mark.
    p->save();
    QHeaderView::paintSection(p, rect, logicalIndex);
    p->restore();
    if (!m_grade->currentIndex().isValid() || m_grade->currentIndex().row() != logicalIndex)
        return;
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(Qt::NoPen);
    p->setBrush(palette().color(QPalette::ButtonText));
    const QPointF c = QRectF(rect).center();
    const auto* modelo = qobject_cast<const RecordsetModel*>(m_grade->model());
    if (modelo && modelo->isPending(logicalIndex)) {
        // A pencil: the row holds an edit not yet written.
        p->translate(c);
        p->rotate(-45);
        p->drawRect(QRectF(-4, -1.5, 7, 3));
        QPolygonF ponta;
        ponta << QPointF(-4, -1.5) << QPointF(-6.5, 0) << QPointF(-4, 1.5);
        p->drawPolygon(ponta);
    } else {
        QPolygonF seta;
        seta << QPointF(c.x() - 2.5, c.y() - 4) << QPointF(c.x() + 2.5, c.y()) << QPointF(c.x() - 2.5, c.y() + 4);
        p->drawPolygon(seta);
    }
    p->restore();
}

GradeDados::GradeDados(QWidget* parent) : QTableView(parent)
{
    setVerticalHeader(new SeletorRegistro(this));
    verticalHeader()->setDefaultSectionSize(Twips::px(240));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void GradeDados::setLarguraColuna(int coluna, int twips)
{
    setColumnWidth(coluna, Twips::px(twips));
}

void GradeDados::mostrarLinhas(int linhas)
{
    const int linha = Twips::px(225);
    verticalHeader()->setMinimumSectionSize(linha);
    verticalHeader()->setDefaultSectionSize(linha);
    horizontalHeader()->setFixedHeight(height() - 2 * frameWidth() - linhas * linha);
}

QWidget* GradeDados::editorAberto() const
{
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    // The open editor is the one child of the viewport not yet hidden.
    const auto filhos = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* editor : filhos) {
        if (!editor->isHidden())
            return editor;
    }
    return nullptr;
}

void GradeDados::concluirEdicao()
{
    if (QWidget* editor = editorAberto()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool GradeDados::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A click on the current cell opens its editor at once. Qt waits for a
    // possible double click first and, meanwhile, drops the keys typed.
    const bool aberto = trigger == SelectedClicked
        ? (m_abertoNoClique = (editTriggers() & SelectedClicked) && QTableView::edit(index, EditKeyPressed, nullptr))
        : QTableView::edit(index, trigger, event);
    // The editor's own paste would run several lines into one name.
    if (aberto) {
        if (QWidget* editor = editorAberto())
            editor->installEventFilter(this);
    }
    return aberto;
}

bool GradeDados::eventFilter(QObject* alvo, QEvent* e)
{
    if (alvo != viewport() && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)
        && QApplication::clipboard()->text().trimmed().contains(u'\n')) {
        emit colar();
        return true;
    }
    return QTableView::eventFilter(alvo, e);
}

bool GradeDados::temEditavel() const
{
    for (int c = 0; model() && c < model()->columnCount(); ++c) {
        if (model()->rowCount() > 0 && (model()->index(0, c).flags() & Qt::ItemIsEditable))
            return true;
    }
    return false;
}

QModelIndex GradeDados::celulaEditavel(const QModelIndex& de, bool proxima) const
{
    if (!model() || !de.isValid())
        return {};
    const int colunas = model()->columnCount();
    const int total = model()->rowCount() * colunas;
    for (int i = de.row() * colunas + de.column() + (proxima ? 1 : -1); i >= 0 && i < total; i += proxima ? 1 : -1) {
        const QModelIndex c = model()->index(i / colunas, i % colunas);
        if (!isColumnHidden(c.column()) && (c.flags() & Qt::ItemIsEditable))
            return c;
    }
    return {};
}

bool GradeDados::focusNextPrevChild(bool proximo)
{
    // Only the cells that take typing are stops; past the last one the
    // focus goes on along the window's tab order.
    if (tabKeyNavigation() && isVisible() && isEnabled()) {
        const QModelIndex destino = celulaEditavel(currentIndex(), proximo);
        if (destino.isValid()) {
            setCurrentIndex(destino);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(proximo);
}

void GradeDados::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab and Shift+Tab from an editor move the way they move from a cell.
    const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
    if (tab)
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    else if (hint == QAbstractItemDelegate::SubmitModelCache)
        emit enter();
}

void GradeDados::keyPressEvent(QKeyEvent* e)
{
    if (state() != EditingState) {
        const bool espaco = e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier && !temEditavel();
        if (eEnter(e) || espaco) {
            emit enter();
            return;
        }
        if (e->matches(QKeySequence::Paste)) {
            emit colar();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

void GradeDados::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    // The release ends in "no state"; an editor the click opened is still open.
    if (std::exchange(m_abertoNoClique, false))
        setState(EditingState);
}

void GradeDados::currentChanged(const QModelIndex& atual, const QModelIndex& anterior)
{
    QTableView::currentChanged(atual, anterior);
    verticalHeader()->viewport()->update();
}

void GradeDados::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    QTableView::dataChanged(topLeft, bottomRight, roles);
    // The selector shows a pencil while a row holds an unwritten edit.
    verticalHeader()->viewport()->update();
}
