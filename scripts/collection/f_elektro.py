"""Elektrizitätslehre."""
from .catalog import area, topic, formula

area("Elektrizitätslehre")

topic("Stromkreis")
formula("Elektrische Stromstärke",
        (r"{I}=\f({Q};{T})", "I=Q/T"),
        (r"{Q}={I}\m{T}", "Q=I*T"),
        (r"{T}=\f({Q};{I})", "T=Q/I"),
        ex=dict(Q=3600, T=1800), text="Ein Akku gibt in einer halben Stunde 3600 C (1 Ah) ab.")
formula("Ohmsches Gesetz",
        (r"{U}={R}\m{I}", "U=R*I"),
        (r"{R}=\f({U};{I})", "R=U/I"),
        (r"{I}=\f({U};{R})", "I=U/R"),
        ex=dict(R=47, I=0.2), text="Durch einen Widerstand von 47 Ω fließen 0,2 A.")
formula("Widerstand eines Leiters",
        (r"{R}=\f({RHOEL}\m{LAENGE};{FL})", "R=RHOEL*LAENGE/FL"),
        (r"{RHOEL}=\f({R}\m{FL};{LAENGE})", "RHOEL=R*FL/LAENGE"),
        (r"{LAENGE}=\f({R}\m{FL};{RHOEL})", "LAENGE=R*FL/RHOEL"),
        (r"{FL}=\f({RHOEL}\m{LAENGE};{R})", "FL=RHOEL*LAENGE/R"),
        ex=dict(RHOEL=1.68e-8, LAENGE=100, FL=1.5e-6), text="100 m Kupferleitung mit 1,5 mm² Querschnitt.")
formula("Temperaturabhängigkeit des Widerstands",
        (r"{R}={R20}\m(1+{ALPHAR}\m{DTHETA})", "R=R20*(1+ALPHAR*DTHETA)"),
        (r"{R20}=\f({R};1+{ALPHAR}\m{DTHETA})", "R20=R/(1+ALPHAR*DTHETA)"),
        (r"{ALPHAR}=\f({R}-{R20};{R20}\m{DTHETA})", "ALPHAR=(R-R20)/(R20*DTHETA)"),
        (r"{DTHETA}=\f({R}-{R20};{ALPHAR}\m{R20})", "DTHETA=(R-R20)/(ALPHAR*R20)"),
        ex=dict(R20=100, ALPHAR=0.00385, DTHETA=80),
        text="Ein Platinwiderstand (100 Ω bei 20 °C, α = 0,00385 1/K) wird auf 100 °C erwärmt.")
formula("Elektrische Leistung",
        (r"{P}={U}\m{I}", "P=U*I"),
        (r"{U}=\f({P};{I})", "U=P/I"),
        (r"{I}=\f({P};{U})", "I=P/U"),
        ex=dict(U=230, I=4))
formula("Leistung am Widerstand aus der Stromstärke",
        (r"{P}={I}\u(2)\m{R}", "P=I^2*R"),
        (r"{I}=\w(\f({P};{R}))", "I=SQRT(P/R)"),
        (r"{R}=\f({P};{I}\u(2))", "R=P/I^2"),
        ex=dict(I=2, R=47))
formula("Leistung am Widerstand aus der Spannung",
        (r"{P}=\f({U}\u(2);{R})", "P=U^2/R"),
        (r"{U}=\r({P}\m{R})", "U=SQRT(P*R)"),
        (r"{R}=\f({U}\u(2);{P})", "R=U^2/P"),
        ex=dict(U=230, R=52.9))
formula("Elektrische Arbeit",
        (r"{WEL}={U}\m{I}\m{T}", "WEL=U*I*T"),
        (r"{U}=\f({WEL};{I}\m{T})", "U=WEL/(I*T)"),
        (r"{I}=\f({WEL};{U}\m{T})", "I=WEL/(U*T)"),
        (r"{T}=\f({WEL};{U}\m{I})", "T=WEL/(U*I)"),
        ex=dict(U=230, I=4, T=3600), text="Ein Heizlüfter an 230 V nimmt eine Stunde lang 4 A auf.")
formula("Ladung aus Elementarladungen",
        (r"{Q}={NT}\m{QE}", "Q=NT*QE"),
        (r"{NT}=\f({Q};{QE})", "NT=Q/QE"),
        ex=dict(NT=1e10))
formula("Energie einfach geladener Teilchen nach der Spannung U",
        (r"{WKE}={QE}\m{U}", "WKE=QE*U"),
        (r"{U}=\f({WKE};{QE})", "U=WKE/QE"),
        ex=dict(U=1000), text="Ein Elektron durchläuft eine Spannung von 1000 V.")
