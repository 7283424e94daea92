#pragma once
// "Datensätze ausfüllen": asks the table editor's fill command for the text
// to write, the number of further records and the direction. OK ends the
// dialog with result 1, "Abbrechen" with 2.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Tspineditin;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // The radio group's choice: 0 "nach unten", 1 "nach oben".
    int ItemIndex() const;
    void setItemIndex(int index);

    QLabel* Label1 = nullptr; // "Feld:"
    QLabel* Label2 = nullptr; // the field's name
    QLabel* Label3 = nullptr; // "Daten :"
    QLineEdit* Edit1 = nullptr;
    QLabel* Label4 = nullptr; // "Anzahl der Datensätze:"
    Tspineditin* spineditin1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr; // "Datensätze ausfüllen"
    QRadioButton* nachUnten = nullptr;
    QRadioButton* nachOben = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

// The one fill dialog, created at start-up.
extern TForm5* Form5;
