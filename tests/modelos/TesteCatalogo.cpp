// The template catalogue as the operator uses it: the lists it shows, saving a
// template through the save dialog, the replace question, export errors, the
// painting of its rows and closing it with Esc.
#include "modelos/ModelosHex.h"
#include "modelos/TFConfigImpressaoModelo.h"
#include "plataforma/Application.h"
#include "plataforma/DataGrid.h"
#include "plataforma/ErrorBox.h"
#include "plataforma/GridModel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using modelos::TFConfigImpressaoModelo;
using plataforma::DataGrid;

namespace {

using Cenario = std::function<void(TFConfigImpressaoModelo&)>;

// Opens the catalogue the way the print hub does and runs the scenario once it
// is up. Whatever the scenario leaves open is closed, so that a failed check
// cannot leave the test waiting on a modal window.
int abrirCom(const Cenario& cenario) {
    QTimer::singleShot(0, [&] {
        auto* catalogo = qobject_cast<TFConfigImpressaoModelo*>(QApplication::activeModalWidget());
        QVERIFY(catalogo);
        QVERIFY(QTest::qWaitForWindowExposed(catalogo));
        // What the showing window posted, the lists' rows reaching the grids
        // among it, comes after this call.
        QCoreApplication::sendPostedEvents();
        cenario(*catalogo);
        if (catalogo->isVisible()) {
            catalogo->reject();
        }
    });
    return TFConfigImpressaoModelo::AbrirModelos();
}

// Acts on the next modal window that opens over another one, once it is up.
class AoAbrir {
public:
    AoAbrir(QWidget* sobre, std::function<void(QWidget*)> agir)
        : m_sobre(sobre), m_agir(std::move(agir)) {
        QObject::connect(&m_relogio, &QTimer::timeout, [this] { tentar(); });
        m_relogio.start(10);
    }

    int vezes() const { return m_vezes; }

private:
    void tentar() {
        QWidget* janela = QApplication::activeModalWidget();
        if (!janela || janela == m_sobre) {
            return;
        }
        m_relogio.stop();
        ++m_vezes;
        m_agir(janela);
    }

    QWidget* m_sobre;
    std::function<void(QWidget*)> m_agir;
    QTimer m_relogio;
    int m_vezes = 0;
};

void teclarEnter(QWidget* janela) {
    QTest::keyClick(janela->focusWidget() ? janela->focusWidget() : janela, Qt::Key_Return);
}

DataGrid* grade(TFConfigImpressaoModelo& catalogo, const QString& nome) {
    return catalogo.findChild<DataGrid*>(nome);
}

int colunaDoCampo(const DataGrid& g, const QString& campo) {
    const int indice = g.table()->fieldIndex(campo);
    for (int coluna = 0; coluna < g.model()->columnCount(); ++coluna) {
        if (g.gridModel()->fieldOf(coluna) == indice) {
            return coluna;
        }
    }
    return -1;
}

QRect celula(const DataGrid& g, int linha, const QString& campo) {
    return g.visualRect(g.model()->index(linha, colunaDoCampo(g, campo)));
}

void clicar(DataGrid& g, int linha, const QString& campo) {
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, celula(g, linha, campo).center());
}

struct Linha {
    int id;
    QString modelo;
};

QList<Linha> linhas(const DataGrid& g) {
    const plataforma::MemTable& lista = *g.table();
    QList<Linha> resultado;
    for (int i = 0; i < lista.rowCount(); ++i) {
        resultado.append({lista.displayText(i, lista.fieldIndex(u"id")).toInt(),
                          lista.displayText(i, lista.fieldIndex(u"modelo"))});
    }
    return resultado;
}

