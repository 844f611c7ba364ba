// kv_gerar_dominoes PATH: draws the main window's picture and the icon and
// writes them as grey levels into the C++ header PATH, which KV is built with.
#include "shell/app/Dominoes.h"

#include <QGuiApplication>
#include <cstdio>

namespace {
// One array of grey levels; false when a pixel is not a grey.
bool escrever(std::FILE* f, const char* nome, const QImage& img)
{
    std::fprintf(f, "inline constexpr int k%sLargura = %d, k%sAltura = %d;\n", nome, img.width(), nome, img.height());
    std::fprintf(f, "inline constexpr unsigned char k%s[%d] = {", nome, img.width() * img.height());
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                return false;
            std::fprintf(f, "%s%d,", n++ % 32 ? "" : "\n", qRed(p));
        }
    }
    std::fprintf(f, "\n};\n");
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    std::FILE* f = std::fopen(argv[1], "w");
    if (!f)
        return 1;
    const QImage imagem = Dominoes::imagem();
    std::fprintf(f, "// Written by kv_gerar_dominoes when KV is built.\n#pragma once\nnamespace DominoesDados {\n");
    const bool cinzas = escrever(f, "Imagem", imagem) && escrever(f, "Icone", Dominoes::icone(imagem));
    std::fprintf(f, "}\n");
    std::fclose(f);
    if (!cinzas) {
        std::fprintf(stderr, "kv_gerar_dominoes: the picture is no longer black and white\n");
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
