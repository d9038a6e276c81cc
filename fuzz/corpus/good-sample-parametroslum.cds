<?xml version="1.0" standalone="yes"?>
<DATAPACKET Version="2.0">
 <METADATA>
  <FIELDS>
   <FIELD attrname="IDESQUEMA" fieldtype="string" WIDTH="3"/>
   <FIELD attrname="INCOR1" fieldtype="i4"/>
   <FIELD attrname="INCOR2" fieldtype="i4"/>
   <FIELD attrname="INCOR3" fieldtype="i4"/>
   <FIELD attrname="INCOR4" fieldtype="i4"/>
   <FIELD attrname="INCOR5" fieldtype="i4"/>
  </FIELDS>
  <PARAMS/>
 </METADATA>
 <ROWDATA>
  <ROW IDESQUEMA="001" INCOR1="2907084" INCOR2="13421772" INCOR3="8421504" INCOR4="4210752" INCOR5="16777215"/>
 </ROWDATA>
</DATAPACKET>
