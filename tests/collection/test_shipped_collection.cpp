// The formula collection below data/ as the program meets it: every table read
// by the table class, every calculation line run through the engine, every
// formula text typeset by the formula display's layout pass.
#include "collection/beispielseite.h"
#include "controls/markuplayout.h"
#include "data/tdatadlg.h"
#include "engine/numberformat.h"
#include "engine/tfktbaum.h"
#include "platform/datatable.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "support/testpaths.h"

#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using kolvar::DataTable;

namespace {

QString shipped(const QString& relative)
{
    return kolvar::programPath(testpaths::shippedData() + QStringLiteral("/"), relative);
}

// One table file read completely: field names and rows in the given index order.
struct Rows {
    QStringList fields;
    std::vector<QStringList> rows;
    QList<kolvar::FieldDef> defs;
    QList<kolvar::IndexDef> indexDefs;
    QString error;

    QString at(std::size_t row, const QString& field) const
    {
        const int pos = fields.indexOf(field);
        return pos < 0 ? QString() : rows[row].value(pos);
    }
};

Rows readTable(const QString& relative, const QString& index = QString())
{
    Rows out;
    DataTable t;
    if (!t.open(shipped(relative))) {
        out.error = t.errorString();
        return out;
    }
    if (!index.isEmpty())
        t.setIndexFieldNames(index);
    out.defs = t.fieldDefs();
    out.indexDefs = t.indexDefs();
    for (int f = 0; f < t.fieldCount(); ++f)
        out.fields.append(t.fieldName(f));
    for (int r = 0; r < t.recordCount(); ++r) {
        QStringList row;
        for (int f = 0; f < t.fieldCount(); ++f)
            row.append(t.valueAt(r, f));
        out.rows.push_back(row);
    }
    return out;
}

std::string str(const QString& s) { return s.toStdString(); }

// A line through the engine's line protocol; y receives a query's value.
bool send(Tfktbaum& list, const QString& line, long double* y = nullptr)
{
    std::string buffer = line.toStdString();
    long double value = 0;
    const bool ok = list.untersuche(buffer, value);
    if (y)
        *y = value;
    return ok;
}

// A value as a definition's right-hand side, with all the digits it holds.
QString engineNumber(long double v)
{
    return QString::fromStdString(kolvar::formatFloat("0.0000000000000000E+0", v));
}

// Monospaced metrics: the layout pass needs some, the checks need none in particular.
class FixedMeasurer : public kolvar::MarkupMeasurer {
public:
    int textWidth(QStringView text, const kolvar::MarkupFont& font) const override
    {
        return int(text.size()) * std::max(1, font.size / 2);
    }
    int textHeight(QStringView, const kolvar::MarkupFont& font) const override { return font.size + 4; }
};

// The diagnostics of the layout pass, as text for a failure message.
QString layoutFaults(const QString& markup)
{
    FixedMeasurer m;
    const kolvar::MarkupLayout layout = kolvar::layoutMarkup(markup, m, kolvar::MarkupFont{14}, QPoint(20, 20));
    QStringList faults;
    for (const auto& d : layout.diagnostics)
        faults.append(kolvar::describeMarkupDiagnostic(d));
    for (const auto& d : kolvar::checkMarkup(markup))
        faults.append(kolvar::describeMarkupDiagnostic(d));
    return faults.join(QStringLiteral("; "));
}

// An engine name the calculation can use: a letter, then letters and digits,
// never read as a number ("E" followed only by digits or signs).
bool isEngineName(const QString& name)
{
    static const QRegularExpression word(QStringLiteral("^[A-Z][A-Z0-9]{0,19}$"));
    static const QRegularExpression number(QStringLiteral("^E[0-9+-]*$"));
    return word.match(name).hasMatch() && !number.match(name).hasMatch();
}

struct Quantity {
    QString groesse, symbol, einheit, ableitung, nameeinhei, datei, var, konstante;
};

struct Collection {
    Rows formulas, quantities, groups, tables;
    std::map<int, Quantity> byNr;

    Collection()
    {
        formulas = readTable(QStringLiteral("daten\\kolvar.cds"), QStringLiteral("myNr"));
        quantities = readTable(QStringLiteral("daten\\groessen.cds"), QStringLiteral("NR"));
        groups = readTable(QStringLiteral("daten\\umrechnu.cds"));
        tables = readTable(QStringLiteral("daten\\tabelle.cds"));
        for (std::size_t r = 0; r < quantities.rows.size(); ++r) {
            const auto v = [&](const char* f) { return quantities.at(r, QString::fromLatin1(f)); };
            byNr[v("NR").toInt()] = {v("GROESSE"), v("SYMBOL"), v("EINHEIT"), v("ABLEITUNG"),
                                     v("NAMEEINHEI"), v("DATEI"), v("RECHENVARI"), v("KONSTANTE")};
        }
    }

