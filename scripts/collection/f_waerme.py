"""Flüssigkeiten und Gase; Wärmelehre."""
from .catalog import area, topic, formula

area("Flüssigkeiten und Gase")

topic("Dichte und Druck")
formula("Dichte",
        (r"{RHO}=\f({M};{VOL})", "RHO=M/VOL"),
        (r"{M}={RHO}\m{VOL}", "M=RHO*VOL"),
        (r"{VOL}=\f({M};{RHO})", "VOL=M/RHO"),
        ex=dict(M=2.7, VOL=0.001), text="Ein Würfel von 1 dm³ wiegt 2,7 kg.")
formula("Druck",
        (r"{DRUCK}=\f({F};{FL})", "DRUCK=F/FL"),
        (r"{F}={DRUCK}\m{FL}", "F=DRUCK*FL"),
        (r"{FL}=\f({F};{DRUCK})", "FL=F/DRUCK"),
        ex=dict(F=600, FL=0.03), text="Eine Person (600 N) steht auf Schuhsohlen mit zusammen 300 cm².")
formula("Schweredruck in Flüssigkeiten",
        (r"{PSCHWER}={RHO}\m{G}\m{H}", "PSCHWER=RHO*G*H"),
        (r"{RHO}=\f({PSCHWER};{G}\m{H})", "RHO=PSCHWER/(G*H)"),
        (r"{H}=\f({PSCHWER};{RHO}\m{G})", "H=PSCHWER/(RHO*G)"),
        (r"{G}=\f({PSCHWER};{RHO}\m{H})", "G=PSCHWER/(RHO*H)"),
        ex=dict(RHO=1000, H=10), text="Druck des Wassers in 10 m Tiefe (ohne Luftdruck).")
formula("Auftriebskraft (Archimedisches Prinzip)",
        (r"{FAUF}={RHO}\m{G}\m{VOL}", "FAUF=RHO*G*VOL"),
        (r"{RHO}=\f({FAUF};{G}\m{VOL})", "RHO=FAUF/(G*VOL)"),
        (r"{VOL}=\f({FAUF};{RHO}\m{G})", "VOL=FAUF/(RHO*G)"),
        (r"{G}=\f({FAUF};{RHO}\m{VOL})", "G=FAUF/(RHO*VOL)"),
        ex=dict(RHO=1000, VOL=0.002), text="Ein Stein von 2 dm³ liegt ganz im Wasser.")
formula("Hydraulische Presse",
        (r"{FB}=\f({FA}\m{FLB};{FLA})", "FB=FA*FLB/FLA"),
        (r"{FA}=\f({FB}\m{FLA};{FLB})", "FA=FB*FLA/FLB"),
        (r"{FLA}=\f({FA}\m{FLB};{FB})", "FLA=FA*FLB/FB"),
        (r"{FLB}=\f({FB}\m{FLA};{FA})", "FLB=FB*FLA/FA"),
        ex=dict(FA=200, FLA=0.0005, FLB=0.02),
        text="Auf den Pumpkolben (5 cm²) wirken 200 N; der Arbeitskolben hat 200 cm².")

topic("Strömung")
formula("Volumenstrom",
        (r"{VSTROM}={FL}\m{V}", "VSTROM=FL*V"),
        (r"{FL}=\f({VSTROM};{V})", "FL=VSTROM/V"),
        (r"{V}=\f({VSTROM};{FL})", "V=VSTROM/FL"),
        ex=dict(FL=0.0008, V=2.5))
formula("Kontinuitätsgleichung",
        (r"{VB}=\f({FLA}\m{VA};{FLB})", "VB=FLA*VA/FLB"),
        (r"{VA}=\f({FLB}\m{VB};{FLA})", "VA=FLB*VB/FLA"),
        (r"{FLA}=\f({FLB}\m{VB};{VA})", "FLA=FLB*VB/VA"),
        (r"{FLB}=\f({FLA}\m{VA};{VB})", "FLB=FLA*VA/VB"),
        ex=dict(FLA=0.002, VA=1.5, FLB=0.0005), text="Ein Rohr verengt sich von 20 cm² auf 5 cm².")
formula("Staudruck",
        (r"{PDYN}=\f(1;2)\m{RHO}\m{V}\u(2)", "PDYN=RHO*V^2/2"),
        (r"{RHO}=\f(2\m{PDYN};{V}\u(2))", "RHO=2*PDYN/V^2"),
        (r"{V}=\w(\f(2\m{PDYN};{RHO}))", "V=SQRT(2*PDYN/RHO)"),
        ex=dict(RHO=1.2, V=30))
