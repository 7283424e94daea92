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
    <ROW Stoff="Ampere pro Quadratmeter" Einheit="A/m\u(2)" Faktor="1"/>
    <ROW Stoff="Ampere pro Quadratzentimeter" Einheit="A/cm\u(2)" Faktor="10000"/>
    <ROW Stoff="Ampere pro Quadratmillimeter" Einheit="A/mm\u(2)" Faktor="1000000"/>
  </ROWDATA>
</DATAPACKET>