    // The quantity numbers of a formula record: the leading non-empty M fields.
    std::vector<int> numbers(std::size_t row) const
    {
        std::vector<int> out;
        for (int k = 1; k <= 9; ++k) {
            const QString m = formulas.at(row, QStringLiteral("M%1").arg(k));
            if (m.isEmpty())
                break;
            out.push_back(m.toInt());
        }
        return out;
    }

    // Rows of each formula: consecutive records with equal INHALT.
    std::vector<std::vector<std::size_t>> formulaRuns() const
    {
        std::vector<std::vector<std::size_t>> runs;
        for (std::size_t r = 0; r < formulas.rows.size(); ++r) {
            if (runs.empty() || formulas.at(r, QStringLiteral("INHALT")) != formulas.at(runs.back()[0], QStringLiteral("INHALT")))
                runs.emplace_back();
            runs.back().push_back(r);
        }
        return runs;
    }

    QString where(std::size_t row) const
    {
        return formulas.at(row, QStringLiteral("INHALT")) + QStringLiteral(": ") + formulas.at(row, QStringLiteral("KOLVAR"));
    }
};

const Collection& collection()
{
    static const Collection c;
    return c;
}

// The calculation-window lines of a worked example: given values, the
// calculation line and the query.
QStringList exampleLines(const QString& beispiel)
{
    for (const QString& line : beispiel.split(QRegularExpression(QStringLiteral("\r?\n")))) {
        if (line.startsWith(QStringLiteral("Rechenfenster: "))) {
            QStringList parts = line.mid(15).split(QLatin1Char(';'));
            for (QString& p : parts)
                p = p.trimmed();
            return parts;
        }
    }
    return {};
}


// The value the worked example states as its result: the number after the
// last " = " of the "Lösung:" line as a whole number of units of its last
// digit ("1,9805·10²⁰" is 19805 units of 10¹⁶, "133530" 13353 units of 10¹).
struct StatedResult {
    long double units = 0;
    int place = 0;
};

bool statedResult(const QString& beispiel, StatedResult& out)
{
    static const QRegularExpression number(
        QStringLiteral("^(-?)(\\d+)(?:,(\\d+))?(?:·10([⁻⁰¹²³⁴⁵⁶⁷⁸⁹]+))?"));
    for (const QString& line : beispiel.split(QRegularExpression(QStringLiteral("\r?\n")))) {
        if (!line.startsWith(QStringLiteral("Lösung: ")))
            continue;
        const qsizetype at = line.lastIndexOf(QStringLiteral(" = "));
        const QRegularExpressionMatch m = number.match(line.mid(at + 3));
        if (at < 0 || !m.hasMatch())
            return false;
        QString digits = m.captured(2) + m.captured(3);
        int place = -int(m.captured(3).size());
        QString power = m.captured(4);
        const QString super = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        for (QChar& c : power)
            c = c == QChar(0x207B) ? QLatin1Char('-') : QChar(char16_t(u'0' + super.indexOf(c)));
        place += power.isEmpty() ? 0 : power.toInt();
        while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
            digits.chop(1);
            ++place;
        }
        out.units = std::stold(digits.toStdString()) * (m.captured(1).isEmpty() ? 1 : -1);
        out.place = place;
        return true;
    }
    return false;
}

// True when stated is value rounded as by hand to five significant digits,
// a half away from zero (98066,5 Pa is 98067 Pa), trailing zeros dropped.
bool roundsTo(long double value, const StatedResult& stated)
{
    if (value == 0 || stated.units == 0)
        return value == 0 && stated.units == 0;
    if ((value < 0) != (stated.units < 0))
        return false;
    const int fifth = int(std::floor(std::log10(std::fabs(value)))) - 4;
    const int place = std::min(fifth, stated.place);
    const long double scaled = std::fabs(value) * std::pow(10.0L, -place);
    const long double want = std::fabs(stated.units) * std::pow(10.0L, stated.place - place);
    const long double noise = 1e-9L * scaled;
    return scaled - want >= -0.5L - noise && scaled - want < 0.5L - noise;
}

// Runs one formula record in a fresh list: its given quantities defined
// from point with all the digits they hold, then its calculation line and
// the query of its sought quantity.
bool evaluateRecord(const Collection& c, std::size_t row, const QMap<QString, long double>& point, long double* y)
{
    const std::vector<int> numbers = c.numbers(row);
    Tfktbaum list;
    for (std::size_t q = 1; q < numbers.size(); ++q) {
        const QString var = c.byNr.at(numbers[q]).var;
        if (!point.contains(var) || !send(list, var + QStringLiteral("=") + engineNumber(point[var])))
            return false;
    }
    return send(list, c.formulas.at(row, QStringLiteral("RECHNUNG")))
           && send(list, c.byNr.at(numbers[0]).var + QStringLiteral("="), y);
}

} // namespace

