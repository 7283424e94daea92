#include "shell/thtmldlg.h"

#include "controls/tlongintedit.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/screenplacement.h"
#include "shell/tneuedateidlg.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using kolvar::MessageIcon;

Thtmldlg* htmldlg = nullptr;

namespace {

const QString Q = QStringLiteral("\"");
const QString marker = QStringLiteral("<!##");

// A memo's lines as a list; an empty memo has none.
QStringList zeilenVon(const QPlainTextEdit* memo)
{
    const QString text = memo->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QPlainTextEdit* htmlMemo(QWidget* parent, const QString& name)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(13);
    memo->setFont(f);
    return memo;
}

QPushButton* knopf(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

// ---- page format -------------------------------------------------------------

bool Thtmldlg::istStandardausgabe(const QString& ausgabe, const QString& verzeichnis)
{
    return kolvar::sameNameFolded(ausgabe, verzeichnis + QStringLiteral("ausgabe/"));
}

QStringList Thtmldlg::seitenvorlage(const QString& ueberschrift, const QString& ausgabe,
                                    const QString& verzeichnis, const QStringList& text)
{
    QStringList s;
    s << QStringLiteral("<html><head><title>") + ueberschrift
             + QStringLiteral("</title></head><body BACKGROUND=") + Q + QStringLiteral("back3.jpg") + Q
             + QStringLiteral(">");
    s << QStringLiteral("<A HREF=") + Q + QStringLiteral("index.htm") + Q
             + QStringLiteral("> HTML Ausgabeverzeichnis</A>-----");
    // Pages in the program's own output folder reach the help relatively, so
    // the whole folder can move with the program; others need the full path.
    const QString hilfe = istStandardausgabe(ausgabe, verzeichnis)
                            ? QStringLiteral("../hilfe/index.htm")
                            : verzeichnis + QStringLiteral("hilfe/index.htm");
    s << QStringLiteral("<A HREF=") + Q + hilfe + Q + QStringLiteral("> Beschreibung Kolvar</A><P>");
    s << QStringLiteral("<P><HR><H2><FONT COLOR=") + Q + QStringLiteral("#ff0000") + Q + QStringLiteral(">")
             + ueberschrift + QStringLiteral("</H2><HR><P></FONT><FONT COLOR=") + Q
             + QStringLiteral("#0000ff") + Q + QStringLiteral(">");
    for (const QString& zeile : text)
        s << zeile + QStringLiteral("<BR>");
    s << QStringLiteral("<!##>");
    s << QStringLiteral("</FONT></body></html>");
    return s;
}

QString Thtmldlg::indexverweis(const QString& ueberschrift, const QString& ausgabe,
                               const QString& verzeichnis, const QString& name)
{
    const QString ziel = istStandardausgabe(ausgabe, verzeichnis) ? name : ausgabe + name;
    return QStringLiteral("<A HREF=") + Q + ziel + Q + QStringLiteral(">") + ueberschrift
         + QStringLiteral(" ") + name + QStringLiteral("</A><P>");
}

int Thtmldlg::markerzeile(const QStringList& zeilen)
{
    for (int i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].contains(marker))
            return i;
    return -1;
}

QStringList Thtmldlg::einfuegen(const QStringList& seite, const QStringList& puffer)
{
    const int m = markerzeile(seite);
    if (m < 0)
        return seite;
    QStringList ergebnis = seite.mid(0, m);
    ergebnis << puffer << QStringLiteral("<P>");
    ergebnis << seite.mid(m);
    return ergebnis;
}

bool Thtmldlg::hatHtmlEndung(const QString& name)
{
    const int punkt = name.lastIndexOf(QLatin1Char('.'));
    if (punkt < 0 || name.indexOf(QLatin1Char('/'), punkt) >= 0 || name.indexOf(QLatin1Char('\\'), punkt) >= 0)
        return false;
    const QString endung = name.mid(punkt).toUpper();
    return endung == QLatin1String(".HTM") || endung == QLatin1String(".HTML");
}

QString Thtmldlg::htmlFilter()
{
    return QStringLiteral("HTM-Datei|*.htm|HTML-Datei|*.html");
}

// ---- the window --------------------------------------------------------------

Thtmldlg::Thtmldlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("htmldlg"));
    setWindowTitle(QStringLiteral("HTML-Ausgabe erzeugen"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));

    // Page "HTML-Datei": the current page and its file commands.
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    Memo1 = htmlMemo(TabSheet3, QStringLiteral("Memo1"));
    Panel3 = new QFrame(TabSheet3);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Label2 = new QLabel(QStringLiteral("Aktuelle  HTML-Datei"), Panel3);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit5 = new QLineEdit(Panel3);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setReadOnly(true);
    BitBtn2 = knopf(QStringLiteral("Neue  HTML-Datei"), QStringLiteral("BitBtn2"), Panel3);
    BitBtn16 = knopf(QStringLiteral("&Öffnen"), QStringLiteral("BitBtn16"), Panel3);
    BitBtn7 = knopf(QStringLiteral("&Speichern"), QStringLiteral("BitBtn7"), Panel3);
    BitBtn4 = knopf(QStringLiteral("Speichern &unter"), QStringLiteral("BitBtn4"), Panel3);
    BitBtn4->setVisible(false);
    {
        auto* panel = new QGridLayout(Panel3);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addWidget(Label2, 0, 0, 1, 4);
        panel->addWidget(Edit5, 1, 0, 1, 4);
        panel->addWidget(BitBtn2, 2, 0);
        panel->addWidget(BitBtn16, 2, 1);
        panel->addWidget(BitBtn7, 2, 2);
        panel->addWidget(BitBtn4, 2, 3);
        panel->setColumnStretch(3, 1);
        auto* seite = new QVBoxLayout(TabSheet3);
        seite->addWidget(Memo1, 1);
        seite->addWidget(Panel3);
    }
    PageControl1->addTab(TabSheet3, QStringLiteral("HTML-Datei"));

    // Page "Einzufügende Daten": the insert buffer.
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Memo2 = htmlMemo(TabSheet1, QStringLiteral("Memo2"));
    (new QVBoxLayout(TabSheet1))->addWidget(Memo2);
    PageControl1->addTab(TabSheet1, QStringLiteral("Einzufügende Daten"));

    // Page "Grafik": the picture to export and its (unused) size settings.
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    ScrollBox1 = new QScrollArea(TabSheet4);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(Image1);
    ScrollBox1->setWidgetResizable(false);
    Panel2 = new QFrame(TabSheet4);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    aktualibutt = knopf(QStringLiteral("Aktualisieren"), QStringLiteral("aktualibutt"), Panel2);
    GroupBox1 = new QGroupBox(QStringLiteral("Bildgröße in Pixel"), Panel2);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    breite = new TlongintEdit(GroupBox1);
    breite->setObjectName(QStringLiteral("breite"));
    breite->setMinValue(2);
    breite->setMaxValue(999999);
    breite->setValue(300);
    hoehe = new TlongintEdit(GroupBox1);
    hoehe->setObjectName(QStringLiteral("hoehe"));
    hoehe->setMinValue(2);
    hoehe->setMaxValue(999999);
    hoehe->setValue(400);
    Transp = new QCheckBox(QStringLiteral("Hintergrundfarbe"), GroupBox1);
    Transp->setObjectName(QStringLiteral("Transp"));
    {
        auto* gruppe = new QGridLayout(GroupBox1);
        gruppe->addWidget(new QLabel(QStringLiteral("Breite"), GroupBox1), 0, 0);
        gruppe->addWidget(breite, 0, 1);
        gruppe->addWidget(new QLabel(QStringLiteral("Höhe"), GroupBox1), 1, 0);
        gruppe->addWidget(hoehe, 1, 1);
        gruppe->addWidget(Transp, 2, 0, 1, 2);
        auto* panel = new QVBoxLayout(Panel2);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addWidget(aktualibutt);
        panel->addWidget(GroupBox1);
        panel->addStretch();
        Panel2->setFixedWidth(170);
        auto* seite = new QHBoxLayout(TabSheet4);
        seite->addWidget(ScrollBox1, 1);
        seite->addWidget(Panel2);
    }
    PageControl1->addTab(TabSheet4, QStringLiteral("Grafik"));
    PageControl1->setCurrentIndex(0);
    // No picture yet, so nothing to export.
    zeigeGrafik(false);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    BitBtn3 = knopf(QStringLiteral("Daten an der Stelle <!##> einfügen"), QStringLiteral("BitBtn3"), Panel1);
    BitBtn5 = knopf(QStringLiteral("Vorschau aktuelle HTML-Datei"), QStringLiteral("BitBtn5"), Panel1);
    BitBtn6 = knopf(QStringLiteral("S&chließen"), QStringLiteral("BitBtn6"), Panel1);
    {
        auto* panel = new QHBoxLayout(Panel1);
        panel->setContentsMargins(0, 0, 0, 0);
        panel->addWidget(BitBtn3);
        panel->addWidget(BitBtn5);
        panel->addStretch();
        panel->addWidget(BitBtn6);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(Panel1);

    connect(BitBtn2, &QPushButton::clicked, this, &Thtmldlg::BitBtn2Click);
    connect(BitBtn16, &QPushButton::clicked, this, &Thtmldlg::BitBtn16Click);
    connect(BitBtn7, &QPushButton::clicked, this, &Thtmldlg::speichern);
    connect(BitBtn4, &QPushButton::clicked, this, &Thtmldlg::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Thtmldlg::BitBtn3Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Thtmldlg::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &QDialog::reject);
    connect(aktualibutt, &QPushButton::clicked, this, &Thtmldlg::aktualibuttClick);

    setFixedSize(640, 480);
}

