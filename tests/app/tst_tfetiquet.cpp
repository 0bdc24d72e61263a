#include "app/TFEtiquet.h"
#include "lista/CarregarLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Application.h"
#include "plataforma/DataGrid.h"
#include "plataforma/SpinEdit.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

using plataforma::MemTable;

namespace {

// Grid columns, as the operator sees them.
enum Coluna { Codigo, Barras, Descricao, Qtde };

struct Caixa {
    QString titulo;
    QString texto;
    QMessageBox::Icon icone;
};

// Answers every modal window as it comes up, the way an operator would: the
// file dialog gets the next name typed and Enter (Escape when no name is
// left), and every message box is read and closed with Enter.
class Operador {
public:
    explicit Operador(QStringList arquivos = {}) : m_arquivos(std::move(arquivos)) {
        QObject::connect(&m_relogio, &QTimer::timeout, [this] { responder(); });
        m_relogio.start(10);
    }

    int dialogos = 0;
    QList<Caixa> caixas;

private:
    void responder() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialogo = qobject_cast<QFileDialog*>(modal)) {
            ++dialogos;
            auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (m_arquivos.isEmpty()) {
                QTest::keyClick(nome, Qt::Key_Escape);
                return;
            }
            nome->setText(m_arquivos.takeFirst());
            QTest::keyClick(nome, Qt::Key_Return);
        } else if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
            caixas << Caixa{caixa->windowTitle(), caixa->text(), caixa->icon()};
            QTest::keyClick(caixa->focusWidget() ? caixa->focusWidget() : caixa, Qt::Key_Return);
        }
    }

    QStringList m_arquivos;
    QTimer m_relogio;
};

// Counts the F3 presses that reach a control after the window has seen them.
class EspiaoF3 : public QObject {
public:
    explicit EspiaoF3(QObject* controle) { controle->installEventFilter(this); }
    int vezes = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(evento)->key() == Qt::Key_F3)
            ++vezes;
        return false;
    }
};

void teclar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), tecla, modificadores);
}

void digitar(const QString& texto) {
    for (const QChar c : texto)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

} // namespace

class TesteTFEtiquet : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    std::unique_ptr<TFEtiquet> m_janela;

    template <typename Controle> Controle* controle(const char* nome) const {
        auto* achado = m_janela->findChild<Controle*>(QLatin1String(nome));
        if (!achado)
            qFatal("no control %s", nome);
        return achado;
    }
    plataforma::DataGrid* grade() const { return controle<plataforma::DataGrid>("GridSelecao"); }
    QLineEdit* caixaBusca() const { return controle<QLineEdit>("Edit1"); }
    MemTable& tabela() const { return m_janela->MemTable2; }

    QString gravar(const QString& nome, const QByteArray& conteudo) {
        const QString caminho = m_pasta.filePath(nome);
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size())
            qFatal("cannot write %s", qPrintable(caminho));
        return caminho;
    }
    QString listaDeTres() {
        return gravar(QStringLiteral("tres.csv"), "codigo;descricao\r\n"
                                                  "1;Dipirona 500mg;Lab A;0789;10;0;0;0;1;\r\n"
                                                  "2;Gaze;Lab B;789;5;0;0;0;2;\r\n"
                                                  "3;Dipirona gotas;Lab A;7891;8;0;0;0;3;\r\n");
    }
    // Loads as the button does, without its dialog; the grid catches up once
    // the events are processed, as it does before the operator's next key.
    void carregarTres() {
        lista::CarregarLista(tabela(), listaDeTres());
        tabela().first();
        QCoreApplication::processEvents();
    }
    qint32 quantidade(int linha) const {
        const auto* valor =
            std::get_if<qint32>(&tabela().value(linha, tabela().fieldIndex(lista::CQTDE)));
        return valor ? *valor : -1;
    }
    QString descricao(int linha) const {
        return tabela().displayText(linha, tabela().fieldIndex(lista::CDESCRICAO));
    }