TEST(ShippedCollection, TablesLoadWithTheLayoutTheProgramReads)
{
    const Collection& c = collection();
    for (const Rows* t : {&c.formulas, &c.quantities, &c.groups, &c.tables})
        ASSERT_TRUE(t->error.isEmpty()) << str(t->error);

    // Formula table: M1..M9 are read by position, the editor copies all but
    // the last two fields, its record buffer holds 21.
    const QStringList& f = c.formulas.fields;
    ASSERT_LE(f.size(), 21);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(str(f.value(7 + k)), "M" + std::to_string(k));
    EXPECT_EQ(str(f.value(f.size() - 2)), "myNr");
    EXPECT_EQ(str(f.value(f.size() - 1)), "nr");
    for (const char* name : {"INHALT", "THEMA", "GEBIET", "KOLVAR", "GRAFIK", "RECHNUNG"}) {
        const int pos = f.indexOf(QString::fromLatin1(name));
        EXPECT_TRUE(pos >= 0 && pos < 8) << name << " at " << pos;
    }
    EXPECT_GE(f.indexOf(QStringLiteral("BEISPIEL")), 17);

    // Quantity table: exactly the fields the data module defines.
    EXPECT_EQ(c.quantities.defs, TDatadlg::quantityFields());
    QStringList indexNames;
    for (const auto& d : c.quantities.indexDefs) {
        indexNames.append(d.name);
        EXPECT_EQ(kolvar::foldAz(d.fields), QStringLiteral("nr")) << str(d.name);
    }
    EXPECT_EQ(indexNames, (QStringList{QStringLiteral("DEFAULT_ORDER"), QStringLiteral("CHANGEINDEX"),
                                       QStringLiteral("table1Index3")}));

    // The masters are read by position.
    EXPECT_EQ(c.groups.fields.mid(0, 3),
              (QStringList{QStringLiteral("Groesse"), QStringLiteral("DATEI"), QStringLiteral("Variable")}));
    EXPECT_EQ(c.tables.fields.mid(0, 5),
              (QStringList{QStringLiteral("Groesse"), QStringLiteral("Symbol"), QStringLiteral("Einheit"),
                           QStringLiteral("DATEI"), QStringLiteral("Variable")}));
}

TEST(ShippedCollection, QuantitiesFitTheFormulaWindow)
{
    const Collection& c = collection();
    QSet<QString> vars;
    for (const auto& [nr, q] : c.byNr) {
        const std::string at = "quantity " + std::to_string(nr) + " (" + str(q.var) + ")";
        EXPECT_LE(q.groesse.size(), 50) << at;
        EXPECT_LE(q.symbol.size(), 20) << at;
        EXPECT_LE(q.einheit.size(), 20) << at;
        EXPECT_LE(q.nameeinhei.size(), 30) << at;
        EXPECT_LE(q.ableitung.size(), 30) << at;
        EXPECT_LE(q.datei.size(), 30) << at;
        EXPECT_FALSE(q.symbol.isEmpty()) << at;
        EXPECT_TRUE(isEngineName(q.var)) << at;
        EXPECT_FALSE(vars.contains(q.var)) << at << " twice";
        vars.insert(q.var);
        for (const QString& markup : {q.symbol, q.einheit, q.ableitung})
            EXPECT_EQ(str(layoutFaults(markup)), "") << at << ": " << str(markup);

        if (!q.konstante.isEmpty()) {
            long double value = 0;
            EXPECT_TRUE(kolvar::parseFloat(q.konstante.toStdString(), value)) << at;
            // The window sends the prefilled value as it stands.
            Tfktbaum list;
            long double sent = 0;
            EXPECT_TRUE(send(list, q.var + QStringLiteral("=") + q.konstante)) << at;
            EXPECT_TRUE(send(list, q.var + QStringLiteral("="), &sent)) << at;
            EXPECT_NEAR(double(sent / value), 1.0, 1e-15) << at;
        }
        if (!q.datei.isEmpty()) {
            const Rows units = readTable(QStringLiteral("daten\\") + QFileInfo(q.datei).completeBaseName()
                                         + QStringLiteral(".cds"));
            ASSERT_TRUE(units.error.isEmpty()) << at << ": " << str(units.error);
            ASSERT_FALSE(units.rows.empty()) << at;
            EXPECT_EQ(str(units.at(0, QStringLiteral("Stoff"))), str(q.nameeinhei)) << at;
            EXPECT_EQ(str(units.at(0, QStringLiteral("Einheit"))), str(q.einheit)) << at;
            const QString mode = units.at(0, QStringLiteral("Faktor"));
            EXPECT_TRUE(mode == QLatin1String("1") || mode == QLatin1String("-1")) << at;
        }
    }
    // A picked unit makes the calculation define NAME1 (and NAME11 for that
    // one); no quantity may be called so.
    for (const QString& v : vars)
        for (const char* suffix : {"1", "11", "111"})
            EXPECT_FALSE(vars.contains(v + QLatin1String(suffix))) << str(v) << suffix;
}

