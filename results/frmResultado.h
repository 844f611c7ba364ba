#pragma once

#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "shell/AppState.h"

#include <QDialog>
#include <QRect>
#include <QString>

class DataSource;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;

// The ranked result of the current case: factors by descending E-Mach, each
// row in its class colour, the case's goal, a colour legend and the printer
// for the report.
class frmResultado final : public QDialog {
    Q_OBJECT
public:
    // `sintoma` is the goal text shown by the matrix screen underneath.
    frmResultado(AppState& estado, const QString& sintoma, QWidget* parent = nullptr);

    // The window's outer height in twips, as set on loading.
    int Height() const { return m_altura; }

    // Outer height of the window for n factors, and the grid's height.
    static int alturaJanela(int n);
    static int alturaGrade(int n);
    // Where the two verdicts stand for n factors (twips, in the window): the
    // larger of the free strips, below the ranking or below the legend.
    static QRect areaVeredito(int n);

private slots:
    void cmdSair_Click();
    void cmdPrinter_Click();
    void cmdMapa_Click();
    // The current case to a CSV file, ranking included.
    void cmdExportar_Click();
    void cmdRelatorio_Click();

protected:
    void changeEvent(QEvent* e) override;

private:
    // Every caption from the translations of the current language.
    void retraduzir();
    // The two verdicts of the matrix read on loading.
    void mostrarVereditos();
    void montarLayout();
    void Form_Load();
    void definirAltura(int twips);
    void colorirLinha(int linha, CasoCsv::Classe classe);
    // Names for a screen reader of what shows no text: the logo, the legend
    // and its swatches, the printer's box.
    void nomearParaLeitores();

    AppState& m_estado;
    QString m_sintomaDados;
    int m_altura = 0;
    Analise::Matriz m_matriz;
    Consistencia::Resultado m_consistencia;
    Robustez::Resultado m_robustez;

    DataSource* Data1 = nullptr;
    QToolButton* cmdSair = nullptr;
    QToolButton* cmdPrinter = nullptr;
    QToolButton* cmdMapa = nullptr;
    QToolButton* cmdExportar = nullptr;
    QToolButton* cmdRelatorio = nullptr;
    QPlainTextEdit* txtVeredito = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* lblSintoma = nullptr;
    QTableWidget* MSFlexGrid2 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* Combo1 = nullptr;
    QGroupBox* Frame1 = nullptr;
};
