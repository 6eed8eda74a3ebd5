<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anlagenwerte</name>
    <message>
        <source>Durchsatz</source>
        <translation>Throughput</translation>
    </message>
    <message>
        <source>Stückmasse (trocken)</source>
        <translation>Piece mass (dry)</translation>
    </message>
</context>
<context>
    <name>Bericht</name>
    <message>
        <source>Dicke der getrockneten Platte</source>
        <translation>Thickness of the dried plate</translation>
    </message>
    <message>
        <source>vollständig gerechnet</source>
        <translation>fully calculated</translation>
    </message>
    <message>
        <source>nicht gerechnet (Eingaben abgelehnt)</source>
        <translation>not calculated (inputs refused)</translation>
    </message>
    <message>
        <source>mit Stop angehalten</source>
        <translation>stopped with Stop</translation>
    </message>
    <message>
        <source>angehalten: Zeitreihen voll</source>
        <translation>stopped: time series full</translation>
    </message>
    <message>
        <source>angehalten: keine endlichen Werte mehr</source>
        <translation>stopped: no finite values any more</translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Abgeleitete Werte</source>
        <translation>Derived values</translation>
    </message>
    <message>
        <source>Ergebnisse</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Wasserbilanz</source>
        <translation>Water balance</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Luftbilanz des 2. Trocknungsabschnitts „%1“: %2.</source>
        <translation>Air balance of the second drying period &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Anlagendaten</source>
        <translation>Plant data</translation>
    </message>
</context>
<context>
    <name>Diagramme</name>
    <message>
        <source>Trocknungsgeschwindigkeit über der mittleren Feuchte</source>
        <translation>Drying rate over the mean moisture content</translation>
    </message>
    <message>
        <source>Verdunstungsrate über der mittleren Feuchte X des Rohlings; die Trocknung läuft von rechts (Anfangsfeuchte) nach links. Im Trockner erwärmt sich die Luft entlang der Gegenstromstrecke: darum steigt die Rate im 1. Trocknungsabschnitt an, statt gleich zu bleiben, und fällt im 2. Abschnitt mit dem zurückweichenden Trocknungsspiegel.</source>
        <translation>Evaporation rate over the mean moisture content X of the green body; drying runs from the right (initial moisture content) to the left. In the dryer the air heats up along the counter-current section: that is why the rate rises in the first drying period instead of staying level, and falls in the second period with the receding drying front.</translation>
    </message>
    <message>
        <source>Trocknungsverlaufskurve nach Krischer (Laborversuch, Luft konstant)</source>
        <translation>Drying curve after Krischer (laboratory test, constant air)</translation>
    </message>
    <message>
        <source>Trocknungsverlaufskurve nach Krischer: Verdunstungsrate über der mittleren Feuchte X bei konstanter Luft; X nimmt nach rechts ab, die Trocknung läuft von links nach rechts. Im 1. Trocknungsabschnitt bleibt die Rate gleich bis zum Knickpunkt; markiert sind das Ende des 1. TA (X1TA) und der Knickpunkt, ab dem die Rate im 2. Abschnitt mit dem zurückweichenden Trocknungsspiegel fällt.</source>
        <translation>Drying curve after Krischer: evaporation rate over the mean moisture content X at constant air; X falls to the right, drying runs from left to right. In the first drying period the rate stays level up to the critical point; marked are the end of the first period (X1TA) and the critical point, from which the rate falls in the second period with the receding drying front.</translation>
    </message>
    <message>
        <source>Verdunstungsrate über der mittleren Feuchte X; die Trocknung läuft von rechts nach links. Trocknerläufe: die Luft erwärmt sich entlang der Gegenstromstrecke, darum steigt die Rate im 1. Trocknungsabschnitt an. Laborversuche (Luft konstant): die Trocknungsverlaufskurve nach Krischer, gleichbleibende Rate im 1. Trocknungsabschnitt, markiert das Ende des 1. TA (X1TA) und der Knickpunkt, danach fallende Rate; hier wie die Trocknerläufe mit nach rechts zunehmender Feuchte.</source>
        <translation>Evaporation rate over the mean moisture content X; drying runs from right to left. Dryer runs: the air heats up along the counter-current section, so the rate rises in the first drying period. Laboratory tests (constant air): the drying curve after Krischer, a level rate in the first drying period, marked the end of the first period (X1TA) and the critical point, a falling rate after it; here, like the dryer runs, with the moisture content rising to the right.</translation>
    </message>
    <message>
        <source>Knickpunkt = Ende 1. TA</source>
        <translation>critical point = end of 1st period</translation>
    </message>
    <message>
        <source>Ende 1. TA</source>
        <translation>end of 1st period</translation>
    </message>
    <message>
        <source>Knickpunkt</source>
        <translation>critical point</translation>
    </message>
