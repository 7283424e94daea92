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
    <ROW Stoff="Hertz" Einheit="Hz" Faktor="1"/>
    <ROW Stoff="Kilohertz" Einheit="kHz" Faktor="1000"/>
    <ROW Stoff="Megahertz" Einheit="MHz" Faktor="1000000"/>
    <ROW Stoff="Gigahertz" Einheit="GHz" Faktor="1E9"/>
    <ROW Stoff="Terahertz" Einheit="THz" Faktor="1E12"/>
  </ROWDATA>
</DATAPACKET>
