<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt_BR">
<context>
    <name>Advice</name>
    <message>
        <source>the cable's weight is negative</source>
        <translation>o peso do cabo é negativo</translation>
    </message>
    <message>
        <source>the cable's weight is no finite number</source>
        <translation>o peso do cabo não é um número finito</translation>
    </message>
    <message>
        <source>the coefficient of friction is negative</source>
        <translation>o coeficiente de atrito é negativo</translation>
    </message>
    <message>
        <source>the coefficient of friction is no finite number</source>
        <translation>o coeficiente de atrito não é um número finito</translation>
    </message>
    <message>
        <source>link %1 has a negative length</source>
        <translation>o trecho %1 tem comprimento negativo</translation>
    </message>
    <message>
        <source>link %1 holds a figure beyond the computer's numbers</source>
        <translation>o trecho %1 contém um valor além dos números do computador</translation>
    </message>
    <message>
        <source>Even the best pull exceeds the allowable tension of %1 at link %2</source>
        <translation>Mesmo o melhor puxamento excede a tensão admissível de %1 no trecho %2</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure exceeds %1 at link %2</source>
        <translation>A pressão lateral de apoio excede %1 no trecho %2</translation>
    </message>
    <message>
        <source>Pulled forward, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>No puxamento direto, o cabo corre pelo próprio peso no trecho %1: segure-o ali</translation>
    </message>
    <message>
        <source>Pulled in reverse, the cable runs under its own weight at link %1: hold it back there</source>
        <translation>No puxamento inverso, o cabo corre pelo próprio peso no trecho %1: segure-o ali</translation>
    </message>
    <message>
        <source>Link %1 is a bend so long that its weight, %2 of friction, is more than 1% of the tension leaving it, and the weight in the bend's plane leaves it out: with all of the weight it leaves at %3 forward and %4 in reverse</source>
        <extracomment>%1 the bend's link number, %2 the friction its weight adds, %3 and %4 the tension leaving it forward and in reverse with all of its weight.</extracomment>
        <translation>O trecho %1 é uma curva tão longa que seu peso, %2 de atrito, passa de 1% da tensão na saída, e o peso no plano da curva o omite: com todo o peso, a tensão sai a %3 no sentido direto e a %4 no sentido inverso</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n more such bends)</source>
        <comment>%1 (%n more such bend)</comment>
        <translation>
            <numerusform>%1 (mais %n curva assim)</numerusform>
            <numerusform>%1 (mais %n curvas assim)</numerusform>
        </translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>puxado no sentido inverso</translation>
    </message>
    <message>
        <source>pulled forward</source>
        <translation>puxado no sentido direto</translation>
    </message>
    <message>
        <source>Mid-assist point after link %1 as advised: %2, the highest tension is %3; without it, forward %4, reverse %5</source>
        <extracomment>%1 a link number, %2 "pulled forward" or "pulled in reverse", %3 to %5 tensions.</extracomment>
        <translation>Ponto de puxamento intermediário após o trecho %1, como recomendado: %2, a maior tensão é %3; sem ele, direto %4, inverso %5</translation>
    </message>
    <message>
        <source>Either way: %1 each way</source>
        <translation>Em qualquer sentido: %1 em cada sentido</translation>
    </message>
    <message>
        <source>Pull forward: %1% lower, %2 against %3</source>
        <extracomment>%1 how much lower in whole per cent, %2 the lower tension, %3 the higher.</extracomment>
        <translation>Puxe no sentido direto: %1% menor, %2 contra %3</translation>
    </message>
    <message>
        <source>Pull in reverse: %1% lower, %2 against %3</source>
        <translation>Puxe no sentido inverso: %1% menor, %2 contra %3</translation>
    </message>
    <message>
        <source>%1; a mid-assist point after link %2, %3, lowers it to %4</source>
        <extracomment>%1 the advice so far, %2 a link number, %3 "pulled forward" or "pulled in reverse", %4 the tension.</extracomment>
        <translation>%1; um ponto de puxamento intermediário após o trecho %2, %3, a reduz para %4</translation>
    </message>
    <message>
        <source>%1; no mid-assist advice: %2</source>
        <translation>%1; sem recomendação de ponto intermediário: %2</translation>
    </message>
    <message>
        <source>%1; no mid-assist point lowers it</source>
        <translation>%1; nenhum ponto intermediário a reduz</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>The advice, then its findings.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>link %1 has a negative coefficient of friction</source>
        <translation>o trecho %1 tem um coeficiente de atrito negativo</translation>
    </message>
</context>
<context>
    <name>Bending</name>
    <message>
        <source>non-shielded power</source>
        <translation>cabo de potência sem blindagem</translation>
    </message>
    <message>
        <source>shielded or lead-covered power</source>
        <translation>cabo de potência blindado ou com capa de chumbo</translation>
    </message>
    <message>
        <source>metal-clad, smooth sheath</source>
        <translation>armado, capa lisa</translation>
    </message>
    <message>
        <source>metal-clad, interlocked or corrugated</source>
        <translation>armado, intertravado ou corrugado</translation>
    </message>
    <message>
        <source>fibre optic</source>
        <translation>fibra óptica</translation>
    </message>
    <message>
        <source>a multiple of the diameter</source>
        <translation>um múltiplo do diâmetro</translation>
    </message>
    <message>
        <source>kind not known</source>
        <translation>tipo desconhecido</translation>
    </message>
    <message>
        <source>%1 × OD pulling, %2 × OD installed, %3</source>
        <extracomment>The fibre optic rule: %1 the multiple under tension, %2 installed.</extracomment>
        <translation>%1 × DE no puxamento, %2 × DE instalado, %3</translation>
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
        <translation>%1: informe o material dos condutores do grupo %2</translation>
    </message>
    <message>
        <source>%1: give the conductor size of group %2</source>
        <translation>%1: informe a seção dos condutores do grupo %2</translation>
    </message>
    <message>
        <source>copper</source>
        <translation>cobre</translation>
    </message>
    <message>
        <source>aluminium</source>
        <translation>alumínio</translation>
    </message>
    <message>
        <source>%1 × %2: OD %3, %4</source>
        <extracomment>A group of a cable set: %1 how many, %2 the cable's description, %3 its outside diameter, %4 its weight.</extracomment>
        <translation>%1 × %2: DE %3, %4</translation>
    </message>
    <message>
        <source>cable</source>
        <translation>cabo</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>size not given</source>
        <extracomment>A conductor's size and material: "500 kcmil copper".</extracomment>
        <translation>seção não informada</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n conductors</source>
        <comment>%n conductor</comment>
        <translation>
            <numerusform>%n condutor</numerusform>
            <numerusform>%n condutores</numerusform>
        </translation>
    </message>
    <message>
        <source>rating %1</source>
        <translation>capacidade %1</translation>
    </message>
    <message>
        <source>Pulling eye on the conductors</source>
        <translation>Olhal de puxamento nos condutores</translation>
    </message>
    <message>
        <source>Pulling eye, single conductors conservatively</source>
        <translation>Olhal de puxamento, condutores isolados (conservador)</translation>
    </message>
    <message>
        <source>Basket grip</source>
        <translation>Camisa de puxamento</translation>
    </message>
    <message>
        <source>Cable ratings</source>
        <translation>Capacidades dos cabos</translation>
    </message>
    <message>
        <source>As typed in the planner</source>
        <translation>Como digitado no planejador</translation>
    </message>
    <message>
        <source>%1: give the rating of group %2</source>
        <translation>%1: informe a capacidade do grupo %2</translation>
    </message>
    <message>
        <source>%1 "%2": %3</source>
        <extracomment>%1 a field's key ("od", "weight"), %2 the text typed, %3 why it is refused.</extracomment>
        <translation>%1 "%2": %3</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>não é um número positivo</translation>
    </message>
    <message>
        <source>not a number of 0 or more</source>
        <translation>não é um número de 0 ou mais</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 1000 (no pull holds more)</source>
        <translation>não é um número inteiro de 1 a 1000 (nenhum puxamento leva mais)</translation>
    </message>
    <message>
        <source>not a conductor size (AWG as 6 or 1/0, kcmil, mm2)</source>
        <translation>não é uma bitola de condutor (AWG como 6 ou 1/0, kcmil, mm2)</translation>
    </message>
    <message>
        <source>not a conductor material (cu or al)</source>
        <translation>não é um material de condutor (cu ou al)</translation>
    </message>
    <message>
        <source>not a whole number from 1 to 10000 (no cable holds more)</source>
        <translation>não é um número inteiro de 1 a 10000 (nenhum cabo tem mais)</translation>
    </message>
    <message>
        <source>not a cable kind (shielded, non-shielded, mc-smooth, mc-interlocked, fibre or a multiple of the diameter)</source>
        <translation>não é um tipo de cabo (shielded, non-shielded, mc-smooth, mc-interlocked, fibre ou um múltiplo do diâmetro)</translation>
    </message>
