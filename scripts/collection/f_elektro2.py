"""Elektrizitätslehre: weitere Formeln (Leitwert, Stromdichte, Schaltungen,
Messbereichserweiterung, RC- und RL-Glied, Felder von Punktladung und
Leiter, Induktion, Wechselstromleistung, Drehstrom)."""
from .catalog import area, topic, formula

area("Elektrizitätslehre")

topic("Stromkreis")
formula("Elektrischer Leitwert",
        (r"{LEITW}=\f(1;{R})", "LEITW=1/R"),
        (r"{R}=\f(1;{LEITW})", "R=1/LEITW"),
        ex=dict(R=47))
formula("Stromdichte",
        (r"{STROMD}=\f({I};{FL})", "STROMD=I/FL"),
        (r"{I}={STROMD}\m{FL}", "I=STROMD*FL"),
        (r"{FL}=\f({I};{STROMD})", "FL=I/STROMD"),
        ex=dict(I=16, FL=1.5e-6), text="Eine Leitung mit 1,5 mm² Querschnitt führt 16 A.")
formula("Leitfähigkeit und spezifischer Widerstand",
        (r"{GAMMAEL}=\f(1;{RHOEL})", "GAMMAEL=1/RHOEL"),
        (r"{RHOEL}=\f(1;{GAMMAEL})", "RHOEL=1/GAMMAEL"),
        ex=dict(RHOEL=1.68e-8), text="Kupfer hat bei 20 °C den spezifischen Widerstand 1,68·10⁻⁸ Ω·m.")
formula("Energie einer Ladung nach Durchlaufen der Spannung U",
        (r"{W}={QPART}\m{U}", "W=QPART*U"),
        (r"{QPART}=\f({W};{U})", "QPART=W/U"),
        (r"{U}=\f({W};{QPART})", "U=W/QPART"),
        ex=dict(QPART=3.204353268e-19, U=5000), text="Ein zweifach geladenes Ion (q = 2e) durchläuft 5 kV.")
formula("Elektronengeschwindigkeit nach der Beschleunigungsspannung",
        (r"{V}=\w(\f(2\m{QE}\m{VBESCHL};{ME}))", "V=SQRT(2*QE*VBESCHL/ME)"),
        (r"{VBESCHL}=\f({ME}\m{V}\u(2);2\m{QE})", "VBESCHL=ME*V^2/(2*QE)"),
        ex=dict(VBESCHL=100), text="Ein Elektron wird aus der Ruhe mit 100 V beschleunigt (nicht relativistisch).")

topic("Schaltungen")
formula("Reihenschaltung dreier Widerstände",
        (r"{R}={RA}+{RB}+{RDREI}", "R=RA+RB+RDREI"),
        (r"{RA}={R}-{RB}-{RDREI}", "RA=R-RB-RDREI"),
        (r"{RB}={R}-{RA}-{RDREI}", "RB=R-RA-RDREI"),
        (r"{RDREI}={R}-{RA}-{RB}", "RDREI=R-RA-RB"),
        ex=dict(RA=100, RB=220, RDREI=470))
formula("Parallelschaltung dreier Widerstände",
        (r"{R}=\f(1;1/{RA}+1/{RB}+1/{RDREI})", "R=1/(1/RA+1/RB+1/RDREI)"),
        (r"{RA}=\f(1;1/{R}-1/{RB}-1/{RDREI})", "RA=1/(1/R-1/RB-1/RDREI)"),
        (r"{RB}=\f(1;1/{R}-1/{RA}-1/{RDREI})", "RB=1/(1/R-1/RA-1/RDREI)"),
        (r"{RDREI}=\f(1;1/{R}-1/{RA}-1/{RB})", "RDREI=1/(1/R-1/RA-1/RB)"),
        ex=dict(RA=100, RB=220, RDREI=470))
