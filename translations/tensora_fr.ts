<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>Advice</name>
    <message>
        <source>the cable's weight is negative</source>
        <translation>le poids du câble est négatif</translation>
    </message>
    <message>
        <source>the cable's weight is no finite number</source>
        <translation>le poids du câble n'est pas un nombre fini</translation>
    </message>
    <message>
        <source>the coefficient of friction is negative</source>
        <translation>le coefficient de frottement est négatif</translation>
    </message>
    <message>
        <source>the coefficient of friction is no finite number</source>
        <translation>le coefficient de frottement n'est pas un nombre fini</translation>
    </message>
    <message>
        <source>link %1 has a negative length</source>
        <translation>le tronçon %1 a une longueur négative</translation>
    </message>
    <message>
        <source>link %1 holds a figure beyond the computer's numbers</source>
        <translation>le tronçon %1 contient un nombre hors de portée de l'ordinateur</translation>
    </message>
    <message>
        <source>Even the best pull exceeds the allowable tension of %1 at link %2</source>
        <translation>Même le meilleur tirage dépasse la tension admissible de %1 au tronçon %2</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure exceeds %1 at link %2</source>
        <translation>La pression latérale d'appui dépasse %1 au tronçon %2</translation>
    </message>
    <message>
        <source>Pulled forward, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>En tirage direct, le câble descend sous son propre poids au tronçon %1 : retenez-le là</translation>
    </message>
    <message>
        <source>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>En tirage inverse, le câble descend sous son propre poids au tronçon %1 : retenez-le là</translation>
    </message>
    <message>
        <source>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</source>
        <extracomment>%1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension leaving it forward and in reverse with all of its weight.</extracomment>
        <translation>Le tronçon %1 est un coude si long que son poids, %2 de frottement, dépasse 1% de la tension à sa sortie, et le poids dans le plan du coude l'omet : avec tout le poids, la tension en sort à %3 en sens direct et à %4 en sens inverse</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n more such bends)</source>
        <comment>%1 (%n more such bend)</comment>
        <translation>
            <numerusform>%1 (%n autre coude de ce genre)</numerusform>
            <numerusform>%1 (%n autres coudes de ce genre)</numerusform>
        </translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>tiré en sens inverse</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>tiré en sens direct</translation>
    </message>
    <message>
        <source>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</source>
        <extracomment>%1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.</extracomment>
        <translation>Point de tirage intermédiaire après le tronçon %1, comme conseillé : %2, la tension la plus élevée est %3 ; sans lui, sens direct %4, sens inverse %5</translation>
    </message>
    <message>
        <source>Either way: %1 each way</source>
        <translation>Dans les deux sens : %1 dans chaque sens</translation>
    </message>
    <message>
        <source>Pull forward: %1% lower, %2 against %3</source>
        <extracomment>%1 how much lower in whole per cent, %2 the lower tension, %3 the higher.</extracomment>
        <translation>Tirez en sens direct : %1% de moins, %2 contre %3</translation>
    </message>
    <message>
        <source>Pull in reverse: %1% lower, %2 against %3</source>
        <translation>Tirez en sens inverse : %1% de moins, %2 contre %3</translation>
    </message>
    <message>
        <source>%1; a mid-assist point after link %2, %3, lowers it to %4</source>
        <extracomment>%1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in reverse", %4 the tension.</extracomment>
        <translation>%1 ; un point de tirage intermédiaire après le tronçon %2, %3, l'abaisse à %4</translation>
    </message>
    <message>
        <source>%1; no mid-assist advice: %2</source>
        <translation>%1 ; pas de conseil de tirage intermédiaire : %2</translation>
    </message>
    <message>
        <source>%1; no mid-assist point lowers it</source>
        <translation>%1 ; aucun point de tirage intermédiaire ne l'abaisse</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The advice, then its findings.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>link %1 has a negative coefficient of friction</source>
        <translation>le tronçon %1 a un coefficient de frottement négatif</translation>
    </message>
</context>
<context>
    <name>Bending</name>
    <message>
        <source>non-shielded power</source>
        <translation>câble d’énergie non blindé</translation>
    </message>
    <message>
        <source>shielded or lead-covered power</source>
        <translation>câble d’énergie blindé ou sous plomb</translation>
    </message>
    <message>
        <source>metal-clad, smooth sheath</source>
        <translation>armé, gaine lisse</translation>
    </message>
    <message>
        <source>metal-clad, interlocked or corrugated</source>
        <translation>armé, feuillard agrafé ou ondulé</translation>
    </message>
    <message>
        <source>fibre optic</source>
        <translation>fibre optique</translation>
    </message>
    <message>
        <source>a multiple of the diameter</source>
        <translation>un multiple du diamètre</translation>
    </message>
    <message>
        <source>kind not known</source>
        <translation>type inconnu</translation>
    </message>
    <message>
        <source>%1 × OD pulling, %2 × OD installed, %3</source>
        <extracomment>The fibre optic rule: %1 the multiple under tension, %2 installed.</extracomment>
        <translation>%1 × DE au tirage, %2 × DE en place, %3</translation>
    </message>
    <message>
        <source>%1 × OD, %2</source>
        <extracomment>A bending rule: %1 the multiple of the outside diameter, %2 the cable's kind.</extracomment>
        <translation>%1 × DE, %2</translation>
    </message>
