<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>VConnexion</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
