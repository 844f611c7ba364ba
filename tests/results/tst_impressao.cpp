// The report's page, the printers, and real printing (built-in PDF, a cups-pdf queue) read back with poppler.
#include "shell/Printer.h"
#include "shell/Printers.h"
#include "shell/ModuloImpressao.h"
#include "analysis/Veredito.h"
#include "results/Relatorio.h"
#include "results/RelatorioCompleto.h"
#include "results/frmResultado.h"
#include "shell/Fonts.h"
#include "shell/Traducoes.h"
#include "store/Escala.h"
#include "tests/support/Janela.h"
#include "tests/support/Respostas.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QPageLayout>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

namespace {
using Itens = QList<ItemColocado>;

const ItemColocado* comTexto(const Itens& itens, const QString& texto)
{
    for (const ItemColocado& i : itens)
        if (i.tipo == ItemColocado::Tipo::Texto && i.texto == texto)
            return &i;
    return nullptr;
}

// The texts placed on one line (same y), left to right, joined by "|".
QString linha(const Itens& itens, int y)
{
    QMultiMap<int, QString> porX;
    for (const ItemColocado& i : itens)
        if (i.tipo == ItemColocado::Tipo::Texto && i.y == y)
            porX.insert(i.x, i.texto);
    return QStringList(porX.values()).join(u("|"));
}

// The first n factor rows: every 280 twips from 380 below the header line.
QStringList linhas(const Itens& itens, int n, const QString& cabecalho = u("Fatores"))
{
    const ItemColocado* h = comTexto(itens, cabecalho);
    QStringList r;
    for (int i = 0; h && i < n; ++i)
        r << linha(itens, h->y + 380 + 280 * i);
    return r;
}

Itens montar(int idioma, const QList<Relatorio::Linha>& linhas)
{
    Traducoes::aplicar(idioma);
    return Relatorio::montar({u("Linha de envase"), u("Reduzir paradas não programadas"),
                              QImage(20, 10, QImage::Format_RGB32), linhas, QDate(2026, 3, 9)});
}

// Stored shuffled in a case that becomes current.
void semear(TestDb& db, int caso)
{
    semearFatores(db, caso, {{u("Operador novo no turno C"), -0.45}, {u("Umidade do ar na sala de cura"), 2.35},
                             {u("Temperatura do forno"), -2.7}, {u("Pressão de injeção"), 0.8},
                             {u("Matéria-prima do fornecedor B"), -1.0}, {u("Molde sem manutenção"), 0.0}});
    db.estado().NomeCase = u("Refugo da prensa 4");
}

// The report read back: one page, the case, the goal, every factor in the result screen's order.
void conferir(const QString& texto)
{
    const QString t = texto.simplified();
    for (const char* parte : {"Resultado Emach Case: Refugo da prensa 4", "Reduzir o refugo das peças Fatores Emach Observação "
                              "Umidade do ar na sala de cura 2.35 Efeito Pressão de injeção 0.80 Efeito Molde sem manutenção 0.00 "
                              "Efeito Operador novo no turno C -0.45 Fator causal Matéria-prima do fornecedor B -1.00 Fator causal "
                              "Temperatura do forno -2.70 Causa Raíz ou principal FCS Software KV (www.kv-orvalis.example) - "})
        QVERIFY2(t.contains(u(parte)), qPrintable(u(parte) + u("\n") + texto));
    QCOMPARE(texto.count(QLatin1Char('\f')), 1);
}

// Where cups-pdf writes: its configured "Out" folder, or its default.
QString diretorioCupsPdf()
{
    QFile conf(u("/etc/cups/cups-pdf.conf"));
    const QString texto = conf.open(QIODevice::ReadOnly) ? QString::fromUtf8(conf.readAll()) : QString();
    const QRegularExpressionMatch out = QRegularExpression(u("^\\s*Out\\s+(\\S+)"), QRegularExpression::MultilineOption).match(texto);
    QString saida = out.hasMatch() ? out.captured(1) : u("/var/spool/cups-pdf/${USER}");
    saida.replace(u("${HOME}"), QDir::homePath());
    return saida.replace(u("${USER}"), qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME", u("root"))));
}

// The bands of rows of a rendered page that hold ink: one per printed line (the logo shares the title's).
QList<QPair<int, int>> faixas(const QString& pdf, const QString& png)
{
    saidaDe(u("pdftoppm"), {u("-r"), u("100"), u("-gray"), u("-png"), u("-singlefile"), pdf, png});
    const QImage img(png + u(".png"));
    QList<QPair<int, int>> r;
    int inicio = -1;
    for (int y = 0; y <= img.height(); ++y) {
        bool tinta = false;
        for (int x = 0; y < img.height() && x < img.width() && !tinta; ++x)
            tinta = qGray(img.pixel(x, y)) < 160;
        if (tinta && inicio < 0)
            inicio = y;
        else if (!tinta && inicio >= 0)
            r.append({std::exchange(inicio, -1), y - 1});
    }
    return r;
}

void imprimirPelaJanela(AppState& estado, const QString& impressora)
{
    frmResultado janela(estado, u("Reduzir o refugo das peças"));
    filho<QComboBox>(&janela, "Combo1")->setEditText(impressora);
    clicar(&janela, "cmdPrinter");
}
// 25 factors with 80-character names, judged in a pattern with contradictions, in case 1, made current. Gives the names.
QStringList semearCompleto(TestDb& db)
{
    QStringList nomes;
    db.setCase(1, u("Prensa 4"), u("Reduzir o refugo das peças"), 25);
    for (int r = 0; r < 25; ++r) {
        nomes << (QStringLiteral("Fator %1: pressão da máquina fora da faixa especificada pelo fornecedor do molde, turno C").arg(r + 1)).left(80);
        for (int c = 0; c < 25; ++c)
            db.exec(QStringLiteral("UPDATE Eventos SET %1 = ?, Evento = ? WHERE Numero = ?").arg(Tables::campoMatriz(c + 1)),
                    {r == c ? QVariant() : Escala::kValores[(r < c ? r * 3 + c * 7 : 399 - r * 7 - c * 3) % 5], nomes[r], r + 1});
    }
    db.estado().CaseAtual = 1;
    // As the team window leaves it after writing the team matrix into the case.
    ResumoEquipe& e = db.estado().equipes[1];
    e.membros = {u("Ana Lima"), u("Bruno")};
    e.concordancia = ResumoEquipe::Concordancia::Moderada;
    e.W = 0.5, e.quiQuadrado = 24, e.grausLiberdade = 24, e.p = 0.462;
    e.paresADiscutir = {{0, 24, nomes[0], nomes[24], {2, -2}, 0, 4}};
    e.fatores = nomes;
    e.matriz = Analise::lerCaso(db.estado().BancoDados, 1).matriz.valores;
    return nomes;
}

// The case's full report in a language, written by the PDF printer to `arquivo`; gives its two verdicts.
QStringList imprimirCompleto(TestDb& db, const QString& arquivo, int idioma)
{
    db.estado().IdiomaAtual = qint16(idioma);
    Traducoes::aplicar(idioma);
    Printers::definirLista({}, 0);
    Respostas sink;
    sink.arquivo = arquivo;
    if (!arquivo.isEmpty())
        RelatorioCompleto::imprimir(nullptr, db.estado(), Printers::nomePdf());
    const Analise::Matriz m = Analise::lerCaso(db.estado().BancoDados, 1).matriz;
    const QStringList vereditos = {Veredito::consistencia(Consistencia::avaliar(m)), Veredito::firmeza(Robustez::avaliar(m), m)};
    Traducoes::aplicar(3);
    return vereditos;
}
} // namespace

class TestImpressao : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Fontes::instalarSubstituicoes(); }
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void paginaDeVinteECincoFatores()
    {
        QList<Relatorio::Linha> fatores;
        for (int i = 0; i < 25; ++i)
            fatores << Relatorio::Linha{QStringLiteral("Fator %1").arg(i + 1), 3.0 - 0.25 * i};
        const QString longo = u("Temperatura do forno acima do especificado pelo fornecedor do molde");
        fatores[3].evento = longo; // cut to 55 characters on paper
        fatores[5].evento = QString(10000, u'W'); // 55 wide letters would run into the E-Mach column
        const Itens itens = montar(3, fatores);
        const ItemColocado& logo = itens.first();
        QVERIFY(logo.tipo == ItemColocado::Tipo::Figura && QRect(logo.x, logo.y, logo.largura, logo.altura) == QRect(1000, 300, 2300, 1000));

        // The heading texts down the page ("x size weight font"; "=" on the line above's, y where stated); the footer
        // 1000 below the last row.
        const ItemColocado* h1 = comTexto(itens, u("Fatores"));
        const int yUltima = h1->y + 380 + 6720;
        const QString pe = u("Software KV (www.kv-orvalis.example) - ") + QLocale().toString(QDate(2026, 3, 9), QLocale::ShortFormat);
        const struct { QString texto; QString formato; } cabeca[] = {
            {u("Resultado Emach"), u("5000 y1000 18 bold arial")}, {u("Case:  Linha de envase"), u("2000 12 bold arial")},
            {u("Objetivo a alcançar ou Sintoma indesejado: "), u("2000 12 plain arial")},
            {u("Reduzir paradas não programadas"), u("2800 12 bold arial")}, {u("Fatores"), u("2000 11 plain arial")},
            {u("Emach"), u("=7700 11 plain arial")}, {u("Observação"), u("=9000 11 plain arial")},
            {pe, QStringLiteral("6500 y%1 9 plain arial").arg(yUltima + 1000)}};
        int anterior = 0;
        for (const auto& c : cabeca) {
            const ItemColocado* i = comTexto(itens, c.texto);
            QVERIFY2(i && i->y >= anterior, qPrintable(c.texto));
            const QString mesma = i->y == anterior ? u("=") : QString();
            const QString y = c.formato.contains(u'y') ? QStringLiteral(" y%1").arg(i->y) : QString();
            const QString peso = i->negrito ? u("bold") : u("plain");
            QCOMPARE(mesma + QStringLiteral("%1%2 %3 %4 %5").arg(i->x).arg(y).arg(i->tamanho).arg(peso, i->fonte.toLower()), c.formato);
            anterior = i->y;
        }

        // All 25 rows, size 10, at 2000, 7800 and 9000; "0.00" on paper.
        const QStringList l = linhas(itens, 25);
        QCOMPARE(QStringList({l[0], l[3], l[12], l[16], l[24]}),
                 QStringList({u("Fator 1|3.00|Efeito"), longo.left(55) + u("|2.25|Efeito"), u("Fator 13|0.00|Efeito"),
                              u("Fator 17|-1.00|Fator causal"), u("Fator 25|-3.00|Causa Raíz ou principal FCS")}));
        QVERIFY2(l[5].startsWith(u("WWWWWWWWWW")) && l[5].endsWith(u("W…|1.75|Efeito")), qPrintable(l[5]));
        Printer medida;
        medida.setFontName(u("arial"));
        medida.setFontSize(10);
        QVERIFY(2000 + medida.TextWidth(l[5].section(u'|', 0, 0)) < 7800);
        for (const ItemColocado& i : itens)
            if (i.y > h1->y && i.y <= yUltima)
                QVERIFY(i.tamanho == 10.0 && QList<int>({2000, 7800, 9000}).contains(i.x));

        // One portrait page. On A4 the whole page shrinks by one factor until the third column fits; Letter keeps it.
        const QPageLayout pagina = Printer::pagina();
        QCOMPARE(pagina.orientation(), QPageLayout::Portrait);
        for (const auto& [papel, encolhe] : {std::pair{QPageSize::A4, true}, {QPageSize::Letter, false}}) {
            QPageLayout folha = pagina;
            folha.setPageSize(QPageSize(papel), pagina.margins());
            const QSizeF area = folha.paintRect(QPageLayout::Inch).size() * 1440;
            const double f = Printer::escala(itens, area);
            QVERIFY((f < 1) == encolhe && f > 0.95);
            for (const ItemColocado& i : itens) {
                medida.setFontName(i.fonte);
                medida.setFontSize(i.tamanho);
                medida.setFontBold(i.negrito);
                const int direita = i.x + (i.tipo == ItemColocado::Tipo::Figura ? i.largura : medida.TextWidth(i.texto));
                QVERIFY2(direita * f <= area.width() + 1 && (i.y + 400) * f < area.height(), qPrintable(i.texto));
            }
        }
    }

    void palavrasDasLinhas()
    {
        // English words; Spanish prints the Portuguese ones.
        const QList<Relatorio::Linha> fatores = {{u("Heat"), 1.5}, {u("Dust"), 0.0}, {u("Wear"), -0.75}, {u("Load"), -2.0}};
        const Itens en = montar(1, fatores);
        QVERIFY(comTexto(en, u("Emach Result")) && comTexto(en, u("Goal to achieve or undesired symptom: ")));
        QCOMPARE(linha(en, comTexto(en, u("Factors"))->y), u("Factors|Emach|Observation"));
        QCOMPARE(linhas(en, 4, u("Factors")), (QStringList{u("Heat|1.50|Efect"), u("Dust|0.00|Efect"),
                                                         u("Wear|-0.75|Causal factor"), u("Load|-2.00|Root cause or primary FCS")}));
        const Itens es = montar(2, fatores);
        QVERIFY(comTexto(es, u("Resultado Emach")));
        QCOMPARE(linhas(es, 3).mid(1), (QStringList{u("Dust|0.00|Efeito"), u("Wear|-0.75|Fator causal")}));

        // Tied last: only the last gets the root-cause word; no name or no E-Mach prints blank (no class word).
        const struct { QList<Relatorio::Linha> fatores; QStringList esperadas; } casos[] = {
            {{{u("A"), 1.0}, {u("B"), -1.5}, {u("C"), -1.5}},
             {u("A|1.00|Efeito"), u("B|-1.50|Fator causal"), u("C|-1.50|Causa Raíz ou principal FCS")}},
            {{{u("A"), QVariant()}, {QVariant(), 0.5}, {u("C"), -0.5}, {QVariant(), -1.0}},
             {u("A"), u("0.50|Efeito"), u("C|-0.50|Fator causal"), u("-1.00|Causa Raíz ou principal FCS")}},
            {{{u("A"), 2.0}, {u("B"), 0.0}}, {u("A|2.00|Efeito"), u("B|0.00|Causa Raíz ou principal FCS")}}};
        for (const auto& c : casos)
            QCOMPARE(linhas(montar(3, c.fatores), int(c.esperadas.size())), c.esperadas);
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR"))); // a decimal comma where the region has one
        QCOMPARE(linhas(montar(3, fatores), 3).last(), u("Wear|-0,75|Fator causal"));
    }

    void impressoras()
    {
        const QString pdf = Printers::nomePdf();
        Printers::definirLista({{u("HP LaserJet 1020"), Impressora::Tipo::Cups}, {u("hp laserjet 2200 dn"), Impressora::Tipo::Cups},
                                {u("Sala-3"), Impressora::Tipo::Cups}, {pdf, Impressora::Tipo::Pdf}}, 2);
        QCOMPARE(Printers::atual().DeviceName, u("Sala-3"));
        // The first 8 characters in any letter case, the first of the list winning even over an exact name further
        // down; a shorter text must match a name as short. Not found leaves the current printer.
        const QString casos[][2] = {
            {u("hp laserjet 2200 dn"), u("HP LaserJet 1020")}, {u("HP LASERxyz"), u("HP LaserJet 1020")},
            {u("Hp LaSeR"), u("HP LaserJet 1020")}, {u("SALA-3"), u("Sala-3")}, {pdf.toLower(), pdf},
            {u("HP Lase"), QString()}, {u("Sala"), QString()}, {QString(), QString()}, {u("Epson"), QString()}};
        for (const auto& c : casos) {
            Printers::definirAtual(1);
            QCOMPARE(Selecionar_Impressora(c[0]), !c[1].isNull());
            QCOMPARE(Printers::atual().DeviceName, c[1].isNull() ? u("hp laserjet 2200 dn") : c[1]);
        }
        // Whatever the machine has, then the PDF printer; the current printer is one of them.
        Printers::reiniciar();
        const auto& lista = Printers::lista();
        QVERIFY(lista.contains(Printers::atual()) && lista.last() == (Impressora{Printers::nomePdf(), Impressora::Tipo::Pdf}));
        // Without the printing module: no queue, and a print or SVG picture fails instead of ending KV.
        const auto& sem = ModuloImpressao::carregar(u("/nenhum/libkv_impressao.so"));
        QBuffer b;
        QVERIFY(sem.impressoras().isEmpty() && !sem.papel(u("Sala-3")).isValid() && !sem.gravarSvg(&b, {9, 9}, {}, [](QPainter&) {}));
        QVERIFY(!sem.imprimir(u("Sala-3"), {}, QPageLayout(), [](QPagedPaintDevice&) { return true; }));

        // On the line: right by the text's width; a line ended: the left edge, one text height (~1.15 x 12 pt) lower.
        Printer p;
        p.setFontSize(12);
        p.setCurrentX(2000);
        p.setCurrentY(500);
        const int altura = p.TextHeight();
        p.Print(u("ab"), true);
        p.Print(u("cd"));
        QVERIFY(altura > 240 && altura < 340);
        QCOMPARE(QList<int>({p.CurrentX(), p.CurrentY(), p.itens()[1].x, p.itens()[1].y}),
                 QList<int>({0, 500 + altura, 2000 + p.TextWidth(u("ab")), 500}));
    }
    void impressoraPdfEmbutida()
    {
        TestDb db;
        semear(db, 6);
        Printers::reiniciar();
        QTemporaryDir pasta;
        const QString arquivo = pasta.filePath(u("relatorio.pdf"));
        Respostas sink;
        sink.arquivo = arquivo;
        imprimirPelaJanela(db.estado(), Printers::nomePdf().toLower());
        // Asked once, over the result window, and told where the file is.
        QVERIFY(sink.janelas == QStringList{u("frmResultado")} && sink.count() == 1);
        QCOMPARE(QStringList({sink.ultima().titulo, sink.ultima().texto}),
                 QStringList({u("Relatório em PDF"), u("O relatório foi salvo em:\n") + arquivo}));
        QCOMPARE(Printers::nomeProposto(u("Prensa 4: refugo/turno C"), QDate(2026, 3, 9)),
                 u("Prensa 4- refugo-turno C 2026-03-09.pdf"));
        // The chosen printer stays current: the next opening shows it.
        frmResultado depois(db.estado(), u("s"));
        QCOMPARE(filho<QComboBox>(&depois, "Combo1")->currentText(), Printers::nomePdf());

        // Cancelling the file dialog prints nothing and says nothing; the first file is there.
        sink.arquivo.clear();
        imprimirPelaJanela(db.estado(), Printers::nomePdf());
        QVERIFY(sink.count() == 1 && QDir(pasta.path()).entryList({u("*.pdf")}, QDir::Files) == QStringList{u("relatorio.pdf")});

        conferir(saidaDe(u("pdftotext"), {u("-layout"), u("-enc"), u("UTF-8"), arquivo, u("-")}));
        // Shrunk into the printable area: no word past its right edge.
        const QRectF area = Printer::paginaDe({Printers::nomePdf(), Impressora::Tipo::Pdf}).paintRect(QPageLayout::Point);
        double direita = 0;
        for (const auto& m : QRegularExpression(u("xMax=\"([0-9.]+)\"")).globalMatch(saidaDe(u("pdftotext"), {u("-bbox"), arquivo, u("-")})))
            direita = qMax(direita, m.captured(1).toDouble());
        QVERIFY2(direita > area.center().x() && direita <= area.right() + 4, qPrintable(QString::number(direita)));
    }

    void relatorioCompletoLido()
    {
        // Here in Portuguese where the region measures in metres; a copy of this program writes it in Spanish where
        // inches rule.
        QTemporaryDir pasta;
        const QString a4 = pasta.filePath(u("a4.pdf")), carta = pasta.filePath(u("carta.pdf"));
        TestDb db;
        const QStringList nomes = semearCompleto(db);
        QStringList pt = imprimirCompleto(db, a4, 3), es = imprimirCompleto(db, QString(), 2);
        // The team's part only while the case holds the team's matrix.
        Analise::Caso caso = Analise::lerCaso(db.estado().BancoDados, 1);
        const Analise::Resultado r = Analise::analisar(caso.matriz);
        QVERIFY(RelatorioCompleto::reunir(caso, r, QDate(), &db.estado().equipes[1]).equipe);
        caso.matriz.definir(3, 4, caso.matriz.valor(3, 4) == 5 ? 10 : 5);
        QVERIFY(!RelatorioCompleto::reunir(caso, r, QDate(), &db.estado().equipes[1]).equipe);
        QProcess filho;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u("LC_ALL"), u("en_US.UTF-8"));
        filho.setProcessEnvironment(env);
        filho.start(QCoreApplication::applicationFilePath(), {u("relatorio"), carta, u("2")});
        QVERIFY(filho.waitForFinished(-1) && filho.exitCode() == 0);

        const QString par = nomes[0] + u(" × ") + nomes[24];
        const struct { QString arquivo, papel, titulo, ranking, mapa; QStringList vereditos; } pdfs[] = {
            {a4, u("(A4)"), u("Relatório completo"), u("Classificação dos fatores"), u("Mapa de influência"),
             pt << u("Cada ponto leva o número do fator (Nº da classificação).")
                << u("Julgamento em equipe Membros: Ana Lima, Bruno W de Kendall = 0.500; qui-quadrado = 24.000 com 24 graus de liberdade; p = 0.462")
                << par + u(": equipe 1, dispersão 4 Ana Lima 10; Bruno 0.1")},
            {carta, u("(letter)"), u("Informe completo"), u("Clasificación de los factores"), u("Mapa de influencia"),
             es << u("Cada punto lleva el número del factor (N.º de la clasificación).")
                << u("Juicio en equipo Miembros: Ana Lima, Bruno W de Kendall = 0.500; chi cuadrado = 24.000 con 24 grados de libertad; p = 0.462")
                << par + u(": equipo 1, dispersión 4 Ana Lima 10; Bruno 0.1")}};
        for (const auto& pdf : pdfs) {
            const QString info = saidaDe(u("pdfinfo"), {pdf.arquivo});
            const int paginas = QRegularExpression(u("Pages: +(\\d+)")).match(info).captured(1).toInt();
            QVERIFY2(paginas >= 3 && info.contains(pdf.papel), qPrintable(info));
            const QString texto = saidaDe(u("pdftotext"), {u("-enc"), u("UTF-8"), pdf.arquivo, u("-")}).simplified();
            // Every page numbered and with the one-page report's footer.
            for (int p = 1; p <= paginas; ++p)
                QVERIFY2(texto.contains(QRegularExpression(QStringLiteral("\\b%1 ?/ ?%2\\b").arg(p).arg(paginas))), qPrintable(texto));
            QCOMPARE(texto.count(u("Software KV (www.kv-orvalis.example) - ")), paginas);
            for (const QString& parte : QStringList{pdf.titulo + u(" Case: Prensa 4"), u("Reduzir o refugo das peças"), pdf.ranking, pdf.mapa} + pdf.vereditos)
                QVERIFY2(texto.contains(parte), qPrintable(parte + u("\n") + texto));
            // The ranking holds every name whole, in the result screen's order.
            const QString ranking = texto.section(pdf.ranking, 1).section(pdf.mapa, 0, 0);
            qsizetype onde = 0;
            for (const Analise::Fator& f : r.ranking())
                QVERIFY2((onde = ranking.indexOf(f.nome.toString(), onde)) >= 0, qPrintable(f.nome.toString() + u("\n") + ranking));
            // The logo is the one picture: the map is drawn.
            QCOMPARE(saidaDe(u("pdfimages"), {u("-list"), pdf.arquivo}).trimmed().count(QLatin1Char('\n')), 2);
        }
    }

    void filaCupsPdf()
    {
        if (!saidaDe(u("lpstat"), {u("-r")}).contains(u("is running")))
            QSKIP("the CUPS scheduler is not running: start it with scripts/services.sh");
        const QRegularExpressionMatch m = QRegularExpression(u("device for (\\S+): cups-pdf:/")).match(saidaDe(u("lpstat"), {u("-v")}));
        if (!m.hasMatch())
            QSKIP("CUPS has no cups-pdf queue: scripts/services.sh adds one");
        const QString fila = m.captured(1), saida = diretorioCupsPdf();

        TestDb db;
        semear(db, 9);
        Printers::reiniciar();
        QVERIFY2(Printers::lista().contains(Impressora{fila, Impressora::Tipo::Cups}),
                 qPrintable(u("the queue is missing from the printer list: ") + fila));
        const QDateTime inicio = QDateTime::currentDateTime().addSecs(-1);
        Respostas sink;
        imprimirPelaJanela(db.estado(), fila.toLower()); // typed in other letter case: still found
        QVERIFY(sink.count() == 0 && sink.pedidos.isEmpty() && Printers::atual().DeviceName == fila);

        // cups-pdf has written its file once the job has left the queue.
        for (int volta = 0; volta < 480 && !saidaDe(u("lpstat"), {u("-o"), fila}).isEmpty(); ++volta)
            QThread::msleep(250);
        const QFileInfoList novos = QDir(saida).entryInfoList({u("*.pdf")}, QDir::Files, QDir::Time);
        const QString achado = novos.isEmpty() || novos[0].lastModified() < inicio ? QString() : novos[0].absoluteFilePath();
        QVERIFY2(!achado.isEmpty(), qPrintable(u("no PDF from cups-pdf appeared in ") + saida));
        // One page on the queue's own paper.
        const QString dados = saidaDe(u("pdfinfo"), {achado});
        for (const QString& campo : {u("Pages: 1"), u("KV Resultado Emach")})
            QVERIFY2(dados.simplified().contains(campo), qPrintable(dados));
        const QSizeF papel = Printer::paginaDe({fila, Impressora::Tipo::Cups}).fullRect(QPageLayout::Point).size();
        const QRegularExpressionMatch tamanho = QRegularExpression(u("Page size: +([0-9.]+) x ([0-9.]+)")).match(dados);
        QVERIFY2(qAbs(tamanho.captured(1).toDouble() - papel.width()) < 1 && qAbs(tamanho.captured(2).toDouble() - papel.height()) < 1,
                 qPrintable(dados));

        const QString texto = saidaDe(u("pdftotext"), {u("-layout"), u("-enc"), u("UTF-8"), achado, u("-")});
        if (texto.contains(u("Resultado Emach")))
            conferir(texto);
        else // Ghostscript turned the fonts into glyphs without Unicode
            qInfo("cups-pdf gave glyphs without text; comparing the page with the reference only");
        // Line for line as on the built-in printer: logo and title, case, goal label, goal, headers, 6 rows, footer.
        QTemporaryDir pasta;
        const QString referencia = pasta.filePath(u("referencia.pdf"));
        sink.arquivo = referencia;
        imprimirPelaJanela(db.estado(), Printers::nomePdf());
        const QList<QPair<int, int>> esperadas = faixas(referencia, pasta.filePath(u("ref")));
        const QList<QPair<int, int>> obtidas = faixas(achado, pasta.filePath(u("cups")));
        QCOMPARE(QList<qsizetype>({esperadas.size(), obtidas.size()}), QList<qsizetype>({12, 12}));
        if (Printer::paginaDe({Printers::nomePdf(), Impressora::Tipo::Pdf}).pageSize() != QPageSize(papel, QPageSize::Point))
            QSKIP("the queue's paper differs from the PDF printer's: the lines stand elsewhere");
        for (int i = 0; i < esperadas.size(); ++i)
            QVERIFY2(qAbs(obtidas[i].first - esperadas[i].first) <= 3 && qAbs(obtidas[i].second - esperadas[i].second) <= 3,
                     qPrintable(QString::number(i)));
        QFile::remove(achado);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Fontes::instalarSubstituicoes();
    // The copy that writes the full report ("relatorio", the file, the language).
    if (argc == 4 && QByteArray(argv[1]) == "relatorio") {
        TestDb db;
        semearCompleto(db);
        imprimirCompleto(db, QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
        return 0;
    }
    TestImpressao t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_impressao.moc"
