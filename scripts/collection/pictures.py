"""Formula pictures, drawn here pixel by pixel so that they can be rebuilt
without a drawing program. BMP files are written directly; JPEG files go
through ImageMagick's convert (baseline, which every JPEG reader takes)."""
import math
import os
import shutil
import struct
import subprocess
import tempfile

WHITE, BLACK = (255, 255, 255), (0, 0, 0)
RED, BLUE, GREEN, GREY = (200, 30, 30), (30, 60, 200), (20, 140, 40), (150, 150, 150)
WOOD, YELLOW = (205, 160, 100), (255, 236, 150)

# A 5x7 pixel font with the few letters the labels need.
GLYPHS = {
    "F": "#####/#..../#..../####./#..../#..../#....",
    "G": ".###./#...#/#..../#.###/#...#/#...#/.###.",
    "H": "#...#/#...#/#...#/#####/#...#/#...#/#...#",
    "N": "#...#/##..#/#.#.#/#..##/#...#/#...#/#...#",
    "R": "####./#...#/#...#/####./#.#../#..#./#...#",
    "U": "#...#/#...#/#...#/#...#/#...#/#...#/.###.",
    "B": "####./#...#/#...#/####./#...#/#...#/####.",
    "W": "#...#/#...#/#...#/#.#.#/#.#.#/##.##/#...#",
    "b": "#..../#..../#.##./##..#/#...#/#...#/####.",
    "f": "..##./.#..#/.#.../###../.#.../.#.../.#...",
    "g": "...../.####/#...#/#...#/.####/....#/.###.",
    "h": "#..../#..../#.##./##..#/#...#/#...#/#...#",
    "r": "...../...../#.##./##..#/#..../#..../#....",
    "s": "...../...../.###./#..../.###./....#/###..",
    "v": "...../...../#...#/#...#/#...#/.#.#./..#..",
    "0": ".###./#...#/#..##/#.#.#/##..#/#...#/.###.",
    "1": "..#../.##../..#../..#../..#../..#../.###.",
    "2": ".###./#...#/....#/...#./..#../.#.../#####",
    "α": "...../...../.##.#/#..#./#..#./#..#./.##.#",
}


class Canvas:
    def __init__(self, width, height, background=WHITE):
        self.w, self.h = width, height
        self.px = [list(background) for _ in range(width * height)]

    def set(self, x, y, color):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = list(color)

    def line(self, x0, y0, x1, y1, width=2, color=BLACK):
        r = width / 2
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        for y in range(int(min(y0, y1) - r - 1), int(max(y0, y1) + r + 2)):
            for x in range(int(min(x0, x1) - r - 1), int(max(x0, x1) + r + 2)):
                t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
                if math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= r:
                    self.set(x, y, color)

    def dashed(self, x0, y0, x1, y1, width=1, color=GREY, dash=6):
        n = max(1, int(math.hypot(x1 - x0, y1 - y0) / dash))
        for k in range(0, n, 2):
            a, b = k / n, min(1, (k + 1) / n)
            self.line(x0 + a * (x1 - x0), y0 + a * (y1 - y0), x0 + b * (x1 - x0), y0 + b * (y1 - y0),
                      width, color)

    def polygon(self, points, color):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= y < yb) or (yb <= y < ya):
                    xs.append(xa + (y - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a)), int(b) + 1):
                    self.set(x, y, color)

    def arrow(self, x0, y0, x1, y1, width=3, color=BLACK, head=12):
        ang = math.atan2(y1 - y0, x1 - x0)
        bx, by = x1 - head * math.cos(ang), y1 - head * math.sin(ang)
        self.line(x0, y0, bx, by, width, color)
        side = head * 0.45
        self.polygon([(x1, y1), (bx + side * math.sin(ang), by - side * math.cos(ang)),
                      (bx - side * math.sin(ang), by + side * math.cos(ang))], color)

    def arc(self, cx, cy, radius, a0, a1, width=2, color=BLACK):
        """Angles in degrees, counter-clockwise from the x axis (y up on screen)."""
        steps = max(8, int(abs(a1 - a0)))
        pts = [(cx + radius * math.cos(math.radians(a0 + (a1 - a0) * k / steps)),
                cy - radius * math.sin(math.radians(a0 + (a1 - a0) * k / steps))) for k in range(steps + 1)]
        for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
            self.line(xa, ya, xb, yb, width, color)

    def text(self, x, y, s, scale=2, color=BLACK):
        for ch in s:
            rows = GLYPHS[ch].split("/")
            for j, row in enumerate(rows):
                for i, c in enumerate(row):
                    if c == "#":
                        for dy in range(scale):
                            for dx in range(scale):
                                self.set(x + i * scale + dx, y + j * scale + dy, color)
            x += 6 * scale
        return x

    def label(self, x, y, main, sub="", color=BLACK):
        """A symbol with a lowered index, like F with G below."""
        x = self.text(x, y, main, 2, color)
        if sub:
            self.text(x, y + 9, sub, 1, color)

    def bmp(self):
        pad = (4 - (self.w * 3) % 4) % 4
        body = bytearray()
        for y in range(self.h - 1, -1, -1):
            for x in range(self.w):
                r, g, b = self.px[y * self.w + x]
                body += bytes((b, g, r))
            body += b"\0" * pad
        header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
        return header + info + bytes(body)

    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.w, self.h) + bytes(v for p in self.px for v in p)