// Prefixes whose factor the SI fixes: a unit written as prefix + base unit
// of its table (km in the metres, kJ/kg in the joules per kilogram) must
// carry exactly that power of ten.
const std::vector<std::pair<QString, int>>& siPrefixes()
{
    static const std::vector<std::pair<QString, int>> p = {
        {QStringLiteral("T"), 12},  {QStringLiteral("G"), 9},   {QStringLiteral("M"), 6},
        {QStringLiteral("k"), 3},   {QStringLiteral("h"), 2},   {QStringLiteral("d"), -1},
        {QStringLiteral("c"), -2},  {QStringLiteral("m"), -3},  {QStringLiteral("\\c(m)"), -6},
        {QStringLiteral("n"), -9},  {QStringLiteral("p"), -12}};
    return p;
}

// The power of ten a prefixed unit must carry, or nothing when the unit is
// not its table's base unit with one prefix (a prefix under a power counts
// that many times: cm\u(2), mm\u(3), cm\u(4)).
std::optional<int> prefixPower(const QString& unit, const QString& base)
{
    for (const auto& [prefix, power] : siPrefixes()) {
        if (!unit.startsWith(prefix) || unit.mid(prefix.size()) != base)
            continue;
        static const QRegularExpression powered(QStringLiteral("^m\\\\u\\((\\d)\\)"));
        const QRegularExpressionMatch m = powered.match(base);
        return power * (m.hasMatch() ? m.captured(1).toInt() : 1);
    }
    return std::nullopt;
}

// One unit table: its layout, its mode and every factor, read as the
// conversion window reads it and sent as the formula window sends it.
void checkUnitTable(const QString& datei)
{
    const std::string at = str(datei);
    const Rows units = readTable(QStringLiteral("daten\\") + datei);
    ASSERT_TRUE(units.error.isEmpty()) << str(units.error);
    ASSERT_FALSE(units.rows.empty()) << at;
    EXPECT_LE(units.rows.size(), 30u) << at;
    const QString mode = units.at(0, QStringLiteral("Faktor"));
    EXPECT_TRUE(mode == QLatin1String("1") || mode == QLatin1String("-1")) << at;
    const QString base = units.at(0, QStringLiteral("Einheit"));
    for (std::size_t u = 0; u < units.rows.size(); ++u) {
        const QString einheit = units.at(u, QStringLiteral("Einheit"));
        const QString faktor = units.at(u, QStringLiteral("Faktor"));
        const std::string row = at + " " + str(units.at(u, QStringLiteral("Stoff")));
        EXPECT_LE(einheit.size(), 20) << row;
        EXPECT_EQ(str(layoutFaults(einheit)), "") << row;
        long double read = 0, calculated = 0;
        ASSERT_TRUE(kolvar::parseFloat(faktor.toStdString(), read)) << row << ": " << str(faktor);
        EXPECT_GT(std::fabs(double(read)), 0.0) << row;
        // A picked base unit of mode -1 is applied as factor 1.
        const QString used = faktor == QLatin1String("-1") ? QStringLiteral("1") : faktor;
        Tfktbaum list;
        ASSERT_TRUE(send(list, QStringLiteral("X1=2,5"))) << row;
        ASSERT_TRUE(send(list, QStringLiteral("X=X1*") + used)) << row << ": " << str(faktor);
        ASSERT_TRUE(send(list, QStringLiteral("X="), &calculated)) << row;
        EXPECT_NEAR(double(calculated / (2.5L * std::fabs(read))), 1.0, 1e-15) << row;
        if (const auto power = prefixPower(einheit, base)) {
            // Mode 1 counts base units per unit, mode -1 units per base unit.
            const int want = mode == QLatin1String("1") ? *power : -*power;
            EXPECT_EQ(double(read), double(std::pow(10.0L, want))) << row << ": " << str(faktor);
        }
    }
}

TEST(ShippedCollection, UnitTablesConvertWithTheirFactors)
{
    const Collection& c = collection();
    // The conversion window lists at most 30 groups.
    ASSERT_GE(c.groups.rows.size(), 15u);
    ASSERT_LE(c.groups.rows.size(), 30u);
    QSet<QString> checked;
    for (std::size_t g = 0; g < c.groups.rows.size(); ++g) {
        const QString datei = c.groups.at(g, QStringLiteral("DATEI"));
        EXPECT_TRUE(isEngineName(c.groups.at(g, QStringLiteral("Variable")))) << str(datei);
        checked.insert(kolvar::foldAz(QFileInfo(datei).completeBaseName()));
        checkUnitTable(datei);
    }
    // A quantity's unit table beyond those is opened by its file name alone
    // and must hold what a listed one holds.
    for (const auto& [nr, q] : c.byNr) {
        const QString name = kolvar::foldAz(QFileInfo(q.datei).completeBaseName());
        if (q.datei.isEmpty() || checked.contains(name))
            continue;
        checked.insert(name);
        checkUnitTable(QFileInfo(q.datei).completeBaseName() + QStringLiteral(".cds"));
    }
}

