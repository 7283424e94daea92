// Loading formulas into the formula window: rearrangements, quantities,
// unit choices, constants, pictures and the switch between rearrangements.
#include "formelfixture.h"

#include "controls/textendedit.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QTest>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QAction>

namespace {

using Fixture = FormelFixture;

QStringList knopftexte(const Texcausdlg& f)
{
    QStringList texte;
    for (Ttxtshape* b : f.umformbuttons)
        if (!b->isHidden())
            texte << b->text();
    return texte;
}

int roterKnopf(const Texcausdlg& f)
{
    int rot = -1;
    for (int r = 0; r < Texcausdlg::maxUmformbuttons; ++r)
        if (f.umformbuttons[size_t(r)]->Brush().color() == QColor(255, 0, 0)) {
            EXPECT_EQ(rot, -1) << "two red buttons";
            rot = r;
        }
    return rot;
}

TEST_F(Fixture, FormulaLoadsItsQuantitiesUnitsAndPicture)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    EXPECT_EQ(w->umformanzahl, 3);
    EXPECT_EQ(w->umformnr, 0);
    EXPECT_EQ(knopftexte(*w), (QStringList{"v", "s", "t"}));
    EXPECT_EQ(roterKnopf(*w), 0);
    EXPECT_EQ(w->txtshape31->text(), "v=\\f(s;t)");
    EXPECT_EQ(w->txtshape1->text(), "Geschwindigkeit");
    EXPECT_EQ(w->windowTitle(), "Mechanik Bewegung");
    EXPECT_EQ(w->rechnung, "V=S/T");
    EXPECT_EQ(w->Label7->text(), "");
    ASSERT_EQ(w->Anzahl, 3);

