"""Festigkeitslehre: Abscherung, Sicherheit, Biegung mit Widerstands- und
Flächenmomenten, Durchbiegung, Torsion, Knickung nach Euler."""
from .catalog import area, topic, formula

area("Festigkeitslehre")

topic("Zug, Druck und Abscherung")
formula("Schubspannung bei Abscherung",
        (r"{TAUS}=\f({F};{FL})", "TAUS=F/FL"),
        (r"{F}={TAUS}\m{FL}", "F=TAUS*FL"),
        (r"{FL}=\f({F};{TAUS})", "FL=F/TAUS"),
        ex=dict(F=12000, FL=7.85e-5), text="Ein Bolzen mit 78,5 mm² Querschnitt wird mit 12 kN auf Abscheren belastet.")
formula("Zulässige Spannung und Sicherheitszahl",
        (r"{SIGZUL}=\f({RGRENZ};{SICH})", "SIGZUL=RGRENZ/SICH"),
        (r"{RGRENZ}={SICH}\m{SIGZUL}", "RGRENZ=SICH*SIGZUL"),
        (r"{SICH}=\f({RGRENZ};{SIGZUL})", "SICH=RGRENZ/SIGZUL"),
        ex=dict(RGRENZ=2.35e8, SICH=1.5), text="Baustahl S235 (Streckgrenze 235 N/mm²) mit der Sicherheitszahl 1,5.")
formula("Wärmespannung in einem eingespannten Stab",
        (r"{SIGMA}={EMOD}\m{ALPHAL}\m{DTHETA}", "SIGMA=EMOD*ALPHAL*DTHETA"),
        (r"{EMOD}=\f({SIGMA};{ALPHAL}\m{DTHETA})", "EMOD=SIGMA/(ALPHAL*DTHETA)"),
        (r"{ALPHAL}=\f({SIGMA};{EMOD}\m{DTHETA})", "ALPHAL=SIGMA/(EMOD*DTHETA)"),
        (r"{DTHETA}=\f({SIGMA};{EMOD}\m{ALPHAL})", "DTHETA=SIGMA/(EMOD*ALPHAL)"),
        ex=dict(EMOD=2.1e11, ALPHAL=1.2e-5, DTHETA=30), text="Eine beidseitig fest eingespannte Stahlschiene erwärmt sich um 30 K.")

topic("Biegung")
formula("Biegespannung",
        (r"{SIGB}=\f({MBIEG};{WBIEG})", "SIGB=MBIEG/WBIEG"),
        (r"{MBIEG}={SIGB}\m{WBIEG}", "MBIEG=SIGB*WBIEG"),
        (r"{WBIEG}=\f({MBIEG};{SIGB})", "WBIEG=MBIEG/SIGB"),
        ex=dict(MBIEG=4000, WBIEG=5.0e-5), text="Ein Träger mit dem Widerstandsmoment 50 cm³ wird mit 4 kN·m auf Biegung belastet.")
formula("Widerstandsmoment eines Rechteckquerschnitts",
        (r"{WBIEG}=\f({BREITE}\m{HQ}\u(2);6)", "WBIEG=BREITE*HQ^2/6"),
        (r"{BREITE}=\f(6\m{WBIEG};{HQ}\u(2))", "BREITE=6*WBIEG/HQ^2"),
        (r"{HQ}=\w(\f(6\m{WBIEG};{BREITE}))", "HQ=SQRT(6*WBIEG/BREITE)"),
        ex=dict(BREITE=0.06, HQ=0.12), text="Ein Holzbalken 6 cm × 12 cm, hochkant gestellt (Biegung um die waagerechte Achse).")
formula("Widerstandsmoment eines Kreisquerschnitts",
        (r"{WBIEG}=\f(\c(p)\m{DM0}\u(3);32)", "WBIEG=π*DM0^3/32"),
        (r"{DM0}=\u(3)\w(\f(32\m{WBIEG};\c(p)))", "DM0=(32*WBIEG/π)^(1/3)"),
        ex=dict(DM0=0.04), text="Eine Welle mit 40 mm Durchmesser.")
