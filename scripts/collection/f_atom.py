"""Atom- und Kernphysik."""
from .catalog import area, topic, formula

area("Atom- und Kernphysik")

topic("Photonen und Materiewellen")
formula("Energie eines Photons",
        (r"{WPH}={HPL}\m{FREQ}", "WPH=HPL*FREQ"),
        (r"{FREQ}=\f({WPH};{HPL})", "FREQ=WPH/HPL"),
        ex=dict(FREQ=5.5e14), text="Grünes Licht der Wellenlänge 545 nm hat die Frequenz 5,5·10¹⁴ Hz.")
formula("Energie eines Photons aus der Wellenlänge",
        (r"{WPH}=\f({HPL}\m{C0};{LAMBDA})", "WPH=HPL*C0/LAMBDA"),
        (r"{LAMBDA}=\f({HPL}\m{C0};{WPH})", "LAMBDA=HPL*C0/WPH"),
        ex=dict(LAMBDA=4.5e-7), text="Blaues Licht der Wellenlänge 450 nm.")
formula("Photoeffekt (Einsteinsche Gleichung)",
        (r"{WKE}={HPL}\m{FREQ}-{WAUS}", "WKE=HPL*FREQ-WAUS"),
        (r"{FREQ}=\f({WKE}+{WAUS};{HPL})", "FREQ=(WKE+WAUS)/HPL"),
        (r"{WAUS}={HPL}\m{FREQ}-{WKE}", "WAUS=HPL*FREQ-WKE"),
        (r"{HPL}=\f({WKE}+{WAUS};{FREQ})", "HPL=(WKE+WAUS)/FREQ"),
        ex=dict(FREQ=1e15, WAUS=3.67e-19),
        text="Ultraviolettes Licht (10¹⁵ Hz) fällt auf Kalium (Austrittsarbeit 2,29 eV = 3,67·10⁻¹⁹ J).")
formula("Impuls eines Photons",
        (r"{IMPULS}=\f({HPL};{LAMBDA})", "IMPULS=HPL/LAMBDA"),
        (r"{LAMBDA}=\f({HPL};{IMPULS})", "LAMBDA=HPL/IMPULS"),
        ex=dict(LAMBDA=5e-7))
formula("De-Broglie-Wellenlänge",
        (r"{LAMBDA}=\f({HPL};{M}\m{V})", "LAMBDA=HPL/(M*V)"),
        (r"{M}=\f({HPL};{LAMBDA}\m{V})", "M=HPL/(LAMBDA*V)"),
        (r"{V}=\f({HPL};{M}\m{LAMBDA})", "V=HPL/(M*LAMBDA)"),
        ex=dict(M=9.1093837015e-31, V=1e6), text="Ein Elektron fliegt mit 1000 km/s.")
formula("Compton-Effekt",
        (r"{DLAMBDA}=\f({HPL};{ME}\m{C0})\m(1-cos {STREU})", "DLAMBDA=HPL/(ME*C0)*(1-COS(RAD(STREU)))"),
        (r"{STREU}=arccos(1-\f({DLAMBDA}\m{ME}\m{C0};{HPL}))", "STREU=GRAD(ARCCOS(1-DLAMBDA*ME*C0/HPL))"),
        ex=dict(STREU=90), text="Röntgenlicht wird an einem Elektron um 90° gestreut.")

topic("Atomhülle")
formula("Spektrallinien des Wasserstoffatoms",
        (r"{LAMBDA}=\f({MQ}\u(2)\m{NQ}\u(2);{RYD}\m({NQ}\u(2)-{MQ}\u(2)))", "LAMBDA=MQ^2*NQ^2/(RYD*(NQ^2-MQ^2))"),
        (r"{NQ}={MQ}\m\w(\f({LAMBDA}\m{RYD};{LAMBDA}\m{RYD}-{MQ}\u(2)))", "NQ=MQ*SQRT(LAMBDA*RYD/(LAMBDA*RYD-MQ^2))"),
        (r"{MQ}={NQ}\m\w(\f({LAMBDA}\m{RYD};{LAMBDA}\m{RYD}+{NQ}\u(2)))", "MQ=NQ*SQRT(LAMBDA*RYD/(LAMBDA*RYD+NQ^2))"),
        (r"{RYD}=\f({MQ}\u(2)\m{NQ}\u(2);{LAMBDA}\m({NQ}\u(2)-{MQ}\u(2)))", "RYD=MQ^2*NQ^2/(LAMBDA*(NQ^2-MQ^2))"),
        ex=dict(MQ=2, NQ=3), text="Die rote H\u03b1-Linie entsteht beim Übergang von n = 3 nach m = 2.")
