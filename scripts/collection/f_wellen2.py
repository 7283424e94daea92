"""Schwingungen und Wellen, Optik: weitere Formeln."""
from .catalog import area, topic, formula

area("Schwingungen und Wellen")

topic("Mechanische Schwingungen")
formula("Federpendel: Frequenz",
        (r"{FREQ}=\f(1;2\m\c(p))\m\w(\f({D};{M}))", "FREQ=SQRT(D/M)/(2*π)"),
        (r"{D}=4\m\c(p)\u(2)\m{FREQ}\u(2)\m{M}", "D=4*π^2*FREQ^2*M"),
        (r"{M}=\f({D};4\m\c(p)\u(2)\m{FREQ}\u(2))", "M=D/(4*π^2*FREQ^2)"),
        ex=dict(D=20, M=0.5))
formula("Energie einer harmonischen Federschwingung",
        (r"{WSCHW}=\f(1;2)\m{D}\m{YMAX}\u(2)", "WSCHW=D*YMAX^2/2"),
        (r"{D}=\f(2\m{WSCHW};{YMAX}\u(2))", "D=2*WSCHW/YMAX^2"),
        (r"{YMAX}=\w(\f(2\m{WSCHW};{D}))", "YMAX=SQRT(2*WSCHW/D)"),
        ex=dict(D=20, YMAX=0.05))
formula("Höchstbeschleunigung einer harmonischen Schwingung",
        (r"{AMAX}={YMAX}\m{KREISFREQ}\u(2)", "AMAX=YMAX*KREISFREQ^2"),
        (r"{YMAX}=\f({AMAX};{KREISFREQ}\u(2))", "YMAX=AMAX/KREISFREQ^2"),
        (r"{KREISFREQ}=\w(\f({AMAX};{YMAX}))", "KREISFREQ=SQRT(AMAX/YMAX)"),
        ex=dict(YMAX=0.05, KREISFREQ=6.3))
formula("Physikalisches Pendel (kleine Ausschläge)",
        (r"{TP}=2\m\c(p)\m\w(\f({J};{M}\m{G}\m{ASTEINER}))", "TP=2*π*SQRT(J/(M*G*ASTEINER))"),
        (r"{J}=\f({TP}\u(2)\m{M}\m{G}\m{ASTEINER};4\m\c(p)\u(2))", "J=TP^2*M*G*ASTEINER/(4*π^2)"),
        (r"{ASTEINER}=\f(4\m\c(p)\u(2)\m{J};{TP}\u(2)\m{M}\m{G})", "ASTEINER=4*π^2*J/(TP^2*M*G)"),
        ex=dict(J=0.4, M=1.2, ASTEINER=0.5), text="J ist das Trägheitsmoment um die Drehachse, a der Abstand des Schwerpunkts von ihr.")

topic("Wellen")
formula("Schallgeschwindigkeit in einem idealen Gas",
        (r"{CPH}=\w(\f({KAPPA}\m{RGAS}\m{TEMPL};{MMOL}))", "CPH=SQRT(KAPPA*RGAS*TEMPL/MMOL)"),
        (r"{TEMPL}=\f({MMOL}\m{CPH}\u(2);{KAPPA}\m{RGAS})", "TEMPL=MMOL*CPH^2/(KAPPA*RGAS)"),
        (r"{MMOL}=\f({KAPPA}\m{RGAS}\m{TEMPL};{CPH}\u(2))", "MMOL=KAPPA*RGAS*TEMPL/CPH^2"),
        (r"{KAPPA}=\f({MMOL}\m{CPH}\u(2);{RGAS}\m{TEMPL})", "KAPPA=MMOL*CPH^2/(RGAS*TEMPL)"),
        ex=dict(KAPPA=1.4, TEMPL=293.15, MMOL=0.02896), text="Luft (κ = 1,4, M = 28,96 g/mol) bei 20 °C.")
