"""Flüssigkeiten und Gase, Wärmelehre: weitere Formeln (Überdruck, Bernoulli,
Torricelli, Wärmeausdehnung, Heizleistung, Wärmeübertragung, ideale Gase,
adiabatische Zustandsänderungen, Leistungszahlen)."""
from .catalog import area, topic, formula

area("Flüssigkeiten und Gase")

topic("Dichte und Druck")
formula("Absoluter Druck aus Überdruck und Luftdruck",
        (r"{PABS}={PE}+{PAMB}", "PABS=PE+PAMB"),
        (r"{PE}={PABS}-{PAMB}", "PE=PABS-PAMB"),
        (r"{PAMB}={PABS}-{PE}", "PAMB=PABS-PE"),
        ex=dict(PE=220000, PAMB=101300), text="Ein Reifenfüllgerät zeigt 2,2 bar Überdruck; der Luftdruck beträgt 1013 hPa.")
formula("Schwimmen: eingetauchtes Volumen",
        (r"{VEIN}=\f({RHOK}\m{VOL};{RHOFL})", "VEIN=RHOK*VOL/RHOFL"),
        (r"{RHOK}=\f({RHOFL}\m{VEIN};{VOL})", "RHOK=RHOFL*VEIN/VOL"),
        (r"{VOL}=\f({RHOFL}\m{VEIN};{RHOK})", "VOL=RHOFL*VEIN/RHOK"),
        (r"{RHOFL}=\f({RHOK}\m{VOL};{VEIN})", "RHOFL=RHOK*VOL/VEIN"),
        ex=dict(RHOK=917, VOL=1, RHOFL=1025), text="Ein Eisblock (917 kg/m³) von 1 m³ schwimmt im Meerwasser (1025 kg/m³).")
formula("Barometrische Höhenformel (gleiche Temperatur)",
        (r"{PLUFT}={PLUFT0}\me\u(-{RHOL0}\m{G}\m{H}/{PLUFT0})", "PLUFT=PLUFT0*EXP(-RHOL0*G*H/PLUFT0)"),
        (r"{H}=\f({PLUFT0};{RHOL0}\m{G})\mln \f({PLUFT0};{PLUFT})", "H=PLUFT0/(RHOL0*G)*LN(PLUFT0/PLUFT)"),
        (r"{RHOL0}=\f({PLUFT0};{G}\m{H})\mln \f({PLUFT0};{PLUFT})", "RHOL0=PLUFT0/(G*H)*LN(PLUFT0/PLUFT)"),
        ex=dict(PLUFT0=101325, RHOL0=1.225, H=2000),
        text="Luftdruck in 2000 m Höhe bei überall gleicher Temperatur (am Boden 1013,25 hPa und 1,225 kg/m³).")

topic("Strömung")
formula("Massenstrom",
        (r"{MSTROM}={RHO}\m{VSTROM}", "MSTROM=RHO*VSTROM"),
        (r"{RHO}=\f({MSTROM};{VSTROM})", "RHO=MSTROM/VSTROM"),
        (r"{VSTROM}=\f({MSTROM};{RHO})", "VSTROM=MSTROM/RHO"),
        ex=dict(RHO=998.2, VSTROM=0.002))
formula("Bernoulli-Gleichung (waagerechtes Rohr)",
        (r"{PSTB}={PSTA}+\f({RHO};2)\m({VA}\u(2)-{VB}\u(2))", "PSTB=PSTA+RHO/2*(VA^2-VB^2)"),
        (r"{PSTA}={PSTB}-\f({RHO};2)\m({VA}\u(2)-{VB}\u(2))", "PSTA=PSTB-RHO/2*(VA^2-VB^2)"),
        (r"{VB}=\w({VA}\u(2)+\f(2\m({PSTA}-{PSTB});{RHO}))", "VB=SQRT(VA^2+2*(PSTA-PSTB)/RHO)"),
        (r"{VA}=\w({VB}\u(2)-\f(2\m({PSTA}-{PSTB});{RHO}))", "VA=SQRT(VB^2-2*(PSTA-PSTB)/RHO)"),
        ex=dict(PSTA=200000, RHO=998.2, VA=1.5, VB=6),
        text="Wasser strömt mit 1,5 m/s bei 2 bar in eine Verengung und dort mit 6 m/s weiter (reibungsfrei).")
