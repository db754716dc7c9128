<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>Advice</name>
    <message>
        <source>the cable's weight is negative</source>
        <translation>das Kabelgewicht ist negativ</translation>
    </message>
    <message>
        <source>the cable's weight is no finite number</source>
        <translation>das Kabelgewicht ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>the coefficient of friction is negative</source>
        <translation>der Reibungskoeffizient ist negativ</translation>
    </message>
    <message>
        <source>the coefficient of friction is no finite number</source>
        <translation>der Reibungskoeffizient ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>link %1 has a negative length</source>
        <translation>Abschnitt %1 hat eine negative Länge</translation>
    </message>
    <message>
        <source>link %1 holds a figure beyond the computer's numbers</source>
        <translation>Abschnitt %1 enthält eine Zahl jenseits der Rechnerzahlen</translation>
    </message>
    <message>
        <source>Even the best pull exceeds the allowable tension of %1 at link %2</source>
        <translation>Selbst der beste Zug überschreitet die zulässige Zugkraft von %1 in Abschnitt %2</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure exceeds %1 at link %2</source>
        <translation>Der Seitenwanddruck überschreitet %1 in Abschnitt %2</translation>
    </message>
    <message>
        <source>Pulled forward, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>Vorwärts gezogen läuft das Kabel in Abschnitt %1 unter seinem Eigengewicht: dort zurückhalten</translation>
    </message>
    <message>
        <source>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>Rückwärts gezogen läuft das Kabel in Abschnitt %1 unter seinem Eigengewicht: dort zurückhalten</translation>
    </message>
    <message>
        <source>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</source>
        <extracomment>%1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension leaving it forward and in reverse with all of its weight.</extracomment>
        <translation>Abschnitt %1 ist ein so langer Bogen, dass sein Gewicht, %2 Reibung, mehr als 1% der austretenden Zugkraft ausmacht, und das Gewicht in der Bogenebene lässt es aus: mit dem ganzen Gewicht tritt die Zugkraft mit %3 vorwärts und %4 rückwärts aus</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n more such bends)</source>
        <comment>%1 (%n more such bend)</comment>
        <translation>
            <numerusform>%1 (%n weiterer solcher Bogen)</numerusform>
            <numerusform>%1 (%n weitere solche Bögen)</numerusform>
        </translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>rückwärts gezogen</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>vorwärts gezogen</translation>
    </message>
    <message>
        <source>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</source>
        <extracomment>%1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.</extracomment>
        <translation>Zwischenzugstelle nach Abschnitt %1 wie empfohlen: %2, höchste Zugkraft %3; ohne sie vorwärts %4, rückwärts %5</translation>
    </message>
    <message>
        <source>Either way: %1 each way</source>
        <translation>In beiden Richtungen gleich: %1 je Richtung</translation>
    </message>
    <message>
        <source>Pull forward: %1% lower, %2 against %3</source>
        <extracomment>%1 how much lower in whole per cent, %2 the lower tension, %3 the higher.</extracomment>
        <translation>Vorwärts ziehen: %1% niedriger, %2 gegenüber %3</translation>
    </message>
    <message>
        <source>Pull in reverse: %1% lower, %2 against %3</source>
        <translation>Rückwärts ziehen: %1% niedriger, %2 gegenüber %3</translation>
    </message>
    <message>
        <source>%1; a mid-assist point after link %2, %3, lowers it to %4</source>
        <extracomment>%1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in reverse", %4 the tension.</extracomment>
        <translation>%1; eine Zwischenzugstelle nach Abschnitt %2, %3, senkt sie auf %4</translation>
    </message>
    <message>
        <source>%1; no mid-assist advice: %2</source>
        <translation>%1; keine Empfehlung für eine Zwischenzugstelle: %2</translation>
    </message>
    <message>
        <source>%1; no mid-assist point lowers it</source>
        <translation>%1; keine Zwischenzugstelle senkt sie</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The advice, then its findings.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>link %1 has a negative coefficient of friction</source>
        <translation>Abschnitt %1 hat einen negativen Reibungskoeffizienten</translation>
    </message>
</context>
<context>
    <name>Bending</name>
    <message>
        <source>non-shielded power</source>
        <translation>ungeschirmtes Energiekabel</translation>
    </message>
    <message>
        <source>shielded or lead-covered power</source>
        <translation>geschirmtes oder bleiummanteltes Energiekabel</translation>
    </message>
    <message>
        <source>metal-clad, smooth sheath</source>
        <translation>metallgeschützt, glatter Mantel</translation>
    </message>
    <message>
        <source>metal-clad, interlocked or corrugated</source>
        <translation>metallgeschützt, verzahnt oder gewellt</translation>
    </message>
    <message>
        <source>fibre optic</source>
        <translation>Lichtwellenleiter</translation>
    </message>
    <message>
        <source>a multiple of the diameter</source>
        <translation>ein Vielfaches des Durchmessers</translation>
    </message>
    <message>
        <source>kind not known</source>
        <translation>Art nicht bekannt</translation>
    </message>
    <message>
        <source>%1 × OD pulling, %2 × OD installed, %3</source>
        <extracomment>The fibre optic rule: %1 the multiple under tension, %2 installed.</extracomment>
        <translation>%1 × AD beim Zug, %2 × AD verlegt, %3</translation>
    </message>
    <message>
        <source>%1 × OD, %2</source>
        <extracomment>A bending rule: %1 the multiple of the outside diameter, %2 the cable's kind.</extracomment>
        <translation>%1 × AD, %2</translation>
    </message>
</context>
<context>
    <name>CableSet</name>
    <message>
        <source>%1: give the conductor material of group %2</source>
        <extracomment>%1 the tension rule's name, %2 the group's number.</extracomment>
        <translation>%1: Leitermaterial von Gruppe %2 angeben</translation>
    </message>
    <message>
        <source>%1: give the conductor size of group %2</source>
        <translation>%1: Leiterquerschnitt von Gruppe %2 angeben</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>%1 × %2: OD %3, %4</source>
        <extracomment>A group of a cable set: %1 how many, %2 the cable's description, %3 its outside diameter, %4 its weight.</extracomment>
        <translation>%1 × %2: AD %3, %4</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>size not given</source>
        <extracomment>A conductor's size and material: "500 kcmil copper".</extracomment>
        <translation>Querschnitt nicht angegeben</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n conductors</source>
        <comment>%n conductor</comment>
        <translation>
            <numerusform>%n Leiter</numerusform>
            <numerusform>%n Leiter</numerusform>
        </translation>
    </message>
    <message>
        <source>rating %1</source>
        <translation>Belastbarkeit %1</translation>
    </message>
    <message>
        <source>Pulling eye on the conductors</source>
        <translation>Ziehkopf auf den Leitern</translation>
    </message>
    <message>
        <source>Pulling eye, single conductors conservatively</source>
        <translation>Ziehkopf, Einzelleiter (vorsichtig)</translation>
    </message>
    <message>
        <source>Basket grip</source>
        <translation>Kabelziehstrumpf</translation>
    </message>
    <message>
        <source>Cable ratings</source>
        <translation>Belastbarkeit der Kabel</translation>
    </message>
    <message>
        <source>As typed in the planner</source>
        <translation>Wie im Planer eingegeben</translation>
    </message>
    <message>
        <source>%1: give the rating of group %2</source>
        <translation>%1: Belastbarkeit von Gruppe %2 angeben</translation>
    </message>
    <message>
        <source>%1 "%2": %3</source>
        <extracomment>%1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.</extracomment>
        <translation>%1 „%2“: %3</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>keine positive Zahl</translation>
    </message>
    <message>
        <source>not a number of 0 or more</source>
        <translation>keine Zahl von 0 oder mehr</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 1000 (no pull holds more)</source>
        <translation>keine ganze Zahl von 1 bis 1000 (mehr fasst kein Zug)</translation>
    </message>
    <message>
        <source>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</source>
        <translation>kein Leiterquerschnitt (AWG wie 6 oder 1/0, kcmil, mm2)</translation>
    </message>
    <message>
        <source>not a conductor material (cu or al)</source>
        <translation>kein Leiterwerkstoff (cu oder al)</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 10000 (no cable holds more)</source>
        <translation>keine ganze Zahl von 1 bis 10000 (mehr hat kein Kabel)</translation>
    </message>
    <message>
        <source>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</source>
        <translation>keine Kabelart (shielded, non-shielded, mc-smooth, mc-interlocked, fibre oder ein Vielfaches des Durchmessers)</translation>
    </message>
</context>
<context>
    <name>Cables</name>
    <message>
        <source>CABLE</source>
        <extracomment>The cable library's column headings: each one word, without blanks (the columns are found by them).</extracomment>
        <translation>KABEL</translation>
    </message>
    <message>
        <source>AREA</source>
        <translation>FLÄCHE</translation>
    </message>
    <message>
        <source>MODULUS</source>
        <translation>E-MODUL</translation>
    </message>
    <message>
        <source>DIAM</source>
        <translation>DURCHM</translation>
    </message>
    <message>
        <source>EXP/K</source>
        <translation>AUSD/K</translation>
    </message>
    <message>
        <source>EXP/F</source>
        <translation>AUSD/F</translation>
    </message>
    <message>
        <source>RATING</source>
        <translation>NENNLAST</translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>Undefined: bend length is 0</source>
        <translation>Nicht definiert: Bogenlänge ist 0</translation>
    </message>
    <message>
        <source>Unlimited: no weight or friction</source>
        <translation>Unbegrenzt: kein Gewicht oder keine Reibung</translation>
    </message>
    <message>
        <source>None: an input is negative</source>
        <translation>Keine: eine Eingabe ist negativ</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the cables do not fit this conduit</source>
        <translation>die Kabel passen nicht in dieses Schutzrohr</translation>
    </message>
    <message>
        <source>The cables do not fit this conduit</source>
        <translation>Die Kabel passen nicht in dieses Schutzrohr</translation>
    </message>
    <message>
        <source>single cable</source>
        <translation>Einzelkabel</translation>
    </message>
    <message>
        <source>two cables</source>
        <translation>zwei Kabel</translation>
    </message>
    <message>
        <source>five or more cables</source>
        <translation>fünf oder mehr Kabel</translation>
    </message>
    <message>
        <source>triangular</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>cradled</source>
        <translation>in Wiegenlage</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>erheblich</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>mäßig</translation>
    </message>
    <message>
        <source>small</source>
        <translation>gering</translation>
    </message>
    <message>
        <source>very small</source>
        <translation>sehr gering</translation>
    </message>
    <message>
        <source>mixed sizes: no jam band</source>
        <translation>gemischte Größen: kein Klemmbereich</translation>
    </message>
    <message>
        <source>three cables lie triangular or cradled, not in a diamond</source>
        <translation>drei Kabel liegen im Dreieck oder in Wiegenlage, nicht als Raute</translation>
    </message>
    <message>
        <source>four cables lie cradled or in a diamond, not triangular</source>
        <translation>vier Kabel liegen in Wiegenlage oder als Raute, nicht im Dreieck</translation>
    </message>
    <message>
        <source>The arrangement does not suit the number of cables</source>
        <translation>Die Anordnung passt nicht zur Anzahl der Kabel</translation>
    </message>
    <message>
        <source>in both pulls</source>
        <translation>in beiden Zugrichtungen</translation>
    </message>
    <message>
        <source>in the forward pull</source>
        <translation>im Vorwärtszug</translation>
    </message>
    <message>
        <source>in the reverse pull</source>
        <translation>im Rückwärtszug</translation>
    </message>
    <message>
        <source>Sidewall pressure exceeds %1 at link %2 %3</source>
        <extracomment>%1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls ("in both pulls").</extracomment>
        <translation>Der Seitenwanddruck überschreitet %1 in Abschnitt %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</source>
        <comment>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</comment>
        <translation>
            <numerusform>Der Seitenwanddruck überschreitet %1 in Abschnitt %2 %3 und an %n weiteren Bogen</numerusform>
            <numerusform>Der Seitenwanddruck überschreitet %1 in Abschnitt %2 %3 und an %n weiteren Bögen</numerusform>
        </translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the forward pull: hold it back</source>
        <translation>Das Kabel läuft in Abschnitt %1 des Vorwärtszugs unter seinem Eigengewicht: zurückhalten</translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the reverse pull: hold it back</source>
        <translation>Das Kabel läuft in Abschnitt %1 des Rückwärtszugs unter seinem Eigengewicht: zurückhalten</translation>
    </message>
    <message>
        <source>Reverse pull exceeds the allowable tension at link %1</source>
        <translation>Der Rückwärtszug überschreitet die zulässige Zugkraft in Abschnitt %1</translation>
    </message>
    <message>
        <source>Forward pull exceeds the allowable tension at link %1</source>
        <translation>Der Vorwärtszug überschreitet die zulässige Zugkraft in Abschnitt %1</translation>
    </message>
    <message>
        <source>Pull OK</source>
        <translation>Zug in Ordnung</translation>
    </message>
    <message>
        <source>no cable outside diameter</source>
        <translation>kein Außendurchmesser des Kabels</translation>
    </message>
    <message>
        <source>Enter the cable's outside diameter</source>
        <translation>Geben Sie den Außendurchmesser des Kabels ein</translation>
    </message>
    <message>
        <source>no conduit inside diameter</source>
        <translation>kein Innendurchmesser des Schutzrohrs</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter</source>
        <translation>Geben Sie den Innendurchmesser des Schutzrohrs ein</translation>
    </message>
    <message>
        <source>no clearance formula for this arrangement</source>
        <translation>keine Freiraumformel für diese Anordnung</translation>
    </message>
    <message>
        <source>The clearance is below the minimum</source>
        <translation>Der Freiraum liegt unter dem Minimum</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2%</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.</extracomment>
        <translation>Der Füllgrad von %1% überschreitet die Grenze der Elektrovorschrift von %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk)</source>
        <extracomment>%1 the risk: "significant" or "moderate".</extracomment>
        <translation>Die Kabel können klemmen (Risiko: %1)</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A usual sidewall pressure limit: %1 the type of cable, %2 the limit with its unit.
