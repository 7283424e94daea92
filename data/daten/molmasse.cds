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
    <ROW Stoff="Kilogramm pro Mol" Einheit="kg/mol" Faktor="1"/>
    <ROW Stoff="Gramm pro Mol" Einheit="g/mol" Faktor="0,001"/>
  </ROWDATA>
</DATAPACKET>
