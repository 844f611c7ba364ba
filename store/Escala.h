#pragma once

#include <QString>

// The five-level scale of judgement: level 0 is "much less" (0.1), level 4
// "much more" (10). A judgement fills its cell with a level and the mirror
// cell with the mirrored level, its reciprocal.
namespace Escala {

inline constexpr int kNiveis = 5;
inline constexpr double kValores[kNiveis] = {0.1, 0.2, 1, 5, 10};

constexpr int espelho(int nivel) { return kNiveis - 1 - nivel; }

// The level of a value, or -1 for any other value (0, an empty cell, too).
constexpr int nivel(double valor)
{
    for (int i = 0; i < kNiveis; ++i)
        if (valor == kValores[i])
            return i;
    return -1;
}

// True for a judgement the analysis takes: from 0.1 to 10 (another tool may
// have stored a value between the levels).
constexpr bool naEscala(double valor) { return valor >= kValores[0] && valor <= kValores[kNiveis - 1]; }

// The options opt1 "Muito Mais" to opt5 "Muito menos" record levels 4 to 0.
constexpr int nivelDaOpcao(int opcao) { return kNiveis - opcao; }
constexpr int opcaoDoNivel(int nivel) { return kNiveis - nivel; }

// The digit keys 1 to 5 go along the options as they stand on screen from
// left to right: 1 is level 0, 5 is level 4.
constexpr int nivelDoDigito(int digito) { return digito - 1; }

// A level as a cell shows it, in the regional format.
QString texto(int nivel);

// The legend under the options: "(1/10)", 25 blanks, "(1/5)", 30 blanks,
// "(1)", 31 blanks, "(5)", 25 blanks, "(10)".
QString legenda();

} // namespace Escala
