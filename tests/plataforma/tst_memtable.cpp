#include "plataforma/Errors.h"
#include "plataforma/MemTable.h"
#include "plataforma/TableObserver.h"

#include <QTest>
#include <functional>

using plataforma::Date;
using plataforma::Exception;
using plataforma::FieldType;
using plataforma::MemTable;
using plataforma::Money;
using plataforma::SilentAbort;

namespace {

using Option = MemTable::LocateOption;

// A product-like table: code, bar code, description, quantity, price, date.
void defineFields(MemTable& table) {
    table.addField("CID_PROD", FieldType::Integer).setDisplayFormat("0");
    table.addField("CBARRAS", FieldType::Text, 13);
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CQTDE", FieldType::Integer);
    table.addField("CPRECO", FieldType::Money).setDisplayFormat("###,###,##0.00");
    table.addField("CVLD_PRO", FieldType::Date).setDisplayFormat("dd/mm/yyyy");
    table.addField("ARQUIVO", FieldType::Blob);
}

void appendProduct(MemTable& table, int code, const QString& barCode, const QString& description,
                   int quantity = 1) {
    table.append();
    table.setInteger("CID_PROD", code);
    table.setString("CBARRAS", barCode);
    table.setString("CDESCRICAO", description);
    table.setInteger("CQTDE", quantity);
    table.post();
}

// Five rows, as the search's examples have them.
void fill(MemTable& table) {
    defineFields(table);
    table.open();
    appendProduct(table, 1, "0789", "AAS INFANTIL");
    appendProduct(table, 2, "789", "BUSCOPAN");
    appendProduct(table, 3, "7891", "DIPIRONA 500MG");
    appendProduct(table, 4, "7892", "ENGOV");
    appendProduct(table, 5, "7893", "Dipirona gotas");
}

struct Recorder : plataforma::TableObserver {
    QStringList events;
    std::function<void()> onCommit;

    void rowsReset() override { events << "reset"; }
    void rowChanged(int row) override { events << QStringLiteral("changed %1").arg(row); }
    void rowInserted(int row) override { events << QStringLiteral("inserted %1").arg(row); }
    void rowRemoved(int row) override { events << QStringLiteral("removed %1").arg(row); }
    void currentRowChanged(int row) override { events << QStringLiteral("current %1").arg(row); }
    void controlsEnabled() override { events << "enabled"; }
    void commitPendingInput() override {
        if (onCommit)
            onCommit();
    }
};

} // namespace

class TestMemTable : public QObject {
    Q_OBJECT

private slots:
    void closedTableRefusesOperations_data();
    void closedTableRefusesOperations();
    void closedTableAnswersQueries();
    void typedWritesAndReads();
    void fieldNamesIgnoreCase();
    void emptyFieldsReadAsZero();
    void textIsCutToSize();
    void moneyIsRoundedWhenStored_data();
    void moneyIsRoundedWhenStored();
    void moneyOutOfRangeIsRefused_data();
    void moneyOutOfRangeIsRefused();
    void integerFromText_data();
    void integerFromText();
    void invalidIntegerTextIsRefused_data();
    void invalidIntegerTextIsRefused();
    void wrongTypeIsRefused();
    void everyCursorMovePostsPendingEdit_data();
    void everyCursorMovePostsPendingEdit();
    void unchangedNewRowIsCancelledByAMove();
    void cancelRestoresTheRow();
    void walkVisitsEveryRowOnce();
    void walkOfEmptyTable();
    void priorAndNextStopAtTheEnds();
    void locate_data();
    void locate();
    void locateFailureLeavesCursor();
    void closeDropsEveryRow();
    void newRecordHookRefusesTheRow();
    void editOnEmptyTableAppends();
    void afterScrollHookRunsOnMoves();
    void disabledControlsHearNothing();
    void observerCommitsPendingInputOnPost();
    void observerHearsRowsAndCursor();
    void observerHearsDestruction();
};

void TestMemTable::closedTableRefusesOperations_data() {
    QTest::addColumn<std::function<void(MemTable&)>>("operation");
    using Op = std::function<void(MemTable&)>;
    QTest::newRow("first") << Op([](MemTable& t) { t.first(); });
    QTest::newRow("next") << Op([](MemTable& t) { t.next(); });
    QTest::newRow("append") << Op([](MemTable& t) { t.append(); });
    QTest::newRow("edit") << Op([](MemTable& t) { t.edit(); });
    QTest::newRow("post") << Op([](MemTable& t) { t.post(); });
    QTest::newRow("locate") << Op([](MemTable& t) { t.locate("CBARRAS", "789"); });
    QTest::newRow("read") << Op([](MemTable& t) { t.asInteger("CQTDE"); });
    QTest::newRow("write") << Op([](MemTable& t) { t.setInteger("CQTDE", 1); });
}

