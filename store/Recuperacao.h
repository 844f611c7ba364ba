#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class Database;

// Judgements not saved yet, kept in a file beside CONTROLE.mdb, so that a
// kill, a logout or a power cut loses none of them: the matrix screen hands
// its matrix over after every change, a normal save removes the file, and the
// next start offers what it holds.
namespace Recuperacao {

struct Dados {
    // The database it belongs to: its path and its identity on the disk.
    QString banco;
    quint64 dispositivo = 0;
    quint64 inode = 0;
    // The case as the screen found it: number and factor names (a Null name
    // as the empty text); their count is n.
    int caso = 0;
    QStringList fatores;
    QVector<double> valores; // n x n by rows; 0 is an empty cell
    QDateTime quando; // the last change
    int n() const { return int(fatores.size()); }
};

// Case `caso` as it is stored now, its matrix empty: what a screen starts from.
Dados doCaso(const Database& banco, int caso);
// The same for a screen that has just read the case's factor names.
Dados doCaso(const Database& banco, int caso, const QStringList& fatores);
// The matrix stored now for that case, laid out as Dados::valores.
QVector<double> matrizGravada(const Database& banco, const Dados& d);

// The file beside the database at `banco`.
QString caminho(const QString& banco);
QByteArray serializar(const Dados& d);

enum class Estado { Nenhum, Valido, Danificado, Alheio };
struct Leitura {
    Estado estado = Estado::Nenhum;
    Dados dados;
};
// Reads the file beside the open database and checks that it is whole, that
// it belongs to this database, and that its case still has those factors.
Leitura ler(const Database& banco);

// Moves the file aside under a name that says so, never to be applied;
// returns that name.
QString porDeLado(const Database& banco);
void remover(const Database& banco);
// Removes what writes cut short by a kill left beside the database.
void limparTemporarios(const Database& banco);

// Writes the judgements into their case in one transaction, as the matrix
// screen saves them; throws StoreError, and then nothing is written.
void aplicar(const Database& banco, const Dados& d);

// Writes on a thread of its own, so the keyboard never waits: guardar()
// returns at once, the latest matrix wins, and the file is synced at most
// once a second.
class Gravador final {
public:
    explicit Gravador(const Database& banco);
    ~Gravador(); // what is pending is written and synced first
    Gravador(const Gravador&) = delete;
    Gravador& operator=(const Gravador&) = delete;

    void guardar(Dados d);
    // After a normal save: waits for a write in progress, drops anything
    // pending and removes the file.
    void descartar();

private:
    void trabalhar();

    QString m_arquivo;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::optional<Dados> m_pendente;
    bool m_remover = false;
    bool m_parar = false;
    bool m_ocupado = false;
    bool m_sujo = false; // written, not synced yet
    std::thread m_fio;
};

} // namespace Recuperacao