formula("Strömungswiderstand",
        (r"{FW}=\f(1;2)\m{CWERT}\m{RHO}\m{FL}\m{V}\u(2)", "FW=CWERT*RHO*FL*V^2/2"),
        (r"{CWERT}=\f(2\m{FW};{RHO}\m{FL}\m{V}\u(2))", "CWERT=2*FW/(RHO*FL*V^2)"),
        (r"{RHO}=\f(2\m{FW};{CWERT}\m{FL}\m{V}\u(2))", "RHO=2*FW/(CWERT*FL*V^2)"),
        (r"{FL}=\f(2\m{FW};{CWERT}\m{RHO}\m{V}\u(2))", "FL=2*FW/(CWERT*RHO*V^2)"),
        (r"{V}=\w(\f(2\m{FW};{CWERT}\m{RHO}\m{FL}))", "V=SQRT(2*FW/(CWERT*RHO*FL))"),
        ex=dict(CWERT=0.3, RHO=1.2, FL=2.2, V=30),
        text="Ein Auto (cw = 0,3, Stirnfläche 2,2 m²) fährt mit 30 m/s durch Luft (1,2 kg/m³).")

area("Wärmelehre")

topic("Temperatur")
formula("Kelvin-Temperatur und Celsius-Temperatur",
        (r"{TK}={THETA}+273,15", "TK=THETA+273,15"),
        (r"{THETA}={TK}-273,15", "THETA=TK-273,15"),
        ex=dict(THETA=20))
formula("Fahrenheit-Temperatur und Celsius-Temperatur",
        (r"{THETAF}=1,8\m{THETA}+32", "THETAF=1,8*THETA+32"),
        (r"{THETA}=\f({THETAF}-32;1,8)", "THETA=(THETAF-32)/1,8"),
        ex=dict(THETA=37))

topic("Wärmeausdehnung")
formula("Längenausdehnung",
        (r"{DL}={ALPHAL}\m{L0}\m{DTHETA}", "DL=ALPHAL*L0*DTHETA"),
        (r"{ALPHAL}=\f({DL};{L0}\m{DTHETA})", "ALPHAL=DL/(L0*DTHETA)"),
        (r"{L0}=\f({DL};{ALPHAL}\m{DTHETA})", "L0=DL/(ALPHAL*DTHETA)"),
        (r"{DTHETA}=\f({DL};{ALPHAL}\m{L0})", "DTHETA=DL/(ALPHAL*L0)"),
        ex=dict(ALPHAL=1.2e-5, L0=50, DTHETA=40), text="Eine 50 m lange Stahlbrücke erwärmt sich um 40 K.")
formula("Länge nach der Erwärmung",
        (r"{LAENGE}={L0}\m(1+{ALPHAL}\m{DTHETA})", "LAENGE=L0*(1+ALPHAL*DTHETA)"),
        (r"{L0}=\f({LAENGE};1+{ALPHAL}\m{DTHETA})", "L0=LAENGE/(1+ALPHAL*DTHETA)"),
        (r"{ALPHAL}=\f({LAENGE}-{L0};{L0}\m{DTHETA})", "ALPHAL=(LAENGE-L0)/(L0*DTHETA)"),
        (r"{DTHETA}=\f({LAENGE}-{L0};{ALPHAL}\m{L0})", "DTHETA=(LAENGE-L0)/(ALPHAL*L0)"),
        ex=dict(L0=50, ALPHAL=1.2e-5, DTHETA=40))
formula("Volumenausdehnung",
        (r"{DVOL}={GAMMAV}\m{VOL0}\m{DTHETA}", "DVOL=GAMMAV*VOL0*DTHETA"),
        (r"{GAMMAV}=\f({DVOL};{VOL0}\m{DTHETA})", "GAMMAV=DVOL/(VOL0*DTHETA)"),
        (r"{VOL0}=\f({DVOL};{GAMMAV}\m{DTHETA})", "VOL0=DVOL/(GAMMAV*DTHETA)"),
        (r"{DTHETA}=\f({DVOL};{GAMMAV}\m{VOL0})", "DTHETA=DVOL/(GAMMAV*VOL0)"),
        ex=dict(GAMMAV=0.00021, VOL0=0.01, DTHETA=30), text="10 l Wasser werden um 30 K erwärmt.")