void Thtmldlg::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        kolvar::placeAtScreenCentre(*this);
        m_centred = true;
    }
    QDialog::showEvent(event);
}

Tneuedateidlg* Thtmldlg::neuedateidlgFuer()
{
    if (m_neuedateidlg)
        return m_neuedateidlg;
    if (neuedateidlg)
        return neuedateidlg;
    if (!m_eigenerNeuedateidlg)
        m_eigenerNeuedateidlg = new Tneuedateidlg(this);
    return m_eigenerNeuedateidlg;
}

QStringList Thtmldlg::seite() const { return zeilenVon(Memo1); }
QStringList Thtmldlg::puffer() const { return zeilenVon(Memo2); }

void Thtmldlg::setSeite(const QStringList& zeilen)
{
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
}

// ---- feeders -----------------------------------------------------------------

void Thtmldlg::vorbereiten()
{
    Memo2->clear();
    zeigeGrafik(false);
    zeilehinzufuegen(QString());
}

void Thtmldlg::zeilehinzufuegen(const QString& zeile)
{
    Memo2->appendPlainText(zeile + QStringLiteral("<BR>"));
}

void Thtmldlg::zeilenhinzufuegen(const QStringList& zeilen)
{
    for (const QString& zeile : zeilen)
        zeilehinzufuegen(zeile);
}