formula("Schallgeschwindigkeit in Luft",
        (r"{CPH}=331,3\m\w(\f({TEMPL};273,15))", "CPH=331,3*SQRT(TEMPL/273,15)"),
        (r"{TEMPL}=273,15\m(\f({CPH};331,3))\u(2)", "TEMPL=273,15*(CPH/331,3)^2"),
        ex=dict(TEMPL=293.15), text="c in m/s, T in K; 331,3 m/s ist die Schallgeschwindigkeit in trockener Luft bei 0 °C.")
formula("Schallgeschwindigkeit in einem dünnen Stab",
        (r"{CPH}=\w(\f({EMOD};{RHO}))", "CPH=SQRT(EMOD/RHO)"),
        (r"{EMOD}={RHO}\m{CPH}\u(2)", "EMOD=RHO*CPH^2"),
        (r"{RHO}=\f({EMOD};{CPH}\u(2))", "RHO=EMOD/CPH^2"),
        ex=dict(EMOD=2.1e11, RHO=7850), text="Längswellen in einem Stahlstab.")
formula("Schallgeschwindigkeit in Flüssigkeiten",
        (r"{CPH}=\w(\f({KOMPMOD};{RHO}))", "CPH=SQRT(KOMPMOD/RHO)"),
        (r"{KOMPMOD}={RHO}\m{CPH}\u(2)", "KOMPMOD=RHO*CPH^2"),
        (r"{RHO}=\f({KOMPMOD};{CPH}\u(2))", "RHO=KOMPMOD/CPH^2"),
        ex=dict(KOMPMOD=2.2e9, RHO=998.2), text="Wasser bei 20 °C (Kompressionsmodul 2,2 GPa).")
formula("Wellengeschwindigkeit auf einer gespannten Saite",
        (r"{CPH}=\w(\f({F};{RHO}\m{FL}))", "CPH=SQRT(F/(RHO*FL))"),
        (r"{F}={CPH}\u(2)\m{RHO}\m{FL}", "F=CPH^2*RHO*FL"),
        (r"{FL}=\f({F};{RHO}\m{CPH}\u(2))", "FL=F/(RHO*CPH^2)"),
        ex=dict(F=70, RHO=7850, FL=1.131e-7), text="Eine Stahlsaite (0,38 mm Durchmesser) ist mit 70 N gespannt.")
formula("Stehende Welle: Abstand benachbarter Knoten",
        (r"{DKNOT}=\f({LAMBDA};2)", "DKNOT=LAMBDA/2"),
        (r"{LAMBDA}=2\m{DKNOT}", "LAMBDA=2*DKNOT"),
        ex=dict(LAMBDA=0.78))
formula("Eigenfrequenzen einer beidseitig eingespannten Saite",
        (r"{FREQ}=\f({NORD}\m{CPH};2\m{LAENGE})", "FREQ=NORD*CPH/(2*LAENGE)"),
        (r"{CPH}=\f(2\m{LAENGE}\m{FREQ};{NORD})", "CPH=2*LAENGE*FREQ/NORD"),
        (r"{LAENGE}=\f({NORD}\m{CPH};2\m{FREQ})", "LAENGE=NORD*CPH/(2*FREQ)"),
        (r"{NORD}=\f(2\m{LAENGE}\m{FREQ};{CPH})", "NORD=2*LAENGE*FREQ/CPH"),
        ex=dict(NORD=2, CPH=286, LAENGE=0.65), text="Erster Oberton (n = 2) einer 65 cm langen Gitarrensaite.")
formula("Eigenfrequenzen einer offenen Pfeife",
        (r"{FREQ}=\f({NORD}\m{CPH};2\m{LAENGE})", "FREQ=NORD*CPH/(2*LAENGE)"),
        (r"{LAENGE}=\f({NORD}\m{CPH};2\m{FREQ})", "LAENGE=NORD*CPH/(2*FREQ)"),
        (r"{NORD}=\f(2\m{LAENGE}\m{FREQ};{CPH})", "NORD=2*LAENGE*FREQ/CPH"),
        ex=dict(NORD=1, CPH=343, LAENGE=0.39), text="Grundton (n = 1) einer beidseitig offenen Orgelpfeife von 39 cm Länge (ohne Mündungskorrektur).")
