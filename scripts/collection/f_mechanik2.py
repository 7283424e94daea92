"""Mechanik, weitere Formeln: Bremsen und Anhalten, Würfe, Kurvenfahrt,
schiefe Ebene mit Reibung, Federn, Kräfte, Stöße, Drehbewegung und
Trägheitsmomente, Gravitation."""
from .catalog import area, topic, formula

area("Mechanik")

topic("Geradlinige Bewegung")
formula("Beschleunigung aus der Geschwindigkeitsänderung",
        (r"{A}=\f({DV};{DT})", "A=DV/DT"),
        (r"{DV}={A}\m{DT}", "DV=A*DT"),
        (r"{DT}=\f({DV};{A})", "DT=DV/A"),
        ex=dict(DV=20, DT=8), text="Ein Zug wird in 8 s um 20 m/s schneller.")
formula("Bremsweg bis zum Stillstand",
        (r"{SBREMS}=\f({V0}\u(2);2\m{AVERZ})", "SBREMS=V0^2/(2*AVERZ)"),
        (r"{V0}=\r(2\m{AVERZ}\m{SBREMS})", "V0=SQRT(2*AVERZ*SBREMS)"),
        (r"{AVERZ}=\f({V0}\u(2);2\m{SBREMS})", "AVERZ=V0^2/(2*SBREMS)"),
        ex=dict(V0=25, AVERZ=7), text="Ein Auto bremst aus 90 km/h (25 m/s) mit 7 m/s² bis zum Stand.")
formula("Bremszeit bis zum Stillstand",
        (r"{T}=\f({V0};{AVERZ})", "T=V0/AVERZ"),
        (r"{V0}={AVERZ}\m{T}", "V0=AVERZ*T"),
        (r"{AVERZ}=\f({V0};{T})", "AVERZ=V0/T"),
        ex=dict(V0=25, AVERZ=7), text="Ein Auto bremst aus 90 km/h (25 m/s) mit 7 m/s² bis zum Stand.")
formula("Anhalteweg aus Reaktionsweg und Bremsweg",
        (r"{SANH}={V0}\m{TR}+\f({V0}\u(2);2\m{AVERZ})", "SANH=V0*TR+V0^2/(2*AVERZ)"),
        (r"{V0}={AVERZ}\m(\w({TR}\u(2)+\f(2\m{SANH};{AVERZ}))-{TR})", "V0=AVERZ*(SQRT(TR^2+2*SANH/AVERZ)-TR)"),
        (r"{TR}=\f({SANH};{V0})-\f({V0};2\m{AVERZ})", "TR=SANH/V0-V0/(2*AVERZ)"),
        (r"{AVERZ}=\f({V0}\u(2);2\m({SANH}-{V0}\m{TR}))", "AVERZ=V0^2/(2*(SANH-V0*TR))"),
        ex=dict(V0=25, TR=1, AVERZ=7),
        text="Bei 90 km/h (25 m/s) reagiert der Fahrer nach 1 s und bremst dann mit 7 m/s².")
formula("Verzögerte Bewegung: Weg bis zur Zeit t",
        (r"{S}={V0}\m{T}-\f(1;2)\m{AVERZ}\m{T}\u(2)", "S=V0*T-AVERZ*T^2/2"),
        (r"{V0}=\f({S};{T})+\f({AVERZ}\m{T};2)", "V0=S/T+AVERZ*T/2"),
        (r"{AVERZ}=\f(2\m({V0}\m{T}-{S});{T}\u(2))", "AVERZ=2*(V0*T-S)/T^2"),
        ex=dict(V0=25, AVERZ=7, T=2), text="Ein Auto bremst 2 s lang aus 25 m/s mit 7 m/s².")
formula("Weg aus Anfangs- und Endgeschwindigkeit",
        (r"{S}=\f({V0}+{V};2)\m{T}", "S=(V0+V)/2*T"),
        (r"{V}=\f(2\m{S};{T})-{V0}", "V=2*S/T-V0"),
        (r"{V0}=\f(2\m{S};{T})-{V}", "V0=2*S/T-V"),
        (r"{T}=\f(2\m{S};{V0}+{V})", "T=2*S/(V0+V)"),
        ex=dict(V0=10, V=25, T=6), text="Ein Auto beschleunigt gleichmäßig in 6 s von 10 m/s auf 25 m/s.")

