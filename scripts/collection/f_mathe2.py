"""Mathematik: weitere Figuren und Körper, rechtwinkliges Dreieck,
Kosinussatz, Gleichungen und Funktionen, Folgen, Zins- und
Wachstumsrechnung; Maschinentechnik: Getriebe, Motoren, Spanen."""
from .catalog import area, topic, formula

area("Mathematik")

topic("Ebene Figuren")
formula("Quadrat: Flächeninhalt",
        (r"{FL}={SA}\u(2)", "FL=SA^2"),
        (r"{SA}=\r({FL})", "SA=SQRT(FL)"),
        ex=dict(SA=5))
formula("Quadrat: Umfang",
        (r"{UMF}=4\m{SA}", "UMF=4*SA"),
        (r"{SA}=\f({UMF};4)", "SA=UMF/4"),
        ex=dict(SA=5))
formula("Rechteck: Diagonale",
        (r"{DIAG}=\r({SA}\u(2)+{SB}\u(2))", "DIAG=SQRT(SA^2+SB^2)"),
        (r"{SA}=\r({DIAG}\u(2)-{SB}\u(2))", "SA=SQRT(DIAG^2-SB^2)"),
        (r"{SB}=\r({DIAG}\u(2)-{SA}\u(2))", "SB=SQRT(DIAG^2-SA^2)"),
        ex=dict(SA=4, SB=3))
formula("Parallelogramm: Flächeninhalt",
        (r"{FL}={GS}\m{H}", "FL=GS*H"),
        (r"{GS}=\f({FL};{H})", "GS=FL/H"),
        (r"{H}=\f({FL};{GS})", "H=FL/GS"),
        ex=dict(GS=6, H=4))
formula("Raute und Drachenviereck: Flächeninhalt",
        (r"{FL}=\f({DIAGE}\m{DIAGF};2)", "FL=DIAGE*DIAGF/2"),
        (r"{DIAGE}=\f(2\m{FL};{DIAGF})", "DIAGE=2*FL/DIAGF"),
        (r"{DIAGF}=\f(2\m{FL};{DIAGE})", "DIAGF=2*FL/DIAGE"),
        ex=dict(DIAGE=6, DIAGF=4))
formula("Dreieck: Umfang",
        (r"{UMF}={SA}+{SB}+{SC}", "UMF=SA+SB+SC"),
        (r"{SA}={UMF}-{SB}-{SC}", "SA=UMF-SB-SC"),
        (r"{SB}={UMF}-{SA}-{SC}", "SB=UMF-SA-SC"),
        (r"{SC}={UMF}-{SA}-{SB}", "SC=UMF-SA-SB"),
        ex=dict(SA=3, SB=4, SC=5))
formula("Gleichseitiges Dreieck: Flächeninhalt",
        (r"{FL}=\f(\r(3);4)\m{SA}\u(2)", "FL=SQRT(3)/4*SA^2"),
        (r"{SA}=\w(\f(4\m{FL};\r(3)))", "SA=SQRT(4*FL/SQRT(3))"),
        ex=dict(SA=6))
formula("Dreieck: Flächeninhalt aus drei Seiten (Heron)",
        (r"{FL}=\f(1;4)\m\w(({SA}+{SB}+{SC})\m(-{SA}+{SB}+{SC})\m({SA}-{SB}+{SC})\m({SA}+{SB}-{SC}))",
         "FL=SQRT((SA+SB+SC)*(-SA+SB+SC)*(SA-SB+SC)*(SA+SB-SC))/4"),
        ex=dict(SA=5, SB=6, SC=7))
formula("Kreis: Flächeninhalt aus dem Durchmesser",
        (r"{FL}=\f(\c(p);4)\m{DM0}\u(2)", "FL=π/4*DM0^2"),
        (r"{DM0}=\w(\f(4\m{FL};\c(p)))", "DM0=SQRT(4*FL/π)"),
        ex=dict(DM0=0.05))
formula("Ellipse: Flächeninhalt",
        (r"{FL}=\c(p)\m{HALBA}\m{HALBB}", "FL=π*HALBA*HALBB"),
        (r"{HALBA}=\f({FL};\c(p)\m{HALBB})", "HALBA=FL/(π*HALBB)"),
        (r"{HALBB}=\f({FL};\c(p)\m{HALBA})", "HALBB=FL/(π*HALBA)"),
        ex=dict(HALBA=5, HALBB=3))
