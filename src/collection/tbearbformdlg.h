#pragma once
// The table editor "Kolvarn": the formula table above and the quantity table
// below, each as a grid ("Tabelle") and as a record page ("Datensatz"), with
// the formula typeset, the variable of each quantity number shown beside it,
// and the commands that insert, duplicate, copy and paste, fill, move and
// renumber formula records, search and replace, and save either table.
//
// While the editor is hidden its controls are unbound from the tables, so
// that it does not follow every step of the formula windows walking them.
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class Datensatzbefehle;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;
class Ttxtshape;

namespace kolvar {
class DataTable;
class TableFieldEdit;
class TableFieldMemo;
class TableGridModel;
class TableNavigator;
} // namespace kolvar

class Tbearbformdlg : public QMainWindow {
    Q_OBJECT
public:
    // Works on the data module's tables.
    explicit Tbearbformdlg(QWidget* parent = nullptr);
    ~Tbearbformdlg() override;

    // The program directory with its trailing separator; the tables are
    // saved below it.
    QString verzeichnis;

    // The record commands on the formula table.
    Datensatzbefehle& befehle() { return *m_befehle; }

    // Binds (true) or unbinds the grids, navigators, edits and displays.
    void datenquellen(bool an);
    bool datenquellenAn() const { return m_datenquellen; }

    // The edit bound to a formula field ("INHALT" .. "RECHNUNG", "M1" ..
    // "M9") or to a quantity field; nullptr for other names.
    kolvar::TableFieldEdit* formelfeld(const QString& name) const;
    kolvar::TableFieldEdit* groessenfeld(const QString& name) const;

    QMenu* Datensatz1 = nullptr;
    QAction* NeuerDatensatz1 = nullptr;
    QAction* Duplizieren = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* Einfgen1 = nullptr;
    QAction* Ausfuellen1 = nullptr;
    QAction* Nachoben1 = nullptr;
    QAction* Nachunten1 = nullptr;
    QMenu* Kolvarn1 = nullptr;
    QAction* Suchen1 = nullptr;
    QAction* Reorganisieren = nullptr;

    // The formula table.
    QFrame* Panel3 = nullptr;
    QPushButton* Button2 = nullptr; // "Speichern"
    kolvar::TableNavigator* DBNavigator1 = nullptr;
    QPushButton* Button3 = nullptr; // "Suchen"
    QPushButton* Button5 = nullptr; // "Verschieben nach oben"
    QPushButton* Button6 = nullptr; // "Verschieben nach unten"
    QTabWidget* PageControl1 = nullptr;
    QTableView* DBGrid1 = nullptr;
    Ttxtshape* txtshape1 = nullptr;
    kolvar::TableFieldMemo* DBMemo1 = nullptr; // BEISPIEL
    // Label9 "Ergebnis in M1", Label10 .. Label17 "M2" .. "M9".
    std::array<QLabel*, 9> variablenlabels{};
    QLabel* Label7 = nullptr; // "Variable"
    QLabel* Label8 = nullptr; // "Nr der Variablen"

    QSplitter* Splitter1 = nullptr;

    // The quantity table.
    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr; // "Speichern"
    kolvar::TableNavigator* DBNavigator2 = nullptr;
    QPushButton* Button4 = nullptr; // "Suchen"
    QTabWidget* PageControl2 = nullptr;
    QTableView* DBGrid2 = nullptr;
    Ttxtshape* txtshape2 = nullptr; // SYMBOL
    Ttxtshape* txtshape3 = nullptr; // EINHEIT
    Ttxtshape* txtshape4 = nullptr; // ABLEITUNG

public slots:
    void NeuerDatensatz1Click();
    void DuplizierenClick();
    void Kopieren1Click();
    void Einfgen1Click();
    // Fills a field over several records through the dialog "Datensätze ausfüllen".
    void SpeedButton3Click();
    void Button5Click();
    void Button6Click();
    void Button3Click();
    void ReorganisierenClick();
    // Saves the formula table.
    void Button1Click();
    void Speicherngr();
    void Button4Click();
    // The current formula record and quantity record are shown.
    void DataSource2DataChange();
    void DataSource1DataChange();
    // A click into the edit of M<k>: the quantity pages go to that quantity.
    void mKlick(int k);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void baue_menues();
    QWidget* baue_formelteil();
    QWidget* baue_groessenteil();
    QWidget* baue_formelsatz();
    QWidget* baue_groessensatz();
    void suchen(kolvar::DataTable* tabelle);
    // After a save: the main window brings what it shows from the tables up
    // to date while the editor does not follow, then both tables stand on
    // the records they stood on.
    void hauptfenster_auffrischen();

    QPointer<kolvar::DataTable> m_formeln;
    QPointer<kolvar::DataTable> m_groessen;
    std::unique_ptr<Datensatzbefehle> m_befehle;
    kolvar::TableGridModel* m_formelModell = nullptr;
    kolvar::TableGridModel* m_groessenModell = nullptr;
    QList<kolvar::TableFieldEdit*> m_formelEdits;
    std::array<kolvar::TableFieldEdit*, 9> m_mEdits{};
    QList<kolvar::TableFieldEdit*> m_groessenEdits;
    QObject* m_kurzbefehlfilter = nullptr;
    bool m_datenquellen = true;
};

// The one table editor, created at start-up.
extern Tbearbformdlg* bearbformdlg;
