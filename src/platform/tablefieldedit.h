#pragma once
// Edits bound to one field of a DataTable: they show the field of the
// table's current record and follow every change of the table; what the
// person types goes into the table's edit buffer at once (the record is put
// into edit state), so the table posts it when its cursor leaves the record
// or a navigator posts it. A text the field refuses (letters in a number
// field, more characters than the field holds) stays on screen while it is
// being typed, while the record keeps the value it had before; it is
// reported with the table's message when the edit or the record is left,
// and the edit then shows the field's value again.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include <functional>

namespace kolvar {

class DataTable;

// The binding both edits share; the control provides its text.
class TableFieldLink : public QObject {
    Q_OBJECT
public:
    TableFieldLink(QWidget* control, std::function<QString()> text,
                   std::function<void(const QString&)> show);

    // nullptr detaches: the edit is emptied, read-only, and follows nothing.
    void setTable(DataTable* table);
    DataTable* table() const { return m_table; }
    void setField(const QString& name);
    QString field() const { return m_field; }

    // The person changed the text.
    void typed();
    // The text the field refused, or empty.
    QString refusal() const { return m_refusal; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tableChanged();
    void leave();
    bool bound() const;

    QWidget* m_control;
    std::function<QString()> m_text;
    std::function<void(const QString&)> m_show;
    QPointer<DataTable> m_table;
    QString m_field;
    QString m_refusal;
    QString m_before;       // the field's value before the person typed
    bool m_typed = false; // typed since the edit was last left or the record posted
    bool m_writing = false;
    QMetaObject::Connection m_connection;
};

class TableFieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TableFieldEdit(QWidget* parent = nullptr);
    TableFieldLink& link() { return *m_link; }

private:
    TableFieldLink* m_link;
};

// A multi-line field (a memo). Its lines are stored with CR LF, as the
// table files carry them.
class TableFieldMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TableFieldMemo(QWidget* parent = nullptr);
    TableFieldLink& link() { return *m_link; }

private:
    TableFieldLink* m_link;
    bool m_showing = false;
};

} // namespace kolvar