formula("Faradaysches Gesetz der Elektrolyse",
        (r"{M}=\f({MMOL}\m{I}\m{T};{ZWERT}\m{FARADAY})", "M=MMOL*I*T/(ZWERT*FARADAY)"),
        (r"{MMOL}=\f({M}\m{ZWERT}\m{FARADAY};{I}\m{T})", "MMOL=M*ZWERT*FARADAY/(I*T)"),
        (r"{I}=\f({M}\m{ZWERT}\m{FARADAY};{MMOL}\m{T})", "I=M*ZWERT*FARADAY/(MMOL*T)"),
        (r"{T}=\f({M}\m{ZWERT}\m{FARADAY};{MMOL}\m{I})", "T=M*ZWERT*FARADAY/(MMOL*I)"),
        (r"{ZWERT}=\f({MMOL}\m{I}\m{T};{M}\m{FARADAY})", "ZWERT=MMOL*I*T/(M*FARADAY)"),
        (r"{FARADAY}=\f({MMOL}\m{I}\m{T};{M}\m{ZWERT})", "FARADAY=MMOL*I*T/(M*ZWERT)"),
        ex=dict(MMOL=0.063546, I=2, T=3600, ZWERT=2),
        text="Aus einer Kupfersulfatlösung (Cu²⁺, 63,546 g/mol) wird eine Stunde lang mit 2 A Kupfer abgeschieden.")

topic("Schaltungen")
formula("Reihenschaltung zweier Widerstände",
        (r"{R}={RA}+{RB}", "R=RA+RB"),
        (r"{RA}={R}-{RB}", "RA=R-RB"),
        (r"{RB}={R}-{RA}", "RB=R-RA"),
        ex=dict(RA=100, RB=220))
formula("Parallelschaltung zweier Widerstände",
        (r"{R}=\f({RA}\m{RB};{RA}+{RB})", "R=RA*RB/(RA+RB)"),
        (r"{RA}=\f({R}\m{RB};{RB}-{R})", "RA=R*RB/(RB-R)"),
        (r"{RB}=\f({R}\m{RA};{RA}-{R})", "RB=R*RA/(RA-R)"),
        ex=dict(RA=100, RB=220))
formula("Unbelasteter Spannungsteiler",
        (r"{UB}=\f({U}\m{RB};{RA}+{RB})", "UB=U*RB/(RA+RB)"),
        (r"{U}=\f({UB}\m({RA}+{RB});{RB})", "U=UB*(RA+RB)/RB"),
        (r"{RA}=\f({RB}\m({U}-{UB});{UB})", "RA=RB*(U-UB)/UB"),
        (r"{RB}=\f({RA}\m{UB};{U}-{UB})", "RB=RA*UB/(U-UB)"),
        ex=dict(U=12, RA=1000, RB=470), grafik="spannungsteiler.bmp")
formula("Klemmenspannung einer Spannungsquelle",
        (r"{UK}={U0}-{I}\m{RI}", "UK=U0-I*RI"),
        (r"{U0}={UK}+{I}\m{RI}", "U0=UK+I*RI"),
        (r"{I}=\f({U0}-{UK};{RI})", "I=(U0-UK)/RI"),
        (r"{RI}=\f({U0}-{UK};{I})", "RI=(U0-UK)/I"),
        ex=dict(U0=4.5, I=0.5, RI=0.6), text="Eine Batterie (4,5 V, Innenwiderstand 0,6 Ω) liefert 0,5 A.")
formula("Reihenschaltung zweier Kondensatoren",
        (r"{C}=\f({CA}\m{CB};{CA}+{CB})", "C=CA*CB/(CA+CB)"),
        (r"{CA}=\f({C}\m{CB};{CB}-{C})", "CA=C*CB/(CB-C)"),
        (r"{CB}=\f({C}\m{CA};{CA}-{C})", "CB=C*CA/(CA-C)"),
        ex=dict(CA=4.7e-6, CB=2.2e-6))
formula("Parallelschaltung zweier Kondensatoren",
        (r"{C}={CA}+{CB}", "C=CA+CB"),
        (r"{CA}={C}-{CB}", "CA=C-CB"),
        (r"{CB}={C}-{CA}", "CB=C-CA"),
        ex=dict(CA=4.7e-6, CB=2.2e-6))

