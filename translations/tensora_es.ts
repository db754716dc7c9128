<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>Advice</name>
    <message>
        <source>the cable's weight is negative</source>
        <translation>el peso del cable es negativo</translation>
    </message>
    <message>
        <source>the cable's weight is no finite number</source>
        <translation>el peso del cable no es un número finito</translation>
    </message>
    <message>
        <source>the coefficient of friction is negative</source>
        <translation>el coeficiente de fricción es negativo</translation>
    </message>
    <message>
        <source>the coefficient of friction is no finite number</source>
        <translation>el coeficiente de fricción no es un número finito</translation>
    </message>
    <message>
        <source>link %1 has a negative length</source>
        <translation>el tramo %1 tiene una longitud negativa</translation>
    </message>
    <message>
        <source>link %1 holds a figure beyond the computer's numbers</source>
        <translation>el tramo %1 contiene una cifra fuera del alcance del ordenador</translation>
    </message>
    <message>
        <source>Even the best pull exceeds the allowable tension of %1 at link %2</source>
        <translation>Incluso el mejor tiro supera la tensión admisible de %1 en el tramo %2</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure exceeds %1 at link %2</source>
        <translation>La presión lateral de apoyo supera %1 en el tramo %2</translation>
    </message>
    <message>
        <source>Pulled forward, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>En tiro directo, el cable avanza por su propio peso en el tramo %1: reténgalo ahí</translation>
    </message>
    <message>
        <source>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>En tiro inverso, el cable avanza por su propio peso en el tramo %1: reténgalo ahí</translation>
    </message>
    <message>
        <source>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</source>
        <extracomment>%1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension leaving it forward and in reverse with all of its weight.</extracomment>
        <translation>El tramo %1 es una curva tan larga que su peso, %2 de fricción, supera el 1% de la tensión a su salida, y el peso en el plano de la curva lo omite: con todo el peso, la tensión sale a %3 en sentido directo y a %4 en sentido inverso</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n more such bends)</source>
        <comment>%1 (%n more such bend)</comment>
        <translation>
            <numerusform>%1 (%n curva más como esta)</numerusform>
            <numerusform>%1 (%n curvas más como esta)</numerusform>
        </translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>en tiro inverso</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>en tiro directo</translation>
    </message>
    <message>
        <source>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</source>
        <extracomment>%1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.</extracomment>
        <translation>Punto de tiro intermedio después del tramo %1, como se aconseja: %2, la tensión más alta es %3; sin él, directo %4, inverso %5</translation>
    </message>
    <message>
        <source>Either way: %1 each way</source>
        <translation>En cualquier sentido: %1 en cada sentido</translation>
    </message>
    <message>
        <source>Pull forward: %1% lower, %2 against %3</source>
        <extracomment>%1 how much lower in whole per cent, %2 the lower tension, %3 the higher.</extracomment>
        <translation>Tire en sentido directo: %1% menos, %2 frente a %3</translation>
    </message>
    <message>
        <source>Pull in reverse: %1% lower, %2 against %3</source>
        <translation>Tire en sentido inverso: %1% menos, %2 frente a %3</translation>
    </message>
    <message>
        <source>%1; a mid-assist point after link %2, %3, lowers it to %4</source>
        <extracomment>%1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in reverse", %4 the tension.</extracomment>
        <translation>%1; un punto de tiro intermedio después del tramo %2, %3, la reduce a %4</translation>
    </message>
    <message>
        <source>%1; no mid-assist advice: %2</source>
        <translation>%1; sin consejo de tiro intermedio: %2</translation>
    </message>
    <message>
        <source>%1; no mid-assist point lowers it</source>
        <translation>%1; ningún punto de tiro intermedio la reduce</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The advice, then its findings.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>link %1 has a negative coefficient of friction</source>
        <translation>el tramo %1 tiene un coeficiente de fricción negativo</translation>
    </message>
</context>
<context>
    <name>Bending</name>
    <message>
        <source>non-shielded power</source>
        <translation>cable de potencia sin pantalla</translation>
    </message>
    <message>
        <source>shielded or lead-covered power</source>
        <translation>cable de potencia apantallado o con cubierta de plomo</translation>
    </message>
    <message>
        <source>metal-clad, smooth sheath</source>
        <translation>armado, cubierta lisa</translation>
    </message>
    <message>
        <source>metal-clad, interlocked or corrugated</source>
        <translation>armado, entrelazado o corrugado</translation>
    </message>
    <message>
        <source>fibre optic</source>
        <translation>fibra óptica</translation>
    </message>
    <message>
        <source>a multiple of the diameter</source>
        <translation>un múltiplo del diámetro</translation>
    </message>
    <message>
        <source>kind not known</source>
        <translation>tipo desconocido</translation>
    </message>
    <message>
        <source>%1 × OD pulling, %2 × OD installed, %3</source>
        <extracomment>The fibre optic rule: %1 the multiple under tension, %2 installed.</extracomment>
        <translation>%1 × DE al tirar, %2 × DE instalado, %3</translation>
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
        <translation>%1: indique el material de los conductores del grupo %2</translation>
    </message>
    <message>
        <source>%1: give the conductor size of group %2</source>
        <translation>%1: indique la sección de los conductores del grupo %2</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>cobre</translation>
    </message>
    <message>
        <source>aluminium</source>
        <translation>aluminio</translation>
    </message>
    <message>
        <source>%1 × %2: OD %3, %4</source>
        <extracomment>A group of a cable set: %1 how many, %2 the cable's description, %3 its outside diameter, %4 its weight.</extracomment>
        <translation>%1 × %2: DE %3, %4</translation>
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
        <translation>sección no indicada</translation>
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
            <numerusform>%n conductores</numerusform>
        </translation>
    </message>
    <message>
        <source>rating %1</source>
        <translation>capacidad %1</translation>
    </message>
    <message>
        <source>Pulling eye on the conductors</source>
        <translation>Ojo de tiro sobre los conductores</translation>
    </message>
    <message>
        <source>Pulling eye, single conductors conservatively</source>
        <translation>Ojo de tiro, conductores individuales (conservador)</translation>
    </message>
    <message>
        <source>Basket grip</source>
        <translation>Malla de tiro</translation>
    </message>
    <message>
        <source>Cable ratings</source>
        <translation>Capacidades de los cables</translation>
    </message>
    <message>
        <source>As typed in the planner</source>
        <translation>Como se escribió en el planificador</translation>
    </message>
    <message>
        <source>%1: give the rating of group %2</source>
        <translation>%1: indique la capacidad del grupo %2</translation>
    </message>
    <message>
        <source>%1 "%2": %3</source>
        <extracomment>%1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.</extracomment>
        <translation>%1 "%2": %3</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>no es un número positivo</translation>
    </message>
    <message>
        <source>not a number of 0 or more</source>
        <translation>no es un número de 0 o más</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 1000 (no pull holds more)</source>
        <translation>no es un número entero de 1 a 1000 (ningún tiro lleva más)</translation>
    </message>
    <message>
        <source>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</source>
        <translation>no es una sección de conductor (AWG como 6 o 1/0, kcmil, mm2)</translation>
    </message>
    <message>
        <source>not a conductor material (cu or al)</source>
        <translation>no es un material de conductor (cu o al)</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 10000 (no cable holds more)</source>
        <translation>no es un número entero de 1 a 10000 (ningún cable tiene más)</translation>
    </message>
    <message>
        <source>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</source>
        <translation>no es un tipo de cable (shielded, non-shielded, mc-smooth, mc-interlocked, fibre o un múltiplo del diámetro)</translation>
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
        <translation>ÁREA</translation>
    </message>
    <message>
        <source>MODULUS</source>
        <translation>MÓDULO</translation>
    </message>
    <message>
        <source>DIAM</source>
        <translation>DIÁM</translation>
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
        <translation>CARGA</translation>
    </message>