formula("Bernoulli-Gleichung mit Höhenunterschied",
        (r"{PSTB}={PSTA}+\f({RHO};2)\m({VA}\u(2)-{VB}\u(2))+{RHO}\m{G}\m({HOEHEA}-{HOEHEB})",
         "PSTB=PSTA+RHO/2*(VA^2-VB^2)+RHO*G*(HOEHEA-HOEHEB)"),
        (r"{PSTA}={PSTB}-\f({RHO};2)\m({VA}\u(2)-{VB}\u(2))-{RHO}\m{G}\m({HOEHEA}-{HOEHEB})",
         "PSTA=PSTB-RHO/2*(VA^2-VB^2)-RHO*G*(HOEHEA-HOEHEB)"),
        ex=dict(PSTA=300000, RHO=998.2, VA=2, VB=2, HOEHEA=0, HOEHEB=10),
        text="In einer Steigleitung gleichen Querschnitts fließt Wasser 10 m aufwärts; unten herrschen 3 bar.")
formula("Ausflussgeschwindigkeit nach Torricelli",
        (r"{V}=\r(2\m{G}\m{H})", "V=SQRT(2*G*H)"),
        (r"{H}=\f({V}\u(2);2\m{G})", "H=V^2/(2*G)"),
        ex=dict(H=1.8), text="Wasser strömt 1,8 m unter dem Wasserspiegel aus einer kleinen Öffnung (ohne Reibung).")
formula("Ausfließender Volumenstrom",
        (r"{VSTROM}={FL}\m\r(2\m{G}\m{H})", "VSTROM=FL*SQRT(2*G*H)"),
        (r"{FL}=\f({VSTROM};\r(2\m{G}\m{H}))", "FL=VSTROM/SQRT(2*G*H)"),
        (r"{H}=\f({VSTROM}\u(2);2\m{G}\m{FL}\u(2))", "H=VSTROM^2/(2*G*FL^2)"),
        ex=dict(FL=0.0002, H=1.8), text="Aus einer Öffnung von 2 cm², 1,8 m unter dem Wasserspiegel (ohne Reibung und Strahleinschnürung).")
formula("Hydraulische Leistung",
        (r"{P}={VSTROM}\m{DP}", "P=VSTROM*DP"),
        (r"{VSTROM}=\f({P};{DP})", "VSTROM=P/DP"),
        (r"{DP}=\f({P};{VSTROM})", "DP=P/VSTROM"),
        ex=dict(VSTROM=0.0005, DP=1.5e7), text="Eine Hydraulikpumpe fördert 30 l/min gegen 150 bar.")

area("Wärmelehre")

topic("Temperatur")
formula("Temperaturdifferenz",
        (r"{DTHETA}={THETAB}-{THETAA}", "DTHETA=THETAB-THETAA"),
        (r"{THETAB}={THETAA}+{DTHETA}", "THETAB=THETAA+DTHETA"),
        (r"{THETAA}={THETAB}-{DTHETA}", "THETAA=THETAB-DTHETA"),
        ex=dict(THETAA=15, THETAB=60), text="Wasser wird von 15 °C auf 60 °C erwärmt; die Differenz zweier Celsius-Temperaturen ist eine Kelvin-Zahl.")

