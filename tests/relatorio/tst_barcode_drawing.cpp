#include "plataforma/relatorio/Barcode.h"
#include "plataforma/relatorio/BarcodeCache.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;

namespace {

// White space around the box, wide enough for any symbology's quiet zone.
constexpr double margin = 6;

QSize pixelSize(QSizeF box, double dpi) {
    return QSizeF((box.width() + 2 * margin) * dpi / 25.4, (box.height() + 2 * margin) * dpi / 25.4)
        .toSize();
}

void drawInMillimetres(QPainter& painter, const Barcode& barcode, double dpi) {
    painter.scale(dpi / 25.4, dpi / 25.4);
    barcode.draw(painter, QPointF(margin, margin));
}

QImage renderImage(const Barcode& barcode, QSizeF box, double dpi) {
    QImage image(pixelSize(box, dpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawInMillimetres(painter, barcode, dpi);
    return image;
}

void writePdf(const QString& path, const Barcode& barcode, QSizeF box) {
    QPdfWriter writer(path);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(box + QSizeF(2 * margin, 2 * margin), QPageSize::Millimeter,
                                 QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    drawInMillimetres(painter, barcode, 1200);
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return u"<%1 did not finish>"_s.arg(program);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString decode(const QString& png) {
    return run(u"zbarimg"_s, {u"-q"_s, u"--nodbus"_s, png});
}

QString rasterisePdf(const QString& pdf, const QString& prefix) {
    run(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-png"_s, u"-singlefile"_s, pdf, prefix});
    return prefix + u".png"_s;
}

bool isBlank(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The box in the pixels of an image rendered at dpi.
QRect boxInPixels(QSizeF box, double dpi) {
    const double k = dpi / 25.4;
    return QRectF(margin * k, margin * k, box.width() * k, box.height() * k).toAlignedRect();
}

BarcodeRequest ean13(double module, QSizeF box = QSizeF(40, 15)) {
    return {u"bcEAN_13"_s, u"789100000001"_s, module, box, QFont(u"Courier New"_s, 8)};
}

} // namespace

class BarcodeDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void scansAsData_data();
    void scansAsData();
    void pdfKeepsDigitsAsText();
    void invalidDataDrawsNothing_data();
    void invalidDataDrawsNothing();
    void barsKeepModuleWidth_data();
    void barsKeepModuleWidth();
    void narrowBoxCutsSymbol();
    void digitsTakeBottomOfBox_data();
    void digitsTakeBottomOfBox();
    void cacheMatchesFreshEncoding();
    void modulesTakeWholeDots_data();
    void modulesTakeWholeDots();
    void snappedSymbolWiderThanBoxIsWhole();

private:
    QTemporaryDir m_dir;
};

void BarcodeDrawingTest::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void BarcodeDrawingTest::scansAsData_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<BarcodeRequest>("request");
    QTest::addColumn<QString>("decoded");

    const QFont courier(u"Courier New"_s, 8);
    const QFont courierBold(u"Courier New"_s, 8, QFont::Bold);
    const QFont arial(u"Arial"_s, 8);
    const struct {
        const char* name;
        BarcodeRequest request;
        QString decoded;
    } codes[] = {
        {"ean13-0.33",
         {u"bcEAN_13"_s, u"789100000001"_s, 0.33, {38.1, 17.463}, courier},
         u"EAN-13:7891000000014"_s},
        {"ean13-0.25",
         {u"bcEAN_13"_s, u"7896004000015"_s, 0.25, {30, 10}, courierBold},
         u"EAN-13:7896004000015"_s},
        {"ean13-0.2",
         {u"bcEAN_13"_s, u"789100000001"_s, 0.2, {22.49, 10.054}, courierBold},
         u"EAN-13:7891000000014"_s},
        {"ean13-0.15",
         {u"bcEAN_13"_s, u"789100000001"_s, 0.15, {19.315, 6.879}, courier},
         u"EAN-13:7891000000014"_s},
        {"code128-0.33",
         {u"bcCode128"_s, u"7891000000017"_s, 0.33, {45, 12}, arial},
         u"CODE-128:7891000000017"_s},
        {"code128-0.254",
         {u"bcCode128"_s, u"Abc-12,5"_s, 0.254, {32.015, 10.054}, arial},
         u"CODE-128:Abc-12,5"_s},
        {"code128-0.2",
         {u"bcCode128"_s, u"7891000000017"_s, 0.2, {28, 10}, arial},
         u"CODE-128:7891000000017"_s},
        {"code128-0.15",
         {u"bcCode128"_s, u"7891000000017"_s, 0.15, {20, 8}, arial},
         u"CODE-128:7891000000017"_s},
    };
    for (const auto& code : codes) {
        QTest::addRow("image-300dpi-%s", code.name)
            << u"image300"_s << code.request << code.decoded;
        // A printer of known resolution: bars on its dots scan however thin the template's.
        for (const int dpi : {203, 300}) {
            BarcodeRequest snapped = code.request;
            snapped.resolution = dpi;
            QTest::addRow("image-%ddpi-snapped-%s", dpi, code.name)
                << u"image%1"_s.arg(dpi) << snapped << code.decoded;
        }
        QTest::addRow("pdf-1200dpi-%s", code.name) << u"pdf"_s << code.request << code.decoded;
        if (code.request.moduleWidth >= 0.25)
            QTest::addRow("image-203dpi-%s", code.name)
                << u"image203"_s << code.request << code.decoded;
    }
    // zbar reports a UPC-A as the EAN-13 it is part of, with a leading zero.
    const struct {
        const char* name;
        QString type;
        QString data;
        QString decoded;
    } others[] = {
        {"ean8", u"bcEAN_8"_s, u"1234567"_s, u"EAN-8:12345670"_s},
        {"upca", u"bcUPC_A"_s, u"01234567890"_s, u"EAN-13:0012345678905"_s},
        {"code39", u"bcCode39"_s, u"ABC-12"_s, u"CODE-39:ABC-12"_s},
        {"code93", u"bcCode93"_s, u"ABC-12"_s, u"CODE-93:ABC-12"_s},
        {"i2of5", u"bcInterleaved2of5"_s, u"123456"_s, u"I2/5:123456"_s},
        {"codabar", u"bcCodabar"_s, u"A123456B"_s, u"Codabar:A123456B"_s},
    };
    for (const auto& other : others)
        QTest::addRow("image-300dpi-%s", other.name)
            << u"image300"_s << BarcodeRequest{other.type, other.data, 0.33, {45, 15}, courier}
            << other.decoded;
}

void BarcodeDrawingTest::scansAsData() {
    QFETCH(QString, device);
    QFETCH(BarcodeRequest, request);
    QFETCH(QString, decoded);

    const Barcode barcode = Barcode::encode(request);
    QVERIFY2(barcode.isValid(), qPrintable(barcode.error()));
    const QString base = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QString png = base + u".png"_s;
    if (device == u"pdf") {
        writePdf(base + u".pdf"_s, barcode, request.boxSize);
        png = rasterisePdf(base + u".pdf"_s, base);
    } else {
        const double dpi = device == u"image203" ? 203 : 300;
        QVERIFY(renderImage(barcode, request.boxSize, dpi).save(png));
    }
    QCOMPARE(decode(png), decoded);
}

void BarcodeDrawingTest::pdfKeepsDigitsAsText() {
    const BarcodeRequest request = ean13(0.33);
    const QString pdf = m_dir.filePath(u"text.pdf"_s);
    writePdf(pdf, Barcode::encode(request), request.boxSize);
    const QString text = run(u"pdftotext"_s, {pdf, u"-"_s}).simplified();
    QCOMPARE(text, u"7 891000 000014"_s);
}

void BarcodeDrawingTest::invalidDataDrawsNothing_data() {
    QTest::addColumn<BarcodeRequest>("request");

    const QFont font(u"Courier New"_s, 8);
    QTest::newRow("ean13-wrong-check")
        << BarcodeRequest{u"bcEAN_13"_s, u"7891000000017"_s, 0.33, {40, 15}, font};
    QTest::newRow("ean13-short") << BarcodeRequest{u"bcEAN_13"_s, u"789"_s, 0.33, {40, 15}, font};
    QTest::newRow("code128-empty")
        << BarcodeRequest{u"bcCode128"_s, QString(), 0.33, {40, 15}, font};
    QTest::newRow("unsupported") << BarcodeRequest{
        u"bcPostNet"_s, u"12345"_s, 0.33, {40, 15}, font};
}

void BarcodeDrawingTest::invalidDataDrawsNothing() {
    QFETCH(BarcodeRequest, request);

    const QImage image = renderImage(Barcode::encode(request), request.boxSize, 300);
    QVERIFY(isBlank(image, image.rect()));
}

void BarcodeDrawingTest::barsKeepModuleWidth_data() {
    QTest::addColumn<double>("module");

    QTest::newRow("0.33") << 0.33;
    QTest::newRow("0.254") << 0.254;
    QTest::newRow("0.2") << 0.2;
    QTest::newRow("0.15") << 0.15;
}

// EAN-13 puts its first digit in the 11 modules left of the bars, then 95 modules of bars.
void BarcodeDrawingTest::barsKeepModuleWidth() {
    QFETCH(double, module);

    const double dpi = 600;
    const BarcodeRequest request = ean13(module);
    const QImage image = renderImage(Barcode::encode(request), request.boxSize, dpi);
    const QRect box = boxInPixels(request.boxSize, dpi);
    const int y = box.top() + 2;
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (isDark(image, x, y)) {
            last = x;
            if (first < 0)
                first = x;
        }
    }
    const double k = dpi / 25.4;
    QVERIFY(std::abs(first - (margin + 11 * module) * k) <= 1.5);
    QVERIFY(std::abs(last + 1 - (margin + 106 * module) * k) <= 1.5);
}

void BarcodeDrawingTest::narrowBoxCutsSymbol() {
    const BarcodeRequest request = ean13(0.33, QSizeF(20, 12));
    const QImage image = renderImage(Barcode::encode(request), request.boxSize, 300);
    const QRect box = boxInPixels(request.boxSize, 300);
    QVERIFY(!isBlank(image, box));
    QVERIFY(
        isBlank(image, QRect(box.right() + 2, 0, image.width() - box.right() - 2, image.height())));
    QVERIFY(isBlank(image,
                    QRect(0, box.bottom() + 2, image.width(), image.height() - box.bottom() - 2)));
}

void BarcodeDrawingTest::digitsTakeBottomOfBox_data() {
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<double>("minimumGap");
    QTest::addColumn<double>("maximumGap");

    QTest::newRow("no-text") << 0.0 << 0.0 << 0.1;
    QTest::newRow("8pt") << 8.0 << 2.5 << 4.0;
    QTest::newRow("huge-font-keeps-half-of-box") << 72.0 << 5.5 << 6.1;
}

// The start bar of Code 128 lies left of the centred text, so its length shows how much of
// the box the human-readable line takes.
void BarcodeDrawingTest::digitsTakeBottomOfBox() {
    QFETCH(double, pointSize);
    QFETCH(double, minimumGap);
    QFETCH(double, maximumGap);

    QFont font(u"Arial"_s);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    else
        font.setPixelSize(10);
    const BarcodeRequest request{u"bcCode128"_s, u"7891000000017"_s, 0.33, {45, 12}, font};
    const double dpi = 600;
    const QImage image = renderImage(Barcode::encode(request), request.boxSize, dpi);
    const QRect box = boxInPixels(request.boxSize, dpi);
    const int x = box.left() + qRound(0.33 * dpi / 25.4);
    QVERIFY(isDark(image, x, box.top() + 1));
    int bottom = box.top();
    while (bottom + 1 < image.height() && isDark(image, x, bottom + 1))
        ++bottom;
    const double gap = (box.bottom() - bottom) * 25.4 / dpi;
    QVERIFY2(gap >= minimumGap && gap <= maximumGap, qPrintable(QString::number(gap)));
}

// Each request differs from the one before in one part of the cache's key only.
void BarcodeDrawingTest::cacheMatchesFreshEncoding() {
    BarcodeRequest request = ean13(0.33);
    QList<BarcodeRequest> requests{request};
    request.data = u"7896004000015"_s;
    requests.append(request);
    request.moduleWidth = 0.25;
    requests.append(request);
    request.boxSize.setHeight(9);
    requests.append(request);
    request.boxSize.setWidth(22);
    requests.append(request);
    request.font.setBold(true);
    requests.append(request);
    request.font.setPointSize(6);
    requests.append(request);
    request.type = u"bcCode128"_s;
    requests.append(request);
    requests.append(requests.front());

    BarcodeCache cache(3);
    for (const BarcodeRequest& s : std::as_const(requests)) {
        const QImage cached = renderImage(cache.barcode(s), s.boxSize, 300);
        QCOMPARE(cached, renderImage(Barcode::encode(s), s.boxSize, 300));
    }
}

void BarcodeDrawingTest::modulesTakeWholeDots_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("data");
    QTest::addColumn<double>("module");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<int>("dots");

    QTest::newRow("ean13-0.2-203") << u"bcEAN_13"_s << u"789100000001"_s << 0.2 << 203 << 2;
    QTest::newRow("ean13-0.33-203") << u"bcEAN_13"_s << u"789100000001"_s << 0.33 << 203 << 3;
    QTest::newRow("ean13-0.15-203") << u"bcEAN_13"_s << u"789100000001"_s << 0.15 << 203 << 1;
    QTest::newRow("ean13-0.2-300") << u"bcEAN_13"_s << u"789100000001"_s << 0.2 << 300 << 2;
    QTest::newRow("ean13-0.15-300") << u"bcEAN_13"_s << u"789100000001"_s << 0.15 << 300 << 2;
    QTest::newRow("code128-0.254-203") << u"bcCode128"_s << u"Abc-12,5"_s << 0.254 << 203 << 2;
    QTest::newRow("thinner-than-a-dot") << u"bcCode128"_s << u"Abc-12,5"_s << 0.05 << 203 << 1;
    // Wide bars three modules wide stay three times the narrow ones.
    QTest::newRow("code39-0.2-203") << u"bcCode39"_s << u"ABC-12"_s << 0.2 << 203 << 2;
    QTest::newRow("i2of5-0.33-300") << u"bcInterleaved2of5"_s << u"123456"_s << 0.33 << 300 << 4;
}

// Drawn on the device it is snapped for, from a dot's edge, every bar and every space between
// two bars is a whole number of modules of the nearest whole number of dots.
void BarcodeDrawingTest::modulesTakeWholeDots() {
    QFETCH(QString, type);
    QFETCH(QString, data);
    QFETCH(double, module);
    QFETCH(int, dpi);
    QFETCH(int, dots);

    BarcodeRequest request{type, data, module, {60, 12}, QFont()};
    request.resolution = dpi;
    const Barcode barcode = Barcode::encode(request);
    QVERIFY2(barcode.isValid(), qPrintable(barcode.error()));
    QCOMPARE(barcode.moduleWidth(), dots * 25.4 / dpi);
    QImage image(qCeil(70 * dpi / 25.4), qCeil(12 * dpi / 25.4), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(dpi / 25.4, dpi / 25.4);
        barcode.draw(painter, QPointF(5 * 25.4 / dpi, 0));
    }
    QList<int> runs;
    bool dark = false;
    for (int x = 5; x < image.width(); ++x) {
        if (isDark(image, x, 2) != dark || runs.isEmpty()) {
            runs.append(0);
            dark = isDark(image, x, 2);
        }
        ++runs.back();
    }
    QVERIFY(runs.size() > 10);
    for (qsizetype i = 1; i + 1 < runs.size(); ++i)
        QVERIFY2(runs[i] % dots == 0, qPrintable(u"run %1 of %2 dots"_s.arg(i).arg(runs[i])));
}

// Template 2's 0.2 mm bars take two dots at 203 dpi, 0.25 mm: wider than its 22.49 mm box.
// Cut at the box's edge the symbol would not scan; drawn whole it does, and says so.
void BarcodeDrawingTest::snappedSymbolWiderThanBoxIsWhole() {
    BarcodeRequest request{
        u"bcEAN_13"_s, u"789100000001"_s, 0.2, {22.49, 10.054}, QFont(u"Courier New"_s, 8)};
    QVERIFY(!Barcode::encode(request).widerThanBox());
    request.resolution = 203;
    const Barcode barcode = Barcode::encode(request);
    QVERIFY(barcode.widerThanBox());
    QCOMPARE(barcode.width(), 106 * 2 * 25.4 / 203);
    const QImage image = renderImage(barcode, QSizeF(30, 10.054), 203);
    const QString png = m_dir.filePath(u"wider.png"_s);
    QVERIFY(image.save(png));
    QCOMPARE(decode(png), u"EAN-13:7891000000014"_s);
}

QTEST_MAIN(BarcodeDrawingTest)
#include "tst_barcode_drawing.moc"
