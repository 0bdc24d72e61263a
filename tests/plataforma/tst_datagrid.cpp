#include "../apoio/ModalAnswer.h"
#include "plataforma/Application.h"
#include "plataforma/DataGrid.h"
#include "plataforma/Exception.h"
#include "plataforma/GridModel.h"
#include "plataforma/MemTable.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using plataforma::DataGrid;
using plataforma::FieldType;
using plataforma::GridColumn;
using plataforma::MemTable;

namespace {

enum Column { Code, Description, Quantity, Price };

QList<GridColumn> productColumns() {
    const QColor yellow(0xFF, 0xFF, 0xAE);
    GridColumn code("CID_PROD", "Código");
    code.alignment = Qt::AlignRight;
    GridColumn description("CDESCRICAO", "Descrição");
    description.width = 307;
    description.background = yellow;
    description.editable = true;
    GridColumn quantity("CQTDE", "Qtde");
    quantity.width = 67;
    quantity.background = yellow;
    quantity.alignment = Qt::AlignRight;
    quantity.editable = true;
    GridColumn price("CPRECO", "Preço");
    price.alignment = Qt::AlignRight;
    return {code, description, quantity, price};
}

void defineFields(MemTable& table) {
    table.addField("CID_PROD", FieldType::Integer).setDisplayFormat("0");
    table.addField("CDESCRICAO", FieldType::Text, 60);
    table.addField("CQTDE", FieldType::Integer);
    table.addField("CPRECO", FieldType::Money).setDisplayFormat("###,###,##0.00");
}

void fill(MemTable& table, int rows) {
    table.open();
    for (int i = 1; i <= rows; ++i) {
        table.append();
        table.setInteger("CID_PROD", i);
        table.setString("CDESCRICAO", QStringLiteral("PRODUTO %1").arg(i));
        table.setInteger("CQTDE", 1);
        table.setFloat("CPRECO", 10.0 * i);
        table.post();
    }
    table.first();
    // The grid sees the new rows once the event that added them is over.
    QCoreApplication::processEvents();
}

// Types as the operator does: each key goes to whatever has the focus.
void type(const QString& text) {
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

bool editing(const DataGrid& grid) {
    return grid.indexWidget(grid.currentIndex()) != nullptr;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closedTableShowsTitlesOnly();
    void showsFormattedValues();
    void appendedRowsReachTheGridTogether();
    void tableCursorMovesTheGrid();
    void gridMovesTheTableCursor();
    void appendAttemptRefusedSilently_data();
    void appendAttemptRefusedSilently();
    void downOnLastRowAppendsWhenAllowed();
    void letterInIntegerCellChangesNothing();
    void typedQuantityStoredOnRowChange();
    void invalidIntegerKeepsOldValue_data();
    void invalidIntegerKeepsOldValue();
    void clearedIntegerCellMakesFieldNull();
    void descriptionKeptAsTypedUpToItsLength();
    void onlyEditableColumnsEdit();
    void tabMovesBetweenEditableCells();
    void cursorMoveTakesUnconfirmedInput();
    void escapeAbandonsTheEdit();
    void disabledControlsSuspendTheGrid();
    void defaultWidthFromDisplayWidth();
    void cellPainterPaintsOverCells();
    void tableMayDieFirst();

private:
    std::unique_ptr<MemTable> m_table;
    std::unique_ptr<DataGrid> m_grid;
};

void TestDataGrid::init() {
    m_table = std::make_unique<MemTable>();
    defineFields(*m_table);
    m_grid = std::make_unique<DataGrid>();
    m_grid->setColumns(productColumns());
    m_grid->setTable(m_table.get());
    m_grid->resize(700, 300);
    m_grid->show();
    QApplication::setActiveWindow(m_grid.get());
    QVERIFY(QTest::qWaitForWindowActive(m_grid.get()));
    m_grid->setFocus();
}

void TestDataGrid::cleanup() {
    m_grid.reset();
    m_table.reset();
}

void TestDataGrid::closedTableShowsTitlesOnly() {
    QCOMPARE(m_grid->model()->rowCount(), 0);
    QCOMPARE(m_grid->model()->columnCount(), 4);
    QCOMPARE(m_grid->model()->headerData(Description, Qt::Horizontal).toString(), "Descrição");
    press(Qt::Key_Down);
    press(Qt::Key_Insert);
    type("5");
    QVERIFY(!m_table->isOpen());
    QCOMPARE(m_grid->model()->rowCount(), 0);
    QVERIFY(!editing(*m_grid));
}

void TestDataGrid::showsFormattedValues() {
    fill(*m_table, 2);
    const QAbstractItemModel* model = m_grid->model();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->index(1, Price).data().toString(), "20,00");
    QCOMPARE(model->index(1, Code).data().toString(), "2");
    QCOMPARE(model->index(0, Description).data(Qt::BackgroundRole).value<QColor>(),
             QColor(0xFF, 0xFF, 0xAE));
    QCOMPARE(model->index(0, Code).data(Qt::BackgroundRole), QVariant());
}

void TestDataGrid::appendedRowsReachTheGridTogether() {
    QSignalSpy inserted(m_grid->model(), &QAbstractItemModel::rowsInserted);
    fill(*m_table, 1000);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(m_grid->model()->rowCount(), 1000);
    QCOMPARE(m_grid->currentIndex().row(), 0);
    m_table->last();
    QCOMPARE(m_grid->currentIndex().row(), 999);
}

void TestDataGrid::tableCursorMovesTheGrid() {
    fill(*m_table, 5);
    QCOMPARE(m_grid->currentIndex().row(), 0);
    m_table->moveTo(3);
    QCOMPARE(m_grid->currentIndex().row(), 3);
    m_table->locate("CDESCRICAO", "produto 2", MemTable::LocateOption::CaseInsensitive);
    QCOMPARE(m_grid->currentIndex().row(), 1);
    m_table->close();
    QVERIFY(!m_grid->currentIndex().isValid());
}

void TestDataGrid::gridMovesTheTableCursor() {
    fill(*m_table, 5);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(m_table->currentRow(), 2);
    press(Qt::Key_Up);
    QCOMPARE(m_table->currentRow(), 1);
    const QRect cell = m_grid->visualRect(m_grid->model()->index(4, Price));
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_table->currentRow(), 4);
    QCOMPARE(m_grid->currentIndex().row(), 4);
}

