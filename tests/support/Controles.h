#pragma once

// Reaching a live window's controls by name, as a screen test does; the files and tools a test touches.

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

inline QString u(const char* s) { return QString::fromUtf8(s); }

// The child named nome; a missing control ends the test at once.
template <class T = QWidget>
T* filho(const QObject* janela, const QString& nome)
{
    T* c = janela->findChild<T*>(nome);
    if (!c)
        qFatal("no control %s", qPrintable(nome));
    return c;
}

// The controls added beside the stated ones overlap none of them and stay inside the window.
inline void emEspacoLivre(QWidget& janela, const QList<const char*>& nomes)
{
    for (const char* nome : nomes) {
        QWidget* novo = filho(&janela, nome);
        QVERIFY2(janela.rect().contains(novo->geometry()), nome);
        for (QWidget* w : janela.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(w == novo || w->isHidden() || !w->geometry().intersects(novo->geometry()), qPrintable(w->objectName()));
    }
}

// What a control shows: a frame's title, or the text of a label, a button or a box.
inline QString texto(const QObject* janela, const QString& nome)
{
    QObject* c = filho<QObject>(janela, nome);
    auto* quadro = qobject_cast<QGroupBox*>(c);
    return quadro ? quadro->title() : c->property("text").toString();
}

// A mouse click on a button, as a user makes it.
inline void clicar(const QObject* janela, const char* nome)
{
    QTest::mouseClick(filho<QAbstractButton>(janela, nome), Qt::LeftButton);
}

// Writes a file whole; false when it could not.
inline bool gravarArquivo(const QString& caminho, const QByteArray& bytes)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A tool's standard output (pdftotext reading a page back); empty when it fails.
inline QString saidaDe(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    const bool foi = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return foi ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
