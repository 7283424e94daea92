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
    <ROW Stoff="Volt" Einheit="V" Faktor="1"/>
    <ROW Stoff="Mikrovolt" Einheit="\c(m)V" Faktor="1E-6"/>
    <ROW Stoff="Millivolt" Einheit="mV" Faktor="0,001"/>
    <ROW Stoff="Kilovolt" Einheit="kV" Faktor="1000"/>
    <ROW Stoff="Megavolt" Einheit="MV" Faktor="1000000"/>
  </ROWDATA>
</DATAPACKET>
