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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Stone Area not calculated.

       Please enter stone size
       and try again.</source>
        <extracomment>The indented lines are centred under the first one in the message box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartTables</name>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brown &amp; Sharp</source>
        <extracomment>The wire gauge standard (American Wire Gauge), named after its makers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N. America</source>
        <extracomment>North American ring size, abbreviated to fit a narrow column.
----------
Countries whose ring sizes the chart lists; the columns are narrow.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dia. (IN)</source>
        <extracomment>Ring diameter in inches, abbreviated to fit a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cir. (IN)</source>
        <extracomment>Ring circumference in inches, abbreviated to fit a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dia. (MM)</source>
        <extracomment>Ring diameter in millimetres, abbreviated to fit a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cir. (MM)</source>
        <extracomment>Ring circumference in millimetres, abbreviated to fit a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Britain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switz.</source>
        <extracomment>Switzerland, abbreviated to fit a narrow column.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FractionTable</name>
    <message>
        <source>Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM</source>
        <extracomment>Millimetres, as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyFilter</name>
    <message>
        <source>&apos;%1&apos; has both &quot;.&quot; and &quot;,&quot;: a number here takes one decimal point and no thousands separators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; has more than one &quot;,&quot;: a number here takes one decimal point and no thousands separators</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeChartPages</name>
    <message>
        <source>Low</source>
        <extracomment>The low end of a size range (column heading under &quot;Millimeter Range&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>The high end of a size range (column heading under &quot;Millimeter Range&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextRules</name>
    <message>
        <source>Too many stones to count for this area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is below zero: a size or length cannot be negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot convert Fraction to Decimal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Weight</name>
    <message>
        <source>&apos;%1&apos; is below zero: a weight cannot be negative</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::BeadPage</name>
    <message>
        <source>MM</source>
        <extracomment>Millimetres, as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length (In)</source>
        <extracomment>Length of the area in inches, as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width (In)</source>
        <extracomment>Width of the area in inches, as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <extracomment>Stones set in a square pattern (rows side by side), as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexagonal</source>
        <extracomment>Stones set in a hexagonal pattern (nested rows), as a column heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bead / Stone Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beads per Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Beads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired Length in Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired Area In Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone Spacing (In)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <extracomment>Between the millimetre and the inch box: type the size in either.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bead or stone size in millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bead or stone size in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of beads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beads per inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired length in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strand length in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beads needed for the desired length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area length in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area width in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stones in a square pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stones in a hexagonal pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone spacing in inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bead calculator cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::DesignationBox</name>
    <message>
        <source>None</source>
        <comment>the blank item of a size list</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::FractionsWindow</name>
    <message>
        <source>Fractions and Stone Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions of an inch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::JumpRingChartPage</name>
    <message>
        <source>Jump ring chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::PearlPlateChartPage</name>
    <message>
        <source>Pearl Plate (PP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone Size (SS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pearl plate chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range High</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::RingSizeChartPage</name>
    <message>
        <source>International ring sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North American ring sizes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::SizeConverter</name>
    <message>
        <source>Pearl Plate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::StoneSizeChartPage</name>
    <message>
        <source>Stone Size (SS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stone size chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeter Range High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inch Range High</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::WeightPage</name>
    <message>
        <source>Weight Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Enter data and hit Enter Key)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troy Ounces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pennyweights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Data Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight of wire, sheet and ring blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Metal Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal weight and cost, casting and pricing: the Bench window (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Bench window on its Metal page; %1 opens it from anywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights cleared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvane::WireGaugeChartPage</name>
    <message>
        <source>Wire gauge chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
