<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alloying</name>
    <message>
        <source>Lower the karat with alloy</source>
        <translation>Karat mit Legierung senken</translation>
    </message>
    <message>
        <source>Raise the karat with fine gold</source>
        <translation>Karat mit Feingold erhöhen</translation>
    </message>
    <message>
        <source>Fine silver to sterling</source>
        <translation>Feinsilber zu Sterlingsilber</translation>
    </message>
    <message>
        <source>the weight in grams</source>
        <translation>das Gewicht in Gramm</translation>
    </message>
    <message>
        <source>the gold&apos;s karat</source>
        <extracomment>The gold&apos;s purity in karats, as it is before alloying</extracomment>
        <translation>das Karat des Goldes</translation>
    </message>
    <message>
        <source>the karat wanted</source>
        <translation>das gewünschte Karat</translation>
    </message>
    <message>
        <source>Alloy only lowers the karat: %1 ct is not below %2 ct</source>
        <extracomment>ct: karat, the purity of gold in 24ths</extracomment>
        <translation>Legierung senkt das Karat nur: %1 kt liegt nicht unter %2 kt</translation>
    </message>
    <message>
        <source>Fine gold only raises the karat: %1 ct is not above %2 ct</source>
        <extracomment>ct: karat, the purity of gold in 24ths</extracomment>
        <translation>Feingold erhöht das Karat nur: %1 kt liegt nicht über %2 kt</translation>
    </message>
    <message>
        <source>Adding fine gold never reaches 24 ct: the karat wanted can be at most 23.99</source>
        <extracomment>ct: karat, the purity of gold in 24ths</extracomment>
        <translation>Mit Feingold werden 24 kt nie erreicht: Das gewünschte Karat darf höchstens 23.99 betragen</translation>
    </message>
</context>
<context>
    <name>BeadSteps</name>
    <message>
        <source>Error: Beads per Inch not calculated.

       Please enter bead size
       and try again.</source>
        <extracomment>The indented lines are centred under the first one in the message box.</extracomment>
        <translation>Fehler: Perlen pro Zoll nicht berechnet.

       Bitte geben Sie die Perlengröße ein
       und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error: Stone Area not calculated.

       Please enter stone size
       and try again.</source>
        <extracomment>The indented lines are centred under the first one in the message box.</extracomment>
        <translation>Fehler: Steinfläche nicht berechnet.

       Bitte geben Sie die Steingröße ein
       und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BenchInput</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is below zero: %2 cannot be negative</source>
        <translation>&apos;%1&apos; ist kleiner als null: %2 kann nicht negativ sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is zero: %2 must be above zero</source>
        <translation>&apos;%1&apos; ist null: %2 muss größer als null sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: %2 must be at least %3</source>
        <translation>&apos;%1&apos; ist zu klein: %2 muss mindestens %3 betragen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 can be at most %3</source>
        <translation>&apos;%1&apos; ist zu groß: %2 darf höchstens %3 betragen</translation>
    </message>
    <message>
        <source>a size or length</source>
        <translation>eine Größe oder Länge</translation>
    </message>
    <message>
        <source>100,000 mm</source>
        <translation>100&#xa0;000 mm</translation>
    </message>
    <message>
        <source>an allowance</source>
        <translation>eine Zugabe</translation>
    </message>
    <message>
        <source>a density</source>
        <translation>eine Dichte</translation>
    </message>
    <message>
        <source>a weight</source>
        <translation>ein Gewicht</translation>
    </message>
    <message>
        <source>1,000,000 g</source>
        <translation>1&#xa0;000&#xa0;000 g</translation>
    </message>
    <message>
        <source>a price</source>
        <translation>ein Preis</translation>
    </message>
    <message>
        <source>10,000,000</source>
        <translation>10&#xa0;000&#xa0;000</translation>
    </message>
    <message>
        <source>an amount of money</source>
        <translation>ein Geldbetrag</translation>
    </message>
    <message>
        <source>a percentage</source>
        <translation>ein Prozentsatz</translation>
    </message>
    <message>
        <source>1,000 %</source>
        <translation>1&#xa0;000 %</translation>
    </message>
    <message>
        <source>a number of hours</source>
        <translation>eine Stundenzahl</translation>
    </message>
    <message>
        <source>10,000 hours</source>
        <translation>10&#xa0;000 Stunden</translation>
    </message>
    <message>
        <source>a multiplier</source>
        <translation>ein Faktor</translation>
    </message>
</context>
<context>
    <name>BenchPageKit</name>
    <message>
        <source>%1 in mm</source>
        <extracomment>The name a screen reader gives a size&apos;s millimetre box; %1 is the size (&quot;Wire diameter&quot;)</extracomment>
        <translation>%1 in mm</translation>
    </message>
    <message>
        <source>%1 in inches</source>
        <extracomment>The name a screen reader gives a size&apos;s inch box; %1 is the size (&quot;Wire diameter&quot;)</extracomment>
        <translation>%1 in Zoll</translation>
    </message>
</context>
<context>
    <name>BenchSizeInput</name>
    <message>
        <source>&apos;%1&apos; is below zero: %2 must be 0 or more</source>
        <translation>&apos;%1&apos; ist kleiner als null: %2 muss 0 oder mehr betragen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is below zero: %2 must be more than 0</source>
        <translation>&apos;%1&apos; ist kleiner als null: %2 muss größer als 0 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is zero: %2 must be more than 0</source>
        <translation>&apos;%1&apos; ist null: %2 muss größer als 0 sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: %2 must be at least %3</source>
        <translation>&apos;%1&apos; ist zu klein: %2 muss mindestens %3 betragen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: %2 can be at most %3</source>
        <translation>&apos;%1&apos; ist zu groß: %2 darf höchstens %3 betragen</translation>
    </message>
    <message>
        <source>%1 in inches</source>
        <extracomment>%1 names a size as a message does (&quot;the diameter&quot;); the box it was typed in takes inches</extracomment>
        <translation>%1 in Zoll</translation>
    </message>
    <message>
        <source>%1 in mm</source>
        <extracomment>%1 names a size as a message does (&quot;the diameter&quot;); the box it was typed in takes millimetres</extracomment>
        <translation>%1 in mm</translation>
    </message>
    <message>
        <source>Nothing typed for %1: type a number, then press Enter</source>
        <translation>Es fehlt %1: Geben Sie eine Zahl ein und drücken Sie dann die Eingabetaste</translation>
    </message>
</context>
<context>
    <name>Bezel</name>
    <message>
        <source>Round</source>
        <extracomment>A stone&apos;s outline (girdle)</extracomment>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>the diameter</source>
        <extracomment>Of the stone, as a message names it</extracomment>
        <translation>der Durchmesser</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>die Länge</translation>
    </message>
    <message>
        <source>the width</source>
        <extracomment>Of the stone, as a message names it</extracomment>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the strip&apos;s thickness</source>
        <extracomment>Of the bezel strip, as a message names it</extracomment>
        <translation>die Stärke des Zargenbands</translation>
    </message>
</context>
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
    <name>Casting</name>
    <message>
        <source>Wax</source>
        <translation>Wachs</translation>
    </message>
    <message>
        <source>Castable resin</source>
        <translation>Gießbares Harz</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A model material not in the list, whose density the user types</extracomment>
        <translation>Anderes</translation>
    </message>
</context>
<context>
    <name>ChartTables</name>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Brown &amp; Sharp</source>
        <extracomment>The wire gauge standard (American Wire Gauge), named after its makers.</extracomment>
        <translation>Brown &amp; Sharp</translation>
    </message>
    <message>
        <source>N. America</source>
        <extracomment>North American ring size, abbreviated to fit a narrow column.
----------
Countries whose ring sizes the chart lists; the columns are narrow.</extracomment>
        <translation>N.-Amerika</translation>
    </message>
    <message>
        <source>Dia. (IN)</source>
        <extracomment>Ring diameter in inches, abbreviated to fit a narrow column.</extracomment>
        <translation>Ø (Zoll)</translation>
    </message>
    <message>
        <source>Cir. (IN)</source>
        <extracomment>Ring circumference in inches, abbreviated to fit a narrow column.</extracomment>
        <translation>Umf. (Zoll)</translation>
    </message>
    <message>
        <source>Dia. (MM)</source>
        <extracomment>Ring diameter in millimetres, abbreviated to fit a narrow column.</extracomment>
        <translation>Ø (mm)</translation>
    </message>
    <message>
        <source>Cir. (MM)</source>
        <extracomment>Ring circumference in millimetres, abbreviated to fit a narrow column.</extracomment>
        <translation>Umf. (mm)</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankr.</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschl.</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Switz.</source>
        <extracomment>Switzerland, abbreviated to fit a narrow column.</extracomment>
        <translation>Schweiz</translation>
    </message>
