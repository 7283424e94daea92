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
    <ROW Stoff="Tesla" Einheit="T" Faktor="1"/>
    <ROW Stoff="Millitesla" Einheit="mT" Faktor="0,001"/>
    <ROW Stoff="Mikrotesla" Einheit="\c(m)T" Faktor="1E-6"/>
    <ROW Stoff="Nanotesla" Einheit="nT" Faktor="1E-9"/>
    <ROW Stoff="Gauß" Einheit="G" Faktor="0,0001"/>
  </ROWDATA>
</DATAPACKET>
