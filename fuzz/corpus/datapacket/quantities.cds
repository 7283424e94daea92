<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="NR" fieldtype="r8"/>
      <FIELD attrname="GROESSE" fieldtype="string" WIDTH="70"/>
      <FIELD attrname="BEISPIEL" fieldtype="bin.hex" SUBTYPE="Text"/>
      <FIELD attrname="myNr" fieldtype="i4"/>
      <FIELD attrname="OK" fieldtype="boolean"/>
    </FIELDS>
    <INDEXDEFS>
      <INDEXDEF NAME="DEFAULT_ORDER" FIELDS="NR"/>
    </INDEXDEFS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW NR="1" GROESSE="Masse" BEISPIEL="m = 5 kg&#13;&#10;Ergebnis" myNr="3" OK="TRUE"/>
    <ROW NR="2.5" GROESSE="Wärme" myNr="-1"/>
    <ROW RowState="4"/>
  </ROWDATA>
</DATAPACKET>
