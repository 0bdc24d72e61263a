#include "lista/CarregarLista.h"
#include "lista/ResumoLista.h"
#include "lista/TabelaProdutos.h"
#include "plataforma/Errors.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using plataforma::MemTable;

namespace {

const QDate Hoje(2025, 6, 15);

// A product line whose field numero (1 to 10, in file order) holds valor.
QByteArray linhaCom(int numero, const QByteArray& valor) {
    QList<QByteArray> campos{"1", "Produto", "Lab", "789", "10", "9", "8", "5", "2", "31/12/2030"};
    campos[numero - 1] = valor;
    return campos.join(';');
}

// A device that hands out its data and then fails, as a disk does when a
// sector cannot be read.
class DispositivoFalho : public QIODevice {
public:
    explicit DispositivoFalho(QByteArray dados) : m_dados(std::move(dados)) {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* destino, qint64 maximo) override {
        if (m_dados.isEmpty()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min<qint64>(maximo, m_dados.size());
        std::copy_n(m_dados.constData(), n, destino);
        m_dados.remove(0, n);
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_dados;
};

} // namespace

class TesteCarregarLista : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_pasta;
    int m_arquivos = 0;

    QString gravar(const QByteArray& conteudo) {
        const QString caminho = m_pasta.filePath(QStringLiteral("lista%1.csv").arg(++m_arquivos));
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly) || arquivo.write(conteudo) != conteudo.size())
            qFatal("cannot write the fixture %s", qPrintable(caminho));
        return caminho;
    }

    void carregar(MemTable& tabela, const QByteArray& conteudo) {
        lista::CarregarLista(tabela, gravar(conteudo), Hoje);
    }

    static QList<qint32> codigos(MemTable& tabela) {
        QList<qint32> lidos;
        for (int linha = 0; linha < tabela.rowCount(); ++linha)
            lidos << std::get<qint32>(tabela.value(linha, tabela.fieldIndex(lista::CID_PROD)));
        return lidos;
    }

private slots:
    void campo_data();
    void campo();
    void linhas_data();
    void linhas();
    void linhaMaiorQueUmBloco();
    void cabecalhoMaiorQueUmBloco();
    void exemploCompleto();
    void arquivoQueNaoAbreMantemALista();
    void arquivoQueNaoAbreAntesDaPrimeiraCarga();
    void erroDeLeituraNoMeioDoArquivo();
    void travaDeInclusaoAposCarga();
    void valoresIlegiveis_data();
    void valoresIlegiveis();
    void resumo();
};