private slots:
    void init();
    void cleanup();
    void titulo();
    void antesDaPrimeiraCarga();
    void f3Carrega_data();
    void f3Carrega();
    void ultimaLinhaLidaAVista();
    void f3ComEditorAberto();
    void botaoCarregaEGuardaONome();
    void dialogoNaoDeixaSugestoes();
    void dialogoCancelado();
    void arquivoQueNaoAbreMantemALista();
    void ctrlDeleteEngolido_data();
    void ctrlDeleteEngolido();
    void inclusaoRecusada_data();
    void inclusaoRecusada();
    void tabEntreCelulasEditaveis();
    void letraNaQuantidade();
    void quantidadeDigitada();
    void quantidadeApagada();
    void quantidadeInvalida();
    void quantidadeSubstituida_data();
    void quantidadeSubstituida();
    void quantidadeInvalidaFicaNaLinha_data();
    void quantidadeInvalidaFicaNaLinha();
    void descricaoMinuscula();
    void mensagensDeGuarda_data();
    void mensagensDeGuarda();
    void resumoDaCarga();
    void busca_data();
    void busca();
    void navegacao();
    void alterarLinear_data();
    void alterarLinear();
    void ordemDeTabulacao();
    void aceleradores();
};

void TesteTFEtiquet::init() {
    m_janela = std::make_unique<TFEtiquet>();
    m_janela->show();
    QApplication::setActiveWindow(m_janela.get());
    QVERIFY(QTest::qWaitForWindowActive(m_janela.get()));
    caixaBusca()->setFocus();
}

void TesteTFEtiquet::cleanup() {
    m_janela.reset();
}

void TesteTFEtiquet::titulo() {
    QCOMPARE(m_janela->windowTitle(),
             "Impressão de Etiquetas de Gôndola (Quorvia) - Versão: 1.0.0.1");
    QCOMPARE(m_janela->size(), QSize(811, 571));
    QCOMPARE(m_janela->minimumSize(), m_janela->maximumSize());
}

void TesteTFEtiquet::antesDaPrimeiraCarga() {
    QCOMPARE(grade()->model()->rowCount(), 0);
    QCOMPARE(grade()->model()->headerData(Descricao, Qt::Horizontal).toString(), "Descrição");
    grade()->setFocus();
    teclar(Qt::Key_Insert);
    teclar(Qt::Key_Down);
    digitar(QStringLiteral("5"));
    QVERIFY(!tabela().isOpen());
    QCOMPARE(grade()->model()->rowCount(), 0);
}

void TesteTFEtiquet::f3Carrega_data() {
    QTest::addColumn<bool>("naGrade");
    QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
    const std::pair<const char*, Qt::KeyboardModifiers> teclas[] = {
        {"F3", Qt::NoModifier},
        {"Shift+F3", Qt::ShiftModifier},
        {"Ctrl+F3", Qt::ControlModifier},
        {"Alt+F3", Qt::AltModifier},
    };
    for (const auto& [nome, modificadores] : teclas) {
        QTest::addRow("search-box-%s", nome) << false << modificadores;
        QTest::addRow("grid-cell-%s", nome) << true << modificadores;
    }
}

void TesteTFEtiquet::f3Carrega() {
    QFETCH(bool, naGrade);
    QFETCH(Qt::KeyboardModifiers, modificadores);
    if (naGrade) {
        carregarTres();
        grade()->setFocus();
        grade()->setCurrentIndex(grade()->model()->index(1, Descricao));
    }
    QWidget* foco = QApplication::focusWidget();
    QCOMPARE(foco, naGrade ? static_cast<QWidget*>(grade()) : caixaBusca());
    const QString arquivo = gravar(QStringLiteral("dois.csv"), "h\n10;Um\n20;Dois\n");

    EspiaoF3 espiao(foco);
    Operador operador({arquivo});
    QTest::keyClick(foco, Qt::Key_F3, modificadores);

    QCOMPARE(operador.dialogos, 1);
    QCOMPARE(tabela().rowCount(), 2);
    QCOMPARE(descricao(1), "DOIS");
    QCOMPARE(tabela().currentRow(), 1);
    QCOMPARE(espiao.vezes, 1);
    QVERIFY(operador.caixas.isEmpty());
}

