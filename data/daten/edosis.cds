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
    <ROW Stoff="Gray" Einheit="Gy" Faktor="1"/>
    <ROW Stoff="Milligray" Einheit="mGy" Faktor="0,001"/>
    <ROW Stoff="Mikrogray" Einheit="\c(m)Gy" Faktor="1E-6"/>
    <ROW Stoff="Rad" Einheit="rd" Faktor="0,01"/>
  </ROWDATA>
</DATAPACKET>
