<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="NR" fieldtype="r8"/>
      <FIELD attrname="GROESSE" fieldtype="string" WIDTH="70"/>
      <FIELD attrname="SYMBOL" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="EINHEIT" fieldtype="string" WIDTH="41"/>
      <FIELD attrname="ABLEITUNG" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="NAMEEINHEI" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="DATEI" fieldtype="string" WIDTH="24"/>
      <FIELD attrname="RECHENVARI" fieldtype="string" WIDTH="20"/>
      <FIELD attrname="KONSTANTE" fieldtype="string" WIDTH="20"/>
    </FIELDS>
    <INDEXDEFS>
      <INDEXDEF NAME="DEFAULT_ORDER" FIELDS="Nr"/>
      <INDEXDEF NAME="CHANGEINDEX" FIELDS="Nr"/>
      <INDEXDEF NAME="table1Index3" FIELDS="Nr"/>
    </INDEXDEFS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW NR="1" GROESSE="Weg" SYMBOL="s" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="S"/>
    <ROW NR="2" GROESSE="Zeit" SYMBOL="t" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="T"/>
    <ROW NR="3" GROESSE="Geschwindigkeit" SYMBOL="v" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="V"/>
    <ROW NR="4" GROESSE="Anfangsgeschwindigkeit" SYMBOL="v\d(0)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="V0"/>
    <ROW NR="5" GROESSE="Beschleunigung" SYMBOL="a" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="A"/>
    <ROW NR="6" GROESSE="Fallbeschleunigung" SYMBOL="g" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="G" KONSTANTE="9,80665"/>
    <ROW NR="7" GROESSE="Höhe" SYMBOL="h" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="H"/>
    <ROW NR="8" GROESSE="Wurfweite" SYMBOL="s\d(W)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SW"/>
    <ROW NR="9" GROESSE="Winkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ALPHA"/>
    <ROW NR="10" GROESSE="Geschwindigkeitsänderung" SYMBOL="\c(D)v" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="DV"/>
    <ROW NR="11" GROESSE="Zeitdauer" SYMBOL="\c(D)t" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="DT"/>
    <ROW NR="12" GROESSE="Radius" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RADIUS"/>
    <ROW NR="13" GROESSE="Drehzahl" SYMBOL="n" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="N"/>
    <ROW NR="14" GROESSE="Winkelgeschwindigkeit" SYMBOL="\c(w)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="OMEGA"/>
    <ROW NR="15" GROESSE="Zentripetalbeschleunigung" SYMBOL="a\d(Z)" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="AZ"/>
    <ROW NR="16" GROESSE="Zentripetalkraft" SYMBOL="F\d(Z)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FZ"/>
    <ROW NR="17" GROESSE="Periodendauer, Umlaufzeit" SYMBOL="T" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TP"/>
    <ROW NR="18" GROESSE="Drehmoment" SYMBOL="M" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MD"/>
    <ROW NR="19" GROESSE="Trägheitsmoment" SYMBOL="J" EINHEIT="kg\mm\u(2)" NAMEEINHEI="Kilogramm·Quadratmeter" RECHENVARI="J"/>
    <ROW NR="20" GROESSE="Rotationsenergie" SYMBOL="E\d(rot)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WROT"/>
    <ROW NR="21" GROESSE="Hebelarm 1" SYMBOL="r\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HA"/>
    <ROW NR="22" GROESSE="Hebelarm 2" SYMBOL="r\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HB"/>
    <ROW NR="23" GROESSE="Hebelarm" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HEBEL"/>
    <ROW NR="24" GROESSE="Masse" SYMBOL="m" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="M"/>
    <ROW NR="25" GROESSE="Masse 1" SYMBOL="m\d(1)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MA"/>
    <ROW NR="26" GROESSE="Masse 2" SYMBOL="m\d(2)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MB"/>
    <ROW NR="27" GROESSE="Kraft" SYMBOL="F" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="F"/>
    <ROW NR="28" GROESSE="Kraft 1" SYMBOL="F\d(1)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FA"/>
    <ROW NR="29" GROESSE="Kraft 2" SYMBOL="F\d(2)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FB"/>
    <ROW NR="30" GROESSE="Gewichtskraft" SYMBOL="F\d(G)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FG"/>
    <ROW NR="31" GROESSE="Reibungskraft" SYMBOL="F\d(R)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FR"/>
    <ROW NR="32" GROESSE="Normalkraft" SYMBOL="F\d(N)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FN"/>
    <ROW NR="33" GROESSE="Hangabtriebskraft" SYMBOL="F\d(H)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FH"/>
    <ROW NR="34" GROESSE="Reibungszahl" SYMBOL="\c(m)" NAMEEINHEI="ohne Einheit" RECHENVARI="MU"/>
    <ROW NR="35" GROESSE="Federkonstante" SYMBOL="D" EINHEIT="N/m" ABLEITUNG="kg/s\u(2)" NAMEEINHEI="Newton pro Meter" RECHENVARI="D"/>
    <ROW NR="36" GROESSE="Arbeit" SYMBOL="W" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="W"/>
    <ROW NR="37" GROESSE="Potentielle Energie" SYMBOL="E\d(pot)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WPOT"/>
    <ROW NR="38" GROESSE="Kinetische Energie" SYMBOL="E\d(kin)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WKIN"/>
    <ROW NR="39" GROESSE="Spannenergie" SYMBOL="E\d(Sp)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WSP"/>
    <ROW NR="40" GROESSE="Leistung" SYMBOL="P" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="P"/>
    <ROW NR="41" GROESSE="Abgegebene Leistung" SYMBOL="P\d(ab)" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="PAB"/>
    <ROW NR="42" GROESSE="Zugeführte Leistung" SYMBOL="P\d(zu)" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="PZU"/>
    <ROW NR="43" GROESSE="Wirkungsgrad" SYMBOL="\c(h)" NAMEEINHEI="ohne Einheit" RECHENVARI="ETA"/>
    <ROW NR="44" GROESSE="Impuls" SYMBOL="p" EINHEIT="N\ms" ABLEITUNG="kg\mm/s" NAMEEINHEI="Newtonsekunde" RECHENVARI="IMPULS"/>
    <ROW NR="45" GROESSE="Geschwindigkeit 1" SYMBOL="v\d(1)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VA"/>
    <ROW NR="46" GROESSE="Geschwindigkeit 2" SYMBOL="v\d(2)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VB"/>
    <ROW NR="47" GROESSE="Gemeinsame Geschwindigkeit nach dem Stoß" SYMBOL="u" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VN"/>
    <ROW NR="48" GROESSE="Gravitationskonstante" SYMBOL="\c(g)" EINHEIT="N\mm\u(2)/kg\u(2)" ABLEITUNG="m\u(3)/(kg\ms\u(2))" NAMEEINHEI="Newton·Quadratmeter/kg²" RECHENVARI="GRAV" KONSTANTE="6,67430E-11"/>
    <ROW NR="49" GROESSE="Masse des Zentralkörpers" SYMBOL="M" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MZ"/>
    <ROW NR="50" GROESSE="Abstand, Bahnradius" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ABSTAND"/>
    <ROW NR="51" GROESSE="Dichte" SYMBOL="\c(r)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="RHO"/>
    <ROW NR="52" GROESSE="Volumen" SYMBOL="V" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOL"/>
    <ROW NR="53" GROESSE="Fläche" SYMBOL="A" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FL"/>
    <ROW NR="54" GROESSE="Fläche 1" SYMBOL="A\d(1)" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FLA"/>
    <ROW NR="55" GROESSE="Fläche 2" SYMBOL="A\d(2)" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FLB"/>
    <ROW NR="56" GROESSE="Druck" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DRUCK"/>
    <ROW NR="57" GROESSE="Auftriebskraft" SYMBOL="F\d(A)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FAUF"/>
    <ROW NR="58" GROESSE="Volumenstrom" SYMBOL="Q" EINHEIT="m\u(3)/s" NAMEEINHEI="Kubikmeter pro Sekunde" DATEI="volstrom.cds" RECHENVARI="VSTROM"/>
    <ROW NR="59" GROESSE="Staudruck" SYMBOL="p\d(dyn)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PDYN"/>
    <ROW NR="60" GROESSE="Strömungswiderstandskraft" SYMBOL="F\d(W)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FW"/>
    <ROW NR="61" GROESSE="Widerstandsbeiwert" SYMBOL="c\d(w)" NAMEEINHEI="ohne Einheit" RECHENVARI="CWERT"/>
    <ROW NR="62" GROESSE="Mechanische Spannung" SYMBOL="\c(s)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="SIGMA"/>
    <ROW NR="63" GROESSE="Dehnung" SYMBOL="\c(e)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPS"/>
    <ROW NR="64" GROESSE="Längenänderung" SYMBOL="\c(D)l" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DL"/>
    <ROW NR="65" GROESSE="Ausgangslänge" SYMBOL="l\d(0)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="L0"/>
    <ROW NR="66" GROESSE="Elastizitätsmodul" SYMBOL="E" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="EMOD"/>
    <ROW NR="67" GROESSE="Celsius-Temperatur" SYMBOL="\c(J)" EINHEIT="°C" NAMEEINHEI="Grad Celsius" RECHENVARI="THETA"/>
    <ROW NR="68" GROESSE="Fahrenheit-Temperatur" SYMBOL="\c(J)\d(F)" EINHEIT="°F" NAMEEINHEI="Grad Fahrenheit" RECHENVARI="THETAF"/>
    <ROW NR="69" GROESSE="Temperatur" SYMBOL="T" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TK"/>
    <ROW NR="70" GROESSE="Temperatur 1" SYMBOL="T\d(1)" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TKA"/>
    <ROW NR="71" GROESSE="Temperatur 2" SYMBOL="T\d(2)" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TKB"/>
    <ROW NR="72" GROESSE="Temperaturänderung" SYMBOL="\c(DJ)" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="DTHETA"/>
    <ROW NR="73" GROESSE="Längenausdehnungskoeffizient" SYMBOL="\c(a)" EINHEIT="1/K" NAMEEINHEI="pro Kelvin" RECHENVARI="ALPHAL"/>
    <ROW NR="74" GROESSE="Volumenausdehnungskoeffizient" SYMBOL="\c(g)" EINHEIT="1/K" NAMEEINHEI="pro Kelvin" RECHENVARI="GAMMAV"/>
    <ROW NR="75" GROESSE="Ausgangsvolumen" SYMBOL="V\d(0)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOL0"/>
    <ROW NR="76" GROESSE="Volumenänderung" SYMBOL="\c(D)V" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="DVOL"/>
    <ROW NR="77" GROESSE="Wärme" SYMBOL="Q" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="QW"/>
    <ROW NR="78" GROESSE="Spezifische Wärmekapazität" SYMBOL="c" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" DATEI="spezwaer.cds" RECHENVARI="CSPEZ"/>
    <ROW NR="79" GROESSE="Spezifische Wärmekapazität 1" SYMBOL="c\d(1)" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" DATEI="spezwaer.cds" RECHENVARI="CSPA"/>
    <ROW NR="80" GROESSE="Spezifische Wärmekapazität 2" SYMBOL="c\d(2)" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" DATEI="spezwaer.cds" RECHENVARI="CSPB"/>
    <ROW NR="81" GROESSE="Temperatur 1" SYMBOL="\c(J)\d(1)" EINHEIT="°C" NAMEEINHEI="Grad Celsius" RECHENVARI="THETAA"/>
    <ROW NR="82" GROESSE="Temperatur 2" SYMBOL="\c(J)\d(2)" EINHEIT="°C" NAMEEINHEI="Grad Celsius" RECHENVARI="THETAB"/>
    <ROW NR="83" GROESSE="Mischungstemperatur" SYMBOL="\c(J)\d(M)" EINHEIT="°C" NAMEEINHEI="Grad Celsius" RECHENVARI="THETAM"/>
    <ROW NR="84" GROESSE="Spezifische Schmelzwärme" SYMBOL="q\d(s)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" RECHENVARI="QSCHM"/>
    <ROW NR="85" GROESSE="Spezifische Verdampfungswärme" SYMBOL="q\d(v)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" RECHENVARI="QVERD"/>
    <ROW NR="86" GROESSE="Heizwert" SYMBOL="H\d(i)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" RECHENVARI="HEIZW"/>
    <ROW NR="87" GROESSE="Wärmekapazität" SYMBOL="C" EINHEIT="J/K" NAMEEINHEI="Joule pro Kelvin" RECHENVARI="WKAP"/>
    <ROW NR="88" GROESSE="Wärmestrom" SYMBOL="\c(F)" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="PHIW"/>
    <ROW NR="89" GROESSE="Wärmeleitfähigkeit" SYMBOL="\c(l)" EINHEIT="W/(m\mK)" NAMEEINHEI="Watt pro (Meter·Kelvin)" RECHENVARI="LAMBDAW"/>
    <ROW NR="90" GROESSE="Dicke" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DICKE"/>
    <ROW NR="91" GROESSE="Wärmedurchgangskoeffizient" SYMBOL="U" EINHEIT="W/(m\u(2)\mK)" NAMEEINHEI="Watt pro (m²·Kelvin)" RECHENVARI="UWERT"/>
    <ROW NR="92" GROESSE="Stefan-Boltzmann-Konstante" SYMBOL="\c(s)" EINHEIT="W/(m\u(2)\mK\u(4))" NAMEEINHEI="Watt pro (m²·K⁴)" RECHENVARI="SIGMASB" KONSTANTE="5,670374419E-8"/>
    <ROW NR="93" GROESSE="Wellenlänge des Strahlungsmaximums" SYMBOL="\c(l)\d(max)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LMAX"/>
    <ROW NR="94" GROESSE="Wiensche Konstante" SYMBOL="b" EINHEIT="m\mK" NAMEEINHEI="Meter·Kelvin" RECHENVARI="BWIEN" KONSTANTE="2,897771955E-3"/>
    <ROW NR="95" GROESSE="Druck 1" SYMBOL="p\d(1)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DRUCKA"/>
    <ROW NR="96" GROESSE="Druck 2" SYMBOL="p\d(2)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DRUCKB"/>
    <ROW NR="97" GROESSE="Volumen 1" SYMBOL="V\d(1)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOLA"/>
    <ROW NR="98" GROESSE="Volumen 2" SYMBOL="V\d(2)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOLB"/>
    <ROW NR="99" GROESSE="Stoffmenge" SYMBOL="n" EINHEIT="mol" NAMEEINHEI="Mol" DATEI="stoffmen.cds" RECHENVARI="NMOL"/>
    <ROW NR="100" GROESSE="Universelle Gaskonstante" SYMBOL="R" EINHEIT="J/(mol\mK)" NAMEEINHEI="Joule pro (Mol·Kelvin)" RECHENVARI="RGAS" KONSTANTE="8,31446261815324"/>
    <ROW NR="101" GROESSE="Molare Masse" SYMBOL="M" EINHEIT="kg/mol" NAMEEINHEI="Kilogramm pro Mol" RECHENVARI="MMOL"/>
    <ROW NR="102" GROESSE="Molares Volumen idealer Gase (0 °C, 101,325 kPa)" SYMBOL="V\d(m)" EINHEIT="m\u(3)/mol" NAMEEINHEI="Kubikmeter pro Mol" RECHENVARI="VMOL" KONSTANTE="0,022413969545"/>
    <ROW NR="103" GROESSE="Teilchenzahl" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NT"/>
    <ROW NR="104" GROESSE="Avogadro-Konstante" SYMBOL="N\d(A)" EINHEIT="1/mol" NAMEEINHEI="pro Mol" RECHENVARI="NA" KONSTANTE="6,02214076E23"/>
    <ROW NR="105" GROESSE="Boltzmann-Konstante" SYMBOL="k" EINHEIT="J/K" NAMEEINHEI="Joule pro Kelvin" RECHENVARI="KB" KONSTANTE="1,380649E-23"/>
    <ROW NR="106" GROESSE="Mittlere kinetische Energie eines Teilchens" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WTEIL"/>
    <ROW NR="107" GROESSE="Änderung der inneren Energie" SYMBOL="\c(D)U" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="DUI"/>
    <ROW NR="108" GROESSE="Ladung" SYMBOL="Q" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="Q"/>
    <ROW NR="109" GROESSE="Ladung 1" SYMBOL="Q\d(1)" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="QA"/>
    <ROW NR="110" GROESSE="Ladung 2" SYMBOL="Q\d(2)" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="QB"/>
    <ROW NR="111" GROESSE="Stromstärke" SYMBOL="I" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="I"/>
    <ROW NR="112" GROESSE="Stromstärke 1" SYMBOL="I\d(1)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IA"/>
    <ROW NR="113" GROESSE="Stromstärke 2" SYMBOL="I\d(2)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IB"/>
    <ROW NR="114" GROESSE="Spannung" SYMBOL="U" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="U"/>
    <ROW NR="115" GROESSE="Spannung 1" SYMBOL="U\d(1)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UA"/>
    <ROW NR="116" GROESSE="Spannung 2" SYMBOL="U\d(2)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UB"/>
    <ROW NR="117" GROESSE="Klemmenspannung" SYMBOL="U\d(K)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UK"/>
    <ROW NR="118" GROESSE="Quellenspannung" SYMBOL="U\d(0)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="U0"/>
    <ROW NR="119" GROESSE="Widerstand" SYMBOL="R" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="R"/>
    <ROW NR="120" GROESSE="Widerstand 1" SYMBOL="R\d(1)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RA"/>
    <ROW NR="121" GROESSE="Widerstand 2" SYMBOL="R\d(2)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RB"/>
    <ROW NR="122" GROESSE="Innenwiderstand" SYMBOL="R\d(i)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RI"/>
    <ROW NR="123" GROESSE="Widerstand bei 20 °C" SYMBOL="R\d(20)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="R20"/>
    <ROW NR="124" GROESSE="Temperaturkoeffizient des Widerstands" SYMBOL="\c(a)" EINHEIT="1/K" NAMEEINHEI="pro Kelvin" RECHENVARI="ALPHAR"/>
    <ROW NR="125" GROESSE="Spezifischer Widerstand" SYMBOL="\c(r)" EINHEIT="\c(W)\mm" NAMEEINHEI="Ohmmeter" DATEI="spezwid.cds" RECHENVARI="RHOEL"/>
    <ROW NR="126" GROESSE="Länge" SYMBOL="l" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LAENGE"/>
    <ROW NR="127" GROESSE="Elektrische Energie" SYMBOL="W" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WEL"/>
    <ROW NR="128" GROESSE="Kapazität" SYMBOL="C" EINHEIT="F" ABLEITUNG="C/V" NAMEEINHEI="Farad" DATEI="kapazit.cds" RECHENVARI="C"/>
    <ROW NR="129" GROESSE="Kapazität 1" SYMBOL="C\d(1)" EINHEIT="F" ABLEITUNG="C/V" NAMEEINHEI="Farad" DATEI="kapazit.cds" RECHENVARI="CA"/>
    <ROW NR="130" GROESSE="Kapazität 2" SYMBOL="C\d(2)" EINHEIT="F" ABLEITUNG="C/V" NAMEEINHEI="Farad" DATEI="kapazit.cds" RECHENVARI="CB"/>
    <ROW NR="131" GROESSE="Elektrische Feldkonstante" SYMBOL="\c(e)\d(0)" EINHEIT="F/m" ABLEITUNG="A\ms/(V\mm)" NAMEEINHEI="Farad pro Meter" RECHENVARI="EPS0" KONSTANTE="8,8541878128E-12"/>
    <ROW NR="132" GROESSE="Permittivitätszahl" SYMBOL="\c(e)\d(r)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPSR"/>
    <ROW NR="133" GROESSE="Elektrische Feldstärke" SYMBOL="E" EINHEIT="V/m" ABLEITUNG="N/C" NAMEEINHEI="Volt pro Meter" RECHENVARI="EFELD"/>
    <ROW NR="134" GROESSE="Plattenabstand" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DPL"/>
    <ROW NR="135" GROESSE="Elementarladung" SYMBOL="e" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="QE" KONSTANTE="1,602176634E-19"/>
    <ROW NR="136" GROESSE="Magnetische Flussdichte" SYMBOL="B" EINHEIT="T" ABLEITUNG="V\ms/m\u(2)" NAMEEINHEI="Tesla" DATEI="flussdi.cds" RECHENVARI="B"/>
    <ROW NR="137" GROESSE="Magnetische Feldkonstante" SYMBOL="\c(m)\d(0)" EINHEIT="N/A\u(2)" ABLEITUNG="V\ms/(A\mm)" NAMEEINHEI="Newton pro Quadratampere" RECHENVARI="MU0" KONSTANTE="1,25663706212E-6"/>
    <ROW NR="138" GROESSE="Permeabilitätszahl" SYMBOL="\c(m)\d(r)" NAMEEINHEI="ohne Einheit" RECHENVARI="MUR"/>
    <ROW NR="139" GROESSE="Windungszahl" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NW"/>
    <ROW NR="140" GROESSE="Windungszahl 1" SYMBOL="N\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="NWA"/>
    <ROW NR="141" GROESSE="Windungszahl 2" SYMBOL="N\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="NWB"/>
    <ROW NR="142" GROESSE="Magnetischer Fluss" SYMBOL="\c(F)" EINHEIT="Wb" ABLEITUNG="V\ms" NAMEEINHEI="Weber" RECHENVARI="PHIM"/>
    <ROW NR="143" GROESSE="Änderung des magnetischen Flusses" SYMBOL="\c(DF)" EINHEIT="Wb" ABLEITUNG="V\ms" NAMEEINHEI="Weber" RECHENVARI="DPHIM"/>
    <ROW NR="144" GROESSE="Induktivität" SYMBOL="L" EINHEIT="H" ABLEITUNG="V\ms/A" NAMEEINHEI="Henry" DATEI="induktiv.cds" RECHENVARI="L"/>
    <ROW NR="145" GROESSE="Faraday-Konstante" SYMBOL="F" EINHEIT="C/mol" NAMEEINHEI="Coulomb pro Mol" RECHENVARI="FARADAY" KONSTANTE="96485,33212"/>
    <ROW NR="146" GROESSE="Ladungszahl der Ionen" SYMBOL="z" NAMEEINHEI="ohne Einheit" RECHENVARI="ZWERT"/>
    <ROW NR="147" GROESSE="Effektivwert der Spannung" SYMBOL="U\d(eff)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UEFF"/>
    <ROW NR="148" GROESSE="Scheitelwert der Spannung" SYMBOL="Û" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="USCH"/>
    <ROW NR="149" GROESSE="Effektivwert der Stromstärke" SYMBOL="I\d(eff)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IEFF"/>
    <ROW NR="150" GROESSE="Scheitelwert der Stromstärke" SYMBOL="Î" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="ISCH"/>
    <ROW NR="151" GROESSE="Frequenz" SYMBOL="f" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQ"/>
    <ROW NR="152" GROESSE="Kapazitiver Blindwiderstand" SYMBOL="X\d(C)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="XC"/>
    <ROW NR="153" GROESSE="Induktiver Blindwiderstand" SYMBOL="X\d(L)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="XL"/>
    <ROW NR="154" GROESSE="Blindwiderstand" SYMBOL="X" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="X"/>
    <ROW NR="155" GROESSE="Scheinwiderstand" SYMBOL="Z" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="Z"/>
    <ROW NR="156" GROESSE="Phasenverschiebungswinkel" SYMBOL="\c(j)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="PHI"/>
    <ROW NR="157" GROESSE="Kreisfrequenz" SYMBOL="\c(w)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="KREISFREQ"/>
    <ROW NR="158" GROESSE="Auslenkung" SYMBOL="y" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="Y"/>
    <ROW NR="159" GROESSE="Amplitude" SYMBOL="ŷ" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="YMAX"/>
    <ROW NR="160" GROESSE="Ausbreitungsgeschwindigkeit" SYMBOL="c" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="CPH"/>
    <ROW NR="161" GROESSE="Wellenlänge" SYMBOL="\c(l)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LAMBDA"/>
    <ROW NR="162" GROESSE="Frequenz der Quelle" SYMBOL="f\d(0)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQ0"/>
    <ROW NR="163" GROESSE="Geschwindigkeit der Quelle" SYMBOL="v\d(Q)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VQ"/>
    <ROW NR="164" GROESSE="Geschwindigkeit des Beobachters" SYMBOL="v\d(B)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VBEO"/>
    <ROW NR="165" GROESSE="Schallintensitätspegel" SYMBOL="L" EINHEIT="dB" NAMEEINHEI="Dezibel" RECHENVARI="SPEGEL"/>
    <ROW NR="166" GROESSE="Schallintensität" SYMBOL="I" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IS"/>
    <ROW NR="167" GROESSE="Bezugsschallintensität (Hörschwelle)" SYMBOL="I\d(0)" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IS0" KONSTANTE="1E-12"/>
    <ROW NR="168" GROESSE="Lichtgeschwindigkeit im Vakuum" SYMBOL="c\d(0)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="C0" KONSTANTE="299792458"/>
    <ROW NR="169" GROESSE="Lichtgeschwindigkeit im Stoff" SYMBOL="c\d(M)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="CMED"/>
    <ROW NR="170" GROESSE="Brechzahl" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="BZ"/>
    <ROW NR="171" GROESSE="Brechzahl 1" SYMBOL="n\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="BZA"/>
    <ROW NR="172" GROESSE="Brechzahl 2" SYMBOL="n\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="BZB"/>
    <ROW NR="173" GROESSE="Brechungswinkel" SYMBOL="\c(b)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BETA"/>
    <ROW NR="174" GROESSE="Grenzwinkel der Totalreflexion" SYMBOL="\c(a)\d(G)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ALPHAG"/>
    <ROW NR="175" GROESSE="Brennweite" SYMBOL="f" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="FBR"/>
    <ROW NR="176" GROESSE="Gegenstandsweite" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GW"/>
    <ROW NR="177" GROESSE="Bildweite" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BW"/>
    <ROW NR="178" GROESSE="Gegenstandsgröße" SYMBOL="G" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GG"/>
    <ROW NR="179" GROESSE="Bildgröße" SYMBOL="B" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BG"/>
    <ROW NR="180" GROESSE="Brechkraft" SYMBOL="D" EINHEIT="dpt" ABLEITUNG="1/m" NAMEEINHEI="Dioptrie" RECHENVARI="DBR"/>
    <ROW NR="181" GROESSE="Vergrößerung" SYMBOL="V" NAMEEINHEI="ohne Einheit" RECHENVARI="VGR"/>
    <ROW NR="182" GROESSE="Deutliche Sehweite" SYMBOL="s\d(0)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SEHW" KONSTANTE="0,25"/>
    <ROW NR="183" GROESSE="Gitterkonstante" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GITTER"/>
    <ROW NR="184" GROESSE="Beugungsordnung" SYMBOL="k" NAMEEINHEI="ohne Einheit" RECHENVARI="KORD"/>
    <ROW NR="185" GROESSE="Plancksches Wirkungsquantum" SYMBOL="h" EINHEIT="J\ms" NAMEEINHEI="Joulesekunde" RECHENVARI="HPL" KONSTANTE="6,62607015E-34"/>
    <ROW NR="186" GROESSE="Energie des Photons" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WPH"/>
    <ROW NR="187" GROESSE="Kinetische Energie der Elektronen" SYMBOL="E\d(kin)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WKE"/>
    <ROW NR="188" GROESSE="Austrittsarbeit" SYMBOL="W\d(A)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WAUS"/>
    <ROW NR="189" GROESSE="Ruheenergie" SYMBOL="E\d(0)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="W0"/>
    <ROW NR="190" GROESSE="Wellenlängenänderung" SYMBOL="\c(Dl)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DLAMBDA"/>
    <ROW NR="191" GROESSE="Streuwinkel" SYMBOL="\c(J)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="STREU"/>
    <ROW NR="192" GROESSE="Masse des Elektrons" SYMBOL="m\d(e)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="ME" KONSTANTE="9,1093837015E-31"/>
    <ROW NR="193" GROESSE="Masse des Protons" SYMBOL="m\d(p)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MP" KONSTANTE="1,67262192369E-27"/>
    <ROW NR="194" GROESSE="Masse des Neutrons" SYMBOL="m\d(n)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MN" KONSTANTE="1,67492749804E-27"/>
    <ROW NR="195" GROESSE="Rydberg-Konstante" SYMBOL="R\d(∞)" EINHEIT="1/m" NAMEEINHEI="pro Meter" RECHENVARI="RYD" KONSTANTE="10973731,56816"/>
    <ROW NR="196" GROESSE="Hauptquantenzahl (oberes Niveau)" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NQ"/>
    <ROW NR="197" GROESSE="Hauptquantenzahl (unteres Niveau)" SYMBOL="m" NAMEEINHEI="ohne Einheit" RECHENVARI="MQ"/>
    <ROW NR="198" GROESSE="Anzahl der Kerne" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NK"/>
    <ROW NR="199" GROESSE="Anfangszahl der Kerne" SYMBOL="N\d(0)" NAMEEINHEI="ohne Einheit" RECHENVARI="NK0"/>
    <ROW NR="200" GROESSE="Zerfallskonstante" SYMBOL="\c(l)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" RECHENVARI="LZ"/>
    <ROW NR="201" GROESSE="Halbwertszeit" SYMBOL="T\d(1/2)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="THALB"/>
    <ROW NR="202" GROESSE="Aktivität" SYMBOL="A" EINHEIT="Bq" ABLEITUNG="1/s" NAMEEINHEI="Becquerel" RECHENVARI="AKT"/>
    <ROW NR="203" GROESSE="Protonenzahl" SYMBOL="Z" NAMEEINHEI="ohne Einheit" RECHENVARI="ZP"/>
    <ROW NR="204" GROESSE="Neutronenzahl" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NN"/>
    <ROW NR="205" GROESSE="Masse des Kerns" SYMBOL="m\d(K)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MK"/>
    <ROW NR="206" GROESSE="Massendefekt" SYMBOL="\c(D)m" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="DM"/>
    <ROW NR="207" GROESSE="Bindungsenergie" SYMBOL="E\d(B)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WB"/>
    <ROW NR="208" GROESSE="Energiedosis" SYMBOL="D" EINHEIT="Gy" ABLEITUNG="J/kg" NAMEEINHEI="Gray" RECHENVARI="DOSIS"/>
    <ROW NR="209" GROESSE="Absorbierte Energie" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WABS"/>
    <ROW NR="210" GROESSE="Äquivalentdosis" SYMBOL="H" EINHEIT="Sv" ABLEITUNG="J/kg" NAMEEINHEI="Sievert" RECHENVARI="HDOSIS"/>
    <ROW NR="211" GROESSE="Strahlungs-Wichtungsfaktor" SYMBOL="w\d(R)" NAMEEINHEI="ohne Einheit" RECHENVARI="WR"/>
    <ROW NR="212" GROESSE="Seite a" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SA"/>
    <ROW NR="213" GROESSE="Seite b" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SB"/>
    <ROW NR="214" GROESSE="Seite c" SYMBOL="c" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SC"/>
    <ROW NR="215" GROESSE="Grundseite" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GS"/>
    <ROW NR="216" GROESSE="Umfang" SYMBOL="u" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="UMF"/>
    <ROW NR="217" GROESSE="Diagonale" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DIAG"/>
    <ROW NR="218" GROESSE="Außenradius" SYMBOL="r\d(a)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RAUSSEN"/>
    <ROW NR="219" GROESSE="Innenradius" SYMBOL="r\d(i)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RINNEN"/>
    <ROW NR="220" GROESSE="Bogenlänge" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BOGEN"/>
    <ROW NR="221" GROESSE="Eingeschlossener Winkel" SYMBOL="\c(g)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="GAMMAW"/>
    <ROW NR="222" GROESSE="Winkel gegenüber der Seite b" SYMBOL="\c(b)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BETAW"/>
    <ROW NR="223" GROESSE="Grundfläche" SYMBOL="A\d(G)" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FLG"/>
    <ROW NR="224" GROESSE="Oberfläche" SYMBOL="O" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="OBERFL"/>
    <ROW NR="225" GROESSE="Mantelfläche" SYMBOL="M" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="MANTEL"/>
    <ROW NR="226" GROESSE="Anfangskapital" SYMBOL="K\d(0)" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="KAP0"/>
    <ROW NR="227" GROESSE="Endkapital" SYMBOL="K\d(n)" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="KAP"/>
    <ROW NR="228" GROESSE="Zinssatz" SYMBOL="p" EINHEIT="%" NAMEEINHEI="Prozent" RECHENVARI="ZINS"/>
    <ROW NR="229" GROESSE="Laufzeit in Jahren" SYMBOL="n" EINHEIT="a" NAMEEINHEI="Jahr" RECHENVARI="JAHRE"/>
    <ROW NR="230" GROESSE="Prozentwert" SYMBOL="W" NAMEEINHEI="ohne Einheit" RECHENVARI="PW"/>
    <ROW NR="231" GROESSE="Grundwert" SYMBOL="G" NAMEEINHEI="ohne Einheit" RECHENVARI="GRW"/>
    <ROW NR="232" GROESSE="Prozentsatz" SYMBOL="p" EINHEIT="%" NAMEEINHEI="Prozent" RECHENVARI="PS"/>
    <ROW NR="233" GROESSE="Steigung" SYMBOL="m" NAMEEINHEI="ohne Einheit" RECHENVARI="STEIG"/>
    <ROW NR="234" GROESSE="Übersetzungsverhältnis" SYMBOL="i" NAMEEINHEI="ohne Einheit" RECHENVARI="UEB"/>
    <ROW NR="235" GROESSE="Drehzahl 1 (treibend)" SYMBOL="n\d(1)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="NDA"/>
    <ROW NR="236" GROESSE="Drehzahl 2 (getrieben)" SYMBOL="n\d(2)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="NDB"/>
    <ROW NR="237" GROESSE="Zähnezahl 1 (treibend)" SYMBOL="z\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="ZA"/>
    <ROW NR="238" GROESSE="Zähnezahl 2 (getrieben)" SYMBOL="z\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="ZB"/>
    <ROW NR="239" GROESSE="Durchmesser 1 (treibend)" SYMBOL="d\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DA"/>
    <ROW NR="240" GROESSE="Durchmesser 2 (getrieben)" SYMBOL="d\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DB"/>
    <ROW NR="241" GROESSE="Durchmesser" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DM0"/>
    <ROW NR="242" GROESSE="Schnittgeschwindigkeit" SYMBOL="v\d(c)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VC"/>
    <ROW NR="243" GROESSE="Anzahl der tragenden Seilstücke" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NSEIL"/>
  </ROWDATA>
</DATAPACKET>
