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
    <ROW Stoff="Aluminium" Wert="23,1E-6"/>
    <ROW Stoff="Blei" Wert="28,9E-6"/>
    <ROW Stoff="Eisen" Wert="11,8E-6"/>
    <ROW Stoff="Gold" Wert="14,2E-6"/>
    <ROW Stoff="Invar" Wert="1,2E-6"/>
    <ROW Stoff="Kupfer" Wert="16,5E-6"/>
    <ROW Stoff="Magnesium" Wert="24,8E-6"/>
    <ROW Stoff="Nickel" Wert="13,4E-6"/>
    <ROW Stoff="Platin" Wert="8,8E-6"/>
    <ROW Stoff="Silber" Wert="18,9E-6"/>
    <ROW Stoff="Titan" Wert="8,6E-6"/>
    <ROW Stoff="Wolfram" Wert="4,5E-6"/>
    <ROW Stoff="Zink" Wert="30,2E-6"/>
    <ROW Stoff="Zinn" Wert="22,0E-6"/>
  </ROWDATA>
</DATAPACKET>
