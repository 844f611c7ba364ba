#pragma once

#include "shell/AppState.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QStatusBar;
class SegundaCopia;

// The main window: start-up, the five menu commands and the status bar.
class Menu final : public QMainWindow {
    Q_OBJECT
public:
    explicit Menu(AppState& estado, QWidget* parent = nullptr);
    ~Menu() override;

    // The start-up sequence. False when the program must end without showing
    // the window (an "Erro" box, or a second copy).
    bool Form_Load();

    // Text of status panel 1 (the notice, later the case) and 2 (the version).
    QString painel(int i) const;
    void setPainel(int i, const QString& texto);

    // The flow between screens that no screen knows of: the matrix screen's
    // Result opens the result screen.
    static void comporTelas(AppState& estado);

    // The start-up error prompt for an error's description.
    static QString promptErro(const QString& descricao);
    // Notice line of the status bar in the current language.
    static QString aviso();

public slots:
    void mnuCases_Click();
    void mnuEventos_Click();
    void mnuDados_Click();
    void mnuMapa_Click();
    void mnuUtil_Click();
    void mnuSair_Click();

private:
    bool faltaCase(bool analise) const;
    // Installs a language and gives the listed controls its captions; the
    // others keep what they show (Portuguese has no list, so it changes
    // nothing until the next start).
    void aplicarConjunto(int idioma);
    // The map command follows the current language, whatever the sets did.
    void legendarMapa();
    // What a screen reader calls the menu bar, the status bar and the picture.
    void nomearParaLeitores();

    AppState& m_estado;
    std::unique_ptr<SegundaCopia> m_copia;
    QLabel* m_painel1 = nullptr;
    QLabel* m_painel2 = nullptr;
};
