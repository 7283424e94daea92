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
    <ROW Stoff="Joule pro Kilogramm" Einheit="J/kg" Faktor="1"/>
    <ROW Stoff="Kilojoule pro Kilogramm" Einheit="kJ/kg" Faktor="1000"/>
    <ROW Stoff="Megajoule pro Kilogramm" Einheit="MJ/kg" Faktor="1000000"/>
    <ROW Stoff="Joule pro Gramm" Einheit="J/g" Faktor="1000"/>
    <ROW Stoff="Kilowattstunde pro Kilogramm" Einheit="kWh/kg" Faktor="3600000"/>
    <ROW Stoff="Kilokalorie pro Kilogramm" Einheit="kcal/kg" Faktor="4184"/>
  </ROWDATA>
</DATAPACKET>