void TestMemTable::closedTableRefusesOperations() {
    QFETCH(std::function<void(MemTable&)>, operation);
    MemTable table;
    defineFields(table);
    QVERIFY_THROWS_EXCEPTION(Exception, operation(table));
    QVERIFY(!table.isOpen());
}

void TestMemTable::closedTableAnswersQueries() {
    MemTable table;
    defineFields(table);
    QCOMPARE(table.state(), MemTable::State::Inactive);
    QCOMPARE(table.rowCount(), 0);
    QVERIFY(table.isEmpty());
    QVERIFY(table.eof());
    QCOMPARE(table.recNo(), 0);
    QCOMPARE(table.displayText(0, 0), QString());
}

void TestMemTable::typedWritesAndReads() {
    MemTable table;
    defineFields(table);
    table.open();
    table.append();
    table.setInteger("CID_PROD", 1234);
    table.setString("cdescricao", "DIPIRONA");
    table.setMoney("CPRECO", Money::fromUnits(125000));
    table.setDate("CVLD_PRO", *Date::fromQDate(QDate(2024, 12, 31)));
    table.setBytes("ARQUIVO", QByteArray("\0\1", 2));
    table.post();
    QCOMPARE(table.state(), MemTable::State::Browse);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.recNo(), 1);
    QCOMPARE(table.asInteger("CID_PROD"), 1234);
    QCOMPARE(table.asString("CDESCRICAO"), "DIPIRONA");
    QCOMPARE(table.asMoney("CPRECO"), Money::fromUnits(125000));
    QCOMPARE(table.asFloat("CPRECO"), 12.5);
    QCOMPARE(table.asDate("CVLD_PRO").toQDate(), QDate(2024, 12, 31));
    QCOMPARE(table.asBytes("ARQUIVO"), QByteArray("\0\1", 2));
    QCOMPARE(table.displayText(0, table.fieldIndex("CPRECO")), "12,50");
    QCOMPARE(table.displayText(0, table.fieldIndex("CVLD_PRO")), "31/12/2024");
    QCOMPARE(table.editText(0, table.fieldIndex("CID_PROD")), "1234");
}

void TestMemTable::fieldNamesIgnoreCase() {
    MemTable table;
    table.addField("CQTDE", FieldType::Integer);
    table.addField(QString::fromUtf8("Preço"), FieldType::Money);
    QCOMPARE(table.fieldIndex("cqtde"), 0);
    QCOMPARE(table.fieldIndex(QStringLiteral("CQTDE")), 0);
    QCOMPARE(table.fieldIndex(QString::fromUtf8("PREÇO")), 1);
    QCOMPARE(table.fieldIndex(u8"preço"), 1);
    QCOMPARE(table.fieldIndex(QLatin1StringView("Pre\xE7o")), 1);
    QCOMPARE(table.fieldIndex("CQTD"), -1);
    QVERIFY_THROWS_EXCEPTION(Exception, table.addField("cqtde", FieldType::Text, 5));
}

void TestMemTable::emptyFieldsReadAsZero() {
    MemTable table;
    defineFields(table);
    table.open();
    QCOMPARE(table.asInteger("CQTDE"), 0);
    table.append();
    table.setInteger("CID_PROD", 1);
    table.post();
    QVERIFY(table.isNull("CQTDE"));
    QCOMPARE(table.asInteger("CQTDE"), 0);
    QCOMPARE(table.asFloat("CQTDE"), 0.0);
    QCOMPARE(table.asString("CDESCRICAO"), QString());
    QCOMPARE(table.asMoney("CPRECO"), Money());
    QCOMPARE(table.asDate("CVLD_PRO"), Date());
    QCOMPARE(table.asDate("CVLD_PRO").toQDate(), QDate(1899, 12, 30));
    QCOMPARE(table.displayText(0, table.fieldIndex("CVLD_PRO")), QString());
    QCOMPARE(table.displayText(0, table.fieldIndex("CPRECO")), QString());

    table.edit();
    table.setNull("CID_PROD");
    table.post();
    QVERIFY(table.isNull("CID_PROD"));
}

void TestMemTable::textIsCutToSize() {
    MemTable table;
    defineFields(table);
    table.open();
    table.append();
    table.setString("CBARRAS", "78912345678901234");
    table.setString("CDESCRICAO", QString(70, u'x'));
    table.post();
    QCOMPARE(table.asString("CBARRAS"), "7891234567890");
    QCOMPARE(table.asString("CDESCRICAO").size(), 60);
}

