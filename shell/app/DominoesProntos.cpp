#include "shell/app/Dominoes.h"
#include "shell/app/DominoesDados.h"

namespace Dominoes {

namespace {
QImage deCinzas(const unsigned char* cinzas, int largura, int altura)
{
    // The grey levels wrapped without a copy, then made the format drawing gives.
    return QImage(cinzas, largura, altura, largura, QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
}
} // namespace

QImage imagemPronta()
{
    return deCinzas(DominoesDados::kImagem, DominoesDados::kImagemLargura, DominoesDados::kImagemAltura);
}

QImage iconePronto()
{
    return deCinzas(DominoesDados::kIcone, DominoesDados::kIconeLargura, DominoesDados::kIconeAltura);
}

} // namespace Dominoes
