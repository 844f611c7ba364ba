#include "shell/Janelas.h"

#include "shell/Fonts.h"
#include "shell/Twips.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

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
class RetornoDoFoco final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* alvo, QEvent* e) override
    {
        if (e->type() == QEvent::Hide && !e->spontaneous() && alvo->isWidgetType()) {
            auto* janela = static_cast<QWidget*>(alvo);
            if (janela->isWindow() && janela->windowType() == Qt::Dialog && janela->parentWidget())
                devolverFoco(janela->parentWidget());
        }
        return QObject::eventFilter(alvo, e);
    }
};
} // namespace

void devolverFoco(QWidget* abridor)
{
    QWidget* janela = abridor->window();
    if (janela->isVisible() && !QCoreApplication::closingDown())
        janela->activateWindow();
}

void vigiarRetornoDoFoco()
{
    static QPointer<RetornoDoFoco> vigia;
    if (!vigia && qApp) {
        vigia = new RetornoDoFoco(qApp);
        qApp->installEventFilter(vigia);
    }
}

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
    vigiarRetornoDoFoco();
}