formula("Reihenschaltung: Gesamtspannung (Maschenregel)",
        (r"{U}={UA}+{UB}", "U=UA+UB"),
        (r"{UA}={U}-{UB}", "UA=U-UB"),
        (r"{UB}={U}-{UA}", "UB=U-UA"),
        ex=dict(UA=4.5, UB=7.5))
formula("Parallelschaltung: Gesamtstromstärke (Knotenregel)",
        (r"{I}={IA}+{IB}", "I=IA+IB"),
        (r"{IA}={I}-{IB}", "IA=I-IB"),
        (r"{IB}={I}-{IA}", "IB=I-IA"),
        ex=dict(IA=0.2, IB=0.35))
formula("Stromteiler: Strom durch Widerstand 1",
        (r"{IA}=\f({I}\m{RB};{RA}+{RB})", "IA=I*RB/(RA+RB)"),
        (r"{I}=\f({IA}\m({RA}+{RB});{RB})", "I=IA*(RA+RB)/RB"),
        (r"{RA}=\f({RB}\m({I}-{IA});{IA})", "RA=RB*(I-IA)/IA"),
        (r"{RB}=\f({RA}\m{IA};{I}-{IA})", "RB=RA*IA/(I-IA)"),
        ex=dict(I=0.5, RA=100, RB=220))
formula("Belasteter Spannungsteiler",
        (r"{UB}=\f({U}\m{RB}\m{RL};{RA}\m({RB}+{RL})+{RB}\m{RL})", "UB=U*RB*RL/(RA*(RB+RL)+RB*RL)"),
        (r"{U}=\f({UB}\m({RA}\m({RB}+{RL})+{RB}\m{RL});{RB}\m{RL})", "U=UB*(RA*(RB+RL)+RB*RL)/(RB*RL)"),
        (r"{RL}=\f({UB}\m{RA}\m{RB};{RB}\m({U}-{UB})-{UB}\m{RA})", "RL=UB*RA*RB/(RB*(U-UB)-UB*RA)"),
        ex=dict(U=12, RA=1000, RB=470, RL=1000), grafik="spannungsteiler.bmp",
        text="Der Spannungsteiler (1 kΩ und 470 Ω an 12 V) wird mit 1 kΩ parallel zu R₂ belastet.")
formula("Vorwiderstand zur Messbereichserweiterung",
        (r"{RV}=\f({U}-{UM};{IM})", "RV=(U-UM)/IM"),
        (r"{U}={UM}+{RV}\m{IM}", "U=UM+RV*IM"),
        (r"{UM}={U}-{RV}\m{IM}", "UM=U-RV*IM"),
        (r"{IM}=\f({U}-{UM};{RV})", "IM=(U-UM)/RV"),
        ex=dict(U=10, UM=0.1, IM=0.001), text="Ein Messwerk (100 mV, 1 mA bei Vollausschlag) soll bis 10 V messen.")
formula("Nebenwiderstand zur Messbereichserweiterung",
        (r"{RN}=\f({RMESS}\m{IM};{I}-{IM})", "RN=RMESS*IM/(I-IM)"),
        (r"{I}={IM}\m(1+\f({RMESS};{RN}))", "I=IM*(1+RMESS/RN)"),
        (r"{RMESS}=\f({RN}\m({I}-{IM});{IM})", "RMESS=RN*(I-IM)/IM"),
        (r"{IM}=\f({I}\m{RN};{RN}+{RMESS})", "IM=I*RN/(RN+RMESS)"),
        ex=dict(RMESS=100, IM=0.001, I=1), text="Ein Messwerk (100 Ω, 1 mA bei Vollausschlag) soll bis 1 A messen.")
formula("Kurzschlussstrom einer Spannungsquelle",
        (r"{IK}=\f({U0};{RI})", "IK=U0/RI"),
        (r"{U0}={IK}\m{RI}", "U0=IK*RI"),
        (r"{RI}=\f({U0};{IK})", "RI=U0/IK"),
        ex=dict(U0=4.5, RI=0.6))