TEST(ShippedCollection, FactorsTheSiDefinesAreExact)
{
    // Units outside the prefixes whose value is fixed by definition.
    struct Exact {
        const char* datei;
        const char* einheit;
        const char* faktor;
    };
    const Exact table[] = {
        {"laenge.cds", "in", "0,0254"},         {"laenge.cds", "mi", "1609,344"},
        {"laenge.cds", "AE", "149597870700"},   {"masse.cds", "lb", "0,45359237"},
        {"zeit.cds", "h", "3600"},              {"zeit.cds", "a", "31557600"},
        {"druck.cds", "bar", "100000"},         {"druck.cds", "atm", "101325"},
        {"energie.cds", "kWh", "3600000"},      {"energie.cds", "cal", "4,184"},
        {"energie.cds", "eV", "1,602176634E-19"}, {"kraft.cds", "kp", "9,80665"},
        {"geschw.cds", "km/h", "3,6"},          {"leistung.cds", "PS", "735,49875"},
        {"aktivit.cds", "Ci", "3,7E10"},        {"zerfallk.cds", "1/a", "31557600"},
        {"molmasse.cds", "g/mol", "0,001"},     {"federk.cds", "N/cm", "100"},
    };
    for (const Exact& e : table) {
        const Rows units = readTable(QStringLiteral("daten\\") + QString::fromLatin1(e.datei));
        ASSERT_TRUE(units.error.isEmpty()) << e.datei;
        bool found = false;
        for (std::size_t u = 0; u < units.rows.size(); ++u) {
            if (units.at(u, QStringLiteral("Einheit")) == QString::fromUtf8(e.einheit)) {
                found = true;
                EXPECT_EQ(str(units.at(u, QStringLiteral("Faktor"))), e.faktor) << e.datei << " " << e.einheit;
            }
        }
        EXPECT_TRUE(found) << e.datei << " " << e.einheit;
    }
}

TEST(ShippedCollection, MaterialTablesHoldNumbers)
{
    const Collection& c = collection();
    ASSERT_GE(c.tables.rows.size(), 8u);
    ASSERT_LE(c.tables.rows.size(), 20u);
    for (std::size_t t = 0; t < c.tables.rows.size(); ++t) {
        const QString datei = c.tables.at(t, QStringLiteral("DATEI"));
        const std::string at = str(datei);
        const QString variable = c.tables.at(t, QStringLiteral("Variable"));
        EXPECT_TRUE(isEngineName(variable)) << at;
        // "Definieren" hands the value over as it stands: a table that feeds a
        // quantity of the formulas must hold it in that quantity's unit.
        for (const auto& [nr, q] : c.byNr) {
            if (q.var == variable) {
                EXPECT_EQ(str(c.tables.at(t, QStringLiteral("Einheit"))), str(q.einheit)) << at;
            }
        }
        for (const char* field : {"Symbol", "Einheit"})
            EXPECT_EQ(str(layoutFaults(c.tables.at(t, QString::fromLatin1(field)))), "") << at;
        const Rows values = readTable(QStringLiteral("daten\\") + datei);
        ASSERT_TRUE(values.error.isEmpty()) << str(values.error);
        EXPECT_GE(values.rows.size(), 12u) << at;
        for (std::size_t r = 0; r < values.rows.size(); ++r) {
            long double v = 0;
            const QString wert = values.at(r, QStringLiteral("Wert"));
            EXPECT_TRUE(kolvar::parseFloat(wert.toStdString(), v))
                << at << " " << str(values.at(r, QStringLiteral("Stoff"))) << ": " << str(wert);
        }
    }
}