void TesteCarregarLista::campo_data() {
    QTest::addColumn<QByteArray>("linha");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("mostrado");

    const QString preco = lista::CPRECO;
    QTest::newRow("price-dot") << linhaCom(5, "12.50") << preco << "12,50";
    QTest::newRow("price-comma") << linhaCom(5, "12,5") << preco << "12,50";
    QTest::newRow("price-half-even-down") << linhaCom(5, "12.555") << preco << "12,56";
    QTest::newRow("price-half-even-up") << linhaCom(5, "12.565") << preco << "12,56";
    QTest::newRow("price-thousands") << linhaCom(5, "1.234,56") << preco << "0,00";
    QTest::newRow("price-grouped-display") << linhaCom(5, "1234.5") << preco << "1.234,50";
    QTest::newRow("price-exponent") << linhaCom(5, "1.5E3") << preco << "1.500,00";
    QTest::newRow("price-negative-exponent") << linhaCom(5, "125e-2") << preco << "1,25";
    QTest::newRow("price-blanks") << linhaCom(5, "  7,25  ") << preco << "7,25";
    QTest::newRow("price-signs") << linhaCom(5, "-3") << preco << "-3,00";
    QTest::newRow("price-plus") << linhaCom(5, "+3") << preco << "3,00";
    QTest::newRow("price-trailing-point") << linhaCom(5, "3.") << preco << "3,00";
    QTest::newRow("price-leading-point") << linhaCom(5, ".5") << preco << "0,50";
    QTest::newRow("price-exponent-without-digits") << linhaCom(5, "3e") << preco << "0,00";
    QTest::newRow("price-letters") << linhaCom(5, "R$ 3") << preco << "0,00";
    QTest::newRow("price-empty") << linhaCom(5, "") << preco << "0,00";
    QTest::newRow("price-sign-only") << linhaCom(5, "-") << preco << "0,00";
    QTest::newRow("price-beyond-money") << linhaCom(5, "1e12") << preco << "0,00";
    QTest::newRow("price-beyond-double") << linhaCom(5, "1e999") << preco << "0,00";
    QTest::newRow("price-largest") << linhaCom(5, "999999999.99") << preco << "999.999.999,99";
    QTest::newRow("price-with-discount")
        << linhaCom(6, "11.25") << QString(lista::CPRECO_DESC) << "11,25";
    QTest::newRow("promotional-price") << linhaCom(7, "9.9") << QString(lista::CPRECPRO) << "9,90";
    QTest::newRow("discount") << linhaCom(8, "7.5") << QString(lista::CDESC) << "7,50 %";

    const QString data = lista::CVLD_PRO;
    QTest::newRow("date") << linhaCom(10, "31/12/2024") << data << "31/12/2024";
    QTest::newRow("date-not-in-calendar") << linhaCom(10, "31/02/2024") << data << "30/12/1899";
    QTest::newRow("date-iso") << linhaCom(10, "2024-12-31") << data << "30/12/1899";
    QTest::newRow("date-with-time") << linhaCom(10, "31/12/2024 10:00") << data << "30/12/1899";
    QTest::newRow("date-short-year") << linhaCom(10, "5/3/24") << data << "05/03/2024";
    QTest::newRow("date-window-start") << linhaCom(10, "1/1/75") << data << "01/01/1975";
    QTest::newRow("date-window-end") << linhaCom(10, "1/1/74") << data << "01/01/2074";
    QTest::newRow("date-one-digit-year") << linhaCom(10, "1/1/5") << data << "01/01/2005";
    QTest::newRow("date-three-digit-year") << linhaCom(10, "1/1/024") << data << "01/01/0024";
    QTest::newRow("date-without-year") << linhaCom(10, "5/3") << data << "05/03/2025";
    QTest::newRow("date-trailing-slash") << linhaCom(10, "5/3/2024/") << data << "05/03/2024";
    QTest::newRow("date-without-year-slash") << linhaCom(10, "5/3/") << data << "05/03/2025";
    QTest::newRow("date-blanks") << linhaCom(10, " 5 / 3 / 2024 ") << data << "05/03/2024";
    QTest::newRow("date-leap-day") << linhaCom(10, "29/02/2024") << data << "29/02/2024";
    QTest::newRow("date-no-leap-day") << linhaCom(10, "29/02/2023") << data << "30/12/1899";
    QTest::newRow("date-two-slashes") << linhaCom(10, "5/3/2024//") << data << "30/12/1899";
    QTest::newRow("date-five-digit-year") << linhaCom(10, "1/1/02024") << data << "30/12/1899";
    QTest::newRow("date-year-zero") << linhaCom(10, "1/1/0000") << data << "30/12/1899";
    QTest::newRow("date-dots") << linhaCom(10, "31.12.2024") << data << "30/12/1899";
    QTest::newRow("date-blank") << linhaCom(10, " ") << data << "30/12/1899";
    QTest::newRow("date-empty") << linhaCom(10, "") << data << "";

    const QString quantidade = lista::CQTDE;
    QTest::newRow("quantity") << linhaCom(9, "12") << quantidade << "12";
    QTest::newRow("quantity-empty") << linhaCom(9, "") << quantidade << "1";
    QTest::newRow("quantity-text") << linhaCom(9, "dois") << quantidade << "1";
    QTest::newRow("quantity-zero") << linhaCom(9, "0") << quantidade << "0";
    QTest::newRow("quantity-negative") << linhaCom(9, "-3") << quantidade << "-3";
    QTest::newRow("quantity-hexadecimal") << linhaCom(9, "$A") << quantidade << "10";
    QTest::newRow("quantity-decimal") << linhaCom(9, "2.0") << quantidade << "1";
    QTest::newRow("quantity-trailing-blank") << linhaCom(9, "2 ") << quantidade << "1";
    // A field is kept only as far as it can still read, so a line of any length loads in
    // bounded memory: a number longer than any readable one does not read.
    QTest::newRow("price-longest-readable")
        << linhaCom(5, QByteArray(60, ' ') + "7.25") << preco << "7,25";
    QTest::newRow("price-longer-than-any-number")
        << linhaCom(5, QByteArray(61, ' ') + "7.25") << preco << "0,00";
    QTest::newRow("quantity-longer-than-any-number")
        << linhaCom(9, QByteArray(1 << 21, '0') + "2") << quantidade << "1";
    QTest::newRow("date-longer-than-any-date") << linhaCom(10, QByteArray(60, ' ') + "31/12/2024")
                                               << QString(lista::CVLD_PRO) << "30/12/1899";
    QTest::newRow("code-beyond-32-bits")
        << linhaCom(1, "2147483648") << QString(lista::CID_PROD) << "0";

    const QString descricao = lista::CDESCRICAO;
    QTest::newRow("description-upper-dots")
        << linhaCom(2, "Dipirona 500mg cx.10") << descricao << "DIPIRONA 500MG CX,10";
    QTest::newRow("description-accents")
        << linhaCom(2, "a\xe7\xe3o \xe1gua \xeanfase") << descricao << "AÇÃO ÁGUA ÊNFASE";
    QTest::newRow("description-1252-punctuation")
        << linhaCom(2, "pre\xe7o \x80 5\x85") << descricao << "PREÇO € 5…";
    QTest::newRow("description-cut")
        << linhaCom(2, QByteArray(55, 'a') + "bcdefghij" + QByteArray(6, 'z')) << descricao
        << QString(55, u'A') + "BCDEF";
    QTest::newRow("description-quotes") << linhaCom(2, "\"Gaze\"") << descricao << "\"GAZE\"";
    QTest::newRow("description-blanks-kept") << linhaCom(2, "  Gaze ") << descricao << "  GAZE ";
    QTest::newRow("manufacturer-upper-dots")
        << linhaCom(3, "Lab. S\xe3o Jo\xe3o") << QString(lista::CLAB) << "LAB, SÃO JOÃO";
    QTest::newRow("manufacturer-cut")
        << linhaCom(3, QByteArray(45, 'x')) << QString(lista::CLAB) << QString(40, u'X');
    QTest::newRow("bar-code-as-read")
        << linhaCom(4, "0789.1a") << QString(lista::CBARRAS) << "0789,1a";
    QTest::newRow("bar-code-cut") << linhaCom(4, "78912345678901") << QString(lista::CBARRAS)
                                  << "7891234567890";

    QTest::newRow("tab-ends-field") << QByteArray("1;Gaze\testeril;Lab;789") << descricao << "GAZE";
    QTest::newRow("tab-rest-is-next-field")
        << QByteArray("1;Gaze\testeril;Lab;789") << QString(lista::CLAB) << "ESTERIL";
    QTest::newRow("tab-shifts-later-fields")
        << QByteArray("1;Gaze\testeril;Lab;789") << QString(lista::CBARRAS) << "Lab";
    QTest::newRow("more-than-ten-fields")
        << linhaCom(10, "31/12/2030;99;extra") << data << "31/12/2030";
    QTest::newRow("fewer-fields-code")
        << QByteArray("7;S\xf3 isso") << QString(lista::CID_PROD) << "7";
    QTest::newRow("fewer-fields-description")
        << QByteArray("7;S\xf3 isso") << descricao << "SÓ ISSO";
    QTest::newRow("fewer-fields-quantity") << QByteArray("7;S\xf3 isso") << quantidade << "1";
    QTest::newRow("fewer-fields-price") << QByteArray("7;S\xf3 isso") << preco << "0,00";
    QTest::newRow("fewer-fields-date") << QByteArray("7;S\xf3 isso") << data << "";
    QTest::newRow("blanks-only-code") << QByteArray("   ") << QString(lista::CID_PROD) << "0";
    QTest::newRow("blanks-only-description") << QByteArray("   ") << descricao << "";
    QTest::newRow("blanks-only-quantity") << QByteArray("   ") << quantidade << "1";
    QTest::newRow("lone-cr-dropped") << QByteArray("1;Ga\rze;Lab") << descricao << "GAZE";
}

