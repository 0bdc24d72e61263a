// The template stream format: how values are written, what the readers refuse
// and where, and that whatever is read writes back to the same bytes.
#include "modelos/fluxo/Descricao.h"
#include "modelos/fluxo/Escritor.h"
#include "modelos/fluxo/Leitor.h"
#include "modelos/fluxo/TextoHex.h"

#include <QTest>

using fluxo::ErroFluxo;
using fluxo::Marcador;
using fluxo::Objeto;
using fluxo::Valor;

namespace {

QByteArray hex(const char* digitos) {
    return QByteArray::fromHex(digitos);
}

// "TPF0", then an object of class "TX" with an empty name.
const QByteArray Cabeca = hex("54504630"
                              "025458"
                              "00");

// A stream whose root lists one property "P" with the given value bytes.
QByteArray fluxoComValor(const QByteArray& valor) {
    return Cabeca + hex("0150") + valor + hex("000000");
}

// The bytes the writer gives a value, cut out of a one-property stream.
QByteArray bytesDoValor(const Valor& valor) {
    const Objeto objeto{QStringLiteral("TX"), QString(), {}, {{QStringLiteral("P"), valor}}, {}};
    const QByteArray bytes = fluxo::escreverFluxo(objeto);
    const qsizetype inicio = Cabeca.size() + 2;
    return bytes.sliced(inicio, bytes.size() - inicio - 3);
}

Objeto objetoVazio(const QString& classe) {
    return {classe, QString(), {}, {}, {}};
}

Valor listasAninhadas(int quantas) {
    Valor valor = Valor::lista({});
    for (int i = 1; i < quantas; ++i) {
        valor = Valor::lista({valor});
    }
    return valor;
}

} // namespace

class TesteFluxo : public QObject {
    Q_OBJECT

private slots:
    void inteiroUsaOMarcadorMaisEstreito_data();
    void inteiroUsaOMarcadorMaisEstreito();
    void textoPorSeusCaracteres_data();
    void textoPorSeusCaracteres();
    void conjuntos_data();
    void conjuntos();
    void identificadorETextoDiferemSoNoMarcador();
    void fluxoTerminaComOFimDaRaiz();
    void marcadoresRarosVoltamByteAByte();
    void textoDeOitoBitsNaPaginaOcidental();
    void fluxoMalformado_data();
    void fluxoMalformado();
    void textoHexMalformado_data();
    void textoHexMalformado();
    void textoHexIdaEVolta();
    void escritorRecusaArvoreQueNaoCabe_data();
    void escritorRecusaArvoreQueNaoCabe();
    void profundidadeNoLimite();
};

void TesteFluxo::inteiroUsaOMarcadorMaisEstreito_data() {
    QTest::addColumn<qint64>("numero");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("zero") << qint64(0) << hex("0200");
    QTest::newRow("127") << qint64(127) << hex("027F");
    QTest::newRow("128") << qint64(128) << hex("038000");
    QTest::newRow("-1") << qint64(-1) << hex("02FF");
    QTest::newRow("-128") << qint64(-128) << hex("0280");
    QTest::newRow("-129") << qint64(-129) << hex("037FFF");
    QTest::newRow("32767") << qint64(32767) << hex("03FF7F");
    QTest::newRow("32768") << qint64(32768) << hex("0400800000");
    QTest::newRow("-32768") << qint64(-32768) << hex("030080");
    QTest::newRow("-32769") << qint64(-32769) << hex("04FF7FFFFF");
    QTest::newRow("30000") << qint64(30000) << hex("033075");
    QTest::newRow("105000") << qint64(105000) << hex("04289A0100");
    QTest::newRow("381") << qint64(381) << hex("037D01");
    QTest::newRow("maior de 32 bits") << qint64(2147483647) << hex("04FFFFFF7F");
    QTest::newRow("menor de 32 bits") << qint64(-2147483648) << hex("0400000080");
    QTest::newRow("alem de 32 bits") << qint64(2147483648) << hex("130000008000000000");
}

void TesteFluxo::inteiroUsaOMarcadorMaisEstreito() {
    QFETCH(qint64, numero);
    QFETCH(QByteArray, bytes);
    QCOMPARE(bytesDoValor(Valor::inteiro(numero)).toHex(), bytes.toHex());
    const Objeto lido = fluxo::lerFluxo(fluxoComValor(bytes));
    QCOMPARE(lido.valor(u"P")->comoInteiro(), numero);
}

