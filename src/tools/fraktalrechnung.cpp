#include "tools/fraktalrechnung.h"

#include <algorithm>
#include <cstring>

namespace kolvar {

const std::uint32_t kFraktalpalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

int fluchtzahl(double zre, double zim, double cre, double cim, double grenze, int maximum)
{
    // The same operations in the same order as the lanes below, so both give
    // the same count for every point, NaN and infinity included.
    double x = zre, y = zim;
    int n = 0;
    for (;;) {
        const double xx = x * x;
        const double yy = y * y;
        const double xy = (2.0 * x) * y;
        x = (xx - yy) + cre;
        y = xy + cim;
        ++n;
        if (xx + yy > grenze || n == maximum)
            return n;
    }
}

namespace {

// N doubles side by side and the masks (-1 true, 0 false) their
// comparisons give. (Spelled out per size: the compiler drops a vector size
// that depends on a template parameter.)
template <int N>
struct Vektor;
template <>
struct Vektor<1> {
    typedef double D;
    typedef std::int64_t L;
};
template <>
struct Vektor<4> {
    typedef double D __attribute__((vector_size(32)));
    typedef std::int64_t L __attribute__((vector_size(32)));
};

// At most this many steps per call, so that a stop is seen soon even when
// the maximum count is huge.
constexpr std::int64_t kSchritteJeAufruf = 4096;
// Steps between two looks at the clock: a few microseconds.
constexpr std::int64_t kSchritteJeUhrblick = 8192;

} // namespace

struct alignas(64) Fraktalstapel {
    double x[8], y[8], cx[8], cy[8];
    std::int64_t n[8];
    std::int64_t aktiv[8]; // -1 while the point runs, 0 once it has stopped
    int anzahl = 0;        // points in the batch
    int gemalt = 0;        // of them painted