void TesteCarregarLista::campo() {
    QFETCH(QByteArray, linha);
    QFETCH(QString, campo);
    QFETCH(QString, mostrado);

    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, "Codigo;Descricao\r\n" + linha + "\r\n");

    QCOMPARE(tabela.rowCount(), 1);
    QCOMPARE(tabela.displayText(0, tabela.fieldIndex(campo)), mostrado);
}

void TesteCarregarLista::linhas_data() {
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<QList<qint32>>("lidos");

    QTest::newRow("empty-file") << QByteArray() << QList<qint32>{};
    QTest::newRow("header-only") << QByteArray("cabecalho\r\n") << QList<qint32>{};
    QTest::newRow("header-without-newline") << QByteArray("cabecalho") << QList<qint32>{};
    QTest::newRow("first-line-is-header") << QByteArray("1;a\n2;b\n") << QList<qint32>{2};
    QTest::newRow("empty-header") << QByteArray("\n1;a\n2;b\n") << QList<qint32>{1, 2};
    QTest::newRow("crlf") << QByteArray("h\r\n1;a\r\n2;b\r\n") << QList<qint32>{1, 2};
    QTest::newRow("lf") << QByteArray("h\n1;a\n2;b\n") << QList<qint32>{1, 2};
    QTest::newRow("last-line-without-newline") << QByteArray("h\n1;a\n2;b") << QList<qint32>{1, 2};
    QTest::newRow("empty-line-ends-data") << QByteArray("h\n1;a\n\n2;b\n") << QList<qint32>{1};
    QTest::newRow("crlf-empty-line-ends-data")
        << QByteArray("h\r\n1;a\r\n\r\n2;b\r\n") << QList<qint32>{1};
    QTest::newRow("lone-cr-line-is-empty") << QByteArray("h\n1;a\n\r\n2;b\n") << QList<qint32>{1};
    QTest::newRow("lone-cr-does-not-end-line") << QByteArray("h\n1;a\r2;b\n") << QList<qint32>{1};
    QTest::newRow("ctrl-z-ends-file")
        << QByteArray("h\n1;a\n2;b\x1a\n3;c\n") << QList<qint32>{1, 2};
    QTest::newRow("ctrl-z-starts-line") << QByteArray("h\n1;a\n\x1a"
                                                      "3;c\n")
                                        << QList<qint32>{1};
    QTest::newRow("ctrl-z-in-header") << QByteArray("h\x1a\n1;a\n") << QList<qint32>{};
    QTest::newRow("blank-line-is-a-product") << QByteArray("h\n \n2;b\n") << QList<qint32>{0, 2};
    QTest::newRow("duplicates-kept") << QByteArray("h\n5;a\n5;a\n") << QList<qint32>{5, 5};
    QTest::newRow("byte-order-mark-is-header") << QByteArray("\xef\xbb\xbf"
                                                             "1;a\n2;b\n")
                                               << QList<qint32>{2};
}

