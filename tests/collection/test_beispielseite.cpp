#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "collection/beispielseite.h"
#include "collection/texcausdlg.h"
#include "collection/tgroessensatz.h"
#include "controls/textendedit.h"
#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "engine/tfktbaum.h"
#include "platform/seams.h"
#include "shell/tdialogkolvar.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// Readable failure messages for texts and lists of texts.
void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using kolvar::Beispielgroesse;

namespace {

Beispielgroesse g(const char* groesse, const char* symbol, const char* einheit, const char* wert = "",
                  const char* umEinheit = "")
{
    return {QString::fromUtf8(groesse), QString::fromUtf8(symbol), QString::fromUtf8(einheit),
            QString::fromUtf8(umEinheit), QString::fromUtf8(wert)};
}

TEST(Beispielseite, Ersetzesymbol)
{
    const struct {
        const char* rest;
        const char* symbol;
        const char* wert;
        bool ersetzt;
        const char* restDanach;
        const char* ausDanach; // out began as "a="
    } faelle[] = {
        {"b/c", "b", "100m", true, "/c", "a=100m"},
        {"x\\u(2)", "x", "3m", true, "\\u(2)", "a=(3m)"},
        {"x\\d(2)", "x", "3m", true, "\\d(2)", "a=3m"},
        {"\\c(w)t", "\\c(w)", "2", true, "t", "a=2"},
        {"B", "b", "1", false, "B", "a="},
        {"b", "", "1", false, "b", "a="},
        {"", "x", "1", false, "", "a="},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.rest);
        QString rest = QString::fromUtf8(f.rest);
        QString aus = QStringLiteral("a=");
        EXPECT_EQ(kolvar::ersetzesymbol(rest, aus, QString::fromUtf8(f.symbol), QString::fromUtf8(f.wert)),
                  f.ersetzt);
        EXPECT_EQ(rest, QString::fromUtf8(f.restDanach));
        EXPECT_EQ(aus, QString::fromUtf8(f.ausDanach));
    }
}

struct Fall {
    const char* name;
    QString formel;
    QString rechnung;
    QString ergebnis;
    std::vector<Beispielgroesse> groessen;
    QString seite;      // the worked formula or the no-result text
    QStringList zeilen; // the sought and given lines
};

std::vector<Beispielgroesse> neunGroessen()
{
    std::vector<Beispielgroesse> v = {g("Summe", "y", "m")};
    const char* symbole[] = {"b", "c", "d", "e", "f", "g", "h", "i"};
    for (int k = 2; k <= 9; ++k) {
        const QByteArray wert = QByteArray::number(k);
        v.push_back(g("Teil", symbole[k - 2], "m", wert.constData()));
    }
    return v;
}