void TesteFluxo::textoPorSeusCaracteres_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("vazio") << QString() << hex("0600");
    QTest::newRow("rolagem continua")
        << QStringLiteral("Rolagem contínua")
        << hex("1411000000") + QStringLiteral("Rolagem contínua").toUtf8();
    const QString ascii255(255, u'a');
    QTest::newRow("255 ASCII") << ascii255 << hex("06FF") + ascii255.toLatin1();
    const QString ascii256(256, u'a');
    QTest::newRow("256 ASCII") << ascii256 << hex("0C00010000") + ascii256.toLatin1();
    const QString acentos300(300, u'é');
    QTest::newRow("300 acentos") << acentos300 << hex("1458020000") + acentos300.toUtf8();
    QTest::newRow("formato com espaco no fim")
        << QStringLiteral("!99999;0; ") << hex("060A") + QByteArray("!99999;0; ");
}

void TesteFluxo::textoPorSeusCaracteres() {
    QFETCH(QString, texto);
    QFETCH(QByteArray, bytes);
    QCOMPARE(bytesDoValor(Valor::texto(texto)).toHex(), bytes.toHex());
    QCOMPARE(fluxo::lerFluxo(fluxoComValor(bytes)).valor(u"P")->comoTexto(), texto);
}

void TesteFluxo::conjuntos_data() {
    QTest::addColumn<QStringList>("membros");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("vazio") << QStringList() << hex("0B00");
    QTest::newRow("negrito") << QStringList{QStringLiteral("fsBold")}
                             << hex("0B06") + QByteArray("fsBold") + hex("00");
    QTest::newRow("dois membros") << QStringList{QStringLiteral("fsBold"),
                                                 QStringLiteral("fsItalic")}
                                  << hex("0B06") + QByteArray("fsBold") + hex("08") +
                                         QByteArray("fsItalic") + hex("00");
}

void TesteFluxo::conjuntos() {
    QFETCH(QStringList, membros);
    QFETCH(QByteArray, bytes);
    QCOMPARE(bytesDoValor(Valor::conjunto(membros)).toHex(), bytes.toHex());
    QCOMPARE(fluxo::lerFluxo(fluxoComValor(bytes)).valor(u"P")->membros(), membros);
}

void TesteFluxo::identificadorETextoDiferemSoNoMarcador() {
    const QString nome = QStringLiteral("Selecionados");
    QCOMPARE(bytesDoValor(Valor::identificador(nome)), hex("070C") + nome.toLatin1());
    QCOMPARE(bytesDoValor(Valor::texto(nome)), hex("060C") + nome.toLatin1());
    QVERIFY(!(Valor::identificador(nome) == Valor::texto(nome)));
}

void TesteFluxo::fluxoTerminaComOFimDaRaiz() {
    // A band without controls: its properties, 00, 00; then the report's
    // child list end and the stream's end.
    Objeto banda = objetoVazio(QStringLiteral("TppFooterBand"));
    banda.propriedades.push_back({QStringLiteral("mmHeight"), Valor::inteiro(0)});
    Objeto relatorio = objetoVazio(QStringLiteral("TppReport"));
    relatorio.filhos.push_back(banda);
    const QByteArray bytes = fluxo::escreverFluxo(relatorio);
    QVERIFY(bytes.endsWith(QByteArray("mmHeight") + hex("0200"
                                                        "00000000")));
    QVERIFY(!bytes.endsWith(hex("0200"
                                "0000000000")));
}

