#pragma once
// The program's in-memory table over a ".cds" file: field definitions, rows
// of text values and one cursor, in the way the formula collection, its
// editor, the value tables and the unit conversion walk and change them.
//
// Order. The rows are kept in the order of the active index (the fields
// named by setIndexFieldNames): numbers (i4, r8) compare as numbers,
// booleans FALSE before TRUE, texts by character code with only A to Z
// folded to a to z; an empty (null) value comes first. Records with equal
// keys keep their relative order: loading and changing the index sort
// stably, and a posted record whose key changed moves the shortest way to a
// place where its key fits, so it never jumps over records whose key equals
// its own. Thus a record inserted at a record with the same key stays in
// front of it, and two neighbours that exchange their numbers exchange their
// places. Without an index the rows stay in file order.
//
// Values. Every value is text; an empty text is a null field. Numbers are
// kept in a normal form (see normalizeFieldValue): whole numbers plain,
// floats in the shortest "."-form ("9.81", "1", "1e+20"), and that is what
// value() returns; asInteger and asFloat read them as numbers. A value the
// field cannot hold (not a number, longer than the width) is refused, never
// cut.
//
// Files. open() reads the XML data packet completely before it replaces
// anything. A missing, unreadable, binary or damaged file is refused with a
// German message naming it (errorString()); the table then stays closed, is
// never written back, and an existing file that failed to load is never
// overwritten by saveToFile either. close() writes a changed table back to
// the file it was loaded from (or last saved to under its own file name);
// every save goes through a temporary file that replaces the old one only
// when complete.
#include "platform/datapacket.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kolvar {