formula("Regelmäßiges Sechseck: Flächeninhalt",
        (r"{FL}=\f(3;2)\m\r(3)\m{SA}\u(2)", "FL=3/2*SQRT(3)*SA^2"),
        (r"{SA}=\w(\f(2\m{FL};3\m\r(3)))", "SA=SQRT(2*FL/(3*SQRT(3)))"),
        ex=dict(SA=2))

topic("Körper")
formula("Würfel: Oberfläche",
        (r"{OBERFL}=6\m{SA}\u(2)", "OBERFL=6*SA^2"),
        (r"{SA}=\w(\f({OBERFL};6))", "SA=SQRT(OBERFL/6)"),
        ex=dict(SA=3))
formula("Würfel: Raumdiagonale",
        (r"{DIAG}={SA}\m\r(3)", "DIAG=SA*SQRT(3)"),
        (r"{SA}=\f({DIAG};\r(3))", "SA=DIAG/SQRT(3)"),
        ex=dict(SA=3))
formula("Quader: Raumdiagonale",
        (r"{DIAG}=\r({SA}\u(2)+{SB}\u(2)+{SC}\u(2))", "DIAG=SQRT(SA^2+SB^2+SC^2)"),
        (r"{SA}=\r({DIAG}\u(2)-{SB}\u(2)-{SC}\u(2))", "SA=SQRT(DIAG^2-SB^2-SC^2)"),
        (r"{SB}=\r({DIAG}\u(2)-{SA}\u(2)-{SC}\u(2))", "SB=SQRT(DIAG^2-SA^2-SC^2)"),
        (r"{SC}=\r({DIAG}\u(2)-{SA}\u(2)-{SB}\u(2))", "SC=SQRT(DIAG^2-SA^2-SB^2)"),
        ex=dict(SA=4, SB=3, SC=2))
formula("Zylinder: Oberfläche",
        (r"{OBERFL}=2\m\c(p)\m{RADIUS}\m({RADIUS}+{H})", "OBERFL=2*π*RADIUS*(RADIUS+H)"),
        (r"{H}=\f({OBERFL};2\m\c(p)\m{RADIUS})-{RADIUS}", "H=OBERFL/(2*π*RADIUS)-RADIUS"),
        (r"{RADIUS}=\w(\f({H}\u(2);4)+\f({OBERFL};2\m\c(p)))-\f({H};2)", "RADIUS=SQRT(H^2/4+OBERFL/(2*π))-H/2"),
        ex=dict(RADIUS=0.5, H=2))
formula("Kegel: Mantellinie",
        (r"{MANTELL}=\r({RADIUS}\u(2)+{H}\u(2))", "MANTELL=SQRT(RADIUS^2+H^2)"),
        (r"{RADIUS}=\r({MANTELL}\u(2)-{H}\u(2))", "RADIUS=SQRT(MANTELL^2-H^2)"),
        (r"{H}=\r({MANTELL}\u(2)-{RADIUS}\u(2))", "H=SQRT(MANTELL^2-RADIUS^2)"),
        ex=dict(RADIUS=3, H=4))
formula("Kegel: Mantelfläche",
        (r"{MANTEL}=\c(p)\m{RADIUS}\m{MANTELL}", "MANTEL=π*RADIUS*MANTELL"),
        (r"{RADIUS}=\f({MANTEL};\c(p)\m{MANTELL})", "RADIUS=MANTEL/(π*MANTELL)"),
        (r"{MANTELL}=\f({MANTEL};\c(p)\m{RADIUS})", "MANTELL=MANTEL/(π*RADIUS)"),
        ex=dict(RADIUS=3, MANTELL=5))
formula("Hohlzylinder: Volumen",
        (r"{VOL}=\c(p)\m({RAUSSEN}\u(2)-{RINNEN}\u(2))\m{H}", "VOL=π*(RAUSSEN^2-RINNEN^2)*H"),
        (r"{H}=\f({VOL};\c(p)\m({RAUSSEN}\u(2)-{RINNEN}\u(2)))", "H=VOL/(π*(RAUSSEN^2-RINNEN^2))"),
        (r"{RAUSSEN}=\w(\f({VOL};\c(p)\m{H})+{RINNEN}\u(2))", "RAUSSEN=SQRT(VOL/(π*H)+RINNEN^2)"),
        (r"{RINNEN}=\w({RAUSSEN}\u(2)-\f({VOL};\c(p)\m{H}))", "RINNEN=SQRT(RAUSSEN^2-VOL/(π*H))"),
        ex=dict(RAUSSEN=0.05, RINNEN=0.04, H=2), text="Ein 2 m langes Rohr mit 10 cm Außen- und 8 cm Innendurchmesser.")
