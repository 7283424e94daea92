#pragma once
// Picks a project formula to put into a cell ("Kolvar auswählen"): a click
// on a line of the list takes it into Edit1; OK hands it to the sheet.
// "Projektkolvarn bearbeiten" opens the project-formula editor. One dialog
// serves every sheet; Edit1 keeps the last choice.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

class Teinffordlg : public QDialog {
    Q_OBJECT
public:
    explicit Teinffordlg(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QListWidget* zeigekolvar = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn4 = nullptr; // "Projektkolvarn bearbeiten"
    QPushButton* BitBtn2 = nullptr; // close

public slots:
    void fuelle_liste();
    void zeigekolvarClick(int zeile);
    void BitBtn4Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
};

// The shared instance, created at start-up.
extern Teinffordlg* einffordlg;
