#pragma once
// The range-sum dialog of a sheet ("Datenbereich"): it offers the selected
// range and a target cell below the current one; OK writes the sum formula
// into the target. Each sheet has its own; it keeps its last texts.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
struct Rasterbereich;

class Tsummedlg : public QDialog {
    Q_OBJECT
public:
    explicit Tsummedlg(QWidget* parent = nullptr);

    // daten1 and daten3 take the references of the range's top left and
    // bottom right cells.
    void bereich_anzeigen(const Rasterbereich& bereich);
    // Edit1 takes the reference of the target cell.
    void ziel_anzeigen(int spalte, int zeile);

    QLabel* Label1 = nullptr;
    QLineEdit* daten1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* daten3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* CancelBtn = nullptr;
};

// The instance created at start-up, which no sheet uses.
extern Tsummedlg* summedlg;