formula("Leistungsanpassung: höchste Leistung bei RL = Ri",
        (r"{PMAX}=\f({U0}\u(2);4\m{RI})", "PMAX=U0^2/(4*RI)"),
        (r"{U0}=\r(4\m{PMAX}\m{RI})", "U0=SQRT(4*PMAX*RI)"),
        (r"{RI}=\f({U0}\u(2);4\m{PMAX})", "RI=U0^2/(4*PMAX)"),
        ex=dict(U0=4.5, RI=0.6))
formula("Abgeglichene Wheatstone-Brücke",
        (r"{RX}=\f({RB}\m{RDREI};{RVIER})", "RX=RB*RDREI/RVIER"),
        (r"{RB}=\f({RX}\m{RVIER};{RDREI})", "RB=RX*RVIER/RDREI"),
        (r"{RDREI}=\f({RX}\m{RVIER};{RB})", "RDREI=RX*RVIER/RB"),
        (r"{RVIER}=\f({RB}\m{RDREI};{RX})", "RVIER=RB*RDREI/RX"),
        ex=dict(RB=100, RDREI=330, RVIER=150), text="Die Brücke ist abgeglichen (kein Strom durch das Messgerät in der Brückendiagonale).")

topic("Kondensator und Spule im Gleichstromkreis")
formula("Zeitkonstante eines RC-Glieds",
        (r"{TAUZ}={R}\m{C}", "TAUZ=R*C"),
        (r"{R}=\f({TAUZ};{C})", "R=TAUZ/C"),
        (r"{C}=\f({TAUZ};{R})", "C=TAUZ/R"),
        ex=dict(R=10000, C=1e-4), text="Ein Kondensator von 100 µF wird über 10 kΩ geladen.")
formula("Aufladen eines Kondensators: Spannung",
        (r"{UC}={U0}\m(1-e\u(-{T}/({R}\m{C})))", "UC=U0*(1-EXP(-T/(R*C)))"),
        (r"{T}={R}\m{C}\mln \f({U0};{U0}-{UC})", "T=R*C*LN(U0/(U0-UC))"),
        (r"{U0}=\f({UC};1-e\u(-{T}/({R}\m{C})))", "U0=UC/(1-EXP(-T/(R*C)))"),
        (r"{R}=\f({T};{C}\mln({U0}/({U0}-{UC})))", "R=T/(C*LN(U0/(U0-UC)))"),
        (r"{C}=\f({T};{R}\mln({U0}/({U0}-{UC})))", "C=T/(R*LN(U0/(U0-UC)))"),
        ex=dict(U0=12, T=1, R=10000, C=1e-4), text="Ein leerer Kondensator (100 µF) wird über 10 kΩ an 12 V geladen; Spannung nach 1 s.")
formula("Entladen eines Kondensators: Spannung",
        (r"{UC}={U0}\me\u(-{T}/({R}\m{C}))", "UC=U0*EXP(-T/(R*C))"),
        (r"{T}={R}\m{C}\mln \f({U0};{UC})", "T=R*C*LN(U0/UC)"),
        (r"{U0}={UC}\me\u({T}/({R}\m{C}))", "U0=UC*EXP(T/(R*C))"),
        (r"{R}=\f({T};{C}\mln({U0}/{UC}))", "R=T/(C*LN(U0/UC))"),
        (r"{C}=\f({T};{R}\mln({U0}/{UC}))", "C=T/(R*LN(U0/UC))"),
        ex=dict(U0=12, T=1, R=10000, C=1e-4), text="Ein auf 12 V geladener Kondensator (100 µF) entlädt sich über 10 kΩ; U₀ ist die Anfangsspannung.")
