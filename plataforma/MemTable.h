#pragma once

#include "Field.h"
#include "FieldRef.h"
#include "FieldValue.h"
#include "RowStore.h"

#include <QFlags>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace plataforma {

class TableObserver;

// An in-memory table: named typed fields, rows in the order they were
// appended, and a current-row cursor. Views observe it and never own it.
//
// Every cursor movement first settles a pending edit: a changed row is posted,
// an unchanged one is cancelled. Operations on a closed table throw Exception;
// the queries (isOpen, state, rowCount, isEmpty, eof, bof, recNo, currentRow,
// fields) answer as for an empty table.
class MemTable {
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class LocateOption { CaseInsensitive = 0x1, PartialKey = 0x2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)
    using Hook = std::function<void(MemTable&)>;

    explicit MemTable(QString name = {});
    ~MemTable();
    MemTable(const MemTable&) = delete;
    MemTable& operator=(const MemTable&) = delete;

    const QString& name() const { return m_name; }

    // Fields are defined while the table is closed.
    Field& addField(const QString& name, FieldType type, int size = 0);
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const Field& field(FieldRef ref) const;
    Field& field(FieldRef ref);
    // -1 when no field has that name.
    int fieldIndex(QAnyStringView name) const;

    void open();
    // Drops every row, a pending edit included.
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }

    int rowCount() const;
    bool isEmpty() const { return rowCount() == 0; }
    // 0-based; -1 when there is no current row.
    int currentRow() const { return m_current; }
    // 1-based; 0 when there is no current row.
    int recNo() const { return m_current + 1; }
    // Set when a move went past the last (first) row, or the table is empty.
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }

    void first();
    void prior();
    void next();
    void last();
    void moveTo(int row);
    // Moves to the first row, in table order, whose field matches; when none
    // does the cursor stays where it was and the answer is false. With
    // PartialKey only as many leading characters as the value has are
    // compared; CaseInsensitive ignores case.
    bool locate(FieldRef field, const QString& value, LocateOptions options = {});

    // Adds an empty row at the end and makes it current, in Insert state. The
    // new-record hook runs first; if it throws, the row is discarded unseen,
    // the cursor stays where it was, and the exception goes on.
    void append();
    // Puts the current row in Edit state; on an empty table, appends instead.
    void edit();
    // Posting or cancelling a row that is not being edited does nothing.
    void post();
    void cancel();
    bool isModified() const { return m_modified; }

    // Reads of the current row. An empty field, or an empty table, reads as 0,
    // the empty text, the date zero or no bytes.
    bool isNull(FieldRef field) const;
    qint32 asInteger(FieldRef field) const;
    QString asString(FieldRef field) const;
    Money asMoney(FieldRef field) const;
    double asFloat(FieldRef field) const;
    Date asDate(FieldRef field) const;
    QByteArray asBytes(FieldRef field) const;

    // Writes to the current row, which must be in Edit or Insert state. Texts
    // are cut to the field's size; money is rounded to hundredths and must fit
    // 9 digits before the point. setString on an integer field reads the text
    // by the whole-number rule (empty text makes the field null).
    void setInteger(FieldRef field, qint32 value);
    void setString(FieldRef field, const QString& value);
    void setMoney(FieldRef field, Money value);
    void setFloat(FieldRef field, double value);
    void setDate(FieldRef field, Date value);
    void setBytes(FieldRef field, const QByteArray& value);
    void setNull(FieldRef field);

    // Any row, for views; row and field are 0-based positions.
    const FieldValue& value(int row, int field) const;
    QString displayText(int row, int field) const;
    QString editText(int row, int field) const;

    // Called when a row is about to be added; it may refuse by throwing.
    void setNewRecordHook(Hook hook) { m_newRecordHook = std::move(hook); }
    // Called after the cursor has moved to another row.
    void setAfterScrollHook(Hook hook) { m_afterScrollHook = std::move(hook); }

    // Suspends attached views; calls nest.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabledCount > 0; }

    void addObserver(TableObserver* observer);
    void removeObserver(TableObserver* observer);

private:
    void requireOpen() const;
    void requireEditing() const;
    int resolve(FieldRef ref) const;
    int readable(FieldRef ref) const;
    const FieldValue& currentValue(int field) const;
    void store(int field, FieldValue value);
    // shown() gives the value's text for the error message.
    template <typename Shown> void storeMoney(int field, std::optional<Money> value, Shown shown);
    void checkBrowseMode();
    void finishPost();
    void scrollTo(int row);
    template <typename Call> void notify(Call call);

    QString m_name;
    std::vector<Field> m_fields;
    // Each field's name in bytes when it is plain ASCII, else empty.
    std::vector<QByteArray> m_asciiNames;
    RowStore m_rows;
    // The current row as it was before edit(), to restore on cancel().
    std::vector<FieldValue> m_saved;
    State m_state = State::Inactive;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    bool m_modified = false;
    bool m_inNewRecordHook = false;
    int m_rowBeforeInsert = -1;
    int m_disabledCount = 0;
    Hook m_newRecordHook;
    Hook m_afterScrollHook;
    std::vector<TableObserver*> m_observers;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MemTable::LocateOptions)

} // namespace plataforma
