<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalculatorKeys</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A calculator key&apos;s tip: %1 what it does, %2 the keyboard key that presses it.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1; Space presses it</source>
        <extracomment>A calculator key&apos;s description for the screen reader; %1 says what it does.</extracomment>
        <translation>%1; die Leertaste drückt sie</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The key that removes the last typed digit; a short caption on a small key.</extracomment>
        <translation>Rück</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>What the C key does: clears the calculation, not the memory.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Esc, which also closes the window</source>
        <translation>Esc, die auch das Fenster schließt</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Enter or =</source>
        <translation>Eingabetaste oder =</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Sqrt</source>
        <translation>Sqrt</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Strg+L</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>In den Speicher</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Strg+M</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Strg+P</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Vom Speicher subtrahieren</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Ziffer %1</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>ErrorBoundary</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>LinkLabel</name>
    <message>
        <source>No mail program could be started to write to

%1

Copy the address to paste it into your mail program.</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden, um an

%1

zu schreiben. Kopieren Sie die Adresse, um sie in Ihr E-Mail-Programm einzufügen.</translation>
    </message>
    <message>
        <source>No web browser could be started to open

%1

Copy the address to paste it into your web browser.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um

%1

zu öffnen. Kopieren Sie die Adresse, um sie in Ihren Webbrowser einzufügen.</translation>
    </message>
    <message>
        <source>Copy Address</source>
        <translation>Adresse kopieren</translation>
    </message>
</context>
<context>
    <name>SpokenResults</name>
    <message>
        <source>Enter %1</source>
        <extracomment>Spoken after a step that stopped for a missing value; %1 names it (&quot;the hourly rate&quot;).</extracomment>
        <translation>Geben Sie %1 ein</translation>
    </message>
    <message>
        <source>Memory cleared</source>
        <translation>Speicher gelöscht</translation>
    </message>
    <message>
        <source>Memory %1</source>
        <extracomment>The calculator&apos;s memory after a memory key; %1 is its value.</extracomment>
        <translation>Speicher %1</translation>
    </message>
</context>
<context>
    <name>WorksheetDocument</name>
    <message>
        <source>Bead Worksheet</source>
        <translation>Perlen-Arbeitsblatt</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <extracomment>The window title: %1 the file&apos;s name, %2 &quot;Bead Worksheet&quot;.</extracomment>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>The bead worksheet has changes that are not saved.

Save them first?</source>
        <translation>Das Perlen-Arbeitsblatt enthält Änderungen, die nicht gespeichert sind.

Möchten Sie sie zuerst speichern?</translation>
    </message>
    <message>
        <source>The bead worksheet &quot;%1&quot; has changes that are not saved.

Save them first?</source>
        <translation>Das Perlen-Arbeitsblatt „%1“ enthält Änderungen, die nicht gespeichert sind.

Möchten Sie sie zuerst speichern?</translation>
    </message>
</context>
<context>
    <name>WorksheetFile</name>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Size MM</source>
        <translation>Größe mm</translation>
    </message>
    <message>
        <source>Size Inch</source>
        <translation>Größe Zoll</translation>
    </message>
    <message>
        <source>Number of Beads</source>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>%1 of row %2</source>
        <extracomment>A box of the worksheet in a message: &quot;Description of row 3&quot;.</extracomment>
        <translation>%1 in Zeile %2</translation>
    </message>
    <message>
        <source>Cannot save the worksheet to %1: %2</source>
        <translation>Das Arbeitsblatt kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot load the worksheet %1: %2</source>
        <translation>Das Arbeitsblatt %1 kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe (FIFO), not a regular file</source>
        <translation>es ist eine Pipe (FIFO), keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than the %1 MB a worksheet file can be</source>
        <translation>es ist größer als die %1 MB, die eine Arbeitsblattdatei haben darf</translation>
    </message>
    <message>
        <source>it is a system file, not a regular file</source>
        <translation>es ist eine Systemdatei, keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>WorksheetPrinting</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used.</source>
        <translation>Der Drucker „%1“ kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The worksheet could not be printed.</source>
        <translation>Das Arbeitsblatt konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>WorksheetRecovery</name>
    <message>
        <source>it is not a recovery file of this program</source>
        <translation>es ist keine Wiederherstellungsdatei dieses Programms</translation>
    </message>
    <message>
        <source>it was written by another version of this program</source>
        <translation>es wurde von einer anderen Version dieses Programms geschrieben</translation>
    </message>
    <message>
        <source>it is incomplete or damaged</source>
        <translation>es ist unvollständig oder beschädigt</translation>
    </message>
    <message>
        <source>it is a link, not a file of this program</source>
        <translation>es ist eine Verknüpfung, keine Datei dieses Programms</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than a worksheet can be (%1 bytes)</source>
        <translation>es ist größer, als ein Arbeitsblatt sein kann (%1 Byte)</translation>
    </message>
    <message>
        <source>it is larger than a worksheet can be</source>
        <translation>es ist größer, als ein Arbeitsblatt sein kann</translation>
    </message>
    <message>
        <source>Cannot write the recovery file %1: %2</source>
        <translation>Die Wiederherstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot protect the recovery file %1: %2</source>
        <translation>Die Wiederherstellungsdatei %1 kann nicht geschützt werden: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetReport</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Size