formula("Kegelstumpf: Volumen",
        (r"{VOL}=\f(\c(p)\m{H};3)\m({RGRUND}\u(2)+{RGRUND}\m{RDECK}+{RDECK}\u(2))", "VOL=π*H/3*(RGRUND^2+RGRUND*RDECK+RDECK^2)"),
        (r"{H}=\f(3\m{VOL};\c(p)\m({RGRUND}\u(2)+{RGRUND}\m{RDECK}+{RDECK}\u(2)))", "H=3*VOL/(π*(RGRUND^2+RGRUND*RDECK+RDECK^2))"),
        ex=dict(H=0.3, RGRUND=0.15, RDECK=0.1), text="Ein Eimer: 30 cm hoch, Boden 20 cm, Öffnung 30 cm Durchmesser.")
formula("Prisma: Volumen",
        (r"{VOL}={FLG}\m{H}", "VOL=FLG*H"),
        (r"{FLG}=\f({VOL};{H})", "FLG=VOL/H"),
        (r"{H}=\f({VOL};{FLG})", "H=VOL/FLG"),
        ex=dict(FLG=12, H=5))
formula("Quadratische Pyramide: Volumen",
        (r"{VOL}=\f(1;3)\m{SA}\u(2)\m{H}", "VOL=SA^2*H/3"),
        (r"{SA}=\w(\f(3\m{VOL};{H}))", "SA=SQRT(3*VOL/H)"),
        (r"{H}=\f(3\m{VOL};{SA}\u(2))", "H=3*VOL/SA^2"),
        ex=dict(SA=230, H=146), text="Die Cheops-Pyramide: Grundkante etwa 230 m, ursprüngliche Höhe etwa 146 m.")
formula("Torus: Volumen",
        (r"{VOL}=2\m\c(p)\u(2)\m{RTORUS}\m{RADIUS}\u(2)", "VOL=2*π^2*RTORUS*RADIUS^2"),
        (r"{RTORUS}=\f({VOL};2\m\c(p)\u(2)\m{RADIUS}\u(2))", "RTORUS=VOL/(2*π^2*RADIUS^2)"),
        (r"{RADIUS}=\w(\f({VOL};2\m\c(p)\u(2)\m{RTORUS}))", "RADIUS=SQRT(VOL/(2*π^2*RTORUS))"),
        ex=dict(RTORUS=0.3, RADIUS=0.1), text="Ein Schwimmreifen: Rohrradius 10 cm, Abstand der Rohrmitte vom Mittelpunkt 30 cm.")

topic("Trigonometrie")
formula("Kosinus im rechtwinkligen Dreieck",
        (r"{SB}={SC}\mcos {ALPHA}", "SB=SC*COS(RAD(ALPHA))"),
        (r"{SC}=\f({SB};cos {ALPHA})", "SC=SB/COS(RAD(ALPHA))"),
        (r"{ALPHA}=arccos(\f({SB};{SC}))", "ALPHA=GRAD(ARCCOS(SB/SC))"),
        ex=dict(SC=10, ALPHA=30), text="b ist die Ankathete von α, c die Hypotenuse.")
formula("Tangens im rechtwinkligen Dreieck",
        (r"{SA}={SB}\mtan {ALPHA}", "SA=SB*TAN(RAD(ALPHA))"),
        (r"{SB}=\f({SA};tan {ALPHA})", "SB=SA/TAN(RAD(ALPHA))"),
        (r"{ALPHA}=arctan(\f({SA};{SB}))", "ALPHA=GRAD(ARCTAN(SA/SB))"),
        ex=dict(SB=10, ALPHA=30), text="a ist die Gegenkathete, b die Ankathete von α.")
