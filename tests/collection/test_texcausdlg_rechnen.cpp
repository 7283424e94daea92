// The formula window's calculation as a user meets it: typed values and
// picked units give the result in the result edit, the example page follows,
// refused input gets its message, and the commands follow the calculation
// line. The lines sent for each case are checked without the window in
// test_formelrechnung.
#include "formelfixture.h"

#include "collection/beispielseite.h"
#include "controls/textendedit.h"
#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "shell/tdialogkolvar.h"

#include <QAction>
#include <QFontMetrics>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <ostream>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

struct Rechnen : FormelFixture {
    Tfktbaum liste;

    void SetUp() override
    {
        FormelFixture::SetUp();
        projektliste = &liste;
        w->show();
    }

    void TearDown() override
    {
        projektliste = nullptr;
        FormelFixture::TearDown();
    }

    // The value the list holds for a name; NaN when it has none.
    double wert(const char* name)
    {
        std::string zeile = std::string(name) + "=";
        long double y = 0;
        if (!liste.untersuche(zeile, y))
            return std::nan("");
        return static_cast<double>(y);
    }

    void tippe(int k, const QString& text)
    {
        w->extendEdits[size_t(k)]->clear();
        QTest::keyClicks(w->extendEdits[size_t(k)], text);
    }

    // Picks a unit as the user does, by the combo's item.
    void einheit(int k, int item) { emit w->ComboBoxes[size_t(k)]->activated(item); }

    // Whether a display draws its whole formula inside itself.
    static bool ganzSichtbar(const Ttxtshape* s)
    {
        const kolvar::MarkupLayout l = s->layout();
        const int zelle = QFontMetrics(s->font()).height();
        for (const kolvar::MarkupTextOp& t : l.texts)
            if (t.pos.y() < 0 || t.pos.y() + zelle > s->height())
                return false;
        for (const kolvar::MarkupLineOp& linie : l.lines)
            for (const QPoint& p : linie.points)
                if (p.y() < 0 || p.y() >= s->height())
                    return false;
        return true;
    }

    // The example page's lines that are shown, in order.
    QStringList beispielzeilen() const
    {
        QStringList texte;
        for (Ttxtshape* s : w->beispielzeilen)
            if (!s->isHidden())
                texte << s->text();
        return texte;
    }
};