void TestMemTable::moneyIsRoundedWhenStored_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("12.555") << 12.555 << "12,56";
    QTest::newRow("12.565") << 12.565 << "12,56";
    QTest::newRow("12.5") << 12.5 << "12,50";
    QTest::newRow("largest") << 999999999.99 << "999.999.999,99";
}

void TestMemTable::moneyIsRoundedWhenStored() {
    QFETCH(double, value);
    QFETCH(QString, shown);
    MemTable table;
    defineFields(table);
    table.open();
    table.append();
    table.setFloat("CPRECO", value);
    table.post();
    QCOMPARE(table.displayText(0, table.fieldIndex("CPRECO")), shown);
    QCOMPARE(table.asMoney("CPRECO").units() % 100, 0);
}

void TestMemTable::moneyOutOfRangeIsRefused_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("1E15") << 1e15;
    QTest::newRow("ten-digits") << 1e9;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

void TestMemTable::moneyOutOfRangeIsRefused() {
    QFETCH(double, value);
    MemTable table;
    defineFields(table);
    table.open();
    table.append();
    table.setFloat("CPRECO", 7.0);
    QVERIFY_THROWS_EXCEPTION(Exception, table.setFloat("CPRECO", value));
    QVERIFY_THROWS_EXCEPTION(Exception, table.setInteger("CPRECO", 1'000'000'000));
    QCOMPARE(table.asFloat("CPRECO"), 7.0);
}

void TestMemTable::integerFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("null");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "12" << false << 12;
    QTest::newRow("signed") << "-3" << false << -3;
    QTest::newRow("largest") << "2147483647" << false << 2147483647;
    QTest::newRow("cleared") << "" << true << 0;
}

void TestMemTable::integerFromText() {
    QFETCH(QString, text);
    QFETCH(bool, null);
    QFETCH(int, value);
    MemTable table;
    fill(table);
    table.edit();
    table.setString("CQTDE", text);
    table.post();
    QCOMPARE(table.isNull("CQTDE"), null);
    QCOMPARE(table.asInteger("CQTDE"), value);
}

void TestMemTable::invalidIntegerTextIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("sign-inside") << "1-2";
    QTest::newRow("past-largest") << "2147483648";
    QTest::newRow("letter") << "a";
    QTest::newRow("blank") << " ";
}

void TestMemTable::invalidIntegerTextIsRefused() {
    QFETCH(QString, text);
    MemTable table;
    fill(table);
    table.edit();
    try {
        table.setString("CQTDE", text);
        QFAIL("the text was taken");
    } catch (const Exception& e) {
        QCOMPARE(e.message(),
                 QStringLiteral("'%1' is not a valid integer value for field 'CQTDE'").arg(text));
    }
    QCOMPARE(table.asInteger("CQTDE"), 1);
}

void TestMemTable::wrongTypeIsRefused() {
    MemTable table;
    fill(table);
    table.edit();
    QVERIFY_THROWS_EXCEPTION(Exception, table.setString("CPRECO", "1,00"));
    QVERIFY_THROWS_EXCEPTION(Exception, table.setDate("CQTDE", Date()));
    QVERIFY_THROWS_EXCEPTION(Exception, table.asDate("CQTDE"));
    QVERIFY_THROWS_EXCEPTION(Exception, table.asInteger("CDESCRICAO"));
    QVERIFY_THROWS_EXCEPTION(Exception, table.asInteger("NO_SUCH_FIELD"));
}

void TestMemTable::everyCursorMovePostsPendingEdit_data() {
    QTest::addColumn<std::function<void(MemTable&)>>("move");
    using Op = std::function<void(MemTable&)>;
    QTest::newRow("first") << Op([](MemTable& t) { t.first(); });
    QTest::newRow("prior") << Op([](MemTable& t) { t.prior(); });
    QTest::newRow("next") << Op([](MemTable& t) { t.next(); });
    QTest::newRow("last") << Op([](MemTable& t) { t.last(); });
    QTest::newRow("move-to") << Op([](MemTable& t) { t.moveTo(0); });
    QTest::newRow("locate-found") << Op([](MemTable& t) { t.locate("CBARRAS", "7891"); });
    QTest::newRow("locate-not-found") << Op([](MemTable& t) { t.locate("CBARRAS", "x"); });
    QTest::newRow("append") << Op([](MemTable& t) { t.append(); });
}

