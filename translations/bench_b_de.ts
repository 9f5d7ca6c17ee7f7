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
</TS>