void TesteTFEtiquet::ultimaLinhaLidaAVista() {
    QByteArray conteudo = "h\n";
    for (int codigo = 1; codigo <= 200; ++codigo)
        conteudo += QByteArray::number(codigo) + ";Produto\n";
    Operador operador({gravar(QStringLiteral("longa.csv"), conteudo)});
    teclar(Qt::Key_F3);
    QCOMPARE(tabela().currentRow(), 199);
    QTRY_COMPARE(grade()->currentIndex().row(), 199);
    QVERIFY(grade()->viewport()->rect().contains(grade()->visualRect(grade()->currentIndex())));
}

void TesteTFEtiquet::f3ComEditorAberto() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(0, Qtde));
    digitar(QStringLiteral("7"));
    QVERIFY(grade()->isAncestorOf(QApplication::focusWidget()));

    Operador operador({gravar(QStringLiteral("um.csv"), "h\n10;Um\n")});
    teclar(Qt::Key_F3);
    QCOMPARE(operador.dialogos, 1);
    QCOMPARE(tabela().rowCount(), 1);
    QCOMPARE(quantidade(0), 1);
}

void TesteTFEtiquet::botaoCarregaEGuardaONome() {
    const QString arquivo = listaDeTres();
    {
        Operador operador({arquivo});
        controle<QToolButton>("bRestaurarLista")->click();
        QCOMPARE(operador.dialogos, 1);
    }
    QCOMPARE(tabela().rowCount(), 3);

    QString oferecido;
    QTimer::singleShot(50, [&oferecido] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialogo);
        oferecido = dialogo->selectedFiles().value(0);
        dialogo->reject();
    });
    controle<QToolButton>("bRestaurarLista")->click();
    QCOMPARE(oferecido, arquivo);
}

// A name typed in the file dialog brings up its list of suggestions; once the list is loaded
// nothing of the dialog stays over the grid, and the arrow keys move the grid again.
void TesteTFEtiquet::dialogoNaoDeixaSugestoes() {
    const QString arquivo = listaDeTres();
    gravar(QStringLiteral("tres-copia.csv"), "h\n1;Um\n");
    bool sugeriu = false;
    QTimer relogio;
    QObject::connect(&relogio, &QTimer::timeout, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogo)
            return;
        relogio.stop();
        auto* nome = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        nome->clear();
        QTest::keyClicks(nome, arquivo.chopped(QStringLiteral("s.csv").size()));
        const auto listaVisivel = [nome] {
            return nome->completer() && nome->completer()->popup()->isVisible();
        };
        // The folder is read in the background; a test that never sees the list still ends the
        // dialog, and fails below.
        for (int espera = 0; espera < 200 && !listaVisivel(); ++espera)
            QTest::qWait(50);
        sugeriu = listaVisivel();
        QTest::keyClicks(nome, QStringLiteral("s.csv"));
        QTest::keyClick(nome, Qt::Key_Return);
        if (dialogo->isVisible())
            static_cast<QDialog*>(dialogo)->accept();
    });
    relogio.start(20);
    teclar(Qt::Key_F3);
    QVERIFY(sugeriu);
    QCOMPARE(tabela().rowCount(), 3);
    QTest::qWait(300);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    for (const QWidget* janela : QApplication::topLevelWidgets())
        QVERIFY2(!janela->isVisible() || janela == m_janela.get(),
                 qPrintable(janela->metaObject()->className()));
    QApplication::setActiveWindow(m_janela.get());
    grade()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), grade());
    tabela().first();
    QTRY_COMPARE(grade()->currentIndex().row(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(tabela().currentRow(), 1);
}

void TesteTFEtiquet::dialogoCancelado() {
    carregarTres();
    Operador operador;
    teclar(Qt::Key_F3);
    QCOMPARE(operador.dialogos, 1);
    QCOMPARE(tabela().rowCount(), 3);
}

void TesteTFEtiquet::arquivoQueNaoAbreMantemALista() {
    carregarTres();
    tabela().edit();
    tabela().setInteger(lista::CQTDE, 9);
    tabela().post();

    Operador operador({m_pasta.filePath(QStringLiteral("nao-existe.csv"))});
    teclar(Qt::Key_F3);
    QTRY_COMPARE(operador.caixas.size(), 1);
    QCOMPARE(operador.caixas[0].texto, "I/O error 104.");
    QCOMPARE(operador.caixas[0].titulo, "tst_tfetiquet");
    QCOMPARE(operador.caixas[0].icone, QMessageBox::Critical);
    QCOMPARE(tabela().rowCount(), 3);
    QCOMPARE(quantidade(0), 9);

    grade()->setCurrentIndex(grade()->model()->index(2, Descricao));
    QTest::keyClick(grade(), Qt::Key_Down);
    QCOMPARE(tabela().rowCount(), 3);
}

void TesteTFEtiquet::ctrlDeleteEngolido_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modificadores");
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("ctrl-shift") << (Qt::ControlModifier | Qt::ShiftModifier);
}