# Solved for a side, the law of cosines is a quadratic equation: the root
# with the plus sign is the only positive one while the opposite side c is
# the longest of the three, otherwise the larger of two triangles.
formula("Kosinussatz",
        (r"{SC}=\r({SA}\u(2)+{SB}\u(2)-2\m{SA}\m{SB}\mcos {GAMMAW})", "SC=SQRT(SA^2+SB^2-2*SA*SB*COS(RAD(GAMMAW)))"),
        (r"{SA}={SB}\mcos {GAMMAW}+\r({SC}\u(2)-{SB}\u(2)\msin\u(2) {GAMMAW})",
         "SA=SB*COS(RAD(GAMMAW))+SQRT(SC^2-SB^2*SQR(SIN(RAD(GAMMAW))))",
         "größere Lösung; eindeutig für {SC} ≥ {SB}"),
        (r"{SB}={SA}\mcos {GAMMAW}+\r({SC}\u(2)-{SA}\u(2)\msin\u(2) {GAMMAW})",
         "SB=SA*COS(RAD(GAMMAW))+SQRT(SC^2-SA^2*SQR(SIN(RAD(GAMMAW))))",
         "größere Lösung; eindeutig für {SC} ≥ {SA}"),
        (r"{GAMMAW}=arccos(\f({SA}\u(2)+{SB}\u(2)-{SC}\u(2);2\m{SA}\m{SB}))",
         "GAMMAW=GRAD(ARCCOS((SA^2+SB^2-SC^2)/(2*SA*SB)))"),
        ex=dict(SA=6, SB=8, GAMMAW=100),
        text="γ ist der Winkel zwischen den Seiten a und b, c liegt ihm gegenüber.")
formula("Höhe aus Entfernung und Höhenwinkel",
        (r"{H}={ENTF}\mtan {HWINKEL}", "H=ENTF*TAN(RAD(HWINKEL))"),
        (r"{ENTF}=\f({H};tan {HWINKEL})", "ENTF=H/TAN(RAD(HWINKEL))"),
        (r"{HWINKEL}=arctan(\f({H};{ENTF}))", "HWINKEL=GRAD(ARCTAN(H/ENTF))"),
        ex=dict(ENTF=50, HWINKEL=35), text="Die Turmspitze erscheint aus 50 m Entfernung unter 35° (Höhe über Augenhöhe).")

topic("Gleichungen und Funktionen")
formula("Quadratische Gleichung x² + px + q = 0: erste Lösung",
        (r"{XA}=-\f({PQP};2)+\w((\f({PQP};2))\u(2)-{PQQ})", "XA=-PQP/2+SQRT((PQP/2)^2-PQQ)"),
        ex=dict(PQP=-2, PQQ=-8), text="x² − 2x − 8 = 0; die Lösung mit dem Pluszeichen vor der Wurzel.")
formula("Quadratische Gleichung x² + px + q = 0: zweite Lösung",
        (r"{XB}=-\f({PQP};2)-\w((\f({PQP};2))\u(2)-{PQQ})", "XB=-PQP/2-SQRT((PQP/2)^2-PQQ)"),
        ex=dict(PQP=-2, PQQ=-8), text="x² − 2x − 8 = 0; die Lösung mit dem Minuszeichen vor der Wurzel.")
formula("Quadratische Gleichung ax² + bx + c = 0: erste Lösung",
        (r"{XA}=\f(-{KOB}+\r({KOB}\u(2)-4\m{KOA}\m{KOC});2\m{KOA})", "XA=(-KOB+SQRT(KOB^2-4*KOA*KOC))/(2*KOA)"),
        ex=dict(KOA=2, KOB=-4, KOC=-6), text="2x² − 4x − 6 = 0.")
formula("Quadratische Gleichung ax² + bx + c = 0: zweite Lösung",
        (r"{XB}=\f(-{KOB}-\r({KOB}\u(2)-4\m{KOA}\m{KOC});2\m{KOA})", "XB=(-KOB-SQRT(KOB^2-4*KOA*KOC))/(2*KOA)"),
        ex=dict(KOA=2, KOB=-4, KOC=-6), text="2x² − 4x − 6 = 0.")
formula("Diskriminante der quadratischen Gleichung",
        (r"{DISKR}={KOB}\u(2)-4\m{KOA}\m{KOC}", "DISKR=KOB^2-4*KOA*KOC"),
        (r"{KOC}=\f({KOB}\u(2)-{DISKR};4\m{KOA})", "KOC=(KOB^2-DISKR)/(4*KOA)"),
        (r"{KOA}=\f({KOB}\u(2)-{DISKR};4\m{KOC})", "KOA=(KOB^2-DISKR)/(4*KOC)"),
        ex=dict(KOA=2, KOB=-4, KOC=-6), text="D > 0: zwei Lösungen, D = 0: eine, D < 0: keine reelle Lösung.")
