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
    <ROW Stoff="Var" Einheit="var" Faktor="1"/>
    <ROW Stoff="Kilovar" Einheit="kvar" Faktor="1000"/>
    <ROW Stoff="Megavar" Einheit="Mvar" Faktor="1000000"/>
  </ROWDATA>
</DATAPACKET>