QByteArray fluxoDoModelo(int id) {
    QString texto;
    modelos::ModeloHexTermico(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4(static_cast<quint8>(id), texto);
    modelos::ModeloHexA4Extra(static_cast<quint8>(id), texto);
    return QByteArray::fromHex(texto.toLatin1());
}

QByteArray conteudo(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Stands in for the save dialog: always offers the same file and notes what
// the catalogue suggested.
struct EscolhaFixa {
    QString arquivo;
    QStringList sugeridos;

    TFConfigImpressaoModelo::EscolhaDeArquivo funcao() {
        return [this](const QString& sugerido) {
            sugeridos.append(sugerido);
            return std::optional<QString>(arquivo);
        };
    }
};

const QList<Linha> Zebra = {{1, "1 Coluna"}, {2, "2 Coluna"}, {3, "3 Coluna"}};
const QList<Linha> Argox = {{4, "1 Coluna"}, {5, "2 Coluna"}, {6, "3 Coluna"}};
const QList<Linha> Comum = {
    {7, "A4 2 Colunas 11cm x 3cm"},
    {8, "A4 2 Colunas promoção"},
    {9, "3 Colunas x 8 Linhas (Padrão Gondola)"},
    {10, "3 Colunas X 10 Linhas"},
    {11, "4 Colunas x 18 linhas (com barras)"},
    {12, "4 Colunas"},
    {13, "4 Colunas X 10 Linhas"},
    {14, "5 Colunas X 18 Linhas (com barras )"},
    {15, "5 Colunas x 18 Linhas"},
    {16, "5 Colunas x 13 Linhas (Nova)"},
    {17, "5 Colunas x 13 barras"},
    {18, "6 Colunas"},
    {19, "6 Colunas x 16 Linhas (lote e barras)"},
    {20, "7 Colunas x 18 Linhas"},
    {21, "7 Colunas x 18 Linhas sem preço)"},
};

bool operator==(const Linha& a, const Linha& b) {
    return a.id == b.id && a.modelo == b.modelo;
}

} // namespace

namespace QTest {
template <> char* toString(const Linha& linha) {
    return qstrdup(QStringLiteral("%1 %2").arg(linha.id).arg(linha.modelo).toUtf8().constData());
}
} // namespace QTest

class TesteCatalogo : public QObject {
    Q_OBJECT

private slots:
    void init();
    void listasEmCadaAbertura();
    void salvarPeloDialogoDeArquivo();
    void cancelarNaoGrava();
    void salvarDeCadaLista_data();
    void salvarDeCadaLista();
    void arquivoExistente_data();
    void arquivoExistente();
    void cliqueForaDeSalvarNaoGrava_data();
    void cliqueForaDeSalvarNaoGrava();
    void erroAoExportarNaoFechaOCatalogo();
    void linhasAlternadas_data();
    void linhasAlternadas();
    void escFecha_data();
    void escFecha();
    void centradoNaJanelaAtiva();
    void aparencia();

private:
    std::unique_ptr<QTemporaryDir> m_pasta;
};

void TesteCatalogo::init() {
    m_pasta = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pasta->isValid());
}

void TesteCatalogo::listasEmCadaAbertura() {
    for (int abertura = 1; abertura <= 2; ++abertura) {
        abrirCom([](TFConfigImpressaoModelo& catalogo) {
            QCOMPARE(linhas(*grade(catalogo, "GridZebra")), Zebra);
            QCOMPARE(linhas(*grade(catalogo, "GridArgox")), Argox);
            QCOMPARE(linhas(*grade(catalogo, "DBGrid1")), Comum);
            for (const char* nome : {"GridZebra", "GridArgox", "DBGrid1"}) {
                const DataGrid& g = *grade(catalogo, nome);
                QCOMPARE(g.model()->rowCount(), g.table()->rowCount());
                for (int i = 0; i < g.table()->rowCount(); ++i) {
                    QCOMPARE(g.table()->displayText(i, g.table()->fieldIndex(u"salvar")), "Salvar");
                }
            }
        });
    }
}

void TesteCatalogo::salvarPeloDialogoDeArquivo() {
    const QString esperado = m_pasta->filePath("A4 2 Colunas 11cm x 3cm.rtm");
    QString oferecido, filtro, titulo;
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        AoAbrir dialogo(&catalogo, [&](QWidget* janela) {
            auto* salvar = qobject_cast<QFileDialog*>(janela);
            QVERIFY(salvar);
            auto* nome = salvar->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(nome);
            oferecido = nome->text();
            filtro = salvar->findChild<QComboBox*>("fileTypeCombo")->currentText();
            titulo = salvar->windowTitle();
            salvar->setDirectory(m_pasta->path());
            QTest::keyClick(nome, Qt::Key_Return);
        });
        clicar(*grade(catalogo, "DBGrid1"), 0, "salvar");
        QCOMPARE(dialogo.vezes(), 1);
        QVERIFY(catalogo.isVisible());
    });
    QCOMPARE(oferecido, "A4 2 Colunas 11cm x 3cm");
    QCOMPARE(filtro, "Etiqueta (.rtm)");
    QCOMPARE(titulo, "Salvar como");
    QCOMPARE(conteudo(esperado), fluxoDoModelo(7));
    QCOMPARE(QDir(m_pasta->path()).entryList(QDir::Files),
             QStringList{"A4 2 Colunas 11cm x 3cm.rtm"});
}

