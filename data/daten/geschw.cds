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
    <ROW Stoff="Meter pro Sekunde" Einheit="m/s" Faktor="-1"/>
    <ROW Stoff="Kilometer pro Stunde" Einheit="km/h" Faktor="3,6"/>
    <ROW Stoff="Meter pro Minute" Einheit="m/min" Faktor="60"/>
    <ROW Stoff="Zentimeter pro Sekunde" Einheit="cm/s" Faktor="100"/>
    <ROW Stoff="Kilometer pro Sekunde" Einheit="km/s" Faktor="0,001"/>
    <ROW Stoff="Knoten" Einheit="kn" Faktor="1,9438444924406"/>
    <ROW Stoff="Meile pro Stunde" Einheit="mph" Faktor="2,2369362920544"/>
    <ROW Stoff="Fuß pro Sekunde" Einheit="ft/s" Faktor="3,28083989501312"/>
    <ROW Stoff="Lichtgeschwindigkeit" Einheit="c" Faktor="3,33564095198152E-9"/>
  </ROWDATA>
</DATAPACKET>