topic("Freier Fall und Wurf")
formula("Schräger Wurf: größte Wurfweite (bei 45°)",
        (r"{SW}=\f({V0}\u(2);{G})", "SW=V0^2/G"),
        (r"{V0}=\r({SW}\m{G})", "V0=SQRT(SW*G)"),
        (r"{G}=\f({V0}\u(2);{SW})", "G=V0^2/SW"),
        ex=dict(V0=20), text="Ein Ball wird mit 20 m/s unter 45° abgeworfen (Abwurf und Aufprall auf gleicher Höhe).")
formula("Senkrechter Wurf nach unten: Geschwindigkeit",
        (r"{V}={V0}+{G}\m{T}", "V=V0+G*T"),
        (r"{V0}={V}-{G}\m{T}", "V0=V-G*T"),
        (r"{T}=\f({V}-{V0};{G})", "T=(V-V0)/G"),
        ex=dict(V0=5, T=2), text="Ein Stein wird mit 5 m/s senkrecht nach unten geworfen.")
formula("Senkrechter Wurf nach unten: Weg",
        (r"{H}={V0}\m{T}+\f(1;2)\m{G}\m{T}\u(2)", "H=V0*T+G*T^2/2"),
        (r"{V0}=\f({H};{T})-\f({G}\m{T};2)", "V0=H/T-G*T/2"),
        (r"{T}=\f(\r({V0}\u(2)+2\m{G}\m{H})-{V0};{G})", "T=(SQRT(V0^2+2*G*H)-V0)/G"),
        ex=dict(V0=5, T=2), text="Ein Stein wird mit 5 m/s senkrecht nach unten geworfen.")
formula("Senkrechter Wurf nach oben: Höhe zur Zeit t",
        (r"{H}={V0}\m{T}-\f(1;2)\m{G}\m{T}\u(2)", "H=V0*T-G*T^2/2"),
        (r"{V0}=\f({H};{T})+\f({G}\m{T};2)", "V0=H/T+G*T/2"),
        (r"{T}=\f({V0}-\r({V0}\u(2)-2\m{G}\m{H});{G})", "T=(V0-SQRT(V0^2-2*G*H))/G", "erster Zeitpunkt"),
        ex=dict(V0=15, T=1), text="Ein Ball wird mit 15 m/s senkrecht nach oben geworfen.")
formula("Waagerechter Wurf: Aufprallgeschwindigkeit",
        (r"{V}=\r({V0}\u(2)+2\m{G}\m{H})", "V=SQRT(V0^2+2*G*H)"),
        (r"{V0}=\r({V}\u(2)-2\m{G}\m{H})", "V0=SQRT(V^2-2*G*H)"),
        (r"{H}=\f({V}\u(2)-{V0}\u(2);2\m{G})", "H=(V^2-V0^2)/(2*G)"),
        ex=dict(V0=12, H=5), text="Ein Stein wird aus 5 m Höhe mit 12 m/s waagerecht geworfen.")

topic("Kreisbewegung")
formula("Zentripetalbeschleunigung aus der Winkelgeschwindigkeit",
        (r"{AZ}={OMEGA}\u(2)\m{RADIUS}", "AZ=OMEGA^2*RADIUS"),
        (r"{OMEGA}=\w(\f({AZ};{RADIUS}))", "OMEGA=SQRT(AZ/RADIUS)"),
        (r"{RADIUS}=\f({AZ};{OMEGA}\u(2))", "RADIUS=AZ/OMEGA^2"),
        ex=dict(OMEGA=10, RADIUS=0.5))
formula("Zentripetalkraft aus der Winkelgeschwindigkeit",
        (r"{FZ}={M}\m{OMEGA}\u(2)\m{RADIUS}", "FZ=M*OMEGA^2*RADIUS"),
        (r"{M}=\f({FZ};{OMEGA}\u(2)\m{RADIUS})", "M=FZ/(OMEGA^2*RADIUS)"),
        (r"{OMEGA}=\w(\f({FZ};{M}\m{RADIUS}))", "OMEGA=SQRT(FZ/(M*RADIUS))"),
        (r"{RADIUS}=\f({FZ};{M}\m{OMEGA}\u(2))", "RADIUS=FZ/(M*OMEGA^2)"),
        ex=dict(M=0.2, OMEGA=10, RADIUS=0.5), text="Ein Stein von 200 g wird an einer 50 cm langen Schnur herumgeschleudert.")
