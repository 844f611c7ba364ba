#pragma once

#include <functional>

#include <QHeaderView>
#include <QTableView>
#include <QValidator>

// Widgets shared by the two registers: the bound grid with its record
// selector column, the whole-text check and the focus-out check of a box.

// Keeps a box's text whole: the length limit counts UTF-16 units and would
// otherwise leave half of a pasted emoji behind; that half is dropped.
class TextoInteiro final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& texto, int& pos) const override;
};

// Runs a check when a box loses the focus to another control of its window;
// another window or a popup taking the focus is not leaving the box. The
// check returns false when it showed a message.
class AoSairDaCaixa final : public QObject {
public:
    AoSairDaCaixa(QWidget* caixa, std::function<bool()> verificar);
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    std::function<bool()> m_verificar;
    bool m_verificando = false;
};

// The record selector column at the left of a bound grid: an arrow on the
// current row and a pencil while that row holds an edit not yet written.
class SeletorRegistro final : public QHeaderView {
    Q_OBJECT
public:
    explicit SeletorRegistro(QTableView* grade);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;

private:
    QTableView* m_grade;
};

// The bound grid: a table view with record selectors and fixed column widths
// in twips. Tab and Shift+Tab go only through the cells that take typing and
// then on to the window's next control; a key typed where nothing can be
// typed does nothing.
class GradeDados final : public QTableView {
    Q_OBJECT
public:
    explicit GradeDados(QWidget* parent = nullptr);

    void keyboardSearch(const QString&) override {}

    // Hands the text of an open cell editor to the model and closes it, as a
    // move to another cell would; nothing happens when no cell is being edited.
    void concluirEdicao();
    void setLarguraColuna(int coluna, int twips);
    // Shows `linhas` rows at once in the grid's height, without a scroll bar:
    // rows of 225 twips and the header line takes what is left.
    void mostrarLinhas(int linhas);

signals:
    // Enter on a cell, once an open editor's text is in the model; Space too
    // in a grid where nothing can be typed.
    void enter();
    // Ctrl+V of several lines, or of any text while no cell is being edited.
    void colar();

protected:
    bool focusNextPrevChild(bool proximo) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* alvo, QEvent* e) override;
    using QTableView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    QWidget* editorAberto() const;
    // The next (or previous) cell that takes typing, row by row; invalid when none is left.
    QModelIndex celulaEditavel(const QModelIndex& de, bool proxima) const;
    bool temEditavel() const;

    bool m_abertoNoClique = false;
};
