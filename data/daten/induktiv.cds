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
    <ROW Stoff="Henry" Einheit="H" Faktor="1"/>
    <ROW Stoff="Millihenry" Einheit="mH" Faktor="0,001"/>
    <ROW Stoff="Mikrohenry" Einheit="\c(m)H" Faktor="1E-6"/>
    <ROW Stoff="Nanohenry" Einheit="nH" Faktor="1E-9"/>
  </ROWDATA>
</DATAPACKET>
