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
    <ROW Stoff="Ampere" Einheit="A" Faktor="1"/>
    <ROW Stoff="Mikroampere" Einheit="\c(m)A" Faktor="1E-6"/>
    <ROW Stoff="Milliampere" Einheit="mA" Faktor="0,001"/>
    <ROW Stoff="Kiloampere" Einheit="kA" Faktor="1000"/>
  </ROWDATA>
</DATAPACKET>
