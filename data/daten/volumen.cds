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
    <ROW Stoff="Kubikmeter" Einheit="m\u(3)" Faktor="1"/>
    <ROW Stoff="Kubikmillimeter" Einheit="mm\u(3)" Faktor="1E-9"/>
    <ROW Stoff="Kubikzentimeter" Einheit="cm\u(3)" Faktor="1E-6"/>
    <ROW Stoff="Milliliter" Einheit="ml" Faktor="1E-6"/>
    <ROW Stoff="Liter" Einheit="l" Faktor="0,001"/>
    <ROW Stoff="Kubikdezimeter" Einheit="dm\u(3)" Faktor="0,001"/>
    <ROW Stoff="Hektoliter" Einheit="hl" Faktor="0,1"/>
    <ROW Stoff="Kubikzoll" Einheit="in\u(3)" Faktor="0,000016387064"/>
    <ROW Stoff="Kubikfuß" Einheit="ft\u(3)" Faktor="0,028316846592"/>
    <ROW Stoff="Gallone (US)" Einheit="gal (US)" Faktor="0,003785411784"/>
    <ROW Stoff="Gallone (brit.)" Einheit="gal (UK)" Faktor="0,00454609"/>
    <ROW Stoff="Barrel" Einheit="bbl" Faktor="0,158987294928"/>
  </ROWDATA>
</DATAPACKET>