</context>
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
    <name>FractionTable</name>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>MM</source>
        <extracomment>Millimetres, as a column heading.</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>Stone size, abbreviated as a column heading.</extracomment>
        <translation>SS</translation>
    </message>
    <message>
        <source>PP</source>
        <extracomment>Pearl plate, abbreviated as a column heading.</extracomment>
        <translation>PP</translation>
    </message>
</context>
<context>
    <name>JumpRing</name>
    <message>
        <source>European 4-in-1</source>
        <translation>Europäisch 4-in-1</translation>
    </message>
    <message>
        <source>Byzantine</source>
        <translation>Byzantinisch</translation>
    </message>
    <message>
        <source>Half Persian 3-in-1</source>
        <translation>Halbpersisch 3-in-1</translation>
    </message>
    <message>
        <source>Full Persian</source>
        <translation>Vollpersisch</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Spiral 4-in-1</source>
        <translation>Spirale 4-in-1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of figures, &quot;3.2 to 3.6&quot;</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Too tight</source>
        <extracomment>A jump ring for a chainmaille weave: its aspect ratio is below the weave&apos;s range</extracomment>
        <translation>Zu eng</translation>
    </message>
    <message>
        <source>Too loose</source>
        <extracomment>A jump ring for a chainmaille weave: its aspect ratio is above the weave&apos;s range</extracomment>
        <translation>Zu locker</translation>
    </message>
    <message>
        <source>Within the range</source>
        <extracomment>A jump ring for a chainmaille weave: its aspect ratio is within the weave&apos;s range</extracomment>
        <translation>Im Bereich</translation>
    </message>
    <message>
        <source>the inner diameter</source>
        <translation>der Innendurchmesser</translation>
    </message>
    <message>
        <source>the outer diameter</source>
        <translation>der Außendurchmesser</translation>
    </message>
    <message>
        <source>the wire diameter</source>
        <translation>der Drahtdurchmesser</translation>
    </message>
    <message>
        <source>An outer diameter of %1 mm leaves no hole with %2 mm wire: it must be more than twice the wire</source>
        <translation>Ein Außendurchmesser von %1 mm lässt mit %2 mm Draht kein Loch frei: Er muss mehr als doppelt so groß sein wie der Draht</translation>
    </message>
    <message>
        <source>An outer diameter of %1 mm leaves a hole of %2 mm with %3 mm wire: the inner diameter must be at least %4 mm</source>
        <translation>Ein Außendurchmesser von %1 mm lässt mit %3 mm Draht ein Loch von %2 mm frei: Der Innendurchmesser muss mindestens %4 mm betragen</translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>&apos;%1&apos; has both &quot;.&quot; and &quot;,&quot;: a number here takes one decimal point and no thousands separators</source>
        <translation>&apos;%1&apos; enthält sowohl &quot;.&quot; als auch &quot;,&quot;: eine Zahl hat hier höchstens einen Dezimalpunkt und keine Tausendertrennzeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than one &quot;,&quot;: a number here takes one decimal point and no thousands separators</source>
        <translation>&apos;%1&apos; enthält mehr als ein &quot;,&quot;: eine Zahl hat hier höchstens einen Dezimalpunkt und keine Tausendertrennzeichen</translation>
    </message>
</context>
<context>
    <name>KnottedStrand</name>
    <message>
        <source>Choker</source>
        <translation>Choker</translation>
    </message>
    <message>
        <source>Princess</source>
        <translation>Prinzess</translation>
    </message>
    <message>
        <source>Matinee</source>
        <translation>Matinee</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Sautoir</translation>
    </message>
    <message>
        <source>Bracelet</source>
        <translation>Armband</translation>
    </message>
    <message>
        <source>Anklet</source>
        <translation>Fußkettchen</translation>
    </message>
    <message>
        <source>the finished length</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die fertige Länge</translation>
    </message>
    <message>
        <source>the bead size in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Perlengröße in mm</translation>
    </message>
    <message>
        <source>the knot size in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Knotengröße in mm</translation>
    </message>
    <message>
        <source>the clasp length in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Verschlusslänge in mm</translation>
    </message>
    <message>
        <source>The clasp (%1 mm) takes up the whole length (%2 mm): nothing is left for beads</source>
        <translation>Der Verschluss (%1 mm) nimmt die ganze Länge (%2 mm) ein: Für Perlen bleibt nichts übrig</translation>
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
    <name>Metal</name>
    <message>
        <source>Fine silver</source>
        <translation>Feinsilber</translation>
    </message>
    <message>
        <source>Sterling silver</source>
        <translation>Sterlingsilber</translation>
    </message>
    <message>
        <source>Gold 24 ct</source>
        <translation>Gold 24 kt</translation>
    </message>
    <message>
        <source>Gold 22 ct yellow</source>
        <translation>Gold 22 kt gelb</translation>
    </message>
    <message>
        <source>Gold 18 ct yellow</source>
        <translation>Gold 18 kt gelb</translation>
    </message>
    <message>
        <source>Gold 18 ct white (nickel)</source>
        <translation>Gold 18 kt weiß (Nickel)</translation>
    </message>
    <message>
        <source>Gold 18 ct white (palladium)</source>
        <translation>Gold 18 kt weiß (Palladium)</translation>
    </message>
    <message>
        <source>Gold 18 ct rose</source>
        <translation>Gold 18 kt rosé</translation>
    </message>
    <message>
        <source>Gold 14 ct yellow</source>
        <translation>Gold 14 kt gelb</translation>
    </message>
    <message>
        <source>Gold 14 ct white (nickel)</source>
        <translation>Gold 14 kt weiß (Nickel)</translation>
    </message>
    <message>
        <source>Gold 14 ct white (palladium)</source>
        <translation>Gold 14 kt weiß (Palladium)</translation>
    </message>
    <message>
        <source>Gold 14 ct rose</source>
        <translation>Gold 14 kt rosé</translation>
    </message>
    <message>
        <source>Gold 10 ct yellow</source>
        <translation>Gold 10 kt gelb</translation>
    </message>
    <message>
        <source>Gold 9 ct yellow</source>
        <translation>Gold 9 kt gelb</translation>
    </message>
    <message>
        <source>Platinum (pure)</source>
        <translation>Platin (rein)</translation>
    </message>
    <message>
        <source>Platinum 950/iridium</source>
        <translation>Platin 950/Iridium</translation>
    </message>
    <message>
        <source>Platinum 950/ruthenium</source>
        <translation>Platin 950/Ruthenium</translation>
    </message>
    <message>
        <source>Platinum 950/cobalt</source>
        <translation>Platin 950/Kobalt</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Palladium 950/ruthenium</source>
        <translation>Palladium 950/Ruthenium</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Brass</source>
        <translation>Messing</translation>
    </message>
    <message>
        <source>Bronze</source>
        <translation>Bronze</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titan</translation>
    </message>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A metal not in the list, whose density the user types</extracomment>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>troy ounce</source>
        <extracomment>Shown after &quot;Per&quot;: a metal price per troy ounce</extracomment>
        <translation>Feinunze</translation>
    </message>
    <message>
        <source>gram</source>
        <extracomment>Shown after &quot;Per&quot;: a metal price per gram</extracomment>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>pennyweight</source>
        <extracomment>Shown after &quot;Per&quot;: a metal price per pennyweight (dwt)</extracomment>
        <translation>Pennyweight</translation>
    </message>
    <message>
        <source>Round wire</source>
        <translation>Runddraht</translation>
    </message>
    <message>
        <source>Square wire</source>
        <translation>Vierkantdraht</translation>
    </message>
    <message>
        <source>Sheet or bar</source>
        <translation>Blech oder Stab</translation>
    </message>
    <message>
        <source>Ring blank</source>
        <translation>Ringrohling</translation>
    </message>
</context>
<context>
    <name>Pricing</name>
    <message>
        <source>the hourly rate</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>den Stundensatz</translation>
    </message>
    <message>
        <source>the labour hours</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>die Arbeitszeit</translation>
    </message>
    <message>
        <source>the materials or the labour hours</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>das Material oder die Arbeitszeit</translation>
    </message>
    <message>
        <source>the wholesale multiplier</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>den Großhandelsfaktor</translation>
    </message>
    <message>
        <source>the retail multiplier</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>den Verkaufsfaktor</translation>
    </message>
</context>
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
    <name>RingResize</name>
    <message>
        <source>North America</source>
        <translation>Nordamerika</translation>
    </message>
    <message>
        <source>Britain</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>the thickness</source>
        <extracomment>Of the ring&apos;s band, as a message names it</extracomment>
        <translation>die Stärke</translation>
    </message>
    <message>
        <source>the width</source>
        <extracomment>Of the ring&apos;s band, as a message names it</extracomment>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the density</source>
        <translation>die Dichte</translation>
    </message>
