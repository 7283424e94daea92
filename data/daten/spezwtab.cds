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
    <ROW Stoff="Aluminium" Wert="2,65E-8"/>
    <ROW Stoff="Blei" Wert="2,08E-7"/>
    <ROW Stoff="Eisen" Wert="9,61E-8"/>
    <ROW Stoff="Gold" Wert="2,21E-8"/>
    <ROW Stoff="Konstantan" Wert="4,9E-7"/>
    <ROW Stoff="Kupfer" Wert="1,68E-8"/>
    <ROW Stoff="Manganin" Wert="4,3E-7"/>
    <ROW Stoff="Nickel" Wert="6,93E-8"/>
    <ROW Stoff="Nickelchrom" Wert="1,10E-6"/>
    <ROW Stoff="Platin" Wert="1,05E-7"/>
    <ROW Stoff="Quecksilber" Wert="9,58E-7"/>
    <ROW Stoff="Silber" Wert="1,59E-8"/>
    <ROW Stoff="Titan" Wert="4,2E-7"/>
    <ROW Stoff="Wolfram" Wert="5,28E-8"/>
    <ROW Stoff="Zink" Wert="5,90E-8"/>
  </ROWDATA>
</DATAPACKET>
