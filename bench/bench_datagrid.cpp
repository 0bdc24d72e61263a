// Times a list-import-like loop of 100,000 appends into a table that a shown
// grid is attached to, and the grid catching up once the loop is over.
#include "plataforma/Application.h"
#include "plataforma/DataGrid.h"
#include "plataforma/MemTable.h"

#include <QElapsedTimer>
#include <QTextStream>

using plataforma::FieldType;
using plataforma::GridColumn;
using plataforma::MemTable;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    plataforma::Application app(argc, argv);
    constexpr int Rows = 100'000;

    MemTable table;
    table.addField("CID_PROD", FieldType::Integer).setDisplayFormat("0");
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CQTDE", FieldType::Integer);
    table.addField("CPRECO", FieldType::Money).setDisplayFormat("###,###,##0.00");
    plataforma::DataGrid grid;
    grid.setColumns({GridColumn("CID_PROD", "Código"), GridColumn("CDESCRICAO", "Descrição"),
                     GridColumn("CQTDE", "Qtde"), GridColumn("CPRECO", "Preço")});
    grid.setTable(&table);
    grid.resize(800, 440);
    grid.show();

    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    table.open();
    for (int i = 0; i < Rows; ++i) {
        table.append();
        table.setInteger("CID_PROD", i);
        table.setString("CDESCRICAO", QStringLiteral("DIPIRONA 500MG"));
        table.setInteger("CQTDE", 1);
        table.setFloat("CPRECO", 12.5);
        table.post();
    }
    out << "datagrid attached, " << Rows << " appends: " << timer.elapsed() << " ms\n";
    timer.restart();
    QCoreApplication::processEvents();
    grid.viewport()->repaint();
    out << "datagrid catching up and painting: " << timer.elapsed() << " ms\n";
    return 0;
}
