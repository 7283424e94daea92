<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0">
  <METADATA>
    <FIELDS>
      <FIELD attrname="Groesse" fieldtype="string" WIDTH="50"/>
      <FIELD attrname="Symbol" fieldtype="string" WIDTH="50"/>
      <FIELD attrname="Einheit" fieldtype="string" WIDTH="50"/>
      <FIELD attrname="DATEI" fieldtype="string" WIDTH="50"/>
      <FIELD attrname="Variable" fieldtype="string" WIDTH="50"/>
    </FIELDS>
    <PARAMS/>
  </METADATA>
  <ROWDATA>
    <ROW Groesse="Dichte fester Stoffe (20 °C)" Symbol="\c(r)" Einheit="kg/m\u(3)" DATEI="dichtefe.cds" Variable="RHO"/>
    <ROW Groesse="Dichte von Flüssigkeiten (20 °C)" Symbol="\c(r)" Einheit="kg/m\u(3)" DATEI="dichtefl.cds" Variable="RHO"/>
    <ROW Groesse="Dichte von Gasen (0 °C, 1013,25 hPa)" Symbol="\c(r)" Einheit="kg/m\u(3)" DATEI="dichtega.cds" Variable="RHO"/>
    <ROW Groesse="Spezifische Wärmekapazität (25 °C)" Symbol="c" Einheit="J/(kg\mK)" DATEI="waermkap.cds" Variable="CSPEZ"/>
    <ROW Groesse="Spezifischer elektrischer Widerstand (20 °C)" Symbol="\c(r)" Einheit="\c(W)\mm" DATEI="spezwtab.cds" Variable="RHOEL"/>
    <ROW Groesse="Schmelztemperatur (1013,25 hPa)" Symbol="\c(J)\d(S)" Einheit="°C" DATEI="schmelzt.cds" Variable="THETAS"/>
    <ROW Groesse="Siedetemperatur (1013,25 hPa)" Symbol="\c(J)\d(V)" Einheit="°C" DATEI="siedet.cds" Variable="THETAV"/>
    <ROW Groesse="Längenausdehnungskoeffizient (25 °C)" Symbol="\c(a)" Einheit="1/K" DATEI="ausdehn.cds" Variable="ALPHAL"/>
    <ROW Groesse="Brechzahl (Natrium-D-Linie, 589 nm)" Symbol="n" DATEI="brechz.cds" Variable="BZ"/>
    <ROW Groesse="Wärmeleitfähigkeit (25 °C)" Symbol="\c(l)" Einheit="W/(m\mK)" DATEI="waermlei.cds" Variable="LAMBDAW"/>
    <ROW Groesse="Spezifische Schmelzwärme" Symbol="q\d(s)" Einheit="J/kg" DATEI="schmelzw.cds" Variable="QSCHM"/>
    <ROW Groesse="Spezifische Verdampfungswärme (am Siedepunkt)" Symbol="q\d(v)" Einheit="J/kg" DATEI="verdampf.cds" Variable="QVERD"/>
    <ROW Groesse="Elastizitätsmodul" Symbol="E" Einheit="Pa" DATEI="emodul.cds" Variable="EMOD"/>
    <ROW Groesse="Gleitreibungszahl (Richtwerte, trocken)" Symbol="\c(m)" DATEI="gleitrei.cds" Variable="MU"/>
    <ROW Groesse="Haftreibungszahl (Richtwerte, trocken)" Symbol="\c(m)\d(H)" DATEI="haftrei.cds" Variable="MUH"/>
    <ROW Groesse="Heizwert (Richtwerte)" Symbol="H\d(i)" Einheit="J/kg" DATEI="heizwert.cds" Variable="HEIZW"/>
    <ROW Groesse="Wärmeleitfähigkeit von Baustoffen (Richtwerte)" Symbol="\c(l)" Einheit="W/(m\mK)" DATEI="waermbau.cds" Variable="LAMBDAW"/>
    <ROW Groesse="Schallgeschwindigkeit (20 °C, Längswellen)" Symbol="c" Einheit="m/s" DATEI="schallg.cds" Variable="CPH"/>
  </ROWDATA>
</DATAPACKET>
