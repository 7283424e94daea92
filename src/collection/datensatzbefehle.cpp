#include "collection/datensatzbefehle.h"

#include "platform/datatable.h"
#include "platform/seams.h"

#include <algorithm>

using kolvar::DataTable;

namespace {

const QString kMyNr = QStringLiteral("myNr");
const QString kNr = QStringLiteral("nr");

// The two numbering fields close every formula record; copies leave them out.
constexpr int kNummernfelder = 2;

void fehler(const QString& text)
{
    kolvar::showMessage(text, kolvar::MessageIcon::Error);
}

} // namespace

QString feldfehler(const DataTable& tabelle, int pos)
{
    QString text = tabelle.errorString();
    const QString name = tabelle.fieldName(pos);
    if (!name.isEmpty() && !text.contains(name))
        text += QStringLiteral(" (Feld %1)").arg(name);
    return text;
}

Datensatzbefehle::Datensatzbefehle(DataTable& formeln, DataTable* groessen)
    : m_formeln(formeln), m_groessen(groessen), m_puffer(kPufferfelder)
{
}

// What is being typed into a record belongs to it before a command acts.
void Datensatzbefehle::abschliessen()
{
    const DataTable::State s = m_formeln.state();
    if (s != DataTable::State::Edit && s != DataTable::State::Insert)
        return;
    if (m_formeln.isModified())
        m_formeln.post();
    else
        m_formeln.cancel();
}

bool Datensatzbefehle::einfuegenLeer()
{
    if (!m_formeln.insert()) {
        fehler(m_formeln.errorString());
        return false;
    }
    // The data module's insert event posts the new record at once; a table
    // without it gets the record posted here, empty.
    if (m_formeln.state() == DataTable::State::Insert)
        m_formeln.post();
    return true;
}

bool Datensatzbefehle::neuerDatensatz()
{
    abschliessen();
    return einfuegenLeer() && reorganisieren();
}

bool Datensatzbefehle::ersteFelderSchreiben(const QStringList& texte)
{
    if (!m_formeln.edit()) {
        fehler(m_formeln.errorString());
        return false;
    }
    for (int i = 0; i < texte.size(); ++i) {
        if (!m_formeln.setValue(i, texte[i])) {
            const QString text = feldfehler(m_formeln, i);
            m_formeln.cancel();
            fehler(text);
            return false;
        }
    }
    return m_formeln.post();
}

bool Datensatzbefehle::duplizieren()
{
    abschliessen();
    if (!m_formeln.isActive() || m_formeln.isEmpty())
        return false;
    QStringList texte;
    for (int i = 0; i < m_formeln.fieldCount() - kNummernfelder; ++i)
        texte << m_formeln.value(i);
    if (!einfuegenLeer())
        return false;
    const bool geschrieben = ersteFelderSchreiben(texte);
    // Renumbered in any case: the inserted record shares its number.
    return reorganisieren() && geschrieben;
}

void Datensatzbefehle::kopieren()
{
    abschliessen();
    m_puffer = QStringList(std::max(kPufferfelder, m_formeln.fieldCount()));
    for (int i = 0; i < m_formeln.fieldCount(); ++i)
        m_puffer[i] = m_formeln.value(i);
}

bool Datensatzbefehle::einfuegen()
{
    abschliessen();
    if (!einfuegenLeer())
        return false;
    QStringList texte;
    for (int i = 0; i < m_formeln.fieldCount() - kNummernfelder; ++i)
        texte << m_puffer.value(i);
    const bool geschrieben = ersteFelderSchreiben(texte);
    return reorganisieren() && geschrieben;
}

bool Datensatzbefehle::ausfuellen(const QString& feld, const QString& daten, int anzahl, bool nachOben)
{
    if (anzahl < 0)
        return false;
    abschliessen();
    const int pos = m_formeln.fieldIndex(feld);
    if (pos < 0) {
        fehler(QStringLiteral("Feld %1 nicht gefunden.").arg(feld));
        return false;
    }
    if (!m_formeln.isActive() || m_formeln.isEmpty())
        return false;
    // The current record and anzahl more; each is posted before the next,
    // so a refused value leaves the ones before it filled.
    for (qint64 i = 0; i <= anzahl; ++i) {
        m_formeln.edit();
        if (!m_formeln.setValue(pos, daten)) {
            const QString text = feldfehler(m_formeln, pos);
            m_formeln.cancel();
            fehler(text);
            return false;
        }
        m_formeln.post();
        // At the end of the table the remaining repetitions would write the
        // same value into the same record again.
        if (m_formeln.moveBy(nachOben ? -1 : 1) == 0)
            break;
    }
    return true;
}