void Thtmldlg::bildhinzufuegen(const QString& name)
{
    bildname = name;
    Memo2->appendPlainText(QStringLiteral("<P><IMG SRC=") + name + QStringLiteral("><P>"));
}

void Thtmldlg::tabelleeinfuegen(QWidget* control)
{
    const auto* view = qobject_cast<const QTableView*>(control);
    const QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model)
        return;
    QStringList zeilen;
    zeilen << QStringLiteral("<table  border=") + Q + QStringLiteral("1") + Q + QStringLiteral(">");
    for (int r = 0; r < model->rowCount(); ++r) {
        zeilen << QStringLiteral("<tr>");
        for (int c = 0; c < model->columnCount(); ++c)
            zeilen << QStringLiteral("<td> <align=") + Q + QStringLiteral("right") + Q + QStringLiteral(">")
                          + model->index(r, c).data(Qt::DisplayRole).toString() + QStringLiteral("</td>");
        zeilen << QStringLiteral("</tr>");
    }
    zeilen << QStringLiteral("</table>");
    Memo2->appendPlainText(zeilen.join(QLatin1Char('\n')));
}

void Thtmldlg::setBild(const QImage& bild)
{
    m_bild = bild;
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->adjustSize();
}

void Thtmldlg::zeigeGrafik(bool sichtbar)
{
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet4), sichtbar);
}

bool Thtmldlg::grafikSichtbar() const
{
    return PageControl1->isTabVisible(PageControl1->indexOf(TabSheet4));
}

// ---- files -------------------------------------------------------------------

