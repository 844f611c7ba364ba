#pragma once

#include <QString>
#include <QVariant>

// The case-to-table mapping and every query text the screens run.
namespace Tables {

inline constexpr int kCases = 10;
inline constexpr int kFactorRows = 30;
inline constexpr int kMatrixFields = 30;

// The factor table of case 1 to 10 ("Eventos", "Eventos2" ... "EventosA");
// the empty text for any other number.
QString TabelaEventos(int caso);
QString TabelaEventos(const QVariant& caso);

// A case's factor count, the one way every screen reads Qtde (format "#0"):
// the nearest whole number, halves to even. A text (as the program-wide count
// holds it) is read in the regional format; Null or no number is 0.
int fatores(const QVariant& qtde);

// "N" followed by the column number in two digits: N01 ... N30.
QString campoMatriz(int coluna);

// "Select * FROM Cases order by Numero"
QString consultaCases();
// "Select * FROM <T> Where Numero <= <n> order by Numero"
QString consultaFatores(int caso, int n);
// "Select * FROM <T> order by Numero"
QString consultaLimpeza(int caso);
// Case 1: "Select * FROM Eventos WHERE Numero <= <n> ORDER BY -Emach";
// cases 2 to 10: "Select * FROM <T> Where Numero <= <n> order by -Emach".
QString consultaRanking(int caso, int n);

// The path of the working file in a program folder.
QString caminhoBanco(const QString& programFolder);

} // namespace Tables