formula("Winkelgeschwindigkeit aus der Umlaufzeit",
        (r"{OMEGA}=\f(2\m\c(p);{TP})", "OMEGA=2*π/TP"),
        (r"{TP}=\f(2\m\c(p);{OMEGA})", "TP=2*π/OMEGA"),
        ex=dict(TP=0.5))
formula("Bahngeschwindigkeit aus der Umlaufzeit",
        (r"{V}=\f(2\m\c(p)\m{RADIUS};{TP})", "V=2*π*RADIUS/TP"),
        (r"{RADIUS}=\f({V}\m{TP};2\m\c(p))", "RADIUS=V*TP/(2*π)"),
        (r"{TP}=\f(2\m\c(p)\m{RADIUS};{V})", "TP=2*π*RADIUS/V"),
        ex=dict(RADIUS=1.496e11, TP=31557600),
        text="Die Erde umläuft die Sonne (Bahnradius 1,496·10¹¹ m) in einem Jahr (31 557 600 s).")
formula("Kurvenfahrt: Höchstgeschwindigkeit durch Haftreibung",
        (r"{V}=\r({MUH}\m{G}\m{RADIUS})", "V=SQRT(MUH*G*RADIUS)"),
        (r"{MUH}=\f({V}\u(2);{G}\m{RADIUS})", "MUH=V^2/(G*RADIUS)"),
        (r"{RADIUS}=\f({V}\u(2);{MUH}\m{G})", "RADIUS=V^2/(MUH*G)"),
        ex=dict(MUH=0.8, RADIUS=50), text="Ein Auto fährt auf trockener Straße (Haftreibungszahl 0,8) durch eine ebene Kurve mit 50 m Radius.")
formula("Überhöhte Kurve ohne Seitenführungskraft",
        (r"{FBAHN}=arctan(\f({V}\u(2);{RADIUS}\m{G}))", "FBAHN=GRAD(ARCTAN(V^2/(RADIUS*G)))"),
        (r"{V}=\r({RADIUS}\m{G}\mtan {FBAHN})", "V=SQRT(RADIUS*G*TAN(RAD(FBAHN)))"),
        (r"{RADIUS}=\f({V}\u(2);{G}\mtan {FBAHN})", "RADIUS=V^2/(G*TAN(RAD(FBAHN)))"),
        ex=dict(V=25, RADIUS=200), text="Eine Kurve mit 200 m Radius soll bei 90 km/h (25 m/s) ohne Seitenkraft durchfahren werden.")

topic("Kraft")
formula("Schiefe Ebene mit Reibung: Zugkraft aufwärts",
        (r"{FZUG}={FG}\m(sin {NEIGUNG}+{MU}\mcos {NEIGUNG})", "FZUG=FG*(SIN(RAD(NEIGUNG))+MU*COS(RAD(NEIGUNG)))"),
        (r"{FG}=\f({FZUG};sin {NEIGUNG}+{MU}\mcos {NEIGUNG})", "FG=FZUG/(SIN(RAD(NEIGUNG))+MU*COS(RAD(NEIGUNG)))"),
        (r"{MU}=\f({FZUG}/{FG}-sin {NEIGUNG};cos {NEIGUNG})", "MU=(FZUG/FG-SIN(RAD(NEIGUNG)))/COS(RAD(NEIGUNG))"),
        ex=dict(FG=500, NEIGUNG=20, MU=0.3), grafik="schiefe_ebene.bmp",
        text="Eine Kiste (500 N) wird mit gleichbleibender Geschwindigkeit eine um 20° geneigte Rampe hinaufgezogen.")
formula("Schiefe Ebene ohne Reibung: Beschleunigung",
        (r"{A}={G}\msin {NEIGUNG}", "A=G*SIN(RAD(NEIGUNG))"),
        (r"{NEIGUNG}=arcsin(\f({A};{G}))", "NEIGUNG=GRAD(ARCSIN(A/G))"),
        ex=dict(NEIGUNG=20), grafik="schiefe_ebene.bmp")
formula("Schiefe Ebene mit Gleitreibung: Beschleunigung",
        (r"{A}={G}\m(sin {NEIGUNG}-{MU}\mcos {NEIGUNG})", "A=G*(SIN(RAD(NEIGUNG))-MU*COS(RAD(NEIGUNG)))"),
        (r"{MU}=\f(sin {NEIGUNG}-{A}/{G};cos {NEIGUNG})", "MU=(SIN(RAD(NEIGUNG))-A/G)/COS(RAD(NEIGUNG))"),
        ex=dict(NEIGUNG=30, MU=0.2), grafik="schiefe_ebene.bmp",
        text="Ein Schlitten gleitet einen um 30° geneigten Hang hinab (Gleitreibungszahl 0,2).")
