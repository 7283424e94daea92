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
    <ROW Stoff="Quadratmeter" Einheit="m\u(2)" Faktor="1"/>
    <ROW Stoff="Quadratmillimeter" Einheit="mm\u(2)" Faktor="1E-6"/>
    <ROW Stoff="Quadratzentimeter" Einheit="cm\u(2)" Faktor="0,0001"/>
    <ROW Stoff="Quadratdezimeter" Einheit="dm\u(2)" Faktor="0,01"/>
    <ROW Stoff="Ar" Einheit="a" Faktor="100"/>
    <ROW Stoff="Hektar" Einheit="ha" Faktor="10000"/>
    <ROW Stoff="Quadratkilometer" Einheit="km\u(2)" Faktor="1000000"/>
    <ROW Stoff="Quadratzoll" Einheit="in\u(2)" Faktor="0,00064516"/>
    <ROW Stoff="Quadratfuß" Einheit="ft\u(2)" Faktor="0,09290304"/>
    <ROW Stoff="Acre" Einheit="ac" Faktor="4046,8564224"/>
  </ROWDATA>
</DATAPACKET>