void TesteCatalogo::cancelarNaoGrava() {
    const QString antes = QDir::currentPath();
    QDir::setCurrent(m_pasta->path());
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        AoAbrir dialogo(&catalogo, [](QWidget* janela) {
            QTest::keyClick(janela->focusWidget() ? janela->focusWidget() : janela, Qt::Key_Escape);
        });
        clicar(*grade(catalogo, "GridZebra"), 0, "salvar");
        QCOMPARE(dialogo.vezes(), 1);
        // Esc in the save dialog is the save dialog's, not the catalogue's.
        QVERIFY(catalogo.isVisible());
    });
    QDir::setCurrent(antes);
    QVERIFY(QDir(m_pasta->path()).isEmpty());
}

void TesteCatalogo::salvarDeCadaLista_data() {
    QTest::addColumn<QString>("nomeDaGrade");
    QTest::addColumn<int>("linha");
    QTest::addColumn<QString>("sugerido");
    QTest::addColumn<int>("id");
    QTest::newRow("zebra-primeira") << "GridZebra" << 0 << "Zebra 1 Coluna" << 1;
    QTest::newRow("zebra-segunda") << "GridZebra" << 1 << "Zebra 2 Coluna" << 2;
    QTest::newRow("argox-terceira") << "GridArgox" << 2 << "Argox 3 Coluna" << 6;
    QTest::newRow("a4-oitava") << "DBGrid1" << 7 << "5 Colunas X 18 Linhas (com barras )" << 14;
    QTest::newRow("a4-ultima") << "DBGrid1" << 14 << "7 Colunas x 18 Linhas sem preço)" << 21;
}

void TesteCatalogo::salvarDeCadaLista() {
    QFETCH(QString, nomeDaGrade);
    QFETCH(int, linha);
    QFETCH(QString, sugerido);
    QFETCH(int, id);
    EscolhaFixa escolha{m_pasta->filePath("modelo.rtm"), {}};
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        catalogo.definirEscolhaDeArquivo(escolha.funcao());
        clicar(*grade(catalogo, nomeDaGrade), linha, "salvar");
    });
    QCOMPARE(escolha.sugeridos, QStringList{sugerido});
    QCOMPARE(conteudo(escolha.arquivo), fluxoDoModelo(id));
}

void TesteCatalogo::arquivoExistente_data() {
    QTest::addColumn<QMessageBox::StandardButton>("resposta");
    QTest::newRow("enter-substitui") << QMessageBox::Yes;
    QTest::newRow("nao-preserva") << QMessageBox::No;
}

void TesteCatalogo::arquivoExistente() {
    QFETCH(QMessageBox::StandardButton, resposta);
    EscolhaFixa escolha{m_pasta->filePath("existente.rtm"), {}};
    const QByteArray antes = QByteArray(20000, 'x');
    {
        QFile f(escolha.arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(antes), antes.size());
    }
    QString titulo, texto;
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        catalogo.definirEscolhaDeArquivo(escolha.funcao());
        AoAbrir pergunta(&catalogo, [&](QWidget* janela) {
            auto* caixa = qobject_cast<QMessageBox*>(janela);
            QVERIFY(caixa);
            titulo = caixa->windowTitle();
            texto = caixa->text();
            if (resposta == QMessageBox::Yes) {
                teclarEnter(caixa);
            } else {
                caixa->button(QMessageBox::No)->click();
            }
        });
        clicar(*grade(catalogo, "GridArgox"), 0, "salvar");
        QCOMPARE(pergunta.vezes(), 1);
    });
    QCOMPARE(titulo, "Confirmação...");
    QCOMPARE(texto, "O arquivo já existe, deseja substituir?");
    QCOMPARE(conteudo(escolha.arquivo), resposta == QMessageBox::Yes ? fluxoDoModelo(4) : antes);
}

void TesteCatalogo::cliqueForaDeSalvarNaoGrava_data() {
    QTest::addColumn<QString>("nomeDaGrade");
    QTest::newRow("zebra") << "GridZebra";
    QTest::newRow("argox") << "GridArgox";
    QTest::newRow("a4") << "DBGrid1";
}

