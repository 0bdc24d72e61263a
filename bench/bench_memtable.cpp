// Times the two bulk paths of the in-memory table: a list import appending
// 100,000 product rows, and a label batch copying them into label rows.
#include "plataforma/MemTable.h"

#include <QElapsedTimer>
#include <QTextStream>

using plataforma::Date;
using plataforma::FieldType;
using plataforma::MemTable;

namespace {

constexpr int Rows = 100'000;

void defineProduct(MemTable& table) {
    table.addField("CID_PROD", FieldType::Integer).setDisplayFormat("0");
    table.addField("CBARRAS", FieldType::Text, 13);
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CQTDE", FieldType::Integer);
    table.addField("CPRECO", FieldType::Money).setDisplayFormat("###,###,##0.00");
    table.addField("CPRECPRO", FieldType::Money).setDisplayFormat("###,###,##0.00");
    table.addField("CVLD_PRO", FieldType::Date).setDisplayFormat("dd/mm/yyyy");
    table.addField("CDESC", FieldType::Money).setDisplayFormat("###,###,##0.00 %");
    table.addField("CPRECO_DESC", FieldType::Money).setDisplayFormat("###,###,##0.00");
    table.addField("CLAB", FieldType::Text, 40);
}

void importRows(MemTable& products) {
    const QString description = QStringLiteral("DIPIRONA 500MG CX,10");
    const QString maker = QStringLiteral("LAB EXEMPLO");
    const Date date = *Date::fromQDate(QDate(2024, 12, 31));
    for (int i = 0; i < Rows; ++i) {
        products.append();
        products.setInteger("CID_PROD", i);
        products.setString("CDESCRICAO", description);
        products.setString("CLAB", maker);
        products.setString("CBARRAS", QString::number(7891000000000LL + i));
        products.setFloat("CPRECO", 12.5);
        products.setFloat("CPRECO_DESC", 11.25);
        products.setFloat("CPRECPRO", 9.9);
        products.setFloat("CDESC", 10);
        products.setInteger("CQTDE", 1);
        products.setDate("CVLD_PRO", date);
        products.post();
    }
}

// Field positions looked up once, as a loop over many rows should.
struct LabelFields {
    explicit LabelFields(const MemTable& table)
        : code(table.fieldIndex("CID_PROD")), barCode(table.fieldIndex("CBARRAS")),
          description(table.fieldIndex("CDESCRICAO")), price(table.fieldIndex("CPRECO")),
          discount(table.fieldIndex("CDESC")), discounted(table.fieldIndex("CPRECO_DESC")),
          promotional(table.fieldIndex("CPRECPRO")), validity(table.fieldIndex("CVLD_PRO")),
          maker(table.fieldIndex("CLAB")), quantity(table.fieldIndex("CQTDE")) {}
    int code, barCode, description, price, discount, discounted, promotional, validity, maker,
        quantity;
};

void buildLabels(MemTable& products, MemTable& labels) {
    labels.close();
    labels.open();
    const LabelFields from(products);
    const LabelFields to(labels);
    products.disableControls();
    for (products.first(); !products.eof(); products.next()) {
        for (int n = products.asInteger(from.quantity); n > 0; --n) {
            labels.append();
            labels.setInteger(to.code, products.asInteger(from.code));
            labels.setString(to.barCode, products.asString(from.barCode));
            labels.setString(to.description, products.asString(from.description));
            labels.setFloat(to.price, products.asFloat(from.price));
            labels.setFloat(to.discount, products.asFloat(from.discount));
            labels.setFloat(to.discounted, products.asFloat(from.discounted));
            labels.setFloat(to.promotional, products.asFloat(from.promotional));
            labels.setDate(to.validity, products.asDate(from.validity));
            labels.setString(to.maker, products.asString(from.maker));
            labels.post();
        }
    }
    products.first();
    products.enableControls();
}

} // namespace

int main() {
    QTextStream out(stdout);
    MemTable products;
    defineProduct(products);
    products.open();
    QElapsedTimer timer;
    timer.start();
    importRows(products);
    out << "memtable import of " << Rows << " rows: " << timer.elapsed() << " ms\n";

    MemTable labels;
    defineProduct(labels);
    timer.restart();
    buildLabels(products, labels);
    out << "memtable label batch of " << labels.rowCount() << " rows: " << timer.elapsed()
        << " ms\n";
    return 0;
}
