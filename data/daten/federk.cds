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
    <ROW Stoff="Newton pro Meter" Einheit="N/m" Faktor="1"/>
    <ROW Stoff="Newton pro Zentimeter" Einheit="N/cm" Faktor="100"/>
    <ROW Stoff="Newton pro Millimeter" Einheit="N/mm" Faktor="1000"/>
    <ROW Stoff="Kilonewton pro Meter" Einheit="kN/m" Faktor="1000"/>
  </ROWDATA>
</DATAPACKET>