formula("Haftreibung: Grenzwinkel der schiefen Ebene",
        (r"{NEIGUNG}=arctan {MUH}", "NEIGUNG=GRAD(ARCTAN(MUH))"),
        (r"{MUH}=tan {NEIGUNG}", "MUH=TAN(RAD(NEIGUNG))"),
        ex=dict(MUH=0.5), text="Bei diesem Neigungswinkel beginnt ein Körper zu rutschen.")
formula("Größte Haftreibungskraft",
        (r"{FR}={MUH}\m{FN}", "FR=MUH*FN"),
        (r"{MUH}=\f({FR};{FN})", "MUH=FR/FN"),
        (r"{FN}=\f({FR};{MUH})", "FN=FR/MUH"),
        ex=dict(MUH=0.6, FN=500))
formula("Reihenschaltung zweier Federn",
        (r"{D}=\f({DFA}\m{DFB};{DFA}+{DFB})", "D=DFA*DFB/(DFA+DFB)"),
        (r"{DFA}=\f({D}\m{DFB};{DFB}-{D})", "DFA=D*DFB/(DFB-D)"),
        (r"{DFB}=\f({D}\m{DFA};{DFA}-{D})", "DFB=D*DFA/(DFA-D)"),
        ex=dict(DFA=200, DFB=300))
formula("Parallelschaltung zweier Federn",
        (r"{D}={DFA}+{DFB}", "D=DFA+DFB"),
        (r"{DFA}={D}-{DFB}", "DFA=D-DFB"),
        (r"{DFB}={D}-{DFA}", "DFB=D-DFA"),
        ex=dict(DFA=200, DFB=300))
formula("Resultierende zweier senkrecht angreifender Kräfte",
        (r"{FRES}=\r({FA}\u(2)+{FB}\u(2))", "FRES=SQRT(FA^2+FB^2)"),
        (r"{FA}=\r({FRES}\u(2)-{FB}\u(2))", "FA=SQRT(FRES^2-FB^2)"),
        (r"{FB}=\r({FRES}\u(2)-{FA}\u(2))", "FB=SQRT(FRES^2-FA^2)"),
        ex=dict(FA=300, FB=400))
formula("Resultierende zweier Kräfte (Kräfteparallelogramm)",
        (r"{FRES}=\r({FA}\u(2)+{FB}\u(2)+2\m{FA}\m{FB}\mcos {ZWISCHENW})",
         "FRES=SQRT(FA^2+FB^2+2*FA*FB*COS(RAD(ZWISCHENW)))"),
        (r"{ZWISCHENW}=arccos(\f({FRES}\u(2)-{FA}\u(2)-{FB}\u(2);2\m{FA}\m{FB}))",
         "ZWISCHENW=GRAD(ARCCOS((FRES^2-FA^2-FB^2)/(2*FA*FB)))"),
        (r"{FA}=\r({FRES}\u(2)-{FB}\u(2)\msin\u(2){ZWISCHENW})-{FB}\mcos {ZWISCHENW}",
         "FA=SQRT(FRES^2-FB^2*SQR(SIN(RAD(ZWISCHENW))))-FB*COS(RAD(ZWISCHENW))"),
        ex=dict(FA=300, FB=400, ZWISCHENW=60), text="Zwei Seile ziehen mit 300 N und 400 N unter 60° zueinander.")

topic("Arbeit, Energie und Leistung")
formula("Arbeit bei schräg zum Weg wirkender Kraft",
        (r"{W}={F}\m{WEGD}\mcos {KRAFTW}", "W=F*WEGD*COS(RAD(KRAFTW))"),
        (r"{F}=\f({W};{WEGD}\mcos {KRAFTW})", "F=W/(WEGD*COS(RAD(KRAFTW)))"),
        (r"{WEGD}=\f({W};{F}\mcos {KRAFTW})", "WEGD=W/(F*COS(RAD(KRAFTW)))"),
        (r"{KRAFTW}=arccos(\f({W};{F}\m{WEGD}))", "KRAFTW=GRAD(ARCCOS(W/(F*WEGD)))"),
        ex=dict(F=250, WEGD=40, KRAFTW=30), text="Ein Schlitten wird mit 250 N unter 30° zum Weg 40 m weit gezogen.")