topic("Wärmeausdehnung")
formula("Flächenausdehnung",
        (r"{DFL}=2\m{ALPHAL}\m{FL0}\m{DTHETA}", "DFL=2*ALPHAL*FL0*DTHETA"),
        (r"{ALPHAL}=\f({DFL};2\m{FL0}\m{DTHETA})", "ALPHAL=DFL/(2*FL0*DTHETA)"),
        (r"{FL0}=\f({DFL};2\m{ALPHAL}\m{DTHETA})", "FL0=DFL/(2*ALPHAL*DTHETA)"),
        (r"{DTHETA}=\f({DFL};2\m{ALPHAL}\m{FL0})", "DTHETA=DFL/(2*ALPHAL*FL0)"),
        ex=dict(ALPHAL=2.31e-5, FL0=1, DTHETA=50), text="Ein Aluminiumblech von 1 m² wird um 50 K erwärmt.")
formula("Volumenausdehnungskoeffizient fester Stoffe",
        (r"{GAMMAV}=3\m{ALPHAL}", "GAMMAV=3*ALPHAL"),
        (r"{ALPHAL}=\f({GAMMAV};3)", "ALPHAL=GAMMAV/3"),
        ex=dict(ALPHAL=1.65e-5), text="Kupfer hat den Längenausdehnungskoeffizienten 16,5·10⁻⁶ 1/K.")
formula("Dichte nach der Erwärmung",
        (r"{RHO}=\f({RHOW0};1+{GAMMAV}\m{DTHETA})", "RHO=RHOW0/(1+GAMMAV*DTHETA)"),
        (r"{RHOW0}={RHO}\m(1+{GAMMAV}\m{DTHETA})", "RHOW0=RHO*(1+GAMMAV*DTHETA)"),
        (r"{DTHETA}=\f({RHOW0}/{RHO}-1;{GAMMAV})", "DTHETA=(RHOW0/RHO-1)/GAMMAV"),
        ex=dict(RHOW0=789.3, GAMMAV=0.0011, DTHETA=30), text="Ethanol (789,3 kg/m³ bei 20 °C, γ = 1,1·10⁻³ 1/K) wird auf 50 °C erwärmt.")

topic("Wärme")
formula("Heizleistung",
        (r"{P}=\f({QW};{T})", "P=QW/T"),
        (r"{QW}={P}\m{T}", "QW=P*T"),
        (r"{T}=\f({QW};{P})", "T=QW/P"),
        ex=dict(QW=6.7e5, T=300), text="Ein Wasserkocher gibt in 5 min 670 kJ an das Wasser ab.")
formula("Erwärmungszeit bei gegebener Heizleistung",
        (r"{T}=\f({CSPEZ}\m{M}\m{DTHETA};{ETA}\m{P})", "T=CSPEZ*M*DTHETA/(ETA*P)"),
        (r"{P}=\f({CSPEZ}\m{M}\m{DTHETA};{ETA}\m{T})", "P=CSPEZ*M*DTHETA/(ETA*T)"),
        (r"{M}=\f({ETA}\m{P}\m{T};{CSPEZ}\m{DTHETA})", "M=ETA*P*T/(CSPEZ*DTHETA)"),
        (r"{DTHETA}=\f({ETA}\m{P}\m{T};{CSPEZ}\m{M})", "DTHETA=ETA*P*T/(CSPEZ*M)"),
        (r"{ETA}=\f({CSPEZ}\m{M}\m{DTHETA};{P}\m{T})", "ETA=CSPEZ*M*DTHETA/(P*T)"),
        ex=dict(CSPEZ=4182, M=1.5, DTHETA=80, ETA=0.9, P=2000),
        text="Ein Wasserkocher (2000 W, Wirkungsgrad 0,9) erwärmt 1,5 l Wasser von 20 °C auf 100 °C.")
formula("Wärme aus der Wärmekapazität",
        (r"{QW}={WKAP}\m{DTHETA}", "QW=WKAP*DTHETA"),
        (r"{WKAP}=\f({QW};{DTHETA})", "WKAP=QW/DTHETA"),
        (r"{DTHETA}=\f({QW};{WKAP})", "DTHETA=QW/WKAP"),
        ex=dict(WKAP=1345.5, DTHETA=40))
