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

using v4d = double __attribute__((vector_size(32)));
using v4l = std::int64_t __attribute__((vector_size(32)));

// Eight points step side by side in two groups of four doubles. The compiler
// makes each group one AVX register where the processor has AVX2 (chosen
// when the program starts) and two SSE2 registers elsewhere; two groups keep
// the multipliers busy while each waits for its own result.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define KOLVAR_VEKTORKLONE __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef KOLVAR_VEKTORKLONE
#define KOLVAR_VEKTORKLONE
#endif

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
// kSchritteJeAufruf steps; true when all have stopped. Returns the steps
// taken in schritte.
KOLVAR_VEKTORKLONE
bool rechne(Fraktalstapel& b, double grenze, std::int64_t maximum, std::int64_t& schritte)
{
    // Named variables, not arrays, so that everything stays in registers.
    auto* vx = reinterpret_cast<v4d*>(b.x);
    auto* vy = reinterpret_cast<v4d*>(b.y);
    auto* vn = reinterpret_cast<v4l*>(b.n);
    auto* va = reinterpret_cast<v4l*>(b.aktiv);
    const auto* vcx = reinterpret_cast<const v4d*>(b.cx);
    const auto* vcy = reinterpret_cast<const v4d*>(b.cy);
    v4d x0 = vx[0], x1 = vx[1], y0 = vy[0], y1 = vy[1];
    const v4d cx0 = vcx[0], cx1 = vcx[1], cy0 = vcy[0], cy1 = vcy[1];
    v4l n0 = vn[0], n1 = vn[1], a0 = va[0], a1 = va[1];
    const v4d gv = {grenze, grenze, grenze, grenze};
    const v4l mv = {maximum, maximum, maximum, maximum};
    const v4d zwei = {2.0, 2.0, 2.0, 2.0};
    std::int64_t s = 0;
    bool fertig = false;
    while (s < kSchritteJeAufruf) {
        const v4d xx0 = x0 * x0, yy0 = y0 * y0, xy0 = (zwei * x0) * y0;
        const v4d xx1 = x1 * x1, yy1 = y1 * y1, xy1 = (zwei * x1) * y1;
        const v4l raus0 = (xx0 + yy0) > gv;
        const v4l raus1 = (xx1 + yy1) > gv;
        x0 = (xx0 - yy0) + cx0;
        x1 = (xx1 - yy1) + cx1;
        y0 = xy0 + cy0;
        y1 = xy1 + cy1;
        n0 -= a0;
        n1 -= a1;
        a0 &= ~(raus0 | (n0 == mv));
        a1 &= ~(raus1 | (n1 == mv));
        ++s;
        const v4l laufend = a0 | a1;
        if ((laufend[0] | laufend[1] | laufend[2] | laufend[3]) == 0) {
            fertig = true;
            break;
        }
    }
    vx[0] = x0;
    vx[1] = x1;
    vy[0] = y0;
    vy[1] = y1;
    vn[0] = n0;
    vn[1] = n1;
    va[0] = a0;
    va[1] = a1;
    schritte += s;
    return fertig;
}

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

void fluchtzahlen(const Startwert* punkte, std::size_t anzahl, double grenze, int maximum, int* n)
{
    Fraktalstapel b;
    std::int64_t schritte = 0;
    for (std::size_t anfang = 0; anfang < anzahl; anfang += 8) {
        b.anzahl = int(std::min<std::size_t>(8, anzahl - anfang));
        for (int i = 0; i < 8; ++i) {
            const Startwert p = i < b.anzahl ? punkte[anfang + std::size_t(i)] : Startwert{0, 0, 0, 0};
            b.setze(i, p.zre, p.zim, p.cre, p.cim);
        }
        while (!rechne(b, grenze, maximum, schritte)) {
        }
        for (int i = 0; i < b.anzahl; ++i)
            n[anfang + std::size_t(i)] = int(b.n[i]);
    }
}

} // namespace kolvar