void TesteFluxo::marcadoresRarosVoltamByteAByte() {
    const QByteArray propriedades = hex("03457374"
                                        "05"
                                        "00000000000000C0FF3F") + // Est: extended 1.5
                                    hex("0353696D"
                                        "0F"
                                        "0000403F") + // Sim: single 0.75
                                    hex("034D6F65"
                                        "10"
                                        "40E2010000000000") + // Moe: currency 12.3456
                                    hex("03446174"
                                        "11"
                                        "0000000010F9E540") + // Dat: date 45000.5
                                    hex("034E696C"
                                        "0D") + // Nil: nil
                                    hex("03553136"
                                        "12"
                                        "03000000"
                                        "4100E70000D8") + // U16: "Aç" and a lone surrogate
                                    hex("03493634"
                                        "13"
                                        "FBFFFFFFFFFFFFFF") + // I64: -5, wider than it needs
                                    hex("03493332"
                                        "04"
                                        "05000000") + // I32: 5, wider than it needs
                                    hex("034C6F6E"
                                        "0C"
                                        "03000000"
                                        "806162") + // Lon: "€ab", short but long
                                    hex("03437572"
                                        "06"
                                        "02"
                                        "E941") + // Cur: "éA" in 8 bits
                                    hex("03436F6C"
                                        "0E"
                                        "0203"
                                        "01"
                                        "044E6F6D65"
                                        "060178"
                                        "00"
                                        "01"
                                        "00"
                                        "00") + // Col
                                    hex("034C6973"
                                        "01"
                                        "01020500"
                                        "0600"
                                        "00") + // Lis: [[5], ""]
                                    hex("0356617A"
                                        "0100") + // Vaz: empty list
                                    hex("03426C6F"
                                        "0A"
                                        "00000000") + // Blo: empty block
                                    hex("03436F6E"
                                        "0B"
                                        "06") +
                                    QByteArray("fsBold") + hex("08") + QByteArray("fsItalic") +
                                    hex("00") + // Con: set
                                    hex("03496474"
                                        "0700") + // Idt: empty identifier
                                    hex("03557466"
                                        "14"
                                        "03000000"
                                        "616263"); // Utf: ASCII in UTF-8
    const QByteArray filhos = hex("F2"
                                  "0205"
                                  "06") +
                              QByteArray("TFilho") +
                              hex("0166"
                                  "0000") +
                              hex("F1"
                                  "06") +
                              QByteArray("TFilho") +
                              hex("0167"
                                  "0000");
    const QByteArray bytes = hex("54504630"
                                 "06") +
                             QByteArray("TExoti") + hex("04") + QByteArray("raiz") + propriedades +
                             hex("00") + filhos +
                             hex("00"
                                 "00");

    const Objeto lido = fluxo::lerFluxo(bytes);
    QCOMPARE(fluxo::escreverFluxo(lido).toHex(), bytes.toHex());

    QCOMPARE(lido.valor(u"Est")->comoReal(), 1.5);
    QCOMPARE(lido.valor(u"Sim")->comoReal(), 0.75);
    QCOMPARE(lido.valor(u"Moe")->comoReal(), 12.3456);
    QCOMPARE(lido.valor(u"Dat")->comoReal(), 45000.5);
    QCOMPARE(lido.valor(u"Nil")->tipo(), fluxo::Tipo::Nulo);
    QCOMPARE(lido.valor(u"U16")->comoTexto(), QStringLiteral("Aç") + QChar(0xD800));
    QCOMPARE(lido.valor(u"I64")->comoInteiro(), -5);
    QCOMPARE(lido.valor(u"I32")->marcador(), Marcador::Inteiro32);
    QCOMPARE(lido.valor(u"Lon")->comoTexto(), QStringLiteral("€ab"));
    QCOMPARE(lido.valor(u"Cur")->comoTexto(), QStringLiteral("éA"));
    const auto& itens = lido.valor(u"Col")->itensColecao();
    QCOMPARE(itens.size(), 2u);
    QCOMPARE(itens[0].ordem->comoInteiro(), 3);
    QCOMPARE(itens[0].propriedades.at(0).valor.comoTexto(), QStringLiteral("x"));
    QVERIFY(!itens[1].ordem && itens[1].propriedades.empty());
    QCOMPARE(lido.valor(u"Lis")->itens().at(0).itens().at(0).comoInteiro(), 5);
    QCOMPARE(lido.valor(u"Con")->membros(),
             (QStringList{QStringLiteral("fsBold"), QStringLiteral("fsItalic")}));
    QCOMPARE(lido.filhos.size(), 2u);
    QCOMPARE(lido.filhos[0].prefixo->posicao->comoInteiro(), 5);
    QVERIFY(lido.filhos[1].prefixo && !lido.filhos[1].prefixo->posicao);

    const QString descricao = fluxo::descrever(lido);
    QVERIFY(descricao.contains(u"  Moe = 12.3456 (moeda)\n"));
    QVERIFY(descricao.contains(u"  TFilho f [prefixo F2, posição 5 (inteiro de 8 bits)]\n"));
}

