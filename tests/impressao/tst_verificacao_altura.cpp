// The check before every page: a column header band that leaves less than 3 units of the
// paper's height asks the operator whether to shrink it.
#include "../apoio/ModalAnswer.h"
#include "impressao/CaixaAutoajuste.h"
#include "impressao/ModeloNoRelatorio.h"
#include "impressao/ObjetosRelatorio.h"
#include "impressao/TabelaEtiquetas.h"
#include "impressao/VerificacaoAltura.h"
#include "modelos/fluxo/Construtor.h"
#include "plataforma/Exception.h"
#include "plataforma/relatorio/PdfOutput.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace plataforma::relatorio;
using impressao::RespostaAutoajuste;

namespace {

constexpr int PapelA4 = 297000;
constexpr int MilesimosPorPolegada = 25400;

// A4 with a column header band of the given height, both in thousandths of a millimetre.
fluxo::Objeto layout(int cabecalho, const QString& unidade = u"utMillimeters"_s) {
    fluxo::Relatorio r;
    r.unidade = unidade;
    r.pipeline = u"Selecionados"_s;
    r.aoPedirPagina = u"ppReport1PageRequest"_s;
    r.larguraDaColuna = 100000;
    r.pagina = {.papel = u"A4"_s, .codigoDoPapel = 9, .largura = 210000, .altura = PapelA4};
    r.bandas = {{.tipo = fluxo::TipoDeBanda::CabecalhoDeColuna, .altura = cabecalho},
                {.tipo = fluxo::TipoDeBanda::Detalhe, .altura = 10000}};
    return fluxo::montar(r);
}

// Answers every question the same way and counts them.
struct Operador {
    RespostaAutoajuste resposta = RespostaAutoajuste::Sim;
    int perguntas = 0;

    impressao::PerguntaAutoajuste pergunta() {
        return [this] {
            ++perguntas;
            return resposta;
        };
    }
};

int alturaDoCabecalho(Report& relatorio) {
    return relatorio.band(BandKind::ColumnHeader)->mmHeight();
}

} // namespace

class TesteVerificacaoAltura : public QObject {
    Q_OBJECT

private slots:
    void perguntaSoQuandoFaltaFolga_data() {
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("cabecalho");
        QTest::addColumn<bool>("pergunta");
        QTest::newRow("sem altura") << u"utMillimeters"_s << 0 << false;
        QTest::newRow("folga de 3 mm exatos") << u"utMillimeters"_s << PapelA4 - 3000 << false;
        QTest::newRow("folga menor que 3 mm") << u"utMillimeters"_s << PapelA4 - 2999 << true;
        QTest::newRow("mais alta que o papel") << u"utMillimeters"_s << 400000 << true;
        QTest::newRow("folga de 3 polegadas exatas")
            << u"utInches"_s << PapelA4 - 3 * MilesimosPorPolegada << false;
        QTest::newRow("folga menor que 3 polegadas")
            << u"utInches"_s << PapelA4 - 3 * MilesimosPorPolegada + 10 << true;
        // 3 mm is far less than 3 inches.
        QTest::newRow("3 mm em polegadas") << u"utInches"_s << PapelA4 - 3000 << true;
    }
    void perguntaSoQuandoFaltaFolga() {
        QFETCH(QString, unidade);
        QFETCH(int, cabecalho);
        QFETCH(bool, pergunta);
        Report relatorio;
        relatorio.setLayout(layout(cabecalho, unidade));
        Operador operador;
        impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        QCOMPARE(operador.perguntas, pergunta ? 1 : 0);
    }

    void semCabecalhoDeColunaNuncaPergunta() {
        Report relatorio;
        impressao::CarregarModeloEmbutido(relatorio, 1);
        QVERIFY(!relatorio.band(BandKind::ColumnHeader));
        relatorio.band(BandKind::Detail)->setMmHeight(400000);
        Operador operador;
        impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        QCOMPARE(operador.perguntas, 0);
    }

    void oRelatorioInicialPassa() {
        impressao::ObjetosRelatorio objetos;
        Operador operador;
        impressao::VerificarAlturaDoCabecalho(objetos.ppReport1(), operador.pergunta());
        QCOMPARE(operador.perguntas, 0);
    }

    void simDeixaTresUnidadesDeFolga_data() {
        QTest::addColumn<QString>("unidade");
        QTest::addColumn<int>("esperada");
        QTest::newRow("milimetros") << u"utMillimeters"_s << PapelA4 - 3000;
        QTest::newRow("polegadas") << u"utInches"_s << PapelA4 - 3 * MilesimosPorPolegada;
    }
    void simDeixaTresUnidadesDeFolga() {
        QFETCH(QString, unidade);
        QFETCH(int, esperada);
        Report relatorio;
        relatorio.setLayout(layout(350000, unidade));
        Operador operador;
        impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        QCOMPARE(alturaDoCabecalho(relatorio), esperada);
        // The next page passes without a question.
        impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        QCOMPARE(operador.perguntas, 1);
    }