    struct Zeile {
        const char* beschreibung;
        const char* symbol;
        const char* einheit;
        const char* combo;
        QStringList einheiten;
        const char* rechenvari;
    };
    const Zeile zeilen[] = {
        {"v Geschwindigkeit \\f(m;s)", "v=", "\\f(m;s)", "Meter pro Sekunde",
         {"Meter pro Sekunde", "Kilometer pro Stunde", "Knoten", "Knoten"}, "V"},
        {"s Weg m", "s=", "m", "Meter", {"Meter", "Kilometer", "Zentimeter"}, "S"},
        {"t Zeit s", "t=", "s", "Sekunde", {"Sekunde", "Minute", "Stunde"}, "T"},
    };
    for (int k = 1; k <= 3; ++k) {
        const Zeile& z = zeilen[k - 1];
        EXPECT_EQ(w->beschreibungen[size_t(k)]->text(), QString::fromUtf8(z.beschreibung)) << k;
        EXPECT_FALSE(w->beschreibungen[size_t(k)]->isHidden()) << k;
        EXPECT_EQ(w->symbolshapes[size_t(k)]->text(), QString::fromUtf8(z.symbol)) << k;
        EXPECT_EQ(w->einheitshapes[size_t(k)]->text(), QString::fromUtf8(z.einheit)) << k;
        EXPECT_EQ(comboText(w->ComboBoxes[size_t(k)]), QString::fromUtf8(z.combo)) << k;
        EXPECT_EQ(eintraege(w->ComboBoxes[size_t(k)]), z.einheiten) << k;
        EXPECT_FALSE(w->ComboBoxes[size_t(k)]->isHidden()) << k;
        EXPECT_FALSE(w->extendEdits[size_t(k)]->isHidden()) << k;
        EXPECT_EQ(w->groessen[size_t(k)].rechenvari, QString::fromUtf8(z.rechenvari)) << k;
        EXPECT_EQ(w->groessen[size_t(k)].faktormodus, "1") << k;
    }
    for (int k = 4; k <= 9; ++k) {
        EXPECT_TRUE(w->beschreibungen[size_t(k)]->isHidden()) << k;
        EXPECT_TRUE(w->extendEdits[size_t(k)]->isHidden()) << k;
        EXPECT_TRUE(w->ComboBoxes[size_t(k)]->isHidden()) << k;
    }
    // "bahn#10#20": a BMP at the given place.
    EXPECT_EQ(w->grafikname, "bahn");
    EXPECT_EQ(w->grafikx, 10);
    EXPECT_EQ(w->grafiky, 20);
    EXPECT_FALSE(w->Image1->isHidden());
    EXPECT_EQ(w->Image1->pos(), QPoint(10, 20));
    EXPECT_EQ(w->Image1->pixmap().size(), QSize(40, 30));
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(Fixture, PictureReferencesAndTheirPlaces)
{
    // A JPEG without coordinates goes beside the widest description line.
    waehle("Mechanik", "Bewegung", "Beschleunigung");
    EXPECT_EQ(w->grafikname, "foto.jpg");
    EXPECT_EQ(w->grafikx, -1);
    ASSERT_FALSE(w->Image1->isHidden());
    EXPECT_EQ(w->Image1->pixmap().size(), QSize(64, 48));
    int breitest = 0;
    for (int k = 1; k <= w->Anzahl; ++k)
        breitest = std::max(breitest, w->beschreibungen[size_t(k)]->width());
    EXPECT_EQ(w->Image1->pos(), QPoint(breitest + 65, 0));

    // A first coordinate that is no number keeps both automatic.
    waehle("Optik", "Linsen", "Öffnung");
    EXPECT_EQ(w->grafikname, "linse");
    EXPECT_EQ(w->grafikx, -1);
    EXPECT_EQ(w->grafiky, -1);
    EXPECT_FALSE(w->Image1->isHidden());
    EXPECT_EQ(w->Image1->y(), 0);

    // A missing picture: none, no message, the name forgotten.
    waehle("Mechanik", "Fehler", "Leer");
    EXPECT_TRUE(w->Image1->isHidden());
    EXPECT_TRUE(w->grafikname.isEmpty());
    EXPECT_TRUE(seams.messages.empty());
    // No quantities: only the formula and its name.
    EXPECT_EQ(w->Anzahl, 0);
    EXPECT_EQ(w->txtshape31->text(), "E=mc\\u(2)");
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(w->beschreibungen[size_t(k)]->isHidden()) << k;
    EXPECT_EQ(w->Label7->text(), "Keine Rechung möglich!");
}

TEST_F(Fixture, TenRearrangementsShowEightButtonsAndStepBeyond)
{
    waehle("Mechanik", "Zehn", "Zehnfach");
    // The next record has the same name under another topic: not counted.
    EXPECT_EQ(w->umformanzahl, 10);
    // A rearrangement without "=" gets an empty button.
    EXPECT_EQ(knopftexte(*w), (QStringList{"q1", "", "q3", "q4", "q5", "q6", "q7", "q8"}));
    const std::vector<std::pair<int, int>> schritte{
        // umformnr after the step, red button (-1 = none)
        {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, -1}, {9, -1}, {0, 0},
    };
    for (auto [nr, rot] : schritte) {
        w->umform();
        EXPECT_EQ(w->umformnr, nr);
        EXPECT_EQ(roterKnopf(*w), rot) << nr;
    }
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    w->umform();
    EXPECT_EQ(w->txtshape31->text(), "q10=v+s");
    // The buttons go straight to their rearrangement.
    w->show();
    QTest::mousePress(w->umformbuttons[4], Qt::LeftButton);
    EXPECT_EQ(w->umformnr, 4);
    EXPECT_EQ(w->txtshape31->text(), "q5=v+s");
    EXPECT_EQ(roterKnopf(*w), 4);
    // An out-of-range number from outside is clamped.
    w->umformunggehe(42);
    EXPECT_EQ(w->umformnr, 9);
    w->umformunggehe(-3);
    EXPECT_EQ(w->umformnr, 0);

    // A formula picked from the tree starts at its first rearrangement.
    w->umformunggehe(6);
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    EXPECT_EQ(w->umformnr, 0);
    EXPECT_EQ(roterKnopf(*w), 0);
    EXPECT_EQ(w->txtshape31->text(), "v=\\f(s;t)");
}

TEST_F(Fixture, CalculationHintFollowsTheRearrangements)
{
    waehle("Mechanik", "Bewegung", "Beschleunigung");
    EXPECT_EQ(w->Label7->text(), "Rechnung nach Umformung möglich!");
    EXPECT_TRUE(w->rechnung.isEmpty());
    EXPECT_FALSE(w->PageControl1->isTabVisible(1));
    EXPECT_FALSE(w->PageControl1->isTabVisible(2));
    // Without a calculation line there are no input rows.
    EXPECT_TRUE(w->extendEdits[1]->isHidden());
    EXPECT_FALSE(w->beschreibungen[1]->isHidden());
    w->umform();
    EXPECT_EQ(w->Label7->text(), "");
    EXPECT_EQ(w->rechnung, "V=A*T");
    EXPECT_TRUE(w->PageControl1->isTabVisible(1));
    EXPECT_FALSE(w->extendEdits[1]->isHidden());
}

TEST_F(Fixture, ConstantsPresetTheirValueAndExtensionsBecomeCds)
{
    waehle("Mechanik", "Kraft", "Gewichtskraft");
    ASSERT_EQ(w->Anzahl, 3);
    EXPECT_EQ(w->groessen[3].Wert, "9,81");
    EXPECT_EQ(w->extendEdits[3]->text(), "9,81");
    EXPECT_EQ(w->extendEdits[2]->text(), "");
    // "masse.xyz" is read as "masse.cds".
    EXPECT_EQ(w->groessen[2].Datei, "masse.cds");
    EXPECT_EQ(eintraege(w->ComboBoxes[2]), (QStringList{"Kilogramm", "Gramm"}));
    // A quantity without unit table has no combo.
    EXPECT_TRUE(w->ComboBoxes[3]->isHidden());
    EXPECT_FALSE(w->extendEdits[3]->isHidden());
    EXPECT_EQ(w->beschreibungen[1]->text(), "F Kraft N=kg\\mm/s\\u(2)");
}

TEST_F(Fixture, UnreadableUnitTableIsReportedOnceAndTheFormulaStillLoads)
{
    waehle("Wärme", "Temperatur", "Celsius");
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_TRUE(seams.messages[0].text.contains("kaputt.cds")) << seams.messages[0].text.toStdString();
    ASSERT_EQ(w->Anzahl, 2);
    EXPECT_TRUE(w->groessen[2].Datei.isEmpty());
    EXPECT_TRUE(w->ComboBoxes[2]->isHidden());
    EXPECT_FALSE(w->extendEdits[2]->isHidden());
    EXPECT_EQ(w->beschreibungen[2]->text(), "\\c(J) Celsius-Temperatur °C");
    EXPECT_EQ(w->einheitshapes[2]->text(), "°C");
    // The other quantity's table was read: its first row sets the mode.
    EXPECT_EQ(w->groessen[1].faktormodus, "-1");
    EXPECT_EQ(eintraege(w->ComboBoxes[1]), (QStringList{"Kelvin", "Kelvin absolut", "Rankine"}));
    EXPECT_EQ(w->rechnung, "TK=TC+273");
}

TEST_F(Fixture, UnitPicksApplyOnlyWhenTheUserPicks)
{
    waehle("Wärme", "Temperatur", "Celsius");
    QComboBox* c = w->ComboBoxes[1];
    // Code that sets the combo applies nothing.
    c->setCurrentIndex(2);
    EXPECT_TRUE(w->groessen[1].umEinheit.isEmpty());

    struct Fall {
        int item;
        const char* umEinheit;
        const char* umrechfaktor;
        const char* angezeigt; // unit display
        const char* combo;
    };
    const Fall faelle[] = {
        {2, "R", "1.8", "R", "Rankine"},
        // The base row's "-1" is stored as "1".
        {0, "K", "1", "K", "Kelvin"},
        // The own unit's symbol is shown with the quantity's own name.
        {1, "K", "1", "K", "Kelvin"},
    };
    for (const Fall& f : faelle) {
        emit c->activated(f.item);
        EXPECT_EQ(w->groessen[1].umEinheit, f.umEinheit) << f.item;
        EXPECT_EQ(w->groessen[1].umrechfaktor, f.umrechfaktor) << f.item;
        EXPECT_EQ(w->einheitshapes[1]->text(), f.angezeigt) << f.item;
        EXPECT_EQ(comboText(c), QString::fromUtf8(f.combo)) << f.item;
        EXPECT_EQ(w->groessen[1].faktormodus, "-1") << "a pick leaves the mode";
    }

    // Two rows of one name: the later one wins.
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    emit w->ComboBoxes[1]->activated(2);
    EXPECT_EQ(w->groessen[1].umrechfaktor, "0.5144");
    EXPECT_EQ(w->groessen[1].umNameeinheit, "Knoten");
    EXPECT_EQ(w->einheitshapes[1]->text(), "kn");
}

TEST_F(Fixture, ValuesAndUnitsFollowTheirSymbolsAcrossRearrangements)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    // v = s / t: type s and t, pick km for s.
    w->extendEdits[2]->setText("120");
    w->extendEdits[3]->setText("2");
    // Leaving an edit takes its text into the record.
    QFocusEvent verlassen(QEvent::FocusOut);
    QCoreApplication::sendEvent(w->extendEdits[3], &verlassen);
    EXPECT_EQ(w->groessen[3].Wert, "2");
    EXPECT_EQ(w->groessen[2].Wert, "120");
    emit w->ComboBoxes[2]->activated(1);
    EXPECT_EQ(w->groessen[2].Wert, "120") << "the pick keeps what was typed";
    EXPECT_EQ(w->extendEdits[2]->text(), "120");
    EXPECT_EQ(w->groessen[2].umEinheit, "km");
    w->groessen[1].Wert = "60"; // a result shown in the result edit

