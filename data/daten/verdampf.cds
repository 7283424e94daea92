<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Stoff" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="Wert" fieldtype="string" WIDTH="25"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Stoff="Aluminium" Wert="10500000"/>
    <ROW Stoff="Ammoniak" Wert="1370000"/>
    <ROW Stoff="Benzol" Wert="393000"/>
    <ROW Stoff="Blei" Wert="866000"/>
    <ROW Stoff="Eisen" Wert="6090000"/>
    <ROW Stoff="Gold" Wert="1740000"/>
    <ROW Stoff="Helium" Wert="20700"/>
    <ROW Stoff="Kupfer" Wert="4730000"/>
    <ROW Stoff="Methanol" Wert="1100000"/>
    <ROW Stoff="Quecksilber" Wert="295000"/>
    <ROW Stoff="Sauerstoff" Wert="213000"/>
    <ROW Stoff="Silber" Wert="2350000"/>
    <ROW Stoff="Stickstoff" Wert="199000"/>
    <ROW Stoff="Wasser" Wert="2257000"/>
    <ROW Stoff="Wasserstoff" Wert="448000"/>
    <ROW Stoff="Zink" Wert="1760000"/>
  </ROWDATA>
</DATAPACKET>