TEST(ShippedCollection, FormulaRecordsMatchTheirQuantities)
{
    const Collection& c = collection();
    for (std::size_t r = 0; r < c.formulas.rows.size(); ++r) {
        const std::string at = str(c.where(r));
        const QString kolvar = c.formulas.at(r, QStringLiteral("KOLVAR"));
        const QString rechnung = c.formulas.at(r, QStringLiteral("RECHNUNG"));
        EXPECT_LE(kolvar.toUtf8().size(), 255) << at;
        EXPECT_EQ(str(layoutFaults(kolvar)), "") << at;
        ASSERT_TRUE(kolvar.contains(QLatin1Char('='))) << at;

        const std::vector<int> numbers = c.numbers(r);
        ASSERT_FALSE(numbers.empty()) << at;
        QSet<QString> symbols;
        for (int nr : numbers) {
            ASSERT_EQ(c.byNr.count(nr), 1u) << at << ": no quantity " << nr;
            // A typed value follows its symbol into the next rearrangement.
            EXPECT_FALSE(symbols.contains(c.byNr.at(nr).symbol)) << at << ": symbol used twice";
            symbols.insert(c.byNr.at(nr).symbol);
        }

        // The line defines the sought quantity's variable...
        std::string name, parameter, rechts;
        ASSERT_TRUE(Tfktbaum::aufspalten(rechnung.toStdString(), name, parameter, rechts)) << at;
        EXPECT_EQ(name, str(c.byNr.at(numbers[0]).var)) << at;
        EXPECT_TRUE(parameter.empty()) << at;
        // ...and compiles where only the given quantities are defined.
        Tfktbaum list;
        const QString right = kolvar.section(QLatin1Char('='), 1);
        for (std::size_t k = 1; k < numbers.size(); ++k) {
            const Quantity& q = c.byNr.at(numbers[k]);
            ASSERT_TRUE(send(list, q.var + QStringLiteral("=1"))) << at;
            EXPECT_TRUE(right.contains(q.symbol)) << at << ": symbol " << str(q.symbol) << " missing";
        }
        EXPECT_TRUE(send(list, rechnung)) << at << ": " << str(rechnung);

        const QString grafik = c.formulas.at(r, QStringLiteral("GRAFIK")).section(QLatin1Char('#'), 0, 0);
        if (!grafik.isEmpty()) {
            const QString file = grafik.contains(QLatin1Char('.')) ? grafik : grafik + QStringLiteral(".bmp");
            const QString path = shipped(QStringLiteral("Grafik\\") + file);
            QString error;
            const QImage image = file.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)
                ? kolvar::readJpeg(path, &error)
                : QImage(path);
            EXPECT_FALSE(image.isNull()) << at << ": " << str(file) << " " << str(error);
        }
    }
}

TEST(ShippedCollection, RearrangementsAgreeAndExamplesRun)
{
    const Collection& c = collection();
    for (const auto& run : c.formulaRuns()) {
        const std::size_t first = run[0];
        const std::string at = str(c.formulas.at(first, QStringLiteral("INHALT")));

        // Each worked example runs in the calculation window as written.
        for (std::size_t r : run) {
            const QStringList lines = exampleLines(c.formulas.at(r, QStringLiteral("BEISPIEL")));
            ASSERT_GE(lines.size(), 2) << str(c.where(r)) << ": no calculation lines";
            Tfktbaum list;
            for (const QString& line : lines.mid(0, lines.size() - 1))
                EXPECT_TRUE(send(list, line)) << str(c.where(r)) << ": " << str(line);
            long double y = 0;
            EXPECT_TRUE(send(list, lines.last(), &y)) << str(c.where(r)) << ": " << str(lines.last());
            EXPECT_TRUE(std::isfinite(double(y))) << str(c.where(r));
            // ...and its result is the one the example states.
            StatedResult stated;
            ASSERT_TRUE(statedResult(c.formulas.at(r, QStringLiteral("BEISPIEL")), stated))
                << str(c.where(r)) << ": no result stated";
            EXPECT_TRUE(roundsTo(y, stated)) << str(c.where(r)) << ": calculated " << double(y) << ", stated "
                                             << double(stated.units) << " * 10^" << stated.place;
        }

        // The usual form computes the sought value from the example's givens...
        Tfktbaum list;
        const QStringList lines = exampleLines(c.formulas.at(first, QStringLiteral("BEISPIEL")));
        for (const QString& line : lines)
            ASSERT_TRUE(send(list, line)) << at << ": " << str(line);
        QMap<QString, long double> point;
        for (int nr : c.numbers(first)) {
            const QString var = c.byNr.at(nr).var;
            ASSERT_TRUE(send(list, var + QStringLiteral("="), &point[var])) << at << ": " << str(var);
        }
        // ...and every rearrangement, fed with those values, gives back its
        // own; a second point away from the example's round values shows a
        // rearrangement that is right only there (sin 2·45° = sin 90°).
        const std::vector<int> firstNumbers = c.numbers(first);
        QMap<QString, long double> moved = point;
        for (std::size_t k = 1; k < firstNumbers.size(); ++k) {
            const Quantity& q = c.byNr.at(firstNumbers[k]);
            if (q.konstante.isEmpty())
                moved[q.var] = point[q.var] * (1 + 0.0137L * k);
        }
        const QString firstSought = c.byNr.at(firstNumbers[0]).var;
        ASSERT_TRUE(evaluateRecord(c, first, moved, &moved[firstSought])) << at << ": second point";
        for (const QMap<QString, long double>* at_point : {&point, &moved}) {
            for (std::size_t k = 1; k < run.size(); ++k) {
                const std::size_t r = run[k];
                const QString sought = c.byNr.at(c.numbers(r)[0]).var;
                long double y = 0;
                ASSERT_TRUE(evaluateRecord(c, r, *at_point, &y)) << str(c.where(r));
                const long double want = at_point->value(sought);
                EXPECT_LE(std::fabs(double(y - want)), 1e-9 * std::fabs(double(want)))
                    << str(c.where(r)) << ": " << double(y) << " instead of " << double(want)
                    << (at_point == &moved ? " (second point)" : "");
            }
        }
    }
}

