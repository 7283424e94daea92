#pragma once
// Copies definitions of a sheet into the project formulas ("Kolvarn aus der
// Tabelle in Projektkolvarn"): left the sheet's definitions, right the
// project formulas; ">" takes the selected lines, ">>" all of them. One
// dialog serves every sheet: the sheet sets tabellenliste before showing it.
#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class Tfktbaum;

class Texpfordlg : public QDialog {
    Q_OBJECT
public:
    explicit Texpfordlg(QWidget* parent = nullptr);

    // The definition list of the sheet that opened the dialog.
    Tfktbaum* tabellenliste = nullptr;

    QLabel* Label1 = nullptr;
    QListWidget* listbox2 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* zeigekolvar = nullptr;
    QPushButton* ExcludeBtn = nullptr;
    QPushButton* ExAllBtn = nullptr;
    QPushButton* BitBtn1 = nullptr; // close

public slots:
    // Fills both lists from the current definitions.
    void fuelle_listen();
    void ExcludeBtnClick();
    void ExAllBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Defines the given lines of listbox2 in the project formulas, again
    // for those that failed while a pass defines something new; each line
    // that still fails is named in a message.
    void uebernehmen(const std::vector<int>& zeilen);
};

// The shared instance, created at start-up.
extern Texpfordlg* expfordlg;
