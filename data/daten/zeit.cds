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
    <ROW Stoff="Sekunde" Einheit="s" Faktor="1"/>
    <ROW Stoff="Nanosekunde" Einheit="ns" Faktor="1E-9"/>
    <ROW Stoff="Mikrosekunde" Einheit="\c(m)s" Faktor="1E-6"/>
    <ROW Stoff="Millisekunde" Einheit="ms" Faktor="0,001"/>
    <ROW Stoff="Minute" Einheit="min" Faktor="60"/>
    <ROW Stoff="Stunde" Einheit="h" Faktor="3600"/>
    <ROW Stoff="Tag" Einheit="d" Faktor="86400"/>
    <ROW Stoff="Woche" Einheit="Wo" Faktor="604800"/>
    <ROW Stoff="Jahr (julianisch)" Einheit="a" Faktor="31557600"/>
  </ROWDATA>
</DATAPACKET>
