// Sends arbitrary text to one definition list, line by line, the way the
// windows do: definitions and queries mixed. A few leading marks drive the
// other list operations, so that deletions of every kind meet later queries.
//   !NAME   loesche_fkt        #N  remove the item at N      ~N  freigeben of item N
//   ?TEXT   suchezeigerstr     *TEXT walk a ";" list         &NAME fktberechnen at 2
//   %       alle_loeschen      anything else: untersuche
// At most kMaxEvaluations lines per input are evaluated; definitions always run.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/tfktbaum.h"
#include "engine/tfunktion.h"

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

int indexFrom(std::string_view digits, int count)
{
    unsigned value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<unsigned char>(c) % 10;
    return count > 0 ? static_cast<int>(value % static_cast<unsigned>(count + 1)) : 0;
}

void checkList(const Tfktbaum& liste)
{
    for (int i = 0; i < liste.count(); ++i) {
        const Tfktzelle* e = liste.entry(i);
        require(e && e->funktion && !e->fktname.empty());
        require(liste.sucheeintrag(e->fktname) == i); // names are unique
    }
}

// The program lets one evaluation run for some tens of milliseconds (far
// longer under the sanitizers); here each gets about a millisecond, several
// under the sanitizers, which a few doubling definitions still reach. Past
// kMaxEvaluations per input, further evaluations would only repeat that bound,
// and the input would outlast the time limit.
constexpr std::uint64_t kWorkBudget = 100'000;
constexpr int kMaxEvaluations = 20;

bool isDefinition(std::string_view line)
{
    std::string name, parameter, rechts;
    return Tfktbaum::aufspalten(line, name, parameter, rechts) && !rechts.empty();
}

void handleLine(Tfktbaum& liste, std::string_view line, int& evaluations)
{
    const std::string_view rest = line.empty() ? line : line.substr(1);
    long double y = 0;
    Tfktzelle* e = nullptr;
    switch (line.empty() ? '\0' : line.front()) {
    case '!':
        liste.loesche_fkt(rest);
        return;
    case '#':
        liste.remove(indexFrom(rest, liste.count()));
        return;
    case '~': {
        const int i = indexFrom(rest, liste.count());
        if (i < liste.count())
            liste.entry(i)->freigeben();
        return;
    }
    case '?':
        if (liste.suchezeigerstr(rest, e))
            require(liste.sucheeintrag(e->fktname) >= 0);
        return;
    case '*': {
        const std::string text(rest);
        const char* pos = text.c_str();
        for (int guard = 0; pos && guard < 300 && liste.suchezeiger(pos, e); ++guard)
            require(liste.sucheeintrag(e->fktname) >= 0);
        return;
    }
    case '&':
        if (++evaluations > kMaxEvaluations)
            return;
        if (liste.fktberechnen(rest, 2, y))
            require(std::isfinite(y));
        return;
    case '%':
        liste.alle_loeschen();
        return;
    default: {
        std::string buffer(line);
        if (!isDefinition(line) && ++evaluations > kMaxEvaluations)
            return;
        if (!liste.untersuche(buffer, y)) {
            require(buffer == line); // a failure leaves the line as it was
            return;
        }
        std::string name, parameter, rechts;
        require(Tfktbaum::aufspalten(line, name, parameter, rechts));
        if (rechts.empty())
            require(!buffer.empty() && std::isfinite(y)); // a query: a value and its text
        else
            require(buffer.empty());
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tfunktion::setWorkBudget(kWorkBudget);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Tfktbaum liste;
    int evaluations = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        handleLine(liste, line, evaluations);
        start = end + 1;
    }
    checkList(liste);
    return 0;
}
