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
    <ROW Stoff="Aluminium" Wert="897"/>
    <ROW Stoff="Blei" Wert="129"/>
    <ROW Stoff="Eisen" Wert="449"/>
    <ROW Stoff="Ethanol" Wert="2440"/>
    <ROW Stoff="Gold" Wert="129"/>
    <ROW Stoff="Kupfer" Wert="385"/>
    <ROW Stoff="Luft (bei konstantem Druck)" Wert="1005"/>
    <ROW Stoff="Magnesium" Wert="1023"/>
    <ROW Stoff="Nickel" Wert="444"/>
    <ROW Stoff="Platin" Wert="133"/>
    <ROW Stoff="Quecksilber" Wert="140"/>
    <ROW Stoff="Silber" Wert="235"/>
    <ROW Stoff="Wasser" Wert="4181"/>
    <ROW Stoff="Wolfram" Wert="132"/>
    <ROW Stoff="Zink" Wert="388"/>
    <ROW Stoff="Zinn" Wert="228"/>
  </ROWDATA>
</DATAPACKET>
