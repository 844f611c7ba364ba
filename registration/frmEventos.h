#pragma once

#include "shell/AppState.h"
#include "store/Recordset.h"

#include <QDialog>

class BotaoFigura;
class DataSource;
class GradeDados;
class QLabel;
class QLineEdit;
class RecordsetModel;

// The factor register: the current case's name, symptom and count on top and
// a grid of its factor rows 1 to n, where the factor names are typed.
class frmEventos final : public QDialog {
    Q_OBJECT
public:
    explicit frmEventos(AppState& estado, QWidget* parent = nullptr);
    ~frmEventos() override;

    // Event handlers, public so the window can be driven without a user.
    void Form_Load();
    // False when the count was refused with a message.
    bool txtQtde_LostFocus();
    void cmdSair_Click();

    DataSource* Data1() const { return m_data1; }

public slots:
    void done(int resultado) override;

protected:
    void changeEvent(QEvent* e) override;

private:
    void montarTela();
    // Ctrl+V of a list: the names from the current row down, one a line,
    // written together; a list longer than the rows left is refused whole.
    void colarNomes();
    // Every caption from the translations of the current language.
    void retraduzir();
    // Writes the rows edited, the open cell editor's text included; false
    // when the store failed (the user was told, the grid keeps the names).
    bool gravarLinhaAberta();

    AppState& m_estado;
    Recordset rsCases;
    DataSource* m_data1 = nullptr;
    RecordsetModel* m_modelo = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtCase = nullptr;
    QLineEdit* txtSintoma = nullptr;
    QLineEdit* txtQtde = nullptr;
    GradeDados* DBGrid1 = nullptr;
    BotaoFigura* cmdSair = nullptr;
};
