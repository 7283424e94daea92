<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Groesse" fieldtype="string" WIDTH="40"/>
      <FIELD attrname="DATEI" fieldtype="string" WIDTH="40"/>
      <FIELD attrname="Variable" fieldtype="string" WIDTH="40"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Groesse="Länge" DATEI="laenge.cds" Variable="ULAENGE"/>
    <ROW Groesse="Masse" DATEI="masse.cds" Variable="UMASSE"/>
    <ROW Groesse="Zeit" DATEI="zeit.cds" Variable="UZEIT"/>
    <ROW Groesse="Fläche" DATEI="flaeche.cds" Variable="UFLAECHE"/>
    <ROW Groesse="Volumen" DATEI="volumen.cds" Variable="UVOLUMEN"/>
    <ROW Groesse="Geschwindigkeit" DATEI="geschw.cds" Variable="UGESCHW"/>
    <ROW Groesse="Beschleunigung" DATEI="beschl.cds" Variable="UBESCHL"/>
    <ROW Groesse="Kraft" DATEI="kraft.cds" Variable="UKRAFT"/>
    <ROW Groesse="Druck" DATEI="druck.cds" Variable="UDRUCK"/>
    <ROW Groesse="Energie" DATEI="energie.cds" Variable="UENERGIE"/>
    <ROW Groesse="Leistung" DATEI="leistung.cds" Variable="ULEISTUNG"/>
    <ROW Groesse="Winkel" DATEI="winkel.cds" Variable="UWINKEL"/>
    <ROW Groesse="Frequenz" DATEI="frequenz.cds" Variable="UFREQUENZ"/>
    <ROW Groesse="Drehzahl" DATEI="drehzahl.cds" Variable="UDREHZAHL"/>
    <ROW Groesse="Dichte" DATEI="dichte.cds" Variable="UDICHTE"/>
    <ROW Groesse="Elektrische Ladung" DATEI="ladung.cds" Variable="ULADUNG"/>
    <ROW Groesse="Elektrische Stromstärke" DATEI="strom.cds" Variable="USTROM"/>
    <ROW Groesse="Elektrische Spannung" DATEI="spannung.cds" Variable="USPANNUNG"/>
    <ROW Groesse="Elektrischer Widerstand" DATEI="widerstd.cds" Variable="UWIDERSTAND"/>
    <ROW Groesse="Elektrische Kapazität" DATEI="kapazit.cds" Variable="UKAPAZITAET"/>
    <ROW Groesse="Induktivität" DATEI="induktiv.cds" Variable="UINDUKTIV"/>
    <ROW Groesse="Magnetische Flussdichte" DATEI="flussdi.cds" Variable="UFLUSSDICHTE"/>
    <ROW Groesse="Drehmoment" DATEI="drehmom.cds" Variable="UDREHMOMENT"/>
    <ROW Groesse="Spezifische Wärmekapazität" DATEI="spezwaer.cds" Variable="USPEZWAERME"/>
    <ROW Groesse="Stoffmenge" DATEI="stoffmen.cds" Variable="USTOFFMENGE"/>
    <ROW Groesse="Volumenstrom" DATEI="volstrom.cds" Variable="UVOLSTROM"/>
    <ROW Groesse="Spezifischer Widerstand" DATEI="spezwid.cds" Variable="USPEZWID"/>
    <ROW Groesse="Spezifische Energie (Wärme je Masse)" DATEI="spezener.cds" Variable="USPEZENERGIE"/>
    <ROW Groesse="Aktivität" DATEI="aktivit.cds" Variable="UAKTIVITAET"/>
    <ROW Groesse="Stoffmengenkonzentration" DATEI="konzentr.cds" Variable="UKONZ"/>
  </ROWDATA>
</DATAPACKET>
