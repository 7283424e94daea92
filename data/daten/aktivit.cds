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
    <ROW Stoff="Becquerel" Einheit="Bq" Faktor="1"/>
    <ROW Stoff="Kilobecquerel" Einheit="kBq" Faktor="1000"/>
    <ROW Stoff="Megabecquerel" Einheit="MBq" Faktor="1000000"/>
    <ROW Stoff="Gigabecquerel" Einheit="GBq" Faktor="1E9"/>
    <ROW Stoff="Terabecquerel" Einheit="TBq" Faktor="1E12"/>
    <ROW Stoff="Curie" Einheit="Ci" Faktor="3,7E10"/>
    <ROW Stoff="Millicurie" Einheit="mCi" Faktor="3,7E7"/>
  </ROWDATA>
</DATAPACKET>
