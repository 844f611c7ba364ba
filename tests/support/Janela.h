#pragma once

// Opens a screen offscreen the way a user meets it, on a test's database, and
// reaches its controls by name.

#include "tests/support/Controles.h"
#include "tests/support/TestDb.h"

#include <QApplication>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

template <class Tela>
struct Janela {
    explicit Janela(TestDb& db) : w(db.estado()) { w.show(); QApplication::setActiveWindow(&w); }
    template <class T = QWidget>
    T* c(const char* nome) { return w.template findChild<T*>(QString::fromLatin1(nome)); }
    QString texto(const char* nome) { return ::texto(&w, nome); }
    // The three boxes, as "case|symptom|count".
    QString caixas() { return QStringList{texto("txtCase"), texto("txtSintoma"), texto("txtQtde")}.join(u'|'); }
    QTableView* grade() { return c<QTableView>("DBGrid1"); }
    QString celula(int linha, int coluna) { return grade()->model()->index(linha, coluna).data().toString(); }
    QString titulo(int coluna) { return grade()->model()->headerData(coluna, Qt::Horizontal).toString(); }

    // A mouse click on a cell; a double click adds a double-click event and a release.
    void clicar(int linha, int coluna, bool duplo = false)
    {
        const QModelIndex i = grade()->model()->index(linha, coluna);
        grade()->scrollTo(i);
        const QPoint p = grade()->visualRect(i).center();
        QTest::mouseClick(grade()->viewport(), Qt::LeftButton, {}, p);
        if (duplo) {
            QTest::mouseDClick(grade()->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseRelease(grade()->viewport(), Qt::LeftButton, {}, p);
        }
    }
    // Types into a box, then moves the focus to another one.
    void digitar(const char* caixa, const QString& texto, const char* depois)
    {
        c(caixa)->setFocus();
        c<QLineEdit>(caixa)->clear();
        QTest::keyClicks(c(caixa), texto);
        c(depois)->setFocus();
    }

    Tela w;
};

// While it lives, every window of class W shown modally is counted, looked at and
// closed, so the code that opened it goes on.
template <class W>
struct Modal {
    int vezes = 0;
    explicit Modal(std::function<void(W&)> olhar = {})
    {
        QObject::connect(&m_vigia, &QTimer::timeout, [this, olhar] {
            auto* w = qobject_cast<W*>(QApplication::activeModalWidget());
            if (!w)
                return;
            m_vigia.stop();
            ++vezes;
            if (olhar)
                olhar(*w);
            if (w->isVisible())
                w->reject();
            m_vigia.start();
        });
        m_vigia.start(0);
    }

private:
    QTimer m_vigia;
};

// Names and E-Machs (pairs; a null QVariant is Null) into rows 1.. of a case's
// table; the case becomes current with n factors (all of them when n is left out).
inline void semearFatores(TestDb& db, int caso, const QList<std::pair<QVariant, QVariant>>& fatores, int n = -1)
{
    for (int i = 0; i < fatores.size(); ++i)
        db.exec(QStringLiteral("UPDATE \"%1\" SET Evento = ?, emach = ? WHERE Numero = ?").arg(Tables::TabelaEventos(caso)),
                {fatores[i].first, fatores[i].second, i + 1});
    db.estado().CaseAtual = caso;
    db.estado().QtdeFatores = n < 0 ? int(fatores.size()) : n;
}
