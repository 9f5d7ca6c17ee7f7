<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>orvane::JumpRingChartPage</name>
    <message>
        <source>Jump ring chart</source>
        <translation>Biegering-Tabelle</translation>
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
</TS>
