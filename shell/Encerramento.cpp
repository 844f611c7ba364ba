#include "shell/Encerramento.h"

#include <QHash>
#include <exception>
#include <utility>

namespace Encerramento {

namespace {
bool g_encerrando = false;

QHash<QObject*, std::function<void()>>& registro()
{
    static QHash<QObject*, std::function<void()>> r;
    return r;
}
} // namespace

bool encerrando()
{
    return g_encerrando;
}

void marcarEncerrando()
{
    g_encerrando = true;
}

void aoPerderTela(QObject* dono, std::function<void()> salvar)
{
    registro().insert(dono, std::move(salvar));
    QObject::connect(dono, &QObject::destroyed, [dono] { registro().remove(dono); });
}

void salvarTudo()
{
    const auto saves = std::exchange(registro(), {});
    for (const auto& salvar : saves) {
        try {
            salvar();
        } catch (const std::exception&) {
        }
    }
}

} // namespace Encerramento
