"""Atom- und Kernphysik: Wasserstoffniveaus, Röntgenstrahlung, Bragg,
Absorption, Aktivität, Strahlenschutz, Kerne; Relativitätstheorie."""
from .catalog import area, topic, formula

area("Atom- und Kernphysik")

topic("Photonen und Materiewellen")
formula("De-Broglie-Wellenlänge eines Elektrons nach der Spannung U",
        (r"{LAMBDA}=\f({HPL};\r(2\m{ME}\m{QE}\m{VBESCHL}))", "LAMBDA=HPL/SQRT(2*ME*QE*VBESCHL)"),
        (r"{VBESCHL}=\f({HPL}\u(2);2\m{ME}\m{QE}\m{LAMBDA}\u(2))", "VBESCHL=HPL^2/(2*ME*QE*LAMBDA^2)"),
        ex=dict(VBESCHL=100), text="Ein Elektron wird mit 100 V beschleunigt (nicht relativistisch).")
formula("Unschärferelation (kleinstes Produkt)",
        (r"{DPIMP}=\f({HPL};4\m\c(p)\m{DXORT})", "DPIMP=HPL/(4*π*DXORT)"),
        (r"{DXORT}=\f({HPL};4\m\c(p)\m{DPIMP})", "DXORT=HPL/(4*π*DPIMP)"),
        ex=dict(DXORT=1e-10), text="Ein Elektron ist auf einen Atomdurchmesser (10⁻¹⁰ m) festgelegt: Δx·Δp ≥ h/(4π).")

topic("Atomhülle")
formula("Energieniveaus des Wasserstoffatoms",
        (r"{WN}=-\f({RYD}\m{HPL}\m{C0};{NHQ}\u(2))", "WN=-RYD*HPL*C0/NHQ^2"),
        (r"{NHQ}=\w(-\f({RYD}\m{HPL}\m{C0};{WN}))", "NHQ=SQRT(-RYD*HPL*C0/WN)"),
        ex=dict(NHQ=2), text="Energie des Elektrons im Zustand n = 2, bezogen auf das freie Elektron (Kernmitbewegung vernachlässigt).")
formula("Photonenenergie beim Übergang im Wasserstoffatom",
        (r"{WPH}={RYD}\m{HPL}\m{C0}\m(\f(1;{MQ}\u(2))-\f(1;{NQ}\u(2)))", "WPH=RYD*HPL*C0*(1/MQ^2-1/NQ^2)"),
        (r"{NQ}=\f(1;\r(1/{MQ}\u(2)-{WPH}/({RYD}\m{HPL}\m{C0})))", "NQ=1/SQRT(1/MQ^2-WPH/(RYD*HPL*C0))"),
        ex=dict(MQ=1, NQ=2), text="Übergang von n = 2 nach m = 1 (Lyman-α, ultraviolett).")
formula("Bahnradius im Bohrschen Atommodell",
        (r"{RADIUS}=\f({EPS0}\m{HPL}\u(2)\m{NHQ}\u(2);\c(p)\m{ME}\m{QE}\u(2))", "RADIUS=EPS0*HPL^2*NHQ^2/(π*ME*QE^2)"),
        (r"{NHQ}=\w(\f(\c(p)\m{ME}\m{QE}\u(2)\m{RADIUS};{EPS0}\m{HPL}\u(2)))", "NHQ=SQRT(π*ME*QE^2*RADIUS/(EPS0*HPL^2))"),
        ex=dict(NHQ=1), text="Der Radius der innersten Bahn (n = 1) ist der Bohrsche Radius.")

topic("Röntgenstrahlung")
formula("Kurzwellige Grenze der Röntgenbremsstrahlung",
        (r"{LMIN}=\f({HPL}\m{C0};{QE}\m{U})", "LMIN=HPL*C0/(QE*U)"),
        (r"{U}=\f({HPL}\m{C0};{QE}\m{LMIN})", "U=HPL*C0/(QE*LMIN)"),
        ex=dict(U=30000), text="Eine Röntgenröhre wird mit 30 kV betrieben.")
