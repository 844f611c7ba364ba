#pragma once

#include <QString>

enum class Icone { Exclamacao, Critico, Informacao };

// A message's title and text, in the language it is shown in.
struct Aviso {
    QString titulo;
    QString texto;
};

// Shows a message box with one OK button and returns when the user has
// closed it. It goes through the answerer of shell/Dialogos.h, like every
// question and file dialog.
void MsgBox(const QString& texto, Icone icone, const QString& titulo);