topic("Wärme")
formula("Grundgleichung der Wärmelehre",
        (r"{QW}={CSPEZ}\m{M}\m{DTHETA}", "QW=CSPEZ*M*DTHETA"),
        (r"{CSPEZ}=\f({QW};{M}\m{DTHETA})", "CSPEZ=QW/(M*DTHETA)"),
        (r"{M}=\f({QW};{CSPEZ}\m{DTHETA})", "M=QW/(CSPEZ*DTHETA)"),
        (r"{DTHETA}=\f({QW};{CSPEZ}\m{M})", "DTHETA=QW/(CSPEZ*M)"),
        ex=dict(CSPEZ=4182, M=2, DTHETA=80), text="2 kg Wasser werden von 20 °C auf 100 °C erwärmt.")
formula("Schmelzwärme",
        (r"{QW}={QSCHM}\m{M}", "QW=QSCHM*M"),
        (r"{QSCHM}=\f({QW};{M})", "QSCHM=QW/M"),
        (r"{M}=\f({QW};{QSCHM})", "M=QW/QSCHM"),
        ex=dict(QSCHM=334000, M=0.5), text="0,5 kg Eis von 0 °C schmelzen.")
formula("Verdampfungswärme",
        (r"{QW}={QVERD}\m{M}", "QW=QVERD*M"),
        (r"{QVERD}=\f({QW};{M})", "QVERD=QW/M"),
        (r"{M}=\f({QW};{QVERD})", "M=QW/QVERD"),
        ex=dict(QVERD=2257000, M=0.5), text="0,5 kg Wasser von 100 °C verdampfen.")
formula("Verbrennungswärme",
        (r"{QW}={HEIZW}\m{M}", "QW=HEIZW*M"),
        (r"{HEIZW}=\f({QW};{M})", "HEIZW=QW/M"),
        (r"{M}=\f({QW};{HEIZW})", "M=QW/HEIZW"),
        ex=dict(HEIZW=4.28e7, M=5), text="5 kg Heizöl (Heizwert 42,8 MJ/kg) verbrennen.")
formula("Wärmekapazität eines Körpers",
        (r"{WKAP}={CSPEZ}\m{M}", "WKAP=CSPEZ*M"),
        (r"{CSPEZ}=\f({WKAP};{M})", "CSPEZ=WKAP/M"),
        (r"{M}=\f({WKAP};{CSPEZ})", "M=WKAP/CSPEZ"),
        ex=dict(CSPEZ=897, M=1.5))
formula("Mischungstemperatur (Richmannsche Regel)",
        (r"{THETAM}=\f({MA}\m{CSPA}\m{THETAA}+{MB}\m{CSPB}\m{THETAB};{MA}\m{CSPA}+{MB}\m{CSPB})",
         "THETAM=(MA*CSPA*THETAA+MB*CSPB*THETAB)/(MA*CSPA+MB*CSPB)"),
        (r"{THETAA}=\f({THETAM}\m({MA}\m{CSPA}+{MB}\m{CSPB})-{MB}\m{CSPB}\m{THETAB};{MA}\m{CSPA})",
         "THETAA=(THETAM*(MA*CSPA+MB*CSPB)-MB*CSPB*THETAB)/(MA*CSPA)"),
        (r"{THETAB}=\f({THETAM}\m({MA}\m{CSPA}+{MB}\m{CSPB})-{MA}\m{CSPA}\m{THETAA};{MB}\m{CSPB})",
         "THETAB=(THETAM*(MA*CSPA+MB*CSPB)-MA*CSPA*THETAA)/(MB*CSPB)"),
        (r"{MA}=\f({MB}\m{CSPB}\m({THETAB}-{THETAM});{CSPA}\m({THETAM}-{THETAA}))",
         "MA=MB*CSPB*(THETAB-THETAM)/(CSPA*(THETAM-THETAA))"),
        (r"{MB}=\f({MA}\m{CSPA}\m({THETAM}-{THETAA});{CSPB}\m({THETAB}-{THETAM}))",
         "MB=MA*CSPA*(THETAM-THETAA)/(CSPB*(THETAB-THETAM))"),
        (r"{CSPA}=\f({MB}\m{CSPB}\m({THETAB}-{THETAM});{MA}\m({THETAM}-{THETAA}))",
         "CSPA=MB*CSPB*(THETAB-THETAM)/(MA*(THETAM-THETAA))"),
        (r"{CSPB}=\f({MA}\m{CSPA}\m({THETAM}-{THETAA});{MB}\m({THETAB}-{THETAM}))",
         "CSPB=MA*CSPA*(THETAM-THETAA)/(MB*(THETAB-THETAM))"),
        ex=dict(MA=0.2, CSPA=897, THETAA=90, MB=0.5, CSPB=4182, THETAB=20),
        text="Ein Aluminiumkörper (200 g, 90 °C) wird in 0,5 kg Wasser von 20 °C gelegt.")

