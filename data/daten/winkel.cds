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
    <ROW Stoff="Grad" Einheit="°" Faktor="-1"/>
    <ROW Stoff="Bogenminute" Einheit="'" Faktor="60"/>
    <ROW Stoff="Bogensekunde" Einheit="''" Faktor="3600"/>
    <ROW Stoff="Gon" Einheit="gon" Faktor="1,11111111111111"/>
    <ROW Stoff="Radiant" Einheit="rad" Faktor="0,0174532925199433"/>
    <ROW Stoff="Milliradiant" Einheit="mrad" Faktor="17,4532925199433"/>
    <ROW Stoff="Vollwinkel" Einheit="U" Faktor="0,00277777777777778"/>
  </ROWDATA>
</DATAPACKET>
