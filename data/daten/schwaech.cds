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
    <ROW Stoff="pro Meter" Einheit="1/m" Faktor="-1"/>
    <ROW Stoff="pro Zentimeter" Einheit="1/cm" Faktor="0,01"/>
    <ROW Stoff="pro Millimeter" Einheit="1/mm" Faktor="0,001"/>
  </ROWDATA>
</DATAPACKET>
