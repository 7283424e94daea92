"""Schwingungen und Wellen; Optik."""
from .catalog import area, topic, formula

area("Schwingungen und Wellen")

topic("Mechanische Schwingungen")
formula("Frequenz und Periodendauer",
        (r"{FREQ}=\f(1;{TP})", "FREQ=1/TP"),
        (r"{TP}=\f(1;{FREQ})", "TP=1/FREQ"),
        ex=dict(TP=0.02))
formula("Kreisfrequenz",
        (r"{KREISFREQ}=2\m\c(p)\m{FREQ}", "KREISFREQ=2*π*FREQ"),
        (r"{FREQ}=\f({KREISFREQ};2\m\c(p))", "FREQ=KREISFREQ/(2*π)"),
        ex=dict(FREQ=50))
formula("Fadenpendel",
        (r"{TP}=2\m\c(p)\m\w(\f({LAENGE};{G}))", "TP=2*π*SQRT(LAENGE/G)"),
        (r"{LAENGE}=\f({G}\m{TP}\u(2);4\m\c(p)\u(2))", "LAENGE=G*TP^2/(4*π^2)"),
        (r"{G}=\f(4\m\c(p)\u(2)\m{LAENGE};{TP}\u(2))", "G=4*π^2*LAENGE/TP^2"),
        ex=dict(LAENGE=1), text="Ein Fadenpendel ist 1 m lang (kleine Ausschläge).")
formula("Federpendel",
        (r"{TP}=2\m\c(p)\m\w(\f({M};{D}))", "TP=2*π*SQRT(M/D)"),
        (r"{M}=\f({D}\m{TP}\u(2);4\m\c(p)\u(2))", "M=D*TP^2/(4*π^2)"),
        (r"{D}=\f(4\m\c(p)\u(2)\m{M};{TP}\u(2))", "D=4*π^2*M/TP^2"),
        ex=dict(M=0.5, D=20), text="Ein Körper von 0,5 kg hängt an einer Feder mit 20 N/m.")
formula("Auslenkung einer harmonischen Schwingung",
        (r"{Y}={YMAX}\msin({KREISFREQ}\m{T})", "Y=YMAX*SIN(KREISFREQ*T)"),
        (r"{YMAX}=\f({Y};sin({KREISFREQ}\m{T}))", "YMAX=Y/SIN(KREISFREQ*T)"),
        (r"{KREISFREQ}=\f(arcsin({Y}/{YMAX});{T})", "KREISFREQ=ARCSIN(Y/YMAX)/T",
         r"für {KREISFREQ}\m{T} ≤ \c(p)/2"),
        (r"{T}=\f(arcsin({Y}/{YMAX});{KREISFREQ})", "T=ARCSIN(Y/YMAX)/KREISFREQ",
         "nur erstes Viertel der Periode"),
        ex=dict(YMAX=0.05, KREISFREQ=2, T=0.5), text="Das Argument \u03c9t wird im Bogenmaß gerechnet.")
formula("Höchstgeschwindigkeit einer harmonischen Schwingung",
        (r"{V}={YMAX}\m{KREISFREQ}", "V=YMAX*KREISFREQ"),
        (r"{YMAX}=\f({V};{KREISFREQ})", "YMAX=V/KREISFREQ"),
        (r"{KREISFREQ}=\f({V};{YMAX})", "KREISFREQ=V/YMAX"),
        ex=dict(YMAX=0.05, KREISFREQ=6.3))

topic("Elektromagnetische Schwingungen")
formula("Thomsonsche Schwingungsgleichung",
        (r"{FREQ}=\f(1;2\m\c(p)\m\r({L}\m{C}))", "FREQ=1/(2*π*SQRT(L*C))"),
        (r"{L}=\f(1;4\m\c(p)\u(2)\m{FREQ}\u(2)\m{C})", "L=1/(4*π^2*FREQ^2*C)"),
        (r"{C}=\f(1;4\m\c(p)\u(2)\m{FREQ}\u(2)\m{L})", "C=1/(4*π^2*FREQ^2*L)"),
        ex=dict(L=0.01, C=1e-6), text="Ein Schwingkreis aus 10 mH und 1 µF.")
formula("Periodendauer eines Schwingkreises",
        (r"{TP}=2\m\c(p)\m\r({L}\m{C})", "TP=2*π*SQRT(L*C)"),
        (r"{L}=\f({TP}\u(2);4\m\c(p)\u(2)\m{C})", "L=TP^2/(4*π^2*C)"),
        (r"{C}=\f({TP}\u(2);4\m\c(p)\u(2)\m{L})", "C=TP^2/(4*π^2*L)"),
        ex=dict(L=0.01, C=1e-6))

