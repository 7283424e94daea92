#pragma once
// The number-format dialog. A caller puts its pattern into zahlenformat,
// shows the dialog modally and, on OK, takes zahlenformat back; meanwhile
// seven sample numbers show what the typed pattern makes of them. The dialog
// also carries an angle mode whose choice is hidden, so OK always gives 1.
#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class Tzahlenform : public QDialog {
    Q_OBJECT
public:
    explicit Tzahlenform(QWidget* parent = nullptr);

    // The exchanged pattern: set by the caller, replaced by the text of
    // FormatEdit on OK.
    QString zahlenformat;
    // Accepted angle mode: 1 radians, 2 degrees, 3 grads.
    int winkelmodus = 1;
    // Mode chosen by the radio buttons, taken over on OK.
    int winkelwahl = 1;

    // The program directory (with trailing "/"), for the help pages.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }

    // The preset patterns and the sample numbers as the lists show them.
    static QStringList vorgaben();
    static QStringList beispiele();

    QLabel* Label1 = nullptr;
    // A "simple" combo box: the edit line above an always-open list of presets.
    QLineEdit* FormatEdit = nullptr;
    QListWidget* FormatEditListe = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* Unform = nullptr;
    QListWidget* Form = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;

public slots:
    void FormatEditChange();
    void BitBtn1Click();
    void BitBtn3Click();
    void RadioButton1Click() { winkelwahl = 1; }
    void RadioButton2Click() { winkelwahl = 2; }
    void RadioButton3Click() { winkelwahl = 3; }

protected:
    // Every showing starts from the pattern the caller put in, not from text
    // typed during an earlier, cancelled showing.
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void presetClicked();

    QString m_verzeichnis;
    bool m_centred = false;
};

// The shared instance, created at start-up.
extern Tzahlenform* zahlenform;
