<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Form1</name>
    <message>
        <source>Waiting Time P%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Around P%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Laboratorium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;tihan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gantt::GanttChart</name>
    <message>
        <source>idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