formula("Eigenfrequenzen einer gedackten Pfeife",
        (r"{FREQ}=\f((2\m{NORD}-1)\m{CPH};4\m{LAENGE})", "FREQ=(2*NORD-1)*CPH/(4*LAENGE)"),
        (r"{LAENGE}=\f((2\m{NORD}-1)\m{CPH};4\m{FREQ})", "LAENGE=(2*NORD-1)*CPH/(4*FREQ)"),
        (r"{NORD}=\f(1;2)\m(\f(4\m{LAENGE}\m{FREQ};{CPH})+1)", "NORD=(4*LAENGE*FREQ/CPH+1)/2"),
        ex=dict(NORD=1, CPH=343, LAENGE=0.39), text="Grundton (n = 1) einer einseitig geschlossenen Pfeife von 39 cm Länge.")

topic("Akustik")
formula("Schalldruckpegel",
        (r"{LPEGEL}=20\mlg \f({PSCHALL};{PSCHALL0})", "LPEGEL=20*LG(PSCHALL/PSCHALL0)"),
        (r"{PSCHALL}={PSCHALL0}\m10\u({LPEGEL}/20)", "PSCHALL=PSCHALL0*10^(LPEGEL/20)"),
        ex=dict(PSCHALL=0.2), text="Ein Gespräch in 1 m Abstand erzeugt etwa 0,2 Pa Schalldruck.")
formula("Schallintensität im Abstand r von einer Punktquelle",
        (r"{IS}=\f({P};4\m\c(p)\m{ABSTAND}\u(2))", "IS=P/(4*π*ABSTAND^2)"),
        (r"{P}=4\m\c(p)\m{ABSTAND}\u(2)\m{IS}", "P=4*π*ABSTAND^2*IS"),
        (r"{ABSTAND}=\w(\f({P};4\m\c(p)\m{IS}))", "ABSTAND=SQRT(P/(4*π*IS))"),
        ex=dict(P=0.01, ABSTAND=10), text="Ein Lautsprecher strahlt 10 mW Schallleistung gleichmäßig nach allen Seiten ab.")
formula("Pegelabnahme mit dem Abstand (Punktquelle)",
        (r"{DLPEGEL}=20\mlg \f({ABSTANDB};{ABSTANDA})", "DLPEGEL=20*LG(ABSTANDB/ABSTANDA)"),
        (r"{ABSTANDB}={ABSTANDA}\m10\u({DLPEGEL}/20)", "ABSTANDB=ABSTANDA*10^(DLPEGEL/20)"),
        (r"{ABSTANDA}=\f({ABSTANDB};10\u({DLPEGEL}/20))", "ABSTANDA=ABSTANDB/10^(DLPEGEL/20)"),
        ex=dict(ABSTANDA=10, ABSTANDB=40), text="Wie viel leiser ist eine Maschine in 40 m statt in 10 m Entfernung (im Freien)?")
formula("Gesamtpegel gleich lauter Schallquellen",
        (r"{LPEGELN}={LPEGEL}+10\mlg {NQUELL}", "LPEGELN=LPEGEL+10*LG(NQUELL)"),
        (r"{LPEGEL}={LPEGELN}-10\mlg {NQUELL}", "LPEGEL=LPEGELN-10*LG(NQUELL)"),
        (r"{NQUELL}=10\u(({LPEGELN}-{LPEGEL})/10)", "NQUELL=10^((LPEGELN-LPEGEL)/10)"),
        ex=dict(LPEGEL=80, NQUELL=2), text="Zwei gleiche Maschinen mit je 80 dB laufen zugleich.")
