"""Mathematik; Maschinentechnik."""
from .catalog import area, topic, formula

area("Mathematik")

topic("Ebene Figuren")
formula("Rechteck: Flächeninhalt",
        (r"{FL}={SA}\m{SB}", "FL=SA*SB"),
        (r"{SA}=\f({FL};{SB})", "SA=FL/SB"),
        (r"{SB}=\f({FL};{SA})", "SB=FL/SA"),
        ex=dict(SA=4, SB=2.5))
formula("Rechteck: Umfang",
        (r"{UMF}=2\m({SA}+{SB})", "UMF=2*(SA+SB)"),
        (r"{SA}=\f({UMF};2)-{SB}", "SA=UMF/2-SB"),
        (r"{SB}=\f({UMF};2)-{SA}", "SB=UMF/2-SA"),
        ex=dict(SA=4, SB=2.5))
formula("Quadrat: Diagonale",
        (r"{DIAG}={SA}\m\r(2)", "DIAG=SA*SQRT(2)"),
        (r"{SA}=\f({DIAG};\r(2))", "SA=DIAG/SQRT(2)"),
        ex=dict(SA=5))
formula("Dreieck: Flächeninhalt",
        (r"{FL}=\f(1;2)\m{GS}\m{H}", "FL=GS*H/2"),
        (r"{GS}=\f(2\m{FL};{H})", "GS=2*FL/H"),
        (r"{H}=\f(2\m{FL};{GS})", "H=2*FL/GS"),
        ex=dict(GS=6, H=4))
formula("Satz des Pythagoras",
        (r"{SC}=\r({SA}\u(2)+{SB}\u(2))", "SC=SQRT(SA^2+SB^2)"),
        (r"{SA}=\r({SC}\u(2)-{SB}\u(2))", "SA=SQRT(SC^2-SB^2)"),
        (r"{SB}=\r({SC}\u(2)-{SA}\u(2))", "SB=SQRT(SC^2-SA^2)"),
        ex=dict(SA=3, SB=4))
formula("Trapez: Flächeninhalt",
        (r"{FL}=\f({SA}+{SC};2)\m{H}", "FL=(SA+SC)/2*H"),
        (r"{SA}=\f(2\m{FL};{H})-{SC}", "SA=2*FL/H-SC"),
        (r"{SC}=\f(2\m{FL};{H})-{SA}", "SC=2*FL/H-SA"),
        (r"{H}=\f(2\m{FL};{SA}+{SC})", "H=2*FL/(SA+SC)"),
        ex=dict(SA=8, SC=5, H=4), text="Ein Beet hat die Form eines Trapezes: die parallelen Seiten a und c sind 8 m und 5 m lang, die Höhe 4 m.")
formula("Kreis: Flächeninhalt",
        (r"{FL}=\c(p)\m{RADIUS}\u(2)", "FL=π*RADIUS^2"),
        (r"{RADIUS}=\w(\f({FL};\c(p)))", "RADIUS=SQRT(FL/π)"),
        ex=dict(RADIUS=2.5))
formula("Kreis: Umfang",
        (r"{UMF}=2\m\c(p)\m{RADIUS}", "UMF=2*π*RADIUS"),
        (r"{RADIUS}=\f({UMF};2\m\c(p))", "RADIUS=UMF/(2*π)"),
        ex=dict(RADIUS=2.5))
formula("Kreisring: Flächeninhalt",
        (r"{FL}=\c(p)\m({RAUSSEN}\u(2)-{RINNEN}\u(2))", "FL=π*(RAUSSEN^2-RINNEN^2)"),
        (r"{RAUSSEN}=\w(\f({FL};\c(p))+{RINNEN}\u(2))", "RAUSSEN=SQRT(FL/π+RINNEN^2)"),
        (r"{RINNEN}=\w({RAUSSEN}\u(2)-\f({FL};\c(p)))", "RINNEN=SQRT(RAUSSEN^2-FL/π)"),
        ex=dict(RAUSSEN=5, RINNEN=3))
