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
    <ROW Stoff="Ohmmeter" Einheit="\c(W)\mm" Faktor="1"/>
    <ROW Stoff="Ohm·Quadratmillimeter/Meter" Einheit="\c(W)\mmm\u(2)/m" Faktor="1E-6"/>
    <ROW Stoff="Ohmzentimeter" Einheit="\c(W)\mcm" Faktor="0,01"/>
    <ROW Stoff="Mikroohmmeter" Einheit="\c(mW)\mm" Faktor="1E-6"/>
  </ROWDATA>
</DATAPACKET>