----------
%1 the allowable tension, %2 the rule it comes from.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Enter a bend radius above 0, or leave the box empty to take each bend's radius from its length and angle</source>
        <translation>Geben Sie einen Biegeradius über 0 ein oder lassen Sie das Feld leer, um den Radius jedes Bogens aus Länge und Winkel zu nehmen</translation>
    </message>
    <message>
        <source>Enter a rating above 0</source>
        <translation>Geben Sie eine Belastbarkeit über 0 ein</translation>
    </message>
    <message>
        <source>no links in the plan</source>
        <translation>der Plan hat keine Abschnitte</translation>
    </message>
    <message>
        <source>%1 at link %2, no allowable tension: %3</source>
        <extracomment>%1 the highest tension, %2 its link, %3 what the allowable tension lacks.</extracomment>
        <translation>%1 in Abschnitt %2, keine zulässige Zugkraft: %3</translation>
    </message>
    <message>
        <source>give it in the planner</source>
        <translation>im Zugkraftrechner angeben</translation>
    </message>
    <message>
        <source>%1 at link %2, allowable %3</source>
        <translation>%1 in Abschnitt %2, zulässig %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cables weighing %1, largest OD %2</source>
        <comment>%n cable weighing %1, largest OD %2</comment>
        <extracomment>%n cables, %1 their weight per length, %2 the largest outside diameter.</extracomment>
        <translation>
            <numerusform>%n Kabel mit %1, größter AD %2</numerusform>
            <numerusform>%n Kabel mit %1, größter AD %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, jam risk %2</source>
        <translation>%1, Klemmrisiko %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for one cable</source>
        <extracomment>%1 the fill in per cent, %2 the code's limit in whole per cent.</extracomment>
        <translation>%1%, innerhalb der %2% der Elektrovorschrift für ein Kabel</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for two cables</source>
        <translation>%1%, innerhalb der %2% der Elektrovorschrift für zwei Kabel</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for more than two cables</source>
        <translation>%1%, innerhalb der %2% der Elektrovorschrift für mehr als zwei Kabel</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for one cable</source>
        <translation>%1%, über der %2% der Elektrovorschrift für ein Kabel</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for two cables</source>
        <translation>%1%, über der %2% der Elektrovorschrift für zwei Kabel</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for more than two cables</source>
        <translation>%1%, über der %2% der Elektrovorschrift für mehr als zwei Kabel</translation>
    </message>
    <message>
        <source>Without a mid-assist point: %1</source>
        <translation>Ohne Zwischenzugstelle: %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, below the minimum of %2</source>
        <extracomment>%1 the clearance, %2 the minimum; both with their unit.</extracomment>
        <translation>%1, unter dem Minimum von %2</translation>
    </message>
    <message>
        <source>%1, minimum %2</source>
        <translation>%1, Minimum %2</translation>
    </message>
    <message>
        <source>angle 0</source>
        <translation>Winkel 0</translation>
    </message>
    <message>
        <source>no radius</source>
        <translation>kein Radius</translation>
    </message>
    <message>
        <source>%1, over both ways</source>
        <translation>%1, in beiden Richtungen überschritten</translation>
    </message>
    <message>
        <source>%1, over forward</source>
        <translation>%1, vorwärts überschritten</translation>
    </message>
    <message>
        <source>%1, over reverse</source>
        <translation>%1, rückwärts überschritten</translation>
    </message>
    <message>
        <source>Interlocked armour</source>
        <translation>Verzahnte Bewehrung</translation>
    </message>
    <message>
        <source>Control and 600 V cable</source>
        <translation>Steuer- und 600-V-Kabel</translation>
    </message>
    <message>
        <source>Power cable 600 V to 35 kV</source>
        <translation>Energiekabel 600 V bis 35 kV</translation>
    </message>
    <message>
        <source>%1 from link %2</source>
        <extracomment>%1 what is wrong with a stretch's conduit, %2 the link it starts at.</extracomment>
        <translation>%1 ab Abschnitt %2</translation>
    </message>
    <message>
        <source>The clearance is below the minimum from link %1</source>
        <translation>Der Freiraum liegt ab Abschnitt %1 unter dem Minimum</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2% from link %3</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent, %3 the link the conduit starts at.</extracomment>
        <translation>Der Füllgrad von %1% überschreitet ab Abschnitt %3 die Grenze der Elektrovorschrift von %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk) from link %2</source>
        <extracomment>%1 the risk: "significant" or "moderate", %2 the link the conduit starts at.</extracomment>
        <translation>Die Kabel können ab Abschnitt %2 klemmen (Risiko: %1)</translation>
    </message>
    <message numerus="yes">
        <source>The bending radius was not checked for %n cables whose kind is not known</source>
        <comment>The bending radius was not checked for %n cable whose kind is not known</comment>
        <extracomment>%n cables whose kind is not given.</extracomment>
        <translation>
            <numerusform>Der Biegeradius wurde für %n Kabel unbekannter Art nicht geprüft</numerusform>
            <numerusform>Der Biegeradius wurde für %n Kabel unbekannter Art nicht geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</source>
        <extracomment>%1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.</extracomment>
        <translation>Der Bogen in Abschnitt %1 hat einen Radius von %2, unter dem kleinsten Biegeradius des Kabels von %3 (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</source>
        <translation>Der Bogen in Abschnitt %1 hat einen Radius von %2, unter dem kleinsten Biegeradius des Kabels von %3 unter Zugkraft (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</source>
        <translation>Der Bogen in Abschnitt %1 hat einen Radius von %2, unter dem kleinsten Biegeradius des Kabels von %3 im verlegten Zustand (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more bends</source>
        <comment>%1, and %n more bend</comment>
        <translation>
            <numerusform>%1, und an %n weiteren Bogen</numerusform>
            <numerusform>%1, und an %n weiteren Bögen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1° of bends from link %2 to link %3, more than 360° between pull points</source>
        <extracomment>%1 the degrees of the stretch's bends, %2 and %3 its first and last links.</extracomment>
        <translation>%1° Bögen von Abschnitt %2 bis Abschnitt %3, mehr als 360° zwischen Zugstellen</translation>
    </message>
    <message>
        <source>Enter a cable kind or a multiple of the diameter above 0</source>
        <translation>Geben Sie eine Kabelart oder ein Vielfaches des Durchmessers über 0 ein</translation>
    </message>
    <message>
        <source>%1 pulling, %2 trained (%3)</source>
        <extracomment>%1 the least radius under pulling tension, %2 once trained in place, %3 the rule.</extracomment>
        <translation>%1 beim Zug, %2 verlegt (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bends tighter</source>
        <comment>%1: %n bend tighter</comment>
        <translation>
            <numerusform>%1: %n Bogen enger</numerusform>
            <numerusform>%1: %n Bögen enger</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every bend wide enough</source>
        <translation>%1: jeder Bogen weit genug</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°, over 360°</source>
        <extracomment>A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.</extracomment>
        <translation>Abschnitte %1 bis %2: %3°, über 360°</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°</source>
        <translation>Abschnitte %1 bis %2: %3°</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; no conduit is checked without the cables of the pull check</source>
        <translation>%1; ohne die Kabel der Zugprüfung wird kein Schutzrohr geprüft</translation>
    </message>
    <message>
        <source>The coefficient "%1" is no number from 0 and no entry of the friction library</source>
        <extracomment>%1 the coefficient as typed.</extracomment>
        <translation>Der Koeffizient „%1“ ist weder eine Zahl ab 0 noch ein Eintrag der Reibungsbibliothek</translation>
    </message>
    <message>
        <source>The direction "%1" is neither forward nor reverse</source>
        <translation>Die Richtung „%1“ ist weder vorwärts noch rückwärts</translation>
    </message>
    <message>
        <source>The mid-assist point "%1" is not the number of a link of the plan</source>
        <translation>Die Zwischenzugstelle „%1“ ist keine Nummer eines Abschnitts des Plans</translation>
    </message>
    <message>
        <source>An option with a mid-assist point pulls both halves: it takes no direction</source>
        <translation>Eine Variante mit Zwischenzugstelle zieht beide Hälften: sie nimmt keine Richtung</translation>
    </message>
    <message>
        <source>The back tension "%1" is not a number</source>
        <translation>Die Rückhaltekraft „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>The conduit's inside diameter "%1" is not a number above 0</source>
        <translation>Der Innendurchmesser des Schutzrohrs „%1“ ist keine Zahl über 0</translation>
    </message>
    <message>
        <source>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</source>
        <extracomment>%1 the best option's number, %2 its highest tension, %3 the next option's highest tension, %4 that option's number.</extracomment>
        <translation>Variante %1 zieht mit der niedrigsten Höchstzugkraft, %2, gegen %3 bei Variante %4</translation>
    </message>
    <message>
        <source>Option %1 is the only one pulled, with %2</source>
        <translation>Variante %1 ist die einzige gezogene, mit %2</translation>
    </message>
    <message>
        <source>μ %1</source>
        <extracomment>A coefficient of friction.</extracomment>
        <translation>μ %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A coefficient and the friction library entry it comes from.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>vorwärts gezogen</translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>rückwärts gezogen</translation>
    </message>
    <message>
        <source>mid-assist point after link %1</source>
        <translation>Zwischenzugstelle nach Abschnitt %1</translation>
    </message>
    <message>
        <source>back tension %1</source>
        <translation>Rückhaltekraft %1</translation>
    </message>
    <message>
        <source>conduit ID %1</source>
        <translation>Schutzrohr-ID %1</translation>
    </message>
    <message>
        <source>the plan as it is</source>
        <translation>der Plan, wie er ist</translation>
    </message>
    <message>
        <source>%1 at link %2</source>
        <translation>%1 in Abschnitt %2</translation>
    </message>
</context>
<context>
    <name>Conduits</name>
    <message>
        <source>Schedule 40 pipe</source>
        <translation>Rohr Schedule 40</translation>
    </message>
    <message>
        <source>SDR 11 pipe</source>
        <translation>Rohr SDR 11</translation>
    </message>
    <message>
        <source>SDR 13.5 pipe</source>
        <translation>Rohr SDR 13.5</translation>
    </message>
    <message>
        <source>Electrical metallic tubing</source>
        <translation>Elektro-Metallrohr, dünnwandig (EMT)</translation>
    </message>
    <message>
        <source>Electrical nonmetallic tubing</source>
        <translation>Elektro-Kunststoffrohr, flexibel (ENT)</translation>
    </message>
    <message>
        <source>Flexible metal conduit</source>
        <translation>Flexibles Metallschutzrohr (FMC)</translation>
    </message>
    <message>
        <source>Intermediate metal conduit</source>
        <translation>Mittelschweres Metallschutzrohr (IMC)</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type A</source>
        <translation>Flüssigkeitsdichtes flexibles Kunststoffschutzrohr, Typ A</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type B</source>
        <translation>Flüssigkeitsdichtes flexibles Kunststoffschutzrohr, Typ B</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type C</source>
        <translation>Flüssigkeitsdichtes flexibles Kunststoffschutzrohr, Typ C</translation>
    </message>
    <message>
        <source>Liquidtight flexible metal conduit</source>
        <translation>Flüssigkeitsdichtes flexibles Metallschutzrohr</translation>
    </message>
    <message>
        <source>Rigid metal conduit</source>
        <translation>Starres Metallschutzrohr (RMC)</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 80</source>
        <translation>Starres PVC-Schutzrohr, Schedule 80</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 40, and HDPE conduit</source>
        <translation>Starres PVC-Schutzrohr, Schedule 40, und HDPE-Schutzrohr</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type A</source>
        <translation>Starres PVC-Schutzrohr, Typ A</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type EB</source>
        <translation>Starres PVC-Schutzrohr, Typ EB</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>Equipment</name>
    <message>
        <source>forward pull</source>
        <translation>Vorwärtszug</translation>
    </message>
    <message>
        <source>reverse pull</source>
        <translation>Rückwärtszug</translation>
    </message>
    <message>
        <source>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</source>
        <translation>Höchste Zugkraft im %1 des Kabelsatzes, wie die Zugprüfung sie berechnet: %2 in Abschnitt %3</translation>
    </message>
    <message>
        <source>Highest tension of the %1: %2 at link %3</source>
        <translation>Höchste Zugkraft im %1: %2 in Abschnitt %3</translation>
    </message>
    <message>
        <source>%1, with the plan's mid-assist point after link %2.</source>
        <extracomment>The plan's own mid-assist point is already in the pull's tensions.</extracomment>
        <translation>%1, mit der Zwischenzugstelle des Plans nach Abschnitt %2.</translation>
    </message>
    <message>
        <source>%1; with a mid-assist point after link %2, pulled %3: %4.</source>
        <translation>%1; mit einer Zwischenzugstelle nach Abschnitt %2, %3 gezogen: %4.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>vorwärts</translation>
    </message>
    <message>
        <source>in reverse</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Puller: give its rating.</source>
        <translation>Seilwinde: Nennzugkraft angeben.</translation>
    </message>
    <message>
        <source>Puller: too weak, %1 against the pull's %2.</source>
        <translation>Seilwinde: zu schwach, %1 gegenüber %2 des Zugs.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</source>
        <translation>Seilwinde: %1, Reserve %2 %; ihre Nennzugkraft übersteigt die zulässige Zugkraft des Kabels von %3: einen Begrenzer (oder ein Sollbruchglied) auf die zulässige Zugkraft einstellen.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %.</source>
        <translation>Seilwinde: %1, Reserve %2 %.</translation>
    </message>
    <message>
        <source>Rope: a breaking strength of at least %1 serves</source>
        <translation>Zugseil: eine Bruchkraft von mindestens %1 genügt</translation>
    </message>
    <message>
        <source>%1; %2 serves (working load %3)</source>
        <translation>%1; %2 genügt (Arbeitslast %3)</translation>
    </message>
    <message>
        <source>%1; %2 is too weak</source>
        <translation>%1; %2 ist zu schwach</translation>
    </message>
    <message>
        <source>%1. The design factor is below 4</source>
        <translation>%1. Der Sicherheitsfaktor liegt unter 4</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor, over its rating.</source>
        <translation>Seilrolle in Abschnitt %1: %2 auf ihr und ihrer Verankerung, über ihrer Belastbarkeit.</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor (no rating given).</source>
        <translation>Seilrolle in Abschnitt %1: %2 auf ihr und ihrer Verankerung (keine Belastbarkeit angegeben).</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor.</source>
        <translation>Seilrolle in Abschnitt %1: %2 auf ihr und ihrer Verankerung.</translation>
    </message>
    <message>
        <source>Capstan tail force:</source>
        <translation>Haltekraft am Spill:</translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1 (more than a person holds)</source>
        <comment>%n wrap %1 (more than a person holds)</comment>
        <translation>
            <numerusform>%n Windung %1 (mehr, als ein Mensch hält)</numerusform>
            <numerusform>%n Windungen %1 (mehr, als ein Mensch hält)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1</source>
        <comment>%n wrap %1</comment>
        <translation>
            <numerusform>%n Windung %1</numerusform>
            <numerusform>%n Windungen %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2;</source>
        <translation>%1 %2;</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>The equipment serves this pull.</source>
        <translation>Die Ausrüstung genügt für diesen Zug.</translation>
    </message>
    <message>
        <source>The equipment does not serve this pull.</source>
        <translation>Die Ausrüstung genügt für diesen Zug nicht.</translation>
    </message>
    <message>
        <source>the puller's rating</source>
        <translation>die Nennzugkraft der Seilwinde</translation>
    </message>
    <message>
        <source>the rope's breaking strength</source>
        <translation>die Bruchkraft des Zugseils</translation>
    </message>
    <message>
        <source>the sheaves' rating</source>
        <translation>die Belastbarkeit der Seilrollen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not yet known whether the equipment serves this pull: give %1.</source>
        <translation>Noch nicht bekannt, ob die Ausrüstung für diesen Zug genügt: %1 angeben.</translation>
    </message>
    <message>
        <source>No bend is marked as turned on a sheave (mark one in the planner's options).</source>
        <translation>Kein Bogen ist als über eine Seilrolle geführt markiert (im Planer unter Optionen markieren).</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the document could not be drawn</source>
        <translation>das Dokument konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket), so nothing is written there</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket), darum wird dort nichts geschrieben</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>too many symbolic links lead to it</source>
        <translation>zu viele symbolische Links führen dorthin</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>es bezeichnet einen Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>no new file could be made in its folder</source>
        <translation>in ihrem Ordner konnte keine neue Datei angelegt werden</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>Fill</name>
    <message>
        <source>over</source>
        <translation>über</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>erfüllt</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This feature requires an internet connection.  Do you wish to continue?</source>
        <translation>Diese Funktion benötigt eine Internetverbindung.  Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</source>
        <translation>Diese Funktion benötigt eine Internetverbindung und Adobe Acrobat.  Eine schnelle Verbindung wird empfohlen.  Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Please enter a number</source>
        <translation>Bitte geben Sie eine Zahl ein</translation>
    </message>
    <message>
        <source>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</source>
        <translation>Geben Sie einen Koeffizienten zwischen 0 und 1 ein.  Wenn Sie ihn nicht kennen, nehmen Sie 0,5</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>it is not a JSON document</source>
        <translation>es ist kein JSON-Dokument</translation>
    </message>
    <message>
        <source>it is not a Tensora job</source>
        <translation>es ist kein Tensora-Auftrag</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>es wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>it is damaged at item %1</source>
        <extracomment>%1 the number of the structure or pull that cannot be read.</extracomment>
        <translation>es ist bei Eintrag %1 beschädigt</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <extracomment>A group of cables in the schedule: %1 how many, %2 the cable.</extracomment>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A heading with its unit: %1 the heading, %2 the unit.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Anstieg</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Seitendruck</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Zwischenzug</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>Insgesamt</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>an entry has no name or no coefficient</source>
        <translation>ein Eintrag hat keinen Namen oder keinen Koeffizienten</translation>
    </message>
    <message>
        <source>the entry "%1" has a %2 that is no text</source>
        <translation>der Eintrag „%1“ hat ein Feld %2, das kein Text ist</translation>
    </message>
    <message>
        <source>the entry "%1" has an unknown kind</source>
        <translation>der Eintrag „%1“ hat eine unbekannte Art</translation>
    </message>
    <message>
        <source>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</source>
        <translation>Der Name „%1“ ist kein Wort aus Kleinbuchstaben, Ziffern, Punkten, Bindestrichen und Unterstrichen (höchstens 40)</translation>
    </message>
    <message>
        <source>The coefficient of "%1" is not a number from 0 to %2</source>
        <translation>Der Koeffizient von „%1“ ist keine Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>es ist kein JSON-Dokument</translation>
    </message>
    <message>
        <source>it is not a friction library</source>
        <translation>es ist keine Reibungsbibliothek</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>es wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>the name "%1" is there twice</source>
        <translation>der Name „%1“ kommt zweimal vor</translation>
    </message>
    <message>
        <source>The library has an entry "%1" already</source>
        <translation>Die Bibliothek hat bereits einen Eintrag „%1“</translation>
    </message>
    <message>
        <source>"%1" is no entry of yours</source>
        <translation>„%1“ ist kein eigener Eintrag</translation>
    </message>
    <message>
        <source>The friction library %1 cannot be read: %2</source>
        <translation>Die Reibungsbibliothek %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1 cannot be read: %2</source>
        <translation>Ihre Reibungseinträge %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1: %2</source>
        <translation>Ihre Reibungseinträge %1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <extracomment>A friction library entry: %1 its name, %2 the raceway, %3 the lubricant, %4 the coefficient of friction.</extracomment>
        <translation>%1: %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>The log holds no lines</source>
        <translation>Das Protokoll enthält keine Zeilen</translation>
    </message>
    <message>
        <source>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</source>
        <translation>Das Protokoll nennt die Einheit seiner Zugkräfte nicht: wählen Sie lbf, N, kN oder kgf</translation>
    </message>
    <message>
        <source>The log records time: give the pulling speed</source>
        <translation>Das Protokoll zeichnet die Zeit auf: geben Sie die Zuggeschwindigkeit an</translation>
    </message>
    <message>
        <source>The log does not say the unit of its lengths: choose ft or m</source>
        <translation>Das Protokoll nennt die Einheit seiner Längen nicht: wählen Sie ft oder m</translation>
    </message>
    <message>
        <source>Line %1 of the log cannot be read: "%2"</source>
        <extracomment>%1 the line's number in the file, %2 the line as it stands.</extracomment>
        <translation>Zeile %1 des Protokolls kann nicht gelesen werden: "%2"</translation>
    </message>
    <message>
        <source>The log holds no tensions</source>
        <translation>Das Protokoll enthält keine Zugkräfte</translation>
    </message>
    <message>
        <source>As pulled: beyond the allowable tension from %1</source>
        <extracomment>%1 the length pulled where the log first passes the allowable tension.</extracomment>
        <translation>Wie gezogen: über der zulässigen Zugkraft ab %1</translation>
    </message>
    <message>
        <source>As pulled: beyond the sidewall limit at %1</source>
        <translation>Wie gezogen: über der Seitenwanddruckgrenze bei %1</translation>
    </message>
    <message>
        <source>As pulled: within the allowable tension and the sidewall limit</source>
        <translation>Wie gezogen: innerhalb der zulässigen Zugkraft und der Seitenwanddruckgrenze</translation>
    </message>
    <message>
        <source>The log's header does not name both a tension column and a length or time column</source>
        <translation>Die Kopfzeile des Protokolls nennt nicht zugleich eine Zugkraftspalte und eine Längen- oder Zeitspalte</translation>
    </message>
    <message>
        <source>Coefficient of friction that fits</source>
        <extracomment>%1 the fitted coefficient, %2 the largest difference, %3 the typical difference.</extracomment>
        <translation>Passender Reibungskoeffizient</translation>
    </message>
    <message>
        <source>%1 (largest difference %2, typical %3)</source>
        <translation>%1 (größte Abweichung %2, typisch %3)</translation>
    </message>
    <message>
        <source>Highest tension</source>
        <translation>Höchste Zugkraft</translation>
    </message>
    <message>
        <source>measured %1, predicted %2</source>
        <translation>gemessen %1, vorhergesagt %2</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nirgends</translation>
    </message>
    <message numerus="yes">
        <source>%n points, the first at %1</source>
        <comment>%n point, at %1</comment>
        <translation>
            <numerusform>%n Punkt, bei %1</numerusform>
            <numerusform>%n Punkte, der erste bei %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Über der zulässigen Zugkraft</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>the log ends before the route does</source>
        <translation>das Protokoll endet vor der Trasse</translation>
    </message>
    <message>
        <source>the log runs on past the route's end</source>
        <translation>das Protokoll reicht über das Ende der Trasse hinaus</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Mid-assist pull point between links %1 and %2</source>
        <extracomment>%1 and %2 the numbers of the links the point lies between.</extracomment>
        <translation>Zwischenzugstelle zwischen Abschnitt %1 und %2</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Aufwärts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abwärts</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Geneigt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A tilted bend and its tilt in degrees, as typed.
----------
A link's coefficient of friction and the library entry it comes from.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 rechts</translation>
    </message>
    <message>
        <source>%1 sheave</source>
        <translation>%1 Seilrolle</translation>
    </message>
    <message>
        <source>the angle is not a finite number</source>
        <translation>der Winkel ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>an Up or Down bend turns at most 360 degrees</source>
        <translation>ein Bogen nach oben oder unten dreht höchstens 360 Grad</translation>
    </message>
    <message>
        <source>a tilted bend turns at most 360 degrees</source>
        <translation>ein geneigter Bogen dreht höchstens 360 Grad</translation>
    </message>
    <message>
        <source>%1 (%2 %3) is beyond what a report holds in %4</source>
        <extracomment>%1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the inch-pound unit a report holds it in.</extracomment>
        <translation>%1 (%2 %3) übersteigt, was ein Bericht in %4 fasst</translation>
    </message>
    <message>
        <source>the allowable tension</source>
        <translation>die zulässige Zugkraft</translation>
    </message>
    <message>
        <source>the cable weight</source>
        <translation>das Kabelgewicht</translation>
    </message>
    <message>
        <source>the back tension</source>
        <translation>die Rückhaltekraft</translation>
    </message>
    <message>
        <source>the length of link %1</source>
        <translation>die Länge von Abschnitt %1</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>keine Länge</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two parts of a link's raceway: its coefficient and entry, the raceway.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>tray</source>
        <translation>Pritsche</translation>
    </message>
    <message>
        <source>ID %1</source>
        <extracomment>A conduit's inside diameter with its unit, from this link on.</extracomment>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>pull point</source>
        <translation>Zugstelle</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>links %1</source>
        <translation>Abschnitte %1</translation>
    </message>
    <message>
        <source>highest %1 %2 at link %3</source>
        <extracomment>%1 the highest tension, %2 its unit, %3 its link.</extracomment>
        <translation>höchste %1 %2 in Abschnitt %3</translation>
    </message>
    <message>
        <source>worst sidewall (tension / bend length) %1 %2 at link %3</source>
        <extracomment>%1 the worst sidewall pressure, %2 its unit, %3 its link.</extracomment>
        <translation>ungünstigster Seitenwanddruck (Zugkraft / Bogenlänge) %1 %2 in Abschnitt %3</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Vorwärtszug</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Rückwärtszug</translation>
    </message>
    <message>
        <source>Forward pull: %1</source>
        <translation>Vorwärtszug: %1</translation>
    </message>
    <message>
        <source>Reverse pull: %1</source>
        <translation>Rückwärtszug: %1</translation>
    </message>
    <message>
        <source>allowable %1 %2, above the chart</source>
        <extracomment>%1 the allowable tension, %2 its unit.</extracomment>
        <translation>zulässig %1 %2, über dem Diagramm</translation>
    </message>
    <message>
        <source>allowable %1 %2</source>
        <translation>zulässig %1 %2</translation>
    </message>
    <message>
        <source>forward pull in %1</source>
        <translation>Vorwärtszug in %1</translation>
    </message>
    <message>
        <source>reverse pull in %1</source>
        <translation>Rückwärtszug in %1</translation>
    </message>
    <message>
        <source>Held at zero (the cable runs under its own weight: hold it back): %1.</source>
        <translation>Bei null gehalten (das Kabel läuft durch sein Eigengewicht: zurückhalten): %1.</translation>
    </message>
    <message>
        <source>%1° up</source>
        <extracomment>A bend's angle as typed, in degrees.</extracomment>
        <translation>%1° aufwärts</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° abwärts</translation>
    </message>
    <message>
        <source>forward tension after %1</source>
        <translation>Vorwärtszugkraft nach %1</translation>
    </message>
    <message>
        <source>reverse tension after %1</source>
        <translation>Rückwärtszugkraft nach %1</translation>
    </message>
    <message>
        <source>Not drawn (out of range): %1.</source>
        <translation>Nicht gezeichnet (außerhalb des Bereichs): %1.</translation>
    </message>
</context>
<context>
    <name>PullBox</name>
    <message>
        <source>"%1" is not a trade size of %2</source>
        <extracomment>%1 the size as typed, %2 the conduit table.</extracomment>
        <translation>„%1“ ist keine Handelsgröße von %2</translation>
    </message>
    <message>
        <source>"%1" is not a trade size of the code's conduit tables</source>
        <translation>„%1“ ist keine Handelsgröße der Schutzrohrtabellen der Vorschrift</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A figure and its unit ("16 in", "424 mm").</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 × %2 = %3</source>
        <extracomment>The straight pull's rule: %1 the times, %2 the largest trade size, %3 the length.</extracomment>
        <translation>%1 × %2 = %3</translation>
    </message>
    <message>
        <source>%1 × %2 + %3 = %4</source>
        <extracomment>The angle pull's rule: %1 the times, %2 the largest trade size, %3 the sum of the others, %4 the distance.</extracomment>
        <translation>%1 × %2 + %3 = %4</translation>
    </message>
    <message>
        <source>For conductors of 6 AWG and smaller the box is sized by its volume (the conductors' allowances), which this rule does not compute</source>
        <translation>Für Leiter von 6 AWG und kleiner wird der Kasten nach seinem Volumen bemessen (den Zuschlägen der Leiter), das diese Regel nicht berechnet</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Pull</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Puller</source>
        <translation>Seilwinde</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Zugseil</translation>
    </message>
    <message>
        <source>Sheaves</source>
        <translation>Seilrollen</translation>
    </message>
    <message>
        <source>Capstan</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>The report's cable set row %1 could not be read; the set was read without it.</source>
        <translation>Zeile %1 des Kabelsatzes im Bericht war nicht lesbar; der Satz wurde ohne sie gelesen.</translation>
    </message>
    <message>
        <source>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</source>
        <translation>Der Kabelsatz im Bericht nennt keine Regel, die Tensora kennt („%1“); die zulässige Zugkraft des Zugkraftrechners wird genommen.</translation>
    </message>
    <message>
        <source>Conduit inside diameter (%1)</source>
        <translation>Innendurchmesser des Schutzrohrs (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cable outside diameter (%1)</source>
        <translation>Außendurchmesser des Kabels (%1)</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Minimum clearance (%1)</source>
        <translation>Mindestfreiraum (%1)</translation>
    </message>
    <message>
        <source>Sidewall pressure limit (%1)</source>
        <translation>Seitenwanddruck-Grenze (%1)</translation>
    </message>
    <message>
        <source>Bend radius (%1)</source>
        <translation>Biegeradius (%1)</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>aus Länge und Winkel jedes Bogens</translation>
    </message>
    <message>
        <source>Cable group %1</source>
        <translation>Kabelgruppe %1</translation>
    </message>
    <message>
        <source>Tension rule</source>
        <translation>Zugkraftregel</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Klemmverhältnis</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Gewichtskorrektur</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Freiraum</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Vorwärtszug, korrigiert</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Rückwärtszug, korrigiert</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Kabelsatz</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Zulässige Zugkraft</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Füllgrad nach Vorschrift</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Empfehlung für den Kabelsatz</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Radius (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Druck, vorwärts (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Druck, rückwärts (%1)</translation>
    </message>
    <message>
        <source>Limit (%1)</source>
        <translation>Grenze (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <comment>%n link</comment>
        <translation>
            <numerusform>%n Abschnitt</numerusform>
            <numerusform>%n Abschnitte</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</source>
        <translation>Die Beschriftung der Zwischenzugstelle „%1“ nennt keinen Abschnitt: der Plan wurde ohne Zwischenzugstelle gelesen.</translation>
    </message>
    <message>
        <source>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</source>
        <translation>Die Zwischenzugstelle „%1“ liegt jenseits der %2 des Plans: der Plan wurde ohne sie gelesen.</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>an seinem Anfang</translation>
    </message>
    <message>
        <source>after link %1</source>
        <translation>nach Abschnitt %1</translation>
    </message>
    <message>
        <source>The plan's row of link %1 is not whole: the plan was read up to link %2.</source>
        <translation>Die Zeile von Abschnitt %1 im Plan ist unvollständig: der Plan wurde bis Abschnitt %2 gelesen.</translation>
    </message>
    <message>
        <source>The plan names link %1 again %2: the plan was read up to link %3.</source>
        <extracomment>%2 is "at its start" or "after link N".</extracomment>
        <translation>Der Plan nennt Abschnitt %1 erneut %2: der Plan wurde bis Abschnitt %3 gelesen.</translation>
    </message>
    <message>
        <source>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</source>
        <extracomment>%3 is "at its start" or "after link N".</extracomment>
        <translation>Der Plan hat keinen Abschnitt %1 (Abschnitt %2 folgt %3): der Plan wurde bis Abschnitt %4 gelesen.</translation>
    </message>
    <message>
        <source>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</source>
        <translation>Der Bericht ist abgeschnitten: sein Plan endet nach Abschnitt %1 und seine Rückwärtstabelle fehlt, daher können weitere Abschnitte fehlen; die %2 davor wurden gelesen.</translation>
    </message>
    <message>
        <source>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</source>
        <translation>Der Bericht ist abgeschnitten: seine Rückwärtstabelle endet nach %1 ihrer %2; die %3 seines Plans wurden gelesen.</translation>
    </message>
    <message>
        <source>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</source>
        <translation>Die Rückwärtstabelle des Berichts weicht ab Abschnitt %1 von seinem Plan ab; die Zeilen des Plans wurden gelesen.</translation>
    </message>
    <message>
        <source>The report holds %1; a plan holds at most %2: the first %2 were read.</source>
        <translation>Der Bericht enthält %1; ein Plan fasst höchstens %2: die ersten %2 wurden gelesen.</translation>
    </message>
    <message>
        <source>%1 "%2" is not a number</source>
        <translation>%1 „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Tensora is a product of Norvale. All rights reserved.</source>
        <translation>Tensora ist ein Produkt von Norvale. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Kleinster Biegeradius</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Bögen zwischen Zugstellen</translation>
    </message>
</context>
<context>
    <name>Routes</name>
    <message>
        <source>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</source>
        <translation>Zeile %1: die Spalten lassen sich auf zwei Arten lesen, als x, y, z und Radius oder als Punkt, Nordwert, Ostwert und Höhe: eine Kopfzeile hinzufügen, die sie benennt, etwa "x,y,z,radius" oder "point,northing,easting,elevation".</translation>
    </message>
    <message>
        <source>Line %1: a point needs an x and a y.</source>
        <translation>Zeile %1: ein Punkt braucht ein x und ein y.</translation>
    </message>
    <message>
        <source>Line %1: the header names no x (easting) and y (northing) columns.</source>
        <translation>Zeile %1: die Kopfzeile nennt keine Spalten x (Rechtswert) und y (Hochwert).</translation>
    </message>
    <message>
        <source>The file holds no points.</source>
        <translation>Die Datei enthält keine Punkte.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a number.</source>
        <translation>Zeile %1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a group code.</source>
        <translation>Zeile %1: „%2“ ist kein Gruppencode.</translation>
    </message>
    <message>
        <source>Line %1: the drawing ends after a group code.</source>
        <translation>Zeile %1: die Zeichnung endet nach einem Gruppencode.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a finite number.</source>
        <translation>Zeile %1: „%2“ ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>Line %1: %2 gives a coordinate before its first vertex.</source>
        <translation>Zeile %1: %2 gibt eine Koordinate vor seinem ersten Scheitelpunkt an.</translation>
    </message>
    <message>
        <source>Line %1: %2 has no SEQEND.</source>
        <translation>Zeile %1: %2 hat kein SEQEND.</translation>
    </message>
    <message>
        <source>The drawing ends before its end (no EOF): the file is cut short.</source>
        <translation>Die Zeichnung endet vor ihrem Ende (kein EOF): die Datei ist abgeschnitten.</translation>
    </message>
    <message>
        <source>This is a binary DXF drawing: save it as an ASCII DXF and import that.</source>
        <translation>Dies ist eine binäre DXF-Zeichnung: als ASCII-DXF speichern und diese importieren.</translation>
    </message>
    <message>
        <source>The drawing's %1 has fewer than two distinct points: it is no route.</source>
        <translation>Das Element %1 der Zeichnung hat weniger als zwei verschiedene Punkte: es ist keine Trasse.</translation>
    </message>
    <message>
        <source>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</source>
        <translation>Die Zeichnung hat kein LWPOLYLINE, POLYLINE, LINE oder ARC, aus dem eine Trasse entstehen kann.</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>ein Punkt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</source>
        <translation>Die Bögen bei %1 und %2 brauchen %3 der %4 Geraden zwischen ihnen (%5 zu viel): einen kleineren Radius angeben.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</source>
        <translation>Der Bogen bei %1 braucht %2 der %3 Geraden nach ihm (%4 zu viel): einen kleineren Radius angeben.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</source>
        <translation>Der Bogen bei %1 braucht %2 der %3 Geraden vor ihm (%4 zu viel): einen kleineren Radius angeben.</translation>
    </message>
    <message>
        <source>At %1 the bend has no radius.</source>
        <translation>Bei %1 hat der Bogen keinen Radius.</translation>
    </message>
    <message>
        <source>At %1 the route turns back on itself.</source>
        <translation>Bei %1 kehrt die Trasse in sich selbst um.</translation>
    </message>
    <message>
        <source>At %1 a coordinate is not a finite number.</source>
        <translation>Bei %1 ist eine Koordinate keine endliche Zahl.</translation>
    </message>
    <message>
        <source>The route has fewer than two distinct points.</source>
        <translation>Die Trasse hat weniger als zwei verschiedene Punkte.</translation>
    </message>
    <message>
        <source>From %1 to the next point the distance is beyond what can be computed.</source>
        <translation>Von %1 bis zum nächsten Punkt ist der Abstand nicht berechenbar.</translation>
    </message>
    <message numerus="yes">
        <source>%n links, %1, rise %2</source>
        <comment>%n link, %1, rise %2</comment>
        <translation>
            <numerusform>%n Abschnitt, %1, Anstieg %2</numerusform>
            <numerusform>%n Abschnitte, %1, Anstieg %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 links</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 rechts</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 aufwärts</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 abwärts</translation>
    </message>
    <message>
        <source>%1 tilted</source>
        <translation>%1 geneigt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; bends: %2</source>
        <translation>%1; Bögen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n points closer than %2 to the one before merged into it</source>
        <comment>%1; %n point closer than %2 to the one before merged into it</comment>
        <extracomment>%2 is a distance with its unit.</extracomment>
        <translation>
            <numerusform>%1; %n Punkt näher als %2 am vorigen mit diesem zusammengelegt</numerusform>
            <numerusform>%1; %n Punkte näher als %2 am vorigen mit diesem zusammengelegt</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>layer %1, %2</source>
        <translation>Layer %1, %2</translation>
    </message>
    <message>
        <source>The drawing has no path on layer %1.</source>
        <translation>Die Zeichnung hat keinen Pfad auf Layer %1.</translation>
    </message>
    <message>
        <source>There is no path %1; the paths are:</source>
        <translation>Es gibt keinen Pfad %1; die Pfade sind:</translation>
    </message>
    <message>
        <source>The file holds several paths; choose one:</source>
        <translation>Die Datei enthält mehrere Pfade; wählen Sie einen:</translation>
    </message>
    <message>
        <source>%1
  %2  %3</source>
        <translation>%1
  %2  %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>a line needs a Start and an End of two numbers each.</source>
        <translation>eine Linie braucht ein Start und ein End aus je zwei Zahlen.</translation>
    </message>
    <message>
        <source>a curve needs its Start, Center and End.</source>
        <translation>ein Bogen braucht sein Start, Center und End.</translation>
    </message>
    <message>
        <source>a spiral of the kind "%1" is not read: only clothoids are.</source>
        <translation>ein Übergangsbogen der Art „%1“ wird nicht gelesen: nur Klothoiden.</translation>
    </message>
    <message>
        <source>a spiral needs its length, its radii at start and end, its Start and its PI.</source>
        <translation>ein Übergangsbogen braucht seine Länge, seine Radien an Anfang und Ende, seinen Start und seinen PI.</translation>
    </message>
    <message>
        <source>a profile point is not a station and a height.</source>
        <translation>ein Profilpunkt ist keine Station mit Höhe.</translation>
    </message>
    <message>
        <source>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</source>
        <translation>Die Achse beginnt %1 vor ihrem Längsschnitt: die erste Neigung des Längsschnitts wird bis dorthin zurückgeführt.</translation>
    </message>
    <message>
        <source>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</source>
        <translation>Die Achse reicht %1 über ihren Längsschnitt hinaus: die letzte Neigung des Längsschnitts wird bis zu ihrem Ende fortgeführt.</translation>
    </message>
    <message>
        <source>The file is no LandXML document.</source>
        <translation>Die Datei ist kein LandXML-Dokument.</translation>
    </message>
    <message>
        <source>The file has no alignment with lines or curves.</source>
        <translation>Die Datei hat keine Achse mit Linien oder Bögen.</translation>
    </message>
    <message>
        <source>Choose a path.</source>
        <translation>Wählen Sie einen Pfad.</translation>
    </message>
    <message>
        <source>The default bend radius must be a number above 0.</source>
        <translation>Der Standard-Biegeradius muss eine Zahl über 0 sein.</translation>
    </message>
</context>
<context>
    <name>Sentences</name>
    <message>
        <source>%1; %2</source>
        <extracomment>Two findings of one verdict, one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>UiText</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Tensora — Pull plan report</source>
        <translation>Tensora — Bericht zum Zugplan</translation>
    </message>
    <message>
        <source>Report file: </source>
        <translation>Berichtsdatei: </translation>
    </message>
    <message>
        <source>Bends</source>
        <translation>Bögen</translation>
    </message>
    <message>
        <source>Pull check: cables in the conduit</source>
        <translation>Zugprüfung: Kabel im Schutzrohr</translation>
    </message>
    <message>
        <source>Pull check: results</source>
        <translation>Zugprüfung: Ergebnisse</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Seitenwanddruck aus dem Radius jedes Bogens, korrigierter Zug</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Coefficient of friction</source>
        <translation>Reibungskoeffizient</translation>
    </message>
    <message>
        <source>Weight in bends</source>
        <translation>Gewicht in Bögen</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>in the bend's plane only</source>
        <translation>nur in der Bogenebene</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Gleitmittel</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>no allowable tension to compare with</source>
        <translation>keine zulässige Zugkraft zum Vergleich</translation>
    </message>
    <message>
        <source> of the allowable tension</source>
        <translation> der zulässigen Zugkraft</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Vorwärtszug</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Rückwärtszug</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Zwischenzug</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</source>
        <translation>Plan („über“: über der zulässigen Zugkraft; „gehalten“: bei null gehalten; Seitenwanddruck: Zugkraft am Bogenende / Bogenlänge)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Winkel (°)</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenze</translation>
    </message>
    <message>
        <source>Conduit fill</source>
        <translation>Füllgrad des Schutzrohrs</translation>
    </message>
    <message>
        <source>Conduit standard</source>
        <translation>Rohrnorm</translation>
    </message>
    <message>
        <source>Cables (OD in)</source>
        <translation>Kabel (AD in)</translation>
    </message>
    <message>
        <source>Total cable area (sq in)</source>
        <translation>Gesamtquerschnitt der Kabel (sq in)</translation>
    </message>
    <message>
        <source>Fill by trade size</source>
        <translation>Füllgrad nach Nenngröße</translation>
    </message>
    <message>
        <source>Trade size</source>
        <translation>Nenngröße</translation>
    </message>
    <message>
        <source>Pipe ID (in)</source>
        <translation>Rohr-ID (in)</translation>
    </message>
    <message>
        <source>Area (sq in)</source>
        <translation>Fläche (sq in)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllgrad</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Trasse</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Draufsicht: die Trasse von oben</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Aufriss: Höhe entlang der Trasse, maßstäblich</translation>
    </message>
    <message>
        <source>Pulling equipment</source>
        <translation>Zugausrüstung</translation>
    </message>
    <message>
        <source>Tensora pull plan report</source>
        <translation>Tensora-Bericht zum Zugplan</translation>
    </message>
    <message>
        <source>%1: tension from 0 to %2</source>
        <translation>%1: Zugkraft von 0 bis %2</translation>
    </message>
    <message>
        <source>Red underlay: beyond the allowable tension</source>
        <translation>Rote Unterlegung: über der zulässigen Zugkraft</translation>
    </message>
    <message>
        <source> (%1, the black tick)</source>
        <translation> (%1, die schwarze Marke)</translation>
    </message>
    <message>
        <source>; amber: held at zero; red ring: a bend's bearing pressure beyond </source>
        <translation>; bernsteinfarben: bei null gehalten; roter Ring: Seitenwanddruck eines Bogens über </translation>
    </message>
    <message>
        <source>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</source>
        <translation>; weißer Punkt: Anfang von Abschnitt 1, schwarz: Ende des letzten Abschnitts; X: die Zwischenzugstelle</translation>
    </message>
    <message>
        <source>Cable Pulling Calculator</source>
        <translation>Kabelzug-Rechner</translation>
    </message>
    <message>
        <source>by Norvale</source>
        <translation>von Norvale</translation>
    </message>
    <message>
        <source>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</source>
        <translation>Zugkraft  ·  Seitenwanddruck  ·  Füllgrad  ·  Gleitmittel</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Cable pulling in conduit and duct</source>
        <translation>Kabelzug in Schutzrohr und Kanal</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</source>
        <translation>PNG-Bild (*.png)|*.png|SVG-Bild (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Maximum Pulling Length</source>
        <translation>Maximale Zuglänge</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Maximale Zuglänge</translation>
    </message>
    <message>
        <source>Select or Enter the Cable maximum pulling tension</source>
        <translation>Maximale Zugkraft des Kabels wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or Enter the cable weight</source>
        <translation>Kabelgewicht wählen oder eingeben</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Reibungskoeffizient</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, feet</source>
        <translation>Maximale Zuglänge, Fuß</translation>
    </message>
    <message>
        <source>Maximum Length = Max tension / (cable weight * friction)</source>
        <translation>Maximale Länge = max. Zugkraft / (Kabelgewicht * Reibung)</translation>
    </message>
    <message>
        <source>Manual Inputs</source>
        <translation>Manuelle Eingaben</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, metres</source>
        <translation>Maximale Zuglänge, Meter</translation>
    </message>
    <message>
        <source>Max Length = Max tension / (cable weight * 9.80665 * friction)</source>
        <translation>Max. Länge = max. Zugkraft / (Kabelgewicht * 9,80665 * Reibung)</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</source>
        <translation>Diese Funktion benötigt eine geladene Kabeldatendatei.

Die Kabeldatendatei (cabledat.qx4) wurde nicht gefunden.
Sie können die Daten von Hand eingeben oder die Datei
in den Ordner dieses Programms legen und es neu starten.</translation>
    </message>
    <message>
        <source>Tension in a Bend</source>
        <translation>Zugkraft in einem Bogen</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension just before the bend</source>
        <translation>Zugkraft des Kabels direkt vor dem Bogen wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Angle, in Degrees</source>
        <translation>Bogenwinkel in Grad wählen oder eingeben</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Enter the Coefficient of Friction</source>
        <translation>Reibungskoeffizient eingeben</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, lbs</source>
        <translation>Zugkraft am Bogenende, lbs</translation>
    </message>
    <message>
        <source>Tension = Cable Tension * e ^ ( bend radians * friction)</source>
        <translation>Zugkraft = Kabelzugkraft * e ^ (Bogen im Bogenmaß * Reibung)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, N</source>
        <translation>Zugkraft am Bogenende, N</translation>
    </message>
    <message>
        <source>Slikko! Quantity</source>
        <translation>Slikko!-Menge</translation>
    </message>
    <message>
        <source>Select or Enter the pull length</source>
        <translation>Zuglänge wählen oder eingeben</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Slikko! Required, Gallons</source>
        <translation>Benötigtes Slikko!, Gallonen</translation>
    </message>
    <message>
        <source>Gallons required = 0.0015 * Length * inner diameter</source>
        <translation>Benötigte Gallonen = 0,0015 * Länge * Innendurchmesser</translation>
    </message>
    <message>
        <source>Slikko! Required, Litres</source>
        <translation>Benötigtes Slikko!, Liter</translation>
    </message>
    <message>
        <source>Litres required = 0.000733 * Length * inner diameter</source>
        <translation>Benötigte Liter = 0,000733 * Länge * Innendurchmesser</translation>
    </message>
    <message>
        <source>Sidewall Pressure</source>
        <translation>Seitenwanddruck</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension in the bend</source>
        <translation>Zugkraft des Kabels im Bogen wählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Length</source>
        <translation>Bogenlänge wählen oder eingeben</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Sidewall Pressure, lbs</source>
        <translation>Seitenwanddruck, lbs</translation>
    </message>
    <message>
        <source>Pressure = tension in bend / bend length</source>
        <translation>Druck = Zugkraft im Bogen / Bogenlänge</translation>
    </message>
    <message>
        <source>Sidewall Pressure, N/m</source>
        <translation>Seitenwanddruck, N/m</translation>
    </message>
    <message>
        <source>Straight Section Pull tension</source>
        <translation>Zugkraft im geraden Abschnitt</translation>
    </message>
    <message>
        <source>Straight Section Tension</source>
        <translation>Zugkraft gerader Abschnitt</translation>
    </message>
    <message>
        <source>Select or Enter the straight section length</source>
        <translation>Länge des geraden Abschnitts wählen oder eingeben</translation>
    </message>
    <message>
        <source>Straight Section Tension, lbs</source>
        <translation>Zugkraft gerader Abschnitt, lbs</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * friction</source>
        <translation>Zugkraft = gerade Länge * Kabelgewicht * Reibung</translation>
    </message>
    <message>
        <source>Straight Section Tension, N</source>
        <translation>Zugkraft gerader Abschnitt, N</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * 9.80665 * friction</source>
        <translation>Zugkraft = gerade Länge * Kabelgewicht * 9,80665 * Reibung</translation>
    </message>
    <message>
        <source>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</source>
        <translation>Warnung: Die Ergebnisse sind Schätzwerte für die Planung. Prüfen Sie jeden Zug gegen die Grenzwerte des Kabelherstellers. Tensora ist ein Produkt von Norvale; das Kopieren ohne Erlaubnis ist untersagt.</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</source>
        <translation>Diese Funktion benötigt eine geladene Kabeldatendatei.

Die Kabeldatendatei (cabledat.qx4) wurde nicht gefunden.
Bitte suchen Sie die Datei (cabledat.qx4), legen Sie sie
in den Ordner dieses Programms und starten Sie es neu.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Distance along the route</source>
        <translation>Strecke entlang der Trasse</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Zugkraft</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Zulässige Zugkraft</translation>
    </message>
    <message>
        <source>Cable weight</source>
        <translation>Kabelgewicht</translation>
    </message>
    <message>
        <source>Back tension</source>
        <translation>Rückhaltekraft</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Advice for the planner's cable</source>
        <translation>Empfehlung für das Kabel des Zugkraftrechners</translation>
    </message>
    <message>
        <source>over</source>
        <comment>beyond the allowable tension</comment>
        <translation>über</translation>
    </message>
    <message>
        <source>held</source>
        <comment>held at zero</comment>
        <translation>gehalten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Seitendruck</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n Kabel</numerusform>
            <numerusform>%n Kabel</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Größte Breite eines Paars (in)</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Reibung</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Variante %1</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 beste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>scheitert</translation>
    </message>
    <message>
        <source>Options compared</source>
        <translation>Varianten im Vergleich</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Vorwärts (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Rückwärts (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Sidewall (%1)</source>
        <translation>Seitendruck (%1)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Lowest highest tension</source>
        <translation>Niedrigste Höchstzugkraft</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Verdicts</source>
        <translation>Urteile</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source>; square: a link with a coefficient or raceway of its own</source>
        <translation>; Quadrat: ein Abschnitt mit eigenem Koeffizienten oder Kabelkanal</translation>
    </message>
    <message>
        <source>Pull log: measured over planned</source>
        <translation>Zugprotokoll: gemessen über geplant</translation>
    </message>
    <message>
        <source>Pull log (dashed line; red rings: beyond the allowable tension)</source>
        <translation>Zugprotokoll (gestrichelte Linie; rote Ringe: über der zulässigen Zugkraft)</translation>
    </message>
    <message>
        <source>Tensora — Job</source>
        <translation>Tensora — Auftrag</translation>
    </message>
    <message>
        <source>Pull %1</source>
        <translation>Zug %1</translation>
    </message>
    <message>
        <source>Schedule (red: the pull fails its check)</source>
        <translation>Zugplan (rot: der Zug besteht seine Prüfung nicht)</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Zu bestellendes Kabel</translation>
    </message>
    <message>
        <source>Tensora job</source>
        <translation>Tensora-Auftrag</translation>
    </message>
</context>
<context>
    <name>tensora::BrowserWindow</name>
    <message>
        <source>Norvale Browser</source>
        <translation>Norvale-Browser</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Wird bearbeitet...</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetModel</name>
    <message>
        <source>As the description names it</source>
        <translation>Wie die Beschreibung sie nennt</translation>
    </message>
    <message>
        <source>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</source>
        <translation>Der Leiter: AWG (6, 1/0), kcmil (500) oder mm² (35mm2); cu oder al. Leer: der aus der Beschreibung.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Leiter</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Conductors</source>
        <translation>Leiter je Kabel</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>AD</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Belastbarkeit</translation>
    </message>
    <message>
        <source>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</source>
        <translation>Für den kleinsten Biegeradius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre oder ein Vielfaches des Durchmessers. In der ersten Zeile leer: der oben gewählte Kabeltyp.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetPanel</name>
    <message>
        <source>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</source>
        <translation>Die gemeinsam gezogenen Kabel: die erste Gruppe ist das Kabel des Planers mit Anzahl und Außendurchmesser von oben</translation>
    </message>
    <message>
        <source>&amp;Add typed</source>
        <translation>&amp;Eingabe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Planner's cable</source>
        <translation>Kabel des &amp;Planers</translation>
    </message>
    <message>
        <source>The first group follows the planner's cable again</source>
        <translation>Die erste Gruppe folgt wieder dem Kabel des Planers</translation>
    </message>
    <message>
        <source>Send to Fill Ratio</source>
        <translation>An Füllgrad senden</translation>
    </message>
    <message>
        <source>&amp;Grip rating (%1):</source>
        <translation>S&amp;trumpf-Belastbarkeit (%1):</translation>
    </message>
    <message>
        <source>Add from lib&amp;rary...</source>
        <translation>Aus Bib&amp;liothek hinzufügen...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Allo&amp;wable tension by:</source>
        <translation>Zulässige &amp;Zugkraft nach:</translation>
    </message>
    <message>
        <source>E&amp;ye rating (%1):</source>
        <translation>Zie&amp;hkopf-Belastbarkeit (%1):</translation>
    </message>
</context>
<context>
    <name>tensora::CheckBendsModel</name>
    <message>
        <source>Limit (%1)</source>
        <translation>Grenze (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Druck, vorwärts (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Druck, rückwärts (%1)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Radius (%1)</translation>
    </message>
</context>
<context>
    <name>tensora::CompareOptions</name>
    <message>
        <source>Compare Options</source>
        <translation>Varianten vergleichen</translation>
    </message>
    <message>
        <source>&amp;Add Option</source>
        <translation>Variante &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Last Option</source>
        <translation>Letzte Variante &amp;entfernen</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Coefficient or entry</source>
        <translation>Koeffizient oder Eintrag</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Mid-assist after link</source>
        <translation>Zwischenzug nach Abschnitt</translation>
    </message>
    <message>
        <source>Back tension (%1)</source>
        <translation>Rückhaltekraft (%1)</translation>
    </message>
    <message>
        <source>Conduit ID (%1)</source>
        <translation>Schutzrohr-ID (%1)</translation>
    </message>
    <message>
        <source>Forward max</source>
        <translation>Vorwärts max.</translation>
    </message>
    <message>
        <source>Reverse max</source>
        <translation>Rückwärts max.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Highest sidewall</source>
        <translation>Höchster Seitenwanddruck</translation>
    </message>
    <message>
        <source>A coefficient, or the name of a friction library entry; empty: the plan's</source>
        <translation>Ein Koeffizient oder der Name eines Eintrags der Reibungsbibliothek; leer: der des Plans</translation>
    </message>
    <message>
        <source>Lower end</source>
        <translation>Günstigeres Ende</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Each option is the pull check's corrected pull of its cables, and its verdict.</source>
        <translation>Jede Variante ist der korrigierte Zug der Kabel der Zugprüfung, mit ihrem Urteil.</translation>
    </message>
    <message>
        <source>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</source>
        <translation>Jede Variante ist der Zug des Planers; öffnen Sie die Zugprüfung mit ihren Kabeln, um Schutzrohre zu vergleichen.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 beste</translation>
    </message>
</context>
<context>
    <name>tensora::FillRatio</name>
    <message>
        <source>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Durchmesser (AD) jedes Kabels im Rohr in Zoll eingeben.  Ein Klick entfernt ein Kabel aus der Liste.</translation>
    </message>
    <message>
        <source>Schedule 40</source>
        <translation>Schedule 40</translation>
    </message>
    <message>
        <source>SDR 11</source>
        <translation>SDR 11</translation>
    </message>
    <message>
        <source>SDR 13.5</source>
        <translation>SDR 13.5</translation>
    </message>
    <message>
        <source>Electrical code:</source>
        <translation>Elektrovorschrift:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cable OD</source>
        <translation>Kabel-AD</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Area(s)</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Norvale recommends a 60% maximum fill.  Preferred maximum fill</source>
        <translation>Norvale empfiehlt bis 60 %.  Gewünschter Höchstwert</translation>
    </message>
    <message>
        <source>launch from fill (hidden)</source>
        <translation>aus Füllgrad geöffnet (verborgen)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Trade Size</source>
        <translation>Nenngröße</translation>
    </message>
    <message>
        <source>Pipe ID</source>
        <translation>Rohr-ID</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Percent Fill</source>
        <translation>Füllgrad</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Vorschrift</translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Größte Breite eines Paars (in)</translation>
    </message>
    <message>
        <source>Code tables and limits</source>
        <translation>Tabellen und Grenzen der Vorschrift</translation>
    </message>
    <message>
        <source>Electrical code tables</source>
        <translation>Tabellen der Elektrovorschrift</translation>
    </message>
    <message>
        <source>Conduit Fill Ratio</source>
        <translation>Füllgrad des Schutzrohrs</translation>
    </message>
    <message>
        <source>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Durchmesser (AD) jedes Kabels im Rohr in %1 eingeben.  Ein Klick entfernt ein Kabel aus der Liste.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Widest pair side by side (mm)</source>
        <translation>Breitestes Paar nebeneinander (mm)</translation>
    </message>
    <message>
        <source>Designator</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Metric designator %1, trade size %2</source>
        <translation>Metrische Bezeichnung %1, Nenngröße %2</translation>
    </message>
    <message>
        <source>Fill limit %1 for one cable</source>
        <translation>Füllgrenze %1 für ein Kabel</translation>
    </message>
    <message>
        <source>Fill limit %1 for two cables</source>
        <translation>Füllgrenze %1 für zwei Kabel</translation>
    </message>
    <message>
        <source>Fill limit %1 for more than two cables</source>
        <translation>Füllgrenze %1 für mehr als zwei Kabel</translation>
    </message>
    <message>
        <source>No cables yet</source>
        <translation>Noch keine Kabel</translation>
    </message>
    <message>
        <source>Smallest size that meets it: </source>
        <translation>Kleinste passende Größe: </translation>
    </message>
    <message>
        <source>No size meets it</source>
        <translation>Keine Größe erfüllt es</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n Kabel</numerusform>
            <numerusform>%n Kabel</numerusform>
        </translation>
    </message>
    <message>
        <source>The tables of %1</source>
        <translation>Die Tabellen von %1</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionEntryDialog</name>
    <message>
        <source>New Friction Entry</source>
        <translation>Neuer Reibungseintrag</translation>
    </message>
    <message>
        <source>Friction Entry %1</source>
        <translation>Reibungseintrag %1</translation>
    </message>
    <message>
        <source>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</source>
        <translation>Ein Wort aus Kleinbuchstaben, Ziffern, Punkten, Bindestrichen und Unterstrichen: der Name, unter dem Abschnitte und die Befehlszeile den Eintrag nehmen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Reibungskoeffizient</translation>
    </message>
    <message>
        <source>&amp;Kind of raceway</source>
        <translation>&amp;Art des Kabelkanals</translation>
    </message>
    <message>
        <source>&amp;Raceway</source>
        <translation>&amp;Kabelkanal</translation>
    </message>
    <message>
        <source>Cable &amp;jacket</source>
        <translation>Kabel&amp;mantel</translation>
    </message>
    <message>
        <source>&amp;Lubricant</source>
        <translation>&amp;Gleitmittel</translation>
    </message>
    <message>
        <source>&amp;Stands for</source>
        <translation>&amp;Steht für</translation>
    </message>
    <message>
        <source>S&amp;ource of the figure</source>
        <translation>&amp;Quelle des Werts</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionLibraryWindow</name>
    <message>
        <source>Conduit or duct</source>
        <translation>Schutzrohr oder Kabelschutzrohr</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Kabelpritsche auf Rollen</translation>
    </message>
    <message>
        <source>Any raceway</source>
        <translation>Jeder Kabelkanal</translation>
    </message>
    <message>
        <source>Friction Library</source>
        <translation>Reibungsbibliothek</translation>
    </message>
    <message>
        <source>Words of a name, raceway, jacket, lubricant or source</source>
        <translation>Wörter aus Name, Kabelkanal, Mantel, Gleitmittel oder Quelle</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Use for the &amp;Plan</source>
        <translation>Für den &amp;Plan verwenden</translation>
    </message>
    <message>
        <source>Use for &amp;Link</source>
        <translation>Für &amp;Abschnitt verwenden</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The shipped friction library %1 was not found beside the cable data.</source>
        <translation>Die mitgelieferte Reibungsbibliothek %1 wurde neben den Kabeldaten nicht gefunden.</translation>
    </message>
    <message>
        <source>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</source>
        <translation>Ihre Einträge werden wie gelesen gezeigt; sie können erst geändert werden, wenn die Datei repariert oder verschoben ist: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Koeffizient</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Kabelkanal</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Mantel</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Gleitmittel</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Steht für</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Eigener</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1); they are as they were.</source>
        <translation>Ihre Reibungseinträge konnten nicht gespeichert werden (%1); sie sind wie zuvor.</translation>
    </message>
    <message>
        <source>Delete your friction entry %1?</source>
        <translation>Ihren Reibungseintrag %1 löschen?</translation>
    </message>
</context>
<context>
    <name>tensora::JobWindow</name>
    <message>
        <source>Manhole</source>
        <translation>Schacht</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Kabelkeller</translation>
    </message>
    <message>
        <source>Pull box</source>
        <translation>Zugkasten</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Betriebsmittel</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&amp;Add the Planner's Pull</source>
        <translation>Zug des Planers &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Open Pull</source>
        <translation>Zug ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Remove Pull</source>
        <translation>Zug &amp;entfernen</translation>
    </message>
    <message>
        <source>none: the structures' slack</source>
        <translation>keiner: die Reserve der Bauwerke</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>Auftrag &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Nach:</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Zu bestellendes Kabel</translation>
    </message>
    <message>
        <source>&amp;Margin (%):</source>
        <translation>&amp;Zuschlag (%):</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Bauwerke</translation>
    </message>
    <message>
        <source>The job has changes that are not saved. Save them?</source>
        <translation>Der Auftrag hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>The job %1 could not be read.</source>
        <translation>Der Auftrag %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The job %1 could not be read: %2.</source>
        <translation>Der Auftrag %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The job could not be saved as %1.
%2</source>
        <translation>Der Auftrag konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Auftrag speichern</translation>
    </message>
    <message>
        <source>Name the structures the pull runs from and to.</source>
        <translation>Nennen Sie die Bauwerke, von denen und zu denen der Zug läuft.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
    <message>
        <source>Remove pull %1 from the job?</source>
        <translation>Zug %1 aus dem Auftrag entfernen?</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening pull %1?</source>
        <translation>Der Zugplan hat ungespeicherte Änderungen. Vor dem Öffnen von Zug %1 speichern?</translation>
    </message>
    <message>
        <source>Enter the slack as a length of 0 or more.</source>
        <translation>Geben Sie die Reserve als Länge von 0 oder mehr ein.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Slack (%1)</source>
        <translation>Reserve (%1)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Neuer Auftrag</translation>
    </message>
    <message>
        <source>A new job, not saved yet</source>
        <translation>Ein neuer Auftrag, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Länge (%1)</translation>
    </message>
    <message>
        <source>Rise (%1)</source>
        <translation>Anstieg (%1)</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Vorwärts (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Rückwärts (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Seitendruck</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Zwischenzug</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>vorwärts</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>either</source>
        <translation>beide</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>In all: %1 %2</source>
        <translation>Insgesamt: %1 %2</translation>
    </message>
    <message>
        <source>Sa&amp;ve Job As...</source>
        <translation>Auftrag speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>tensora::LinkRacewayDialog</name>
    <message>
        <source>Friction and Raceway of Link %1</source>
        <translation>Reibung und Kabelkanal von Abschnitt %1</translation>
    </message>
    <message>
        <source>the plan's</source>
        <translation>die des Plans</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>As the link before</source>
        <translation>Wie der Abschnitt davor</translation>
    </message>
    <message>
        <source>Conduit of inside diameter</source>
        <translation>Schutzrohr mit Innendurchmesser</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Kabelpritsche auf Rollen</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Reibungskoeffizient</translation>
    </message>
    <message>
        <source>Friction &amp;library entry</source>
        <translation>Eintrag der Reibungs&amp;bibliothek</translation>
    </message>
    <message>
        <source>&amp;Raceway from this link on</source>
        <translation>&amp;Kabelkanal ab diesem Abschnitt</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>&amp;Innendurchmesser</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter, a number above 0.</source>
        <translation>Geben Sie den Innendurchmesser des Schutzrohrs ein, eine Zahl über 0.</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Innendurchmesser eingegeben</translation>
    </message>
    <message>
        <source>Conduit &amp;table</source>
        <translation>Schutzrohr&amp;tabelle</translation>
    </message>
    <message>
        <source>Trade &amp;size</source>
        <translation>&amp;Handelsgröße</translation>
    </message>
    <message>
        <source>%1  (%2 in)</source>
        <translation>%1  (%2 in)</translation>
    </message>
</context>
<context>
    <name>tensora::Lubrication</name>
    <message>
        <source>Select or Enter the Conduit inner diameter</source>
        <translation>Innendurchmesser des Schutzrohrs wählen oder eingeben</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
</context>
<context>
    <name>tensora::MaxPull</name>
    <message>
        <source>Cable Select - click to select type</source>
        <translation>Kabelauswahl: Typ anklicken</translation>
    </message>
    <message>
        <source>Lubricant Selection</source>
        <translation>Gleitmittelauswahl</translation>
    </message>
    <message>
        <source>Return to Pull Calculator</source>
        <translation>Zurück zum Zugkraftrechner</translation>
    </message>
    <message>
        <source>Show Cable Details</source>
        <translation>Kabeldetails zeigen</translation>
    </message>
    <message>
        <source>Diameter Chosen, mm</source>
        <translation>Gewählter Durchmesser, mm</translation>
    </message>
    <message>
        <source>Diameter Chosen</source>
        <translation>Gewählter Durchmesser</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Maximale Zuglänge</translation>
    </message>
    <message>
        <source>Return to Fill Ratio</source>
        <translation>Zurück zum Füllgrad</translation>
    </message>
    <message>
        <source>Return to Pull Check</source>
        <translation>Zurück zur Zugprüfung</translation>
    </message>
    <message>
        <source>Cable Selection Window</source>
        <translation>Kabelauswahl</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>max load</source>
        <translation>max. Last</translation>
    </message>
    <message>
        <source>Cable Select - click to select %1</source>
        <translation>Kabelauswahl: %1</translation>
    </message>
</context>
<context>
    <name>tensora::PullBoxSize</name>
    <message>
        <source>Pull Box Size</source>
        <translation>Ziehkastengröße</translation>
    </message>
    <message>
        <source>Conduits entering one wall</source>
        <translation>Schutzrohre an einer Wand</translation>
    </message>
    <message>
        <source>Straight pull</source>
        <translation>Gerader Zug</translation>
    </message>
    <message>
        <source>Angle pull</source>
        <translation>Winkelzug</translation>
    </message>
    <message>
        <source>U pull</source>
        <translation>U-Zug</translation>
    </message>
    <message>
        <source>Any of the code's tables</source>
        <translation>Jede Tabelle der Vorschrift</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Conductors of 6 AWG and s&amp;maller</source>
        <translation>Leiter von 6 AWG und &amp;kleiner</translation>
    </message>
    <message>
        <source>&amp;Pull:</source>
        <translation>&amp;Zug:</translation>
    </message>
    <message>
        <source>Conduit &amp;table:</source>
        <translation>Schutzrohr&amp;tabelle:</translation>
    </message>
    <message>
        <source>Trade &amp;size:</source>
        <translation>Handels&amp;größe:</translation>
    </message>
    <message>
        <source>Si&amp;zes entering:</source>
        <translation>Eint&amp;retende Größen:</translation>
    </message>
    <message>
        <source>Least box</source>
        <translation>Kleinster Kasten</translation>
    </message>
    <message>
        <source>Length, straight pull:</source>
        <translation>Länge, gerader Zug:</translation>
    </message>
    <message>
        <source>To the opposite wall:</source>
        <translation>Bis zur Gegenwand:</translation>
    </message>
    <message>
        <source>Between a raceway's entries:</source>
        <translation>Zwischen den Einführungen eines Kabelkanals:</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Regel:</translation>
    </message>
    <message>
        <source>The sizes the table lacks were taken out of the list.</source>
        <translation>Die Größen, die die Tabelle nicht hat, wurden aus der Liste genommen.</translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <translation>%1 (%2 %3)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tensora::PullCalculator</name>
    <message>
        <source>Ductivo Pull Calculator</source>
        <translation>Ductivo-Zugkraftrechner</translation>
    </message>
    <message>
        <source>Cable Input</source>
        <translation>Kabeldaten</translation>
    </message>
    <message>
        <source>Select Cable</source>
        <translation>Kabel wählen</translation>
    </message>
    <message>
        <source>Launch from Pull Calc (hidden)</source>
        <translation>Aus dem Rechner geöffnet (verborgen)</translation>
    </message>
    <message>
        <source>Cable Description</source>
        <translation>Kabelbeschreibung</translation>
    </message>
    <message>
        <source>Allowable Tension</source>
        <translation>Zulässige Zugkraft</translation>
    </message>
    <message>
        <source>Cable Weight</source>
        <translation>Kabelgewicht</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Reibungskoeffizient</translation>
    </message>
    <message>
        <source>Back Tension</source>
        <translation>Rückhaltekraft</translation>
    </message>
    <message>
        <source>Pull Input</source>
        <translation>Zugdaten</translation>
    </message>
    <message>
        <source>Straight Section</source>
        <translation>Gerader Abschnitt</translation>
    </message>
    <message>
        <source>Enter the Angle</source>
        <translation>Winkel eingeben</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Enter the Section Length</source>
        <translation>Abschnittslänge eingeben</translation>
    </message>
    <message>
        <source>Incline (optional)</source>
        <translation>Neigung (optional)</translation>
    </message>
    <message>
        <source>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</source>
        <translation>Grad über der Waagerechten, -90 bis 90 (eine aufwärts gezogene Steigleitung ist 90); leer: die Trasse behält ihre Neigung</translation>
    </message>
    <message>
        <source>Bend &amp;turns</source>
        <translation>Bogen &amp;dreht</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Aufwärts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abwärts</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Geneigt</translation>
    </message>
    <message>
        <source>Ti&amp;lt from horizontal</source>
        <translation>N&amp;eigung gegen die Waagerechte</translation>
    </message>
    <message>
        <source>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</source>
        <translation>Grad, -180 bis 180: 0 dreht nach links, 90 nach oben, -90 nach unten, 180 nach rechts; dazwischen dreht und steigt der Bogen zugleich</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Clicking a link number will have the following effect:</source>
        <translation>Ein Klick auf eine Abschnittsnummer bewirkt:</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Abschnitt löschen</translation>
    </message>
    <message>
        <source>Delete all Links</source>
        <translation>Alle Abschnitte löschen</translation>
    </message>
    <message>
        <source>Insert Pull Input at Chosen Link</source>
        <translation>Eingabe beim gewählten Abschnitt einfügen</translation>
    </message>
    <message>
        <source>Mark or Unmark a Sheave at the Bend</source>
        <translation>Seilrolle am Bogen setzen oder entfernen</translation>
    </message>
    <message>
        <source>Calculate Mid-assist Pull</source>
        <translation>Zwischenzug berechnen</translation>
    </message>
    <message>
        <source>&amp;Weight in bends:</source>
        <translation>&amp;Gewicht in Bögen:</translation>
    </message>
    <message>
        <source>In the bend's plane only</source>
        <translation>Nur in der Bogenebene</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <source>Held at zero: the cable would run under its own weight here and must be held back</source>
        <translation>Bei null gehalten: Hier liefe das Kabel unter seinem Eigengewicht und muss zurückgehalten werden</translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Über der zulässigen Zugkraft</translation>
    </message>
    <message>
        <source>Pull Calculator</source>
        <translation>Zugkraftrechner</translation>
    </message>
    <message>
        <source>The link was not added: %1.</source>
        <translation>Der Abschnitt wurde nicht hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>This will delete the link. Are you sure?</source>
        <translation>Der Abschnitt wird gelöscht. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>This will delete ALL links. Are you sure?</source>
        <translation>ALLE Abschnitte werden gelöscht. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Neues Dokument</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</source>
        <translation>Der Zugplan hat ungespeicherte Änderungen. Vor dem Schließen des Zugkraftrechners speichern?</translation>
    </message>
    <message>
        <source>Set Friction or Raceway at the Link</source>
        <translation>Reibung oder Kabelkanal am Abschnitt festlegen</translation>
    </message>
    <message>
        <source>Mark or Unmark a Pull Point at the Link</source>
        <translation>Zugstelle am Abschnitt setzen oder entfernen</translation>
    </message>
</context>
<context>
    <name>tensora::PullCheck</name>
    <message>
        <source>Pull Check</source>
        <translation>Zugprüfung</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Bends: sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Bögen: Seitenwanddruck aus dem Radius jedes Bogens, korrigierter Zug</translation>
    </message>
    <message>
        <source>Cable s&amp;et</source>
        <translation>Kabel&amp;satz</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Innendurchmesser eingegeben</translation>
    </message>
    <message>
        <source>Cables and conduit</source>
        <translation>Kabel und Schutzrohr</translation>
    </message>
    <message>
        <source>Choose a trade size</source>
        <translation>Nenngröße wählen</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Cradled</source>
        <translation>Wiegenlage</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>aus Länge und Winkel jedes Bogens</translation>
    </message>
    <message>
        <source>Conduit &amp;standard:</source>
        <translation>Rohr&amp;norm:</translation>
    </message>
    <message>
        <source>&amp;Trade size:</source>
        <translation>Nenn&amp;größe:</translation>
    </message>
    <message>
        <source>&amp;Number of cables:</source>
        <translation>Anzahl &amp;Kabel:</translation>
    </message>
    <message>
        <source>&amp;Configuration:</source>
        <translation>An&amp;ordnung:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Klemmverhältnis</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Gewichtskorrektur</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Freiraum</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Vorwärtszug, korrigiert</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Rückwärtszug, korrigiert</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Füllgrad nach Vorschrift</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Kabelsatz</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Zulässige Zugkraft</translation>
    </message>
    <message>
        <source>Sidewall pressure limit for the type of cable</source>
        <translation>Grenze des Seitenwanddrucks für die Kabelart</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Eingegeben</translation>
    </message>
    <message>
        <source>%1  (%2 mm)</source>
        <translation>%1  (%2 mm)</translation>
    </message>
    <message>
        <source>%1  (%2 in)</source>
        <translation>%1  (%2 in)</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter (or choose a trade size) and the cable's outside diameter.</source>
        <translation>Geben Sie den Innendurchmesser des Schutzrohrs (oder wählen Sie eine Nenngröße) und den Außendurchmesser des Kabels ein.</translation>
    </message>
    <message>
        <source>Ben&amp;ds</source>
        <translation>&amp;Bögen</translation>
    </message>
    <message>
        <source>, trade size </source>
        <translation>, Nenngröße </translation>
    </message>
    <message>
        <source> (metric designator %1), listed area %2 mm²</source>
        <translation> (metrische Bezeichnung %1), Tabellenfläche %2 mm²</translation>
    </message>
    <message>
        <source>, listed area </source>
        <translation>, Tabellenfläche </translation>
    </message>
    <message>
        <source> sq in</source>
        <translation> sq in</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>&amp;Innendurchmesser</translation>
    </message>
    <message>
        <source>Cable &amp;outside diameter</source>
        <translation>&amp;Außendurchmesser des Kabels</translation>
    </message>
    <message>
        <source>&amp;Minimum clearance</source>
        <translation>&amp;Mindestfreiraum</translation>
    </message>
    <message>
        <source>Sidewall pressure &amp;limit</source>
        <translation>Seitenwand&amp;druck-Grenze</translation>
    </message>
    <message>
        <source>&amp;Bend radius, all bends</source>
        <translation>Biege&amp;radius, alle Bögen</translation>
    </message>
    <message numerus="yes">
        <source>Ben&amp;ds (%n over the limit)</source>
        <translation>
            <numerusform>&amp;Bögen (%n über der Grenze)</numerusform>
            <numerusform>&amp;Bögen (%n über der Grenze)</numerusform>
        </translation>
    </message>
    <message>
        <source>The pull check has changes that are not saved. Save them before closing the Pull Check?</source>
        <translation>Die Zugprüfung hat ungespeicherte Änderungen. Vor dem Schließen der Zugprüfung speichern?</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Empfehlung für den Kabelsatz</translation>
    </message>
    <message>
        <source>× OD</source>
        <translation>× AD</translation>
    </message>
    <message>
        <source>Cable &amp;kind:</source>
        <translation>Kabelt&amp;yp:</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Kleinster Biegeradius</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Bögen zwischen Zugstellen</translation>
    </message>
</context>
<context>
    <name>tensora::PullLogDialog</name>
    <message>
        <source>Pull Log %1</source>
        <translation>Zugprotokoll %1</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Wie in der Datei</translation>
    </message>
    <message>
        <source>for a log of times: length per minute</source>
        <translation>für ein Protokoll von Zeiten: Länge pro Minute</translation>
    </message>
    <message>
        <source>&amp;Lay over the Plan</source>
        <translation>Über den Plan &amp;legen</translation>
    </message>
    <message>
        <source>&amp;Use for the Plan</source>
        <translation>Für den Plan &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Pulled &amp;in direction:</source>
        <translation>Zug&amp;richtung:</translation>
    </message>
    <message>
        <source>&amp;Tensions in:</source>
        <translation>&amp;Zugkräfte in:</translation>
    </message>
    <message>
        <source>Len&amp;gths in:</source>
        <translation>Län&amp;gen in:</translation>
    </message>
    <message>
        <source>Pulling &amp;speed:</source>
        <translation>Zuggeschwin&amp;digkeit:</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
    <message numerus="yes">
        <source>%n points read</source>
        <translation>
            <numerusform>%n Punkt gelesen</numerusform>
            <numerusform>%n Punkte gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your friction entries cannot be changed until their file is mended or moved away.</source>
        <translation>Ihre Reibungseinträge können erst geändert werden, wenn ihre Datei repariert oder verschoben ist.</translation>
    </message>
    <message>
        <source>measured: fitted to a pull's tension log</source>
        <translation>gemessen: an das Zugprotokoll eines Zugs angepasst</translation>
    </message>
    <message>
        <source>%1, pulled %2, route %3</source>
        <translation>%1, gezogen %2, Trasse %3</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1).</source>
        <translation>Ihre Reibungseinträge konnten nicht gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>Kept in your friction library as %1.</source>
        <translation>In Ihrer Reibungsbibliothek als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Add to Friction Li&amp;brary</source>
        <translation>Zur Reibungs&amp;bibliothek hinzufügen</translation>
    </message>
</context>
<context>
    <name>tensora::PullResultsPanel</name>
    <message>
        <source>Pull Results</source>
        <translation>Zugergebnisse</translation>
    </message>
    <message>
        <source>Planned Pull Input</source>
        <translation>Geplante Zugdaten</translation>
    </message>
    <message>
        <source>Forward Tension - </source>
        <translation>Zugkraft vorwärts - </translation>
    </message>
    <message>
        <source>Reverse Tension - </source>
        <translation>Zugkraft rückwärts - </translation>
    </message>
    <message>
        <source>Apply &amp;Mid-assist Point</source>
        <translation>&amp;Zwischenzugstelle übernehmen</translation>
    </message>
    <message>
        <source> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </source>
        <translation> über der zulässigen Zugkraft&amp;nbsp;&amp;nbsp;&amp;nbsp; </translation>
    </message>
    <message>
        <source> held at zero: the cable runs under its own weight there and must be held back</source>
        <translation> bei null gehalten: Dort läuft das Kabel unter seinem Eigengewicht und muss zurückgehalten werden</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Abschnitt</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Kumuliert</translation>
    </message>
    <message>
        <source>Side Wall</source>
        <translation>Seitenwanddruck</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Reibung</translation>
    </message>
</context>
<context>
    <name>tensora::PullingEquipment</name>
    <message>
        <source>Pulling Equipment</source>
        <translation>Zugausrüstung</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Ausrüstung</translation>
    </message>
    <message>
        <source>Checked against the planned pull</source>
        <translation>Gegen den geplanten Zug geprüft</translation>
    </message>
    <message>
        <source>As the advice says</source>
        <translation>Wie empfohlen</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Vorwärtszug</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Rückwärtszug</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Richtung:</translation>
    </message>
    <message>
        <source>&amp;Puller rating:</source>
        <translation>&amp;Seilwinde, Nennzugkraft:</translation>
    </message>
    <message>
        <source>&amp;Rope breaking strength:</source>
        <translation>&amp;Bruchkraft des Zugseils:</translation>
    </message>
    <message>
        <source>Rope design &amp;factor:</source>
        <translation>Sicherheits&amp;faktor des Seils:</translation>
    </message>
    <message>
        <source>× puller rating</source>
        <translation>× Nennzugkraft der Winde</translation>
    </message>
    <message>
        <source>&amp;Sheave rating:</source>
        <translation>Belastbarkeit der Seilro&amp;lle:</translation>
    </message>
    <message>
        <source>Tension a sheave &amp;adds:</source>
        <translation>Zugkraft, die eine Seilrolle hin&amp;zufügt:</translation>
    </message>
    <message>
        <source>&amp;Capstan friction:</source>
        <translation>Reibung am S&amp;pill:</translation>
    </message>
    <message>
        <source>&amp;Tail force a person holds:</source>
        <translation>&amp;Haltekraft einer Person:</translation>
    </message>
    <message>
        <source>The pulling equipment has changes that are not saved. Save them before closing the window?</source>
        <translation>Die Zugausrüstung hat ungespeicherte Änderungen. Vor dem Schließen des Fensters speichern?</translation>
    </message>
</context>
<context>
    <name>tensora::QuickCalculatorWindow</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>tensora::RangeInput</name>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
</context>
<context>
    <name>tensora::RouteCanvas</name>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Noch kein Plan: Abschnitte in Werkzeuge &gt; Zugkraftrechner hinzufügen.</translation>
    </message>
</context>
<context>
    <name>tensora::RouteImportDialog</name>
    <message>
        <source>Import Route</source>
        <translation>Trasse importieren</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Wie die Datei sagt</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Pfad:</translation>
    </message>
    <message>
        <source>&amp;Units of the file:</source>
        <translation>&amp;Einheiten der Datei:</translation>
    </message>
    <message>
        <source>Default &amp;bend radius:</source>
        <translation>Standard-&amp;Biegeradius:</translation>
    </message>
    <message>
        <source>&amp;Replace the Plan</source>
        <translation>Plan e&amp;rsetzen</translation>
    </message>
    <message>
        <source>&amp;Append to the Plan</source>
        <translation>An den Plan &amp;anhängen</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
</context>
<context>
    <name>tensora::RouteView</name>
    <message>
        <source>Route View</source>
        <translation>Trassenansicht</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Vorwärtszug</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Rückwärtszug</translation>
    </message>
    <message>
        <source>&amp;Colour by the tension of the:</source>
        <translation>&amp;Färben nach der Zugkraft des:</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Show the whole route (0 in a drawing)</source>
        <translation>Ganze Trasse zeigen (0 in einer Zeichnung)</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrows pan</source>
        <translation>Mausrad oder + und - zoomen, Ziehen oder Pfeiltasten verschieben</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Draufsicht: die Trasse von oben</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Aufriss: Höhe entlang der Trasse, maßstäblich</translation>
    </message>
</context>
<context>
    <name>tensora::TensionProfile</name>
    <message>
        <source>Tension Profile</source>
        <translation>Zugkraftprofil</translation>
    </message>
    <message>
        <source>Distance along the route (ft)</source>
        <translation>Strecke entlang der Trasse (ft)</translation>
    </message>
    <message>
        <source>Tension (lbs)</source>
        <translation>Zugkraft (lbs)</translation>
    </message>
    <message>
        <source>Height (ft)</source>
        <translation>Höhe (ft)</translation>
    </message>
    <message>
        <source>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</source>
        <translation>Noch kein Plan. Öffnen Sie Werkzeuge &gt; Zugkraftrechner und fügen Sie Abschnitte hinzu: Ihre Zugkräfte werden hier gezeichnet.</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Distance along the route (%1)</source>
        <translation>Strecke entlang der Trasse (%1)</translation>
    </message>
    <message>
        <source>Tension (%1)</source>
        <translation>Zugkraft (%1)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Höhe (%1)</translation>
    </message>
    <message>
        <source> Bends</source>
        <translation> Bögen</translation>
    </message>
    <message>
        <source> Mid-assist pull point</source>
        <translation> Zwischenzugstelle</translation>
    </message>
    <message>
        <source>Link %1, %2
Cumulative %3 %4</source>
        <translation>Abschnitt %1, %2
Kumuliert %3 %4</translation>
    </message>
    <message>
        <source>
Sidewall %1</source>
        <translation>
Seitenwanddruck %1</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <extracomment>A link's own coefficient or raceway, from where the link starts on.</extracomment>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source> The pull's log, measured (red rings: beyond the allowable tension)</source>
        <translation> Das Zugprotokoll, gemessen (rote Ringe: über der zulässigen Zugkraft)</translation>
    </message>
</context>
<context>
    <name>tensora::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The conduit properties and construction calculator, created by the Larkfield Center

</source>
        <translation>Der Rechner für Eigenschaften und Bau von Schutzrohren, erstellt vom Larkfield Center

</translation>
    </message>
    <message>
        <source>Data Version </source>
        <translation>Datenversion </translation>
    </message>
</context>
<context>
    <name>tensora::frmMain</name>
    <message>
        <source>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</source>
        <translation>Daten (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Import Route...</source>
        <translation>Trasse &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Pull Plan</source>
        <translation>Zugplan</translation>
    </message>
    <message>
        <source>Fill Ratio</source>
        <translation>Füllgrad</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Pull Calculator</source>
        <translation>&amp;Zugkraftrechner</translation>
    </message>
    <message>
        <source>Max &amp;Pull Length</source>
        <translation>Maximale &amp;Zuglänge</translation>
    </message>
    <message>
        <source>&amp;Sidewall Pressure</source>
        <translation>&amp;Seitenwanddruck</translation>
    </message>
    <message>
        <source>Straight Pull Tension</source>
        <translation>Zugkraft gerader Abschnitt</translation>
    </message>
    <message>
        <source>Bend Pull Tension</source>
        <translation>Zugkraft im Bogen</translation>
    </message>
    <message>
        <source>&amp;Fill Ratio</source>
        <translation>&amp;Füllgrad</translation>
    </message>
    <message>
        <source>&amp;Slikko! Quantity</source>
        <translation>&amp;Slikko!-Menge</translation>
    </message>
    <message>
        <source>Tension Pr&amp;ofile</source>
        <translation>Zugkraft&amp;profil</translation>
    </message>
    <message>
        <source>&amp;Route View</source>
        <translation>&amp;Trassenansicht</translation>
    </message>
    <message>
        <source>Pulling &amp;Equipment</source>
        <translation>Zug&amp;ausrüstung</translation>
    </message>
    <message>
        <source>Pull C&amp;heck</source>
        <translation>Zugp&amp;rüfung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>&amp;Inch-pound</source>
        <translation>&amp;Zoll-Pfund</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metrisch</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Hilfehandbuch</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Ductivo Installation Manual</source>
        <translation>Ductivo-Installationshandbuch</translation>
    </message>
    <message>
        <source>Norvale &amp;Home Page</source>
        <translation>Norvale-&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>Ü&amp;ber </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before leaving?</source>
        <translation>Der Zugplan hat ungespeicherte Änderungen. Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</source>
        <translation>Der eingebaute Browser läuft nicht als root (er müsste ohne seine Sandbox laufen). %1 stattdessen im Browser des Desktops öffnen?</translation>
    </message>
    <message>
        <source>The desktop's browser could not be started for %1.</source>
        <translation>Der Browser des Desktops konnte für %1 nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before starting a new document?</source>
        <translation>Der Zugplan hat ungespeicherte Änderungen. Vor einem neuen Dokument speichern?</translation>
    </message>
    <message>
        <source>Import Route</source>
        <translation>Trasse importieren</translation>
    </message>
    <message>
        <source>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <translation>Trassen (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF-Zeichnungen (*.dxf)|*.dxf|Punkte (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>No route was imported from %1.
%2</source>
        <translation>Aus %1 wurde keine Trasse importiert.
%2</translation>
    </message>
    <message>
        <source>Replace the %1 links of the plan by the %2 of the route?</source>
        <translation>Die %1 Abschnitte des Plans durch die %2 der Trasse ersetzen?</translation>
    </message>
    <message>
        <source>The plan would hold more than %1 links: nothing was imported.</source>
        <translation>Der Plan hätte mehr als %1 Abschnitte: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.
%3</source>
        <translation>%1 konnte nicht als %2 gespeichert werden.
%3</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>PDF-Dokument (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV table (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>CSV-Tabelle (*.csv)|*.csv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Es wurde nichts gespeichert: %1.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Open Report</source>
        <translation>Bericht öffnen</translation>
    </message>
    <message>
        <source>The report %1 could not be read.
%2</source>
        <translation>Der Bericht %1 konnte nicht gelesen werden.
%2</translation>
    </message>
    <message>
        <source>%1 is not a Tensora report: nothing was read.</source>
        <translation>%1 ist kein Tensora-Bericht: Es wurde nichts gelesen.</translation>
    </message>
    <message>
        <source>The report %1 was not read whole.

%2</source>
        <translation>Der Bericht %1 wurde nicht vollständig gelesen.

%2</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>&amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Save Op&amp;tions</source>
        <translation>Speicher&amp;optionen</translation>
    </message>
    <message>
        <source>&amp;Quick Calculators</source>
        <translation>Sc&amp;hnellrechner</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening %1?</source>
        <translation>Der Zugplan hat ungespeicherte Änderungen. Vor dem Öffnen von %1 speichern?</translation>
    </message>
    <message>
        <source>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</source>
        <translation>Der Bericht %1 wurde von einer früheren Tensora-Version mit Dezimalkommas gespeichert; seine Zahlen wurden so gelesen. Erneut gespeichert, enthält er sie mit Dezimalpunkten, wie jede Sprache sie liest.</translation>
    </message>
    <message>
        <source>The report %1: %2</source>
        <translation>Der Bericht %1: %2</translation>
    </message>
    <message>
        <source>Friction Li&amp;brary</source>
        <translation>Reibungs&amp;bibliothek</translation>
    </message>
    <message>
        <source>Compare Optio&amp;ns</source>
        <translation>Varianten &amp;vergleichen</translation>
    </message>
    <message>
        <source>Pull Bo&amp;x Size</source>
        <translation>Zieh&amp;kastengröße</translation>
    </message>
    <message>
        <source>Import Pull &amp;Log...</source>
        <translation>&amp;Zugprotokoll importieren...</translation>
    </message>
    <message>
        <source>Import Pull Log</source>
        <translation>Zugprotokoll importieren</translation>
    </message>
    <message>
        <source>The pull log %1 cannot be read.</source>
        <translation>Das Zugprotokoll %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>New &amp;Job</source>
        <translation>Neuer &amp;Auftrag</translation>
    </message>
    <message>
        <source>Open Jo&amp;b...</source>
        <translation>Auftra&amp;g öffnen...</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Auftrag öffnen</translation>
    </message>
</context>
<context>
    <name>tensora::miscData</name>
    <message>
        <source>Data File (hidden)</source>
        <translation>Datendatei (verborgen)</translation>
    </message>
</context>
<context>
    <name>tensora::textEditor</name>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>Hilfe</translation>
    </message>
</context>
</TS>