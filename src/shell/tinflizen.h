#pragma once
// The info dialog of "In&fo..." in the help menu: a fixed text about the
// program and an OK button. Shown modally; it has no behaviour of its own.
#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

class Tinflizen : public QDialog {
    Q_OBJECT
public:
    explicit Tinflizen(QWidget* parent = nullptr);

    // The text Memo3 shows.
    static QString infotext();

    QFrame* Panel1 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

// The one instance, created at start-up.
extern Tinflizen* inflizen;
