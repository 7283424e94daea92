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
    <ROW Stoff="Meter" Einheit="m" Faktor="1"/>
    <ROW Stoff="Kilometer" Einheit="km" Faktor="1000"/>
    <ROW Stoff="Dezimeter" Einheit="dm" Faktor="0,1"/>
    <ROW Stoff="Zentimeter" Einheit="cm" Faktor="0,01"/>
    <ROW Stoff="Millimeter" Einheit="mm" Faktor="0,001"/>
    <ROW Stoff="Mikrometer" Einheit="\c(m)m" Faktor="1E-6"/>
    <ROW Stoff="Nanometer" Einheit="nm" Faktor="1E-9"/>
    <ROW Stoff="Ångström" Einheit="Å" Faktor="1E-10"/>
    <ROW Stoff="Zoll" Einheit="in" Faktor="0,0254"/>
    <ROW Stoff="Fuß" Einheit="ft" Faktor="0,3048"/>
    <ROW Stoff="Yard" Einheit="yd" Faktor="0,9144"/>
    <ROW Stoff="Meile" Einheit="mi" Faktor="1609,344"/>
    <ROW Stoff="Seemeile" Einheit="sm" Faktor="1852"/>
    <ROW Stoff="Astronomische Einheit" Einheit="AE" Faktor="149597870700"/>
    <ROW Stoff="Lichtjahr" Einheit="Lj" Faktor="9460730472580800"/>
    <ROW Stoff="Parsec" Einheit="pc" Faktor="3,08567758149137E16"/>
  </ROWDATA>
</DATAPACKET>
