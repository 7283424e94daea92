<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Stoff" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="Einheit" fieldtype="string" WIDTH="25"/>
      <FIELD attrname="Faktor" fieldtype="string" WIDTH="30"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Stoff="Pascal" Einheit="Pa" Faktor="1"/>
    <ROW Stoff="Hektopascal" Einheit="hPa" Faktor="100"/>
    <ROW Stoff="Kilopascal" Einheit="kPa" Faktor="1000"/>
    <ROW Stoff="Megapascal" Einheit="MPa" Faktor="1000000"/>
    <ROW Stoff="Newton pro Quadratmillimeter" Einheit="N/mm\u(2)" Faktor="1000000"/>
    <ROW Stoff="Bar" Einheit="bar" Faktor="100000"/>
    <ROW Stoff="Millibar" Einheit="mbar" Faktor="100"/>
    <ROW Stoff="Physikalische Atmosphäre" Einheit="atm" Faktor="101325"/>
    <ROW Stoff="Technische Atmosphäre" Einheit="at" Faktor="98066,5"/>
    <ROW Stoff="Torr" Einheit="Torr" Faktor="133,322368421053"/>
    <ROW Stoff="Millimeter Quecksilbersäule" Einheit="mmHg" Faktor="133,322387415"/>
    <ROW Stoff="Meter Wassersäule" Einheit="mWS" Faktor="9806,65"/>
    <ROW Stoff="Pound per square inch" Einheit="psi" Faktor="6894,75729316836"/>
  </ROWDATA>
</DATAPACKET>