formula("Durchlauferhitzer: Heizleistung",
        (r"{P}={CSPEZ}\m{RHO}\m{VSTROM}\m{DTHETA}", "P=CSPEZ*RHO*VSTROM*DTHETA"),
        (r"{VSTROM}=\f({P};{CSPEZ}\m{RHO}\m{DTHETA})", "VSTROM=P/(CSPEZ*RHO*DTHETA)"),
        (r"{DTHETA}=\f({P};{CSPEZ}\m{RHO}\m{VSTROM})", "DTHETA=P/(CSPEZ*RHO*VSTROM)"),
        ex=dict(CSPEZ=4182, RHO=998.2, VSTROM=1e-4, DTHETA=30),
        text="Ein Durchlauferhitzer erwärmt 6 l Wasser je Minute um 30 K (ohne Verluste).")

topic("Wärmeübertragung")
formula("Wärmeübergang an einer Oberfläche",
        (r"{PHIW}={ALPHAUE}\m{FL}\m{DTHETA}", "PHIW=ALPHAUE*FL*DTHETA"),
        (r"{ALPHAUE}=\f({PHIW};{FL}\m{DTHETA})", "ALPHAUE=PHIW/(FL*DTHETA)"),
        (r"{FL}=\f({PHIW};{ALPHAUE}\m{DTHETA})", "FL=PHIW/(ALPHAUE*DTHETA)"),
        (r"{DTHETA}=\f({PHIW};{ALPHAUE}\m{FL})", "DTHETA=PHIW/(ALPHAUE*FL)"),
        ex=dict(ALPHAUE=8, FL=2, DTHETA=15), text="Ein Heizkörper (2 m², 15 K wärmer als die Raumluft) gibt Wärme durch Konvektion ab.")
formula("Wärmedurchlasswiderstand einer Schicht",
        (r"{RLAMBDA}=\f({DICKE};{LAMBDAW})", "RLAMBDA=DICKE/LAMBDAW"),
        (r"{DICKE}={RLAMBDA}\m{LAMBDAW}", "DICKE=RLAMBDA*LAMBDAW"),
        (r"{LAMBDAW}=\f({DICKE};{RLAMBDA})", "LAMBDAW=DICKE/RLAMBDA"),
        ex=dict(DICKE=0.24, LAMBDAW=0.81), text="Eine 24 cm dicke Vollziegelwand (λ = 0,81 W/(m·K)).")
formula("Wärmedurchgangskoeffizient eines Bauteils",
        (r"{UWERT}=\f(1;{RSI}+{RLAMBDA}+{RSE})", "UWERT=1/(RSI+RLAMBDA+RSE)"),
        (r"{RLAMBDA}=\f(1;{UWERT})-{RSI}-{RSE}", "RLAMBDA=1/UWERT-RSI-RSE"),
        ex=dict(RSI=0.13, RLAMBDA=0.296, RSE=0.04),
        text="Die 24 cm dicke Ziegelwand (R = 0,296 m²·K/W) mit den Übergangswiderständen innen 0,13 und außen 0,04 m²·K/W.")
formula("Strahlungsleistung eines Körpers mit Emissionsgrad",
        (r"{P}={EPSEM}\m{SIGMASB}\m{FL}\m{TK}\u(4)", "P=EPSEM*SIGMASB*FL*TK^4"),
        (r"{EPSEM}=\f({P};{SIGMASB}\m{FL}\m{TK}\u(4))", "EPSEM=P/(SIGMASB*FL*TK^4)"),
        (r"{FL}=\f({P};{EPSEM}\m{SIGMASB}\m{TK}\u(4))", "FL=P/(EPSEM*SIGMASB*TK^4)"),
        (r"{TK}=\u(4)\w(\f({P};{EPSEM}\m{SIGMASB}\m{FL}))", "TK=(P/(EPSEM*SIGMASB*FL))^0,25"),
        ex=dict(EPSEM=0.95, FL=1.8, TK=306), text="Die Haut eines Menschen (1,8 m², 33 °C, Emissionsgrad 0,95) strahlt ab.")
