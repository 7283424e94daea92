#pragma once
// The options of a sheet ("Optionen"): the number of rows and columns of its
// grid, the header row and column included (2 to 1000 each). The two line
// check boxes were never shown and do nothing.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class Tspineditin;

class TTabOptiondlg : public QDialog {
    Q_OBJECT
public:
    explicit TTabOptiondlg(QWidget* parent = nullptr);

    // The two counts as the spin edits hold them, kept within their bounds.
    int zeilen() const;
    int spalten() const;

    QTabWidget* Notebook1 = nullptr;
    QLabel* Label1 = nullptr;
    Tspineditin* spineditin1 = nullptr; // rows
    QLabel* Label2 = nullptr;
    Tspineditin* spineditin2 = nullptr; // columns
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};