void TesteTFEtiquet::ctrlDeleteEngolido() {
    QFETCH(Qt::KeyboardModifiers, modificadores);
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(1, Codigo));
    Operador operador;
    teclar(Qt::Key_Delete, modificadores);
    QCOMPARE(tabela().rowCount(), 3);
    QCOMPARE(descricao(1), "GAZE");

    // Not even the search box deletes a word with it.
    caixaBusca()->setText(QStringLiteral("gaze esteril"));
    caixaBusca()->setFocus();
    caixaBusca()->setCursorPosition(0);
    teclar(Qt::Key_Delete, modificadores);
    QCOMPARE(caixaBusca()->text(), "gaze esteril");
    QTest::qWait(50);
    QVERIFY(operador.caixas.isEmpty());
}

void TesteTFEtiquet::inclusaoRecusada_data() {
    QTest::addColumn<Qt::Key>("tecla");
    QTest::newRow("insert") << Qt::Key_Insert;
    QTest::newRow("down-on-last-row") << Qt::Key_Down;
}

void TesteTFEtiquet::inclusaoRecusada() {
    QFETCH(Qt::Key, tecla);
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(2, Qtde));
    Operador operador;
    teclar(tecla);
    QTest::qWait(50);
    QCOMPARE(tabela().rowCount(), 3);
    QCOMPARE(grade()->model()->rowCount(), 3);
    QCOMPARE(tabela().currentRow(), 2);
    QVERIFY(operador.caixas.isEmpty());
}

void TesteTFEtiquet::tabEntreCelulasEditaveis() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(1, Codigo));
    const auto celula = [this] {
        return std::pair(grade()->currentIndex().row(), grade()->currentIndex().column());
    };
    teclar(Qt::Key_Tab);
    QCOMPARE(celula(), std::pair(1, int(Descricao)));
    teclar(Qt::Key_Tab);
    QCOMPARE(celula(), std::pair(1, int(Qtde)));
    teclar(Qt::Key_Tab);
    QCOMPARE(celula(), std::pair(2, int(Descricao)));
    teclar(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(celula(), std::pair(1, int(Qtde)));
    teclar(Qt::Key_Tab);
    teclar(Qt::Key_Tab);
    teclar(Qt::Key_Tab);
    QCOMPARE(celula(), std::pair(2, int(Qtde)));
    QCOMPARE(tabela().rowCount(), 3);
}

void TesteTFEtiquet::letraNaQuantidade() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(0, Qtde));
    digitar(QStringLiteral("a"));
    teclar(Qt::Key_Down);
    QCOMPARE(tabela().currentRow(), 1);
    QCOMPARE(quantidade(0), 1);
}

void TesteTFEtiquet::quantidadeDigitada() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(0, Qtde));
    digitar(QStringLiteral("12"));
    teclar(Qt::Key_Down);
    QTRY_COMPARE(quantidade(0), 12);
    QCOMPARE(tabela().currentRow(), 1);
}