void TestMemTable::everyCursorMovePostsPendingEdit() {
    QFETCH(std::function<void(MemTable&)>, move);
    MemTable table;
    fill(table);
    table.moveTo(1);
    table.edit();
    table.setInteger("CQTDE", 12);
    move(table);
    QCOMPARE_NE(table.state(), MemTable::State::Edit);
    QCOMPARE(table.value(1, table.fieldIndex("CQTDE")), plataforma::FieldValue(12));
    table.cancel();
    table.moveTo(1);
    table.edit();
    table.cancel();
    QCOMPARE(table.asInteger("CQTDE"), 12);
}

void TestMemTable::unchangedNewRowIsCancelledByAMove() {
    MemTable table;
    fill(table);
    table.moveTo(2);
    table.append();
    QCOMPARE(table.rowCount(), 6);
    QCOMPARE(table.currentRow(), 5);
    table.first();
    QCOMPARE(table.rowCount(), 5);
    QCOMPARE(table.currentRow(), 0);
    QCOMPARE(table.state(), MemTable::State::Browse);

    table.moveTo(2);
    table.append();
    table.cancel();
    QCOMPARE(table.rowCount(), 5);
    QCOMPARE(table.currentRow(), 2);
}

void TestMemTable::cancelRestoresTheRow() {
    MemTable table;
    fill(table);
    table.edit();
    table.setString("CDESCRICAO", "outro");
    table.setNull("CQTDE");
    table.cancel();
    QCOMPARE(table.asString("CDESCRICAO"), "Dipirona gotas");
    QCOMPARE(table.asInteger("CQTDE"), 1);
    QCOMPARE(table.state(), MemTable::State::Browse);
}

void TestMemTable::walkVisitsEveryRowOnce() {
    MemTable table;
    fill(table);
    QList<int> codes;
    for (table.first(); !table.eof(); table.next())
        codes << table.asInteger("CID_PROD");
    QCOMPARE(codes, QList<int>({1, 2, 3, 4, 5}));
    QCOMPARE(table.recNo(), 5);
}

void TestMemTable::walkOfEmptyTable() {
    MemTable table;
    defineFields(table);
    table.open();
    table.first();
    QVERIFY(table.eof());
    QVERIFY(table.bof());
    QCOMPARE(table.recNo(), 0);
    table.next();
    QVERIFY(table.eof());
}

void TestMemTable::priorAndNextStopAtTheEnds() {
    MemTable table;
    fill(table);
    table.first();
    table.prior();
    QCOMPARE(table.recNo(), 1);
    QVERIFY(table.bof());
    table.last();
    table.next();
    QCOMPARE(table.recNo(), 5);
    QVERIFY(table.eof());
    table.prior();
    QCOMPARE(table.recNo(), 4);
    QVERIFY(!table.eof());
    QVERIFY(!table.bof());
}

void TestMemTable::locate_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("found");
    const int both = int(Option::CaseInsensitive) | int(Option::PartialKey);
    QTest::newRow("exact-bar-code") << "CBARRAS"
                                    << "0789" << 0 << 1;
    QTest::newRow("exact-no-partial-match") << "CBARRAS"
                                            << "078" << 0 << 0;
    QTest::newRow("exact-leading-zero-matters") << "CBARRAS"
                                                << "789" << 0 << 2;
    QTest::newRow("exact-case-matters") << "CDESCRICAO"
                                        << "engov" << 0 << 0;
    QTest::newRow("case-insensitive") << "CDESCRICAO"
                                      << "engov" << int(Option::CaseInsensitive) << 4;
    QTest::newRow("partial-case-matters") << "CDESCRICAO"
                                          << "Dip" << int(Option::PartialKey) << 5;
    QTest::newRow("partial-and-case-insensitive") << "CDESCRICAO"
                                                  << "dip" << both << 3;
    QTest::newRow("only-from-the-beginning") << "CDESCRICAO"
                                             << "500MG" << both << 0;
    QTest::newRow("key-longer-than-text") << "CDESCRICAO"
                                          << "engov forte" << both << 0;
    QTest::newRow("integer-field") << "CID_PROD"
                                   << "4" << 0 << 4;
}

void TestMemTable::locate() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(int, options);
    QFETCH(int, found);
    MemTable table;
    fill(table);
    table.first();
    const bool ok = table.locate(field, value, MemTable::LocateOptions::fromInt(options));
    QCOMPARE(ok, found > 0);
    QCOMPARE(table.recNo(), found > 0 ? found : 1);
}

void TestMemTable::locateFailureLeavesCursor() {
    MemTable table;
    fill(table);
    table.moveTo(3);
    int scrolls = 0;
    table.setAfterScrollHook([&](MemTable&) { ++scrolls; });
    QVERIFY(!table.locate("CDESCRICAO", "xyz", Option::CaseInsensitive | Option::PartialKey));
    QCOMPARE(table.currentRow(), 3);
    QCOMPARE(scrolls, 0);
}