topic("Elektrisches Feld")
formula("Coulombsches Gesetz",
        (r"{F}=\f({QA}\m{QB};4\m\c(p)\m{EPS0}\m{ABSTAND}\u(2))", "F=QA*QB/(4*π*EPS0*ABSTAND^2)"),
        (r"{QA}=\f(4\m\c(p)\m{EPS0}\m{ABSTAND}\u(2)\m{F};{QB})", "QA=4*π*EPS0*ABSTAND^2*F/QB"),
        (r"{QB}=\f(4\m\c(p)\m{EPS0}\m{ABSTAND}\u(2)\m{F};{QA})", "QB=4*π*EPS0*ABSTAND^2*F/QA"),
        (r"{ABSTAND}=\w(\f({QA}\m{QB};4\m\c(p)\m{EPS0}\m{F}))", "ABSTAND=SQRT(QA*QB/(4*π*EPS0*F))"),
        ex=dict(QA=2e-6, QB=3e-6, ABSTAND=0.1), text="Zwei Ladungen von 2 µC und 3 µC im Abstand 10 cm.")
formula("Elektrische Feldstärke",
        (r"{EFELD}=\f({F};{Q})", "EFELD=F/Q"),
        (r"{F}={EFELD}\m{Q}", "F=EFELD*Q"),
        (r"{Q}=\f({F};{EFELD})", "Q=F/EFELD"),
        ex=dict(F=0.002, Q=4e-8))
formula("Feldstärke im Plattenkondensator",
        (r"{EFELD}=\f({U};{DPL})", "EFELD=U/DPL"),
        (r"{U}={EFELD}\m{DPL}", "U=EFELD*DPL"),
        (r"{DPL}=\f({U};{EFELD})", "DPL=U/EFELD"),
        ex=dict(U=230, DPL=0.002))
formula("Kapazität eines Kondensators",
        (r"{C}=\f({Q};{U})", "C=Q/U"),
        (r"{Q}={C}\m{U}", "Q=C*U"),
        (r"{U}=\f({Q};{C})", "U=Q/C"),
        ex=dict(Q=4.7e-4, U=100))
formula("Kapazität eines Plattenkondensators",
        (r"{C}=\f({EPS0}\m{EPSR}\m{FL};{DPL})", "C=EPS0*EPSR*FL/DPL"),
        (r"{EPSR}=\f({C}\m{DPL};{EPS0}\m{FL})", "EPSR=C*DPL/(EPS0*FL)"),
        (r"{FL}=\f({C}\m{DPL};{EPS0}\m{EPSR})", "FL=C*DPL/(EPS0*EPSR)"),
        (r"{DPL}=\f({EPS0}\m{EPSR}\m{FL};{C})", "DPL=EPS0*EPSR*FL/C"),
        (r"{EPS0}=\f({C}\m{DPL};{EPSR}\m{FL})", "EPS0=C*DPL/(EPSR*FL)"),
        ex=dict(EPSR=2.5, FL=0.01, DPL=0.0001), text="Platten von 100 cm² im Abstand 0,1 mm mit Kunststoff (εr = 2,5) dazwischen.")
formula("Energie eines geladenen Kondensators",
        (r"{WEL}=\f(1;2)\m{C}\m{U}\u(2)", "WEL=C*U^2/2"),
        (r"{C}=\f(2\m{WEL};{U}\u(2))", "C=2*WEL/U^2"),
        (r"{U}=\w(\f(2\m{WEL};{C}))", "U=SQRT(2*WEL/C)"),
        ex=dict(C=4.7e-4, U=100))

topic("Magnetisches Feld")
formula("Kraft auf einen stromdurchflossenen Leiter",
        (r"{F}={B}\m{I}\m{LAENGE}", "F=B*I*LAENGE"),
        (r"{B}=\f({F};{I}\m{LAENGE})", "B=F/(I*LAENGE)"),
        (r"{I}=\f({F};{B}\m{LAENGE})", "I=F/(B*LAENGE)"),
        (r"{LAENGE}=\f({F};{B}\m{I})", "LAENGE=F/(B*I)"),
        ex=dict(B=0.5, I=10, LAENGE=0.2))
formula("Lorentzkraft auf eine bewegte Ladung",
        (r"{F}={Q}\m{V}\m{B}", "F=Q*V*B"),
        (r"{Q}=\f({F};{V}\m{B})", "Q=F/(V*B)"),
        (r"{V}=\f({F};{Q}\m{B})", "V=F/(Q*B)"),
        (r"{B}=\f({F};{Q}\m{V})", "B=F/(Q*V)"),
        ex=dict(Q=1.602176634e-19, V=1e6, B=0.1), text="Ein Elektron fliegt mit 1000 km/s senkrecht durch ein Feld von 0,1 T.")