formula("Lineare Funktion",
        (r"{YK}={STEIG}\m{XK}+{ACHSE}", "YK=STEIG*XK+ACHSE"),
        (r"{XK}=\f({YK}-{ACHSE};{STEIG})", "XK=(YK-ACHSE)/STEIG"),
        (r"{STEIG}=\f({YK}-{ACHSE};{XK})", "STEIG=(YK-ACHSE)/XK"),
        (r"{ACHSE}={YK}-{STEIG}\m{XK}", "ACHSE=YK-STEIG*XK"),
        ex=dict(STEIG=0.5, XK=4, ACHSE=1))
formula("Steigung einer Geraden durch zwei Punkte",
        (r"{STEIG}=\f({YPB}-{YPA};{XPB}-{XPA})", "STEIG=(YPB-YPA)/(XPB-XPA)"),
        (r"{YPB}={YPA}+{STEIG}\m({XPB}-{XPA})", "YPB=YPA+STEIG*(XPB-XPA)"),
        (r"{XPB}={XPA}+\f({YPB}-{YPA};{STEIG})", "XPB=XPA+(YPB-YPA)/STEIG"),
        ex=dict(XPA=1, YPA=2, XPB=5, YPB=4))
formula("Abstand zweier Punkte",
        (r"{ABST}=\r(({XPB}-{XPA})\u(2)+({YPB}-{YPA})\u(2))", "ABST=SQRT((XPB-XPA)^2+(YPB-YPA)^2)"),
        ex=dict(XPA=1, YPA=2, XPB=4, YPB=6))
formula("Arithmetische Folge: n-tes Glied",
        (r"{FOLGN}={FOLGA}+({NGLIED}-1)\m{DIFF}", "FOLGN=FOLGA+(NGLIED-1)*DIFF"),
        (r"{FOLGA}={FOLGN}-({NGLIED}-1)\m{DIFF}", "FOLGA=FOLGN-(NGLIED-1)*DIFF"),
        (r"{DIFF}=\f({FOLGN}-{FOLGA};{NGLIED}-1)", "DIFF=(FOLGN-FOLGA)/(NGLIED-1)"),
        (r"{NGLIED}=\f({FOLGN}-{FOLGA};{DIFF})+1", "NGLIED=(FOLGN-FOLGA)/DIFF+1"),
        ex=dict(FOLGA=3, NGLIED=10, DIFF=4))
formula("Arithmetische Reihe: Summe",
        (r"{SUMME}=\f({NGLIED};2)\m({FOLGA}+{FOLGN})", "SUMME=NGLIED/2*(FOLGA+FOLGN)"),
        (r"{NGLIED}=\f(2\m{SUMME};{FOLGA}+{FOLGN})", "NGLIED=2*SUMME/(FOLGA+FOLGN)"),
        (r"{FOLGN}=\f(2\m{SUMME};{NGLIED})-{FOLGA}", "FOLGN=2*SUMME/NGLIED-FOLGA"),
        ex=dict(NGLIED=100, FOLGA=1, FOLGN=100), text="Die Summe der Zahlen von 1 bis 100.")
formula("Geometrische Folge: n-tes Glied",
        (r"{FOLGN}={FOLGA}\m{QUOT}\u({NGLIED}-1)", "FOLGN=FOLGA*QUOT^(NGLIED-1)"),
        (r"{FOLGA}=\f({FOLGN};{QUOT}\u({NGLIED}-1))", "FOLGA=FOLGN/QUOT^(NGLIED-1)"),
        (r"{NGLIED}=\f(ln({FOLGN}/{FOLGA});ln {QUOT})+1", "NGLIED=LN(FOLGN/FOLGA)/LN(QUOT)+1"),
        ex=dict(FOLGA=3, QUOT=2, NGLIED=8))
