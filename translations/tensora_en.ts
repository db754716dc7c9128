<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>Advice</name>
    <message>
        <source>the cable's weight is negative</source>
        <translation>the cable's weight is negative</translation>
    </message>
    <message>
        <source>the cable's weight is no finite number</source>
        <translation>the cable's weight is no finite number</translation>
    </message>
    <message>
        <source>the coefficient of friction is negative</source>
        <translation>the coefficient of friction is negative</translation>
    </message>
    <message>
        <source>the coefficient of friction is no finite number</source>
        <translation>the coefficient of friction is no finite number</translation>
    </message>
    <message>
        <source>link %1 has a negative length</source>
        <translation>link %1 has a negative length</translation>
    </message>
    <message>
        <source>link %1 holds a figure beyond the computer's numbers</source>
        <translation>link %1 holds a figure beyond the computer's numbers</translation>
    </message>
    <message>
        <source>Even the best pull exceeds the allowable tension of %1 at link %2</source>
        <translation>Even the best pull exceeds the allowable tension of %1 at link %2</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure exceeds %1 at link %2</source>
        <translation>Sidewall bearing pressure exceeds %1 at link %2</translation>
    </message>
    <message>
        <source>Pulled forward, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>Pulled forward, the cable runs under its own weight at link %1: hold it back there</translation>
    </message>
    <message>
        <source>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</translation>
    </message>
    <message>
        <source>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</source>
        <extracomment>%1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension leaving it forward and in reverse with all of its weight.</extracomment>
        <translation>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n more such bends)</source>
        <comment>%1 (%n more such bend)</comment>
        <translation>
            <numerusform>%1 (%n more such bend)</numerusform>
            <numerusform>%1 (%n more such bends)</numerusform>
        </translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>pulled in reverse</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>pulled forward</translation>
    </message>
    <message>
        <source>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</source>
        <extracomment>%1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.</extracomment>
        <translation>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</translation>
    </message>
    <message>
        <source>Either way: %1 each way</source>
        <translation>Either way: %1 each way</translation>
    </message>
    <message>
        <source>Pull forward: %1% lower, %2 against %3</source>
        <extracomment>%1 how much lower in whole per cent, %2 the lower tension, %3 the higher.</extracomment>
        <translation>Pull forward: %1% lower, %2 against %3</translation>
    </message>
    <message>
        <source>Pull in reverse: %1% lower, %2 against %3</source>
        <translation>Pull in reverse: %1% lower, %2 against %3</translation>
    </message>
    <message>
        <source>%1; a mid-assist point after link %2, %3, lowers it to %4</source>
        <extracomment>%1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in reverse", %4 the tension.</extracomment>
        <translation>%1; a mid-assist point after link %2, %3, lowers it to %4</translation>
    </message>
    <message>
        <source>%1; no mid-assist advice: %2</source>
        <translation>%1; no mid-assist advice: %2</translation>
    </message>
    <message>
        <source>%1; no mid-assist point lowers it</source>
        <translation>%1; no mid-assist point lowers it</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The advice, then its findings.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>link %1 has a negative coefficient of friction</source>
        <translation>link %1 has a negative coefficient of friction</translation>
    </message>
</context>
<context>
    <name>Bending</name>
    <message>
        <source>non-shielded power</source>
        <translation>non-shielded power</translation>
    </message>
    <message>
        <source>shielded or lead-covered power</source>
        <translation>shielded or lead-covered power</translation>
    </message>
    <message>
        <source>metal-clad, smooth sheath</source>
        <translation>metal-clad, smooth sheath</translation>
    </message>
    <message>
        <source>metal-clad, interlocked or corrugated</source>
        <translation>metal-clad, interlocked or corrugated</translation>
    </message>
    <message>
        <source>fibre optic</source>
        <translation>fibre optic</translation>
    </message>
    <message>
        <source>a multiple of the diameter</source>
        <translation>a multiple of the diameter</translation>
    </message>
    <message>
        <source>kind not known</source>
        <translation>kind not known</translation>
    </message>
    <message>
        <source>%1 × OD pulling, %2 × OD installed, %3</source>
        <extracomment>The fibre optic rule: %1 the multiple under tension, %2 installed.</extracomment>
        <translation>%1 × OD pulling, %2 × OD installed, %3</translation>
    </message>
    <message>
        <source>%1 × OD, %2</source>
        <extracomment>A bending rule: %1 the multiple of the outside diameter, %2 the cable's kind.</extracomment>
        <translation>%1 × OD, %2</translation>
    </message>
</context>
<context>
    <name>CableSet</name>
    <message>
        <source>%1: give the conductor material of group %2</source>
        <extracomment>%1 the tension rule's name, %2 the group's number.</extracomment>
        <translation>%1: give the conductor material of group %2</translation>
    </message>
    <message>
        <source>%1: give the conductor size of group %2</source>
        <translation>%1: give the conductor size of group %2</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>copper</translation>
    </message>
    <message>
        <source>aluminium</source>
        <translation>aluminium</translation>
    </message>
    <message>
        <source>%1 × %2: OD %3, %4</source>
        <extracomment>A group of a cable set: %1 how many, %2 the cable's description, %3 its outside diameter, %4 its weight.</extracomment>
        <translation>%1 × %2: OD %3, %4</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cable</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>size not given</source>
        <extracomment>A conductor's size and material: "500 kcmil copper".</extracomment>
        <translation>size not given</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n conductors</source>
        <comment>%n conductor</comment>
        <translation>
            <numerusform>%n conductor</numerusform>
            <numerusform>%n conductors</numerusform>
        </translation>
    </message>
    <message>
        <source>rating %1</source>
        <translation>rating %1</translation>
    </message>
    <message>
        <source>Pulling eye on the conductors</source>
        <translation>Pulling eye on the conductors</translation>
    </message>
    <message>
        <source>Pulling eye, single conductors conservatively</source>
        <translation>Pulling eye, single conductors conservatively</translation>
    </message>
    <message>
        <source>Basket grip</source>
        <translation>Basket grip</translation>
    </message>
    <message>
        <source>Cable ratings</source>
        <translation>Cable ratings</translation>
    </message>
    <message>
        <source>As typed in the planner</source>
        <translation>As typed in the planner</translation>
    </message>
    <message>
        <source>%1: give the rating of group %2</source>
        <translation>%1: give the rating of group %2</translation>
    </message>
    <message>
        <source>%1 "%2": %3</source>
        <extracomment>%1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.</extracomment>
        <translation>%1 "%2": %3</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>not a positive number</translation>
    </message>
    <message>
        <source>not a number of 0 or more</source>
        <translation>not a number of 0 or more</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 1000 (no pull holds more)</source>
        <translation>not a whole number from 1 to 1000 (no pull holds more)</translation>
    </message>
    <message>
        <source>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</source>
        <translation>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</translation>
    </message>
    <message>
        <source>not a conductor material (cu or al)</source>
        <translation>not a conductor material (cu or al)</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 10000 (no cable holds more)</source>
        <translation>not a whole number from 1 to 10000 (no cable holds more)</translation>
    </message>
    <message>
        <source>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</source>
        <translation>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</translation>
    </message>