void TesteFluxo::textoDeOitoBitsNaPaginaOcidental() {
    // Bytes 80 to 9F are where the western code page and Latin-1 part ways.
    const QByteArray bytes = fluxoComValor(hex("0603"
                                               "809396"));
    const Objeto lido = fluxo::lerFluxo(bytes);
    QCOMPARE(lido.valor(u"P")->comoTexto(), QStringLiteral("€“–"));
    QCOMPARE(fluxo::escreverFluxo(lido), bytes);
}

void TesteFluxo::fluxoMalformado_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("posicao");
    const QByteArray valido = fluxoComValor(hex("0205"));

    QTest::newRow("vazio") << QByteArray() << qsizetype(0);
    QTest::newRow("assinatura errada") << hex("54504631"
                                              "025458"
                                              "00000000")
                                       << qsizetype(0);
    QTest::newRow("texto em vez de fluxo") << QByteArray("object ppReport1") << qsizetype(0);
    QTest::newRow("assinatura cortada") << hex("545046") << qsizetype(3);
    QTest::newRow("so a assinatura") << hex("54504630") << qsizetype(4);
    QTest::newRow("nome de classe vazio") << hex("54504630"
                                                 "00"
                                                 "000000")
                                          << qsizetype(4);
    QTest::newRow("nome de classe alem do fim") << hex("54504630"
                                                       "0554")
                                                << qsizetype(4);
    QTest::newRow("marcador desconhecido") << fluxoComValor(hex("15")) << qsizetype(10);
    QTest::newRow("marcador zero") << fluxoComValor(hex("00")) << qsizetype(10);
    QTest::newRow("texto curto alem do fim") << Cabeca + hex("0150"
                                                             "06FF41")
                                             << qsizetype(11);
    QTest::newRow("bloco alem do fim") << fluxoComValor(hex("0AFFFFFFFF")) << qsizetype(11);
    QTest::newRow("texto longo alem do fim") << fluxoComValor(hex("0C10000000")) << qsizetype(11);
    QTest::newRow("UTF-16 de contagem enorme") << fluxoComValor(hex("12FFFFFFFF")) << qsizetype(11);
    QTest::newRow("real estendido cortado") << Cabeca + hex("0150"
                                                            "05000000")
                                            << qsizetype(10);
    QTest::newRow("inteiro cortado") << Cabeca + hex("0150"
                                                     "0401")
                                     << qsizetype(11);
    QTest::newRow("UTF-8 invalido") << fluxoComValor(hex("1402000000C328")) << qsizetype(10);
    QTest::newRow("item de colecao sem 01") << fluxoComValor(hex("0E0500")) << qsizetype(11);
    QTest::newRow("posicao do prefixo nao inteira") << hex("54504630"
                                                           "F2"
                                                           "0641"
                                                           "025458"
                                                           "000000")
                                                    << qsizetype(5);
    QTest::newRow("sem o 00 final") << valido.chopped(1) << valido.size() - 1;
    QTest::newRow("bytes depois do fim") << valido + hex("00") << valido.size();
    QTest::newRow("segunda raiz") << valido.chopped(1) + hex("025458"
                                                             "00"
                                                             "00"
                                                             "00")
                                  << valido.size() - 1;
    QTest::newRow("listas aninhadas demais")
        << fluxoComValor(QByteArray(100, '\x01') + QByteArray(101, '\0')) << qsizetype(10 + 63);

    QByteArray objetos = hex("54504630");
    for (int i = 0; i < 70; ++i) {
        objetos += hex("025458"
                       "00"
                       "00");
    }
    objetos += QByteArray(71, '\0');
    QTest::newRow("objetos aninhados demais") << objetos << qsizetype(4 + 64 * 5);
}

void TesteFluxo::fluxoMalformado() {
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, posicao);
    try {
        fluxo::lerFluxo(bytes);
        QFAIL("the reader accepted a malformed stream");
    } catch (const ErroFluxo& erro) {
        QCOMPARE(erro.posicao(), posicao);
        // In Portuguese, as the designer and the command line show it.
        QVERIFY2(erro.mensagem().startsWith(
                     QStringLiteral("Modelo inválido na posição %1: ").arg(posicao)),
                 qPrintable(erro.mensagem()));
    }
}

