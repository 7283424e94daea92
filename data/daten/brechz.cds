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
    <ROW Stoff="Aceton" Wert="1,359"/>
    <ROW Stoff="Benzol" Wert="1,501"/>
    <ROW Stoff="Diamant" Wert="2,417"/>
    <ROW Stoff="Eis" Wert="1,309"/>
    <ROW Stoff="Ethanol" Wert="1,361"/>
    <ROW Stoff="Flintglas (F2)" Wert="1,620"/>
    <ROW Stoff="Kochsalz" Wert="1,544"/>
    <ROW Stoff="Kronglas (BK7)" Wert="1,5168"/>
    <ROW Stoff="Luft (0 °C, 1013,25 hPa)" Wert="1,000293"/>
    <ROW Stoff="Plexiglas" Wert="1,491"/>
    <ROW Stoff="Quarzglas" Wert="1,458"/>
    <ROW Stoff="Saphir" Wert="1,768"/>
    <ROW Stoff="Schwefelkohlenstoff" Wert="1,628"/>
    <ROW Stoff="Vakuum" Wert="1"/>
    <ROW Stoff="Wasser" Wert="1,333"/>
  </ROWDATA>
</DATAPACKET>