formula("Strahlungsaustausch mit der Umgebung",
        (r"{P}={EPSEM}\m{SIGMASB}\m{FL}\m({TKA}\u(4)-{TKB}\u(4))", "P=EPSEM*SIGMASB*FL*(TKA^4-TKB^4)"),
        (r"{EPSEM}=\f({P};{SIGMASB}\m{FL}\m({TKA}\u(4)-{TKB}\u(4)))", "EPSEM=P/(SIGMASB*FL*(TKA^4-TKB^4))"),
        (r"{FL}=\f({P};{EPSEM}\m{SIGMASB}\m({TKA}\u(4)-{TKB}\u(4)))", "FL=P/(EPSEM*SIGMASB*(TKA^4-TKB^4))"),
        (r"{TKA}=\u(4)\w({TKB}\u(4)+\f({P};{EPSEM}\m{SIGMASB}\m{FL}))", "TKA=(TKB^4+P/(EPSEM*SIGMASB*FL))^0,25"),
        ex=dict(EPSEM=0.95, FL=1.8, TKA=306, TKB=293),
        text="Ein Mensch (1,8 m², 33 °C Hauttemperatur) in einem Raum mit 20 °C warmen Wänden; T₁ ist der Körper, T₂ die Umgebung.")

topic("Ideale Gase")
formula("Zustandsgleichung mit der Masse",
        (r"{PGAS}=\f({M}\m{RGAS}\m{TK};{MMOL}\m{VOL})", "PGAS=M*RGAS*TK/(MMOL*VOL)"),
        (r"{M}=\f({PGAS}\m{VOL}\m{MMOL};{RGAS}\m{TK})", "M=PGAS*VOL*MMOL/(RGAS*TK)"),
        (r"{VOL}=\f({M}\m{RGAS}\m{TK};{MMOL}\m{PGAS})", "VOL=M*RGAS*TK/(MMOL*PGAS)"),
        (r"{TK}=\f({PGAS}\m{VOL}\m{MMOL};{M}\m{RGAS})", "TK=PGAS*VOL*MMOL/(M*RGAS)"),
        (r"{MMOL}=\f({M}\m{RGAS}\m{TK};{PGAS}\m{VOL})", "MMOL=M*RGAS*TK/(PGAS*VOL)"),
        ex=dict(M=0.5, TK=293.15, MMOL=0.032, VOL=0.01),
        text="In einer 10-l-Flasche sind 500 g Sauerstoff (32 g/mol) bei 20 °C.")
formula("Dichte eines idealen Gases",
        (r"{RHO}=\f({PGAS}\m{MMOL};{RGAS}\m{TK})", "RHO=PGAS*MMOL/(RGAS*TK)"),
        (r"{PGAS}=\f({RHO}\m{RGAS}\m{TK};{MMOL})", "PGAS=RHO*RGAS*TK/MMOL"),
        (r"{MMOL}=\f({RHO}\m{RGAS}\m{TK};{PGAS})", "MMOL=RHO*RGAS*TK/PGAS"),
        (r"{TK}=\f({PGAS}\m{MMOL};{RHO}\m{RGAS})", "TK=PGAS*MMOL/(RHO*RGAS)"),
        ex=dict(PGAS=101325, MMOL=0.02896, TK=293.15), text="Luft (28,96 g/mol) bei 1013,25 hPa und 20 °C.")
formula("Spezifische Gaskonstante",
        (r"{RSPEZ}=\f({RGAS};{MMOL})", "RSPEZ=RGAS/MMOL"),
        (r"{MMOL}=\f({RGAS};{RSPEZ})", "MMOL=RGAS/RSPEZ"),
        ex=dict(MMOL=0.02896), text="Luft hat die molare Masse 28,96 g/mol.")
