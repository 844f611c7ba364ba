#include "shell/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
class BoxSink final : public MessageSink {
public:
    void mostrar(Icone icone, const QString& titulo, const QString& texto) override
    {
        QString shown = texto;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QMessageBox::Icon tipo = icone == Icone::Critico  ? QMessageBox::Critical
                                       : icone == Icone::Informacao ? QMessageBox::Information
                                                                    : QMessageBox::Warning;
        QMessageBox box(tipo, titulo, shown,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

BoxSink g_box;
MessageSink* g_sink = &g_box;
} // namespace

void MsgBox(const QString& texto, Icone icone, const QString& titulo)
{
    g_sink->mostrar(icone, titulo, texto);
}

MessageSink* instalarMensagens(MessageSink* sink)
{
    MessageSink* old = g_sink == &g_box ? nullptr : g_sink;
    g_sink = sink ? sink : &g_box;
    return old;
}