</context>
<context>
    <name>SeedBeads</name>
    <message>
        <source>15/0 round</source>
        <translation>15/0 rund</translation>
    </message>
    <message>
        <source>11/0 round</source>
        <translation>11/0 rund</translation>
    </message>
    <message>
        <source>8/0 round</source>
        <translation>8/0 rund</translation>
    </message>
    <message>
        <source>6/0 round</source>
        <translation>6/0 rund</translation>
    </message>
    <message>
        <source>11/0 cylinder</source>
        <translation>11/0 Zylinder</translation>
    </message>
    <message>
        <source>Loom or square stitch</source>
        <translation>Webrahmen oder Square-Stitch</translation>
    </message>
    <message>
        <source>Peyote</source>
        <translation>Peyote-Stich</translation>
    </message>
    <message>
        <source>Brick stitch</source>
        <translation>Brick-Stitch</translation>
    </message>
    <message>
        <source>the width</source>
        <extracomment>Of the beaded piece, as a message names it</extracomment>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>the length</source>
        <extracomment>Of the beaded piece, as a message names it</extracomment>
        <translation>die Länge</translation>
    </message>
</context>
<context>
    <name>SizeChartPages</name>
    <message>
        <source>Low</source>
        <extracomment>The low end of a size range (column heading under &quot;Millimeter Range&quot;).</extracomment>
        <translation>Von</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The high end of a size range (column heading under &quot;Millimeter Range&quot;).</extracomment>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>SizeTables</name>
    <message>
        <source>PP</source>
        <extracomment>Pearl plate, the abbreviation before each number of the list.</extracomment>
        <translation>PP</translation>
    </message>
    <message>
        <source>SS</source>
        <extracomment>Stone size, the abbreviation before each number of the list.</extracomment>
        <translation>SS</translation>
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
    <name>StoneWeight</name>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>Rubin</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Smaragd</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Spinel</source>
        <translation>Spinell</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Tanzanite</source>
        <translation>Tansanit</translation>
    </message>
    <message>
        <source>Peridot</source>
        <translation>Peridot</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amethyst</translation>
    </message>
    <message>
        <source>Citrine</source>
        <translation>Citrin</translation>
    </message>
    <message>
        <source>Quartz</source>
        <translation>Quarz</translation>
    </message>
    <message>
        <source>Garnet (almandine)</source>
        <translation>Granat (Almandin)</translation>
    </message>
    <message>
        <source>Tourmaline</source>
        <translation>Turmalin</translation>
    </message>
    <message>
        <source>Cubic zirconia</source>
        <translation>Zirkonia</translation>
    </message>
    <message>
        <source>Moissanite</source>
        <translation>Moissanit</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A stone not in the list, whose specific gravity the user types</extracomment>
        <translation>Anderer</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Oval</source>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Emerald cut or square</source>
        <translation>Smaragdschliff oder quadratisch</translation>
    </message>
    <message>
        <source>Cushion</source>
        <translation>Kissen</translation>
    </message>
    <message>
        <source>Rectangle (baguette)</source>
        <translation>Rechteck (Baguette)</translation>
    </message>
    <message>
        <source>Pear</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Marquise</source>
        <translation>Navette</translation>
    </message>
    <message>
        <source>diameter² × depth × 0.0061</source>
        <translation>Durchmesser² × Tiefe × 0.0061</translation>
    </message>
    <message>
        <source>((L + W) / 2)² × depth × 0.0062</source>
        <translation>((L + B) / 2)² × Tiefe × 0.0062</translation>
    </message>
    <message>
        <source>L × W × depth × 0.0080 to 0.0106 by L/W</source>
        <translation>L × B × Tiefe × 0.0080 bis 0.0106 nach L/B</translation>
    </message>
    <message>
        <source>L × W × depth × 0.00615 to 0.00575 by L/W</source>
        <translation>L × B × Tiefe × 0.00615 bis 0.00575 nach L/B</translation>
    </message>
    <message>
        <source>L × W × depth × 0.0059</source>
        <translation>L × B × Tiefe × 0.0059</translation>
    </message>
    <message>
        <source>L × W × depth × 0.00565 to 0.00595 by L/W</source>
        <translation>L × B × Tiefe × 0.00565 bis 0.00595 nach L/B</translation>
    </message>
    <message>
        <source>diameter² × depth × SG × 0.0018</source>
        <translation>Durchmesser² × Tiefe × Dichte × 0.0018</translation>
    </message>
    <message>
        <source>((L + W) / 2)² × depth × SG × 0.0020</source>
        <translation>((L + B) / 2)² × Tiefe × Dichte × 0.0020</translation>
    </message>
    <message>
        <source>L × W × depth × SG × 0.0025</source>
        <translation>L × B × Tiefe × Dichte × 0.0025</translation>
    </message>
    <message>
        <source>((L + W) / 2)² × depth × SG × 0.0022</source>
        <translation>((L + B) / 2)² × Tiefe × Dichte × 0.0022</translation>
    </message>
    <message>
        <source>L × W × depth × SG × 0.0026</source>
        <translation>L × B × Tiefe × Dichte × 0.0026</translation>
    </message>
    <message>
        <source>L × W × depth × SG × 0.0018</source>
        <translation>L × B × Tiefe × Dichte × 0.0018</translation>
    </message>
    <message>
        <source>L × W × depth × SG × 0.0017</source>
        <translation>L × B × Tiefe × Dichte × 0.0017</translation>
    </message>
    <message>
        <source>a specific gravity</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>eine Dichte</translation>
    </message>
    <message>
        <source>the least diameter in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>der kleinste Durchmesser in mm</translation>
    </message>
    <message>
        <source>the length in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Länge in mm</translation>
    </message>
    <message>
        <source>the greatest diameter in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>der größte Durchmesser in mm</translation>
    </message>
    <message>
        <source>the width in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Breite in mm</translation>
    </message>
    <message>
        <source>the depth in mm</source>
        <extracomment>Names a box in a message: &quot;&apos;0&apos; is zero: %1 must be more than 0&quot; (German: nominative, with article)</extracomment>
        <translation>die Tiefe in mm</translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>Too many stones to count for this area</source>
        <translation>Für diese Fläche sind es zu viele Steine zum Zählen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is below zero: a size or length cannot be negative</source>
        <translation>&apos;%1&apos; ist kleiner als null: eine Größe oder Länge kann nicht negativ sein</translation>
    </message>
    <message>
        <source>Cannot convert Fraction to Decimal.</source>
        <translation>Der Bruch kann nicht in eine Dezimalzahl umgewandelt werden.</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>&apos;%1&apos; is below zero: a weight cannot be negative</source>
        <translation>&apos;%1&apos; ist kleiner als null: ein Gewicht kann nicht negativ sein</translation>
    </message>