formula("Bragg-Bedingung",
        (r"{LAMBDA}=\f(2\m{NETZ}\msin {GLANZ};{KORD})", "LAMBDA=2*NETZ*SIN(RAD(GLANZ))/KORD"),
        (r"{NETZ}=\f({KORD}\m{LAMBDA};2\msin {GLANZ})", "NETZ=KORD*LAMBDA/(2*SIN(RAD(GLANZ)))"),
        (r"{GLANZ}=arcsin(\f({KORD}\m{LAMBDA};2\m{NETZ}))", "GLANZ=GRAD(ARCSIN(KORD*LAMBDA/(2*NETZ)))"),
        (r"{KORD}=\f(2\m{NETZ}\msin {GLANZ};{LAMBDA})", "KORD=2*NETZ*SIN(RAD(GLANZ))/LAMBDA"),
        ex=dict(NETZ=2.82e-10, GLANZ=15.86, KORD=1), text="Röntgenlicht an einem Kochsalzkristall (Netzebenenabstand 282 pm), erste Ordnung unter 15,86°.")
formula("Schwächung von Strahlung in Materie",
        (r"{IST}={IST0}\me\u(-{MUABS}\m{SCHICHT})", "IST=IST0*EXP(-MUABS*SCHICHT)"),
        (r"{IST0}={IST}\me\u({MUABS}\m{SCHICHT})", "IST0=IST*EXP(MUABS*SCHICHT)"),
        (r"{MUABS}=\f(ln({IST0}/{IST});{SCHICHT})", "MUABS=LN(IST0/IST)/SCHICHT"),
        (r"{SCHICHT}=\f(ln({IST0}/{IST});{MUABS})", "SCHICHT=LN(IST0/IST)/MUABS"),
        ex=dict(IST0=1, MUABS=120, SCHICHT=0.01), text="Gammastrahlung durchdringt 1 cm Blei (μ = 1,2 1/cm).")
formula("Halbwertsdicke und Schwächungskoeffizient",
        (r"{DHALB}=\f(ln 2;{MUABS})", "DHALB=LN(2)/MUABS"),
        (r"{MUABS}=\f(ln 2;{DHALB})", "MUABS=LN(2)/DHALB"),
        ex=dict(MUABS=120))
formula("Schwächung mit der Halbwertsdicke",
        (r"{IST}={IST0}\m2\u(-{SCHICHT}/{DHALB})", "IST=IST0*2^(-SCHICHT/DHALB)"),
        (r"{SCHICHT}={DHALB}\m\f(ln({IST0}/{IST});ln 2)", "SCHICHT=DHALB*LN(IST0/IST)/LN(2)"),
        (r"{DHALB}=\f({SCHICHT}\mln 2;ln({IST0}/{IST}))", "DHALB=SCHICHT*LN(2)/LN(IST0/IST)"),
        ex=dict(IST0=1, SCHICHT=0.03, DHALB=0.01))

topic("Radioaktivität")
formula("Abnahme der Aktivität",
        (r"{AKT}={AKT0}\me\u(-{LZ}\m{T})", "AKT=AKT0*EXP(-LZ*T)"),
        (r"{AKT0}={AKT}\me\u({LZ}\m{T})", "AKT0=AKT*EXP(LZ*T)"),
        (r"{LZ}=\f(ln({AKT0}/{AKT});{T})", "LZ=LN(AKT0/AKT)/T"),
        (r"{T}=\f(ln({AKT0}/{AKT});{LZ})", "T=LN(AKT0/AKT)/LZ"),
        ex=dict(AKT0=4e5, LZ=1.0027e-6, T=1728000))
