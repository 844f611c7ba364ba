#include "shell/Janelas.h"

#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QDialog>
#include <QKeyEvent>

namespace {
class SemEscape final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        // Only an Escape that no control of the window used reaches the
        // window itself; there it would reject the dialog.
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
            e->accept();
            return true;
        }
        return QObject::eventFilter(alvo, e);
    }
};
} // namespace

void prepararJanela(QDialog* janela, const char* nome, const QString& titulo, int largura, int altura)
{
    if (nome)
        janela->setObjectName(QString::fromLatin1(nome));
    janela->setWindowTitle(titulo);
    janela->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    janela->setModal(true);
    janela->setFont(Fontes::fonte(QStringLiteral("MS Sans Serif"), 8.25));
    Twips::tamanhoCliente(janela, largura, altura);
    janela->installEventFilter(new SemEscape(janela));
}
