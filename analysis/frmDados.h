#pragma once

#include "analysis/Consistencia.h"
#include "analysis/Emach.h"
#include "analysis/Teclado.h"
#include "shell/AppState.h"
#include "store/Recordset.h"
#include "store/Recuperacao.h"

#include <QDialog>
#include <QString>
#include <QVector>
#include <memory>
#include <optional>

class DataSource;
class GradeMatriz;
class LogoPicture;
class ModeloMatriz;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QToolButton;
class QUndoStack;
class cLogo;

// The analysis window of the current case: the factors as a square matrix of
// pairwise judgements, each mirrored with its reciprocal, and the analysis
// that turns the matrix into every factor's E-Mach. The grid MSFlexGrid1 is a
// view of the model modelo(), which the judgements, undo and the analysis
// change; its signal julgamentosMudaram() follows every judgement.
class frmDados final : public QDialog {
    Q_OBJECT
public:
    explicit frmDados(AppState& estado, QWidget* parent = nullptr);
    ~frmDados() override;

    static constexpr int kLogos = 28;

    int nFatores() const { return m_nFatores; }
    int PosLogo() const { return m_posLogo; }
    QString NomeFator(int k) const;
    int LinhaSel() const { return m_linhaSel; }
    int ColunaSel() const { return m_colunaSel; }
    // Header strip k (1 to 28); nullptr for any other k.
    LogoPicture* picLogo(int k) const;
    ModeloMatriz* modelo() const { return m_modelo; }

    // Opens nothing when the stored case could not be shown (a count outside
    // 4 to 25, a factor row missing): the user was told while loading.
    int exec() override;

protected:
    // Levels, erasing, undo and redo from wherever the focus is in the window.
    bool event(QEvent* event) override;
    // Moving the current cell with the keys while the grid has the focus.
    bool eventFilter(QObject* objeto, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void MSFlexGrid1_Click();
    void cmdGravar_Click();
    void cmdCalcular_Click();
    void cmdResultado_Click();
    void cmdSair_Click();

private:
    void Form_Load();
    // Every caption from the translations of the current language.
    void retraduzir();
    // The headings of the analysis' rows and columns.
    void titularAnalise();
    // False when the store failed: the user was told, and the grid keeps
    // every judgement for the retry.
    bool Gravar_Fatores();
    bool Gravar2_Fatores();
    void salvar(bool comEmach);
    void limparOpcoes();
    void recusar(const QString& qtde, int linhaFaltando);
    void desenharLogo(int k, int left, const QString& caption);
    void liberarGrade();
    cLogo& Logo();

    // One undo command per recorded pair.
    class Julgamento;
    void irPara(Teclado::Posicao p);
    // The yellow that a move by keys painted, taken off when the keys move on.
    void apagarMarca();
    // Ctrl+Enter: Analyse, or Result once the analysis is done.
    void analisarOuResultado();
    void julgarPorTecla(int opcao);
    void atualizarContagem();
    // The circular triads of the judgements on screen: their count, and the
    // outlines of their pairs while the toggle is on.
    void atualizarContradicoes();
    // F8 and Shift+F8: the next or previous outlined pair, shown on the panel.
    void irParaContradicao(bool paraTras);
    // The count and the toggle under the panel, or under the grid once it reaches lower.
    void colocarContradicoes();
    // The panel where it leaves the current cell in sight.
    void colocarPainel();
    // Hands the matrix to the recovery file's writer after every change.
    void guardarRecuperacao();

    AppState& m_estado;

    ModeloMatriz* m_modelo = nullptr;
    GradeMatriz* MSFlexGrid1 = nullptr;
    QVector<LogoPicture*> m_picLogo; // element 0 unused
    QToolButton* cmdCalcular = nullptr;
    QToolButton* cmdResultado = nullptr;
    QToolButton* cmdSair = nullptr;
    DataSource* Data1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblFatorX = nullptr;
    QLabel* Label2 = nullptr;
    QRadioButton* opt5 = nullptr;
    QRadioButton* opt4 = nullptr;
    QRadioButton* opt3 = nullptr;
    QRadioButton* opt2 = nullptr;
    QRadioButton* opt1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblFatorY = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblSintoma = nullptr;
    QToolButton* cmdGravar = nullptr;
    QLabel* lblJulgados = nullptr;
    QLabel* lblContradicoes = nullptr;
    QCheckBox* chkContradicoes = nullptr;
    Consistencia::Resultado m_contradicoes;
    QUndoStack* m_historico = nullptr;

    int m_nFatores = 0;
    bool m_recusada = false;
    Emach::Calculo m_calculo;
    QVector<QString> m_nomeFator = QVector<QString>(41);
    int m_linhaSel = 0;
    // The lowest the panel's foot has stood (twips): the contradictions stay under it.
    int m_pePainel = 4335 + 3705;
    // The cell a move by keys painted yellow and the background it covered;
    // a click's yellow is the user's and is never recorded here.
    struct Marca {
        Teclado::Posicao celula;
        std::optional<quint32> fundo;
    };
    std::optional<Marca> m_marca;
    int m_colunaSel = 0;
    bool m_painelFica = false; // a key judges and moves on: Gravar leaves the panel up
    int m_posLogo = 0;
    std::unique_ptr<cLogo> m_logo;
    // The judgements not saved yet, mirrored into the recovery file.
    Recuperacao::Dados m_baseRecuperacao;
    std::unique_ptr<Recuperacao::Gravador> m_recuperacao;
    bool m_recuperavel = false; // the screen mirrors its changes into the recovery file

};