formula("Abnahme der Aktivität mit der Halbwertszeit",
        (r"{AKT}={AKT0}\m2\u(-{T}/{THALB})", "AKT=AKT0*2^(-T/THALB)"),
        (r"{AKT0}={AKT}\m2\u({T}/{THALB})", "AKT0=AKT*2^(T/THALB)"),
        (r"{T}={THALB}\m\f(ln({AKT0}/{AKT});ln 2)", "T=THALB*LN(AKT0/AKT)/LN(2)"),
        (r"{THALB}=\f({T}\mln 2;ln({AKT0}/{AKT}))", "THALB=T*LN(2)/LN(AKT0/AKT)"),
        ex=dict(AKT0=4e5, T=1728000, THALB=691200), text="Eine Iod-131-Probe (Halbwertszeit 8 Tage) hat anfangs 400 kBq; Aktivität nach 20 Tagen.")
formula("Mittlere Lebensdauer",
        (r"{TAUL}=\f(1;{LZ})", "TAUL=1/LZ"),
        (r"{LZ}=\f(1;{TAUL})", "LZ=1/TAUL"),
        ex=dict(LZ=1.0027e-6))
formula("Aktivität einer Probe aus ihrer Masse",
        (r"{AKT}=\f(ln 2\m{M}\m{NA};{THALB}\m{MMOL})", "AKT=LN(2)*M*NA/(THALB*MMOL)"),
        (r"{M}=\f({AKT}\m{THALB}\m{MMOL};ln 2\m{NA})", "M=AKT*THALB*MMOL/(LN(2)*NA)"),
        (r"{THALB}=\f(ln 2\m{M}\m{NA};{AKT}\m{MMOL})", "THALB=LN(2)*M*NA/(AKT*MMOL)"),
        ex=dict(M=0.001, THALB=5.0487e10, MMOL=0.226), text="1 g Radium-226 (Halbwertszeit 1600 Jahre, 226 g/mol).")

topic("Kernbindung und Strahlenschutz")
formula("Nukleonenzahl",
        (r"{ANUK}={ZP}+{NN}", "ANUK=ZP+NN"),
        (r"{ZP}={ANUK}-{NN}", "ZP=ANUK-NN"),
        (r"{NN}={ANUK}-{ZP}", "NN=ANUK-ZP"),
        ex=dict(ZP=92, NN=146), text="Uran-238.")
formula("Kernradius",
        (r"{RKERN}={R0KERN}\m\u(3)\r({ANUK})", "RKERN=R0KERN*ANUK^(1/3)"),
        (r"{ANUK}=(\f({RKERN};{R0KERN}))\u(3)", "ANUK=(RKERN/R0KERN)^3"),
        ex=dict(ANUK=238), text="Radius eines Uran-238-Kerns (Erfahrungswert r₀ ≈ 1,2 fm).")
formula("Bindungsenergie je Nukleon",
        (r"{WBN}=\f({WB};{ANUK})", "WBN=WB/ANUK"),
        (r"{WB}={WBN}\m{ANUK}", "WB=WBN*ANUK"),
        (r"{ANUK}=\f({WB};{WBN})", "ANUK=WB/WBN"),
        ex=dict(WB=4.5334e-12, ANUK=4), text="Helium-4 hat die Bindungsenergie 28,3 MeV (4,5334·10⁻¹² J).")
formula("Äquivalentdosis aus der Dosisleistung",
        (r"{HDOSIS}={HRATE}\m{T}", "HDOSIS=HRATE*T"),
        (r"{HRATE}=\f({HDOSIS};{T})", "HRATE=HDOSIS/T"),
        (r"{T}=\f({HDOSIS};{HRATE})", "T=HDOSIS/HRATE"),
        ex=dict(HRATE=2.7778e-10, T=28800), text="Acht Stunden Aufenthalt bei 1 µSv/h.")