formula("Laden oder Entladen eines Kondensators: Stromstärke",
        (r"{ISTROMT}={I0}\me\u(-{T}/({R}\m{C}))", "ISTROMT=I0*EXP(-T/(R*C))"),
        (r"{I0}={ISTROMT}\me\u({T}/({R}\m{C}))", "I0=ISTROMT*EXP(T/(R*C))"),
        (r"{T}={R}\m{C}\mln \f({I0};{ISTROMT})", "T=R*C*LN(I0/ISTROMT)"),
        ex=dict(I0=0.0012, T=1, R=10000, C=1e-4), text="Beim Laden über 10 kΩ an 12 V beginnt der Strom mit 1,2 mA (Betrag).")
formula("Zeitkonstante eines RL-Glieds",
        (r"{TAUZ}=\f({L};{R})", "TAUZ=L/R"),
        (r"{L}={TAUZ}\m{R}", "L=TAUZ*R"),
        (r"{R}=\f({L};{TAUZ})", "R=L/TAUZ"),
        ex=dict(L=0.5, R=50))
formula("Einschalten einer Spule: Stromstärke",
        (r"{ISTROMT}={IEND}\m(1-e\u(-{R}\m{T}/{L}))", "ISTROMT=IEND*(1-EXP(-R*T/L))"),
        (r"{T}=\f({L};{R})\mln \f({IEND};{IEND}-{ISTROMT})", "T=L/R*LN(IEND/(IEND-ISTROMT))"),
        (r"{IEND}=\f({ISTROMT};1-e\u(-{R}\m{T}/{L}))", "IEND=ISTROMT/(1-EXP(-R*T/L))"),
        ex=dict(IEND=0.24, R=50, T=0.01, L=0.5), text="Eine Spule (0,5 H, 50 Ω) wird an 12 V gelegt; der Endstrom ist 0,24 A.")
formula("Selbstinduktionsspannung (Betrag)",
        (r"{UIND}={L}\m\f({DI};{DT})", "UIND=L*DI/DT"),
        (r"{L}=\f({UIND}\m{DT};{DI})", "L=UIND*DT/DI"),
        (r"{DI}=\f({UIND}\m{DT};{L})", "DI=UIND*DT/L"),
        (r"{DT}=\f({L}\m{DI};{UIND})", "DT=L*DI/UIND"),
        ex=dict(L=0.5, DI=0.24, DT=0.002), text="Der Strom von 0,24 A durch eine Spule (0,5 H) wird in 2 ms abgeschaltet.")

topic("Elektrisches Feld")
formula("Feldstärke einer Punktladung",
        (r"{EFELD}=\f({Q};4\m\c(p)\m{EPS0}\m{ABSTAND}\u(2))", "EFELD=Q/(4*π*EPS0*ABSTAND^2)"),
        (r"{Q}=4\m\c(p)\m{EPS0}\m{ABSTAND}\u(2)\m{EFELD}", "Q=4*π*EPS0*ABSTAND^2*EFELD"),
        (r"{ABSTAND}=\w(\f({Q};4\m\c(p)\m{EPS0}\m{EFELD}))", "ABSTAND=SQRT(Q/(4*π*EPS0*EFELD))"),
        ex=dict(Q=1e-8, ABSTAND=0.1), text="Eine Kugel trägt 10 nC; Feldstärke 10 cm vom Mittelpunkt (im Vakuum).")
formula("Potential einer Punktladung",
        (r"{PHIEL}=\f({Q};4\m\c(p)\m{EPS0}\m{ABSTAND})", "PHIEL=Q/(4*π*EPS0*ABSTAND)"),
        (r"{Q}=4\m\c(p)\m{EPS0}\m{ABSTAND}\m{PHIEL}", "Q=4*π*EPS0*ABSTAND*PHIEL"),
        (r"{ABSTAND}=\f({Q};4\m\c(p)\m{EPS0}\m{PHIEL})", "ABSTAND=Q/(4*π*EPS0*PHIEL)"),
        ex=dict(Q=1e-8, ABSTAND=0.1), text="Potential 10 cm vom Mittelpunkt einer mit 10 nC geladenen Kugel (Bezug im Unendlichen).")
