#pragma once

#include "shell/AppState.h"
#include "store/CasoCsv.h"
#include "store/Recordset.h"

#include <QDialog>

class BotaoFigura;
class DataSource;
class GradeDados;
class QLabel;
class QLineEdit;
class RecordsetModel;

// The case register: the ten cases in a read-only grid; a double click loads
// a case into the three boxes and, when it is in use, makes it current.
class frmCases final : public QDialog {
    Q_OBJECT
public:
    explicit frmCases(AppState& estado, QWidget* parent = nullptr);
    ~frmCases() override;

    // Event handlers, public so the window can be driven without a user.
    void Form_Load();
    void DBGrid1_DblClick();
    // Returns false when the count was refused with a message.
    bool txtQtde_LostFocus();
    void cmdGravar_Click();
    void cmdLimpar_Click();
    void cmdSair_Click();
    // The case of the grid's current row to a CSV file, and a file into it.
    void cmdExportar_Click();
    void cmdImportar_Click();
    // The team window for the case of the grid's current row.
    void cmdEquipe_Click();

    DataSource* Data1() const { return m_data1; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void montarTela();
    // Every caption from the translations of the current language.
    void retraduzir();
    // Numero of the grid's current row; 0 when no row is current.
    int caseDaLinha() const;
    // The grid and the boxes after a case was written from outside them, with
    // its new count and, from a file's case block, its name and symptom.
    void mostrarGravado(int caso, int fatores, const CasoCsv::Caso* bloco);

    AppState& m_estado;
    Recordset rsCases;
    DataSource* m_data1 = nullptr;
    DataSource* m_data2 = nullptr;
    RecordsetModel* m_modelo = nullptr;

    GradeDados* DBGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtCase = nullptr;
    QLineEdit* txtSintoma = nullptr;
    QLineEdit* txtQtde = nullptr;
    BotaoFigura* cmdLimpar = nullptr;
    BotaoFigura* cmdGravar = nullptr;
    BotaoFigura* cmdSair = nullptr;
    BotaoFigura* cmdImportar = nullptr;
    BotaoFigura* cmdExportar = nullptr;
    BotaoFigura* cmdEquipe = nullptr;
};