formula("Schwebungsfrequenz",
        (r"{FSCHW}={FREQB}-{FREQA}", "FSCHW=FREQB-FREQA"),
        (r"{FREQB}={FREQA}+{FSCHW}", "FREQB=FREQA+FSCHW"),
        (r"{FREQA}={FREQB}-{FSCHW}", "FREQA=FREQB-FSCHW"),
        ex=dict(FREQA=440, FREQB=443), text="Zwei Stimmgabeln: f₂ ist die höhere Frequenz.")
formula("Entfernung aus der Laufzeit eines Echos",
        (r"{S}=\f({CPH}\m{T};2)", "S=CPH*T/2"),
        (r"{T}=\f(2\m{S};{CPH})", "T=2*S/CPH"),
        (r"{CPH}=\f(2\m{S};{T})", "CPH=2*S/T"),
        ex=dict(CPH=1482, T=0.08), text="Ein Echolot (Schall in Wasser: 1482 m/s) empfängt das Echo nach 80 ms.")

area("Optik")

topic("Reflexion und Brechung")
formula("Brewster-Winkel",
        (r"{BREWSTER}=arctan(\f({BZB};{BZA}))", "BREWSTER=GRAD(ARCTAN(BZB/BZA))"),
        (r"{BZB}={BZA}\mtan {BREWSTER}", "BZB=BZA*TAN(RAD(BREWSTER))"),
        (r"{BZA}=\f({BZB};tan {BREWSTER})", "BZA=BZB/TAN(RAD(BREWSTER))"),
        ex=dict(BZA=1, BZB=1.5), text="Licht fällt aus Luft (n₁ = 1) auf Glas (n₂ = 1,5).")
formula("Lichtlaufzeit",
        (r"{T}=\f({S};{C0})", "T=S/C0"),
        (r"{S}={C0}\m{T}", "S=C0*T"),
        ex=dict(S=1.496e11), text="Licht von der Sonne zur Erde (1,496·10¹¹ m).")

topic("Abbildung mit Spiegeln")
formula("Brennweite eines Hohlspiegels",
        (r"{FBR}=\f({RKRUEMM};2)", "FBR=RKRUEMM/2"),
        (r"{RKRUEMM}=2\m{FBR}", "RKRUEMM=2*FBR"),
        ex=dict(RKRUEMM=0.4), text="Ein Rasierspiegel mit 40 cm Krümmungsradius (achsennahe Strahlen).")
formula("Abbildungsgleichung für Hohlspiegel",
        (r"{BW}=\f({FBR}\m{GW};{GW}-{FBR})", "BW=FBR*GW/(GW-FBR)"),
        (r"{GW}=\f({FBR}\m{BW};{BW}-{FBR})", "GW=FBR*BW/(BW-FBR)"),
        (r"{FBR}=\f({GW}\m{BW};{GW}+{BW})", "FBR=GW*BW/(GW+BW)"),
        ex=dict(FBR=0.2, GW=0.6), text="Eine Kerze steht 60 cm vor einem Hohlspiegel mit 20 cm Brennweite; b > 0: reelles Bild vor dem Spiegel.")
formula("Abbildungsmaßstab beim Spiegel",
        (r"{BG}=\f({GG}\m{BW};{GW})", "BG=GG*BW/GW"),
        (r"{GG}=\f({BG}\m{GW};{BW})", "GG=BG*GW/BW"),
        (r"{GW}=\f({GG}\m{BW};{BG})", "GW=GG*BW/BG"),
        ex=dict(GG=0.05, BW=0.3, GW=0.6), text="Die 5 cm hohe Kerze 60 cm vor dem Hohlspiegel wird 30 cm vor ihm abgebildet.")

topic("Abbildung mit Linsen")
formula("Brechkraft zweier dicht beieinander stehender Linsen",
        (r"{DBR}={DBRA}+{DBRB}", "DBR=DBRA+DBRB"),
        (r"{DBRA}={DBR}-{DBRB}", "DBRA=DBR-DBRB"),
        (r"{DBRB}={DBR}-{DBRA}", "DBRB=DBR-DBRA"),
        ex=dict(DBRA=5, DBRB=-2), text="Eine Sammellinse (+5 dpt) und eine Zerstreuungslinse (−2 dpt).")