formula("Flächenladungsdichte",
        (r"{SIGQ}=\f({Q};{FL})", "SIGQ=Q/FL"),
        (r"{Q}={SIGQ}\m{FL}", "Q=SIGQ*FL"),
        (r"{FL}=\f({Q};{SIGQ})", "FL=Q/SIGQ"),
        ex=dict(Q=1e-8, FL=0.01))
formula("Feldstärke im Plattenkondensator aus der Ladung",
        (r"{EFELD}=\f({Q};{EPS0}\m{EPSR}\m{FL})", "EFELD=Q/(EPS0*EPSR*FL)"),
        (r"{Q}={EPS0}\m{EPSR}\m{FL}\m{EFELD}", "Q=EPS0*EPSR*FL*EFELD"),
        (r"{FL}=\f({Q};{EPS0}\m{EPSR}\m{EFELD})", "FL=Q/(EPS0*EPSR*EFELD)"),
        (r"{EPSR}=\f({Q};{EPS0}\m{FL}\m{EFELD})", "EPSR=Q/(EPS0*FL*EFELD)"),
        ex=dict(Q=1e-8, EPSR=1, FL=0.01))
formula("Kraft auf eine Ladung im Plattenkondensator",
        (r"{F}=\f({Q}\m{U};{DPL})", "F=Q*U/DPL"),
        (r"{Q}=\f({F}\m{DPL};{U})", "Q=F*DPL/U"),
        (r"{U}=\f({F}\m{DPL};{Q})", "U=F*DPL/Q"),
        (r"{DPL}=\f({Q}\m{U};{F})", "DPL=Q*U/F"),
        ex=dict(Q=3.2e-19, U=500, DPL=0.005), text="Ein Öltröpfchen mit zwei Elementarladungen zwischen Platten im Abstand 5 mm an 500 V.")
formula("Kapazität einer Kugel",
        (r"{C}=4\m\c(p)\m{EPS0}\m{EPSR}\m{RADIUS}", "C=4*π*EPS0*EPSR*RADIUS"),
        (r"{RADIUS}=\f({C};4\m\c(p)\m{EPS0}\m{EPSR})", "RADIUS=C/(4*π*EPS0*EPSR)"),
        (r"{EPSR}=\f({C};4\m\c(p)\m{EPS0}\m{RADIUS})", "EPSR=C/(4*π*EPS0*RADIUS)"),
        ex=dict(EPSR=1, RADIUS=6.371e6), text="Die Erde als Kugel mit 6371 km Radius im Vakuum.")
formula("Energiedichte des elektrischen Feldes",
        (r"{WDICHTE}=\f(1;2)\m{EPS0}\m{EPSR}\m{EFELD}\u(2)", "WDICHTE=EPS0*EPSR*EFELD^2/2"),
        (r"{EFELD}=\w(\f(2\m{WDICHTE};{EPS0}\m{EPSR}))", "EFELD=SQRT(2*WDICHTE/(EPS0*EPSR))"),
        (r"{EPSR}=\f(2\m{WDICHTE};{EPS0}\m{EFELD}\u(2))", "EPSR=2*WDICHTE/(EPS0*EFELD^2)"),
        ex=dict(EPSR=1, EFELD=3e6), text="Luft kurz vor dem Durchschlag (3 MV/m).")