formula("Geometrische Reihe: Summe",
        (r"{SUMME}={FOLGA}\m\f({QUOT}\u({NGLIED})-1;{QUOT}-1)", "SUMME=FOLGA*(QUOT^NGLIED-1)/(QUOT-1)"),
        (r"{FOLGA}=\f({SUMME}\m({QUOT}-1);{QUOT}\u({NGLIED})-1)", "FOLGA=SUMME*(QUOT-1)/(QUOT^NGLIED-1)"),
        (r"{NGLIED}=\f(ln(1+{SUMME}\m({QUOT}-1)/{FOLGA});ln {QUOT})", "NGLIED=LN(1+SUMME*(QUOT-1)/FOLGA)/LN(QUOT)"),
        ex=dict(FOLGA=1, QUOT=2, NGLIED=10), text="q ≠ 1.")

topic("Prozent- und Zinsrechnung")
formula("Prozentuale Änderung",
        (r"{PS}=100\m\f({WNEU}-{WALT};{WALT})", "PS=100*(WNEU-WALT)/WALT"),
        (r"{WNEU}={WALT}\m(1+\f({PS};100))", "WNEU=WALT*(1+PS/100)"),
        (r"{WALT}=\f({WNEU};1+{PS}/100)", "WALT=WNEU/(1+PS/100)"),
        ex=dict(WALT=80, WNEU=92), text="Ein Preis steigt von 80 € auf 92 €; bei einer Abnahme ist p negativ.")
formula("Jahreszinsen",
        (r"{ZINSEN}=\f({KAP0}\m{ZINS};100)", "ZINSEN=KAP0*ZINS/100"),
        (r"{KAP0}=\f(100\m{ZINSEN};{ZINS})", "KAP0=100*ZINSEN/ZINS"),
        (r"{ZINS}=\f(100\m{ZINSEN};{KAP0})", "ZINS=100*ZINSEN/KAP0"),
        ex=dict(KAP0=5000, ZINS=2.5))
formula("Tageszinsen",
        (r"{ZINSEN}=\f({KAP0}\m{ZINS}\m{TAGE};100\m360)", "ZINSEN=KAP0*ZINS*TAGE/(100*360)"),
        (r"{KAP0}=\f(36000\m{ZINSEN};{ZINS}\m{TAGE})", "KAP0=36000*ZINSEN/(ZINS*TAGE)"),
        (r"{ZINS}=\f(36000\m{ZINSEN};{KAP0}\m{TAGE})", "ZINS=36000*ZINSEN/(KAP0*TAGE)"),
        (r"{TAGE}=\f(36000\m{ZINSEN};{KAP0}\m{ZINS})", "TAGE=36000*ZINSEN/(KAP0*ZINS)"),
        ex=dict(KAP0=5000, ZINS=2.5, TAGE=90))
formula("Endkapital bei einfacher Verzinsung",
        (r"{KAP}={KAP0}\m(1+\f({ZINS}\m{JAHRE};100))", "KAP=KAP0*(1+ZINS*JAHRE/100)"),
        (r"{KAP0}=\f({KAP};1+{ZINS}\m{JAHRE}/100)", "KAP0=KAP/(1+ZINS*JAHRE/100)"),
        (r"{ZINS}=\f(100\m({KAP}-{KAP0});{KAP0}\m{JAHRE})", "ZINS=100*(KAP-KAP0)/(KAP0*JAHRE)"),
        (r"{JAHRE}=\f(100\m({KAP}-{KAP0});{KAP0}\m{ZINS})", "JAHRE=100*(KAP-KAP0)/(KAP0*ZINS)"),
        ex=dict(KAP0=5000, ZINS=2.5, JAHRE=4), text="Zinsen werden jährlich ausgezahlt, nicht mitverzinst.")
formula("Rentenendwert (nachschüssige Zahlung)",
        (r"{RENDW}={RATE}\m\f((1+{ZINS}/100)\u({JAHRE})-1;{ZINS}/100)", "RENDW=RATE*((1+ZINS/100)^JAHRE-1)/(ZINS/100)"),
        (r"{RATE}=\f({RENDW}\m{ZINS}/100;(1+{ZINS}/100)\u({JAHRE})-1)", "RATE=RENDW*ZINS/100/((1+ZINS/100)^JAHRE-1)"),
        (r"{JAHRE}=\f(ln(1+{RENDW}\m{ZINS}/(100\m{RATE}));ln(1+{ZINS}/100))", "JAHRE=LN(1+RENDW*ZINS/(100*RATE))/LN(1+ZINS/100)"),
        ex=dict(RATE=1200, ZINS=3, JAHRE=10), text="Zehn Jahre lang werden am Jahresende 1200 € zu 3 % angelegt.")