void TesteTFEtiquet::quantidadeApagada() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(1, Qtde));
    Operador operador;
    teclar(Qt::Key_F2);
    teclar(Qt::Key_A, Qt::ControlModifier);
    teclar(Qt::Key_Backspace);
    teclar(Qt::Key_Down);
    QTRY_VERIFY(std::holds_alternative<std::monostate>(
        tabela().value(1, tabela().fieldIndex(lista::CQTDE))));
    QCOMPARE(grade()->model()->index(1, Qtde).data().toString(), QString());
    QVERIFY(operador.caixas.isEmpty());
}

void TesteTFEtiquet::quantidadeInvalida() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(1, Qtde));
    Operador operador;
    digitar(QStringLiteral("1-2"));
    teclar(Qt::Key_Return);
    QTRY_COMPARE(operador.caixas.size(), 1);
    // No full stop after a closing quote.
    QCOMPARE(operador.caixas[0].texto, "'1-2' is not a valid integer value for field 'CQTDE'");
    QCOMPARE(quantidade(1), 2);
}

void TesteTFEtiquet::quantidadeSubstituida_data() {
    QTest::addColumn<QString>("entrada");
    QTest::newRow("tab-after-editing-the-description") << "tab-depois-de-editar";
    QTest::newRow("tab") << "tab";
    QTest::newRow("double-click") << "clique-duplo";
    QTest::newRow("typing-on-the-cell") << "digitando";
}

// However the operator enters the quantity cell, the number typed replaces the old one.
void TesteTFEtiquet::quantidadeSubstituida() {
    QFETCH(QString, entrada);
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(0, Descricao));
    if (entrada == QLatin1String("tab-depois-de-editar")) {
        teclar(Qt::Key_F2);
        teclar(Qt::Key_End);
        digitar(QStringLiteral(" X"));
        teclar(Qt::Key_Tab);
    } else if (entrada == QLatin1String("tab")) {
        teclar(Qt::Key_Tab);
    } else if (entrada == QLatin1String("clique-duplo")) {
        const QRect celula = grade()->visualRect(grade()->model()->index(0, Qtde));
        QTest::mouseClick(grade()->viewport(), Qt::LeftButton, {}, celula.center());
        QTest::mouseDClick(grade()->viewport(), Qt::LeftButton, {}, celula.center());
    } else {
        grade()->setCurrentIndex(grade()->model()->index(0, Qtde));
    }
    QCoreApplication::processEvents();
    QCOMPARE(grade()->currentIndex(), grade()->model()->index(0, Qtde));
    digitar(QStringLiteral("4"));
    QCoreApplication::processEvents();
    teclar(Qt::Key_Down);
    QTRY_COMPARE(quantidade(0), 4);
    if (entrada == QLatin1String("tab-depois-de-editar"))
        QCOMPARE(descricao(0), "DIPIRONA 500MG X");
}

void TesteTFEtiquet::quantidadeInvalidaFicaNaLinha_data() {
    QTest::addColumn<Qt::Key>("saida");
    QTest::newRow("down") << Qt::Key_Down;
    QTest::newRow("up") << Qt::Key_Up;
    QTest::newRow("tab") << Qt::Key_Tab;
}

// The refused text stays in the cell's editor, on its row, to be corrected there.
void TesteTFEtiquet::quantidadeInvalidaFicaNaLinha() {
    QFETCH(Qt::Key, saida);
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(1, Qtde));
    Operador operador;
    digitar(QStringLiteral("1-2"));
    teclar(saida);
    QTRY_COMPARE(operador.caixas.size(), 1);
    QCOMPARE(operador.caixas[0].texto, "'1-2' is not a valid integer value for field 'CQTDE'");
    QCOMPARE(tabela().currentRow(), 1);
    QCOMPARE(grade()->currentIndex(), grade()->model()->index(1, Qtde));
    // The window system gives the window back its activation once the box has gone.
    QApplication::setActiveWindow(m_janela.get());
    QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()));
    QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), "1-2");

    teclar(Qt::Key_A, Qt::ControlModifier);
    digitar(QStringLiteral("3"));
    teclar(Qt::Key_Down);
    QTRY_COMPARE(quantidade(1), 3);
    QCOMPARE(operador.caixas.size(), 1);
}

