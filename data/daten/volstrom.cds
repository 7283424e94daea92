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
    <ROW Stoff="Kubikmeter pro Sekunde" Einheit="m\u(3)/s" Faktor="-1"/>
    <ROW Stoff="Kubikmeter pro Minute" Einheit="m\u(3)/min" Faktor="60"/>
    <ROW Stoff="Kubikmeter pro Stunde" Einheit="m\u(3)/h" Faktor="3600"/>
    <ROW Stoff="Liter pro Sekunde" Einheit="l/s" Faktor="1000"/>
    <ROW Stoff="Liter pro Minute" Einheit="l/min" Faktor="60000"/>
    <ROW Stoff="Liter pro Stunde" Einheit="l/h" Faktor="3600000"/>
  </ROWDATA>
</DATAPACKET>