formula("Brennweite einer dünnen bikonvexen Linse",
        (r"{FBR}=\f(1;({BZ}-1)\m(1/{RLA}+1/{RLB}))", "FBR=1/((BZ-1)*(1/RLA+1/RLB))"),
        (r"{BZ}=1+\f(1;{FBR}\m(1/{RLA}+1/{RLB}))", "BZ=1+1/(FBR*(1/RLA+1/RLB))"),
        (r"{RLB}=\f(1;1/(({BZ}-1)\m{FBR})-1/{RLA})", "RLB=1/(1/((BZ-1)*FBR)-1/RLA)"),
        ex=dict(BZ=1.5, RLA=0.2, RLB=0.2), text="Eine Glaslinse (n = 1,5) mit zwei Krümmungsradien von je 20 cm, in Luft.")
formula("Vergrößerung eines Mikroskops",
        (r"{VGR}=\f({TUBUS}\m{SEHW};{FOBJ}\m{FOK})", "VGR=TUBUS*SEHW/(FOBJ*FOK)"),
        (r"{TUBUS}=\f({VGR}\m{FOBJ}\m{FOK};{SEHW})", "TUBUS=VGR*FOBJ*FOK/SEHW"),
        (r"{FOBJ}=\f({TUBUS}\m{SEHW};{VGR}\m{FOK})", "FOBJ=TUBUS*SEHW/(VGR*FOK)"),
        (r"{FOK}=\f({TUBUS}\m{SEHW};{VGR}\m{FOBJ})", "FOK=TUBUS*SEHW/(VGR*FOBJ)"),
        ex=dict(TUBUS=0.16, FOBJ=0.004, FOK=0.025), text="Optische Tubuslänge 160 mm, Objektiv 4 mm, Okular 25 mm Brennweite.")
formula("Vergrößerung eines Fernrohrs",
        (r"{VGR}=\f({FOBJ};{FOK})", "VGR=FOBJ/FOK"),
        (r"{FOBJ}={VGR}\m{FOK}", "FOBJ=VGR*FOK"),
        (r"{FOK}=\f({FOBJ};{VGR})", "FOK=FOBJ/VGR"),
        ex=dict(FOBJ=0.9, FOK=0.025), text="Ein Linsenfernrohr mit 900 mm Objektiv- und 25 mm Okularbrennweite.")

topic("Wellenoptik")
formula("Doppelspalt: Maxima",
        (r"{LAMBDA}=\f({SPALTD}\msin {BEUGW};{KORD})", "LAMBDA=SPALTD*SIN(RAD(BEUGW))/KORD"),
        (r"{BEUGW}=arcsin(\f({KORD}\m{LAMBDA};{SPALTD}))", "BEUGW=GRAD(ARCSIN(KORD*LAMBDA/SPALTD))"),
        (r"{SPALTD}=\f({KORD}\m{LAMBDA};sin {BEUGW})", "SPALTD=KORD*LAMBDA/SIN(RAD(BEUGW))"),
        ex=dict(SPALTD=2e-4, BEUGW=0.19, KORD=1), text="Rotes Licht am Doppelspalt (Spaltmitten 0,2 mm auseinander); erstes Maximum unter 0,19°.")