formula("Zustandsgleichung mit der spezifischen Gaskonstante",
        (r"{PGAS}=\f({M}\m{RSPEZ}\m{TK};{VOL})", "PGAS=M*RSPEZ*TK/VOL"),
        (r"{M}=\f({PGAS}\m{VOL};{RSPEZ}\m{TK})", "M=PGAS*VOL/(RSPEZ*TK)"),
        (r"{VOL}=\f({M}\m{RSPEZ}\m{TK};{PGAS})", "VOL=M*RSPEZ*TK/PGAS"),
        (r"{TK}=\f({PGAS}\m{VOL};{M}\m{RSPEZ})", "TK=PGAS*VOL/(M*RSPEZ)"),
        (r"{RSPEZ}=\f({PGAS}\m{VOL};{M}\m{TK})", "RSPEZ=PGAS*VOL/(M*TK)"),
        ex=dict(M=1.2, RSPEZ=287.1, TK=293.15, VOL=1), text="1,2 kg Luft (Rs = 287,1 J/(kg·K)) in 1 m³ bei 20 °C.")
formula("Zustandsgleichung mit der Teilchenzahl",
        (r"{NT}=\f({PGAS}\m{VOL};{KB}\m{TK})", "NT=PGAS*VOL/(KB*TK)"),
        (r"{PGAS}=\f({NT}\m{KB}\m{TK};{VOL})", "PGAS=NT*KB*TK/VOL"),
        (r"{VOL}=\f({NT}\m{KB}\m{TK};{PGAS})", "VOL=NT*KB*TK/PGAS"),
        (r"{TK}=\f({PGAS}\m{VOL};{NT}\m{KB})", "TK=PGAS*VOL/(NT*KB)"),
        ex=dict(PGAS=101325, VOL=1e-6, TK=273.15), text="Wie viele Gasteilchen sind in 1 cm³ bei 0 °C und 1013,25 hPa?")
formula("Mittlere quadratische Geschwindigkeit der Gasteilchen",
        (r"{VRMS}=\w(\f(3\m{RGAS}\m{TK};{MMOL}))", "VRMS=SQRT(3*RGAS*TK/MMOL)"),
        (r"{TK}=\f({MMOL}\m{VRMS}\u(2);3\m{RGAS})", "TK=MMOL*VRMS^2/(3*RGAS)"),
        (r"{MMOL}=\f(3\m{RGAS}\m{TK};{VRMS}\u(2))", "MMOL=3*RGAS*TK/VRMS^2"),
        ex=dict(TK=293.15, MMOL=0.028), text="Stickstoffmoleküle (28 g/mol) bei 20 °C.")
formula("Partialdrücke (Gesetz von Dalton)",
        (r"{PGES}={PTA}+{PTB}", "PGES=PTA+PTB"),
        (r"{PTA}={PGES}-{PTB}", "PTA=PGES-PTB"),
        (r"{PTB}={PGES}-{PTA}", "PTB=PGES-PTA"),
        ex=dict(PTA=79500, PTB=21300), text="Stickstoff und Sauerstoff der Luft (ohne die übrigen Gase).")
formula("Innere Energie eines einatomigen idealen Gases",
        (r"{UINNER}=\f(3;2)\m{NMOL}\m{RGAS}\m{TK}", "UINNER=3*NMOL*RGAS*TK/2"),
        (r"{NMOL}=\f(2\m{UINNER};3\m{RGAS}\m{TK})", "NMOL=2*UINNER/(3*RGAS*TK)"),
        (r"{TK}=\f(2\m{UINNER};3\m{NMOL}\m{RGAS})", "TK=2*UINNER/(3*NMOL*RGAS)"),
        ex=dict(NMOL=1, TK=300), text="1 mol Helium bei 300 K.")

