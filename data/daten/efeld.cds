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
    <ROW Stoff="Volt pro Meter" Einheit="V/m" Faktor="1"/>
    <ROW Stoff="Volt pro Zentimeter" Einheit="V/cm" Faktor="100"/>
    <ROW Stoff="Kilovolt pro Meter" Einheit="kV/m" Faktor="1000"/>
    <ROW Stoff="Kilovolt pro Zentimeter" Einheit="kV/cm" Faktor="100000"/>
    <ROW Stoff="Megavolt pro Meter" Einheit="MV/m" Faktor="1000000"/>
    <ROW Stoff="Newton pro Coulomb" Einheit="N/C" Faktor="1"/>
  </ROWDATA>
</DATAPACKET>