TEST_F(Rechnen, GivenValuesAndPickedUnitsGiveTheResultAndItsExample)
{
    struct Fall {
        const char* name;
        const char* s;
        int sEinheit; // combo item, -1: leave the own unit
        const char* t;
        int tEinheit;
        const char* format;
        const char* ergebnis;
        const char* formel;
        QStringList zeilen;
    };
    const Fall faelle[] = {
        {"own units", "100", -1, "20", -1, "0.000", "5,000", "v=\\f(100m;20s) = 5,000 \\f(m;s)",
         {"Geschwindigkeit v \\f(m;s)", "Weg s = 100m", "Zeit t = 20s"}},
        {"kilometres and minutes", "1,5", 1, "2", 1, "0.0", "12,5", "v=\\f(1,5km;2min) = 12,5 \\f(m;s)",
         {"Geschwindigkeit v \\f(m;s)", "Weg s = 1,5km", "Zeit t = 2min"}},
        // Picking the own unit again converts with factor 1 and shows the
        // own symbol.
        {"own unit picked", "3", 0, "4", -1, "0.00", "0,75", "v=\\f(3m;4s) = 0,75 \\f(m;s)",
         {"Geschwindigkeit v \\f(m;s)", "Weg s = 3m", "Zeit t = 4s"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        // Loaded afresh, so no pick of the case before remains.
        waehle("Mechanik", "Kraft", "Gewichtskraft");
        waehle("Mechanik", "Bewegung", "Geschwindigkeit");
        w->zahlenformat = QString::fromLatin1(f.format);
        if (f.sEinheit >= 0)
            einheit(2, f.sEinheit);
        if (f.tEinheit >= 0)
            einheit(3, f.tEinheit);
        tippe(2, QString::fromUtf8(f.s));
        tippe(3, QString::fromUtf8(f.t));
        w->Seite2btnClick();
        ASSERT_TRUE(w->Speedrechne->isEnabled());
        w->Speedrechne->click();

        EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
        EXPECT_EQ(w->extendEdit1->text(), f.ergebnis);
        EXPECT_EQ(w->groessen[1].Wert, f.ergebnis);
        EXPECT_EQ(w->groessen[2].Wert, f.s);
        EXPECT_EQ(w->groessen[3].Wert, f.t);
        // The definitions stay in the project formulas for other windows.
        EXPECT_NEAR(wert("V"), QString::fromUtf8(f.ergebnis).replace(u',', u'.').toDouble(), 1e-9);

        EXPECT_EQ(w->txtshape30->text(), f.formel);
        EXPECT_EQ(beispielzeilen(), f.zeilen);
        // Fractions stay whole, and each line starts below the one before.
        const Ttxtshape* vorher = w->txtshape30;
        EXPECT_TRUE(ganzSichtbar(vorher));
        for (const Ttxtshape* s : w->beispielzeilen) {
            if (s->isHidden())
                continue;
            EXPECT_TRUE(ganzSichtbar(s)) << s->objectName().toStdString();
            EXPECT_GT(s->y(), vorher->geometry().bottom()) << s->objectName().toStdString();
            vorher = s;
        }
        EXPECT_FALSE(w->Label5->isHidden());
        EXPECT_FALSE(w->Label6->isHidden());
        EXPECT_TRUE(w->PageControl1->isTabVisible(2));
        EXPECT_TRUE(w->seite3btn->isEnabled());
        EXPECT_TRUE(w->SeiteBeispiel1->isEnabled());
        w->seite3btn->click();
        EXPECT_EQ(w->PageControl1->currentIndex(), 2);
    }
}

TEST_F(Rechnen, EveryCommandCalculatesAndOnlyWithACalculationLine)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    tippe(2, "9");
    tippe(3, "3");
    struct Befehl {
        const char* name;
        std::function<void()> ausloesen;
    };
    const Befehl befehle[] = {
        {"tool bar button", [this] { w->Speedrechne->click(); }},
        {"menu item", [this] { w->Rechne1->trigger(); }},
        {"F10", [this] { QTest::keyClick(w->extendEdits[2], Qt::Key_F10); }},
        {"click into the result", [this] { QTest::mouseClick(w->extendEdit1, Qt::LeftButton); }},
    };
    w->Seite2btnClick();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    for (const Befehl& b : befehle) {
        w->extendEdit1->clear();
        b.ausloesen();
        EXPECT_EQ(w->extendEdit1->text(), "3,000") << b.name;
    }
    // The menu item needs the page "Rechnung"; the button does not.
    w->seite1btnClick();
    EXPECT_FALSE(w->Rechne1->isEnabled());
    EXPECT_TRUE(w->Speedrechne->isEnabled());
    EXPECT_TRUE(w->Speedrechfens->isEnabled());
    EXPECT_FALSE(w->ohneZiel(w->Speedrechne));

    // A formula whose rearrangement has no calculation line: nothing enables
    // the commands, and a click on a stale result edit calculates nothing.
    waehle("Mechanik", "Bewegung", "Beschleunigung");
    w->Seite2btnClick();
    w->FormActivate();
    for (QObject* o : std::initializer_list<QObject*>{w->Speedrechne, w->Speedrechfens})
        EXPECT_FALSE(qobject_cast<QWidget*>(o)->isEnabled()) << o->objectName().toStdString();
    EXPECT_FALSE(w->Rechne1->isEnabled());
    EXPECT_FALSE(w->Rechnenfenster1->isEnabled());
    liste.alle_loeschen();
    w->Rechne1Click();
    EXPECT_TRUE(seams.messages.empty());
    EXPECT_EQ(liste.sucheeintrag("V"), -1);
}

TEST_F(Rechnen, RefusedInputGetsItsMessageAndLeavesNoResult)
{
    struct Fall {
        const char* name;
        const char* s;
        const char* t;
        int vEinheit; // unit picked for the result, -1: own
        const char* meldung;
        bool sDefiniert; // the value before the stop was sent
    };
    const Fall faelle[] = {
        {"first value empty", "", "3", -1, "Bitte Werte eingeben!", false},
        {"second value empty", "9", "", -1, "Bitte Werte eingeben!", true},
        {"blanks only", "9", "   ", -1, "Bitte Werte eingeben!", true},
        {"value the engine refuses", "9+", "3", -1, "Fehlerhafte Eingabe", false},
        // The fixture's km/h factor is written with a point, which the
        // formula language does not read.
        {"result unit whose factor is refused", "9", "3", 1, "Fehlerhafte Eingabe", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        waehle("Mechanik", "Kraft", "Gewichtskraft");
        waehle("Mechanik", "Bewegung", "Geschwindigkeit");
        if (f.vEinheit >= 0)
            einheit(1, f.vEinheit);
        liste.alle_loeschen();
        seams.messages.clear();
        w->extendEdit1->setText(QStringLiteral("alt"));
        // Set, not typed: the edit lets no blank or "+" through the keyboard.
        w->extendEdits[2]->setText(QString::fromUtf8(f.s));
        w->extendEdits[3]->setText(QString::fromUtf8(f.t));
        w->Rechne1Click();
        EXPECT_EQ(seams.messageTexts(), QStringList{QString::fromUtf8(f.meldung)});
        EXPECT_TRUE(w->extendEdit1->text().isEmpty());
        EXPECT_TRUE(w->groessen[1].Wert.isEmpty());
        EXPECT_EQ(liste.sucheeintrag("S") >= 0, f.sDefiniert);
        // The example page is built only after a successful query.
        EXPECT_FALSE(w->PageControl1->isTabVisible(2));
        EXPECT_FALSE(w->seite3btn->isEnabled());
    }
}

TEST_F(Rechnen, ValueEditsTakeThirtyCharactersButTheResultIsKeptWhole)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    const QString lang(40, u'1');
    for (int k = 2; k <= 3; ++k) {
        tippe(k, lang);
        EXPECT_EQ(w->extendEdits[size_t(k)]->text(), lang.left(Tgroessensatz::maxWert)) << k;
    }
    tippe(2, "1");
    tippe(3, "4");
    // A format with many places gives a result longer than a typed value
    // may be.
    w->zahlenformat = QStringLiteral("0.") + QString(40, u'0');
    w->Speedrechne->click();
    const QString erwartet = QStringLiteral("0,25") + QString(38, u'0');
    EXPECT_EQ(w->extendEdit1->text(), erwartet);
    EXPECT_EQ(w->groessen[1].Wert, erwartet);
    EXPECT_EQ(w->txtshape30->text(), "v=\\f(1m;4s) = " + erwartet + " \\f(m;s)");
}

TEST_F(Rechnen, ALongResultCarriedIntoAValueEditKeepsItsValue)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    tippe(2, "1");
    tippe(3, "3");
    w->zahlenformat = QStringLiteral("0.") + QString(40, u'0');
    w->Speedrechne->click();
    const QString lang = w->extendEdit1->text();
    ASSERT_GT(lang.size(), Tgroessensatz::maxWert);

    w->umform(); // s = v * t: the result is now the given v
    const QString getragen = w->extendEdits[2]->text();
    EXPECT_EQ(getragen, "0,333333333333333333");
    EXPECT_EQ(w->groessen[2].Wert, getragen);
    long double a = 0, b = 0;
    int ca = 1, cb = 1;
    strzuzahl(lang.toStdString(), a, ca);
    strzuzahl(getragen.toStdString(), b, cb);
    ASSERT_EQ(ca + cb, 0);
    EXPECT_EQ(a, b);
}