formula("Masse-Energie-Äquivalenz",
        (r"{W0}={M}\m{C0}\u(2)", "W0=M*C0^2"),
        (r"{M}=\f({W0};{C0}\u(2))", "M=W0/C0^2"),
        ex=dict(M=0.001), text="Die Ruheenergie von einem Gramm Materie.")

topic("Radioaktivität")
formula("Zerfallsgesetz",
        (r"{NK}={NK0}\me\u(-{LZ}\m{T})", "NK=NK0*EXP(-LZ*T)"),
        (r"{NK0}={NK}\me\u({LZ}\m{T})", "NK0=NK*EXP(LZ*T)"),
        (r"{LZ}=\f(ln({NK0}/{NK});{T})", "LZ=LN(NK0/NK)/T"),
        (r"{T}=\f(ln({NK0}/{NK});{LZ})", "T=LN(NK0/NK)/LZ"),
        ex=dict(NK0=1e6, LZ=0.001, T=500))
formula("Halbwertszeit und Zerfallskonstante",
        (r"{THALB}=\f(ln 2;{LZ})", "THALB=LN(2)/LZ"),
        (r"{LZ}=\f(ln 2;{THALB})", "LZ=LN(2)/THALB"),
        ex=dict(LZ=0.001))
formula("Zerfallsgesetz mit der Halbwertszeit",
        (r"{NK}={NK0}\m2\u(-{T}/{THALB})", "NK=NK0*2^(-T/THALB)"),
        (r"{NK0}={NK}\m2\u({T}/{THALB})", "NK0=NK*2^(T/THALB)"),
        (r"{T}={THALB}\m\f(ln({NK0}/{NK});ln 2)", "T=THALB*LN(NK0/NK)/LN(2)"),
        (r"{THALB}=\f({T}\mln 2;ln({NK0}/{NK}))", "THALB=T*LN(2)/LN(NK0/NK)"),
        ex=dict(NK0=1e6, T=1728000, THALB=691200),
        text="Iod-131 (Halbwertszeit etwa 8 Tage = 691 200 s) nach 20 Tagen (1 728 000 s).")
formula("Aktivität",
        (r"{AKT}={LZ}\m{NK}", "AKT=LZ*NK"),
        (r"{LZ}=\f({AKT};{NK})", "LZ=AKT/NK"),
        (r"{NK}=\f({AKT};{LZ})", "NK=AKT/LZ"),
        ex=dict(LZ=0.001, NK=1e6))

topic("Kernbindung und Strahlenschutz")
formula("Massendefekt eines Atomkerns",
        (r"{DM}={ZP}\m{MP}+{NN}\m{MN}-{MK}", "DM=ZP*MP+NN*MN-MK"),
        (r"{MK}={ZP}\m{MP}+{NN}\m{MN}-{DM}", "MK=ZP*MP+NN*MN-DM"),
        (r"{ZP}=\f({DM}+{MK}-{NN}\m{MN};{MP})", "ZP=(DM+MK-NN*MN)/MP"),
        (r"{NN}=\f({DM}+{MK}-{ZP}\m{MP};{MN})", "NN=(DM+MK-ZP*MP)/MN"),
        ex=dict(ZP=2, NN=2, MK=6.6446573357e-27), text="Der Heliumkern (2 Protonen, 2 Neutronen) hat die Masse 6,6446573357·10⁻²⁷ kg.")
formula("Bindungsenergie eines Atomkerns",
        (r"{WB}={DM}\m{C0}\u(2)", "WB=DM*C0^2"),
        (r"{DM}=\f({WB};{C0}\u(2))", "DM=WB/C0^2"),
        ex=dict(DM=5.0442e-29), text="Massendefekt des Heliumkerns: 5,0442·10⁻²⁹ kg.")
formula("Energiedosis",
        (r"{DOSIS}=\f({WABS};{M})", "DOSIS=WABS/M"),
        (r"{WABS}={DOSIS}\m{M}", "WABS=DOSIS*M"),
        (r"{M}=\f({WABS};{DOSIS})", "M=WABS/DOSIS"),
        ex=dict(WABS=0.14, M=70))
formula("Äquivalentdosis",
        (r"{HDOSIS}={WR}\m{DOSIS}", "HDOSIS=WR*DOSIS"),
        (r"{WR}=\f({HDOSIS};{DOSIS})", "WR=HDOSIS/DOSIS"),
        (r"{DOSIS}=\f({HDOSIS};{WR})", "DOSIS=HDOSIS/WR"),
        ex=dict(WR=20, DOSIS=0.001), text="Alphastrahlung (Wichtungsfaktor 20) mit einer Energiedosis von 1 mGy.")