formula("Reibungsarbeit",
        (r"{W}={MU}\m{FN}\m{S}", "W=MU*FN*S"),
        (r"{MU}=\f({W};{FN}\m{S})", "MU=W/(FN*S)"),
        (r"{FN}=\f({W};{MU}\m{S})", "FN=W/(MU*S)"),
        (r"{S}=\f({W};{MU}\m{FN})", "S=W/(MU*FN)"),
        ex=dict(MU=0.4, FN=500, S=10), text="Eine Kiste (Normalkraft 500 N, Gleitreibungszahl 0,4) wird 10 m weit geschoben.")
formula("Hubleistung",
        (r"{P}=\f({M}\m{G}\m{H};{T})", "P=M*G*H/T"),
        (r"{M}=\f({P}\m{T};{G}\m{H})", "M=P*T/(G*H)"),
        (r"{H}=\f({P}\m{T};{M}\m{G})", "H=P*T/(M*G)"),
        (r"{T}=\f({M}\m{G}\m{H};{P})", "T=M*G*H/P"),
        ex=dict(M=75, H=12, T=20), text="Eine Person von 75 kg steigt in 20 s 12 m hoch.")
formula("Beschleunigungsarbeit",
        (r"{W}=\f(1;2)\m{M}\m({V}\u(2)-{V0}\u(2))", "W=M*(V^2-V0^2)/2"),
        (r"{M}=\f(2\m{W};{V}\u(2)-{V0}\u(2))", "M=2*W/(V^2-V0^2)"),
        (r"{V}=\w(\f(2\m{W};{M})+{V0}\u(2))", "V=SQRT(2*W/M+V0^2)"),
        (r"{V0}=\w({V}\u(2)-\f(2\m{W};{M}))", "V0=SQRT(V^2-2*W/M)"),
        ex=dict(M=1200, V0=10, V=25), text="Ein Auto von 1200 kg beschleunigt von 10 m/s auf 25 m/s.")
formula("Gesamtwirkungsgrad zweier hintereinandergeschalteter Stufen",
        (r"{ETA}={ETAA}\m{ETAB}", "ETA=ETAA*ETAB"),
        (r"{ETAA}=\f({ETA};{ETAB})", "ETAA=ETA/ETAB"),
        (r"{ETAB}=\f({ETA};{ETAA})", "ETAB=ETA/ETAA"),
        ex=dict(ETAA=0.9, ETAB=0.8), text="Ein Motor (η = 0,9) treibt ein Getriebe (η = 0,8).")
formula("Wirkungsgrad aus den Energien",
        (r"{ETA}=\f({WAB};{WZU})", "ETA=WAB/WZU"),
        (r"{WAB}={ETA}\m{WZU}", "WAB=ETA*WZU"),
        (r"{WZU}=\f({WAB};{ETA})", "WZU=WAB/ETA"),
        ex=dict(WAB=3.24e6, WZU=3.6e6), text="Ein Motor nimmt 1 kWh auf und gibt 0,9 kWh als Arbeit ab.")

topic("Impuls und Stoß")
formula("Elastischer gerader Stoß: Körper 1 nach dem Stoß",
        (r"{VAN}=\f(({MA}-{MB})\m{VA}+2\m{MB}\m{VB};{MA}+{MB})", "VAN=((MA-MB)*VA+2*MB*VB)/(MA+MB)"),
        (r"{MA}=\f({MB}\m(2\m{VB}-{VA}-{VAN});{VAN}-{VA})", "MA=MB*(2*VB-VA-VAN)/(VAN-VA)"),
        (r"{MB}=\f({MA}\m({VA}-{VAN});{VAN}+{VA}-2\m{VB})", "MB=MA*(VA-VAN)/(VAN+VA-2*VB)"),
        (r"{VB}=\f(({MA}+{MB})\m{VAN}-({MA}-{MB})\m{VA};2\m{MB})", "VB=((MA+MB)*VAN-(MA-MB)*VA)/(2*MB)"),
        ex=dict(MA=2, VA=3, MB=1, VB=-1),
        text="Eine Kugel (2 kg, 3 m/s) stößt gerade und elastisch auf eine ihr mit 1 m/s entgegenkommende "
             "Kugel von 1 kg. Geschwindigkeiten in der Richtung von Kugel 1 positiv.")
