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
    <ROW Stoff="Meter hoch vier" Einheit="m\u(4)" Faktor="1"/>
    <ROW Stoff="Zentimeter hoch vier" Einheit="cm\u(4)" Faktor="1E-8"/>
    <ROW Stoff="Millimeter hoch vier" Einheit="mm\u(4)" Faktor="1E-12"/>
  </ROWDATA>
</DATAPACKET>
