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
    <ROW Stoff="Sievert" Einheit="Sv" Faktor="1"/>
    <ROW Stoff="Millisievert" Einheit="mSv" Faktor="0,001"/>
    <ROW Stoff="Mikrosievert" Einheit="\c(m)Sv" Faktor="1E-6"/>
    <ROW Stoff="Rem" Einheit="rem" Faktor="0,01"/>
  </ROWDATA>
</DATAPACKET>
