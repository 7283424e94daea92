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
    <ROW Stoff="Newton" Einheit="N" Faktor="1"/>
    <ROW Stoff="Millinewton" Einheit="mN" Faktor="0,001"/>
    <ROW Stoff="Kilonewton" Einheit="kN" Faktor="1000"/>
    <ROW Stoff="Meganewton" Einheit="MN" Faktor="1000000"/>
    <ROW Stoff="Dyn" Einheit="dyn" Faktor="1E-5"/>
    <ROW Stoff="Pond" Einheit="p" Faktor="0,00980665"/>
    <ROW Stoff="Kilopond" Einheit="kp" Faktor="9,80665"/>
    <ROW Stoff="Pound-force" Einheit="lbf" Faktor="4,4482216152605"/>
  </ROWDATA>
</DATAPACKET>
