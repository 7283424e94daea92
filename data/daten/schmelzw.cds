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
    <ROW Stoff="Aluminium" Wert="397000"/>
    <ROW Stoff="Blei" Wert="23000"/>
    <ROW Stoff="Eis" Wert="334000"/>
    <ROW Stoff="Eisen" Wert="247000"/>
    <ROW Stoff="Gold" Wert="63700"/>
    <ROW Stoff="Kupfer" Wert="209000"/>
    <ROW Stoff="Magnesium" Wert="349000"/>
    <ROW Stoff="Natrium" Wert="113000"/>
    <ROW Stoff="Nickel" Wert="298000"/>
    <ROW Stoff="Platin" Wert="114000"/>
    <ROW Stoff="Quecksilber" Wert="11400"/>
    <ROW Stoff="Silber" Wert="105000"/>
    <ROW Stoff="Wolfram" Wert="285000"/>
    <ROW Stoff="Zink" Wert="112000"/>
    <ROW Stoff="Zinn" Wert="59200"/>
  </ROWDATA>
</DATAPACKET>
