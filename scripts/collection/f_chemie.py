"""Chemie: Stoffmenge, Gehaltsangaben, Verdünnen und Mischen, pH-Wert,
Gase, Stöchiometrie."""
from .catalog import area, topic, formula

area("Chemie")

topic("Stoffmenge und Gehalt")
formula("Stoffmengenkonzentration",
        (r"{KONZ}=\f({NMOL};{VOL})", "KONZ=NMOL/VOL"),
        (r"{NMOL}={KONZ}\m{VOL}", "NMOL=KONZ*VOL"),
        (r"{VOL}=\f({NMOL};{KONZ})", "VOL=NMOL/KONZ"),
        ex=dict(NMOL=0.05, VOL=0.25), text="0,05 mol Kochsalz sind in 250 ml Lösung gelöst (Ergebnis in mol/m³; 1 mol/l = 1000 mol/m³).")
formula("Konzentration aus Masse und molarer Masse",
        (r"{KONZ}=\f({M};{MMOL}\m{VOL})", "KONZ=M/(MMOL*VOL)"),
        (r"{M}={KONZ}\m{MMOL}\m{VOL}", "M=KONZ*MMOL*VOL"),
        (r"{VOL}=\f({M};{MMOL}\m{KONZ})", "VOL=M/(MMOL*KONZ)"),
        (r"{MMOL}=\f({M};{KONZ}\m{VOL})", "MMOL=M/(KONZ*VOL)"),
        ex=dict(M=0.0292, MMOL=0.05844, VOL=0.5), text="29,2 g Kochsalz (58,44 g/mol) werden zu 500 ml Lösung gelöst.")
formula("Massenkonzentration",
        (r"{BETAM}=\f({MI};{VOL})", "BETAM=MI/VOL"),
        (r"{MI}={BETAM}\m{VOL}", "MI=BETAM*VOL"),
        (r"{VOL}=\f({MI};{BETAM})", "VOL=MI/BETAM"),
        ex=dict(MI=0.009, VOL=0.001), text="Physiologische Kochsalzlösung: 9 g Salz in 1 l Lösung.")
formula("Massenanteil",
        (r"{WANT}=\f({MI};{M})", "WANT=MI/M"),
        (r"{MI}={WANT}\m{M}", "MI=WANT*M"),
        (r"{M}=\f({MI};{WANT})", "M=MI/WANT"),
        ex=dict(MI=0.035, M=1), text="1 kg Meerwasser enthält 35 g Salz.")
formula("Stoffmengenanteil",
        (r"{XANT}=\f({NI};{NMOL})", "XANT=NI/NMOL"),
        (r"{NI}={XANT}\m{NMOL}", "NI=XANT*NMOL"),
        (r"{NMOL}=\f({NI};{XANT})", "NMOL=NI/XANT"),
        ex=dict(NI=0.21, NMOL=1), text="In 1 mol Luft sind 0,21 mol Sauerstoff.")
formula("Volumenanteil",
        (r"{PHIV}=\f({VI};{VOL})", "PHIV=VI/VOL"),
        (r"{VI}={PHIV}\m{VOL}", "VI=PHIV*VOL"),
        (r"{VOL}=\f({VI};{PHIV})", "VOL=VI/PHIV"),
        ex=dict(VI=0.04, VOL=0.5), text="Eine 0,5-l-Flasche Bier enthält 40 ml Ethanol (Mischungsvolumen).")
formula("Masse eines Teilchens",
        (r"{MTEIL}=\f({MMOL};{NA})", "MTEIL=MMOL/NA"),
        (r"{MMOL}={MTEIL}\m{NA}", "MMOL=MTEIL*NA"),
        ex=dict(MMOL=0.018015), text="Masse eines Wassermoleküls (18,015 g/mol).")

