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
    <ROW Stoff="Aluminium" Wert="2700"/>
    <ROW Stoff="Blei" Wert="11340"/>
    <ROW Stoff="Diamant" Wert="3515"/>
    <ROW Stoff="Eis (0 °C)" Wert="917"/>
    <ROW Stoff="Eisen" Wert="7874"/>
    <ROW Stoff="Gold" Wert="19320"/>
    <ROW Stoff="Kochsalz" Wert="2165"/>
    <ROW Stoff="Kupfer" Wert="8960"/>
    <ROW Stoff="Magnesium" Wert="1738"/>
    <ROW Stoff="Nickel" Wert="8908"/>
    <ROW Stoff="Platin" Wert="21450"/>
    <ROW Stoff="Quarz" Wert="2650"/>
    <ROW Stoff="Silber" Wert="10490"/>
    <ROW Stoff="Stahl (unlegiert)" Wert="7850"/>
    <ROW Stoff="Titan" Wert="4506"/>
    <ROW Stoff="Wolfram" Wert="19250"/>
    <ROW Stoff="Zink" Wert="7140"/>
    <ROW Stoff="Zinn (weiß)" Wert="7265"/>
  </ROWDATA>
</DATAPACKET>
