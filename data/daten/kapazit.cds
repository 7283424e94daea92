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
    <ROW Stoff="Farad" Einheit="F" Faktor="1"/>
    <ROW Stoff="Millifarad" Einheit="mF" Faktor="0,001"/>
    <ROW Stoff="Mikrofarad" Einheit="\c(m)F" Faktor="1E-6"/>
    <ROW Stoff="Nanofarad" Einheit="nF" Faktor="1E-9"/>
    <ROW Stoff="Picofarad" Einheit="pF" Faktor="1E-12"/>
  </ROWDATA>
</DATAPACKET>