    void naoAbandonaSemMudarNada() {
        Report relatorio;
        relatorio.setLayout(layout(PapelA4));
        const QByteArray antes = relatorio.toStream();
        Operador operador{RespostaAutoajuste::Nao};
        QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, impressao::VerificarAlturaDoCabecalho(
                                                              relatorio, operador.pergunta()));
        QCOMPARE(relatorio.toStream(), antes);
        QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, impressao::VerificarAlturaDoCabecalho(
                                                              relatorio, operador.pergunta()));
        QCOMPARE(operador.perguntas, 2);
    }

    void outraRespostaNaoMudaNada() {
        Report relatorio;
        relatorio.setLayout(layout(PapelA4));
        const QByteArray antes = relatorio.toStream();
        Operador operador{RespostaAutoajuste::Outra};
        impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        QCOMPARE(relatorio.toStream(), antes);
    }

    // Through the engine: the window's objects, the handler published under its name, a PDF.
    void antesDeCadaPaginaDoRelatorio_data() {
        QTest::addColumn<RespostaAutoajuste>("resposta");
        QTest::addColumn<bool>("gravado");
        QTest::newRow("sim") << RespostaAutoajuste::Sim << true;
        QTest::newRow("nao") << RespostaAutoajuste::Nao << false;
    }
    void antesDeCadaPaginaDoRelatorio() {
        QFETCH(RespostaAutoajuste, resposta);
        QFETCH(bool, gravado);
        impressao::ObjetosRelatorio objetos;
        Operador operador{resposta};
        int pedidos = 0;
        objetos.publicar(u"ppReport1PageRequest"_s, [&](Report& relatorio) {
            ++pedidos;
            impressao::VerificarAlturaDoCabecalho(relatorio, operador.pergunta());
        });
        objetos.ppReport1().setLayout(layout(PapelA4));
        plataforma::MemTable& etiquetas = objetos.MemTable3();
        etiquetas.open();
        for (int i = 0; i < 3; ++i) {
            etiquetas.append();
            etiquetas.setString(lista::CDESCRICAO, u"ETIQUETA"_s);
            etiquetas.post();
        }
        const QTemporaryDir pasta;
        const QString pdf = pasta.filePath(u"etiquetas.pdf"_s);
        if (gravado) {
            const RunSummary resumo = writePdf(objetos.ppReport1(), pdf);
            QCOMPARE(pedidos, resumo.pages);
            QCOMPARE(alturaDoCabecalho(objetos.ppReport1()), PapelA4 - 3000);
        } else {
            QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, writePdf(objetos.ppReport1(), pdf));
            QCOMPARE(pedidos, 1);
            QCOMPARE(alturaDoCabecalho(objetos.ppReport1()), PapelA4);
        }
        QCOMPARE(QFile::exists(pdf), gravado);
        QCOMPARE(operador.perguntas, 1);
    }

    void caixaAlerta_data() {
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<RespostaAutoajuste>("resposta");
        QTest::newRow("Enter responde Sim") << Qt::Key_Return << RespostaAutoajuste::Sim;
        QTest::newRow("Esc responde Nao") << Qt::Key_Escape << RespostaAutoajuste::Nao;
    }
    void caixaAlerta() {
        QFETCH(Qt::Key, tecla);
        QFETCH(RespostaAutoajuste, resposta);
        QWidget janela;
        janela.show();
        QString titulo;
        QString texto;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QMessageBox::StandardButtons botoes;
        QMessageBox::StandardButton padrao = QMessageBox::NoButton;
        QWidget* dono = nullptr;
        const ModalAnswer resposta_(
            [&](QWidget* modal) {
                auto* caixa = qobject_cast<QMessageBox*>(modal);
                QVERIFY(caixa);
                titulo = caixa->windowTitle();
                texto = caixa->text();
                icone = caixa->icon();
                botoes = caixa->standardButtons();
                padrao = caixa->standardButton(caixa->defaultButton());
                dono = caixa->parentWidget();
            },
            tecla);
        QCOMPARE(impressao::PerguntarAutoajuste(&janela), resposta);
        QCOMPARE(titulo, u"Alerta"_s);
        QCOMPARE(texto, u"Falha na impressão.\r\n\r\nO tamanho do conteúdo a ser impresso excede "
                        u"a altura da página. Favor verifique o posicionamento dos componentes "
                        u"ou aplique o ajuste automático.\r\n\r\nDeseja aplicar o autoajuste?"_s);
        QCOMPARE(icone, QMessageBox::Warning);
        QCOMPARE(botoes, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(padrao, QMessageBox::Yes);
        QCOMPARE(dono, &janela);
    }
};

QTEST_MAIN(TesteVerificacaoAltura)
#include "tst_verificacao_altura.moc"
