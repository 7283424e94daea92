// Loading a formula: its rearrangements, quantities, unit choices and
// picture, the pages filled from them, switching rearrangements and picking
// units.
#include "collection/texcausdlg.h"

#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "engine/helpers.h"
#include "engine/kuerzestezahl.h"
#include "platform/datatable.h"
#include "platform/fileaccess.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/seams.h"

#include <QBuffer>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QAction>

namespace {

const QString kGebiet = QStringLiteral("GEBIET");
const QString kThema = QStringLiteral("THEMA");
const QString kInhalt = QStringLiteral("INHALT");
const QString kKolvar = QStringLiteral("KOLVAR");
const QString kRechnung = QStringLiteral("RECHNUNG");
const QString kGrafik = QStringLiteral("GRAFIK");
// M1..M9 are read by position: the 9th to 17th field of a formula record.
constexpr int kErstesM = 8;

const QColor kRot(255, 0, 0);

kolvar::DataTable* formeltabelle()
{
    return Datadlg && Datadlg->table2 && Datadlg->table2->isActive() ? Datadlg->table2 : nullptr;
}

kolvar::DataTable* groessentabelle()
{
    return Datadlg && Datadlg->table1 && Datadlg->table1->isActive() ? Datadlg->table1 : nullptr;
}

// The name with its extension replaced by ".cds" (or ".cds" added).
QString mitCds(const QString& datei)
{
    const qsizetype trenner = std::max(datei.lastIndexOf(QLatin1Char('/')),
                                       datei.lastIndexOf(QLatin1Char('\\')));
    const qsizetype punkt = datei.lastIndexOf(QLatin1Char('.'));
    return (punkt > trenner ? datei.left(punkt) : datei) + QStringLiteral(".cds");
}

// A value carried into a value edit must fit it whole. A longer one (a
// result in a format with many places) is written in the shortest form that
// reads back as the same number, so the next calculation uses that number
// and not a cut-off text; thousands points are the format's, not the value's.
QString passenderWert(const QString& wert)
{
    if (wert.size() <= Tgroessensatz::maxWert)
        return wert;
    std::string zahl = leerzeichenweg(wert.toStdString());
    std::erase(zahl, '.');
    long double v = 0;
    int code = 0;
    strzuzahl(zahl, v, code);
    const std::string kurz = code == 0 ? kolvar::kuerzeste_zahl(v) : std::string();
    return kurz.empty() ? wert : QString::fromStdString(kurz);
}

// A quantity number: the whole number the field holds; false for anything
// else (a fraction, text), which names no quantity.
bool ganzeZahl(const QString& text, int& zahl)
{
    bool ok = false;
    zahl = text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

bool Texcausdlg::sucheumformungen()
{
    m_satzGefunden = false;
    kolvar::DataTable* t = formeltabelle();
    const QStringList schluessel{inhalt, gebiet, thema};
    if (!t || !t->locate(QStringLiteral("INHALT;Gebiet;Thema"), schluessel))
        return false;
    // A formula is the run of records with its name; the run also ends where
    // the area or the topic change, so a formula of the same name in the
    // next topic is not counted as one of its rearrangements.
    umformanzahl = 0;
    while (!t->eof() && t->value(kInhalt) == inhalt && t->value(kGebiet) == gebiet
           && t->value(kThema) == thema) {
        ++umformanzahl;
        t->next();
    }
    t->locate(QStringLiteral("INHALT;Gebiet;Thema"), schluessel);
    m_satzGefunden = true;
    return true;
}

void Texcausdlg::ladeeintrag()
{
    const bool da = sucheumformungen();
    if (!da)
        umformanzahl = 0; // an unknown formula has no rearrangements to step to
    for (Ttxtshape* b : umformbuttons)
        b->hide();
    kolvar::DataTable* t = formeltabelle();
    rechenhinweis = da && !t->value(kRechnung).isEmpty() ? QString()
                                                          : QStringLiteral("Keine Rechung möglich!");
    for (int r = 0; da && r < umformanzahl; ++r) {
        if (!t->value(kRechnung).isEmpty() && !rechenhinweis.isEmpty())
            rechenhinweis = QStringLiteral("Rechnung nach Umformung möglich!");
        if (r < maxUmformbuttons) {
            const QString kolvar = t->value(kKolvar);
            const qsizetype gleich = kolvar.indexOf(QLatin1Char('='));
            umformbuttons[size_t(r)]->setText(gleich < 0 ? QString() : kolvar.left(gleich));
            umformbuttons[size_t(r)]->show();
        }
        t->next();
    }
    Label7->setText(rechenhinweis);
    umformfarben(0);
    sucheumformungen();
    ladegroessen();
}

void Texcausdlg::umformfarben(int rot)
{
    const QColor flaeche = palette().color(QPalette::Button);
    for (int r = 0; r < maxUmformbuttons; ++r)
        umformbuttons[size_t(r)]->setBrush(QBrush(r == rot ? kRot : flaeche));
}

void Texcausdlg::ladegroessen()
{
    kolvar::DataTable* t = formeltabelle();
    // Without a formula record the window shows an empty one, never the
    // record the shared cursor happens to stand on.
    const bool satz = m_satzGefunden && t && !t->isEmpty();
    auto feld = [&](const QString& name) { return satz ? t->value(name) : QString(); };

    rechnung = feld(kRechnung);
    const QString grafik = feld(kGrafik);
    grafikx = -1;
    grafiky = -1;
    grafikname = grafik;
    const qsizetype raute = grafik.indexOf(QLatin1Char('#'));
    if (raute >= 0) {
        grafikname = grafik.left(raute);
        const QString rest = grafik.mid(raute + 1);
        const qsizetype zweite = rest.indexOf(QLatin1Char('#'));
        int x = 0, y = 0;
        if (zweite >= 0 && ganzeZahl(rest.left(zweite), x)) {
            grafikx = x;
            if (ganzeZahl(rest.mid(zweite + 1), y))
                grafiky = y;
        }
    }

    txtshape31->setText(feld(kKolvar));
    kopfEinpassen();
    txtshape1->setText(satz ? feld(kInhalt) : inhalt);
    setWindowTitle(satz ? feld(kGebiet) + QLatin1Char(' ') + feld(kThema)
                        : gebiet + QLatin1Char(' ') + thema);

    for (Tgroessensatz& g : groessen)
        g = Tgroessensatz();

    Anzahl = 0;
    while (satz && Anzahl < maxGroessen && kErstesM + Anzahl < t->fieldCount()
           && !t->value(kErstesM + Anzahl).isEmpty())
        ++Anzahl;

    kolvar::DataTable* q = groessentabelle();
    bool vollstaendig = true;
    for (int k = 1; k <= Anzahl; ++k) {
        int nr = 0;
        if (!q || !ganzeZahl(t->value(kErstesM + k - 1), nr)
            || !q->locate(QStringLiteral("NR"), QString::number(nr))) {
            // The record stays empty; a formula with a quantity it cannot
            // name cannot be calculated.
            vollstaendig = false;
            continue;
        }
        Tgroessensatz& g = groessen[size_t(k)];
        g.groesse = q->value(QStringLiteral("GROESSE"));
        g.symbol = q->value(QStringLiteral("SYMBOL"));
        g.einheit = q->value(QStringLiteral("EINHEIT"));
        g.nameeinhei = q->value(QStringLiteral("NAMEEINHEI"));
        g.ableitung = q->value(QStringLiteral("ABLEITUNG"));
        g.rechenvari = q->value(QStringLiteral("RECHENVARI"));
        g.Datei = q->value(QStringLiteral("DATEI"));
        g.Wert = q->value(QStringLiteral("KONSTANTE"));
    }
    if (!vollstaendig)
        rechnung.clear();

    for (int k = 1; k <= maxGroessen; ++k) {
        QComboBox* c = ComboBoxes[size_t(k)];
        c->clear();
        c->setPlaceholderText(QString());
    }

    ladebild();

    QStringList gemeldet;
    for (int k = 1; k <= Anzahl; ++k) {
        Tgroessensatz& g = groessen[size_t(k)];
        if (!g.Datei.isEmpty()) {
            g.Datei = mitCds(g.Datei);
            leseeinheiten(k, gemeldet);
        }
    }

    zeigeseiten();
}

bool Texcausdlg::leseeinheiten(int k, QStringList& gemeldet)
{
    Tgroessensatz& g = groessen[size_t(k)];
    const QString datei = kolvar::programPath(verzeichnis, QStringLiteral("daten\\") + g.Datei);
    table2->close();
    if (!table2->open(datei)) {
        // One message per file and load; the quantity then has no unit
        // choice and the rest of the formula loads on.
        if (!gemeldet.contains(datei)) {
            gemeldet.append(datei);
            kolvar::showMessage(table2->errorString());
        }
        g.Datei.clear();
        return false;
    }
    if (!table2->isEmpty()) {
        table2->first();
        g.faktormodus = table2->value(QStringLiteral("FAKTOR"));
    }
    QComboBox* c = ComboBoxes[size_t(k)];
    for (table2->first(); !table2->isEmpty() && !table2->eof(); table2->next())
        c->addItem(table2->value(QStringLiteral("STOFF")));
    table2->close();
    return true;
}

void Texcausdlg::ladebild()
{
    Image1->clear();
    Image1->hide();
    if (grafikname.isEmpty())
        return;
    QString name = grafikname;
    if (!name.contains(QLatin1Char('.')))
        name += QStringLiteral(".bmp");
    const QString datei = kolvar::programPath(verzeichnis, QStringLiteral("Grafik\\") + name);
    const QString endung = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    // A missing picture just leaves the place empty; one that is there but
    // cannot be read (too large, say) is worth a word.
    QByteArray daten;
    QString fehler;
    if (!kolvar::readWholeFile(datei, daten, &fehler)) {
        if (QFileInfo::exists(kolvar::resolvePath(datei)))
            kolvar::showMessage(fehler);
        grafikname.clear();
        return;
    }
    QImage bild;
    if (endung == QLatin1String("jpg") || endung == QLatin1String("jpeg")) {
        bild = kolvar::decodeJpeg(daten);
    } else {
        QBuffer puffer(&daten);
        QImageReader leser(&puffer, endung.toLatin1());
        bild = leser.read();
    }
    if (bild.isNull()) {
        grafikname.clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(bild));
    Image1->resize(bild.size());
}

void Texcausdlg::zeigeseiten()
{
    const bool mitRechnung = !rechnung.isEmpty();
    PageControl1->setTabVisible(1, mitRechnung);
    PageControl1->setTabVisible(2, false);
    for (QObject* o : std::initializer_list<QObject*>{Rechne1, Rechnenfenster1, SeiteRechnung1, Seite2btn,
                                                      Speedrechne, Speedrechfens})
        schalten(o, mitRechnung);
    schalten(SeiteBeispiel1, false);
    schalten(seite3btn, false);
    Label7->setText(mitRechnung ? QString() : rechenhinweis);

    for (int k = 1; k <= Anzahl; ++k) {
        const Tgroessensatz& g = groessen[size_t(k)];
        QString zeile = g.symbol + QLatin1Char(' ') + g.groesse + QLatin1Char(' ') + g.einheit;
        if (!g.ableitung.isEmpty())
            zeile += QLatin1Char('=') + g.ableitung;
        beschreibungen[size_t(k)]->setText(zeile);
        symbolshapes[size_t(k)]->setText(g.symbol + QLatin1Char('='));
        extendEdits[size_t(k)]->setText(g.Wert);
        einheitshapes[size_t(k)]->setText(g.angezeigteEinheit());
        QComboBox* c = ComboBoxes[size_t(k)];
        const int index = c->findText(g.angezeigterName());
        c->setCurrentIndex(index);
        c->setPlaceholderText(index < 0 ? g.angezeigterName() : QString());
    }
    for (int k = 1; k <= maxGroessen; ++k) {
        const bool da = k <= Anzahl;
        const bool zeile = da && mitRechnung;
        beschreibungen[size_t(k)]->setVisible(da);
        extendEdits[size_t(k)]->setVisible(zeile);
        symbolshapes[size_t(k)]->setVisible(zeile);
        einheitshapes[size_t(k)]->setVisible(zeile);
        ComboBoxes[size_t(k)]->setVisible(zeile && !groessen[size_t(k)].Datei.isEmpty());
    }

    // The description lines have their widths as soon as their texts are
    // set, so the picture can be placed beside the widest one at once.
    if (!grafikname.isEmpty()) {
        int x = 0;
        for (int k = 1; k <= Anzahl; ++k) {
            const int breite = beschreibungen[size_t(k)]->width();
            if (x < breite)
                x = breite + 65;
        }
        Image1->move(grafikx == -1 ? x : grafikx, grafiky == -1 ? 0 : grafiky);
        Image1->show();
    }
    QWidget* flaeche = ScrollBox1->widget();
    int rechtsRand = 500, unten = 320;
    for (int k = 1; k <= Anzahl; ++k)
        rechtsRand = std::max(rechtsRand, beschreibungen[size_t(k)]->geometry().right() + 10);
    if (Image1->isVisibleTo(flaeche)) {
        rechtsRand = std::max(rechtsRand, Image1->geometry().right() + 10);
        unten = std::max(unten, Image1->geometry().bottom() + 10);
    }
    flaeche->setMinimumSize(rechtsRand, unten);

    zeigebeispiel();
}

void Texcausdlg::werteuebernehmen()
{
    // Record 1 holds the result or the preset constant, not what is typed.
    for (int k = 2; k <= Anzahl; ++k)
        groessen[size_t(k)].Wert = extendEdits[size_t(k)]->text().left(Tgroessensatz::maxWert);
}

void Texcausdlg::extendEdit2Exit()
{
    werteuebernehmen();
}

void Texcausdlg::umformungwechseln()
{
    werteuebernehmen();
    const int alt = Anzahl;
    for (int k = 1; k <= alt; ++k)
        altgroessen[size_t(k)] = groessen[size_t(k)];
    ladegroessen();
    // Values and units follow their quantities by symbol; when several old
    // quantities share one, the last wins. A record left empty (its quantity
    // was not found) has no symbol and takes nothing.
    for (int j = 1; j <= alt; ++j) {
        const Tgroessensatz& a = altgroessen[size_t(j)];
        if (a.symbol.isEmpty())
            continue;
        for (int k = 1; k <= Anzahl; ++k) {
            Tgroessensatz& g = groessen[size_t(k)];
            if (g.symbol != a.symbol)
                continue;
            g.umrechfaktor = a.umrechfaktor;
            g.nameeinhei = a.nameeinhei;
            g.umEinheit = a.umEinheit;
            g.umNameeinheit = a.umNameeinheit;
            g.Wert = k >= 2 ? passenderWert(a.Wert) : a.Wert;
        }
    }
    zeigeseiten();
}

void Texcausdlg::umformunggehe(int nr)
{
    if (!sucheumformungen() || umformanzahl <= 0)
        return;
    umformnr = std::clamp(nr, 0, umformanzahl - 1);
    formeltabelle()->moveBy(umformnr);
    umformfarben(umformnr);
    umformungwechseln();
}

void Texcausdlg::umform()
{
    if (!m_formelAktiv)
        return;
    umformunggehe(umformanzahl - 1 <= umformnr ? 0 : umformnr + 1);
}

void Texcausdlg::txtshape39MouseDown(Ttxtshape* sender)
{
    for (int r = 0; r < maxUmformbuttons; ++r)
        if (umformbuttons[size_t(r)] == sender)
            umformunggehe(r);
}

void Texcausdlg::ComboBox1Change(int index)
{
    auto* combo = qobject_cast<QComboBox*>(sender());
    if (!combo)
        return;
    const int k = combo->property("Tag").toInt();
    if (k < 1 || k > Anzahl || groessen[size_t(k)].Datei.isEmpty())
        return;
    // The refilled page shows the records; what was typed meanwhile must be
    // in them first.
    werteuebernehmen();
    Tgroessensatz& g = groessen[size_t(k)];
    table2->close();
    if (!table2->open(kolvar::programPath(verzeichnis, QStringLiteral("daten\\") + g.Datei))) {
        kolvar::showMessage(table2->errorString());
        return;
    }
    const QString gewaehlt = combo->itemText(index);
    bool getroffen = false;
    for (table2->first(); !table2->isEmpty() && !table2->eof(); table2->next()) {
        if (table2->value(QStringLiteral("STOFF")) != gewaehlt || index < 0)
            continue;
        // A later row of the same name applies again and wins.
        g.umNameeinheit = table2->value(QStringLiteral("STOFF"));
        g.umEinheit = table2->value(QStringLiteral("Einheit"));
        g.umrechfaktor = table2->value(QStringLiteral("FAKTOR"));
        if (g.umrechfaktor == QLatin1String("-1"))
            g.umrechfaktor = QStringLiteral("1");
        getroffen = true;
    }
    table2->close();
    if (getroffen)
        zeigeseiten();
}
