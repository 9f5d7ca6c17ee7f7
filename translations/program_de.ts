<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Speaks the language given by its code (%1) instead of the desktop&apos;s.</source>
        <translation>Verwendet die mit ihrem Kürzel (%1) angegebene Sprache statt der des Desktops.</translation>
    </message>
    <message>
        <source>Orvane: reference and calculation tool for jewellery makers and bead workers.</source>
        <translation>Orvane: Nachschlage- und Rechenwerkzeug für Schmuck- und Perlenarbeiten.</translation>
    </message>
    <message>
        <source>A bead worksheet (.bws) to open.</source>
        <translation>Ein Perlen-Arbeitsblatt (.bws), das geöffnet werden soll.</translation>
    </message>
    <message>
        <source>Orvane does not speak the language &quot;%1&quot;; it speaks %2.</source>
        <translation>Orvane kennt die Sprache „%1“ nicht; verfügbar sind %2.</translation>
    </message>
    <message>
        <source>Only one worksheet can be opened at a time.</source>
        <translation>Es kann jeweils nur ein Arbeitsblatt geöffnet werden.</translation>
    </message>
    <message>
        <source>Usage: orvane [options] [worksheet]</source>
        <extracomment>The first line of --help; &quot;orvane&quot; and the option words are typed as they stand.</extracomment>
        <translation>Aufruf: orvane [Optionen] [Arbeitsblatt]</translation>
    </message>
</context>
</TS>
