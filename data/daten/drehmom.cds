<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Stoff" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="Einheit" fieldtype="string" WIDTH="25"/>
      <FIELD attrname="Faktor" fieldtype="string" WIDTH="30"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Stoff="Newtonmeter" Einheit="N\mm" Faktor="1"/>
    <ROW Stoff="Newtonzentimeter" Einheit="N\mcm" Faktor="0,01"/>
    <ROW Stoff="Kilonewtonmeter" Einheit="kN\mm" Faktor="1000"/>
    <ROW Stoff="Kilopondmeter" Einheit="kp\mm" Faktor="9,80665"/>
  </ROWDATA>
</DATAPACKET>