formula("Elastischer gerader Stoß: Körper 2 nach dem Stoß",
        (r"{VBN}=\f(({MB}-{MA})\m{VB}+2\m{MA}\m{VA};{MA}+{MB})", "VBN=((MB-MA)*VB+2*MA*VA)/(MA+MB)"),
        (r"{MA}=\f({MB}\m({VB}-{VBN});{VBN}+{VB}-2\m{VA})", "MA=MB*(VB-VBN)/(VBN+VB-2*VA)"),
        (r"{MB}=\f({MA}\m(2\m{VA}-{VB}-{VBN});{VBN}-{VB})", "MB=MA*(2*VA-VB-VBN)/(VBN-VB)"),
        (r"{VA}=\f(({MA}+{MB})\m{VBN}-({MB}-{MA})\m{VB};2\m{MA})", "VA=((MA+MB)*VBN-(MB-MA)*VB)/(2*MA)"),
        ex=dict(MA=2, VA=3, MB=1, VB=-1),
        text="Eine Kugel (2 kg, 3 m/s) stößt gerade und elastisch auf eine ihr mit 1 m/s entgegenkommende "
             "Kugel von 1 kg.")
formula("Rückstoß: Impulserhaltung bei ruhendem Anfangszustand",
        (r"{VB}=\f({MA}\m{VA};{MB})", "VB=MA*VA/MB"),
        (r"{VA}=\f({MB}\m{VB};{MA})", "VA=MB*VB/MA"),
        (r"{MA}=\f({MB}\m{VB};{VA})", "MA=MB*VB/VA"),
        (r"{MB}=\f({MA}\m{VA};{VB})", "MB=MA*VA/VB"),
        ex=dict(MA=0.01, VA=400, MB=4),
        text="Ein Gewehr (4 kg) feuert ein Geschoss von 10 g mit 400 m/s ab; gesucht ist der Betrag der Rückstoßgeschwindigkeit.")
formula("Kraftstoß",
        (r"{KSTOSS}={F}\m{DT}", "KSTOSS=F*DT"),
        (r"{F}=\f({KSTOSS};{DT})", "F=KSTOSS/DT"),
        (r"{DT}=\f({KSTOSS};{F})", "DT=KSTOSS/F"),
        ex=dict(F=1350, DT=0.01), text="Ein Fuß wirkt 10 ms lang mit 1350 N auf einen Ball.")
formula("Energieverlust beim vollkommen unelastischen Stoß",
        (r"{DE}=\f({MA}\m{MB}\m({VA}-{VB})\u(2);2\m({MA}+{MB}))", "DE=MA*MB*(VA-VB)^2/(2*(MA+MB))"),
        ex=dict(MA=1200, VA=15, MB=800, VB=5),
        text="Ein Auto (1200 kg, 15 m/s) fährt auf ein langsameres (800 kg, 5 m/s) auf; beide bewegen sich danach gemeinsam.")

topic("Drehbewegung")
formula("Grundgesetz der Drehbewegung",
        (r"{MD}={J}\m{ALPHAW}", "MD=J*ALPHAW"),
        (r"{J}=\f({MD};{ALPHAW})", "J=MD/ALPHAW"),
        (r"{ALPHAW}=\f({MD};{J})", "ALPHAW=MD/J"),
        ex=dict(J=0.5, ALPHAW=8))
formula("Winkelbeschleunigung",
        (r"{ALPHAW}=\f({DOMEGA};{DT})", "ALPHAW=DOMEGA/DT"),
        (r"{DOMEGA}={ALPHAW}\m{DT}", "DOMEGA=ALPHAW*DT"),
        (r"{DT}=\f({DOMEGA};{ALPHAW})", "DT=DOMEGA/ALPHAW"),
        ex=dict(DOMEGA=150, DT=5), text="Ein Schleifstein erreicht aus dem Stand in 5 s die Winkelgeschwindigkeit 150 1/s.")
formula("Drehimpuls",
        (r"{DREHIMP}={J}\m{OMEGA}", "DREHIMP=J*OMEGA"),
        (r"{J}=\f({DREHIMP};{OMEGA})", "J=DREHIMP/OMEGA"),
        (r"{OMEGA}=\f({DREHIMP};{J})", "OMEGA=DREHIMP/J"),
        ex=dict(J=0.5, OMEGA=40))
