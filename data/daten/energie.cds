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
    <ROW Stoff="Joule" Einheit="J" Faktor="1"/>
    <ROW Stoff="Kilojoule" Einheit="kJ" Faktor="1000"/>
    <ROW Stoff="Megajoule" Einheit="MJ" Faktor="1000000"/>
    <ROW Stoff="Wattsekunde" Einheit="Ws" Faktor="1"/>
    <ROW Stoff="Wattstunde" Einheit="Wh" Faktor="3600"/>
    <ROW Stoff="Kilowattstunde" Einheit="kWh" Faktor="3600000"/>
    <ROW Stoff="Kalorie" Einheit="cal" Faktor="4,184"/>
    <ROW Stoff="Kilokalorie" Einheit="kcal" Faktor="4184"/>
    <ROW Stoff="Elektronvolt" Einheit="eV" Faktor="1,602176634E-19"/>
    <ROW Stoff="Kiloelektronvolt" Einheit="keV" Faktor="1,602176634E-16"/>
    <ROW Stoff="Megaelektronvolt" Einheit="MeV" Faktor="1,602176634E-13"/>
    <ROW Stoff="Erg" Einheit="erg" Faktor="1E-7"/>
    <ROW Stoff="British thermal unit" Einheit="BTU" Faktor="1055,05585262"/>
  </ROWDATA>
</DATAPACKET>
