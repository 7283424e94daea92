#pragma once
// Asks for what a new value table needs: the name, symbol and unit of the
// quantity, the file name of the table and the variable a chosen value is
// given to.
#include "tools/eingabedialog.h"

class Teintab2dlg : public Eingabedialog {
    Q_OBJECT
public:
    explicit Teintab2dlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr; // name of the quantity
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr; // symbol
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr; // unit
    QLabel* Label4 = nullptr;
    QLineEdit* Edit4 = nullptr; // file name of the table
    QLabel* Label5 = nullptr;
    QLineEdit* Edit5 = nullptr; // variable name
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

// The shared instance, created at start-up.
extern Teintab2dlg* eintab2dlg;
