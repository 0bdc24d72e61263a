#include "plataforma/MemTable.h"
#include "plataforma/relatorio/MemTablePipeline.h"

#include <QTest>

using namespace plataforma::relatorio;
using namespace Qt::StringLiterals;
using plataforma::FieldType;
using plataforma::FieldValue;
using plataforma::MemTable;
using plataforma::Money;

class tst_MemTablePipeline : public QObject {
    Q_OBJECT

private slots:
    void exposesEveryFieldByName();
    void readsRowsWithoutMovingTheTableCursor();
    void opensAClosedTable();
};

void tst_MemTablePipeline::exposesEveryFieldByName() {
    MemTable table;
    table.addField("CID_PROD", FieldType::Integer).setDisplayFormat(u"0"_s);
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CPRECOPRAT", FieldType::Money).setDisplayFormat(u"###,###,##0.00"_s);
    const MemTablePipeline pipeline(u"Selecionados"_s, table);
    QCOMPARE(pipeline.name(), u"Selecionados"_s);
    QCOMPARE(pipeline.fieldCount(), 3);
    QCOMPARE(pipeline.fieldName(2), u"CPRECOPRAT"_s);
    QCOMPARE(pipeline.fieldIndex(u"cdescricao"), 1);
    QCOMPARE(pipeline.fieldIndex(u"CLOTE"), -1);
    QCOMPARE(pipeline.fieldType(2), FieldType::Money);
    QCOMPARE(pipeline.displayFormat(2), u"###,###,##0.00"_s);
    QCOMPARE(pipeline.displayFormat(1), QString());
}

void tst_MemTablePipeline::readsRowsWithoutMovingTheTableCursor() {
    MemTable table;
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CPRECOPRAT", FieldType::Money).setDisplayFormat(u"###,###,##0.00"_s);
    table.open();
    for (const auto& [description, price] : {std::pair{u"AAS"_s, 1234.5}, {u"ENGOV"_s, 0.5}}) {
        table.append();
        table.setString("CDESCRICAO", description);
        table.setFloat("CPRECOPRAT", price);
        table.post();
    }
    table.first();
    const MemTablePipeline pipeline(u"Selecionados"_s, table);
    QCOMPARE(pipeline.rowCount(), 2);
    QCOMPARE(pipeline.value(1, 0), FieldValue(u"ENGOV"_s));
    QCOMPARE(pipeline.value(0, 1), FieldValue(Money::fromUnits(12345000)));
    QCOMPARE(pipeline.displayText(0, 1), u"1.234,50"_s);
    QCOMPARE(pipeline.displayText(1, 1), u"0,50"_s);
    QCOMPARE(table.currentRow(), 0);
}

void tst_MemTablePipeline::opensAClosedTable() {
    MemTable table;
    table.addField("CDESCRICAO", FieldType::Text, 60);
    MemTablePipeline pipeline(u"Selecionados"_s, table);
    pipeline.open();
    QVERIFY(table.isOpen());
    QCOMPARE(pipeline.rowCount(), 0);
    pipeline.open();
    QVERIFY(table.isOpen());
}

QTEST_GUILESS_MAIN(tst_MemTablePipeline)
#include "tst_memtable_pipeline.moc"