formula("Kreisausschnitt: Flächeninhalt",
        (r"{FL}=\f(\c(p)\m{RADIUS}\u(2)\m{MITTELW};360°)", "FL=π*RADIUS^2*MITTELW/360"),
        (r"{RADIUS}=\w(\f(360°\m{FL};\c(p)\m{MITTELW}))", "RADIUS=SQRT(360*FL/(π*MITTELW))"),
        (r"{MITTELW}=\f(360°\m{FL};\c(p)\m{RADIUS}\u(2))", "MITTELW=360*FL/(π*RADIUS^2)"),
        ex=dict(RADIUS=3, MITTELW=60))
formula("Kreisbogen: Bogenlänge",
        (r"{BOGEN}=\f(\c(p)\m{RADIUS}\m{MITTELW};180°)", "BOGEN=π*RADIUS*MITTELW/180"),
        (r"{RADIUS}=\f(180°\m{BOGEN};\c(p)\m{MITTELW})", "RADIUS=180*BOGEN/(π*MITTELW)"),
        (r"{MITTELW}=\f(180°\m{BOGEN};\c(p)\m{RADIUS})", "MITTELW=180*BOGEN/(π*RADIUS)"),
        ex=dict(RADIUS=3, MITTELW=60))

topic("Körper")
formula("Würfel: Volumen",
        (r"{VOL}={SA}\u(3)", "VOL=SA^3"),
        (r"{SA}=\u(3)\r({VOL})", "SA=VOL^(1/3)"),
        ex=dict(SA=3))
formula("Quader: Volumen",
        (r"{VOL}={SA}\m{SB}\m{SC}", "VOL=SA*SB*SC"),
        (r"{SA}=\f({VOL};{SB}\m{SC})", "SA=VOL/(SB*SC)"),
        (r"{SB}=\f({VOL};{SA}\m{SC})", "SB=VOL/(SA*SC)"),
        (r"{SC}=\f({VOL};{SA}\m{SB})", "SC=VOL/(SA*SB)"),
        ex=dict(SA=4, SB=3, SC=2))
formula("Quader: Oberfläche",
        (r"{OBERFL}=2\m({SA}\m{SB}+{SA}\m{SC}+{SB}\m{SC})", "OBERFL=2*(SA*SB+SA*SC+SB*SC)"),
        (r"{SA}=\f({OBERFL}-2\m{SB}\m{SC};2\m({SB}+{SC}))", "SA=(OBERFL-2*SB*SC)/(2*(SB+SC))"),
        (r"{SB}=\f({OBERFL}-2\m{SA}\m{SC};2\m({SA}+{SC}))", "SB=(OBERFL-2*SA*SC)/(2*(SA+SC))"),
        (r"{SC}=\f({OBERFL}-2\m{SA}\m{SB};2\m({SA}+{SB}))", "SC=(OBERFL-2*SA*SB)/(2*(SA+SB))"),
        ex=dict(SA=4, SB=3, SC=2))
formula("Zylinder: Volumen",
        (r"{VOL}=\c(p)\m{RADIUS}\u(2)\m{H}", "VOL=π*RADIUS^2*H"),
        (r"{RADIUS}=\w(\f({VOL};\c(p)\m{H}))", "RADIUS=SQRT(VOL/(π*H))"),
        (r"{H}=\f({VOL};\c(p)\m{RADIUS}\u(2))", "H=VOL/(π*RADIUS^2)"),
        ex=dict(RADIUS=0.5, H=2))
formula("Zylinder: Mantelfläche",
        (r"{MANTEL}=2\m\c(p)\m{RADIUS}\m{H}", "MANTEL=2*π*RADIUS*H"),
        (r"{RADIUS}=\f({MANTEL};2\m\c(p)\m{H})", "RADIUS=MANTEL/(2*π*H)"),
        (r"{H}=\f({MANTEL};2\m\c(p)\m{RADIUS})", "H=MANTEL/(2*π*RADIUS)"),
        ex=dict(RADIUS=0.5, H=2))
formula("Kegel: Volumen",
        (r"{VOL}=\f(1;3)\m\c(p)\m{RADIUS}\u(2)\m{H}", "VOL=π*RADIUS^2*H/3"),
        (r"{RADIUS}=\w(\f(3\m{VOL};\c(p)\m{H}))", "RADIUS=SQRT(3*VOL/(π*H))"),
        (r"{H}=\f(3\m{VOL};\c(p)\m{RADIUS}\u(2))", "H=3*VOL/(π*RADIUS^2)"),
        ex=dict(RADIUS=0.5, H=2))
