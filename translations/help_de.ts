<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>orvane::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>License</source>
        <extracomment>Tab of the help window: the licence agreement and the disclaimer</extracomment>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Stone Size</source>
        <extracomment>Tab of the help window: help on the stone size converter (PP and SS sizes)</extracomment>
        <translation>Steingröße</translation>
    </message>
    <message>
        <source>Bead Calculator</source>
        <extracomment>Tab of the help window: help on the bead calculator page</extracomment>
        <translation>Perlenrechner</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <extracomment>Tab of the help window: help on the bead worksheet window</extracomment>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Disclaimer and Warranty</source>
        <translation>Haftungsausschluss und Gewährleistung</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button that closes the help window</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Bead Calculator help</source>
        <translation>Hilfe zum Perlenrechner</translation>
    </message>
    <message>
        <source>Worksheet help</source>
        <translation>Hilfe zum Arbeitsblatt</translation>
    </message>
</context>
</TS>