topic("Wärmeübertragung")
formula("Wärmeleitung",
        (r"{PHIW}=\f({LAMBDAW}\m{FL}\m{DTHETA};{DICKE})", "PHIW=LAMBDAW*FL*DTHETA/DICKE"),
        (r"{LAMBDAW}=\f({PHIW}\m{DICKE};{FL}\m{DTHETA})", "LAMBDAW=PHIW*DICKE/(FL*DTHETA)"),
        (r"{FL}=\f({PHIW}\m{DICKE};{LAMBDAW}\m{DTHETA})", "FL=PHIW*DICKE/(LAMBDAW*DTHETA)"),
        (r"{DTHETA}=\f({PHIW}\m{DICKE};{LAMBDAW}\m{FL})", "DTHETA=PHIW*DICKE/(LAMBDAW*FL)"),
        (r"{DICKE}=\f({LAMBDAW}\m{FL}\m{DTHETA};{PHIW})", "DICKE=LAMBDAW*FL*DTHETA/PHIW"),
        ex=dict(LAMBDAW=0.035, FL=10, DTHETA=20, DICKE=0.1),
        text="Wärmestrom durch 10 m² einer 10 cm dicken Dämmplatte (λ = 0,035 W/(m·K)) bei 20 K "
             "Unterschied zwischen ihren beiden Oberflächen.")
formula("Wärmedurchgang",
        (r"{PHIW}={UWERT}\m{FL}\m{DTHETA}", "PHIW=UWERT*FL*DTHETA"),
        (r"{UWERT}=\f({PHIW};{FL}\m{DTHETA})", "UWERT=PHIW/(FL*DTHETA)"),
        (r"{FL}=\f({PHIW};{UWERT}\m{DTHETA})", "FL=PHIW/(UWERT*DTHETA)"),
        (r"{DTHETA}=\f({PHIW};{UWERT}\m{FL})", "DTHETA=PHIW/(UWERT*FL)"),
        ex=dict(UWERT=1.3, FL=2, DTHETA=25), text="Ein Fenster (U = 1,3 W/(m²·K), 2 m²) bei 25 K Unterschied.")
formula("Stefan-Boltzmann-Gesetz",
        (r"{P}={SIGMASB}\m{FL}\m{TK}\u(4)", "P=SIGMASB*FL*TK^4"),
        (r"{FL}=\f({P};{SIGMASB}\m{TK}\u(4))", "FL=P/(SIGMASB*TK^4)"),
        (r"{TK}=\u(4)\w(\f({P};{SIGMASB}\m{FL}))", "TK=(P/(SIGMASB*FL))^0,25"),
        ex=dict(FL=0.01, TK=1000), text="Ein schwarzer Körper mit 1 dm² Oberfläche hat 1000 K.")
formula("Wiensches Verschiebungsgesetz",
        (r"{LMAX}=\f({BWIEN};{TK})", "LMAX=BWIEN/TK"),
        (r"{TK}=\f({BWIEN};{LMAX})", "TK=BWIEN/LMAX"),
        ex=dict(TK=5772), text="Die Sonnenoberfläche hat etwa 5772 K.")

topic("Ideale Gase")
formula("Gesetz von Boyle und Mariotte (T konstant)",
        (r"{DRUCKB}=\f({DRUCKA}\m{VOLA};{VOLB})", "DRUCKB=DRUCKA*VOLA/VOLB"),
        (r"{DRUCKA}=\f({DRUCKB}\m{VOLB};{VOLA})", "DRUCKA=DRUCKB*VOLB/VOLA"),
        (r"{VOLA}=\f({DRUCKB}\m{VOLB};{DRUCKA})", "VOLA=DRUCKB*VOLB/DRUCKA"),
        (r"{VOLB}=\f({DRUCKA}\m{VOLA};{DRUCKB})", "VOLB=DRUCKA*VOLA/DRUCKB"),
        ex=dict(DRUCKA=100000, VOLA=0.006, VOLB=0.002), text="6 l Luft bei 1000 hPa werden auf 2 l zusammengedrückt.")