</context>
<context>
    <name>Genauigkeit</name>
    <message>
        <source>angenommen %1</source>
        <translation>assumed %1</translation>
    </message>
    <message>
        <source>auf keiner Stufe erreicht</source>
        <translation>reached on no level</translation>
    </message>
    <message>
        <source>nicht bestimmbar</source>
        <translation>not determinable</translation>
    </message>
    <message>
        <source>%1 Kennergebnis über %2 (%3)</source>
        <translation>%1 key result above %2 (%3)</translation>
    </message>
    <message>
        <source>%1 Kennergebnisse über %2 (%3)</source>
        <translation>%1 key results above %2 (%3)</translation>
    </message>
    <message>
        <source>%1 innerhalb %2</source>
        <translation>%1 within %2</translation>
    </message>
    <message>
        <source>%1 ohne Schätzung</source>
        <translation>%1 without estimate</translation>
    </message>
    <message>
        <source>Genauigkeit: %1</source>
        <translation>Accuracy: %1</translation>
    </message>
    <message>
        <source>; diese Rechnung bis %1 (%2)</source>
        <translation>; this calculation up to %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Rechnerfenster</name>
    <message>
        <source>Lamvero v.1.01  -  07.05.2007  -  Symmetrische Trocknung einer Platte aus Ziegelton</source>
        <translation>Lamvero v.1.01  -  07.05.2007  -  Symmetrical drying of a brick clay plate</translation>
    </message>
    <message>
        <source>Dicke der feuchten Platte beim Einfahren, vor der Schwindung</source>
        <translation>Thickness of the wet plate on entering the dryer, before shrinkage</translation>
    </message>
    <message>
        <source>Dichte der getrockneten Masse (trockener Scherben)</source>
        <translation>Density of the dried body (dry body)</translation>
    </message>
    <message>
        <source>Wassergehalt der Rohlinge beim Einfahren, je kg Trockenmasse (atro)</source>
        <translation>Moisture content of the green bodies on entering, per kg dry mass (dry basis)</translation>
    </message>
    <message>
        <source>lineare Schwindung vom Anfangswassergehalt bis zum trockenen Zustand</source>
        <translation>linear shrinkage from the initial moisture content to the dry state</translation>
    </message>
    <message>
        <source>Feuchteleitkoeffizient der Masse bei 0,25 kg/kg atro und 25 °C: wie schnell Wasser im Inneren zur Oberfläche wandert</source>
        <translation>Moisture conductivity of the body at 0.25 kg/kg dry basis and 25 °C: how fast water moves inside to the surface</translation>
    </message>
    <message>
        <source>Wärmeleitfähigkeit der getrockneten Platte (trockene Schicht im 2. Trocknungsabschnitt)</source>
        <translation>Thermal conductivity of the dried plate (dry layer in the second drying period)</translation>
    </message>
    <message>
        <source>Diffusionswiderstandszahl der trockenen Masse: wievielmal stärker die Poren den Dampf bremsen als ruhende Luft</source>
        <translation>Vapour diffusion resistance factor of the dry body: how many times more the pores slow the vapour than still air</translation>
    </message>
    <message>
        <source>effektiver Wärmeübergangskoeffizient zwischen Trocknerluft und Plattenoberfläche</source>
        <translation>effective heat-transfer coefficient between dryer air and plate surface</translation>
    </message>
    <message>
        <source>Temperatur der Rohlinge beim Einfahren in den Trockner</source>
        <translation>Temperature of the green bodies on entering the dryer</translation>
    </message>
    <message>
        <source>Temperatur der angesaugten Außenluft</source>
        <translation>Temperature of the outside air drawn in</translation>
    </message>
    <message>
        <source>relative Feuchte der angesaugten Außenluft</source>
        <translation>relative humidity of the outside air drawn in</translation>
    </message>
    <message>
        <source>Temperatur der Abluft, die den Gegenstromtrockner an der Einfahrseite verlässt</source>
        <translation>Temperature of the exhaust air leaving the counter-current dryer at the entry end</translation>
    </message>
    <message>
        <source>relative Feuchte der Abluft an der Einfahrseite</source>
        <translation>relative humidity of the exhaust air at the entry end</translation>
    </message>
    <message>
        <source>Lufttemperatur an der Platte, bei der der Gegenstromabschnitt endet; danach bleibt der Luftzustand im Großraumtrockner gleich</source>
        <translation>Air temperature at the plate at which the counter-current section ends; after it the air state in the chamber dryer stays the same</translation>
    </message>
    <message>
        <source>Abstand der Rechenknoten über die halbe Plattendicke: kleiner rechnet genauer und langsamer</source>
        <translation>Distance of the grid nodes across half the plate thickness: smaller calculates more accurately and more slowly</translation>
    </message>
    <message>
        <source>Zeitschritt der Rechnung: kleiner rechnet genauer und langsamer</source>
        <translation>Time step of the calculation: smaller calculates more accurately and more slowly</translation>
    </message>
    <message>
        <source>Zeitschritte zwischen zwei gezeichneten Feuchteprofilen</source>
        <translation>Time steps between two drawn moisture profiles</translation>
    </message>
    <message>
        <source>Steigung des Zehnerlogarithmus der Feuchteleitfähigkeit je Einheit des volumetrischen Wassergehalts unterhalb der Grenzfeuchte (Schwindungsende)</source>
        <translation>Slope of the base-ten logarithm of the moisture conductivity per unit of volumetric moisture content below the shrinkage limit (end of shrinkage)</translation>
    </message>
    <message>
        <source>Wassergehalt, bei dem die Schwindung endet (Grenzfeuchte)</source>
        <translation>Moisture content at which shrinkage ends (shrinkage limit)</translation>
    </message>
    <message>
        <source>kg/kg atro</source>
        <translation>kg/kg dry basis</translation>
    </message>
    <message>
        <source>offene Porosität der getrockneten Platte</source>
        <translation>open porosity of the dried plate</translation>
    </message>
    <message>
        <source>Vol.-%</source>
        <translation>vol.-%</translation>
    </message>
    <message>
        <source>Luftmenge, die je kg trockener Rohlinge durch den Trockner geht</source>
        <translation>Air flow through the dryer per kg of dry green bodies</translation>
    </message>
    <message>
        <source>kg Luft je kg trockener Rohling</source>
        <translation>kg air per kg dry green body</translation>
    </message>
    <message>
        <source>Luftmenge je kg Wasser, das die Rohlinge mitbringen</source>
        <translation>Air flow per kg of water the green bodies bring in</translation>
    </message>
    <message>
        <source>kg Luft je kg Wasser</source>
        <translation>kg air per kg water</translation>
    </message>
    <message>
        <source>Temperatur der Zuluft, die der Trockner nach der Energiebilanz braucht</source>
        <translation>Temperature of the supply air the dryer needs by the energy balance</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Trocknungszeit seit dem Einfahren</source>
        <translation>Drying time since entering</translation>
    </message>
    <message>
        <source>Stunden:Minuten:Sekunden</source>
        <translation>hours:minutes:seconds</translation>
    </message>
    <message>
        <source>Temperatur der Luft an der Platte in diesem Moment</source>
        <translation>Temperature of the air at the plate at this moment</translation>
    </message>
    <message>
        <source>Wasserbeladung der Luft an der Platte in diesem Moment</source>
        <translation>Humidity ratio of the air at the plate at this moment</translation>
    </message>
    <message>
        <source>kg Wasser je kg trockene Luft</source>
        <translation>kg water per kg dry air</translation>
    </message>
    <message>
        <source>Temperatur der Plattenoberfläche in diesem Moment</source>
        <translation>Temperature of the plate surface at this moment</translation>
    </message>
    <message>
        <source>Temperatur in der Plattenmitte (Kern) in diesem Moment</source>
        <translation>Temperature in the middle of the plate (core) at this moment</translation>
    </message>
    <message>
        <source>mittlerer Wassergehalt der Platte in diesem Moment</source>
        <translation>mean moisture content of the plate at this moment</translation>
    </message>
    <message>
        <source>Wärmestrom von der Luft in die Platte je m² Oberfläche</source>
        <translation>Heat flow from the air into the plate per m² of surface</translation>
    </message>
    <message>
        <source>kW/m²</source>
        <translation>kW/m²</translation>
    </message>
    <message>
        <source>Wasser, das je m² Oberfläche und Stunde verdunstet</source>
        <translation>Water evaporating per m² of surface and hour</translation>
    </message>
    <message>
        <source>kg/(m² h)</source>
        <translation>kg/(m² h)</translation>
    </message>
    <message>
        <source>Geschwindigkeit, mit der das Wasser kapillar zur Oberfläche strömt (nur im 1. Trocknungsabschnitt)</source>
        <translation>Speed at which the water flows by capillarity to the surface (first drying period only)</translation>
    </message>
    <message>
        <source>mm/h</source>
        <translation>mm/h</translation>
    </message>
    <message>
        <source>Geschwindigkeit des Dampfes in den Poren der trockenen Schicht (nur im 2. Trocknungsabschnitt)</source>
        <translation>Speed of the vapour in the pores of the dry layer (second drying period only)</translation>
    </message>
    <message>
        <source>m/h</source>
        <translation>m/h</translation>
    </message>
    <message>
        <source>Zeit bis zum Ende des Gegenstromabschnitts</source>
        <translation>Time to the end of the counter-current section</translation>
    </message>
    <message>
        <source>mittlerer Wassergehalt der Platte am Ende des Gegenstromabschnitts</source>
        <translation>mean moisture content of the plate at the end of the counter-current section</translation>
    </message>
    <message>
        <source>Dauer des 1. Trocknungsabschnitts, in dem die Oberfläche nass ist</source>
        <translation>Duration of the first drying period, in which the surface is wet</translation>
    </message>
    <message>
        <source>mittlerer Wassergehalt der Platte am Ende des 1. Trocknungsabschnitts</source>
        <translation>mean moisture content of the plate at the end of the first drying period</translation>
    </message>
    <message>
        <source>Verdunstungsrate zu Beginn der Trocknung</source>
        <translation>Evaporation rate at the start of drying</translation>
    </message>
    <message>
        <source>Zeit, bis die Oberfläche die Grenzfeuchte erreicht und nicht mehr schwindet</source>
        <translation>Time until the surface reaches the shrinkage limit and shrinks no more</translation>
    </message>
    <message>
        <source>größter Unterschied der linearen Schwindung zwischen Oberfläche und Kern</source>
        <translation>largest difference of linear shrinkage between surface and core</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>größtes Schwindungsgefälle an der Oberfläche, ein Maß der Rissgefahr</source>
        <translation>largest shrinkage gradient at the surface, a measure of the risk of cracks</translation>
    </message>
    <message>
        <source>% pro mm</source>
        <translation>% per mm</translation>
    </message>
    <message>
        <source>Zeit, bis auch der Kern die Grenzfeuchte erreicht und die Platte nicht mehr schwindet</source>
        <translation>Time until the core too reaches the shrinkage limit and the plate shrinks no more</translation>
    </message>
    <message>
        <source>mittlerer Wärmebedarf des Trockners je kg verdunstetes Wasser</source>
        <translation>mean heat demand of the dryer per kg of evaporated water</translation>
    </message>
    <message>
        <source>kJ/kg H2O</source>
        <translation>kJ/kg H2O</translation>
    </message>
    <message>
        <source>mittlerer Wärmebedarf geteilt durch die Verdampfungsenthalpie des Wassers</source>
        <translation>mean heat demand divided by the enthalpy of evaporation of water</translation>
    </message>
    <message>
        <source>Zahl der Rechenknoten über die halbe Plattendicke, aus Dicke und Ortsschrittweite</source>
        <translation>Number of grid nodes across half the plate thickness, from thickness and space step</translation>
    </message>
    <message>
        <source>wie weit die Wasserbilanz der Rechnung aufgeht: über 3 % rot, über 6 % ungenau</source>
        <translation>how well the calculation&apos;s water balance closes: above 3 % red, above 6 % inaccurate</translation>
    </message>
    <message>
        <source>mom. oberfl. Kapillarströmung in mm/h</source>
        <translation>Current capillary flow at surface in mm/h</translation>
    </message>
    <message>
        <source>mom. Dampfgeschw. durch Poren in m/h</source>
        <translation>Current vapour speed in the pores in m/h</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Nochmal !</source>
        <translation>Again!</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>evtl. sehr ungenau !</source>
        <translation>possibly very inaccurate!</translation>
    </message>
    <message>
        <source>Zeitschrittweite verkleinern od.</source>
        <translation>reduce the time step or</translation>
    </message>
    <message>
        <source>Ortsschrittweite vergrößern!</source>
        <translation>increase the space step!</translation>
    </message>
    <message>
        <source>Rohlingsdicke</source>
        <translation>Green body thickness</translation>
    </message>
    <message>
        <source>Schwindung</source>
        <translation>Shrinkage</translation>
    </message>
    <message>
        <source>laufende Zeit</source>
        <translation>elapsed time</translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>zu</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Orts- und zeitabhängige Wasserbeladung,</source>
        <translation>Moisture over place and time,</translation>
    </message>
    <message>
        <source>Schwindungsende,</source>
        <translation>Shrinkage end,</translation>
    </message>
    <message>
        <source>Ende des 1. Trocknungsabschnittes</source>
        <translation>End of the first drying period</translation>
    </message>
    <message>
        <source>Wasserbeladung,</source>
        <translation>Moisture,</translation>
    </message>
    <message>
        <source>Verdunstungsrate,</source>
        <translation>Drying rate,</translation>
    </message>
    <message>
        <source>Oberflächen- und Kernschwindung,</source>
        <translation>Surface and core shrinkage,</translation>
    </message>
    <message>
        <source>Luft-,</source>
        <translation>Air,</translation>
    </message>
    <message>
        <source>Kern- und</source>
        <translation>Core and</translation>
    </message>
    <message>
        <source>Oberflächentemperatur,</source>
        <translation>surface temperature,</translation>
    </message>
    <message>
        <source>Trocknungsspiegel</source>
        <translation>Drying front</translation>
    </message>
    <message>
        <source>Kinetik und Energetik der Konvektions-</source>
        <translation>Kinetics and energy of convective</translation>
    </message>
    <message>
        <source>trocknung in gekoppelten Gegenstrom- </source>
        <translation>drying in coupled counter-current </translation>
    </message>
    <message>
        <source>und Großraumtrocknern</source>
        <translation>and chamber dryers</translation>
    </message>
    <message>
        <source>Trocknungsrechner</source>
        <translation>Drying calculator</translation>
    </message>
    <message>
        <source>Plattentrocknung, Schwindung, Energie</source>
        <translation>Plate drying, shrinkage, energy</translation>
    </message>
    <message>
        <source>Einheit: %1</source>
        <translation>Unit: %1</translation>
    </message>
    <message>
        <source>keine (reine Zahl)</source>
        <translation>none (pure number)</translation>
    </message>
    <message>
        <source>Vorgabe: %1</source>
        <translation>Default: %1</translation>
    </message>
    <message>
        <source>üblicher Bereich: %1 bis %2</source>
        <translation>usual range: %1 to %2</translation>
    </message>
    <message>
        <source>! (Temperatur des Trocknungsspiegels: mehr als 45 Iterationen)</source>
        <translation>! (temperature of the drying front: more than 45 iterations)</translation>
    </message>
    <message>
        <source>Ortsschrittweite verkleinern od.</source>
        <translation>reduce the space step or</translation>
    </message>
    <message>
        <source>Zeitschrittweite vergrößern!</source>
        <translation>increase the time step!</translation>
    </message>
