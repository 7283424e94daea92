"""Mechanik: Bewegung, Kraft, Energie, Drehung, Gravitation, Festigkeit."""
from .catalog import area, topic, formula

area("Mechanik")

topic("Geradlinige Bewegung")
formula("Gleichförmige Bewegung",
        (r"{V}=\f({S};{T})", "V=S/T"),
        (r"{S}={V}\m{T}", "S=V*T"),
        (r"{T}=\f({S};{V})", "T=S/V"),
        ex=dict(S=100, T=9.58), text="Ein Läufer legt 100 m in 9,58 s zurück.")
formula("Beschleunigte Bewegung: Geschwindigkeit",
        (r"{V}={A}\m{T}", "V=A*T"),
        (r"{A}=\f({V};{T})", "A=V/T"),
        (r"{T}=\f({V};{A})", "T=V/A"),
        ex=dict(A=2.5, T=8), text="Ein Auto fährt aus dem Stand 8 s lang mit 2,5 m/s² an.")
formula("Beschleunigte Bewegung: Weg",
        (r"{S}=\f(1;2)\m{A}\m{T}\u(2)", "S=A*T^2/2"),
        (r"{A}=\f(2\m{S};{T}\u(2))", "A=2*S/T^2"),
        (r"{T}=\w(\f(2\m{S};{A}))", "T=SQRT(2*S/A)"),
        ex=dict(A=2.5, T=8), text="Ein Auto fährt aus dem Stand 8 s lang mit 2,5 m/s² an.")
formula("Beschleunigte Bewegung: Geschwindigkeit nach dem Weg",
        (r"{V}=\r(2\m{A}\m{S})", "V=SQRT(2*A*S)"),
        (r"{A}=\f({V}\u(2);2\m{S})", "A=V^2/(2*S)"),
        (r"{S}=\f({V}\u(2);2\m{A})", "S=V^2/(2*A)"),
        ex=dict(A=2.5, S=80))
formula("Bewegung mit Anfangsgeschwindigkeit: Geschwindigkeit",
        (r"{V}={V0}+{A}\m{T}", "V=V0+A*T"),
        (r"{V0}={V}-{A}\m{T}", "V0=V-A*T"),
        (r"{A}=\f({V}-{V0};{T})", "A=(V-V0)/T"),
        (r"{T}=\f({V}-{V0};{A})", "T=(V-V0)/A"),
        ex=dict(V0=10, A=1.5, T=6))
formula("Bewegung mit Anfangsgeschwindigkeit: Weg",
        (r"{S}={V0}\m{T}+\f(1;2)\m{A}\m{T}\u(2)", "S=V0*T+A*T^2/2"),
        (r"{V0}=\f({S};{T}) - \f({A}\m{T};2)", "V0=S/T-A*T/2"),
        (r"{A}=\f(2\m({S}-{V0}\m{T});{T}\u(2))", "A=2*(S-V0*T)/T^2"),
        (r"{T}=\f(\r({V0}\u(2)+2\m{A}\m{S})-{V0};{A})", "T=(SQRT(V0^2+2*A*S)-V0)/A"),
        ex=dict(V0=10, T=6, A=1.5))
formula("Geschwindigkeit nach einem Beschleunigungsweg",
        (r"{V}=\r({V0}\u(2)+2\m{A}\m{S})", "V=SQRT(V0^2+2*A*S)"),
        (r"{V0}=\r({V}\u(2)-2\m{A}\m{S})", "V0=SQRT(V^2-2*A*S)"),
        (r"{A}=\f({V}\u(2)-{V0}\u(2);2\m{S})", "A=(V^2-V0^2)/(2*S)"),
        (r"{S}=\f({V}\u(2)-{V0}\u(2);2\m{A})", "S=(V^2-V0^2)/(2*A)"),
        ex=dict(V0=10, A=1.5, S=50))

topic("Freier Fall und Wurf")
formula("Freier Fall: Fallweg",
        (r"{H}=\f(1;2)\m{G}\m{T}\u(2)", "H=G*T^2/2"),
        (r"{T}=\w(\f(2\m{H};{G}))", "T=SQRT(2*H/G)"),
        (r"{G}=\f(2\m{H};{T}\u(2))", "G=2*H/T^2"),
        ex=dict(T=3), text="Ein Stein fällt 3 s lang frei.")