formula("Gesetz von Gay-Lussac (p konstant)",
        (r"{VOLB}=\f({VOLA}\m{TKB};{TKA})", "VOLB=VOLA*TKB/TKA"),
        (r"{VOLA}=\f({VOLB}\m{TKA};{TKB})", "VOLA=VOLB*TKA/TKB"),
        (r"{TKB}=\f({TKA}\m{VOLB};{VOLA})", "TKB=TKA*VOLB/VOLA"),
        (r"{TKA}=\f({TKB}\m{VOLA};{VOLB})", "TKA=TKB*VOLA/VOLB"),
        ex=dict(VOLA=0.002, TKA=293.15, TKB=353.15))
formula("Gesetz von Amontons (V konstant)",
        (r"{DRUCKB}=\f({DRUCKA}\m{TKB};{TKA})", "DRUCKB=DRUCKA*TKB/TKA"),
        (r"{DRUCKA}=\f({DRUCKB}\m{TKA};{TKB})", "DRUCKA=DRUCKB*TKA/TKB"),
        (r"{TKB}=\f({TKA}\m{DRUCKB};{DRUCKA})", "TKB=TKA*DRUCKB/DRUCKA"),
        (r"{TKA}=\f({TKB}\m{DRUCKA};{DRUCKB})", "TKA=TKB*DRUCKA/DRUCKB"),
        ex=dict(DRUCKA=300000, TKA=293.15, TKB=333.15),
        text="Ein Reifen mit 2 bar Überdruck, also 3 bar absolut, erwärmt sich von 20 °C auf 60 °C; "
             "das Gesetz gilt für den absoluten Druck.")
formula("Allgemeine Gasgleichung",
        (r"{DRUCKB}=\f({DRUCKA}\m{VOLA}\m{TKB};{TKA}\m{VOLB})", "DRUCKB=DRUCKA*VOLA*TKB/(TKA*VOLB)"),
        (r"{DRUCKA}=\f({DRUCKB}\m{VOLB}\m{TKA};{TKB}\m{VOLA})", "DRUCKA=DRUCKB*VOLB*TKA/(TKB*VOLA)"),
        (r"{VOLB}=\f({DRUCKA}\m{VOLA}\m{TKB};{TKA}\m{DRUCKB})", "VOLB=DRUCKA*VOLA*TKB/(TKA*DRUCKB)"),
        (r"{VOLA}=\f({DRUCKB}\m{VOLB}\m{TKA};{TKB}\m{DRUCKA})", "VOLA=DRUCKB*VOLB*TKA/(TKB*DRUCKA)"),
        (r"{TKB}=\f({DRUCKB}\m{VOLB}\m{TKA};{DRUCKA}\m{VOLA})", "TKB=DRUCKB*VOLB*TKA/(DRUCKA*VOLA)"),
        (r"{TKA}=\f({DRUCKA}\m{VOLA}\m{TKB};{DRUCKB}\m{VOLB})", "TKA=DRUCKA*VOLA*TKB/(DRUCKB*VOLB)"),
        ex=dict(DRUCKA=100000, VOLA=0.005, TKA=293.15, VOLB=0.004, TKB=313.15))
formula("Zustandsgleichung idealer Gase",
        (r"{PGAS}=\f({NMOL}\m{RGAS}\m{TK};{VOL})", "PGAS=NMOL*RGAS*TK/VOL"),
        (r"{VOL}=\f({NMOL}\m{RGAS}\m{TK};{PGAS})", "VOL=NMOL*RGAS*TK/PGAS"),
        (r"{NMOL}=\f({PGAS}\m{VOL};{RGAS}\m{TK})", "NMOL=PGAS*VOL/(RGAS*TK)"),
        (r"{TK}=\f({PGAS}\m{VOL};{NMOL}\m{RGAS})", "TK=PGAS*VOL/(NMOL*RGAS)"),
        ex=dict(NMOL=2, TK=300, VOL=0.05), text="2 mol eines Gases füllen bei 300 K einen Behälter von 50 l.")
