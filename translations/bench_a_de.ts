<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