formula("Ablenkung eines Elektrons im Plattenkondensator",
        (r"{YABL}=\f({QE}\m{U}\m{LAENGE}\u(2);2\m{ME}\m{DPL}\m{V}\u(2))", "YABL=QE*U*LAENGE^2/(2*ME*DPL*V^2)"),
        (r"{U}=\f(2\m{ME}\m{DPL}\m{V}\u(2)\m{YABL};{QE}\m{LAENGE}\u(2))", "U=2*ME*DPL*V^2*YABL/(QE*LAENGE^2)"),
        (r"{V}=\w(\f({QE}\m{U}\m{LAENGE}\u(2);2\m{ME}\m{DPL}\m{YABL}))", "V=SQRT(QE*U*LAENGE^2/(2*ME*DPL*YABL))"),
        (r"{LAENGE}=\w(\f(2\m{ME}\m{DPL}\m{V}\u(2)\m{YABL};{QE}\m{U}))", "LAENGE=SQRT(2*ME*DPL*V^2*YABL/(QE*U))"),
        ex=dict(U=50, LAENGE=0.05, DPL=0.01, V=2e7),
        text="Ein Elektron (2·10⁷ m/s) fliegt parallel zu 5 cm langen Platten (Abstand 1 cm, 50 V) in das Feld.")

topic("Magnetisches Feld")
formula("Flussdichte um einen langen geraden Leiter",
        (r"{B}=\f({MU0}\m{I};2\m\c(p)\m{ABSTAND})", "B=MU0*I/(2*π*ABSTAND)"),
        (r"{I}=\f(2\m\c(p)\m{ABSTAND}\m{B};{MU0})", "I=2*π*ABSTAND*B/MU0"),
        (r"{ABSTAND}=\f({MU0}\m{I};2\m\c(p)\m{B})", "ABSTAND=MU0*I/(2*π*B)"),
        ex=dict(I=10, ABSTAND=0.05), text="Ein Leiter führt 10 A; Flussdichte 5 cm daneben (in Luft).")
formula("Flussdichte im Mittelpunkt einer Kreisschleife",
        (r"{B}=\f({MU0}\m{I};2\m{RADIUS})", "B=MU0*I/(2*RADIUS)"),
        (r"{I}=\f(2\m{RADIUS}\m{B};{MU0})", "I=2*RADIUS*B/MU0"),
        (r"{RADIUS}=\f({MU0}\m{I};2\m{B})", "RADIUS=MU0*I/(2*B)"),
        ex=dict(I=10, RADIUS=0.05))
formula("Kraft zwischen zwei parallelen Leitern",
        (r"{F}=\f({MU0}\m{IA}\m{IB}\m{LAENGE};2\m\c(p)\m{ABSTAND})", "F=MU0*IA*IB*LAENGE/(2*π*ABSTAND)"),
        (r"{IA}=\f(2\m\c(p)\m{ABSTAND}\m{F};{MU0}\m{IB}\m{LAENGE})", "IA=2*π*ABSTAND*F/(MU0*IB*LAENGE)"),
        (r"{IB}=\f(2\m\c(p)\m{ABSTAND}\m{F};{MU0}\m{IA}\m{LAENGE})", "IB=2*π*ABSTAND*F/(MU0*IA*LAENGE)"),
        (r"{LAENGE}=\f(2\m\c(p)\m{ABSTAND}\m{F};{MU0}\m{IA}\m{IB})", "LAENGE=2*π*ABSTAND*F/(MU0*IA*IB)"),
        (r"{ABSTAND}=\f({MU0}\m{IA}\m{IB}\m{LAENGE};2\m\c(p)\m{F})", "ABSTAND=MU0*IA*IB*LAENGE/(2*π*F)"),
        ex=dict(IA=10, IB=10, LAENGE=1, ABSTAND=0.01), text="Zwei 1 m lange parallele Leiter im Abstand 1 cm führen je 10 A.")
formula("Magnetische Feldstärke in einer langen Spule",
        (r"{HFELD}=\f({NW}\m{I};{LAENGE})", "HFELD=NW*I/LAENGE"),
        (r"{NW}=\f({HFELD}\m{LAENGE};{I})", "NW=HFELD*LAENGE/I"),
        (r"{I}=\f({HFELD}\m{LAENGE};{NW})", "I=HFELD*LAENGE/NW"),
        (r"{LAENGE}=\f({NW}\m{I};{HFELD})", "LAENGE=NW*I/HFELD"),
        ex=dict(NW=500, I=2, LAENGE=0.25))
