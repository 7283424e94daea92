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
    <ROW Stoff="Benzin" Wert="4,3E7"/>
    <ROW Stoff="Braunkohlenbrikett" Wert="2,0E7"/>
    <ROW Stoff="Butan" Wert="4,57E7"/>
    <ROW Stoff="Dieselkraftstoff" Wert="4,3E7"/>
    <ROW Stoff="Erdgas H (etwa)" Wert="4,6E7"/>
    <ROW Stoff="Ethanol" Wert="2,68E7"/>
    <ROW Stoff="Heizöl EL" Wert="4,27E7"/>
    <ROW Stoff="Holz (lufttrocken)" Wert="1,5E7"/>
    <ROW Stoff="Koks" Wert="2,9E7"/>
    <ROW Stoff="Methan" Wert="5,0E7"/>
    <ROW Stoff="Methanol" Wert="1,99E7"/>
    <ROW Stoff="Propan" Wert="4,64E7"/>
    <ROW Stoff="Steinkohle" Wert="3,0E7"/>
    <ROW Stoff="Wasserstoff" Wert="1,2E8"/>
  </ROWDATA>
</DATAPACKET>
