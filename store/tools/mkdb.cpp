// kv_mkdb PATH: writes a fresh working file at PATH unless one is there.
#include "store/Generator.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv_mkdb PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0; // never overwrite a user's data
    try {
        Generator::criarBanco(path);
    } catch (const StoreError& e) {
        std::fprintf(stderr, "kv_mkdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
