#pragma once

#include "shell/ResumoEquipe.h"
#include "store/Database.h"

#include <QPointer>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <map>

// The program-wide variables, created once by main and handed to every
// window, so a test starts each time from a clean state.
struct AppState {
    // Number (1 to 10) of the current case; empty or 0 means none chosen.
    QVariant CaseAtual;
    // Factor count of the current case, as the screens left it.
    QVariant QtdeFatores;
    // Name of the current case as it stood when the case register was left.
    QString NomeCase;
    // 1 English, 2 Spanish, 3 Portuguese.
    qint16 IdiomaAtual = 3;
    Database BancoDados;
    Workspace* EspacoTrabalho = nullptr;

    // The folder of the executable: CONTROLE.mdb lives there.
    QString pastaPrograma;

    // The main window, for the screens that re-caption it or write its status.
    QPointer<QWidget> menu;
    std::function<void(const QString&)> escreverStatus;
    // Gives the main window the captions of a language's set.
    std::function<void(int)> legendarMenu;
    // Opens the result screen over a window with the goal it shows; the
    // program's composition sets it, so the matrix screen knows no other screen.
    std::function<void(AppState&, QWidget* janela, const QString& sintoma)> abrirResultado;

    // Case number (1 to 10) to the team judgement last written into it.
    std::map<int, ResumoEquipe> equipes;

    QString caminhoBanco() const;
    // True when no case is chosen: CaseAtual empty or equal to 0.
    bool semCase() const;
    // CaseAtual as a number (0 when empty or not numeric).
    int caseAtual() const;
};

inline QString AppState::caminhoBanco() const
{
    return pastaPrograma + QStringLiteral("/CONTROLE.mdb");
}

inline int AppState::caseAtual() const
{
    bool ok = false;
    const double v = CaseAtual.toDouble(&ok);
    return ok ? int(v) : 0;
}

inline bool AppState::semCase() const
{
    if (CaseAtual.isNull() || !CaseAtual.isValid())
        return true;
    bool ok = false;
    const double v = CaseAtual.toDouble(&ok);
    return ok ? v == 0 : CaseAtual.toString().isEmpty();
}