</context>
<context>
    <name>Cables</name>
    <message>
        <source>CABLE</source>
        <extracomment>The cable library's column headings: each one word, without blanks (the columns are found by them).</extracomment>
        <translation>CABLE</translation>
    </message>
    <message>
        <source>AREA</source>
        <translation>AREA</translation>
    </message>
    <message>
        <source>MODULUS</source>
        <translation>MODULUS</translation>
    </message>
    <message>
        <source>DIAM</source>
        <translation>DIAM</translation>
    </message>
    <message>
        <source>EXP/K</source>
        <translation>EXP/K</translation>
    </message>
    <message>
        <source>EXP/F</source>
        <translation>EXP/F</translation>
    </message>
    <message>
        <source>RATING</source>
        <translation>RATING</translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>Undefined: bend length is 0</source>
        <translation>Undefined: bend length is 0</translation>
    </message>
    <message>
        <source>Unlimited: no weight or friction</source>
        <translation>Unlimited: no weight or friction</translation>
    </message>
    <message>
        <source>None: an input is negative</source>
        <translation>None: an input is negative</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the cables do not fit this conduit</source>
        <translation>the cables do not fit this conduit</translation>
    </message>
    <message>
        <source>The cables do not fit this conduit</source>
        <translation>The cables do not fit this conduit</translation>
    </message>
    <message>
        <source>single cable</source>
        <translation>single cable</translation>
    </message>
    <message>
        <source>two cables</source>
        <translation>two cables</translation>
    </message>
    <message>
        <source>five or more cables</source>
        <translation>five or more cables</translation>
    </message>
    <message>
        <source>triangular</source>
        <translation>triangular</translation>
    </message>
    <message>
        <source>cradled</source>
        <translation>cradled</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamond</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>significant</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderate</translation>
    </message>
    <message>
        <source>small</source>
        <translation>small</translation>
    </message>
    <message>
        <source>very small</source>
        <translation>very small</translation>
    </message>
    <message>
        <source>mixed sizes: no jam band</source>
        <translation>mixed sizes: no jam band</translation>
    </message>
    <message>
        <source>three cables lie triangular or cradled, not in a diamond</source>
        <translation>three cables lie triangular or cradled, not in a diamond</translation>
    </message>
    <message>
        <source>four cables lie cradled or in a diamond, not triangular</source>
        <translation>four cables lie cradled or in a diamond, not triangular</translation>
    </message>
    <message>
        <source>The arrangement does not suit the number of cables</source>
        <translation>The arrangement does not suit the number of cables</translation>
    </message>
    <message>
        <source>in both pulls</source>
        <translation>in both pulls</translation>
    </message>
    <message>
        <source>in the forward pull</source>
        <translation>in the forward pull</translation>
    </message>
    <message>
        <source>in the reverse pull</source>
        <translation>in the reverse pull</translation>
    </message>
    <message>
        <source>Sidewall pressure exceeds %1 at link %2 %3</source>
        <extracomment>%1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls ("in both pulls").</extracomment>
        <translation>Sidewall pressure exceeds %1 at link %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</source>
        <comment>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</comment>
        <translation>
            <numerusform>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</numerusform>
            <numerusform>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</numerusform>
        </translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the forward pull: hold it back</source>
        <translation>The cable runs under its own weight at link %1 in the forward pull: hold it back</translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the reverse pull: hold it back</source>
        <translation>The cable runs under its own weight at link %1 in the reverse pull: hold it back</translation>
    </message>
    <message>
        <source>Reverse pull exceeds the allowable tension at link %1</source>
        <translation>Reverse pull exceeds the allowable tension at link %1</translation>
    </message>
    <message>
        <source>Forward pull exceeds the allowable tension at link %1</source>
        <translation>Forward pull exceeds the allowable tension at link %1</translation>
    </message>
    <message>
        <source>Pull OK</source>
        <translation>Pull OK</translation>
    </message>
    <message>
        <source>no cable outside diameter</source>
        <translation>no cable outside diameter</translation>
    </message>
    <message>
        <source>Enter the cable's outside diameter</source>
        <translation>Enter the cable's outside diameter</translation>
    </message>
    <message>
        <source>no conduit inside diameter</source>
        <translation>no conduit inside diameter</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter</source>
        <translation>Enter the conduit's inside diameter</translation>
    </message>
    <message>
        <source>no clearance formula for this arrangement</source>
        <translation>no clearance formula for this arrangement</translation>
    </message>
    <message>
        <source>The clearance is below the minimum</source>
        <translation>The clearance is below the minimum</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2%</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.</extracomment>
        <translation>The fill of %1% exceeds the electrical code's limit of %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk)</source>
        <extracomment>%1 the risk: "significant" or "moderate".</extracomment>
        <translation>The cables may jam (%1 risk)</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
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
        <translation>Enter a bend radius above 0, or leave the box empty to take each bend's radius from its length and angle</translation>
    </message>
    <message>
        <source>Enter a rating above 0</source>
        <translation>Enter a rating above 0</translation>
    </message>
    <message>
        <source>no links in the plan</source>
        <translation>no links in the plan</translation>
    </message>
    <message>
        <source>%1 at link %2, no allowable tension: %3</source>
        <extracomment>%1 the highest tension, %2 its link, %3 what the allowable tension lacks.</extracomment>
        <translation>%1 at link %2, no allowable tension: %3</translation>
    </message>
    <message>
        <source>give it in the planner</source>
        <translation>give it in the planner</translation>
    </message>
    <message>
        <source>%1 at link %2, allowable %3</source>
        <translation>%1 at link %2, allowable %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cables weighing %1, largest OD %2</source>
        <comment>%n cable weighing %1, largest OD %2</comment>
        <extracomment>%n cables, %1 their weight per length, %2 the largest outside diameter.</extracomment>
        <translation>
            <numerusform>%n cable weighing %1, largest OD %2</numerusform>
            <numerusform>%n cables weighing %1, largest OD %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, jam risk %2</source>
        <translation>%1, jam risk %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for one cable</source>
        <extracomment>%1 the fill in per cent, %2 the code's limit in whole per cent.</extracomment>
        <translation>%1%, within the electrical code's %2% for one cable</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for two cables</source>
        <translation>%1%, within the electrical code's %2% for two cables</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for more than two cables</source>
        <translation>%1%, within the electrical code's %2% for more than two cables</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for one cable</source>
        <translation>%1%, over the electrical code's %2% for one cable</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for two cables</source>
        <translation>%1%, over the electrical code's %2% for two cables</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for more than two cables</source>
        <translation>%1%, over the electrical code's %2% for more than two cables</translation>
    </message>
    <message>
        <source>Without a mid-assist point: %1</source>
        <translation>Without a mid-assist point: %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, below the minimum of %2</source>
        <extracomment>%1 the clearance, %2 the minimum; both with their unit.</extracomment>
        <translation>%1, below the minimum of %2</translation>
    </message>
    <message>
        <source>%1, minimum %2</source>
        <translation>%1, minimum %2</translation>
    </message>
    <message>
        <source>angle 0</source>
        <translation>angle 0</translation>
    </message>
    <message>
        <source>no radius</source>
        <translation>no radius</translation>
    </message>
    <message>
        <source>%1, over both ways</source>
        <translation>%1, over both ways</translation>
    </message>
    <message>
        <source>%1, over forward</source>
        <translation>%1, over forward</translation>
    </message>
    <message>
        <source>%1, over reverse</source>
        <translation>%1, over reverse</translation>
    </message>
    <message>
        <source>Interlocked armour</source>
        <translation>Interlocked armour</translation>
    </message>
    <message>
        <source>Control and 600 V cable</source>
        <translation>Control and 600 V cable</translation>
    </message>
    <message>
        <source>Power cable 600 V to 35 kV</source>
        <translation>Power cable 600 V to 35 kV</translation>
    </message>
    <message>
        <source>%1 from link %2</source>
        <extracomment>%1 what is wrong with a stretch's conduit, %2 the link it starts at.</extracomment>
        <translation>%1 from link %2</translation>
    </message>
    <message>
        <source>The clearance is below the minimum from link %1</source>
        <translation>The clearance is below the minimum from link %1</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2% from link %3</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent, %3 the link the conduit starts at.</extracomment>
        <translation>The fill of %1% exceeds the electrical code's limit of %2% from link %3</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk) from link %2</source>
        <extracomment>%1 the risk: "significant" or "moderate", %2 the link the conduit starts at.</extracomment>
        <translation>The cables may jam (%1 risk) from link %2</translation>
    </message>
    <message numerus="yes">
        <source>The bending radius was not checked for %n cables whose kind is not known</source>
        <comment>The bending radius was not checked for %n cable whose kind is not known</comment>
        <extracomment>%n cables whose kind is not given.</extracomment>
        <translation>
            <numerusform>The bending radius was not checked for %n cable whose kind is not known</numerusform>
            <numerusform>The bending radius was not checked for %n cables whose kind is not known</numerusform>
        </translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</source>
        <extracomment>%1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.</extracomment>
        <translation>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</source>
        <translation>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</source>
        <translation>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more bends</source>
        <comment>%1, and %n more bend</comment>
        <translation>
            <numerusform>%1, and %n more bend</numerusform>
            <numerusform>%1, and %n more bends</numerusform>
        </translation>
    </message>
    <message>
        <source>%1° of bends from link %2 to link %3, more than 360° between pull points</source>
        <extracomment>%1 the degrees of the stretch's bends, %2 and %3 its first and last links.</extracomment>
        <translation>%1° of bends from link %2 to link %3, more than 360° between pull points</translation>
    </message>
    <message>
        <source>Enter a cable kind or a multiple of the diameter above 0</source>
        <translation>Enter a cable kind or a multiple of the diameter above 0</translation>
    </message>
    <message>
        <source>%1 pulling, %2 trained (%3)</source>
        <extracomment>%1 the least radius under pulling tension, %2 once trained in place, %3 the rule.</extracomment>
        <translation>%1 pulling, %2 trained (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bends tighter</source>
        <comment>%1: %n bend tighter</comment>
        <translation>
            <numerusform>%1: %n bend tighter</numerusform>
            <numerusform>%1: %n bends tighter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every bend wide enough</source>
        <translation>%1: every bend wide enough</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°, over 360°</source>
        <extracomment>A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.</extracomment>
        <translation>links %1 to %2: %3°, over 360°</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°</source>
        <translation>links %1 to %2: %3°</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; no conduit is checked without the cables of the pull check</source>
        <translation>%1; no conduit is checked without the cables of the pull check</translation>
    </message>
    <message>
        <source>The coefficient "%1" is no number from 0 and no entry of the friction library</source>
        <extracomment>%1 the coefficient as typed.</extracomment>
        <translation>The coefficient "%1" is no number from 0 and no entry of the friction library</translation>
    </message>
    <message>
        <source>The direction "%1" is neither forward nor reverse</source>
        <translation>The direction "%1" is neither forward nor reverse</translation>
    </message>
    <message>
        <source>The mid-assist point "%1" is not the number of a link of the plan</source>
        <translation>The mid-assist point "%1" is not the number of a link of the plan</translation>
    </message>
    <message>
        <source>An option with a mid-assist point pulls both halves: it takes no direction</source>
        <translation>An option with a mid-assist point pulls both halves: it takes no direction</translation>
    </message>
    <message>
        <source>The back tension "%1" is not a number</source>
        <translation>The back tension "%1" is not a number</translation>
    </message>
    <message>
        <source>The conduit's inside diameter "%1" is not a number above 0</source>
        <translation>The conduit's inside diameter "%1" is not a number above 0</translation>
    </message>
    <message>
        <source>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</source>
        <extracomment>%1 the best option's number, %2 its highest tension, %3 the next option's highest tension, %4 that option's number.</extracomment>
        <translation>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</translation>
    </message>
    <message>
        <source>Option %1 is the only one pulled, with %2</source>
        <translation>Option %1 is the only one pulled, with %2</translation>
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
        <translation>pulled forward</translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>pulled in reverse</translation>
    </message>
    <message>
        <source>mid-assist point after link %1</source>
        <translation>mid-assist point after link %1</translation>
    </message>
    <message>
        <source>back tension %1</source>
        <translation>back tension %1</translation>
    </message>
    <message>
        <source>conduit ID %1</source>
        <translation>conduit ID %1</translation>
    </message>
    <message>
        <source>the plan as it is</source>
        <translation>the plan as it is</translation>
    </message>
    <message>
        <source>%1 at link %2</source>
        <translation>%1 at link %2</translation>
    </message>
</context>
<context>
    <name>Conduits</name>
    <message>
        <source>Schedule 40 pipe</source>
        <translation>Schedule 40 pipe</translation>
    </message>
    <message>
        <source>SDR 11 pipe</source>
        <translation>SDR 11 pipe</translation>
    </message>
    <message>
        <source>SDR 13.5 pipe</source>
        <translation>SDR 13.5 pipe</translation>
    </message>
    <message>
        <source>Electrical metallic tubing</source>
        <translation>Electrical metallic tubing</translation>
    </message>
    <message>
        <source>Electrical nonmetallic tubing</source>
        <translation>Electrical nonmetallic tubing</translation>
    </message>
    <message>
        <source>Flexible metal conduit</source>
        <translation>Flexible metal conduit</translation>
    </message>
    <message>
        <source>Intermediate metal conduit</source>
        <translation>Intermediate metal conduit</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type A</source>
        <translation>Liquidtight flexible nonmetallic conduit, type A</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type B</source>
        <translation>Liquidtight flexible nonmetallic conduit, type B</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type C</source>
        <translation>Liquidtight flexible nonmetallic conduit, type C</translation>
    </message>
    <message>
        <source>Liquidtight flexible metal conduit</source>
        <translation>Liquidtight flexible metal conduit</translation>
    </message>
    <message>
        <source>Rigid metal conduit</source>
        <translation>Rigid metal conduit</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 80</source>
        <translation>Rigid PVC conduit, Schedule 80</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 40, and HDPE conduit</source>
        <translation>Rigid PVC conduit, Schedule 40, and HDPE conduit</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type A</source>
        <translation>Rigid PVC conduit, type A</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type EB</source>
        <translation>Rigid PVC conduit, type EB</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Discard</translation>
    </message>
</context>
<context>
    <name>Equipment</name>
    <message>
        <source>forward pull</source>
        <translation>forward pull</translation>
    </message>
    <message>
        <source>reverse pull</source>
        <translation>reverse pull</translation>
    </message>
    <message>
        <source>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</source>
        <translation>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</translation>
    </message>
    <message>
        <source>Highest tension of the %1: %2 at link %3</source>
        <translation>Highest tension of the %1: %2 at link %3</translation>
    </message>
    <message>
        <source>%1, with the plan's mid-assist point after link %2.</source>
        <extracomment>The plan's own mid-assist point is already in the pull's tensions.</extracomment>
        <translation>%1, with the plan's mid-assist point after link %2.</translation>
    </message>
    <message>
        <source>%1; with a mid-assist point after link %2, pulled %3: %4.</source>
        <translation>%1; with a mid-assist point after link %2, pulled %3: %4.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>in reverse</source>
        <translation>in reverse</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Puller: give its rating.</source>
        <translation>Puller: give its rating.</translation>
    </message>
    <message>
        <source>Puller: too weak, %1 against the pull's %2.</source>
        <translation>Puller: too weak, %1 against the pull's %2.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</source>
        <translation>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %.</source>
        <translation>Puller: %1, margin %2 %.</translation>
    </message>
    <message>
        <source>Rope: a breaking strength of at least %1 serves</source>
        <translation>Rope: a breaking strength of at least %1 serves</translation>
    </message>
    <message>
        <source>%1; %2 serves (working load %3)</source>
        <translation>%1; %2 serves (working load %3)</translation>
    </message>
    <message>
        <source>%1; %2 is too weak</source>
        <translation>%1; %2 is too weak</translation>
    </message>
    <message>
        <source>%1. The design factor is below 4</source>
        <translation>%1. The design factor is below 4</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor, over its rating.</source>
        <translation>Sheave at link %1: %2 on it and its anchor, over its rating.</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor (no rating given).</source>
        <translation>Sheave at link %1: %2 on it and its anchor (no rating given).</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor.</source>
        <translation>Sheave at link %1: %2 on it and its anchor.</translation>
    </message>
    <message>
        <source>Capstan tail force:</source>
        <translation>Capstan tail force:</translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1 (more than a person holds)</source>
        <comment>%n wrap %1 (more than a person holds)</comment>
        <translation>
            <numerusform>%n wrap %1 (more than a person holds)</numerusform>
            <numerusform>%n wraps %1 (more than a person holds)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1</source>
        <comment>%n wrap %1</comment>
        <translation>
            <numerusform>%n wrap %1</numerusform>
            <numerusform>%n wraps %1</numerusform>
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
        <translation>The equipment serves this pull.</translation>
    </message>
    <message>
        <source>The equipment does not serve this pull.</source>
        <translation>The equipment does not serve this pull.</translation>
    </message>
    <message>
        <source>the puller's rating</source>
        <translation>the puller's rating</translation>
    </message>
    <message>
        <source>the rope's breaking strength</source>
        <translation>the rope's breaking strength</translation>
    </message>
    <message>
        <source>the sheaves' rating</source>
        <translation>the sheaves' rating</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not yet known whether the equipment serves this pull: give %1.</source>
        <translation>Not yet known whether the equipment serves this pull: give %1.</translation>
    </message>
    <message>
        <source>No bend is marked as turned on a sheave (mark one in the planner's options).</source>
        <translation>No bend is marked as turned on a sheave (mark one in the planner's options).</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Out of range</source>
        <translation>Out of range</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the document could not be drawn</source>
        <translation>the document could not be drawn</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>the file could not be written</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket), so nothing is written there</source>
        <translation>it is not a regular file (a device, a pipe or a socket), so nothing is written there</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>too many symbolic links lead to it</source>
        <translation>too many symbolic links lead to it</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>it names a folder, not a file</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>no new file could be made in its folder</source>
        <translation>no new file could be made in its folder</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>the file is not open</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>it is not a regular file (a device, a pipe or a socket)</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>the file could not be opened</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>the file could not be read to its end</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>the picture could not be drawn</translation>
    </message>
</context>
<context>
    <name>Fill</name>
    <message>
        <source>over</source>
        <translation>over</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>meets</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This feature requires an internet connection.  Do you wish to continue?</source>
        <translation>This feature requires an internet connection.  Do you wish to continue?</translation>
    </message>
    <message>
        <source>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</source>
        <translation>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Please enter a number</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</source>
        <translation>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>it is not a JSON document</source>
        <translation>it is not a JSON document</translation>
    </message>
    <message>
        <source>it is not a Tensora job</source>
        <translation>it is not a Tensora job</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>it was written by a later version of the program</translation>
    </message>
    <message>
        <source>it is damaged at item %1</source>
        <extracomment>%1 the number of the structure or pull that cannot be read.</extracomment>
        <translation>it is damaged at item %1</translation>
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
        <translation>Pull</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Rise</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Sidewall</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Mid-assist</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>In all</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>an entry has no name or no coefficient</source>
        <translation>an entry has no name or no coefficient</translation>
    </message>
    <message>
        <source>the entry "%1" has a %2 that is no text</source>
        <translation>the entry "%1" has a %2 that is no text</translation>
    </message>
    <message>
        <source>the entry "%1" has an unknown kind</source>
        <translation>the entry "%1" has an unknown kind</translation>
    </message>
    <message>
        <source>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</source>
        <translation>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</translation>
    </message>
    <message>
        <source>The coefficient of "%1" is not a number from 0 to %2</source>
        <translation>The coefficient of "%1" is not a number from 0 to %2</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>it is not a JSON document</translation>
    </message>
    <message>
        <source>it is not a friction library</source>
        <translation>it is not a friction library</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>it was written by a later version of the program</translation>
    </message>
    <message>
        <source>the name "%1" is there twice</source>
        <translation>the name "%1" is there twice</translation>
    </message>
    <message>
        <source>The library has an entry "%1" already</source>
        <translation>The library has an entry "%1" already</translation>
    </message>
    <message>
        <source>"%1" is no entry of yours</source>
        <translation>"%1" is no entry of yours</translation>
    </message>
    <message>
        <source>The friction library %1 cannot be read: %2</source>
        <translation>The friction library %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1 cannot be read: %2</source>
        <translation>Your friction entries %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1: %2</source>
        <translation>Your friction entries %1: %2</translation>
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
        <translation>The log holds no lines</translation>
    </message>
    <message>
        <source>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</source>
        <translation>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</translation>
    </message>
    <message>
        <source>The log records time: give the pulling speed</source>
        <translation>The log records time: give the pulling speed</translation>
    </message>
    <message>
        <source>The log does not say the unit of its lengths: choose ft or m</source>
        <translation>The log does not say the unit of its lengths: choose ft or m</translation>
    </message>
    <message>
        <source>Line %1 of the log cannot be read: "%2"</source>
        <extracomment>%1 the line's number in the file, %2 the line as it stands.</extracomment>
        <translation>Line %1 of the log cannot be read: "%2"</translation>
    </message>
    <message>
        <source>The log holds no tensions</source>
        <translation>The log holds no tensions</translation>
    </message>
    <message>
        <source>As pulled: beyond the allowable tension from %1</source>
        <extracomment>%1 the length pulled where the log first passes the allowable tension.</extracomment>
        <translation>As pulled: beyond the allowable tension from %1</translation>
    </message>
    <message>
        <source>As pulled: beyond the sidewall limit at %1</source>
        <translation>As pulled: beyond the sidewall limit at %1</translation>
    </message>
    <message>
        <source>As pulled: within the allowable tension and the sidewall limit</source>
        <translation>As pulled: within the allowable tension and the sidewall limit</translation>
    </message>
    <message>
        <source>The log's header does not name both a tension column and a length or time column</source>
        <translation>The log's header does not name both a tension column and a length or time column</translation>
    </message>
    <message>
        <source>Coefficient of friction that fits</source>
        <extracomment>%1 the fitted coefficient, %2 the largest difference, %3 the typical difference.</extracomment>
        <translation>Coefficient of friction that fits</translation>
    </message>
    <message>
        <source>%1 (largest difference %2, typical %3)</source>
        <translation>%1 (largest difference %2, typical %3)</translation>
    </message>
    <message>
        <source>Highest tension</source>
        <translation>Highest tension</translation>
    </message>
    <message>
        <source>measured %1, predicted %2</source>
        <translation>measured %1, predicted %2</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nowhere</translation>
    </message>
    <message numerus="yes">
        <source>%n points, the first at %1</source>
        <comment>%n point, at %1</comment>
        <translation>
            <numerusform>%n point, at %1</numerusform>
            <numerusform>%n points, the first at %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Beyond the allowable tension</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>the log ends before the route does</source>
        <translation>the log ends before the route does</translation>
    </message>
    <message>
        <source>the log runs on past the route's end</source>
        <translation>the log runs on past the route's end</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Mid-assist pull point between links %1 and %2</source>
        <extracomment>%1 and %2 the numbers of the links the point lies between.</extracomment>
        <translation>Mid-assist pull point between links %1 and %2</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Tilted</translation>
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
        <translation>%1 right</translation>
    </message>
    <message>
        <source>%1 sheave</source>
        <translation>%1 sheave</translation>
    </message>
    <message>
        <source>the angle is not a finite number</source>
        <translation>the angle is not a finite number</translation>
    </message>
    <message>
        <source>an Up or Down bend turns at most 360 degrees</source>
        <translation>an Up or Down bend turns at most 360 degrees</translation>
    </message>
    <message>
        <source>a tilted bend turns at most 360 degrees</source>
        <translation>a tilted bend turns at most 360 degrees</translation>
    </message>
    <message>
        <source>%1 (%2 %3) is beyond what a report holds in %4</source>
        <extracomment>%1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the inch-pound unit a report holds it in.</extracomment>
        <translation>%1 (%2 %3) is beyond what a report holds in %4</translation>
    </message>
    <message>
        <source>the allowable tension</source>
        <translation>the allowable tension</translation>
    </message>
    <message>
        <source>the cable weight</source>
        <translation>the cable weight</translation>
    </message>
    <message>
        <source>the back tension</source>
        <translation>the back tension</translation>
    </message>
    <message>
        <source>the length of link %1</source>
        <translation>the length of link %1</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>no length</translation>
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
        <translation>tray</translation>
    </message>
    <message>
        <source>ID %1</source>
        <extracomment>A conduit's inside diameter with its unit, from this link on.</extracomment>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>pull point</source>
        <translation>pull point</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>link %1</translation>
    </message>
    <message>
        <source>links %1</source>
        <translation>links %1</translation>
    </message>
    <message>
        <source>highest %1 %2 at link %3</source>
        <extracomment>%1 the highest tension, %2 its unit, %3 its link.</extracomment>
        <translation>highest %1 %2 at link %3</translation>
    </message>
    <message>
        <source>worst sidewall (tension / bend length) %1 %2 at link %3</source>
        <extracomment>%1 the worst sidewall pressure, %2 its unit, %3 its link.</extracomment>
        <translation>worst sidewall (tension / bend length) %1 %2 at link %3</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Forward pull</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Reverse pull</translation>
    </message>
    <message>
        <source>Forward pull: %1</source>
        <translation>Forward pull: %1</translation>
    </message>
    <message>
        <source>Reverse pull: %1</source>
        <translation>Reverse pull: %1</translation>
    </message>
    <message>
        <source>allowable %1 %2, above the chart</source>
        <extracomment>%1 the allowable tension, %2 its unit.</extracomment>
        <translation>allowable %1 %2, above the chart</translation>
    </message>
    <message>
        <source>allowable %1 %2</source>
        <translation>allowable %1 %2</translation>
    </message>
    <message>
        <source>forward pull in %1</source>
        <translation>forward pull in %1</translation>
    </message>
    <message>
        <source>reverse pull in %1</source>
        <translation>reverse pull in %1</translation>
    </message>
    <message>
        <source>Held at zero (the cable runs under its own weight: hold it back): %1.</source>
        <translation>Held at zero (the cable runs under its own weight: hold it back): %1.</translation>
    </message>
    <message>
        <source>%1° up</source>
        <extracomment>A bend's angle as typed, in degrees.</extracomment>
        <translation>%1° up</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° down</translation>
    </message>
    <message>
        <source>forward tension after %1</source>
        <translation>forward tension after %1</translation>
    </message>
    <message>
        <source>reverse tension after %1</source>
        <translation>reverse tension after %1</translation>
    </message>
    <message>
        <source>Not drawn (out of range): %1.</source>
        <translation>Not drawn (out of range): %1.</translation>
    </message>
</context>
<context>
    <name>PullBox</name>
    <message>
        <source>"%1" is not a trade size of %2</source>
        <extracomment>%1 the size as typed, %2 the conduit table.</extracomment>
        <translation>"%1" is not a trade size of %2</translation>
    </message>
    <message>
        <source>"%1" is not a trade size of the code's conduit tables</source>
        <translation>"%1" is not a trade size of the code's conduit tables</translation>
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
        <translation>For conductors of 6 AWG and smaller the box is sized by its volume (the conductors' allowances), which this rule does not compute</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Pull</source>
        <translation>Pull</translation>
    </message>
    <message>
        <source>Puller</source>
        <translation>Puller</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Rope</translation>
    </message>
    <message>
        <source>Sheaves</source>
        <translation>Sheaves</translation>
    </message>
    <message>
        <source>Capstan</source>
        <translation>Capstan</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>The report's cable set row %1 could not be read; the set was read without it.</source>
        <translation>The report's cable set row %1 could not be read; the set was read without it.</translation>
    </message>
    <message>
        <source>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</source>
        <translation>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</translation>
    </message>
    <message>
        <source>Conduit inside diameter (%1)</source>
        <translation>Conduit inside diameter (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cable outside diameter (%1)</source>
        <translation>Cable outside diameter (%1)</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Minimum clearance (%1)</source>
        <translation>Minimum clearance (%1)</translation>
    </message>
    <message>
        <source>Sidewall pressure limit (%1)</source>
        <translation>Sidewall pressure limit (%1)</translation>
    </message>
    <message>
        <source>Bend radius (%1)</source>
        <translation>Bend radius (%1)</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>from each bend's length and angle</translation>
    </message>
    <message>
        <source>Cable group %1</source>
        <translation>Cable group %1</translation>
    </message>
    <message>
        <source>Tension rule</source>
        <translation>Tension rule</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Jam ratio</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Weight correction</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Clearance</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Forward pull, corrected</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Reverse pull, corrected</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Cable set</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Allowable tension</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Code fill</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Advice for the cable set</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Radius (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Bearing, forward (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Bearing, reverse (%1)</translation>
    </message>
    <message>
        <source>Limit (%1)</source>
        <translation>Limit (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <comment>%n link</comment>
        <translation>
            <numerusform>%n link</numerusform>
            <numerusform>%n links</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</source>
        <translation>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</translation>
    </message>
    <message>
        <source>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</source>
        <translation>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>at its start</translation>
    </message>
    <message>
        <source>after link %1</source>
        <translation>after link %1</translation>
    </message>
    <message>
        <source>The plan's row of link %1 is not whole: the plan was read up to link %2.</source>
        <translation>The plan's row of link %1 is not whole: the plan was read up to link %2.</translation>
    </message>
    <message>
        <source>The plan names link %1 again %2: the plan was read up to link %3.</source>
        <extracomment>%2 is "at its start" or "after link N".</extracomment>
        <translation>The plan names link %1 again %2: the plan was read up to link %3.</translation>
    </message>
    <message>
        <source>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</source>
        <extracomment>%3 is "at its start" or "after link N".</extracomment>
        <translation>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</translation>
    </message>
    <message>
        <source>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</source>
        <translation>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</translation>
    </message>
    <message>
        <source>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</source>
        <translation>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</translation>
    </message>
    <message>
        <source>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</source>
        <translation>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</translation>
    </message>
    <message>
        <source>The report holds %1; a plan holds at most %2: the first %2 were read.</source>
        <translation>The report holds %1; a plan holds at most %2: the first %2 were read.</translation>
    </message>
    <message>
        <source>%1 "%2" is not a number</source>
        <translation>%1 "%2" is not a number</translation>
    </message>
    <message>
        <source>Tensora is a product of Norvale. All rights reserved.</source>
        <translation>Tensora is a product of Norvale. All rights reserved.</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Least bending radius</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Bends between pull points</translation>
    </message>
</context>
<context>
    <name>Routes</name>
    <message>
        <source>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</source>
        <translation>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</translation>
    </message>
    <message>
        <source>Line %1: a point needs an x and a y.</source>
        <translation>Line %1: a point needs an x and a y.</translation>
    </message>
    <message>
        <source>Line %1: the header names no x (easting) and y (northing) columns.</source>
        <translation>Line %1: the header names no x (easting) and y (northing) columns.</translation>
    </message>
    <message>
        <source>The file holds no points.</source>
        <translation>The file holds no points.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a number.</source>
        <translation>Line %1: "%2" is not a number.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a group code.</source>
        <translation>Line %1: "%2" is not a group code.</translation>
    </message>
    <message>
        <source>Line %1: the drawing ends after a group code.</source>
        <translation>Line %1: the drawing ends after a group code.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a finite number.</source>
        <translation>Line %1: "%2" is not a finite number.</translation>
    </message>
    <message>
        <source>Line %1: %2 gives a coordinate before its first vertex.</source>
        <translation>Line %1: %2 gives a coordinate before its first vertex.</translation>
    </message>
    <message>
        <source>Line %1: %2 has no SEQEND.</source>
        <translation>Line %1: %2 has no SEQEND.</translation>
    </message>
    <message>
        <source>The drawing ends before its end (no EOF): the file is cut short.</source>
        <translation>The drawing ends before its end (no EOF): the file is cut short.</translation>
    </message>
    <message>
        <source>This is a binary DXF drawing: save it as an ASCII DXF and import that.</source>
        <translation>This is a binary DXF drawing: save it as an ASCII DXF and import that.</translation>
    </message>
    <message>
        <source>The drawing's %1 has fewer than two distinct points: it is no route.</source>
        <translation>The drawing's %1 has fewer than two distinct points: it is no route.</translation>
    </message>
    <message>
        <source>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</source>
        <translation>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>a point</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</source>
        <translation>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</source>
        <translation>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</source>
        <translation>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</translation>
    </message>
    <message>
        <source>At %1 the bend has no radius.</source>
        <translation>At %1 the bend has no radius.</translation>
    </message>
    <message>
        <source>At %1 the route turns back on itself.</source>
        <translation>At %1 the route turns back on itself.</translation>
    </message>
    <message>
        <source>At %1 a coordinate is not a finite number.</source>
        <translation>At %1 a coordinate is not a finite number.</translation>
    </message>
    <message>
        <source>The route has fewer than two distinct points.</source>
        <translation>The route has fewer than two distinct points.</translation>
    </message>
    <message>
        <source>From %1 to the next point the distance is beyond what can be computed.</source>
        <translation>From %1 to the next point the distance is beyond what can be computed.</translation>
    </message>
    <message numerus="yes">
        <source>%n links, %1, rise %2</source>
        <comment>%n link, %1, rise %2</comment>
        <translation>
            <numerusform>%n link, %1, rise %2</numerusform>
            <numerusform>%n links, %1, rise %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 right</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 up</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 down</translation>
    </message>
    <message>
        <source>%1 tilted</source>
        <translation>%1 tilted</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; bends: %2</source>
        <translation>%1; bends: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n points closer than %2 to the one before merged into it</source>
        <comment>%1; %n point closer than %2 to the one before merged into it</comment>
        <extracomment>%2 is a distance with its unit.</extracomment>
        <translation>
            <numerusform>%1; %n point closer than %2 to the one before merged into it</numerusform>
            <numerusform>%1; %n points closer than %2 to the one before merged into it</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>layer %1, %2</source>
        <translation>layer %1, %2</translation>
    </message>
    <message>
        <source>The drawing has no path on layer %1.</source>
        <translation>The drawing has no path on layer %1.</translation>
    </message>
    <message>
        <source>There is no path %1; the paths are:</source>
        <translation>There is no path %1; the paths are:</translation>
    </message>
    <message>
        <source>The file holds several paths; choose one:</source>
        <translation>The file holds several paths; choose one:</translation>
    </message>
    <message>
        <source>%1
  %2  %3</source>
        <translation>%1
  %2  %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>a line needs a Start and an End of two numbers each.</source>
        <translation>a line needs a Start and an End of two numbers each.</translation>
    </message>
    <message>
        <source>a curve needs its Start, Center and End.</source>
        <translation>a curve needs its Start, Center and End.</translation>
    </message>
    <message>
        <source>a spiral of the kind "%1" is not read: only clothoids are.</source>
        <translation>a spiral of the kind "%1" is not read: only clothoids are.</translation>
    </message>
    <message>
        <source>a spiral needs its length, its radii at start and end, its Start and its PI.</source>
        <translation>a spiral needs its length, its radii at start and end, its Start and its PI.</translation>
    </message>
    <message>
        <source>a profile point is not a station and a height.</source>
        <translation>a profile point is not a station and a height.</translation>
    </message>
    <message>
        <source>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</source>
        <translation>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</translation>
    </message>
    <message>
        <source>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</source>
        <translation>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</translation>
    </message>
    <message>
        <source>The file is no LandXML document.</source>
        <translation>The file is no LandXML document.</translation>
    </message>
    <message>
        <source>The file has no alignment with lines or curves.</source>
        <translation>The file has no alignment with lines or curves.</translation>
    </message>
    <message>
        <source>Choose a path.</source>
        <translation>Choose a path.</translation>
    </message>
    <message>
        <source>The default bend radius must be a number above 0.</source>
        <translation>The default bend radius must be a number above 0.</translation>
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
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Tensora — Pull plan report</source>
        <translation>Tensora — Pull plan report</translation>
    </message>
    <message>
        <source>Report file: </source>
        <translation>Report file: </translation>
    </message>
    <message>
        <source>Bends</source>
        <translation>Bends</translation>
    </message>
    <message>
        <source>Pull check: cables in the conduit</source>
        <translation>Pull check: cables in the conduit</translation>
    </message>
    <message>
        <source>Pull check: results</source>
        <translation>Pull check: results</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Sidewall bearing pressure from each bend's radius, corrected pull</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Coefficient of friction</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>Weight in bends</source>
        <translation>Weight in bends</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>all of it</translation>
    </message>
    <message>
        <source>in the bend's plane only</source>
        <translation>in the bend's plane only</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubricant</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>no allowable tension to compare with</source>
        <translation>no allowable tension to compare with</translation>
    </message>
    <message>
        <source> of the allowable tension</source>
        <translation> of the allowable tension</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Forward pull</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Reverse pull</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Mid-assist</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Pull</translation>
    </message>
    <message>
        <source>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</source>
        <translation>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Angle (°)</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Conduit fill</source>
        <translation>Conduit fill</translation>
    </message>
    <message>
        <source>Conduit standard</source>
        <translation>Conduit standard</translation>
    </message>
    <message>
        <source>Cables (OD in)</source>
        <translation>Cables (OD in)</translation>
    </message>
    <message>
        <source>Total cable area (sq in)</source>
        <translation>Total cable area (sq in)</translation>
    </message>
    <message>
        <source>Fill by trade size</source>
        <translation>Fill by trade size</translation>
    </message>
    <message>
        <source>Trade size</source>
        <translation>Trade size</translation>
    </message>
    <message>
        <source>Pipe ID (in)</source>
        <translation>Pipe ID (in)</translation>
    </message>
    <message>
        <source>Area (sq in)</source>
        <translation>Area (sq in)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Plan: the route from above</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Elevation: height along the route, to scale</translation>
    </message>
    <message>
        <source>Pulling equipment</source>
        <translation>Pulling equipment</translation>
    </message>
    <message>
        <source>Tensora pull plan report</source>
        <translation>Tensora pull plan report</translation>
    </message>
    <message>
        <source>%1: tension from 0 to %2</source>
        <translation>%1: tension from 0 to %2</translation>
    </message>
    <message>
        <source>Red underlay: beyond the allowable tension</source>
        <translation>Red underlay: beyond the allowable tension</translation>
    </message>
    <message>
        <source> (%1, the black tick)</source>
        <translation> (%1, the black tick)</translation>
    </message>
    <message>
        <source>; amber: held at zero; red ring: a bend's bearing pressure beyond </source>
        <translation>; amber: held at zero; red ring: a bend's bearing pressure beyond </translation>
    </message>
    <message>
        <source>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</source>
        <translation>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</translation>
    </message>
    <message>
        <source>Cable Pulling Calculator</source>
        <translation>Cable Pulling Calculator</translation>
    </message>
    <message>
        <source>by Norvale</source>
        <translation>by Norvale</translation>
    </message>
    <message>
        <source>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</source>
        <translation>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>Cable pulling in conduit and duct</source>
        <translation>Cable pulling in conduit and duct</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</source>
        <translation>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation>The picture could not be saved as %1.
%2</translation>
    </message>
    <message>
        <source>Maximum Pulling Length</source>
        <translation>Maximum Pulling Length</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Maximum Pull Length</translation>
    </message>
    <message>
        <source>Select or Enter the Cable maximum pulling tension</source>
        <translation>Select or Enter the Cable maximum pulling tension</translation>
    </message>
    <message>
        <source>Select or Enter the cable weight</source>
        <translation>Select or Enter the cable weight</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coefficient of Friction</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, feet</source>
        <translation>Maximum Pulling Length, feet</translation>
    </message>
    <message>
        <source>Maximum Length = Max tension / (cable weight * friction)</source>
        <translation>Maximum Length = Max tension / (cable weight * friction)</translation>
    </message>
    <message>
        <source>Manual Inputs</source>
        <translation>Manual Inputs</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, metres</source>
        <translation>Maximum Pulling Length, metres</translation>
    </message>
    <message>
        <source>Max Length = Max tension / (cable weight * 9.80665 * friction)</source>
        <translation>Max Length = Max tension / (cable weight * 9.80665 * friction)</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</source>
        <translation>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</translation>
    </message>
    <message>
        <source>Tension in a Bend</source>
        <translation>Tension in a Bend</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension just before the bend</source>
        <translation>Select or Enter the Cable tension just before the bend</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Angle, in Degrees</source>
        <translation>Select or Enter the Bend Angle, in Degrees</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Enter the Coefficient of Friction</source>
        <translation>Enter the Coefficient of Friction</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, lbs</source>
        <translation>Tension Exiting Bend, lbs</translation>
    </message>
    <message>
        <source>Tension = Cable Tension * e ^ ( bend radians * friction)</source>
        <translation>Tension = Cable Tension * e ^ ( bend radians * friction)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, N</source>
        <translation>Tension Exiting Bend, N</translation>
    </message>
    <message>
        <source>Slikko! Quantity</source>
        <translation>Slikko! Quantity</translation>
    </message>
    <message>
        <source>Select or Enter the pull length</source>
        <translation>Select or Enter the pull length</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>Slikko! Required, Gallons</source>
        <translation>Slikko! Required, Gallons</translation>
    </message>
    <message>
        <source>Gallons required = 0.0015 * Length * inner diameter</source>
        <translation>Gallons required = 0.0015 * Length * inner diameter</translation>
    </message>
    <message>
        <source>Slikko! Required, Litres</source>
        <translation>Slikko! Required, Litres</translation>
    </message>
    <message>
        <source>Litres required = 0.000733 * Length * inner diameter</source>
        <translation>Litres required = 0.000733 * Length * inner diameter</translation>
    </message>
    <message>
        <source>Sidewall Pressure</source>
        <translation>Sidewall Pressure</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension in the bend</source>
        <translation>Select or Enter the Cable tension in the bend</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Length</source>
        <translation>Select or Enter the Bend Length</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>Sidewall Pressure, lbs</source>
        <translation>Sidewall Pressure, lbs</translation>
    </message>
    <message>
        <source>Pressure = tension in bend / bend length</source>
        <translation>Pressure = tension in bend / bend length</translation>
    </message>
    <message>
        <source>Sidewall Pressure, N/m</source>
        <translation>Sidewall Pressure, N/m</translation>
    </message>
    <message>
        <source>Straight Section Pull tension</source>
        <translation>Straight Section Pull tension</translation>
    </message>
    <message>
        <source>Straight Section Tension</source>
        <translation>Straight Section Tension</translation>
    </message>
    <message>
        <source>Select or Enter the straight section length</source>
        <translation>Select or Enter the straight section length</translation>
    </message>
    <message>
        <source>Straight Section Tension, lbs</source>
        <translation>Straight Section Tension, lbs</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * friction</source>
        <translation>Tension = straight length * cable weight * friction</translation>
    </message>
    <message>
        <source>Straight Section Tension, N</source>
        <translation>Straight Section Tension, N</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * 9.80665 * friction</source>
        <translation>Tension = straight length * cable weight * 9.80665 * friction</translation>
    </message>
    <message>
        <source>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</source>
        <translation>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</source>
        <translation>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Distance along the route</source>
        <translation>Distance along the route</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Allowable tension</translation>
    </message>
    <message>
        <source>Cable weight</source>
        <translation>Cable weight</translation>
    </message>
    <message>
        <source>Back tension</source>
        <translation>Back tension</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>System Information Is Unavailable At This Time</translation>
    </message>
    <message>
        <source>Advice for the planner's cable</source>
        <translation>Advice for the planner's cable</translation>
    </message>
    <message>
        <source>over</source>
        <comment>beyond the allowable tension</comment>
        <translation>over</translation>
    </message>
    <message>
        <source>held</source>
        <comment>held at zero</comment>
        <translation>held</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Sidewall</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n cable(s)</numerusform>
            <numerusform>%n cable(s)</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Maximum combined pair width (in)</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Friction</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 best</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>fails</translation>
    </message>
    <message>
        <source>Options compared</source>
        <translation>Options compared</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Forward (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Reverse (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Sidewall (%1)</source>
        <translation>Sidewall (%1)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>Lowest highest tension</source>
        <translation>Lowest highest tension</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Verdicts</source>
        <translation>Verdicts</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source>; square: a link with a coefficient or raceway of its own</source>
        <translation>; square: a link with a coefficient or raceway of its own</translation>
    </message>
    <message>
        <source>Pull log: measured over planned</source>
        <translation>Pull log: measured over planned</translation>
    </message>
    <message>
        <source>Pull log (dashed line; red rings: beyond the allowable tension)</source>
        <translation>Pull log (dashed line; red rings: beyond the allowable tension)</translation>
    </message>
    <message>
        <source>Tensora — Job</source>
        <translation>Tensora — Job</translation>
    </message>
    <message>
        <source>Pull %1</source>
        <translation>Pull %1</translation>
    </message>
    <message>
        <source>Schedule (red: the pull fails its check)</source>
        <translation>Schedule (red: the pull fails its check)</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cable to order</translation>
    </message>
    <message>
        <source>Tensora job</source>
        <translation>Tensora job</translation>
    </message>
</context>
<context>
    <name>tensora::BrowserWindow</name>
    <message>
        <source>Norvale Browser</source>
        <translation>Norvale Browser</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Working...</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetModel</name>
    <message>
        <source>As the description names it</source>
        <translation>As the description names it</translation>
    </message>
    <message>
        <source>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</source>
        <translation>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Conductors</source>
        <translation>Conductors</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>OD</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</source>
        <translation>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetPanel</name>
    <message>
        <source>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</source>
        <translation>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</translation>
    </message>
    <message>
        <source>&amp;Add typed</source>
        <translation>&amp;Add typed</translation>
    </message>
    <message>
        <source>&amp;Planner's cable</source>
        <translation>&amp;Planner's cable</translation>
    </message>
    <message>
        <source>The first group follows the planner's cable again</source>
        <translation>The first group follows the planner's cable again</translation>
    </message>
    <message>
        <source>Send to Fill Ratio</source>
        <translation>Send to Fill Ratio</translation>
    </message>
    <message>
        <source>&amp;Grip rating (%1):</source>
        <translation>&amp;Grip rating (%1):</translation>
    </message>
    <message>
        <source>Add from lib&amp;rary...</source>
        <translation>Add from lib&amp;rary...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>Remo&amp;ve</translation>
    </message>
    <message>
        <source>Allo&amp;wable tension by:</source>
        <translation>Allo&amp;wable tension by:</translation>
    </message>
    <message>
        <source>E&amp;ye rating (%1):</source>
        <translation>E&amp;ye rating (%1):</translation>
    </message>
</context>
<context>
    <name>tensora::CheckBendsModel</name>
    <message>
        <source>Limit (%1)</source>
        <translation>Limit (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Bearing, forward (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Bearing, reverse (%1)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
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
        <translation>Compare Options</translation>
    </message>
    <message>
        <source>&amp;Add Option</source>
        <translation>&amp;Add Option</translation>
    </message>
    <message>
        <source>&amp;Remove Last Option</source>
        <translation>&amp;Remove Last Option</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Coefficient or entry</source>
        <translation>Coefficient or entry</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist after link</source>
        <translation>Mid-assist after link</translation>
    </message>
    <message>
        <source>Back tension (%1)</source>
        <translation>Back tension (%1)</translation>
    </message>
    <message>
        <source>Conduit ID (%1)</source>
        <translation>Conduit ID (%1)</translation>
    </message>
    <message>
        <source>Forward max</source>
        <translation>Forward max</translation>
    </message>
    <message>
        <source>Reverse max</source>
        <translation>Reverse max</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Highest sidewall</source>
        <translation>Highest sidewall</translation>
    </message>
    <message>
        <source>A coefficient, or the name of a friction library entry; empty: the plan's</source>
        <translation>A coefficient, or the name of a friction library entry; empty: the plan's</translation>
    </message>
    <message>
        <source>Lower end</source>
        <translation>Lower end</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Each option is the pull check's corrected pull of its cables, and its verdict.</source>
        <translation>Each option is the pull check's corrected pull of its cables, and its verdict.</translation>
    </message>
    <message>
        <source>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</source>
        <translation>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 best</translation>
    </message>
</context>
<context>
    <name>tensora::FillRatio</name>
    <message>
        <source>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</translation>
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
        <translation>Electrical code:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Cable OD</source>
        <translation>Cable OD</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Area(s)</source>
        <translation>Area(s)</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Norvale recommends a 60% maximum fill.  Preferred maximum fill</source>
        <translation>Norvale recommends a 60% maximum fill.  Preferred maximum fill</translation>
    </message>
    <message>
        <source>launch from fill (hidden)</source>
        <translation>launch from fill (hidden)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Trade Size</source>
        <translation>Trade Size</translation>
    </message>
    <message>
        <source>Pipe ID</source>
        <translation>Pipe ID</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Percent Fill</source>
        <translation>Percent Fill</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Maximum combined pair width (in)</translation>
    </message>
    <message>
        <source>Code tables and limits</source>
        <translation>Code tables and limits</translation>
    </message>
    <message>
        <source>Electrical code tables</source>
        <translation>Electrical code tables</translation>
    </message>
    <message>
        <source>Conduit Fill Ratio</source>
        <translation>Conduit Fill Ratio</translation>
    </message>
    <message>
        <source>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>Widest pair side by side (mm)</source>
        <translation>Widest pair side by side (mm)</translation>
    </message>
    <message>
        <source>Designator</source>
        <translation>Designator</translation>
    </message>
    <message>
        <source>Metric designator %1, trade size %2</source>
        <translation>Metric designator %1, trade size %2</translation>
    </message>
    <message>
        <source>Fill limit %1 for one cable</source>
        <translation>Fill limit %1 for one cable</translation>
    </message>
    <message>
        <source>Fill limit %1 for two cables</source>
        <translation>Fill limit %1 for two cables</translation>
    </message>
    <message>
        <source>Fill limit %1 for more than two cables</source>
        <translation>Fill limit %1 for more than two cables</translation>
    </message>
    <message>
        <source>No cables yet</source>
        <translation>No cables yet</translation>
    </message>
    <message>
        <source>Smallest size that meets it: </source>
        <translation>Smallest size that meets it: </translation>
    </message>
    <message>
        <source>No size meets it</source>
        <translation>No size meets it</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n cable</numerusform>
            <numerusform>%n cables</numerusform>
        </translation>
    </message>
    <message>
        <source>The tables of %1</source>
        <translation>The tables of %1</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionEntryDialog</name>
    <message>
        <source>New Friction Entry</source>
        <translation>New Friction Entry</translation>
    </message>
    <message>
        <source>Friction Entry %1</source>
        <translation>Friction Entry %1</translation>
    </message>
    <message>
        <source>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</source>
        <translation>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coefficient of friction</translation>
    </message>
    <message>
        <source>&amp;Kind of raceway</source>
        <translation>&amp;Kind of raceway</translation>
    </message>
    <message>
        <source>&amp;Raceway</source>
        <translation>&amp;Raceway</translation>
    </message>
    <message>
        <source>Cable &amp;jacket</source>
        <translation>Cable &amp;jacket</translation>
    </message>
    <message>
        <source>&amp;Lubricant</source>
        <translation>&amp;Lubricant</translation>
    </message>
    <message>
        <source>&amp;Stands for</source>
        <translation>&amp;Stands for</translation>
    </message>
    <message>
        <source>S&amp;ource of the figure</source>
        <translation>S&amp;ource of the figure</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionLibraryWindow</name>
    <message>
        <source>Conduit or duct</source>
        <translation>Conduit or duct</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Cable tray on rollers</translation>
    </message>
    <message>
        <source>Any raceway</source>
        <translation>Any raceway</translation>
    </message>
    <message>
        <source>Friction Library</source>
        <translation>Friction Library</translation>
    </message>
    <message>
        <source>Words of a name, raceway, jacket, lubricant or source</source>
        <translation>Words of a name, raceway, jacket, lubricant or source</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>Use for the &amp;Plan</source>
        <translation>Use for the &amp;Plan</translation>
    </message>
    <message>
        <source>Use for &amp;Link</source>
        <translation>Use for &amp;Link</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edit...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>The shipped friction library %1 was not found beside the cable data.</source>
        <translation>The shipped friction library %1 was not found beside the cable data.</translation>
    </message>
    <message>
        <source>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</source>
        <translation>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Raceway</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Jacket</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubricant</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Stands for</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Yours</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1); they are as they were.</source>
        <translation>Your friction entries could not be saved (%1); they are as they were.</translation>
    </message>
    <message>
        <source>Delete your friction entry %1?</source>
        <translation>Delete your friction entry %1?</translation>
    </message>
</context>
<context>
    <name>tensora::JobWindow</name>
    <message>
        <source>Manhole</source>
        <translation>Manhole</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Vault</translation>
    </message>
    <message>
        <source>Pull box</source>
        <translation>Pull box</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>&amp;Add the Planner's Pull</source>
        <translation>&amp;Add the Planner's Pull</translation>
    </message>
    <message>
        <source>&amp;Open Pull</source>
        <translation>&amp;Open Pull</translation>
    </message>
    <message>
        <source>&amp;Remove Pull</source>
        <translation>&amp;Remove Pull</translation>
    </message>
    <message>
        <source>none: the structures' slack</source>
        <translation>none: the structures' slack</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Save Job</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cable to order</translation>
    </message>
    <message>
        <source>&amp;Margin (%):</source>
        <translation>&amp;Margin (%):</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Structures</translation>
    </message>
    <message>
        <source>The job has changes that are not saved. Save them?</source>
        <translation>The job has changes that are not saved. Save them?</translation>
    </message>
    <message>
        <source>The job %1 could not be read.</source>
        <translation>The job %1 could not be read.</translation>
    </message>
    <message>
        <source>The job %1 could not be read: %2.</source>
        <translation>The job %1 could not be read: %2.</translation>
    </message>
    <message>
        <source>The job could not be saved as %1.
%2</source>
        <translation>The job could not be saved as %1.
%2</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Save Job</translation>
    </message>
    <message>
        <source>Name the structures the pull runs from and to.</source>
        <translation>Name the structures the pull runs from and to.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
    </message>
    <message>
        <source>Remove pull %1 from the job?</source>
        <translation>Remove pull %1 from the job?</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening pull %1?</source>
        <translation>The pull plan has changes that are not saved. Save them before opening pull %1?</translation>
    </message>
    <message>
        <source>Enter the slack as a length of 0 or more.</source>
        <translation>Enter the slack as a length of 0 or more.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Slack (%1)</source>
        <translation>Slack (%1)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>New Job</translation>
    </message>
    <message>
        <source>A new job, not saved yet</source>
        <translation>A new job, not saved yet</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Pull</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Length (%1)</translation>
    </message>
    <message>
        <source>Rise (%1)</source>
        <translation>Rise (%1)</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Forward (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Reverse (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Sidewall</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Mid-assist</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>reverse</translation>
    </message>
    <message>
        <source>either</source>
        <translation>either</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>In all: %1 %2</source>
        <translation>In all: %1 %2</translation>
    </message>
    <message>
        <source>Sa&amp;ve Job As...</source>
        <translation>Sa&amp;ve Job As...</translation>
    </message>
</context>
<context>
    <name>tensora::LinkRacewayDialog</name>
    <message>
        <source>Friction and Raceway of Link %1</source>
        <translation>Friction and Raceway of Link %1</translation>
    </message>
    <message>
        <source>the plan's</source>
        <translation>the plan's</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>As the link before</source>
        <translation>As the link before</translation>
    </message>
    <message>
        <source>Conduit of inside diameter</source>
        <translation>Conduit of inside diameter</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Cable tray on rollers</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coefficient of friction</translation>
    </message>
    <message>
        <source>Friction &amp;library entry</source>
        <translation>Friction &amp;library entry</translation>
    </message>
    <message>
        <source>&amp;Raceway from this link on</source>
        <translation>&amp;Raceway from this link on</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>&amp;Inside diameter</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter, a number above 0.</source>
        <translation>Enter the conduit's inside diameter, a number above 0.</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Inside diameter typed</translation>
    </message>
    <message>
        <source>Conduit &amp;table</source>
        <translation>Conduit &amp;table</translation>
    </message>
    <message>
        <source>Trade &amp;size</source>
        <translation>Trade &amp;size</translation>
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
        <translation>Select or Enter the Conduit inner diameter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>tensora::MaxPull</name>
    <message>
        <source>Cable Select - click to select type</source>
        <translation>Cable Select - click to select type</translation>
    </message>
    <message>
        <source>Lubricant Selection</source>
        <translation>Lubricant Selection</translation>
    </message>
    <message>
        <source>Return to Pull Calculator</source>
        <translation>Return to Pull Calculator</translation>
    </message>
    <message>
        <source>Show Cable Details</source>
        <translation>Show Cable Details</translation>
    </message>
    <message>
        <source>Diameter Chosen, mm</source>
        <translation>Diameter Chosen, mm</translation>
    </message>
    <message>
        <source>Diameter Chosen</source>
        <translation>Diameter Chosen</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Maximum Pull Length</translation>
    </message>
    <message>
        <source>Return to Fill Ratio</source>
        <translation>Return to Fill Ratio</translation>
    </message>
    <message>
        <source>Return to Pull Check</source>
        <translation>Return to Pull Check</translation>
    </message>
    <message>
        <source>Cable Selection Window</source>
        <translation>Cable Selection Window</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>area</source>
        <translation>area</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diameter</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>weight</translation>
    </message>
    <message>
        <source>max load</source>
        <translation>max load</translation>
    </message>
    <message>
        <source>Cable Select - click to select %1</source>
        <translation>Cable Select - click to select %1</translation>
    </message>
</context>
<context>
    <name>tensora::PullBoxSize</name>
    <message>
        <source>Pull Box Size</source>
        <translation>Pull Box Size</translation>
    </message>
    <message>
        <source>Conduits entering one wall</source>
        <translation>Conduits entering one wall</translation>
    </message>
    <message>
        <source>Straight pull</source>
        <translation>Straight pull</translation>
    </message>
    <message>
        <source>Angle pull</source>
        <translation>Angle pull</translation>
    </message>
    <message>
        <source>U pull</source>
        <translation>U pull</translation>
    </message>
    <message>
        <source>Any of the code's tables</source>
        <translation>Any of the code's tables</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Conductors of 6 AWG and s&amp;maller</source>
        <translation>Conductors of 6 AWG and s&amp;maller</translation>
    </message>
    <message>
        <source>&amp;Pull:</source>
        <translation>&amp;Pull:</translation>
    </message>
    <message>
        <source>Conduit &amp;table:</source>
        <translation>Conduit &amp;table:</translation>
    </message>
    <message>
        <source>Trade &amp;size:</source>
        <translation>Trade &amp;size:</translation>
    </message>
    <message>
        <source>Si&amp;zes entering:</source>
        <translation>Si&amp;zes entering:</translation>
    </message>
    <message>
        <source>Least box</source>
        <translation>Least box</translation>
    </message>
    <message>
        <source>Length, straight pull:</source>
        <translation>Length, straight pull:</translation>
    </message>
    <message>
        <source>To the opposite wall:</source>
        <translation>To the opposite wall:</translation>
    </message>
    <message>
        <source>Between a raceway's entries:</source>
        <translation>Between a raceway's entries:</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Rule:</translation>
    </message>
    <message>
        <source>The sizes the table lacks were taken out of the list.</source>
        <translation>The sizes the table lacks were taken out of the list.</translation>
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
        <translation>Ductivo Pull Calculator</translation>
    </message>
    <message>
        <source>Cable Input</source>
        <translation>Cable Input</translation>
    </message>
    <message>
        <source>Select Cable</source>
        <translation>Select Cable</translation>
    </message>
    <message>
        <source>Launch from Pull Calc (hidden)</source>
        <translation>Launch from Pull Calc (hidden)</translation>
    </message>
    <message>
        <source>Cable Description</source>
        <translation>Cable Description</translation>
    </message>
    <message>
        <source>Allowable Tension</source>
        <translation>Allowable Tension</translation>
    </message>
    <message>
        <source>Cable Weight</source>
        <translation>Cable Weight</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coefficient of Friction</translation>
    </message>
    <message>
        <source>Back Tension</source>
        <translation>Back Tension</translation>
    </message>
    <message>
        <source>Pull Input</source>
        <translation>Pull Input</translation>
    </message>
    <message>
        <source>Straight Section</source>
        <translation>Straight Section</translation>
    </message>
    <message>
        <source>Enter the Angle</source>
        <translation>Enter the Angle</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Submit</translation>
    </message>
    <message>
        <source>Enter the Section Length</source>
        <translation>Enter the Section Length</translation>
    </message>
    <message>
        <source>Incline (optional)</source>
        <translation>Incline (optional)</translation>
    </message>
    <message>
        <source>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</source>
        <translation>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</translation>
    </message>
    <message>
        <source>Bend &amp;turns</source>
        <translation>Bend &amp;turns</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Tilted</translation>
    </message>
    <message>
        <source>Ti&amp;lt from horizontal</source>
        <translation>Ti&amp;lt from horizontal</translation>
    </message>
    <message>
        <source>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</source>
        <translation>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clicking a link number will have the following effect:</source>
        <translation>Clicking a link number will have the following effect:</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Delete Link</translation>
    </message>
    <message>
        <source>Delete all Links</source>
        <translation>Delete all Links</translation>
    </message>
    <message>
        <source>Insert Pull Input at Chosen Link</source>
        <translation>Insert Pull Input at Chosen Link</translation>
    </message>
    <message>
        <source>Mark or Unmark a Sheave at the Bend</source>
        <translation>Mark or Unmark a Sheave at the Bend</translation>
    </message>
    <message>
        <source>Calculate Mid-assist Pull</source>
        <translation>Calculate Mid-assist Pull</translation>
    </message>
    <message>
        <source>&amp;Weight in bends:</source>
        <translation>&amp;Weight in bends:</translation>
    </message>
    <message>
        <source>In the bend's plane only</source>
        <translation>In the bend's plane only</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>All of it</translation>
    </message>
    <message>
        <source>Held at zero: the cable would run under its own weight here and must be held back</source>
        <translation>Held at zero: the cable would run under its own weight here and must be held back</translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Beyond the allowable tension</translation>
    </message>
    <message>
        <source>Pull Calculator</source>
        <translation>Pull Calculator</translation>
    </message>
    <message>
        <source>The link was not added: %1.</source>
        <translation>The link was not added: %1.</translation>
    </message>
    <message>
        <source>This will delete the link. Are you sure?</source>
        <translation>This will delete the link. Are you sure?</translation>
    </message>
    <message>
        <source>This will delete ALL links. Are you sure?</source>
        <translation>This will delete ALL links. Are you sure?</translation>
    </message>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>New Document</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</source>
        <translation>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</translation>
    </message>
    <message>
        <source>Set Friction or Raceway at the Link</source>
        <translation>Set Friction or Raceway at the Link</translation>
    </message>
    <message>
        <source>Mark or Unmark a Pull Point at the Link</source>
        <translation>Mark or Unmark a Pull Point at the Link</translation>
    </message>
</context>
<context>
    <name>tensora::PullCheck</name>
    <message>
        <source>Pull Check</source>
        <translation>Pull Check</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Bends: sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Bends: sidewall bearing pressure from each bend's radius, corrected pull</translation>
    </message>
    <message>
        <source>Cable s&amp;et</source>
        <translation>Cable s&amp;et</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Inside diameter typed</translation>
    </message>
    <message>
        <source>Cables and conduit</source>
        <translation>Cables and conduit</translation>
    </message>
    <message>
        <source>Choose a trade size</source>
        <translation>Choose a trade size</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>Triangular</translation>
    </message>
    <message>
        <source>Cradled</source>
        <translation>Cradled</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamond</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>from each bend's length and angle</translation>
    </message>
    <message>
        <source>Conduit &amp;standard:</source>
        <translation>Conduit &amp;standard:</translation>
    </message>
    <message>
        <source>&amp;Trade size:</source>
        <translation>&amp;Trade size:</translation>
    </message>
    <message>
        <source>&amp;Number of cables:</source>
        <translation>&amp;Number of cables:</translation>
    </message>
    <message>
        <source>&amp;Configuration:</source>
        <translation>&amp;Configuration:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Jam ratio</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Weight correction</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Clearance</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Forward pull, corrected</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Reverse pull, corrected</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Code fill</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Cable set</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Allowable tension</translation>
    </message>
    <message>
        <source>Sidewall pressure limit for the type of cable</source>
        <translation>Sidewall pressure limit for the type of cable</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Typed</translation>
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
        <translation>Enter the conduit's inside diameter (or choose a trade size) and the cable's outside diameter.</translation>
    </message>
    <message>
        <source>Ben&amp;ds</source>
        <translation>Ben&amp;ds</translation>
    </message>
    <message>
        <source>, trade size </source>
        <translation>, trade size </translation>
    </message>
    <message>
        <source> (metric designator %1), listed area %2 mm²</source>
        <translation> (metric designator %1), listed area %2 mm²</translation>
    </message>
    <message>
        <source>, listed area </source>
        <translation>, listed area </translation>
    </message>
    <message>
        <source> sq in</source>
        <translation> sq in</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>&amp;Inside diameter</translation>
    </message>
    <message>
        <source>Cable &amp;outside diameter</source>
        <translation>Cable &amp;outside diameter</translation>
    </message>
    <message>
        <source>&amp;Minimum clearance</source>
        <translation>&amp;Minimum clearance</translation>
    </message>
    <message>
        <source>Sidewall pressure &amp;limit</source>
        <translation>Sidewall pressure &amp;limit</translation>
    </message>
    <message>
        <source>&amp;Bend radius, all bends</source>
        <translation>&amp;Bend radius, all bends</translation>
    </message>
    <message numerus="yes">
        <source>Ben&amp;ds (%n over the limit)</source>
        <translation>
            <numerusform>Ben&amp;ds (%n over the limit)</numerusform>
            <numerusform>Ben&amp;ds (%n over the limit)</numerusform>
        </translation>
    </message>
    <message>
        <source>The pull check has changes that are not saved. Save them before closing the Pull Check?</source>
        <translation>The pull check has changes that are not saved. Save them before closing the Pull Check?</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Advice for the cable set</translation>
    </message>
    <message>
        <source>× OD</source>
        <translation>× OD</translation>
    </message>
    <message>
        <source>Cable &amp;kind:</source>
        <translation>Cable &amp;kind:</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Least bending radius</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Bends between pull points</translation>
    </message>
</context>
<context>
    <name>tensora::PullLogDialog</name>
    <message>
        <source>Pull Log %1</source>
        <translation>Pull Log %1</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>As the file says</translation>
    </message>
    <message>
        <source>for a log of times: length per minute</source>
        <translation>for a log of times: length per minute</translation>
    </message>
    <message>
        <source>&amp;Lay over the Plan</source>
        <translation>&amp;Lay over the Plan</translation>
    </message>
    <message>
        <source>&amp;Use for the Plan</source>
        <translation>&amp;Use for the Plan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Pulled &amp;in direction:</source>
        <translation>Pulled &amp;in direction:</translation>
    </message>
    <message>
        <source>&amp;Tensions in:</source>
        <translation>&amp;Tensions in:</translation>
    </message>
    <message>
        <source>Len&amp;gths in:</source>
        <translation>Len&amp;gths in:</translation>
    </message>
    <message>
        <source>Pulling &amp;speed:</source>
        <translation>Pulling &amp;speed:</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
    </message>
    <message numerus="yes">
        <source>%n points read</source>
        <translation>
            <numerusform>%n points read</numerusform>
            <numerusform>%n points read</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your friction entries cannot be changed until their file is mended or moved away.</source>
        <translation>Your friction entries cannot be changed until their file is mended or moved away.</translation>
    </message>
    <message>
        <source>measured: fitted to a pull's tension log</source>
        <translation>measured: fitted to a pull's tension log</translation>
    </message>
    <message>
        <source>%1, pulled %2, route %3</source>
        <translation>%1, pulled %2, route %3</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1).</source>
        <translation>Your friction entries could not be saved (%1).</translation>
    </message>
    <message>
        <source>Kept in your friction library as %1.</source>
        <translation>Kept in your friction library as %1.</translation>
    </message>
    <message>
        <source>Add to Friction Li&amp;brary</source>
        <translation>Add to Friction Li&amp;brary</translation>
    </message>
</context>
<context>
    <name>tensora::PullResultsPanel</name>
    <message>
        <source>Pull Results</source>
        <translation>Pull Results</translation>
    </message>
    <message>
        <source>Planned Pull Input</source>
        <translation>Planned Pull Input</translation>
    </message>
    <message>
        <source>Forward Tension - </source>
        <translation>Forward Tension - </translation>
    </message>
    <message>
        <source>Reverse Tension - </source>
        <translation>Reverse Tension - </translation>
    </message>
    <message>
        <source>Apply &amp;Mid-assist Point</source>
        <translation>Apply &amp;Mid-assist Point</translation>
    </message>
    <message>
        <source> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </source>
        <translation> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </translation>
    </message>
    <message>
        <source> held at zero: the cable runs under its own weight there and must be held back</source>
        <translation> held at zero: the cable runs under its own weight there and must be held back</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Cumulative</translation>
    </message>
    <message>
        <source>Side Wall</source>
        <translation>Side Wall</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Friction</translation>
    </message>
</context>
<context>
    <name>tensora::PullingEquipment</name>
    <message>
        <source>Pulling Equipment</source>
        <translation>Pulling Equipment</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Checked against the planned pull</source>
        <translation>Checked against the planned pull</translation>
    </message>
    <message>
        <source>As the advice says</source>
        <translation>As the advice says</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Forward pull</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Reverse pull</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Direction:</translation>
    </message>
    <message>
        <source>&amp;Puller rating:</source>
        <translation>&amp;Puller rating:</translation>
    </message>
    <message>
        <source>&amp;Rope breaking strength:</source>
        <translation>&amp;Rope breaking strength:</translation>
    </message>
    <message>
        <source>Rope design &amp;factor:</source>
        <translation>Rope design &amp;factor:</translation>
    </message>
    <message>
        <source>× puller rating</source>
        <translation>× puller rating</translation>
    </message>
    <message>
        <source>&amp;Sheave rating:</source>
        <translation>&amp;Sheave rating:</translation>
    </message>
    <message>
        <source>Tension a sheave &amp;adds:</source>
        <translation>Tension a sheave &amp;adds:</translation>
    </message>
    <message>
        <source>&amp;Capstan friction:</source>
        <translation>&amp;Capstan friction:</translation>
    </message>
    <message>
        <source>&amp;Tail force a person holds:</source>
        <translation>&amp;Tail force a person holds:</translation>
    </message>
    <message>
        <source>The pulling equipment has changes that are not saved. Save them before closing the window?</source>
        <translation>The pulling equipment has changes that are not saved. Save them before closing the window?</translation>
    </message>
</context>
<context>
    <name>tensora::QuickCalculatorWindow</name>
    <message>
        <source>Results</source>
        <translation>Results</translation>
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
        <translation>No plan yet: add links in Tools &gt; Pull Calculator.</translation>
    </message>
</context>
<context>
    <name>tensora::RouteImportDialog</name>
    <message>
        <source>Import Route</source>
        <translation>Import Route</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>As the file says</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Path:</translation>
    </message>
    <message>
        <source>&amp;Units of the file:</source>
        <translation>&amp;Units of the file:</translation>
    </message>
    <message>
        <source>Default &amp;bend radius:</source>
        <translation>Default &amp;bend radius:</translation>
    </message>
    <message>
        <source>&amp;Replace the Plan</source>
        <translation>&amp;Replace the Plan</translation>
    </message>
    <message>
        <source>&amp;Append to the Plan</source>
        <translation>&amp;Append to the Plan</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>feet</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inches</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetres</translation>
    </message>
</context>
<context>
    <name>tensora::RouteView</name>
    <message>
        <source>Route View</source>
        <translation>Route View</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Forward pull</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Reverse pull</translation>
    </message>
    <message>
        <source>&amp;Colour by the tension of the:</source>
        <translation>&amp;Colour by the tension of the:</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Show the whole route (0 in a drawing)</source>
        <translation>Show the whole route (0 in a drawing)</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Save &amp;Image...</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrows pan</source>
        <translation>Wheel or + and - zoom, drag or arrows pan</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Plan: the route from above</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Elevation: height along the route, to scale</translation>
    </message>
</context>
<context>
    <name>tensora::TensionProfile</name>
    <message>
        <source>Tension Profile</source>
        <translation>Tension Profile</translation>
    </message>
    <message>
        <source>Distance along the route (ft)</source>
        <translation>Distance along the route (ft)</translation>
    </message>
    <message>
        <source>Tension (lbs)</source>
        <translation>Tension (lbs)</translation>
    </message>
    <message>
        <source>Height (ft)</source>
        <translation>Height (ft)</translation>
    </message>
    <message>
        <source>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</source>
        <translation>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Save Image...</translation>
    </message>
    <message>
        <source>Distance along the route (%1)</source>
        <translation>Distance along the route (%1)</translation>
    </message>
    <message>
        <source>Tension (%1)</source>
        <translation>Tension (%1)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Height (%1)</translation>
    </message>
    <message>
        <source> Bends</source>
        <translation> Bends</translation>
    </message>
    <message>
        <source> Mid-assist pull point</source>
        <translation> Mid-assist pull point</translation>
    </message>
    <message>
        <source>Link %1, %2
Cumulative %3 %4</source>
        <translation>Link %1, %2
Cumulative %3 %4</translation>
    </message>
    <message>
        <source>
Sidewall %1</source>
        <translation>
Sidewall %1</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <extracomment>A link's own coefficient or raceway, from where the link starts on.</extracomment>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source> The pull's log, measured (red rings: beyond the allowable tension)</source>
        <translation> The pull's log, measured (red rings: beyond the allowable tension)</translation>
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
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>About </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The conduit properties and construction calculator, created by the Larkfield Center

</source>
        <translation>The conduit properties and construction calculator, created by the Larkfield Center

</translation>
    </message>
    <message>
        <source>Data Version </source>
        <translation>Data Version </translation>
    </message>
</context>
<context>
    <name>tensora::frmMain</name>
    <message>
        <source>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</source>
        <translation>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Import Route...</source>
        <translation>&amp;Import Route...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Export P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Pull Plan</source>
        <translation>Pull Plan</translation>
    </message>
    <message>
        <source>Fill Ratio</source>
        <translation>Fill Ratio</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Pull Calculator</source>
        <translation>&amp;Pull Calculator</translation>
    </message>
    <message>
        <source>Max &amp;Pull Length</source>
        <translation>Max &amp;Pull Length</translation>
    </message>
    <message>
        <source>&amp;Sidewall Pressure</source>
        <translation>&amp;Sidewall Pressure</translation>
    </message>
    <message>
        <source>Straight Pull Tension</source>
        <translation>Straight Pull Tension</translation>
    </message>
    <message>
        <source>Bend Pull Tension</source>
        <translation>Bend Pull Tension</translation>
    </message>
    <message>
        <source>&amp;Fill Ratio</source>
        <translation>&amp;Fill Ratio</translation>
    </message>
    <message>
        <source>&amp;Slikko! Quantity</source>
        <translation>&amp;Slikko! Quantity</translation>
    </message>
    <message>
        <source>Tension Pr&amp;ofile</source>
        <translation>Tension Pr&amp;ofile</translation>
    </message>
    <message>
        <source>&amp;Route View</source>
        <translation>&amp;Route View</translation>
    </message>
    <message>
        <source>Pulling &amp;Equipment</source>
        <translation>Pulling &amp;Equipment</translation>
    </message>
    <message>
        <source>Pull C&amp;heck</source>
        <translation>Pull C&amp;heck</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Units</translation>
    </message>
    <message>
        <source>&amp;Inch-pound</source>
        <translation>&amp;Inch-pound</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Metric</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Help Manual</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Ductivo Installation Manual</source>
        <translation>Ductivo Installation Manual</translation>
    </message>
    <message>
        <source>Norvale &amp;Home Page</source>
        <translation>Norvale &amp;Home Page</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;About </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before leaving?</source>
        <translation>The pull plan has changes that are not saved. Save them before leaving?</translation>
    </message>
    <message>
        <source>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</source>
        <translation>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</translation>
    </message>
    <message>
        <source>The desktop's browser could not be started for %1.</source>
        <translation>The desktop's browser could not be started for %1.</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before starting a new document?</source>
        <translation>The pull plan has changes that are not saved. Save them before starting a new document?</translation>
    </message>
    <message>
        <source>Import Route</source>
        <translation>Import Route</translation>
    </message>
    <message>
        <source>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <translation>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>No route was imported from %1.
%2</source>
        <translation>No route was imported from %1.
%2</translation>
    </message>
    <message>
        <source>Replace the %1 links of the plan by the %2 of the route?</source>
        <translation>Replace the %1 links of the plan by the %2 of the route?</translation>
    </message>
    <message>
        <source>The plan would hold more than %1 links: nothing was imported.</source>
        <translation>The plan would hold more than %1 links: nothing was imported.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.
%3</source>
        <translation>The %1 could not be saved as %2.
%3</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>PDF document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>CSV table (*.csv)|*.csv|All Files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nothing was saved: %1.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Save Report</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>The report could not be saved as %1.
%2</translation>
    </message>
    <message>
        <source>Open Report</source>
        <translation>Open Report</translation>
    </message>
    <message>
        <source>The report %1 could not be read.
%2</source>
        <translation>The report %1 could not be read.
%2</translation>
    </message>
    <message>
        <source>%1 is not a Tensora report: nothing was read.</source>
        <translation>%1 is not a Tensora report: nothing was read.</translation>
    </message>
    <message>
        <source>The report %1 was not read whole.

%2</source>
        <translation>The report %1 was not read whole.

%2</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Export &amp;CSV...</translation>
    </message>
    <message>
        <source>Save Op&amp;tions</source>
        <translation>Save Op&amp;tions</translation>
    </message>
    <message>
        <source>&amp;Quick Calculators</source>
        <translation>&amp;Quick Calculators</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening %1?</source>
        <translation>The pull plan has changes that are not saved. Save them before opening %1?</translation>
    </message>
    <message>
        <source>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</source>
        <translation>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</translation>
    </message>
    <message>
        <source>The report %1: %2</source>
        <translation>The report %1: %2</translation>
    </message>
    <message>
        <source>Friction Li&amp;brary</source>
        <translation>Friction Li&amp;brary</translation>
    </message>
    <message>
        <source>Compare Optio&amp;ns</source>
        <translation>Compare Optio&amp;ns</translation>
    </message>
    <message>
        <source>Pull Bo&amp;x Size</source>
        <translation>Pull Bo&amp;x Size</translation>
    </message>
    <message>
        <source>Import Pull &amp;Log...</source>
        <translation>Import Pull &amp;Log...</translation>
    </message>
    <message>
        <source>Import Pull Log</source>
        <translation>Import Pull Log</translation>
    </message>
    <message>
        <source>The pull log %1 cannot be read.</source>
        <translation>The pull log %1 cannot be read.</translation>
    </message>
    <message>
        <source>New &amp;Job</source>
        <translation>New &amp;Job</translation>
    </message>
    <message>
        <source>Open Jo&amp;b...</source>
        <translation>Open Jo&amp;b...</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Open Job</translation>
    </message>
</context>
<context>
    <name>tensora::miscData</name>
    <message>
        <source>Data File (hidden)</source>
        <translation>Data File (hidden)</translation>
    </message>
</context>
<context>
    <name>tensora::textEditor</name>
    <message>
        <source>Help text</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>Help Window</translation>
    </message>
</context>
</TS>