formula("Annuität eines Darlehens",
        (r"{ANNU}={KREDIT}\m\f((1+{ZINS}/100)\u({JAHRE})\m{ZINS}/100;(1+{ZINS}/100)\u({JAHRE})-1)",
         "ANNU=KREDIT*(1+ZINS/100)^JAHRE*ZINS/100/((1+ZINS/100)^JAHRE-1)"),
        (r"{KREDIT}={ANNU}\m\f((1+{ZINS}/100)\u({JAHRE})-1;(1+{ZINS}/100)\u({JAHRE})\m{ZINS}/100)",
         "KREDIT=ANNU*((1+ZINS/100)^JAHRE-1)/((1+ZINS/100)^JAHRE*ZINS/100)"),
        (r"{JAHRE}=-\f(ln(1-{KREDIT}\m{ZINS}/(100\m{ANNU}));ln(1+{ZINS}/100))", "JAHRE=-LN(1-KREDIT*ZINS/(100*ANNU))/LN(1+ZINS/100)"),
        ex=dict(KREDIT=200000, ZINS=4, JAHRE=25), text="Ein Darlehen von 200 000 € zu 4 % wird in 25 gleichen Jahresraten getilgt.")
formula("Exponentielles Wachstum",
        (r"{NBEST}={N0}\me\u({KWACHS}\m{TJAHR})", "NBEST=N0*EXP(KWACHS*TJAHR)"),
        (r"{N0}={NBEST}\me\u(-{KWACHS}\m{TJAHR})", "N0=NBEST*EXP(-KWACHS*TJAHR)"),
        (r"{KWACHS}=\f(ln({NBEST}/{N0});{TJAHR})", "KWACHS=LN(NBEST/N0)/TJAHR"),
        (r"{TJAHR}=\f(ln({NBEST}/{N0});{KWACHS})", "TJAHR=LN(NBEST/N0)/KWACHS"),
        ex=dict(N0=1000, KWACHS=0.05, TJAHR=10), text="Ein Bestand wächst mit der Wachstumskonstante 0,05 je Jahr; bei Abnahme ist k negativ.")
formula("Verdopplungszeit",
        (r"{TVERD}=\f(ln 2;{KWACHS})", "TVERD=LN(2)/KWACHS"),
        (r"{KWACHS}=\f(ln 2;{TVERD})", "KWACHS=LN(2)/TVERD"),
        ex=dict(KWACHS=0.05))

area("Maschinentechnik")

topic("Getriebe und Antriebe")
formula("Gesamtübersetzung eines zweistufigen Getriebes",
        (r"{UEB}={UEBA}\m{UEBB}", "UEB=UEBA*UEBB"),
        (r"{UEBA}=\f({UEB};{UEBB})", "UEBA=UEB/UEBB"),
        (r"{UEBB}=\f({UEB};{UEBA})", "UEBB=UEB/UEBA"),
        ex=dict(UEBA=3, UEBB=4))
formula("Drehmoment am Getriebeausgang",
        (r"{MDB}={MDA}\m{UEB}\m{ETA}", "MDB=MDA*UEB*ETA"),
        (r"{MDA}=\f({MDB};{UEB}\m{ETA})", "MDA=MDB/(UEB*ETA)"),
        (r"{UEB}=\f({MDB};{MDA}\m{ETA})", "UEB=MDB/(MDA*ETA)"),
        (r"{ETA}=\f({MDB};{MDA}\m{UEB})", "ETA=MDB/(MDA*UEB)"),
        ex=dict(MDA=50, UEB=12, ETA=0.95), text="i = n₁/n₂ ist das Übersetzungsverhältnis (ins Langsame größer als 1).")
formula("Teilkreisdurchmesser eines Zahnrads",
        (r"{TEILD}={MODUL}\m{ZA}", "TEILD=MODUL*ZA"),
        (r"{MODUL}=\f({TEILD};{ZA})", "MODUL=TEILD/ZA"),
        (r"{ZA}=\f({TEILD};{MODUL})", "ZA=TEILD/MODUL"),
        ex=dict(MODUL=0.002, ZA=20), text="Ein Zahnrad mit Modul 2 mm und 20 Zähnen.")
