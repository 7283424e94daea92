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
    <ROW Stoff="Kilogramm" Einheit="kg" Faktor="1"/>
    <ROW Stoff="Gramm" Einheit="g" Faktor="0,001"/>
    <ROW Stoff="Milligramm" Einheit="mg" Faktor="1E-6"/>
    <ROW Stoff="Mikrogramm" Einheit="\c(m)g" Faktor="1E-9"/>
    <ROW Stoff="Tonne" Einheit="t" Faktor="1000"/>
    <ROW Stoff="Doppelzentner" Einheit="dt" Faktor="100"/>
    <ROW Stoff="Pfund" Einheit="Pfd" Faktor="0,5"/>
    <ROW Stoff="Pound" Einheit="lb" Faktor="0,45359237"/>
    <ROW Stoff="Unze" Einheit="oz" Faktor="0,028349523125"/>
    <ROW Stoff="Karat" Einheit="Kt" Faktor="0,0002"/>
    <ROW Stoff="Atomare Masseneinheit" Einheit="u" Faktor="1,66053906660E-27"/>
  </ROWDATA>
</DATAPACKET>