    w->umform(); // s = v * t
    ASSERT_EQ(w->Anzahl, 3);
    EXPECT_EQ(w->txtshape31->text(), "s=v\\mt");
    // Record 1 is now s, with its value and picked unit.
    EXPECT_EQ(w->groessen[1].symbol, "s");
    EXPECT_EQ(w->groessen[1].Wert, "120");
    EXPECT_EQ(w->groessen[1].umEinheit, "km");
    EXPECT_EQ(w->groessen[1].umrechfaktor, "1000");
    EXPECT_EQ(w->einheitshapes[1]->text(), "km");
    EXPECT_EQ(comboText(w->ComboBoxes[1]), "Kilometer");
    // The old result becomes a given value.
    EXPECT_EQ(w->groessen[2].symbol, "v");
    EXPECT_EQ(w->extendEdits[2]->text(), "60");
    EXPECT_EQ(w->extendEdits[3]->text(), "2");

    // Another formula starts from empty records.
    waehle("Mechanik", "Kraft", "Gewichtskraft");
    for (int k = 1; k <= 2; ++k) {
        EXPECT_TRUE(w->groessen[size_t(k)].umEinheit.isEmpty()) << k;
        EXPECT_TRUE(w->extendEdits[size_t(k)]->text().isEmpty()) << k;
    }
}