formula("Erhaltung des Drehimpulses",
        (r"{OMEGAB}=\f({JA}\m{OMEGAA};{JB})", "OMEGAB=JA*OMEGAA/JB"),
        (r"{OMEGAA}=\f({JB}\m{OMEGAB};{JA})", "OMEGAA=JB*OMEGAB/JA"),
        (r"{JA}=\f({JB}\m{OMEGAB};{OMEGAA})", "JA=JB*OMEGAB/OMEGAA"),
        (r"{JB}=\f({JA}\m{OMEGAA};{OMEGAB})", "JB=JA*OMEGAA/OMEGAB"),
        ex=dict(JA=4, OMEGAA=3, JB=1.5),
        text="Eine Eiskunstläuferin zieht bei einer Pirouette die Arme an: ihr Trägheitsmoment sinkt von 4 kg·m² auf 1,5 kg·m².")
formula("Trägheitsmoment eines dünnwandigen Hohlzylinders",
        (r"{J}={M}\m{RADIUS}\u(2)", "J=M*RADIUS^2"),
        (r"{M}=\f({J};{RADIUS}\u(2))", "M=J/RADIUS^2"),
        (r"{RADIUS}=\w(\f({J};{M}))", "RADIUS=SQRT(J/M)"),
        ex=dict(M=2, RADIUS=0.3), text="Ein Fahrradreifen mit Felge (2 kg) hat den Radius 30 cm.")
formula("Trägheitsmoment einer Vollkugel",
        (r"{J}=\f(2;5)\m{M}\m{RADIUS}\u(2)", "J=2*M*RADIUS^2/5"),
        (r"{M}=\f(5\m{J};2\m{RADIUS}\u(2))", "M=5*J/(2*RADIUS^2)"),
        (r"{RADIUS}=\w(\f(5\m{J};2\m{M}))", "RADIUS=SQRT(5*J/(2*M))"),
        ex=dict(M=5, RADIUS=0.1))
formula("Trägheitsmoment einer dünnwandigen Hohlkugel",
        (r"{J}=\f(2;3)\m{M}\m{RADIUS}\u(2)", "J=2*M*RADIUS^2/3"),
        (r"{M}=\f(3\m{J};2\m{RADIUS}\u(2))", "M=3*J/(2*RADIUS^2)"),
        (r"{RADIUS}=\w(\f(3\m{J};2\m{M}))", "RADIUS=SQRT(3*J/(2*M))"),
        ex=dict(M=0.6, RADIUS=0.12), text="Ein Basketball (600 g, Radius 12 cm).")
formula("Trägheitsmoment eines dünnen Stabes (Achse durch die Mitte)",
        (r"{J}=\f(1;12)\m{M}\m{LAENGE}\u(2)", "J=M*LAENGE^2/12"),
        (r"{M}=\f(12\m{J};{LAENGE}\u(2))", "M=12*J/LAENGE^2"),
        (r"{LAENGE}=\w(\f(12\m{J};{M}))", "LAENGE=SQRT(12*J/M)"),
        ex=dict(M=1.2, LAENGE=1))
formula("Trägheitsmoment eines dünnen Stabes (Achse am Ende)",
        (r"{J}=\f(1;3)\m{M}\m{LAENGE}\u(2)", "J=M*LAENGE^2/3"),
        (r"{M}=\f(3\m{J};{LAENGE}\u(2))", "M=3*J/LAENGE^2"),
        (r"{LAENGE}=\w(\f(3\m{J};{M}))", "LAENGE=SQRT(3*J/M)"),
        ex=dict(M=1.2, LAENGE=1))
formula("Trägheitsmoment eines dickwandigen Hohlzylinders",
        (r"{J}=\f(1;2)\m{M}\m({RAUSSEN}\u(2)+{RINNEN}\u(2))", "J=M*(RAUSSEN^2+RINNEN^2)/2"),
        (r"{M}=\f(2\m{J};{RAUSSEN}\u(2)+{RINNEN}\u(2))", "M=2*J/(RAUSSEN^2+RINNEN^2)"),
        (r"{RAUSSEN}=\w(\f(2\m{J};{M})-{RINNEN}\u(2))", "RAUSSEN=SQRT(2*J/M-RINNEN^2)"),
        (r"{RINNEN}=\w(\f(2\m{J};{M})-{RAUSSEN}\u(2))", "RINNEN=SQRT(2*J/M-RAUSSEN^2)"),
        ex=dict(M=4, RAUSSEN=0.2, RINNEN=0.15))
formula("Satz von Steiner",
        (r"{J}={JS}+{M}\m{ASTEINER}\u(2)", "J=JS+M*ASTEINER^2"),
        (r"{JS}={J}-{M}\m{ASTEINER}\u(2)", "JS=J-M*ASTEINER^2"),
        (r"{M}=\f({J}-{JS};{ASTEINER}\u(2))", "M=(J-JS)/ASTEINER^2"),
        (r"{ASTEINER}=\w(\f({J}-{JS};{M}))", "ASTEINER=SQRT((J-JS)/M)"),
        ex=dict(JS=0.1, M=1.2, ASTEINER=0.5))
