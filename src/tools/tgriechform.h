#pragma once
// The Greek alphabet as a fixed table: for each letter the small and the
// capital letter and its German name. The letters are the Symbol-font codes
// a formula text uses ("a" for alpha), shown as the Greek letters they stand
// for. Shown modally from the main window; "OK" closes it.
#include <QDialog>
#include <QList>

class QPlainTextEdit;
class QPushButton;

class Tgriechform : public QDialog {
    Q_OBJECT
public:
    explicit Tgriechform(QWidget* parent = nullptr);

    struct Buchstabe {
        char taste;   // the small letter's Symbol-font code; the capital's is its capital
        const char* name;
    };
    // The letters, eight to a column pair, in the order of the table.
    static const QList<Buchstabe>& buchstaben();

    // Column pairs from left to right: the letters, then their names.
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo5 = nullptr;
    QPlainTextEdit* Memo6 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "OK"
};

// The one instance, created at start-up.
extern Tgriechform* griechform;