formula("Flussdichte und magnetische Feldstärke",
        (r"{B}={MU0}\m{MUR}\m{HFELD}", "B=MU0*MUR*HFELD"),
        (r"{HFELD}=\f({B};{MU0}\m{MUR})", "HFELD=B/(MU0*MUR)"),
        (r"{MUR}=\f({B};{MU0}\m{HFELD})", "MUR=B/(MU0*HFELD)"),
        ex=dict(MUR=1, HFELD=4000))
formula("Induktionsspannung eines bewegten Leiters (Betrag)",
        (r"{UIND}={B}\m{LAENGE}\m{V}", "UIND=B*LAENGE*V"),
        (r"{B}=\f({UIND};{LAENGE}\m{V})", "B=UIND/(LAENGE*V)"),
        (r"{LAENGE}=\f({UIND};{B}\m{V})", "LAENGE=UIND/(B*V)"),
        (r"{V}=\f({UIND};{B}\m{LAENGE})", "V=UIND/(B*LAENGE)"),
        ex=dict(B=0.5, LAENGE=0.2, V=3), text="Ein 20 cm langer Leiter bewegt sich mit 3 m/s senkrecht durch ein Feld von 0,5 T.")
formula("Scheitelspannung eines Wechselstromgenerators",
        (r"{USCH}={NW}\m{B}\m{FL}\m{KREISFREQ}", "USCH=NW*B*FL*KREISFREQ"),
        (r"{NW}=\f({USCH};{B}\m{FL}\m{KREISFREQ})", "NW=USCH/(B*FL*KREISFREQ)"),
        (r"{B}=\f({USCH};{NW}\m{FL}\m{KREISFREQ})", "B=USCH/(NW*FL*KREISFREQ)"),
        (r"{FL}=\f({USCH};{NW}\m{B}\m{KREISFREQ})", "FL=USCH/(NW*B*KREISFREQ)"),
        (r"{KREISFREQ}=\f({USCH};{NW}\m{B}\m{FL})", "KREISFREQ=USCH/(NW*B*FL)"),
        ex=dict(NW=200, B=0.2, FL=0.01, KREISFREQ=314.16), text="Eine Spule (200 Windungen, 100 cm²) dreht sich 50-mal je Sekunde in einem Feld von 0,2 T.")

topic("Wechselstrom")
formula("Scheinleistung",
        (r"{SLEIST}={U}\m{I}", "SLEIST=U*I"),
        (r"{U}=\f({SLEIST};{I})", "U=SLEIST/I"),
        (r"{I}=\f({SLEIST};{U})", "I=SLEIST/U"),
        ex=dict(U=230, I=5))
formula("Blindleistung",
        (r"{QBLIND}={U}\m{I}\msin {PHI}", "QBLIND=U*I*SIN(RAD(PHI))"),
        (r"{U}=\f({QBLIND};{I}\msin {PHI})", "U=QBLIND/(I*SIN(RAD(PHI)))"),
        (r"{I}=\f({QBLIND};{U}\msin {PHI})", "I=QBLIND/(U*SIN(RAD(PHI)))"),
        (r"{PHI}=arcsin(\f({QBLIND};{U}\m{I}))", "PHI=GRAD(ARCSIN(QBLIND/(U*I)))", r"0° ≤ \c(j) ≤ 90°"),
        ex=dict(U=230, I=5, PHI=30))
formula("Leistungsfaktor",
        (r"{COSPHI}=\f({P};{SLEIST})", "COSPHI=P/SLEIST"),
        (r"{P}={COSPHI}\m{SLEIST}", "P=COSPHI*SLEIST"),
        (r"{SLEIST}=\f({P};{COSPHI})", "SLEIST=P/COSPHI"),
        ex=dict(P=996, SLEIST=1150))
