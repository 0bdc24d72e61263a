#include "MemTable.h"

#include "Errors.h"
#include "TableObserver.h"
#include "WholeNumber.h"

#include <algorithm>

namespace plataforma {

namespace {

const FieldValue NullValue;

QString typeName(FieldType type) {
    switch (type) {
    case FieldType::Integer:
        return QStringLiteral("an integer");
    case FieldType::Text:
        return QStringLiteral("text");
    case FieldType::Money:
        return QStringLiteral("money");
    case FieldType::Date:
        return QStringLiteral("a date");
    case FieldType::Blob:
        return QStringLiteral("bytes");
    }
    return {};
}

Exception readError(const Field& field, FieldType asked) {
    return Exception(
        QStringLiteral("Field '%1' cannot be read as %2").arg(field.name(), typeName(asked)));
}

Exception writeError(const Field& field, FieldType given) {
    return Exception(
        QStringLiteral("Field '%1' cannot be written as %2").arg(field.name(), typeName(given)));
}

bool matches(QStringView text, QStringView key, MemTable::LocateOptions options) {
    if (options.testFlag(MemTable::LocateOption::PartialKey))
        text = text.first(std::min(text.size(), key.size()));
    const Qt::CaseSensitivity cs = options.testFlag(MemTable::LocateOption::CaseInsensitive)
                                       ? Qt::CaseInsensitive
                                       : Qt::CaseSensitive;
    return text.compare(key, cs) == 0;
}

} // namespace

MemTable::MemTable(QString name) : m_name(std::move(name)) {}

MemTable::~MemTable() {
    const std::vector<TableObserver*> observers = m_observers;
    for (TableObserver* observer : observers)
        observer->tableDestroyed();
}

Field& MemTable::addField(const QString& name, FieldType type, int size) {
    if (isOpen())
        throw Exception(QStringLiteral("Fields cannot be added to an open table"));
    if (fieldIndex(name) >= 0)
        throw Exception(QStringLiteral("Duplicate field name '%1'").arg(name));
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    m_asciiNames.push_back(ascii ? name.toLatin1() : QByteArray());
    return m_fields.emplace_back(name, type, size);
}

const Field& MemTable::field(FieldRef ref) const {
    return m_fields[static_cast<std::size_t>(resolve(ref))];
}

Field& MemTable::field(FieldRef ref) {
    return m_fields[static_cast<std::size_t>(resolve(ref))];
}

int MemTable::fieldIndex(QAnyStringView name) const {
    // Callers nearly always spell the name as it was defined: try that first,
    // byte for byte, since the case-insensitive comparison is many times slower.
    // An ASCII name has the same bytes in Latin-1 and in UTF-8.
    const auto sameAs = [this](auto view, std::size_t i) {
        if constexpr (std::is_same_v<decltype(view), QStringView>)
            return view == m_fields[i].name();
        else
            return !m_asciiNames[i].isEmpty() &&
                   QByteArrayView(view.data(), view.size()) == m_asciiNames[i];
    };
    const int exact = name.visit([&](auto view) {
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            if (sameAs(view, i))
                return static_cast<int>(i);
        return -1;
    });
    if (exact >= 0)
        return exact;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (QAnyStringView::compare(name, m_fields[i].name(), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int MemTable::resolve(FieldRef ref) const {
    const int index = ref.isIndex() ? ref.index() : fieldIndex(ref.name());
    if (index < 0 || index >= fieldCount()) {
        const QString name = ref.isIndex() ? QString::number(ref.index()) : ref.name().toString();
        throw Exception(QStringLiteral("Field '%1' not found").arg(name));
    }
    return index;
}

void MemTable::open() {
    if (isOpen())
        return;
    if (m_fields.empty())
        throw Exception(QStringLiteral("A table needs at least one field"));
    m_rows.setWidth(fieldCount());
    m_state = State::Browse;
    notify([](TableObserver& o) { o.rowsReset(); });
}

void MemTable::close() {
    if (!isOpen())
        return;
    m_rows.clear();
    m_saved.clear();
    m_state = State::Inactive;
    m_current = -1;
    m_rowBeforeInsert = -1;
    m_eof = m_bof = true;
    m_modified = false;
    notify([](TableObserver& o) { o.rowsReset(); });
    notify([](TableObserver& o) { o.currentRowChanged(-1); });
}

int MemTable::rowCount() const {
    return m_rows.rowCount();
}

void MemTable::requireOpen() const {
    if (!isOpen())
        throw Exception(QStringLiteral("Cannot perform this operation on a closed table"));
}

void MemTable::requireEditing() const {
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        throw Exception(QStringLiteral("The table is not in edit or insert mode"));
}

template <typename Call> void MemTable::notify(Call call) {
    if (m_disabledCount > 0 || m_inNewRecordHook)
        return;
    // By index: an observer may detach itself while it is being told.
    for (std::size_t i = 0; i < m_observers.size(); ++i)
        call(*m_observers[i]);
}

void MemTable::scrollTo(int row) {
    if (row == m_current)
        return;
    m_current = row;
    notify([row](TableObserver& o) { o.currentRowChanged(row); });
    if (m_afterScrollHook && row >= 0)
        m_afterScrollHook(*this);
}

void MemTable::checkBrowseMode() {
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    for (std::size_t i = 0; i < m_observers.size(); ++i)
        m_observers[i]->commitPendingInput();
    if (m_modified)
        finishPost();
    else
        cancel();
}

void MemTable::first() {
    requireOpen();
    checkBrowseMode();
    if (!isEmpty())
        scrollTo(0);
    m_bof = true;
    m_eof = isEmpty();
}

void MemTable::last() {
    requireOpen();
    checkBrowseMode();
    if (!isEmpty())
        scrollTo(rowCount() - 1);
    m_eof = true;
    m_bof = isEmpty();
}

void MemTable::next() {
    requireOpen();
    checkBrowseMode();
    if (m_current + 1 >= rowCount()) {
        m_eof = true;
        m_bof = m_bof || isEmpty();
        return;
    }
    scrollTo(m_current + 1);
    m_eof = m_bof = false;
}

void MemTable::prior() {
    requireOpen();
    checkBrowseMode();
    if (m_current <= 0) {
        m_bof = true;
        m_eof = m_eof || isEmpty();
        return;
    }
    scrollTo(m_current - 1);
    m_eof = m_bof = false;
}

void MemTable::moveTo(int row) {
    requireOpen();
    checkBrowseMode();
    if (row < 0 || row >= rowCount())
        throw Exception(QStringLiteral("Row %1 is out of range").arg(row));
    scrollTo(row);
    m_eof = m_bof = false;
}

bool MemTable::locate(FieldRef fieldRef, const QString& value, LocateOptions options) {
    requireOpen();
    checkBrowseMode();
    const int column = resolve(fieldRef);
    const Field& def = m_fields[column];
    for (int row = 0, rows = rowCount(); row < rows; ++row) {
        const FieldValue& cell = this->value(row, column);
        const QString* text = std::get_if<QString>(&cell);
        if (text ? matches(*text, value, options) : matches(def.editText(cell), value, options)) {
            scrollTo(row);
            m_eof = m_bof = false;
            return true;
        }
    }
    return false;
}

void MemTable::append() {
    requireOpen();
    checkBrowseMode();
    const int before = m_current;
    const int row = rowCount();
    m_rows.appendRow();
    m_current = row;
    m_state = State::Insert;
    if (m_newRecordHook) {
        m_inNewRecordHook = true;
        try {
            m_newRecordHook(*this);
        } catch (...) {
            m_inNewRecordHook = false;
            m_rows.removeLastRow();
            m_current = before;
            m_state = State::Browse;
            throw;
        }
        m_inNewRecordHook = false;
    }
    // Values that the hook set are defaults, not changes by the operator.
    m_modified = false;
    m_rowBeforeInsert = before;
    m_eof = m_bof = false;
    notify([row](TableObserver& o) { o.rowInserted(row); });
    notify([row](TableObserver& o) { o.currentRowChanged(row); });
    if (m_afterScrollHook)
        m_afterScrollHook(*this);
}

void MemTable::edit() {
    requireOpen();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (isEmpty()) {
        append();
        return;
    }
    const FieldValue* values = m_rows.row(m_current);
    m_saved.assign(values, values + fieldCount());
    m_state = State::Edit;
    m_modified = false;
}

void MemTable::post() {
    requireOpen();
    if (m_state != State::Edit && m_state != State::Insert)
        return;
    for (std::size_t i = 0; i < m_observers.size(); ++i)
        m_observers[i]->commitPendingInput();
    finishPost();
}

void MemTable::finishPost() {
    m_state = State::Browse;
    m_saved.clear();
    m_modified = false;
    m_rowBeforeInsert = -1;
    const int row = m_current;
    notify([row](TableObserver& o) { o.rowChanged(row); });
}

void MemTable::cancel() {
    requireOpen();
    if (m_state == State::Edit) {
        std::copy(m_saved.begin(), m_saved.end(), m_rows.row(m_current));
        m_saved.clear();
        m_state = State::Browse;
        m_modified = false;
        const int row = m_current;
        notify([row](TableObserver& o) { o.rowChanged(row); });
    } else if (m_state == State::Insert) {
        const int row = m_current;
        m_rows.removeLastRow();
        m_state = State::Browse;
        m_modified = false;
        m_current = -1;
        notify([row](TableObserver& o) { o.rowRemoved(row); });
        scrollTo(m_rowBeforeInsert);
        m_rowBeforeInsert = -1;
        m_eof = m_bof = isEmpty();
    }
}

const FieldValue& MemTable::currentValue(int column) const {
    return m_current < 0 ? NullValue : value(m_current, column);
}

int MemTable::readable(FieldRef ref) const {
    requireOpen();
    return resolve(ref);
}

bool MemTable::isNull(FieldRef ref) const {
    return std::holds_alternative<std::monostate>(currentValue(readable(ref)));
}

qint32 MemTable::asInteger(FieldRef ref) const {
    const int column = readable(ref);
    if (m_fields[column].type() != FieldType::Integer)
        throw readError(m_fields[column], FieldType::Integer);
    const auto* number = std::get_if<qint32>(&currentValue(column));
    return number ? *number : 0;
}

QString MemTable::asString(FieldRef ref) const {
    const int column = readable(ref);
    return m_fields[column].editText(currentValue(column));
}

Money MemTable::asMoney(FieldRef ref) const {
    const int column = readable(ref);
    const FieldValue& v = currentValue(column);
    if (const auto* money = std::get_if<Money>(&v))
        return *money;
    if (const auto* number = std::get_if<qint32>(&v))
        return Money::fromUnits(qint64{*number} * Money::UnitsPerWhole);
    const FieldType type = m_fields[column].type();
    if (type != FieldType::Money && type != FieldType::Integer)
        throw readError(m_fields[column], FieldType::Money);
    return {};
}

double MemTable::asFloat(FieldRef ref) const {
    return asMoney(ref).toDouble();
}

Date MemTable::asDate(FieldRef ref) const {
    const int column = readable(ref);
    if (m_fields[column].type() != FieldType::Date)
        throw readError(m_fields[column], FieldType::Date);
    const auto* date = std::get_if<Date>(&currentValue(column));
    return date ? *date : Date();
}

QByteArray MemTable::asBytes(FieldRef ref) const {
    const int column = readable(ref);
    if (m_fields[column].type() != FieldType::Blob)
        throw readError(m_fields[column], FieldType::Blob);
    const auto* bytes = std::get_if<QByteArray>(&currentValue(column));
    return bytes ? *bytes : QByteArray();
}

void MemTable::store(int column, FieldValue value) {
    m_rows.row(m_current)[column] = std::move(value);
    m_modified = true;
    const int row = m_current;
    notify([row](TableObserver& o) { o.rowChanged(row); });
}

template <typename Shown>
void MemTable::storeMoney(int column, std::optional<Money> value, Shown shown) {
    const std::optional<Money> stored = value ? value->toFieldValue() : std::nullopt;
    if (!stored)
        throw moneyRangeError(shown(), m_fields[column].name());
    store(column, *stored);
}

void MemTable::setInteger(FieldRef ref, qint32 value) {
    requireEditing();
    const int column = resolve(ref);
    switch (m_fields[column].type()) {
    case FieldType::Integer:
        store(column, value);
        break;
    case FieldType::Money:
        storeMoney(column, Money::fromUnits(qint64{value} * Money::UnitsPerWhole),
                   [value] { return QString::number(value); });
        break;
    default:
        throw writeError(m_fields[column], FieldType::Integer);
    }
}

void MemTable::setString(FieldRef ref, const QString& value) {
    requireEditing();
    const int column = resolve(ref);
    const Field& def = m_fields[column];
    if (def.type() == FieldType::Text) {
        store(column, value.size() > def.size() ? value.left(def.size()) : value);
    } else if (def.type() == FieldType::Integer) {
        if (value.isEmpty()) {
            store(column, std::monostate());
            return;
        }
        const std::optional<qint32> number = parseInt32(value);
        if (!number)
            throw invalidIntegerError(value, def.name());
        store(column, *number);
    } else {
        throw writeError(def, FieldType::Text);
    }
}

void MemTable::setMoney(FieldRef ref, Money value) {
    requireEditing();
    const int column = resolve(ref);
    if (m_fields[column].type() != FieldType::Money)
        throw writeError(m_fields[column], FieldType::Money);
    storeMoney(column, value, [value] { return NumberFormat().format(value); });
}

void MemTable::setFloat(FieldRef ref, double value) {
    requireEditing();
    const int column = resolve(ref);
    if (m_fields[column].type() != FieldType::Money)
        throw writeError(m_fields[column], FieldType::Money);
    storeMoney(column, Money::fromDouble(value), [value] { return NumberFormat().format(value); });
}

void MemTable::setDate(FieldRef ref, Date value) {
    requireEditing();
    const int column = resolve(ref);
    if (m_fields[column].type() != FieldType::Date)
        throw writeError(m_fields[column], FieldType::Date);
    store(column, value);
}

void MemTable::setBytes(FieldRef ref, const QByteArray& value) {
    requireEditing();
    const int column = resolve(ref);
    if (m_fields[column].type() != FieldType::Blob)
        throw writeError(m_fields[column], FieldType::Blob);
    store(column, value);
}

void MemTable::setNull(FieldRef ref) {
    requireEditing();
    store(resolve(ref), std::monostate());
}

const FieldValue& MemTable::value(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= fieldCount())
        return NullValue;
    return m_rows.row(row)[column];
}

QString MemTable::displayText(int row, int column) const {
    if (column < 0 || column >= fieldCount())
        return {};
    return m_fields[column].displayText(value(row, column));
}

QString MemTable::editText(int row, int column) const {
    if (column < 0 || column >= fieldCount())
        return {};
    return m_fields[column].editText(value(row, column));
}

void MemTable::disableControls() {
    ++m_disabledCount;
}

void MemTable::enableControls() {
    if (m_disabledCount == 0)
        return;
    if (--m_disabledCount == 0)
        notify([](TableObserver& o) { o.controlsEnabled(); });
}

void MemTable::addObserver(TableObserver* observer) {
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void MemTable::removeObserver(TableObserver* observer) {
    std::erase(m_observers, observer);
}

} // namespace plataforma