void TestDataGrid::appendAttemptRefusedSilently_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("down") << int(Price) << "" << int(Qt::Key_Down);
    QTest::newRow("insert") << int(Code) << "" << int(Qt::Key_Insert);
    QTest::newRow("tab-past-the-end") << int(Quantity) << "" << int(Qt::Key_Tab);
    QTest::newRow("down-while-editing") << int(Quantity) << "3" << int(Qt::Key_Down);
    QTest::newRow("tab-while-editing") << int(Quantity) << "3" << int(Qt::Key_Tab);
}

void TestDataGrid::appendAttemptRefusedSilently() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(int, key);
    fill(*m_table, 3);
    m_table->setNewRecordHook([](MemTable&) { throw plataforma::SilentAbort(); });
    m_grid->setCurrentIndex(m_grid->model()->index(2, column));
    QCOMPARE(m_table->currentRow(), 2);
    ModalAnswer answer;
    type(typed);
    press(Qt::Key(key));
    QTest::qWait(50);
    QCOMPARE(answer.answered(), 0);
    QCOMPARE(m_table->rowCount(), 3);
    QCOMPARE(m_grid->model()->rowCount(), 3);
    QCOMPARE(m_table->currentRow(), 2);
    QCOMPARE(m_grid->currentIndex().row(), 2);
    QCOMPARE(m_table->state(), MemTable::State::Browse);
    // What was typed before the refused row is kept.
    QCOMPARE(m_table->asInteger("CQTDE"), typed.isEmpty() ? 1 : typed.toInt());
}

void TestDataGrid::downOnLastRowAppendsWhenAllowed() {
    fill(*m_table, 2);
    m_table->last();
    press(Qt::Key_Down);
    QCOMPARE(m_table->rowCount(), 3);
    QCOMPARE(m_table->state(), MemTable::State::Insert);
    QCOMPARE(m_grid->currentIndex().row(), 2);
    // Leaving a new row that nobody filled in throws it away.
    press(Qt::Key_Up);
    QCOMPARE(m_table->rowCount(), 2);
    QCOMPARE(m_grid->model()->rowCount(), 2);
    QCOMPARE(m_table->currentRow(), 1);
}

void TestDataGrid::letterInIntegerCellChangesNothing() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Quantity));
    type("a");
    press(Qt::Key_Down);
    QCOMPARE(m_table->currentRow(), 1);
    m_table->first();
    QCOMPARE(m_table->asInteger("CQTDE"), 1);
}

void TestDataGrid::typedQuantityStoredOnRowChange() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Quantity));
    type("12");
    QVERIFY(editing(*m_grid));
    press(Qt::Key_Down);
    QCOMPARE(m_table->currentRow(), 1);
    QCOMPARE(m_table->state(), MemTable::State::Browse);
    QCOMPARE(m_table->value(0, 2), plataforma::FieldValue(12));
    QCOMPARE(m_grid->model()->index(0, Quantity).data().toString(), "12");
}

void TestDataGrid::invalidIntegerKeepsOldValue_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("sign-inside") << "1-2";
    QTest::newRow("past-32-bits") << "2147483648";
}

void TestDataGrid::invalidIntegerKeepsOldValue() {
    QFETCH(QString, typed);
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Quantity));
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalAnswer answer([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        shown = box ? box->text() : QString();
        icon = box ? box->icon() : icon;
    });
    type(typed);
    press(Qt::Key_Down);
    QTRY_COMPARE(answer.answered(), 1);
    // The text ends in a quote, below the full stop: the box adds none.
    QCOMPARE(shown,
             QStringLiteral("'%1' is not a valid integer value for field 'CQTDE'").arg(typed));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(m_table->value(0, 2), plataforma::FieldValue(1));
}

