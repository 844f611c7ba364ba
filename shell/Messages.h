#pragma once

#include <QString>

// The one way a window shows a message box. The real sink shows a QMessageBox
// with one OK button; tests install a recorder so no test waits on a box.
enum class Icone { Exclamacao, Critico, Informacao };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void mostrar(Icone icone, const QString& titulo, const QString& texto) = 0;
};

// Shows a message and returns when the user has closed it.
void MsgBox(const QString& texto, Icone icone, const QString& titulo);

// Installs a sink (nullptr brings back the real boxes); returns the previous one.
MessageSink* instalarMensagens(MessageSink* sink);
