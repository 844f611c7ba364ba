#pragma once

#include "shell/AppState.h"
#include "store/Tables.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// A fresh working file in a temporary program folder, made by the same
// generator as the build, with an AppState opened on it the way start-up does.
class TestDb {
public:
    explicit TestDb(bool abrir = true);
    ~TestDb();

    QString pasta() const { return m_dir.path(); }
    QString caminho() const { return Tables::caminhoBanco(pasta()); }
    AppState& estado() { return m_estado; }

    // Plain SQL on a connection of its own, to set up or read back rows.
    void exec(const QString& sql, const QVariantList& valores = {}) { linhas(sql, valores); }
    QList<QVariantList> linhas(const QString& sql, const QVariantList& valores = {});
    QVariant valor(const QString& sql, const QVariantList& valores = {});
    // Every value of the rows as text, each followed by "|", Null as "~": a whole state in one comparison.
    QString texto(const QString& sql, const QVariantList& valores = {});
    // Everything a case holds, its Cases row and its factor rows up to `ate`, as one text.
    QString conteudo(int caso, int ate = 30);

    // Convenience: set a case's name, symptom and count.
    void setCase(int numero, const QVariant& nome, const QVariant& sintoma, const QVariant& qtde);
    // The worked example of the E-Mach (4 factors, analysed) in a case, with
    // these names (A to D when none), named "Bomba, 3" with the symptom
    // "-Pressão baixa"; made current when asked.
    void exemplo(int caso, const QStringList& nomes = {}, bool atual = false);

private:
    QTemporaryDir m_dir;
    QString m_conexao;
    AppState m_estado;
};