formula("Pyramide: Volumen",
        (r"{VOL}=\f(1;3)\m{FLG}\m{H}", "VOL=FLG*H/3"),
        (r"{FLG}=\f(3\m{VOL};{H})", "FLG=3*VOL/H"),
        (r"{H}=\f(3\m{VOL};{FLG})", "H=3*VOL/FLG"),
        ex=dict(FLG=16, H=6))
formula("Kugel: Volumen",
        (r"{VOL}=\f(4;3)\m\c(p)\m{RADIUS}\u(3)", "VOL=4*π*RADIUS^3/3"),
        (r"{RADIUS}=\u(3)\w(\f(3\m{VOL};4\m\c(p)))", "RADIUS=(3*VOL/(4*π))^(1/3)"),
        ex=dict(RADIUS=0.1))
formula("Kugel: Oberfläche",
        (r"{OBERFL}=4\m\c(p)\m{RADIUS}\u(2)", "OBERFL=4*π*RADIUS^2"),
        (r"{RADIUS}=\w(\f({OBERFL};4\m\c(p)))", "RADIUS=SQRT(OBERFL/(4*π))"),
        ex=dict(RADIUS=0.1))

topic("Trigonometrie")
formula("Sinus im rechtwinkligen Dreieck",
        (r"{SA}={SC}\msin {ALPHA}", "SA=SC*SIN(RAD(ALPHA))"),
        (r"{SC}=\f({SA};sin {ALPHA})", "SC=SA/SIN(RAD(ALPHA))"),
        (r"{ALPHA}=arcsin(\f({SA};{SC}))", "ALPHA=GRAD(ARCSIN(SA/SC))"),
        ex=dict(SC=10, ALPHA=30), text="Die Hypotenuse c ist 10 m lang, α liegt der Seite a gegenüber.")
formula("Sinussatz",
        (r"{SA}=\f({SB}\msin {ALPHA};sin {BETAW})", "SA=SB*SIN(RAD(ALPHA))/SIN(RAD(BETAW))"),
        (r"{SB}=\f({SA}\msin {BETAW};sin {ALPHA})", "SB=SA*SIN(RAD(BETAW))/SIN(RAD(ALPHA))"),
        (r"{ALPHA}=arcsin(\f({SA}\msin {BETAW};{SB}))", "ALPHA=GRAD(ARCSIN(SA*SIN(RAD(BETAW))/SB))",
         "liefert den spitzen Winkel"),
        (r"{BETAW}=arcsin(\f({SB}\msin {ALPHA};{SA}))", "BETAW=GRAD(ARCSIN(SB*SIN(RAD(ALPHA))/SA))",
         "liefert den spitzen Winkel"),
        ex=dict(SB=7, ALPHA=50, BETAW=70))
formula("Dreieck: Flächeninhalt aus zwei Seiten und Winkel",
        (r"{FL}=\f(1;2)\m{SA}\m{SB}\msin {GAMMAW}", "FL=SA*SB*SIN(RAD(GAMMAW))/2"),
        (r"{SA}=\f(2\m{FL};{SB}\msin {GAMMAW})", "SA=2*FL/(SB*SIN(RAD(GAMMAW)))"),
        (r"{SB}=\f(2\m{FL};{SA}\msin {GAMMAW})", "SB=2*FL/(SA*SIN(RAD(GAMMAW)))"),
        (r"{GAMMAW}=arcsin(\f(2\m{FL};{SA}\m{SB}))", "GAMMAW=GRAD(ARCSIN(2*FL/(SA*SB)))",
         "liefert den spitzen Winkel"),
        ex=dict(SA=6, SB=8, GAMMAW=40))
formula("Steigung und Steigungswinkel",
        (r"{STEIG}=tan {STEIGW}", "STEIG=TAN(RAD(STEIGW))"),
        (r"{STEIGW}=arctan {STEIG}", "STEIGW=GRAD(ARCTAN(STEIG))"),
        ex=dict(STEIGW=12), text="Eine Straße steigt unter 12° an.")