// Where the example page put each given value: the spans of the formula
// text that it replaced, found by reading the page it built with a marker
// for each value against the formula. Empty when the page does not follow
// the formula outside its markers.
struct Ersetzung {
    qsizetype von, bis; // in the formula text
    std::size_t groesse;
};

std::optional<std::vector<Ersetzung>> ersetzungen(const QString& formel, const QString& seite,
                                                  const std::vector<kolvar::Beispielgroesse>& groessen)
{
    static const QRegularExpression marke(QStringLiteral("^(?:⟦(\\d)⟧|\\(⟦(\\d)⟧\\)(?=\\\\u\\())"));
    std::vector<Ersetzung> out;
    qsizetype f = 0, s = 0;
    while (s < seite.size()) {
        const QRegularExpressionMatch m = marke.match(QStringView(seite).mid(s));
        const bool gleich = f < formel.size() && seite[s] == formel[f];
        if (!m.hasMatch() || (gleich && m.capturedLength(1) == 0)) {
            if (!gleich)
                return std::nullopt;
            ++s;
            ++f;
            continue;
        }
        const std::size_t k = (m.capturedLength(1) ? m.captured(1) : m.captured(2)).toUInt();
        if (k >= groessen.size() || !QStringView(formel).mid(f).startsWith(groessen[k].symbol))
            return std::nullopt;
        out.push_back({f, f + groessen[k].symbol.size(), k});
        f += groessen[k].symbol.size();
        s += m.capturedLength(0);
    }
    if (f != formel.size())
        return std::nullopt;
    return out;
}

TEST(ShippedCollection, ExamplePagesPutEveryValueInItsSymbolsPlace)
{
    const Collection& c = collection();
    std::size_t seiten = 0, werte = 0, woerter = 0;
    for (std::size_t r = 0; r < c.formulas.rows.size(); ++r) {
        const std::string at = str(c.where(r));
        // The formula as the window shows it, with the condition behind it.
        const QString formel = c.formulas.at(r, QStringLiteral("KOLVAR"));
        std::vector<kolvar::Beispielgroesse> groessen;
        const std::vector<int> numbers = c.numbers(r);
        for (std::size_t k = 0; k < numbers.size(); ++k)
            groessen.push_back({QString(), c.byNr.at(numbers[k]).symbol, QString(), QString(),
                                QStringLiteral("⟦%1⟧").arg(k)});
        const QString seite = kolvar::beispielformel(formel, groessen);
        const auto spans = ersetzungen(formel, seite, groessen);
        ASSERT_TRUE(spans.has_value()) << at << ": " << str(seite);
        ++seiten;
        werte += spans->size();

        // Every given value shows, each where the longest symbol stands.
        for (std::size_t k = 1; k < groessen.size(); ++k) {
            EXPECT_TRUE(std::any_of(spans->begin(), spans->end(), [&](const Ersetzung& e) { return e.groesse == k; }))
                << at << ": " << str(groessen[k].symbol) << " not replaced in " << str(seite);
        }
        for (const Ersetzung& e : *spans) {
            for (std::size_t k = 1; k < groessen.size(); ++k)
                EXPECT_FALSE(groessen[k].symbol.size() > e.bis - e.von &&
                             QStringView(formel).mid(e.von).startsWith(groessen[k].symbol))
                    << at << ": " << str(groessen[e.groesse].symbol) << " taken for " << str(groessen[k].symbol);
        }
        // A word of two or more small letters (sin, arccos, ln, a subscript)
        // is kept whole or replaced whole (adjacent symbols such as mgh), never
        // cut into by a value; in the condition behind the formula every word
        // counts. A letter behind a backslash is a command.
        static const QRegularExpression befehl(QStringLiteral("\\\\."));
        static const QRegularExpression klein(QStringLiteral("(?<![a-z])[a-z]{2,}"));
        static const QRegularExpression jedes(QStringLiteral("(?<!\\p{L})\\p{L}{2,}"));
        const QString text = QString(formel).replace(befehl, QStringLiteral("\\#"));
        const qsizetype bedingung = formel.contains(QStringLiteral("   (")) ? formel.indexOf(QStringLiteral("   ("))
                                                                          : formel.size();
        const auto woerterPruefen = [&](const QRegularExpression& muster, qsizetype von, qsizetype bis) {
            for (auto it = muster.globalMatch(text.left(bis), von); it.hasNext();) {
                const QRegularExpressionMatch w = it.next();
                qsizetype ersetzt = 0;
                for (const Ersetzung& e : *spans)
                    ersetzt += std::max<qsizetype>(
                        0, std::min(e.bis, w.capturedEnd()) - std::max(e.von, w.capturedStart()));
                EXPECT_TRUE(ersetzt == 0 || ersetzt == w.capturedLength())
                    << at << ": a value inside \"" << str(w.captured()) << "\": " << str(seite);
                woerter += ersetzt == 0;
            }
        };
        woerterPruefen(klein, formel.indexOf(QLatin1Char('=')) + 1, bedingung);
        woerterPruefen(jedes, bedingung, formel.size());
    }
    std::cout << "[ examples ] pages " << seiten << ", values placed " << werte << ", words kept whole "
              << woerter << std::endl;
}