</context>
<context>
    <name>WireGauges</name>
    <message>
        <source>Finer than %1 %2 (%3 mm), the finest in the table</source>
        <extracomment>%1 the gauge system (AWG or SWG), %2 its finest gauge, %3 that gauge&apos;s diameter</extracomment>
        <translation>Feiner als %1 %2 (%3 mm), die feinste Stärke der Tabelle</translation>
    </message>
    <message>
        <source>Thicker than %1 %2 (%3 mm), the thickest in the table</source>
        <extracomment>%1 the gauge system (AWG or SWG), %2 its thickest gauge, %3 that gauge&apos;s diameter</extracomment>
        <translation>Dicker als %1 %2 (%3 mm), die dickste Stärke der Tabelle</translation>
    </message>
    <message>
        <source>a wire diameter</source>
        <extracomment>Names the box in a message (&quot;&apos;0&apos; is zero: a wire diameter in mm must be more than 0&quot;; German: nominative, with article)</extracomment>
        <translation>ein Drahtdurchmesser</translation>
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
    <name>orvane::AlloyingPage</name>
    <message>
        <source>Alloy to &amp;add</source>
        <translation>&amp;Zuzugebende Legierung</translation>
    </message>
    <message>
        <source>Alloy to add in grams</source>
        <translation>Zuzugebende Legierung in Gramm</translation>
    </message>
    <message>
        <source>Alloy = weight × (karat − karat wanted) ÷ karat wanted.</source>
        <translation>Legierung = Gewicht × (Karat − gewünschtes Karat) ÷ gewünschtes Karat.</translation>
    </message>
    <message>
        <source>Fine gold to &amp;add</source>
        <translation>&amp;Zuzugebendes Feingold</translation>
    </message>
    <message>
        <source>Fine gold to add in grams</source>
        <translation>Zuzugebendes Feingold in Gramm</translation>
    </message>
    <message>
        <source>Fine gold = weight × (karat wanted − karat) ÷ (24 − karat wanted).</source>
        <translation>Feingold = Gewicht × (gewünschtes Karat − Karat) ÷ (24 − gewünschtes Karat).</translation>
    </message>
    <message>
        <source>Copper to &amp;add</source>
        <translation>&amp;Zuzugebendes Kupfer</translation>
    </message>
    <message>
        <source>Copper to add in grams</source>
        <translation>Zuzugebendes Kupfer in Gramm</translation>
    </message>
    <message>
        <source>Copper = weight × 75 ÷ 925 (0.0811 × weight): sterling is 925 parts silver in 1000.</source>
        <translation>Kupfer = Gewicht × 75 ÷ 925 (0.0811 × Gewicht): Sterlingsilber hat 925 Teile Silber in 1000.</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Weight in grams</source>
        <translation>Gewicht in Gramm</translation>
    </message>
    <message>
        <source>Gold&apos;s karat</source>
        <extracomment>The gold&apos;s purity in karats, as it is before alloying</extracomment>
        <translation>Karat des Goldes</translation>
    </message>
    <message>
        <source>Karat wanted</source>
        <translation>Gewünschtes Karat</translation>
    </message>
    <message>
        <source>Resulting weight in grams</source>
        <translation>Endgewicht in Gramm</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>&amp;Gewicht</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>ct</source>
        <extracomment>Karat: the purity of gold in 24ths</extracomment>
        <translation>kt</translation>
    </message>
    <message>
        <source>Gold&apos;s &amp;karat</source>
        <translation>&amp;Karat des Goldes</translation>
    </message>
    <message>
        <source>Karat wa&amp;nted</source>
        <translation>Karat ge&amp;wünscht</translation>
    </message>
    <message>
        <source>&amp;Resulting weight</source>
        <translation>&amp;Endgewicht</translation>
    </message>
    <message>
        <source>Alloying</source>
        <translation>Legieren</translation>
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
    <name>orvane::BeadPage</name>
    <message>
        <source>MM</source>
        <extracomment>Millimetres, as a column heading.</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Beads</source>
        <translation>Perlen</translation>
    </message>
    <message>
        <source>Length (In)</source>
        <extracomment>Length of the area in inches, as a column heading.</extracomment>
        <translation>Länge (Zoll)</translation>
    </message>
    <message>
        <source>Width (In)</source>
        <extracomment>Width of the area in inches, as a column heading.</extracomment>
        <translation>Breite (Zoll)</translation>
    </message>
    <message>
        <source>Square</source>
        <extracomment>Stones set in a square pattern (rows side by side), as a column heading.</extracomment>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <extracomment>Stones set in a hexagonal pattern (nested rows), as a column heading.</extracomment>
        <translation>Sechseckig</translation>
    </message>
    <message>
        <source>Bead / Stone Size</source>
        <translation>Perlen-/Steingröße</translation>
    </message>
    <message>
        <source>Beads per Inch</source>
        <translation>Perlen pro Zoll</translation>
    </message>
    <message>
        <source>Number of Beads</source>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>Desired Length in Inches</source>
        <translation>Gewünschte Länge in Zoll</translation>
    </message>
    <message>
        <source>Desired Area In Inches</source>
        <translation>Gewünschte Fläche in Zoll</translation>
    </message>
    <message>
        <source>Stone Pattern</source>
        <translation>Steinanordnung</translation>
    </message>
    <message>
        <source>Stone Spacing (In)</source>
        <translation>Steinabstand (Zoll)</translation>
    </message>
    <message>
        <source>or</source>
        <extracomment>Between the millimetre and the inch box: type the size in either.</extracomment>
        <translation>oder</translation>
    </message>
    <message>
        <source>Bead or stone size in millimeters</source>
        <translation>Perlen- oder Steingröße in Millimeter</translation>
    </message>
    <message>
        <source>Bead or stone size in inches</source>
        <translation>Perlen- oder Steingröße in Zoll</translation>
    </message>
    <message>
        <source>Number of beads</source>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>Beads per inch</source>
        <translation>Perlen pro Zoll</translation>
    </message>
    <message>
        <source>Desired length in inches</source>
        <translation>Gewünschte Länge in Zoll</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Strand length in inches</source>
        <translation>Stranglänge in Zoll</translation>
    </message>
    <message>
        <source>Beads needed for the desired length</source>
        <translation>Benötigte Perlen für die gewünschte Länge</translation>
    </message>
    <message>
        <source>Area length in inches</source>
        <translation>Länge der Fläche in Zoll</translation>
    </message>
    <message>
        <source>Area width in inches</source>
        <translation>Breite der Fläche in Zoll</translation>
    </message>
    <message>
        <source>Stones in a square pattern</source>
        <translation>Steine in quadratischer Anordnung</translation>
    </message>
    <message>
        <source>Stones in a hexagonal pattern</source>
        <translation>Steine in sechseckiger Anordnung</translation>
    </message>
    <message>
        <source>Stone spacing in inches</source>
        <translation>Steinabstand in Zoll</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation>Eingaben löschen</translation>
    </message>
    <message>
        <source>Bead calculator cleared</source>
        <translation>Perlenrechner gelöscht</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>orvane::BenchWindow</name>
    <message>
        <source>Bench</source>
        <extracomment>The jeweller&apos;s workbench: the window of bench calculators</extracomment>
        <translation>Werkbank</translation>
    </message>
    <message>
        <source>Bench calculators</source>
        <translation>Rechner der Werkbank</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Casting</source>
        <extracomment>Metal casting (lost wax)</extracomment>
        <translation>Guss</translation>
    </message>
    <message>
        <source>Pricing</source>
        <extracomment>Working out a piece&apos;s cost and prices</extracomment>
        <translation>Preiskalkulation</translation>
    </message>
</context>
<context>
    <name>orvane::BezelPage</name>
    <message>
        <source>Stone shape</source>
        <translation>Steinform</translation>
    </message>
    <message>
        <source>Diameter</source>
        <extracomment>Of a round stone</extracomment>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>Of the stone</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Strip thickness</source>
        <extracomment>Of the bezel strip (its metal&apos;s thickness)</extracomment>
        <translation>Stärke des Zargenbands</translation>
    </message>
    <message>
        <source>Stone perimeter in mm</source>
        <translation>Steinumfang in mm</translation>
    </message>
    <message>
        <source>Strip length in mm</source>
        <extracomment>The length of bezel strip to cut</extracomment>
        <translation>Länge des Zargenbands in mm</translation>
    </message>
    <message>
        <source>Strip length in inches</source>
        <translation>Länge des Zargenbands in Zoll</translation>
    </message>
    <message>
        <source>Stone &amp;shape</source>
        <translation>Stein&amp;form</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>W&amp;idth</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Strip &amp;thickness</source>
        <translation>Band&amp;stärke</translation>
    </message>
    <message>
        <source>Stone &amp;perimeter</source>
        <translation>Stein&amp;umfang</translation>
    </message>
    <message>
        <source>Strip le&amp;ngth</source>
        <translation>Bandlä&amp;nge</translation>
    </message>
    <message>
        <source>Strip = stone perimeter + π × thickness, along the strip&apos;s middle; an oval by Ramanujan&apos;s rule.</source>
        <translation>Band = Steinumfang + π × Stärke, in der Mitte des Bands gemessen; ein Oval nach Ramanujans Formel.</translation>
    </message>
    <message>
        <source>Bezel Strip</source>
        <translation>Zargenband</translation>
    </message>
    <message>
        <source>&amp;Diameter</source>
        <translation>&amp;Durchmesser</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
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
    <name>orvane::CastingPage</name>
    <message>
        <source>Model weight in grams</source>
        <translation>Modellgewicht in Gramm</translation>
    </message>
    <message>
        <source>Model weig&amp;ht</source>
        <translation>Modell&amp;gewicht</translation>
    </message>
    <message>
        <source>M&amp;odel material</source>
        <translation>M&amp;odellmaterial</translation>
    </message>
    <message>
        <source>Model density in g/cm³</source>
        <translation>Modelldichte in g/cm³</translation>
    </message>
    <message>
        <source>Mo&amp;del density</source>
        <translation>Modell&amp;dichte</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>&amp;Metal</source>
        <translation>&amp;Metall</translation>
    </message>
    <message>
        <source>Metal density in g/cm³</source>
        <translation>Metalldichte in g/cm³</translation>
    </message>
    <message>
        <source>Metal den&amp;sity</source>
        <translation>Metalldic&amp;hte</translation>
    </message>
    <message>
        <source>Allowance for sprue and button in per cent</source>
        <translation>Zugabe für Gusskanal und Gusskegel in Prozent</translation>
    </message>
    <message>
        <source>Extra metal for the sprue and button</source>
        <translation>Zusätzliches Metall für Gusskanal und Gusskegel</translation>
    </message>
    <message>
        <source>A&amp;llowance</source>
        <extracomment>Extra metal for the sprue and button, in per cent</extracomment>
        <translation>&amp;Zugabe</translation>
    </message>
    <message>
        <source>Metal price</source>
        <translation>Metallpreis</translation>
    </message>
    <message>
        <source>Metal p&amp;rice</source>
        <translation>Metall&amp;preis</translation>
    </message>
    <message>
        <source>Price per</source>
        <extracomment>A metal price is per troy ounce, gram or pennyweight</extracomment>
        <translation>Preis pro</translation>
    </message>
    <message>
        <source>&amp;Per</source>
        <extracomment>The unit a metal price is given in: &quot;Per&quot; troy ounce, gram or pennyweight</extracomment>
        <translation>P&amp;ro</translation>
    </message>
    <message>
        <source>Metal weight in grams</source>
        <translation>Metallgewicht in Gramm</translation>
    </message>
    <message>
        <source>Metal (&amp;g)</source>
        <extracomment>The weight of metal the model takes, in grams</extracomment>
        <translation>Me&amp;tall (g)</translation>
    </message>
    <message>
        <source>Pennyweights</source>
        <translation>Pennyweight</translation>
    </message>
    <message>
        <source>Penn&amp;yweights</source>
        <translation>Penn&amp;yweight</translation>
    </message>
    <message>
        <source>Troy ounces</source>
        <translation>Feinunzen</translation>
    </message>
    <message>
        <source>Troy o&amp;unces</source>
        <translation>F&amp;einunzen</translation>
    </message>
    <message>
        <source>Metal cost</source>
        <translation>Metallkosten</translation>
    </message>
    <message>
        <source>Metal &amp;cost</source>
        <translation>Metall&amp;kosten</translation>
    </message>
    <message>
        <source>Metal to metal</source>
        <extracomment>Heading: a piece&apos;s weight made again in another metal</extracomment>
        <translation>Metall zu Metall</translation>
    </message>
    <message>
        <source>Metal to metal: piece made in</source>
        <translation>Metall zu Metall: Stück aus</translation>
    </message>
    <message>
        <source>P&amp;iece in</source>
        <extracomment>The metal the piece is made in now</extracomment>
        <translation>&amp;Stück aus</translation>
    </message>
    <message>
        <source>Piece weight in grams</source>
        <translation>Stückgewicht in Gramm</translation>
    </message>
    <message>
        <source>&amp;Weight (g)</source>
        <translation>Ge&amp;wicht (g)</translation>
    </message>
    <message>
        <source>Metal to metal: made in</source>
        <translation>Metall zu Metall: Ausführung in</translation>
    </message>
    <message>
        <source>M&amp;ade in</source>
        <extracomment>The metal the piece is to be made in</extracomment>
        <translation>A&amp;usführung in</translation>
    </message>
    <message>
        <source>Weight in the new metal in grams</source>
        <translation>Gewicht im neuen Metall in Gramm</translation>
    </message>
    <message>
        <source>&amp;New weight (g)</source>
        <translation>&amp;Neues Gewicht (g)</translation>
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
    <name>orvane::DesignationBox</name>
    <message>
        <source>None</source>
        <comment>the blank item of a size list</comment>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>orvane::FractionsWindow</name>
    <message>
        <source>Fractions and Stone Size</source>
        <translation>Brüche und Steingrößen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fractions of an inch</source>
        <translation>Bruchteile eines Zolls</translation>
    </message>