topic("Hauptsätze der Thermodynamik")
formula("Adiabatische Zustandsänderung: Druck und Volumen",
        (r"{DRUCKB}={DRUCKA}\m(\f({VOLA};{VOLB}))\u({KAPPA})", "DRUCKB=DRUCKA*(VOLA/VOLB)^KAPPA"),
        (r"{DRUCKA}={DRUCKB}\m(\f({VOLB};{VOLA}))\u({KAPPA})", "DRUCKA=DRUCKB*(VOLB/VOLA)^KAPPA"),
        (r"{VOLB}={VOLA}\m(\f({DRUCKA};{DRUCKB}))\u(1/{KAPPA})", "VOLB=VOLA*(DRUCKA/DRUCKB)^(1/KAPPA)"),
        (r"{VOLA}={VOLB}\m(\f({DRUCKB};{DRUCKA}))\u(1/{KAPPA})", "VOLA=VOLB*(DRUCKB/DRUCKA)^(1/KAPPA)"),
        (r"{KAPPA}=\f(ln({DRUCKB}/{DRUCKA});ln({VOLA}/{VOLB}))", "KAPPA=LN(DRUCKB/DRUCKA)/LN(VOLA/VOLB)"),
        ex=dict(DRUCKA=100000, VOLA=0.001, VOLB=0.0001, KAPPA=1.4),
        text="Luft (κ = 1,4) wird im Dieselmotor ohne Wärmeaustausch auf ein Zehntel ihres Volumens verdichtet.")
formula("Adiabatische Zustandsänderung: Temperatur und Volumen",
        (r"{TKB}={TKA}\m(\f({VOLA};{VOLB}))\u({KAPPA}-1)", "TKB=TKA*(VOLA/VOLB)^(KAPPA-1)"),
        (r"{TKA}={TKB}\m(\f({VOLB};{VOLA}))\u({KAPPA}-1)", "TKA=TKB*(VOLB/VOLA)^(KAPPA-1)"),
        (r"{VOLB}={VOLA}\m(\f({TKA};{TKB}))\u(1/({KAPPA}-1))", "VOLB=VOLA*(TKA/TKB)^(1/(KAPPA-1))"),
        (r"{VOLA}={VOLB}\m(\f({TKB};{TKA}))\u(1/({KAPPA}-1))", "VOLA=VOLB*(TKB/TKA)^(1/(KAPPA-1))"),
        ex=dict(TKA=293.15, VOLA=0.001, VOLB=0.0001, KAPPA=1.4),
        text="Luft von 20 °C wird ohne Wärmeaustausch auf ein Zehntel ihres Volumens verdichtet.")
formula("Isentropenexponent",
        (r"{KAPPA}=\f({CP};{CV})", "KAPPA=CP/CV"),
        (r"{CP}={KAPPA}\m{CV}", "CP=KAPPA*CV"),
        (r"{CV}=\f({CP};{KAPPA})", "CV=CP/KAPPA"),
        ex=dict(CP=1005, CV=718), text="Luft: cp = 1005 J/(kg·K), cV = 718 J/(kg·K).")
formula("Wärme bei konstantem Volumen",
        (r"{QZU}={NMOL}\m{CMV}\m{DTHETA}", "QZU=NMOL*CMV*DTHETA"),
        (r"{NMOL}=\f({QZU};{CMV}\m{DTHETA})", "NMOL=QZU/(CMV*DTHETA)"),
        (r"{CMV}=\f({QZU};{NMOL}\m{DTHETA})", "CMV=QZU/(NMOL*DTHETA)"),
        (r"{DTHETA}=\f({QZU};{NMOL}\m{CMV})", "DTHETA=QZU/(NMOL*CMV)"),
        ex=dict(NMOL=2, CMV=12.47, DTHETA=50), text="2 mol Helium (C\u2098,V = 12,47 J/(mol·K)) werden in einem festen Behälter um 50 K erwärmt.")
