#include "platform/tablefieldedit.h"

#include "platform/datatable.h"
#include "platform/seams.h"

#include <QEvent>

namespace kolvar {

TableFieldLink::TableFieldLink(QWidget* control, std::function<QString()> text,
                               std::function<void(const QString&)> show)
    : QObject(control), m_control(control), m_text(std::move(text)), m_show(std::move(show))
{
    control->installEventFilter(this);
    tableChanged();
}

void TableFieldLink::setTable(DataTable* table)
{
    if (m_connection)
        disconnect(m_connection);
    m_table = table;
    m_refusal.clear();
    if (table)
        m_connection = connect(table, &DataTable::dataChanged, this, &TableFieldLink::tableChanged);
    tableChanged();
}

void TableFieldLink::setField(const QString& name)
{
    m_field = name;
    m_refusal.clear();
    tableChanged();
}

bool TableFieldLink::bound() const
{
    return m_table && m_table->isActive() && m_table->fieldIndex(m_field) >= 0 &&
           (!m_table->isEmpty() || m_table->state() == DataTable::State::Insert);
}

void TableFieldLink::typed()
{
    if (!bound())
        return;
    // The table's change signal would put the stored text back over what is
    // being typed.
    m_writing = true;
    m_typed = true;
    const bool ok = m_table->edit() && m_table->setValue(m_field, m_text());
    m_refusal = ok ? QString() : m_table->errorString();
    // A refused text leaves the field as it was before the typing began,
    // never with the beginning of it that was still accepted.
    if (!ok)
        m_table->setValue(m_field, m_before);
    m_writing = false;
}

void TableFieldLink::tableChanged()
{
    if (m_writing)
        return;
    const bool editing = m_table && (m_table->state() == DataTable::State::Edit ||
                                     m_table->state() == DataTable::State::Insert);
    if (!editing)
        m_typed = false;
    if (!m_refusal.isEmpty()) {
        if (editing)
            return; // still being typed; other fields of the record may change meanwhile
        // The record was posted or left while the text stood refused: say what
        // was not taken rather than drop it without a word.
        const QString refusal = m_refusal;
        m_refusal.clear();
        showMessage(refusal, MessageIcon::Error);
    }
    const bool on = bound();
    m_control->setProperty("readOnly", !on);
    QString value;
    if (on) {
        value = m_table->value(m_field);
        if (!m_typed)
            m_before = value;
        // Floats are kept with "." in the table; people here read and type ",".
        if (m_table->fieldDefs().value(m_table->fieldIndex(m_field)).type == FieldType::Float)
            value.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    if (m_text() != value)
        m_show(value);
}

void TableFieldLink::leave()
{
    if (!m_refusal.isEmpty()) {
        const QString refusal = m_refusal;
        m_refusal.clear();
        showMessage(refusal, MessageIcon::Error);
    }
    m_typed = false;
    // Shows the value as the table keeps it ("1,50" becomes "1,5").
    tableChanged();
}

bool TableFieldLink::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && event->type() == QEvent::FocusOut)
        leave();
    return QObject::eventFilter(watched, event);
}

TableFieldEdit::TableFieldEdit(QWidget* parent) : QLineEdit(parent)
{
    m_link = new TableFieldLink(
        this, [this] { return text(); },
        [this](const QString& value) { setText(value); });
    connect(this, &QLineEdit::textEdited, m_link, &TableFieldLink::typed);
}

TableFieldMemo::TableFieldMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    m_link = new TableFieldLink(
        this,
        [this] {
            QString t = toPlainText();
            t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            return t;
        },
        [this](const QString& value) {
            QString t = value;
            t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            m_showing = true;
            setPlainText(t);
            m_showing = false;
        });
    connect(this, &QPlainTextEdit::textChanged, m_link, [this] {
        if (!m_showing)
            m_link->typed();
    });
}

} // namespace kolvar
