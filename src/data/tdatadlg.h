#pragma once
// The data module: the formula table and the quantity table that the whole
// formula collection shares, opened once at start-up and written back to
// their files when the program ends.
#include "platform/datatable.h"

#include <QList>
#include <QObject>
#include <QString>

class TDatadlg : public QObject {
    Q_OBJECT
public:
    explicit TDatadlg(QObject* parent = nullptr);
    // Closes both tables, so that changed ones reach their files.
    ~TDatadlg() override;

    // Formulas, "daten\kolvar.cds", always read in "myNr" order.
    kolvar::DataTable* table2 = nullptr;
    // Quantities, "daten\GROESSEN.cds", in "Nr" order.
    kolvar::DataTable* table1 = nullptr;

    // verzeichnis: the program directory with its trailing separator. A table
    // file that cannot be read is reported once; the program then goes on
    // with an empty table that is never written over that file.
    void initialisieren(const QString& verzeichnis);

    // Numbering of new records; every insert into either table passes here.
    void table1BeforeInsert(kolvar::DataTable& DataSet);
    void table1AfterInsert(kolvar::DataTable& DataSet);
    void table2BeforeInsert(kolvar::DataTable& DataSet);
    void table2AfterInsert(kolvar::DataTable& DataSet);

    // Closes both tables, writing back the changed ones; a failed write is
    // reported. Called at exit and by the destructor.
    void closeTables();

    // The quantity table's fields, in file order, as the program defines them.
    static QList<kolvar::FieldDef> quantityFields();
    static QList<kolvar::IndexDef> quantityIndexDefs();

private:
    int m_nextFormulaNr = 0;
    int m_lastQuantityNr = 0;
};

// The one data module of the program, created first at start-up.
extern TDatadlg* Datadlg;
