// The fractal window's files (".fra" settings, bitmap pictures) and its
// commands: print, copy, HTML output, help, main window.
#include "tools/tfraktaldlg.h"

#include "controls/formcontrols.h"
#include "controls/textendedit.h"
#include "controls/tlongintedit.h"
#include "controls/tsaveloadlist.h"
#include "controls/tspineditex.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "shell/dateizeigen.h"
#include "shell/thtmldlg.h"
#include "shell/tmainform.h"
#include "shell/zufallsbild.h"
#include "tools/bildfeld.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace {

const QString kKopf = QStringLiteral("fraktale");
const QString kNichtLadbar = QStringLiteral("Datei kann nicht geladen werden.");

kolvar::FileDialogRequest fraktaldialog(const QString& dateiname)
{
    kolvar::FileDialogRequest anfrage;
    anfrage.filter = QStringLiteral("Fraktale|*.fra");
    anfrage.defaultExtension = QStringLiteral("fra");
    if (!dateiname.isEmpty()) {
        anfrage.directory = QFileInfo(dateiname).absolutePath();
        anfrage.fileName = dateiname;
    }
    return anfrage;
}

kolvar::FileDialogRequest bitmapdialog()
{
    kolvar::FileDialogRequest anfrage;
    anfrage.filter = QStringLiteral("Bitmap|*.bmp");
    anfrage.defaultExtension = QStringLiteral("bmp");
    return anfrage;
}

bool ganzzahl(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

bool kommazahl(const QString& text)
{
    long double wert = 0;
    return kolvar::parseFloat(text, wert);
}

} // namespace

// --- ".fra" files ------------------------------------------------------------

bool Tfraktaldlg::fraktal_speichern(const QString& name)
{
    Tsaveloadlist liste;
    liste << kKopf << m_reserviert;
    liste.componentenspeichern(formControls());
    QString fehler;
    if (!kolvar::writeTextLines(name, liste, &fehler)) {
        kolvar::showMessage(fehler);
        return false;
    }
    return true;
}

bool Tfraktaldlg::zahlen_lesbar(const QStringList& zeilen)
{
    // The form-state reader checks the placement, the page and the check
    // box; the texts of the edits are the window's to check. Each numeric
    // edit stands in two lines, the spin edit in one.
    qsizetype z = 3;
    auto lesbar = [&](bool (*pruefe)(const QString&), int anzahl) {
        for (int i = 0; i < anzahl; ++i, ++z)
            if (z >= zeilen.size() || !pruefe(zeilen[z]))
                return false;
        return true;
    };
    const kolvar::FormControls controls = formControls();
    for (const QPointer<QObject>& c : controls.controls()) {
        const bool ok = qobject_cast<TlongintEdit*>(c) ? lesbar(ganzzahl, 2)
            : qobject_cast<TextendEdit*>(c)            ? lesbar(kommazahl, 2)
            : qobject_cast<TSpinEditex*>(c)            ? lesbar(kommazahl, 1)
                                                       : (++z, true); // page control, check box
        if (!ok)
            return false;
    }
    return true;
}

bool Tfraktaldlg::fraktal_laden(const QString& name)
{
    Tsaveloadlist liste;
    if (!kolvar::readTextLines(name, liste)) {
        kolvar::showMessage(kNichtLadbar);
        return false;
    }
    // The header, the reserved line and the window's 30 lines, nothing but
    // empty lines after them, and every number readable: anything else is
    // not this window's file, and the window stays as it was.
    while (!liste.isEmpty() && liste.last().isEmpty() && liste.size() > 32)
        liste.removeLast();
    int zeile = 1;
    if (liste.value(0) != kKopf || liste.size() != 32 || !zahlen_lesbar(liste)
        || !liste.componentenladen(formControls(), zeile).ok()) {
        kolvar::showMessage(kNichtLadbar);
        return false;
    }
    m_reserviert = liste[1];
    dateiname = name;
    setWindowTitle(QFileInfo(name).fileName());
    return true;
}