bool Thtmldlg::seiteLaden(const QString& datei)
{
    QStringList zeilen;
    QString fehler;
    if (!kolvar::readTextLines(datei, zeilen, &fehler)) {
        kolvar::showMessage(kolvar::tooLargeToRead(datei) ? fehler
                                                          : QStringLiteral("Datei konnte nicht geladen werden!"));
        return false;
    }
    setSeite(zeilen);
    return true;
}

bool Thtmldlg::seiteSchreiben(const QString& datei)
{
    return zeilenSchreiben(datei, seite());
}

bool Thtmldlg::zeilenSchreiben(const QString& datei, const QStringList& zeilen)
{
    QString fehler;
    if (!kolvar::writeHtmlLines(datei, zeilen, &fehler)) {
        kolvar::showMessage(fehler, MessageIcon::Error);
        return false;
    }
    return true;
}

QString Thtmldlg::mitHtmlEndung(const QString& name) const
{
    return hatHtmlEndung(name) ? name : name + QStringLiteral(".htm");
}

void Thtmldlg::ladeaktuelledatei()
{
    QString datei = Edit5->text();
    if (datei.isEmpty()) {
        Memo1->clear();
        return;
    }
    // A project may come from another machine: the page is then looked for
    // in this program's output folder.
    if (!QFileInfo(kolvar::resolvePath(datei)).isFile()) {
        datei = m_verzeichnis + QStringLiteral("ausgabe/") + kolvar::fileNameOf(datei);
        Edit5->setText(datei);
    }
    const QString pfad = kolvar::resolvePath(datei);
    if (QFileInfo(pfad).isFile())
        seiteLaden(pfad);
    else
        Memo1->clear();
}

bool Thtmldlg::bildspeichern(const QString& name)
{
    if (m_bild.isNull() || name.isEmpty())
        return false;
    const QString ordner = kolvar::directoryOf(kolvar::resolvePath(Edit5->text()));
    QString fehler;
    if (!kolvar::writeJpeg(m_bild, ordner + name, kolvar::defaultJpegQuality, &fehler)) {
        kolvar::showMessage(fehler, MessageIcon::Error);
        return false;
    }
    return true;
}

// ---- commands ----------------------------------------------------------------

void Thtmldlg::BitBtn2Click()
{
    Tneuedateidlg* dlg = neuedateidlgFuer();
    const QString& P = m_verzeichnis;
    dlg->Edit5->setText(P + QStringLiteral("ausgabe"));
    if (kolvar::runDialog(*dlg) != QDialog::Accepted)
        return;

    QString name = dlg->Edit2->text();
    if (name.isEmpty()) {
        kolvar::showMessage(QStringLiteral("Geben sie einen Dateiname ein!"));
        return;
    }
    // The name goes into the index as a link beside the page; a folder in it
    // would put the page somewhere its link does not point to.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        kolvar::showMessage(QStringLiteral("Der Dateiname darf kein Verzeichnis enthalten!"));
        return;
    }

    QString ordner = dlg->Edit5->text();
    ordner.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isRelativePath(ordner))
        ordner = P + ordner;
    while (ordner.size() > 1 && ordner.endsWith(QLatin1Char('/')))
        ordner.chop(1);
    QString D = kolvar::resolvePath(ordner);
    if (!D.endsWith(QLatin1Char('/')))
        D += QLatin1Char('/');
    if (!QFileInfo(D).isDir() && !QDir().mkdir(D)) {
        kolvar::showMessage(QStringLiteral("Verzeichnis kann nicht angelegt werden!"), MessageIcon::Warning);
        return;
    }

    // The page's background picture lives beside it.
    if (!QFileInfo::exists(kolvar::resolvePath(D + QStringLiteral("back3.jpg")))) {
        const QString quelle = kolvar::resolvePath(P + QStringLiteral("hilfe/back3.jpg"));
        if (!QFile::copy(quelle, D + QStringLiteral("back3.jpg")))
            kolvar::showMessage(QStringLiteral("Datei ") + Q + quelle + Q
                                + QStringLiteral(" konnte nicht kopiert werden!"));
    }

    if (!hatHtmlEndung(name)) {
        name += QStringLiteral(".htm");
        dlg->Edit2->setText(name);
    }
    const QString ziel = kolvar::resolvePath(D + name);
    name = kolvar::fileNameOf(ziel); // an existing page keeps its spelling
    const bool vorhanden = QFileInfo::exists(ziel);
    if (vorhanden
        && !kolvar::askYesNo(QStringLiteral("Die Datei ") + ziel
                             + QStringLiteral(" ist schon vorhanden. Soll sie überschrieben werden ?"))) {
        return;
    }

    const QString T = dlg->Edit1->text();
    // The editor takes the new page only once it is written: until then the
    // editor and Edit5 still belong together, so a later save cannot put
    // the new page's text over the old page.
    const QStringList vorlage = seitenvorlage(T, D, P, zeilenVon(dlg->Memo1));
    if (!zeilenSchreiben(ziel, vorlage))
        return;
    setSeite(vorlage);
    Edit5->setText(ziel);

    const QString indexdatei = kolvar::resolvePath(P + QStringLiteral("ausgabe/index.htm"));
    QStringList index;
    QString fehler;
    if (!kolvar::readTextLines(indexdatei, index, &fehler)) {
        kolvar::showMessage(fehler, MessageIcon::Error);
        return;
    }
    const int m = markerzeile(index);
    if (m < 0) {
        kolvar::showMessage(QStringLiteral("Kein Einfügezeichen<!## gefunden "));
        return;
    }
    const QString verweis = indexverweis(T, D, P, name);
    // A replaced page is linked already; a second, equal link adds nothing.
    if (vorhanden && index.contains(verweis))
        return;
    index.insert(m, verweis);
    if (!kolvar::writeHtmlLines(indexdatei, index, &fehler))
        kolvar::showMessage(fehler, MessageIcon::Error);
}