void TesteCatalogo::cliqueForaDeSalvarNaoGrava() {
    QFETCH(QString, nomeDaGrade);
    EscolhaFixa escolha{m_pasta->filePath("nada.rtm"), {}};
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        catalogo.definirEscolhaDeArquivo(escolha.funcao());
        DataGrid& g = *grade(catalogo, nomeDaGrade);
        clicar(g, 1, "modelo");
        // The click did reach the list: it moved the current row.
        QCOMPARE(g.table()->currentRow(), 1);
    });
    QVERIFY(escolha.sugeridos.isEmpty());
    QVERIFY(QDir(m_pasta->path()).isEmpty());
}

void TesteCatalogo::erroAoExportarNaoFechaOCatalogo() {
    EscolhaFixa escolha{m_pasta->filePath("nao-existe/modelo.rtm"), {}};
    QString titulo, texto;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        catalogo.definirEscolhaDeArquivo(escolha.funcao());
        AoAbrir erro(&catalogo, [&](QWidget* janela) {
            auto* caixa = qobject_cast<QMessageBox*>(janela);
            QVERIFY(caixa);
            titulo = caixa->windowTitle();
            texto = caixa->text();
            icone = caixa->icon();
            teclarEnter(caixa);
        });
        clicar(*grade(catalogo, "GridZebra"), 2, "salvar");
        QCOMPARE(erro.vezes(), 1);
        QVERIFY(catalogo.isVisible());
        QCOMPARE(linhas(*grade(catalogo, "GridZebra")), Zebra);
        QCOMPARE(linhas(*grade(catalogo, "GridArgox")), Argox);
        QCOMPARE(linhas(*grade(catalogo, "DBGrid1")), Comum);
    });
    QCOMPARE(titulo, plataforma::applicationTitle());
    QCOMPARE(titulo, "teste_catalogo");
    QCOMPARE(icone, QMessageBox::Critical);
    QVERIFY2(texto.contains(escolha.arquivo), qPrintable(texto));
    QVERIFY(!QFile::exists(escolha.arquivo));
}

void TesteCatalogo::linhasAlternadas_data() {
    QTest::addColumn<QString>("nomeDaGrade");
    QTest::addColumn<int>("selecionada");
    QTest::newRow("zebra-primeira-selecionada") << "GridZebra" << 0;
    QTest::newRow("zebra-segunda-selecionada") << "GridZebra" << 1;
    QTest::newRow("argox-segunda-selecionada") << "GridArgox" << 1;
    QTest::newRow("a4-primeira-selecionada") << "DBGrid1" << 0;
    QTest::newRow("a4-segunda-selecionada") << "DBGrid1" << 1;
}

void TesteCatalogo::linhasAlternadas() {
    QFETCH(QString, nomeDaGrade);
    QFETCH(int, selecionada);
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        DataGrid& g = *grade(catalogo, nomeDaGrade);
        g.setFocus();
        g.setCurrentIndex(g.model()->index(selecionada, colunaDoCampo(g, "salvar")));
        QVERIFY(g.selectionModel()->isSelected(g.currentIndex()));
        const QImage imagem = g.viewport()->grab().toImage();
        // Sampled at the right end of the "Salvar" cells, clear of their text.
        for (int linha = 0; linha < 3; ++linha) {
            const QRect c = celula(g, linha, "salvar");
            const QColor fundo = linha % 2 == 0 ? QColor(Qt::white) : QColor(0xEE, 0xEE, 0xEE);
            QCOMPARE(imagem.pixelColor(c.right() - 2, c.center().y()), fundo);
        }
        // The text is dark and starts 2 pixels into the cell.
        const QRect nome = celula(g, 0, "modelo");
        auto escuro = [&](int x) {
            for (int y = nome.top(); y <= nome.bottom(); ++y) {
                if (imagem.pixelColor(x, y).lightness() < 100) {
                    return true;
                }
            }
            return false;
        };
        QVERIFY(!escuro(nome.left()) && !escuro(nome.left() + 1));
        QVERIFY(escuro(nome.left() + 2) || escuro(nome.left() + 3) || escuro(nome.left() + 4));
    });
}

void TesteCatalogo::escFecha_data() {
    QTest::addColumn<QString>("controle");
    QTest::newRow("grade-zebra") << "GridZebra";
    QTest::newRow("grade-argox") << "GridArgox";
    QTest::newRow("grade-a4") << "DBGrid1";
    QTest::newRow("botao-fechar") << "btnFechar";
}