formula("Doppelspalt: Abstand der Maxima auf dem Schirm",
        (r"{XMAX}=\f({KORD}\m{LAMBDA}\m{SCHIRM};{SPALTD})", "XMAX=KORD*LAMBDA*SCHIRM/SPALTD"),
        (r"{LAMBDA}=\f({XMAX}\m{SPALTD};{KORD}\m{SCHIRM})", "LAMBDA=XMAX*SPALTD/(KORD*SCHIRM)"),
        (r"{SPALTD}=\f({KORD}\m{LAMBDA}\m{SCHIRM};{XMAX})", "SPALTD=KORD*LAMBDA*SCHIRM/XMAX"),
        (r"{SCHIRM}=\f({XMAX}\m{SPALTD};{KORD}\m{LAMBDA})", "SCHIRM=XMAX*SPALTD/(KORD*LAMBDA)"),
        ex=dict(KORD=1, LAMBDA=6.33e-7, SCHIRM=2, SPALTD=2e-4),
        text="Rotes Laserlicht (633 nm), Spaltmitten 0,2 mm auseinander, Schirm in 2 m Abstand (kleine Winkel).")
formula("Einzelspalt: Minima",
        (r"{LAMBDA}=\f({SPALTB}\msin {MINW};{KORD})", "LAMBDA=SPALTB*SIN(RAD(MINW))/KORD"),
        (r"{MINW}=arcsin(\f({KORD}\m{LAMBDA};{SPALTB}))", "MINW=GRAD(ARCSIN(KORD*LAMBDA/SPALTB))"),
        (r"{SPALTB}=\f({KORD}\m{LAMBDA};sin {MINW})", "SPALTB=KORD*LAMBDA/SIN(RAD(MINW))"),
        ex=dict(SPALTB=5e-5, MINW=0.7, KORD=1), text="Licht an einem 0,05 mm breiten Spalt; erstes Minimum unter 0,7°.")
formula("Auflösungsgrenze einer kreisrunden Öffnung",
        (r"{AUFLW}=arcsin(1,22\m\f({LAMBDA};{OEFFN}))", "AUFLW=GRAD(ARCSIN(1,22*LAMBDA/OEFFN))"),
        (r"{OEFFN}=\f(1,22\m{LAMBDA};sin {AUFLW})", "OEFFN=1,22*LAMBDA/SIN(RAD(AUFLW))"),
        (r"{LAMBDA}=\f({OEFFN}\msin {AUFLW};1,22)", "LAMBDA=OEFFN*SIN(RAD(AUFLW))/1,22"),
        ex=dict(LAMBDA=5.5e-7, OEFFN=0.003), text="Das menschliche Auge (Pupille 3 mm) bei grünem Licht (550 nm).")

topic("Lichttechnik")
formula("Beleuchtungsstärke einer punktförmigen Lichtquelle",
        (r"{BELEUCHT}=\f({LICHTST};{ABSTAND}\u(2))", "BELEUCHT=LICHTST/ABSTAND^2"),
        (r"{LICHTST}={BELEUCHT}\m{ABSTAND}\u(2)", "LICHTST=BELEUCHT*ABSTAND^2"),
        (r"{ABSTAND}=\w(\f({LICHTST};{BELEUCHT}))", "ABSTAND=SQRT(LICHTST/BELEUCHT)"),
        ex=dict(LICHTST=100, ABSTAND=2), text="Eine Lampe mit 100 cd leuchtet senkrecht auf eine Fläche in 2 m Abstand.")
formula("Beleuchtungsstärke bei schrägem Lichteinfall",
        (r"{BELEUCHT}=\f({LICHTST}\mcos {EINFALL};{ABSTAND}\u(2))", "BELEUCHT=LICHTST*COS(RAD(EINFALL))/ABSTAND^2"),
        (r"{LICHTST}=\f({BELEUCHT}\m{ABSTAND}\u(2);cos {EINFALL})", "LICHTST=BELEUCHT*ABSTAND^2/COS(RAD(EINFALL))"),
        (r"{EINFALL}=arccos(\f({BELEUCHT}\m{ABSTAND}\u(2);{LICHTST}))", "EINFALL=GRAD(ARCCOS(BELEUCHT*ABSTAND^2/LICHTST))"),
        ex=dict(LICHTST=100, EINFALL=30, ABSTAND=2), text="α ist der Winkel zwischen Lichtstrahl und Flächennormale.")