</context>
<context>
    <name>Calculators</name>
    <message>
        <source>Undefined: bend length is 0</source>
        <translation>Indefinido: la longitud de la curva es 0</translation>
    </message>
    <message>
        <source>Unlimited: no weight or friction</source>
        <translation>Ilimitado: sin peso o sin fricción</translation>
    </message>
    <message>
        <source>None: an input is negative</source>
        <translation>Ninguno: una entrada es negativa</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the cables do not fit this conduit</source>
        <translation>los cables no caben en este tubo conduit</translation>
    </message>
    <message>
        <source>The cables do not fit this conduit</source>
        <translation>Los cables no caben en este tubo conduit</translation>
    </message>
    <message>
        <source>single cable</source>
        <translation>cable único</translation>
    </message>
    <message>
        <source>two cables</source>
        <translation>dos cables</translation>
    </message>
    <message>
        <source>five or more cables</source>
        <translation>cinco o más cables</translation>
    </message>
    <message>
        <source>triangular</source>
        <translation>en triángulo</translation>
    </message>
    <message>
        <source>cradled</source>
        <translation>en cuna</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>en rombo</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automática</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>importante</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderado</translation>
    </message>
    <message>
        <source>small</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>very small</source>
        <translation>muy bajo</translation>
    </message>
    <message>
        <source>mixed sizes: no jam band</source>
        <translation>tamaños mixtos: sin banda de atascamiento</translation>
    </message>
    <message>
        <source>three cables lie triangular or cradled, not in a diamond</source>
        <translation>tres cables quedan en triángulo o en cuna, no en rombo</translation>
    </message>
    <message>
        <source>four cables lie cradled or in a diamond, not triangular</source>
        <translation>cuatro cables quedan en cuna o en rombo, no en triángulo</translation>
    </message>
    <message>
        <source>The arrangement does not suit the number of cables</source>
        <translation>La disposición no corresponde al número de cables</translation>
    </message>
    <message>
        <source>in both pulls</source>
        <translation>en ambos tiros</translation>
    </message>
    <message>
        <source>in the forward pull</source>
        <translation>en el tiro directo</translation>
    </message>
    <message>
        <source>in the reverse pull</source>
        <translation>en el tiro inverso</translation>
    </message>
    <message>
        <source>Sidewall pressure exceeds %1 at link %2 %3</source>
        <extracomment>%1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls ("in both pulls").</extracomment>
        <translation>La presión lateral supera %1 en el tramo %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</source>
        <comment>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</comment>
        <translation>
            <numerusform>La presión lateral supera %1 en el tramo %2 %3 y en %n curva más</numerusform>
            <numerusform>La presión lateral supera %1 en el tramo %2 %3 y en %n curvas más</numerusform>
        </translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the forward pull: hold it back</source>
        <translation>El cable avanza por su propio peso en el tramo %1 del tiro directo: reténgalo</translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the reverse pull: hold it back</source>
        <translation>El cable avanza por su propio peso en el tramo %1 del tiro inverso: reténgalo</translation>
    </message>
    <message>
        <source>Reverse pull exceeds the allowable tension at link %1</source>
        <translation>El tiro inverso supera la tensión admisible en el tramo %1</translation>
    </message>
    <message>
        <source>Forward pull exceeds the allowable tension at link %1</source>
        <translation>El tiro directo supera la tensión admisible en el tramo %1</translation>
    </message>
    <message>
        <source>Pull OK</source>
        <translation>Tiro correcto</translation>
    </message>
    <message>
        <source>no cable outside diameter</source>
        <translation>sin diámetro exterior del cable</translation>
    </message>
    <message>
        <source>Enter the cable's outside diameter</source>
        <translation>Introduzca el diámetro exterior del cable</translation>
    </message>
    <message>
        <source>no conduit inside diameter</source>
        <translation>sin diámetro interior del tubo</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter</source>
        <translation>Introduzca el diámetro interior del tubo conduit</translation>
    </message>
    <message>
        <source>no clearance formula for this arrangement</source>
        <translation>no hay fórmula de holgura para esta disposición</translation>
    </message>
    <message>
        <source>The clearance is below the minimum</source>
        <translation>La holgura es inferior al mínimo</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2%</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.</extracomment>
        <translation>El llenado de %1% supera el límite del código eléctrico de %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk)</source>
        <extracomment>%1 the risk: "significant" or "moderate".</extracomment>
        <translation>Los cables pueden atascarse (riesgo %1)</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
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
        <translation>Introduzca un radio de curva mayor que 0, o deje la casilla vacía para tomar el radio de cada curva de su longitud y ángulo</translation>
    </message>
    <message>
        <source>Enter a rating above 0</source>
        <translation>Introduzca una capacidad mayor que 0</translation>
    </message>
    <message>
        <source>no links in the plan</source>
        <translation>el plan no tiene tramos</translation>
    </message>
    <message>
        <source>%1 at link %2, no allowable tension: %3</source>
        <extracomment>%1 the highest tension, %2 its link, %3 what the allowable tension lacks.</extracomment>
        <translation>%1 en el tramo %2, sin tensión admisible: %3</translation>
    </message>
    <message>
        <source>give it in the planner</source>
        <translation>indíquela en la calculadora de tiro</translation>
    </message>
    <message>
        <source>%1 at link %2, allowable %3</source>
        <translation>%1 en el tramo %2, admisible %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cables weighing %1, largest OD %2</source>
        <comment>%n cable weighing %1, largest OD %2</comment>
        <extracomment>%n cables, %1 their weight per length, %2 the largest outside diameter.</extracomment>
        <translation>
            <numerusform>%n cable que pesa %1, mayor DE %2</numerusform>
            <numerusform>%n cables que pesan %1, mayor DE %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, jam risk %2</source>
        <translation>%1, riesgo de atascamiento %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for one cable</source>
        <extracomment>%1 the fill in per cent, %2 the code's limit in whole per cent.</extracomment>
        <translation>%1%, dentro de el %2% del código eléctrico para un cable</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for two cables</source>
        <translation>%1%, dentro de el %2% del código eléctrico para dos cables</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for more than two cables</source>
        <translation>%1%, dentro de el %2% del código eléctrico para más de dos cables</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for one cable</source>
        <translation>%1%, por encima de el %2% del código eléctrico para un cable</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for two cables</source>
        <translation>%1%, por encima de el %2% del código eléctrico para dos cables</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for more than two cables</source>
        <translation>%1%, por encima de el %2% del código eléctrico para más de dos cables</translation>
    </message>
    <message>
        <source>Without a mid-assist point: %1</source>
        <translation>Sin punto de tiro intermedio: %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, below the minimum of %2</source>
        <extracomment>%1 the clearance, %2 the minimum; both with their unit.</extracomment>
        <translation>%1, por debajo del mínimo de %2</translation>
    </message>
    <message>
        <source>%1, minimum %2</source>
        <translation>%1, mínimo %2</translation>
    </message>
    <message>
        <source>angle 0</source>
        <translation>ángulo 0</translation>
    </message>
    <message>
        <source>no radius</source>
        <translation>sin radio</translation>
    </message>
    <message>
        <source>%1, over both ways</source>
        <translation>%1, superado en ambos sentidos</translation>
    </message>
    <message>
        <source>%1, over forward</source>
        <translation>%1, superado en sentido directo</translation>
    </message>
    <message>
        <source>%1, over reverse</source>
        <translation>%1, superado en sentido inverso</translation>
    </message>
    <message>
        <source>Interlocked armour</source>
        <translation>Armadura engrapada</translation>
    </message>
    <message>
        <source>Control and 600 V cable</source>
        <translation>Cable de control y de 600 V</translation>
    </message>
    <message>
        <source>Power cable 600 V to 35 kV</source>
        <translation>Cable de potencia de 600 V a 35 kV</translation>
    </message>
    <message>
        <source>%1 from link %2</source>
        <extracomment>%1 what is wrong with a stretch's conduit, %2 the link it starts at.</extracomment>
        <translation>%1 desde el tramo %2</translation>
    </message>
    <message>
        <source>The clearance is below the minimum from link %1</source>
        <translation>La holgura es inferior al mínimo desde el tramo %1</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2% from link %3</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent, %3 the link the conduit starts at.</extracomment>
        <translation>El llenado de %1% supera el límite del código eléctrico de %2% desde el tramo %3</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk) from link %2</source>
        <extracomment>%1 the risk: "significant" or "moderate", %2 the link the conduit starts at.</extracomment>
        <translation>Los cables pueden atascarse desde el tramo %2 (riesgo %1)</translation>
    </message>
    <message numerus="yes">
        <source>The bending radius was not checked for %n cables whose kind is not known</source>
        <comment>The bending radius was not checked for %n cable whose kind is not known</comment>
        <extracomment>%n cables whose kind is not given.</extracomment>
        <translation>
            <numerusform>El radio de curvatura no se comprobó para %n cable de tipo desconocido</numerusform>
            <numerusform>El radio de curvatura no se comprobó para %n cables de tipo desconocido</numerusform>
        </translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</source>
        <extracomment>%1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.</extracomment>
        <translation>La curva del tramo %1 tiene un radio de %2, menor que el radio de curvatura mínimo del cable de %3 (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</source>
        <translation>La curva del tramo %1 tiene un radio de %2, menor que el radio de curvatura mínimo del cable de %3 bajo tensión de tiro (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</source>
        <translation>La curva del tramo %1 tiene un radio de %2, menor que el radio de curvatura mínimo del cable de %3 una vez instalado (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more bends</source>
        <comment>%1, and %n more bend</comment>
        <translation>
            <numerusform>%1, y %n curva más</numerusform>
            <numerusform>%1, y %n curvas más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1° of bends from link %2 to link %3, more than 360° between pull points</source>
        <extracomment>%1 the degrees of the stretch's bends, %2 and %3 its first and last links.</extracomment>
        <translation>%1° de curvas del tramo %2 al tramo %3, más de 360° entre puntos de tiro</translation>
    </message>
    <message>
        <source>Enter a cable kind or a multiple of the diameter above 0</source>
        <translation>Introduzca un tipo de cable o un múltiplo del diámetro mayor que 0</translation>
    </message>
    <message>
        <source>%1 pulling, %2 trained (%3)</source>
        <extracomment>%1 the least radius under pulling tension, %2 once trained in place, %3 the rule.</extracomment>
        <translation>%1 al tirar, %2 instalado (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bends tighter</source>
        <comment>%1: %n bend tighter</comment>
        <translation>
            <numerusform>%1: %n curva más cerrada</numerusform>
            <numerusform>%1: %n curvas más cerradas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every bend wide enough</source>
        <translation>%1: cada curva es suficientemente amplia</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°, over 360°</source>
        <extracomment>A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.</extracomment>
        <translation>tramos %1 a %2: %3°, más de 360°</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°</source>
        <translation>tramos %1 a %2: %3°</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; no conduit is checked without the cables of the pull check</source>
        <translation>%1; no se comprueba ningún tubo conduit sin los cables de la comprobación del tiro</translation>
    </message>
    <message>
        <source>The coefficient "%1" is no number from 0 and no entry of the friction library</source>
        <extracomment>%1 the coefficient as typed.</extracomment>
        <translation>El coeficiente «%1» no es un número desde 0 ni una entrada de la biblioteca de fricción</translation>
    </message>
    <message>
        <source>The direction "%1" is neither forward nor reverse</source>
        <translation>La dirección «%1» no es ni directa ni inversa</translation>
    </message>
    <message>
        <source>The mid-assist point "%1" is not the number of a link of the plan</source>
        <translation>El punto de tiro intermedio «%1» no es el número de un tramo del plan</translation>
    </message>
    <message>
        <source>An option with a mid-assist point pulls both halves: it takes no direction</source>
        <translation>Una opción con punto de tiro intermedio tira de ambas mitades: no admite dirección</translation>
    </message>
    <message>
        <source>The back tension "%1" is not a number</source>
        <translation>La tensión de retención «%1» no es un número</translation>
    </message>
    <message>
        <source>The conduit's inside diameter "%1" is not a number above 0</source>
        <translation>El diámetro interior del tubo conduit «%1» no es un número mayor que 0</translation>
    </message>
    <message>
        <source>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</source>
        <extracomment>%1 the best option's number, %2 its highest tension, %3 the next option's highest tension, %4 that option's number.</extracomment>
        <translation>La opción %1 tira con la tensión máxima más baja, %2, frente a %3 de la opción %4</translation>
    </message>
    <message>
        <source>Option %1 is the only one pulled, with %2</source>
        <translation>La opción %1 es la única que se tira, con %2</translation>
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
        <translation>tirado en directo</translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>tirado en inverso</translation>
    </message>
    <message>
        <source>mid-assist point after link %1</source>
        <translation>punto de tiro intermedio tras el tramo %1</translation>
    </message>
    <message>
        <source>back tension %1</source>
        <translation>tensión de retención %1</translation>
    </message>
    <message>
        <source>conduit ID %1</source>
        <translation>DI del tubo conduit %1</translation>
    </message>
    <message>
        <source>the plan as it is</source>
        <translation>el plan tal cual</translation>
    </message>
    <message>
        <source>%1 at link %2</source>
        <translation>%1 en el tramo %2</translation>
    </message>
</context>
<context>
    <name>Conduits</name>
    <message>
        <source>Schedule 40 pipe</source>
        <translation>Tubo Schedule 40</translation>
    </message>
    <message>
        <source>SDR 11 pipe</source>
        <translation>Tubo SDR 11</translation>
    </message>
    <message>
        <source>SDR 13.5 pipe</source>
        <translation>Tubo SDR 13.5</translation>
    </message>
    <message>
        <source>Electrical metallic tubing</source>
        <translation>Tubo eléctrico metálico (EMT)</translation>
    </message>
    <message>
        <source>Electrical nonmetallic tubing</source>
        <translation>Tubo eléctrico no metálico (ENT)</translation>
    </message>
    <message>
        <source>Flexible metal conduit</source>
        <translation>Conducto metálico flexible (FMC)</translation>
    </message>
    <message>
        <source>Intermediate metal conduit</source>
        <translation>Conducto metálico intermedio (IMC)</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type A</source>
        <translation>Conducto flexible no metálico hermético a líquidos, tipo A</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type B</source>
        <translation>Conducto flexible no metálico hermético a líquidos, tipo B</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type C</source>
        <translation>Conducto flexible no metálico hermético a líquidos, tipo C</translation>
    </message>
    <message>
        <source>Liquidtight flexible metal conduit</source>
        <translation>Conducto metálico flexible hermético a líquidos</translation>
    </message>
    <message>
        <source>Rigid metal conduit</source>
        <translation>Conducto metálico rígido (RMC)</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 80</source>
        <translation>Conducto rígido de PVC, Schedule 80</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 40, and HDPE conduit</source>
        <translation>Conducto rígido de PVC, Schedule 40, y conducto de PEAD</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type A</source>
        <translation>Conducto rígido de PVC, tipo A</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type EB</source>
        <translation>Conducto rígido de PVC, tipo EB</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>Equipment</name>
    <message>
        <source>forward pull</source>
        <translation>tiro directo</translation>
    </message>
    <message>
        <source>reverse pull</source>
        <translation>tiro inverso</translation>
    </message>
    <message>
        <source>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</source>
        <translation>Tensión más alta del %1 del conjunto de cables, según la calcula la verificación del tiro: %2 en el tramo %3</translation>
    </message>
    <message>
        <source>Highest tension of the %1: %2 at link %3</source>
        <translation>Tensión más alta del %1: %2 en el tramo %3</translation>
    </message>
    <message>
        <source>%1, with the plan's mid-assist point after link %2.</source>
        <extracomment>The plan's own mid-assist point is already in the pull's tensions.</extracomment>
        <translation>%1, con el punto de tiro intermedio del plan después del tramo %2.</translation>
    </message>
    <message>
        <source>%1; with a mid-assist point after link %2, pulled %3: %4.</source>
        <translation>%1; con un punto de tiro intermedio después del tramo %2, tirando %3: %4.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>en sentido directo</translation>
    </message>
    <message>
        <source>in reverse</source>
        <translation>en sentido inverso</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Puller: give its rating.</source>
        <translation>Malacate: indique su capacidad.</translation>
    </message>
    <message>
        <source>Puller: too weak, %1 against the pull's %2.</source>
        <translation>Malacate: demasiado débil, %1 frente a los %2 del tiro.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</source>
        <translation>Malacate: %1, margen %2 %; su capacidad supera la tensión admisible del cable de %3: ajuste un limitador (o un eslabón fusible) a la tensión admisible.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %.</source>
        <translation>Malacate: %1, margen %2 %.</translation>
    </message>
    <message>
        <source>Rope: a breaking strength of at least %1 serves</source>
        <translation>Cuerda: sirve una resistencia a la rotura de al menos %1</translation>
    </message>
    <message>
        <source>%1; %2 serves (working load %3)</source>
        <translation>%1; %2 sirve (carga de trabajo %3)</translation>
    </message>
    <message>
        <source>%1; %2 is too weak</source>
        <translation>%1; %2 es demasiado débil</translation>
    </message>
    <message>
        <source>%1. The design factor is below 4</source>
        <translation>%1. El factor de diseño es menor que 4</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor, over its rating.</source>
        <translation>Polea en el tramo %1: %2 sobre ella y su anclaje, por encima de su capacidad.</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor (no rating given).</source>
        <translation>Polea en el tramo %1: %2 sobre ella y su anclaje (sin capacidad indicada).</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor.</source>
        <translation>Polea en el tramo %1: %2 sobre ella y su anclaje.</translation>
    </message>
    <message>
        <source>Capstan tail force:</source>
        <translation>Fuerza de retención en el cabrestante:</translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1 (more than a person holds)</source>
        <comment>%n wrap %1 (more than a person holds)</comment>
        <translation>
            <numerusform>%n vuelta %1 (más de lo que sostiene una persona)</numerusform>
            <numerusform>%n vueltas %1 (más de lo que sostiene una persona)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1</source>
        <comment>%n wrap %1</comment>
        <translation>
            <numerusform>%n vuelta %1</numerusform>
            <numerusform>%n vueltas %1</numerusform>
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
        <translation>El equipo sirve para este tiro.</translation>
    </message>
    <message>
        <source>The equipment does not serve this pull.</source>
        <translation>El equipo no sirve para este tiro.</translation>
    </message>
    <message>
        <source>the puller's rating</source>
        <translation>la capacidad del malacate</translation>
    </message>
    <message>
        <source>the rope's breaking strength</source>
        <translation>la resistencia a la rotura de la cuerda</translation>
    </message>
    <message>
        <source>the sheaves' rating</source>
        <translation>la capacidad de las poleas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not yet known whether the equipment serves this pull: give %1.</source>
        <translation>Aún no se sabe si el equipo sirve para este tiro: indique %1.</translation>
    </message>
    <message>
        <source>No bend is marked as turned on a sheave (mark one in the planner's options).</source>
        <translation>Ninguna curva está marcada con polea (márquela en las opciones del planificador).</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the document could not be drawn</source>
        <translation>no se pudo dibujar el documento</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>no se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket), so nothing is written there</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket), así que no se escribe nada allí</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>too many symbolic links lead to it</source>
        <translation>demasiados enlaces simbólicos llevan a él</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>nombra una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>no new file could be made in its folder</source>
        <translation>no se pudo crear un archivo nuevo en su carpeta</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>el archivo no está abierto</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>no es un archivo normal (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>no se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>no se pudo leer el archivo hasta el final</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>no se pudo dibujar la imagen</translation>
    </message>
</context>
<context>
    <name>Fill</name>
    <message>
        <source>over</source>
        <translation>supera</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>cumple</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This feature requires an internet connection.  Do you wish to continue?</source>
        <translation>Esta función requiere conexión a internet.  ¿Desea continuar?</translation>
    </message>
    <message>
        <source>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</source>
        <translation>Esta función requiere conexión a internet y Adobe Acrobat.  Se recomienda una conexión de alta velocidad.  ¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Please enter a number</source>
        <translation>Introduzca un número</translation>
    </message>
    <message>
        <source>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</source>
        <translation>Introduzca un coeficiente entre 0 y 1.  Si no lo sabe, use 0,5</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>it is not a JSON document</source>
        <translation>no es un documento JSON</translation>
    </message>
    <message>
        <source>it is not a Tensora job</source>
        <translation>no es una obra de Tensora</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>fue escrito por una versión posterior del programa</translation>
    </message>
    <message>
        <source>it is damaged at item %1</source>
        <extracomment>%1 the number of the structure or pull that cannot be read.</extracomment>
        <translation>está dañado en el elemento %1</translation>
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
        <translation>Tiro</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Desnivel</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Presión lateral</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tiro intermedio</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>En total</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>an entry has no name or no coefficient</source>
        <translation>una entrada no tiene nombre o no tiene coeficiente</translation>
    </message>
    <message>
        <source>the entry "%1" has a %2 that is no text</source>
        <translation>la entrada «%1» tiene un campo %2 que no es texto</translation>
    </message>
    <message>
        <source>the entry "%1" has an unknown kind</source>
        <translation>la entrada «%1» tiene un tipo desconocido</translation>
    </message>
    <message>
        <source>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</source>
        <translation>El nombre «%1» no es una palabra de minúsculas, dígitos, puntos, guiones y guiones bajos (40 como máximo)</translation>
    </message>
    <message>
        <source>The coefficient of "%1" is not a number from 0 to %2</source>
        <translation>El coeficiente de «%1» no es un número de 0 a %2</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>no es un documento JSON</translation>
    </message>
    <message>
        <source>it is not a friction library</source>
        <translation>no es una biblioteca de fricción</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>fue escrito por una versión posterior del programa</translation>
    </message>
    <message>
        <source>the name "%1" is there twice</source>
        <translation>el nombre «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>The library has an entry "%1" already</source>
        <translation>La biblioteca ya tiene una entrada «%1»</translation>
    </message>
    <message>
        <source>"%1" is no entry of yours</source>
        <translation>«%1» no es una entrada suya</translation>
    </message>
    <message>
        <source>The friction library %1 cannot be read: %2</source>
        <translation>La biblioteca de fricción %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1 cannot be read: %2</source>
        <translation>Sus entradas de fricción %1 no se pueden leer: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1: %2</source>
        <translation>Sus entradas de fricción %1: %2</translation>
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
        <translation>El registro no contiene líneas</translation>
    </message>
    <message>
        <source>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</source>
        <translation>El registro no dice la unidad de sus tensiones: elija lbf, N, kN o kgf</translation>
    </message>
    <message>
        <source>The log records time: give the pulling speed</source>
        <translation>El registro anota el tiempo: indique la velocidad de tiro</translation>
    </message>
    <message>
        <source>The log does not say the unit of its lengths: choose ft or m</source>
        <translation>El registro no dice la unidad de sus longitudes: elija ft o m</translation>
    </message>
    <message>
        <source>Line %1 of the log cannot be read: "%2"</source>
        <extracomment>%1 the line's number in the file, %2 the line as it stands.</extracomment>
        <translation>La línea %1 del registro no se puede leer: "%2"</translation>
    </message>
    <message>
        <source>The log holds no tensions</source>
        <translation>El registro no contiene tensiones</translation>
    </message>
    <message>
        <source>As pulled: beyond the allowable tension from %1</source>
        <extracomment>%1 the length pulled where the log first passes the allowable tension.</extracomment>
        <translation>Tal como se tiró: por encima de la tensión admisible desde %1</translation>
    </message>
    <message>
        <source>As pulled: beyond the sidewall limit at %1</source>
        <translation>Tal como se tiró: por encima del límite de presión lateral en %1</translation>
    </message>
    <message>
        <source>As pulled: within the allowable tension and the sidewall limit</source>
        <translation>Tal como se tiró: dentro de la tensión admisible y del límite de presión lateral</translation>
    </message>
    <message>
        <source>The log's header does not name both a tension column and a length or time column</source>
        <translation>La cabecera del registro no nombra a la vez una columna de tensión y una de longitud o de tiempo</translation>
    </message>
    <message>
        <source>Coefficient of friction that fits</source>
        <extracomment>%1 the fitted coefficient, %2 the largest difference, %3 the typical difference.</extracomment>
        <translation>Coeficiente de fricción ajustado</translation>
    </message>
    <message>
        <source>%1 (largest difference %2, typical %3)</source>
        <translation>%1 (mayor diferencia %2, típica %3)</translation>
    </message>
    <message>
        <source>Highest tension</source>
        <translation>Tensión más alta</translation>
    </message>
    <message>
        <source>measured %1, predicted %2</source>
        <translation>medida %1, prevista %2</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>en ningún punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points, the first at %1</source>
        <comment>%n point, at %1</comment>
        <translation>
            <numerusform>%n punto, en %1</numerusform>
            <numerusform>%n puntos, el primero en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Por encima de la tensión admisible</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>the log ends before the route does</source>
        <translation>el registro termina antes que el trazado</translation>
    </message>
    <message>
        <source>the log runs on past the route's end</source>
        <translation>el registro sigue más allá del final del trazado</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Mid-assist pull point between links %1 and %2</source>
        <extracomment>%1 and %2 the numbers of the links the point lies between.</extracomment>
        <translation>Punto de tiro intermedio entre los tramos %1 y %2</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinada</translation>
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
        <translation>%1 a la derecha</translation>
    </message>
    <message>
        <source>%1 sheave</source>
        <translation>%1 polea</translation>
    </message>
    <message>
        <source>the angle is not a finite number</source>
        <translation>el ángulo no es un número finito</translation>
    </message>
    <message>
        <source>an Up or Down bend turns at most 360 degrees</source>
        <translation>una curva hacia arriba o abajo gira como máximo 360 grados</translation>
    </message>
    <message>
        <source>a tilted bend turns at most 360 degrees</source>
        <translation>una curva inclinada gira como máximo 360 grados</translation>
    </message>
    <message>
        <source>%1 (%2 %3) is beyond what a report holds in %4</source>
        <extracomment>%1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the inch-pound unit a report holds it in.</extracomment>
        <translation>%1 (%2 %3) supera lo que un informe guarda en %4</translation>
    </message>
    <message>
        <source>the allowable tension</source>
        <translation>la tensión admisible</translation>
    </message>
    <message>
        <source>the cable weight</source>
        <translation>el peso del cable</translation>
    </message>
    <message>
        <source>the back tension</source>
        <translation>la tensión de retención</translation>
    </message>
    <message>
        <source>the length of link %1</source>
        <translation>la longitud del tramo %1</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>sin longitud</translation>
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
        <translation>bandeja</translation>
    </message>
    <message>
        <source>ID %1</source>
        <extracomment>A conduit's inside diameter with its unit, from this link on.</extracomment>
        <translation>DI %1</translation>
    </message>
    <message>
        <source>pull point</source>
        <translation>punto de tiro</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>tramo %1</translation>
    </message>
    <message>
        <source>links %1</source>
        <translation>tramos %1</translation>
    </message>
    <message>
        <source>highest %1 %2 at link %3</source>
        <extracomment>%1 the highest tension, %2 its unit, %3 its link.</extracomment>
        <translation>máximo %1 %2 en el tramo %3</translation>
    </message>
    <message>
        <source>worst sidewall (tension / bend length) %1 %2 at link %3</source>
        <extracomment>%1 the worst sidewall pressure, %2 its unit, %3 its link.</extracomment>
        <translation>peor presión lateral (tensión / longitud de la curva) %1 %2 en el tramo %3</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tiro directo</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tiro inverso</translation>
    </message>
    <message>
        <source>Forward pull: %1</source>
        <translation>Tiro directo: %1</translation>
    </message>
    <message>
        <source>Reverse pull: %1</source>
        <translation>Tiro inverso: %1</translation>
    </message>
    <message>
        <source>allowable %1 %2, above the chart</source>
        <extracomment>%1 the allowable tension, %2 its unit.</extracomment>
        <translation>admisible %1 %2, por encima del gráfico</translation>
    </message>
    <message>
        <source>allowable %1 %2</source>
        <translation>admisible %1 %2</translation>
    </message>
    <message>
        <source>forward pull in %1</source>
        <translation>tiro directo en %1</translation>
    </message>
    <message>
        <source>reverse pull in %1</source>
        <translation>tiro inverso en %1</translation>
    </message>
    <message>
        <source>Held at zero (the cable runs under its own weight: hold it back): %1.</source>
        <translation>Mantenido en cero (el cable corre por su propio peso: reténgalo): %1.</translation>
    </message>
    <message>
        <source>%1° up</source>
        <extracomment>A bend's angle as typed, in degrees.</extracomment>
        <translation>%1° hacia arriba</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° hacia abajo</translation>
    </message>
    <message>
        <source>forward tension after %1</source>
        <translation>tensión directa tras %1</translation>
    </message>
    <message>
        <source>reverse tension after %1</source>
        <translation>tensión inversa tras %1</translation>
    </message>
    <message>
        <source>Not drawn (out of range): %1.</source>
        <translation>No dibujado (fuera de rango): %1.</translation>
    </message>
</context>
<context>
    <name>PullBox</name>
    <message>
        <source>"%1" is not a trade size of %2</source>
        <extracomment>%1 the size as typed, %2 the conduit table.</extracomment>
        <translation>«%1» no es un tamaño comercial de %2</translation>
    </message>
    <message>
        <source>"%1" is not a trade size of the code's conduit tables</source>
        <translation>«%1» no es un tamaño comercial de las tablas de tubos del código</translation>
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
        <translation>Para conductores de 6 AWG y menores la caja se dimensiona por su volumen (las asignaciones de los conductores), que esta regla no calcula</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Pull</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Puller</source>
        <translation>Malacate</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Cuerda</translation>
    </message>
    <message>
        <source>Sheaves</source>
        <translation>Poleas</translation>
    </message>
    <message>
        <source>Capstan</source>
        <translation>Cabrestante</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>The report's cable set row %1 could not be read; the set was read without it.</source>
        <translation>No se pudo leer la fila %1 del conjunto de cables del informe; el conjunto se leyó sin ella.</translation>
    </message>
    <message>
        <source>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</source>
        <translation>El conjunto de cables del informe no nombra ninguna regla que Tensora conozca ("%1"); se toma la tensión admisible de la calculadora de tiro.</translation>
    </message>
    <message>
        <source>Conduit inside diameter (%1)</source>
        <translation>Diámetro interior del tubo (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cable outside diameter (%1)</source>
        <translation>Diámetro exterior del cable (%1)</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>Minimum clearance (%1)</source>
        <translation>Holgura mínima (%1)</translation>
    </message>
    <message>
        <source>Sidewall pressure limit (%1)</source>
        <translation>Límite de presión lateral (%1)</translation>
    </message>
    <message>
        <source>Bend radius (%1)</source>
        <translation>Radio de curva (%1)</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>según la longitud y el ángulo de cada curva</translation>
    </message>
    <message>
        <source>Cable group %1</source>
        <translation>Grupo de cables %1</translation>
    </message>
    <message>
        <source>Tension rule</source>
        <translation>Regla de tensión</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Relación de atascamiento</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Corrección de peso</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Holgura</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Tiro directo, corregido</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Tiro inverso, corregido</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Conjunto de cables</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensión admisible</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Llenado según código</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Consejo para el conjunto de cables</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tramo</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Radio (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Apoyo, directo (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Apoyo, inverso (%1)</translation>
    </message>
    <message>
        <source>Limit (%1)</source>
        <translation>Límite (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <comment>%n link</comment>
        <translation>
            <numerusform>%n tramo</numerusform>
            <numerusform>%n tramos</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</source>
        <translation>El rótulo del punto de tiro intermedio "%1" no nombra ningún tramo: el plan se leyó sin punto intermedio.</translation>
    </message>
    <message>
        <source>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</source>
        <translation>El punto de tiro intermedio "%1" está más allá de los %2 del plan: el plan se leyó sin él.</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>al principio</translation>
    </message>
    <message>
        <source>after link %1</source>
        <translation>después del tramo %1</translation>
    </message>
    <message>
        <source>The plan's row of link %1 is not whole: the plan was read up to link %2.</source>
        <translation>La fila del tramo %1 del plan está incompleta: el plan se leyó hasta el tramo %2.</translation>
    </message>
    <message>
        <source>The plan names link %1 again %2: the plan was read up to link %3.</source>
        <extracomment>%2 is "at its start" or "after link N".</extracomment>
        <translation>El plan vuelve a nombrar el tramo %1 %2: el plan se leyó hasta el tramo %3.</translation>
    </message>
    <message>
        <source>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</source>
        <extracomment>%3 is "at its start" or "after link N".</extracomment>
        <translation>El plan no tiene tramo %1 (el tramo %2 viene %3): el plan se leyó hasta el tramo %4.</translation>
    </message>
    <message>
        <source>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</source>
        <translation>El informe está cortado: su plan termina después del tramo %1 y falta su tabla inversa, así que pueden haberse perdido tramos posteriores; se leyeron los %2 anteriores.</translation>
    </message>
    <message>
        <source>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</source>
        <translation>El informe está cortado: su tabla inversa termina después de %1 de sus %2; se leyeron los %3 de su plan.</translation>
    </message>
    <message>
        <source>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</source>
        <translation>La tabla inversa del informe difiere de su plan a partir del tramo %1; se leyeron las filas propias del plan.</translation>
    </message>
    <message>
        <source>The report holds %1; a plan holds at most %2: the first %2 were read.</source>
        <translation>El informe contiene %1; un plan contiene como máximo %2: se leyeron los primeros %2.</translation>
    </message>
    <message>
        <source>%1 "%2" is not a number</source>
        <translation>%1 "%2" no es un número</translation>
    </message>
    <message>
        <source>Tensora is a product of Norvale. All rights reserved.</source>
        <translation>Tensora es un producto de Norvale. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Radio de curvatura mínimo</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Curvas entre puntos de tiro</translation>
    </message>
</context>
<context>
    <name>Routes</name>
    <message>
        <source>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</source>
        <translation>Línea %1: las columnas se leen de dos maneras, como x, y, z y radio o como punto, norte, este y elevación: añada una línea de encabezado que las nombre, como "x,y,z,radius" o "point,northing,easting,elevation".</translation>
    </message>
    <message>
        <source>Line %1: a point needs an x and a y.</source>
        <translation>Línea %1: un punto necesita una x y una y.</translation>
    </message>
    <message>
        <source>Line %1: the header names no x (easting) and y (northing) columns.</source>
        <translation>Línea %1: la cabecera no nombra columnas x (este) e y (norte).</translation>
    </message>
    <message>
        <source>The file holds no points.</source>
        <translation>El archivo no contiene puntos.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a number.</source>
        <translation>Línea %1: «%2» no es un número.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a group code.</source>
        <translation>Línea %1: «%2» no es un código de grupo.</translation>
    </message>
    <message>
        <source>Line %1: the drawing ends after a group code.</source>
        <translation>Línea %1: el dibujo termina tras un código de grupo.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a finite number.</source>
        <translation>Línea %1: «%2» no es un número finito.</translation>
    </message>
    <message>
        <source>Line %1: %2 gives a coordinate before its first vertex.</source>
        <translation>Línea %1: %2 da una coordenada antes de su primer vértice.</translation>
    </message>
    <message>
        <source>Line %1: %2 has no SEQEND.</source>
        <translation>Línea %1: %2 no tiene SEQEND.</translation>
    </message>
    <message>
        <source>The drawing ends before its end (no EOF): the file is cut short.</source>
        <translation>El dibujo termina antes de su final (sin EOF): el archivo está cortado.</translation>
    </message>
    <message>
        <source>This is a binary DXF drawing: save it as an ASCII DXF and import that.</source>
        <translation>Es un dibujo DXF binario: guárdelo como DXF ASCII e importe ese.</translation>
    </message>
    <message>
        <source>The drawing's %1 has fewer than two distinct points: it is no route.</source>
        <translation>El elemento %1 del dibujo tiene menos de dos puntos distintos: no es un trazado.</translation>
    </message>
    <message>
        <source>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</source>
        <translation>El dibujo no tiene LWPOLYLINE, POLYLINE, LINE ni ARC de donde tomar un trazado.</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>un punto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</source>
        <translation>Las curvas en %1 y %2 necesitan %3 de los %4 rectos entre ellas (%5 de más): indique un radio menor.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</source>
        <translation>La curva en %1 necesita %2 de los %3 rectos tras ella (%4 de más): indique un radio menor.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</source>
        <translation>La curva en %1 necesita %2 de los %3 rectos antes de ella (%4 de más): indique un radio menor.</translation>
    </message>
    <message>
        <source>At %1 the bend has no radius.</source>
        <translation>En %1 la curva no tiene radio.</translation>
    </message>
    <message>
        <source>At %1 the route turns back on itself.</source>
        <translation>En %1 el trazado vuelve sobre sí mismo.</translation>
    </message>
    <message>
        <source>At %1 a coordinate is not a finite number.</source>
        <translation>En %1 una coordenada no es un número finito.</translation>
    </message>
    <message>
        <source>The route has fewer than two distinct points.</source>
        <translation>El trazado tiene menos de dos puntos distintos.</translation>
    </message>
    <message>
        <source>From %1 to the next point the distance is beyond what can be computed.</source>
        <translation>De %1 al punto siguiente la distancia supera lo que se puede calcular.</translation>
    </message>
    <message numerus="yes">
        <source>%n links, %1, rise %2</source>
        <comment>%n link, %1, rise %2</comment>
        <translation>
            <numerusform>%n tramo, %1, desnivel %2</numerusform>
            <numerusform>%n tramos, %1, desnivel %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 a la izquierda</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 a la derecha</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 hacia arriba</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 hacia abajo</translation>
    </message>
    <message>
        <source>%1 tilted</source>
        <translation>%1 inclinadas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; bends: %2</source>
        <translation>%1; curvas: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n points closer than %2 to the one before merged into it</source>
        <comment>%1; %n point closer than %2 to the one before merged into it</comment>
        <extracomment>%2 is a distance with its unit.</extracomment>
        <translation>
            <numerusform>%1; %n punto a menos de %2 del anterior fusionado con él</numerusform>
            <numerusform>%1; %n puntos a menos de %2 del anterior fusionados con él</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>layer %1, %2</source>
        <translation>capa %1, %2</translation>
    </message>
    <message>
        <source>The drawing has no path on layer %1.</source>
        <translation>El dibujo no tiene ningún trazado en la capa %1.</translation>
    </message>
    <message>
        <source>There is no path %1; the paths are:</source>
        <translation>No existe el trazado %1; los trazados son:</translation>
    </message>
    <message>
        <source>The file holds several paths; choose one:</source>
        <translation>El archivo contiene varios trazados; elija uno:</translation>
    </message>
    <message>
        <source>%1
  %2  %3</source>
        <translation>%1
  %2  %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>a line needs a Start and an End of two numbers each.</source>
        <translation>una línea necesita un Start y un End de dos números cada uno.</translation>
    </message>
    <message>
        <source>a curve needs its Start, Center and End.</source>
        <translation>una curva necesita su Start, Center y End.</translation>
    </message>
    <message>
        <source>a spiral of the kind "%1" is not read: only clothoids are.</source>
        <translation>una espiral del tipo "%1" no se lee: solo las clotoides.</translation>
    </message>
    <message>
        <source>a spiral needs its length, its radii at start and end, its Start and its PI.</source>
        <translation>una espiral necesita su longitud, sus radios al inicio y al final, su Start y su PI.</translation>
    </message>
    <message>
        <source>a profile point is not a station and a height.</source>
        <translation>un punto del perfil no es una estación y una altura.</translation>
    </message>
    <message>
        <source>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</source>
        <translation>El eje comienza %1 antes de su perfil: la primera pendiente del perfil se prolonga hasta él.</translation>
    </message>
    <message>
        <source>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</source>
        <translation>El eje se extiende %1 más allá de su perfil: la última pendiente del perfil se prolonga hasta su final.</translation>
    </message>
    <message>
        <source>The file is no LandXML document.</source>
        <translation>El archivo no es un documento LandXML.</translation>
    </message>
    <message>
        <source>The file has no alignment with lines or curves.</source>
        <translation>El archivo no tiene ningún eje con líneas o curvas.</translation>
    </message>
    <message>
        <source>Choose a path.</source>
        <translation>Elija un trazado.</translation>
    </message>
    <message>
        <source>The default bend radius must be a number above 0.</source>
        <translation>El radio de curva predeterminado debe ser un número mayor que 0.</translation>
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
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Tensora — Pull plan report</source>
        <translation>Tensora — Informe del plan de tiro</translation>
    </message>
    <message>
        <source>Report file: </source>
        <translation>Archivo de informe: </translation>
    </message>
    <message>
        <source>Bends</source>
        <translation>Curvas</translation>
    </message>
    <message>
        <source>Pull check: cables in the conduit</source>
        <translation>Verificación del tiro: cables en el tubo conduit</translation>
    </message>
    <message>
        <source>Pull check: results</source>
        <translation>Verificación del tiro: resultados</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Presión lateral de apoyo según el radio de cada curva, tiro corregido</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tramo</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Coefficient of friction</source>
        <translation>Coeficiente de fricción</translation>
    </message>
    <message>
        <source>Weight in bends</source>
        <translation>Peso en las curvas</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>todo</translation>
    </message>
    <message>
        <source>in the bend's plane only</source>
        <translation>solo en el plano de la curva</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubricante</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>no allowable tension to compare with</source>
        <translation>sin tensión admisible con la que comparar</translation>
    </message>
    <message>
        <source> of the allowable tension</source>
        <translation> de la tensión admisible</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tiro directo</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tiro inverso</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tiro intermedio</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</source>
        <translation>Plan («supera»: por encima de la tensión admisible; «retenido»: retenido en cero; presión lateral: tensión a la salida de una curva / su longitud)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Ángulo (°)</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Conduit fill</source>
        <translation>Llenado del tubo conduit</translation>
    </message>
    <message>
        <source>Conduit standard</source>
        <translation>Norma del tubo</translation>
    </message>
    <message>
        <source>Cables (OD in)</source>
        <translation>Cables (DE in)</translation>
    </message>
    <message>
        <source>Total cable area (sq in)</source>
        <translation>Área total de cables (sq in)</translation>
    </message>
    <message>
        <source>Fill by trade size</source>
        <translation>Llenado por tamaño comercial</translation>
    </message>
    <message>
        <source>Trade size</source>
        <translation>Tamaño comercial</translation>
    </message>
    <message>
        <source>Pipe ID (in)</source>
        <translation>DI del tubo (in)</translation>
    </message>
    <message>
        <source>Area (sq in)</source>
        <translation>Área (sq in)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Llenado</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Trazado</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Planta: el trazado visto desde arriba</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Alzado: altura a lo largo del trazado, a escala</translation>
    </message>
    <message>
        <source>Pulling equipment</source>
        <translation>Equipo de tiro</translation>
    </message>
    <message>
        <source>Tensora pull plan report</source>
        <translation>Informe del plan de tiro de Tensora</translation>
    </message>
    <message>
        <source>%1: tension from 0 to %2</source>
        <translation>%1: tensión de 0 a %2</translation>
    </message>
    <message>
        <source>Red underlay: beyond the allowable tension</source>
        <translation>Fondo rojo: por encima de la tensión admisible</translation>
    </message>
    <message>
        <source> (%1, the black tick)</source>
        <translation> (%1, la marca negra)</translation>
    </message>
    <message>
        <source>; amber: held at zero; red ring: a bend's bearing pressure beyond </source>
        <translation>; ámbar: retenido en cero; anillo rojo: presión de apoyo de una curva por encima de </translation>
    </message>
    <message>
        <source>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</source>
        <translation>; punto blanco: inicio del tramo 1, negro: fin del último tramo; X: el punto de tiro intermedio</translation>
    </message>
    <message>
        <source>Cable Pulling Calculator</source>
        <translation>Calculadora de tiro de cables</translation>
    </message>
    <message>
        <source>by Norvale</source>
        <translation>de Norvale</translation>
    </message>
    <message>
        <source>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</source>
        <translation>Tensión de tiro  ·  Presión lateral  ·  Llenado  ·  Lubricante</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Cable pulling in conduit and duct</source>
        <translation>Tendido de cables en tubo conduit y ducto</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</source>
        <translation>Imagen PNG (*.png)|*.png|Imagen SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation>No se pudo guardar la imagen como %1.
%2</translation>
    </message>
    <message>
        <source>Maximum Pulling Length</source>
        <translation>Longitud máxima de tiro</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Longitud máxima de tiro</translation>
    </message>
    <message>
        <source>Select or Enter the Cable maximum pulling tension</source>
        <translation>Elija o introduzca la tensión máxima de tiro del cable</translation>
    </message>
    <message>
        <source>Select or Enter the cable weight</source>
        <translation>Elija o introduzca el peso del cable</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coeficiente de fricción</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, feet</source>
        <translation>Longitud máxima de tiro, pies</translation>
    </message>
    <message>
        <source>Maximum Length = Max tension / (cable weight * friction)</source>
        <translation>Longitud máxima = tensión máx. / (peso del cable * fricción)</translation>
    </message>
    <message>
        <source>Manual Inputs</source>
        <translation>Datos manuales</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, metres</source>
        <translation>Longitud máxima de tiro, metros</translation>
    </message>
    <message>
        <source>Max Length = Max tension / (cable weight * 9.80665 * friction)</source>
        <translation>Long. máx. = tensión máx. / (peso del cable * 9,80665 * fricción)</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</source>
        <translation>Esta función requiere cargar un archivo de datos de cables.

No se encontró el archivo de datos de cables (cabledat.qx4).
Puede introducir los datos a mano o colocar el archivo
en la misma carpeta que este programa y reiniciarlo.</translation>
    </message>
    <message>
        <source>Tension in a Bend</source>
        <translation>Tensión en una curva</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension just before the bend</source>
        <translation>Elija o introduzca la tensión del cable justo antes de la curva</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Angle, in Degrees</source>
        <translation>Elija o introduzca el ángulo de la curva, en grados</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Enter the Coefficient of Friction</source>
        <translation>Introduzca el coeficiente de fricción</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, lbs</source>
        <translation>Tensión a la salida de la curva, lbs</translation>
    </message>
    <message>
        <source>Tension = Cable Tension * e ^ ( bend radians * friction)</source>
        <translation>Tensión = tensión del cable * e ^ (radianes de la curva * fricción)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, N</source>
        <translation>Tensión a la salida de la curva, N</translation>
    </message>
    <message>
        <source>Slikko! Quantity</source>
        <translation>Cantidad de Slikko!</translation>
    </message>
    <message>
        <source>Select or Enter the pull length</source>
        <translation>Elija o introduzca la longitud del tiro</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>Slikko! Required, Gallons</source>
        <translation>Slikko! necesario, galones</translation>
    </message>
    <message>
        <source>Gallons required = 0.0015 * Length * inner diameter</source>
        <translation>Galones necesarios = 0,0015 * longitud * diámetro interior</translation>
    </message>
    <message>
        <source>Slikko! Required, Litres</source>
        <translation>Slikko! necesario, litros</translation>
    </message>
    <message>
        <source>Litres required = 0.000733 * Length * inner diameter</source>
        <translation>Litros necesarios = 0,000733 * longitud * diámetro interior</translation>
    </message>
    <message>
        <source>Sidewall Pressure</source>
        <translation>Presión lateral</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension in the bend</source>
        <translation>Elija o introduzca la tensión del cable en la curva</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Length</source>
        <translation>Elija o introduzca la longitud de la curva</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Sidewall Pressure, lbs</source>
        <translation>Presión lateral, lbs</translation>
    </message>
    <message>
        <source>Pressure = tension in bend / bend length</source>
        <translation>Presión = tensión en la curva / longitud de la curva</translation>
    </message>
    <message>
        <source>Sidewall Pressure, N/m</source>
        <translation>Presión lateral, N/m</translation>
    </message>
    <message>
        <source>Straight Section Pull tension</source>
        <translation>Tensión de tiro en tramo recto</translation>
    </message>
    <message>
        <source>Straight Section Tension</source>
        <translation>Tensión en tramo recto</translation>
    </message>
    <message>
        <source>Select or Enter the straight section length</source>
        <translation>Elija o introduzca la longitud del tramo recto</translation>
    </message>
    <message>
        <source>Straight Section Tension, lbs</source>
        <translation>Tensión en tramo recto, lbs</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * friction</source>
        <translation>Tensión = longitud recta * peso del cable * fricción</translation>
    </message>
    <message>
        <source>Straight Section Tension, N</source>
        <translation>Tensión en tramo recto, N</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * 9.80665 * friction</source>
        <translation>Tensión = longitud recta * peso del cable * 9,80665 * fricción</translation>
    </message>
    <message>
        <source>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</source>
        <translation>Advertencia: los resultados son estimaciones para planificar. Compruebe cada tiro con los límites del fabricante del cable. Tensora es un producto de Norvale; queda prohibida su copia sin permiso.</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</source>
        <translation>Esta función requiere cargar un archivo de datos de cables.

No se encontró el archivo de datos de cables (cabledat.qx4).
Busque el archivo (cabledat.qx4), colóquelo
en la misma carpeta que este programa y reinícielo.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Distance along the route</source>
        <translation>Distancia a lo largo del trazado</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensión admisible</translation>
    </message>
    <message>
        <source>Cable weight</source>
        <translation>Peso del cable</translation>
    </message>
    <message>
        <source>Back tension</source>
        <translation>Tensión de retención</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Advice for the planner's cable</source>
        <translation>Consejo para el cable de la calculadora de tiro</translation>
    </message>
    <message>
        <source>over</source>
        <comment>beyond the allowable tension</comment>
        <translation>supera</translation>
    </message>
    <message>
        <source>held</source>
        <comment>held at zero</comment>
        <translation>retenido</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Presión lat.</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n cable</numerusform>
            <numerusform>%n cables</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Ancho máximo de un par (in)</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Fricción</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opción %1</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 mejor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>falla</translation>
    </message>
    <message>
        <source>Options compared</source>
        <translation>Opciones comparadas</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Directo (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverso (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Sidewall (%1)</source>
        <translation>Presión lateral (%1)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Lowest highest tension</source>
        <translation>Tensión máxima más baja</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Verdicts</source>
        <translation>Veredictos</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source>; square: a link with a coefficient or raceway of its own</source>
        <translation>; cuadrado: un tramo con coeficiente o canalización propios</translation>
    </message>
    <message>
        <source>Pull log: measured over planned</source>
        <translation>Registro de tiro: medido sobre previsto</translation>
    </message>
    <message>
        <source>Pull log (dashed line; red rings: beyond the allowable tension)</source>
        <translation>Registro de tiro (línea discontinua; anillos rojos: por encima de la tensión admisible)</translation>
    </message>
    <message>
        <source>Tensora — Job</source>
        <translation>Tensora — Obra</translation>
    </message>
    <message>
        <source>Pull %1</source>
        <translation>Tiro %1</translation>
    </message>
    <message>
        <source>Schedule (red: the pull fails its check)</source>
        <translation>Programa (rojo: el tiro no pasa su comprobación)</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cable que pedir</translation>
    </message>
    <message>
        <source>Tensora job</source>
        <translation>Obra de Tensora</translation>
    </message>
</context>
<context>
    <name>tensora::BrowserWindow</name>
    <message>
        <source>Norvale Browser</source>
        <translation>Navegador Norvale</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Trabajando...</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetModel</name>
    <message>
        <source>As the description names it</source>
        <translation>Según la descripción</translation>
    </message>
    <message>
        <source>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</source>
        <translation>El conductor: AWG (6, 1/0), kcmil (500) o mm² (35mm2); cu o al. Vacío: el de la descripción.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
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
        <translation>Conductores</translation>
    </message>
    <message>
        <source>OD</source>
        <translation>DE</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</source>
        <translation>Para el radio de curvatura mínimo: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, o un múltiplo del diámetro. Vacío en la primera fila: la clase de cable elegida arriba.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Clase</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetPanel</name>
    <message>
        <source>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</source>
        <translation>Los cables tirados juntos: el primer grupo es el cable del planificador, con el número de cables y el diámetro exterior de arriba</translation>
    </message>
    <message>
        <source>&amp;Add typed</source>
        <translation>&amp;Añadir escrito</translation>
    </message>
    <message>
        <source>&amp;Planner's cable</source>
        <translation>Cable del &amp;planificador</translation>
    </message>
    <message>
        <source>The first group follows the planner's cable again</source>
        <translation>El primer grupo vuelve a seguir el cable del planificador</translation>
    </message>
    <message>
        <source>Send to Fill Ratio</source>
        <translation>Enviar al llenado</translation>
    </message>
    <message>
        <source>&amp;Grip rating (%1):</source>
        <translation>&amp;Capacidad de la malla (%1):</translation>
    </message>
    <message>
        <source>Add from lib&amp;rary...</source>
        <translation>Añadir de la &amp;biblioteca...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Allo&amp;wable tension by:</source>
        <translation>Tensión admisible se&amp;gún:</translation>
    </message>
    <message>
        <source>E&amp;ye rating (%1):</source>
        <translation>Capacidad del &amp;ojo (%1):</translation>
    </message>
</context>
<context>
    <name>tensora::CheckBendsModel</name>
    <message>
        <source>Limit (%1)</source>
        <translation>Límite (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Apoyo, directo (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Apoyo, inverso (%1)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tramo</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Radio (%1)</translation>
    </message>
</context>
<context>
    <name>tensora::CompareOptions</name>
    <message>
        <source>Compare Options</source>
        <translation>Comparar opciones</translation>
    </message>
    <message>
        <source>&amp;Add Option</source>
        <translation>&amp;Añadir opción</translation>
    </message>
    <message>
        <source>&amp;Remove Last Option</source>
        <translation>&amp;Quitar la última opción</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Coefficient or entry</source>
        <translation>Coeficiente o entrada</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Mid-assist after link</source>
        <translation>Tiro intermedio tras tramo</translation>
    </message>
    <message>
        <source>Back tension (%1)</source>
        <translation>Tensión de retención (%1)</translation>
    </message>
    <message>
        <source>Conduit ID (%1)</source>
        <translation>DI del conduit (%1)</translation>
    </message>
    <message>
        <source>Forward max</source>
        <translation>Directo máx.</translation>
    </message>
    <message>
        <source>Reverse max</source>
        <translation>Inverso máx.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Highest sidewall</source>
        <translation>Presión lateral máx.</translation>
    </message>
    <message>
        <source>A coefficient, or the name of a friction library entry; empty: the plan's</source>
        <translation>Un coeficiente, o el nombre de una entrada de la biblioteca de fricción; vacío: el del plan</translation>
    </message>
    <message>
        <source>Lower end</source>
        <translation>Extremo más favorable</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Each option is the pull check's corrected pull of its cables, and its verdict.</source>
        <translation>Cada opción es el tiro corregido de los cables de la comprobación del tiro, con su veredicto.</translation>
    </message>
    <message>
        <source>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</source>
        <translation>Cada opción es el tiro del planificador; abra la comprobación del tiro con sus cables para comparar tubos conduit.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 mejor</translation>
    </message>
</context>
<context>
    <name>tensora::FillRatio</name>
    <message>
        <source>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Introduzca el diámetro (DE) en pulgadas de cada cable del tubo.  Para quitar un cable, haga clic en él en la lista.</translation>
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
        <translation>Código eléctrico:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Cable OD</source>
        <translation>DE del cable</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Area(s)</source>
        <translation>Área(s)</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Norvale recommends a 60% maximum fill.  Preferred maximum fill</source>
        <translation>Norvale recomienda hasta un 60%.  Máximo deseado</translation>
    </message>
    <message>
        <source>launch from fill (hidden)</source>
        <translation>abierto desde el llenado (oculto)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Trade Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Pipe ID</source>
        <translation>DI tubo</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Percent Fill</source>
        <translation>% llenado</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Ancho máximo de un par (in)</translation>
    </message>
    <message>
        <source>Code tables and limits</source>
        <translation>Tablas y límites del código</translation>
    </message>
    <message>
        <source>Electrical code tables</source>
        <translation>Tablas del código eléctrico</translation>
    </message>
    <message>
        <source>Conduit Fill Ratio</source>
        <translation>Llenado del tubo conduit</translation>
    </message>
    <message>
        <source>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Introduzca el diámetro (DE) en %1 de cada cable del tubo.  Para quitar un cable, haga clic en él en la lista.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Widest pair side by side (mm)</source>
        <translation>Par más ancho lado a lado (mm)</translation>
    </message>
    <message>
        <source>Designator</source>
        <translation>Designación</translation>
    </message>
    <message>
        <source>Metric designator %1, trade size %2</source>
        <translation>Designación métrica %1, tamaño comercial %2</translation>
    </message>
    <message>
        <source>Fill limit %1 for one cable</source>
        <translation>Límite de llenado %1 para un cable</translation>
    </message>
    <message>
        <source>Fill limit %1 for two cables</source>
        <translation>Límite de llenado %1 para dos cables</translation>
    </message>
    <message>
        <source>Fill limit %1 for more than two cables</source>
        <translation>Límite de llenado %1 para más de dos cables</translation>
    </message>
    <message>
        <source>No cables yet</source>
        <translation>Aún no hay cables</translation>
    </message>
    <message>
        <source>Smallest size that meets it: </source>
        <translation>Tamaño menor que lo cumple: </translation>
    </message>
    <message>
        <source>No size meets it</source>
        <translation>Ningún tamaño lo cumple</translation>
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
        <translation>Las tablas del %1</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionEntryDialog</name>
    <message>
        <source>New Friction Entry</source>
        <translation>Nueva entrada de fricción</translation>
    </message>
    <message>
        <source>Friction Entry %1</source>
        <translation>Entrada de fricción %1</translation>
    </message>
    <message>
        <source>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</source>
        <translation>Una palabra de minúsculas, dígitos, puntos, guiones y guiones bajos: el nombre con que los tramos y la línea de órdenes toman la entrada</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coeficiente de fricción</translation>
    </message>
    <message>
        <source>&amp;Kind of raceway</source>
        <translation>&amp;Tipo de canalización</translation>
    </message>
    <message>
        <source>&amp;Raceway</source>
        <translation>Canali&amp;zación</translation>
    </message>
    <message>
        <source>Cable &amp;jacket</source>
        <translation>Cu&amp;bierta del cable</translation>
    </message>
    <message>
        <source>&amp;Lubricant</source>
        <translation>&amp;Lubricante</translation>
    </message>
    <message>
        <source>&amp;Stands for</source>
        <translation>&amp;Representa</translation>
    </message>
    <message>
        <source>S&amp;ource of the figure</source>
        <translation>&amp;Fuente del valor</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionLibraryWindow</name>
    <message>
        <source>Conduit or duct</source>
        <translation>Tubo conduit o ducto</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Bandeja sobre rodillos</translation>
    </message>
    <message>
        <source>Any raceway</source>
        <translation>Cualquier canalización</translation>
    </message>
    <message>
        <source>Friction Library</source>
        <translation>Biblioteca de fricción</translation>
    </message>
    <message>
        <source>Words of a name, raceway, jacket, lubricant or source</source>
        <translation>Palabras de un nombre, canalización, cubierta, lubricante o fuente</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Use for the &amp;Plan</source>
        <translation>Usar para el &amp;plan</translation>
    </message>
    <message>
        <source>Use for &amp;Link</source>
        <translation>Usar para el &amp;tramo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tramo</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Eli&amp;minar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The shipped friction library %1 was not found beside the cable data.</source>
        <translation>La biblioteca de fricción incluida %1 no se encontró junto a los datos de cables.</translation>
    </message>
    <message>
        <source>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</source>
        <translation>Sus entradas se muestran tal como se leyeron; no se pueden cambiar hasta que el archivo se repare o se mueva: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coeficiente</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Canalización</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Cubierta</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubricante</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Representa</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Suya</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1); they are as they were.</source>
        <translation>Sus entradas de fricción no se pudieron guardar (%1); quedan como estaban.</translation>
    </message>
    <message>
        <source>Delete your friction entry %1?</source>
        <translation>¿Eliminar su entrada de fricción %1?</translation>
    </message>
</context>
<context>
    <name>tensora::JobWindow</name>
    <message>
        <source>Manhole</source>
        <translation>Pozo de registro</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Pull box</source>
        <translation>Caja de paso</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&amp;Add the Planner's Pull</source>
        <translation>&amp;Añadir el tiro del planificador</translation>
    </message>
    <message>
        <source>&amp;Open Pull</source>
        <translation>A&amp;brir tiro</translation>
    </message>
    <message>
        <source>&amp;Remove Pull</source>
        <translation>&amp;Quitar tiro</translation>
    </message>
    <message>
        <source>none: the structures' slack</source>
        <translation>ninguno: la reserva de las estructuras</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Guardar obra</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cable que pedir</translation>
    </message>
    <message>
        <source>&amp;Margin (%):</source>
        <translation>&amp;Margen (%):</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Estructuras</translation>
    </message>
    <message>
        <source>The job has changes that are not saved. Save them?</source>
        <translation>La obra tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>The job %1 could not be read.</source>
        <translation>La obra %1 no se pudo leer.</translation>
    </message>
    <message>
        <source>The job %1 could not be read: %2.</source>
        <translation>La obra %1 no se pudo leer: %2.</translation>
    </message>
    <message>
        <source>The job could not be saved as %1.
%2</source>
        <translation>La obra no se pudo guardar como %1.
%2</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Guardar obra</translation>
    </message>
    <message>
        <source>Name the structures the pull runs from and to.</source>
        <translation>Nombre las estructuras de las que sale y a las que llega el tiro.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
    </message>
    <message>
        <source>Remove pull %1 from the job?</source>
        <translation>¿Quitar el tiro %1 de la obra?</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening pull %1?</source>
        <translation>El plan de tiro tiene cambios sin guardar. ¿Guardarlos antes de abrir el tiro %1?</translation>
    </message>
    <message>
        <source>Enter the slack as a length of 0 or more.</source>
        <translation>Introduzca la reserva como una longitud de 0 o más.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Slack (%1)</source>
        <translation>Reserva (%1)</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Obra</translation>
    </message>
    <message>
        <source>New Job</source>
        <translation>Nueva obra</translation>
    </message>
    <message>
        <source>A new job, not saved yet</source>
        <translation>Una obra nueva, aún sin guardar</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Longitud (%1)</translation>
    </message>
    <message>
        <source>Rise (%1)</source>
        <translation>Desnivel (%1)</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Directo (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverso (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Presión lateral</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Tiro intermedio</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>directo</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>either</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>In all: %1 %2</source>
        <translation>En total: %1 %2</translation>
    </message>
    <message>
        <source>Sa&amp;ve Job As...</source>
        <translation>Guardar obra &amp;como...</translation>
    </message>
</context>
<context>
    <name>tensora::LinkRacewayDialog</name>
    <message>
        <source>Friction and Raceway of Link %1</source>
        <translation>Fricción y canalización del tramo %1</translation>
    </message>
    <message>
        <source>the plan's</source>
        <translation>el del plan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>As the link before</source>
        <translation>Como el tramo anterior</translation>
    </message>
    <message>
        <source>Conduit of inside diameter</source>
        <translation>Tubo conduit de diámetro interior</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Bandeja sobre rodillos</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coeficiente de fricción</translation>
    </message>
    <message>
        <source>Friction &amp;library entry</source>
        <translation>Entrada de la &amp;biblioteca de fricción</translation>
    </message>
    <message>
        <source>&amp;Raceway from this link on</source>
        <translation>Ca&amp;nalización desde este tramo</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diámetro &amp;interior</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter, a number above 0.</source>
        <translation>Introduzca el diámetro interior del tubo conduit, un número mayor que 0.</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diámetro interior escrito</translation>
    </message>
    <message>
        <source>Conduit &amp;table</source>
        <translation>&amp;Tabla de tubos</translation>
    </message>
    <message>
        <source>Trade &amp;size</source>
        <translation>Tamaño co&amp;mercial</translation>
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
        <translation>Elija o introduzca el diámetro interior del tubo</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
</context>
<context>
    <name>tensora::MaxPull</name>
    <message>
        <source>Cable Select - click to select type</source>
        <translation>Selección de cable: haga clic para elegir el tipo</translation>
    </message>
    <message>
        <source>Lubricant Selection</source>
        <translation>Selección de lubricante</translation>
    </message>
    <message>
        <source>Return to Pull Calculator</source>
        <translation>Volver a la calculadora de tiro</translation>
    </message>
    <message>
        <source>Show Cable Details</source>
        <translation>Mostrar detalles del cable</translation>
    </message>
    <message>
        <source>Diameter Chosen, mm</source>
        <translation>Diámetro elegido, mm</translation>
    </message>
    <message>
        <source>Diameter Chosen</source>
        <translation>Diámetro elegido</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Longitud máxima de tiro</translation>
    </message>
    <message>
        <source>Return to Fill Ratio</source>
        <translation>Volver al llenado</translation>
    </message>
    <message>
        <source>Return to Pull Check</source>
        <translation>Volver a la verificación del tiro</translation>
    </message>
    <message>
        <source>Cable Selection Window</source>
        <translation>Selección de cable</translation>
    </message>
    <message>
        <source>description</source>
        <translation>descripción</translation>
    </message>
    <message>
        <source>area</source>
        <translation>área</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diámetro</translation>
    </message>
    <message>
        <source>weight</source>
        <translation>peso</translation>
    </message>
    <message>
        <source>max load</source>
        <translation>carga máx.</translation>
    </message>
    <message>
        <source>Cable Select - click to select %1</source>
        <translation>Selección de cable: %1</translation>
    </message>
</context>
<context>
    <name>tensora::PullBoxSize</name>
    <message>
        <source>Pull Box Size</source>
        <translation>Tamaño de caja de paso</translation>
    </message>
    <message>
        <source>Conduits entering one wall</source>
        <translation>Tubos que entran por una pared</translation>
    </message>
    <message>
        <source>Straight pull</source>
        <translation>Tiro recto</translation>
    </message>
    <message>
        <source>Angle pull</source>
        <translation>Tiro en ángulo</translation>
    </message>
    <message>
        <source>U pull</source>
        <translation>Tiro en U</translation>
    </message>
    <message>
        <source>Any of the code's tables</source>
        <translation>Cualquier tabla del código</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Conductors of 6 AWG and s&amp;maller</source>
        <translation>Conductores de 6 AWG y &amp;menores</translation>
    </message>
    <message>
        <source>&amp;Pull:</source>
        <translation>&amp;Tiro:</translation>
    </message>
    <message>
        <source>Conduit &amp;table:</source>
        <translation>Ta&amp;bla de tubos:</translation>
    </message>
    <message>
        <source>Trade &amp;size:</source>
        <translation>Tamaño &amp;comercial:</translation>
    </message>
    <message>
        <source>Si&amp;zes entering:</source>
        <translation>Tamaños &amp;entrantes:</translation>
    </message>
    <message>
        <source>Least box</source>
        <translation>Caja mínima</translation>
    </message>
    <message>
        <source>Length, straight pull:</source>
        <translation>Longitud, tiro recto:</translation>
    </message>
    <message>
        <source>To the opposite wall:</source>
        <translation>Hasta la pared opuesta:</translation>
    </message>
    <message>
        <source>Between a raceway's entries:</source>
        <translation>Entre las entradas de una canalización:</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Regla:</translation>
    </message>
    <message>
        <source>The sizes the table lacks were taken out of the list.</source>
        <translation>Los tamaños que la tabla no tiene se quitaron de la lista.</translation>
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
        <translation>Calculadora de tiro Ductivo</translation>
    </message>
    <message>
        <source>Cable Input</source>
        <translation>Datos del cable</translation>
    </message>
    <message>
        <source>Select Cable</source>
        <translation>Elegir cable</translation>
    </message>
    <message>
        <source>Launch from Pull Calc (hidden)</source>
        <translation>Abierto desde la calculadora (oculto)</translation>
    </message>
    <message>
        <source>Cable Description</source>
        <translation>Descripción del cable</translation>
    </message>
    <message>
        <source>Allowable Tension</source>
        <translation>Tensión admisible</translation>
    </message>
    <message>
        <source>Cable Weight</source>
        <translation>Peso del cable</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coeficiente de fricción</translation>
    </message>
    <message>
        <source>Back Tension</source>
        <translation>Tensión de retención</translation>
    </message>
    <message>
        <source>Pull Input</source>
        <translation>Datos del tiro</translation>
    </message>
    <message>
        <source>Straight Section</source>
        <translation>Tramo recto</translation>
    </message>
    <message>
        <source>Enter the Angle</source>
        <translation>Introduzca el ángulo</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Enter the Section Length</source>
        <translation>Introduzca la longitud del tramo</translation>
    </message>
    <message>
        <source>Incline (optional)</source>
        <translation>Inclinación (opcional)</translation>
    </message>
    <message>
        <source>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</source>
        <translation>Grados sobre la horizontal, de -90 a 90 (una subida vertical tirada hacia arriba es 90); vacío: el trazado mantiene su inclinación</translation>
    </message>
    <message>
        <source>Bend &amp;turns</source>
        <translation>La curva &amp;gira</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinada</translation>
    </message>
    <message>
        <source>Ti&amp;lt from horizontal</source>
        <translation>Inc&amp;linación desde la horizontal</translation>
    </message>
    <message>
        <source>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</source>
        <translation>Grados, de -180 a 180: 0 gira a la izquierda, 90 hacia arriba, -90 hacia abajo, 180 a la derecha; entre ellos, la curva gira y sube a la vez</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Clicking a link number will have the following effect:</source>
        <translation>Al hacer clic en un número de tramo:</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Borrar el tramo</translation>
    </message>
    <message>
        <source>Delete all Links</source>
        <translation>Borrar todos los tramos</translation>
    </message>
    <message>
        <source>Insert Pull Input at Chosen Link</source>
        <translation>Insertar los datos en el tramo elegido</translation>
    </message>
    <message>
        <source>Mark or Unmark a Sheave at the Bend</source>
        <translation>Marcar o desmarcar una polea en la curva</translation>
    </message>
    <message>
        <source>Calculate Mid-assist Pull</source>
        <translation>Calcular tiro intermedio</translation>
    </message>
    <message>
        <source>&amp;Weight in bends:</source>
        <translation>&amp;Peso en las curvas:</translation>
    </message>
    <message>
        <source>In the bend's plane only</source>
        <translation>Solo en el plano de la curva</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Held at zero: the cable would run under its own weight here and must be held back</source>
        <translation>Retenido en cero: aquí el cable avanzaría por su propio peso y hay que retenerlo</translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Por encima de la tensión admisible</translation>
    </message>
    <message>
        <source>Pull Calculator</source>
        <translation>Calculadora de tiro</translation>
    </message>
    <message>
        <source>The link was not added: %1.</source>
        <translation>No se añadió el tramo: %1.</translation>
    </message>
    <message>
        <source>This will delete the link. Are you sure?</source>
        <translation>Se borrará el tramo. ¿Está seguro?</translation>
    </message>
    <message>
        <source>This will delete ALL links. Are you sure?</source>
        <translation>Se borrarán TODOS los tramos. ¿Está seguro?</translation>
    </message>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Documento nuevo</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</source>
        <translation>El plan de tiro tiene cambios sin guardar. ¿Guardarlos antes de cerrar la calculadora de tiro?</translation>
    </message>
    <message>
        <source>Set Friction or Raceway at the Link</source>
        <translation>Fijar fricción o canalización en el tramo</translation>
    </message>
    <message>
        <source>Mark or Unmark a Pull Point at the Link</source>
        <translation>Marcar o desmarcar un punto de tiro en el tramo</translation>
    </message>
</context>
<context>
    <name>tensora::PullCheck</name>
    <message>
        <source>Pull Check</source>
        <translation>Verificación del tiro</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <source>Bends: sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Curvas: presión lateral de apoyo según el radio de cada curva, tiro corregido</translation>
    </message>
    <message>
        <source>Cable s&amp;et</source>
        <translation>Con&amp;junto de cables</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diámetro interior escrito</translation>
    </message>
    <message>
        <source>Cables and conduit</source>
        <translation>Cables y tubo conduit</translation>
    </message>
    <message>
        <source>Choose a trade size</source>
        <translation>Elija un tamaño comercial</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>En triángulo</translation>
    </message>
    <message>
        <source>Cradled</source>
        <translation>En cuna</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>En rombo</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>según la longitud y el ángulo de cada curva</translation>
    </message>
    <message>
        <source>Conduit &amp;standard:</source>
        <translation>&amp;Norma del tubo:</translation>
    </message>
    <message>
        <source>&amp;Trade size:</source>
        <translation>&amp;Tamaño comercial:</translation>
    </message>
    <message>
        <source>&amp;Number of cables:</source>
        <translation>N&amp;úmero de cables:</translation>
    </message>
    <message>
        <source>&amp;Configuration:</source>
        <translation>&amp;Disposición:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Relación de atascamiento</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Corrección de peso</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Holgura</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Tiro directo, corregido</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Tiro inverso, corregido</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Llenado según código</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Conjunto de cables</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensión admisible</translation>
    </message>
    <message>
        <source>Sidewall pressure limit for the type of cable</source>
        <translation>Límite de presión lateral para el tipo de cable</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Escrito</translation>
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
        <translation>Introduzca el diámetro interior del tubo (o elija un tamaño comercial) y el diámetro exterior del cable.</translation>
    </message>
    <message>
        <source>Ben&amp;ds</source>
        <translation>Cur&amp;vas</translation>
    </message>
    <message>
        <source>, trade size </source>
        <translation>, tamaño comercial </translation>
    </message>
    <message>
        <source> (metric designator %1), listed area %2 mm²</source>
        <translation> (designación métrica %1), área de tabla %2 mm²</translation>
    </message>
    <message>
        <source>, listed area </source>
        <translation>, área de tabla </translation>
    </message>
    <message>
        <source> sq in</source>
        <translation> sq in</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diámetro &amp;interior</translation>
    </message>
    <message>
        <source>Cable &amp;outside diameter</source>
        <translation>Diámetro &amp;exterior del cable</translation>
    </message>
    <message>
        <source>&amp;Minimum clearance</source>
        <translation>Holgura &amp;mínima</translation>
    </message>
    <message>
        <source>Sidewall pressure &amp;limit</source>
        <translation>&amp;Límite de presión lateral</translation>
    </message>
    <message>
        <source>&amp;Bend radius, all bends</source>
        <translation>&amp;Radio de curva, todas las curvas</translation>
    </message>
    <message numerus="yes">
        <source>Ben&amp;ds (%n over the limit)</source>
        <translation>
            <numerusform>Cur&amp;vas (%n por encima del límite)</numerusform>
            <numerusform>Cur&amp;vas (%n por encima del límite)</numerusform>
        </translation>
    </message>
    <message>
        <source>The pull check has changes that are not saved. Save them before closing the Pull Check?</source>
        <translation>La verificación del tiro tiene cambios sin guardar. ¿Guardarlos antes de cerrarla?</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Consejo para el conjunto de cables</translation>
    </message>
    <message>
        <source>× OD</source>
        <translation>× DE</translation>
    </message>
    <message>
        <source>Cable &amp;kind:</source>
        <translation>Cla&amp;se de cable:</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Radio de curvatura mínimo</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Curvas entre puntos de tiro</translation>
    </message>
</context>
<context>
    <name>tensora::PullLogDialog</name>
    <message>
        <source>Pull Log %1</source>
        <translation>Registro de tiro %1</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Directo</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Como dice el archivo</translation>
    </message>
    <message>
        <source>for a log of times: length per minute</source>
        <translation>para un registro de tiempos: longitud por minuto</translation>
    </message>
    <message>
        <source>&amp;Lay over the Plan</source>
        <translation>&amp;Superponer al plan</translation>
    </message>
    <message>
        <source>&amp;Use for the Plan</source>
        <translation>&amp;Usar para el plan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Pulled &amp;in direction:</source>
        <translation>&amp;Dirección del tiro:</translation>
    </message>
    <message>
        <source>&amp;Tensions in:</source>
        <translation>&amp;Tensiones en:</translation>
    </message>
    <message>
        <source>Len&amp;gths in:</source>
        <translation>Lon&amp;gitudes en:</translation>
    </message>
    <message>
        <source>Pulling &amp;speed:</source>
        <translation>&amp;Velocidad de tiro:</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
    </message>
    <message numerus="yes">
        <source>%n points read</source>
        <translation>
            <numerusform>%n punto leído</numerusform>
            <numerusform>%n puntos leídos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your friction entries cannot be changed until their file is mended or moved away.</source>
        <translation>Sus entradas de fricción no se pueden cambiar hasta que su archivo se repare o se mueva.</translation>
    </message>
    <message>
        <source>measured: fitted to a pull's tension log</source>
        <translation>medido: ajustado al registro de tensión de un tiro</translation>
    </message>
    <message>
        <source>%1, pulled %2, route %3</source>
        <translation>%1, tirado el %2, trazado %3</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1).</source>
        <translation>Sus entradas de fricción no se pudieron guardar (%1).</translation>
    </message>
    <message>
        <source>Kept in your friction library as %1.</source>
        <translation>Guardado en su biblioteca de fricción como %1.</translation>
    </message>
    <message>
        <source>Add to Friction Li&amp;brary</source>
        <translation>Añadir a la &amp;biblioteca de fricción</translation>
    </message>
</context>
<context>
    <name>tensora::PullResultsPanel</name>
    <message>
        <source>Pull Results</source>
        <translation>Resultados del tiro</translation>
    </message>
    <message>
        <source>Planned Pull Input</source>
        <translation>Datos del tiro planificado</translation>
    </message>
    <message>
        <source>Forward Tension - </source>
        <translation>Tensión directa - </translation>
    </message>
    <message>
        <source>Reverse Tension - </source>
        <translation>Tensión inversa - </translation>
    </message>
    <message>
        <source>Apply &amp;Mid-assist Point</source>
        <translation>Aplicar punto de tiro &amp;intermedio</translation>
    </message>
    <message>
        <source> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </source>
        <translation> por encima de la tensión admisible&amp;nbsp;&amp;nbsp;&amp;nbsp; </translation>
    </message>
    <message>
        <source> held at zero: the cable runs under its own weight there and must be held back</source>
        <translation> retenido en cero: ahí el cable avanza por su propio peso y hay que retenerlo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Tramo</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Acumulada</translation>
    </message>
    <message>
        <source>Side Wall</source>
        <translation>Presión lateral</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Fricción</translation>
    </message>
</context>
<context>
    <name>tensora::PullingEquipment</name>
    <message>
        <source>Pulling Equipment</source>
        <translation>Equipo de tiro</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Checked against the planned pull</source>
        <translation>Comprobado frente al tiro planificado</translation>
    </message>
    <message>
        <source>As the advice says</source>
        <translation>Según el consejo</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tiro directo</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tiro inverso</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Sentido:</translation>
    </message>
    <message>
        <source>&amp;Puller rating:</source>
        <translation>Capacidad del &amp;malacate:</translation>
    </message>
    <message>
        <source>&amp;Rope breaking strength:</source>
        <translation>&amp;Resistencia a la rotura de la cuerda:</translation>
    </message>
    <message>
        <source>Rope design &amp;factor:</source>
        <translation>&amp;Factor de diseño de la cuerda:</translation>
    </message>
    <message>
        <source>× puller rating</source>
        <translation>× capacidad del malacate</translation>
    </message>
    <message>
        <source>&amp;Sheave rating:</source>
        <translation>Capacidad de la &amp;polea:</translation>
    </message>
    <message>
        <source>Tension a sheave &amp;adds:</source>
        <translation>Tensión que &amp;añade una polea:</translation>
    </message>
    <message>
        <source>&amp;Capstan friction:</source>
        <translation>Fricción del &amp;cabrestante:</translation>
    </message>
    <message>
        <source>&amp;Tail force a person holds:</source>
        <translation>Fuerza de re&amp;tenida de una persona:</translation>
    </message>
    <message>
        <source>The pulling equipment has changes that are not saved. Save them before closing the window?</source>
        <translation>El equipo de tiro tiene cambios sin guardar. ¿Guardarlos antes de cerrar la ventana?</translation>
    </message>
</context>
<context>
    <name>tensora::QuickCalculatorWindow</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
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
        <translation>Aún no hay plan: añada tramos en Herramientas &gt; Calculadora de tiro.</translation>
    </message>
</context>
<context>
    <name>tensora::RouteImportDialog</name>
    <message>
        <source>Import Route</source>
        <translation>Importar trazado</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Según el archivo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Trazado:</translation>
    </message>
    <message>
        <source>&amp;Units of the file:</source>
        <translation>&amp;Unidades del archivo:</translation>
    </message>
    <message>
        <source>Default &amp;bend radius:</source>
        <translation>Radio de &amp;curva predeterminado:</translation>
    </message>
    <message>
        <source>&amp;Replace the Plan</source>
        <translation>&amp;Reemplazar el plan</translation>
    </message>
    <message>
        <source>&amp;Append to the Plan</source>
        <translation>&amp;Añadir al plan</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
</context>
<context>
    <name>tensora::RouteView</name>
    <message>
        <source>Route View</source>
        <translation>Vista del trazado</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Tiro directo</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Tiro inverso</translation>
    </message>
    <message>
        <source>&amp;Colour by the tension of the:</source>
        <translation>&amp;Colorear por la tensión del:</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Show the whole route (0 in a drawing)</source>
        <translation>Mostrar todo el trazado (0 en un dibujo)</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Guardar &amp;imagen...</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrows pan</source>
        <translation>Rueda o + y - para ampliar, arrastre o flechas para desplazar</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Planta: el trazado visto desde arriba</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Alzado: altura a lo largo del trazado, a escala</translation>
    </message>
</context>
<context>
    <name>tensora::TensionProfile</name>
    <message>
        <source>Tension Profile</source>
        <translation>Perfil de tensión</translation>
    </message>
    <message>
        <source>Distance along the route (ft)</source>
        <translation>Distancia a lo largo del trazado (ft)</translation>
    </message>
    <message>
        <source>Tension (lbs)</source>
        <translation>Tensión (lbs)</translation>
    </message>
    <message>
        <source>Height (ft)</source>
        <translation>Altura (ft)</translation>
    </message>
    <message>
        <source>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</source>
        <translation>Aún no hay plan. Abra Herramientas &gt; Calculadora de tiro y añada tramos: aquí se dibujan sus tensiones.</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>Distance along the route (%1)</source>
        <translation>Distancia a lo largo del trazado (%1)</translation>
    </message>
    <message>
        <source>Tension (%1)</source>
        <translation>Tensión (%1)</translation>
    </message>
    <message>
        <source>Height (%1)</source>
        <translation>Altura (%1)</translation>
    </message>
    <message>
        <source> Bends</source>
        <translation> Curvas</translation>
    </message>
    <message>
        <source> Mid-assist pull point</source>
        <translation> Punto de tiro intermedio</translation>
    </message>
    <message>
        <source>Link %1, %2
Cumulative %3 %4</source>
        <translation>Tramo %1, %2
Acumulada %3 %4</translation>
    </message>
    <message>
        <source>
Sidewall %1</source>
        <translation>
Presión lateral %1</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <extracomment>A link's own coefficient or raceway, from where the link starts on.</extracomment>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source> The pull's log, measured (red rings: beyond the allowable tension)</source>
        <translation> El registro del tiro, medido (anillos rojos: por encima de la tensión admisible)</translation>
    </message>
</context>
<context>
    <name>tensora::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>The conduit properties and construction calculator, created by the Larkfield Center

</source>
        <translation>La calculadora de propiedades y construcción de tubos conduit, creada por el Larkfield Center

</translation>
    </message>
    <message>
        <source>Data Version </source>
        <translation>Versión de datos </translation>
    </message>
</context>
<context>
    <name>tensora::frmMain</name>
    <message>
        <source>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</source>
        <translation>Datos (*.rtf)|*.rtf|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Import Route...</source>
        <translation>&amp;Importar trazado...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>Pull Plan</source>
        <translation>Plan de tiro</translation>
    </message>
    <message>
        <source>Fill Ratio</source>
        <translation>Llenado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Pull Calculator</source>
        <translation>Calculadora de &amp;tiro</translation>
    </message>
    <message>
        <source>Max &amp;Pull Length</source>
        <translation>Longitud máxima de &amp;tiro</translation>
    </message>
    <message>
        <source>&amp;Sidewall Pressure</source>
        <translation>&amp;Presión lateral</translation>
    </message>
    <message>
        <source>Straight Pull Tension</source>
        <translation>Tensión en tramo recto</translation>
    </message>
    <message>
        <source>Bend Pull Tension</source>
        <translation>Tensión en una curva</translation>
    </message>
    <message>
        <source>&amp;Fill Ratio</source>
        <translation>&amp;Llenado</translation>
    </message>
    <message>
        <source>&amp;Slikko! Quantity</source>
        <translation>Cantidad de &amp;Slikko!</translation>
    </message>
    <message>
        <source>Tension Pr&amp;ofile</source>
        <translation>&amp;Perfil de tensión</translation>
    </message>
    <message>
        <source>&amp;Route View</source>
        <translation>&amp;Vista del trazado</translation>
    </message>
    <message>
        <source>Pulling &amp;Equipment</source>
        <translation>&amp;Equipo de tiro</translation>
    </message>
    <message>
        <source>Pull C&amp;heck</source>
        <translation>Ve&amp;rificación del tiro</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>&amp;Inch-pound</source>
        <translation>&amp;Pulgada-libra</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Manual de ayuda</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En línea</translation>
    </message>
    <message>
        <source>Ductivo Installation Manual</source>
        <translation>Manual de instalación Ductivo</translation>
    </message>
    <message>
        <source>Norvale &amp;Home Page</source>
        <translation>&amp;Página de Norvale</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Acerca de </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before leaving?</source>
        <translation>El plan de tiro tiene cambios sin guardar. ¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</source>
        <translation>El navegador integrado no se ejecuta como root (tendría que hacerlo sin su aislamiento). ¿Abrir %1 en el navegador del escritorio?</translation>
    </message>
    <message>
        <source>The desktop's browser could not be started for %1.</source>
        <translation>No se pudo abrir el navegador del escritorio para %1.</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before starting a new document?</source>
        <translation>El plan de tiro tiene cambios sin guardar. ¿Guardarlos antes de empezar un documento nuevo?</translation>
    </message>
    <message>
        <source>Import Route</source>
        <translation>Importar trazado</translation>
    </message>
    <message>
        <source>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <translation>Trazados (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|Dibujos DXF (*.dxf)|*.dxf|Puntos (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>No route was imported from %1.
%2</source>
        <translation>No se importó ningún trazado de %1.
%2</translation>
    </message>
    <message>
        <source>Replace the %1 links of the plan by the %2 of the route?</source>
        <translation>¿Reemplazar los %1 tramos del plan por los %2 del trazado?</translation>
    </message>
    <message>
        <source>The plan would hold more than %1 links: nothing was imported.</source>
        <translation>El plan tendría más de %1 tramos: no se importó nada.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.
%3</source>
        <translation>No se pudo guardar %1 como %2.
%3</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)|*.pdf</source>
        <translation>Documento PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV table (*.csv)|*.csv|All Files (*.*)|*.*</source>
        <translation>Tabla CSV (*.csv)|*.csv|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>No se guardó nada: %1.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>No se pudo guardar el informe como %1.
%2</translation>
    </message>
    <message>
        <source>Open Report</source>
        <translation>Abrir informe</translation>
    </message>
    <message>
        <source>The report %1 could not be read.
%2</source>
        <translation>No se pudo leer el informe %1.
%2</translation>
    </message>
    <message>
        <source>%1 is not a Tensora report: nothing was read.</source>
        <translation>%1 no es un informe de Tensora: no se leyó nada.</translation>
    </message>
    <message>
        <source>The report %1 was not read whole.

%2</source>
        <translation>El informe %1 no se leyó completo.

%2</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Save Op&amp;tions</source>
        <translation>&amp;Opciones de guardado</translation>
    </message>
    <message>
        <source>&amp;Quick Calculators</source>
        <translation>Calculadoras rápi&amp;das</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening %1?</source>
        <translation>El plan de tiro tiene cambios sin guardar. ¿Guardarlos antes de abrir %1?</translation>
    </message>
    <message>
        <source>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</source>
        <translation>El informe %1 se guardó con comas decimales en una versión anterior de Tensora; sus cifras se leyeron así. Guardado de nuevo, las contiene con puntos decimales, como las leen todos los idiomas.</translation>
    </message>
    <message>
        <source>The report %1: %2</source>
        <translation>El informe %1: %2</translation>
    </message>
    <message>
        <source>Friction Li&amp;brary</source>
        <translation>Bi&amp;blioteca de fricción</translation>
    </message>
    <message>
        <source>Compare Optio&amp;ns</source>
        <translation>Comparar optio&amp;nes</translation>
    </message>
    <message>
        <source>Pull Bo&amp;x Size</source>
        <translation>Tamaño de &amp;caja de paso</translation>
    </message>
    <message>
        <source>Import Pull &amp;Log...</source>
        <translation>Importar registro de ti&amp;ro...</translation>
    </message>
    <message>
        <source>Import Pull Log</source>
        <translation>Importar registro de tiro</translation>
    </message>
    <message>
        <source>The pull log %1 cannot be read.</source>
        <translation>El registro de tiro %1 no se puede leer.</translation>
    </message>
    <message>
        <source>New &amp;Job</source>
        <translation>N&amp;ueva obra</translation>
    </message>
    <message>
        <source>Open Jo&amp;b...</source>
        <translation>Abrir o&amp;bra...</translation>
    </message>
    <message>
        <source>Open Job</source>
        <translation>Abrir obra</translation>
    </message>
</context>
<context>
    <name>tensora::miscData</name>
    <message>
        <source>Data File (hidden)</source>
        <translation>Archivo de datos (oculto)</translation>
    </message>
</context>
<context>
    <name>tensora::textEditor</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>Ayuda</translation>
    </message>
</context>
</TS>