</context>
<context>
    <name>orvane::GaugePage</name>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>American wire gauge (AWG, Brown and Sharpe)</source>
        <translation>Amerikanische Drahtstärke (AWG, Brown &amp; Sharpe)</translation>
    </message>
    <message>
        <source>Pick</source>
        <extracomment>Shown in an empty list: pick an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>AWG diameter in mm</source>
        <translation>AWG-Durchmesser in mm</translation>
    </message>
    <message>
        <source>AWG diameter in inches</source>
        <translation>AWG-Durchmesser in Zoll</translation>
    </message>
    <message>
        <source>British Standard Wire Gauge (SWG)</source>
        <translation>Britische Standard-Drahtstärke (SWG)</translation>
    </message>
    <message>
        <source>SWG diameter in mm</source>
        <translation>SWG-Durchmesser in mm</translation>
    </message>
    <message>
        <source>SWG diameter in inches</source>
        <translation>SWG-Durchmesser in Zoll</translation>
    </message>
    <message>
        <source>gauge</source>
        <extracomment>Column heading over the gauge numbers</extracomment>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Diameter</source>
        <translation>&amp;Durchmesser</translation>
    </message>
    <message>
        <source>&amp;American (AWG)</source>
        <translation>&amp;Amerikanisch (AWG)</translation>
    </message>
    <message>
        <source>&amp;British (SWG)</source>
        <translation>&amp;Britisch (SWG)</translation>
    </message>
    <message>
        <source>Type a diameter and press Enter for the nearest gauge of each kind, or pick a gauge. 1 inch = 25.4 mm.</source>
        <translation>Geben Sie einen Durchmesser ein und drücken Sie die Eingabetaste für die nächstliegende Drahtstärke jedes Systems, oder wählen Sie eine Drahtstärke. 1&#xa0;Zoll = 25.4&#xa0;mm.</translation>
    </message>
    <message>
        <source>Gauges</source>
        <translation>Drahtstärken</translation>
    </message>
    <message>
        <source>the diameter</source>
        <extracomment>Names the box in &quot;Nothing typed for the diameter: type a number, then press Enter&quot; (German: nominative, with article)</extracomment>
        <translation>der Durchmesser</translation>
    </message>
</context>
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
<context>
    <name>orvane::JumpRingChartPage</name>
    <message>
        <source>Jump ring chart</source>
        <translation>Biegering-Tabelle</translation>
    </message>
</context>
<context>
    <name>orvane::JumpRingPage</name>
    <message>
        <source>Diameter measured</source>
        <translation>Gemessener Durchmesser</translation>
    </message>
    <message>
        <source>Inner diameter</source>
        <translation>Innendurchmesser</translation>
    </message>
    <message>
        <source>Outer diameter</source>
        <translation>Außendurchmesser</translation>
    </message>
    <message>
        <source>AWG</source>
        <extracomment>Shown in the American wire gauge list while no gauge is picked: American Wire Gauge</extracomment>
        <translation>AWG</translation>
    </message>
    <message>
        <source>SWG</source>
        <extracomment>Shown in the British wire gauge list while no gauge is picked: Standard Wire Gauge</extracomment>
        <translation>SWG</translation>
    </message>
    <message>
        <source>Wire gauge, American (AWG)</source>
        <translation>Drahtstärke, amerikanisch (AWG)</translation>
    </message>
    <message>
        <source>Wire gauge, British (SWG)</source>
        <translation>Drahtstärke, britisch (SWG)</translation>
    </message>
    <message>
        <source>Wire diameter</source>
        <translation>Drahtdurchmesser</translation>
    </message>
    <message>
        <source>Inner diameter used, in mm</source>
        <translation>Verwendeter Innendurchmesser, in mm</translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Pick</source>
        <extracomment>Shown in a list while nothing is picked from it: choose an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Weave</source>
        <extracomment>A chainmaille weave</extracomment>
        <translation>Geflecht</translation>
    </message>
    <message>
        <source>Weave&apos;s aspect ratios</source>
        <translation>Seitenverhältnisse des Geflechts</translation>
    </message>
    <message>
        <source>Inner diameters for the weave, in mm</source>
        <translation>Innendurchmesser für das Geflecht, in mm</translation>
    </message>
    <message>
        <source>The ring for the weave</source>
        <extracomment>Whether the ring typed above suits the picked weave</extracomment>
        <translation>Der Ring für das Geflecht</translation>
    </message>
    <message>
        <source>&amp;Measured</source>
        <translation>Ge&amp;messen</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Wire &amp;gauge</source>
        <translation>&amp;Drahtstärke</translation>
    </message>
    <message>
        <source>&amp;Wire diameter</source>
        <translation>D&amp;rahtdurchmesser</translation>
    </message>
    <message>
        <source>Inner diameter &amp;used</source>
        <translation>Ver&amp;wendeter Innendurchmesser</translation>
    </message>
    <message>
        <source>&amp;Aspect ratio</source>
        <translation>&amp;Seitenverhältnis</translation>
    </message>
    <message>
        <source>W&amp;eave</source>
        <translation>&amp;Geflecht</translation>
    </message>
    <message>
        <source>Its aspect &amp;ratios</source>
        <translation>Seiten&amp;verhältnisse dafür</translation>
    </message>
    <message>
        <source>Inner diameters &amp;for it</source>
        <translation>Innendurchmesser da&amp;für</translation>
    </message>
    <message>
        <source>This ri&amp;ng</source>
        <translation>Dieser Ri&amp;ng</translation>
    </message>
    <message>
        <source>Aspect ratio = inner diameter ÷ wire diameter; inner diameter = outer diameter − 2 × wire.</source>
        <translation>Seitenverhältnis = Innendurchmesser ÷ Drahtdurchmesser; Innendurchmesser = Außendurchmesser − 2 × Draht.</translation>
    </message>
    <message>
        <source>Jump Ring</source>
        <translation>Biegering</translation>
    </message>
    <message>
        <source>&amp;Outer diameter</source>
        <translation>&amp;Außendurchmesser</translation>
    </message>
    <message>
        <source>&amp;Inner diameter</source>
        <translation>&amp;Innendurchmesser</translation>
    </message>
