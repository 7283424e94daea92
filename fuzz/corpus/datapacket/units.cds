<?xml version="1.0" encoding="UTF-8"?>
<!-- Kommentar -->
<DATAPACKET Version="2.0"><METADATA><FIELDS><FIELD attrname="Stoff" fieldtype="string" WIDTH="30"/><FIELD attrname="Einheit" fieldtype="string" WIDTH="25"/><FIELD attrname="Faktor" fieldtype="string" WIDTH="15"/></FIELDS><PARAMS LCID="1031"/></METADATA><ROWDATA><ROW Stoff="Meter" Einheit="m" Faktor="1"/><ROW Stoff="Kilometer" Einheit="km" Faktor="1000"/><ROW Stoff="Zoll" Einheit="in" Faktor="0,0254"/></ROWDATA></DATAPACKET>