formula("Freier Fall: Fallgeschwindigkeit",
        (r"{V}={G}\m{T}", "V=G*T"),
        (r"{T}=\f({V};{G})", "T=V/G"),
        (r"{G}=\f({V};{T})", "G=V/T"),
        ex=dict(T=3), text="Ein Stein fällt 3 s lang frei.")
formula("Freier Fall: Geschwindigkeit nach der Fallhöhe",
        (r"{V}=\r(2\m{G}\m{H})", "V=SQRT(2*G*H)"),
        (r"{H}=\f({V}\u(2);2\m{G})", "H=V^2/(2*G)"),
        (r"{G}=\f({V}\u(2);2\m{H})", "G=V^2/(2*H)"),
        ex=dict(H=20), text="Ein Apfel fällt aus 20 m Höhe.")
formula("Senkrechter Wurf: Steighöhe",
        (r"{H}=\f({V0}\u(2);2\m{G})", "H=V0^2/(2*G)"),
        (r"{V0}=\r(2\m{G}\m{H})", "V0=SQRT(2*G*H)"),
        (r"{G}=\f({V0}\u(2);2\m{H})", "G=V0^2/(2*H)"),
        ex=dict(V0=15), text="Ein Ball wird mit 15 m/s senkrecht nach oben geworfen.")
formula("Senkrechter Wurf: Steigzeit",
        (r"{T}=\f({V0};{G})", "T=V0/G"),
        (r"{V0}={G}\m{T}", "V0=G*T"),
        (r"{G}=\f({V0};{T})", "G=V0/T"),
        ex=dict(V0=15), text="Ein Ball wird mit 15 m/s senkrecht nach oben geworfen.")
formula("Waagerechter Wurf: Wurfweite",
        (r"{SW}={V0}\m\w(\f(2\m{H};{G}))", "SW=V0*SQRT(2*H/G)"),
        (r"{V0}={SW}\m\w(\f({G};2\m{H}))", "V0=SW*SQRT(G/(2*H))"),
        (r"{H}=\f({G}\m{SW}\u(2);2\m{V0}\u(2))", "H=G*SW^2/(2*V0^2)"),
        (r"{G}=\f(2\m{H}\m{V0}\u(2);{SW}\u(2))", "G=2*H*V0^2/SW^2"),
        ex=dict(V0=12, H=5), text="Ein Stein wird aus 5 m Höhe mit 12 m/s waagerecht geworfen.")
formula("Schräger Wurf: Wurfweite",
        (r"{SW}=\f({V0}\u(2)\msin(2\m{ABWURF});{G})", "SW=V0^2*SIN(RAD(2*ABWURF))/G"),
        (r"{V0}=\w(\f({SW}\m{G};sin(2\m{ABWURF})))", "V0=SQRT(SW*G/SIN(RAD(2*ABWURF)))"),
        (r"{ABWURF}=\f(1;2)\marcsin(\f({SW}\m{G};{V0}\u(2)))", "ABWURF=GRAD(ARCSIN(SW*G/V0^2))/2",
         r"flacher Wurf, \c(a) ≤ 45°"),
        (r"{G}=\f({V0}\u(2)\msin(2\m{ABWURF});{SW})", "G=V0^2*SIN(RAD(2*ABWURF))/SW"),
        ex=dict(V0=20, ABWURF=30), grafik="wurf.jpg",
        text="Ein Ball wird mit 20 m/s unter 30° abgeworfen (Abwurf und Aufprall auf gleicher Höhe).")
