#pragma once

// Qt's own texts (the file dialog, standard buttons) in the program's
// language: Portuguese and Spanish from Qt's translations, English as built.
namespace Traducoes {

// Installs the translation of a language code (1 English, 2 Spanish, 3
// Portuguese) in place of the previous one; false when its file is missing.
bool aplicar(int idioma);

} // namespace Traducoes
