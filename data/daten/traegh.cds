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
    <ROW Stoff="Kilogramm·Quadratmeter" Einheit="kg\mm\u(2)" Faktor="1"/>
    <ROW Stoff="Kilogramm·Quadratzentimeter" Einheit="kg\mcm\u(2)" Faktor="0,0001"/>
    <ROW Stoff="Gramm·Quadratzentimeter" Einheit="g\mcm\u(2)" Faktor="1E-7"/>
  </ROWDATA>
</DATAPACKET>
