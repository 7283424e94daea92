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
    <ROW Stoff="Mol pro Kubikmeter" Einheit="mol/m\u(3)" Faktor="1"/>
    <ROW Stoff="Mol pro Liter" Einheit="mol/l" Faktor="1000"/>
    <ROW Stoff="Millimol pro Liter" Einheit="mmol/l" Faktor="1"/>
    <ROW Stoff="Mikromol pro Liter" Einheit="\c(m)mol/l" Faktor="0,001"/>
  </ROWDATA>
</DATAPACKET>