</context>
<context>
    <name>orvane::KnottedStrandPage</name>
    <message>
        <source>Standard length</source>
        <translation>Standardlänge</translation>
    </message>
    <message>
        <source>Pick</source>
        <extracomment>Shown in an empty list: pick an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Finished length</source>
        <translation>Fertige Länge</translation>
    </message>
    <message>
        <source>Bead size in mm</source>
        <translation>Perlengröße in mm</translation>
    </message>
    <message>
        <source>Knot size in mm</source>
        <translation>Knotengröße in mm</translation>
    </message>
    <message>
        <source>Clasp length in mm</source>
        <translation>Verschlusslänge in mm</translation>
    </message>
    <message>
        <source>Beads</source>
        <extracomment>The number of beads that fit the strand</extracomment>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>Left over in mm</source>
        <extracomment>The length that remains after the last bead and knot</extracomment>
        <translation>Rest in mm</translation>
    </message>
    <message>
        <source>&amp;Standard length</source>
        <translation>&amp;Standardlänge</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Finished length</source>
        <translation>&amp;Fertige Länge</translation>
    </message>
    <message>
        <source>&amp;Bead size</source>
        <translation>&amp;Perlengröße</translation>
    </message>
    <message>
        <source>&amp;Knot size</source>
        <translation>&amp;Knotengröße</translation>
    </message>
    <message>
        <source>&amp;Clasp length</source>
        <translation>&amp;Verschlusslänge</translation>
    </message>
    <message>
        <source>B&amp;eads</source>
        <extracomment>The number of beads that fit the strand</extracomment>
        <translation>&amp;Anzahl Perlen</translation>
    </message>
    <message>
        <source>&amp;Left over</source>
        <extracomment>The length that remains after the last bead and knot</extracomment>
        <translation>&amp;Rest</translation>
    </message>
    <message>
        <source>Beads = (length − clasp) ÷ (bead + knot), rounded down.</source>
        <translation>Perlen = (Länge − Verschluss) ÷ (Perle + Knoten), abgerundet.</translation>
    </message>
    <message>
        <source>Knotted Strand</source>
        <translation>Geknüpfter Strang</translation>
    </message>
    <message>
        <source>the finished length</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>die fertige Länge</translation>
    </message>
    <message>
        <source>the bead size</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>die Perlengröße</translation>
    </message>
    <message>
        <source>the knot size</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>die Knotengröße</translation>
    </message>
    <message>
        <source>the clasp length</source>
        <extracomment>Spoken after &quot;Enter&quot; as what is still needed (German: accusative, with article)</extracomment>
        <translation>die Verschlusslänge</translation>
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
    <name>orvane::MetalPage</name>
    <message>
        <source>Di&amp;ameter</source>
        <translation>D&amp;urchmesser</translation>
    </message>
    <message>
        <source>Sid&amp;e</source>
        <extracomment>The side of square wire</extracomment>
        <translation>Seit&amp;e</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Side</source>
        <extracomment>The side of square wire</extracomment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>&amp;Metal</source>
        <translation>&amp;Metall</translation>
    </message>
    <message>
        <source>Density in g/cm³</source>
        <translation>Dichte in g/cm³</translation>
    </message>
    <message>
        <source>g/cm³</source>
        <extracomment>Unit symbol: grams per cubic centimetre</extracomment>
        <translation>g/cm³</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Dichte</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>Pick</source>
        <extracomment>Shown in an empty list: pick an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>&amp;Gauge (B&amp;&amp;S)</source>
        <translation>Drah&amp;tstärke (B&amp;&amp;S)</translation>
    </message>
    <message>
        <source>Wire gauge, Brown and Sharp</source>
        <translation>Drahtstärke nach Brown &amp; Sharpe</translation>
    </message>
    <message>
        <source>Ring si&amp;ze (US)</source>
        <translation>Rin&amp;ggröße (US)</translation>
    </message>
    <message>
        <source>Ring size, North American</source>
        <translation>Ringgröße, nordamerikanisch</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Unit symbol: millimetres</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Inner diameter in mm</source>
        <translation>Innendurchmesser in mm</translation>
    </message>
    <message>
        <source>Inner diameter in inches</source>
        <translation>Innendurchmesser in Zoll</translation>
    </message>
    <message>
        <source>&amp;Inner diameter</source>
        <translation>&amp;Innendurchmesser</translation>
    </message>
    <message>
        <source>Thickness in mm</source>
        <extracomment>The thickness of sheet or of a ring blank</extracomment>
        <translation>Stärke in mm</translation>
    </message>
    <message>
        <source>Thickness in inches</source>
        <extracomment>The thickness of sheet or of a ring blank</extracomment>
        <translation>Stärke in Zoll</translation>
    </message>
    <message>
        <source>&amp;Thickness</source>
        <extracomment>The thickness of sheet or of a ring blank</extracomment>
        <translation>&amp;Stärke</translation>
    </message>
    <message>
        <source>Length in mm</source>
        <translation>Länge in mm</translation>
    </message>
    <message>
        <source>Length in inches</source>
        <translation>Länge in Zoll</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Allowance for saw cut and filing in mm</source>
        <translation>Zugabe für Sägeschnitt und Feilen in mm</translation>
    </message>
    <message>
        <source>Extra length for the saw cut and filing</source>
        <translation>Zusätzliche Länge für Sägeschnitt und Feilen</translation>
    </message>
    <message>
        <source>All&amp;owance (mm)</source>
        <extracomment>Extra length of a ring blank for the saw cut and filing</extracomment>
        <translation>&amp;Zugabe (mm)</translation>
    </message>
    <message>
        <source>Volume (mm³)</source>
        <translation>Volumen (mm³)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Pennyweights</source>
        <translation>Pennyweight</translation>
    </message>
    <message>
        <source>Troy ounces</source>
        <translation>Feinunzen</translation>
    </message>
    <message>
        <source>Blank length (mm)</source>
        <translation>Rohlinglänge (mm)</translation>
    </message>
    <message>
        <source>Blank length (inches)</source>
        <translation>Rohlinglänge (Zoll)</translation>
    </message>
    <message>
        <source>Metal price</source>
        <translation>Metallpreis</translation>
    </message>
    <message>
        <source>Price per</source>
        <extracomment>A metal price is per troy ounce, gram or pennyweight</extracomment>
        <translation>Preis pro</translation>
    </message>
    <message>
        <source>Metal cost</source>
        <translation>Metallkosten</translation>
    </message>
    <message>
        <source>&amp;Volume (mm³)</source>
        <translation>&amp;Volumen (mm³)</translation>
    </message>
    <message>
        <source>Gram&amp;s</source>
        <translation>Gr&amp;amm</translation>
    </message>
    <message>
        <source>Pe&amp;nnyweights</source>
        <translation>Penn&amp;yweight</translation>
    </message>
    <message>
        <source>Tro&amp;y ounces</source>
        <translation>Fei&amp;nunzen</translation>
    </message>
    <message>
        <source>&amp;Blank length (mm)</source>
        <translation>Ro&amp;hlinglänge (mm)</translation>
    </message>
    <message>
        <source>Blan&amp;k length (inches)</source>
        <translation>R&amp;ohlinglänge (Zoll)</translation>
    </message>
    <message>
        <source>P&amp;rice</source>
        <translation>P&amp;reis</translation>
    </message>
    <message>
        <source>&amp;Per</source>
        <extracomment>The unit a metal price is given in: &quot;Per&quot; troy ounce, gram or pennyweight</extracomment>
        <translation>&amp;Pro</translation>
    </message>
    <message>
        <source>Metal &amp;cost</source>
        <translation>Metall&amp;kosten</translation>
    </message>
    <message>
        <source>%1 in mm</source>
        <extracomment>A size&apos;s box for millimetres, %1 the size (&quot;Diameter in mm&quot;)</extracomment>
        <translation>%1 in mm</translation>
    </message>
    <message>
        <source>%1 in inches</source>
        <extracomment>A size&apos;s box for inches, %1 the size (&quot;Diameter in inches&quot;)</extracomment>
        <translation>%1 in Zoll</translation>
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
    <name>orvane::PearlPlateChartPage</name>
    <message>
        <source>Pearl Plate (PP)</source>
        <translation>Perlen­platte (PP)</translation>
    </message>
    <message>
        <source>Stone Size (SS)</source>
        <translation>Stein­größe (SS)</translation>
    </message>
    <message>
        <source>Millimeter Range</source>
        <translation>Millimeterbereich</translation>
    </message>
    <message>
        <source>Inch Range</source>
        <translation>Zollbereich</translation>
    </message>
    <message>
        <source>Pearl plate chart</source>
        <translation>Perlenplatten-Tabelle</translation>
    </message>
    <message>
        <source>Millimeter Range Low</source>
        <translation>Millimeterbereich von</translation>
    </message>
    <message>
        <source>Millimeter Range High</source>
        <translation>Millimeterbereich bis</translation>
    </message>
    <message>
        <source>Inch Range Low</source>
        <translation>Zollbereich von</translation>
    </message>
    <message>
        <source>Inch Range High</source>
        <translation>Zollbereich bis</translation>
    </message>