TEST_F(Fixture, MissingQuantitiesGiveEmptyRecordsThatCannotBeCalculated)
{
    // First a formula whose records would be stale if they stayed.
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    waehle("Mechanik", "Fehler", "Zehnfach");
    // M1..M3 set, M4 empty, M5 set: three quantities.
    ASSERT_EQ(w->Anzahl, 3);
    EXPECT_EQ(w->groessen[1].symbol, "v");
    // M2 = 99 names no quantity, M3 = 2.5 is no whole number.
    for (int k = 2; k <= 3; ++k) {
        const Tgroessensatz& g = w->groessen[size_t(k)];
        EXPECT_TRUE(g.symbol.isEmpty() && g.groesse.isEmpty() && g.rechenvari.isEmpty()
                    && g.Datei.isEmpty() && g.Wert.isEmpty())
            << k;
    }
    EXPECT_TRUE(w->rechnung.isEmpty());
    EXPECT_FALSE(w->Rechne1->isEnabled());
    EXPECT_FALSE(w->gewuenscht(w->Rechne1));
    EXPECT_FALSE(w->gewuenscht(w->Speedrechne));
    EXPECT_FALSE(w->Seite2btn->isEnabled());
}

TEST_F(Fixture, SelectionWithoutRecordShowsAnEmptyFormula)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    w->gebiet = "Mechanik";
    w->thema = "Bewegung";
    w->inhalt = "Gibt es nicht";
    w->ladeeintrag();
    EXPECT_EQ(w->umformanzahl, 0);
    EXPECT_EQ(w->Anzahl, 0);
    EXPECT_TRUE(w->txtshape31->text().isEmpty());
    EXPECT_TRUE(w->rechnung.isEmpty());
    EXPECT_TRUE(knopftexte(*w).isEmpty());
    EXPECT_TRUE(w->Image1->isHidden());
    EXPECT_EQ(w->Label7->text(), "Keine Rechung möglich!");
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(w->beschreibungen[size_t(k)]->isHidden()) << k;
    // Stepping has nothing to step to.
    w->umform();
    EXPECT_EQ(w->umformnr, 0);
    EXPECT_TRUE(w->txtshape31->text().isEmpty());
}