formula("Schräger Wurf: Wurfhöhe",
        (r"{H}=\f({V0}\u(2)\msin\u(2){ABWURF};2\m{G})", "H=V0^2*SQR(SIN(RAD(ABWURF)))/(2*G)"),
        (r"{V0}=\f(\r(2\m{G}\m{H});sin {ABWURF})", "V0=SQRT(2*G*H)/SIN(RAD(ABWURF))"),
        (r"{ABWURF}=arcsin(\f(\r(2\m{G}\m{H});{V0}))", "ABWURF=GRAD(ARCSIN(SQRT(2*G*H)/V0))"),
        (r"{G}=\f({V0}\u(2)\msin\u(2){ABWURF};2\m{H})", "G=V0^2*SQR(SIN(RAD(ABWURF)))/(2*H)"),
        ex=dict(V0=20, ABWURF=30), grafik="wurf.jpg")
formula("Schräger Wurf: Flugzeit",
        (r"{T}=\f(2\m{V0}\msin {ABWURF};{G})", "T=2*V0*SIN(RAD(ABWURF))/G"),
        (r"{V0}=\f({G}\m{T};2\msin {ABWURF})", "V0=G*T/(2*SIN(RAD(ABWURF)))"),
        (r"{ABWURF}=arcsin(\f({G}\m{T};2\m{V0}))", "ABWURF=GRAD(ARCSIN(G*T/(2*V0)))"),
        (r"{G}=\f(2\m{V0}\msin {ABWURF};{T})", "G=2*V0*SIN(RAD(ABWURF))/T"),
        ex=dict(V0=20, ABWURF=30), grafik="wurf.jpg")

topic("Kreisbewegung")
formula("Bahngeschwindigkeit aus der Drehzahl",
        (r"{V}=2\m\c(p)\m{RADIUS}\m{N}", "V=2*π*RADIUS*N"),
        (r"{RADIUS}=\f({V};2\m\c(p)\m{N})", "RADIUS=V/(2*π*N)"),
        (r"{N}=\f({V};2\m\c(p)\m{RADIUS})", "N=V/(2*π*RADIUS)"),
        ex=dict(RADIUS=0.3, N=12), text="Ein Rad mit 30 cm Radius dreht sich 12-mal in der Sekunde.")
formula("Winkelgeschwindigkeit",
        (r"{OMEGA}=2\m\c(p)\m{N}", "OMEGA=2*π*N"),
        (r"{N}=\f({OMEGA};2\m\c(p))", "N=OMEGA/(2*π)"),
        ex=dict(N=12))
formula("Bahngeschwindigkeit aus der Winkelgeschwindigkeit",
        (r"{V}={OMEGA}\m{RADIUS}", "V=OMEGA*RADIUS"),
        (r"{OMEGA}=\f({V};{RADIUS})", "OMEGA=V/RADIUS"),
        (r"{RADIUS}=\f({V};{OMEGA})", "RADIUS=V/OMEGA"),
        ex=dict(OMEGA=75, RADIUS=0.3))
formula("Zentripetalbeschleunigung",
        (r"{AZ}=\f({V}\u(2);{RADIUS})", "AZ=V^2/RADIUS"),
        (r"{V}=\r({AZ}\m{RADIUS})", "V=SQRT(AZ*RADIUS)"),
        (r"{RADIUS}=\f({V}\u(2);{AZ})", "RADIUS=V^2/AZ"),
        ex=dict(V=20, RADIUS=50), text="Ein Auto durchfährt eine Kurve mit 50 m Radius mit 20 m/s.")
formula("Zentripetalkraft",
        (r"{FZ}=\f({M}\m{V}\u(2);{RADIUS})", "FZ=M*V^2/RADIUS"),
        (r"{M}=\f({FZ}\m{RADIUS};{V}\u(2))", "M=FZ*RADIUS/V^2"),
        (r"{V}=\w(\f({FZ}\m{RADIUS};{M}))", "V=SQRT(FZ*RADIUS/M)"),
        (r"{RADIUS}=\f({M}\m{V}\u(2);{FZ})", "RADIUS=M*V^2/FZ"),
        ex=dict(M=1200, V=20, RADIUS=50),
        text="Ein Auto von 1200 kg durchfährt eine Kurve mit 50 m Radius mit 20 m/s.")
formula("Drehzahl und Umlaufzeit",
        (r"{N}=\f(1;{TP})", "N=1/TP"),
        (r"{TP}=\f(1;{N})", "TP=1/N"),
        ex=dict(TP=0.5))