TEST_F(Rechnen, ExampleShowsItsNoResultTextUntilACalculationAndAfterAReload)
{
    waehle("Mechanik", "Bewegung", "Geschwindigkeit");
    EXPECT_EQ(w->txtshape30->text(), kolvar::keinErgebnisText);
    EXPECT_TRUE(beispielzeilen().isEmpty());
    EXPECT_TRUE(w->Label5->isHidden());
    EXPECT_TRUE(w->Label6->isHidden());
    EXPECT_FALSE(w->PageControl1->isTabVisible(2));

    tippe(2, "100");
    tippe(3, "20");
    w->Speedrechne->click();
    ASSERT_EQ(beispielzeilen().size(), 3);

    // Another formula: its result edit is empty, so the page falls back and
    // hides the lines of the formula before.
    waehle("Mechanik", "Kraft", "Gewichtskraft");
    EXPECT_EQ(w->txtshape30->text(), kolvar::keinErgebnisText);
    EXPECT_TRUE(beispielzeilen().isEmpty());
    EXPECT_TRUE(w->Label5->isHidden());
    EXPECT_FALSE(w->PageControl1->isTabVisible(2));
    EXPECT_FALSE(w->SeiteBeispiel1->isEnabled());

    // Its constant g arrives in its edit and is sent like a typed value.
    EXPECT_EQ(w->extendEdits[3]->text(), "9,81");
    tippe(2, "2");
    w->Speedrechne->click();
    EXPECT_EQ(w->extendEdit1->text(), "19,620");
    EXPECT_EQ(w->txtshape30->text(), "F=2kg\\m9,81\\f(m;s\\u(2)) = 19,620 N");
}

} // namespace
