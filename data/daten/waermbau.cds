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
    <ROW Stoff="Beton (Normalbeton)" Wert="2,0"/>
    <ROW Stoff="Stahlbeton" Wert="2,3"/>
    <ROW Stoff="Vollziegelmauerwerk" Wert="0,81"/>
    <ROW Stoff="Kalksandsteinmauerwerk" Wert="0,99"/>
    <ROW Stoff="Porenbeton" Wert="0,12"/>
    <ROW Stoff="Kalkzementputz" Wert="1,0"/>
    <ROW Stoff="Gipskartonplatte" Wert="0,25"/>
    <ROW Stoff="Nadelholz" Wert="0,13"/>
    <ROW Stoff="Fensterglas" Wert="1,0"/>
    <ROW Stoff="Mineralwolle" Wert="0,035"/>
    <ROW Stoff="Polystyrol-Hartschaum (EPS)" Wert="0,035"/>
    <ROW Stoff="Polyurethan-Hartschaum" Wert="0,025"/>
    <ROW Stoff="Luft (ruhend)" Wert="0,026"/>
    <ROW Stoff="Stahl" Wert="50"/>
  </ROWDATA>
</DATAPACKET>
