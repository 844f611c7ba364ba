#pragma once

// The program's texts in the current language: KV's own translations of its
// Portuguese texts (English and Spanish, built from translations/*.ts) and
// Qt's own for its dialogs and standard buttons (Portuguese and Spanish).
namespace Traducoes {

// Installs the translations of a language code (1 English, 2 Spanish, any
// other Portuguese) in place of the previous ones, and does nothing when that
// language is already installed. Every window open then gets a
// QEvent::LanguageChange. False when one of its files is missing.
bool aplicar(int idioma);

} // namespace Traducoes