formula("Stoffmenge",
        (r"{NMOL}=\f({M};{MMOL})", "NMOL=M/MMOL"),
        (r"{M}={NMOL}\m{MMOL}", "M=NMOL*MMOL"),
        (r"{MMOL}=\f({M};{NMOL})", "MMOL=M/NMOL"),
        ex=dict(M=0.088, MMOL=0.04401), text="88 g Kohlendioxid (molare Masse 44,01 g/mol).")
formula("Teilchenzahl",
        (r"{NT}={NMOL}\m{NA}", "NT=NMOL*NA"),
        (r"{NMOL}=\f({NT};{NA})", "NMOL=NT/NA"),
        ex=dict(NMOL=0.5))
formula("Molares Volumen",
        (r"{VOL}={NMOL}\m{VMOL}", "VOL=NMOL*VMOL"),
        (r"{NMOL}=\f({VOL};{VMOL})", "NMOL=VOL/VMOL"),
        ex=dict(NMOL=2))
formula("Mittlere kinetische Energie der Gasteilchen",
        (r"{WTEIL}=\f(3;2)\m{KB}\m{TK}", "WTEIL=3*KB*TK/2"),
        (r"{TK}=\f(2\m{WTEIL};3\m{KB})", "TK=2*WTEIL/(3*KB)"),
        ex=dict(TK=300))

topic("Hauptsätze der Thermodynamik")
formula("Erster Hauptsatz",
        (r"{DUI}={QZU}+{WGAS}", "DUI=QZU+WGAS"),
        (r"{QZU}={DUI}-{WGAS}", "QZU=DUI-WGAS"),
        (r"{WGAS}={DUI}-{QZU}", "WGAS=DUI-QZU"),
        ex=dict(QZU=5000, WGAS=1200), text="Einem Gas werden 5 kJ Wärme zugeführt und 1,2 kJ Arbeit an ihm verrichtet.")
formula("Volumenänderungsarbeit am Gas bei konstantem Druck",
        (r"{WGAS}=-{PGAS}\m{DVOL}", "WGAS=-PGAS*DVOL"),
        (r"{PGAS}=-\f({WGAS};{DVOL})", "PGAS=-WGAS/DVOL"),
        (r"{DVOL}=-\f({WGAS};{PGAS})", "DVOL=-WGAS/PGAS"),
        ex=dict(PGAS=200000, DVOL=0.003),
        text="Ein Gas dehnt sich bei 2 bar um 3 l aus. W ist wie im ersten Hauptsatz die am Gas "
             "verrichtete Arbeit; gibt das Gas Arbeit ab, ist sie negativ.")
formula("Volumenänderungsarbeit am Gas bei konstanter Temperatur",
        (r"{WGAS}=-{DRUCKA}\m{VOLA}\mln \f({VOLB};{VOLA})", "WGAS=-DRUCKA*VOLA*LN(VOLB/VOLA)"),
        (r"{DRUCKA}=-\f({WGAS};{VOLA}\mln({VOLB}/{VOLA}))", "DRUCKA=-WGAS/(VOLA*LN(VOLB/VOLA))"),
        (r"{VOLB}={VOLA}\me\u(-{WGAS}/({DRUCKA}\m{VOLA}))", "VOLB=VOLA*EXP(-WGAS/(DRUCKA*VOLA))"),
        ex=dict(DRUCKA=100000, VOLA=0.01, VOLB=0.02),
        text="10 l Gas bei 1000 hPa dehnen sich bei gleicher Temperatur auf 20 l aus. W ist die am Gas "
             "verrichtete Arbeit, bei der Ausdehnung also negativ. Nach V₁ ist die Gleichung nicht "
             "geschlossen auflösbar.")
formula("Wirkungsgrad der Carnot-Maschine (T in Kelvin)",
        (r"{ETA}=1-\f({TUNTEN};{TOBEN})", "ETA=1-TUNTEN/TOBEN"),
        (r"{TUNTEN}={TOBEN}\m(1-{ETA})", "TUNTEN=TOBEN*(1-ETA)"),
        (r"{TOBEN}=\f({TUNTEN};1-{ETA})", "TOBEN=TUNTEN/(1-ETA)"),
        ex=dict(TOBEN=600, TUNTEN=300), text="Eine Wärmekraftmaschine arbeitet zwischen 600 K (heißer Behälter) und 300 K (kalter Behälter).")
