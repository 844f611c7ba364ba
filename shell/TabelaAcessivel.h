#pragma once

class QModelIndex;
class QTableView;

// A grid as a screen reader's table when its first rows or columns are cells
// that head the others, as in the flex grids: the fixed row gives the column
// headers (or, with none, the model's horizontal header data), the fixed
// column the row headers (or, with none, the view's vertical header while it
// shows), and only the other cells the view shows are the table's cells.
// A cell reads its Qt::AccessibleTextRole when it has one, else what it
// shows; its Qt::AccessibleDescriptionRole describes it and, for the first
// cell of a row, the row.
namespace TabelaAcessivel {

void instalar(QTableView* grade, int linhasFixas, int colunasFixas);

// The table's child for a model's cell (its row header for a cell the table
// leaves out), -1 for none: a view's focus events name the child by it.
int filho(const QTableView* grade, const QModelIndex& indice);

} // namespace TabelaAcessivel