void TesteCarregarLista::linhas() {
    QFETCH(QByteArray, conteudo);
    QFETCH(QList<qint32>, lidos);

    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, conteudo);

    QVERIFY(tabela.isOpen());
    QCOMPARE(codigos(tabela), lidos);
    QCOMPARE(tabela.currentRow(), tabela.rowCount() - 1);
}

void TesteCarregarLista::linhaMaiorQueUmBloco() {
    const QByteArray longa = "1;" + QByteArray(3 << 20, 'd') + ";Lab\r";
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, "h\r\n" + longa + "\n2;b\r\n");

    QCOMPARE(codigos(tabela), (QList<qint32>{1, 2}));
    QCOMPARE(tabela.displayText(0, tabela.fieldIndex(lista::CDESCRICAO)), QString(60, u'D'));
    QCOMPARE(tabela.displayText(0, tabela.fieldIndex(lista::CLAB)), "LAB");
}

void TesteCarregarLista::cabecalhoMaiorQueUmBloco() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, QByteArray(3 << 20, 'h') + "\r\n1;a\n2;b");

    QCOMPARE(codigos(tabela), (QList<qint32>{1, 2}));
}

void TesteCarregarLista::exemploCompleto() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela,
             "h\n1234;Dipirona 500mg cx.10;Lab Exemplo;789;12.50;11.25;9.90;10;2;31/12/2024\n");

    QStringList mostrados;
    for (int campo = 0; campo < tabela.fieldCount(); ++campo)
        mostrados << tabela.displayText(0, campo);
    QCOMPARE(mostrados, (QStringList{"1234", "789", "DIPIRONA 500MG CX,10", "2", "12,50", "9,90",
                                     "31/12/2024", "10,00 %", "11,25", "LAB EXEMPLO"}));
}