std::vector<Fall> faelle()
{
    const std::vector<Beispielgroesse> abc = {g("Geschwindigkeit", "a", "m/s"), g("Weg", "b", "m", "100"),
                                              g("Zeit", "c", "s", "20")};
    return {
        {"Bruch mit Einheiten", "a=b/c", "A=B/C", "5", abc, "a=100m/20s = 5 m/s",
         {"Geschwindigkeit a m/s", "Weg b = 100m", "Zeit c = 20s"}},
        {"Exponent gilt für Wert und Einheit", "A=a\\u(2)", "A=X^2", "9",
         {g("Fläche", "A", "m\\u(2)"), g("Seite", "a", "m", "3")}, "A=(3m)\\u(2) = 9 m\\u(2)",
         {"Fläche A m\\u(2)", "Seite a = 3m"}},
        {"längeres Symbol gewinnt", "y=x0+x", "Y=X0+X", "3",
         {g("y", "y", ""), g("x", "x", "", "1"), g("x0", "x0", "", "2")}, "y=2+1 = 3 ",
         {"y y ", "x x = 1", "x0 x0 = 2"}},
        {"Symbol in Symbolschrift und Markup im Symbol", "v=\\c(w)\\mr+s\\d(0)", "V=W*R+S0", "6",
         {g("v", "v", "m/s"), g("Winkelgeschwindigkeit", "\\c(w)", "s\\u(-1)", "2"), g("Radius", "r", "m", "0,5"),
          g("Anfang", "s\\d(0)", "m/s", "5")},
         "v=2s\\u(-1)\\m0,5m+5m/s = 6 m/s",
         {"v v m/s", "Winkelgeschwindigkeit \\c(w) = 2s\\u(-1)", "Radius r = 0,5m", "Anfang s\\d(0) = 5m/s"}},
        {"Symbolschrift ohne Treffer bleibt ganz", "F=p\\m\\c(p\\u(2))+\\c(p", "F=P*3", "15",
         {g("Kraft", "F", "N"), g("Druck", "p", "Pa", "5")}, "F=5Pa\\m\\c(p\\u(2))+\\c(p = 15 N",
         {"Kraft F N", "Druck p = 5Pa"}},
        {"leeres Symbol ersetzt nichts", "a=b+c", "A=B+C", "3",
         {g("a", "a", ""), g("b", "", "", "1"), g("c", "c", "", "2")}, "a=b+2 = 3 ", {"a a ", "b  = 1", "c c = 2"}},
        {"gesuchte Größe wird nicht ersetzt, Befehle bleiben", "s=\\f(s;c)", "S=2", "2",
         {g("s", "s", "m", "7"), g("c", "c", "", "1")}, "s=\\f(s;1) = 2 m", {"s s m", "c c = 1"}},
        {"Formel ohne Gleichheitszeichen", "b\\mc", "A=B*C", "2000", abc, "100m\\m20s = 2000 m/s",
         {"Geschwindigkeit a m/s", "Weg b = 100m", "Zeit c = 20s"}},
        {"gewählte Einheiten", "a=b/c", "A=B/C", "18",
         {g("Geschwindigkeit", "a", "m/s", "", "km/h"), g("Weg", "b", "m", "100", "km"),
          g("Zeit", "c", "s", "20", "s")},
         "a=100km/20s = 18 km/h", {"Geschwindigkeit a km/h", "Weg b = 100km", "Zeit c = 20s"}},
        {"neun Größen", "y=b+c+d+e+f+g+h+i", "Y=1", "44", neunGroessen(), "y=2m+3m+4m+5m+6m+7m+8m+9m = 44 m",
         {"Summe y m", "Teil b = 2m", "Teil c = 3m", "Teil d = 4m", "Teil e = 5m", "Teil f = 6m", "Teil g = 7m",
          "Teil h = 8m", "Teil i = 9m"}},
        {"kein Ergebnis", "a=b/c", "A=B/C", "", abc, kolvar::keinErgebnisText, {}},
        {"keine Rechnung", "a=b/c", "", "5", abc, kolvar::keinErgebnisText, {}},
    };
}

TEST(Beispielseite, Texte)
{
    for (const Fall& f : faelle()) {
        SCOPED_TRACE(f.name);
        const kolvar::Beispielseite seite = kolvar::baueBeispielseite(f.formel, f.rechnung, f.ergebnis, f.groessen);
        EXPECT_EQ(seite.ok, !f.zeilen.isEmpty());
        EXPECT_EQ(seite.formel, f.seite);
        EXPECT_EQ(seite.zeilen, f.zeilen);
    }
}

// Function names stay whole; symbols around and inside their arguments are
// replaced, and at one place the longest symbol wins whatever the record order.
TEST(Beispielseite, FunktionsnamenUndLaengsteSymbole)
{
    const struct {
        const char* formel;
        std::vector<std::pair<const char*, const char*>> gegeben; // symbol, value with unit
        const char* seite;
    } faelle[] = {
        {"\\c(g)=arccos(\\f(a\\u(2)+b\\u(2)-c\\u(2);2\\ma\\mb))", {{"a", "6m"}, {"b", "8m"}, {"c", "5m"}},
         "\\c(g)=arccos(\\f((6m)\\u(2)+(8m)\\u(2)-(5m)\\u(2);2\\m6m\\m8m))"},
        {"b=c\\mcos \\c(a)", {{"c", "10m"}, {"\\c(a)", "30°"}}, "b=10m\\mcos 30°"},
        {"a=b\\mtan \\c(a)", {{"b", "10m"}, {"t", "5s"}, {"\\c(a)", "30°"}}, "a=10m\\mtan 30°"},
        {"\\c(a)=arcsin(\\f(n\\m\\c(l);s))", {{"s", "2m"}, {"n", "1"}, {"\\c(l)", "0,5m"}},
         "\\c(a)=arcsin(\\f(1\\m0,5m;2m))"},
        {"y=sinh x+Asin x", {{"s", "1"}, {"x", "2"}, {"A", "3"}, {"h", "4"}}, "y=sinh 2+3sin 2"},
        {"t=\\f(ln 2;\\c(l))+lg c", {{"l", "1"}, {"\\c(l)", "0,1/s"}, {"c", "5"}}, "t=\\f(ln 2;0,1/s)+lg 5"},
        {"P=U\\mI\\mcos \\c(j)", {{"c", "9"}, {"U", "230V"}, {"I", "2A"}, {"cos \\c(j)", "0,8"}},
         "P=230V\\m2A\\m0,8"},
        {"E=mgh", {{"h", "3m"}, {"g", "10m/s\\u(2)"}, {"m", "2kg"}}, "E=2kg10m/s\\u(2)3m"},
        {"y=x+x0", {{"x", "1"}, {"x0", "2"}}, "y=1+2"},
        {"y=x0\\u(2)", {{"x", "1"}, {"x0", "2"}}, "y=(2)\\u(2)"},
        {"pH=pOH+p", {{"p", "1"}, {"pOH", "2"}, {"pH", "3"}}, "pH=2+1"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.formel);
        std::vector<Beispielgroesse> vorwaerts = {g("gesucht", "y", "")};
        for (const auto& [symbol, wert] : f.gegeben)
            vorwaerts.push_back(g("", symbol, "", wert));
        std::vector<Beispielgroesse> rueckwaerts = {vorwaerts.front()};
        rueckwaerts.insert(rueckwaerts.end(), vorwaerts.rbegin(), vorwaerts.rend() - 1);
        EXPECT_EQ(kolvar::beispielformel(QString::fromUtf8(f.formel), vorwaerts), QString::fromUtf8(f.seite));
        EXPECT_EQ(kolvar::beispielformel(QString::fromUtf8(f.formel), rueckwaerts), QString::fromUtf8(f.seite));
    }
}

