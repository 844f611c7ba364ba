#pragma once

#include <QIcon>
#include <QImage>

// The program's pictures, drawn here so every screen and every page carry
// the very same logo.
namespace LogoKV {

// The logo: "KV" and "E-Mach" on a blue-to-teal band.
QImage imagem();

// The window icon: the "KV" of the logo.
QIcon icone();

} // namespace LogoKV