void TestDataGrid::clearedIntegerCellMakesFieldNull() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Quantity));
    press(Qt::Key_F2);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_Backspace);
    press(Qt::Key_Down);
    QVERIFY(std::holds_alternative<std::monostate>(m_table->value(0, 2)));
    QCOMPARE(m_grid->model()->index(0, Quantity).data().toString(), QString());
}

void TestDataGrid::descriptionKeptAsTypedUpToItsLength() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Description));
    type("dipirona gotas " + QString(60, u'x'));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->maxLength(), 60);
    press(Qt::Key_Down);
    m_table->first();
    QCOMPARE(m_table->asString("CDESCRICAO"), "dipirona gotas " + QString(45, u'x'));
}

void TestDataGrid::onlyEditableColumnsEdit() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Code));
    type("9");
    QVERIFY(!editing(*m_grid));
    QCOMPARE(m_table->asInteger("CID_PROD"), 1);
    QCOMPARE(m_table->state(), MemTable::State::Browse);
}

void TestDataGrid::tabMovesBetweenEditableCells() {
    fill(*m_table, 2);
    const QAbstractItemModel* model = m_grid->model();
    m_grid->setCurrentIndex(model->index(0, Code));
    press(Qt::Key_Tab);
    QCOMPARE(m_grid->currentIndex(), model->index(0, Description));
    press(Qt::Key_Tab);
    QCOMPARE(m_grid->currentIndex(), model->index(0, Quantity));
    press(Qt::Key_Tab);
    QCOMPARE(m_grid->currentIndex(), model->index(1, Description));
    QCOMPARE(m_table->currentRow(), 1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(m_grid->currentIndex(), model->index(0, Quantity));

    // From inside an editor the same way, the typed value going with it.
    type("7");
    press(Qt::Key_Tab);
    QCOMPARE(m_table->currentRow(), 1);
    QCOMPARE(m_table->value(0, 2), plataforma::FieldValue(7));
}

void TestDataGrid::cursorMoveTakesUnconfirmedInput() {
    fill(*m_table, 3);
    m_table->moveTo(1);
    m_grid->setCurrentIndex(m_grid->model()->index(1, Quantity));
    type("5");
    QVERIFY(editing(*m_grid));
    // As a batch run does from a button that takes no focus.
    m_table->disableControls();
    m_table->first();
    m_table->enableControls();
    QCOMPARE(m_table->value(1, 2), plataforma::FieldValue(5));
    QVERIFY(!editing(*m_grid));
    QCOMPARE(m_grid->currentIndex().row(), 0);
}

void TestDataGrid::escapeAbandonsTheEdit() {
    fill(*m_table, 2);
    m_grid->setCurrentIndex(m_grid->model()->index(0, Description));
    type("novo");
    press(Qt::Key_Escape);
    QCOMPARE(m_table->asString("CDESCRICAO"), "PRODUTO 1");
    QCOMPARE(m_table->state(), MemTable::State::Browse);
}

void TestDataGrid::disabledControlsSuspendTheGrid() {
    fill(*m_table, 3);
    QSignalSpy changed(m_grid->model(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(m_grid->model(), &QAbstractItemModel::modelReset);
    m_table->disableControls();
    for (m_table->first(); !m_table->eof(); m_table->next()) {
        m_table->edit();
        m_table->setInteger("CQTDE", 4);
        m_table->post();
    }
    QCOMPARE(m_grid->currentIndex().row(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(reset.count(), 0);
    m_table->first();
    m_table->enableControls();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(m_grid->currentIndex().row(), 0);
    QCOMPARE(m_grid->model()->index(2, Quantity).data().toString(), "4");
}

void TestDataGrid::defaultWidthFromDisplayWidth() {
    const QFontMetrics metrics = m_grid->fontMetrics();
    const int digits = 10 * metrics.horizontalAdvance(u'0') + 4;
    const int title = m_grid->horizontalHeader()->fontMetrics().horizontalAdvance("Código") + 4;
    QCOMPARE(m_grid->columnWidth(Code), std::max(digits, title));
    QCOMPARE(m_grid->columnWidth(Description), 307);

    QList<GridColumn> columns = productColumns();
    columns[Code].title = QString(40, u'W');
    m_grid->setColumns(columns);
    QCOMPARE(m_grid->columnWidth(Code),
             m_grid->horizontalHeader()->fontMetrics().horizontalAdvance(columns[Code].title) + 4);
}

void TestDataGrid::cellPainterPaintsOverCells() {
    fill(*m_table, 3);
    QSet<int> rows;
    m_grid->setCellPainter([&](QPainter&, const QRect&, int row, int) { rows.insert(row); });
    m_grid->viewport()->repaint();
    QCOMPARE(rows, QSet<int>({0, 1, 2}));
}

void TestDataGrid::tableMayDieFirst() {
    fill(*m_table, 3);
    m_table.reset();
    QCOMPARE(m_grid->model()->rowCount(), 0);
    m_grid->viewport()->repaint();
    press(Qt::Key_Down);
}

int main(int argc, char** argv) {
    plataforma::Application app(argc, argv);
    TestDataGrid test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datagrid.moc"