</context>
<context>
    <name>orvane::PricingPage</name>
    <message>
        <source>Materials</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>&amp;Materials</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>&amp;Use metal cost</source>
        <translation>Metallkosten &amp;einsetzen</translation>
    </message>
    <message>
        <source>Use metal cost</source>
        <translation>Metallkosten einsetzen</translation>
    </message>
    <message>
        <source>Puts the last metal cost from the Metal or Casting page into Materials</source>
        <translation>Setzt die zuletzt berechneten Metallkosten der Seite „Metall“ oder „Guss“ als Material ein</translation>
    </message>
    <message>
        <source>Labour hours</source>
        <translation>Arbeitszeit in Stunden</translation>
    </message>
    <message>
        <source>Labour &amp;hours</source>
        <translation>Arbeits&amp;zeit (Std.)</translation>
    </message>
    <message>
        <source>Hourly rate</source>
        <translation>Stundensatz</translation>
    </message>
    <message>
        <source>Hourly &amp;rate</source>
        <translation>&amp;Stundensatz</translation>
    </message>
    <message>
        <source>per hour</source>
        <translation>pro Stunde</translation>
    </message>
    <message>
        <source>Overhead in per cent</source>
        <translation>Gemeinkosten in Prozent</translation>
    </message>
    <message>
        <source>O&amp;verhead</source>
        <extracomment>Overhead costs, in per cent of materials and labour</extracomment>
        <translation>&amp;Gemeinkosten</translation>
    </message>
    <message>
        <source>Wholesale multiplier</source>
        <translation>Großhandelsfaktor</translation>
    </message>
    <message>
        <source>Wholesale = cost × this</source>
        <translation>Großhandelspreis = Kosten × dieser Faktor</translation>
    </message>
    <message>
        <source>&amp;Wholesale ×</source>
        <extracomment>The wholesale multiplier: wholesale price = cost times this</extracomment>
        <translation>Gr&amp;oßhandel ×</translation>
    </message>
    <message>
        <source>Retail multiplier</source>
        <translation>Verkaufsfaktor</translation>
    </message>
    <message>
        <source>Retail = wholesale × this</source>
        <translation>Verkaufspreis = Großhandelspreis × dieser Faktor</translation>
    </message>
    <message>
        <source>R&amp;etail ×</source>
        <extracomment>The retail multiplier: retail price = wholesale price times this</extracomment>
        <translation>&amp;Verkauf ×</translation>
    </message>
    <message>
        <source>Labour</source>
        <translation>Arbeitskosten</translation>
    </message>
    <message>
        <source>&amp;Labour</source>
        <extracomment>The cost of the labour hours</extracomment>
        <translation>&amp;Arbeitskosten</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>(Materials + labour) × (1 + overhead / 100)</source>
        <translation>(Material + Arbeitskosten) × (1 + Gemeinkosten / 100)</translation>
    </message>
    <message>
        <source>&amp;Cost</source>
        <translation>&amp;Kosten</translation>
    </message>
    <message>
        <source>Wholesale</source>
        <translation>Großhandelspreis</translation>
    </message>
    <message>
        <source>Wh&amp;olesale</source>
        <extracomment>The wholesale price</extracomment>
        <translation>Großhan&amp;delspreis</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Verkaufspreis</translation>
    </message>
    <message>
        <source>Re&amp;tail</source>
        <extracomment>The retail price</extracomment>
        <translation>Verkaufs&amp;preis</translation>
    </message>
    <message>
        <source>Puts the metal cost %1 from the %2 page into Materials</source>
        <extracomment>%1 the metal cost, %2 the page&apos;s name (Metal or Casting)</extracomment>
        <translation>Setzt die Metallkosten %1 der Seite „%2“ als Material ein</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>There is no metal cost yet. Work one out on the Metal or Casting page, with a metal price, and press this button again.</source>
        <translation>Es gibt noch keine Metallkosten. Berechnen Sie sie auf der Seite „Metall“ oder „Guss“ mit einem Metallpreis und drücken Sie diese Schaltfläche erneut.</translation>
    </message>
</context>
<context>
    <name>orvane::RingResizePage</name>
    <message>
        <source>Ring size scale</source>
        <extracomment>The system of ring sizes: North American, British, French...</extracomment>
        <translation>Ringgrößensystem</translation>
    </message>
    <message>
        <source>Pick</source>
        <extracomment>Shown in a list while nothing is picked from it: choose an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Ring size now</source>
        <extracomment>The ring&apos;s size as it is, before resizing</extracomment>
        <translation>Jetzige Ringgröße</translation>
    </message>
    <message>
        <source>Ring size wanted</source>
        <translation>Gewünschte Ringgröße</translation>
    </message>
    <message>
        <source>Thickness</source>
        <extracomment>Of the ring&apos;s band (metal stock)</extracomment>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Density in g/cm³</source>
        <translation>Dichte in g/cm³</translation>
    </message>
    <message>
        <source>Inner diameter now, in mm</source>
        <translation>Jetziger Innendurchmesser, in mm</translation>
    </message>
    <message>
        <source>Inner diameter wanted, in mm</source>
        <translation>Gewünschter Innendurchmesser, in mm</translation>
    </message>
    <message>
        <source>Blank length now, in mm</source>
        <extracomment>The length of the ring blank (the straight stock bent into the ring) for the present size</extracomment>
        <translation>Jetzige Länge des Ringrohlings, in mm</translation>
    </message>
    <message>
        <source>Blank length wanted, in mm</source>
        <translation>Gewünschte Länge des Ringrohlings, in mm</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>Größen&amp;system</translation>
    </message>
    <message>
        <source>Ring size &amp;now</source>
        <translation>Ringgröße &amp;jetzt</translation>
    </message>
    <message>
        <source>Ring size &amp;wanted</source>
        <translation>Ringgröße &amp;gewünscht</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Thickness</source>
        <translation>S&amp;tärke</translation>
    </message>
    <message>
        <source>W&amp;idth</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Metal</source>
        <translation>&amp;Metall</translation>
    </message>
    <message>
        <source>&amp;Density</source>
        <translation>&amp;Dichte</translation>
    </message>
    <message>
        <source>now</source>
        <extracomment>Heading of the column of figures for the ring&apos;s present size</extracomment>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>wanted</source>
        <extracomment>Heading of the column of figures for the size the ring is to have</extracomment>
        <translation>gewünscht</translation>
    </message>
    <message>
        <source>Inn&amp;er diameter</source>
        <translation>&amp;Innendurchmesser</translation>
    </message>
    <message>
        <source>&amp;Blank length</source>
        <translation>&amp;Rohlinglänge</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Blank = π × (inner diameter + thickness): about 2.55 mm for each US size.</source>
        <translation>Rohling = π × (Innendurchmesser + Stärke): etwa 2.55 mm je US-Größe.</translation>
    </message>
    <message>
        <source>Ring Resizing</source>
        <translation>Ringgröße ändern</translation>
    </message>
    <message>
        <source>&amp;Length to remove</source>
        <translation>Zu entfernende &amp;Länge</translation>
    </message>
    <message>
        <source>Met&amp;al to remove</source>
        <translation>Zu entfernendes Met&amp;all</translation>
    </message>
    <message>
        <source>Length to remove in mm</source>
        <translation>Zu entfernende Länge in mm</translation>
    </message>
    <message>
        <source>Length to remove in inches</source>
        <translation>Zu entfernende Länge in Zoll</translation>
    </message>
    <message>
        <source>Metal to remove in grams</source>
        <translation>Zu entfernendes Metall in Gramm</translation>
    </message>
    <message>
        <source>&amp;Length to add</source>
        <translation>Einzusetzende &amp;Länge</translation>
    </message>
    <message>
        <source>Met&amp;al to add</source>
        <translation>Einzusetzendes Met&amp;all</translation>
    </message>
    <message>
        <source>Length to add in mm</source>
        <translation>Einzusetzende Länge in mm</translation>
    </message>
    <message>
        <source>Length to add in inches</source>
        <translation>Einzusetzende Länge in Zoll</translation>
    </message>
    <message>
        <source>Metal to add in grams</source>
        <translation>Einzusetzendes Metall in Gramm</translation>
    </message>
</context>
<context>
    <name>orvane::RingSizeChartPage</name>
    <message>
        <source>International ring sizes</source>
        <translation>Internationale Ringgrößen</translation>
    </message>
    <message>
        <source>North American ring sizes</source>
        <translation>Nordamerikanische Ringgrößen</translation>
    </message>