</context>
<context>
    <name>Cables</name>
    <message>
        <source>CABLE</source>
        <extracomment>The cable library's column headings: each one word, without blanks (the columns are found by them).</extracomment>
        <translation>CABO</translation>
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
        <translation>DIÂM</translation>
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
        <translation>Indefinido: o comprimento da curva é 0</translation>
    </message>
    <message>
        <source>Unlimited: no weight or friction</source>
        <translation>Ilimitado: sem peso ou sem atrito</translation>
    </message>
    <message>
        <source>None: an input is negative</source>
        <translation>Nenhum: uma entrada é negativa</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>the cables do not fit this conduit</source>
        <translation>os cabos não cabem neste eletroduto</translation>
    </message>
    <message>
        <source>The cables do not fit this conduit</source>
        <translation>Os cabos não cabem neste eletroduto</translation>
    </message>
    <message>
        <source>single cable</source>
        <translation>cabo único</translation>
    </message>
    <message>
        <source>two cables</source>
        <translation>dois cabos</translation>
    </message>
    <message>
        <source>five or more cables</source>
        <translation>cinco ou mais cabos</translation>
    </message>
    <message>
        <source>triangular</source>
        <translation>em triângulo</translation>
    </message>
    <message>
        <source>cradled</source>
        <translation>em berço</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>em losango</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automática</translation>
    </message>
    <message>
        <source>significant</source>
        <translation>significativo</translation>
    </message>
    <message>
        <source>moderate</source>
        <translation>moderado</translation>
    </message>
    <message>
        <source>small</source>
        <translation>pequeno</translation>
    </message>
    <message>
        <source>very small</source>
        <translation>muito pequeno</translation>
    </message>
    <message>
        <source>mixed sizes: no jam band</source>
        <translation>tamanhos mistos: sem faixa de travamento</translation>
    </message>
    <message>
        <source>three cables lie triangular or cradled, not in a diamond</source>
        <translation>três cabos ficam em triângulo ou em berço, não em losango</translation>
    </message>
    <message>
        <source>four cables lie cradled or in a diamond, not triangular</source>
        <translation>quatro cabos ficam em berço ou em losango, não em triângulo</translation>
    </message>
    <message>
        <source>The arrangement does not suit the number of cables</source>
        <translation>A disposição não corresponde ao número de cabos</translation>
    </message>
    <message>
        <source>in both pulls</source>
        <translation>nos dois puxamentos</translation>
    </message>
    <message>
        <source>in the forward pull</source>
        <translation>no puxamento direto</translation>
    </message>
    <message>
        <source>in the reverse pull</source>
        <translation>no puxamento inverso</translation>
    </message>
    <message>
        <source>Sidewall pressure exceeds %1 at link %2 %3</source>
        <extracomment>%1 the sidewall pressure limit with its unit, %2 the link's number, %3 which pulls ("in both pulls").</extracomment>
        <translation>A pressão lateral excede %1 no trecho %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bends</source>
        <comment>Sidewall pressure exceeds %1 at link %2 %3 and at %n more bend</comment>
        <translation>
            <numerusform>A pressão lateral excede %1 no trecho %2 %3 e em mais %n curva</numerusform>
            <numerusform>A pressão lateral excede %1 no trecho %2 %3 e em mais %n curvas</numerusform>
        </translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the forward pull: hold it back</source>
        <translation>O cabo corre pelo próprio peso no trecho %1 do puxamento direto: segure-o</translation>
    </message>
    <message>
        <source>The cable runs under its own weight at link %1 in the reverse pull: hold it back</source>
        <translation>O cabo corre pelo próprio peso no trecho %1 do puxamento inverso: segure-o</translation>
    </message>
    <message>
        <source>Reverse pull exceeds the allowable tension at link %1</source>
        <translation>O puxamento inverso excede a tensão admissível no trecho %1</translation>
    </message>
    <message>
        <source>Forward pull exceeds the allowable tension at link %1</source>
        <translation>O puxamento direto excede a tensão admissível no trecho %1</translation>
    </message>
    <message>
        <source>Pull OK</source>
        <translation>Puxamento OK</translation>
    </message>
    <message>
        <source>no cable outside diameter</source>
        <translation>sem diâmetro externo do cabo</translation>
    </message>
    <message>
        <source>Enter the cable's outside diameter</source>
        <translation>Informe o diâmetro externo do cabo</translation>
    </message>
    <message>
        <source>no conduit inside diameter</source>
        <translation>sem diâmetro interno do eletroduto</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter</source>
        <translation>Informe o diâmetro interno do eletroduto</translation>
    </message>
    <message>
        <source>no clearance formula for this arrangement</source>
        <translation>não há fórmula de folga para esta disposição</translation>
    </message>
    <message>
        <source>The clearance is below the minimum</source>
        <translation>A folga está abaixo do mínimo</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2%</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent.</extracomment>
        <translation>A ocupação de %1% excede o limite do código elétrico de %2%</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk)</source>
        <extracomment>%1 the risk: "significant" or "moderate".</extracomment>
        <translation>Os cabos podem travar (risco %1)</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
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
        <translation>Informe um raio de curva acima de 0, ou deixe a caixa vazia para obter o raio de cada curva pelo comprimento e ângulo</translation>
    </message>
    <message>
        <source>Enter a rating above 0</source>
        <translation>Informe uma capacidade acima de 0</translation>
    </message>
    <message>
        <source>no links in the plan</source>
        <translation>o plano não tem trechos</translation>
    </message>
    <message>
        <source>%1 at link %2, no allowable tension: %3</source>
        <extracomment>%1 the highest tension, %2 its link, %3 what the allowable tension lacks.</extracomment>
        <translation>%1 no trecho %2, sem tensão admissível: %3</translation>
    </message>
    <message>
        <source>give it in the planner</source>
        <translation>informe-a na calculadora de puxamento</translation>
    </message>
    <message>
        <source>%1 at link %2, allowable %3</source>
        <translation>%1 no trecho %2, admissível %3</translation>
    </message>
    <message numerus="yes">
        <source>%n cables weighing %1, largest OD %2</source>
        <comment>%n cable weighing %1, largest OD %2</comment>
        <extracomment>%n cables, %1 their weight per length, %2 the largest outside diameter.</extracomment>
        <translation>
            <numerusform>%n cabo pesando %1, maior DE %2</numerusform>
            <numerusform>%n cabos pesando %1, maior DE %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, jam risk %2</source>
        <translation>%1, risco de travamento %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for one cable</source>
        <extracomment>%1 the fill in per cent, %2 the code's limit in whole per cent.</extracomment>
        <translation>%1%, dentro de os %2% do código elétrico para um cabo</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for two cables</source>
        <translation>%1%, dentro de os %2% do código elétrico para dois cabos</translation>
    </message>
    <message>
        <source>%1%, within the electrical code's %2% for more than two cables</source>
        <translation>%1%, dentro de os %2% do código elétrico para mais de dois cabos</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for one cable</source>
        <translation>%1%, acima de os %2% do código elétrico para um cabo</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for two cables</source>
        <translation>%1%, acima de os %2% do código elétrico para dois cabos</translation>
    </message>
    <message>
        <source>%1%, over the electrical code's %2% for more than two cables</source>
        <translation>%1%, acima de os %2% do código elétrico para mais de dois cabos</translation>
    </message>
    <message>
        <source>Without a mid-assist point: %1</source>
        <translation>Sem ponto de puxamento intermediário: %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1, below the minimum of %2</source>
        <extracomment>%1 the clearance, %2 the minimum; both with their unit.</extracomment>
        <translation>%1, abaixo do mínimo de %2</translation>
    </message>
    <message>
        <source>%1, minimum %2</source>
        <translation>%1, mínimo %2</translation>
    </message>
    <message>
        <source>angle 0</source>
        <translation>ângulo 0</translation>
    </message>
    <message>
        <source>no radius</source>
        <translation>sem raio</translation>
    </message>
    <message>
        <source>%1, over both ways</source>
        <translation>%1, excedido nos dois sentidos</translation>
    </message>
    <message>
        <source>%1, over forward</source>
        <translation>%1, excedido no sentido direto</translation>
    </message>
    <message>
        <source>%1, over reverse</source>
        <translation>%1, excedido no sentido inverso</translation>
    </message>
    <message>
        <source>Interlocked armour</source>
        <translation>Armadura intertravada</translation>
    </message>
    <message>
        <source>Control and 600 V cable</source>
        <translation>Cabo de controle e 600 V</translation>
    </message>
    <message>
        <source>Power cable 600 V to 35 kV</source>
        <translation>Cabo de potência de 600 V a 35 kV</translation>
    </message>
    <message>
        <source>%1 from link %2</source>
        <extracomment>%1 what is wrong with a stretch's conduit, %2 the link it starts at.</extracomment>
        <translation>%1 a partir do trecho %2</translation>
    </message>
    <message>
        <source>The clearance is below the minimum from link %1</source>
        <translation>A folga está abaixo do mínimo a partir do trecho %1</translation>
    </message>
    <message>
        <source>The fill of %1% exceeds the electrical code's limit of %2% from link %3</source>
        <extracomment>%1 the fill in per cent with two decimals, %2 the code's limit in whole per cent, %3 the link the conduit starts at.</extracomment>
        <translation>A ocupação de %1% excede o limite do código elétrico de %2% a partir do trecho %3</translation>
    </message>
    <message>
        <source>The cables may jam (%1 risk) from link %2</source>
        <extracomment>%1 the risk: "significant" or "moderate", %2 the link the conduit starts at.</extracomment>
        <translation>Os cabos podem travar a partir do trecho %2 (risco %1)</translation>
    </message>
    <message numerus="yes">
        <source>The bending radius was not checked for %n cables whose kind is not known</source>
        <comment>The bending radius was not checked for %n cable whose kind is not known</comment>
        <extracomment>%n cables whose kind is not given.</extracomment>
        <translation>
            <numerusform>O raio de curvatura não foi verificado para %n cabo de tipo desconhecido</numerusform>
            <numerusform>O raio de curvatura não foi verificado para %n cabos de tipo desconhecido</numerusform>
        </translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 (%4)</source>
        <extracomment>%1 the bend's link, %2 its radius, %3 the least radius, %4 the rule it comes from.</extracomment>
        <translation>A curva do trecho %1 tem raio de %2, abaixo do raio mínimo de curvatura do cabo de %3 (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 under pulling tension (%4)</source>
        <translation>A curva do trecho %1 tem raio de %2, abaixo do raio mínimo de curvatura do cabo de %3 sob tensão de puxamento (%4)</translation>
    </message>
    <message>
        <source>The bend at link %1 has a radius of %2, below the cable's least bending radius of %3 once trained in place (%4)</source>
        <translation>A curva do trecho %1 tem raio de %2, abaixo do raio mínimo de curvatura do cabo de %3 depois de instalado (%4)</translation>
    </message>
    <message numerus="yes">
        <source>%1, and %n more bends</source>
        <comment>%1, and %n more bend</comment>
        <translation>
            <numerusform>%1, e mais %n curva</numerusform>
            <numerusform>%1, e mais %n curvas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1° of bends from link %2 to link %3, more than 360° between pull points</source>
        <extracomment>%1 the degrees of the stretch's bends, %2 and %3 its first and last links.</extracomment>
        <translation>%1° de curvas do trecho %2 ao trecho %3, mais de 360° entre pontos de puxamento</translation>
    </message>
    <message>
        <source>Enter a cable kind or a multiple of the diameter above 0</source>
        <translation>Informe um tipo de cabo ou um múltiplo do diâmetro acima de 0</translation>
    </message>
    <message>
        <source>%1 pulling, %2 trained (%3)</source>
        <extracomment>%1 the least radius under pulling tension, %2 once trained in place, %3 the rule.</extracomment>
        <translation>%1 no puxamento, %2 instalado (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n bends tighter</source>
        <comment>%1: %n bend tighter</comment>
        <translation>
            <numerusform>%1: %n curva mais fechada</numerusform>
            <numerusform>%1: %n curvas mais fechadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every bend wide enough</source>
        <translation>%1: toda curva é larga o bastante</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°, over 360°</source>
        <extracomment>A stretch between pull points: %1 and %2 its first and last links, %3 its degrees.</extracomment>
        <translation>trechos %1 a %2: %3°, acima de 360°</translation>
    </message>
    <message>
        <source>links %1 to %2: %3°</source>
        <translation>trechos %1 a %2: %3°</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>%1; no conduit is checked without the cables of the pull check</source>
        <translation>%1; nenhum eletroduto é verificado sem os cabos da verificação do puxamento</translation>
    </message>
    <message>
        <source>The coefficient "%1" is no number from 0 and no entry of the friction library</source>
        <extracomment>%1 the coefficient as typed.</extracomment>
        <translation>O coeficiente “%1” não é um número a partir de 0 nem uma entrada da biblioteca de atrito</translation>
    </message>
    <message>
        <source>The direction "%1" is neither forward nor reverse</source>
        <translation>A direção “%1” não é nem direta nem inversa</translation>
    </message>
    <message>
        <source>The mid-assist point "%1" is not the number of a link of the plan</source>
        <translation>O ponto de puxamento intermediário “%1” não é o número de um trecho do plano</translation>
    </message>
    <message>
        <source>An option with a mid-assist point pulls both halves: it takes no direction</source>
        <translation>Uma opção com ponto de puxamento intermediário puxa as duas metades: não aceita direção</translation>
    </message>
    <message>
        <source>The back tension "%1" is not a number</source>
        <translation>A tensão de retenção “%1” não é um número</translation>
    </message>
    <message>
        <source>The conduit's inside diameter "%1" is not a number above 0</source>
        <translation>O diâmetro interno do eletroduto “%1” não é um número acima de 0</translation>
    </message>
    <message>
        <source>Option %1 pulls with the lowest highest tension, %2, against %3 for option %4</source>
        <extracomment>%1 the best option's number, %2 its highest tension, %3 the next option's highest tension, %4 that option's number.</extracomment>
        <translation>A opção %1 puxa com a menor tensão máxima, %2, contra %3 da opção %4</translation>
    </message>
    <message>
        <source>Option %1 is the only one pulled, with %2</source>
        <translation>A opção %1 é a única puxada, com %2</translation>
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
        <translation>puxado direto</translation>
    </message>
    <message>
        <source>pulled in reverse</source>
        <translation>puxado no sentido inverso</translation>
    </message>
    <message>
        <source>mid-assist point after link %1</source>
        <translation>ponto de puxamento intermediário após o trecho %1</translation>
    </message>
    <message>
        <source>back tension %1</source>
        <translation>tensão de retenção %1</translation>
    </message>
    <message>
        <source>conduit ID %1</source>
        <translation>DI do eletroduto %1</translation>
    </message>
    <message>
        <source>the plan as it is</source>
        <translation>o plano como está</translation>
    </message>
    <message>
        <source>%1 at link %2</source>
        <translation>%1 no trecho %2</translation>
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
        <translation>Eletroduto metálico leve (EMT)</translation>
    </message>
    <message>
        <source>Electrical nonmetallic tubing</source>
        <translation>Eletroduto não metálico flexível (ENT)</translation>
    </message>
    <message>
        <source>Flexible metal conduit</source>
        <translation>Eletroduto metálico flexível (FMC)</translation>
    </message>
    <message>
        <source>Intermediate metal conduit</source>
        <translation>Eletroduto metálico intermediário (IMC)</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type A</source>
        <translation>Eletroduto flexível não metálico estanque a líquidos, tipo A</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type B</source>
        <translation>Eletroduto flexível não metálico estanque a líquidos, tipo B</translation>
    </message>
    <message>
        <source>Liquidtight flexible nonmetallic conduit, type C</source>
        <translation>Eletroduto flexível não metálico estanque a líquidos, tipo C</translation>
    </message>
    <message>
        <source>Liquidtight flexible metal conduit</source>
        <translation>Eletroduto metálico flexível estanque a líquidos</translation>
    </message>
    <message>
        <source>Rigid metal conduit</source>
        <translation>Eletroduto metálico rígido (RMC)</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 80</source>
        <translation>Eletroduto rígido de PVC, Schedule 80</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, Schedule 40, and HDPE conduit</source>
        <translation>Eletroduto rígido de PVC, Schedule 40, e eletroduto de PEAD</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type A</source>
        <translation>Eletroduto rígido de PVC, tipo A</translation>
    </message>
    <message>
        <source>Rigid PVC conduit, type EB</source>
        <translation>Eletroduto rígido de PVC, tipo EB</translation>
    </message>
</context>
<context>
    <name>DesktopPlatform</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
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
        <translation>puxamento direto</translation>
    </message>
    <message>
        <source>reverse pull</source>
        <translation>puxamento inverso</translation>
    </message>
    <message>
        <source>Highest tension of the %1 of the cable set, as the pull check computes it: %2 at link %3</source>
        <translation>Maior tensão do %1 do conjunto de cabos, como a verificação do puxamento a calcula: %2 no trecho %3</translation>
    </message>
    <message>
        <source>Highest tension of the %1: %2 at link %3</source>
        <translation>Maior tensão do %1: %2 no trecho %3</translation>
    </message>
    <message>
        <source>%1, with the plan's mid-assist point after link %2.</source>
        <extracomment>The plan's own mid-assist point is already in the pull's tensions.</extracomment>
        <translation>%1, com o ponto intermediário do plano após o trecho %2.</translation>
    </message>
    <message>
        <source>%1; with a mid-assist point after link %2, pulled %3: %4.</source>
        <translation>%1; com um ponto intermediário após o trecho %2, puxado %3: %4.</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>no sentido direto</translation>
    </message>
    <message>
        <source>in reverse</source>
        <translation>no sentido inverso</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Puller: give its rating.</source>
        <translation>Guincho: informe sua capacidade.</translation>
    </message>
    <message>
        <source>Puller: too weak, %1 against the pull's %2.</source>
        <translation>Guincho: fraco demais, %1 contra %2 do puxamento.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %; its rating exceeds the cable's allowable tension of %3: set a limiter (or a weak link) at the allowable tension.</source>
        <translation>Guincho: %1, margem %2 %; sua capacidade excede a tensão admissível do cabo de %3: ajuste um limitador (ou um elo fusível) na tensão admissível.</translation>
    </message>
    <message>
        <source>Puller: %1, margin %2 %.</source>
        <translation>Guincho: %1, margem %2 %.</translation>
    </message>
    <message>
        <source>Rope: a breaking strength of at least %1 serves</source>
        <translation>Corda: serve uma resistência à ruptura de pelo menos %1</translation>
    </message>
    <message>
        <source>%1; %2 serves (working load %3)</source>
        <translation>%1; %2 atende (carga de trabalho %3)</translation>
    </message>
    <message>
        <source>%1; %2 is too weak</source>
        <translation>%1; %2 é fraca demais</translation>
    </message>
    <message>
        <source>%1. The design factor is below 4</source>
        <translation>%1. O fator de projeto está abaixo de 4</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor, over its rating.</source>
        <translation>Polia no trecho %1: %2 sobre ela e sua ancoragem, acima da sua capacidade.</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor (no rating given).</source>
        <translation>Polia no trecho %1: %2 sobre ela e sua ancoragem (sem capacidade informada).</translation>
    </message>
    <message>
        <source>Sheave at link %1: %2 on it and its anchor.</source>
        <translation>Polia no trecho %1: %2 sobre ela e sua ancoragem.</translation>
    </message>
    <message>
        <source>Capstan tail force:</source>
        <translation>Força de retenção no cabrestante:</translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1 (more than a person holds)</source>
        <comment>%n wrap %1 (more than a person holds)</comment>
        <translation>
            <numerusform>%n volta %1 (mais do que uma pessoa segura)</numerusform>
            <numerusform>%n voltas %1 (mais do que uma pessoa segura)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wraps %1</source>
        <comment>%n wrap %1</comment>
        <translation>
            <numerusform>%n volta %1</numerusform>
            <numerusform>%n voltas %1</numerusform>
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
        <translation>O equipamento serve para este puxamento.</translation>
    </message>
    <message>
        <source>The equipment does not serve this pull.</source>
        <translation>O equipamento não serve para este puxamento.</translation>
    </message>
    <message>
        <source>the puller's rating</source>
        <translation>a capacidade do guincho</translation>
    </message>
    <message>
        <source>the rope's breaking strength</source>
        <translation>a resistência à ruptura da corda</translation>
    </message>
    <message>
        <source>the sheaves' rating</source>
        <translation>a capacidade das polias</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not yet known whether the equipment serves this pull: give %1.</source>
        <translation>Ainda não se sabe se o equipamento atende a este puxamento: informe %1.</translation>
    </message>
    <message>
        <source>No bend is marked as turned on a sheave (mark one in the planner's options).</source>
        <translation>Nenhuma curva está marcada com polia (marque uma nas opções do planejador).</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Out of range</source>
        <translation>Fora da faixa</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>the document could not be drawn</source>
        <translation>não foi possível desenhar o documento</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>não foi possível gravar o arquivo</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket), so nothing is written there</source>
        <translation>não é um arquivo comum (um dispositivo, um pipe ou um socket), então nada é gravado ali</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
        <source>too many symbolic links lead to it</source>
        <translation>links simbólicos demais levam a ele</translation>
    </message>
    <message>
        <source>it names a folder, not a file</source>
        <translation>indica uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>no new file could be made in its folder</source>
        <translation>não foi possível criar um arquivo novo na pasta</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>o arquivo não está aberto</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>esse arquivo não existe</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, a pipe or a socket)</source>
        <translation>não é um arquivo comum (um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>não foi possível abrir o arquivo</translation>
    </message>
    <message>
        <source>the file could not be read to its end</source>
        <translation>não foi possível ler o arquivo até o fim</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>não foi possível desenhar a imagem</translation>
    </message>
</context>
<context>
    <name>Fill</name>
    <message>
        <source>over</source>
        <translation>excede</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>atende</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This feature requires an internet connection.  Do you wish to continue?</source>
        <translation>Este recurso requer conexão com a internet.  Deseja continuar?</translation>
    </message>
    <message>
        <source>This feature requires an internet connection and Adobe Acrobat.  A high speed connection is recommended.  Do you wish to continue?</source>
        <translation>Este recurso requer conexão com a internet e o Adobe Acrobat.  Recomenda-se uma conexão de alta velocidade.  Deseja continuar?</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Please enter a number</source>
        <translation>Informe um número</translation>
    </message>
    <message>
        <source>Enter a coefficient between 0 and 1.  If you don't know, use 0.5</source>
        <translation>Informe um coeficiente entre 0 e 1.  Se não souber, use 0,5</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <source>it is not a JSON document</source>
        <translation>não é um documento JSON</translation>
    </message>
    <message>
        <source>it is not a Tensora job</source>
        <translation>não é uma obra do Tensora</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>foi escrito por uma versão posterior do programa</translation>
    </message>
    <message>
        <source>it is damaged at item %1</source>
        <extracomment>%1 the number of the structure or pull that cannot be read.</extracomment>
        <translation>está danificado no item %1</translation>
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
        <translation>Puxamento</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cabos</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Desnível</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direto</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pressão lateral</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Puxamento intermediário</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>In all</source>
        <translation>No total</translation>
    </message>
</context>
<context>
    <name>LanguageName</name>
    <message>
        <source>English</source>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>an entry has no name or no coefficient</source>
        <translation>uma entrada não tem nome ou não tem coeficiente</translation>
    </message>
    <message>
        <source>the entry "%1" has a %2 that is no text</source>
        <translation>a entrada “%1” tem um campo %2 que não é texto</translation>
    </message>
    <message>
        <source>the entry "%1" has an unknown kind</source>
        <translation>a entrada “%1” tem um tipo desconhecido</translation>
    </message>
    <message>
        <source>The name "%1" is not one word of small letters, digits, dots, hyphens and underscores (at most 40)</source>
        <translation>O nome “%1” não é uma palavra de minúsculas, dígitos, pontos, hifens e sublinhados (no máximo 40)</translation>
    </message>
    <message>
        <source>The coefficient of "%1" is not a number from 0 to %2</source>
        <translation>O coeficiente de “%1” não é um número de 0 a %2</translation>
    </message>
    <message>
        <source>it is not a JSON document</source>
        <translation>não é um documento JSON</translation>
    </message>
    <message>
        <source>it is not a friction library</source>
        <translation>não é uma biblioteca de atrito</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>foi escrito por uma versão posterior do programa</translation>
    </message>
    <message>
        <source>the name "%1" is there twice</source>
        <translation>o nome “%1” aparece duas vezes</translation>
    </message>
    <message>
        <source>The library has an entry "%1" already</source>
        <translation>A biblioteca já tem uma entrada “%1”</translation>
    </message>
    <message>
        <source>"%1" is no entry of yours</source>
        <translation>“%1” não é uma entrada sua</translation>
    </message>
    <message>
        <source>The friction library %1 cannot be read: %2</source>
        <translation>A biblioteca de atrito %1 não pode ser lida: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1 cannot be read: %2</source>
        <translation>Suas entradas de atrito %1 não podem ser lidas: %2</translation>
    </message>
    <message>
        <source>Your friction entries %1: %2</source>
        <translation>Suas entradas de atrito %1: %2</translation>
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
        <translation>O registro não contém linhas</translation>
    </message>
    <message>
        <source>The log does not say the unit of its tensions: choose lbf, N, kN or kgf</source>
        <translation>O registro não diz a unidade de suas tensões: escolha lbf, N, kN ou kgf</translation>
    </message>
    <message>
        <source>The log records time: give the pulling speed</source>
        <translation>O registro anota o tempo: informe a velocidade de puxamento</translation>
    </message>
    <message>
        <source>The log does not say the unit of its lengths: choose ft or m</source>
        <translation>O registro não diz a unidade de seus comprimentos: escolha ft ou m</translation>
    </message>
    <message>
        <source>Line %1 of the log cannot be read: "%2"</source>
        <extracomment>%1 the line's number in the file, %2 the line as it stands.</extracomment>
        <translation>A linha %1 do registro não pode ser lida: "%2"</translation>
    </message>
    <message>
        <source>The log holds no tensions</source>
        <translation>O registro não contém tensões</translation>
    </message>
    <message>
        <source>As pulled: beyond the allowable tension from %1</source>
        <extracomment>%1 the length pulled where the log first passes the allowable tension.</extracomment>
        <translation>Como puxado: acima da tensão admissível a partir de %1</translation>
    </message>
    <message>
        <source>As pulled: beyond the sidewall limit at %1</source>
        <translation>Como puxado: acima do limite de pressão lateral em %1</translation>
    </message>
    <message>
        <source>As pulled: within the allowable tension and the sidewall limit</source>
        <translation>Como puxado: dentro da tensão admissível e do limite de pressão lateral</translation>
    </message>
    <message>
        <source>The log's header does not name both a tension column and a length or time column</source>
        <translation>O cabeçalho do registro não nomeia ao mesmo tempo uma coluna de tensão e uma de comprimento ou de tempo</translation>
    </message>
    <message>
        <source>Coefficient of friction that fits</source>
        <extracomment>%1 the fitted coefficient, %2 the largest difference, %3 the typical difference.</extracomment>
        <translation>Coeficiente de atrito ajustado</translation>
    </message>
    <message>
        <source>%1 (largest difference %2, typical %3)</source>
        <translation>%1 (maior diferença %2, típica %3)</translation>
    </message>
    <message>
        <source>Highest tension</source>
        <translation>Tensão mais alta</translation>
    </message>
    <message>
        <source>measured %1, predicted %2</source>
        <translation>medida %1, prevista %2</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>em nenhum ponto</translation>
    </message>
    <message numerus="yes">
        <source>%n points, the first at %1</source>
        <comment>%n point, at %1</comment>
        <translation>
            <numerusform>%n ponto, em %1</numerusform>
            <numerusform>%n pontos, o primeiro em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Acima da tensão admissível</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>the log ends before the route does</source>
        <translation>o registro termina antes do traçado</translation>
    </message>
    <message>
        <source>the log runs on past the route's end</source>
        <translation>o registro vai além do fim do traçado</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <source>Mid-assist pull point between links %1 and %2</source>
        <extracomment>%1 and %2 the numbers of the links the point lies between.</extracomment>
        <translation>Ponto de puxamento intermediário entre os trechos %1 e %2</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Reta</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
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
        <translation>%1 à direita</translation>
    </message>
    <message>
        <source>%1 sheave</source>
        <translation>%1 polia</translation>
    </message>
    <message>
        <source>the angle is not a finite number</source>
        <translation>o ângulo não é um número finito</translation>
    </message>
    <message>
        <source>an Up or Down bend turns at most 360 degrees</source>
        <translation>uma curva para cima ou para baixo gira no máximo 360 graus</translation>
    </message>
    <message>
        <source>a tilted bend turns at most 360 degrees</source>
        <translation>uma curva inclinada gira no máximo 360 graus</translation>
    </message>
    <message>
        <source>%1 (%2 %3) is beyond what a report holds in %4</source>
        <extracomment>%1 what is refused ("the cable weight"), %2 its text as typed, %3 its unit, %4 the inch-pound unit a report holds it in.</extracomment>
        <translation>%1 (%2 %3) excede o que um relatório guarda em %4</translation>
    </message>
    <message>
        <source>the allowable tension</source>
        <translation>a tensão admissível</translation>
    </message>
    <message>
        <source>the cable weight</source>
        <translation>o peso do cabo</translation>
    </message>
    <message>
        <source>the back tension</source>
        <translation>a tensão de retenção</translation>
    </message>
    <message>
        <source>the length of link %1</source>
        <translation>o comprimento do trecho %1</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>sem comprimento</translation>
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
        <translation>eletrocalha</translation>
    </message>
    <message>
        <source>ID %1</source>
        <extracomment>A conduit's inside diameter with its unit, from this link on.</extracomment>
        <translation>DI %1</translation>
    </message>
    <message>
        <source>pull point</source>
        <translation>ponto de puxamento</translation>
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
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>trecho %1</translation>
    </message>
    <message>
        <source>links %1</source>
        <translation>trechos %1</translation>
    </message>
    <message>
        <source>highest %1 %2 at link %3</source>
        <extracomment>%1 the highest tension, %2 its unit, %3 its link.</extracomment>
        <translation>máximo %1 %2 no trecho %3</translation>
    </message>
    <message>
        <source>worst sidewall (tension / bend length) %1 %2 at link %3</source>
        <extracomment>%1 the worst sidewall pressure, %2 its unit, %3 its link.</extracomment>
        <translation>pior pressão lateral (tensão / comprimento da curva) %1 %2 no trecho %3</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Puxamento direto</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Puxamento inverso</translation>
    </message>
    <message>
        <source>Forward pull: %1</source>
        <translation>Puxamento direto: %1</translation>
    </message>
    <message>
        <source>Reverse pull: %1</source>
        <translation>Puxamento inverso: %1</translation>
    </message>
    <message>
        <source>allowable %1 %2, above the chart</source>
        <extracomment>%1 the allowable tension, %2 its unit.</extracomment>
        <translation>admissível %1 %2, acima do gráfico</translation>
    </message>
    <message>
        <source>allowable %1 %2</source>
        <translation>admissível %1 %2</translation>
    </message>
    <message>
        <source>forward pull in %1</source>
        <translation>puxamento direto em %1</translation>
    </message>
    <message>
        <source>reverse pull in %1</source>
        <translation>puxamento inverso em %1</translation>
    </message>
    <message>
        <source>Held at zero (the cable runs under its own weight: hold it back): %1.</source>
        <translation>Mantido em zero (o cabo corre pelo próprio peso: segure-o): %1.</translation>
    </message>
    <message>
        <source>%1° up</source>
        <extracomment>A bend's angle as typed, in degrees.</extracomment>
        <translation>%1° para cima</translation>
    </message>
    <message>
        <source>%1° down</source>
        <translation>%1° para baixo</translation>
    </message>
    <message>
        <source>forward tension after %1</source>
        <translation>tensão direta após %1</translation>
    </message>
    <message>
        <source>reverse tension after %1</source>
        <translation>tensão inversa após %1</translation>
    </message>
    <message>
        <source>Not drawn (out of range): %1.</source>
        <translation>Não desenhado (fora da faixa): %1.</translation>
    </message>
</context>
<context>
    <name>PullBox</name>
    <message>
        <source>"%1" is not a trade size of %2</source>
        <extracomment>%1 the size as typed, %2 the conduit table.</extracomment>
        <translation>“%1” não é uma bitola comercial de %2</translation>
    </message>
    <message>
        <source>"%1" is not a trade size of the code's conduit tables</source>
        <translation>“%1” não é uma bitola comercial das tabelas de eletrodutos do código</translation>
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
        <translation>Para condutores de 6 AWG e menores a caixa é dimensionada pelo volume (as parcelas dos condutores), que esta regra não calcula</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Pull</source>
        <translation>Puxamento</translation>
    </message>
    <message>
        <source>Puller</source>
        <translation>Guincho</translation>
    </message>
    <message>
        <source>Rope</source>
        <translation>Corda</translation>
    </message>
    <message>
        <source>Sheaves</source>
        <translation>Polias</translation>
    </message>
    <message>
        <source>Capstan</source>
        <translation>Cabrestante</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>The report's cable set row %1 could not be read; the set was read without it.</source>
        <translation>Não foi possível ler a linha %1 do conjunto de cabos do relatório; o conjunto foi lido sem ela.</translation>
    </message>
    <message>
        <source>The report's cable set names no rule Tensora knows ("%1"); the planner's allowable tension is taken.</source>
        <translation>O conjunto de cabos do relatório não indica nenhuma regra que o Tensora conheça ("%1"); é usada a tensão admissível da calculadora de puxamento.</translation>
    </message>
    <message>
        <source>Conduit inside diameter (%1)</source>
        <translation>Diâmetro interno do eletroduto (%1)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Cable outside diameter (%1)</source>
        <translation>Diâmetro externo do cabo (%1)</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cabos</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Disposição</translation>
    </message>
    <message>
        <source>Minimum clearance (%1)</source>
        <translation>Folga mínima (%1)</translation>
    </message>
    <message>
        <source>Sidewall pressure limit (%1)</source>
        <translation>Limite de pressão lateral (%1)</translation>
    </message>
    <message>
        <source>Bend radius (%1)</source>
        <translation>Raio de curva (%1)</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>pelo comprimento e ângulo de cada curva</translation>
    </message>
    <message>
        <source>Cable group %1</source>
        <translation>Grupo de cabos %1</translation>
    </message>
    <message>
        <source>Tension rule</source>
        <translation>Regra de tensão</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Razão de travamento</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Correção de peso</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Folga</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Puxamento direto, corrigido</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Puxamento inverso, corrigido</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Conjunto de cabos</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensão admissível</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Ocupação pelo código</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Recomendação para o conjunto de cabos</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Trecho</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Raio (%1)</translation>
    </message>
    <message>
        <source>Bearing, forward (%1)</source>
        <translation>Apoio, direto (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Apoio, inverso (%1)</translation>
    </message>
    <message>
        <source>Limit (%1)</source>
        <translation>Limite (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <comment>%n link</comment>
        <translation>
            <numerusform>%n trecho</numerusform>
            <numerusform>%n trechos</numerusform>
        </translation>
    </message>
    <message>
        <source>The plan's mid-assist caption "%1" names no link: the plan was read without a mid-assist point.</source>
        <translation>A legenda do ponto intermediário "%1" não indica nenhum trecho: o plano foi lido sem ponto intermediário.</translation>
    </message>
    <message>
        <source>The mid-assist pull point "%1" lies beyond the plan's %2: the plan was read without it.</source>
        <translation>O ponto intermediário "%1" fica além dos %2 do plano: o plano foi lido sem ele.</translation>
    </message>
    <message>
        <source>at its start</source>
        <translation>no início</translation>
    </message>
    <message>
        <source>after link %1</source>
        <translation>após o trecho %1</translation>
    </message>
    <message>
        <source>The plan's row of link %1 is not whole: the plan was read up to link %2.</source>
        <translation>A linha do trecho %1 do plano está incompleta: o plano foi lido até o trecho %2.</translation>
    </message>
    <message>
        <source>The plan names link %1 again %2: the plan was read up to link %3.</source>
        <extracomment>%2 is "at its start" or "after link N".</extracomment>
        <translation>O plano indica de novo o trecho %1 %2: o plano foi lido até o trecho %3.</translation>
    </message>
    <message>
        <source>The plan has no link %1 (link %2 comes %3): the plan was read up to link %4.</source>
        <extracomment>%3 is "at its start" or "after link N".</extracomment>
        <translation>O plano não tem o trecho %1 (o trecho %2 vem %3): o plano foi lido até o trecho %4.</translation>
    </message>
    <message>
        <source>The report is cut short: its plan stops after link %1 and its reverse table is missing, so links after it may be lost; the %2 before were read.</source>
        <translation>O relatório está cortado: seu plano termina após o trecho %1 e falta sua tabela inversa, então trechos seguintes podem ter se perdido; os %2 anteriores foram lidos.</translation>
    </message>
    <message>
        <source>The report is cut short: its reverse table stops after %1 of its %2; the %3 of its plan were read.</source>
        <translation>O relatório está cortado: sua tabela inversa termina após %1 de seus %2; os %3 de seu plano foram lidos.</translation>
    </message>
    <message>
        <source>The report's reverse table differs from its plan from link %1 on; the plan's own rows were read.</source>
        <translation>A tabela inversa do relatório difere do plano a partir do trecho %1; as linhas do próprio plano foram lidas.</translation>
    </message>
    <message>
        <source>The report holds %1; a plan holds at most %2: the first %2 were read.</source>
        <translation>O relatório contém %1; um plano contém no máximo %2: os primeiros %2 foram lidos.</translation>
    </message>
    <message>
        <source>%1 "%2" is not a number</source>
        <translation>%1 "%2" não é um número</translation>
    </message>
    <message>
        <source>Tensora is a product of Norvale. All rights reserved.</source>
        <translation>Tensora é um produto da Norvale. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Raio mínimo de curvatura</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Curvas entre pontos de puxamento</translation>
    </message>
</context>
<context>
    <name>Routes</name>
    <message>
        <source>Line %1: the columns read two ways, as x, y, z and radius or as point, northing, easting and elevation: add a header line that names them, such as "x,y,z,radius" or "point,northing,easting,elevation".</source>
        <translation>Linha %1: as colunas podem ser lidas de duas formas, como x, y, z e raio ou como ponto, norte, leste e elevação: acrescente uma linha de cabeçalho que as nomeie, como "x,y,z,radius" ou "point,northing,easting,elevation".</translation>
    </message>
    <message>
        <source>Line %1: a point needs an x and a y.</source>
        <translation>Linha %1: um ponto precisa de um x e um y.</translation>
    </message>
    <message>
        <source>Line %1: the header names no x (easting) and y (northing) columns.</source>
        <translation>Linha %1: o cabeçalho não nomeia colunas x (leste) e y (norte).</translation>
    </message>
    <message>
        <source>The file holds no points.</source>
        <translation>O arquivo não contém pontos.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a number.</source>
        <translation>Linha %1: "%2" não é um número.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a group code.</source>
        <translation>Linha %1: "%2" não é um código de grupo.</translation>
    </message>
    <message>
        <source>Line %1: the drawing ends after a group code.</source>
        <translation>Linha %1: o desenho termina após um código de grupo.</translation>
    </message>
    <message>
        <source>Line %1: "%2" is not a finite number.</source>
        <translation>Linha %1: "%2" não é um número finito.</translation>
    </message>
    <message>
        <source>Line %1: %2 gives a coordinate before its first vertex.</source>
        <translation>Linha %1: %2 dá uma coordenada antes de seu primeiro vértice.</translation>
    </message>
    <message>
        <source>Line %1: %2 has no SEQEND.</source>
        <translation>Linha %1: %2 não tem SEQEND.</translation>
    </message>
    <message>
        <source>The drawing ends before its end (no EOF): the file is cut short.</source>
        <translation>O desenho termina antes do fim (sem EOF): o arquivo está cortado.</translation>
    </message>
    <message>
        <source>This is a binary DXF drawing: save it as an ASCII DXF and import that.</source>
        <translation>É um desenho DXF binário: salve-o como DXF ASCII e importe esse.</translation>
    </message>
    <message>
        <source>The drawing's %1 has fewer than two distinct points: it is no route.</source>
        <translation>O elemento %1 do desenho tem menos de dois pontos distintos: não é um traçado.</translation>
    </message>
    <message>
        <source>The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from.</source>
        <translation>O desenho não tem LWPOLYLINE, POLYLINE, LINE nem ARC de onde tirar um traçado.</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>um ponto</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The bends at %1 and %2 need %3 of the %4 straight between them (%5 too much): give a smaller radius.</source>
        <translation>As curvas em %1 e %2 precisam de %3 dos %4 retos entre elas (%5 a mais): informe um raio menor.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight after it (%4 too much): give a smaller radius.</source>
        <translation>A curva em %1 precisa de %2 dos %3 retos depois dela (%4 a mais): informe um raio menor.</translation>
    </message>
    <message>
        <source>The bend at %1 needs %2 of the %3 straight before it (%4 too much): give a smaller radius.</source>
        <translation>A curva em %1 precisa de %2 dos %3 retos antes dela (%4 a mais): informe um raio menor.</translation>
    </message>
    <message>
        <source>At %1 the bend has no radius.</source>
        <translation>Em %1 a curva não tem raio.</translation>
    </message>
    <message>
        <source>At %1 the route turns back on itself.</source>
        <translation>Em %1 o traçado volta sobre si mesmo.</translation>
    </message>
    <message>
        <source>At %1 a coordinate is not a finite number.</source>
        <translation>Em %1 uma coordenada não é um número finito.</translation>
    </message>
    <message>
        <source>The route has fewer than two distinct points.</source>
        <translation>O traçado tem menos de dois pontos distintos.</translation>
    </message>
    <message>
        <source>From %1 to the next point the distance is beyond what can be computed.</source>
        <translation>De %1 ao ponto seguinte a distância excede o que pode ser calculado.</translation>
    </message>
    <message numerus="yes">
        <source>%n links, %1, rise %2</source>
        <comment>%n link, %1, rise %2</comment>
        <translation>
            <numerusform>%n trecho, %1, desnível %2</numerusform>
            <numerusform>%n trechos, %1, desnível %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 à esquerda</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 à direita</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 para cima</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 para baixo</translation>
    </message>
    <message>
        <source>%1 tilted</source>
        <translation>%1 inclinadas</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
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
            <numerusform>%1; %n ponto a menos de %2 do anterior fundido a ele</numerusform>
            <numerusform>%1; %n pontos a menos de %2 do anterior fundidos a ele</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>O arquivo não pode ser lido.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1</source>
        <translation>O arquivo não pode ser lido: %1</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>layer %1, %2</source>
        <translation>camada %1, %2</translation>
    </message>
    <message>
        <source>The drawing has no path on layer %1.</source>
        <translation>O desenho não tem traçado na camada %1.</translation>
    </message>
    <message>
        <source>There is no path %1; the paths are:</source>
        <translation>Não há traçado %1; os traçados são:</translation>
    </message>
    <message>
        <source>The file holds several paths; choose one:</source>
        <translation>O arquivo contém vários traçados; escolha um:</translation>
    </message>
    <message>
        <source>%1
  %2  %3</source>
        <translation>%1
  %2  %3</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>a line needs a Start and an End of two numbers each.</source>
        <translation>uma linha precisa de um Start e um End de dois números cada.</translation>
    </message>
    <message>
        <source>a curve needs its Start, Center and End.</source>
        <translation>uma curva precisa de Start, Center e End.</translation>
    </message>
    <message>
        <source>a spiral of the kind "%1" is not read: only clothoids are.</source>
        <translation>uma espiral do tipo "%1" não é lida: só as clotoides.</translation>
    </message>
    <message>
        <source>a spiral needs its length, its radii at start and end, its Start and its PI.</source>
        <translation>uma espiral precisa do seu comprimento, dos seus raios no início e no fim, do seu Start e do seu PI.</translation>
    </message>
    <message>
        <source>a profile point is not a station and a height.</source>
        <translation>um ponto do perfil não é uma estaca e uma altura.</translation>
    </message>
    <message>
        <source>The alignment starts %1 before its profile: the profile's first grade is taken back to it.</source>
        <translation>O eixo começa %1 antes do seu perfil: a primeira rampa do perfil é prolongada até ele.</translation>
    </message>
    <message>
        <source>The alignment runs %1 beyond its profile: the profile's last grade is taken on to its end.</source>
        <translation>O eixo vai %1 além do seu perfil: a última rampa do perfil é prolongada até o seu fim.</translation>
    </message>
    <message>
        <source>The file is no LandXML document.</source>
        <translation>O arquivo não é um documento LandXML.</translation>
    </message>
    <message>
        <source>The file has no alignment with lines or curves.</source>
        <translation>O arquivo não tem eixo com linhas ou curvas.</translation>
    </message>
    <message>
        <source>Choose a path.</source>
        <translation>Escolha um traçado.</translation>
    </message>
    <message>
        <source>The default bend radius must be a number above 0.</source>
        <translation>O raio de curva padrão deve ser um número acima de 0.</translation>
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
        <translation>Tensora — Relatório do plano de puxamento</translation>
    </message>
    <message>
        <source>Report file: </source>
        <translation>Arquivo do relatório: </translation>
    </message>
    <message>
        <source>Bends</source>
        <translation>Curvas</translation>
    </message>
    <message>
        <source>Pull check: cables in the conduit</source>
        <translation>Verificação do puxamento: cabos no eletroduto</translation>
    </message>
    <message>
        <source>Pull check: results</source>
        <translation>Verificação do puxamento: resultados</translation>
    </message>
    <message>
        <source>Sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Pressão lateral de apoio pelo raio de cada curva, puxamento corrigido</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Trecho</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Coefficient of friction</source>
        <translation>Coeficiente de atrito</translation>
    </message>
    <message>
        <source>Weight in bends</source>
        <translation>Peso nas curvas</translation>
    </message>
    <message>
        <source>all of it</source>
        <translation>todo</translation>
    </message>
    <message>
        <source>in the bend's plane only</source>
        <translation>somente no plano da curva</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubrificante</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cabo</translation>
    </message>
    <message>
        <source>no allowable tension to compare with</source>
        <translation>sem tensão admissível para comparar</translation>
    </message>
    <message>
        <source> of the allowable tension</source>
        <translation> da tensão admissível</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Puxamento direto</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Puxamento inverso</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Ponto intermediário</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Puxamento</translation>
    </message>
    <message>
        <source>Plan ("over": beyond the allowable tension; "held": held at zero; sidewall: tension leaving a bend / its length)</source>
        <translation>Plano ("excede": acima da tensão admissível; "retido": retido em zero; pressão lateral: tensão na saída da curva / seu comprimento)</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Angle (°)</source>
        <translation>Ângulo (°)</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Conduit fill</source>
        <translation>Ocupação do eletroduto</translation>
    </message>
    <message>
        <source>Conduit standard</source>
        <translation>Norma do eletroduto</translation>
    </message>
    <message>
        <source>Cables (OD in)</source>
        <translation>Cabos (DE in)</translation>
    </message>
    <message>
        <source>Total cable area (sq in)</source>
        <translation>Área total dos cabos (sq in)</translation>
    </message>
    <message>
        <source>Fill by trade size</source>
        <translation>Ocupação por tamanho comercial</translation>
    </message>
    <message>
        <source>Trade size</source>
        <translation>Tamanho comercial</translation>
    </message>
    <message>
        <source>Pipe ID (in)</source>
        <translation>DI do tubo (in)</translation>
    </message>
    <message>
        <source>Area (sq in)</source>
        <translation>Área (sq in)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Ocupação</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Traçado</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Planta: o traçado visto de cima</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Elevação: altura ao longo do traçado, em escala</translation>
    </message>
    <message>
        <source>Pulling equipment</source>
        <translation>Equipamento de puxamento</translation>
    </message>
    <message>
        <source>Tensora pull plan report</source>
        <translation>Relatório do plano de puxamento do Tensora</translation>
    </message>
    <message>
        <source>%1: tension from 0 to %2</source>
        <translation>%1: tensão de 0 a %2</translation>
    </message>
    <message>
        <source>Red underlay: beyond the allowable tension</source>
        <translation>Fundo vermelho: acima da tensão admissível</translation>
    </message>
    <message>
        <source> (%1, the black tick)</source>
        <translation> (%1, a marca preta)</translation>
    </message>
    <message>
        <source>; amber: held at zero; red ring: a bend's bearing pressure beyond </source>
        <translation>; âmbar: retido em zero; anel vermelho: pressão de apoio de uma curva acima de </translation>
    </message>
    <message>
        <source>; white dot: link 1's start, black: the last link's end; X: the mid-assist point</source>
        <translation>; ponto branco: início do trecho 1, preto: fim do último trecho; X: o ponto intermediário</translation>
    </message>
    <message>
        <source>Cable Pulling Calculator</source>
        <translation>Calculadora de puxamento de cabos</translation>
    </message>
    <message>
        <source>by Norvale</source>
        <translation>da Norvale</translation>
    </message>
    <message>
        <source>Pulling tension  ·  Sidewall pressure  ·  Conduit fill  ·  Lubricant</source>
        <translation>Tensão de puxamento  ·  Pressão lateral  ·  Ocupação  ·  Lubrificante</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Carregando…</translation>
    </message>
    <message>
        <source>Cable pulling in conduit and duct</source>
        <translation>Puxamento de cabos em eletroduto e duto</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG image (*.png)|*.png|SVG image (*.svg)|*.svg</source>
        <translation>Imagem PNG (*.png)|*.png|Imagem SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.
%2</source>
        <translation>Não foi possível salvar a imagem como %1.
%2</translation>
    </message>
    <message>
        <source>Maximum Pulling Length</source>
        <translation>Comprimento máximo de puxamento</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Comprimento máximo de puxamento</translation>
    </message>
    <message>
        <source>Select or Enter the Cable maximum pulling tension</source>
        <translation>Escolha ou informe a tensão máxima de puxamento do cabo</translation>
    </message>
    <message>
        <source>Select or Enter the cable weight</source>
        <translation>Escolha ou informe o peso do cabo</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coeficiente de atrito</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, feet</source>
        <translation>Comprimento máximo de puxamento, pés</translation>
    </message>
    <message>
        <source>Maximum Length = Max tension / (cable weight * friction)</source>
        <translation>Comprimento máximo = tensão máx. / (peso do cabo * atrito)</translation>
    </message>
    <message>
        <source>Manual Inputs</source>
        <translation>Entradas manuais</translation>
    </message>
    <message>
        <source>Maximum Pulling Length, metres</source>
        <translation>Comprimento máximo de puxamento, metros</translation>
    </message>
    <message>
        <source>Max Length = Max tension / (cable weight * 9.80665 * friction)</source>
        <translation>Compr. máx. = tensão máx. / (peso do cabo * 9,80665 * atrito)</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
You may either manually enter data or place the file
in the same directory as this program and restart.</source>
        <translation>Este recurso requer um arquivo de dados de cabos carregado.

O arquivo de dados de cabos (cabledat.qx4) não foi encontrado.
Você pode digitar os dados manualmente ou colocar o arquivo
na mesma pasta deste programa e reiniciá-lo.</translation>
    </message>
    <message>
        <source>Tension in a Bend</source>
        <translation>Tensão em uma curva</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension just before the bend</source>
        <translation>Escolha ou informe a tensão do cabo logo antes da curva</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Angle, in Degrees</source>
        <translation>Escolha ou informe o ângulo da curva, em graus</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>Enter the Coefficient of Friction</source>
        <translation>Informe o coeficiente de atrito</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, lbs</source>
        <translation>Tensão na saída da curva, lbs</translation>
    </message>
    <message>
        <source>Tension = Cable Tension * e ^ ( bend radians * friction)</source>
        <translation>Tensão = tensão do cabo * e ^ (radianos da curva * atrito)</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Tension Exiting Bend, N</source>
        <translation>Tensão na saída da curva, N</translation>
    </message>
    <message>
        <source>Slikko! Quantity</source>
        <translation>Quantidade de Slikko!</translation>
    </message>
    <message>
        <source>Select or Enter the pull length</source>
        <translation>Escolha ou informe o comprimento do puxamento</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pés</translation>
    </message>
    <message>
        <source>Slikko! Required, Gallons</source>
        <translation>Slikko! necessário, galões</translation>
    </message>
    <message>
        <source>Gallons required = 0.0015 * Length * inner diameter</source>
        <translation>Galões necessários = 0,0015 * comprimento * diâmetro interno</translation>
    </message>
    <message>
        <source>Slikko! Required, Litres</source>
        <translation>Slikko! necessário, litros</translation>
    </message>
    <message>
        <source>Litres required = 0.000733 * Length * inner diameter</source>
        <translation>Litros necessários = 0,000733 * comprimento * diâmetro interno</translation>
    </message>
    <message>
        <source>Sidewall Pressure</source>
        <translation>Pressão lateral</translation>
    </message>
    <message>
        <source>Select or Enter the Cable tension in the bend</source>
        <translation>Escolha ou informe a tensão do cabo na curva</translation>
    </message>
    <message>
        <source>Select or Enter the Bend Length</source>
        <translation>Escolha ou informe o comprimento da curva</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>Sidewall Pressure, lbs</source>
        <translation>Pressão lateral, lbs</translation>
    </message>
    <message>
        <source>Pressure = tension in bend / bend length</source>
        <translation>Pressão = tensão na curva / comprimento da curva</translation>
    </message>
    <message>
        <source>Sidewall Pressure, N/m</source>
        <translation>Pressão lateral, N/m</translation>
    </message>
    <message>
        <source>Straight Section Pull tension</source>
        <translation>Tensão de puxamento em trecho reto</translation>
    </message>
    <message>
        <source>Straight Section Tension</source>
        <translation>Tensão em trecho reto</translation>
    </message>
    <message>
        <source>Select or Enter the straight section length</source>
        <translation>Escolha ou informe o comprimento do trecho reto</translation>
    </message>
    <message>
        <source>Straight Section Tension, lbs</source>
        <translation>Tensão em trecho reto, lbs</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * friction</source>
        <translation>Tensão = comprimento reto * peso do cabo * atrito</translation>
    </message>
    <message>
        <source>Straight Section Tension, N</source>
        <translation>Tensão em trecho reto, N</translation>
    </message>
    <message>
        <source>Tension = straight length * cable weight * 9.80665 * friction</source>
        <translation>Tensão = comprimento reto * peso do cabo * 9,80665 * atrito</translation>
    </message>
    <message>
        <source>Warning: the results are estimates for planning. Check every pull against the cable maker's limits. Tensora is a product of Norvale; copying it without leave is forbidden.</source>
        <translation>Aviso: os resultados são estimativas para planejamento. Confira cada puxamento com os limites do fabricante do cabo. Tensora é um produto da Norvale; é proibido copiá-lo sem permissão.</translation>
    </message>
    <message>
        <source>This feature requires a cable datafile be loaded.

Cable datafile (cabledat.qx4) could not be found.
Please find and place the file (cabledat.qx4)
in the same directory as this program and restart.</source>
        <translation>Este recurso requer um arquivo de dados de cabos carregado.

O arquivo de dados de cabos (cabledat.qx4) não foi encontrado.
Localize o arquivo (cabledat.qx4), coloque-o
na mesma pasta deste programa e reinicie-o.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Distance along the route</source>
        <translation>Distância ao longo do traçado</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensão</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensão admissível</translation>
    </message>
    <message>
        <source>Cable weight</source>
        <translation>Peso do cabo</translation>
    </message>
    <message>
        <source>Back tension</source>
        <translation>Tensão de retenção</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>Advice for the planner's cable</source>
        <translation>Recomendação para o cabo da calculadora de puxamento</translation>
    </message>
    <message>
        <source>over</source>
        <comment>beyond the allowable tension</comment>
        <translation>excede</translation>
    </message>
    <message>
        <source>held</source>
        <comment>held at zero</comment>
        <translation>retido</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direto</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pressão lat.</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n cabo</numerusform>
            <numerusform>%n cabos</numerusform>
        </translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Largura máxima de um par (in)</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Atrito</translation>
    </message>
    <message>
        <source>Option %1</source>
        <translation>Opção %1</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 melhor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>falha</translation>
    </message>
    <message>
        <source>Options compared</source>
        <translation>Opções comparadas</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Direto (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverso (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Sidewall (%1)</source>
        <translation>Pressão lateral (%1)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Lowest highest tension</source>
        <translation>Menor tensão máxima</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Alterações</translation>
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
        <translation>; quadrado: um trecho com coeficiente ou conduto próprios</translation>
    </message>
    <message>
        <source>Pull log: measured over planned</source>
        <translation>Registro de puxamento: medido sobre previsto</translation>
    </message>
    <message>
        <source>Pull log (dashed line; red rings: beyond the allowable tension)</source>
        <translation>Registro de puxamento (linha tracejada; anéis vermelhos: acima da tensão admissível)</translation>
    </message>
    <message>
        <source>Tensora — Job</source>
        <translation>Tensora — Obra</translation>
    </message>
    <message>
        <source>Pull %1</source>
        <translation>Puxamento %1</translation>
    </message>
    <message>
        <source>Schedule (red: the pull fails its check)</source>
        <translation>Programação (vermelho: o puxamento falha na verificação)</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cabo a encomendar</translation>
    </message>
    <message>
        <source>Tensora job</source>
        <translation>Obra do Tensora</translation>
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
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>Processando...</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetModel</name>
    <message>
        <source>As the description names it</source>
        <translation>Conforme a descrição</translation>
    </message>
    <message>
        <source>The conductor: AWG (6, 1/0), kcmil (500) or mm² (35mm2); cu or al. Left empty, the description's.</source>
        <translation>O condutor: AWG (6, 1/0), kcmil (500) ou mm² (35mm2); cu ou al. Vazio: o da descrição.</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Conductor</source>
        <translation>Condutor</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Conductors</source>
        <translation>Condutores</translation>
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
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>For the least bending radius: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, or a multiple of the diameter. Left empty in the first row, the Cable kind chosen above.</source>
        <translation>Para o raio mínimo de curvatura: shielded, non-shielded, mc-smooth, mc-interlocked, fibre, ou um múltiplo do diâmetro. Vazio na primeira linha: a família do cabo escolhida acima.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Família</translation>
    </message>
</context>
<context>
    <name>tensora::CableSetPanel</name>
    <message>
        <source>The cables pulled together: the first group is the planner's cable, the number of cables and outside diameter above</source>
        <translation>Os cabos puxados juntos: o primeiro grupo é o cabo do planejador, com o número de cabos e o diâmetro externo acima</translation>
    </message>
    <message>
        <source>&amp;Add typed</source>
        <translation>&amp;Adicionar digitado</translation>
    </message>
    <message>
        <source>&amp;Planner's cable</source>
        <translation>Cabo do &amp;planejador</translation>
    </message>
    <message>
        <source>The first group follows the planner's cable again</source>
        <translation>O primeiro grupo volta a seguir o cabo do planejador</translation>
    </message>
    <message>
        <source>Send to Fill Ratio</source>
        <translation>Enviar para ocupação</translation>
    </message>
    <message>
        <source>&amp;Grip rating (%1):</source>
        <translation>Capacidade da &amp;camisa (%1):</translation>
    </message>
    <message>
        <source>Add from lib&amp;rary...</source>
        <translation>Adicionar da &amp;biblioteca...</translation>
    </message>
    <message>
        <source>Remo&amp;ve</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Allo&amp;wable tension by:</source>
        <translation>Tensão admi&amp;ssível por:</translation>
    </message>
    <message>
        <source>E&amp;ye rating (%1):</source>
        <translation>Capacidade do &amp;olhal (%1):</translation>
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
        <translation>Apoio, direto (%1)</translation>
    </message>
    <message>
        <source>Bearing, reverse (%1)</source>
        <translation>Apoio, inverso (%1)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Trecho</translation>
    </message>
    <message>
        <source>Radius (%1)</source>
        <translation>Raio (%1)</translation>
    </message>
</context>
<context>
    <name>tensora::CompareOptions</name>
    <message>
        <source>Compare Options</source>
        <translation>Comparar opções</translation>
    </message>
    <message>
        <source>&amp;Add Option</source>
        <translation>A&amp;dicionar opção</translation>
    </message>
    <message>
        <source>&amp;Remove Last Option</source>
        <translation>&amp;Remover a última opção</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opção</translation>
    </message>
    <message>
        <source>Coefficient or entry</source>
        <translation>Coeficiente ou entrada</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Mid-assist after link</source>
        <translation>Puxamento intermediário após trecho</translation>
    </message>
    <message>
        <source>Back tension (%1)</source>
        <translation>Tensão de retenção (%1)</translation>
    </message>
    <message>
        <source>Conduit ID (%1)</source>
        <translation>DI do eletroduto (%1)</translation>
    </message>
    <message>
        <source>Forward max</source>
        <translation>Direto máx.</translation>
    </message>
    <message>
        <source>Reverse max</source>
        <translation>Inverso máx.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Highest sidewall</source>
        <translation>Pressão lateral máx.</translation>
    </message>
    <message>
        <source>A coefficient, or the name of a friction library entry; empty: the plan's</source>
        <translation>Um coeficiente, ou o nome de uma entrada da biblioteca de atrito; vazio: o do plano</translation>
    </message>
    <message>
        <source>Lower end</source>
        <translation>Extremidade mais favorável</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direto</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Each option is the pull check's corrected pull of its cables, and its verdict.</source>
        <translation>Cada opção é o puxamento corrigido dos cabos da verificação do puxamento, com seu veredito.</translation>
    </message>
    <message>
        <source>Each option is the planner's pull; open the Pull Check with its cables to compare conduits.</source>
        <translation>Cada opção é o puxamento do planejador; abra a verificação do puxamento com seus cabos para comparar eletrodutos.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
    </message>
    <message>
        <source>%1 best</source>
        <translation>%1 melhor</translation>
    </message>
</context>
<context>
    <name>tensora::FillRatio</name>
    <message>
        <source>Enter the diameter (OD) in inches of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Informe o diâmetro (DE) em polegadas de cada cabo no eletroduto.  Para remover um cabo, clique nele na lista.</translation>
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
        <translation>Código elétrico:</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Cable OD</source>
        <translation>DE do cabo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Escolher</translation>
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
        <translation>A Norvale recomenda até 60%.  Máximo preferido</translation>
    </message>
    <message>
        <source>launch from fill (hidden)</source>
        <translation>aberto pela ocupação (oculto)</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Trade Size</source>
        <translation>Tamanho</translation>
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
        <translation>% ocup.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Maximum combined pair width (in)</source>
        <translation>Largura máxima de um par (in)</translation>
    </message>
    <message>
        <source>Code tables and limits</source>
        <translation>Tabelas e limites do código</translation>
    </message>
    <message>
        <source>Electrical code tables</source>
        <translation>Tabelas do código elétrico</translation>
    </message>
    <message>
        <source>Conduit Fill Ratio</source>
        <translation>Taxa de ocupação do eletroduto</translation>
    </message>
    <message>
        <source>Enter the diameter (OD) in %1 of every cable in the conduit.  To remove a cable, simply click it off the list.</source>
        <translation>Informe o diâmetro (DE) em %1 de cada cabo no eletroduto.  Para remover um cabo, clique nele na lista.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
    <message>
        <source>Widest pair side by side (mm)</source>
        <translation>Par mais largo lado a lado (mm)</translation>
    </message>
    <message>
        <source>Designator</source>
        <translation>Designação</translation>
    </message>
    <message>
        <source>Metric designator %1, trade size %2</source>
        <translation>Designação métrica %1, tamanho comercial %2</translation>
    </message>
    <message>
        <source>Fill limit %1 for one cable</source>
        <translation>Limite de ocupação %1 para um cabo</translation>
    </message>
    <message>
        <source>Fill limit %1 for two cables</source>
        <translation>Limite de ocupação %1 para dois cabos</translation>
    </message>
    <message>
        <source>Fill limit %1 for more than two cables</source>
        <translation>Limite de ocupação %1 para mais de dois cabos</translation>
    </message>
    <message>
        <source>No cables yet</source>
        <translation>Ainda sem cabos</translation>
    </message>
    <message>
        <source>Smallest size that meets it: </source>
        <translation>Menor tamanho que atende: </translation>
    </message>
    <message>
        <source>No size meets it</source>
        <translation>Nenhum tamanho atende</translation>
    </message>
    <message numerus="yes">
        <source>%n cable(s)</source>
        <translation>
            <numerusform>%n cabo</numerusform>
            <numerusform>%n cabos</numerusform>
        </translation>
    </message>
    <message>
        <source>The tables of %1</source>
        <translation>As tabelas do %1</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionEntryDialog</name>
    <message>
        <source>New Friction Entry</source>
        <translation>Nova entrada de atrito</translation>
    </message>
    <message>
        <source>Friction Entry %1</source>
        <translation>Entrada de atrito %1</translation>
    </message>
    <message>
        <source>One word of small letters, digits, dots, hyphens and underscores: the name links and the command line take the entry by</source>
        <translation>Uma palavra de minúsculas, dígitos, pontos, hifens e sublinhados: o nome pelo qual os trechos e a linha de comando tomam a entrada</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coeficiente de atrito</translation>
    </message>
    <message>
        <source>&amp;Kind of raceway</source>
        <translation>&amp;Tipo de conduto</translation>
    </message>
    <message>
        <source>&amp;Raceway</source>
        <translation>Con&amp;duto</translation>
    </message>
    <message>
        <source>Cable &amp;jacket</source>
        <translation>Ca&amp;pa do cabo</translation>
    </message>
    <message>
        <source>&amp;Lubricant</source>
        <translation>&amp;Lubrificante</translation>
    </message>
    <message>
        <source>&amp;Stands for</source>
        <translation>&amp;Representa</translation>
    </message>
    <message>
        <source>S&amp;ource of the figure</source>
        <translation>&amp;Fonte do valor</translation>
    </message>
</context>
<context>
    <name>tensora::FrictionLibraryWindow</name>
    <message>
        <source>Conduit or duct</source>
        <translation>Eletroduto ou duto</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Eletrocalha sobre roletes</translation>
    </message>
    <message>
        <source>Any raceway</source>
        <translation>Qualquer conduto</translation>
    </message>
    <message>
        <source>Friction Library</source>
        <translation>Biblioteca de atrito</translation>
    </message>
    <message>
        <source>Words of a name, raceway, jacket, lubricant or source</source>
        <translation>Palavras de um nome, conduto, capa, lubrificante ou fonte</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Use for the &amp;Plan</source>
        <translation>Usar para o &amp;plano</translation>
    </message>
    <message>
        <source>Use for &amp;Link</source>
        <translation>Usar para o &amp;trecho</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Trecho</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;dicionar...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>The shipped friction library %1 was not found beside the cable data.</source>
        <translation>A biblioteca de atrito fornecida %1 não foi encontrada junto aos dados de cabos.</translation>
    </message>
    <message>
        <source>Your entries are shown as read; they cannot be changed until the file is mended or moved away: %1</source>
        <translation>Suas entradas são mostradas como lidas; não podem ser alteradas até o arquivo ser reparado ou movido: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Coefficient</source>
        <translation>Coeficiente</translation>
    </message>
    <message>
        <source>Raceway</source>
        <translation>Conduto</translation>
    </message>
    <message>
        <source>Jacket</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Lubricant</source>
        <translation>Lubrificante</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Representa</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Yours</source>
        <translation>Sua</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1); they are as they were.</source>
        <translation>Suas entradas de atrito não puderam ser salvas (%1); ficam como estavam.</translation>
    </message>
    <message>
        <source>Delete your friction entry %1?</source>
        <translation>Excluir sua entrada de atrito %1?</translation>
    </message>
</context>
<context>
    <name>tensora::JobWindow</name>
    <message>
        <source>Manhole</source>
        <translation>Poço de visita</translation>
    </message>
    <message>
        <source>Vault</source>
        <translation>Câmara</translation>
    </message>
    <message>
        <source>Pull box</source>
        <translation>Caixa de passagem</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outra</translation>
    </message>
    <message>
        <source>&amp;Add the Planner's Pull</source>
        <translation>&amp;Adicionar o puxamento do planejador</translation>
    </message>
    <message>
        <source>&amp;Open Pull</source>
        <translation>A&amp;brir puxamento</translation>
    </message>
    <message>
        <source>&amp;Remove Pull</source>
        <translation>&amp;Remover puxamento</translation>
    </message>
    <message>
        <source>none: the structures' slack</source>
        <translation>nenhuma: a reserva das estruturas</translation>
    </message>
    <message>
        <source>&amp;Save Job</source>
        <translation>&amp;Salvar obra</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Para:</translation>
    </message>
    <message>
        <source>Cable to order</source>
        <translation>Cabo a encomendar</translation>
    </message>
    <message>
        <source>&amp;Margin (%):</source>
        <translation>&amp;Margem (%):</translation>
    </message>
    <message>
        <source>Structures</source>
        <translation>Estruturas</translation>
    </message>
    <message>
        <source>The job has changes that are not saved. Save them?</source>
        <translation>A obra tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>The job %1 could not be read.</source>
        <translation>A obra %1 não pôde ser lida.</translation>
    </message>
    <message>
        <source>The job %1 could not be read: %2.</source>
        <translation>A obra %1 não pôde ser lida: %2.</translation>
    </message>
    <message>
        <source>The job could not be saved as %1.
%2</source>
        <translation>A obra não pôde ser salva como %1.
%2</translation>
    </message>
    <message>
        <source>Save Job</source>
        <translation>Salvar obra</translation>
    </message>
    <message>
        <source>Name the structures the pull runs from and to.</source>
        <translation>Nomeie as estruturas de onde sai e para onde vai o puxamento.</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
    </message>
    <message>
        <source>Remove pull %1 from the job?</source>
        <translation>Remover o puxamento %1 da obra?</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening pull %1?</source>
        <translation>O plano de puxamento tem alterações não salvas. Salvá-las antes de abrir o puxamento %1?</translation>
    </message>
    <message>
        <source>Enter the slack as a length of 0 or more.</source>
        <translation>Informe a reserva como um comprimento de 0 ou mais.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Nova obra</translation>
    </message>
    <message>
        <source>A new job, not saved yet</source>
        <translation>Uma obra nova, ainda não salva</translation>
    </message>
    <message>
        <source>Pull</source>
        <translation>Puxamento</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
    </message>
    <message>
        <source>Cables</source>
        <translation>Cabos</translation>
    </message>
    <message>
        <source>Length (%1)</source>
        <translation>Comprimento (%1)</translation>
    </message>
    <message>
        <source>Rise (%1)</source>
        <translation>Desnível (%1)</translation>
    </message>
    <message>
        <source>Forward (%1)</source>
        <translation>Direto (%1)</translation>
    </message>
    <message>
        <source>Reverse (%1)</source>
        <translation>Inverso (%1)</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Sidewall</source>
        <translation>Pressão lateral</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Mid-assist</source>
        <translation>Puxamento intermediário</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>direto</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>either</source>
        <translation>qualquer um</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>In all: %1 %2</source>
        <translation>No total: %1 %2</translation>
    </message>
    <message>
        <source>Sa&amp;ve Job As...</source>
        <translation>Salvar obra &amp;como...</translation>
    </message>
</context>
<context>
    <name>tensora::LinkRacewayDialog</name>
    <message>
        <source>Friction and Raceway of Link %1</source>
        <translation>Atrito e conduto do trecho %1</translation>
    </message>
    <message>
        <source>the plan's</source>
        <translation>o do plano</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>As the link before</source>
        <translation>Como o trecho anterior</translation>
    </message>
    <message>
        <source>Conduit of inside diameter</source>
        <translation>Eletroduto de diâmetro interno</translation>
    </message>
    <message>
        <source>Cable tray on rollers</source>
        <translation>Eletrocalha sobre roletes</translation>
    </message>
    <message>
        <source>&amp;Coefficient of friction</source>
        <translation>&amp;Coeficiente de atrito</translation>
    </message>
    <message>
        <source>Friction &amp;library entry</source>
        <translation>Entrada da &amp;biblioteca de atrito</translation>
    </message>
    <message>
        <source>&amp;Raceway from this link on</source>
        <translation>C&amp;onduto a partir deste trecho</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diâmetro &amp;interno</translation>
    </message>
    <message>
        <source>Enter the conduit's inside diameter, a number above 0.</source>
        <translation>Informe o diâmetro interno do eletroduto, um número acima de 0.</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diâmetro interno digitado</translation>
    </message>
    <message>
        <source>Conduit &amp;table</source>
        <translation>&amp;Tabela de eletrodutos</translation>
    </message>
    <message>
        <source>Trade &amp;size</source>
        <translation>Bitola co&amp;mercial</translation>
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
        <translation>Escolha ou informe o diâmetro interno do eletroduto</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
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
        <translation>Seleção de cabo: clique para escolher o tipo</translation>
    </message>
    <message>
        <source>Lubricant Selection</source>
        <translation>Seleção de lubrificante</translation>
    </message>
    <message>
        <source>Return to Pull Calculator</source>
        <translation>Voltar à calculadora de puxamento</translation>
    </message>
    <message>
        <source>Show Cable Details</source>
        <translation>Mostrar detalhes do cabo</translation>
    </message>
    <message>
        <source>Diameter Chosen, mm</source>
        <translation>Diâmetro escolhido, mm</translation>
    </message>
    <message>
        <source>Diameter Chosen</source>
        <translation>Diâmetro escolhido</translation>
    </message>
    <message>
        <source>Maximum Pull Length</source>
        <translation>Comprimento máximo de puxamento</translation>
    </message>
    <message>
        <source>Return to Fill Ratio</source>
        <translation>Voltar à ocupação</translation>
    </message>
    <message>
        <source>Return to Pull Check</source>
        <translation>Voltar à verificação do puxamento</translation>
    </message>
    <message>
        <source>Cable Selection Window</source>
        <translation>Seleção de cabo</translation>
    </message>
    <message>
        <source>description</source>
        <translation>descrição</translation>
    </message>
    <message>
        <source>area</source>
        <translation>área</translation>
    </message>
    <message>
        <source>diameter</source>
        <translation>diâmetro</translation>
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
        <translation>Seleção de cabo: %1</translation>
    </message>
</context>
<context>
    <name>tensora::PullBoxSize</name>
    <message>
        <source>Pull Box Size</source>
        <translation>Tamanho da caixa de passagem</translation>
    </message>
    <message>
        <source>Conduits entering one wall</source>
        <translation>Eletrodutos que entram por uma parede</translation>
    </message>
    <message>
        <source>Straight pull</source>
        <translation>Puxamento reto</translation>
    </message>
    <message>
        <source>Angle pull</source>
        <translation>Puxamento em ângulo</translation>
    </message>
    <message>
        <source>U pull</source>
        <translation>Puxamento em U</translation>
    </message>
    <message>
        <source>Any of the code's tables</source>
        <translation>Qualquer tabela do código</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Conductors of 6 AWG and s&amp;maller</source>
        <translation>Condutores de 6 AWG e &amp;menores</translation>
    </message>
    <message>
        <source>&amp;Pull:</source>
        <translation>&amp;Puxamento:</translation>
    </message>
    <message>
        <source>Conduit &amp;table:</source>
        <translation>&amp;Tabela de eletrodutos:</translation>
    </message>
    <message>
        <source>Trade &amp;size:</source>
        <translation>Bitola &amp;comercial:</translation>
    </message>
    <message>
        <source>Si&amp;zes entering:</source>
        <translation>Bitolas &amp;entrando:</translation>
    </message>
    <message>
        <source>Least box</source>
        <translation>Caixa mínima</translation>
    </message>
    <message>
        <source>Length, straight pull:</source>
        <translation>Comprimento, puxamento reto:</translation>
    </message>
    <message>
        <source>To the opposite wall:</source>
        <translation>Até a parede oposta:</translation>
    </message>
    <message>
        <source>Between a raceway's entries:</source>
        <translation>Entre as entradas de um conduto:</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Regra:</translation>
    </message>
    <message>
        <source>The sizes the table lacks were taken out of the list.</source>
        <translation>As bitolas que a tabela não tem foram retiradas da lista.</translation>
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
        <translation>Calculadora de puxamento Ductivo</translation>
    </message>
    <message>
        <source>Cable Input</source>
        <translation>Dados do cabo</translation>
    </message>
    <message>
        <source>Select Cable</source>
        <translation>Escolher cabo</translation>
    </message>
    <message>
        <source>Launch from Pull Calc (hidden)</source>
        <translation>Aberto pela calculadora (oculto)</translation>
    </message>
    <message>
        <source>Cable Description</source>
        <translation>Descrição do cabo</translation>
    </message>
    <message>
        <source>Allowable Tension</source>
        <translation>Tensão admissível</translation>
    </message>
    <message>
        <source>Cable Weight</source>
        <translation>Peso do cabo</translation>
    </message>
    <message>
        <source>lbs / kft</source>
        <translation>lbs / kft</translation>
    </message>
    <message>
        <source>Coefficient of Friction</source>
        <translation>Coeficiente de atrito</translation>
    </message>
    <message>
        <source>Back Tension</source>
        <translation>Tensão de retenção</translation>
    </message>
    <message>
        <source>Pull Input</source>
        <translation>Dados do puxamento</translation>
    </message>
    <message>
        <source>Straight Section</source>
        <translation>Trecho reto</translation>
    </message>
    <message>
        <source>Enter the Angle</source>
        <translation>Informe o ângulo</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>graus</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Enter the Section Length</source>
        <translation>Informe o comprimento do trecho</translation>
    </message>
    <message>
        <source>Incline (optional)</source>
        <translation>Inclinação (opcional)</translation>
    </message>
    <message>
        <source>Degrees above the horizontal, -90 to 90 (a riser pulled upward is 90); empty: the route keeps its inclination</source>
        <translation>Graus acima da horizontal, de -90 a 90 (uma prumada puxada para cima é 90); vazio: o traçado mantém sua inclinação</translation>
    </message>
    <message>
        <source>Bend &amp;turns</source>
        <translation>A curva &amp;gira</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Para cima</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Para baixo</translation>
    </message>
    <message>
        <source>Tilted</source>
        <translation>Inclinada</translation>
    </message>
    <message>
        <source>Ti&amp;lt from horizontal</source>
        <translation>Inc&amp;linação a partir da horizontal</translation>
    </message>
    <message>
        <source>Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 right; between, the bend turns and climbs at once</source>
        <translation>Graus, de -180 a 180: 0 gira à esquerda, 90 para cima, -90 para baixo, 180 à direita; entre eles, a curva gira e sobe ao mesmo tempo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Clicking a link number will have the following effect:</source>
        <translation>Clicar no número de um trecho terá este efeito:</translation>
    </message>
    <message>
        <source>Delete Link</source>
        <translation>Excluir o trecho</translation>
    </message>
    <message>
        <source>Delete all Links</source>
        <translation>Excluir todos os trechos</translation>
    </message>
    <message>
        <source>Insert Pull Input at Chosen Link</source>
        <translation>Inserir os dados no trecho escolhido</translation>
    </message>
    <message>
        <source>Mark or Unmark a Sheave at the Bend</source>
        <translation>Marcar ou desmarcar uma polia na curva</translation>
    </message>
    <message>
        <source>Calculate Mid-assist Pull</source>
        <translation>Calcular ponto intermediário</translation>
    </message>
    <message>
        <source>&amp;Weight in bends:</source>
        <translation>&amp;Peso nas curvas:</translation>
    </message>
    <message>
        <source>In the bend's plane only</source>
        <translation>Somente no plano da curva</translation>
    </message>
    <message>
        <source>All of it</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Held at zero: the cable would run under its own weight here and must be held back</source>
        <translation>Retido em zero: aqui o cabo correria pelo próprio peso e deve ser segurado</translation>
    </message>
    <message>
        <source>Beyond the allowable tension</source>
        <translation>Acima da tensão admissível</translation>
    </message>
    <message>
        <source>Pull Calculator</source>
        <translation>Calculadora de puxamento</translation>
    </message>
    <message>
        <source>The link was not added: %1.</source>
        <translation>O trecho não foi adicionado: %1.</translation>
    </message>
    <message>
        <source>This will delete the link. Are you sure?</source>
        <translation>O trecho será excluído. Tem certeza?</translation>
    </message>
    <message>
        <source>This will delete ALL links. Are you sure?</source>
        <translation>TODOS os trechos serão excluídos. Tem certeza?</translation>
    </message>
    <message>
        <source>kg / m</source>
        <translation>kg / m</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Novo documento</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before closing the Pull Calculator?</source>
        <translation>O plano de puxamento tem alterações não salvas. Salvá-las antes de fechar a calculadora de puxamento?</translation>
    </message>
    <message>
        <source>Set Friction or Raceway at the Link</source>
        <translation>Definir atrito ou conduto no trecho</translation>
    </message>
    <message>
        <source>Mark or Unmark a Pull Point at the Link</source>
        <translation>Marcar ou desmarcar um ponto de puxamento no trecho</translation>
    </message>
</context>
<context>
    <name>tensora::PullCheck</name>
    <message>
        <source>Pull Check</source>
        <translation>Verificação do puxamento</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Veredito</translation>
    </message>
    <message>
        <source>Bends: sidewall bearing pressure from each bend's radius, corrected pull</source>
        <translation>Curvas: pressão lateral de apoio pelo raio de cada curva, puxamento corrigido</translation>
    </message>
    <message>
        <source>Cable s&amp;et</source>
        <translation>Con&amp;junto de cabos</translation>
    </message>
    <message>
        <source>Inside diameter typed</source>
        <translation>Diâmetro interno digitado</translation>
    </message>
    <message>
        <source>Cables and conduit</source>
        <translation>Cabos e eletroduto</translation>
    </message>
    <message>
        <source>Choose a trade size</source>
        <translation>Escolha um tamanho comercial</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Triangular</source>
        <translation>Em triângulo</translation>
    </message>
    <message>
        <source>Cradled</source>
        <translation>Em berço</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Em losango</translation>
    </message>
    <message>
        <source>from each bend's length and angle</source>
        <translation>pelo comprimento e ângulo de cada curva</translation>
    </message>
    <message>
        <source>Conduit &amp;standard:</source>
        <translation>&amp;Norma do eletroduto:</translation>
    </message>
    <message>
        <source>&amp;Trade size:</source>
        <translation>&amp;Tamanho comercial:</translation>
    </message>
    <message>
        <source>&amp;Number of cables:</source>
        <translation>N&amp;úmero de cabos:</translation>
    </message>
    <message>
        <source>&amp;Configuration:</source>
        <translation>&amp;Disposição:</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Jam ratio</source>
        <translation>Razão de travamento</translation>
    </message>
    <message>
        <source>Weight correction</source>
        <translation>Correção de peso</translation>
    </message>
    <message>
        <source>Clearance</source>
        <translation>Folga</translation>
    </message>
    <message>
        <source>Forward pull, corrected</source>
        <translation>Puxamento direto, corrigido</translation>
    </message>
    <message>
        <source>Reverse pull, corrected</source>
        <translation>Puxamento inverso, corrigido</translation>
    </message>
    <message>
        <source>Code fill</source>
        <translation>Ocupação pelo código</translation>
    </message>
    <message>
        <source>Cable set</source>
        <translation>Conjunto de cabos</translation>
    </message>
    <message>
        <source>Allowable tension</source>
        <translation>Tensão admissível</translation>
    </message>
    <message>
        <source>Sidewall pressure limit for the type of cable</source>
        <translation>Limite de pressão lateral para o tipo de cabo</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Digitado</translation>
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
        <translation>Informe o diâmetro interno do eletroduto (ou escolha um tamanho comercial) e o diâmetro externo do cabo.</translation>
    </message>
    <message>
        <source>Ben&amp;ds</source>
        <translation>Cur&amp;vas</translation>
    </message>
    <message>
        <source>, trade size </source>
        <translation>, tamanho comercial </translation>
    </message>
    <message>
        <source> (metric designator %1), listed area %2 mm²</source>
        <translation> (designação métrica %1), área tabelada %2 mm²</translation>
    </message>
    <message>
        <source>, listed area </source>
        <translation>, área tabelada </translation>
    </message>
    <message>
        <source> sq in</source>
        <translation> sq in</translation>
    </message>
    <message>
        <source>&amp;Inside diameter</source>
        <translation>Diâmetro &amp;interno</translation>
    </message>
    <message>
        <source>Cable &amp;outside diameter</source>
        <translation>Diâmetro &amp;externo do cabo</translation>
    </message>
    <message>
        <source>&amp;Minimum clearance</source>
        <translation>Folga &amp;mínima</translation>
    </message>
    <message>
        <source>Sidewall pressure &amp;limit</source>
        <translation>&amp;Limite de pressão lateral</translation>
    </message>
    <message>
        <source>&amp;Bend radius, all bends</source>
        <translation>&amp;Raio de curva, todas as curvas</translation>
    </message>
    <message numerus="yes">
        <source>Ben&amp;ds (%n over the limit)</source>
        <translation>
            <numerusform>Cur&amp;vas (%n acima do limite)</numerusform>
            <numerusform>Cur&amp;vas (%n acima do limite)</numerusform>
        </translation>
    </message>
    <message>
        <source>The pull check has changes that are not saved. Save them before closing the Pull Check?</source>
        <translation>A verificação do puxamento tem alterações não salvas. Salvá-las antes de fechá-la?</translation>
    </message>
    <message>
        <source>Advice for the cable set</source>
        <translation>Recomendação para o conjunto de cabos</translation>
    </message>
    <message>
        <source>× OD</source>
        <translation>× DE</translation>
    </message>
    <message>
        <source>Cable &amp;kind:</source>
        <translation>&amp;Família do cabo:</translation>
    </message>
    <message>
        <source>Least bending radius</source>
        <translation>Raio mínimo de curvatura</translation>
    </message>
    <message>
        <source>Bends between pull points</source>
        <translation>Curvas entre pontos de puxamento</translation>
    </message>
</context>
<context>
    <name>tensora::PullLogDialog</name>
    <message>
        <source>Pull Log %1</source>
        <translation>Registro de puxamento %1</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Direto</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Como diz o arquivo</translation>
    </message>
    <message>
        <source>for a log of times: length per minute</source>
        <translation>para um registro de tempos: comprimento por minuto</translation>
    </message>
    <message>
        <source>&amp;Lay over the Plan</source>
        <translation>&amp;Sobrepor ao plano</translation>
    </message>
    <message>
        <source>&amp;Use for the Plan</source>
        <translation>&amp;Usar para o plano</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Pulled &amp;in direction:</source>
        <translation>&amp;Direção do puxamento:</translation>
    </message>
    <message>
        <source>&amp;Tensions in:</source>
        <translation>&amp;Tensões em:</translation>
    </message>
    <message>
        <source>Len&amp;gths in:</source>
        <translation>Compri&amp;mentos em:</translation>
    </message>
    <message>
        <source>Pulling &amp;speed:</source>
        <translation>&amp;Velocidade de puxamento:</translation>
    </message>
    <message>
        <source>No plan yet: add links in Tools &gt; Pull Calculator.</source>
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
    </message>
    <message numerus="yes">
        <source>%n points read</source>
        <translation>
            <numerusform>%n ponto lido</numerusform>
            <numerusform>%n pontos lidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Your friction entries cannot be changed until their file is mended or moved away.</source>
        <translation>Suas entradas de atrito não podem ser alteradas até o arquivo ser reparado ou movido.</translation>
    </message>
    <message>
        <source>measured: fitted to a pull's tension log</source>
        <translation>medido: ajustado ao registro de tensão de um puxamento</translation>
    </message>
    <message>
        <source>%1, pulled %2, route %3</source>
        <translation>%1, puxado em %2, traçado %3</translation>
    </message>
    <message>
        <source>Your friction entries could not be saved (%1).</source>
        <translation>Suas entradas de atrito não puderam ser salvas (%1).</translation>
    </message>
    <message>
        <source>Kept in your friction library as %1.</source>
        <translation>Guardado na sua biblioteca de atrito como %1.</translation>
    </message>
    <message>
        <source>Add to Friction Li&amp;brary</source>
        <translation>Adicionar à &amp;biblioteca de atrito</translation>
    </message>
</context>
<context>
    <name>tensora::PullResultsPanel</name>
    <message>
        <source>Pull Results</source>
        <translation>Resultados do puxamento</translation>
    </message>
    <message>
        <source>Planned Pull Input</source>
        <translation>Dados do puxamento planejado</translation>
    </message>
    <message>
        <source>Forward Tension - </source>
        <translation>Tensão direta - </translation>
    </message>
    <message>
        <source>Reverse Tension - </source>
        <translation>Tensão inversa - </translation>
    </message>
    <message>
        <source>Apply &amp;Mid-assist Point</source>
        <translation>Aplicar ponto &amp;intermediário</translation>
    </message>
    <message>
        <source> beyond the allowable tension&amp;nbsp;&amp;nbsp;&amp;nbsp; </source>
        <translation> acima da tensão admissível&amp;nbsp;&amp;nbsp;&amp;nbsp; </translation>
    </message>
    <message>
        <source> held at zero: the cable runs under its own weight there and must be held back</source>
        <translation> retido em zero: ali o cabo corre pelo próprio peso e deve ser segurado</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Trecho</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Comprimento</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Cumulative</source>
        <translation>Acumulada</translation>
    </message>
    <message>
        <source>Side Wall</source>
        <translation>Pressão lateral</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Atrito</translation>
    </message>
</context>
<context>
    <name>tensora::PullingEquipment</name>
    <message>
        <source>Pulling Equipment</source>
        <translation>Equipamento de puxamento</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Checked against the planned pull</source>
        <translation>Verificado contra o puxamento planejado</translation>
    </message>
    <message>
        <source>As the advice says</source>
        <translation>Conforme o conselho</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Puxamento direto</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Puxamento inverso</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Sentido:</translation>
    </message>
    <message>
        <source>&amp;Puller rating:</source>
        <translation>Capacidade do &amp;guincho:</translation>
    </message>
    <message>
        <source>&amp;Rope breaking strength:</source>
        <translation>&amp;Resistência à ruptura da corda:</translation>
    </message>
    <message>
        <source>Rope design &amp;factor:</source>
        <translation>&amp;Fator de projeto da corda:</translation>
    </message>
    <message>
        <source>× puller rating</source>
        <translation>× capacidade do guincho</translation>
    </message>
    <message>
        <source>&amp;Sheave rating:</source>
        <translation>Capacidade da &amp;polia:</translation>
    </message>
    <message>
        <source>Tension a sheave &amp;adds:</source>
        <translation>Tensão &amp;acrescida por uma polia:</translation>
    </message>
    <message>
        <source>&amp;Capstan friction:</source>
        <translation>Atrito do &amp;cabrestante:</translation>
    </message>
    <message>
        <source>&amp;Tail force a person holds:</source>
        <translation>Força de re&amp;tenção de uma pessoa:</translation>
    </message>
    <message>
        <source>The pulling equipment has changes that are not saved. Save them before closing the window?</source>
        <translation>O equipamento de puxamento tem alterações não salvas. Salvá-las antes de fechar a janela?</translation>
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
        <translation>Ainda sem plano: adicione trechos em Ferramentas &gt; Calculadora de puxamento.</translation>
    </message>
</context>
<context>
    <name>tensora::RouteImportDialog</name>
    <message>
        <source>Import Route</source>
        <translation>Importar traçado</translation>
    </message>
    <message>
        <source>As the file says</source>
        <translation>Conforme o arquivo</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Traçado:</translation>
    </message>
    <message>
        <source>&amp;Units of the file:</source>
        <translation>&amp;Unidades do arquivo:</translation>
    </message>
    <message>
        <source>Default &amp;bend radius:</source>
        <translation>Raio de &amp;curva padrão:</translation>
    </message>
    <message>
        <source>&amp;Replace the Plan</source>
        <translation>&amp;Substituir o plano</translation>
    </message>
    <message>
        <source>&amp;Append to the Plan</source>
        <translation>&amp;Acrescentar ao plano</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pés</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
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
        <translation>Vista do traçado</translation>
    </message>
    <message>
        <source>Forward pull</source>
        <translation>Puxamento direto</translation>
    </message>
    <message>
        <source>Reverse pull</source>
        <translation>Puxamento inverso</translation>
    </message>
    <message>
        <source>&amp;Colour by the tension of the:</source>
        <translation>&amp;Colorir pela tensão do:</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>Show the whole route (0 in a drawing)</source>
        <translation>Mostrar todo o traçado (0 em um desenho)</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Salvar &amp;imagem...</translation>
    </message>
    <message>
        <source>Wheel or + and - zoom, drag or arrows pan</source>
        <translation>Roda ou + e - para ampliar, arraste ou setas para mover</translation>
    </message>
    <message>
        <source>Plan: the route from above</source>
        <translation>Planta: o traçado visto de cima</translation>
    </message>
    <message>
        <source>Elevation: height along the route, to scale</source>
        <translation>Elevação: altura ao longo do traçado, em escala</translation>
    </message>
</context>
<context>
    <name>tensora::TensionProfile</name>
    <message>
        <source>Tension Profile</source>
        <translation>Perfil de tensão</translation>
    </message>
    <message>
        <source>Distance along the route (ft)</source>
        <translation>Distância ao longo do traçado (ft)</translation>
    </message>
    <message>
        <source>Tension (lbs)</source>
        <translation>Tensão (lbs)</translation>
    </message>
    <message>
        <source>Height (ft)</source>
        <translation>Altura (ft)</translation>
    </message>
    <message>
        <source>No plan yet. Open Tools &gt; Pull Calculator and add links: their tensions are drawn here.</source>
        <translation>Ainda sem plano. Abra Ferramentas &gt; Calculadora de puxamento e adicione trechos: suas tensões são desenhadas aqui.</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>Salvar imagem...</translation>
    </message>
    <message>
        <source>Distance along the route (%1)</source>
        <translation>Distância ao longo do traçado (%1)</translation>
    </message>
    <message>
        <source>Tension (%1)</source>
        <translation>Tensão (%1)</translation>
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
        <translation> Ponto de puxamento intermediário</translation>
    </message>
    <message>
        <source>Link %1, %2
Cumulative %3 %4</source>
        <translation>Trecho %1, %2
Acumulada %3 %4</translation>
    </message>
    <message>
        <source>
Sidewall %1</source>
        <translation>
Pressão lateral %1</translation>
    </message>
    <message>
        <source>▸ %1</source>
        <extracomment>A link's own coefficient or raceway, from where the link starts on.</extracomment>
        <translation>▸ %1</translation>
    </message>
    <message>
        <source> The pull's log, measured (red rings: beyond the allowable tension)</source>
        <translation> O registro do puxamento, medido (anéis vermelhos: acima da tensão admissível)</translation>
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
        <translation>Informações do &amp;sistema...</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Sobre o </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>The conduit properties and construction calculator, created by the Larkfield Center

</source>
        <translation>A calculadora de propriedades e construção de eletrodutos, criada pelo Larkfield Center

</translation>
    </message>
    <message>
        <source>Data Version </source>
        <translation>Versão dos dados </translation>
    </message>
</context>
<context>
    <name>tensora::frmMain</name>
    <message>
        <source>Data (*.rtf)|*.rtf|All Files (*.*)|*.*</source>
        <translation>Dados (*.rtf)|*.rtf|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Import Route...</source>
        <translation>&amp;Importar traçado...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
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
        <translation>Plano de puxamento</translation>
    </message>
    <message>
        <source>Fill Ratio</source>
        <translation>Ocupação</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Pull Calculator</source>
        <translation>Calculadora de &amp;puxamento</translation>
    </message>
    <message>
        <source>Max &amp;Pull Length</source>
        <translation>Comprimento máximo de &amp;puxamento</translation>
    </message>
    <message>
        <source>&amp;Sidewall Pressure</source>
        <translation>Pressão &amp;lateral</translation>
    </message>
    <message>
        <source>Straight Pull Tension</source>
        <translation>Tensão em trecho reto</translation>
    </message>
    <message>
        <source>Bend Pull Tension</source>
        <translation>Tensão em uma curva</translation>
    </message>
    <message>
        <source>&amp;Fill Ratio</source>
        <translation>&amp;Ocupação</translation>
    </message>
    <message>
        <source>&amp;Slikko! Quantity</source>
        <translation>Quantidade de &amp;Slikko!</translation>
    </message>
    <message>
        <source>Tension Pr&amp;ofile</source>
        <translation>Perfil de &amp;tensão</translation>
    </message>
    <message>
        <source>&amp;Route View</source>
        <translation>&amp;Vista do traçado</translation>
    </message>
    <message>
        <source>Pulling &amp;Equipment</source>
        <translation>&amp;Equipamento de puxamento</translation>
    </message>
    <message>
        <source>Pull C&amp;heck</source>
        <translation>Ve&amp;rificação do puxamento</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>&amp;Inch-pound</source>
        <translation>&amp;Polegada-libra</translation>
    </message>
    <message>
        <source>&amp;Metric</source>
        <translation>&amp;Métrico</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Help Manual</source>
        <translation>Manual de ajuda</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>On-line</translation>
    </message>
    <message>
        <source>Ductivo Installation Manual</source>
        <translation>Manual de instalação Ductivo</translation>
    </message>
    <message>
        <source>Norvale &amp;Home Page</source>
        <translation>&amp;Página da Norvale</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Sobre o </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before leaving?</source>
        <translation>O plano de puxamento tem alterações não salvas. Salvá-las antes de sair?</translation>
    </message>
    <message>
        <source>The built-in browser does not run as root (it would have to run without its sandbox). Open %1 in the desktop's browser instead?</source>
        <translation>O navegador embutido não roda como root (teria de rodar sem sua sandbox). Abrir %1 no navegador da área de trabalho?</translation>
    </message>
    <message>
        <source>The desktop's browser could not be started for %1.</source>
        <translation>Não foi possível abrir o navegador da área de trabalho para %1.</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before starting a new document?</source>
        <translation>O plano de puxamento tem alterações não salvas. Salvá-las antes de iniciar um novo documento?</translation>
    </message>
    <message>
        <source>Import Route</source>
        <translation>Importar traçado</translation>
    </message>
    <message>
        <source>Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings (*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|All Files (*.*)|*.*</source>
        <translation>Traçados (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|Desenhos DXF (*.dxf)|*.dxf|Pontos (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>No route was imported from %1.
%2</source>
        <translation>Nenhum traçado foi importado de %1.
%2</translation>
    </message>
    <message>
        <source>Replace the %1 links of the plan by the %2 of the route?</source>
        <translation>Substituir os %1 trechos do plano pelos %2 do traçado?</translation>
    </message>
    <message>
        <source>The plan would hold more than %1 links: nothing was imported.</source>
        <translation>O plano teria mais de %1 trechos: nada foi importado.</translation>
    </message>
    <message>
        <source>The %1 could not be saved as %2.
%3</source>
        <translation>Não foi possível salvar %1 como %2.
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
        <translation>Tabela CSV (*.csv)|*.csv|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Nothing was saved: %1.</source>
        <translation>Nada foi salvo: %1.</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.
%2</source>
        <translation>Não foi possível salvar o relatório como %1.
%2</translation>
    </message>
    <message>
        <source>Open Report</source>
        <translation>Abrir relatório</translation>
    </message>
    <message>
        <source>The report %1 could not be read.
%2</source>
        <translation>Não foi possível ler o relatório %1.
%2</translation>
    </message>
    <message>
        <source>%1 is not a Tensora report: nothing was read.</source>
        <translation>%1 não é um relatório do Tensora: nada foi lido.</translation>
    </message>
    <message>
        <source>The report %1 was not read whole.

%2</source>
        <translation>O relatório %1 não foi lido por inteiro.

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
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Export &amp;CSV...</source>
        <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
        <source>Save Op&amp;tions</source>
        <translation>&amp;Opções de salvamento</translation>
    </message>
    <message>
        <source>&amp;Quick Calculators</source>
        <translation>Calculadoras rápi&amp;das</translation>
    </message>
    <message>
        <source>The pull plan has changes that are not saved. Save them before opening %1?</source>
        <translation>O plano de puxamento tem alterações não salvas. Salvá-las antes de abrir %1?</translation>
    </message>
    <message>
        <source>The report %1 was saved with decimal commas by an earlier version of Tensora; its figures were read that way. Saved again, it holds them with decimal points, as every language reads them.</source>
        <translation>O relatório %1 foi salvo com vírgulas decimais por uma versão anterior do Tensora; seus números foram lidos assim. Salvo de novo, ele os guarda com pontos decimais, como todos os idiomas os leem.</translation>
    </message>
    <message>
        <source>The report %1: %2</source>
        <translation>O relatório %1: %2</translation>
    </message>
    <message>
        <source>Friction Li&amp;brary</source>
        <translation>Bi&amp;blioteca de atrito</translation>
    </message>
    <message>
        <source>Compare Optio&amp;ns</source>
        <translation>&amp;Comparar opções</translation>
    </message>
    <message>
        <source>Pull Bo&amp;x Size</source>
        <translation>Tamanho da &amp;caixa de passagem</translation>
    </message>
    <message>
        <source>Import Pull &amp;Log...</source>
        <translation>Importar registro de pu&amp;xamento...</translation>
    </message>
    <message>
        <source>Import Pull Log</source>
        <translation>Importar registro de puxamento</translation>
    </message>
    <message>
        <source>The pull log %1 cannot be read.</source>
        <translation>O registro de puxamento %1 não pode ser lido.</translation>
    </message>
    <message>
        <source>New &amp;Job</source>
        <translation>No&amp;va obra</translation>
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
        <translation>Arquivo de dados (oculto)</translation>
    </message>
</context>
<context>
    <name>tensora::textEditor</name>
    <message>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
    <message>
        <source>Help Window</source>
        <translation>Ajuda</translation>
    </message>
</context>
</TS>