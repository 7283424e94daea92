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
    <ROW Stoff="Meter pro Quadratsekunde" Einheit="m/s\u(2)" Faktor="1"/>
    <ROW Stoff="Zentimeter pro Quadratsekunde" Einheit="cm/s\u(2)" Faktor="0,01"/>
    <ROW Stoff="Fuß pro Quadratsekunde" Einheit="ft/s\u(2)" Faktor="0,3048"/>
    <ROW Stoff="Normfallbeschleunigung" Einheit="g\d(n)" Faktor="9,80665"/>
    <ROW Stoff="km pro Stunde je Sekunde" Einheit="km/(h\ms)" Faktor="0,277777777777778"/>
  </ROWDATA>
</DATAPACKET>
