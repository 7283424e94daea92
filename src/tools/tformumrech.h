#pragma once
// The unit conversion: converts a value between two units of one conversion
// group and hands the factor and both values to the project formulas. The
// groups are listed in the master table "daten\umrechnu.cds"; each group's
// units, with their factors, are a table file of their own in "daten\", the
// same files the formula window offers as unit choices. A second page edits
// the master and the group tables and creates new groups.
#include <QDialog>
#include <QString>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableView;
class TextendEdit;
class Ttxtshape;

namespace kolvar {
class DataTable;
class TableGridModel;
class TableNavigator;
}

class Tformumrech : public QDialog {
    Q_OBJECT
public:
    explicit Tformumrech(QWidget* parent = nullptr);
    ~Tformumrech() override;

    // The program directory (with trailing "/"); the tables live below it.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }
    const QString& verzeichnis() const { return m_verzeichnis; }

    // The master's file names and variable names, in master order.
    QStringList dateien;
    QStringList variablen;
    // Unit symbols and factor texts of the group opened last.
    QStringList symbole;
    QStringList faktoren;
    // List indices (from 0) of the units converted from and into.
    int vonindex = 1;
    int inindex = 1;
    // The variable that receives the factor of the group opened last.
    QString variable;

    // Reads the master into the group list.
    void lade_umrechnungen();
    // Converts with the current units and value into Edit1 to Edit3 and the
    // formula display. False when nothing was converted: no group yet, a
    // unit index beyond the group (the old result is cleared), or a factor
    // the conversion cannot use (with a message).
    bool rechne_um();

    // The factor that turns a value in unit a into one in unit b, from the
    // factor texts of both rows and of the group's first row (its mode: 1,
    // or -1 for reciprocal factors). False with a German reason for a text
    // that is no number, a mode other than 1 and -1, or a factor of 0.
    static bool umrechnungsfaktor(const QString& faktorA, const QString& faktorB,
                                  const QString& modus, long double& faktor, QString& fehler);
    // A name may become a file in the data folder: not empty, and without
    // "/", "\", ":" or "..", so it cannot point anywhere else.
    static bool dateiname_zulaessig(const QString& name);
    // The name with its extension replaced by (or extended with) ".cds".
    static QString mit_cds(const QString& name);

    kolvar::DataTable& master() const { return *m_master; }
    kolvar::DataTable& gruppe() const { return *m_gruppe; }

    QTabWidget* PageControl1 = nullptr;
    QWidget* Anzeige = nullptr;
    QWidget* TabSheet1 = nullptr;
    // page "Umrechnungstabellen anzeigen"
    QLabel* Label1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TextendEdit* extendEdit1 = nullptr;
    Ttxtshape* txtshape1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Rechne"
    QPushButton* BitBtn5 = nullptr; // "Zahlenformat"
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* BitBtn4 = nullptr; // "Definieren"
    QPushButton* BitBtn2 = nullptr; // close
    // page "Umrechnungstabellen beareiten"
    QTableView* DBGrid1 = nullptr;
    kolvar::TableNavigator* DBNavigator1 = nullptr;
    QPushButton* BitBtn7 = nullptr; // "Neue Tabelle"
    QPushButton* BitBtn8 = nullptr; // "Speichern", the master
    QTableView* DBGrid2 = nullptr;
    kolvar::TableNavigator* DBNavigator2 = nullptr;
    QPushButton* BitBtn6 = nullptr; // "Speichern", the group

public slots:
    void ListBox1Click();
    void ListBox2Click();
    void ListBox3Click();
    void BitBtn1Click();
    void BitBtn5Click();
    void BitBtn4Click();
    // "Neue Tabelle".
    void BitBtn6Click();
    void speicherntabelle();
    void speichernum();
    void DataSource1DataChange();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void baue_anzeige();
    void baue_bearbeiten();
    // The group file of a master entry; empty when the name is not allowed.
    QString gruppendatei(const QString& name) const;
    void ergebnis_leeren();
    QString zahlenformat() const;

    QString m_verzeichnis;
    kolvar::DataTable* m_master = nullptr;
    kolvar::DataTable* m_gruppe = nullptr;
    kolvar::TableGridModel* m_masterModell = nullptr;
    kolvar::TableGridModel* m_gruppenModell = nullptr;
    // The three lines of "Definieren" as rechne_um showed them and as they
    // are defined: the value with its full precision.
    QString m_angezeigt[3];
    QString m_genau[3];
    // The master row the group table followed last (row and file name).
    int m_gefolgtZeile = -1;
    QString m_gefolgtDatei;
    bool m_centred = false;
};

// The shared instance, created at start-up.
extern Tformumrech* formumrech;
