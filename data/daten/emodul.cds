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
    <ROW Stoff="Aluminium" Wert="7,0E10"/>
    <ROW Stoff="Blei" Wert="1,6E10"/>
    <ROW Stoff="Chrom" Wert="2,79E11"/>
    <ROW Stoff="Eisen" Wert="2,11E11"/>
    <ROW Stoff="Gold" Wert="7,9E10"/>
    <ROW Stoff="Kobalt" Wert="2,09E11"/>
    <ROW Stoff="Magnesium" Wert="4,5E10"/>
    <ROW Stoff="Nickel" Wert="2,00E11"/>
    <ROW Stoff="Platin" Wert="1,68E11"/>
    <ROW Stoff="Silber" Wert="8,3E10"/>
    <ROW Stoff="Stahl" Wert="2,1E11"/>
    <ROW Stoff="Titan" Wert="1,16E11"/>
    <ROW Stoff="Wolfram" Wert="4,11E11"/>
    <ROW Stoff="Zink" Wert="1,08E11"/>
    <ROW Stoff="Zinn" Wert="5,0E10"/>
  </ROWDATA>
</DATAPACKET>
