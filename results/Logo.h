#pragma once

#include <QIcon>
#include <QImage>

// The pictures of the result screen, drawn here so the screen and the paper
// carry the very same logo.
namespace LogoKV {

// The logo: "KV" and "E-Mach" on a blue-to-teal band.
QImage imagem();

// The window icon: the "KV" of the logo.
QIcon icone();

} // namespace LogoKV