void Tfraktaldlg::ffnen1Click()
{
    const QString name = kolvar::getOpenFileName(this, fraktaldialog(dateiname));
    if (!name.isEmpty())
        fraktal_laden(name);
}

void Tfraktaldlg::Speichern1Click()
{
    if (dateiname.isEmpty())
        Speichernunter1Click();
    else
        fraktal_speichern(dateiname);
}

void Tfraktaldlg::Speichernunter1Click()
{
    const QString name = kolvar::getSaveFileName(this, fraktaldialog(dateiname));
    // The window takes the name only once the file holds it.
    if (name.isEmpty() || !fraktal_speichern(name))
        return;
    dateiname = name;
    setWindowTitle(QFileInfo(name).fileName());
}

// --- bitmap files ------------------------------------------------------------

void Tfraktaldlg::Fraktalladen1Click()
{
    const QString name = kolvar::getOpenFileName(this, bitmapdialog());
    if (name.isEmpty())
        return;
    QImageReader leser(name);
    const QImage bild = leser.read();
    if (bild.isNull()) {
        kolvar::showMessage(QStringLiteral("Die Bitmap „%1“ kann nicht geladen werden.").arg(name));
        return;
    }
    // Only the picture shown changes; the drawing keeps its own.
    Image1->setBild(bild);
}

void Tfraktaldlg::Fraktalspeichern1Click()
{
    if (Image1->bild().isNull()) {
        kolvar::showMessage(QStringLiteral("Es ist noch kein Bild vorhanden."));
        return;
    }
    const QString name = kolvar::getSaveFileName(this, bitmapdialog());
    if (name.isEmpty())
        return;
    QByteArray daten;
    QBuffer puffer(&daten);
    QString fehler;
    if (!puffer.open(QIODevice::WriteOnly) || !Image1->bild().save(&puffer, "BMP")) {
        kolvar::showMessage(QStringLiteral("Die Bitmap „%1“ kann nicht gespeichert werden.").arg(name));
        return;
    }
    if (!kolvar::writeFileAtomically(name, daten, &fehler))
        kolvar::showMessage(fehler);
}

// --- other commands ----------------------------------------------------------

void Tfraktaldlg::Drucken1Click()
{
    if (!Image1->bild().isNull())
        kolvar::printPixmap(QPixmap::fromImage(Image1->bild()), false, this);
}

void Tfraktaldlg::Kopieren1Click()
{
    if (!Image1->bild().isNull())
        QGuiApplication::clipboard()->setImage(Image1->bild());
}

void Tfraktaldlg::HTML1Click()
{
    if (!htmldlg)
        return;
    htmldlg->vorbereiten();
    htmldlg->zeilehinzufuegen(QStringLiteral("Fraktale") + dateiname);
    // The picture is the last drawn set, whatever picture the window shows.
    // Before the first drawing there is none, and no image tag may point
    // to a file that will never be written.
    if (!m_bitmap.isNull()) {
        const QString name = kolvar::zufallsbildname(kolvar::bildordner(*htmldlg));
        if (name.isEmpty()) {
            kolvar::showMessage(QStringLiteral("Im Ausgabeverzeichnis ist kein Bildname mehr frei."));
        } else {
            htmldlg->zeigeGrafik(true);
            htmldlg->setBild(m_bitmap);
            htmldlg->bildhinzufuegen(name);
            htmldlg->grafikaktualisieren();
        }
    }
    htmldlg->Panel2->hide();
    kolvar::runDialog(*htmldlg);
}

void Tfraktaldlg::Inhalt1Click()
{
    dateizeigen(this, verzeichnis + QStringLiteral("hilfe\\index.htm"));
}

void Tfraktaldlg::SpeedButton8Click()
{
    hauptfenster_zeigen();
}
