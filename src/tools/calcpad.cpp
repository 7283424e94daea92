#include "tools/calcpad.h"

#include "engine/helpers.h"
#include "engine/tfktbaum.h"
#include "platform/numbers.h"

#include <string>
#include <string_view>

namespace kolvar {

namespace {

// Compares letters a to z without case and every other byte exactly, so an
// upper-case umlaut is a different character, as the commands have always
// been read.
bool gleichOhneCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

bool zuLang(const std::string& zeile)
{
    return textLength(zeile) > static_cast<std::size_t>(kMaxRechenzeile);
}

bool istAusgabezeile(const std::string& puffer)
{
    constexpr std::string_view praefix = "Ausgabe(";
    return puffer.size() > praefix.size() && gleichOhneCase(std::string_view(puffer).substr(0, 8), praefix)
        && puffer.back() == ')';
}

QString wert(const QString& zahlenformat, long double y)
{
    return formatFloat(zahlenformat, y);
}

} // namespace

DirectResult handleDirectLine(Tfktbaum& liste, const QString& zahlenformat, const QString& zeile)
{
    DirectResult ergebnis;
    const std::string roh = zeile.toStdString();
    std::string puffer = roh;
    pleerzeichenweg(puffer);
    if (puffer.empty() || puffer.front() == ';')
        return ergebnis;
    if (zuLang(roh)) {
        ergebnis.kind = DirectResult::Kind::Invalid;
        return ergebnis;
    }

    if (gleichOhneCase(puffer, "cls")) {
        ergebnis.kind = DirectResult::Kind::Clear;
    } else if (gleichOhneCase(puffer, "zeige_fkt")) {
        ergebnis.kind = DirectResult::Kind::ListDefinitions;
        ergebnis.lines = definitionLines(liste);
    } else if (gleichOhneCase(puffer, "lösche_alle")) {
        liste.alle_loeschen();
        ergebnis.kind = DirectResult::Kind::DeletedAll;
    } else {
        long double y = 0;
        if (!liste.untersuche(puffer, y))
            ergebnis.kind = DirectResult::Kind::Invalid;
        else if (puffer.empty())
            ergebnis.kind = DirectResult::Kind::Defined;
        else {
            ergebnis.kind = DirectResult::Kind::Value;
            ergebnis.value = wert(zahlenformat, y);
        }
    }
    return ergebnis;
}

QStringList runProgram(Tfktbaum& liste, const QString& zahlenformat, const QStringList& zeilen)
{
    QStringList ausgabe;
    for (const QString& zeile : zeilen) {
        const std::string roh = zeile.toStdString();
        std::string puffer = roh;
        pleerzeichenweg(puffer);
        if (puffer.empty() || puffer.front() == ';')
            continue;
        if (zuLang(roh)) {
            ausgabe << QStringLiteral("Fehler:") + zeile;
            continue;
        }

        long double y = 0;
        if (istAusgabezeile(puffer)) {
            // "Ausgabe(x)" asks for x: the closing bracket becomes the "=" of
            // a query, and the shown line keeps the expression either way.
            std::string frage = puffer.substr(8);
            frage.back() = '=';
            QString gezeigt = QString::fromStdString(frage);
            if (liste.untersuche(frage, y)) {
                if (!frage.empty())
                    gezeigt += wert(zahlenformat, y);
            } else {
                gezeigt.chop(1);
            }
            ausgabe << QLatin1Char(';') + gezeigt;
            continue;
        }

        // A program line must define something; a bare query has nowhere to
        // show its value and counts as an error, like a line the engine refuses.
        if (!liste.untersuche(puffer, y) || !puffer.empty())
            ausgabe << QStringLiteral("Fehler:") + zeile;
    }
    return ausgabe;
}

QStringList sideListEntries(Tfktbaum& liste, const QString& zahlenformat)
{
    QStringList eintraege;
    eintraege.reserve(liste.count());
    for (int i = 0; i < liste.count(); ++i) {
        const std::string& definition = liste.entry(i)->definition;
        QString s = QString::fromStdString(definition);
        // The left-hand side up to its "=" is a query for the name; it can
        // never define anything, so the list stays as it is while it is walked.
        const std::size_t gleich = definition.find('=');
        if (gleich != std::string::npos) {
            std::string frage = definition.substr(0, gleich + 1);
            pleerzeichenweg(frage);
            long double y = 0;
            if (liste.untersuche(frage, y) && !frage.empty())
                s += QLatin1Char('=') + wert(zahlenformat, y);
        }
        eintraege << s;
    }
    return eintraege;
}

QStringList definitionLines(const Tfktbaum& liste)
{
    QStringList zeilen;
    zeilen.reserve(liste.count());
    for (int i = 0; i < liste.count(); ++i)
        zeilen << QString::fromStdString(liste.entry(i)->definition);
    return zeilen;
}

} // namespace kolvar