void TesteTFEtiquet::descricaoMinuscula() {
    carregarTres();
    grade()->setFocus();
    grade()->setCurrentIndex(grade()->model()->index(0, Descricao));
    teclar(Qt::Key_F2);
    teclar(Qt::Key_A, Qt::ControlModifier);
    digitar(QStringLiteral("gaze esteril"));
    teclar(Qt::Key_Down);
    QTRY_COMPARE(descricao(0), "gaze esteril");
}

void TesteTFEtiquet::mensagensDeGuarda_data() {
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("search") << "busca"
                            << "Carregue a lista de produtos antes de efetuar a busca.";
    QTest::newRow("bulk-quantity") << "alterar"
                                   << "Nenhuma lista de produtos foi carregada.";
}

void TesteTFEtiquet::mensagensDeGuarda() {
    QFETCH(QString, acao);
    QFETCH(QString, mensagem);
    Operador operador;
    if (acao == QLatin1String("busca")) {
        caixaBusca()->setText(QStringLiteral("dip"));
        QTest::keyClick(caixaBusca(), Qt::Key_Return);
    } else {
        controle<QToolButton>("SpeedButton2")->click();
    }
    QCOMPARE(operador.caixas.size(), 1);
    QCOMPARE(operador.caixas[0].titulo, "Atenção");
    QCOMPARE(operador.caixas[0].texto, mensagem);
    QCOMPARE(operador.caixas[0].icone, QMessageBox::Information);
    QVERIFY(!tabela().isOpen());
}

// After a load the window says what came in, keeps the total of labels up to date, and marks
// the values that did not read where they are.
void TesteTFEtiquet::resumoDaCarga() {
    QCOMPARE(controle<QLabel>("lblResumo")->text(), QString());
    const QString arquivo =
        gravar(QStringLiteral("ilegiveis.csv"), "codigo;descricao\r\n"
                                                "1;Dipirona;Lab A;0789;10;0;0;0;1;\r\n"
                                                "2;Gaze;Lab B;789;5.o;0;0;0;dois;\r\n"
                                                "3;Soro;Lab C;7891;8;0;0;0;3;\r\n");
    Operador operador({arquivo});
    controle<QToolButton>("bRestaurarLista")->click();
    QCOMPARE(operador.dialogos, 1);
    QCOMPARE(controle<QLabel>("lblResumo")->text(),
             "ilegiveis.csv: 3 produtos, 5 etiquetas, 2 valores ilegíveis (em destaque).");

    const QAbstractItemModel* modelo = grade()->model();
    QTRY_COMPARE(modelo->rowCount(), 3);
    const QModelIndex qtde = modelo->index(1, Qtde);
    QCOMPARE(qtde.data(Qt::ToolTipRole).toString(),
             "Linha 3 do arquivo: \"dois\" não pôde ser lido.");
    const QModelIndex preco = modelo->index(1, 4);
    QCOMPARE(preco.data(Qt::ToolTipRole).toString(),
             "Linha 3 do arquivo: \"5.o\" não pôde ser lido.");
    const QColor tinta = qtde.data(Qt::BackgroundRole).value<QColor>();
    QCOMPARE(preco.data(Qt::BackgroundRole).value<QColor>(), tinta);
    QVERIFY(tinta != modelo->index(0, Qtde).data(Qt::BackgroundRole).value<QColor>());
    QVERIFY(!modelo->index(0, 4).data(Qt::ToolTipRole).isValid() ||
            modelo->index(0, 4).data(Qt::ToolTipRole).toString().isEmpty());

    tabela().moveTo(2);
    tabela().edit();
    tabela().setInteger(lista::CQTDE, 10);
    tabela().post();
    QTRY_COMPARE(controle<QLabel>("lblResumo")->text(),
                 "ilegiveis.csv: 3 produtos, 12 etiquetas, 2 valores ilegíveis (em destaque).");
}

