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
    <ROW Stoff="Joule pro (Kilogramm·Kelvin)" Einheit="J/(kg\mK)" Faktor="1"/>
    <ROW Stoff="Kilojoule pro (kg·K)" Einheit="kJ/(kg\mK)" Faktor="1000"/>
    <ROW Stoff="Joule pro (Gramm·Kelvin)" Einheit="J/(g\mK)" Faktor="1000"/>
    <ROW Stoff="Kalorie pro (Gramm·Kelvin)" Einheit="cal/(g\mK)" Faktor="4184"/>
    <ROW Stoff="Wattstunde pro (kg·K)" Einheit="Wh/(kg\mK)" Faktor="3600"/>
  </ROWDATA>
</DATAPACKET>