void TesteCatalogo::escFecha() {
    QFETCH(QString, controle);
    QPointer<TFConfigImpressaoModelo> aberto;
    bool fechou = false;
    const int resultado = abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        aberto = &catalogo;
        auto* alvo = catalogo.findChild<QWidget*>(controle);
        QVERIFY(alvo);
        alvo->setFocus();
        QTest::keyClick(alvo, Qt::Key_Escape);
        fechou = !catalogo.isVisible();
    });
    QVERIFY(fechou);
    QCOMPARE(resultado, QDialog::Rejected);
    QVERIFY(aberto.isNull());
}

void TesteCatalogo::centradoNaJanelaAtiva() {
    QWidget principal;
    principal.setGeometry(100, 80, 900, 700);
    principal.show();
    QApplication::setActiveWindow(&principal);
    QVERIFY(QTest::qWaitForWindowActive(&principal));
    QPoint centro;
    QWidget* dono = &principal;
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        centro = catalogo.geometry().center();
        dono = catalogo.parentWidget();
    });
    QCOMPARE(dono, nullptr);
    QVERIFY2((centro - principal.geometry().center()).manhattanLength() <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(centro.x()).arg(centro.y())));
}

// The picture checked here is kept when ETIQUETAS_CAPTURA names a PNG file, so
// that a person can look at the catalogue, for instance under xvfb-run:
//   ETIQUETAS_CAPTURA=/tmp/catalogo.png QT_QPA_PLATFORM=xcb xvfb-run -a teste_catalogo aparencia
void TesteCatalogo::aparencia() {
    abrirCom([&](TFConfigImpressaoModelo& catalogo) {
        QCOMPARE(catalogo.windowTitle(), "Modelos de etiquetas");
        QCOMPARE(catalogo.size(), QSize(560, 455));
        QCOMPARE(catalogo.minimumSize(), catalogo.maximumSize());
        QVERIFY(catalogo.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(catalogo.windowFlags() & Qt::WindowMinMaxButtonsHint));
        const QImage imagem = catalogo.grab().toImage();
        if (const QString destino = qEnvironmentVariable("ETIQUETAS_CAPTURA"); !destino.isEmpty()) {
            QVERIFY(imagem.save(destino));
        }

        struct Lugar {
            const char* grade;
            QRect onde;
            int larguraModelo;
        };
        for (const Lugar& l : {Lugar{"GridZebra", {16, 84, 207, 125}, 135},
                               Lugar{"GridArgox", {16, 244, 207, 125}, 135},
                               Lugar{"DBGrid1", {232, 84, 295, 326}, 220}}) {
            const DataGrid& g = *grade(catalogo, l.grade);
            QCOMPARE(QRect(g.mapTo(&catalogo, QPoint()), g.size()), l.onde);
            QCOMPARE(g.columnWidth(colunaDoCampo(g, "modelo")), l.larguraModelo);
            QCOMPARE(g.columnWidth(colunaDoCampo(g, "salvar")), 68);
            QVERIFY(g.isColumnHidden(colunaDoCampo(g, "id")));
            QVERIFY(g.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
            QVERIFY(g.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
            // The title row over the columns, and white past the last one.
            const QRect salvar = celula(g, 0, "salvar");
            QCOMPARE(imagem.pixelColor(l.onde.left() + salvar.center().x(), l.onde.top() + 4),
                     QColor(0xE0, 0xE0, 0xE0));
            QCOMPARE(imagem.pixelColor(l.onde.right() - 1, l.onde.top() + 4), Qt::white);
            // The heading panel just above the grid.
            QCOMPARE(imagem.pixelColor(l.onde.left() + 3, l.onde.top() - 3),
                     QColor(0xE6, 0xE6, 0xE6));
        }
        // White bands: the header right of the picture, and the footer.
        QCOMPARE(imagem.pixelColor(400, 10), Qt::white);
        QCOMPARE(imagem.pixelColor(20, 440), Qt::white);
        auto* fechar = catalogo.findChild<QPushButton*>("btnFechar");
        QCOMPARE(fechar->text(), "Fechar (Esc)");
        QCOMPARE(QRect(fechar->mapTo(&catalogo, QPoint()), fechar->size()),
                 QRect(448, 424, 105, 27));
    });
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TesteCatalogo teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "TesteCatalogo.moc"
