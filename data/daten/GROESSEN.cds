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
    <ROW NR="9" GROESSE="Winkel gegenüber der Seite a" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ALPHA"/>
    <ROW NR="10" GROESSE="Geschwindigkeitsänderung" SYMBOL="\c(D)v" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="DV"/>
    <ROW NR="11" GROESSE="Zeitdauer" SYMBOL="\c(D)t" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="DT"/>
    <ROW NR="12" GROESSE="Radius" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RADIUS"/>
    <ROW NR="13" GROESSE="Drehzahl" SYMBOL="n" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="N"/>
    <ROW NR="14" GROESSE="Winkelgeschwindigkeit" SYMBOL="\c(w)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="OMEGA"/>
    <ROW NR="15" GROESSE="Zentripetalbeschleunigung" SYMBOL="a\d(Z)" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="AZ"/>
    <ROW NR="16" GROESSE="Zentripetalkraft" SYMBOL="F\d(Z)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FZ"/>
    <ROW NR="17" GROESSE="Periodendauer, Umlaufzeit" SYMBOL="T" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TP"/>
    <ROW NR="18" GROESSE="Drehmoment" SYMBOL="M" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MD"/>
    <ROW NR="19" GROESSE="Trägheitsmoment" SYMBOL="J" EINHEIT="kg\mm\u(2)" NAMEEINHEI="Kilogramm·Quadratmeter" DATEI="traegh.cds" RECHENVARI="J"/>
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
    <ROW NR="34" GROESSE="Gleitreibungszahl" SYMBOL="\c(m)" NAMEEINHEI="ohne Einheit" RECHENVARI="MU"/>
    <ROW NR="35" GROESSE="Federkonstante" SYMBOL="D" EINHEIT="N/m" ABLEITUNG="kg/s\u(2)" NAMEEINHEI="Newton pro Meter" DATEI="federk.cds" RECHENVARI="D"/>
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
    <ROW NR="84" GROESSE="Spezifische Schmelzwärme" SYMBOL="q\d(s)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" DATEI="spezener.cds" RECHENVARI="QSCHM"/>
    <ROW NR="85" GROESSE="Spezifische Verdampfungswärme" SYMBOL="q\d(v)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" DATEI="spezener.cds" RECHENVARI="QVERD"/>
    <ROW NR="86" GROESSE="Heizwert" SYMBOL="H\d(i)" EINHEIT="J/kg" NAMEEINHEI="Joule pro Kilogramm" DATEI="spezener.cds" RECHENVARI="HEIZW"/>
    <ROW NR="87" GROESSE="Wärmekapazität" SYMBOL="C" EINHEIT="J/K" NAMEEINHEI="Joule pro Kelvin" RECHENVARI="WKAP"/>
    <ROW NR="88" GROESSE="Wärmestrom" SYMBOL="\c(F)" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="PHIW"/>
    <ROW NR="89" GROESSE="Wärmeleitfähigkeit" SYMBOL="\c(l)" EINHEIT="W/(m\mK)" NAMEEINHEI="Watt pro (Meter·Kelvin)" RECHENVARI="LAMBDAW"/>
    <ROW NR="90" GROESSE="Dicke" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DICKE"/>
    <ROW NR="91" GROESSE="Wärmedurchgangskoeffizient" SYMBOL="U" EINHEIT="W/(m\u(2)\mK)" NAMEEINHEI="Watt pro (m²·Kelvin)" RECHENVARI="UWERT"/>
    <ROW NR="92" GROESSE="Stefan-Boltzmann-Konstante" SYMBOL="\c(s)" EINHEIT="W/(m\u(2)\mK\u(4))" NAMEEINHEI="Watt pro (m²·K⁴)" RECHENVARI="SIGMASB" KONSTANTE="5,670374419E-8"/>
    <ROW NR="93" GROESSE="Wellenlänge des Strahlungsmaximums" SYMBOL="\c(l)\d(max)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LMAX"/>
    <ROW NR="94" GROESSE="Wiensche Konstante" SYMBOL="b" EINHEIT="m\mK" NAMEEINHEI="Meter·Kelvin" RECHENVARI="BWIEN" KONSTANTE="2,897771955E-3"/>
    <ROW NR="95" GROESSE="Absoluter Druck 1" SYMBOL="p\d(1)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DRUCKA"/>
    <ROW NR="96" GROESSE="Absoluter Druck 2" SYMBOL="p\d(2)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DRUCKB"/>
    <ROW NR="97" GROESSE="Volumen 1" SYMBOL="V\d(1)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOLA"/>
    <ROW NR="98" GROESSE="Volumen 2" SYMBOL="V\d(2)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VOLB"/>
    <ROW NR="99" GROESSE="Stoffmenge" SYMBOL="n" EINHEIT="mol" NAMEEINHEI="Mol" DATEI="stoffmen.cds" RECHENVARI="NMOL"/>
    <ROW NR="100" GROESSE="Universelle Gaskonstante" SYMBOL="R" EINHEIT="J/(mol\mK)" NAMEEINHEI="Joule pro (Mol·Kelvin)" RECHENVARI="RGAS" KONSTANTE="8,31446261815324"/>
    <ROW NR="101" GROESSE="Molare Masse" SYMBOL="M" EINHEIT="kg/mol" NAMEEINHEI="Kilogramm pro Mol" DATEI="molmasse.cds" RECHENVARI="MMOL"/>
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
    <ROW NR="133" GROESSE="Elektrische Feldstärke" SYMBOL="E" EINHEIT="V/m" ABLEITUNG="N/C" NAMEEINHEI="Volt pro Meter" DATEI="efeld.cds" RECHENVARI="EFELD"/>
    <ROW NR="134" GROESSE="Plattenabstand" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DPL"/>
    <ROW NR="135" GROESSE="Elementarladung" SYMBOL="e" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="QE" KONSTANTE="1,602176634E-19"/>
    <ROW NR="136" GROESSE="Magnetische Flussdichte" SYMBOL="B" EINHEIT="T" ABLEITUNG="V\ms/m\u(2)" NAMEEINHEI="Tesla" DATEI="flussdi.cds" RECHENVARI="B"/>
    <ROW NR="137" GROESSE="Magnetische Feldkonstante" SYMBOL="\c(m)\d(0)" EINHEIT="N/A\u(2)" ABLEITUNG="V\ms/(A\mm)" NAMEEINHEI="Newton pro Quadratampere" RECHENVARI="MU0" KONSTANTE="1,25663706212E-6"/>
    <ROW NR="138" GROESSE="Permeabilitätszahl" SYMBOL="\c(m)\d(r)" NAMEEINHEI="ohne Einheit" RECHENVARI="MUR"/>
    <ROW NR="139" GROESSE="Windungszahl" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NW"/>
    <ROW NR="140" GROESSE="Magnetischer Fluss" SYMBOL="\c(F)" EINHEIT="Wb" ABLEITUNG="V\ms" NAMEEINHEI="Weber" DATEI="magfluss.cds" RECHENVARI="PHIM"/>
    <ROW NR="141" GROESSE="Änderung des magnetischen Flusses" SYMBOL="\c(DF)" EINHEIT="Wb" ABLEITUNG="V\ms" NAMEEINHEI="Weber" DATEI="magfluss.cds" RECHENVARI="DPHIM"/>
    <ROW NR="142" GROESSE="Induktivität" SYMBOL="L" EINHEIT="H" ABLEITUNG="V\ms/A" NAMEEINHEI="Henry" DATEI="induktiv.cds" RECHENVARI="L"/>
    <ROW NR="143" GROESSE="Faraday-Konstante" SYMBOL="F" EINHEIT="C/mol" NAMEEINHEI="Coulomb pro Mol" RECHENVARI="FARADAY" KONSTANTE="96485,33212"/>
    <ROW NR="144" GROESSE="Ladungszahl der Ionen" SYMBOL="z" NAMEEINHEI="ohne Einheit" RECHENVARI="ZWERT"/>
    <ROW NR="145" GROESSE="Effektivwert der Spannung" SYMBOL="U\d(eff)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UEFF"/>
    <ROW NR="146" GROESSE="Scheitelwert der Spannung" SYMBOL="Û" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="USCH"/>
    <ROW NR="147" GROESSE="Effektivwert der Stromstärke" SYMBOL="I\d(eff)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IEFF"/>
    <ROW NR="148" GROESSE="Scheitelwert der Stromstärke" SYMBOL="Î" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="ISCH"/>
    <ROW NR="149" GROESSE="Frequenz" SYMBOL="f" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQ"/>
    <ROW NR="150" GROESSE="Kapazitiver Blindwiderstand" SYMBOL="X\d(C)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="XC"/>
    <ROW NR="151" GROESSE="Induktiver Blindwiderstand" SYMBOL="X\d(L)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="XL"/>
    <ROW NR="152" GROESSE="Blindwiderstand" SYMBOL="X" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="X"/>
    <ROW NR="153" GROESSE="Scheinwiderstand" SYMBOL="Z" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="Z"/>
    <ROW NR="154" GROESSE="Phasenverschiebungswinkel" SYMBOL="\c(j)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="PHI"/>
    <ROW NR="155" GROESSE="Kreisfrequenz" SYMBOL="\c(w)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="KREISFREQ"/>
    <ROW NR="156" GROESSE="Auslenkung" SYMBOL="y" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="Y"/>
    <ROW NR="157" GROESSE="Amplitude" SYMBOL="ŷ" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="YMAX"/>
    <ROW NR="158" GROESSE="Ausbreitungsgeschwindigkeit" SYMBOL="c" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="CPH"/>
    <ROW NR="159" GROESSE="Wellenlänge" SYMBOL="\c(l)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LAMBDA"/>
    <ROW NR="160" GROESSE="Frequenz der Quelle" SYMBOL="f\d(0)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQ0"/>
    <ROW NR="161" GROESSE="Geschwindigkeit der Quelle (Betrag)" SYMBOL="v\d(Q)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VQ"/>
    <ROW NR="162" GROESSE="Geschwindigkeit des Beobachters (Betrag)" SYMBOL="v\d(B)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VBEO"/>
    <ROW NR="163" GROESSE="Schallintensitätspegel" SYMBOL="L" EINHEIT="dB" NAMEEINHEI="Dezibel" RECHENVARI="SPEGEL"/>
    <ROW NR="164" GROESSE="Schallintensität" SYMBOL="I" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IS"/>
    <ROW NR="165" GROESSE="Bezugsschallintensität (Hörschwelle)" SYMBOL="I\d(0)" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IS0" KONSTANTE="1E-12"/>
    <ROW NR="166" GROESSE="Lichtgeschwindigkeit im Vakuum" SYMBOL="c\d(0)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="C0" KONSTANTE="299792458"/>
    <ROW NR="167" GROESSE="Lichtgeschwindigkeit im Stoff" SYMBOL="c\d(M)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="CMED"/>
    <ROW NR="168" GROESSE="Brechzahl" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="BZ"/>
    <ROW NR="169" GROESSE="Brechzahl 1" SYMBOL="n\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="BZA"/>
    <ROW NR="170" GROESSE="Brechzahl 2" SYMBOL="n\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="BZB"/>
    <ROW NR="171" GROESSE="Brechungswinkel" SYMBOL="\c(b)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BETA"/>
    <ROW NR="172" GROESSE="Grenzwinkel der Totalreflexion" SYMBOL="\c(a)\d(G)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ALPHAG"/>
    <ROW NR="173" GROESSE="Brennweite" SYMBOL="f" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="FBR"/>
    <ROW NR="174" GROESSE="Gegenstandsweite" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GW"/>
    <ROW NR="175" GROESSE="Bildweite" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BW"/>
    <ROW NR="176" GROESSE="Gegenstandsgröße" SYMBOL="G" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GG"/>
    <ROW NR="177" GROESSE="Bildgröße" SYMBOL="B" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BG"/>
    <ROW NR="178" GROESSE="Brechkraft" SYMBOL="D" EINHEIT="dpt" ABLEITUNG="1/m" NAMEEINHEI="Dioptrie" RECHENVARI="DBR"/>
    <ROW NR="179" GROESSE="Vergrößerung" SYMBOL="V" NAMEEINHEI="ohne Einheit" RECHENVARI="VGR"/>
    <ROW NR="180" GROESSE="Deutliche Sehweite" SYMBOL="s\d(0)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SEHW" KONSTANTE="0,25"/>
    <ROW NR="181" GROESSE="Gitterkonstante" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GITTER"/>
    <ROW NR="182" GROESSE="Beugungsordnung" SYMBOL="k" NAMEEINHEI="ohne Einheit" RECHENVARI="KORD"/>
    <ROW NR="183" GROESSE="Plancksches Wirkungsquantum" SYMBOL="h" EINHEIT="J\ms" NAMEEINHEI="Joulesekunde" RECHENVARI="HPL" KONSTANTE="6,62607015E-34"/>
    <ROW NR="184" GROESSE="Energie des Photons" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WPH"/>
    <ROW NR="185" GROESSE="Kinetische Energie der Elektronen" SYMBOL="E\d(kin)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WKE"/>
    <ROW NR="186" GROESSE="Austrittsarbeit" SYMBOL="W\d(A)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WAUS"/>
    <ROW NR="187" GROESSE="Ruheenergie" SYMBOL="E\d(0)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="W0"/>
    <ROW NR="188" GROESSE="Wellenlängenänderung" SYMBOL="\c(Dl)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DLAMBDA"/>
    <ROW NR="189" GROESSE="Streuwinkel" SYMBOL="\c(J)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="STREU"/>
    <ROW NR="190" GROESSE="Masse des Elektrons" SYMBOL="m\d(e)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="ME" KONSTANTE="9,1093837015E-31"/>
    <ROW NR="191" GROESSE="Masse des Protons" SYMBOL="m\d(p)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MP" KONSTANTE="1,67262192369E-27"/>
    <ROW NR="192" GROESSE="Masse des Neutrons" SYMBOL="m\d(n)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MN" KONSTANTE="1,67492749804E-27"/>
    <ROW NR="193" GROESSE="Rydberg-Konstante" SYMBOL="R\d(∞)" EINHEIT="1/m" NAMEEINHEI="pro Meter" RECHENVARI="RYD" KONSTANTE="10973731,56816"/>
    <ROW NR="194" GROESSE="Hauptquantenzahl (oberes Niveau)" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NQ"/>
    <ROW NR="195" GROESSE="Hauptquantenzahl (unteres Niveau)" SYMBOL="m" NAMEEINHEI="ohne Einheit" RECHENVARI="MQ"/>
    <ROW NR="196" GROESSE="Anzahl der Kerne" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NK"/>
    <ROW NR="197" GROESSE="Anfangszahl der Kerne" SYMBOL="N\d(0)" NAMEEINHEI="ohne Einheit" RECHENVARI="NK0"/>
    <ROW NR="198" GROESSE="Zerfallskonstante" SYMBOL="\c(l)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="zerfallk.cds" RECHENVARI="LZ"/>
    <ROW NR="199" GROESSE="Halbwertszeit" SYMBOL="T\d(1/2)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="THALB"/>
    <ROW NR="200" GROESSE="Aktivität" SYMBOL="A" EINHEIT="Bq" ABLEITUNG="1/s" NAMEEINHEI="Becquerel" DATEI="aktivit.cds" RECHENVARI="AKT"/>
    <ROW NR="201" GROESSE="Protonenzahl" SYMBOL="Z" NAMEEINHEI="ohne Einheit" RECHENVARI="ZP"/>
    <ROW NR="202" GROESSE="Neutronenzahl" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NN"/>
    <ROW NR="203" GROESSE="Masse des Kerns" SYMBOL="m\d(K)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MK"/>
    <ROW NR="204" GROESSE="Massendefekt" SYMBOL="\c(D)m" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="DM"/>
    <ROW NR="205" GROESSE="Bindungsenergie" SYMBOL="E\d(B)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WB"/>
    <ROW NR="206" GROESSE="Energiedosis" SYMBOL="D" EINHEIT="Gy" ABLEITUNG="J/kg" NAMEEINHEI="Gray" DATEI="edosis.cds" RECHENVARI="DOSIS"/>
    <ROW NR="207" GROESSE="Absorbierte Energie" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WABS"/>
    <ROW NR="208" GROESSE="Äquivalentdosis" SYMBOL="H" EINHEIT="Sv" ABLEITUNG="J/kg" NAMEEINHEI="Sievert" DATEI="hdosis.cds" RECHENVARI="HDOSIS"/>
    <ROW NR="209" GROESSE="Strahlungs-Wichtungsfaktor" SYMBOL="w\d(R)" NAMEEINHEI="ohne Einheit" RECHENVARI="WR"/>
    <ROW NR="210" GROESSE="Seite a" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SA"/>
    <ROW NR="211" GROESSE="Seite b" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SB"/>
    <ROW NR="212" GROESSE="Seite c" SYMBOL="c" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SC"/>
    <ROW NR="213" GROESSE="Grundseite" SYMBOL="g" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="GS"/>
    <ROW NR="214" GROESSE="Umfang" SYMBOL="u" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="UMF"/>
    <ROW NR="215" GROESSE="Diagonale" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DIAG"/>
    <ROW NR="216" GROESSE="Außenradius" SYMBOL="r\d(a)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RAUSSEN"/>
    <ROW NR="217" GROESSE="Innenradius" SYMBOL="r\d(i)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RINNEN"/>
    <ROW NR="218" GROESSE="Bogenlänge" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BOGEN"/>
    <ROW NR="219" GROESSE="Eingeschlossener Winkel" SYMBOL="\c(g)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="GAMMAW"/>
    <ROW NR="220" GROESSE="Winkel gegenüber der Seite b" SYMBOL="\c(b)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BETAW"/>
    <ROW NR="221" GROESSE="Grundfläche" SYMBOL="A\d(G)" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FLG"/>
    <ROW NR="222" GROESSE="Oberfläche" SYMBOL="O" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="OBERFL"/>
    <ROW NR="223" GROESSE="Mantelfläche" SYMBOL="M" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="MANTEL"/>
    <ROW NR="224" GROESSE="Anfangskapital" SYMBOL="K\d(0)" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="KAP0"/>
    <ROW NR="225" GROESSE="Endkapital" SYMBOL="K\d(n)" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="KAP"/>
    <ROW NR="226" GROESSE="Zinssatz" SYMBOL="p" EINHEIT="%" NAMEEINHEI="Prozent" RECHENVARI="ZINS"/>
    <ROW NR="227" GROESSE="Laufzeit in Jahren" SYMBOL="n" EINHEIT="a" NAMEEINHEI="Jahr" RECHENVARI="JAHRE"/>
    <ROW NR="228" GROESSE="Prozentwert" SYMBOL="W" NAMEEINHEI="ohne Einheit" RECHENVARI="PW"/>
    <ROW NR="229" GROESSE="Grundwert" SYMBOL="G" NAMEEINHEI="ohne Einheit" RECHENVARI="GRW"/>
    <ROW NR="230" GROESSE="Prozentsatz" SYMBOL="p" EINHEIT="%" NAMEEINHEI="Prozent" RECHENVARI="PS"/>
    <ROW NR="231" GROESSE="Steigung" SYMBOL="m" NAMEEINHEI="ohne Einheit" RECHENVARI="STEIG"/>
    <ROW NR="232" GROESSE="Übersetzungsverhältnis" SYMBOL="i" NAMEEINHEI="ohne Einheit" RECHENVARI="UEB"/>
    <ROW NR="233" GROESSE="Drehzahl 1 (treibend)" SYMBOL="n\d(1)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="NDA"/>
    <ROW NR="234" GROESSE="Drehzahl 2 (getrieben)" SYMBOL="n\d(2)" EINHEIT="1/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="NDB"/>
    <ROW NR="235" GROESSE="Zähnezahl 1 (treibend)" SYMBOL="z\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="ZA"/>
    <ROW NR="236" GROESSE="Zähnezahl 2 (getrieben)" SYMBOL="z\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="ZB"/>
    <ROW NR="237" GROESSE="Durchmesser 1 (treibend)" SYMBOL="d\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DA"/>
    <ROW NR="238" GROESSE="Durchmesser 2 (getrieben)" SYMBOL="d\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DB"/>
    <ROW NR="239" GROESSE="Durchmesser" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DM0"/>
    <ROW NR="240" GROESSE="Schnittgeschwindigkeit" SYMBOL="v\d(c)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VC"/>
    <ROW NR="241" GROESSE="Anzahl der tragenden Seilstücke" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NSEIL"/>
    <ROW NR="242" GROESSE="Reaktionszeit" SYMBOL="t\d(R)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TR"/>
    <ROW NR="243" GROESSE="Anhalteweg" SYMBOL="s\d(A)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SANH"/>
    <ROW NR="244" GROESSE="Bremsweg" SYMBOL="s\d(B)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SBREMS"/>
    <ROW NR="245" GROESSE="Bremsverzögerung (Betrag)" SYMBOL="a" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="AVERZ"/>
    <ROW NR="246" GROESSE="Abwurfwinkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ABWURF"/>
    <ROW NR="247" GROESSE="Neigungswinkel der Ebene" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="NEIGUNG"/>
    <ROW NR="248" GROESSE="Neigungswinkel der Fahrbahn" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="FBAHN"/>
    <ROW NR="249" GROESSE="Verschiebung (Weg)" SYMBOL="\c(D)s" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="WEGD"/>
    <ROW NR="250" GROESSE="Winkel zwischen Kraft und Weg" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="KRAFTW"/>
    <ROW NR="251" GROESSE="Winkel zwischen den beiden Kräften" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="ZWISCHENW"/>
    <ROW NR="252" GROESSE="Haftreibungszahl" SYMBOL="\c(m)\d(H)" NAMEEINHEI="ohne Einheit" RECHENVARI="MUH"/>
    <ROW NR="253" GROESSE="Resultierende Kraft" SYMBOL="F\d(res)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FRES"/>
    <ROW NR="254" GROESSE="Zugkraft längs der Ebene" SYMBOL="F" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FZUG"/>
    <ROW NR="255" GROESSE="Länge der Ebene" SYMBOL="l" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LEBENE"/>
    <ROW NR="256" GROESSE="Federkonstante 1" SYMBOL="D\d(1)" EINHEIT="N/m" ABLEITUNG="kg/s\u(2)" NAMEEINHEI="Newton pro Meter" DATEI="federk.cds" RECHENVARI="DFA"/>
    <ROW NR="257" GROESSE="Federkonstante 2" SYMBOL="D\d(2)" EINHEIT="N/m" ABLEITUNG="kg/s\u(2)" NAMEEINHEI="Newton pro Meter" DATEI="federk.cds" RECHENVARI="DFB"/>
    <ROW NR="258" GROESSE="Wirkungsgrad 1" SYMBOL="\c(h)\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="ETAA"/>
    <ROW NR="259" GROESSE="Wirkungsgrad 2" SYMBOL="\c(h)\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="ETAB"/>
    <ROW NR="260" GROESSE="Abgegebene Energie (Nutzarbeit)" SYMBOL="W\d(ab)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WAB"/>
    <ROW NR="261" GROESSE="Zugeführte Energie" SYMBOL="W\d(zu)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WZU"/>
    <ROW NR="262" GROESSE="Geschwindigkeit 1 nach dem Stoß" SYMBOL="u\d(1)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VAN"/>
    <ROW NR="263" GROESSE="Geschwindigkeit 2 nach dem Stoß" SYMBOL="u\d(2)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VBN"/>
    <ROW NR="264" GROESSE="Kraftstoß (Impulsänderung)" SYMBOL="\c(D)p" EINHEIT="N\ms" ABLEITUNG="kg\mm/s" NAMEEINHEI="Newtonsekunde" RECHENVARI="KSTOSS"/>
    <ROW NR="265" GROESSE="Energieverlust beim Stoß" SYMBOL="\c(D)E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="DE"/>
    <ROW NR="266" GROESSE="Winkelbeschleunigung" SYMBOL="\c(a)" EINHEIT="1/s\u(2)" ABLEITUNG="rad/s\u(2)" NAMEEINHEI="pro Quadratsekunde" RECHENVARI="ALPHAW"/>
    <ROW NR="267" GROESSE="Drehimpuls" SYMBOL="L" EINHEIT="kg\mm\u(2)/s" ABLEITUNG="N\mm\ms" NAMEEINHEI="Kilogramm·Quadratmeter/s" RECHENVARI="DREHIMP"/>
    <ROW NR="268" GROESSE="Winkelgeschwindigkeit vorher" SYMBOL="\c(w)\d(1)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="OMEGAA"/>
    <ROW NR="269" GROESSE="Winkelgeschwindigkeit nachher" SYMBOL="\c(w)\d(2)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="OMEGAB"/>
    <ROW NR="270" GROESSE="Trägheitsmoment vorher" SYMBOL="J\d(1)" EINHEIT="kg\mm\u(2)" NAMEEINHEI="Kilogramm·Quadratmeter" DATEI="traegh.cds" RECHENVARI="JA"/>
    <ROW NR="271" GROESSE="Trägheitsmoment nachher" SYMBOL="J\d(2)" EINHEIT="kg\mm\u(2)" NAMEEINHEI="Kilogramm·Quadratmeter" DATEI="traegh.cds" RECHENVARI="JB"/>
    <ROW NR="272" GROESSE="Trägheitsmoment um die Schwerpunktachse" SYMBOL="J\d(S)" EINHEIT="kg\mm\u(2)" NAMEEINHEI="Kilogramm·Quadratmeter" DATEI="traegh.cds" RECHENVARI="JS"/>
    <ROW NR="273" GROESSE="Abstand der Drehachse vom Schwerpunkt" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ASTEINER"/>
    <ROW NR="274" GROESSE="Änderung der Winkelgeschwindigkeit" SYMBOL="\c(Dw)" EINHEIT="1/s" ABLEITUNG="rad/s" NAMEEINHEI="pro Sekunde" DATEI="drehzahl.cds" RECHENVARI="DOMEGA"/>
    <ROW NR="275" GROESSE="Abstand 1 vom Mittelpunkt" SYMBOL="r\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ABSTANDA"/>
    <ROW NR="276" GROESSE="Abstand 2 vom Mittelpunkt" SYMBOL="r\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ABSTANDB"/>
    <ROW NR="277" GROESSE="Radius des Himmelskörpers" SYMBOL="R" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RPLANET"/>
    <ROW NR="278" GROESSE="Umlaufzeit 1" SYMBOL="T\d(1)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TPA"/>
    <ROW NR="279" GROESSE="Umlaufzeit 2" SYMBOL="T\d(2)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TPB"/>
    <ROW NR="280" GROESSE="Große Halbachse 1" SYMBOL="a\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BAHNA"/>
    <ROW NR="281" GROESSE="Große Halbachse 2" SYMBOL="a\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BAHNB"/>
    <ROW NR="282" GROESSE="Schubspannung" SYMBOL="\c(t)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="TAUS"/>
    <ROW NR="283" GROESSE="Sicherheitszahl" SYMBOL="\c(n)" NAMEEINHEI="ohne Einheit" RECHENVARI="SICH"/>
    <ROW NR="284" GROESSE="Grenzspannung (Festigkeit des Werkstoffs)" SYMBOL="R" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="RGRENZ"/>
    <ROW NR="285" GROESSE="Zulässige Spannung" SYMBOL="\c(s)\d(zul)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="SIGZUL"/>
    <ROW NR="286" GROESSE="Biegespannung" SYMBOL="\c(s)\d(b)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="SIGB"/>
    <ROW NR="287" GROESSE="Biegemoment" SYMBOL="M\d(b)" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MBIEG"/>
    <ROW NR="288" GROESSE="Axiales Widerstandsmoment" SYMBOL="W" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="widmom.cds" RECHENVARI="WBIEG"/>
    <ROW NR="289" GROESSE="Axiales Flächenmoment 2. Grades" SYMBOL="I" EINHEIT="m\u(4)" NAMEEINHEI="Meter hoch vier" DATEI="flmom.cds" RECHENVARI="IFL"/>
    <ROW NR="290" GROESSE="Breite des Querschnitts" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BREITE"/>
    <ROW NR="291" GROESSE="Höhe des Querschnitts" SYMBOL="h" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HQ"/>
    <ROW NR="292" GROESSE="Außendurchmesser" SYMBOL="D" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DAUSSEN"/>
    <ROW NR="293" GROESSE="Innendurchmesser" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DINNEN"/>
    <ROW NR="294" GROESSE="Durchbiegung" SYMBOL="f" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="FDURCH"/>
    <ROW NR="295" GROESSE="Torsionsspannung" SYMBOL="\c(t)\d(t)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="TAUT"/>
    <ROW NR="296" GROESSE="Torsionsmoment" SYMBOL="M\d(t)" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MT"/>
    <ROW NR="297" GROESSE="Polares Widerstandsmoment" SYMBOL="W\d(p)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="widmom.cds" RECHENVARI="WP"/>
    <ROW NR="298" GROESSE="Knickkraft" SYMBOL="F\d(K)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FK"/>
    <ROW NR="299" GROESSE="Knicklänge" SYMBOL="s\d(K)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SK"/>
    <ROW NR="300" GROESSE="Schlankheitsgrad" SYMBOL="\c(l)" NAMEEINHEI="ohne Einheit" RECHENVARI="LAMBDAK"/>
    <ROW NR="301" GROESSE="Trägheitsradius" SYMBOL="i" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="TRAEGR"/>
    <ROW NR="302" GROESSE="Überdruck" SYMBOL="p\d(e)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PE"/>
    <ROW NR="303" GROESSE="Absoluter Druck" SYMBOL="p\d(abs)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PABS"/>
    <ROW NR="304" GROESSE="Umgebender Luftdruck" SYMBOL="p\d(amb)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PAMB"/>
    <ROW NR="305" GROESSE="Absoluter Druck des Gases" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PGAS"/>
    <ROW NR="306" GROESSE="Schweredruck" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PSCHWER"/>
    <ROW NR="307" GROESSE="Eingetauchtes Volumen" SYMBOL="V\d(ein)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VEIN"/>
    <ROW NR="308" GROESSE="Dichte der Flüssigkeit" SYMBOL="\c(r)\d(Fl)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="RHOFL"/>
    <ROW NR="309" GROESSE="Dichte des Körpers" SYMBOL="\c(r)\d(K)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="RHOK"/>
    <ROW NR="310" GROESSE="Luftdruck in Höhe null" SYMBOL="p\d(0)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PLUFT0"/>
    <ROW NR="311" GROESSE="Luftdruck in der Höhe h" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PLUFT"/>
    <ROW NR="312" GROESSE="Dichte der Luft in Höhe null" SYMBOL="\c(r)\d(0)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="RHOL0"/>
    <ROW NR="313" GROESSE="Statischer Druck 1" SYMBOL="p\d(1)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PSTA"/>
    <ROW NR="314" GROESSE="Statischer Druck 2" SYMBOL="p\d(2)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PSTB"/>
    <ROW NR="315" GROESSE="Höhe 1" SYMBOL="h\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HOEHEA"/>
    <ROW NR="316" GROESSE="Höhe 2" SYMBOL="h\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HOEHEB"/>
    <ROW NR="317" GROESSE="Massenstrom" SYMBOL="ṁ" EINHEIT="kg/s" NAMEEINHEI="Kilogramm pro Sekunde" RECHENVARI="MSTROM"/>
    <ROW NR="318" GROESSE="Druckdifferenz" SYMBOL="\c(D)p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="DP"/>
    <ROW NR="319" GROESSE="Flächenänderung" SYMBOL="\c(D)A" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="DFL"/>
    <ROW NR="320" GROESSE="Ausgangsfläche" SYMBOL="A\d(0)" EINHEIT="m\u(2)" NAMEEINHEI="Quadratmeter" DATEI="flaeche.cds" RECHENVARI="FL0"/>
    <ROW NR="321" GROESSE="Dichte vor der Erwärmung" SYMBOL="\c(r)\d(0)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="RHOW0"/>
    <ROW NR="322" GROESSE="Wärmeübergangskoeffizient" SYMBOL="h" EINHEIT="W/(m\u(2)\mK)" NAMEEINHEI="Watt pro (m²·Kelvin)" RECHENVARI="ALPHAUE"/>
    <ROW NR="323" GROESSE="Wärmedurchlasswiderstand" SYMBOL="R" EINHEIT="m\u(2)\mK/W" NAMEEINHEI="m²·Kelvin pro Watt" RECHENVARI="RLAMBDA"/>
    <ROW NR="324" GROESSE="Wärmeübergangswiderstand innen" SYMBOL="R\d(si)" EINHEIT="m\u(2)\mK/W" NAMEEINHEI="m²·Kelvin pro Watt" RECHENVARI="RSI"/>
    <ROW NR="325" GROESSE="Wärmeübergangswiderstand außen" SYMBOL="R\d(se)" EINHEIT="m\u(2)\mK/W" NAMEEINHEI="m²·Kelvin pro Watt" RECHENVARI="RSE"/>
    <ROW NR="326" GROESSE="Emissionsgrad" SYMBOL="\c(e)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPSEM"/>
    <ROW NR="327" GROESSE="Spezifische Gaskonstante" SYMBOL="R\d(s)" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" RECHENVARI="RSPEZ"/>
    <ROW NR="328" GROESSE="Mittlere quadratische Teilchengeschwindigkeit" SYMBOL="v\d(rms)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VRMS"/>
    <ROW NR="329" GROESSE="Partialdruck 1" SYMBOL="p\d(1)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PTA"/>
    <ROW NR="330" GROESSE="Partialdruck 2" SYMBOL="p\d(2)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PTB"/>
    <ROW NR="331" GROESSE="Gesamtdruck" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PGES"/>
    <ROW NR="332" GROESSE="Isentropenexponent (Adiabatenexponent)" SYMBOL="\c(k)" NAMEEINHEI="ohne Einheit" RECHENVARI="KAPPA"/>
    <ROW NR="333" GROESSE="Spezifische Wärmekapazität bei konstantem Druck" SYMBOL="c\d(p)" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" DATEI="spezwaer.cds" RECHENVARI="CP"/>
    <ROW NR="334" GROESSE="Spezifische Wärmekapazität bei konst. Volumen" SYMBOL="c\d(V)" EINHEIT="J/(kg\mK)" NAMEEINHEI="Joule pro (Kilogramm·Kelvin)" DATEI="spezwaer.cds" RECHENVARI="CV"/>
    <ROW NR="335" GROESSE="Molare Wärmekapazität bei konstantem Volumen" SYMBOL="C\d(mV)" EINHEIT="J/(mol\mK)" NAMEEINHEI="Joule pro (Mol·Kelvin)" RECHENVARI="CMV"/>
    <ROW NR="336" GROESSE="Molare Wärmekapazität bei konstantem Druck" SYMBOL="C\d(mp)" EINHEIT="J/(mol\mK)" NAMEEINHEI="Joule pro (Mol·Kelvin)" RECHENVARI="CMP"/>
    <ROW NR="337" GROESSE="Temperatur des heißen Wärmebehälters" SYMBOL="T\d(h)" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TOBEN"/>
    <ROW NR="338" GROESSE="Temperatur des kalten Wärmebehälters" SYMBOL="T\d(k)" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TUNTEN"/>
    <ROW NR="339" GROESSE="Leistungszahl der Wärmepumpe" SYMBOL="\c(e)\d(WP)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPSWP"/>
    <ROW NR="340" GROESSE="Leistungszahl der Kältemaschine" SYMBOL="\c(e)\d(KM)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPSKM"/>
    <ROW NR="341" GROESSE="Aufgenommene Wärme" SYMBOL="Q\d(zu)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="QZU"/>
    <ROW NR="342" GROESSE="Entropieänderung" SYMBOL="\c(D)S" EINHEIT="J/K" NAMEEINHEI="Joule pro Kelvin" RECHENVARI="DS"/>
    <ROW NR="343" GROESSE="Innere Energie" SYMBOL="U" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="UINNER"/>
    <ROW NR="344" GROESSE="Am Gas verrichtete Arbeit" SYMBOL="W" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WGAS"/>
    <ROW NR="345" GROESSE="Elektrischer Leitwert" SYMBOL="G" EINHEIT="S" ABLEITUNG="1/\c(W)" NAMEEINHEI="Siemens" RECHENVARI="LEITW"/>
    <ROW NR="346" GROESSE="Stromdichte" SYMBOL="J" EINHEIT="A/m\u(2)" NAMEEINHEI="Ampere pro Quadratmeter" DATEI="stromd.cds" RECHENVARI="STROMD"/>
    <ROW NR="347" GROESSE="Elektrische Leitfähigkeit" SYMBOL="\c(g)" EINHEIT="S/m" NAMEEINHEI="Siemens pro Meter" RECHENVARI="GAMMAEL"/>
    <ROW NR="348" GROESSE="Zeitkonstante" SYMBOL="\c(t)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TAUZ"/>
    <ROW NR="349" GROESSE="Kondensatorspannung zur Zeit t" SYMBOL="u\d(C)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UC"/>
    <ROW NR="350" GROESSE="Stromstärke zur Zeit t" SYMBOL="i" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="ISTROMT"/>
    <ROW NR="351" GROESSE="Anfangsstromstärke" SYMBOL="I\d(0)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="I0"/>
    <ROW NR="352" GROESSE="Endstromstärke" SYMBOL="I" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IEND"/>
    <ROW NR="353" GROESSE="Widerstand 3" SYMBOL="R\d(3)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RDREI"/>
    <ROW NR="354" GROESSE="Widerstand 4" SYMBOL="R\d(4)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RVIER"/>
    <ROW NR="355" GROESSE="Unbekannter Widerstand" SYMBOL="R\d(x)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RX"/>
    <ROW NR="356" GROESSE="Vorwiderstand" SYMBOL="R\d(V)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RV"/>
    <ROW NR="357" GROESSE="Spannung am Messwerk (Vollausschlag)" SYMBOL="U\d(M)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UM"/>
    <ROW NR="358" GROESSE="Strom durch das Messwerk (Vollausschlag)" SYMBOL="I\d(M)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IM"/>
    <ROW NR="359" GROESSE="Innenwiderstand des Messwerks" SYMBOL="R\d(M)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RMESS"/>
    <ROW NR="360" GROESSE="Nebenwiderstand" SYMBOL="R\d(N)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RN"/>
    <ROW NR="361" GROESSE="Lastwiderstand" SYMBOL="R\d(L)" EINHEIT="\c(W)" ABLEITUNG="V/A" NAMEEINHEI="Ohm" DATEI="widerstd.cds" RECHENVARI="RL"/>
    <ROW NR="362" GROESSE="Höchste Leistung am Lastwiderstand" SYMBOL="P\d(max)" EINHEIT="W" ABLEITUNG="J/s" NAMEEINHEI="Watt" DATEI="leistung.cds" RECHENVARI="PMAX"/>
    <ROW NR="363" GROESSE="Kurzschlussstromstärke" SYMBOL="I\d(K)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IK"/>
    <ROW NR="364" GROESSE="Elektrisches Potential" SYMBOL="\c(j)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="PHIEL"/>
    <ROW NR="365" GROESSE="Flächenladungsdichte" SYMBOL="\c(s)" EINHEIT="C/m\u(2)" NAMEEINHEI="Coulomb pro Quadratmeter" RECHENVARI="SIGQ"/>
    <ROW NR="366" GROESSE="Energiedichte des Feldes" SYMBOL="w" EINHEIT="J/m\u(3)" NAMEEINHEI="Joule pro Kubikmeter" RECHENVARI="WDICHTE"/>
    <ROW NR="367" GROESSE="Ablenkung am Ende der Platten" SYMBOL="y" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="YABL"/>
    <ROW NR="368" GROESSE="Magnetische Feldstärke" SYMBOL="H" EINHEIT="A/m" NAMEEINHEI="Ampere pro Meter" RECHENVARI="HFELD"/>
    <ROW NR="369" GROESSE="Induzierte Spannung (Betrag)" SYMBOL="U\d(ind)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UIND"/>
    <ROW NR="370" GROESSE="Änderung der Stromstärke" SYMBOL="\c(D)I" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="DI"/>
    <ROW NR="371" GROESSE="Scheinleistung" SYMBOL="S" EINHEIT="VA" NAMEEINHEI="Voltampere" DATEI="scheinl.cds" RECHENVARI="SLEIST"/>
    <ROW NR="372" GROESSE="Blindleistung" SYMBOL="Q" EINHEIT="var" NAMEEINHEI="Var" DATEI="blindl.cds" RECHENVARI="QBLIND"/>
    <ROW NR="373" GROESSE="Leistungsfaktor" SYMBOL="cos \c(j)" NAMEEINHEI="ohne Einheit" RECHENVARI="COSPHI"/>
    <ROW NR="374" GROESSE="Strangspannung (Sternspannung)" SYMBOL="U\d(Str)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="USTR"/>
    <ROW NR="375" GROESSE="Primärspannung" SYMBOL="U\d(1)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="UPRIM"/>
    <ROW NR="376" GROESSE="Sekundärspannung" SYMBOL="U\d(2)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="USEK"/>
    <ROW NR="377" GROESSE="Primärstromstärke" SYMBOL="I\d(1)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="IPRIM"/>
    <ROW NR="378" GROESSE="Sekundärstromstärke" SYMBOL="I\d(2)" EINHEIT="A" NAMEEINHEI="Ampere" DATEI="strom.cds" RECHENVARI="ISEK"/>
    <ROW NR="379" GROESSE="Windungszahl der Primärspule" SYMBOL="N\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="NPRIM"/>
    <ROW NR="380" GROESSE="Windungszahl der Sekundärspule" SYMBOL="N\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="NSEK"/>
    <ROW NR="381" GROESSE="Ladung des Teilchens" SYMBOL="q" EINHEIT="C" ABLEITUNG="A\ms" NAMEEINHEI="Coulomb" DATEI="ladung.cds" RECHENVARI="QPART"/>
    <ROW NR="382" GROESSE="Frequenz beim Beobachter" SYMBOL="f\d(B)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FBEO"/>
    <ROW NR="383" GROESSE="Kompressionsmodul" SYMBOL="K" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="KOMPMOD"/>
    <ROW NR="384" GROESSE="Ordnungszahl der Eigenschwingung" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NORD"/>
    <ROW NR="385" GROESSE="Schalldruck (Effektivwert)" SYMBOL="p" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PSCHALL"/>
    <ROW NR="386" GROESSE="Bezugsschalldruck" SYMBOL="p\d(0)" EINHEIT="Pa" ABLEITUNG="N/m\u(2)" NAMEEINHEI="Pascal" DATEI="druck.cds" RECHENVARI="PSCHALL0" KONSTANTE="2E-5"/>
    <ROW NR="387" GROESSE="Schalldruckpegel" SYMBOL="L\d(p)" EINHEIT="dB" NAMEEINHEI="Dezibel" RECHENVARI="LPEGEL"/>
    <ROW NR="388" GROESSE="Pegelabnahme" SYMBOL="\c(D)L" EINHEIT="dB" NAMEEINHEI="Dezibel" RECHENVARI="DLPEGEL"/>
    <ROW NR="389" GROESSE="Anzahl gleicher Schallquellen" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NQUELL"/>
    <ROW NR="390" GROESSE="Gesamtpegel" SYMBOL="L\d(ges)" EINHEIT="dB" NAMEEINHEI="Dezibel" RECHENVARI="LPEGELN"/>
    <ROW NR="391" GROESSE="Frequenz 1" SYMBOL="f\d(1)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQA"/>
    <ROW NR="392" GROESSE="Frequenz 2" SYMBOL="f\d(2)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FREQB"/>
    <ROW NR="393" GROESSE="Schwebungsfrequenz" SYMBOL="f\d(S)" EINHEIT="Hz" ABLEITUNG="1/s" NAMEEINHEI="Hertz" DATEI="frequenz.cds" RECHENVARI="FSCHW"/>
    <ROW NR="394" GROESSE="Höchstbeschleunigung" SYMBOL="a\d(max)" EINHEIT="m/s\u(2)" NAMEEINHEI="Meter pro Quadratsekunde" DATEI="beschl.cds" RECHENVARI="AMAX"/>
    <ROW NR="395" GROESSE="Energie der Schwingung" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WSCHW"/>
    <ROW NR="396" GROESSE="Temperatur der Luft" SYMBOL="T" EINHEIT="K" NAMEEINHEI="Kelvin" RECHENVARI="TEMPL"/>
    <ROW NR="397" GROESSE="Abstand benachbarter Knoten" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DKNOT"/>
    <ROW NR="398" GROESSE="Krümmungsradius des Spiegels" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RKRUEMM"/>
    <ROW NR="399" GROESSE="Krümmungsradius der Fläche 1" SYMBOL="r\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RLA"/>
    <ROW NR="400" GROESSE="Krümmungsradius der Fläche 2" SYMBOL="r\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RLB"/>
    <ROW NR="401" GROESSE="Brechkraft 1" SYMBOL="D\d(1)" EINHEIT="dpt" ABLEITUNG="1/m" NAMEEINHEI="Dioptrie" RECHENVARI="DBRA"/>
    <ROW NR="402" GROESSE="Brechkraft 2" SYMBOL="D\d(2)" EINHEIT="dpt" ABLEITUNG="1/m" NAMEEINHEI="Dioptrie" RECHENVARI="DBRB"/>
    <ROW NR="403" GROESSE="Brennweite des Objektivs" SYMBOL="f\d(Ob)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="FOBJ"/>
    <ROW NR="404" GROESSE="Brennweite des Okulars" SYMBOL="f\d(Ok)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="FOK"/>
    <ROW NR="405" GROESSE="Optische Tubuslänge" SYMBOL="t" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="TUBUS"/>
    <ROW NR="406" GROESSE="Einfallswinkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="EINFALL"/>
    <ROW NR="407" GROESSE="Winkel zum Maximum" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BEUGW"/>
    <ROW NR="408" GROESSE="Winkel zum Minimum" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="MINW"/>
    <ROW NR="409" GROESSE="Abstand der Spaltmitten" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SPALTD"/>
    <ROW NR="410" GROESSE="Spaltbreite" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SPALTB"/>
    <ROW NR="411" GROESSE="Abstand Spalt–Schirm" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SCHIRM"/>
    <ROW NR="412" GROESSE="Abstand des k-ten Maximums von der Mitte" SYMBOL="x\d(k)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="XMAX"/>
    <ROW NR="413" GROESSE="Brewster-Winkel" SYMBOL="\c(a)\d(B)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="BREWSTER"/>
    <ROW NR="414" GROESSE="Lichtstärke" SYMBOL="I\d(V)" EINHEIT="cd" NAMEEINHEI="Candela" RECHENVARI="LICHTST"/>
    <ROW NR="415" GROESSE="Beleuchtungsstärke" SYMBOL="E\d(V)" EINHEIT="lx" ABLEITUNG="cd\msr/m\u(2)" NAMEEINHEI="Lux" RECHENVARI="BELEUCHT"/>
    <ROW NR="416" GROESSE="Öffnungsdurchmesser" SYMBOL="D" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="OEFFN"/>
    <ROW NR="417" GROESSE="Kleinster auflösbarer Winkel" SYMBOL="\c(J)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="AUFLW"/>
    <ROW NR="418" GROESSE="Energie des Zustands n" SYMBOL="E\d(n)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WN"/>
    <ROW NR="419" GROESSE="Hauptquantenzahl" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NHQ"/>
    <ROW NR="420" GROESSE="Kurzwellige Grenze" SYMBOL="\c(l)\d(min)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LMIN"/>
    <ROW NR="421" GROESSE="Netzebenenabstand" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="NETZ"/>
    <ROW NR="422" GROESSE="Glanzwinkel" SYMBOL="\c(J)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="GLANZ"/>
    <ROW NR="423" GROESSE="Schwächungskoeffizient" SYMBOL="\c(m)" EINHEIT="1/m" NAMEEINHEI="pro Meter" DATEI="schwaech.cds" RECHENVARI="MUABS"/>
    <ROW NR="424" GROESSE="Halbwertsdicke" SYMBOL="d\d(1/2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DHALB"/>
    <ROW NR="425" GROESSE="Intensität hinter der Schicht" SYMBOL="I" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IST"/>
    <ROW NR="426" GROESSE="Intensität vor der Schicht" SYMBOL="I\d(0)" EINHEIT="W/m\u(2)" NAMEEINHEI="Watt pro Quadratmeter" RECHENVARI="IST0"/>
    <ROW NR="427" GROESSE="Schichtdicke" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="SCHICHT"/>
    <ROW NR="428" GROESSE="Anfangsaktivität" SYMBOL="A\d(0)" EINHEIT="Bq" ABLEITUNG="1/s" NAMEEINHEI="Becquerel" DATEI="aktivit.cds" RECHENVARI="AKT0"/>
    <ROW NR="429" GROESSE="Mittlere Lebensdauer" SYMBOL="\c(t)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="TAUL"/>
    <ROW NR="430" GROESSE="Äquivalentdosisleistung" SYMBOL="Ḣ" EINHEIT="Sv/s" NAMEEINHEI="Sievert pro Sekunde" DATEI="hrate.cds" RECHENVARI="HRATE"/>
    <ROW NR="431" GROESSE="Dosisleistung im Abstand 1" SYMBOL="Ḣ\d(1)" EINHEIT="Sv/s" NAMEEINHEI="Sievert pro Sekunde" DATEI="hrate.cds" RECHENVARI="HRATEA"/>
    <ROW NR="432" GROESSE="Dosisleistung im Abstand 2" SYMBOL="Ḣ\d(2)" EINHEIT="Sv/s" NAMEEINHEI="Sievert pro Sekunde" DATEI="hrate.cds" RECHENVARI="HRATEB"/>
    <ROW NR="433" GROESSE="Kernradius" SYMBOL="r" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RKERN"/>
    <ROW NR="434" GROESSE="Radiuskonstante (Erfahrungswert)" SYMBOL="r\d(0)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="R0KERN" KONSTANTE="1,2E-15"/>
    <ROW NR="435" GROESSE="Nukleonenzahl (Massenzahl)" SYMBOL="A" NAMEEINHEI="ohne Einheit" RECHENVARI="ANUK"/>
    <ROW NR="436" GROESSE="Bindungsenergie je Nukleon" SYMBOL="E\d(BN)" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="WBN"/>
    <ROW NR="437" GROESSE="Ruhemasse" SYMBOL="m\d(0)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="M0"/>
    <ROW NR="438" GROESSE="Lorentzfaktor" SYMBOL="\c(g)" NAMEEINHEI="ohne Einheit" RECHENVARI="GAMMAL"/>
    <ROW NR="439" GROESSE="Eigenzeit (im bewegten System gemessen)" SYMBOL="\c(D)t\d(0)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="DT0"/>
    <ROW NR="440" GROESSE="Ruhelänge" SYMBOL="l\d(0)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LRUHE"/>
    <ROW NR="441" GROESSE="Gesamtenergie" SYMBOL="E" EINHEIT="J" ABLEITUNG="N\mm" NAMEEINHEI="Joule" DATEI="energie.cds" RECHENVARI="EGES"/>
    <ROW NR="442" GROESSE="Resultierende Geschwindigkeit" SYMBOL="u" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VRES"/>
    <ROW NR="443" GROESSE="Ortsunschärfe" SYMBOL="\c(D)x" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DXORT"/>
    <ROW NR="444" GROESSE="Impulsunschärfe" SYMBOL="\c(D)p" EINHEIT="N\ms" ABLEITUNG="kg\mm/s" NAMEEINHEI="Newtonsekunde" RECHENVARI="DPIMP"/>
    <ROW NR="445" GROESSE="Beschleunigungsspannung" SYMBOL="U\d(B)" EINHEIT="V" ABLEITUNG="W/A" NAMEEINHEI="Volt" DATEI="spannung.cds" RECHENVARI="VBESCHL"/>
    <ROW NR="446" GROESSE="Stoffmengenkonzentration" SYMBOL="c" EINHEIT="mol/m\u(3)" NAMEEINHEI="Mol pro Kubikmeter" DATEI="konzentr.cds" RECHENVARI="KONZ"/>
    <ROW NR="447" GROESSE="Konzentration 1" SYMBOL="c\d(1)" EINHEIT="mol/m\u(3)" NAMEEINHEI="Mol pro Kubikmeter" DATEI="konzentr.cds" RECHENVARI="KONZA"/>
    <ROW NR="448" GROESSE="Konzentration 2" SYMBOL="c\d(2)" EINHEIT="mol/m\u(3)" NAMEEINHEI="Mol pro Kubikmeter" DATEI="konzentr.cds" RECHENVARI="KONZB"/>
    <ROW NR="449" GROESSE="Massenkonzentration" SYMBOL="\c(b)" EINHEIT="kg/m\u(3)" NAMEEINHEI="Kilogramm pro Kubikmeter" DATEI="dichte.cds" RECHENVARI="BETAM"/>
    <ROW NR="450" GROESSE="Massenanteil" SYMBOL="w" NAMEEINHEI="ohne Einheit" RECHENVARI="WANT"/>
    <ROW NR="451" GROESSE="Masse des Bestandteils" SYMBOL="m\d(i)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MI"/>
    <ROW NR="452" GROESSE="Stoffmengenanteil" SYMBOL="x" NAMEEINHEI="ohne Einheit" RECHENVARI="XANT"/>
    <ROW NR="453" GROESSE="Stoffmenge des Bestandteils" SYMBOL="n\d(i)" EINHEIT="mol" NAMEEINHEI="Mol" DATEI="stoffmen.cds" RECHENVARI="NI"/>
    <ROW NR="454" GROESSE="Volumenanteil" SYMBOL="\c(j)" NAMEEINHEI="ohne Einheit" RECHENVARI="PHIV"/>
    <ROW NR="455" GROESSE="Volumen des Bestandteils" SYMBOL="V\d(i)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VI"/>
    <ROW NR="456" GROESSE="pH-Wert" SYMBOL="pH" NAMEEINHEI="ohne Einheit" RECHENVARI="PH"/>
    <ROW NR="457" GROESSE="pOH-Wert" SYMBOL="pOH" NAMEEINHEI="ohne Einheit" RECHENVARI="POH"/>
    <ROW NR="458" GROESSE="Konzentration der Oxoniumionen" SYMBOL="c(H\d(3)O\u(+))" EINHEIT="mol/l" NAMEEINHEI="Mol pro Liter" RECHENVARI="COXO"/>
    <ROW NR="459" GROESSE="Konzentration der Hydroxidionen" SYMBOL="c(OH\u(-))" EINHEIT="mol/l" NAMEEINHEI="Mol pro Liter" RECHENVARI="COH"/>
    <ROW NR="460" GROESSE="pKs-Wert der Säure" SYMBOL="pK\d(S)" NAMEEINHEI="ohne Einheit" RECHENVARI="PKS"/>
    <ROW NR="461" GROESSE="Konzentration der schwachen Säure" SYMBOL="c\d(0)" EINHEIT="mol/l" NAMEEINHEI="Mol pro Liter" RECHENVARI="CSAEURE"/>
    <ROW NR="462" GROESSE="Konzentration der korrespondierenden Base" SYMBOL="c(A\u(-))" EINHEIT="mol/l" NAMEEINHEI="Mol pro Liter" RECHENVARI="CBASE"/>
    <ROW NR="463" GROESSE="Konzentration der Säure HA" SYMBOL="c(HA)" EINHEIT="mol/l" NAMEEINHEI="Mol pro Liter" RECHENVARI="CHA"/>
    <ROW NR="464" GROESSE="Molares Volumen des Gases" SYMBOL="V\d(m)" EINHEIT="m\u(3)/mol" NAMEEINHEI="Kubikmeter pro Mol" RECHENVARI="VMOLT"/>
    <ROW NR="465" GROESSE="Ausbeute" SYMBOL="\c(h)" NAMEEINHEI="ohne Einheit" RECHENVARI="AUSB"/>
    <ROW NR="466" GROESSE="Tatsächlich erhaltene Masse" SYMBOL="m\d(ist)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MIST"/>
    <ROW NR="467" GROESSE="Theoretisch mögliche Masse" SYMBOL="m\d(th)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MTHEO"/>
    <ROW NR="468" GROESSE="Stöchiometrischer Faktor von Stoff 1" SYMBOL="\c(n)\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="NUA"/>
    <ROW NR="469" GROESSE="Stöchiometrischer Faktor von Stoff 2" SYMBOL="\c(n)\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="NUB"/>
    <ROW NR="470" GROESSE="Molare Masse von Stoff 1" SYMBOL="M\d(1)" EINHEIT="kg/mol" NAMEEINHEI="Kilogramm pro Mol" DATEI="molmasse.cds" RECHENVARI="MMA"/>
    <ROW NR="471" GROESSE="Molare Masse von Stoff 2" SYMBOL="M\d(2)" EINHEIT="kg/mol" NAMEEINHEI="Kilogramm pro Mol" DATEI="molmasse.cds" RECHENVARI="MMB"/>
    <ROW NR="472" GROESSE="Masse eines Teilchens" SYMBOL="m\d(T)" EINHEIT="kg" NAMEEINHEI="Kilogramm" DATEI="masse.cds" RECHENVARI="MTEIL"/>
    <ROW NR="473" GROESSE="Diagonale e" SYMBOL="e" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DIAGE"/>
    <ROW NR="474" GROESSE="Diagonale f" SYMBOL="f" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="DIAGF"/>
    <ROW NR="475" GROESSE="Große Halbachse" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HALBA"/>
    <ROW NR="476" GROESSE="Kleine Halbachse" SYMBOL="b" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HALBB"/>
    <ROW NR="477" GROESSE="Mantellinie" SYMBOL="s" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="MANTELL"/>
    <ROW NR="478" GROESSE="Radius der Grundfläche" SYMBOL="r\d(1)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RGRUND"/>
    <ROW NR="479" GROESSE="Radius der Deckfläche" SYMBOL="r\d(2)" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RDECK"/>
    <ROW NR="480" GROESSE="Abstand Mittelpunkt–Rohrmitte" SYMBOL="R" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="RTORUS"/>
    <ROW NR="481" GROESSE="Mittelpunktswinkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="MITTELW"/>
    <ROW NR="482" GROESSE="Steigungswinkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="STEIGW"/>
    <ROW NR="483" GROESSE="Höhenwinkel" SYMBOL="\c(a)" EINHEIT="°" NAMEEINHEI="Grad" DATEI="winkel.cds" RECHENVARI="HWINKEL"/>
    <ROW NR="484" GROESSE="Waagerechte Entfernung" SYMBOL="e" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ENTF"/>
    <ROW NR="485" GROESSE="Koeffizient p" SYMBOL="p" NAMEEINHEI="ohne Einheit" RECHENVARI="PQP"/>
    <ROW NR="486" GROESSE="Koeffizient q" SYMBOL="q" NAMEEINHEI="ohne Einheit" RECHENVARI="PQQ"/>
    <ROW NR="487" GROESSE="Erste Lösung" SYMBOL="x\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="XA"/>
    <ROW NR="488" GROESSE="Zweite Lösung" SYMBOL="x\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="XB"/>
    <ROW NR="489" GROESSE="Koeffizient a (vor x²)" SYMBOL="a" NAMEEINHEI="ohne Einheit" RECHENVARI="KOA"/>
    <ROW NR="490" GROESSE="Koeffizient b (vor x)" SYMBOL="b" NAMEEINHEI="ohne Einheit" RECHENVARI="KOB"/>
    <ROW NR="491" GROESSE="Koeffizient c (Absolutglied)" SYMBOL="c" NAMEEINHEI="ohne Einheit" RECHENVARI="KOC"/>
    <ROW NR="492" GROESSE="Diskriminante" SYMBOL="D" NAMEEINHEI="ohne Einheit" RECHENVARI="DISKR"/>
    <ROW NR="493" GROESSE="Argument x" SYMBOL="x" NAMEEINHEI="ohne Einheit" RECHENVARI="XK"/>
    <ROW NR="494" GROESSE="Funktionswert y" SYMBOL="y" NAMEEINHEI="ohne Einheit" RECHENVARI="YK"/>
    <ROW NR="495" GROESSE="Achsenabschnitt" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="ACHSE"/>
    <ROW NR="496" GROESSE="x-Koordinate von Punkt 1" SYMBOL="x\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="XPA"/>
    <ROW NR="497" GROESSE="x-Koordinate von Punkt 2" SYMBOL="x\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="XPB"/>
    <ROW NR="498" GROESSE="y-Koordinate von Punkt 1" SYMBOL="y\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="YPA"/>
    <ROW NR="499" GROESSE="y-Koordinate von Punkt 2" SYMBOL="y\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="YPB"/>
    <ROW NR="500" GROESSE="Abstand der Punkte" SYMBOL="d" NAMEEINHEI="ohne Einheit" RECHENVARI="ABST"/>
    <ROW NR="501" GROESSE="Anfangsglied" SYMBOL="a\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="FOLGA"/>
    <ROW NR="502" GROESSE="n-tes Glied" SYMBOL="a\d(n)" NAMEEINHEI="ohne Einheit" RECHENVARI="FOLGN"/>
    <ROW NR="503" GROESSE="Anzahl der Glieder" SYMBOL="n" NAMEEINHEI="ohne Einheit" RECHENVARI="NGLIED"/>
    <ROW NR="504" GROESSE="Differenz benachbarter Glieder" SYMBOL="d" NAMEEINHEI="ohne Einheit" RECHENVARI="DIFF"/>
    <ROW NR="505" GROESSE="Quotient benachbarter Glieder" SYMBOL="q" NAMEEINHEI="ohne Einheit" RECHENVARI="QUOT"/>
    <ROW NR="506" GROESSE="Summe der ersten n Glieder" SYMBOL="s\d(n)" NAMEEINHEI="ohne Einheit" RECHENVARI="SUMME"/>
    <ROW NR="507" GROESSE="Zinsen" SYMBOL="Z" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="ZINSEN"/>
    <ROW NR="508" GROESSE="Anzahl der Zinstage (Jahr zu 360 Tagen)" SYMBOL="t" EINHEIT="d" NAMEEINHEI="Tag" RECHENVARI="TAGE"/>
    <ROW NR="509" GROESSE="Jährliche Rate" SYMBOL="r" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="RATE"/>
    <ROW NR="510" GROESSE="Rentenendwert" SYMBOL="R\d(n)" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="RENDW"/>
    <ROW NR="511" GROESSE="Annuität (jährliche Rate)" SYMBOL="A" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="ANNU"/>
    <ROW NR="512" GROESSE="Darlehenssumme" SYMBOL="S" EINHEIT="€" NAMEEINHEI="Euro" RECHENVARI="KREDIT"/>
    <ROW NR="513" GROESSE="Anfangsbestand" SYMBOL="N\d(0)" NAMEEINHEI="ohne Einheit" RECHENVARI="N0"/>
    <ROW NR="514" GROESSE="Bestand nach der Zeit t" SYMBOL="N" NAMEEINHEI="ohne Einheit" RECHENVARI="NBEST"/>
    <ROW NR="515" GROESSE="Wachstumskonstante" SYMBOL="k" EINHEIT="1/a" NAMEEINHEI="pro Jahr" RECHENVARI="KWACHS"/>
    <ROW NR="516" GROESSE="Zeit in Jahren" SYMBOL="t" EINHEIT="a" NAMEEINHEI="Jahr" RECHENVARI="TJAHR"/>
    <ROW NR="517" GROESSE="Verdopplungszeit" SYMBOL="T\d(2)" EINHEIT="a" NAMEEINHEI="Jahr" RECHENVARI="TVERD"/>
    <ROW NR="518" GROESSE="Alter Wert" SYMBOL="G" NAMEEINHEI="ohne Einheit" RECHENVARI="WALT"/>
    <ROW NR="519" GROESSE="Neuer Wert" SYMBOL="W" NAMEEINHEI="ohne Einheit" RECHENVARI="WNEU"/>
    <ROW NR="520" GROESSE="Übersetzung der Stufe 1" SYMBOL="i\d(1)" NAMEEINHEI="ohne Einheit" RECHENVARI="UEBA"/>
    <ROW NR="521" GROESSE="Übersetzung der Stufe 2" SYMBOL="i\d(2)" NAMEEINHEI="ohne Einheit" RECHENVARI="UEBB"/>
    <ROW NR="522" GROESSE="Drehmoment an der Antriebswelle" SYMBOL="M\d(1)" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MDA"/>
    <ROW NR="523" GROESSE="Drehmoment an der Abtriebswelle" SYMBOL="M\d(2)" EINHEIT="N\mm" NAMEEINHEI="Newtonmeter" DATEI="drehmom.cds" RECHENVARI="MDB"/>
    <ROW NR="524" GROESSE="Modul" SYMBOL="m" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="MODUL"/>
    <ROW NR="525" GROESSE="Teilkreisdurchmesser" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="TEILD"/>
    <ROW NR="526" GROESSE="Achsabstand" SYMBOL="a" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="ACHSA"/>
    <ROW NR="527" GROESSE="Bohrung (Zylinderdurchmesser)" SYMBOL="d" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="BOHR"/>
    <ROW NR="528" GROESSE="Hub" SYMBOL="s" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="HUB"/>
    <ROW NR="529" GROESSE="Zylinderzahl" SYMBOL="z" NAMEEINHEI="ohne Einheit" RECHENVARI="ZYL"/>
    <ROW NR="530" GROESSE="Hubraum" SYMBOL="V\d(H)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="HUBR"/>
    <ROW NR="531" GROESSE="Verdichtungsraum eines Zylinders" SYMBOL="V\d(c)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VKOMP"/>
    <ROW NR="532" GROESSE="Hubraum eines Zylinders" SYMBOL="V\d(h)" EINHEIT="m\u(3)" NAMEEINHEI="Kubikmeter" DATEI="volumen.cds" RECHENVARI="VHZYL"/>
    <ROW NR="533" GROESSE="Verdichtungsverhältnis" SYMBOL="\c(e)" NAMEEINHEI="ohne Einheit" RECHENVARI="EPSV"/>
    <ROW NR="534" GROESSE="Mittlere Kolbengeschwindigkeit" SYMBOL="v\d(m)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VKOLB"/>
    <ROW NR="535" GROESSE="Rollwiderstandszahl" SYMBOL="c\d(R)" NAMEEINHEI="ohne Einheit" RECHENVARI="CROLL"/>
    <ROW NR="536" GROESSE="Rollwiderstand" SYMBOL="F\d(R)" EINHEIT="N" ABLEITUNG="kg\mm/s\u(2)" NAMEEINHEI="Newton" DATEI="kraft.cds" RECHENVARI="FROLL"/>
    <ROW NR="537" GROESSE="Vorschub je Umdrehung" SYMBOL="f" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="VORSCH"/>
    <ROW NR="538" GROESSE="Vorschubgeschwindigkeit" SYMBOL="v\d(f)" EINHEIT="m/s" NAMEEINHEI="Meter pro Sekunde" DATEI="geschw.cds" RECHENVARI="VF"/>
    <ROW NR="539" GROESSE="Vorschubweg" SYMBOL="L" EINHEIT="m" NAMEEINHEI="Meter" DATEI="laenge.cds" RECHENVARI="LWEG"/>
    <ROW NR="540" GROESSE="Hauptnutzungszeit" SYMBOL="t\d(h)" EINHEIT="s" NAMEEINHEI="Sekunde" DATEI="zeit.cds" RECHENVARI="THN"/>
  </ROWDATA>
</DATAPACKET>