TEST(Beispielseite, AusDenGroessensaetzen)
{
    Tgroessensatz a;
    a.groesse = "Geschwindigkeit";
    a.symbol = "v";
    a.einheit = "m/s";
    a.umEinheit = "km/h";
    Tgroessensatz b;
    b.groesse = "Weg";
    b.symbol = "s";
    b.einheit = "m";
    b.Wert = "nicht die Eingabe";
    const kolvar::Beispielseite seite = kolvar::baueBeispielseite(
        "v=s/10", "V=S/10", "3,6", {kolvar::beispielgroesse(a, ""), kolvar::beispielgroesse(b, "10")});
    EXPECT_EQ(seite.formel, "v=10m/10 = 3,6 km/h");
    EXPECT_EQ(seite.zeilen, QStringList({"Geschwindigkeit v km/h", "Weg s = 10m"}));
}

// A user solves the shipped law of cosines for a side: picks the
// rearrangement, types the values and calculates with the mouse; the example
// page keeps cos and sin whole although c is given.
TEST(Beispielseite, KosinussatzImFormelfenster)
{
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard(seams);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString verzeichnis = dir.path() + QStringLiteral("/");
    ASSERT_TRUE(QDir().mkpath(verzeichnis + QStringLiteral("daten")));
    const QDir quelle(testpaths::shippedData() + QStringLiteral("/daten"));
    for (const QString& f : quelle.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(quelle.filePath(f), verzeichnis + QStringLiteral("daten/") + f));
    TDatadlg daten;
    Datadlg = &daten;
    daten.initialisieren(verzeichnis);
    Tfktbaum liste;
    projektliste = &liste;
    {
        Texcausdlg w;
        w.verzeichnis = verzeichnis;
        w.show();
        w.gebiet = QStringLiteral("Mathematik");
        w.thema = QStringLiteral("Trigonometrie");
        w.inhalt = QStringLiteral("Kosinussatz");
        w.baumauswahl();
        Ttxtshape* nachA = nullptr;
        for (Ttxtshape* b : w.umformbuttons)
            if (!b->isHidden() && b->text() == QLatin1String("a"))
                nachA = b;
        ASSERT_NE(nachA, nullptr);
        QTest::mousePress(nachA, Qt::LeftButton);
        QTest::mouseClick(w.Seite2btn, Qt::LeftButton);
        const std::pair<const char*, const char*> eingaben[] = {{"b", "8"}, {"c", "10,8014"}, {"\\c(g)", "100"}};
        for (const auto& [symbol, text] : eingaben)
            for (int k = 2; k <= w.Anzahl; ++k)
                if (w.groessen[size_t(k)].symbol == QLatin1String(symbol))
                    QTest::keyClicks(w.extendEdits[size_t(k)], QString::fromLatin1(text));
        QTest::mouseClick(w.Speedrechne, Qt::LeftButton);
        EXPECT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
        EXPECT_EQ(w.txtshape30->text(),
                  QStringLiteral("a=8m\\mcos 100°+\\r((10,8014m)\\u(2)-(8m)\\u(2)\\msin\\u(2) 100°)   "
                                 "(größere Lösung; eindeutig für 10,8014m ≥ 8m) = 6,000 m"));
    }
    projektliste = nullptr;
    Datadlg = nullptr;
}

} // namespace
