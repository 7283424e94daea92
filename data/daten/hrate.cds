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
    <ROW Stoff="Sievert pro Sekunde" Einheit="Sv/s" Faktor="1"/>
    <ROW Stoff="Sievert pro Stunde" Einheit="Sv/h" Faktor="0,000277777777777778"/>
    <ROW Stoff="Millisievert pro Stunde" Einheit="mSv/h" Faktor="2,77777777777778E-7"/>
    <ROW Stoff="Mikrosievert pro Stunde" Einheit="\c(m)Sv/h" Faktor="2,77777777777778E-10"/>
    <ROW Stoff="Millisievert pro Jahr" Einheit="mSv/a" Faktor="3,1688087814029E-11"/>
  </ROWDATA>
</DATAPACKET>
