#pragma once

#include "analysis/Equipe.h"
#include "shell/AppState.h"
#include "store/CasoCsv.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The team judgement of one case: the members' exported files of it combined
// into the team's matrix, with the team's ranking, how far the members agree
// and the pairs they differ on most; saved into the case, exported, printed.
class frmEquipe final : public QDialog {
    Q_OBJECT
public:
    frmEquipe(AppState& estado, int caso, QWidget* parent = nullptr);
    ~frmEquipe() override;

    // Shows the window for case `caso` modally; true when the team matrix was
    // written into the case.
    static bool abrir(AppState& estado, int caso, QWidget* parent);

    // Handlers, public so the window can be driven without a user.
    void cmdAdicionar_Click();
    void cmdRemover_Click();
    void cmdGravar_Click();
    void cmdExportar_Click();
    void cmdImprimir_Click();
    void cmdSair_Click();

    // Reads and checks files and adds those that fit as members; each refused
    // one is named in one message. Returns how many were added.
    int adicionar(const QStringList& arquivos);

    int quantidadeMembros() const { return int(m_membros.size()); }
    QStringList nomesMembros() const;
    QStringList fatores() const { return m_fatores; }
    const Equipe::Resultado& resultado() const { return m_resultado; }
    bool gravou() const { return m_gravou; }

protected:
    void changeEvent(QEvent* e) override;

private:
    struct Membro {
        QString nome;
        QString arquivo;
        CasoCsv::Caso caso;
    };

    void montarTela();
    // Every caption from the translations of the current language.
    void legendar();
    void combinar();
    void mostrar();
    void mostrarConcordancia();
    void membroRenomeado(QTableWidgetItem* item);
    // The message of a team too small, under `titulo`; false when the team is big enough.
    bool recusarPoucos(const QString& titulo);

    AppState& m_estado;
    int m_caso;
    QString m_nomeCase;
    QString m_sintoma;
    QStringList m_fatoresDoCase; // empty when the case has no named factor
    QStringList m_fatores; // the team's: the case's, or the first member's
    QVector<Membro> m_membros;
    Equipe::Resultado m_resultado;
    bool m_gravou = false;
    bool m_mostrando = false;

    QGroupBox* fraMembros = nullptr;
    QGroupBox* fraRanking = nullptr;
    QGroupBox* fraConcordancia = nullptr;
    QTableWidget* grdMembros = nullptr;
    QPushButton* cmdAdicionar = nullptr;
    QPushButton* cmdRemover = nullptr;
    QTableWidget* grdRanking = nullptr;
    QLabel* lblConcordancia = nullptr;
    QLabel* lblRobustez = nullptr;
    QGroupBox* fraPares = nullptr;
    QTableWidget* grdPares = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* cmdGravar = nullptr;
    QPushButton* cmdExportar = nullptr;
    QPushButton* cmdImprimir = nullptr;
    QPushButton* cmdSair = nullptr;
};
