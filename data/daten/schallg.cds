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
    <ROW Stoff="Luft" Wert="343"/>
    <ROW Stoff="Helium" Wert="1007"/>
    <ROW Stoff="Kohlenstoffdioxid" Wert="267"/>
    <ROW Stoff="Wasserstoff" Wert="1310"/>
    <ROW Stoff="Wasser" Wert="1482"/>
    <ROW Stoff="Ethanol" Wert="1162"/>
    <ROW Stoff="Quecksilber" Wert="1451"/>
    <ROW Stoff="Glycerin" Wert="1923"/>
    <ROW Stoff="Aluminium" Wert="6420"/>
    <ROW Stoff="Blei" Wert="2160"/>
    <ROW Stoff="Eisen" Wert="5950"/>
    <ROW Stoff="Gold" Wert="3240"/>
    <ROW Stoff="Kupfer" Wert="4760"/>
    <ROW Stoff="Silber" Wert="3650"/>
    <ROW Stoff="Glas (Borosilikat)" Wert="5640"/>
  </ROWDATA>
</DATAPACKET>
