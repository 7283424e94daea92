#pragma once
// HTML output: the current output page in an editor, an insert buffer that
// any calculator window fills through the public feeders, the insertion of
// that buffer above the page's marker line "<!##>", the export of a window
// picture as JPEG beside the page, and new pages made from a fixed template
// and linked into the output index "ausgabe/index.htm".
//
// A feeding window calls vorbereiten, then zeilehinzufuegen,
// zeilenhinzufuegen or tabelleeinfuegen; for a picture setBild, zeigeGrafik,
// bildhinzufuegen with a ".jpg" name and grafikaktualisieren; then it shows
// the dialog modally (kolvar::runDialog).
#include "shell/dateizeigen.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class Tneuedateidlg;
class TlongintEdit;

class Thtmldlg : public QDialog {
    Q_OBJECT
public:
    explicit Thtmldlg(QWidget* parent = nullptr);

    // The program directory (with trailing "/"): the default output folder,
    // the index page and the help pages lie below it.
    void setVerzeichnis(const QString& verzeichnis) { m_verzeichnis = verzeichnis; }
    QString verzeichnis() const { return m_verzeichnis; }
    // The dialog that asks for a new page; the shared neuedateidlg unless
    // set, and a private one when there is neither.
    void setNeuedateidlg(Tneuedateidlg* dlg) { m_neuedateidlg = dlg; }

    // --- feeders ---
    // Empties the buffer, hides the picture page and starts with "<BR>".
    void vorbereiten();
    void zeilehinzufuegen(const QString& zeile);
    void zeilenhinzufuegen(const QStringList& zeilen);
    // Announces the picture file (name without folder) and adds its image tag.
    void bildhinzufuegen(const QString& name);
    // A QTableView (or QTableWidget) becomes an HTML table of all its model's
    // cells; any other control adds nothing.
    void tabelleeinfuegen(QWidget* control);
    void grafikaktualisieren() {}
    // File name of the last announced picture.
    QString bildname;
    // The picture of the "Grafik" page, exported on insertion while that
    // page's tab is visible.
    void setBild(const QImage& bild);
    QImage bild() const { return m_bild; }
    void zeigeGrafik(bool sichtbar);
    bool grafikSichtbar() const;

    // Loads the page named in Edit5 into Memo1. A page that no longer exists
    // is looked for in the default output folder; when it is not there
    // either, Memo1 is emptied so that no other page's text gets saved
    // under its name.
    void ladeaktuelledatei();
    // Writes the picture as JPEG into the current page's folder; false (and
    // nothing written) when there is no picture or no name.
    bool bildspeichern(const QString& name);
    // The current page's folder, with its trailing "/", where pictures go.
    QString bildordner() const;

    // The current page and the buffer as lines.
    QStringList seite() const;
    QStringList puffer() const;

    // --- the page format, as plain functions ---
    // The template of a new page, line by line. ausgabe and verzeichnis end in "/".
    static QStringList seitenvorlage(const QString& ueberschrift, const QString& ausgabe,
                                     const QString& verzeichnis, const QStringList& text);
    // The index line that links a new page.
    static QString indexverweis(const QString& ueberschrift, const QString& ausgabe,
                                const QString& verzeichnis, const QString& name);
    // True when ausgabe is the program's own output folder (letters a-z
    // compared without case).
    static bool istStandardausgabe(const QString& ausgabe, const QString& verzeichnis);
    // Index of the first line containing "<!##", -1 when there is none.
    static int markerzeile(const QStringList& zeilen);
    // The page with the buffer and a "<P>" inserted above the marker line.
    static QStringList einfuegen(const QStringList& seite, const QStringList& puffer);
    // True when the name ends in ".htm" or ".html" in any case.
    static bool hatHtmlEndung(const QString& name);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn16 = nullptr;
    QPushButton* BitBtn7 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* aktualibutt = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TlongintEdit* breite = nullptr;
    TlongintEdit* hoehe = nullptr;
    QCheckBox* Transp = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;

    // The filters of the open and save dialogs.
    static QString htmlFilter();

public slots:
    void BitBtn2Click();  // new page
    void BitBtn16Click(); // open
    void speichern();     // save
    void BitBtn4Click();  // save as
    void BitBtn3Click();  // insert the buffer
    void BitBtn5Click();  // preview
    void aktualibuttClick() {}

protected:
    void showEvent(QShowEvent* event) override;

private:
    Tneuedateidlg* neuedateidlgFuer();
    void setSeite(const QStringList& zeilen);
    bool seiteLaden(const QString& datei);
    bool seiteSchreiben(const QString& datei);
    bool zeilenSchreiben(const QString& datei, const QStringList& zeilen);
    QString mitHtmlEndung(const QString& name) const;

    QString m_verzeichnis;
    QImage m_bild;
    Tneuedateidlg* m_neuedateidlg = nullptr;
    Tneuedateidlg* m_eigenerNeuedateidlg = nullptr;
    bool m_centred = false;
};

// The shared instance, created at start-up.
extern Thtmldlg* htmldlg;