TEST(ShippedCollection, ArrangementStaysWithinTheWindowsLists)
{
    const Collection& c = collection();
    QStringList areas;
    QList<QPair<QString, QString>> topics;
    QSet<QString> formulaKeys;
    QMap<QString, int> topicsPerArea;
    QMap<QPair<QString, QString>, int> formulasPerTopic;
    for (const auto& run : c.formulaRuns()) {
        const QString gebiet = c.formulas.at(run[0], QStringLiteral("GEBIET"));
        const QString thema = c.formulas.at(run[0], QStringLiteral("THEMA"));
        const QString inhalt = c.formulas.at(run[0], QStringLiteral("INHALT"));
        for (std::size_t r : run) {
            EXPECT_EQ(c.formulas.at(r, QStringLiteral("GEBIET")), gebiet) << str(inhalt);
            EXPECT_EQ(c.formulas.at(r, QStringLiteral("THEMA")), thema) << str(inhalt);
        }
        // An area or topic must stand in one piece, or the tree shows it twice.
        if (areas.isEmpty() || areas.last() != gebiet) {
            EXPECT_FALSE(areas.contains(gebiet)) << str(gebiet) << " split";
            areas.append(gebiet);
        }
        const QPair<QString, QString> topic{gebiet, thema};
        if (topics.isEmpty() || topics.last() != topic) {
            EXPECT_FALSE(topics.contains(topic)) << str(thema) << " split";
            topics.append(topic);
            ++topicsPerArea[gebiet];
        }
        ++formulasPerTopic[topic];
        EXPECT_FALSE(formulaKeys.contains(inhalt)) << str(inhalt) << " twice";
        formulaKeys.insert(inhalt);
    }
    EXPECT_LE(areas.size(), 20);
    for (auto it = topicsPerArea.cbegin(); it != topicsPerArea.cend(); ++it)
        EXPECT_LE(it.value(), 20) << str(it.key());
    for (auto it = formulasPerTopic.cbegin(); it != formulasPerTopic.cend(); ++it)
        EXPECT_LE(it.value(), 40) << str(it.key().second);

    // Unit tables: the listed conversion groups and every quantity's own.
    QSet<QString> unitTables;
    for (std::size_t g = 0; g < c.groups.rows.size(); ++g)
        unitTables.insert(kolvar::foldAz(QFileInfo(c.groups.at(g, QStringLiteral("DATEI"))).completeBaseName()));
    for (const auto& [nr, q] : c.byNr) {
        if (!q.datei.isEmpty())
            unitTables.insert(kolvar::foldAz(QFileInfo(q.datei).completeBaseName()));
    }
    std::size_t units = 0, values = 0;
    for (const QString& t : unitTables)
        units += readTable(QStringLiteral("daten\\") + t + QStringLiteral(".cds")).rows.size();
    for (std::size_t t = 0; t < c.tables.rows.size(); ++t)
        values += readTable(QStringLiteral("daten\\") + c.tables.at(t, QStringLiteral("DATEI"))).rows.size();

    const std::size_t records = c.formulas.rows.size();
    std::cout << "[ shipped  ] areas " << areas.size() << ", topics " << topics.size() << ", formulas "
              << formulaKeys.size() << ", records " << records << ", quantities " << c.byNr.size()
              << ", unit tables " << unitTables.size() << " (" << c.groups.rows.size() << " listed), units "
              << units << ", material tables " << c.tables.rows.size() << ", values " << values << std::endl;
    EXPECT_GE(areas.size(), 6);
    EXPECT_GE(topics.size(), 25);
    EXPECT_GE(formulaKeys.size(), 450);
    EXPECT_GE(records, 1000u);
    EXPECT_GE(c.byNr.size(), 100u);
}
