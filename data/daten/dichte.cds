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
    <ROW Stoff="Kilogramm pro Kubikmeter" Einheit="kg/m\u(3)" Faktor="1"/>
    <ROW Stoff="Gramm pro Kubikzentimeter" Einheit="g/cm\u(3)" Faktor="1000"/>
    <ROW Stoff="Kilogramm pro Kubikdezimeter" Einheit="kg/dm\u(3)" Faktor="1000"/>
    <ROW Stoff="Kilogramm pro Liter" Einheit="kg/l" Faktor="1000"/>
    <ROW Stoff="Gramm pro Liter" Einheit="g/l" Faktor="1"/>
    <ROW Stoff="Tonne pro Kubikmeter" Einheit="t/m\u(3)" Faktor="1000"/>
    <ROW Stoff="Pound pro Kubikfuß" Einheit="lb/ft\u(3)" Faktor="16,0184633739601"/>
  </ROWDATA>
</DATAPACKET>