formula("Achsabstand eines Stirnradpaares",
        (r"{ACHSA}=\f({MODUL}\m({ZA}+{ZB});2)", "ACHSA=MODUL*(ZA+ZB)/2"),
        (r"{MODUL}=\f(2\m{ACHSA};{ZA}+{ZB})", "MODUL=2*ACHSA/(ZA+ZB)"),
        (r"{ZB}=\f(2\m{ACHSA};{MODUL})-{ZA}", "ZB=2*ACHSA/MODUL-ZA"),
        ex=dict(MODUL=0.002, ZA=20, ZB=50))

topic("Verbrennungsmotor und Fahrzeug")
formula("Hubraum eines Motors",
        (r"{HUBR}=\f(\c(p);4)\m{BOHR}\u(2)\m{HUB}\m{ZYL}", "HUBR=π/4*BOHR^2*HUB*ZYL"),
        (r"{BOHR}=\w(\f(4\m{HUBR};\c(p)\m{HUB}\m{ZYL}))", "BOHR=SQRT(4*HUBR/(π*HUB*ZYL))"),
        (r"{HUB}=\f(4\m{HUBR};\c(p)\m{BOHR}\u(2)\m{ZYL})", "HUB=4*HUBR/(π*BOHR^2*ZYL)"),
        (r"{ZYL}=\f(4\m{HUBR};\c(p)\m{BOHR}\u(2)\m{HUB})", "ZYL=4*HUBR/(π*BOHR^2*HUB)"),
        ex=dict(BOHR=0.081, HUB=0.0864, ZYL=4), text="Ein Vierzylindermotor mit 81 mm Bohrung und 86,4 mm Hub.")
formula("Verdichtungsverhältnis",
        (r"{EPSV}=\f({VHZYL}+{VKOMP};{VKOMP})", "EPSV=(VHZYL+VKOMP)/VKOMP"),
        (r"{VKOMP}=\f({VHZYL};{EPSV}-1)", "VKOMP=VHZYL/(EPSV-1)"),
        (r"{VHZYL}={VKOMP}\m({EPSV}-1)", "VHZYL=VKOMP*(EPSV-1)"),
        ex=dict(VHZYL=0.000445, VKOMP=0.0000445), text="Ein Zylinder mit 445 cm³ Hubraum und 44,5 cm³ Verdichtungsraum.")
formula("Mittlere Kolbengeschwindigkeit",
        (r"{VKOLB}=2\m{HUB}\m{N}", "VKOLB=2*HUB*N"),
        (r"{HUB}=\f({VKOLB};2\m{N})", "HUB=VKOLB/(2*N)"),
        (r"{N}=\f({VKOLB};2\m{HUB})", "N=VKOLB/(2*HUB)"),
        ex=dict(HUB=0.0864, N=100), text="Hub 86,4 mm bei 6000 1/min (100 1/s).")
formula("Rollwiderstand",
        (r"{FROLL}={CROLL}\m{FN}", "FROLL=CROLL*FN"),
        (r"{CROLL}=\f({FROLL};{FN})", "CROLL=FROLL/FN"),
        (r"{FN}=\f({FROLL};{CROLL})", "FN=FROLL/CROLL"),
        ex=dict(CROLL=0.012, FN=14700), text="Ein Auto (1,5 t) auf Asphalt (Rollwiderstandszahl 0,012).")

topic("Spanende Fertigung")
formula("Vorschubgeschwindigkeit",
        (r"{VF}={VORSCH}\m{N}", "VF=VORSCH*N"),
        (r"{VORSCH}=\f({VF};{N})", "VORSCH=VF/N"),
        (r"{N}=\f({VF};{VORSCH})", "N=VF/VORSCH"),
        ex=dict(VORSCH=0.0002, N=10), text="Vorschub 0,2 mm je Umdrehung bei 600 1/min.")
formula("Hauptnutzungszeit beim Drehen",
        (r"{THN}=\f({LWEG};{VORSCH}\m{N})", "THN=LWEG/(VORSCH*N)"),
        (r"{LWEG}={THN}\m{VORSCH}\m{N}", "LWEG=THN*VORSCH*N"),
        (r"{VORSCH}=\f({LWEG};{THN}\m{N})", "VORSCH=LWEG/(THN*N)"),
        (r"{N}=\f({LWEG};{THN}\m{VORSCH})", "N=LWEG/(THN*VORSCH)"),
        ex=dict(LWEG=0.12, VORSCH=0.0002, N=10), text="Eine 120 mm lange Welle wird in einem Schnitt überdreht.")