MM</source>
        <extracomment>Printed column heading over two lines, as narrow as &quot;Size&quot; and &quot;MM&quot;.</extracomment>
        <translation>Größe
mm</translation>
    </message>
    <message>
        <source>Size
Inch</source>
        <translation>Größe
Zoll</translation>
    </message>
    <message>
        <source>Number
of Beads</source>
        <translation>Anzahl
Perlen</translation>
    </message>
    <message>
        <source>Beads
per Inch</source>
        <translation>Perlen
pro Zoll</translation>
    </message>
    <message>
        <source>Length
Inches</source>
        <translation>Länge
in Zoll</translation>
    </message>
    <message>
        <source>Total Length in Inches</source>
        <translation>Gesamtlänge in Zoll</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Printed before the lines left free for handwritten notes.</extracomment>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>orvane::CalculatorDisplay</name>
    <message>
        <source>Calculator display</source>
        <translation>Anzeige des Rechners</translation>
    </message>
</context>
<context>
    <name>orvane::CalculatorPad</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
</context>
<context>
    <name>orvane::CalculatorWindow</name>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
</context>
<context>
    <name>orvane::ColorTabWidget</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Left and Right arrows or Ctrl+Tab change the page.</source>
        <translation>Die Pfeiltasten nach links und rechts oder Strg+Tab wechseln die Seite.</translation>
    </message>
    <message>
        <source>Function GetPageIndexByTabIndex of component %1 of class %2 was called with an invalid parameter (CurrentTabIndex = %3).</source>
        <translation>Die Funktion GetPageIndexByTabIndex der Komponente %1 der Klasse %2 wurde mit einem ungültigen Parameter aufgerufen (CurrentTabIndex = %3).</translation>
    </message>
</context>
<context>
    <name>orvane::NavigationBar</name>
    <message>
        <source>Record navigation</source>
        <translation>Datensatznavigation</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Prior Record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Letzter Datensatz</translation>
    </message>