class DataTable : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum LocateOption { CaseSensitive = 0, CaseInsensitive = 1 };
    using Hook = std::function<void(DataTable&)>;

    explicit DataTable(QObject* parent = nullptr);
    // Does not write back: owners close their tables explicitly.
    ~DataTable() override;

    // --- files -------------------------------------------------------------
    void setFileName(const QString& file) { m_fileName = file; }
    QString fileName() const { return m_fileName; }
    // Loads fileName(); an open table is closed first (with write-back).
    bool open();
    bool open(const QString& file);
    // Posts a pending edit, writes back when changed, then drops fields and
    // rows. False (table left open) only when the write-back failed.
    bool close();
    bool saveToFile(const QString& file);
    // Loads a packet from memory; such a table has no file to write back to.
    bool loadFromData(const QByteArray& bytes, const QString& nameForMessages);
    QByteArray saveToData();
    // An empty open table with these fields. False for invalid or duplicate
    // names. The stored index definitions and the index field names stay.
    bool createDataSet(const QList<FieldDef>& fields);
    // Fields that a file must define for open() to accept it (the fixed
    // layout an owner relies on); names a-z case-insensitive.
    void setRequiredFields(const QStringList& names) { m_required = names; }
    QString errorString() const { return m_error; }

    bool isActive() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    // The table differs from its file (posted or deleted records).
    bool hasChanges() const { return m_changed; }
    // The record being edited or inserted was written to.
    bool isModified() const { return m_modified; }

    // --- fields ------------------------------------------------------------
    int fieldCount() const { return int(m_data.fields.size()); }
    const QList<FieldDef>& fieldDefs() const { return m_data.fields; }
    QString fieldName(int pos) const;
    // Position of the field, names matched a-z case-insensitively; -1 if none.
    int fieldIndex(const QString& name) const;

    // Values of the current record (the edit buffer while editing). Unknown
    // fields and an empty table read as empty.
    QString value(int pos) const;
    QString value(const QString& name) const;
    bool isNull(const QString& name) const { return value(name).isEmpty(); }
    // 0 and ok = false when the value is empty or no whole number; floats
    // are rounded to the nearest whole number.
    int asInteger(int pos, bool* ok = nullptr) const;
    int asInteger(const QString& name, bool* ok = nullptr) const;
    // Texts are read with "." or "," as the decimal separator.
    double asFloat(int pos, bool* ok = nullptr) const;
    double asFloat(const QString& name, bool* ok = nullptr) const;
    // Value of any row by its position in index order (0-based), for grids;
    // the current row shows the edit buffer.
    QString valueAt(int row, int pos) const;

    // Writes into the edit buffer; needs state Edit or Insert. False (and
    // nothing changed) for an unknown field or a value the field refuses.
    bool setValue(int pos, const QString& text);
    bool setValue(const QString& name, const QString& text);
    bool setInteger(const QString& name, int value);
    bool setFloat(const QString& name, double value);

    // --- index -------------------------------------------------------------
    // ";"-separated field names; empty = file order. On an open table the
    // rows are re-sorted at once and the cursor stays on its record; false
    // (nothing changed) when a name is unknown. Before open() the names are
    // checked when the file is loaded.
    bool setIndexFieldNames(const QString& names);
    QString indexFieldNames() const { return m_indexNames; }
    // Stored index definitions, written with the table. Loading a file that
    // carries INDEXDEFS replaces them; one without keeps these.
    void setIndexDefs(const QList<IndexDef>& defs) { m_data.indexDefs = defs; }
    QList<IndexDef> indexDefs() const { return m_data.indexDefs; }

    // --- cursor ------------------------------------------------------------
    // Moving posts a modified record being edited or inserted and drops an
    // unmodified inserted one. first() sets bof, last() sets eof; next() on
    // the last record and prior() on the first stay and set eof / bof.
    void first();
    void last();
    void next();
    void prior();
    // Moves up to n records (negative: backwards); returns how many it moved.
    int moveBy(int n);
    bool eof() const;
    bool bof() const;
    bool isEmpty() const { return m_data.rows.empty(); }
    int recordCount() const { return int(m_data.rows.size()); }
    // 1-based position of the current record in index order; 0 when empty.
    int recNo() const;
    bool setRecNo(int recNo);

    // Goes to the first record (in index order) whose fields, named
    // ";"-separated, equal the values. Numbers compare as numbers, texts
    // exactly or a-z case-insensitively. False: the cursor stays.
    bool locate(const QString& keyFields, const QStringList& values,
                LocateOption option = CaseSensitive);
    bool locate(const QString& keyField, const QString& value, LocateOption option = CaseSensitive)
    {
        return locate(keyField, QStringList{value}, option);
    }
    // Goes to the first record whose leading index fields equal the values
    // (compared as the index compares them). False: the cursor stays.
    bool findKey(const QStringList& values);

    // --- editing -----------------------------------------------------------
    // insert() opens an empty record in front of the current one, append()
    // one after the last; both run the before-insert hook first and the
    // after-insert hook last. False on a closed table.
    bool insert();
    bool append();
    // False on a closed or empty table.
    bool edit();
    // Stores the edit buffer and moves the record to its place in the index.
    bool post();
    void cancel();
    // Deletes the current record (or drops the one being inserted); the
    // cursor moves to the following record, or to the new last one.
    bool deleteRecord();

    void setBeforeInsert(Hook hook) { m_beforeInsert = std::move(hook); }
    void setAfterInsert(Hook hook) { m_afterInsert = std::move(hook); }

    // Bound controls do not follow the table while disabled; calls nest.
    // The last enable sends one dataChanged when anything happened meanwhile.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disabled > 0; }

signals:
    // The current record, its values, the state or the whole table changed.
    void dataChanged();

private:
    bool fail(const QString& message);
    void notify();
    bool loadPacket(DataPacket&& packet, const QString& nameForMessages);
    void becomeClosed();
    bool writeTo(const QString& file);
    void checkBrowseMode();
    bool startInsert(bool atEnd);
    bool resolveKeys(const QString& names, std::vector<int>& keys) const;
    int compareRows(const QStringList& a, const QStringList& b) const;
    int placeFor(const QStringList& record, int gap) const;
    std::vector<int> sortedOrder() const;
    int sortRows(int follow);
    const QStringList* currentRecord() const;
    bool keyChanged(const QStringList& before, const QStringList& after) const;
    static QString absolutePath(const QString& file);

    DataPacket m_data;
    QString m_fileName;
    QString m_error;
    QStringList m_required;
    QString m_indexNames;
    std::vector<int> m_keys;
    State m_state = State::Inactive;

    int m_cur = -1;
    bool m_bof = true;
    bool m_eof = true;
    QStringList m_buffer;
    int m_insertPos = -1;
    bool m_modified = false;

    bool m_changed = false;
    QString m_writeBackPath; // the file whose content the table holds
    QString m_refusedPath;   // an existing file that failed to load
    int m_disabled = 0;
    bool m_pendingNotify = false;
    Hook m_beforeInsert;
    Hook m_afterInsert;
};

} // namespace kolvar