topic("Kraft")
formula("Newtonsches Grundgesetz",
        (r"{F}={M}\m{A}", "F=M*A"),
        (r"{M}=\f({F};{A})", "M=F/A"),
        (r"{A}=\f({F};{M})", "A=F/M"),
        ex=dict(M=1200, A=2.5), text="Ein Auto von 1200 kg wird mit 2,5 m/s² beschleunigt.")
formula("Gewichtskraft",
        (r"{FG}={M}\m{G}", "FG=M*G"),
        (r"{M}=\f({FG};{G})", "M=FG/G"),
        (r"{G}=\f({FG};{M})", "G=FG/M"),
        ex=dict(M=75))
formula("Reibungskraft",
        (r"{FR}={MU}\m{FN}", "FR=MU*FN"),
        (r"{MU}=\f({FR};{FN})", "MU=FR/FN"),
        (r"{FN}=\f({FR};{MU})", "FN=FR/MU"),
        ex=dict(MU=0.4, FN=500), text="Eine Kiste drückt mit 500 N auf den Boden; die Gleitreibungszahl ist 0,4.")
formula("Hangabtriebskraft",
        (r"{FH}={FG}\msin {NEIGUNG}", "FH=FG*SIN(RAD(NEIGUNG))"),
        (r"{FG}=\f({FH};sin {NEIGUNG})", "FG=FH/SIN(RAD(NEIGUNG))"),
        (r"{NEIGUNG}=arcsin(\f({FH};{FG}))", "NEIGUNG=GRAD(ARCSIN(FH/FG))"),
        ex=dict(FG=500, NEIGUNG=20), grafik="schiefe_ebene.bmp",
        text="Ein Körper mit 500 N Gewichtskraft liegt auf einer um 20° geneigten Ebene.")
formula("Normalkraft auf der schiefen Ebene",
        (r"{FN}={FG}\mcos {NEIGUNG}", "FN=FG*COS(RAD(NEIGUNG))"),
        (r"{FG}=\f({FN};cos {NEIGUNG})", "FG=FN/COS(RAD(NEIGUNG))"),
        (r"{NEIGUNG}=arccos(\f({FN};{FG}))", "NEIGUNG=GRAD(ARCCOS(FN/FG))"),
        ex=dict(FG=500, NEIGUNG=20), grafik="schiefe_ebene.bmp")
formula("Federkraft (Hookesches Gesetz)",
        (r"{F}={D}\m{S}", "F=D*S"),
        (r"{D}=\f({F};{S})", "D=F/S"),
        (r"{S}=\f({F};{D})", "S=F/D"),
        ex=dict(D=200, S=0.05), text="Eine Feder mit 200 N/m wird um 5 cm gedehnt.")
formula("Kraftstoß: mittlere Kraft aus der Impulsänderung",
        (r"{F}=\f({M}\m{DV};{DT})", "F=M*DV/DT"),
        (r"{M}=\f({F}\m{DT};{DV})", "M=F*DT/DV"),
        (r"{DV}=\f({F}\m{DT};{M})", "DV=F*DT/M"),
        (r"{DT}=\f({M}\m{DV};{F})", "DT=M*DV/F"),
        ex=dict(M=0.45, DV=30, DT=0.01), text="Ein Fußball (450 g) erhält beim Schuss in 0,01 s 30 m/s.")

topic("Arbeit, Energie und Leistung")
formula("Mechanische Arbeit",
        (r"{W}={F}\m{S}", "W=F*S"),
        (r"{F}=\f({W};{S})", "F=W/S"),
        (r"{S}=\f({W};{F})", "S=W/F"),
        ex=dict(F=250, S=40), text="Ein Wagen wird mit 250 N über 40 m gezogen.")
formula("Potentielle Energie (Hubarbeit)",
        (r"{WPOT}={M}\m{G}\m{H}", "WPOT=M*G*H"),
        (r"{M}=\f({WPOT};{G}\m{H})", "M=WPOT/(G*H)"),
        (r"{H}=\f({WPOT};{M}\m{G})", "H=WPOT/(M*G)"),
        (r"{G}=\f({WPOT};{M}\m{H})", "G=WPOT/(M*H)"),
        ex=dict(M=75, H=12), text="Eine Person von 75 kg steigt 12 m hoch.")