</context>
<context>
    <name>orvane::SeedBeadPage</name>
    <message>
        <source>Pick</source>
        <extracomment>Shown in a list while nothing is picked from it: choose an entry</extracomment>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Bead size</source>
        <translation>Perlengröße</translation>
    </message>
    <message>
        <source>Stitch</source>
        <extracomment>The beadwork stitch the piece is worked in</extracomment>
        <translation>Stich</translation>
    </message>
    <message>
        <source>Width</source>
        <extracomment>Of the beaded piece</extracomment>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Length</source>
        <extracomment>Of the beaded piece</extracomment>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Beads per gram</source>
        <translation>Perlen pro Gramm</translation>
    </message>
    <message>
        <source>Beads per 10 g tube</source>
        <extracomment>Seed beads are sold in tubes of 10 grams</extracomment>
        <translation>Perlen pro 10-g-Röhrchen</translation>
    </message>
    <message>
        <source>Beads per inch</source>
        <translation>Perlen pro Zoll</translation>
    </message>
    <message>
        <source>Columns</source>
        <extracomment>Beads across the piece&apos;s width</extracomment>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <extracomment>Rows of beads along the piece&apos;s length</extracomment>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Beads</source>
        <extracomment>The number of beads in the piece</extracomment>
        <translation>Anzahl Perlen</translation>
    </message>
    <message>
        <source>Grams to buy</source>
        <translation>Zu kaufende Gramm</translation>
    </message>
    <message>
        <source>10 g tubes</source>
        <translation>10-g-Röhrchen</translation>
    </message>
    <message>
        <source>Bead &amp;size</source>
        <translation>Perlen&amp;größe</translation>
    </message>
    <message>
        <source>S&amp;titch</source>
        <translation>&amp;Stich</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Beads per &amp;gram</source>
        <translation>Perlen pro Gra&amp;mm</translation>
    </message>
    <message>
        <source>Per 10 g t&amp;ube</source>
        <extracomment>Beads in a tube of 10 grams</extracomment>
        <translation>Pro 10-g-&amp;Röhrchen</translation>
    </message>
    <message>
        <source>Beads per &amp;inch</source>
        <translation>Perlen pro &amp;Zoll</translation>
    </message>
    <message>
        <source>&amp;Columns × rows</source>
        <translation>Spal&amp;ten × Reihen</translation>
    </message>
    <message>
        <source>&amp;Beads</source>
        <translation>Anzahl &amp;Perlen</translation>
    </message>
    <message>
        <source>Grams to bu&amp;y</source>
        <translation>Gramm zu &amp;kaufen</translation>
    </message>
    <message>
        <source>tubes of 10 g</source>
        <translation>Röhrchen à 10 g</translation>
    </message>
    <message>
        <source>Miyuki&apos;s figures. Loom and peyote: columns = width ÷ bead length along the hole; brick: width ÷ bead width.</source>
        <translation>Angaben von Miyuki. Webrahmen und Peyote: Spalten = Breite ÷ Perlenlänge entlang des Lochs; Brick-Stitch: Breite ÷ Perlenbreite.</translation>
    </message>
    <message>
        <source>Seed Beads</source>
        <translation>Rocailles</translation>
    </message>
</context>
<context>
    <name>orvane::SizeConverter</name>
    <message>
        <source>Pearl Plate</source>
        <translation>Perlenplatte</translation>
    </message>
    <message>
        <source>Stone Size</source>
        <translation>Steingröße</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation>Eingaben löschen</translation>
    </message>
    <message>
        <source>Sizes cleared</source>
        <translation>Größen gelöscht</translation>
    </message>
</context>
<context>
    <name>orvane::StoneSizeChartPage</name>
    <message>
        <source>Stone Size (SS)</source>
        <translation>Stein­größe (SS)</translation>
    </message>
    <message>
        <source>Millimeter Range</source>
        <translation>Millimeterbereich</translation>
    </message>
    <message>
        <source>Inch Range</source>
        <translation>Zollbereich</translation>
    </message>
    <message>
        <source>Stone size chart</source>
        <translation>Steingrößen-Tabelle</translation>
    </message>
    <message>
        <source>Millimeter Range Low</source>
        <translation>Millimeterbereich von</translation>
    </message>
    <message>
        <source>Millimeter Range High</source>
        <translation>Millimeterbereich bis</translation>
    </message>
    <message>
        <source>Inch Range Low</source>
        <translation>Zollbereich von</translation>
    </message>
    <message>
        <source>Inch Range High</source>
        <translation>Zollbereich bis</translation>
    </message>
</context>
<context>
    <name>orvane::StoneWeightPage</name>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Specific gravity</source>
        <translation>Dichte (spezifisches Gewicht)</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Depth in mm</source>
        <translation>Tiefe in mm</translation>
    </message>
    <message>
        <source>Weight in carats</source>
        <translation>Gewicht in Karat</translation>
    </message>
    <message>
        <source>&amp;Stone</source>
        <translation>&amp;Stein</translation>
    </message>
    <message>
        <source>Specific &amp;gravity</source>
        <translation>&amp;Dichte</translation>
    </message>
    <message>
        <source>S&amp;hape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&amp;Depth</source>
        <translation>&amp;Tiefe</translation>
    </message>
    <message>
        <source>&amp;Weight</source>
        <translation>Ge&amp;wicht</translation>
    </message>
    <message>
        <source>ct</source>
        <translation>ct</translation>
    </message>
    <message>
        <source>These are estimates by the usual bench factors: a stone&apos;s cut and proportions can move its true weight by several per cent. Weigh a loose stone to be sure.</source>
        <translation>Dies sind Schätzwerte nach den üblichen Werkstattfaktoren: Schliff und Proportionen eines Steins können sein tatsächliches Gewicht um mehrere Prozent verändern. Wiegen Sie einen losen Stein, um sicherzugehen.</translation>
    </message>
    <message>
        <source>Stone Weight</source>
        <translation>Steingewicht</translation>
    </message>
    <message>
        <source>&amp;Least diameter</source>
        <translation>&amp;Kleinster Durchmesser</translation>
    </message>
    <message>
        <source>&amp;Length</source>
        <translation>&amp;Länge</translation>
    </message>
    <message>
        <source>Greatest d&amp;iameter</source>
        <translation>&amp;Größter Durchmesser</translation>
    </message>
    <message>
        <source>W&amp;idth</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Least diameter in mm</source>
        <translation>Kleinster Durchmesser in mm</translation>
    </message>
    <message>
        <source>Length in mm</source>
        <translation>Länge in mm</translation>
    </message>
    <message>
        <source>Greatest diameter in mm, if it differs</source>
        <translation>Größter Durchmesser in mm, falls abweichend</translation>
    </message>
    <message>
        <source>Width in mm</source>
        <translation>Breite in mm</translation>
    </message>
    <message>
        <source>mm, if it differs</source>
        <extracomment>Beside the greatest diameter of a round stone, which may be left empty</extracomment>
        <translation>mm, falls abweichend</translation>
    </message>
    <message>
        <source>Formula: %1</source>
        <extracomment>%1 the formula the weight is worked out by</extracomment>
        <translation>Formel: %1</translation>
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
<context>
    <name>orvane::WeightPage</name>
    <message>
        <source>Weight Conversion</source>
        <translation>Gewichtsumrechnung</translation>
    </message>
    <message>
        <source>(Enter data and hit Enter Key)</source>
        <translation>(Wert eingeben und Eingabetaste drücken)</translation>
    </message>
    <message>
        <source>Carats</source>
        <translation>Karat (ct)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Troy Ounces</source>
        <translation>Feinunzen</translation>
    </message>
    <message>
        <source>Pennyweights</source>
        <translation>Pennyweight (dwt)</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Grain</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation>Eingaben löschen</translation>
    </message>
    <message>
        <source>Metal…</source>
        <translation>Metall…</translation>
    </message>
    <message>
        <source>Weight of wire, sheet and ring blanks</source>
        <translation>Gewicht von Draht, Blech und Ringrohlingen</translation>
    </message>
    <message>
        <source>Opens the Metal Calculator</source>
        <translation>Öffnet den Metallrechner</translation>
    </message>
    <message>
        <source>Metal weight and cost, casting and pricing: the Bench window (%1)</source>
        <translation>Metallgewicht und -kosten, Guss und Preiskalkulation: das Fenster Werkbank (%1)</translation>
    </message>
    <message>
        <source>Opens the Bench window on its Metal page; %1 opens it from anywhere</source>
        <translation>Öffnet das Fenster Werkbank auf der Seite Metall; %1 öffnet es von überall</translation>
    </message>
    <message>
        <source>Weights cleared</source>
        <translation>Gewichte gelöscht</translation>
    </message>
</context>
<context>
    <name>orvane::WireGaugeChartPage</name>
    <message>
        <source>Wire gauge chart</source>
        <translation>Drahtstärken-Tabelle</translation>
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
