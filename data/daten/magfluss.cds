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
    <ROW Stoff="Weber" Einheit="Wb" Faktor="1"/>
    <ROW Stoff="Milliweber" Einheit="mWb" Faktor="0,001"/>
    <ROW Stoff="Mikroweber" Einheit="\c(m)Wb" Faktor="1E-6"/>
    <ROW Stoff="Voltsekunde" Einheit="V\ms" Faktor="1"/>
    <ROW Stoff="Maxwell" Einheit="Mx" Faktor="1E-8"/>
  </ROWDATA>
</DATAPACKET>