formula("Kinetische Energie",
        (r"{WKIN}=\f(1;2)\m{M}\m{V}\u(2)", "WKIN=M*V^2/2"),
        (r"{M}=\f(2\m{WKIN};{V}\u(2))", "M=2*WKIN/V^2"),
        (r"{V}=\w(\f(2\m{WKIN};{M}))", "V=SQRT(2*WKIN/M)"),
        ex=dict(M=1200, V=25), text="Ein Auto von 1200 kg fährt mit 25 m/s (90 km/h).")
formula("Spannenergie einer Feder",
        (r"{WSP}=\f(1;2)\m{D}\m{S}\u(2)", "WSP=D*S^2/2"),
        (r"{D}=\f(2\m{WSP};{S}\u(2))", "D=2*WSP/S^2"),
        (r"{S}=\w(\f(2\m{WSP};{D}))", "S=SQRT(2*WSP/D)"),
        ex=dict(D=200, S=0.05))
formula("Leistung",
        (r"{P}=\f({W};{T})", "P=W/T"),
        (r"{W}={P}\m{T}", "W=P*T"),
        (r"{T}=\f({W};{P})", "T=W/P"),
        ex=dict(W=9000, T=15))
formula("Leistung aus Kraft und Geschwindigkeit",
        (r"{P}={F}\m{V}", "P=F*V"),
        (r"{F}=\f({P};{V})", "F=P/V"),
        (r"{V}=\f({P};{F})", "V=P/F"),
        ex=dict(F=800, V=25))
formula("Wirkungsgrad",
        (r"{ETA}=\f({PAB};{PZU})", "ETA=PAB/PZU"),
        (r"{PAB}={ETA}\m{PZU}", "PAB=ETA*PZU"),
        (r"{PZU}=\f({PAB};{ETA})", "PZU=PAB/ETA"),
        ex=dict(PAB=1500, PZU=2000), text="Ein Elektromotor nimmt 2000 W auf und gibt 1500 W ab.")

topic("Impuls und Stoß")
formula("Impuls",
        (r"{IMPULS}={M}\m{V}", "IMPULS=M*V"),
        (r"{M}=\f({IMPULS};{V})", "M=IMPULS/V"),
        (r"{V}=\f({IMPULS};{M})", "V=IMPULS/M"),
        ex=dict(M=0.16, V=30), text="Ein Tennisball (160 g) fliegt mit 30 m/s.")
formula("Unelastischer Stoß",
        (r"{VN}=\f({MA}\m{VA}+{MB}\m{VB};{MA}+{MB})", "VN=(MA*VA+MB*VB)/(MA+MB)"),
        (r"{MA}=\f({MB}\m({VN}-{VB});{VA}-{VN})", "MA=MB*(VN-VB)/(VA-VN)"),
        (r"{MB}=\f({MA}\m({VA}-{VN});{VN}-{VB})", "MB=MA*(VA-VN)/(VN-VB)"),
        (r"{VA}=\f(({MA}+{MB})\m{VN}-{MB}\m{VB};{MA})", "VA=((MA+MB)*VN-MB*VB)/MA"),
        (r"{VB}=\f(({MA}+{MB})\m{VN}-{MA}\m{VA};{MB})", "VB=((MA+MB)*VN-MA*VA)/MB"),
        ex=dict(MA=1200, VA=15, MB=800, VB=5),
        text="Ein Auto (1200 kg, 15 m/s) fährt auf ein langsameres (800 kg, 5 m/s) auf; beide bewegen sich danach gemeinsam.")

topic("Drehbewegung")
formula("Drehmoment",
        (r"{MD}={F}\m{HEBEL}", "MD=F*HEBEL"),
        (r"{F}=\f({MD};{HEBEL})", "F=MD/HEBEL"),
        (r"{HEBEL}=\f({MD};{F})", "HEBEL=MD/F"),
        ex=dict(F=150, HEBEL=0.4), text="An einem 40 cm langen Schraubenschlüssel wird mit 150 N gezogen.")
