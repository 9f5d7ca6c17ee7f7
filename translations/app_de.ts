<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>there is no home folder to keep it in</source>
        <extracomment>Why the worksheet cannot be kept safe against a crash; completes that sentence</extracomment>
        <translation>es gibt keinen persönlichen Ordner, in dem es aufbewahrt werden könnte</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Why the worksheet cannot be kept safe against a crash; completes that sentence</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <extracomment>Why the worksheet cannot be kept safe against a crash; completes that sentence</extracomment>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>too many copies of the program are running</source>
        <extracomment>Why the worksheet cannot be kept safe against a crash; completes that sentence</extracomment>
        <translation>es laufen zu viele Kopien des Programms</translation>
    </message>
    <message>
        <source>It will be replaced.</source>
        <extracomment>The recovery file that could not be read</extracomment>
        <translation>Die Datei wird ersetzt.</translation>
    </message>
    <message>
        <source>It has been set aside as %1.</source>
        <extracomment>%1 is the new name of the recovery file that could not be read</extracomment>
        <translation>Die Datei wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The unsaved worksheet kept from an earlier run cannot be read from %1: %2.

%3</source>
        <extracomment>%1 the recovery file, %2 why it cannot be read, %3 what becomes of it</extracomment>
        <translation>Das nicht gespeicherte Arbeitsblatt aus einem früheren Programmlauf kann nicht aus %1 gelesen werden: %2.

%3</translation>
    </message>
    <message>
        <source>The unsaved worksheet cannot be kept safe against a crash: %1

Save it to keep it.</source>
        <extracomment>%1 is the reason, ending with a full stop</extracomment>
        <translation>Das nicht gespeicherte Arbeitsblatt kann nicht vor einem Absturz gesichert werden: %1

Speichern Sie es, um es zu behalten.</translation>
    </message>
</context>
<context>
    <name>maker</name>
    <message>
        <source>Copyright © 2026 The Orvane developers. All rights reserved.</source>
        <translation>Copyright © 2026 Die Orvane-Entwickler. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>orvane::AboutPage</name>
    <message>
        <source>Orvane banner</source>
        <translation>Orvane-Banner</translation>
    </message>
    <message>
        <source>A book beside a pocket calculator</source>
        <translation>Ein Buch neben einem Taschenrechner</translation>
    </message>
    <message>
        <source>Ver. %1</source>
        <extracomment>Short for &quot;Version&quot;, before the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Click to visit web site.</source>
        <translation>Klicken Sie, um die Website zu besuchen.</translation>
    </message>
</context>
<context>
    <name>orvane::AppContext</name>
    <message>
        <source>Restore the unsaved worksheet?

Orvane ended before the worksheet was saved. Yes opens it with its rows, unsaved; No throws them away.</source>
        <translation>Das nicht gespeicherte Arbeitsblatt wiederherstellen?

Orvane wurde beendet, bevor das Arbeitsblatt gespeichert war. „Ja“ öffnet es mit seinen Zeilen, nicht gespeichert; „Nein“ verwirft sie.</translation>
    </message>
    <message>
        <source>Restore the unsaved worksheet?

Orvane ended before the worksheet %1 was saved. Yes opens it with its rows, unsaved; No throws them away.</source>
        <extracomment>%1 is the worksheet file&apos;s path</extracomment>
        <translation>Das nicht gespeicherte Arbeitsblatt wiederherstellen?

Orvane wurde beendet, bevor das Arbeitsblatt %1 gespeichert war. „Ja“ öffnet es mit seinen Zeilen, nicht gespeichert; „Nein“ verwirft sie.</translation>
    </message>
    <message>
        <source>Restore Worksheet</source>
        <translation>Arbeitsblatt wiederherstellen</translation>
    </message>
</context>
<context>
    <name>orvane::LinksPage</name>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Check for latest verion of  the program.</source>
        <translation>Hier finden Sie die neueste Version des Programms.</translation>
    </message>
    <message>
        <source>Jewelry making supplies for the professional jewelry 
designer and the hobbyist.</source>
        <extracomment>Two lines broken by hand, about 50 characters each</extracomment>
        <translation>Schmuckbedarf für professionelle Schmuckdesigner
