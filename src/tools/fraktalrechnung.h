#pragma once
// The arithmetic of the fractal window, without any window: the escape count
// of a point, the 16-colour rule, and a drawing that fills a picture of
// palette indices in ten passes from blocks of 10 pixels down to single
// pixels. A drawing is worked off in slices, each ending at a given time, so
// the window can stay responsive and stop it between two slices.
//
// Within a pass the blocks are painted in a fixed order: columns from left to
// right, and in each column the rows from top to bottom. The block of the
// point (px, py) covers k columns from px and k + 1 rows from py (clipped at
// the picture's edges); its extra row is painted over by the next block below.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace kolvar {

enum class Fraktalart { Mandelbrot, Julia };

struct Fraktaleinstellung {
    Fraktalart art = Fraktalart::Mandelbrot;
    int breite = 300; // picture width in pixels, 1..kMaxBildseite
    int hoehe = 200;  // picture height in pixels, 1..kMaxBildseite
    // Mandelbrot: the view. Column 0 shows xmin, row 0 (the top) ymin.
    double xmin = -1.75, xmax = 0.75, ymin = -1.5, ymax = 1.5;
    // Julia: the constant c and the size of the view, centred on 0.
    double cre = -1.5, cim = 0, weite = 1, hoehe_sicht = 1;
    double grenze = 4; // a point escapes when its squared modulus exceeds this
    int maximum = 50;  // the largest count, at least 1
};

// The largest width and height a drawing accepts.
inline constexpr int kMaxBildseite = 10000;

// The count of one point: from z, step z -> z^2 + c and count the steps; stop
// after the step whose starting z had a squared modulus above grenze, or
// when the count reaches maximum. A point that starts outside gets 1.
int fluchtzahl(double zre, double zim, double cre, double cim, double grenze, int maximum);

// Where a point starts: z and c.
struct Startwert {
    double zre, zim, cre, cim;
};

// The counts of many points, n[i] for punkte[i]: the same as fluchtzahl
// gives for each, computed several at a time. Without vektoren the way for
// processors without AVX2 is taken, whatever this one has.
void fluchtzahlen(const Startwert* punkte, std::size_t anzahl, double grenze, int maximum, int* n,
                  bool vektoren = true);

// The palette index of a count: the count itself up to 15, else its rest
// modulo 16.
constexpr int farbindex(int n)
{
    return n <= 15 ? n : n % 16;
}

// The 16 colours, index 0 to 15, as 0xRRGGBB.
extern const std::uint32_t kFraktalpalette[16];

// A picture of one byte (a palette index) per pixel.
struct Indexbild {
    std::uint8_t* bits = nullptr;
    std::ptrdiff_t zeilenlaenge = 0; // bytes from one row to the next
    int breite = 0;
    int hoehe = 0;
};

struct Fraktalstapel;

class Fraktalzeichnung {
public:
    using Uhr = std::chrono::steady_clock;

    // e must hold a picture size and a maximum the drawing accepts.
    explicit Fraktalzeichnung(const Fraktaleinstellung& e);
    ~Fraktalzeichnung();
    Fraktalzeichnung(const Fraktalzeichnung&) = delete;
    Fraktalzeichnung& operator=(const Fraktalzeichnung&) = delete;

    // The block size of the current pass (10 down to 1); 0 when all passes
    // are done.
    int blockgroesse() const { return m_k; }
    bool fertig() const { return m_k == 0; }

    // Paints blocks of the current pass into bild, in order, until the pass
    // is complete, the time bis has come, or hoechstens blocks were painted
    // (hoechstens < 0: no limit). True when the pass is complete; the next
    // call then starts the next pass. bild must have the drawing's size.
    bool arbeite(const Indexbild& bild, Uhr::time_point bis, long hoechstens = -1);

    // The count of the block painted last (0 before the first).
    int letzteZahl() const { return m_letzteZahl; }
    // Blocks painted in the current pass.
    long bloeckeGemalt() const { return long(m_gemalt); }
    // The sum of the counts of every painted block: the iterations done.
    std::uint64_t iterationen() const { return m_iterationen; }

private:
    // The top left corner of a block, stepping in block order.
    struct Stelle {
        int px = 0, py = 0;
        void weiter(int k, int hoehe);
    };

    void durchgang_beginnen();
    // Takes the next up to eight points of the pass into the batch.
    void stapel_laden();
    // Paints the next block of the pass with the count n.
    void malen(const Indexbild& bild, int n);

    Fraktaleinstellung m_e;
    double m_dx = 0, m_dy = 0; // Mandelbrot: step per pixel
    double m_sx = 0, m_sy = 0; // Julia: step per pixel
    int m_k = 10;
    Stelle m_laden, m_malen; // the blocks of the next point to compute and to paint
    std::int64_t m_gemalt = 0; // blocks painted in this pass
    std::unique_ptr<Fraktalstapel> m_stapel; // the points being computed
    int m_letzteZahl = 0;
    std::uint64_t m_iterationen = 0;
};

} // namespace kolvar