formula("Hebelgesetz",
        (r"{FA}=\f({FB}\m{HB};{HA})", "FA=FB*HB/HA"),
        (r"{FB}=\f({FA}\m{HA};{HB})", "FB=FA*HA/HB"),
        (r"{HA}=\f({FB}\m{HB};{FA})", "HA=FB*HB/FA"),
        (r"{HB}=\f({FA}\m{HA};{FB})", "HB=FA*HA/FB"),
        ex=dict(FB=600, HB=0.2, HA=0.8), grafik="hebel.bmp",
        text="Eine Last von 600 N hängt 20 cm vom Drehpunkt; die Kraft greift 80 cm vom Drehpunkt an.")
formula("Rotationsenergie",
        (r"{WROT}=\f(1;2)\m{J}\m{OMEGA}\u(2)", "WROT=J*OMEGA^2/2"),
        (r"{J}=\f(2\m{WROT};{OMEGA}\u(2))", "J=2*WROT/OMEGA^2"),
        (r"{OMEGA}=\w(\f(2\m{WROT};{J}))", "OMEGA=SQRT(2*WROT/J)"),
        ex=dict(J=0.5, OMEGA=40))
formula("Trägheitsmoment eines Vollzylinders",
        (r"{J}=\f(1;2)\m{M}\m{RADIUS}\u(2)", "J=M*RADIUS^2/2"),
        (r"{M}=\f(2\m{J};{RADIUS}\u(2))", "M=2*J/RADIUS^2"),
        (r"{RADIUS}=\w(\f(2\m{J};{M}))", "RADIUS=SQRT(2*J/M)"),
        ex=dict(M=20, RADIUS=0.25))
formula("Leistung bei Drehbewegung",
        (r"{P}=2\m\c(p)\m{MD}\m{N}", "P=2*π*MD*N"),
        (r"{MD}=\f({P};2\m\c(p)\m{N})", "MD=P/(2*π*N)"),
        (r"{N}=\f({P};2\m\c(p)\m{MD})", "N=P/(2*π*MD)"),
        ex=dict(MD=50, N=25), text="Eine Welle überträgt 50 N·m bei 25 Umdrehungen in der Sekunde (1500 1/min).")

topic("Gravitation")
formula("Gravitationsgesetz",
        (r"{F}={GRAV}\m\f({MA}\m{MB};{ABSTAND}\u(2))", "F=GRAV*MA*MB/ABSTAND^2"),
        (r"{MA}=\f({F}\m{ABSTAND}\u(2);{GRAV}\m{MB})", "MA=F*ABSTAND^2/(GRAV*MB)"),
        (r"{MB}=\f({F}\m{ABSTAND}\u(2);{GRAV}\m{MA})", "MB=F*ABSTAND^2/(GRAV*MA)"),
        (r"{ABSTAND}=\w(\f({GRAV}\m{MA}\m{MB};{F}))", "ABSTAND=SQRT(GRAV*MA*MB/F)"),
        (r"{GRAV}=\f({F}\m{ABSTAND}\u(2);{MA}\m{MB})", "GRAV=F*ABSTAND^2/(MA*MB)"),
        ex=dict(MA=5.972e24, MB=7.342e22, ABSTAND=3.844e8),
        text="Anziehungskraft zwischen Erde (5,972·10²⁴ kg) und Mond (7,342·10²² kg) im mittleren Abstand 384 400 km.")
formula("Kreisbahngeschwindigkeit eines Satelliten",
        (r"{V}=\w(\f({GRAV}\m{MZ};{ABSTAND}))", "V=SQRT(GRAV*MZ/ABSTAND)"),
        (r"{MZ}=\f({V}\u(2)\m{ABSTAND};{GRAV})", "MZ=V^2*ABSTAND/GRAV"),
        (r"{ABSTAND}=\f({GRAV}\m{MZ};{V}\u(2))", "ABSTAND=GRAV*MZ/V^2"),
        ex=dict(MZ=5.972e24, ABSTAND=6.771e6),
        text="Ein Satellit umkreist die Erde in 400 km Höhe (Bahnradius 6771 km).")
