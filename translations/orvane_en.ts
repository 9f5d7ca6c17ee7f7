<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>orvane::WorksheetWindow</name>
    <message numerus="yes">
        <source>Recent worksheets menu, %n entries</source>
        <translation>
            <numerusform>Recent worksheets menu, %n entry</numerusform>
            <numerusform>Recent worksheets menu, %n entries</numerusform>
        </translation>
    </message>
</context>
</TS>