    void setze(int i, double zre, double zim, double cre, double cim)
    {
        x[i] = zre;
        y[i] = zim;
        cx[i] = cre;
        cy[i] = cim;
        n[i] = 0;
        aktiv[i] = i < anzahl ? -1 : 0;
    }
};

namespace {

// Steps every point of the batch until all have stopped, or at most
// kSchritteJeAufruf steps; true when all have stopped. Adds the steps taken
// to schritte. The eight points run as 8 / N independent chains of N
// doubles, so the multipliers stay busy while each chain waits for its own
// result; the loops over the chains unroll, and everything stays in
// registers.
template <int N>
[[gnu::always_inline]] inline bool rechne_mit(Fraktalstapel& b, double grenze, std::int64_t maximum,
                                              std::int64_t& schritte)
{
    constexpr int G = 8 / N;
    using D = typename Vektor<N>::D;
    using L = typename Vektor<N>::L;
    static_assert(sizeof(D) == N * sizeof(double) && sizeof(L) == sizeof(D));
    D x[G], y[G], cx[G], cy[G];
    L n[G], a[G];
#pragma GCC unroll 8
    for (int g = 0; g < G; ++g) {
        x[g] = reinterpret_cast<const D*>(b.x)[g];
        y[g] = reinterpret_cast<const D*>(b.y)[g];
        cx[g] = reinterpret_cast<const D*>(b.cx)[g];
        cy[g] = reinterpret_cast<const D*>(b.cy)[g];
        n[g] = reinterpret_cast<const L*>(b.n)[g];
        a[g] = reinterpret_cast<const L*>(b.aktiv)[g];
    }
    const D gv = D{} + grenze;
    const L mv = L{} + maximum;
    const D zwei = D{} + 2.0;
    std::int64_t s = 0;
    bool fertig = false;
    while (s < kSchritteJeAufruf) {
        L laufend = L{};
#pragma GCC unroll 8
        for (int g = 0; g < G; ++g) {
            const D xx = x[g] * x[g];
            const D yy = y[g] * y[g];
            const D xy = (zwei * x[g]) * y[g];
            L raus;
            if constexpr (N == 1)
                raus = -L((xx + yy) > gv);
            else
                raus = (xx + yy) > gv;
            x[g] = (xx - yy) + cx[g];
            y[g] = xy + cy[g];
            n[g] -= a[g];
            if constexpr (N == 1)
                a[g] &= ~(raus | -L(n[g] == mv));
            else
                a[g] &= ~(raus | (n[g] == mv));
            laufend |= a[g];
        }
        ++s;
        std::int64_t spur[N];
        std::memcpy(spur, &laufend, sizeof spur);
        std::int64_t irgendeiner = 0;
#pragma GCC unroll 8
        for (int i = 0; i < N; ++i)
            irgendeiner |= spur[i];
        if (irgendeiner == 0) {
            fertig = true;
            break;
        }
    }
#pragma GCC unroll 8
    for (int g = 0; g < G; ++g) {
        reinterpret_cast<D*>(b.x)[g] = x[g];
        reinterpret_cast<D*>(b.y)[g] = y[g];
        reinterpret_cast<L*>(b.n)[g] = n[g];
        reinterpret_cast<L*>(b.aktiv)[g] = a[g];
    }
    schritte += s;
    return fertig;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Four doubles to a register where the processor has AVX2 (the choice is
// made once); elsewhere eight chains of single doubles, which run faster
// there than pairs of doubles in SSE2 registers with their 64-bit compares.
[[gnu::target("avx2")]] bool rechne_avx2(Fraktalstapel& b, double grenze, std::int64_t maximum,
                                         std::int64_t& schritte)
{
    return rechne_mit<4>(b, grenze, maximum, schritte);
}

bool rechne(Fraktalstapel& b, double grenze, std::int64_t maximum, std::int64_t& schritte, bool vektoren = true)
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return avx2 && vektoren ? rechne_avx2(b, grenze, maximum, schritte) : rechne_mit<1>(b, grenze, maximum, schritte);
}
#else
bool rechne(Fraktalstapel& b, double grenze, std::int64_t maximum, std::int64_t& schritte, bool = true)
{
    return rechne_mit<1>(b, grenze, maximum, schritte);
}
#endif

} // namespace

namespace {

// Sets 1 to 16 bytes to farbe. Blocks are at most 10 pixels wide, and a call
// of memset per row of a block would cost more than the row itself: two
// stores that overlap in the middle cover every width without touching a
// byte outside the row.
inline void fuellen(std::uint8_t* p, std::uint8_t farbe, int breite)
{
    const std::uint64_t muster = 0x0101010101010101ull * farbe;
    if (breite >= 8) {
        std::memcpy(p, &muster, 8);
        std::memcpy(p + breite - 8, &muster, 8);
    } else if (breite >= 4) {
        const auto m = std::uint32_t(muster);
        std::memcpy(p, &m, 4);
        std::memcpy(p + breite - 4, &m, 4);
    } else if (breite >= 2) {
        const auto m = std::uint16_t(muster);
        std::memcpy(p, &m, 2);
        std::memcpy(p + breite - 2, &m, 2);
    } else if (breite == 1) {
        *p = farbe;
    }
}

} // namespace

Fraktalzeichnung::Fraktalzeichnung(const Fraktaleinstellung& e)
    : m_e(e), m_stapel(std::make_unique<Fraktalstapel>())
{
    m_dx = (e.xmax - e.xmin) / e.breite;
    m_dy = (e.ymax - e.ymin) / e.hoehe;
    m_sx = e.weite / e.breite;
    m_sy = e.hoehe_sicht / e.hoehe;
    durchgang_beginnen();
}

Fraktalzeichnung::~Fraktalzeichnung() = default;

void Fraktalzeichnung::durchgang_beginnen()
{
    m_laden = Stelle{};
    m_malen = Stelle{};
    m_gemalt = 0;
    m_stapel->anzahl = 0;
    m_stapel->gemalt = 0;
}

void Fraktalzeichnung::Stelle::weiter(int k, int hoehe)
{
    py += k;
    if (py >= hoehe) {
        py = 0;
        px += k;
    }
}

void Fraktalzeichnung::stapel_laden()
{
    Fraktalstapel& b = *m_stapel;
    b.anzahl = 0;
    b.gemalt = 0;
    while (b.anzahl < 8 && m_laden.px < m_e.breite) {
        ++b.anzahl;
        const double px = m_laden.px;
        const double py = m_laden.py;
        if (m_e.art == Fraktalart::Mandelbrot)
            b.setze(b.anzahl - 1, 0, 0, px * m_dx + m_e.xmin, py * m_dy + m_e.ymin);
        else
            b.setze(b.anzahl - 1, px * m_sx - m_e.weite / 2, py * m_sy - m_e.hoehe_sicht / 2, m_e.cre, m_e.cim);
        m_laden.weiter(m_k, m_e.hoehe);
    }
    // The lanes without a point stand still.
    for (int i = b.anzahl; i < 8; ++i)
        b.setze(i, 0, 0, 0, 0);
}

void Fraktalzeichnung::malen(const Indexbild& bild, int n)
{
    const int px = m_malen.px;
    const int py = m_malen.py;
    const int breite = std::min(m_k, bild.breite - px);
    const int bis = std::min(py + m_k, bild.hoehe - 1);
    const auto farbe = static_cast<std::uint8_t>(farbindex(n));
    std::uint8_t* zeile = bild.bits + py * bild.zeilenlaenge + px;
    for (int y = py; y <= bis; ++y, zeile += bild.zeilenlaenge)
        fuellen(zeile, farbe, breite);
    m_letzteZahl = n;
    m_iterationen += std::uint64_t(n);
    ++m_gemalt;
    m_malen.weiter(m_k, m_e.hoehe);
}

bool Fraktalzeichnung::arbeite(const Indexbild& bild, Uhr::time_point bis, long hoechstens)
{
    if (fertig())
        return true;
    Fraktalstapel& b = *m_stapel;
    long gemalt = 0;
    std::int64_t schritte = 0, uhrblick = kSchritteJeUhrblick;
    for (;;) {
        if (b.gemalt == b.anzahl) {
            if (m_malen.px >= m_e.breite) {
                if (--m_k > 0)
                    durchgang_beginnen();
                return true;
            }
            stapel_laden();
        }
        if (!rechne(b, m_e.grenze, m_e.maximum, schritte)) {
            if (schritte >= uhrblick) {
                uhrblick = schritte + kSchritteJeUhrblick;
                if (Uhr::now() >= bis)
                    return false;
            }
            continue;
        }
        while (b.gemalt < b.anzahl) {
            if (hoechstens >= 0 && gemalt >= hoechstens)
                return false;
            malen(bild, int(b.n[b.gemalt]));
            ++b.gemalt;
            ++gemalt;
        }
        // Counted as steps, a batch of points that stop at once costs
        // little; the clock is read after the equivalent of some thousands.
        schritte += 8;
        if (schritte >= uhrblick) {
            uhrblick = schritte + kSchritteJeUhrblick;
            if (Uhr::now() >= bis && m_malen.px < m_e.breite)
                return false;
        }
    }
}

void fluchtzahlen(const Startwert* punkte, std::size_t anzahl, double grenze, int maximum, int* n, bool vektoren)
{
    Fraktalstapel b;
    std::int64_t schritte = 0;
    for (std::size_t anfang = 0; anfang < anzahl; anfang += 8) {
        b.anzahl = int(std::min<std::size_t>(8, anzahl - anfang));
        for (int i = 0; i < 8; ++i) {
            const Startwert p = i < b.anzahl ? punkte[anfang + std::size_t(i)] : Startwert{0, 0, 0, 0};
            b.setze(i, p.zre, p.zim, p.cre, p.cim);
        }
        while (!rechne(b, grenze, maximum, schritte, vektoren)) {
        }
        for (int i = 0; i < b.anzahl; ++i)
            n[anfang + std::size_t(i)] = int(b.n[i]);
    }
}

} // namespace kolvar