formula("Flussdichte in einer langen Spule",
        (r"{B}=\f({MU0}\m{MUR}\m{NW}\m{I};{LAENGE})", "B=MU0*MUR*NW*I/LAENGE"),
        (r"{MUR}=\f({B}\m{LAENGE};{MU0}\m{NW}\m{I})", "MUR=B*LAENGE/(MU0*NW*I)"),
        (r"{NW}=\f({B}\m{LAENGE};{MU0}\m{MUR}\m{I})", "NW=B*LAENGE/(MU0*MUR*I)"),
        (r"{I}=\f({B}\m{LAENGE};{MU0}\m{MUR}\m{NW})", "I=B*LAENGE/(MU0*MUR*NW)"),
        (r"{LAENGE}=\f({MU0}\m{MUR}\m{NW}\m{I};{B})", "LAENGE=MU0*MUR*NW*I/B"),
        (r"{MU0}=\f({B}\m{LAENGE};{MUR}\m{NW}\m{I})", "MU0=B*LAENGE/(MUR*NW*I)"),
        ex=dict(MUR=1, NW=500, I=2, LAENGE=0.25), text="Eine Luftspule (500 Windungen, 25 cm lang) führt 2 A.")
formula("Magnetischer Fluss",
        (r"{PHIM}={B}\m{FL}", "PHIM=B*FL"),
        (r"{B}=\f({PHIM};{FL})", "B=PHIM/FL"),
        (r"{FL}=\f({PHIM};{B})", "FL=PHIM/B"),
        ex=dict(B=0.5, FL=0.004))
formula("Induktionsgesetz (Betrag der induzierten Spannung)",
        (r"{UIND}={NW}\m\f({DPHIM};{DT})", "UIND=NW*DPHIM/DT"),
        (r"{NW}=\f({UIND}\m{DT};{DPHIM})", "NW=UIND*DT/DPHIM"),
        (r"{DPHIM}=\f({UIND}\m{DT};{NW})", "DPHIM=UIND*DT/NW"),
        (r"{DT}=\f({NW}\m{DPHIM};{UIND})", "DT=NW*DPHIM/UIND"),
        ex=dict(NW=200, DPHIM=0.002, DT=0.05), text="Der Fluss durch eine Spule mit 200 Windungen ändert sich in 50 ms um 2 mWb.")
formula("Induktivität einer langen Spule",
        (r"{L}=\f({MU0}\m{MUR}\m{NW}\u(2)\m{FL};{LAENGE})", "L=MU0*MUR*NW^2*FL/LAENGE"),
        (r"{MUR}=\f({L}\m{LAENGE};{MU0}\m{NW}\u(2)\m{FL})", "MUR=L*LAENGE/(MU0*NW^2*FL)"),
        (r"{NW}=\w(\f({L}\m{LAENGE};{MU0}\m{MUR}\m{FL}))", "NW=SQRT(L*LAENGE/(MU0*MUR*FL))"),
        (r"{FL}=\f({L}\m{LAENGE};{MU0}\m{MUR}\m{NW}\u(2))", "FL=L*LAENGE/(MU0*MUR*NW^2)"),
        (r"{LAENGE}=\f({MU0}\m{MUR}\m{NW}\u(2)\m{FL};{L})", "LAENGE=MU0*MUR*NW^2*FL/L"),
        ex=dict(MUR=1, NW=500, FL=0.0012, LAENGE=0.25))
formula("Energie des Magnetfeldes einer Spule",
        (r"{WEL}=\f(1;2)\m{L}\m{I}\u(2)", "WEL=L*I^2/2"),
        (r"{L}=\f(2\m{WEL};{I}\u(2))", "L=2*WEL/I^2"),
        (r"{I}=\w(\f(2\m{WEL};{L}))", "I=SQRT(2*WEL/L)"),
        ex=dict(L=0.5, I=2))
formula("Bahnradius geladener Teilchen im Magnetfeld",
        (r"{RADIUS}=\f({M}\m{V};{Q}\m{B})", "RADIUS=M*V/(Q*B)"),
        (r"{M}=\f({RADIUS}\m{Q}\m{B};{V})", "M=RADIUS*Q*B/V"),
        (r"{V}=\f({RADIUS}\m{Q}\m{B};{M})", "V=RADIUS*Q*B/M"),
        (r"{Q}=\f({M}\m{V};{RADIUS}\m{B})", "Q=M*V/(RADIUS*B)"),
        (r"{B}=\f({M}\m{V};{RADIUS}\m{Q})", "B=M*V/(RADIUS*Q)"),
        ex=dict(M=9.1093837015e-31, V=1e7, Q=1.602176634e-19, B=0.001),
        text="Ein Elektron fliegt mit 10 000 km/s senkrecht in ein Feld von 1 mT.")

