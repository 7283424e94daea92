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
    <ROW Stoff="Ohm" Einheit="\c(W)" Faktor="1"/>
    <ROW Stoff="Milliohm" Einheit="m\c(W)" Faktor="0,001"/>
    <ROW Stoff="Kiloohm" Einheit="k\c(W)" Faktor="1000"/>
    <ROW Stoff="Megaohm" Einheit="M\c(W)" Faktor="1000000"/>
    <ROW Stoff="Gigaohm" Einheit="G\c(W)" Faktor="1E9"/>
  </ROWDATA>
</DATAPACKET>
