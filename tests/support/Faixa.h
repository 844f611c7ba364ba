#pragma once

#include "info/cLogo.h"
#include "shell/Fonts.h"
#include "shell/Twips.h"

// A header strip of the matrix screen (255 twips wide, Arial bold, white letters) with its caption, painted once
// as it shows when it repaints.
inline QImage faixa(const QString& caption, double pontos = 9.75, int alturaTwips = 2475)
{
    LogoPicture pic;
    pic.setFont(Fontes::fonte(QStringLiteral("Arial"), pontos, true));
    pic.setForeColor(0x00FFFFFF);
    Twips::colocar(&pic, 0, 0, 255, alturaTwips);
    cLogo logo;
    logo.setDrawingObject(&pic);
    logo.setCaption(caption);
    logo.Draw();
    return pic.imagemAtual().toImage();
}