formula("Widerstandsmoment eines Kreisringquerschnitts",
        (r"{WBIEG}=\f(\c(p)\m({DAUSSEN}\u(4)-{DINNEN}\u(4));32\m{DAUSSEN})", "WBIEG=π*(DAUSSEN^4-DINNEN^4)/(32*DAUSSEN)"),
        (r"{DINNEN}=\u(4)\w({DAUSSEN}\u(4)-\f(32\m{DAUSSEN}\m{WBIEG};\c(p)))", "DINNEN=(DAUSSEN^4-32*DAUSSEN*WBIEG/π)^0,25"),
        ex=dict(DAUSSEN=0.06, DINNEN=0.05), text="Ein Stahlrohr mit 60 mm Außen- und 50 mm Innendurchmesser.")
formula("Flächenmoment 2. Grades eines Rechteckquerschnitts",
        (r"{IFL}=\f({BREITE}\m{HQ}\u(3);12)", "IFL=BREITE*HQ^3/12"),
        (r"{BREITE}=\f(12\m{IFL};{HQ}\u(3))", "BREITE=12*IFL/HQ^3"),
        (r"{HQ}=\u(3)\w(\f(12\m{IFL};{BREITE}))", "HQ=(12*IFL/BREITE)^(1/3)"),
        ex=dict(BREITE=0.06, HQ=0.12))
formula("Flächenmoment 2. Grades eines Kreisquerschnitts",
        (r"{IFL}=\f(\c(p)\m{DM0}\u(4);64)", "IFL=π*DM0^4/64"),
        (r"{DM0}=\u(4)\w(\f(64\m{IFL};\c(p)))", "DM0=(64*IFL/π)^0,25"),
        ex=dict(DM0=0.04))
formula("Biegemoment eines einseitig eingespannten Trägers",
        (r"{MBIEG}={F}\m{LAENGE}", "MBIEG=F*LAENGE"),
        (r"{F}=\f({MBIEG};{LAENGE})", "F=MBIEG/LAENGE"),
        (r"{LAENGE}=\f({MBIEG};{F})", "LAENGE=MBIEG/F"),
        ex=dict(F=2000, LAENGE=1.5), text="Am freien Ende eines 1,5 m langen Kragträgers hängen 2 kN (größtes Moment an der Einspannung).")
formula("Biegemoment: Träger auf zwei Stützen, Last in der Mitte",
        (r"{MBIEG}=\f({F}\m{LAENGE};4)", "MBIEG=F*LAENGE/4"),
        (r"{F}=\f(4\m{MBIEG};{LAENGE})", "F=4*MBIEG/LAENGE"),
        (r"{LAENGE}=\f(4\m{MBIEG};{F})", "LAENGE=4*MBIEG/F"),
        ex=dict(F=10000, LAENGE=3), text="Ein 3 m weit gestützter Träger trägt in der Mitte 10 kN.")
formula("Durchbiegung eines einseitig eingespannten Trägers",
        (r"{FDURCH}=\f({F}\m{LAENGE}\u(3);3\m{EMOD}\m{IFL})", "FDURCH=F*LAENGE^3/(3*EMOD*IFL)"),
        (r"{F}=\f(3\m{EMOD}\m{IFL}\m{FDURCH};{LAENGE}\u(3))", "F=3*EMOD*IFL*FDURCH/LAENGE^3"),
        (r"{LAENGE}=\u(3)\w(\f(3\m{EMOD}\m{IFL}\m{FDURCH};{F}))", "LAENGE=(3*EMOD*IFL*FDURCH/F)^(1/3)"),
        (r"{IFL}=\f({F}\m{LAENGE}\u(3);3\m{EMOD}\m{FDURCH})", "IFL=F*LAENGE^3/(3*EMOD*FDURCH)"),
        (r"{EMOD}=\f({F}\m{LAENGE}\u(3);3\m{IFL}\m{FDURCH})", "EMOD=F*LAENGE^3/(3*IFL*FDURCH)"),
        ex=dict(F=2000, LAENGE=1.5, EMOD=2.1e11, IFL=8.64e-6),
        text="Kragträger aus Stahl, 1,5 m lang, I = 864 cm⁴, 2 kN am freien Ende.")