und für alle, die Schmuck als Hobby machen.</translation>
    </message>
    <message>
        <source>About the shop</source>
        <translation>Über den Laden</translation>
    </message>
    <message>
        <source>E-Mail:  %1</source>
        <extracomment>%1 is the mail address</extracomment>
        <translation>E-Mail:  %1</translation>
    </message>
    <message>
        <source>Report program error; contact programmer.</source>
        <translation>Programmfehler melden; Kontakt zum Programmierer.</translation>
    </message>
    <message>
        <source>Donate to Support Programming</source>
        <translation>Für die Programmierung spenden</translation>
    </message>
    <message>
        <source>If you find this program usefull, please consider 
donating to our programming efforts.</source>
        <extracomment>Two lines broken by hand, about 50 characters each</extracomment>
        <translation>Wenn Ihnen das Programm nützt, unterstützen Sie
bitte unsere Arbeit daran mit einer Spende.</translation>
    </message>
    <message>
        <source>About donations</source>
        <translation>Über Spenden</translation>
    </message>
</context>
<context>
    <name>orvane::MainWindow</name>
    <message>
        <source>Orvane Version %1</source>
        <translation>Orvane Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Tab of the page about the program (name, version, rights)</extracomment>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tips</source>
        <extracomment>Tab of the page with hints on using the program</extracomment>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Bead Calculator</source>
        <translation>Perlenrechner</translation>
    </message>
    <message>
        <source>Pearl Plate</source>
        <extracomment>Tab of the Pearl Plate (PP) size chart</extracomment>
        <translation>Perlenplatte</translation>
    </message>
    <message>
        <source>Stone Size</source>
        <extracomment>Tab of the Stone Size (SS) chart</extracomment>
        <translation>Steingröße</translation>
    </message>
    <message>
        <source>Weight</source>
        <extracomment>Tab of the weight converter (carats, grams, ounces...)</extracomment>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Jump Ring</source>
        <extracomment>Tab of the jump ring chart (the open metal rings that join parts)</extracomment>
        <translation>Biegering</translation>
    </message>
    <message>
        <source>Wire Gauge</source>
        <translation>Drahtstärke</translation>
    </message>
    <message>
        <source>Ring Size</source>
        <extracomment>Tab of the finger ring size chart</extracomment>
        <translation>Ringgröße</translation>
    </message>
    <message>
        <source>Links</source>
        <extracomment>Tab of the page with web and mail links</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Ends the program</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Math Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Math Calculator (%1)</source>
        <extracomment>%1 is the key that opens the calculator</extracomment>
        <translation>Rechner (%1)</translation>
    </message>
</context>
<context>
    <name>orvane::TipsPage</name>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Welcome to Orvane</source>
        <translation>Willkommen bei Orvane</translation>
    </message>
    <message>
        <source>Hit the ENTER KEY after making a data entry.  </source>
        <translation>Nach jeder Eingabe die EINGABETASTE drücken.</translation>
    </message>
    <message>
        <source>The Enter Key will  initiate the calculation and in some cases
move you to the next data entry.  This is especially true for the 
Bead Calculator and Bead Worksheet.

Inches may be entered as a fraction (1/4) or as a decimal (0.250).

The 10 Key Pad and Mouse Wheel may be used throughout the 
program.

The Esc Key will close additional open Windows such as the 
Calculator, Help or Worksheet Windows.</source>
        <extracomment>The lines are broken by hand to fit a box about 60 characters wide; break the translation&apos;s lines to fit the same width. &quot;10 Key Pad&quot;: the numeric keypad.</extracomment>
        <translation>Die Eingabetaste startet die Berechnung und führt Sie in
manchen Fällen zur nächsten Eingabe. Das gilt besonders für
den Perlenrechner und das Perlen-Arbeitsblatt.

Zoll geben Sie als Bruch (1/4) oder dezimal (0.250) ein.

Ziffernblock und Mausrad funktionieren im ganzen Programm.

Die Esc-Taste schließt zusätzlich geöffnete Fenster wie
Rechner, Hilfe oder Arbeitsblatt.</translation>
    </message>
</context>
</TS>
