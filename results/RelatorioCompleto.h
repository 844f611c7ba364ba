#pragma once

#include "analysis/Analise.h"
#include "analysis/Consistencia.h"
#include "shell/ResumoEquipe.h"
#include "analysis/Robustez.h"
#include "shell/Printer.h"

#include <QDate>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

class QWidget;
class cMapa;
struct AppState;

// The whole analysis of a case on as many pages as it takes: the ranking with
// every name whole, the influence map as a drawing, the two verdicts with
// their figures, and the matrix.
namespace RelatorioCompleto {

struct Dados {
    QString nomeCase;
    QString sintoma;
    QImage logo;
    QDate data;
    Analise::Matriz matriz;
    Analise::Resultado resultado; // complete
    Consistencia::Resultado consistencia;
    Robustez::Resultado robustez;
    std::shared_ptr<const cMapa> mapa;
    bool mapaNumerado = false; // the points carry the factors' numbers, their names being too long for a map
    std::optional<ResumoEquipe> equipe; // while the case still holds the team's matrix
};

// Everything the report shows of a case whose analysis is complete; the team's
// judgement only while the case's matrix is still the one the team wrote.
Dados reunir(const Analise::Caso& caso, const Analise::Resultado& resultado, const QDate& data, const ResumoEquipe* equipe = nullptr);

// The button's caption.
QString textoBotao();

// Writes the pages on a printer object whose printable area is `area`
// (twips), each with the footer and its number; no EndDoc.
void escrever(Printer& prn, const Dados& dados, const QSizeF& area);
QList<ItemColocado> montar(const Dados& dados, const QSizeF& area);

// What the button does: the current case's report on the named printer (the
// PDF printer asks where, proposing the case's name and the date). A matrix
// the analysis refuses gets the Analyse button's message.
void imprimir(QWidget* janela, AppState& estado, const QString& impressora);

} // namespace RelatorioCompleto
