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
    <ROW Stoff="Coulomb" Einheit="C" Faktor="1"/>
    <ROW Stoff="Millicoulomb" Einheit="mC" Faktor="0,001"/>
    <ROW Stoff="Mikrocoulomb" Einheit="\c(m)C" Faktor="1E-6"/>
    <ROW Stoff="Nanocoulomb" Einheit="nC" Faktor="1E-9"/>
    <ROW Stoff="Picocoulomb" Einheit="pC" Faktor="1E-12"/>
    <ROW Stoff="Amperestunde" Einheit="Ah" Faktor="3600"/>
    <ROW Stoff="Milliamperestunde" Einheit="mAh" Faktor="3,6"/>
    <ROW Stoff="Elementarladung" Einheit="e" Faktor="1,602176634E-19"/>
  </ROWDATA>
</DATAPACKET>
