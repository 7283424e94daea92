#pragma once
// The search dialog "Suche": finds, record by record, the next record of a
// table whose chosen field contains a text (only the letters a to z compared
// without regard to case), and can replace the found text, one record at a
// time or in all the records that follow. It stays on top and is shown
// without waiting, so the person goes on working in the table editor.
#include <QDialog>
#include <QPointer>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolvar {
class DataTable;
}

class TDBFindForm : public QDialog {
    Q_OBJECT
public:
    explicit TDBFindForm(QWidget* parent = nullptr);

    // The table to search, set by the caller before fuelle_felder.
    QPointer<kolvar::DataTable> tabelle;
    // Taken from Edit1 when a search starts.
    QString suchtext;

    // Empties the field list and the search text and lists the fields of
    // the table, in field order, when it is open.
    void fuelle_felder();
    // Runs the search from the first record (vonAnfang) or from the record
    // after the current one, to the next hit or, with "alle", to the end.
    void suche_weiter(bool vonAnfang);

    QLabel* Label1 = nullptr; // "Feld wählen"
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr; // "Suchtext"
    QLineEdit* Edit1 = nullptr;
    QPushButton* OKBtn = nullptr;   // "&Start", Tag 0
    QPushButton* BitBtn1 = nullptr; // "&Weiter", Tag 1
    QPushButton* CancelBtn = nullptr;
    QCheckBox* CheckBox1 = nullptr; // "Ersetzen durch"
    QLineEdit* Edit2 = nullptr;
    QCheckBox* CheckBox2 = nullptr; // "alle"

public slots:
    // "&Start" and "&Weiter": the pressed button's Tag says where to begin.
    void OKBtnClick();
    void CheckBox1Click();
    void CancelBtnClick();

private:
    void starten(int tag);
};

// The one search dialog, created at start-up.
extern TDBFindForm* DBFindForm;