formula("Leistung aus Drehmoment und Winkelgeschwindigkeit",
        (r"{P}={MD}\m{OMEGA}", "P=MD*OMEGA"),
        (r"{MD}=\f({P};{OMEGA})", "MD=P/OMEGA"),
        (r"{OMEGA}=\f({P};{MD})", "OMEGA=P/MD"),
        ex=dict(MD=50, OMEGA=157))

topic("Gravitation")
formula("Fluchtgeschwindigkeit",
        (r"{V}=\w(\f(2\m{GRAV}\m{MZ};{ABSTAND}))", "V=SQRT(2*GRAV*MZ/ABSTAND)"),
        (r"{MZ}=\f({V}\u(2)\m{ABSTAND};2\m{GRAV})", "MZ=V^2*ABSTAND/(2*GRAV)"),
        (r"{ABSTAND}=\f(2\m{GRAV}\m{MZ};{V}\u(2))", "ABSTAND=2*GRAV*MZ/V^2"),
        ex=dict(MZ=5.972e24, ABSTAND=6.371e6),
        text="Von der Erdoberfläche aus (Erdmasse 5,972·10²⁴ kg, Erdradius 6371 km), ohne Luftwiderstand.")
formula("Fallbeschleunigung in der Höhe h über einem Himmelskörper",
        (r"{G}=\f({GRAV}\m{MZ};({RPLANET}+{H})\u(2))", "G=GRAV*MZ/(RPLANET+H)^2"),
        (r"{H}=\w(\f({GRAV}\m{MZ};{G}))-{RPLANET}", "H=SQRT(GRAV*MZ/G)-RPLANET"),
        (r"{MZ}=\f({G}\m({RPLANET}+{H})\u(2);{GRAV})", "MZ=G*(RPLANET+H)^2/GRAV"),
        ex=dict(MZ=5.972e24, RPLANET=6.371e6, H=4e5),
        text="Fallbeschleunigung in 400 km Höhe über der Erde (Masse 5,972·10²⁴ kg, Radius 6371 km).")
formula("Hubarbeit im Gravitationsfeld",
        (r"{W}={GRAV}\m{MZ}\m{M}\m(\f(1;{ABSTANDA})-\f(1;{ABSTANDB}))", "W=GRAV*MZ*M*(1/ABSTANDA-1/ABSTANDB)"),
        (r"{M}=\f({W};{GRAV}\m{MZ}\m(1/{ABSTANDA}-1/{ABSTANDB}))", "M=W/(GRAV*MZ*(1/ABSTANDA-1/ABSTANDB))"),
        (r"{ABSTANDB}=\f(1;1/{ABSTANDA}-{W}/({GRAV}\m{MZ}\m{M}))", "ABSTANDB=1/(1/ABSTANDA-W/(GRAV*MZ*M))"),
        ex=dict(MZ=5.972e24, M=1000, ABSTANDA=6.371e6, ABSTANDB=6.771e6),
        text="Ein Satellit von 1 t wird von der Erdoberfläche (r₁ = 6371 km) auf 400 km Höhe (r₂ = 6771 km) gehoben.")
formula("Drittes Keplersches Gesetz für zwei Bahnen",
        (r"{TPB}={TPA}\m(\f({BAHNB};{BAHNA}))\u(3/2)", "TPB=TPA*(BAHNB/BAHNA)^(3/2)"),
        (r"{TPA}={TPB}\m(\f({BAHNA};{BAHNB}))\u(3/2)", "TPA=TPB*(BAHNA/BAHNB)^(3/2)"),
        (r"{BAHNB}={BAHNA}\m(\f({TPB};{TPA}))\u(2/3)", "BAHNB=BAHNA*(TPB/TPA)^(2/3)"),
        (r"{BAHNA}={BAHNB}\m(\f({TPA};{TPB}))\u(2/3)", "BAHNA=BAHNB*(TPA/TPB)^(2/3)"),
        ex=dict(TPA=31557600, BAHNA=1.496e11, BAHNB=2.279e11),
        text="Die Erde braucht für ihren Umlauf ein Jahr; der Mars umläuft die Sonne in 2,279·10¹¹ m Abstand.")
