"""Conversion groups: one table file per quantity with its units.

Factors are written either as exact decimal texts (German decimal comma) or,
where the decimal expansion does not end, as a Fraction (optionally times pi)
that the generator rounds to 15 significant digits. The first unit of a group
is its base unit, the one the formulas calculate in.

Mode 1: one of the row's units equals the factor in base units.
Mode -1: one base unit equals the factor in the row's units; used where that
direction gives exact factors (1 m/s = 3,6 km/h, 1 ° = 60').
"""
from fractions import Fraction as Fr

PI = "pi"  # marks a factor that is a Fraction times pi


class Group:
    def __init__(self, key, groesse, datei, variable, mode, rows, ableitung="", listed=True):
        self.key, self.groesse, self.datei, self.variable = key, groesse, datei, variable
        self.mode, self.rows, self.ableitung, self.listed = mode, rows, ableitung, listed

    @property
    def base_name(self):
        return self.rows[0][0]

    @property
    def base_symbol(self):
        return self.rows[0][1]


AU = 149597870700          # astronomical unit in metres, exact since 2012
LBF = Fr("4.4482216152605")  # pound-force in newtons, exact
INCH2 = Fr("0.00064516")


GROUPS = [
    Group("laenge", "Länge", "laenge.cds", "ULAENGE", 1, [
        ("Meter", "m", None),
        ("Kilometer", "km", "1000"),
        ("Dezimeter", "dm", "0,1"),
        ("Zentimeter", "cm", "0,01"),
        ("Millimeter", "mm", "0,001"),
        ("Mikrometer", "\\c(m)m", "1E-6"),
        ("Nanometer", "nm", "1E-9"),
        ("Ångström", "Å", "1E-10"),
        ("Zoll", "in", "0,0254"),
        ("Fuß", "ft", "0,3048"),
        ("Yard", "yd", "0,9144"),
        ("Meile", "mi", "1609,344"),
        ("Seemeile", "sm", "1852"),
        ("Astronomische Einheit", "AE", str(AU)),
        ("Lichtjahr", "Lj", "9460730472580800"),
        ("Parsec", "pc", (PI, Fr(648000 * AU), -1)),
    ]),
    Group("masse", "Masse", "masse.cds", "UMASSE", 1, [
        ("Kilogramm", "kg", None),
        ("Gramm", "g", "0,001"),
        ("Milligramm", "mg", "1E-6"),
        ("Mikrogramm", "\\c(m)g", "1E-9"),
        ("Tonne", "t", "1000"),
        ("Doppelzentner", "dt", "100"),
        ("Pfund", "Pfd", "0,5"),
        ("Pound", "lb", "0,45359237"),
        ("Unze", "oz", "0,028349523125"),
        ("Karat", "Kt", "0,0002"),
        ("Atomare Masseneinheit", "u", "1,66053906660E-27"),
    ]),
    Group("zeit", "Zeit", "zeit.cds", "UZEIT", 1, [
        ("Sekunde", "s", None),
        ("Nanosekunde", "ns", "1E-9"),
        ("Mikrosekunde", "\\c(m)s", "1E-6"),
        ("Millisekunde", "ms", "0,001"),
        ("Minute", "min", "60"),
        ("Stunde", "h", "3600"),
        ("Tag", "d", "86400"),
        ("Woche", "Wo", "604800"),
        ("Jahr (julianisch)", "a", "31557600"),
    ]),
    Group("flaeche", "Fläche", "flaeche.cds", "UFLAECHE", 1, [
        ("Quadratmeter", "m\\u(2)", None),
        ("Quadratmillimeter", "mm\\u(2)", "1E-6"),
        ("Quadratzentimeter", "cm\\u(2)", "0,0001"),
        ("Quadratdezimeter", "dm\\u(2)", "0,01"),
        ("Ar", "a", "100"),
        ("Hektar", "ha", "10000"),
        ("Quadratkilometer", "km\\u(2)", "1000000"),
        ("Quadratzoll", "in\\u(2)", "0,00064516"),
        ("Quadratfuß", "ft\\u(2)", "0,09290304"),
        ("Acre", "ac", "4046,8564224"),
    ]),
    Group("volumen", "Volumen", "volumen.cds", "UVOLUMEN", 1, [
        ("Kubikmeter", "m\\u(3)", None),
        ("Kubikmillimeter", "mm\\u(3)", "1E-9"),
        ("Kubikzentimeter", "cm\\u(3)", "1E-6"),
        ("Milliliter", "ml", "1E-6"),
        ("Liter", "l", "0,001"),
        ("Kubikdezimeter", "dm\\u(3)", "0,001"),
        ("Hektoliter", "hl", "0,1"),
        ("Kubikzoll", "in\\u(3)", "0,000016387064"),
        ("Kubikfuß", "ft\\u(3)", "0,028316846592"),
        ("Gallone (US)", "gal (US)", "0,003785411784"),
        ("Gallone (brit.)", "gal (UK)", "0,00454609"),
        ("Barrel", "bbl", "0,158987294928"),
    ]),
    Group("geschw", "Geschwindigkeit", "geschw.cds", "UGESCHW", -1, [
        ("Meter pro Sekunde", "m/s", None),
        ("Kilometer pro Stunde", "km/h", "3,6"),
        ("Meter pro Minute", "m/min", "60"),
        ("Zentimeter pro Sekunde", "cm/s", "100"),
        ("Kilometer pro Sekunde", "km/s", "0,001"),
        ("Knoten", "kn", Fr(3600, 1852)),
        ("Meile pro Stunde", "mph", Fr(3600) / Fr("1609.344")),
        ("Fuß pro Sekunde", "ft/s", 1 / Fr("0.3048")),
        ("Lichtgeschwindigkeit", "c", Fr(1, 299792458)),
    ]),
    Group("beschl", "Beschleunigung", "beschl.cds", "UBESCHL", 1, [
        ("Meter pro Quadratsekunde", "m/s\\u(2)", None),
        ("Zentimeter pro Quadratsekunde", "cm/s\\u(2)", "0,01"),
        ("Fuß pro Quadratsekunde", "ft/s\\u(2)", "0,3048"),
        ("Normfallbeschleunigung", "g\\d(n)", "9,80665"),
        ("km pro Stunde je Sekunde", "km/(h\\ms)", Fr(1000, 3600)),
    ]),
    Group("kraft", "Kraft", "kraft.cds", "UKRAFT", 1, [
        ("Newton", "N", None),
        ("Millinewton", "mN", "0,001"),
        ("Kilonewton", "kN", "1000"),
        ("Meganewton", "MN", "1000000"),
        ("Dyn", "dyn", "1E-5"),
        ("Pond", "p", "0,00980665"),
        ("Kilopond", "kp", "9,80665"),
        ("Pound-force", "lbf", "4,4482216152605"),
    ], ableitung="kg\\mm/s\\u(2)"),
    Group("druck", "Druck", "druck.cds", "UDRUCK", 1, [
        ("Pascal", "Pa", None),
        ("Hektopascal", "hPa", "100"),
        ("Kilopascal", "kPa", "1000"),
        ("Megapascal", "MPa", "1000000"),
        ("Newton pro Quadratmillimeter", "N/mm\\u(2)", "1000000"),
        ("Bar", "bar", "100000"),
        ("Millibar", "mbar", "100"),
        ("Physikalische Atmosphäre", "atm", "101325"),
        ("Technische Atmosphäre", "at", "98066,5"),
        ("Torr", "Torr", Fr(101325, 760)),
        ("Millimeter Quecksilbersäule", "mmHg", "133,322387415"),
        ("Meter Wassersäule", "mWS", "9806,65"),
        ("Pound per square inch", "psi", LBF / INCH2),
    ], ableitung="N/m\\u(2)"),
    Group("energie", "Energie", "energie.cds", "UENERGIE", 1, [
        ("Joule", "J", None),
        ("Kilojoule", "kJ", "1000"),
        ("Megajoule", "MJ", "1000000"),
        ("Wattsekunde", "Ws", "1"),
        ("Wattstunde", "Wh", "3600"),
        ("Kilowattstunde", "kWh", "3600000"),
        ("Kalorie", "cal", "4,184"),
        ("Kilokalorie", "kcal", "4184"),
        ("Elektronvolt", "eV", "1,602176634E-19"),
        ("Kiloelektronvolt", "keV", "1,602176634E-16"),
        ("Megaelektronvolt", "MeV", "1,602176634E-13"),
        ("Erg", "erg", "1E-7"),
        ("British thermal unit", "BTU", "1055,05585262"),
    ], ableitung="N\\mm"),
    Group("leistung", "Leistung", "leistung.cds", "ULEISTUNG", 1, [
        ("Watt", "W", None),
        ("Milliwatt", "mW", "0,001"),
        ("Kilowatt", "kW", "1000"),
        ("Megawatt", "MW", "1000000"),
        ("Gigawatt", "GW", "1E9"),
        ("Pferdestärke", "PS", "735,49875"),
        ("Horsepower", "hp", 550 * Fr("0.3048") * LBF),
        ("Kilokalorie pro Stunde", "kcal/h", Fr(4184, 3600)),
    ], ableitung="J/s"),
    Group("winkel", "Winkel", "winkel.cds", "UWINKEL", -1, [
        ("Grad", "°", None),
        ("Bogenminute", "'", "60"),
        ("Bogensekunde", "''", "3600"),
        ("Gon", "gon", Fr(10, 9)),
        ("Radiant", "rad", (PI, Fr(1, 180), 1)),
        ("Milliradiant", "mrad", (PI, Fr(1000, 180), 1)),
        ("Vollwinkel", "U", Fr(1, 360)),
    ]),
    Group("frequenz", "Frequenz", "frequenz.cds", "UFREQUENZ", 1, [
        ("Hertz", "Hz", None),
        ("Kilohertz", "kHz", "1000"),
        ("Megahertz", "MHz", "1000000"),
        ("Gigahertz", "GHz", "1E9"),
        ("Terahertz", "THz", "1E12"),
    ], ableitung="1/s"),
    Group("drehzahl", "Drehzahl", "drehzahl.cds", "UDREHZAHL", -1, [
        ("pro Sekunde", "1/s", None),
        ("pro Minute", "1/min", "60"),
        ("pro Stunde", "1/h", "3600"),
    ]),
    Group("dichte", "Dichte", "dichte.cds", "UDICHTE", 1, [
        ("Kilogramm pro Kubikmeter", "kg/m\\u(3)", None),
        ("Gramm pro Kubikzentimeter", "g/cm\\u(3)", "1000"),
        ("Kilogramm pro Kubikdezimeter", "kg/dm\\u(3)", "1000"),
        ("Kilogramm pro Liter", "kg/l", "1000"),
        ("Gramm pro Liter", "g/l", "1"),
        ("Tonne pro Kubikmeter", "t/m\\u(3)", "1000"),
        ("Pound pro Kubikfuß", "lb/ft\\u(3)", Fr("0.45359237") / Fr("0.028316846592")),
    ]),
    Group("ladung", "Elektrische Ladung", "ladung.cds", "ULADUNG", 1, [
        ("Coulomb", "C", None),
        ("Millicoulomb", "mC", "0,001"),
        ("Mikrocoulomb", "\\c(m)C", "1E-6"),
        ("Nanocoulomb", "nC", "1E-9"),
        ("Picocoulomb", "pC", "1E-12"),
        ("Amperestunde", "Ah", "3600"),
        ("Milliamperestunde", "mAh", "3,6"),
        ("Elementarladung", "e", "1,602176634E-19"),
    ], ableitung="A\\ms"),
    Group("strom", "Elektrische Stromstärke", "strom.cds", "USTROM", 1, [
        ("Ampere", "A", None),
        ("Mikroampere", "\\c(m)A", "1E-6"),
        ("Milliampere", "mA", "0,001"),
        ("Kiloampere", "kA", "1000"),
    ]),
    Group("spannung", "Elektrische Spannung", "spannung.cds", "USPANNUNG", 1, [
        ("Volt", "V", None),
        ("Mikrovolt", "\\c(m)V", "1E-6"),
        ("Millivolt", "mV", "0,001"),
        ("Kilovolt", "kV", "1000"),
        ("Megavolt", "MV", "1000000"),
    ], ableitung="W/A"),
    Group("widerstand", "Elektrischer Widerstand", "widerstd.cds", "UWIDERSTAND", 1, [
        ("Ohm", "\\c(W)", None),
        ("Milliohm", "m\\c(W)", "0,001"),
        ("Kiloohm", "k\\c(W)", "1000"),
        ("Megaohm", "M\\c(W)", "1000000"),
        ("Gigaohm", "G\\c(W)", "1E9"),
    ], ableitung="V/A"),
    Group("kapazitaet", "Elektrische Kapazität", "kapazit.cds", "UKAPAZITAET", 1, [
        ("Farad", "F", None),
        ("Millifarad", "mF", "0,001"),
        ("Mikrofarad", "\\c(m)F", "1E-6"),
        ("Nanofarad", "nF", "1E-9"),
        ("Picofarad", "pF", "1E-12"),
    ], ableitung="C/V"),
    Group("induktivitaet", "Induktivität", "induktiv.cds", "UINDUKTIV", 1, [
        ("Henry", "H", None),
        ("Millihenry", "mH", "0,001"),
        ("Mikrohenry", "\\c(m)H", "1E-6"),
        ("Nanohenry", "nH", "1E-9"),
    ], ableitung="V\\ms/A"),
    Group("flussdichte", "Magnetische Flussdichte", "flussdi.cds", "UFLUSSDICHTE", 1, [
        ("Tesla", "T", None),
        ("Millitesla", "mT", "0,001"),
        ("Mikrotesla", "\\c(m)T", "1E-6"),
        ("Nanotesla", "nT", "1E-9"),
        ("Gauß", "G", "0,0001"),
    ], ableitung="V\\ms/m\\u(2)"),
    Group("drehmoment", "Drehmoment", "drehmom.cds", "UDREHMOMENT", 1, [
        ("Newtonmeter", "N\\mm", None),
        ("Newtonzentimeter", "N\\mcm", "0,01"),
        ("Kilonewtonmeter", "kN\\mm", "1000"),
        ("Kilopondmeter", "kp\\mm", "9,80665"),
    ]),
    Group("spezwaerme", "Spezifische Wärmekapazität", "spezwaer.cds", "USPEZWAERME", 1, [
        ("Joule pro (Kilogramm·Kelvin)", "J/(kg\\mK)", None),
        ("Kilojoule pro (kg·K)", "kJ/(kg\\mK)", "1000"),
        ("Joule pro (Gramm·Kelvin)", "J/(g\\mK)", "1000"),
        ("Kalorie pro (Gramm·Kelvin)", "cal/(g\\mK)", "4184"),
        ("Wattstunde pro (kg·K)", "Wh/(kg\\mK)", "3600"),
    ]),
    Group("stoffmenge", "Stoffmenge", "stoffmen.cds", "USTOFFMENGE", 1, [
        ("Mol", "mol", None),
        ("Mikromol", "\\c(m)mol", "1E-6"),
        ("Millimol", "mmol", "0,001"),
        ("Kilomol", "kmol", "1000"),
    ]),
    Group("volstrom", "Volumenstrom", "volstrom.cds", "UVOLSTROM", -1, [
        ("Kubikmeter pro Sekunde", "m\\u(3)/s", None),
        ("Kubikmeter pro Minute", "m\\u(3)/min", "60"),
        ("Kubikmeter pro Stunde", "m\\u(3)/h", "3600"),
        ("Liter pro Sekunde", "l/s", "1000"),
        ("Liter pro Minute", "l/min", "60000"),
        ("Liter pro Stunde", "l/h", "3600000"),
    ]),
    Group("spezwid", "Spezifischer Widerstand", "spezwid.cds", "USPEZWID", 1, [
        ("Ohmmeter", "\\c(W)\\mm", None),
        ("Ohm·Quadratmillimeter/Meter", "\\c(W)\\mmm\\u(2)/m", "1E-6"),
        ("Ohmzentimeter", "\\c(W)\\mcm", "0,01"),
        ("Mikroohmmeter", "\\c(mW)\\mm", "1E-6"),
    ]),
    Group("spezenergie", "Spezifische Energie (Wärme je Masse)", "spezener.cds",
          "USPEZENERGIE", 1, [
        ("Joule pro Kilogramm", "J/kg", None),
        ("Kilojoule pro Kilogramm", "kJ/kg", "1000"),
        ("Megajoule pro Kilogramm", "MJ/kg", "1000000"),
        ("Joule pro Gramm", "J/g", "1000"),
        ("Kilowattstunde pro Kilogramm", "kWh/kg", "3600000"),
        ("Kilokalorie pro Kilogramm", "kcal/kg", "4184"),
    ]),
    Group("aktivitaet", "Aktivität", "aktivit.cds", "UAKTIVITAET", 1, [
        ("Becquerel", "Bq", None),
        ("Kilobecquerel", "kBq", "1000"),
        ("Megabecquerel", "MBq", "1000000"),
        ("Gigabecquerel", "GBq", "1E9"),
        ("Terabecquerel", "TBq", "1E12"),
        ("Curie", "Ci", "3,7E10"),
        ("Millicurie", "mCi", "3,7E7"),
    ], ableitung="1/s"),
    Group("konz", "Stoffmengenkonzentration", "konzentr.cds", "UKONZ", 1, [
        ("Mol pro Kubikmeter", "mol/m\\u(3)", None),
        ("Mol pro Liter", "mol/l", "1000"),
        ("Millimol pro Liter", "mmol/l", "1"),
        ("Mikromol pro Liter", "\\c(m)mol/l", "0,001"),
    ]),
    Group("molmasse", "Molare Masse", "molmasse.cds", "UMOLMASSE", 1, [
        ("Kilogramm pro Mol", "kg/mol", None),
        ("Gramm pro Mol", "g/mol", "0,001"),
    ], listed=False),
    Group("energiedosis", "Energiedosis", "edosis.cds", "UEDOSIS", 1, [
        ("Gray", "Gy", None),
        ("Milligray", "mGy", "0,001"),
        ("Mikrogray", "\\c(m)Gy", "1E-6"),
        ("Rad", "rd", "0,01"),
    ], ableitung="J/kg", listed=False),
    Group("aequivdosis", "Äquivalentdosis", "hdosis.cds", "UHDOSIS", 1, [
        ("Sievert", "Sv", None),
        ("Millisievert", "mSv", "0,001"),
        ("Mikrosievert", "\\c(m)Sv", "1E-6"),
        ("Rem", "rem", "0,01"),
    ], ableitung="J/kg", listed=False),
    Group("dosisleistung", "Äquivalentdosisleistung", "hrate.cds", "UHRATE", 1, [
        ("Sievert pro Sekunde", "Sv/s", None),
        ("Sievert pro Stunde", "Sv/h", Fr(1, 3600)),
        ("Millisievert pro Stunde", "mSv/h", Fr(1, 3600000)),
        ("Mikrosievert pro Stunde", "\\c(m)Sv/h", Fr(1, 3600000000)),
        ("Millisievert pro Jahr", "mSv/a", Fr(1, 31557600000)),
    ], listed=False),
    Group("zerfallskonst", "Zerfallskonstante", "zerfallk.cds", "UZERFALL", -1, [
        ("pro Sekunde", "1/s", None),
        ("pro Minute", "1/min", "60"),
        ("pro Stunde", "1/h", "3600"),
        ("pro Tag", "1/d", "86400"),
        ("pro Jahr", "1/a", "31557600"),
    ], listed=False),
    Group("efeld", "Elektrische Feldstärke", "efeld.cds", "UEFELD", 1, [
        ("Volt pro Meter", "V/m", None),
        ("Volt pro Zentimeter", "V/cm", "100"),
        ("Kilovolt pro Meter", "kV/m", "1000"),
        ("Kilovolt pro Zentimeter", "kV/cm", "100000"),
        ("Megavolt pro Meter", "MV/m", "1000000"),
        ("Newton pro Coulomb", "N/C", "1"),
    ], ableitung="N/C", listed=False),
    Group("magfluss", "Magnetischer Fluss", "magfluss.cds", "UMAGFLUSS", 1, [
        ("Weber", "Wb", None),
        ("Milliweber", "mWb", "0,001"),
        ("Mikroweber", "\\c(m)Wb", "1E-6"),
        ("Voltsekunde", "V\\ms", "1"),
        ("Maxwell", "Mx", "1E-8"),
    ], ableitung="V\\ms", listed=False),
    Group("federkonst", "Federkonstante", "federk.cds", "UFEDERK", 1, [
        ("Newton pro Meter", "N/m", None),
        ("Newton pro Zentimeter", "N/cm", "100"),
        ("Newton pro Millimeter", "N/mm", "1000"),
        ("Kilonewton pro Meter", "kN/m", "1000"),
    ], ableitung="kg/s\\u(2)", listed=False),
    Group("traegheit", "Trägheitsmoment", "traegh.cds", "UTRAEGHEIT", 1, [
        ("Kilogramm·Quadratmeter", "kg\\mm\\u(2)", None),
        ("Kilogramm·Quadratzentimeter", "kg\\mcm\\u(2)", "0,0001"),
        ("Gramm·Quadratzentimeter", "g\\mcm\\u(2)", "1E-7"),
    ], listed=False),
    Group("widerstandsmoment", "Widerstandsmoment", "widmom.cds", "UWIDMOM", 1, [
        ("Kubikmeter", "m\\u(3)", None),
        ("Kubikzentimeter", "cm\\u(3)", "1E-6"),
        ("Kubikmillimeter", "mm\\u(3)", "1E-9"),
    ], listed=False),
    Group("flaechenmoment", "Flächenmoment 2. Grades", "flmom.cds", "UFLMOM", 1, [
        ("Meter hoch vier", "m\\u(4)", None),
        ("Zentimeter hoch vier", "cm\\u(4)", "1E-8"),
        ("Millimeter hoch vier", "mm\\u(4)", "1E-12"),
    ], listed=False),
    Group("stromdichte", "Stromdichte", "stromd.cds", "USTROMD", 1, [
        ("Ampere pro Quadratmeter", "A/m\\u(2)", None),
        ("Ampere pro Quadratzentimeter", "A/cm\\u(2)", "10000"),
        ("Ampere pro Quadratmillimeter", "A/mm\\u(2)", "1000000"),
    ], listed=False),
    Group("scheinleistung", "Scheinleistung", "scheinl.cds", "USCHEINL", 1, [
        ("Voltampere", "VA", None),
        ("Kilovoltampere", "kVA", "1000"),
        ("Megavoltampere", "MVA", "1000000"),
    ], listed=False),
    Group("blindleistung", "Blindleistung", "blindl.cds", "UBLINDL", 1, [
        ("Var", "var", None),
        ("Kilovar", "kvar", "1000"),
        ("Megavar", "Mvar", "1000000"),
    ], listed=False),
    Group("kehrlaenge", "Schwächungskoeffizient", "schwaech.cds", "USCHWAECH", -1, [
        ("pro Meter", "1/m", None),
        ("pro Zentimeter", "1/cm", "0,01"),
        ("pro Millimeter", "1/mm", "0,001"),
    ], listed=False),
]

GROUP_BY_KEY = {g.key: g for g in GROUPS}
