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
    <ROW Stoff="Aluminium" Wert="660,3"/>
    <ROW Stoff="Blei" Wert="327,5"/>
    <ROW Stoff="Eis" Wert="0"/>
    <ROW Stoff="Eisen" Wert="1538"/>
    <ROW Stoff="Ethanol" Wert="-114,1"/>
    <ROW Stoff="Gold" Wert="1064"/>
    <ROW Stoff="Kupfer" Wert="1085"/>
    <ROW Stoff="Magnesium" Wert="650"/>
    <ROW Stoff="Naphthalin" Wert="80,26"/>
    <ROW Stoff="Natrium" Wert="97,8"/>
    <ROW Stoff="Nickel" Wert="1455"/>
    <ROW Stoff="Platin" Wert="1768"/>
    <ROW Stoff="Quecksilber" Wert="-38,83"/>
    <ROW Stoff="Silber" Wert="961,8"/>
    <ROW Stoff="Titan" Wert="1668"/>
    <ROW Stoff="Wolfram" Wert="3422"/>
    <ROW Stoff="Zink" Wert="419,5"/>
    <ROW Stoff="Zinn" Wert="231,9"/>
  </ROWDATA>
</DATAPACKET>