TEST_F(Fixture, WindowsShareTheTableButKeepTheirOwnFormula)
{
    QPointer<Texcausdlg> zweites = neuesFenster();
    waehle("Mechanik", "Zehn", "Zehnfach");
    zweites->gebiet = "Mechanik";
    zweites->thema = "Bewegung";
    zweites->inhalt = "Geschwindigkeit";
    zweites->baumauswahl();
    // The first window positions the shared cursor itself before it steps.
    w->umform();
    EXPECT_EQ(w->txtshape31->text(), "q2");
    EXPECT_EQ(zweites->txtshape31->text(), "v=\\f(s;t)");
    zweites->umform();
    EXPECT_EQ(zweites->txtshape31->text(), "s=v\\mt");
    delete zweites.data();
}

// A copy of the shipped program directory in dir.
void kopiereProgrammverzeichnis(const QTemporaryDir& dir)
{
    ASSERT_TRUE(dir.isValid());
    QDirIterator it(testpaths::shippedData(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString quelle = it.next();
        const QString ziel = dir.path() + quelle.mid(testpaths::shippedData().size());
        QDir().mkpath(QFileInfo(ziel).absolutePath());
        ASSERT_TRUE(QFile::copy(quelle, ziel)) << ziel.toStdString();
    }
}

// A formula of the shipped collection with a fraction, a Greek symbol, unit
// choices and a JPEG picture, on a copy of the shipped program directory; the
// pictures of both pages are written to the build folder to be looked at.
TEST(ShippedFormula, LoadsWholeAndIsPictured)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    QTemporaryDir dir;
    kopiereProgrammverzeichnis(dir);
    const QString verzeichnis = dir.path() + QStringLiteral("/");
    TDatadlg daten;
    Datadlg = &daten;
    daten.initialisieren(verzeichnis);
    {
        Texcausdlg w;
        w.verzeichnis = verzeichnis;
        w.resize(1000, 640);
        w.show();
        w.gebiet = QStringLiteral("Mechanik");
        w.thema = QStringLiteral("Freier Fall und Wurf");
        w.baumauswahl();
        // The topic's formulas, each label beside its formula.
        const QStringList formeln = FormelFixture::gezeigt(w.inhaltlabels);
        EXPECT_TRUE(formeln.contains(QStringLiteral("Schräger Wurf: Wurfweite")));
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(testpaths::buildDir() + QStringLiteral("/formelfenster_liste.png")));

        w.inhalt = QStringLiteral("Schräger Wurf: Wurfweite");
        w.baumauswahl();
        EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join('|').toStdString();
        EXPECT_EQ(w.umformanzahl, 4);
        EXPECT_EQ(w.txtshape31->text(), QStringLiteral("s\\d(W)=\\f(v\\d(0)\\u(2)\\msin(2\\m\\c(a));g)"));
        ASSERT_EQ(w.Anzahl, 4);
        // Every quantity was found and every one with a unit table offers it.
        for (int k = 1; k <= w.Anzahl; ++k) {
            const Tgroessensatz& g = w.groessen[size_t(k)];
            EXPECT_FALSE(g.symbol.isEmpty()) << k;
            EXPECT_FALSE(g.rechenvari.isEmpty()) << k;
            EXPECT_EQ(w.ComboBoxes[size_t(k)]->count() > 0, !g.Datei.isEmpty()) << k;
            EXPECT_EQ(w.ComboBoxes[size_t(k)]->isHidden(), g.Datei.isEmpty()) << k;
        }
        EXPECT_EQ(w.groessen[3].symbol, QStringLiteral("\\c(a)"));
        EXPECT_FALSE(w.rechnung.isEmpty());
        ASSERT_FALSE(w.Image1->isHidden());
        EXPECT_FALSE(w.Image1->pixmap().isNull());
        // The picture stands beside the description lines, not over them.
        for (int k = 1; k <= w.Anzahl; ++k)
            EXPECT_LT(w.beschreibungen[size_t(k)]->geometry().right(), w.Image1->x()) << k;

        QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(testpaths::buildDir() + QStringLiteral("/formelfenster_beschreibung.png")));
        w.Seite2btnClick();
        QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(testpaths::buildDir() + QStringLiteral("/formelfenster_eingaben.png")));
    }
    Datadlg = nullptr;
}

