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
    <ROW Stoff="pro Sekunde" Einheit="1/s" Faktor="-1"/>
    <ROW Stoff="pro Minute" Einheit="1/min" Faktor="60"/>
    <ROW Stoff="pro Stunde" Einheit="1/h" Faktor="3600"/>
    <ROW Stoff="pro Tag" Einheit="1/d" Faktor="86400"/>
    <ROW Stoff="pro Jahr" Einheit="1/a" Faktor="31557600"/>
  </ROWDATA>
</DATAPACKET>
