#pragma once

#include <QByteArray>
#include <QString>

// Every file KV writes goes through here. The bytes go into a temporary file
// beside the chosen name, every write is checked, the file is synced and
// closed, and only then renamed over the name. On any failure the temporary
// file goes and the chosen name keeps what it held (or stays absent).
namespace Escrita {

// Empty when the file is whole at `caminho`; otherwise what went wrong, in
// plain words of the current language. Without `sincronizar` the file is
// renamed unsynced (a later sincronizar() makes it durable).
QString gravar(const QString& caminho, const QByteArray& bytes, bool sincronizar = true);

// Makes a file written unsynced, and its folder's entry, durable.
void sincronizar(const QString& caminho);

// The message of a file not written: which, why, and that nothing was left.
QString mensagem(const QString& caminho, const QString& motivo);

// The plain words for a system error (an errno value) met while writing.
QString motivo(int erro);

} // namespace Escrita