topic("Wechselstrom")
formula("Effektivwert der Wechselspannung",
        (r"{UEFF}=\f({USCH};\r(2))", "UEFF=USCH/SQRT(2)"),
        (r"{USCH}=\r(2)\m{UEFF}", "USCH=SQRT(2)*UEFF"),
        ex=dict(USCH=325))
formula("Effektivwert des Wechselstroms",
        (r"{IEFF}=\f({ISCH};\r(2))", "IEFF=ISCH/SQRT(2)"),
        (r"{ISCH}=\r(2)\m{IEFF}", "ISCH=SQRT(2)*IEFF"),
        ex=dict(ISCH=2))
formula("Kapazitiver Blindwiderstand",
        (r"{XC}=\f(1;2\m\c(p)\m{FREQ}\m{C})", "XC=1/(2*π*FREQ*C)"),
        (r"{FREQ}=\f(1;2\m\c(p)\m{XC}\m{C})", "FREQ=1/(2*π*XC*C)"),
        (r"{C}=\f(1;2\m\c(p)\m{FREQ}\m{XC})", "C=1/(2*π*FREQ*XC)"),
        ex=dict(FREQ=50, C=1e-5))
formula("Induktiver Blindwiderstand",
        (r"{XL}=2\m\c(p)\m{FREQ}\m{L}", "XL=2*π*FREQ*L"),
        (r"{FREQ}=\f({XL};2\m\c(p)\m{L})", "FREQ=XL/(2*π*L)"),
        (r"{L}=\f({XL};2\m\c(p)\m{FREQ})", "L=XL/(2*π*FREQ)"),
        ex=dict(FREQ=50, L=0.5))
formula("Scheinwiderstand einer Reihenschaltung",
        (r"{Z}=\r({R}\u(2)+{X}\u(2))", "Z=SQRT(R^2+X^2)"),
        (r"{R}=\r({Z}\u(2)-{X}\u(2))", "R=SQRT(Z^2-X^2)"),
        (r"{X}=\r({Z}\u(2)-{R}\u(2))", "X=SQRT(Z^2-R^2)"),
        ex=dict(R=30, X=40))
formula("Wirkleistung",
        (r"{P}={U}\m{I}\mcos {PHI}", "P=U*I*COS(RAD(PHI))"),
        (r"{U}=\f({P};{I}\mcos {PHI})", "U=P/(I*COS(RAD(PHI)))"),
        (r"{I}=\f({P};{U}\mcos {PHI})", "I=P/(U*COS(RAD(PHI)))"),
        (r"{PHI}=arccos(\f({P};{U}\m{I}))", "PHI=GRAD(ARCCOS(P/(U*I)))"),
        ex=dict(U=230, I=5, PHI=30))
formula("Idealer Transformator: Spannungen",
        (r"{USEK}=\f({UPRIM}\m{NSEK};{NPRIM})", "USEK=UPRIM*NSEK/NPRIM"),
        (r"{UPRIM}=\f({USEK}\m{NPRIM};{NSEK})", "UPRIM=USEK*NPRIM/NSEK"),
        (r"{NPRIM}=\f({NSEK}\m{UPRIM};{USEK})", "NPRIM=NSEK*UPRIM/USEK"),
        (r"{NSEK}=\f({NPRIM}\m{USEK};{UPRIM})", "NSEK=NPRIM*USEK/UPRIM"),
        ex=dict(UPRIM=230, NPRIM=1000, NSEK=50), text="Ein Netztransformator hat 1000 Windungen primär und 50 sekundär.")
formula("Idealer Transformator: Stromstärken",
        (r"{ISEK}=\f({IPRIM}\m{NPRIM};{NSEK})", "ISEK=IPRIM*NPRIM/NSEK"),
        (r"{IPRIM}=\f({ISEK}\m{NSEK};{NPRIM})", "IPRIM=ISEK*NSEK/NPRIM"),
        (r"{NPRIM}=\f({NSEK}\m{ISEK};{IPRIM})", "NPRIM=NSEK*ISEK/IPRIM"),
        (r"{NSEK}=\f({NPRIM}\m{IPRIM};{ISEK})", "NSEK=NPRIM*IPRIM/ISEK"),
        ex=dict(IPRIM=0.5, NPRIM=1000, NSEK=50))