formula("Durchbiegung: Träger auf zwei Stützen, Last in der Mitte",
        (r"{FDURCH}=\f({F}\m{LAENGE}\u(3);48\m{EMOD}\m{IFL})", "FDURCH=F*LAENGE^3/(48*EMOD*IFL)"),
        (r"{F}=\f(48\m{EMOD}\m{IFL}\m{FDURCH};{LAENGE}\u(3))", "F=48*EMOD*IFL*FDURCH/LAENGE^3"),
        (r"{LAENGE}=\u(3)\w(\f(48\m{EMOD}\m{IFL}\m{FDURCH};{F}))", "LAENGE=(48*EMOD*IFL*FDURCH/F)^(1/3)"),
        (r"{IFL}=\f({F}\m{LAENGE}\u(3);48\m{EMOD}\m{FDURCH})", "IFL=F*LAENGE^3/(48*EMOD*FDURCH)"),
        (r"{EMOD}=\f({F}\m{LAENGE}\u(3);48\m{IFL}\m{FDURCH})", "EMOD=F*LAENGE^3/(48*IFL*FDURCH)"),
        ex=dict(F=10000, LAENGE=3, EMOD=2.1e11, IFL=8.64e-6))

topic("Torsion und Knickung")
formula("Torsionsspannung",
        (r"{TAUT}=\f({MT};{WP})", "TAUT=MT/WP"),
        (r"{MT}={TAUT}\m{WP}", "MT=TAUT*WP"),
        (r"{WP}=\f({MT};{TAUT})", "WP=MT/TAUT"),
        ex=dict(MT=500, WP=1.2566e-5), text="Eine Welle (W\u209a = 12,566 cm³) überträgt 500 N·m.")
formula("Polares Widerstandsmoment eines Kreisquerschnitts",
        (r"{WP}=\f(\c(p)\m{DM0}\u(3);16)", "WP=π*DM0^3/16"),
        (r"{DM0}=\u(3)\w(\f(16\m{WP};\c(p)))", "DM0=(16*WP/π)^(1/3)"),
        ex=dict(DM0=0.04))
formula("Knickkraft nach Euler",
        (r"{FK}=\f(\c(p)\u(2)\m{EMOD}\m{IFL};{SK}\u(2))", "FK=π^2*EMOD*IFL/SK^2"),
        (r"{SK}=\c(p)\m\w(\f({EMOD}\m{IFL};{FK}))", "SK=π*SQRT(EMOD*IFL/FK)"),
        (r"{IFL}=\f({FK}\m{SK}\u(2);\c(p)\u(2)\m{EMOD})", "IFL=FK*SK^2/(π^2*EMOD)"),
        (r"{EMOD}=\f({FK}\m{SK}\u(2);\c(p)\u(2)\m{IFL})", "EMOD=FK*SK^2/(π^2*IFL)"),
        ex=dict(EMOD=2.1e11, IFL=1.257e-7, SK=2),
        text="Ein Rundstab aus Stahl (d = 40 mm, I = 12,57 cm⁴) mit 2 m Knicklänge; gilt im elastischen Bereich (schlanke Stäbe).")
formula("Schlankheitsgrad",
        (r"{LAMBDAK}=\f({SK};{TRAEGR})", "LAMBDAK=SK/TRAEGR"),
        (r"{SK}={LAMBDAK}\m{TRAEGR}", "SK=LAMBDAK*TRAEGR"),
        (r"{TRAEGR}=\f({SK};{LAMBDAK})", "TRAEGR=SK/LAMBDAK"),
        ex=dict(SK=2, TRAEGR=0.01), text="Rundstab mit 40 mm Durchmesser (Trägheitsradius 10 mm) und 2 m Knicklänge.")
formula("Trägheitsradius",
        (r"{TRAEGR}=\w(\f({IFL};{FL}))", "TRAEGR=SQRT(IFL/FL)"),
        (r"{IFL}={TRAEGR}\u(2)\m{FL}", "IFL=TRAEGR^2*FL"),
        (r"{FL}=\f({IFL};{TRAEGR}\u(2))", "FL=IFL/TRAEGR^2"),
        ex=dict(IFL=1.2566e-7, FL=1.2566e-3))