void TestMemTable::closeDropsEveryRow() {
    MemTable table;
    fill(table);
    table.edit();
    table.setInteger("CQTDE", 9);
    table.close();
    QVERIFY(!table.isOpen());
    QCOMPARE(table.rowCount(), 0);
    table.open();
    QVERIFY(table.isEmpty());
    QCOMPARE(table.recNo(), 0);
    QCOMPARE(table.fieldCount(), 7);
    QCOMPARE(table.state(), MemTable::State::Browse);
}

void TestMemTable::newRecordHookRefusesTheRow() {
    MemTable table;
    fill(table);
    Recorder recorder;
    table.addObserver(&recorder);
    table.moveTo(2);
    recorder.events.clear();
    table.setNewRecordHook([](MemTable&) { throw SilentAbort(); });
    QVERIFY_THROWS_EXCEPTION(SilentAbort, table.append());
    QCOMPARE(table.rowCount(), 5);
    QCOMPARE(table.currentRow(), 2);
    QCOMPARE(table.state(), MemTable::State::Browse);
    QCOMPARE(recorder.events, QStringList());
    table.removeObserver(&recorder);

    table.setNewRecordHook({});
    table.append();
    QCOMPARE(table.rowCount(), 6);
}

void TestMemTable::editOnEmptyTableAppends() {
    MemTable table;
    defineFields(table);
    table.open();
    table.setNewRecordHook([](MemTable&) { throw SilentAbort(); });
    QVERIFY_THROWS_EXCEPTION(SilentAbort, table.edit());
    QVERIFY(table.isEmpty());
    QCOMPARE(table.state(), MemTable::State::Browse);
}

void TestMemTable::afterScrollHookRunsOnMoves() {
    MemTable table;
    fill(table);
    QList<int> rows;
    table.setAfterScrollHook([&](MemTable& t) { rows << t.currentRow(); });
    table.first();
    table.next();
    table.locate("CBARRAS", "7893");
    table.last();
    QCOMPARE(rows, QList<int>({0, 1, 4}));
}

void TestMemTable::disabledControlsHearNothing() {
    MemTable table;
    fill(table);
    Recorder recorder;
    table.addObserver(&recorder);
    table.disableControls();
    table.disableControls();
    for (table.first(); !table.eof(); table.next()) {
        table.edit();
        table.setInteger("CQTDE", 0);
        table.post();
    }
    table.enableControls();
    QVERIFY(table.controlsDisabled());
    QCOMPARE(recorder.events, QStringList());
    table.enableControls();
    QCOMPARE(recorder.events, QStringList({"enabled"}));
    table.enableControls();
    QCOMPARE(recorder.events, QStringList({"enabled"}));
    table.removeObserver(&recorder);
}

void TestMemTable::observerCommitsPendingInputOnPost() {
    MemTable table;
    fill(table);
    Recorder recorder;
    table.addObserver(&recorder);
    table.moveTo(0);
    table.edit();
    recorder.onCommit = [&] {
        table.setString("CQTDE", "7");
    };
    // A move with controls disabled still takes what the operator typed.
    table.disableControls();
    table.first();
    table.enableControls();
    recorder.onCommit = {};
    QCOMPARE(table.asInteger("CQTDE"), 7);

    table.edit();
    recorder.onCommit = [&] {
        table.setString("CQTDE", "1-2");
    };
    QVERIFY_THROWS_EXCEPTION(Exception, table.post());
    QCOMPARE(table.state(), MemTable::State::Edit);
    table.removeObserver(&recorder);
}

void TestMemTable::observerHearsRowsAndCursor() {
    MemTable table;
    defineFields(table);
    Recorder recorder;
    table.addObserver(&recorder);
    table.open();
    table.append();
    table.setInteger("CQTDE", 1);
    table.post();
    table.append();
    table.cancel();
    table.close();
    QCOMPARE(recorder.events, QStringList({"reset", "inserted 0", "current 0", "changed 0",
                                           "changed 0", "inserted 1", "current 1", "removed 1",
                                           "current 0", "reset", "current -1"}));
    table.removeObserver(&recorder);
}

void TestMemTable::observerHearsDestruction() {
    struct Watcher : plataforma::TableObserver {
        bool gone = false;
        void tableDestroyed() override { gone = true; }
    } watcher;
    {
        MemTable table;
        table.addObserver(&watcher);
    }
    QVERIFY(watcher.gone);
}

QTEST_GUILESS_MAIN(TestMemTable)
#include "tst_memtable.moc"
