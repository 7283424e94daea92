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
    <ROW Stoff="Ammoniak" Wert="0,771"/>
    <ROW Stoff="Argon" Wert="1,784"/>
    <ROW Stoff="Chlor" Wert="3,214"/>
    <ROW Stoff="Helium" Wert="0,1786"/>
    <ROW Stoff="Kohlenstoffdioxid" Wert="1,977"/>
    <ROW Stoff="Kohlenstoffmonoxid" Wert="1,250"/>
    <ROW Stoff="Krypton" Wert="3,749"/>
    <ROW Stoff="Luft" Wert="1,293"/>
    <ROW Stoff="Methan" Wert="0,717"/>
    <ROW Stoff="Neon" Wert="0,9002"/>
    <ROW Stoff="Sauerstoff" Wert="1,429"/>
    <ROW Stoff="Stickstoff" Wert="1,2506"/>
    <ROW Stoff="Wasserstoff" Wert="0,08988"/>
    <ROW Stoff="Xenon" Wert="5,894"/>
  </ROWDATA>
</DATAPACKET>
