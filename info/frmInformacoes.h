#pragma once

#include "shell/AppState.h"
#include "store/Recordset.h"

#include <QDialog>
#include <QImage>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Informações Gerais": facts about the machine and the data, and the one
// place where the interface language is chosen.
class frmInformacoes final : public QDialog {
    Q_OBJECT
public:
    explicit frmInformacoes(AppState& estado, QWidget* parent = nullptr);
    ~frmInformacoes() override;

    // The computer's network name, or an empty text.
    QString GetComputer() const;
    // The logged-in user's name, also shown in lblUSUARIO; an empty text
    // (and lblUSUARIO left alone) when there is none.
    QString sUserID();
    // Shows the screen size in lblVIDEO.
    void VideoResolution();

    // Image1's picture, 285 x 60 pixels.
    static QImage imagem();

public slots:
    void cmdVOLTAR_Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void legendar();

    AppState& m_estado;
    // Held from the load until the screen closes; "&Voltar" writes through it.
    Recordset m_parametro;

    QLabel* m_lblVAR = nullptr;
    QLabel* m_lblVIDEO = nullptr;
    QLabel* m_lblUSUARIO = nullptr;
    QLabel* m_lblBancoDados = nullptr;
    QRadioButton* m_opt1 = nullptr;
    QRadioButton* m_opt2 = nullptr;
    QRadioButton* m_opt3 = nullptr;
    QPushButton* m_cmdVOLTAR = nullptr;
};