void TesteCarregarLista::arquivoQueNaoAbreMantemALista() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, "h\n1;a\n2;b\n");
    tabela.first();
    tabela.edit();
    tabela.setInteger(lista::CQTDE, 7);
    tabela.post();

    try {
        lista::CarregarLista(tabela, m_pasta.filePath(QStringLiteral("nao-existe.csv")), Hoje);
        QFAIL("a missing file loaded");
    } catch (const plataforma::IoError& erro) {
        QCOMPARE(erro.message(), "I/O error 104");
    }
    QCOMPARE(codigos(tabela), (QList<qint32>{1, 2}));
    QCOMPARE(tabela.asInteger(lista::CQTDE), 7);
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, tabela.append());
    QCOMPARE(tabela.rowCount(), 2);

    QVERIFY_THROWS_EXCEPTION(plataforma::IoError, lista::CarregarLista(tabela, m_pasta.path()));
    QCOMPARE(tabela.rowCount(), 2);
}

void TesteCarregarLista::arquivoQueNaoAbreAntesDaPrimeiraCarga() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    QVERIFY_THROWS_EXCEPTION(
        plataforma::IoError,
        lista::CarregarLista(tabela, m_pasta.filePath(QStringLiteral("nao-existe.csv"))));
    QVERIFY(!tabela.isOpen());
}

void TesteCarregarLista::erroDeLeituraNoMeioDoArquivo() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, "h\n9;velho\n");

    DispositivoFalho dispositivo("h\n1;a\n2;b\n3;interrompido");
    try {
        lista::CarregarLista(tabela, dispositivo, Hoje);
        QFAIL("a failing read went unnoticed");
    } catch (const plataforma::Exception& erro) {
        QCOMPARE(erro.message(), "Input/output error");
    }
    QCOMPARE(codigos(tabela), (QList<qint32>{1, 2}));
    QCOMPARE(tabela.state(), MemTable::State::Browse);
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, tabela.append());
}

