<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Stoff" fieldtype="string" WIDTH="30"/>
      <FIELD attrname="Wert" fieldtype="string" WIDTH="25"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Stoff="Aceton" Wert="56,05"/>
    <ROW Stoff="Ammoniak" Wert="-33,34"/>
    <ROW Stoff="Benzol" Wert="80,1"/>
    <ROW Stoff="Blei" Wert="1749"/>
    <ROW Stoff="Eisen" Wert="2862"/>
    <ROW Stoff="Ethanol" Wert="78,37"/>
    <ROW Stoff="Glycerin" Wert="290"/>
    <ROW Stoff="Helium" Wert="-268,9"/>
    <ROW Stoff="Kupfer" Wert="2562"/>
    <ROW Stoff="Methanol" Wert="64,7"/>
    <ROW Stoff="Quecksilber" Wert="356,7"/>
    <ROW Stoff="Sauerstoff" Wert="-183,0"/>
    <ROW Stoff="Stickstoff" Wert="-195,8"/>
    <ROW Stoff="Toluol" Wert="110,6"/>
    <ROW Stoff="Wasser" Wert="99,97"/>
    <ROW Stoff="Wasserstoff" Wert="-252,9"/>
  </ROWDATA>
</DATAPACKET>