formula("Abstandsgesetz für die Dosisleistung",
        (r"{HRATEB}={HRATEA}\m\f({ABSTANDA}\u(2);{ABSTANDB}\u(2))", "HRATEB=HRATEA*ABSTANDA^2/ABSTANDB^2"),
        (r"{HRATEA}={HRATEB}\m\f({ABSTANDB}\u(2);{ABSTANDA}\u(2))", "HRATEA=HRATEB*ABSTANDB^2/ABSTANDA^2"),
        (r"{ABSTANDB}={ABSTANDA}\m\w(\f({HRATEA};{HRATEB}))", "ABSTANDB=ABSTANDA*SQRT(HRATEA/HRATEB)"),
        (r"{ABSTANDA}={ABSTANDB}\m\w(\f({HRATEB};{HRATEA}))", "ABSTANDA=ABSTANDB*SQRT(HRATEB/HRATEA)"),
        ex=dict(HRATEA=2.7778e-8, ABSTANDA=1, ABSTANDB=3), text="Eine punktförmige Quelle erzeugt in 1 m Abstand 100 µSv/h (ohne Abschirmung).")

area("Relativitätstheorie")

topic("Raum und Zeit")
formula("Lorentzfaktor",
        (r"{GAMMAL}=\f(1;\r(1-{V}\u(2)/{C0}\u(2)))", "GAMMAL=1/SQRT(1-V^2/C0^2)"),
        (r"{V}={C0}\m\r(1-1/{GAMMAL}\u(2))", "V=C0*SQRT(1-1/GAMMAL^2)"),
        ex=dict(V=2.4e8), text="Ein Teilchen fliegt mit 80 % der Lichtgeschwindigkeit.")
formula("Zeitdilatation",
        (r"{DT}=\f({DT0};\r(1-{V}\u(2)/{C0}\u(2)))", "DT=DT0/SQRT(1-V^2/C0^2)"),
        (r"{DT0}={DT}\m\r(1-{V}\u(2)/{C0}\u(2))", "DT0=DT*SQRT(1-V^2/C0^2)"),
        (r"{V}={C0}\m\r(1-({DT0}/{DT})\u(2))", "V=C0*SQRT(1-(DT0/DT)^2)"),
        ex=dict(DT0=2.2e-6, V=2.7e8), text="Myonen (Eigenlebensdauer 2,2 µs) fliegen mit 90 % der Lichtgeschwindigkeit; Δt ist die im Ruhesystem gemessene Zeit.")
formula("Längenkontraktion",
        (r"{LAENGE}={LRUHE}\m\r(1-{V}\u(2)/{C0}\u(2))", "LAENGE=LRUHE*SQRT(1-V^2/C0^2)"),
        (r"{LRUHE}=\f({LAENGE};\r(1-{V}\u(2)/{C0}\u(2)))", "LRUHE=LAENGE/SQRT(1-V^2/C0^2)"),
        (r"{V}={C0}\m\r(1-({LAENGE}/{LRUHE})\u(2))", "V=C0*SQRT(1-(LAENGE/LRUHE)^2)"),
        ex=dict(LRUHE=100, V=2.4e8), text="Ein 100 m langes Raumschiff fliegt mit 80 % der Lichtgeschwindigkeit an einem Beobachter vorbei.")
formula("Relativistische Addition von Geschwindigkeiten",
        (r"{VRES}=\f({VA}+{VB};1+{VA}\m{VB}/{C0}\u(2))", "VRES=(VA+VB)/(1+VA*VB/C0^2)"),
        (r"{VB}=\f({VRES}-{VA};1-{VRES}\m{VA}/{C0}\u(2))", "VB=(VRES-VA)/(1-VRES*VA/C0^2)"),
        ex=dict(VA=1.8e8, VB=1.8e8), text="Ein Raumschiff (0,6 c) schießt eine Sonde mit 0,6 c relativ zu sich nach vorn.")