bool Datensatzbefehle::verschiebenNachUnten()
{
    abschliessen();
    if (!m_formeln.isActive() || m_formeln.isEmpty() || m_formeln.recNo() >= m_formeln.recordCount())
        return false;
    if (m_formeln.fieldIndex(kMyNr) < 0) {
        fehler(QStringLiteral("Feld %1 nicht gefunden.").arg(kMyNr));
        return false;
    }
    // The two neighbours exchange their numbers; the index then exchanges
    // their places, and the cursor follows the record it stood on.
    const int a = m_formeln.asInteger(kMyNr);
    m_formeln.next();
    const int b = m_formeln.asInteger(kMyNr);
    m_formeln.edit();
    m_formeln.setInteger(kMyNr, a);
    m_formeln.post();
    m_formeln.prior();
    m_formeln.edit();
    m_formeln.setInteger(kMyNr, b);
    return m_formeln.post();
}

bool Datensatzbefehle::verschiebenNachOben()
{
    abschliessen();
    if (!m_formeln.isActive() || m_formeln.isEmpty() || m_formeln.recNo() <= 1)
        return false;
    m_formeln.prior();
    const bool ok = verschiebenNachUnten();
    m_formeln.prior();
    return ok;
}

bool Datensatzbefehle::reorganisieren()
{
    abschliessen();
    if (!m_formeln.isActive())
        return false;
    for (const QString& feld : {kMyNr, kNr}) {
        const int pos = m_formeln.fieldIndex(feld);
        if (pos < 0) {
            fehler(QStringLiteral("Feld %1 nicht gefunden.").arg(feld));
            return false;
        }
        // Numbers in a text field sort as texts ("10" before "9"), and the
        // walk in their order would scramble the records.
        const kolvar::FieldType typ = m_formeln.fieldDefs().at(pos).type;
        if (typ != kolvar::FieldType::Integer && typ != kolvar::FieldType::Float) {
            fehler(QStringLiteral("Das Feld %1 ist kein Zahlenfeld; die Datensätze werden nicht neu nummeriert.")
                       .arg(feld));
            return false;
        }
    }
    if (hinweis)
        hinweis(true);
    const int gemerkt = m_formeln.asInteger(kMyNr);
    const int anzahl = m_formeln.recordCount();
    QString meldung;
    // Each pass writes a field the order of its walk does not depend on:
    // first "nr" in "myNr" order, then "myNr" in "nr" order.
    auto durchgang = [&](const QString& ordnung, const QString& feld) {
        m_formeln.setIndexFieldNames(ordnung);
        m_formeln.first();
        for (int i = 0; i < anzahl; ++i) {
            m_formeln.edit();
            if (!m_formeln.setInteger(feld, i)) {
                meldung = feldfehler(m_formeln, m_formeln.fieldIndex(feld));
                m_formeln.cancel();
                return false;
            }
            m_formeln.next();
        }
        return true;
    };
    m_formeln.disableControls();
    const bool ok = durchgang(kMyNr, kNr) && durchgang(kNr, kMyNr);
    m_formeln.setIndexFieldNames(kMyNr);
    m_formeln.enableControls();
    if (hinweis)
        hinweis(false);
    m_formeln.locate(kMyNr, QString::number(gemerkt));
    if (!ok)
        fehler(meldung);
    return ok;
}

QStringList Datensatzbefehle::variablen()
{
    QStringList texte(kGroessenfelder);
    for (int k = 1; k <= kGroessenfelder; ++k) {
        const QString nummer = m_formeln.value(QStringLiteral("M%1").arg(k)).trimmed();
        if (nummer.isEmpty())
            break;
        bool ganz = false;
        const int nr = nummer.toInt(&ganz);
        if (!ganz || !m_groessen || !m_groessen->findKey({QString::number(nr)}))
            continue;
        texte[k - 1] = (k == 1 ? QStringLiteral("Ergebnis:") : QString())
                       + m_groessen->value(QStringLiteral("RECHENVARI"));
    }
    return texte;
}

bool Datensatzbefehle::speichern(DataTable& tabelle, const QString& datei)
{
    if (tabelle.saveToFile(datei))
        return true;
    fehler(tabelle.errorString());
    return false;
}
