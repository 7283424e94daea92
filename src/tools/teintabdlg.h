#pragma once
// Asks for what a new conversion group needs: the name of the quantity, the
// file name of its unit table and the variable that receives the factor.
#include "tools/eingabedialog.h"

class Teintabdlg : public Eingabedialog {
    Q_OBJECT
public:
    explicit Teintabdlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr; // name of the quantity
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr; // file name of the table
    QLabel* Label3 = nullptr;
    QLineEdit* Edit3 = nullptr; // variable name
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

// The shared instance, created at start-up.
extern Teintabdlg* eintabdlg;
