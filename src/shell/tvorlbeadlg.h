#pragma once
// The template editor "Vorlagen bearbeiten": edits the template tree file
// "Lektion\lekt.out" in file order (not sorted). Nodes are added before the
// selected node or as its last child, replaced and deleted with their
// branch; OK writes the whole tree back, Cancel writes nothing. The check
// box "Vorlagen als Projekt laden" lives here and is read by every project
// restore. Shown modally by the main window; it loads the file afresh each
// time it is shown.
#include <QDialog>
#include <QTreeWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The editor's tree: node texts can also be edited in place.
class Vorlagenbaum : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    // Takes over the text of an in-place editor that is still open.
    void eingabe_uebernehmen();
};

class Tvorlbeadlg : public QDialog {
    Q_OBJECT
public:
    explicit Tvorlbeadlg(QWidget* parent = nullptr);

    // The program directory (with trailing "/") whose template tree is edited.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }
    QString baumdatei() const;

    // The node text the edits make: Beschreibung + "(" + Projektname + ")".
    QString knoten_text() const;

    Vorlagenbaum* TreeView1 = nullptr;
    QFrame* Panel2 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit2 = nullptr; // "Projektname:"
    QLineEdit* Edit1 = nullptr; // "Beschreibung:"
    QPushButton* Suchen = nullptr; // "Gleiche Ebene"
    QPushButton* BitBtn4 = nullptr; // "Untergeordnete Ebene"
    QPushButton* BitBtn7 = nullptr; // "Ersetzen"
    QPushButton* Weiter = nullptr;  // a second "Untergeordnete Ebene", not shown
    QToolButton* Vorher = nullptr;
    QToolButton* Naechste = nullptr;
    QToolButton* BitBtn3 = nullptr;      // collapse all
    QToolButton* collapsclose = nullptr; // expand all
    QPushButton* BitBtn5 = nullptr; // "&Bearbeiten"
    QPushButton* Demo = nullptr;    // "&Löschen"
    QPushButton* BitBtn6 = nullptr; // "Aktuelles &Projekt"
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // Cancel
    QCheckBox* vorprojekt = nullptr;

    QString knotentext;

public slots:
    // Loads the tree from the file and collapses it (each showing).
    void baum_laden();
    void BitBtn1Click();
    void NaechsteClick();
    void VorherClick();
    void BitBtn3Click();
    void collapscloseClick();
    void SuchenClick();
    void WeiterClick();
    void BitBtn7Click();
    void DemoClick();
    void BitBtn5Click();
    void BitBtn6Click();
    void TreeView1Change();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_verzeichnis;
};

// The one instance, created at start-up.
extern Tvorlbeadlg* vorlbeadlg;