</context>
<context>
    <name>Verläufe</name>
    <message>
        <source> (angehalten, ungeglättet)</source>
        <translation> (stopped, unsmoothed)</translation>
    </message>
    <message>
        <source>Der Lauf wurde mit Stop angehalten, bevor zwei Punkte der Verläufe gespeichert waren.</source>
        <translation>The run was stopped with Stop before two points of the curves were stored.</translation>
    </message>
    <message>
        <source> (Zeitreihen voll, ungeglättet)</source>
        <translation> (time series full, unsmoothed)</translation>
    </message>
    <message>
        <source>Der Lauf wurde angehalten, weil die Zeitreihen voll waren, bevor zwei Punkte der Verläufe gespeichert waren.</source>
        <translation>The run was stopped because the time series were full, before two points of the curves were stored.</translation>
    </message>
    <message>
        <source> (abgebrochen, ungeglättet)</source>
        <translation> (aborted, unsmoothed)</translation>
    </message>
    <message>
        <source>Der Lauf wurde abgebrochen, weil die Werte nicht mehr endlich waren, bevor zwei Punkte der Verläufe gespeichert waren.</source>
        <translation>The run was aborted because the values were no longer finite, before two points of the curves were stored.</translation>
    </message>
    <message>
        <source>Die Eingaben wurden abgelehnt: der Lauf hat nichts gerechnet.</source>
        <translation>The inputs were refused: the run calculated nothing.</translation>
    </message>
    <message>
        <source>Die Falldatei enthält die Verläufe nicht (ohne Zeitreihen gespeichert).</source>
        <translation>The case file does not hold the curves (saved without time series).</translation>
    </message>
</context>
</TS>
