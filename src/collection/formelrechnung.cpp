#include "collection/formelrechnung.h"

#include <string>
#include <utility>

#include "collection/tgroessensatz.h"
#include "engine/helpers.h"
#include "engine/numberformat.h"
#include "engine/tfktbaum.h"

namespace kolvar {

namespace {

// A name as the engine stores it: without blanks and tabs, a to z upper case.
QString motorname(const QString& name)
{
    QString s;
    s.reserve(name.size());
    for (QChar c : name) {
        if (c == u' ' || c == u'\t')
            continue;
        s.append(c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c);
    }
    return s;
}

int zeichenzahl(const QString& s)
{
    return static_cast<int>(textLength(s.toStdString()));
}

// The conversion mode of a unit table: 1 means a picked unit is umrechfaktor
// own units. A mode that reads as no number stops the run rather than
// guessing a direction.
bool modusIstEins(const QString& faktormodus, bool& eins)
{
    long double modus = 0;
    if (!parseFloat(faktormodus.toStdString(), modus))
        return false;
    eins = modus == 1;
    return true;
}

QString kommentar(const QString& variable, const QString& groesse, const QString& einheit)
{
    return QStringLiteral(";") + variable + QStringLiteral(" = ") + groesse + QStringLiteral(" - ") + einheit;
}

} // namespace

Rechengroesse rechengroesse(const Tgroessensatz& satz)
{
    return {satz.groesse,       satz.nameeinhei, satz.rechenvari,  satz.Wert,
            satz.umNameeinheit, satz.umEinheit,  satz.faktormodus, satz.umrechfaktor};
}

QStringList protokollzeilen(const Rechenschritt& s)
{
    using Art = Rechenschritt::Art;
    switch (s.art) {
    case Art::Gegeben:
    case Art::Umrechnung:
        return {s.kommentar, s.zeile};
    case Art::Ergebnis:
        return {s.kommentar, s.rechnung, s.zeile, s.ergebnis};
    case Art::ErgebnisUmrechnung:
        return {s.kommentar, s.rechnung, s.zeile};
    case Art::ErgebnisAbfrage:
        return {s.kommentar, s.zeile, s.ergebnis};
    }
    return {};
}

Zeilenprotokoll::Zeilenprotokoll(std::function<void(const QString&)> schreibe)
    : m_schreibe(std::move(schreibe))
{
}

void Zeilenprotokoll::schritt(const Rechenschritt& schritt)
{
    if (!m_schreibe)
        return;
    for (const QString& zeile : protokollzeilen(schritt))
        m_schreibe(zeile);
}

QString Rechenergebnis::meldung() const
{
    switch (status) {
    case Status::Berechnet:
        return {};
    case Status::WerteFehlen:
        return QStringLiteral("Bitte Werte eingeben!");
    case Status::Fehlerhaft:
        break;
    }
    return QStringLiteral("Fehlerhafte Eingabe");
}

QString Formelrechnung::hilfsvariable(const QString& variable, const QStringList& belegt)
{
    QStringList namen;
    namen.reserve(belegt.size());
    for (const QString& b : belegt)
        namen.append(motorname(b));
    QString name = variable + QLatin1Char('1');
    // Every further "1" makes the name longer, so this ends after at most
    // as many steps as there are taken names.
    while (namen.contains(motorname(name)))
        name += QLatin1Char('1');
    return name;
}

bool Formelrechnung::sende(const QString& zeile, long double& y, QString* puffer)
{
    // The line is kept as it was built, blanks of a typed value or of the
    // calculation line included, since the transcript shows it so; the
    // engine reads it without blanks. A line it cannot hold is refused by it,
    // never shortened here.
    std::string puffertext = leerzeichenweg(zeile.toStdString());
    m_gesendet.append(zeile);
    const bool ok = m_liste.untersuche(puffertext, y);
    if (puffer)
        *puffer = QString::fromStdString(puffertext);
    return ok;
}

Rechenergebnis Formelrechnung::rechne(const QString& rechnung,
                                      const std::vector<Rechengroesse>& groessen,
                                      const QString& zahlenformat, Rechenprotokoll& protokoll)
{
    using Art = Rechenschritt::Art;
    using Status = Rechenergebnis::Status;
    m_gesendet.clear();
    Rechenergebnis ergebnis;
    auto abbruch = [&ergebnis](Status status, int satz) {
        ergebnis.status = status;
        ergebnis.satz = satz;
        return ergebnis;
    };

    // Without a sought quantity there is nothing to ask for.
    if (groessen.empty())
        return abbruch(Status::Fehlerhaft, 0);

    // An auxiliary variable must not overwrite a quantity of this
    // rearrangement nor another auxiliary variable of this run: the
    // definitions refer to each other, so a reused name would change a
    // value already converted.
    QStringList belegt;
    for (const Rechengroesse& g : groessen)
        belegt.append(g.rechenvari);

    long double y = 0;
    for (std::size_t i = 1; i < groessen.size(); ++i) {
        const Rechengroesse& g = groessen[i];
        const int satz = static_cast<int>(i) + 1;
        const QString& x = g.rechenvari;
        // A value of blanks only would leave "x=", which the engine takes
        // for a question about x instead of a definition.
        if (leerzeichenweg(g.Wert.toStdString()).empty())
            return abbruch(Status::WerteFehlen, satz);
        // A longer value would have to be cut into a different number.
        if (zeichenzahl(g.Wert) > maxWert)
            return abbruch(Status::Fehlerhaft, satz);

        if (g.umEinheit.isEmpty()) {
            const QString zeile = x + QLatin1Char('=') + g.Wert;
            if (!sende(zeile, y))
                return abbruch(Status::Fehlerhaft, satz);
            protokoll.schritt({Art::Gegeben, satz, kommentar(x, g.groesse, g.nameeinhei), {},
                               m_gesendet.last(), {}});
            continue;
        }

        const QString hilf = hilfsvariable(x, belegt);
        belegt.append(hilf);
        if (!sende(hilf + QLatin1Char('=') + g.Wert, y))
            return abbruch(Status::Fehlerhaft, satz);
        protokoll.schritt({Art::Gegeben, satz, kommentar(hilf, g.groesse, g.umNameeinheit), {},
                           m_gesendet.last(), {}});
        bool eins = false;
        if (!modusIstEins(g.faktormodus, eins))
            return abbruch(Status::Fehlerhaft, satz);
        const QString zeile = x + QLatin1Char('=') + hilf + (eins ? QLatin1Char('*') : QLatin1Char('/')) +
                              g.umrechfaktor;
        if (!sende(zeile, y))
            return abbruch(Status::Fehlerhaft, satz);
        protokoll.schritt({Art::Umrechnung, satz, kommentar(x, g.groesse, g.nameeinhei), {},
                           m_gesendet.last(), {}});
    }

    // A calculation line that the line buffer cannot hold is refused whole.
    if (textLength(leerzeichenweg(rechnung.toStdString())) > Tfktbaum::kMaxZeile)
        return abbruch(Status::Fehlerhaft, 0);
    if (!sende(rechnung, y))
        return abbruch(Status::Fehlerhaft, 0);
    const QString gesendeteRechnung = m_gesendet.last();

    const Rechengroesse& gesucht = groessen.front();
    const QString& r = gesucht.rechenvari;
    const QString eigenerKommentar = kommentar(r, gesucht.groesse, gesucht.nameeinhei);
    auto frage = [&](const QString& variable, QString& abfrage) {
        QString puffer;
        if (!sende(variable + QLatin1Char('='), y, &puffer))
            return false;
        abfrage = m_gesendet.last();
        ergebnis.status = Status::Berechnet;
        ergebnis.wert = y;
        if (!puffer.isEmpty())
            ergebnis.text = QString::fromStdString(formatFloat(zahlenformat.toStdString(), y));
        return true;
    };

    QString abfrage;
    if (gesucht.umEinheit.isEmpty()) {
        if (!frage(r, abfrage))
            return abbruch(Status::Fehlerhaft, 1);
        if (!ergebnis.text.isEmpty())
            protokoll.schritt({Art::Ergebnis, 1, eigenerKommentar, gesendeteRechnung, abfrage, ergebnis.text});
        return ergebnis;
    }

    bool eins = false;
    if (!modusIstEins(gesucht.faktormodus, eins))
        return abbruch(Status::Fehlerhaft, 1);
    const QString hilf = hilfsvariable(r, belegt);
    // The reverse of the given quantities: the result leaves the own unit.
    const QString zeile = hilf + QLatin1Char('=') + r + (eins ? QLatin1Char('/') : QLatin1Char('*')) +
                          gesucht.umrechfaktor;
    if (!sende(zeile, y))
        return abbruch(Status::Fehlerhaft, 1);
    protokoll.schritt({Art::ErgebnisUmrechnung, 1, eigenerKommentar, gesendeteRechnung, m_gesendet.last(), {}});
    if (!frage(hilf, abfrage))
        return abbruch(Status::Fehlerhaft, 1);
    if (!ergebnis.text.isEmpty())
        protokoll.schritt({Art::ErgebnisAbfrage, 1,
                           QStringLiteral(";") + hilf + QStringLiteral("= ") + gesucht.groesse +
                               QStringLiteral(" - ") + gesucht.umNameeinheit,
                           {}, abfrage, ergebnis.text});
    return ergebnis;
}

} // namespace kolvar