void Thtmldlg::BitBtn3Click()
{
    if (markerzeile(seite()) < 0) {
        kolvar::showMessage(
            QStringLiteral("Kein Einfügezeichen <!## gefunden. Erstellen Sie eine neue HTML-Datei."));
        return;
    }
    // A page typed by hand has no file yet; the picture goes beside the page,
    // so the page needs its name first.
    if (Edit5->text().isEmpty()) {
        BitBtn4Click();
        if (Edit5->text().isEmpty())
            return;
    }
    if (grafikSichtbar())
        bildspeichern(bildname);
    setSeite(einfuegen(seite(), puffer()));
    seiteSchreiben(kolvar::resolvePath(Edit5->text()));
}

void Thtmldlg::BitBtn16Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.filter = htmlFilter();
    anfrage.directory = Edit5->text().isEmpty() ? m_verzeichnis + QStringLiteral("ausgabe")
                                                : kolvar::directoryOf(Edit5->text());
    const QString datei = kolvar::getOpenFileName(this, anfrage);
    if (datei.isEmpty()) {
        kolvar::showMessage(QStringLiteral("Keine HTM oder HTML-Datei"));
        return;
    }
    if (!hatHtmlEndung(datei))
        return;
    if (!seiteLaden(datei))
        return;
    Edit5->setText(datei);
    if (markerzeile(seite()) < 0)
        kolvar::showMessage(
            QStringLiteral("Kein Einfügezeichen <!## gefunden. Fügen Sie Zeichenkette <!##  ein."));
}

void Thtmldlg::speichern()
{
    if (Edit5->text().isEmpty()) {
        BitBtn4Click();
        return;
    }
    if (!hatHtmlEndung(Edit5->text()))
        Edit5->setText(Edit5->text() + QStringLiteral(".htm"));
    seiteSchreiben(kolvar::resolvePath(Edit5->text()));
}

void Thtmldlg::BitBtn4Click()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.filter = htmlFilter();
    anfrage.defaultExtension = QStringLiteral("htm");
    anfrage.directory = kolvar::directoryOf(Edit5->text());
    anfrage.fileName = kolvar::fileNameOf(Edit5->text());
    const QString datei = kolvar::getSaveFileName(this, anfrage);
    if (datei.isEmpty())
        return;
    const QString ziel = mitHtmlEndung(datei);
    // The dialog takes the new name only once the page is written there.
    if (seiteSchreiben(kolvar::resolvePath(ziel)))
        Edit5->setText(ziel);
}

void Thtmldlg::BitBtn5Click()
{
    dateizeigen(this, Edit5->text());
    done(QDialog::Accepted);
}