</context>
<context>
    <name>CableSet</name>
    <message>
        <source>%1: give the conductor material of group %2</source>
        <extracomment>%1 the tension rule's name, %2 the group's number.</extracomment>
        <translation>%1 : indiquez le métal des conducteurs du groupe %2</translation>
    </message>
    <message>
        <source>%1: give the conductor size of group %2</source>
        <translation>%1 : indiquez la section des conducteurs du groupe %2</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>cuivre</translation>
    </message>
    <message>
        <source>aluminium</source>
        <translation>aluminium</translation>
    </message>
    <message>
        <source>%1 × %2: OD %3, %4</source>
        <extracomment>A group of a cable set: %1 how many, %2 the cable's description, %3 its outside diameter, %4 its weight.</extracomment>
        <translation>%1 × %2 : DE %3, %4</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>câble</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>size not given</source>
        <extracomment>A conductor's size and material: "500 kcmil copper".</extracomment>
        <translation>section non indiquée</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n conductors</source>
        <comment>%n conductor</comment>
        <translation>
            <numerusform>%n conducteur</numerusform>
            <numerusform>%n conducteurs</numerusform>
        </translation>
    </message>
    <message>
        <source>rating %1</source>
        <translation>capacité %1</translation>
    </message>
    <message>
        <source>Pulling eye on the conductors</source>
        <translation>Tête de tirage sur les conducteurs</translation>
    </message>
    <message>
        <source>Pulling eye, single conductors conservatively</source>
        <translation>Tête de tirage, conducteurs seuls (prudent)</translation>
    </message>
    <message>
        <source>Basket grip</source>
        <translation>Chaussette de tirage</translation>
    </message>
    <message>
        <source>Cable ratings</source>
        <translation>Capacités des câbles</translation>
    </message>
    <message>
        <source>As typed in the planner</source>
        <translation>Comme saisi dans le planificateur</translation>
    </message>
    <message>
        <source>%1: give the rating of group %2</source>
        <translation>%1 : indiquez la capacité du groupe %2</translation>
    </message>
    <message>
        <source>%1 "%2": %3</source>
        <extracomment>%1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.</extracomment>
        <translation>%1 « %2 » : %3</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>n'est pas un nombre positif</translation>
    </message>
    <message>
        <source>not a number of 0 or more</source>
        <translation>n'est pas un nombre de 0 ou plus</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 1000 (no pull holds more)</source>
        <translation>pas un nombre entier de 1 à 1000 (aucun tirage n'en compte plus)</translation>
    </message>
    <message>
        <source>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</source>
        <translation>n'est pas une section de conducteur (AWG comme 6 ou 1/0, kcmil, mm2)</translation>
    </message>
    <message>
        <source>not a conductor material (cu or al)</source>
        <translation>n'est pas un métal de conducteur (cu ou al)</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 10000 (no cable holds more)</source>
        <translation>pas un nombre entier de 1 à 10000 (aucun câble n'en compte plus)</translation>
    </message>
    <message>
        <source>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</source>
        <translation>pas un type de câble (shielded, non-shielded, mc-smooth, mc-interlocked, fibre ou un multiple du diamètre)</translation>
    </message>
</context>
<context>
    <name>Cables</name>
    <message>
        <source>CABLE</source>
        <extracomment>The cable library's column headings: each one word, without blanks (the columns are found by them).</extracomment>
        <translation>CÂBLE</translation>
    </message>
    <message>
        <source>AREA</source>
        <translation>SECTION</translation>
    </message>
    <message>
        <source>MODULUS</source>
        <translation>MODULE</translation>
    </message>
    <message>
        <source>DIAM</source>
        <translation>DIAM</translation>
    </message>
    <message>
        <source>EXP/K</source>
        <translation>DILAT/K</translation>
    </message>
    <message>
        <source>EXP/F</source>
        <translation>DILAT/F</translation>
    </message>
    <message>
        <source>RATING</source>
        <translation>CHARGE</translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>Undefined: bend length is 0</source>
        <translation>Indéfini : la longueur du coude est 0</translation>
    </message>
    <message>
        <source>Unlimited: no weight or friction</source>
        <translation>Illimité : ni poids ni frottement</translation>
    </message>
    <message>
        <source>None: an input is negative</source>
        <translation>Aucun : une entrée est négative</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the cables do not fit this conduit</source>
        <translation>les câbles n'entrent pas dans ce conduit</translation>
    </message>
    <message>
        <source>The cables do not fit this conduit</source>
        <translation>Les câbles n'entrent pas dans ce conduit</translation>
    </message>
    <message>
        <source>single cable</source>
        <translation>câble unique</translation>
    </message>
    <message>
        <source>two cables</source>
        <translation>deux câbles</translation>
    </message>
    <message>
        <source>five or more cables</source>
        <translation>cinq câbles ou plus</translation>
    </message>
    <message>
        <source>triangular</source>
        <translation>en triangle</translation>
    </message>
    <message>
        <source>cradled</source>
        <translation>en berceau</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>en losange</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>important</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>modéré</translation>
    </message>
    <message>
        <source>small</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>very small</source>
        <translation>très faible</translation>
    </message>
    <message>
        <source>mixed sizes: no jam band</source>
        <translation>tailles mixtes : pas de plage de coincement</translation>
    </message>
    <message>
        <source>three cables lie triangular or cradled, not in a diamond</source>
        <translation>trois câbles se placent en triangle ou en berceau, pas en losange</translation>
    </message>
    <message>
        <source>four cables lie cradled or in a diamond, not triangular</source>
        <translation>quatre câbles se placent en berceau ou en losange, pas en triangle</translation>
    </message>
    <message>
        <source>The arrangement does not suit the number of cables</source>
        <translation>La disposition ne convient pas au nombre de câbles</translation>
    </message>
    <message>
        <source>in both pulls</source>
        <translation>dans les deux tirages</translation>
    </message>
    <message>
        <source>in the forward pull</source>
        <translation>dans le tirage direct</translation>
    </message>
    <message>
        <source>in the reverse pull</source>
        <translation>dans le tirage inverse</translation>
    </message>
    <message>
        <source>Sidewall pressure exceeds %1 at link %2 %3</source>
        <extracomment>%1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls ("in both pulls").</extracomment>
        <translation>La pression latérale dépasse %1 au tronçon %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</source>
        <comment>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</comment>
        <translation>
            <numerusform>La pression latérale dépasse %1 au tronçon %2 %3 et à %n autre coude</numerusform>
            <numerusform>La pression latérale dépasse %1 au tronçon %2 %3 et à %n autres coudes</numerusform>
        </translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the forward pull: hold it back</source>
        <translation>Le câble descend sous son propre poids au tronçon %1 du tirage direct : retenez-le</translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the reverse pull: hold it back</source>
        <translation>Le câble descend sous son propre poids au tronçon %1 du tirage inverse : retenez-le</translation>
    </message>
    <message>
        <source>Reverse pull exceeds the allowable tension at link %1</source>
        <translation>Le tirage inverse dépasse la tension admissible au tronçon %1</translation>
    </message>
    <message>
        <source>Forward pull exceeds the allowable tension at link %1</source>
        <translation>Le tirage direct dépasse la tension admissible au tronçon %1</translation>
    </message>
    <message>
        <source>Pull OK</source>
        <translation>Tirage correct</translation>
    </message>
    <message>
        <source>no cable outside diameter</source>
        <translation>pas de diamètre extérieur du câble</translation>
    </message>
    <message>
        <source>Enter the cable's outside diameter</source>
        <translation>Saisissez le diamètre extérieur du câble</translation>
    </message>
    <message>
        <source>no conduit inside diameter</source>
        <translation>pas de diamètre intérieur du conduit</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter</source>
        <translation>Saisissez le diamètre intérieur du conduit</translation>
    </message>
    <message>
        <source>no clearance formula for this arrangement</source>
        <translation>pas de formule de dégagement pour cette disposition</translation>
    </message>
    <message>
        <source>The clearance is below the minimum</source>
        <translation>Le dégagement est inférieur au minimum</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2%</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.</extracomment>
        <translation>Le remplissage de %1% dépasse la limite du code électrique de %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk)</source>
        <extracomment>%1 the risk: "significant" or "moderate".</extracomment>
        <translation>Les câbles peuvent se coincer (risque %1)</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A usual sidewall pressure limit: %1 the type of cable, %2 the limit with its unit.
----------
%1 the allowable tension, %2 the rule it comes from.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Enter a bend radius above 0, or leave the box empty to take each bend's radius from its length and angle</source>
        <translation>Saisissez un rayon de coude supérieur à 0, ou laissez la case vide pour déduire le rayon de chaque coude de sa longueur et de son angle</translation>
    </message>
    <message>
        <source>Enter a rating above 0</source>
        <translation>Saisissez une capacité supérieure à 0</translation>
    </message>
    <message>
        <source>no links in the plan</source>
        <translation>le plan n'a aucun tronçon</translation>
    </message>
    <message>
        <source>%1 at link %2, no allowable tension: %3</source>
        <extracomment>%1 the highest tension, %2 its link, %3 what the allowable tension lacks.</extracomment>
        <translation>%1 au tronçon %2, pas de tension admissible : %3</translation>
    </message>
    <message>
        <source>give it in the planner</source>
        <translation>indiquez-la dans le calcul de tirage</translation>
    </message>
    <message>
        <source>%1 at link %2, allowable %3</source>
        <translation>%1 au tronçon %2, admissible %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cables weighing %1, largest OD %2</source>
        <comment>%n cable weighing %1, largest OD %2</comment>
        <extracomment>%n cables, %1 their weight per length, %2 the largest outside diameter.</extracomment>
        <translation>
            <numerusform>%n câble pesant %1, plus grand DE %2</numerusform>
            <numerusform>%n câbles pesant %1, plus grand DE %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, jam risk %2</source>
        <translation>%1, risque de coincement %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for one cable</source>
        <extracomment>%1 the fill in per cent, %2 the code's limit in whole per cent.</extracomment>
        <translation>%1%, dans des %2% du code électrique pour un câble</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for two cables</source>
        <translation>%1%, dans des %2% du code électrique pour deux câbles</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for more than two cables</source>
        <translation>%1%, dans des %2% du code électrique pour plus de deux câbles</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for one cable</source>
        <translation>%1%, au-delà de des %2% du code électrique pour un câble</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for two cables</source>
        <translation>%1%, au-delà de des %2% du code électrique pour deux câbles</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for more than two cables</source>
        <translation>%1%, au-delà de des %2% du code électrique pour plus de deux câbles</translation>
    </message>
    <message>
        <source>Without a mid-assist point: %1</source>
        <translation>Sans point de tirage intermédiaire : %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, below the minimum of %2</source>
        <extracomment>%1 the clearance, %2 the minimum; both with their unit.</extracomment>
        <translation>%1, sous le minimum de %2</translation>
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
        <translation>pas de rayon</translation>
    </message>
    <message>
        <source>%1, over both ways</source>
        <translation>%1, dépassée dans les deux sens</translation>
    </message>
    <message>
        <source>%1, over forward</source>
        <translation>%1, dépassée en sens direct</translation>
    </message>
    <message>
        <source>%1, over reverse</source>
        <translation>%1, dépassée en sens inverse</translation>
    </message>
    <message>
        <source>Interlocked armour</source>
        <translation>Armure agrafée</translation>
    </message>
    <message>
        <source>Control and 600 V cable</source>
        <translation>Câble de commande et 600 V</translation>
    </message>
    <message>
        <source>Power cable 600 V to 35 kV</source>
        <translation>Câble de puissance de 600 V à 35 kV</translation>
    </message>
    <message>
        <source>%1 from link %2</source>
        <extracomment>%1 what is wrong with a stretch's conduit, %2 the link it starts at.</extracomment>
        <translation>%1 à partir du tronçon %2</translation>
    </message>
    <message>
        <source>The clearance is below the minimum from link %1</source>
        <translation>Le dégagement est inférieur au minimum à partir du tronçon %1</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2% from link %3</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent, %3 the link the conduit starts at.</extracomment>
        <translation>Le remplissage de %1% dépasse la limite du code électrique de %2% à partir du tronçon %3</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk) from link %2</source>
        <extracomment>%1 the risk: "significant" or "moderate", %2 the link the conduit starts at.</extracomment>
        <translation>Les câbles peuvent se coincer à partir du tronçon %2 (risque %1)</translation>
    </message>
    <message numerus="yes">
        <source>The bending radius was not checked for %n cables whose kind is not known</source>
        <comment>The bending radius was not checked for %n cable whose kind is not known</comment>
        <extracomment>%n cables whose kind is not given.</extracomment>
        <translation>
            <numerusform>Le rayon de courbure n’a pas été vérifié pour %n câble de type inconnu</numerusform>
            <numerusform>Le rayon de courbure n’a pas été vérifié pour %n câbles de type inconnu</numerusform>
        </translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</source>
        <extracomment>%1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.</extracomment>
        <translation>La courbe du tronçon %1 a un rayon de %2, inférieur au rayon de courbure minimal du câble de %3 (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</source>
        <translation>La courbe du tronçon %1 a un rayon de %2, inférieur au rayon de courbure minimal du câble de %3 sous tension de tirage (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</source>
        <translation>La courbe du tronçon %1 a un rayon de %2, inférieur au rayon de courbure minimal du câble de %3 une fois en place (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more bends</source>
        <comment>%1, and %n more bend</comment>
        <translation>
            <numerusform>%1, et %n autre courbe</numerusform>
            <numerusform>%1, et %n autres courbes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1° of bends from link %2 to link %3, more than 360° between pull points</source>
        <extracomment>%1 the degrees of the stretch's bends, %2 and %3 its first and last links.</extracomment>
        <translation>%1° de courbes du tronçon %2 au tronçon %3, plus de 360° entre points de tirage</translation>
    </message>
    <message>
        <source>Enter a cable kind or a multiple of the diameter above 0</source>
        <translation>Saisissez un type de câble ou un multiple du diamètre supérieur à 0</translation>
    </message>
    <message>
        <source>%1 pulling, %2 trained (%3)</source>
        <extracomment>%1 the least radius under pulling tension, %2 once trained in place, %3 the rule.</extracomment>
        <translation>%1 au tirage, %2 en place (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bends tighter</source>
        <comment>%1: %n bend tighter</comment>
        <translation>
            <numerusform>%1 : %n courbe plus serrée</numerusform>
            <numerusform>%1 : %n courbes plus serrées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every bend wide enough</source>
        <translation>%1 : chaque courbe assez large</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°, over 360°</source>
        <extracomment>A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.</extracomment>
        <translation>tronçons %1 à %2 : %3°, plus de 360°</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°</source>
        <translation>tronçons %1 à %2 : %3°</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; no conduit is checked without the cables of the pull check</source>
        <translation>%1 ; aucun conduit n’est vérifié sans les câbles de la vérification du tirage</translation>
    </message>
    <message>
        <source>The coefficient "%1" is no number from 0 and no entry of the friction library</source>
        <extracomment>%1 the coefficient as typed.</extracomment>
        <translation>Le coefficient « %1 » n’est ni un nombre à partir de 0 ni une entrée de la bibliothèque de frottement</translation>
    </message>
    <message>
        <source>The direction "%1" is neither forward nor reverse</source>
        <translation>La direction « %1 » n’est ni directe ni inverse</translation>
    </message>
    <message>
        <source>The mid-assist point "%1" is not the number of a link of the plan</source>
        <translation>Le point de tirage intermédiaire « %1 » n’est pas le numéro d’un tronçon du plan</translation>
    </message>
    <message>
        <source>An option with a mid-assist point pulls both halves: it takes no direction</source>
        <translation>Une option avec un point de tirage intermédiaire tire les deux moitiés : elle ne prend pas de direction</translation>
    </message>
    <message>
        <source>The back tension "%1" is not a number</source>
        <translation>La tension de retenue « %1 » n’est pas un nombre</translation>
    </message>
    <message>
        <source>The conduit's inside diameter "%1" is not a number above 0</source>
        <translation>Le diamètre intérieur du conduit « %1 » n’est pas un nombre supérieur à 0</translation>
    </message>
    <message>
        <source>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</source>
        <extracomment>%1 the best option's number, %2 its highest tension, %3 the next option's highest tension, %4 that option's number.</extracomment>
        <translation>L’option %1 tire avec la tension maximale la plus basse, %2, contre %3 pour l’option %4</translation>
    </message>
    <message>
        <source>Option %1 is the only one pulled, with %2</source>
        <translation>L’option %1 est la seule tirée, avec %2</translation>
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
        <translation>tiré en direct</translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>tiré en inverse</translation>
    </message>
    <message>
        <source>mid-assist point after link %1</source>
        <translation>point de tirage intermédiaire après le tronçon %1</translation>
    </message>
    <message>
        <source>back tension %1</source>
        <translation>tension de retenue %1</translation>
    </message>
    <message>
        <source>conduit ID %1</source>
        <translation>DI du conduit %1</translation>
    </message>
    <message>
        <source>the plan as it is</source>
        <translation>le plan tel quel</translation>
    </message>
    <message>
        <source>%1 at link %2</source>
        <translation>%1 au tronçon %2</translation>
    </message>
</context>
<context>
    <name>Conduits</name>
    <message>
        <source>Schedule 40 pipe</source>
        <translation>Tube Schedule 40</translation>
    </message>
    <message>
        <source>SDR 11 pipe</source>
        <translation>Tube SDR 11</translation>
    </message>
    <message>
        <source>SDR 13.5 pipe</source>
        <translation>Tube SDR 13.5</translation>
    </message>
    <message>
        <source>Electrical metallic tubing</source>
        <translation>Tube électrique métallique (EMT)</translation>
    </message>
    <message>
        <source>Electrical nonmetallic tubing</source>
        <translation>Tube électrique non métallique (ENT)</translation>
    </message>
    <message>
        <source>Flexible metal conduit</source>
        <translation>Conduit métallique flexible (FMC)</translation>
    </message>
    <message>
        <source>Intermediate metal conduit</source>
        <translation>Conduit métallique intermédiaire (IMC)</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type A</source>
        <translation>Conduit flexible non métallique étanche aux liquides, type A</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type B</source>
        <translation>Conduit flexible non métallique étanche aux liquides, type B</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type C</source>
        <translation>Conduit flexible non métallique étanche aux liquides, type C</translation>
    </message>
    <message>
        <source>Liquidtight flexible metal conduit</source>
        <translation>Conduit métallique flexible étanche aux liquides</translation>
    </message>
    <message>
        <source>Rigid metal conduit</source>
        <translation>Conduit métallique rigide (RMC)</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 80</source>
        <translation>Conduit rigide en PVC, Schedule 80</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 40, and HDPE conduit</source>
        <translation>Conduit rigide en PVC, Schedule 40, et conduit en PEHD</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type A</source>
        <translation>Conduit rigide en PVC, type A</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type EB</source>
        <translation>Conduit rigide en PVC, type EB</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>Equipment</name>
    <message>
        <source>forward pull</source>
        <translation>tirage direct</translation>
    </message>
    <message>
        <source>reverse pull</source>
        <translation>tirage inverse</translation>
    </message>
    <message>
        <source>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</source>
        <translation>Tension la plus élevée du %1 du jeu de câbles, telle que la vérification du tirage la calcule : %2 au tronçon %3</translation>
    </message>
    <message>
        <source>Highest tension of the %1: %2 at link %3</source>
        <translation>Tension la plus élevée du %1 : %2 au tronçon %3</translation>
    </message>
    <message>
        <source>%1, with the plan's mid-assist point after link %2.</source>
        <extracomment>The plan's own mid-assist point is already in the pull's tensions.</extracomment>
        <translation>%1, avec le point de tirage intermédiaire du plan après le tronçon %2.</translation>
    </message>
    <message>
        <source>%1; with a mid-assist point after link %2, pulled %3: %4.</source>
        <translation>%1 ; avec un point de tirage intermédiaire après le tronçon %2, tiré %3 : %4.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>en sens direct</translation>
    </message>
    <message>
        <source>in reverse</source>
        <translation>en sens inverse</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Puller: give its rating.</source>
        <translation>Treuil : indiquez sa capacité.</translation>
    </message>
    <message>
        <source>Puller: too weak, %1 against the pull's %2.</source>
        <translation>Treuil : trop faible, %1 contre %2 pour le tirage.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</source>
        <translation>Treuil : %1, marge %2 % ; sa capacité dépasse la tension admissible du câble de %3 : réglez un limiteur (ou un fusible mécanique) sur la tension admissible.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %.</source>
        <translation>Treuil : %1, marge %2 %.</translation>
    </message>
    <message>
        <source>Rope: a breaking strength of at least %1 serves</source>
        <translation>Câble de tirage : une charge de rupture d'au moins %1 convient</translation>
    </message>
    <message>
        <source>%1; %2 serves (working load %3)</source>
        <translation>%1 ; %2 convient (charge de travail %3)</translation>
    </message>
    <message>
        <source>%1; %2 is too weak</source>
        <translation>%1 ; %2 est trop faible</translation>
    </message>
    <message>
        <source>%1. The design factor is below 4</source>
        <translation>%1. Le coefficient de sécurité est inférieur à 4</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor, over its rating.</source>
        <translation>Poulie au tronçon %1 : %2 sur elle et son ancrage, au-delà de sa capacité.</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor (no rating given).</source>
        <translation>Poulie au tronçon %1 : %2 sur elle et son ancrage (aucune capacité indiquée).</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor.</source>
        <translation>Poulie au tronçon %1 : %2 sur elle et son ancrage.</translation>
    </message>
    <message>
        <source>Capstan tail force:</source>
        <translation>Effort de retenue au cabestan :</translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1 (more than a person holds)</source>
        <comment>%n wrap %1 (more than a person holds)</comment>
        <translation>
            <numerusform>%n tour %1 (plus qu'une personne ne retient)</numerusform>
            <numerusform>%n tours %1 (plus qu'une personne ne retient)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1</source>
        <comment>%n wrap %1</comment>
        <translation>
            <numerusform>%n tour %1</numerusform>
            <numerusform>%n tours %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2;</source>
        <translation>%1 %2 ;</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>The equipment serves this pull.</source>
        <translation>L'équipement convient à ce tirage.</translation>
    </message>
    <message>
        <source>The equipment does not serve this pull.</source>
        <translation>L'équipement ne convient pas à ce tirage.</translation>
    </message>
    <message>
        <source>the puller's rating</source>
        <translation>la capacité du treuil</translation>
    </message>
    <message>
        <source>the rope's breaking strength</source>
        <translation>la résistance à la rupture du câble de tirage</translation>
    </message>
    <message>
        <source>the sheaves' rating</source>
        <translation>la capacité des poulies</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not yet known whether the equipment serves this pull: give %1.</source>
        <translation>On ne sait pas encore si l'équipement convient à ce tirage : indiquez %1.</translation>
    </message>
    <message>
        <source>No bend is marked as turned on a sheave (mark one in the planner's options).</source>
        <translation>Aucun coude n'est marqué sur poulie (marquez-en un dans les options du planificateur).</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Out of range</source>
        <translation>Hors limites</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the document could not be drawn</source>
        <translation>le document n'a pas pu être dessiné</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n'a pas pu être écrit</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c'est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket), so nothing is written there</source>
        <translation>ce n'est pas un fichier ordinaire (un périphérique, un tube ou un socket), rien n'y est donc écrit</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n'a été donné</translation>
    </message>
    <message>
        <source>too many symbolic links lead to it</source>
        <translation>trop de liens symboliques y mènent</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>il désigne un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n'existe pas</translation>
    </message>
    <message>
        <source>no new file could be made in its folder</source>
        <translation>aucun nouveau fichier n'a pu être créé dans son dossier</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n'est pas ouvert</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n'existe pas</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>ce n'est pas un fichier ordinaire (un périphérique, un tube ou un socket)</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>le fichier n'a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>le fichier n'a pas pu être lu jusqu'au bout</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>l'image n'a pas pu être dessinée</translation>
    </message>
</context>
<context>
    <name>Fill</name>
    <message>
        <source>over</source>
        <translation>dépasse</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>conforme</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This feature requires an internet connection.  Do you wish to continue?</source>
        <translation>Cette fonction nécessite une connexion à internet.  Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</source>
        <translation>Cette fonction nécessite une connexion à internet et Adobe Acrobat.  Une connexion rapide est recommandée.  Voulez-vous continuer ?</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Please enter a number</source>
        <translation>Veuillez saisir un nombre</translation>
    </message>
    <message>
        <source>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</source>
        <translation>Saisissez un coefficient entre 0 et 1.  Si vous ne le connaissez pas, prenez 0,5</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>it is not a JSON document</source>
        <translation>ce n’est pas un document JSON</translation>
    </message>
    <message>
        <source>it is not a Tensora job</source>
        <translation>ce n’est pas un chantier Tensora</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>il a été écrit par une version plus récente du programme</translation>
    </message>
    <message>
        <source>it is damaged at item %1</source>
        <extracomment>%1 the number of the structure or pull that cannot be read.</extracomment>
        <translation>il est endommagé à l’élément %1</translation>
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
        <translation>Tirage</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Câbles</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Dénivelé</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pression latérale</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tirage intermédiaire</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>En tout</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>an entry has no name or no coefficient</source>
        <translation>une entrée n’a pas de nom ou pas de coefficient</translation>
    </message>
    <message>
        <source>the entry "%1" has a %2 that is no text</source>
        <translation>l’entrée « %1 » a un champ %2 qui n’est pas un texte</translation>
    </message>
    <message>
        <source>the entry "%1" has an unknown kind</source>
        <translation>l’entrée « %1 » a un type inconnu</translation>
    </message>
    <message>
        <source>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</source>
        <translation>Le nom « %1 » n’est pas un mot de minuscules, chiffres, points, traits d’union et tirets bas (40 au plus)</translation>
    </message>
    <message>
        <source>The coefficient of "%1" is not a number from 0 to %2</source>
        <translation>Le coefficient de « %1 » n’est pas un nombre de 0 à %2</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>ce n’est pas un document JSON</translation>
    </message>
    <message>
        <source>it is not a friction library</source>
        <translation>ce n’est pas une bibliothèque de frottement</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>il a été écrit par une version plus récente du programme</translation>
    </message>
    <message>
        <source>the name "%1" is there twice</source>
        <translation>le nom « %1 » figure deux fois</translation>
    </message>
    <message>
        <source>The library has an entry "%1" already</source>
        <translation>La bibliothèque a déjà une entrée « %1 »</translation>
    </message>
    <message>
        <source>"%1" is no entry of yours</source>
        <translation>« %1 » n’est pas une de vos entrées</translation>
    </message>
    <message>
        <source>The friction library %1 cannot be read: %2</source>
        <translation>La bibliothèque de frottement %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>Your friction entries %1 cannot be read: %2</source>
        <translation>Vos entrées de frottement %1 ne peuvent pas être lues : %2</translation>
    </message>
    <message>
        <source>Your friction entries %1: %2</source>
        <translation>Vos entrées de frottement %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <extracomment>A friction library entry: %1 its name, %2 the raceway, %3 the lubricant, %4 the coefficient of friction.</extracomment>
        <translation>%1 : %2, %3, %4</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>The log holds no lines</source>
        <translation>Le relevé ne contient aucune ligne</translation>
    </message>
    <message>
        <source>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</source>
        <translation>Le relevé ne dit pas l’unité de ses tensions : choisissez lbf, N, kN ou kgf</translation>
    </message>
    <message>
        <source>The log records time: give the pulling speed</source>
        <translation>Le relevé enregistre le temps : donnez la vitesse de tirage</translation>
    </message>
    <message>
        <source>The log does not say the unit of its lengths: choose ft or m</source>
        <translation>Le relevé ne dit pas l’unité de ses longueurs : choisissez ft ou m</translation>
    </message>
    <message>
        <source>Line %1 of the log cannot be read: "%2"</source>
        <extracomment>%1 the line's number in the file, %2 the line as it stands.</extracomment>
        <translation>La ligne %1 du relevé ne peut pas être lue : "%2"</translation>
    </message>
    <message>
        <source>The log holds no tensions</source>
        <translation>Le relevé ne contient aucune tension</translation>
    </message>
    <message>
        <source>As pulled: beyond the allowable tension from %1</source>
        <extracomment>%1 the length pulled where the log first passes the allowable tension.</extracomment>
        <translation>Tel que tiré : au-delà de la tension admissible à partir de %1</translation>
    </message>
    <message>
        <source>As pulled: beyond the sidewall limit at %1</source>
        <translation>Tel que tiré : au-delà de la limite de pression latérale à %1</translation>
    </message>
    <message>
        <source>As pulled: within the allowable tension and the sidewall limit</source>
        <translation>Tel que tiré : dans la tension admissible et la limite de pression latérale</translation>
    </message>
    <message>
        <source>The log's header does not name both a tension column and a length or time column</source>
        <translation>L’en-tête du relevé ne nomme pas à la fois une colonne de tension et une colonne de longueur ou de temps</translation>
    </message>
    <message>
        <source>Coefficient of friction that fits</source>
        <extracomment>%1 the fitted coefficient, %2 the largest difference, %3 the typical difference.</extracomment>
        <translation>Coefficient de frottement ajusté</translation>
    </message>
    <message>
        <source>%1 (largest difference %2, typical %3)</source>
        <translation>%1 (plus grand écart %2, typique %3)</translation>
    </message>
    <message>
        <source>Highest tension</source>
        <translation>Tension la plus haute</translation>
    </message>
    <message>
        <source>measured %1, predicted %2</source>
        <translation>mesurée %1, prévue %2</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nulle part</translation>
    </message>
    <message numerus="yes">
        <source>%n points, the first at %1</source>
        <comment>%n point, at %1</comment>
        <translation>
            <numerusform>%n point, à %1</numerusform>
            <numerusform>%n points, le premier à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Au-delà de la tension admissible</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>the log ends before the route does</source>
        <translation>le relevé s’arrête avant la fin du tracé</translation>
    </message>
    <message>
        <source>the log runs on past the route's end</source>
        <translation>le relevé va au-delà de la fin du tracé</translation>
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
        <translation>Point de tirage intermédiaire entre les tronçons %1 et %2</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Coude</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendant</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Incliné</translation>
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
        <translation>%1 à droite</translation>
    </message>
    <message>
        <source>%1 sheave</source>
        <translation>%1 poulie</translation>
    </message>
    <message>
        <source>the angle is not a finite number</source>
        <translation>l'angle n'est pas un nombre fini</translation>
    </message>
    <message>
        <source>an Up or Down bend turns at most 360 degrees</source>
        <translation>un coude montant ou descendant tourne d'au plus 360 degrés</translation>
    </message>
    <message>
        <source>a tilted bend turns at most 360 degrees</source>
        <translation>un coude incliné tourne d'au plus 360 degrés</translation>
    </message>
    <message>
        <source>%1 (%2 %3) is beyond what a report holds in %4</source>
        <extracomment>%1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the inch-pound unit a report holds it in.</extracomment>
        <translation>%1 (%2 %3) dépasse ce qu'un rapport contient en %4</translation>
    </message>
    <message>
        <source>the allowable tension</source>
        <translation>la tension admissible</translation>
    </message>
    <message>
        <source>the cable weight</source>
        <translation>le poids du câble</translation>
    </message>
    <message>
        <source>the back tension</source>
        <translation>la tension de retenue</translation>
    </message>
    <message>
        <source>the length of link %1</source>
        <translation>la longueur du tronçon %1</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>pas de longueur</translation>
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
        <translation>chemin de câbles</translation>
    </message>
    <message>
        <source>ID %1</source>
        <extracomment>A conduit's inside diameter with its unit, from this link on.</extracomment>
        <translation>DI %1</translation>
    </message>
    <message>
        <source>pull point</source>
        <translation>point de tirage</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>tronçon %1</translation>
    </message>
    <message>
        <source>links %1</source>
        <translation>tronçons %1</translation>
    </message>
    <message>
        <source>highest %1 %2 at link %3</source>
        <extracomment>%1 the highest tension, %2 its unit, %3 its link.</extracomment>
        <translation>maximum %1 %2 au tronçon %3</translation>
    </message>
    <message>
        <source>worst sidewall (tension / bend length) %1 %2 at link %3</source>
        <extracomment>%1 the worst sidewall pressure, %2 its unit, %3 its link.</extracomment>
        <translation>pire pression latérale (tension / longueur du coude) %1 %2 au tronçon %3</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tirage direct</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tirage inverse</translation>
    </message>
    <message>
        <source>Forward pull: %1</source>
        <translation>Tirage direct : %1</translation>
    </message>
    <message>
        <source>Reverse pull: %1</source>
        <translation>Tirage inverse : %1</translation>
    </message>
    <message>
        <source>allowable %1 %2, above the chart</source>
        <extracomment>%1 the allowable tension, %2 its unit.</extracomment>
        <translation>admissible %1 %2, au-dessus du graphique</translation>
    </message>
    <message>
        <source>allowable %1 %2</source>
        <translation>admissible %1 %2</translation>
    </message>
    <message>
        <source>forward pull in %1</source>
        <translation>tirage direct aux %1</translation>
    </message>
    <message>
        <source>reverse pull in %1</source>
        <translation>tirage inverse aux %1</translation>
    </message>
    <message>
        <source>Held at zero (the cable runs under its own weight: hold it back): %1.</source>
        <translation>Maintenu à zéro (le câble avance sous son propre poids : retenez-le) : %1.</translation>
    </message>
    <message>
        <source>%1° up</source>
        <extracomment>A bend's angle as typed, in degrees.</extracomment>
        <translation>%1° montant</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° descendant</translation>
    </message>
    <message>
        <source>forward tension after %1</source>
        <translation>tension directe après %1</translation>
    </message>
    <message>
        <source>reverse tension after %1</source>
        <translation>tension inverse après %1</translation>
    </message>
    <message>
        <source>Not drawn (out of range): %1.</source>
        <translation>Non tracé (hors limites) : %1.</translation>
    </message>
</context>
<context>
    <name>PullBox</name>
    <message>
        <source>"%1" is not a trade size of %2</source>
        <extracomment>%1 the size as typed, %2 the conduit table.</extracomment>
        <translation>« %1 » n’est pas une taille commerciale de %2</translation>
    </message>
    <message>
        <source>"%1" is not a trade size of the code's conduit tables</source>
        <translation>« %1 » n’est pas une taille commerciale des tables de conduits du code</translation>
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
        <translation>Pour des conducteurs de 6 AWG et moins, la boîte se dimensionne par son volume (les volumes alloués aux conducteurs), que cette règle ne calcule pas</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Pull</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Puller</source>
        <translation>Treuil</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Câble de tirage</translation>
    </message>
    <message>
        <source>Sheaves</source>
        <translation>Poulies</translation>
    </message>
    <message>
        <source>Capstan</source>
        <translation>Cabestan</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>The report's cable set row %1 could not be read; the set was read without it.</source>
        <translation>La ligne %1 du jeu de câbles du rapport n'a pas pu être lue ; le jeu a été lu sans elle.</translation>
    </message>
    <message>
        <source>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</source>
        <translation>Le jeu de câbles du rapport ne nomme aucune règle connue de Tensora (« %1 ») ; la tension admissible du calcul de tirage est retenue.</translation>
    </message>
    <message>
        <source>Conduit inside diameter (%1)</source>
        <translation>Diamètre intérieur du conduit (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cable outside diameter (%1)</source>
        <translation>Diamètre extérieur du câble (%1)</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Câbles</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>Minimum clearance (%1)</source>
        <translation>Dégagement minimal (%1)</translation>
    </message>
    <message>
        <source>Sidewall pressure limit (%1)</source>
        <translation>Limite de pression latérale (%1)</translation>
    </message>
    <message>
        <source>Bend radius (%1)</source>
        <translation>Rayon de coude (%1)</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>selon la longueur et l'angle de chaque coude</translation>
    </message>
    <message>
        <source>Cable group %1</source>
        <translation>Groupe de câbles %1</translation>
    </message>
    <message>
        <source>Tension rule</source>
        <translation>Règle de tension</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Rapport de coincement</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Correction de poids</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Dégagement</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Tirage direct, corrigé</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Tirage inverse, corrigé</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Jeu de câbles</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tension admissible</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Remplissage selon le code</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Conseil pour le jeu de câbles</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tronçon</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Rayon (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Appui, direct (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Appui, inverse (%1)</translation>
    </message>
    <message>
        <source>Limit (%1)</source>
        <translation>Limite (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <comment>%n link</comment>
        <translation>
            <numerusform>%n tronçon</numerusform>
            <numerusform>%n tronçons</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</source>
        <translation>La légende du point de tirage intermédiaire « %1 » ne nomme aucun tronçon : le plan a été lu sans point intermédiaire.</translation>
    </message>
    <message>
        <source>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</source>
        <translation>Le point de tirage intermédiaire « %1 » se trouve au-delà des %2 du plan : le plan a été lu sans lui.</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>à son début</translation>
    </message>
    <message>
        <source>after link %1</source>
        <translation>après le tronçon %1</translation>
    </message>
    <message>
        <source>The plan's row of link %1 is not whole: the plan was read up to link %2.</source>
        <translation>La ligne du tronçon %1 du plan est incomplète : le plan a été lu jusqu'au tronçon %2.</translation>
    </message>
    <message>
        <source>The plan names link %1 again %2: the plan was read up to link %3.</source>
        <extracomment>%2 is "at its start" or "after link N".</extracomment>
        <translation>Le plan nomme de nouveau le tronçon %1 %2 : le plan a été lu jusqu'au tronçon %3.</translation>
    </message>
    <message>
        <source>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</source>
        <extracomment>%3 is "at its start" or "after link N".</extracomment>
        <translation>Le plan n'a pas de tronçon %1 (le tronçon %2 vient %3) : le plan a été lu jusqu'au tronçon %4.</translation>
    </message>
    <message>
        <source>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</source>
        <translation>Le rapport est tronqué : son plan s'arrête après le tronçon %1 et sa table inverse manque, des tronçons suivants ont donc pu être perdus ; les %2 précédents ont été lus.</translation>
    </message>
    <message>
        <source>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</source>
        <translation>Le rapport est tronqué : sa table inverse s'arrête après %1 de ses %2 ; les %3 de son plan ont été lus.</translation>
    </message>
    <message>
        <source>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</source>
        <translation>La table inverse du rapport diffère de son plan à partir du tronçon %1 ; les lignes du plan ont été lues.</translation>
    </message>
    <message>
        <source>The report holds %1; a plan holds at most %2: the first %2 were read.</source>
        <translation>Le rapport contient %1 ; un plan en contient au plus %2 : les %2 premiers ont été lus.</translation>
    </message>
    <message>
        <source>%1 "%2" is not a number</source>
        <translation>%1 « %2 » n'est pas un nombre</translation>
    </message>
    <message>
        <source>Tensora is a product of Norvale. All rights reserved.</source>
        <translation>Tensora est un produit de Norvale. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Rayon de courbure minimal</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Courbes entre points de tirage</translation>
    </message>
</context>
<context>
    <name>Routes</name>
    <message>
        <source>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</source>
        <translation>Ligne %1 : les colonnes se lisent de deux façons, comme x, y, z et rayon ou comme point, nord, est et altitude : ajoutez une ligne d'en-tête qui les nomme, par exemple « x,y,z,radius » ou « point,northing,easting,elevation ».</translation>
    </message>
    <message>
        <source>Line %1: a point needs an x and a y.</source>
        <translation>Ligne %1 : un point demande un x et un y.</translation>
    </message>
    <message>
        <source>Line %1: the header names no x (easting) and y (northing) columns.</source>
        <translation>Ligne %1 : l'en-tête ne nomme pas de colonnes x (est) et y (nord).</translation>
    </message>
    <message>
        <source>The file holds no points.</source>
        <translation>Le fichier ne contient aucun point.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a number.</source>
        <translation>Ligne %1 : « %2 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a group code.</source>
        <translation>Ligne %1 : « %2 » n'est pas un code de groupe.</translation>
    </message>
    <message>
        <source>Line %1: the drawing ends after a group code.</source>
        <translation>Ligne %1 : le dessin se termine après un code de groupe.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a finite number.</source>
        <translation>Ligne %1 : « %2 » n'est pas un nombre fini.</translation>
    </message>
    <message>
        <source>Line %1: %2 gives a coordinate before its first vertex.</source>
        <translation>Ligne %1 : %2 donne une coordonnée avant son premier sommet.</translation>
    </message>
    <message>
        <source>Line %1: %2 has no SEQEND.</source>
        <translation>Ligne %1 : %2 n'a pas de SEQEND.</translation>
    </message>
    <message>
        <source>The drawing ends before its end (no EOF): the file is cut short.</source>
        <translation>Le dessin s'arrête avant sa fin (pas d'EOF) : le fichier est tronqué.</translation>
    </message>
    <message>
        <source>This is a binary DXF drawing: save it as an ASCII DXF and import that.</source>
        <translation>C'est un dessin DXF binaire : enregistrez-le en DXF ASCII et importez celui-ci.</translation>
    </message>
    <message>
        <source>The drawing's %1 has fewer than two distinct points: it is no route.</source>
        <translation>L'élément %1 du dessin a moins de deux points distincts : ce n'est pas un tracé.</translation>
    </message>
    <message>
        <source>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</source>
        <translation>Le dessin n'a ni LWPOLYLINE, ni POLYLINE, ni LINE, ni ARC d'où tirer un tracé.</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>un point</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</source>
        <translation>Les coudes à %1 et %2 demandent %3 des %4 droits entre eux (%5 de trop) : donnez un rayon plus petit.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</source>
        <translation>Le coude à %1 demande %2 des %3 droits après lui (%4 de trop) : donnez un rayon plus petit.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</source>
        <translation>Le coude à %1 demande %2 des %3 droits avant lui (%4 de trop) : donnez un rayon plus petit.</translation>
    </message>
    <message>
        <source>At %1 the bend has no radius.</source>
        <translation>À %1 le coude n'a pas de rayon.</translation>
    </message>
    <message>
        <source>At %1 the route turns back on itself.</source>
        <translation>À %1 le tracé revient sur lui-même.</translation>
    </message>
    <message>
        <source>At %1 a coordinate is not a finite number.</source>
        <translation>À %1 une coordonnée n'est pas un nombre fini.</translation>
    </message>
    <message>
        <source>The route has fewer than two distinct points.</source>
        <translation>Le tracé a moins de deux points distincts.</translation>
    </message>
    <message>
        <source>From %1 to the next point the distance is beyond what can be computed.</source>
        <translation>De %1 au point suivant, la distance dépasse ce qui peut être calculé.</translation>
    </message>
    <message numerus="yes">
        <source>%n links, %1, rise %2</source>
        <comment>%n link, %1, rise %2</comment>
        <translation>
            <numerusform>%n tronçon, %1, dénivelé %2</numerusform>
            <numerusform>%n tronçons, %1, dénivelé %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 à gauche</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 à droite</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 montants</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 descendants</translation>
    </message>
    <message>
        <source>%1 tilted</source>
        <translation>%1 inclinés</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; bends: %2</source>
        <translation>%1 ; coudes : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n points closer than %2 to the one before merged into it</source>
        <comment>%1; %n point closer than %2 to the one before merged into it</comment>
        <extracomment>%2 is a distance with its unit.</extracomment>
        <translation>
            <numerusform>%1 ; %n point à moins de %2 du précédent fusionné avec lui</numerusform>
            <numerusform>%1 ; %n points à moins de %2 du précédent fusionnés avec lui</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>layer %1, %2</source>
        <translation>calque %1, %2</translation>
    </message>
    <message>
        <source>The drawing has no path on layer %1.</source>
        <translation>Le dessin n'a aucun tracé sur le calque %1.</translation>
    </message>
    <message>
        <source>There is no path %1; the paths are:</source>
        <translation>Il n'y a pas de tracé %1 ; les tracés sont :</translation>
    </message>
    <message>
        <source>The file holds several paths; choose one:</source>
        <translation>Le fichier contient plusieurs tracés ; choisissez-en un :</translation>
    </message>
    <message>
        <source>%1
  %2  %3</source>
        <translation>%1
  %2  %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>a line needs a Start and an End of two numbers each.</source>
        <translation>une ligne demande un Start et un End de deux nombres chacun.</translation>
    </message>
    <message>
        <source>a curve needs its Start, Center and End.</source>
        <translation>une courbe demande ses Start, Center et End.</translation>
    </message>
    <message>
        <source>a spiral of the kind "%1" is not read: only clothoids are.</source>
        <translation>une spirale du type « %1 » n'est pas lue : seules les clothoïdes le sont.</translation>
    </message>
    <message>
        <source>a spiral needs its length, its radii at start and end, its Start and its PI.</source>
        <translation>une spirale a besoin de sa longueur, de ses rayons au début et à la fin, de son Start et de son PI.</translation>
    </message>
    <message>
        <source>a profile point is not a station and a height.</source>
        <translation>un point de profil n'est pas une station et une hauteur.</translation>
    </message>
    <message>
        <source>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</source>
        <translation>L'axe commence %1 avant son profil : la première pente du profil est prolongée jusqu'à lui.</translation>
    </message>
    <message>
        <source>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</source>
        <translation>L'axe dépasse son profil de %1 : la dernière pente du profil est prolongée jusqu'à sa fin.</translation>
    </message>
    <message>
        <source>The file is no LandXML document.</source>
        <translation>Le fichier n'est pas un document LandXML.</translation>
    </message>
    <message>
        <source>The file has no alignment with lines or curves.</source>
        <translation>Le fichier n'a aucun axe avec des lignes ou des courbes.</translation>
    </message>
    <message>
        <source>Choose a path.</source>
        <translation>Choisissez un tracé.</translation>
    </message>
    <message>
        <source>The default bend radius must be a number above 0.</source>
        <translation>Le rayon de coude par défaut doit être un nombre supérieur à 0.</translation>
    </message>
</context>
<context>
    <name>Sentences</name>
    <message>
        <source>%1; %2</source>
        <extracomment>Two findings of one verdict, one after the other.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>UiText</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Tensora — Pull plan report</source>
        <translation>Tensora — Rapport du plan de tirage</translation>
    </message>
    <message>
        <source>Report file: </source>
        <translation>Fichier du rapport : </translation>
    </message>
    <message>
        <source>Bends</source>
        <translation>Coudes</translation>
    </message>
    <message>
        <source>Pull check: cables in the conduit</source>
        <translation>Vérification du tirage : câbles dans le conduit</translation>
    </message>
    <message>
        <source>Pull check: results</source>
        <translation>Vérification du tirage : résultats</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Pression latérale d'appui selon le rayon de chaque coude, tirage corrigé</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tronçon</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Coefficient of friction</source>
        <translation>Coefficient de frottement</translation>
    </message>
    <message>
        <source>Weight in bends</source>
        <translation>Poids dans les coudes</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>en totalité</translation>
    </message>
    <message>
        <source>in the bend's plane only</source>
        <translation>dans le plan du coude seulement</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubrifiant</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>no allowable tension to compare with</source>
        <translation>pas de tension admissible à comparer</translation>
    </message>
    <message>
        <source> of the allowable tension</source>
        <translation> de la tension admissible</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tirage direct</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tirage inverse</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tirage intermédiaire</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</source>
        <translation>Plan (« dépasse » : au-delà de la tension admissible ; « retenu » : maintenu à zéro ; pression latérale : tension en sortie de coude / sa longueur)</translation>
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
        <translation>Limite</translation>
    </message>
    <message>
        <source>Conduit fill</source>
        <translation>Remplissage du conduit</translation>
    </message>
    <message>
        <source>Conduit standard</source>
        <translation>Norme du conduit</translation>
    </message>
    <message>
        <source>Cables (OD in)</source>
        <translation>Câbles (DE in)</translation>
    </message>
    <message>
        <source>Total cable area (sq in)</source>
        <translation>Surface totale des câbles (sq in)</translation>
    </message>
    <message>
        <source>Fill by trade size</source>
        <translation>Remplissage par taille commerciale</translation>
    </message>
    <message>
        <source>Trade size</source>
        <translation>Taille commerciale</translation>
    </message>
    <message>
        <source>Pipe ID (in)</source>
        <translation>DI du tube (in)</translation>
    </message>
    <message>
        <source>Area (sq in)</source>
        <translation>Surface (sq in)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Tracé</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Plan : le tracé vu de dessus</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Élévation : hauteur le long du tracé, à l'échelle</translation>
    </message>
    <message>
        <source>Pulling equipment</source>
        <translation>Équipement de tirage</translation>
    </message>
    <message>
        <source>Tensora pull plan report</source>
        <translation>Rapport du plan de tirage Tensora</translation>
    </message>
    <message>
        <source>%1: tension from 0 to %2</source>
        <translation>%1 : tension de 0 à %2</translation>
    </message>
    <message>
        <source>Red underlay: beyond the allowable tension</source>
        <translation>Fond rouge : au-delà de la tension admissible</translation>
    </message>
    <message>
        <source> (%1, the black tick)</source>
        <translation> (%1, le repère noir)</translation>
    </message>
    <message>
        <source>; amber: held at zero; red ring: a bend's bearing pressure beyond </source>
        <translation> ; ambre : maintenu à zéro ; anneau rouge : pression d'appui d'un coude au-delà de </translation>
    </message>
    <message>
        <source>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</source>
        <translation> ; point blanc : début du tronçon 1, noir : fin du dernier tronçon ; X : le point de tirage intermédiaire</translation>
    </message>
    <message>
        <source>Cable Pulling Calculator</source>
        <translation>Calcul de tirage de câbles</translation>
    </message>
    <message>
        <source>by Norvale</source>
        <translation>par Norvale</translation>
    </message>
    <message>
        <source>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</source>
        <translation>Tension de tirage  ·  Pression latérale  ·  Remplissage  ·  Lubrifiant</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Cable pulling in conduit and duct</source>
        <translation>Tirage de câbles en conduit et fourreau</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l'image</translation>
    </message>
    <message>
        <source>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</source>
        <translation>Image PNG (*.png)|*.png|Image SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation>L'image n'a pas pu être enregistrée sous %1.
%2</translation>
    </message>
    <message>
        <source>Maximum Pulling Length</source>
        <translation>Longueur de tirage maximale</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Longueur de tirage maximale</translation>
    </message>
    <message>
        <source>Select or Enter the Cable maximum pulling tension</source>
        <translation>Choisissez ou saisissez la tension de tirage maximale du câble</translation>
    </message>
    <message>
        <source>Select or Enter the cable weight</source>
        <translation>Choisissez ou saisissez le poids du câble</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coefficient de frottement</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, feet</source>
        <translation>Longueur de tirage maximale, pieds</translation>
    </message>
    <message>
        <source>Maximum Length = Max tension / (cable weight * friction)</source>
        <translation>Longueur maximale = tension max. / (poids du câble * frottement)</translation>
    </message>
    <message>
        <source>Manual Inputs</source>
        <translation>Saisies manuelles</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, metres</source>
        <translation>Longueur de tirage maximale, mètres</translation>
    </message>
    <message>
        <source>Max Length = Max tension / (cable weight * 9.80665 * friction)</source>
        <translation>Long. max. = tension max. / (poids du câble * 9,80665 * frottement)</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</source>
        <translation>Cette fonction nécessite un fichier de données de câbles.

Le fichier de données de câbles (cabledat.qx4) est introuvable.
Vous pouvez saisir les données à la main ou placer le fichier
dans le même dossier que ce programme et le redémarrer.</translation>
    </message>
    <message>
        <source>Tension in a Bend</source>
        <translation>Tension dans un coude</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension just before the bend</source>
        <translation>Choisissez ou saisissez la tension du câble juste avant le coude</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Angle, in Degrees</source>
        <translation>Choisissez ou saisissez l'angle du coude, en degrés</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Enter the Coefficient of Friction</source>
        <translation>Saisissez le coefficient de frottement</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, lbs</source>
        <translation>Tension en sortie de coude, lbs</translation>
    </message>
    <message>
        <source>Tension = Cable Tension * e ^ ( bend radians * friction)</source>
        <translation>Tension = tension du câble * e ^ (radians du coude * frottement)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Saisies</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, N</source>
        <translation>Tension en sortie de coude, N</translation>
    </message>
    <message>
        <source>Slikko! Quantity</source>
        <translation>Quantité de Slikko!</translation>
    </message>
    <message>
        <source>Select or Enter the pull length</source>
        <translation>Choisissez ou saisissez la longueur de tirage</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>Slikko! Required, Gallons</source>
        <translation>Slikko! nécessaire, gallons</translation>
    </message>
    <message>
        <source>Gallons required = 0.0015 * Length * inner diameter</source>
        <translation>Gallons nécessaires = 0,0015 * longueur * diamètre intérieur</translation>
    </message>
    <message>
        <source>Slikko! Required, Litres</source>
        <translation>Slikko! nécessaire, litres</translation>
    </message>
    <message>
        <source>Litres required = 0.000733 * Length * inner diameter</source>
        <translation>Litres nécessaires = 0,000733 * longueur * diamètre intérieur</translation>
    </message>
    <message>
        <source>Sidewall Pressure</source>
        <translation>Pression latérale</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension in the bend</source>
        <translation>Choisissez ou saisissez la tension du câble dans le coude</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Length</source>
        <translation>Choisissez ou saisissez la longueur du coude</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Sidewall Pressure, lbs</source>
        <translation>Pression latérale, lbs</translation>
    </message>
    <message>
        <source>Pressure = tension in bend / bend length</source>
        <translation>Pression = tension dans le coude / longueur du coude</translation>
    </message>
    <message>
        <source>Sidewall Pressure, N/m</source>
        <translation>Pression latérale, N/m</translation>
    </message>
    <message>
        <source>Straight Section Pull tension</source>
        <translation>Tension de tirage en ligne droite</translation>
    </message>
    <message>
        <source>Straight Section Tension</source>
        <translation>Tension en ligne droite</translation>
    </message>
    <message>
        <source>Select or Enter the straight section length</source>
        <translation>Choisissez ou saisissez la longueur de la ligne droite</translation>
    </message>
    <message>
        <source>Straight Section Tension, lbs</source>
        <translation>Tension en ligne droite, lbs</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * friction</source>
        <translation>Tension = longueur droite * poids du câble * frottement</translation>
    </message>
    <message>
        <source>Straight Section Tension, N</source>
        <translation>Tension en ligne droite, N</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * 9.80665 * friction</source>
        <translation>Tension = longueur droite * poids du câble * 9,80665 * frottement</translation>
    </message>
    <message>
        <source>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</source>
        <translation>Avertissement : les résultats sont des estimations pour la planification. Vérifiez chaque tirage au regard des limites du fabricant du câble. Tensora est un produit de Norvale ; toute copie sans autorisation est interdite.</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</source>
        <translation>Cette fonction nécessite un fichier de données de câbles.

Le fichier de données de câbles (cabledat.qx4) est introuvable.
Veuillez trouver le fichier (cabledat.qx4), le placer
dans le même dossier que ce programme et le redémarrer.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Distance along the route</source>
        <translation>Distance le long du tracé</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tension admissible</translation>
    </message>
    <message>
        <source>Cable weight</source>
        <translation>Poids du câble</translation>
    </message>
    <message>
        <source>Back tension</source>
        <translation>Tension de retenue</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>Advice for the planner's cable</source>
        <translation>Conseil pour le câble du calcul de tirage</translation>
    </message>
    <message>
        <source>over</source>
        <comment>beyond the allowable tension</comment>
        <translation>dépasse</translation>
    </message>
    <message>
        <source>held</source>
        <comment>held at zero</comment>
        <translation>retenu</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pression lat.</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n câble</numerusform>
            <numerusform>%n câbles</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Largeur maximale d'une paire (in)</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Frottement</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Option %1</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 meilleure</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>échoue</translation>
    </message>
    <message>
        <source>Options compared</source>
        <translation>Options comparées</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Direct (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverse (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Sidewall (%1)</source>
        <translation>Pression latérale (%1)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleure</translation>
    </message>
    <message>
        <source>Lowest highest tension</source>
        <translation>Tension maximale la plus basse</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
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
        <translation>; carré : un tronçon avec son propre coefficient ou sa propre canalisation</translation>
    </message>
    <message>
        <source>Pull log: measured over planned</source>
        <translation>Relevé de tirage : mesuré sur prévu</translation>
    </message>
    <message>
        <source>Pull log (dashed line; red rings: beyond the allowable tension)</source>
        <translation>Relevé de tirage (ligne pointillée ; cercles rouges : au-delà de la tension admissible)</translation>
    </message>
    <message>
        <source>Tensora — Job</source>
        <translation>Tensora — Chantier</translation>
    </message>
    <message>
        <source>Pull %1</source>
        <translation>Tirage %1</translation>
    </message>
    <message>
        <source>Schedule (red: the pull fails its check)</source>
        <translation>Planning (rouge : le tirage échoue à sa vérification)</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Câble à commander</translation>
    </message>
    <message>
        <source>Tensora job</source>
        <translation>Chantier Tensora</translation>
    </message>
</context>
<context>
    <name>tensora::BrowserWindow</name>
    <message>
        <source>Norvale Browser</source>
        <translation>Navigateur Norvale</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Traitement...</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetModel</name>
    <message>
        <source>As the description names it</source>
        <translation>Selon la description</translation>
    </message>
    <message>
        <source>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</source>
        <translation>Le conducteur : AWG (6, 1/0), kcmil (500) ou mm² (35mm2) ; cu ou al. Vide : celui de la description.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Conducteur</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Conductors</source>
        <translation>Conducteurs</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>DE</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</source>
        <translation>Pour le rayon de courbure minimal : shielded, non-shielded, mc-smooth, mc-interlocked, fibre, ou un multiple du diamètre. Vide dans la première ligne : le genre de câble choisi plus haut.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Genre</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetPanel</name>
    <message>
        <source>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</source>
        <translation>Les câbles tirés ensemble : le premier groupe est le câble du planificateur, avec le nombre de câbles et le diamètre extérieur ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Add typed</source>
        <translation>&amp;Ajouter la saisie</translation>
    </message>
    <message>
        <source>&amp;Planner's cable</source>
        <translation>Câble du &amp;planificateur</translation>
    </message>
    <message>
        <source>The first group follows the planner's cable again</source>
        <translation>Le premier groupe suit de nouveau le câble du planificateur</translation>
    </message>
    <message>
        <source>Send to Fill Ratio</source>
        <translation>Envoyer au remplissage</translation>
    </message>
    <message>
        <source>&amp;Grip rating (%1):</source>
        <translation>Capacité de la &amp;chaussette (%1) :</translation>
    </message>
    <message>
        <source>Add from lib&amp;rary...</source>
        <translation>Ajouter de la bibliot&amp;hèque...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Allo&amp;wable tension by:</source>
        <translation>Tension admissible sel&amp;on :</translation>
    </message>
    <message>
        <source>E&amp;ye rating (%1):</source>
        <translation>Capacité de la t&amp;ête (%1) :</translation>
    </message>
</context>
<context>
    <name>tensora::CheckBendsModel</name>
    <message>
        <source>Limit (%1)</source>
        <translation>Limite (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Appui, direct (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Appui, inverse (%1)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tronçon</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Rayon (%1)</translation>
    </message>
</context>
<context>
    <name>tensora::CompareOptions</name>
    <message>
        <source>Compare Options</source>
        <translation>Comparer des options</translation>
    </message>
    <message>
        <source>&amp;Add Option</source>
        <translation>&amp;Ajouter une option</translation>
    </message>
    <message>
        <source>&amp;Remove Last Option</source>
        <translation>&amp;Retirer la dernière option</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Coefficient or entry</source>
        <translation>Coefficient ou entrée</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist after link</source>
        <translation>Tirage intermédiaire après tronçon</translation>
    </message>
    <message>
        <source>Back tension (%1)</source>
        <translation>Tension de retenue (%1)</translation>
    </message>
    <message>
        <source>Conduit ID (%1)</source>
        <translation>DI du conduit (%1)</translation>
    </message>
    <message>
        <source>Forward max</source>
        <translation>Direct max.</translation>
    </message>
    <message>
        <source>Reverse max</source>
        <translation>Inverse max.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Highest sidewall</source>
        <translation>Pression latérale max.</translation>
    </message>
    <message>
        <source>A coefficient, or the name of a friction library entry; empty: the plan's</source>
        <translation>Un coefficient, ou le nom d’une entrée de la bibliothèque de frottement ; vide : celui du plan</translation>
    </message>
    <message>
        <source>Lower end</source>
        <translation>Extrémité la plus favorable</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Each option is the pull check's corrected pull of its cables, and its verdict.</source>
        <translation>Chaque option est le tirage corrigé des câbles de la vérification du tirage, avec son verdict.</translation>
    </message>
    <message>
        <source>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</source>
        <translation>Chaque option est le tirage du planificateur ; ouvrez la vérification du tirage avec ses câbles pour comparer des conduits.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 meilleure</translation>
    </message>
</context>
<context>
    <name>tensora::FillRatio</name>
    <message>
        <source>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Saisissez le diamètre (DE) en pouces de chaque câble du conduit.  Pour retirer un câble, cliquez dessus dans la liste.</translation>
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
        <translation>Code électrique :</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Cable OD</source>
        <translation>DE du câble</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Area(s)</source>
        <translation>Aire(s)</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Norvale recommends a 60% maximum fill.  Preferred maximum fill</source>
        <translation>Norvale conseille 60 % au plus.  Maximum souhaité</translation>
    </message>
    <message>
        <source>launch from fill (hidden)</source>
        <translation>lancé depuis le remplissage (masqué)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Trade Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Pipe ID</source>
        <translation>DI tube</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>Percent Fill</source>
        <translation>% rempl.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Largeur maximale d'une paire (in)</translation>
    </message>
    <message>
        <source>Code tables and limits</source>
        <translation>Tables et limites du code</translation>
    </message>
    <message>
        <source>Electrical code tables</source>
        <translation>Tables du code électrique</translation>
    </message>
    <message>
        <source>Conduit Fill Ratio</source>
        <translation>Taux de remplissage du conduit</translation>
    </message>
    <message>
        <source>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Saisissez le diamètre (DE) en %1 de chaque câble du conduit.  Pour retirer un câble, cliquez dessus dans la liste.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Widest pair side by side (mm)</source>
        <translation>Paire la plus large côte à côte (mm)</translation>
    </message>
    <message>
        <source>Designator</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Metric designator %1, trade size %2</source>
        <translation>Désignation métrique %1, taille commerciale %2</translation>
    </message>
    <message>
        <source>Fill limit %1 for one cable</source>
        <translation>Limite de remplissage %1 pour un câble</translation>
    </message>
    <message>
        <source>Fill limit %1 for two cables</source>
        <translation>Limite de remplissage %1 pour deux câbles</translation>
    </message>
    <message>
        <source>Fill limit %1 for more than two cables</source>
        <translation>Limite de remplissage %1 pour plus de deux câbles</translation>
    </message>
    <message>
        <source>No cables yet</source>
        <translation>Pas encore de câble</translation>
    </message>
    <message>
        <source>Smallest size that meets it: </source>
        <translation>Plus petite taille conforme : </translation>
    </message>
    <message>
        <source>No size meets it</source>
        <translation>Aucune taille n'est conforme</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n câble</numerusform>
            <numerusform>%n câbles</numerusform>
        </translation>
    </message>
    <message>
        <source>The tables of %1</source>
        <translation>Les tables du %1</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionEntryDialog</name>
    <message>
        <source>New Friction Entry</source>
        <translation>Nouvelle entrée de frottement</translation>
    </message>
    <message>
        <source>Friction Entry %1</source>
        <translation>Entrée de frottement %1</translation>
    </message>
    <message>
        <source>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</source>
        <translation>Un mot de minuscules, chiffres, points, traits d’union et tirets bas : le nom sous lequel les tronçons et la ligne de commande prennent l’entrée</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coefficient de frottement</translation>
    </message>
    <message>
        <source>&amp;Kind of raceway</source>
        <translation>&amp;Type de canalisation</translation>
    </message>
    <message>
        <source>&amp;Raceway</source>
        <translation>Can&amp;alisation</translation>
    </message>
    <message>
        <source>Cable &amp;jacket</source>
        <translation>&amp;Gaine du câble</translation>
    </message>
    <message>
        <source>&amp;Lubricant</source>
        <translation>&amp;Lubrifiant</translation>
    </message>
    <message>
        <source>&amp;Stands for</source>
        <translation>&amp;Signification</translation>
    </message>
    <message>
        <source>S&amp;ource of the figure</source>
        <translation>S&amp;ource du chiffre</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionLibraryWindow</name>
    <message>
        <source>Conduit or duct</source>
        <translation>Conduit ou fourreau</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Chemin de câbles sur rouleaux</translation>
    </message>
    <message>
        <source>Any raceway</source>
        <translation>Toute canalisation</translation>
    </message>
    <message>
        <source>Friction Library</source>
        <translation>Bibliothèque de frottement</translation>
    </message>
    <message>
        <source>Words of a name, raceway, jacket, lubricant or source</source>
        <translation>Mots d’un nom, d’une canalisation, d’une gaine, d’un lubrifiant ou d’une source</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Use for the &amp;Plan</source>
        <translation>Utiliser pour le &amp;plan</translation>
    </message>
    <message>
        <source>Use for &amp;Link</source>
        <translation>Utiliser pour le &amp;tronçon</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tronçon</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The shipped friction library %1 was not found beside the cable data.</source>
        <translation>La bibliothèque de frottement fournie %1 est introuvable à côté des données de câbles.</translation>
    </message>
    <message>
        <source>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</source>
        <translation>Vos entrées sont affichées telles que lues ; elles ne peuvent être modifiées tant que le fichier n’est pas réparé ou déplacé : %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coefficient</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Canalisation</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Gaine</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubrifiant</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Signification</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Vôtre</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1); they are as they were.</source>
        <translation>Vos entrées de frottement n’ont pas pu être enregistrées (%1) ; elles sont restées telles quelles.</translation>
    </message>
    <message>
        <source>Delete your friction entry %1?</source>
        <translation>Supprimer votre entrée de frottement %1 ?</translation>
    </message>
</context>
<context>
    <name>tensora::JobWindow</name>
    <message>
        <source>Manhole</source>
        <translation>Regard</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Chambre</translation>
    </message>
    <message>
        <source>Pull box</source>
        <translation>Boîte de tirage</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Équipement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&amp;Add the Planner's Pull</source>
        <translation>&amp;Ajouter le tirage du planificateur</translation>
    </message>
    <message>
        <source>&amp;Open Pull</source>
        <translation>&amp;Ouvrir le tirage</translation>
    </message>
    <message>
        <source>&amp;Remove Pull</source>
        <translation>&amp;Retirer le tirage</translation>
    </message>
    <message>
        <source>none: the structures' slack</source>
        <translation>aucune : la réserve des ouvrages</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Enregistrer le chantier</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;À :</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Câble à commander</translation>
    </message>
    <message>
        <source>&amp;Margin (%):</source>
        <translation>&amp;Marge (%) :</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Ouvrages</translation>
    </message>
    <message>
        <source>The job has changes that are not saved. Save them?</source>
        <translation>Le chantier a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>The job %1 could not be read.</source>
        <translation>Le chantier %1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The job %1 could not be read: %2.</source>
        <translation>Le chantier %1 n’a pas pu être lu : %2.</translation>
    </message>
    <message>
        <source>The job could not be saved as %1.
%2</source>
        <translation>Le chantier n’a pas pu être enregistré sous %1.
%2</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Enregistrer le chantier</translation>
    </message>
    <message>
        <source>Name the structures the pull runs from and to.</source>
        <translation>Nommez les ouvrages de départ et d’arrivée du tirage.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
    <message>
        <source>Remove pull %1 from the job?</source>
        <translation>Retirer le tirage %1 du chantier ?</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening pull %1?</source>
        <translation>Le plan de tirage a des modifications non enregistrées. Les enregistrer avant d’ouvrir le tirage %1 ?</translation>
    </message>
    <message>
        <source>Enter the slack as a length of 0 or more.</source>
        <translation>Saisissez la réserve comme une longueur de 0 ou plus.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Slack (%1)</source>
        <translation>Réserve (%1)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Chantier</translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Nouveau chantier</translation>
    </message>
    <message>
        <source>A new job, not saved yet</source>
        <translation>Un nouveau chantier, pas encore enregistré</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Câbles</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Longueur (%1)</translation>
    </message>
    <message>
        <source>Rise (%1)</source>
        <translation>Dénivelé (%1)</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Direct (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverse (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pression latérale</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tirage intermédiaire</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>direct</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>either</source>
        <translation>l’un ou l’autre</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1 : %2 %3</translation>
    </message>
    <message>
        <source>In all: %1 %2</source>
        <translation>En tout : %1 %2</translation>
    </message>
    <message>
        <source>Sa&amp;ve Job As...</source>
        <translation>Enregistrer le chantier &amp;sous...</translation>
    </message>
</context>
<context>
    <name>tensora::LinkRacewayDialog</name>
    <message>
        <source>Friction and Raceway of Link %1</source>
        <translation>Frottement et canalisation du tronçon %1</translation>
    </message>
    <message>
        <source>the plan's</source>
        <translation>celui du plan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>As the link before</source>
        <translation>Comme le tronçon précédent</translation>
    </message>
    <message>
        <source>Conduit of inside diameter</source>
        <translation>Conduit de diamètre intérieur</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Chemin de câbles sur rouleaux</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coefficient de frottement</translation>
    </message>
    <message>
        <source>Friction &amp;library entry</source>
        <translation>Entrée de la &amp;bibliothèque de frottement</translation>
    </message>
    <message>
        <source>&amp;Raceway from this link on</source>
        <translation>Ca&amp;nalisation à partir de ce tronçon</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diamètre &amp;intérieur</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter, a number above 0.</source>
        <translation>Saisissez le diamètre intérieur du conduit, un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diamètre intérieur saisi</translation>
    </message>
    <message>
        <source>Conduit &amp;table</source>
        <translation>&amp;Table des conduits</translation>
    </message>
    <message>
        <source>Trade &amp;size</source>
        <translation>Taille co&amp;mmerciale</translation>
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
        <translation>Choisissez ou saisissez le diamètre intérieur du conduit</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
</context>
<context>
    <name>tensora::MaxPull</name>
    <message>
        <source>Cable Select - click to select type</source>
        <translation>Choix du câble : cliquez pour choisir le type</translation>
    </message>
    <message>
        <source>Lubricant Selection</source>
        <translation>Choix du lubrifiant</translation>
    </message>
    <message>
        <source>Return to Pull Calculator</source>
        <translation>Retour au calcul de tirage</translation>
    </message>
    <message>
        <source>Show Cable Details</source>
        <translation>Afficher le détail du câble</translation>
    </message>
    <message>
        <source>Diameter Chosen, mm</source>
        <translation>Diamètre choisi, mm</translation>
    </message>
    <message>
        <source>Diameter Chosen</source>
        <translation>Diamètre choisi</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Longueur de tirage maximale</translation>
    </message>
    <message>
        <source>Return to Fill Ratio</source>
        <translation>Retour au remplissage</translation>
    </message>
    <message>
        <source>Return to Pull Check</source>
        <translation>Retour à la vérification du tirage</translation>
    </message>
    <message>
        <source>Cable Selection Window</source>
        <translation>Choix du câble</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>area</source>
        <translation>surface</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diamètre</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>poids</translation>
    </message>
    <message>
        <source>max load</source>
        <translation>charge max.</translation>
    </message>
    <message>
        <source>Cable Select - click to select %1</source>
        <translation>Choix du câble : %1</translation>
    </message>
</context>
<context>
    <name>tensora::PullBoxSize</name>
    <message>
        <source>Pull Box Size</source>
        <translation>Taille de boîte de tirage</translation>
    </message>
    <message>
        <source>Conduits entering one wall</source>
        <translation>Conduits entrant par une paroi</translation>
    </message>
    <message>
        <source>Straight pull</source>
        <translation>Tirage droit</translation>
    </message>
    <message>
        <source>Angle pull</source>
        <translation>Tirage en angle</translation>
    </message>
    <message>
        <source>U pull</source>
        <translation>Tirage en U</translation>
    </message>
    <message>
        <source>Any of the code's tables</source>
        <translation>N’importe quelle table du code</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Conductors of 6 AWG and s&amp;maller</source>
        <translation>Conducteurs de 6 AWG et &amp;moins</translation>
    </message>
    <message>
        <source>&amp;Pull:</source>
        <translation>&amp;Tirage :</translation>
    </message>
    <message>
        <source>Conduit &amp;table:</source>
        <translation>Table des &amp;conduits :</translation>
    </message>
    <message>
        <source>Trade &amp;size:</source>
        <translation>Ta&amp;ille commerciale :</translation>
    </message>
    <message>
        <source>Si&amp;zes entering:</source>
        <translation>Tailles &amp;entrantes :</translation>
    </message>
    <message>
        <source>Least box</source>
        <translation>Boîte minimale</translation>
    </message>
    <message>
        <source>Length, straight pull:</source>
        <translation>Longueur, tirage droit :</translation>
    </message>
    <message>
        <source>To the opposite wall:</source>
        <translation>Jusqu’à la paroi opposée :</translation>
    </message>
    <message>
        <source>Between a raceway's entries:</source>
        <translation>Entre les entrées d’une canalisation :</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Règle :</translation>
    </message>
    <message>
        <source>The sizes the table lacks were taken out of the list.</source>
        <translation>Les tailles absentes de la table ont été retirées de la liste.</translation>
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
        <translation>Calcul de tirage Ductivo</translation>
    </message>
    <message>
        <source>Cable Input</source>
        <translation>Données du câble</translation>
    </message>
    <message>
        <source>Select Cable</source>
        <translation>Choisir le câble</translation>
    </message>
    <message>
        <source>Launch from Pull Calc (hidden)</source>
        <translation>Lancé depuis le calcul (masqué)</translation>
    </message>
    <message>
        <source>Cable Description</source>
        <translation>Description du câble</translation>
    </message>
    <message>
        <source>Allowable Tension</source>
        <translation>Tension admissible</translation>
    </message>
    <message>
        <source>Cable Weight</source>
        <translation>Poids du câble</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coefficient de frottement</translation>
    </message>
    <message>
        <source>Back Tension</source>
        <translation>Tension de retenue</translation>
    </message>
    <message>
        <source>Pull Input</source>
        <translation>Données du tirage</translation>
    </message>
    <message>
        <source>Straight Section</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Enter the Angle</source>
        <translation>Saisissez l'angle</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Enter the Section Length</source>
        <translation>Saisissez la longueur du tronçon</translation>
    </message>
    <message>
        <source>Incline (optional)</source>
        <translation>Pente (facultative)</translation>
    </message>
    <message>
        <source>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</source>
        <translation>Degrés au-dessus de l'horizontale, de -90 à 90 (une colonne montante tirée vers le haut vaut 90) ; vide : le tracé garde sa pente</translation>
    </message>
    <message>
        <source>Bend &amp;turns</source>
        <translation>Le coude &amp;tourne</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendant</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Incliné</translation>
    </message>
    <message>
        <source>Ti&amp;lt from horizontal</source>
        <translation>Incli&amp;naison depuis l'horizontale</translation>
    </message>
    <message>
        <source>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</source>
        <translation>Degrés, de -180 à 180 : 0 tourne à gauche, 90 vers le haut, -90 vers le bas, 180 à droite ; entre les deux, le coude tourne et monte à la fois</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Clicking a link number will have the following effect:</source>
        <translation>Un clic sur un numéro de tronçon a cet effet :</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Supprimer le tronçon</translation>
    </message>
    <message>
        <source>Delete all Links</source>
        <translation>Supprimer tous les tronçons</translation>
    </message>
    <message>
        <source>Insert Pull Input at Chosen Link</source>
        <translation>Insérer la saisie au tronçon choisi</translation>
    </message>
    <message>
        <source>Mark or Unmark a Sheave at the Bend</source>
        <translation>Marquer ou démarquer une poulie au coude</translation>
    </message>
    <message>
        <source>Calculate Mid-assist Pull</source>
        <translation>Calculer un tirage intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Weight in bends:</source>
        <translation>&amp;Poids dans les coudes :</translation>
    </message>
    <message>
        <source>In the bend's plane only</source>
        <translation>Dans le plan du coude seulement</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>En totalité</translation>
    </message>
    <message>
        <source>Held at zero: the cable would run under its own weight here and must be held back</source>
        <translation>Maintenu à zéro : ici le câble descendrait sous son propre poids et doit être retenu</translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Au-delà de la tension admissible</translation>
    </message>
    <message>
        <source>Pull Calculator</source>
        <translation>Calcul de tirage</translation>
    </message>
    <message>
        <source>The link was not added: %1.</source>
        <translation>Le tronçon n'a pas été ajouté : %1.</translation>
    </message>
    <message>
        <source>This will delete the link. Are you sure?</source>
        <translation>Le tronçon va être supprimé. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>This will delete ALL links. Are you sure?</source>
        <translation>TOUS les tronçons vont être supprimés. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</source>
        <translation>Le plan de tirage a des modifications non enregistrées. Les enregistrer avant de fermer le calcul de tirage ?</translation>
    </message>
    <message>
        <source>Set Friction or Raceway at the Link</source>
        <translation>Définir frottement ou canalisation au tronçon</translation>
    </message>
    <message>
        <source>Mark or Unmark a Pull Point at the Link</source>
        <translation>Marquer ou démarquer un point de tirage au tronçon</translation>
    </message>
</context>
<context>
    <name>tensora::PullCheck</name>
    <message>
        <source>Pull Check</source>
        <translation>Vérification du tirage</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Bends: sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Coudes : pression latérale d'appui selon le rayon de chaque coude, tirage corrigé</translation>
    </message>
    <message>
        <source>Cable s&amp;et</source>
        <translation>&amp;Jeu de câbles</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diamètre intérieur saisi</translation>
    </message>
    <message>
        <source>Cables and conduit</source>
        <translation>Câbles et conduit</translation>
    </message>
    <message>
        <source>Choose a trade size</source>
        <translation>Choisissez une taille commerciale</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>En triangle</translation>
    </message>
    <message>
        <source>Cradled</source>
        <translation>En berceau</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>En losange</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>selon la longueur et l'angle de chaque coude</translation>
    </message>
    <message>
        <source>Conduit &amp;standard:</source>
        <translation>&amp;Norme du conduit :</translation>
    </message>
    <message>
        <source>&amp;Trade size:</source>
        <translation>&amp;Taille commerciale :</translation>
    </message>
    <message>
        <source>&amp;Number of cables:</source>
        <translation>Nom&amp;bre de câbles :</translation>
    </message>
    <message>
        <source>&amp;Configuration:</source>
        <translation>&amp;Disposition :</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Rapport de coincement</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Correction de poids</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Dégagement</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Tirage direct, corrigé</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Tirage inverse, corrigé</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Remplissage selon le code</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Jeu de câbles</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tension admissible</translation>
    </message>
    <message>
        <source>Sidewall pressure limit for the type of cable</source>
        <translation>Limite de pression latérale pour le type de câble</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Saisi</translation>
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
        <translation>Saisissez le diamètre intérieur du conduit (ou choisissez une taille commerciale) et le diamètre extérieur du câble.</translation>
    </message>
    <message>
        <source>Ben&amp;ds</source>
        <translation>Co&amp;udes</translation>
    </message>
    <message>
        <source>, trade size </source>
        <translation>, taille commerciale </translation>
    </message>
    <message>
        <source> (metric designator %1), listed area %2 mm²</source>
        <translation> (désignation métrique %1), surface de table %2 mm²</translation>
    </message>
    <message>
        <source>, listed area </source>
        <translation>, surface de table </translation>
    </message>
    <message>
        <source> sq in</source>
        <translation> sq in</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diamètre &amp;intérieur</translation>
    </message>
    <message>
        <source>Cable &amp;outside diameter</source>
        <translation>Diamètre &amp;extérieur du câble</translation>
    </message>
    <message>
        <source>&amp;Minimum clearance</source>
        <translation>Dégagement &amp;minimal</translation>
    </message>
    <message>
        <source>Sidewall pressure &amp;limit</source>
        <translation>&amp;Limite de pression latérale</translation>
    </message>
    <message>
        <source>&amp;Bend radius, all bends</source>
        <translation>&amp;Rayon de coude, tous les coudes</translation>
    </message>
    <message numerus="yes">
        <source>Ben&amp;ds (%n over the limit)</source>
        <translation>
            <numerusform>Co&amp;udes (%n au-delà de la limite)</numerusform>
            <numerusform>Co&amp;udes (%n au-delà de la limite)</numerusform>
        </translation>
    </message>
    <message>
        <source>The pull check has changes that are not saved. Save them before closing the Pull Check?</source>
        <translation>La vérification du tirage a des modifications non enregistrées. Les enregistrer avant de la fermer ?</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Conseil pour le jeu de câbles</translation>
    </message>
    <message>
        <source>× OD</source>
        <translation>× DE</translation>
    </message>
    <message>
        <source>Cable &amp;kind:</source>
        <translation>&amp;Genre de câble :</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Rayon de courbure minimal</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Courbes entre points de tirage</translation>
    </message>
</context>
<context>
    <name>tensora::PullLogDialog</name>
    <message>
        <source>Pull Log %1</source>
        <translation>Relevé de tirage %1</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Comme le dit le fichier</translation>
    </message>
    <message>
        <source>for a log of times: length per minute</source>
        <translation>pour un relevé de temps : longueur par minute</translation>
    </message>
    <message>
        <source>&amp;Lay over the Plan</source>
        <translation>&amp;Superposer au plan</translation>
    </message>
    <message>
        <source>&amp;Use for the Plan</source>
        <translation>&amp;Utiliser pour le plan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Pulled &amp;in direction:</source>
        <translation>&amp;Direction du tirage :</translation>
    </message>
    <message>
        <source>&amp;Tensions in:</source>
        <translation>&amp;Tensions en :</translation>
    </message>
    <message>
        <source>Len&amp;gths in:</source>
        <translation>Lon&amp;gueurs en :</translation>
    </message>
    <message>
        <source>Pulling &amp;speed:</source>
        <translation>&amp;Vitesse de tirage :</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
    <message numerus="yes">
        <source>%n points read</source>
        <translation>
            <numerusform>%n point lu</numerusform>
            <numerusform>%n points lus</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Your friction entries cannot be changed until their file is mended or moved away.</source>
        <translation>Vos entrées de frottement ne peuvent être modifiées tant que leur fichier n’est pas réparé ou déplacé.</translation>
    </message>
    <message>
        <source>measured: fitted to a pull's tension log</source>
        <translation>mesuré : ajusté au relevé de tension d’un tirage</translation>
    </message>
    <message>
        <source>%1, pulled %2, route %3</source>
        <translation>%1, tiré le %2, tracé %3</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1).</source>
        <translation>Vos entrées de frottement n’ont pas pu être enregistrées (%1).</translation>
    </message>
    <message>
        <source>Kept in your friction library as %1.</source>
        <translation>Conservé dans votre bibliothèque de frottement sous %1.</translation>
    </message>
    <message>
        <source>Add to Friction Li&amp;brary</source>
        <translation>Ajouter à la &amp;bibliothèque de frottement</translation>
    </message>
</context>
<context>
    <name>tensora::PullResultsPanel</name>
    <message>
        <source>Pull Results</source>
        <translation>Résultats du tirage</translation>
    </message>
    <message>
        <source>Planned Pull Input</source>
        <translation>Saisie du tirage planifié</translation>
    </message>
    <message>
        <source>Forward Tension - </source>
        <translation>Tension directe - </translation>
    </message>
    <message>
        <source>Reverse Tension - </source>
        <translation>Tension inverse - </translation>
    </message>
    <message>
        <source>Apply &amp;Mid-assist Point</source>
        <translation>Appliquer le point &amp;intermédiaire</translation>
    </message>
    <message>
        <source> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </source>
        <translation> au-delà de la tension admissible&amp;nbsp;&amp;nbsp;&amp;nbsp; </translation>
    </message>
    <message>
        <source> held at zero: the cable runs under its own weight there and must be held back</source>
        <translation> maintenu à zéro : là, le câble descend sous son propre poids et doit être retenu</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tronçon</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Cumulée</translation>
    </message>
    <message>
        <source>Side Wall</source>
        <translation>Pression latérale</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Frottement</translation>
    </message>
</context>
<context>
    <name>tensora::PullingEquipment</name>
    <message>
        <source>Pulling Equipment</source>
        <translation>Équipement de tirage</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Équipement</translation>
    </message>
    <message>
        <source>Checked against the planned pull</source>
        <translation>Vérifié par rapport au tirage planifié</translation>
    </message>
    <message>
        <source>As the advice says</source>
        <translation>Selon le conseil</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tirage direct</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tirage inverse</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Sens :</translation>
    </message>
    <message>
        <source>&amp;Puller rating:</source>
        <translation>Capacité du &amp;treuil :</translation>
    </message>
    <message>
        <source>&amp;Rope breaking strength:</source>
        <translation>Charge de &amp;rupture du câble de tirage :</translation>
    </message>
    <message>
        <source>Rope design &amp;factor:</source>
        <translation>&amp;Coefficient de sécurité du câble :</translation>
    </message>
    <message>
        <source>× puller rating</source>
        <translation>× capacité du treuil</translation>
    </message>
    <message>
        <source>&amp;Sheave rating:</source>
        <translation>Capacité de la &amp;poulie :</translation>
    </message>
    <message>
        <source>Tension a sheave &amp;adds:</source>
        <translation>Tension &amp;ajoutée par une poulie :</translation>
    </message>
    <message>
        <source>&amp;Capstan friction:</source>
        <translation>Frottement du ca&amp;bestan :</translation>
    </message>
    <message>
        <source>&amp;Tail force a person holds:</source>
        <translation>Effort de rete&amp;nue d'une personne :</translation>
    </message>
    <message>
        <source>The pulling equipment has changes that are not saved. Save them before closing the window?</source>
        <translation>L'équipement de tirage a des modifications non enregistrées. Les enregistrer avant de fermer la fenêtre ?</translation>
    </message>
</context>
<context>
    <name>tensora::QuickCalculatorWindow</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
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
        <translation>Pas encore de plan : ajoutez des tronçons dans Outils &gt; Calcul de tirage.</translation>
    </message>
</context>
<context>
    <name>tensora::RouteImportDialog</name>
    <message>
        <source>Import Route</source>
        <translation>Importer un tracé</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Selon le fichier</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Tracé :</translation>
    </message>
    <message>
        <source>&amp;Units of the file:</source>
        <translation>&amp;Unités du fichier :</translation>
    </message>
    <message>
        <source>Default &amp;bend radius:</source>
        <translation>Rayon de &amp;coude par défaut :</translation>
    </message>
    <message>
        <source>&amp;Replace the Plan</source>
        <translation>&amp;Remplacer le plan</translation>
    </message>
    <message>
        <source>&amp;Append to the Plan</source>
        <translation>&amp;Ajouter au plan</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
</context>
<context>
    <name>tensora::RouteView</name>
    <message>
        <source>Route View</source>
        <translation>Vue du tracé</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tirage direct</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tirage inverse</translation>
    </message>
    <message>
        <source>&amp;Colour by the tension of the:</source>
        <translation>&amp;Colorer selon la tension du :</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>Show the whole route (0 in a drawing)</source>
        <translation>Afficher tout le tracé (0 dans un dessin)</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Enregistrer l'&amp;image...</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrows pan</source>
        <translation>Molette ou + et - pour zoomer, glisser ou flèches pour déplacer</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Plan : le tracé vu de dessus</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Élévation : hauteur le long du tracé, à l'échelle</translation>
    </message>
</context>
<context>
    <name>tensora::TensionProfile</name>
    <message>
        <source>Tension Profile</source>
        <translation>Profil de tension</translation>
    </message>
    <message>
        <source>Distance along the route (ft)</source>
        <translation>Distance le long du tracé (ft)</translation>
    </message>
    <message>
        <source>Tension (lbs)</source>
        <translation>Tension (lbs)</translation>
    </message>
    <message>
        <source>Height (ft)</source>
        <translation>Hauteur (ft)</translation>
    </message>
    <message>
        <source>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</source>
        <translation>Pas encore de plan. Ouvrez Outils &gt; Calcul de tirage et ajoutez des tronçons : leurs tensions sont tracées ici.</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Enregistrer l'image...</translation>
    </message>
    <message>
        <source>Distance along the route (%1)</source>
        <translation>Distance le long du tracé (%1)</translation>
    </message>
    <message>
        <source>Tension (%1)</source>
        <translation>Tension (%1)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Hauteur (%1)</translation>
    </message>
    <message>
        <source> Bends</source>
        <translation> Coudes</translation>
    </message>
    <message>
        <source> Mid-assist pull point</source>
        <translation> Point de tirage intermédiaire</translation>
    </message>
    <message>
        <source>Link %1, %2
Cumulative %3 %4</source>
        <translation>Tronçon %1, %2
Cumulée %3 %4</translation>
    </message>
    <message>
        <source>
Sidewall %1</source>
        <translation>
Pression latérale %1</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <extracomment>A link's own coefficient or raceway, from where the link starts on.</extracomment>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source> The pull's log, measured (red rings: beyond the allowable tension)</source>
        <translation> Le relevé du tirage, mesuré (cercles rouges : au-delà de la tension admissible)</translation>
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
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>The conduit properties and construction calculator, created by the Larkfield Center

</source>
        <translation>Le calculateur des propriétés et de la construction des conduits, créé par le Larkfield Center

</translation>
    </message>
    <message>
        <source>Data Version </source>
        <translation>Version des données </translation>
    </message>
</context>
<context>
    <name>tensora::frmMain</name>
    <message>
        <source>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</source>
        <translation>Données (*.rtf)|*.rtf|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Import Route...</source>
        <translation>&amp;Importer un tracé...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Pull Plan</source>
        <translation>Plan de tirage</translation>
    </message>
    <message>
        <source>Fill Ratio</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Ou&amp;tils</translation>
    </message>
    <message>
        <source>&amp;Pull Calculator</source>
        <translation>Calcul de &amp;tirage</translation>
    </message>
    <message>
        <source>Max &amp;Pull Length</source>
        <translation>Longueur de &amp;tirage maximale</translation>
    </message>
    <message>
        <source>&amp;Sidewall Pressure</source>
        <translation>&amp;Pression latérale</translation>
    </message>
    <message>
        <source>Straight Pull Tension</source>
        <translation>Tension en ligne droite</translation>
    </message>
    <message>
        <source>Bend Pull Tension</source>
        <translation>Tension dans un coude</translation>
    </message>
    <message>
        <source>&amp;Fill Ratio</source>
        <translation>&amp;Remplissage</translation>
    </message>
    <message>
        <source>&amp;Slikko! Quantity</source>
        <translation>Quantité de &amp;Slikko!</translation>
    </message>
    <message>
        <source>Tension Pr&amp;ofile</source>
        <translation>Pr&amp;ofil de tension</translation>
    </message>
    <message>
        <source>&amp;Route View</source>
        <translation>&amp;Vue du tracé</translation>
    </message>
    <message>
        <source>Pulling &amp;Equipment</source>
        <translation>Équipement de tira&amp;ge</translation>
    </message>
    <message>
        <source>Pull C&amp;heck</source>
        <translation>Vérifi&amp;cation du tirage</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>&amp;Inch-pound</source>
        <translation>&amp;Pouce-livre</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrique</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Manuel d'aide</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Ductivo Installation Manual</source>
        <translation>Manuel d'installation Ductivo</translation>
    </message>
    <message>
        <source>Norvale &amp;Home Page</source>
        <translation>Site &amp;web de Norvale</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>À &amp;propos de </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before leaving?</source>
        <translation>Le plan de tirage a des modifications non enregistrées. Les enregistrer avant de quitter ?</translation>
    </message>
    <message>
        <source>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</source>
        <translation>Le navigateur intégré ne s'exécute pas en root (il devrait tourner sans son bac à sable). Ouvrir %1 dans le navigateur du bureau ?</translation>
    </message>
    <message>
        <source>The desktop's browser could not be started for %1.</source>
        <translation>Le navigateur du bureau n'a pas pu être lancé pour %1.</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before starting a new document?</source>
        <translation>Le plan de tirage a des modifications non enregistrées. Les enregistrer avant de commencer un nouveau document ?</translation>
    </message>
    <message>
        <source>Import Route</source>
        <translation>Importer un tracé</translation>
    </message>
    <message>
        <source>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <translation>Tracés (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|Dessins DXF (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>No route was imported from %1.
%2</source>
        <translation>Aucun tracé n'a été importé de %1.
%2</translation>
    </message>
    <message>
        <source>Replace the %1 links of the plan by the %2 of the route?</source>
        <translation>Remplacer les %1 tronçons du plan par les %2 du tracé ?</translation>
    </message>
    <message>
        <source>The plan would hold more than %1 links: nothing was imported.</source>
        <translation>Le plan compterait plus de %1 tronçons : rien n'a été importé.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.
%3</source>
        <translation>Impossible d'enregistrer %1 sous %2.
%3</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>Document PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Tableau CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Rien n'a été enregistré : %1.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>Le rapport n'a pas pu être enregistré sous %1.
%2</translation>
    </message>
    <message>
        <source>Open Report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>The report %1 could not be read.
%2</source>
        <translation>Le rapport %1 n'a pas pu être lu.
%2</translation>
    </message>
    <message>
        <source>%1 is not a Tensora report: nothing was read.</source>
        <translation>%1 n'est pas un rapport Tensora : rien n'a été lu.</translation>
    </message>
    <message>
        <source>The report %1 was not read whole.

%2</source>
        <translation>Le rapport %1 n'a pas été lu en entier.

%2</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exporter en &amp;CSV...</translation>
    </message>
    <message>
        <source>Save Op&amp;tions</source>
        <translation>Options d'enregis&amp;trement</translation>
    </message>
    <message>
        <source>&amp;Quick Calculators</source>
        <translation>Calculs r&amp;apides</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening %1?</source>
        <translation>Le plan de tirage a des modifications non enregistrées. Les enregistrer avant d'ouvrir %1 ?</translation>
    </message>
    <message>
        <source>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</source>
        <translation>Le rapport %1 a été enregistré avec des virgules décimales par une version antérieure de Tensora ; ses nombres ont été lus ainsi. Enregistré de nouveau, il les contient avec des points décimaux, comme toutes les langues les lisent.</translation>
    </message>
    <message>
        <source>The report %1: %2</source>
        <translation>Le rapport %1 : %2</translation>
    </message>
    <message>
        <source>Friction Li&amp;brary</source>
        <translation>&amp;Bibliothèque de frottement</translation>
    </message>
    <message>
        <source>Compare Optio&amp;ns</source>
        <translation>Comparer des optio&amp;ns</translation>
    </message>
    <message>
        <source>Pull Bo&amp;x Size</source>
        <translation>Taille de &amp;boîte de tirage</translation>
    </message>
    <message>
        <source>Import Pull &amp;Log...</source>
        <translation>Importer un re&amp;levé de tirage...</translation>
    </message>
    <message>
        <source>Import Pull Log</source>
        <translation>Importer un relevé de tirage</translation>
    </message>
    <message>
        <source>The pull log %1 cannot be read.</source>
        <translation>Le relevé de tirage %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>New &amp;Job</source>
        <translation>Nouveau c&amp;hantier</translation>
    </message>
    <message>
        <source>Open Jo&amp;b...</source>
        <translation>Ou&amp;vrir un chantier...</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Ouvrir un chantier</translation>
    </message>
</context>
<context>
    <name>tensora::miscData</name>
    <message>
        <source>Data File (hidden)</source>
        <translation>Fichier de données (masqué)</translation>
    </message>
</context>
<context>
    <name>tensora::textEditor</name>
    <message>
        <source>Help text</source>
        <translation>Texte d'aide</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>Aide</translation>
    </message>
</context>
</TS>