void TesteTFEtiquet::busca_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("linha");
    QTest::addColumn<bool>("gradeComFoco");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("description") << "dipirona g" << 2 << true << QString();
    QTest::newRow("bar-code") << "789" << 1 << true << QString();
    QTest::newRow("not-found") << "xarope" << 0 << true << "Produto não encontrado.";
    QTest::newRow("blank") << "  " << 0 << false << QString();
}

void TesteTFEtiquet::busca() {
    QFETCH(QString, texto);
    QFETCH(int, linha);
    QFETCH(bool, gradeComFoco);
    carregarTres();
    tabela().last();
    caixaBusca()->setText(texto);
    QTest::keyClick(caixaBusca(), Qt::Key_Return);
    QCOMPARE(tabela().currentRow(), linha);
    QCOMPARE(grade()->currentIndex().row(), linha);
    QCOMPARE(QApplication::focusWidget() == grade(), gradeComFoco);
    QCOMPARE(caixaBusca()->text(), texto);
    QFETCH(QString, aviso);
    QCOMPARE(controle<QLabel>("lblBusca")->text(), aviso);
    if (!gradeComFoco)
        return;
    // The number typed next is the quantity of the product found.
    QCOMPARE(grade()->currentIndex().column(), int(Qtde));
    digitar(QStringLiteral("5"));
    QCOMPARE(controle<QLabel>("lblBusca")->text(), QString());
    teclar(Qt::Key_Down);
    QTRY_COMPARE(quantidade(linha), 5);
}

void TesteTFEtiquet::navegacao() {
    auto* anterior = controle<QToolButton>("sbAnterior");
    auto* proximo = controle<QToolButton>("sbProximo");
    Operador operador;
    proximo->click();
    QVERIFY(!tabela().isOpen());

    carregarTres();
    anterior->click();
    QCOMPARE(tabela().currentRow(), 0);
    proximo->click();
    proximo->click();
    QCOMPARE(tabela().currentRow(), 2);
    QCOMPARE(grade()->currentIndex().row(), 2);
    proximo->click();
    QCOMPARE(tabela().currentRow(), 2);
    anterior->click();
    QCOMPARE(tabela().currentRow(), 1);
    QVERIFY(operador.caixas.isEmpty());
}

void TesteTFEtiquet::alterarLinear_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint32>("esperada");
    QTest::newRow("number") << "5" << 5;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("cleared") << "" << 0;
}

void TesteTFEtiquet::alterarLinear() {
    QFETCH(QString, texto);
    QFETCH(qint32, esperada);
    carregarTres();
    tabela().last();
    auto* linear = controle<plataforma::SpinEdit>("AltLinear");
    linear->setFocus();
    teclar(Qt::Key_A, Qt::ControlModifier);
    teclar(Qt::Key_Backspace);
    digitar(texto);
    controle<QToolButton>("SpeedButton2")->click();
    for (int linha = 0; linha < 3; ++linha)
        QCOMPARE(quantidade(linha), esperada);
    QCOMPARE(tabela().currentRow(), 0);
    QCOMPARE(grade()->currentIndex().row(), 0);
    QVERIFY(!tabela().controlsDisabled());
}

void TesteTFEtiquet::ordemDeTabulacao() {
    auto* linear = controle<plataforma::SpinEdit>("AltLinear");
    linear->setFocus();
    teclar(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), caixaBusca());
    teclar(Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(linear->isAncestorOf(QApplication::focusWidget()));
    teclar(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), grade());
}

void TesteTFEtiquet::aceleradores() {
    carregarTres();
    teclar(Qt::Key_L, Qt::AltModifier);
    QVERIFY(controle<plataforma::SpinEdit>("AltLinear")->isAncestorOf(QApplication::focusWidget()));
    teclar(Qt::Key_A, Qt::ControlModifier);
    digitar(QStringLiteral("4"));
    // The button shows itself pressed for a moment before it acts.
    teclar(Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(quantidade(0), 4);
    QCOMPARE(quantidade(2), 4);
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TesteTFEtiquet teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_tfetiquet.moc"
