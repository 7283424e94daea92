#include "data/tdatadlg.h"

#include "platform/seams.h"

using kolvar::DataTable;
using kolvar::FieldDef;
using kolvar::FieldType;

TDatadlg* Datadlg = nullptr;

TDatadlg::TDatadlg(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("Datadlg"));
    table2 = new DataTable(this);
    table2->setObjectName(QStringLiteral("table2"));
    table1 = new DataTable(this);
    table1->setObjectName(QStringLiteral("table1"));

    // The quantity table's layout belongs to the program: a file that lacks
    // one of its fields is not taken for the quantity table.
    QStringList names;
    for (const FieldDef& f : quantityFields())
        names.append(f.name);
    table1->setRequiredFields(names);
    table1->setIndexDefs(quantityIndexDefs());
    table1->setIndexFieldNames(QStringLiteral("Nr"));

    table1->setBeforeInsert([this](DataTable& t) { table1BeforeInsert(t); });
    table1->setAfterInsert([this](DataTable& t) { table1AfterInsert(t); });
    table2->setBeforeInsert([this](DataTable& t) { table2BeforeInsert(t); });
    table2->setAfterInsert([this](DataTable& t) { table2AfterInsert(t); });
}

TDatadlg::~TDatadlg()
{
    closeTables();
    if (Datadlg == this)
        Datadlg = nullptr;
}

QList<FieldDef> TDatadlg::quantityFields()
{
    return {
        {QStringLiteral("NR"), FieldType::Float, 0},
        {QStringLiteral("GROESSE"), FieldType::String, 70},
        {QStringLiteral("SYMBOL"), FieldType::String, 30},
        {QStringLiteral("EINHEIT"), FieldType::String, 41},
        {QStringLiteral("ABLEITUNG"), FieldType::String, 30},
        {QStringLiteral("NAMEEINHEI"), FieldType::String, 30},
        {QStringLiteral("DATEI"), FieldType::String, 24},
        {QStringLiteral("RECHENVARI"), FieldType::String, 20},
        {QStringLiteral("KONSTANTE"), FieldType::String, 20},
    };
}

QList<kolvar::IndexDef> TDatadlg::quantityIndexDefs()
{
    return {
        {QStringLiteral("DEFAULT_ORDER"), QStringLiteral("Nr")},
        {QStringLiteral("CHANGEINDEX"), QStringLiteral("Nr")},
        {QStringLiteral("table1Index3"), QStringLiteral("Nr")},
    };
}

void TDatadlg::initialisieren(const QString& verzeichnis)
{
    for (DataTable* t : {table1, table2}) {
        if (!t->close())
            kolvar::showMessage(t->errorString());
    }
    table1->setFileName(verzeichnis + QStringLiteral("daten\\GROESSEN.cds"));
    table2->setFileName(verzeichnis + QStringLiteral("daten\\kolvar.cds"));
    table2->setIndexFieldNames(QStringLiteral("myNr"));
    if (!table1->open()) {
        kolvar::showMessage(table1->errorString());
        // The editor and the formula window need the fields even when the
        // file is gone; a created table is never written back by itself.
        table1->createDataSet(quantityFields());
    }
    if (!table2->open())
        kolvar::showMessage(table2->errorString());
}

void TDatadlg::closeTables()
{
    for (DataTable* t : {table2, table1}) {
        if (t && !t->close())
            kolvar::showMessage(t->errorString());
    }
}

// A new formula record takes the number of the record it is inserted at and
// is stored at once; the table editor renumbers the whole table afterwards.
void TDatadlg::table2BeforeInsert(DataTable& DataSet)
{
    m_nextFormulaNr = DataSet.isEmpty() ? 0 : DataSet.asInteger(QStringLiteral("myNr"));
}

void TDatadlg::table2AfterInsert(DataTable& DataSet)
{
    DataSet.setInteger(QStringLiteral("myNr"), m_nextFormulaNr);
    DataSet.post();
}

// A new quantity gets the highest number so far + 1; the user completes and
// posts it.
void TDatadlg::table1BeforeInsert(DataTable& DataSet)
{
    m_lastQuantityNr = 0;
    if (!DataSet.isEmpty()) {
        DataSet.last();
        m_lastQuantityNr = DataSet.asInteger(QStringLiteral("NR"));
    }
}

void TDatadlg::table1AfterInsert(DataTable& DataSet)
{
    DataSet.setInteger(QStringLiteral("NR"), m_lastQuantityNr + 1);
}