topic("Prozent- und Zinsrechnung")
formula("Prozentwert",
        (r"{PW}=\f({GRW}\m{PS};100)", "PW=GRW*PS/100"),
        (r"{GRW}=\f(100\m{PW};{PS})", "GRW=100*PW/PS"),
        (r"{PS}=\f(100\m{PW};{GRW})", "PS=100*PW/GRW"),
        ex=dict(GRW=250, PS=16))
formula("Zinseszins",
        (r"{KAP}={KAP0}\m(1+\f({ZINS};100))\u({JAHRE})", "KAP=KAP0*(1+ZINS/100)^JAHRE"),
        (r"{KAP0}=\f({KAP};(1+{ZINS}/100)\u({JAHRE}))", "KAP0=KAP/(1+ZINS/100)^JAHRE"),
        (r"{ZINS}=100\m((\f({KAP};{KAP0}))\u(1/{JAHRE})-1)", "ZINS=100*((KAP/KAP0)^(1/JAHRE)-1)"),
        (r"{JAHRE}=\f(ln({KAP}/{KAP0});ln(1+{ZINS}/100))", "JAHRE=LN(KAP/KAP0)/LN(1+ZINS/100)"),
        ex=dict(KAP0=10000, ZINS=3, JAHRE=10), text="10 000 € werden 10 Jahre lang zu 3 % angelegt.")

area("Maschinentechnik")

topic("Getriebe und Antriebe")
formula("Übersetzungsverhältnis aus den Drehzahlen",
        (r"{UEB}=\f({NDA};{NDB})", "UEB=NDA/NDB"),
        (r"{NDA}={UEB}\m{NDB}", "NDA=UEB*NDB"),
        (r"{NDB}=\f({NDA};{UEB})", "NDB=NDA/UEB"),
        ex=dict(NDA=25, NDB=10))
formula("Übersetzungsverhältnis eines Zahnradgetriebes",
        (r"{UEB}=\f({ZB};{ZA})", "UEB=ZB/ZA"),
        (r"{ZB}={UEB}\m{ZA}", "ZB=UEB*ZA"),
        (r"{ZA}=\f({ZB};{UEB})", "ZA=ZB/UEB"),
        ex=dict(ZA=20, ZB=50))
formula("Riementrieb",
        (r"{NDB}=\f({DA}\m{NDA};{DB})", "NDB=DA*NDA/DB"),
        (r"{NDA}=\f({DB}\m{NDB};{DA})", "NDA=DB*NDB/DA"),
        (r"{DA}=\f({DB}\m{NDB};{NDA})", "DA=DB*NDB/NDA"),
        (r"{DB}=\f({DA}\m{NDA};{NDB})", "DB=DA*NDA/NDB"),
        ex=dict(DA=0.1, NDA=24, DB=0.3))
formula("Schnittgeschwindigkeit",
        (r"{VC}=\c(p)\m{DM0}\m{N}", "VC=π*DM0*N"),
        (r"{DM0}=\f({VC};\c(p)\m{N})", "DM0=VC/(π*N)"),
        (r"{N}=\f({VC};\c(p)\m{DM0})", "N=VC/(π*DM0)"),
        ex=dict(DM0=0.08, N=10), text="Ein Werkstück von 80 mm Durchmesser dreht sich 10-mal in der Sekunde (600 1/min).")

topic("Einfache Maschinen")
formula("Flaschenzug (ohne Reibung, Rollen gewichtslos)",
        (r"{F}=\f({FG};{NSEIL})", "F=FG/NSEIL"),
        (r"{FG}={F}\m{NSEIL}", "FG=F*NSEIL"),
        (r"{NSEIL}=\f({FG};{F})", "NSEIL=FG/F"),
        ex=dict(FG=1200, NSEIL=4))
formula("Schiefe Ebene ohne Reibung: Zugkraft längs der Ebene",
        (r"{FZUG}=\f({FG}\m{H};{LEBENE})", "FZUG=FG*H/LEBENE"),
        (r"{FG}=\f({FZUG}\m{LEBENE};{H})", "FG=FZUG*LEBENE/H"),
        (r"{H}=\f({FZUG}\m{LEBENE};{FG})", "H=FZUG*LEBENE/FG"),
        (r"{LEBENE}=\f({FG}\m{H};{FZUG})", "LEBENE=FG*H/FZUG"),
        ex=dict(FG=1000, H=1.5, LEBENE=6))
