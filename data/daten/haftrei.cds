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
    <ROW Stoff="Stahl auf Stahl" Wert="0,15"/>
    <ROW Stoff="Stahl auf Stahl (geschmiert)" Wert="0,1"/>
    <ROW Stoff="Stahl auf Eis" Wert="0,027"/>
    <ROW Stoff="Stahl auf Holz" Wert="0,5"/>
    <ROW Stoff="Holz auf Holz" Wert="0,5"/>
    <ROW Stoff="Holz auf Stein" Wert="0,7"/>
    <ROW Stoff="Gummi auf Asphalt" Wert="0,9"/>
    <ROW Stoff="Gummi auf Asphalt (nass)" Wert="0,6"/>
    <ROW Stoff="Gummi auf Beton" Wert="1,0"/>
    <ROW Stoff="Gummi auf Eis" Wert="0,2"/>
    <ROW Stoff="Leder auf Metall" Wert="0,6"/>
    <ROW Stoff="PTFE auf Stahl" Wert="0,04"/>
    <ROW Stoff="Ski auf Schnee" Wert="0,1"/>
  </ROWDATA>
</DATAPACKET>
