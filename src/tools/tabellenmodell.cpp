#include "tools/tabellenmodell.h"

#include <algorithm>

namespace kolvar {

Tabellenmodell::Tabellenmodell(QObject* parent) : QAbstractTableModel(parent) {}

QString Tabellenmodell::einzeilig(const QString& text)
{
    if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString s = text;
    for (QChar& c : s)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return s;
}

void Tabellenmodell::setGroesse(int zeilen, int spalten)
{
    zeilen = std::clamp(zeilen, kMinGroesse, kMaxZeilen);
    spalten = std::clamp(spalten, kMinGroesse, kMaxSpalten);
    if (zeilen == m_zeilen && spalten == m_spalten)
        return;

    if (zeilen < m_zeilen) {
        beginRemoveRows({}, zeilen, m_zeilen - 1);
        m_zellen.erase(m_zellen.lower_bound(schluessel(0, zeilen)), m_zellen.end());
        m_zeilen = zeilen;
        endRemoveRows();
    }
    if (spalten < m_spalten) {
        beginRemoveColumns({}, spalten, m_spalten - 1);
        for (int z = 0; z < m_zeilen; ++z)
            m_zellen.erase(m_zellen.lower_bound(schluessel(spalten, z)), m_zellen.lower_bound(schluessel(0, z + 1)));
        m_spalten = spalten;
        endRemoveColumns();
    }
    if (zeilen > m_zeilen) {
        beginInsertRows({}, m_zeilen, zeilen - 1);
        m_zeilen = zeilen;
        endInsertRows();
    }
    if (spalten > m_spalten) {
        beginInsertColumns({}, m_spalten, spalten - 1);
        m_spalten = spalten;
        endInsertColumns();
    }
}

QString Tabellenmodell::wert(int spalte, int zeile) const
{
    if (!imRaster(spalte, zeile))
        return {};
    const auto it = m_zellen.find(schluessel(spalte, zeile));
    return it == m_zellen.end() ? QString() : it->second.wert;
}

QString Tabellenmodell::formel(int spalte, int zeile) const
{
    if (!imRaster(spalte, zeile))
        return {};
    const auto it = m_zellen.find(schluessel(spalte, zeile));
    return it == m_zellen.end() ? QString() : it->second.formel;
}

bool Tabellenmodell::leer(const QString& text)
{
    for (QChar c : text)
        if (c != u' ' && c != u'\t')
            return false;
    return true;
}

QString Tabellenmodell::eingabe(int spalte, int zeile) const
{
    const QString f = formel(spalte, zeile);
    return leer(f) ? wert(spalte, zeile) : f;
}

void Tabellenmodell::setze(int spalte, int zeile, const QString& text, QString Zelle::*ebene)
{
    if (!imRaster(spalte, zeile))
        return;
    const std::uint64_t k = schluessel(spalte, zeile);
    auto it = m_zellen.find(k);
    if (it == m_zellen.end()) {
        if (text.isEmpty())
            return;
        it = m_zellen.emplace(k, Zelle{}).first;
    }
    it->second.*ebene = einzeilig(text);
    if (it->second.wert.isEmpty() && it->second.formel.isEmpty())
        m_zellen.erase(it);
}

void Tabellenmodell::endSammeln()
{
    if (m_sammeln == 0 || --m_sammeln > 0 || !m_gesammelt)
        return;
    m_gesammelt = false;
    emit dataChanged(index(0, 0), index(m_zeilen - 1, m_spalten - 1));
    emit headerDataChanged(Qt::Horizontal, 0, m_spalten - 1);
    emit headerDataChanged(Qt::Vertical, 0, m_zeilen - 1);
}

void Tabellenmodell::geaendert(int spalte, int zeile)
{
    if (m_sammeln > 0) {
        m_gesammelt = true;
        return;
    }
    const QModelIndex i = index(zeile, spalte);
    emit dataChanged(i, i);
    if (zeile == 0)
        emit headerDataChanged(Qt::Horizontal, spalte, spalte);
    if (spalte == 0)
        emit headerDataChanged(Qt::Vertical, zeile, zeile);
}

void Tabellenmodell::setWert(int spalte, int zeile, const QString& text)
{
    if (!imRaster(spalte, zeile) || wert(spalte, zeile) == text)
        return;
    setze(spalte, zeile, text, &Zelle::wert);
    geaendert(spalte, zeile);
}

void Tabellenmodell::setFormel(int spalte, int zeile, const QString& text)
{
    setze(spalte, zeile, text, &Zelle::formel);
}

void Tabellenmodell::leeren(int spalte, int zeile)
{
    if (!imRaster(spalte, zeile))
        return;
    const bool sichtbar = !wert(spalte, zeile).isEmpty();
    m_zellen.erase(schluessel(spalte, zeile));
    if (sichtbar)
        geaendert(spalte, zeile);
}

void Tabellenmodell::leeren(int links, int oben, int rechts, int unten)
{
    links = std::max(links, 1);
    oben = std::max(oben, 1);
    rechts = std::min(rechts, m_spalten - 1);
    unten = std::min(unten, m_zeilen - 1);
    if (links > rechts || oben > unten)
        return;
    for (int z = oben; z <= unten; ++z)
        m_zellen.erase(m_zellen.lower_bound(schluessel(links, z)), m_zellen.upper_bound(schluessel(rechts, z)));
    if (m_sammeln > 0)
        m_gesammelt = true;
    else
        emit dataChanged(index(oben, links), index(unten, rechts));
}

void Tabellenmodell::setEbene(Ebene ebene, const std::vector<QStringList>& rows)
{
    QString Zelle::*feld = ebene == Ebene::Wert ? &Zelle::wert : &Zelle::formel;
    for (auto it = m_zellen.begin(); it != m_zellen.end();) {
        (it->second.*feld).clear();
        if (it->second.wert.isEmpty() && it->second.formel.isEmpty())
            it = m_zellen.erase(it);
        else
            ++it;
    }
    const int zeilen = std::min(int(rows.size()), m_zeilen);
    for (int z = 0; z < zeilen; ++z) {
        const int spalten = std::min(int(rows[std::size_t(z)].size()), m_spalten);
        for (int s = 0; s < spalten; ++s)
            setze(s, z, rows[std::size_t(z)][s], feld);
    }
    if (ebene == Ebene::Wert) {
        beginSammeln();
        m_gesammelt = true;
        endSammeln();
    }
}

void Tabellenmodell::fuerGefuellte(const std::function<void(int, int)>& f) const
{
    // Row 0 and column 0 are headers, never data.
    for (auto it = m_zellen.lower_bound(schluessel(1, 1)); it != m_zellen.end();) {
        const int zeile = int(it->first >> 32);
        const int spalte = int(it->first & 0xFFFFFFFFu);
        // The cell may be emptied (and so leave the map) by f.
        const std::uint64_t naechster = it->first + 1;
        if (spalte >= 1)
            f(spalte, zeile);
        it = m_zellen.lower_bound(naechster);
    }
}

void Tabellenmodell::fuerGefuellteInZeile(int zeile, int vonSpalte, int bisSpalte,
                                          const std::function<void(int)>& f) const
{
    if (zeile < 0 || zeile >= m_zeilen)
        return;
    vonSpalte = std::max(vonSpalte, 0);
    bisSpalte = std::min(bisSpalte, m_spalten - 1);
    for (auto it = m_zellen.lower_bound(schluessel(vonSpalte, zeile));
         it != m_zellen.end() && it->first <= schluessel(bisSpalte, zeile);) {
        const std::uint64_t naechster = it->first + 1;
        f(int(it->first & 0xFFFFFFFFu));
        it = m_zellen.lower_bound(naechster);
    }
}

int Tabellenmodell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

int Tabellenmodell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_spalten;
}

QVariant Tabellenmodell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return wert(index.column(), index.row());
    case Qt::EditRole:
        return eingabe(index.column(), index.row());
    default:
        return {};
    }
}

QVariant Tabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? wert(section, 0) : wert(0, section);
}

Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !istDatenzelle(index.column(), index.row()))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool Tabellenmodell::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !istDatenzelle(index.column(), index.row()))
        return false;
    setWert(index.column(), index.row(), value.toString());
    return true;
}

} // namespace kolvar
