#pragma once

#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "analysis/Robustez.h"
#include "shell/AppState.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <memory>

class QComboBox;
class QLabel;
class QToolButton;
class cMapa;

// The influence map of the current case, with the consistency of its
// judgements and the firmness of its root cause beside it, each with its
// verdict; printed on one page, exported as PNG, SVG or PDF, or printed
// within the full report.
class frmMapa final : public QDialog {
    Q_OBJECT
public:
    // Reads the current case's stored judgements, analyses them and shows the
    // map modally. A matrix the analysis refuses gets the Analyse button's
    // message, and nothing opens.
    static void abrir(AppState& estado, QWidget* parent = nullptr);

    frmMapa(AppState& estado, const Analise::Caso& caso, const Analise::Resultado& resultado, QWidget* parent = nullptr);
    ~frmMapa() override;

    std::shared_ptr<const cMapa> mapa() const { return m_mapa; }

    // Writes the map at `tamanho` (logical pixels) as PNG (at twice that
    // density), SVG or PDF, by the file's suffix; all or nothing. False with
    // the reason when the file cannot be written.
    static bool exportar(const cMapa& mapa, const QString& arquivo, const QSize& tamanho, QString* erro);

private slots:
    void cmdImprimir_Click();
    void cmdExportar_Click();
    void cmdRelatorio_Click();
    void cmdSair_Click();

protected:
    void changeEvent(QEvent* e) override;

private:
    // Every caption and figure from the translations of the current language.
    void retraduzir();

    AppState& m_estado;
    QString m_nomeCase;
    QString m_sintoma;
    Analise::Matriz m_matriz;
    Consistencia::Resultado m_avaliacao;
    Robustez::Resultado m_robustezAvaliada;
    std::shared_ptr<cMapa> m_mapa;
    QStringList m_consistencia, m_robustez; // as printed: long names cut
    QWidget* picMapa = nullptr;
    QLabel* lblConsistencia = nullptr;
    QLabel* lblRobustez = nullptr;
    QLabel* lblVereditoConsistencia = nullptr;
    QLabel* lblVereditoRobustez = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* Combo1 = nullptr;
    QToolButton* cmdImprimir = nullptr;
    QToolButton* cmdExportar = nullptr;
    QToolButton* cmdRelatorio = nullptr;
    QToolButton* cmdSair = nullptr;
};