formula("Fallbeschleunigung an der Oberfläche eines Himmelskörpers",
        (r"{G}=\f({GRAV}\m{MZ};{ABSTAND}\u(2))", "G=GRAV*MZ/ABSTAND^2"),
        (r"{MZ}=\f({G}\m{ABSTAND}\u(2);{GRAV})", "MZ=G*ABSTAND^2/GRAV"),
        (r"{ABSTAND}=\w(\f({GRAV}\m{MZ};{G}))", "ABSTAND=SQRT(GRAV*MZ/G)"),
        ex=dict(MZ=7.342e22, ABSTAND=1.7374e6),
        text="Fallbeschleunigung auf dem Mond (Masse 7,342·10²² kg, Radius 1737,4 km).")
formula("Drittes Keplersches Gesetz",
        (r"{TP}=2\m\c(p)\m\w(\f({ABSTAND}\u(3);{GRAV}\m{MZ}))", "TP=2*π*SQRT(ABSTAND^3/(GRAV*MZ))"),
        (r"{ABSTAND}=(\f({GRAV}\m{MZ}\m{TP}\u(2);4\m\c(p)\u(2)))\u(1/3)",
         "ABSTAND=(GRAV*MZ*TP^2/(4*π^2))^(1/3)"),
        (r"{MZ}=\f(4\m\c(p)\u(2)\m{ABSTAND}\u(3);{GRAV}\m{TP}\u(2))", "MZ=4*π^2*ABSTAND^3/(GRAV*TP^2)"),
        ex=dict(ABSTAND=1.496e11, MZ=1.989e30),
        text="Umlaufzeit der Erde um die Sonne (Masse 1,989·10³⁰ kg) im Abstand 1,496·10¹¹ m.")

topic("Festigkeit")
formula("Mechanische Spannung",
        (r"{SIGMA}=\f({F};{FL})", "SIGMA=F/FL"),
        (r"{F}={SIGMA}\m{FL}", "F=SIGMA*FL"),
        (r"{FL}=\f({F};{SIGMA})", "FL=F/SIGMA"),
        ex=dict(F=10000, FL=0.0001), text="Ein Stahlstab mit 1 cm² Querschnitt trägt 10 kN.")
formula("Dehnung",
        (r"{EPS}=\f({DL};{L0})", "EPS=DL/L0"),
        (r"{DL}={EPS}\m{L0}", "DL=EPS*L0"),
        (r"{L0}=\f({DL};{EPS})", "L0=DL/EPS"),
        ex=dict(DL=0.0012, L0=2))
formula("Hookesches Gesetz für Zug und Druck",
        (r"{SIGMA}={EMOD}\m{EPS}", "SIGMA=EMOD*EPS"),
        (r"{EMOD}=\f({SIGMA};{EPS})", "EMOD=SIGMA/EPS"),
        (r"{EPS}=\f({SIGMA};{EMOD})", "EPS=SIGMA/EMOD"),
        ex=dict(EMOD=2.1e11, EPS=0.0006))
formula("Verlängerung eines Stabes unter Zug",
        (r"{DL}=\f({F}\m{L0};{EMOD}\m{FL})", "DL=F*L0/(EMOD*FL)"),
        (r"{F}=\f({DL}\m{EMOD}\m{FL};{L0})", "F=DL*EMOD*FL/L0"),
        (r"{L0}=\f({DL}\m{EMOD}\m{FL};{F})", "L0=DL*EMOD*FL/F"),
        (r"{EMOD}=\f({F}\m{L0};{DL}\m{FL})", "EMOD=F*L0/(DL*FL)"),
        (r"{FL}=\f({F}\m{L0};{EMOD}\m{DL})", "FL=F*L0/(EMOD*DL)"),
        ex=dict(F=10000, L0=2, EMOD=2.1e11, FL=0.0001),
        text="Ein 2 m langer Stahlstab (1 cm² Querschnitt) wird mit 10 kN gezogen.")