</context>
<context>
    <name>orvane::WorksheetFiles</name>
    <message>
        <source>Bead Worksheet        (*.bws)</source>
        <translation>Perlen-Arbeitsblatt   (*.bws)</translation>
    </message>
    <message>
        <source>All Files                       (*.*)</source>
        <translation>Alle Dateien                    (*.*)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Bead Worksheet</source>
        <translation>Perlen-Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error: Bead Worksheet not Saved.</source>
        <translation>Fehler: Perlen-Arbeitsblatt nicht gespeichert.</translation>
    </message>
    <message>
        <source>The %1 holds the character &quot;%2&quot; (U+%3), which a worksheet file cannot store.</source>
        <translation>Das Feld %1 enthält das Zeichen „%2“ (U+%3), das eine Arbeitsblattdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Please change it and Save again.</source>
        <translation>Bitte ändern Sie es und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Success:  Bead Worksheet Saved.</source>
        <translation>Erfolg:  Perlen-Arbeitsblatt gespeichert.</translation>
    </message>
    <message>
        <source>Please try to Save Again.</source>
        <translation>Bitte versuchen Sie erneut zu speichern.</translation>
    </message>
    <message>
        <source>Open Bead Worksheet</source>
        <translation>Perlen-Arbeitsblatt öffnen</translation>
    </message>
    <message>
        <source>Some texts in %1 are longer than a box can hold; only their first %2 characters were loaded:</source>
        <translation>Einige Texte in %1 sind länger, als ein Feld fassen kann; nur ihre ersten %2 Zeichen wurden geladen:</translation>
    </message>
    <message>
        <source>Error: Bead Worksheet not Loaded.</source>
        <translation>Fehler: Perlen-Arbeitsblatt nicht geladen.</translation>
    </message>
    <message>
        <source>The file is no longer there; it has been taken off the list of recent worksheets.</source>
        <translation>Die Datei ist nicht mehr vorhanden; sie wurde aus der Liste der zuletzt verwendeten Arbeitsblätter entfernt.</translation>
    </message>
    <message>
        <source>No recent worksheets</source>
        <translation>Keine zuletzt verwendeten Arbeitsblätter</translation>
    </message>
    <message>
        <source>Unsaved Worksheet</source>
        <translation>Nicht gespeichertes Arbeitsblatt</translation>
    </message>
</context>
<context>
    <name>orvane::WorksheetRowsPanel</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Size MM</source>
        <translation>Größe mm</translation>
    </message>
    <message>
        <source>Size Inch</source>
        <translation>Größe Zoll</translation>
    </message>
    <message>
        <source>Number of Beads</source>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>Beads per Inch</source>
        <translation>Perlen pro Zoll</translation>
    </message>
    <message>
        <source>Length Inches</source>
        <translation>Länge in Zoll</translation>
    </message>
    <message>
        <source>Total Length in Inches</source>
        <translation>Gesamtlänge in Zoll</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <extracomment>A box&apos;s name for the screen reader: %1 the column&apos;s heading, %2 the row&apos;s number.</extracomment>
        <translation>%1 Zeile %2</translation>
    </message>
    <message>
        <source>or</source>
        <extracomment>Between the two size boxes of a row: a size in millimetres or in inches.</extracomment>
        <translation>oder</translation>
    </message>
</context>
<context>
    <name>orvane::WorksheetWindow</name>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Recent</source>
        <extracomment>The button that lists the worksheets loaded or saved last.</extracomment>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Recent Worksheets</source>
        <translation>Zuletzt verwendete Arbeitsblätter</translation>
    </message>
    <message>
        <source>Recent worksheets menu, empty</source>
        <translation>Menü der zuletzt verwendeten Arbeitsblätter, leer</translation>
    </message>
    <message numerus="yes">
        <source>Recent worksheets menu, %n entries</source>
        <translation>
            <numerusform>Menü der zuletzt verwendeten Arbeitsblätter, %n Eintrag</numerusform>
            <numerusform>Menü der zuletzt verwendeten Arbeitsblätter, %n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Project</source>
        <extracomment>Spoken before the project&apos;s name once a worksheet is loaded.</extracomment>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Total length in inches</source>
        <translation>Gesamtlänge in Zoll</translation>
    </message>
    <message>
        <source>Worksheet loaded</source>
        <translation>Arbeitsblatt geladen</translation>
    </message>
    <message>
        <source>Worksheet loaded, %1</source>
        <translation>Arbeitsblatt geladen, %1</translation>
    </message>
    <message>
        <source>Worksheet cleared</source>
        <translation>Arbeitsblatt geleert</translation>
    </message>
    <message>
        <source>Clear All undone, Total Length in Inches %1</source>
        <translation>Alles löschen rückgängig gemacht, Gesamtlänge in Zoll %1</translation>
    </message>
    <message>
        <source>Unsaved worksheet restored, Total Length in Inches %1</source>
        <translation>Nicht gespeichertes Arbeitsblatt wiederhergestellt, Gesamtlänge in Zoll %1</translation>
    </message>
</context>
</TS>
