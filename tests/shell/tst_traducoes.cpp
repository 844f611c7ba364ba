// The translation files: every text of the sources in both, each with a finished translation, and the
// build's compiled files saying the same.
#include "tests/support/Controles.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
struct Mensagem { QString traducao, tipo; };

// "context|source|comment" -> the translation and its type ("" when finished); the empty map when unreadable.
QMap<QString, Mensagem> mensagens(const QString& ts)
{
    QFile f(ts);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QMap<QString, Mensagem> m;
    QXmlStreamReader x(&f);
    QString contexto, fonte, comentario;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView nome = x.name();
        if (nome == u"name")
            contexto = x.readElementText();
        else if (nome == u"message")
            fonte.clear(), comentario.clear();
        else if (nome == u"source")
            fonte = x.readElementText();
        else if (nome == u"comment")
            comentario = x.readElementText();
        else if (nome == u"translation") {
            const QString tipo = x.attributes().value(QLatin1String("type")).toString();
            m.insert(contexto + u'|' + fonte + u'|' + comentario, {x.readElementText(), tipo});
        }
    }
    return x.hasError() ? QMap<QString, Mensagem>() : m;
}

QString arquivo(const char* idioma)
{
    return QStringLiteral(KV_FONTES "/translations/kv_%1.ts").arg(QLatin1String(idioma));
}
} // namespace

class TstTraducoes : public QObject {
    Q_OBJECT
private slots:
    // Both files hold the same texts, each translated and finished, and the resources hold them compiled.
    void cadaTextoTraduzidoNosDoisArquivos()
    {
        const QMap<QString, Mensagem> en = mensagens(arquivo("en")), es = mensagens(arquivo("es"));
        QCOMPARE(en.keys(), es.keys());
        QStringList faltam;
        for (const auto& [idioma, m] : {std::pair{"en", &en}, {"es", &es}}) {
            QTranslator t;
            QVERIFY(t.load(QStringLiteral(":/i18n/kv_%1.qm").arg(QLatin1String(idioma))));
            for (auto i = m->begin(); i != m->end(); ++i) {
                const QStringList chave = i.key().split(u'|');
                const QString compilada = t.translate(chave[0].toUtf8(), chave[1].toUtf8(),
                                                      chave[2].isEmpty() ? nullptr : chave[2].toUtf8().constData());
                if (!i->tipo.isEmpty() || i->traducao.isEmpty() || compilada != i->traducao)
                    faltam << QStringLiteral("%1 %2 [%3] -> [%4]").arg(QLatin1String(idioma), i.key(), i->traducao, compilada);
            }
        }
        QCOMPARE(faltam, QStringList());
    }

    // lupdate over the sources finds no text that the files lack, and none that the sources lost.
    void lupdateNaoAchaTextoNovoNemPerdido()
    {
        QTemporaryDir pasta;
        const QString copia = pasta.filePath(u("kv.ts"));
        QVERIFY(QFile::copy(arquivo("en"), copia));
        QStringList args{u("-silent"), u("-locations"), u("none")};
        for (const char* sub : {"store", "shell", "info", "registration", "analysis", "results"})
            args << QStringLiteral(KV_FONTES "/%1").arg(QLatin1String(sub));
        QProcess lupdate;
        lupdate.start(u(KV_LUPDATE), args << u("-ts") << copia);
        QVERIFY(lupdate.waitForFinished(-1) && lupdate.exitCode() == 0);
        QStringList diferentes;
        const QMap<QString, Mensagem> m = mensagens(copia);
        QVERIFY(!m.isEmpty() || mensagens(arquivo("en")).isEmpty());
        for (auto i = m.begin(); i != m.end(); ++i)
            if (!i->tipo.isEmpty())
                diferentes << i->tipo + u(" ") + i.key();
        QCOMPARE(diferentes, QStringList());
    }
};

QTEST_MAIN(TstTraducoes)
#include "tst_traducoes.moc"