topic("Lösungen verdünnen und mischen")
formula("Verdünnen einer Lösung",
        (r"{KONZB}=\f({KONZA}\m{VOLA};{VOLB})", "KONZB=KONZA*VOLA/VOLB"),
        (r"{KONZA}=\f({KONZB}\m{VOLB};{VOLA})", "KONZA=KONZB*VOLB/VOLA"),
        (r"{VOLA}=\f({KONZB}\m{VOLB};{KONZA})", "VOLA=KONZB*VOLB/KONZA"),
        (r"{VOLB}=\f({KONZA}\m{VOLA};{KONZB})", "VOLB=KONZA*VOLA/KONZB"),
        ex=dict(KONZA=2000, VOLA=0.05, VOLB=0.5), text="50 ml Salzsäure mit 2 mol/l werden auf 500 ml aufgefüllt.")
formula("Mischen zweier Lösungen desselben Stoffes",
        (r"{KONZ}=\f({KONZA}\m{VOLA}+{KONZB}\m{VOLB};{VOLA}+{VOLB})", "KONZ=(KONZA*VOLA+KONZB*VOLB)/(VOLA+VOLB)"),
        (r"{VOLB}=\f({VOLA}\m({KONZA}-{KONZ});{KONZ}-{KONZB})", "VOLB=VOLA*(KONZA-KONZ)/(KONZ-KONZB)"),
        (r"{VOLA}=\f({VOLB}\m({KONZ}-{KONZB});{KONZA}-{KONZ})", "VOLA=VOLB*(KONZ-KONZB)/(KONZA-KONZ)"),
        ex=dict(KONZA=2000, VOLA=0.1, KONZB=500, VOLB=0.3), text="100 ml mit 2 mol/l und 300 ml mit 0,5 mol/l werden gemischt (Volumina addieren sich).")
formula("Neutralisation einer einwertigen Säure",
        (r"{KONZA}=\f({KONZB}\m{VOLB};{VOLA})", "KONZA=KONZB*VOLB/VOLA"),
        (r"{VOLB}=\f({KONZA}\m{VOLA};{KONZB})", "VOLB=KONZA*VOLA/KONZB"),
        (r"{KONZB}=\f({KONZA}\m{VOLA};{VOLB})", "KONZB=KONZA*VOLA/VOLB"),
        ex=dict(KONZB=100, VOLB=0.0185, VOLA=0.02),
        text="20 ml Salzsäure (c₁) werden mit 18,5 ml Natronlauge (c₂ = 0,1 mol/l) neutralisiert.")

topic("Säuren und Basen")
formula("pH-Wert",
        (r"{PH}=-lg {COXO}", "PH=-LG(COXO)"),
        (r"{COXO}=10\u(-{PH})", "COXO=10^(-PH)"),
        ex=dict(COXO=0.001), text="Eine Säure enthält 0,001 mol/l Oxoniumionen (c in mol/l einsetzen).")
formula("pOH-Wert",
        (r"{POH}=-lg {COH}", "POH=-LG(COH)"),
        (r"{COH}=10\u(-{POH})", "COH=10^(-POH)"),
        ex=dict(COH=0.01), text="Natronlauge mit 0,01 mol/l Hydroxidionen (c in mol/l einsetzen).")
formula("pH-Wert und pOH-Wert (wässrige Lösung, 25 °C)",
        (r"{PH}=14-{POH}", "PH=14-POH"),
        (r"{POH}=14-{PH}", "POH=14-PH"),
        ex=dict(POH=2))
formula("pH-Wert einer schwachen Säure",
        (r"{PH}=\f(1;2)\m({PKS}-lg {CSAEURE})", "PH=(PKS-LG(CSAEURE))/2"),
        (r"{CSAEURE}=10\u({PKS}-2\m{PH})", "CSAEURE=10^(PKS-2*PH)"),
        (r"{PKS}=2\m{PH}+lg {CSAEURE}", "PKS=2*PH+LG(CSAEURE)"),
        ex=dict(PKS=4.76, CSAEURE=0.1), text="Essigsäure (pKs = 4,76) mit 0,1 mol/l; gilt für schwache Säuren, die wenig dissoziieren.")