formula("Wärme bei konstantem Druck",
        (r"{QZU}={NMOL}\m{CMP}\m{DTHETA}", "QZU=NMOL*CMP*DTHETA"),
        (r"{NMOL}=\f({QZU};{CMP}\m{DTHETA})", "NMOL=QZU/(CMP*DTHETA)"),
        (r"{CMP}=\f({QZU};{NMOL}\m{DTHETA})", "CMP=QZU/(NMOL*DTHETA)"),
        (r"{DTHETA}=\f({QZU};{NMOL}\m{CMP})", "DTHETA=QZU/(NMOL*CMP)"),
        ex=dict(NMOL=2, CMP=20.79, DTHETA=50), text="2 mol Helium (C\u2098,p = 20,79 J/(mol·K)) werden bei gleichem Druck um 50 K erwärmt.")
formula("Thermischer Wirkungsgrad einer Wärmekraftmaschine",
        (r"{ETA}=\f({W};{QZU})", "ETA=W/QZU"),
        (r"{W}={ETA}\m{QZU}", "W=ETA*QZU"),
        (r"{QZU}=\f({W};{ETA})", "QZU=W/ETA"),
        ex=dict(W=3.5e5, QZU=1e6), text="Ein Motor gibt aus 1 MJ aufgenommener Wärme 350 kJ als Arbeit ab.")
formula("Leistungszahl einer idealen Wärmepumpe (T in Kelvin)",
        (r"{EPSWP}=\f({TOBEN};{TOBEN}-{TUNTEN})", "EPSWP=TOBEN/(TOBEN-TUNTEN)"),
        (r"{TOBEN}=\f({EPSWP}\m{TUNTEN};{EPSWP}-1)", "TOBEN=EPSWP*TUNTEN/(EPSWP-1)"),
        (r"{TUNTEN}={TOBEN}\m(1-\f(1;{EPSWP}))", "TUNTEN=TOBEN*(1-1/EPSWP)"),
        ex=dict(TOBEN=308.15, TUNTEN=273.15), text="Eine Wärmepumpe heizt mit 35 °C Vorlauf und holt die Wärme aus 0 °C kalter Luft.")
formula("Leistungszahl einer idealen Kältemaschine (T in Kelvin)",
        (r"{EPSKM}=\f({TUNTEN};{TOBEN}-{TUNTEN})", "EPSKM=TUNTEN/(TOBEN-TUNTEN)"),
        (r"{TUNTEN}=\f({EPSKM}\m{TOBEN};1+{EPSKM})", "TUNTEN=EPSKM*TOBEN/(1+EPSKM)"),
        (r"{TOBEN}={TUNTEN}\m(1+\f(1;{EPSKM}))", "TOBEN=TUNTEN*(1+1/EPSKM)"),
        ex=dict(TOBEN=303.15, TUNTEN=255.15), text="Ein Gefrierschrank hält −18 °C in einem 30 °C warmen Raum.")
formula("Leistungszahl einer Wärmepumpe aus den Leistungen",
        (r"{EPSWP}=\f({PHIW};{P})", "EPSWP=PHIW/P"),
        (r"{PHIW}={EPSWP}\m{P}", "PHIW=EPSWP*P"),
        (r"{P}=\f({PHIW};{EPSWP})", "P=PHIW/EPSWP"),
        ex=dict(PHIW=8000, P=2000), text="Eine Wärmepumpe gibt 8 kW Heizwärmestrom ab und nimmt 2 kW elektrisch auf.")
formula("Entropieänderung bei gleicher Temperatur",
        (r"{DS}=\f({QZU};{TK})", "DS=QZU/TK"),
        (r"{QZU}={DS}\m{TK}", "QZU=DS*TK"),
        (r"{TK}=\f({QZU};{DS})", "TK=QZU/DS"),
        ex=dict(QZU=334000, TK=273.15), text="1 kg Eis schmilzt bei 0 °C und nimmt 334 kJ auf.")
