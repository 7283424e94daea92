#pragma once
// Asks for what a new HTML output page needs: the output folder, the file
// name, the heading and the text that opens the page.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class Tneuedateidlg : public QDialog {
    Q_OBJECT
public:
    explicit Tneuedateidlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* Edit5 = nullptr; // output folder
    QToolButton* SpeedButton1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit2 = nullptr; // file name
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr; // heading
    QLabel* Label4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr; // text lines of the page
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

public slots:
    // Folder picker: the chosen folder replaces Edit5; cancel keeps it.
    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

// The shared instance, created at start-up.
extern Tneuedateidlg* neuedateidlg;
