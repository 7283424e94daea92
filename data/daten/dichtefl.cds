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
    <ROW Stoff="Aceton" Wert="790"/>
    <ROW Stoff="Anilin" Wert="1022"/>
    <ROW Stoff="Benzol" Wert="876,5"/>
    <ROW Stoff="Brom" Wert="3103"/>
    <ROW Stoff="Diiodmethan" Wert="3325"/>
    <ROW Stoff="Essigsäure" Wert="1049"/>
    <ROW Stoff="Ethanol" Wert="789,3"/>
    <ROW Stoff="Glycerin" Wert="1261"/>
    <ROW Stoff="Meerwasser" Wert="1025"/>
    <ROW Stoff="Methanol" Wert="791,4"/>
    <ROW Stoff="Quecksilber" Wert="13546"/>
    <ROW Stoff="Tetrachlormethan" Wert="1594"/>
    <ROW Stoff="Toluol" Wert="867"/>
    <ROW Stoff="Wasser" Wert="998,2"/>
  </ROWDATA>
</DATAPACKET>
