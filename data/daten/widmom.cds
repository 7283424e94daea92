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
    <ROW Stoff="Kubikmeter" Einheit="m\u(3)" Faktor="1"/>
    <ROW Stoff="Kubikzentimeter" Einheit="cm\u(3)" Faktor="1E-6"/>
    <ROW Stoff="Kubikmillimeter" Einheit="mm\u(3)" Faktor="1E-9"/>
  </ROWDATA>
</DATAPACKET>