topic("Wellen")
formula("Ausbreitungsgeschwindigkeit einer Welle",
        (r"{CPH}={LAMBDA}\m{FREQ}", "CPH=LAMBDA*FREQ"),
        (r"{LAMBDA}=\f({CPH};{FREQ})", "LAMBDA=CPH/FREQ"),
        (r"{FREQ}=\f({CPH};{LAMBDA})", "FREQ=CPH/LAMBDA"),
        ex=dict(LAMBDA=0.78, FREQ=440), text="Der Kammerton a (440 Hz) hat in Luft eine Wellenlänge von 78 cm.")
formula("Wellenlänge elektromagnetischer Wellen",
        (r"{LAMBDA}=\f({C0};{FREQ})", "LAMBDA=C0/FREQ"),
        (r"{FREQ}=\f({C0};{LAMBDA})", "FREQ=C0/LAMBDA"),
        (r"{C0}={LAMBDA}\m{FREQ}", "C0=LAMBDA*FREQ"),
        ex=dict(FREQ=1e8), text="Ein UKW-Sender sendet auf 100 MHz.")
formula("Dopplereffekt: Quelle nähert sich ruhendem Beobachter",
        (r"{FBEO}=\f({FREQ0}\m{CPH};{CPH}-{VQ})", "FBEO=FREQ0*CPH/(CPH-VQ)"),
        (r"{FREQ0}=\f({FBEO}\m({CPH}-{VQ});{CPH})", "FREQ0=FBEO*(CPH-VQ)/CPH"),
        (r"{VQ}={CPH}\m(1-\f({FREQ0};{FBEO}))", "VQ=CPH*(1-FREQ0/FBEO)"),
        ex=dict(FREQ0=440, CPH=343, VQ=20), text="Ein Krankenwagen (Sirene 440 Hz) nähert sich mit 20 m/s; Schall in Luft: 343 m/s.")
formula("Dopplereffekt: Quelle entfernt sich von ruhendem Beobachter",
        (r"{FBEO}=\f({FREQ0}\m{CPH};{CPH}+{VQ})", "FBEO=FREQ0*CPH/(CPH+VQ)"),
        (r"{FREQ0}=\f({FBEO}\m({CPH}+{VQ});{CPH})", "FREQ0=FBEO*(CPH+VQ)/CPH"),
        (r"{VQ}={CPH}\m(\f({FREQ0};{FBEO})-1)", "VQ=CPH*(FREQ0/FBEO-1)"),
        ex=dict(FREQ0=440, CPH=343, VQ=20), text="Der Krankenwagen (440 Hz) entfernt sich mit 20 m/s.")
formula("Dopplereffekt: Beobachter nähert sich ruhender Quelle",
        (r"{FBEO}=\f({FREQ0}\m({CPH}+{VBEO});{CPH})", "FBEO=FREQ0*(CPH+VBEO)/CPH"),
        (r"{FREQ0}=\f({FBEO}\m{CPH};{CPH}+{VBEO})", "FREQ0=FBEO*CPH/(CPH+VBEO)"),
        (r"{VBEO}={CPH}\m(\f({FBEO};{FREQ0})-1)", "VBEO=CPH*(FBEO/FREQ0-1)"),
        ex=dict(FREQ0=440, CPH=343, VBEO=20), text="Ein Radfahrer fährt mit 20 m/s auf eine Sirene (440 Hz) zu.")
formula("Dopplereffekt: Beobachter entfernt sich von ruhender Quelle",
        (r"{FBEO}=\f({FREQ0}\m({CPH}-{VBEO});{CPH})", "FBEO=FREQ0*(CPH-VBEO)/CPH"),
        (r"{FREQ0}=\f({FBEO}\m{CPH};{CPH}-{VBEO})", "FREQ0=FBEO*CPH/(CPH-VBEO)"),
        (r"{VBEO}={CPH}\m(1-\f({FBEO};{FREQ0}))", "VBEO=CPH*(1-FBEO/FREQ0)"),
        ex=dict(FREQ0=440, CPH=343, VBEO=20), text="Ein Radfahrer fährt mit 20 m/s von einer Sirene (440 Hz) weg.")

topic("Akustik")
formula("Schallintensitätspegel",
        (r"{SPEGEL}=10\mlg \f({IS};{IS0})", "SPEGEL=10*LG(IS/IS0)"),
        (r"{IS}={IS0}\m10\u({SPEGEL}/10)", "IS=IS0*10^(SPEGEL/10)"),
        ex=dict(IS=1e-5), text="Die Schallintensität beträgt 10⁻⁵ W/m².")
formula("Grundfrequenz einer schwingenden Saite",
        (r"{FREQ}=\f({CPH};2\m{LAENGE})", "FREQ=CPH/(2*LAENGE)"),
        (r"{CPH}=2\m{LAENGE}\m{FREQ}", "CPH=2*LAENGE*FREQ"),
        (r"{LAENGE}=\f({CPH};2\m{FREQ})", "LAENGE=CPH/(2*FREQ)"),
        ex=dict(CPH=286, LAENGE=0.65), text="Eine Gitarrensaite von 65 cm; die Welle läuft mit 286 m/s auf ihr.")