void TesteCarregarLista::travaDeInclusaoAposCarga() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    tabela.open();
    tabela.append();
    tabela.post();

    carregar(tabela, "h\n1;a\n");
    QCOMPARE(codigos(tabela), QList<qint32>{1});
    QVERIFY_THROWS_EXCEPTION(plataforma::SilentAbort, tabela.append());
    QCOMPARE(tabela.rowCount(), 1);
    QCOMPARE(tabela.currentRow(), 0);
    QCOMPARE(tabela.state(), MemTable::State::Browse);
}

void TesteCarregarLista::valoresIlegiveis_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QByteArray>("valor");
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<bool>("ilegivel");

    QTest::newRow("code-not-a-number") << 1 << QByteArray("A12") << lista::CID_PROD << "0" << true;
    QTest::newRow("price-letters") << 5 << QByteArray("R$ 3.50") << lista::CPRECO << "0,00" << true;
    QTest::newRow("price-beyond-range")
        << 5 << QByteArray("1e12") << lista::CPRECO << "0,00" << true;
    QTest::newRow("discount-price-thousands")
        << 6 << QByteArray("1.234,56") << lista::CPRECO_DESC << "0,00" << true;
    QTest::newRow("quantity-not-whole") << 9 << QByteArray("1.5") << lista::CQTDE << "1" << true;
    QTest::newRow("date-not-a-day")
        << 10 << QByteArray("31/02/2030") << lista::CVLD_PRO << "30/12/1899" << true;
    QTest::newRow("price-empty") << 5 << QByteArray("") << lista::CPRECO << "0,00" << false;
    QTest::newRow("quantity-blank") << 9 << QByteArray("  ") << lista::CQTDE << "1" << false;
    QTest::newRow("price-read") << 5 << QByteArray("3.50") << lista::CPRECO << "3,50" << false;
}

// A value that does not read keeps the import's default and is noted with the file's line
// number and its text as the file had it; the rows around it have nothing noted.
void TesteCarregarLista::valoresIlegiveis() {
    QFETCH(int, numero);
    QFETCH(QByteArray, valor);
    QFETCH(QString, campo);
    QFETCH(QString, mostrado);
    QFETCH(bool, ilegivel);

    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    lista::CamposIlegiveis ilegiveis;
    ilegiveis.Anotar(7, 7, 7, u"de uma carga anterior");
    const QByteArray conteudo = "Codigo;Descricao\r\n" + linhaCom(1, "1") + "\r\n" +
                                linhaCom(numero, valor) + "\r\n" + linhaCom(1, "3") + "\r\n";
    lista::CarregarLista(tabela, gravar(conteudo), Hoje, &ilegiveis);

    const int indice = tabela.fieldIndex(campo);
    QCOMPARE(tabela.displayText(1, indice), mostrado);
    QCOMPARE(ilegiveis.Quantidade(), ilegivel ? 1 : 0);
    const lista::CampoIlegivel* anotado = ilegiveis.Procurar(1, indice);
    QCOMPARE(anotado != nullptr, ilegivel);
    if (anotado) {
        QCOMPARE(anotado->linhaDoArquivo, 3);
        QCOMPARE(anotado->texto, QString::fromLatin1(valor));
    }
}

QTEST_GUILESS_MAIN(TesteCarregarLista)
// The summary names the file when there is one, and never starts with a bare separator.
void TesteCarregarLista::resumo() {
    MemTable tabela;
    lista::DefinirCamposProdutos(tabela);
    carregar(tabela, "Codigo;Descricao\r\n" + linhaCom(9, "3") + "\r\n");
    QCOMPARE(lista::ResumoDaLista(tabela, u"/loja/lista.csv"_qs, 0),
             u"lista.csv: 1 produto, 3 etiquetas."_qs);
    QCOMPARE(lista::ResumoDaLista(tabela, QString(), 2),
             u"1 produto, 3 etiquetas, 2 valores ilegíveis (em destaque)."_qs);
}

#include "tst_carregarlista.moc"
