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
    <ROW Stoff="Mol" Einheit="mol" Faktor="1"/>
    <ROW Stoff="Mikromol" Einheit="\c(m)mol" Faktor="1E-6"/>
    <ROW Stoff="Millimol" Einheit="mmol" Faktor="0,001"/>
    <ROW Stoff="Kilomol" Einheit="kmol" Faktor="1000"/>
  </ROWDATA>
</DATAPACKET>