formula("Puffergleichung (Henderson-Hasselbalch)",
        (r"{PH}={PKS}+lg \f({CBASE};{CHA})", "PH=PKS+LG(CBASE/CHA)"),
        (r"{PKS}={PH}-lg \f({CBASE};{CHA})", "PKS=PH-LG(CBASE/CHA)"),
        (r"{CBASE}={CHA}\m10\u({PH}-{PKS})", "CBASE=CHA*10^(PH-PKS)"),
        (r"{CHA}=\f({CBASE};10\u({PH}-{PKS}))", "CHA=CBASE/10^(PH-PKS)"),
        ex=dict(PKS=4.76, CBASE=0.2, CHA=0.1), text="Ein Acetatpuffer aus 0,1 mol/l Essigsäure und 0,2 mol/l Acetat.")

topic("Gase und Reaktionen")
formula("Molares Volumen eines idealen Gases",
        (r"{VMOLT}=\f({RGAS}\m{TK};{PGAS})", "VMOLT=RGAS*TK/PGAS"),
        (r"{TK}=\f({PGAS}\m{VMOLT};{RGAS})", "TK=PGAS*VMOLT/RGAS"),
        (r"{PGAS}=\f({RGAS}\m{TK};{VMOLT})", "PGAS=RGAS*TK/VMOLT"),
        ex=dict(TK=298.15, PGAS=100000), text="Bei 25 °C und 1000 hPa (Standardbedingungen).")
formula("Stoffmenge eines Gases aus dem Volumen",
        (r"{NMOL}=\f({VOL};{VMOLT})", "NMOL=VOL/VMOLT"),
        (r"{VOL}={NMOL}\m{VMOLT}", "VOL=NMOL*VMOLT"),
        (r"{VMOLT}=\f({VOL};{NMOL})", "VMOLT=VOL/NMOL"),
        ex=dict(VOL=0.005, VMOLT=0.024789), text="5 l Kohlenstoffdioxid bei 25 °C und 1000 hPa (Vm = 24,789 l/mol).")
formula("Massenverhältnis bei einer Reaktion",
        (r"{MB}={MA}\m\f({NUB}\m{MMB};{NUA}\m{MMA})", "MB=MA*NUB*MMB/(NUA*MMA)"),
        (r"{MA}={MB}\m\f({NUA}\m{MMA};{NUB}\m{MMB})", "MA=MB*NUA*MMA/(NUB*MMB)"),
        ex=dict(MA=0.1, NUA=1, MMA=0.10009, NUB=1, MMB=0.04401),
        text="100 g Kalk (CaCO₃, 100,09 g/mol) zerfallen beim Brennen; wie viel CO₂ (44,01 g/mol) entsteht? CaCO₃ → CaO + CO₂")
formula("Ausbeute einer Reaktion",
        (r"{AUSB}=\f({MIST};{MTHEO})", "AUSB=MIST/MTHEO"),
        (r"{MIST}={AUSB}\m{MTHEO}", "MIST=AUSB*MTHEO"),
        (r"{MTHEO}=\f({MIST};{AUSB})", "MTHEO=MIST/AUSB"),
        ex=dict(MIST=0.0385, MTHEO=0.04397))
formula("Abgeschiedene Stoffmenge bei der Elektrolyse",
        (r"{NMOL}=\f({I}\m{T};{ZWERT}\m{FARADAY})", "NMOL=I*T/(ZWERT*FARADAY)"),
        (r"{I}=\f({NMOL}\m{ZWERT}\m{FARADAY};{T})", "I=NMOL*ZWERT*FARADAY/T"),
        (r"{T}=\f({NMOL}\m{ZWERT}\m{FARADAY};{I})", "T=NMOL*ZWERT*FARADAY/I"),
        ex=dict(I=2, T=3600, ZWERT=2), text="Eine Stunde lang fließen 2 A durch Kupfersulfatlösung (Cu²⁺).")