area("Optik")

topic("Reflexion und Brechung")
formula("Brechungsgesetz",
        (r"{BETA}=arcsin(\f({BZA}\msin {EINFALL};{BZB}))", "BETA=GRAD(ARCSIN(BZA*SIN(RAD(EINFALL))/BZB))"),
        (r"{EINFALL}=arcsin(\f({BZB}\msin {BETA};{BZA}))", "EINFALL=GRAD(ARCSIN(BZB*SIN(RAD(BETA))/BZA))"),
        (r"{BZA}=\f({BZB}\msin {BETA};sin {EINFALL})", "BZA=BZB*SIN(RAD(BETA))/SIN(RAD(EINFALL))"),
        (r"{BZB}=\f({BZA}\msin {EINFALL};sin {BETA})", "BZB=BZA*SIN(RAD(EINFALL))/SIN(RAD(BETA))"),
        ex=dict(BZA=1, EINFALL=45, BZB=1.5), text="Licht fällt unter 45° aus Luft (n = 1) auf Glas (n = 1,5).")
formula("Brechzahl und Lichtgeschwindigkeit",
        (r"{BZ}=\f({C0};{CMED})", "BZ=C0/CMED"),
        (r"{CMED}=\f({C0};{BZ})", "CMED=C0/BZ"),
        ex=dict(CMED=2.25e8))
formula("Grenzwinkel der Totalreflexion",
        (r"{ALPHAG}=arcsin(\f({BZB};{BZA}))", "ALPHAG=GRAD(ARCSIN(BZB/BZA))"),
        (r"{BZB}={BZA}\msin {ALPHAG}", "BZB=BZA*SIN(RAD(ALPHAG))"),
        (r"{BZA}=\f({BZB};sin {ALPHAG})", "BZA=BZB/SIN(RAD(ALPHAG))"),
        ex=dict(BZA=1.5, BZB=1), text="Licht tritt aus Glas (n = 1,5) in Luft (n = 1) über.")

topic("Abbildung mit Linsen")
formula("Linsengleichung",
        (r"{FBR}=\f({GW}\m{BW};{GW}+{BW})", "FBR=GW*BW/(GW+BW)"),
        (r"{GW}=\f({FBR}\m{BW};{BW}-{FBR})", "GW=FBR*BW/(BW-FBR)"),
        (r"{BW}=\f({FBR}\m{GW};{GW}-{FBR})", "BW=FBR*GW/(GW-FBR)"),
        ex=dict(GW=0.3, BW=0.6), grafik="linse.jpg",
        text="Ein Gegenstand steht 30 cm vor einer Sammellinse; das scharfe Bild entsteht 60 cm dahinter.")
formula("Abbildungsmaßstab",
        (r"{BG}=\f({GG}\m{BW};{GW})", "BG=GG*BW/GW"),
        (r"{GG}=\f({BG}\m{GW};{BW})", "GG=BG*GW/BW"),
        (r"{BW}=\f({BG}\m{GW};{GG})", "BW=BG*GW/GG"),
        (r"{GW}=\f({GG}\m{BW};{BG})", "GW=GG*BW/BG"),
        ex=dict(GG=0.02, BW=0.6, GW=0.3), grafik="linse.jpg")
formula("Brechkraft",
        (r"{DBR}=\f(1;{FBR})", "DBR=1/FBR"),
        (r"{FBR}=\f(1;{DBR})", "FBR=1/DBR"),
        ex=dict(FBR=0.2))
formula("Vergrößerung einer Lupe",
        (r"{VGR}=\f({SEHW};{FBR})", "VGR=SEHW/FBR"),
        (r"{FBR}=\f({SEHW};{VGR})", "FBR=SEHW/VGR"),
        ex=dict(FBR=0.05), text="Eine Lupe hat 5 cm Brennweite; die deutliche Sehweite ist 25 cm.")

topic("Wellenoptik")
formula("Beugung am Gitter",
        (r"{LAMBDA}=\f({GITTER}\msin {BEUGW};{KORD})", "LAMBDA=GITTER*SIN(RAD(BEUGW))/KORD"),
        (r"{GITTER}=\f({KORD}\m{LAMBDA};sin {BEUGW})", "GITTER=KORD*LAMBDA/SIN(RAD(BEUGW))"),
        (r"{BEUGW}=arcsin(\f({KORD}\m{LAMBDA};{GITTER}))", "BEUGW=GRAD(ARCSIN(KORD*LAMBDA/GITTER))"),
        (r"{KORD}=\f({GITTER}\msin {BEUGW};{LAMBDA})", "KORD=GITTER*SIN(RAD(BEUGW))/LAMBDA"),
        ex=dict(GITTER=1e-5, BEUGW=3.5, KORD=1),
        text="Ein Gitter mit 100 Strichen je Millimeter beugt Licht im ersten Maximum um 3,5°.")
