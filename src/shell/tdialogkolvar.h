#pragma once
// The project-formula editor: here the user types, picks, imports, exports,
// evaluates and deletes the project formulas of projektliste, the one list
// that every calculator shares. The dialog works on the list; the program
// object owns it (shell/projektliste.h).
#include "shell/projektliste.h"

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class Tfktbaum;

class Tdialogkolvar : public QDialog {
    Q_OBJECT
public:
    explicit Tdialogkolvar(QWidget* parent = nullptr);
    ~Tdialogkolvar() override;

    // The program directory (with trailing "/"), for the help pages.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }

    // The caption of every keypad button, in their order.
    static QStringList tastenfeld();
    static QStringList funktionen();
    static QStringList beispiele();

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* definieren = nullptr;
    QList<QPushButton*> tasten;
    QLabel* Label1 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* ListBox4 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QListWidget* listbox2 = nullptr;
    QPushButton* ExcludeBtn = nullptr;
    QPushButton* ExAllBtn = nullptr;
    QPushButton* BitBtn10 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QListWidget* zeigekolvar = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn2 = nullptr;

public slots:
    void FormActivate();
    void listen_aktualisieren();
    void definierenClick();
    void Button18Click(const QString& beschriftung);
    void ListBox3Click(const QString& funktion);
    void ListBox4Click(const QString& beispiel);
    void zeigekolvarClick(int zeile);
    void BitBtn6Click();
    void BitBtn5Click();
    void BitBtn8Click();
    void ExcludeBtnClick();
    void ExAllBtnClick();
    void BitBtn10Click();
    void BitBtn7Click();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands one definition to the list; "Fehlerhafter Ausdruck" when refused.
    bool definiereZeile(const QString& zeile);
    // Defines import lines (their line number in the import list, their
    // text) in passes and reports each line that still fails.
    void importieren(const std::vector<std::pair<int, QString>>& zeilen);
    // Replaces Edit1's selection by text and puts the caret rueck characters
    // before the end of the inserted text.
    void einfuegen(const QString& text, int rueck);

    QString m_verzeichnis;
    bool m_centred = false;
    // Edit1's text and selection (or caret) when it last lost the focus.
    struct {
        QString text;
        int start = 0;
        int laenge = 0;
    } m_auswahl;
};

// The shared instance, created at start-up.
extern Tdialogkolvar* dialogkolvar;
