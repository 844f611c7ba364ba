#pragma once

#include <QIcon>
#include <QPushButton>

class QPainter;
class QRectF;
class QToolButton;

// The pictures of every button of the program, drawn in code at any size, so
// the same action shows the same picture on every window.
enum class Figura { Gravar, Limpar, Voltar, SalvarSair, Analisar, Resultado, Sair, Impressora, Mapa, Exportar, Importar, Relatorio,
                    Equipe };

// Paints one picture into a square.
void desenharFigura(QPainter& p, const QRectF& quadro, Figura figura);

// The picture as an icon, sharp at the usual icon sizes.
QIcon iconeFigura(Figura figura);

// A tool button with its picture above its caption.
QToolButton* botaoFigura(QWidget* pai, const char* nome, const QString& texto, Figura figura, int ladoIcone);

// A push button that shows its picture on top and its caption below, wrapped
// over as many lines as it needs; the caption's ampersand marks its access key.
class BotaoFigura final : public QPushButton {
    Q_OBJECT
public:
    BotaoFigura(Figura figura, const QString& texto, QWidget* parent = nullptr);
    Figura figura() const { return m_figura; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Figura m_figura;
};
