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
    <ROW Stoff="Aluminium" Wert="237"/>
    <ROW Stoff="Blei" Wert="35,3"/>
    <ROW Stoff="Eisen" Wert="80,2"/>
    <ROW Stoff="Gold" Wert="317"/>
    <ROW Stoff="Kupfer" Wert="401"/>
    <ROW Stoff="Magnesium" Wert="156"/>
    <ROW Stoff="Nickel" Wert="90,7"/>
    <ROW Stoff="Platin" Wert="71,6"/>
    <ROW Stoff="Quecksilber" Wert="8,3"/>
    <ROW Stoff="Silber" Wert="429"/>
    <ROW Stoff="Titan" Wert="21,9"/>
    <ROW Stoff="Wasser" Wert="0,607"/>
    <ROW Stoff="Wolfram" Wert="174"/>
    <ROW Stoff="Zink" Wert="116"/>
    <ROW Stoff="Zinn" Wert="66,8"/>
  </ROWDATA>
</DATAPACKET>
