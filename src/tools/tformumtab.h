#pragma once
// The value tables: material values looked up by table and substance. The
// master table "daten\tabelle.cds" lists the tables (quantity, symbol, unit,
// file, variable); every table is a file of its own in "daten\" with one row
// per substance and its value. A picked value is shown with its symbol and
// unit and can be defined as a project formula. A second page edits the
// master and the tables and creates new tables.
//
// The list, the master's current row and the table in the grids always name
// the same table: a pick in the list moves the master to its row, and a move
// of the master on the second page picks its entry in the list.
#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class Ttxtshape;

namespace kolvar {
class DataTable;
class TableGridModel;
class TableNavigator;
} // namespace kolvar

class Tformumtab : public QDialog {
    Q_OBJECT
public:
    explicit Tformumtab(QWidget* parent = nullptr);
    ~Tformumtab() override;

    // The program directory (with trailing "/"); the tables live below it.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }

    // Master fields 1 to 4 of every table, in master order (the list entry
    // with index i is row i + 1 of the master).
    QStringList symbole;
    QStringList einheiten;
    QStringList dateien;
    QStringList variablen;
    // List index (from 0) of the selected table; -1 when none is selected.
    int auswahl = -1;
    // The selected table's symbol.
    QString symbol;

    // Reads the master into the list and selects its second entry (the
    // first when there is only one), whose table the grids then show.
    void lade_tabellen();
    // Shows the value of the value table's current row in Edit1 and the
    // formula display.
    void zeige_wert();

    kolvar::DataTable& master() const { return *m_master; }
    kolvar::DataTable& wertetabelle() const { return *m_werte; }

    QTabWidget* PageControl1 = nullptr;
    // page "Tabellen anzeigen"
    QWidget* Anzeige = nullptr;
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QTableView* DBGrid1 = nullptr;
    Ttxtshape* txtshape1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn4 = nullptr; // "Definieren"
    QPushButton* BitBtn5 = nullptr; // "&Zahlenformat"
    QPushButton* BitBtn3 = nullptr; // help
    QPushButton* BitBtn2 = nullptr; // close
    // page "Tabellen bearbeiten"
    QWidget* TabSheet1 = nullptr;
    QPushButton* BitBtn10 = nullptr; // "Wertetabelle speichern"
    kolvar::TableNavigator* DBNavigator1 = nullptr; // over the value table
    QTableView* DBGrid2 = nullptr;                  // over the master
    QPushButton* BitBtn11 = nullptr;                // "Neue Tabelle"
    QPushButton* BitBtn12 = nullptr;                // "Tabelle speichern"
    kolvar::TableNavigator* DBNavigator2 = nullptr; // over the master
    QTableView* DBGrid3 = nullptr;                  // over the value table

public slots:
    void ListBox1Click();
    void DBGrid1CellClick();
    void BitBtn5Click();
    void BitBtn4Click();
    void BitBtn3Click();
    void BitBtn11Click();
    void BitBtn12Click();
    void BitBtn10Click();
    void DataSource1DataChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the master and picks list entry eintrag, clamped to the entries.
    void lade_tabellen(int eintrag);
    void baue_anzeige();
    void baue_bearbeiten();
    // The file of a table named in the master; empty when the name may not
    // become a file.
    QString tabellendatei(const QString& name) const;
    // Opens the table file the master names, leaving the grids empty when
    // it cannot be opened.
    void oeffne_wertetabelle(const QString& name);
    // Takes list index k as the selection and shows its symbol and unit.
    void waehle(int k);
    QString zahlenformat() const;

    QString m_verzeichnis;
    kolvar::DataTable* m_master = nullptr;
    kolvar::DataTable* m_werte = nullptr;
    kolvar::TableGridModel* m_masterModell = nullptr;
    kolvar::TableGridModel* m_anzeigeModell = nullptr;
    kolvar::TableGridModel* m_werteModell = nullptr;
    // The master row and file name the value table followed last.
    int m_gefolgtZeile = -1;
    QString m_gefolgtDatei;
    // The line zeige_wert put into Edit1 and the one "Definieren" gives the
    // project formulas for it: the value as the table holds it, not as the
    // number format rounds it.
    QString m_gezeigt;
    QString m_definition;
    bool m_centred = false;
};

// The shared instance, created at start-up.
extern Tformumtab* formumtab;