formula("Scheinleistung aus Wirk- und Blindleistung",
        (r"{SLEIST}=\r({P}\u(2)+{QBLIND}\u(2))", "SLEIST=SQRT(P^2+QBLIND^2)"),
        (r"{P}=\r({SLEIST}\u(2)-{QBLIND}\u(2))", "P=SQRT(SLEIST^2-QBLIND^2)"),
        (r"{QBLIND}=\r({SLEIST}\u(2)-{P}\u(2))", "QBLIND=SQRT(SLEIST^2-P^2)"),
        ex=dict(P=996, QBLIND=575))
formula("Phasenverschiebung einer Reihenschaltung aus R und X",
        (r"{PHI}=arctan(\f({X};{R}))", "PHI=GRAD(ARCTAN(X/R))"),
        (r"{X}={R}\mtan {PHI}", "X=R*TAN(RAD(PHI))"),
        (r"{R}=\f({X};tan {PHI})", "R=X/TAN(RAD(PHI))"),
        ex=dict(X=40, R=30), text="X ist der Blindwiderstand, bei einer Spule positiv, bei einem Kondensator negativ einzusetzen.")
formula("Scheinwiderstand einer RLC-Reihenschaltung",
        (r"{Z}=\r({R}\u(2)+({XL}-{XC})\u(2))", "Z=SQRT(R^2+(XL-XC)^2)"),
        (r"{R}=\r({Z}\u(2)-({XL}-{XC})\u(2))", "R=SQRT(Z^2-(XL-XC)^2)"),
        ex=dict(R=30, XL=100, XC=60))
formula("Drehstrom: Wirkleistung",
        (r"{P}=\r(3)\m{U}\m{I}\mcos {PHI}", "P=SQRT(3)*U*I*COS(RAD(PHI))"),
        (r"{U}=\f({P};\r(3)\m{I}\mcos {PHI})", "U=P/(SQRT(3)*I*COS(RAD(PHI)))"),
        (r"{I}=\f({P};\r(3)\m{U}\mcos {PHI})", "I=P/(SQRT(3)*U*COS(RAD(PHI)))"),
        (r"{PHI}=arccos(\f({P};\r(3)\m{U}\m{I}))", "PHI=GRAD(ARCCOS(P/(SQRT(3)*U*I)))"),
        ex=dict(U=400, I=10, PHI=25), text="Ein Motor am Drehstromnetz (Außenleiterspannung 400 V) nimmt 10 A je Leiter auf.")
formula("Drehstrom: Scheinleistung",
        (r"{SLEIST}=\r(3)\m{U}\m{I}", "SLEIST=SQRT(3)*U*I"),
        (r"{U}=\f({SLEIST};\r(3)\m{I})", "U=SLEIST/(SQRT(3)*I)"),
        (r"{I}=\f({SLEIST};\r(3)\m{U})", "I=SLEIST/(SQRT(3)*U)"),
        ex=dict(U=400, I=10), text="U ist die Spannung zwischen zwei Außenleitern, I der Strom in einem Leiter.")
formula("Drehstrom: Strangspannung in Sternschaltung",
        (r"{USTR}=\f({U};\r(3))", "USTR=U/SQRT(3)"),
        (r"{U}=\r(3)\m{USTR}", "U=SQRT(3)*USTR"),
        ex=dict(U=400), text="U ist die Spannung zwischen zwei Außenleitern.")
formula("Idealer Transformator: Übersetzungsverhältnis",
        (r"{UEB}=\f({NPRIM};{NSEK})", "UEB=NPRIM/NSEK"),
        (r"{NPRIM}={UEB}\m{NSEK}", "NPRIM=UEB*NSEK"),
        (r"{NSEK}=\f({NPRIM};{UEB})", "NSEK=NPRIM/UEB"),
        ex=dict(NPRIM=1000, NSEK=50))