void TesteFluxo::textoHexMalformado_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qsizetype>("posicao");
    QTest::newRow("comprimento impar") << QStringLiteral("5450463") << qsizetype(6);
    QTest::newRow("minuscula") << QStringLiteral("54504630ab") << qsizetype(8);
    QTest::newRow("espaco") << QStringLiteral("5450 46300") << qsizetype(4);
    QTest::newRow("prefixo 0x") << QStringLiteral("0x5450") << qsizetype(1);
    QTest::newRow("letra alem de F") << QStringLiteral("5G") << qsizetype(1);
    QTest::newRow("nao ASCII") << QStringLiteral("545046É0") << qsizetype(6);
}

void TesteFluxo::textoHexMalformado() {
    QFETCH(QString, texto);
    QFETCH(qsizetype, posicao);
    try {
        fluxo::textoParaFluxo(texto);
        QFAIL("a malformed template text was accepted");
    } catch (const ErroFluxo& erro) {
        QCOMPARE(erro.posicao(), posicao);
    }
}

void TesteFluxo::textoHexIdaEVolta() {
    QByteArray todos;
    for (int b = 0; b < 256; ++b) {
        todos.append(static_cast<char>(b));
    }
    const QString texto = fluxo::fluxoParaTexto(todos);
    QCOMPARE(texto.size(), 512);
    QVERIFY(texto.startsWith(u"000102") && texto.endsWith(u"FDFEFF"));
    QCOMPARE(fluxo::textoParaFluxo(texto), todos);
    QCOMPARE(fluxo::textoParaFluxo(QString()), QByteArray());
}

void TesteFluxo::escritorRecusaArvoreQueNaoCabe_data() {
    QTest::addColumn<Objeto>("arvore");
    QTest::newRow("classe vazia") << objetoVazio(QString());
    QTest::newRow("classe de 240 bytes") << objetoVazio(QString(240, u'T'));

    Objeto comPrefixo = objetoVazio(QString(240, u'T'));
    comPrefixo.prefixo = fluxo::Prefixo{fluxo::BandeiraPosicao, std::nullopt};
    QTest::newRow("prefixo sem a posicao que anuncia") << comPrefixo;
    comPrefixo.prefixo = fluxo::Prefixo{0, Valor::inteiro(1)};
    QTest::newRow("posicao que o prefixo nao anuncia") << comPrefixo;
    comPrefixo.prefixo = fluxo::Prefixo{fluxo::BandeiraPosicao, Valor::texto(QStringLiteral("1"))};
    QTest::newRow("posicao que nao e inteiro") << comPrefixo;

    auto comPropriedade = [](const QString& nome, const Valor& valor) {
        Objeto objeto = objetoVazio(QStringLiteral("TX"));
        objeto.propriedades.push_back({nome, valor});
        return objeto;
    };
    QTest::newRow("propriedade sem nome") << comPropriedade(QString(), Valor::inteiro(1));
    QTest::newRow("nome fora da pagina ocidental")
        << comPropriedade(QStringLiteral("Łódź"), Valor::inteiro(1));
    QTest::newRow("identificador de 256 bytes")
        << comPropriedade(QStringLiteral("P"), Valor::identificador(QString(256, u'x')));
    QTest::newRow("membro de conjunto vazio")
        << comPropriedade(QStringLiteral("P"), Valor::conjunto({QString()}));
    QTest::newRow("listas aninhadas demais")
        << comPropriedade(QStringLiteral("P"), listasAninhadas(64));
}

void TesteFluxo::escritorRecusaArvoreQueNaoCabe() {
    QFETCH(Objeto, arvore);
    QVERIFY_THROWS_EXCEPTION(ErroFluxo, fluxo::escreverFluxo(arvore));
}

void TesteFluxo::profundidadeNoLimite() {
    // The root is the first level; 63 lists under it reach the limit.
    Objeto raiz = objetoVazio(QStringLiteral("TX"));
    raiz.propriedades.push_back({QStringLiteral("P"), listasAninhadas(63)});
    const QByteArray bytes = fluxo::escreverFluxo(raiz);
    QCOMPARE(fluxo::lerFluxo(bytes), raiz);
}

QTEST_APPLESS_MAIN(TesteFluxo)
#include "TesteFluxo.moc"