// Every formula of the shipped collection, in every rearrangement, shows
// whole in the window's header: raised numerators and the bars of roots
// drawn over fractions stay inside the formula display, and the
// rearrangement buttons stand below it.
TEST(ShippedFormula, EveryHeaderShowsItsWholeFormula)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    QTemporaryDir dir;
    kopiereProgrammverzeichnis(dir);
    TDatadlg daten;
    Datadlg = &daten;
    daten.initialisieren(dir.path() + QStringLiteral("/"));
    QList<QStringList> formeln;
    for (daten.table2->first(); !daten.table2->eof(); daten.table2->next()) {
        const QStringList f{daten.table2->value("GEBIET"), daten.table2->value("THEMA"),
                            daten.table2->value("INHALT")};
        if (formeln.isEmpty() || formeln.last() != f)
            formeln << f;
    }
    ASSERT_GT(formeln.size(), 100);
    {
        Texcausdlg w;
        w.verzeichnis = dir.path() + QStringLiteral("/");
        for (const QStringList& f : formeln) {
            w.gebiet = f[0];
            w.thema = f[1];
            w.inhalt = f[2];
            w.baumauswahl();
            for (int r = 0; r < w.umformanzahl; ++r, w.umform()) {
                const Ttxtshape* s = w.txtshape31;
                const kolvar::MarkupLayout l = s->layout();
                int oben = s->height(), unten = 0;
                for (const kolvar::MarkupTextOp& t : l.texts) {
                    oben = std::min(oben, t.pos.y());
                    unten = std::max(unten, t.pos.y() + QFontMetrics(s->font()).height());
                }
                for (const kolvar::MarkupLineOp& linie : l.lines)
                    for (const QPoint& p : linie.points) {
                        oben = std::min(oben, p.y());
                        unten = std::max(unten, p.y() + 1);
                    }
                EXPECT_GE(oben, 0) << s->text().toStdString();
                EXPECT_LE(unten, s->height()) << s->text().toStdString();
                EXPECT_LT(s->geometry().bottom(), w.Panel6->y()) << s->text().toStdString();
                EXPECT_LE(w.Panel6->geometry().bottom(), w.Panel3->height()) << s->text().toStdString();
            }
        }
    }
    Datadlg = nullptr;
}

} // namespace