def schiefe_ebene():
    c = Canvas(320, 220)
    x0, y0, x1 = 20, 195, 300
    top = y0 - (x1 - x0) * math.tan(math.radians(25))
    c.polygon([(x0, y0), (x1, y0), (x1, top)], WOOD)
    c.line(x0, y0, x1, y0, 2)
    c.line(x0, y0, x1, top, 2)
    c.line(x1, y0, x1, top, 2)
    c.arc(x0, y0, 55, 0, 25, 2)
    c.text(x0 + 62, y0 - 20, "α")
    # block on the slope, centre of mass with the three forces
    ang = math.radians(25)
    ux, uy = math.cos(ang), -math.sin(ang)          # up the slope
    nx, ny = -math.sin(ang), -math.cos(ang)         # away from the slope
    bx, by = x0 + 175 * ux, y0 + 175 * uy
    corners = [(bx - 25 * ux, by - 25 * uy), (bx + 25 * ux, by + 25 * uy),
               (bx + 25 * ux + 40 * nx, by + 25 * uy + 40 * ny), (bx - 25 * ux + 40 * nx, by - 25 * uy + 40 * ny)]
    c.polygon(corners, YELLOW)
    for a, b in zip(corners, corners[1:] + corners[:1]):
        c.line(a[0], a[1], b[0], b[1], 2)
    cx, cy = bx + 20 * nx, by + 20 * ny
    fg = 80
    c.arrow(cx, cy, cx, cy + fg, 3, RED)
    c.label(int(cx) - 30, int(cy + fg) - 16, "F", "G", RED)
    fh = fg * math.sin(ang)
    c.arrow(cx, cy, cx - fh * ux, cy - fh * uy, 3, BLUE)
    c.label(int(cx - fh * ux) - 34, int(cy - fh * uy) - 26, "F", "H", BLUE)
    fn = fg * math.cos(ang)
    c.arrow(cx, cy, cx - fn * nx, cy - fn * ny, 3, GREEN)
    c.label(int(cx - fn * nx) + 8, int(cy - fn * ny) - 6, "F", "N", GREEN)
    c.dashed(cx - fh * ux, cy - fh * uy, cx, cy + fg)
    c.dashed(cx - fn * nx, cy - fn * ny, cx, cy + fg)
    return c


def hebel():
    c = Canvas(380, 200)
    beam_y, pivot = 90, 230
    c.polygon([(30, beam_y - 5), (350, beam_y - 5), (350, beam_y + 5), (30, beam_y + 5)], WOOD)
    c.polygon([(pivot, beam_y + 6), (pivot - 18, beam_y + 40), (pivot + 18, beam_y + 40)], GREY)
    c.line(pivot - 40, beam_y + 41, pivot + 40, beam_y + 41, 3)
    left, right = 50, 310
    c.arrow(left, beam_y - 75, left, beam_y - 7, 3, RED)
    c.label(left + 8, beam_y - 70, "F", "1", RED)
    c.arrow(right, beam_y + 7, right, beam_y + 80, 3, BLUE)
    c.label(right + 8, beam_y + 50, "F", "2", BLUE)
    for xa, xb, name in ((left, pivot, "1"), (pivot, right, "2")):
        y = beam_y + 70 if name == "1" else beam_y - 40
        c.arrow((xa + xb) / 2, y, xa, y, 1, BLACK, 8)
        c.arrow((xa + xb) / 2, y, xb, y, 1, BLACK, 8)
        c.dashed(xa, beam_y, xa, y)
        c.dashed(xb, beam_y, xb, y)
        c.label(int((xa + xb) / 2) - 8, y - 22, "r", name)
    return c


def spannungsteiler():
    c = Canvas(300, 230)
    # source on the left, two resistors in series on the right
    c.line(60, 30, 220, 30, 2)
    c.line(60, 200, 220, 200, 2)
    c.line(60, 30, 60, 100, 2)
    c.line(60, 130, 60, 200, 2)
    c.line(40, 100, 80, 100, 3)
    c.line(50, 130, 70, 130, 5)
    c.text(18, 108, "U")
    for top, name in ((45, "1"), (125, "2")):
        c.line(220, top - 15, 220, top, 2)
        c.polygon([(208, top), (232, top), (232, top + 50), (208, top + 50)], YELLOW)
        for a, b in (((208, top), (232, top)), ((232, top), (232, top + 50)),
                     ((232, top + 50), (208, top + 50)), ((208, top + 50), (208, top))):
            c.line(a[0], a[1], b[0], b[1], 2)
        c.label(240, top + 18, "R", name)
    c.line(220, 95, 220, 125, 2)
    c.line(220, 175, 220, 200, 2)
    c.arrow(275, 120, 275, 185, 2, BLUE, 10)
    c.label(250, 190, "U", "2", BLUE)
    return c