topic("Masse, Impuls und Energie")
formula("Relativistischer Impuls",
        (r"{IMPULS}=\f({M0}\m{V};\r(1-{V}\u(2)/{C0}\u(2)))", "IMPULS=M0*V/SQRT(1-V^2/C0^2)"),
        (r"{M0}=\f({IMPULS}\m\r(1-{V}\u(2)/{C0}\u(2));{V})", "M0=IMPULS*SQRT(1-V^2/C0^2)/V"),
        (r"{V}=\f({IMPULS};\r({M0}\u(2)+{IMPULS}\u(2)/{C0}\u(2)))", "V=IMPULS/SQRT(M0^2+IMPULS^2/C0^2)"),
        ex=dict(M0=9.1093837015e-31, V=2.4e8), text="Ein Elektron fliegt mit 80 % der Lichtgeschwindigkeit.")
formula("Relativistische Gesamtenergie",
        (r"{EGES}=\f({M0}\m{C0}\u(2);\r(1-{V}\u(2)/{C0}\u(2)))", "EGES=M0*C0^2/SQRT(1-V^2/C0^2)"),
        (r"{M0}=\f({EGES}\m\r(1-{V}\u(2)/{C0}\u(2));{C0}\u(2))", "M0=EGES*SQRT(1-V^2/C0^2)/C0^2"),
        (r"{V}={C0}\m\r(1-({M0}\m{C0}\u(2)/{EGES})\u(2))", "V=C0*SQRT(1-(M0*C0^2/EGES)^2)"),
        ex=dict(M0=1.67262192369e-27, V=2.4e8), text="Ein Proton fliegt mit 80 % der Lichtgeschwindigkeit.")
formula("Relativistische kinetische Energie",
        (r"{WKIN}={M0}\m{C0}\u(2)\m(\f(1;\r(1-{V}\u(2)/{C0}\u(2)))-1)", "WKIN=M0*C0^2*(1/SQRT(1-V^2/C0^2)-1)"),
        (r"{V}={C0}\m\w(1-(\f({M0}\m{C0}\u(2);{WKIN}+{M0}\m{C0}\u(2)))\u(2))", "V=C0*SQRT(1-(M0*C0^2/(WKIN+M0*C0^2))^2)"),
        (r"{M0}=\f({WKIN};{C0}\u(2)\m(1/\r(1-{V}\u(2)/{C0}\u(2))-1))", "M0=WKIN/(C0^2*(1/SQRT(1-V^2/C0^2)-1))"),
        ex=dict(M0=9.1093837015e-31, V=2.4e8))
formula("Energie-Impuls-Beziehung",
        (r"{EGES}=\r(({IMPULS}\m{C0})\u(2)+({M0}\m{C0}\u(2))\u(2))", "EGES=SQRT((IMPULS*C0)^2+(M0*C0^2)^2)"),
        (r"{IMPULS}=\f(\r({EGES}\u(2)-({M0}\m{C0}\u(2))\u(2));{C0})", "IMPULS=SQRT(EGES^2-(M0*C0^2)^2)/C0"),
        (r"{M0}=\f(\r({EGES}\u(2)-({IMPULS}\m{C0})\u(2));{C0}\u(2))", "M0=SQRT(EGES^2-(IMPULS*C0)^2)/C0^2"),
        ex=dict(IMPULS=3.6e-22, M0=9.1093837015e-31))
formula("Relativistischer Dopplereffekt (Quelle entfernt sich)",
        (r"{FBEO}={FREQ0}\m\w(\f({C0}-{V};{C0}+{V}))", "FBEO=FREQ0*SQRT((C0-V)/(C0+V))"),
        (r"{FREQ0}={FBEO}\m\w(\f({C0}+{V};{C0}-{V}))", "FREQ0=FBEO*SQRT((C0+V)/(C0-V))"),
        (r"{V}={C0}\m\f({FREQ0}\u(2)-{FBEO}\u(2);{FREQ0}\u(2)+{FBEO}\u(2))", "V=C0*(FREQ0^2-FBEO^2)/(FREQ0^2+FBEO^2)"),
        ex=dict(FREQ0=4.57e14, V=3e7), text="Eine Galaxie entfernt sich mit 30 000 km/s; die rote Hα-Linie (4,57·10¹⁴ Hz) kommt tiefer an.")
