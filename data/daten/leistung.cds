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
    <ROW Stoff="Watt" Einheit="W" Faktor="1"/>
    <ROW Stoff="Milliwatt" Einheit="mW" Faktor="0,001"/>
    <ROW Stoff="Kilowatt" Einheit="kW" Faktor="1000"/>
    <ROW Stoff="Megawatt" Einheit="MW" Faktor="1000000"/>
    <ROW Stoff="Gigawatt" Einheit="GW" Faktor="1E9"/>
    <ROW Stoff="Pferdestärke" Einheit="PS" Faktor="735,49875"/>
    <ROW Stoff="Horsepower" Einheit="hp" Faktor="745,69987158227"/>
    <ROW Stoff="Kilokalorie pro Stunde" Einheit="kcal/h" Faktor="1,16222222222222"/>
  </ROWDATA>
</DATAPACKET>