def linse():
    c = Canvas(440, 230)
    # g = 150, f = 60 gives b = 100 and an image 2/3 the size of the object
    axis, lens, f = 105, 250, 60
    g_x, b_x, big_g = lens - 150, lens + 100, 45
    big_b = big_g * 100 // 150
    c.line(10, axis, 430, axis, 1, GREY)
    c.arrow(lens, axis, lens, 20, 2, BLUE, 10)
    c.arrow(lens, axis, lens, 210, 2, BLUE, 10)
    for fx in (lens - f, lens + f):
        c.line(fx, axis - 5, fx, axis + 5, 2)
        c.text(fx - 5, axis + 10, "F")
    c.arrow(g_x, axis, g_x, axis - big_g, 3, GREEN, 10)
    c.text(g_x - 22, axis - big_g, "G", 2, GREEN)
    c.arrow(b_x, axis, b_x, axis + big_b, 3, RED, 10)
    c.text(b_x + 8, axis + big_b - 14, "B", 2, RED)
    # parallel ray, central ray and focal ray meet in the tip of the image
    c.line(g_x, axis - big_g, lens, axis - big_g, 1, BLACK)
    c.line(lens, axis - big_g, b_x, axis + big_b, 1, BLACK)
    c.line(g_x, axis - big_g, b_x, axis + big_b, 1, BLACK)
    c.line(g_x, axis - big_g, lens, axis + big_b, 1, BLACK)
    c.line(lens, axis + big_b, b_x, axis + big_b, 1, BLACK)
    for xa, xb, y, name in ((g_x, lens, 205, "g"), (lens, b_x, 205, "b"), (lens - f, lens, 175, "f")):
        c.arrow((xa + xb) / 2, y, xa, y, 1, BLACK, 7)
        c.arrow((xa + xb) / 2, y, xb, y, 1, BLACK, 7)
        c.text(int((xa + xb) / 2) - 5, y - 20, name)
    return c


def wurf():
    c = Canvas(420, 230)
    ground, x0, span, height = 200, 30, 340, 120
    c.line(10, ground, 410, ground, 2)
    pts = [(x0 + span * k / 60, ground - 4 * height * (k / 60) * (1 - k / 60)) for k in range(61)]
    for a, b in zip(pts, pts[1:]):
        c.line(a[0], a[1], b[0], b[1], 2, BLUE)
    slope = math.atan(4 * height / span)
    c.arrow(x0, ground, x0 + 90 * math.cos(slope), ground - 90 * math.sin(slope), 3, RED)
    c.label(int(x0 + 90 * math.cos(slope)) + 6, int(ground - 90 * math.sin(slope)) - 10, "v", "0", RED)
    c.arc(x0, ground, 45, 0, math.degrees(slope), 2)
    c.text(x0 + 50, ground - 28, "α")
    top = x0 + span / 2
    c.dashed(top, ground, top, ground - height)
    c.text(int(top) + 6, ground - height // 2, "h")
    c.arrow(x0 + span / 2, ground + 15, x0, ground + 15, 1, BLACK, 8)
    c.arrow(x0 + span / 2, ground + 15, x0 + span, ground + 15, 1, BLACK, 8)
    c.label(int(x0 + span / 2) + 30, ground - 4, "s", "W")
    return c


PICTURES = {
    "schiefe_ebene.bmp": schiefe_ebene,
    "hebel.bmp": hebel,
    "spannungsteiler.bmp": spannungsteiler,
    "linse.jpg": linse,
    "wurf.jpg": wurf,
}


def write_all(folder, names):
    for name in names:
        canvas = PICTURES[name]()
        path = os.path.join(folder, name)
        if name.endswith(".bmp"):
            with open(path, "wb") as fh:
                fh.write(canvas.bmp())
            continue
        convert = shutil.which("convert")
        if convert is None:
            raise SystemExit("Für %s wird ImageMagick (convert) gebraucht." % name)
        with tempfile.TemporaryDirectory() as tmp:
            src = os.path.join(tmp, "bild.ppm")
            with open(src, "wb") as fh:
                fh.write(canvas.ppm())
            subprocess.run([convert, src, "-strip", "-interlace", "none", "-sampling-factor", "2x2",
                            "-quality", "92", path], check=True)
