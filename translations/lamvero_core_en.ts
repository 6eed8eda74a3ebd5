<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anlagenwerte</name>
    <message>
        <source>Tonnen trockener Rohlinge je Stunde</source>
        <translation>tonnes of dry green bodies per hour</translation>
    </message>
    <message>
        <source>Stück/h</source>
        <translation>pieces/h</translation>
    </message>
    <message>
        <source>Stück je Stunde, mit ihrer Trockenmasse</source>
        <translation>pieces per hour, with their dry mass</translation>
    </message>
    <message>
        <source>Durchsatz</source>
        <translation>Throughput</translation>
    </message>
    <message>
        <source>Stückmasse (trocken)</source>
        <translation>Piece mass (dry)</translation>
    </message>
    <message>
        <source>%1 ist keine endliche Zahl</source>
        <translation>%1 is not a finite number</translation>
    </message>
    <message>
        <source>%1 muss größer als 0 sein</source>
        <translation>%1 must be greater than 0</translation>
    </message>
    <message>
        <source>%1 ist unplausibel groß (höchstens %2 %3)</source>
        <translation>%1 is implausibly large (at most %2 %3)</translation>
    </message>
    <message>
        <source>Durchsatz mal Stückmasse (trocken) ist unplausibel groß (höchstens %1 t/h)</source>
        <translation>Throughput times piece mass (dry) is implausibly large (at most %1 t/h)</translation>
    </message>
</context>
<context>
    <name>Eingabefelder</name>
    <message>
        <source>Laborversuch, Luft konstant</source>
        <translation>Laboratory test, constant air</translation>
    </message>
    <message>
        <source>Anfangsdicke der Platte in mm</source>
        <translation>Initial plate thickness in mm</translation>
    </message>
    <message>
        <source>Dichte der getrockneten Masse in kg/m³</source>
        <translation>Dry density in kg/m³</translation>
    </message>
    <message>
        <source>Anfangswasserbeladung in kg/kg atro</source>
        <translation>Initial moisture content in kg/kg dry basis</translation>
    </message>
    <message>
        <source>lineare Trockenschwindung in %</source>
        <translation>Linear drying shrinkage in %</translation>
    </message>
    <message>
        <source>Feuchteleitk. (25% atro, 25°C) in 10^(-9) m²/s</source>
        <translation>Moisture conductivity (25% dry basis, 25°C) in 10^(-9) m²/s</translation>
    </message>
    <message>
        <source>Wärmeleitkoeff. der trock. Platte in W/(m K)</source>
        <translation>Thermal conductivity of the dry plate in W/(m K)</translation>
    </message>
    <message>
        <source>Diff.-Widerstandszahl der trockenen Masse</source>
        <translation>Vapour diffusion resistance factor of the dry body</translation>
    </message>
    <message>
        <source>effekt. Wärmeübergangskoeff. in W/(m² K)</source>
        <translation>Effective heat-transfer coefficient in W/(m² K)</translation>
    </message>
    <message>
        <source>Temperatur der einfahrenden Rohlinge in °C </source>
        <translation>Temperature of the entering green bodies in °C </translation>
    </message>
    <message>
        <source>Außenlufttemperatur in °C </source>
        <translation>Outside-air temperature in °C </translation>
    </message>
    <message>
        <source>relative Außenluftfeuchtigkeit in % </source>
        <translation>Relative humidity of the outside air in % </translation>
    </message>
    <message>
        <source>Ablufttemperatur in °C </source>
        <translation>Exhaust-air temperature in °C </translation>
    </message>
    <message>
        <source>relative Abluftfeuchtigkeit in % </source>
        <translation>Relative humidity of the exhaust air in % </translation>
    </message>
    <message>
        <source>Gegenstromende bei Lufttemperatur in °C</source>
        <translation>Counter-current section ends at air temperature in °C</translation>
    </message>
    <message>
        <source>Ortsschrittweite in mm</source>
        <translation>Space step in mm</translation>
    </message>
    <message>
        <source>Zeitschrittweite in s</source>
        <translation>Time step in s</translation>
    </message>
    <message>
        <source>Anzahl der Berechnungen pro Kurve</source>
        <translation>Number of calculations per curve</translation>
    </message>
    <message>
        <source>Kappa-Steigung unter Grenzfeuchte</source>
        <translation>Kappa slope below the limit moisture</translation>
    </message>
</context>
<context>
    <name>Eingabeprüfung</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>minus unendlich</source>
        <translation>minus infinity</translation>
    </message>
    <message>
        <source>Division durch null</source>
        <translation>division by zero</translation>
    </message>
    <message>
        <source>die Zeit käme nicht voran</source>
        <translation>time would not advance</translation>
    </message>
    <message>
        <source>die Eingaben ergeben keinen endlichen Wert für %1.</source>
        <translation>the inputs give no finite value for %1.</translation>
    </message>
    <message>
        <source>das Feld ist leer; bitte eine Zahl eingeben.</source>
        <translation>the field is empty; please enter a number.</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl.</source>
        <translation>%1 is not a number.</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl: nach der Zahl steht noch %2 (erlaubt ist nur eine Einheit ohne Ziffern).</source>
        <translation>%1 is not a number: %2 follows the number (only a unit without digits is allowed).</translation>
    </message>
    <message>
        <source>die Zahl ist zu groß, um gelesen zu werden.</source>
        <translation>the number is too large to be read.</translation>
    </message>
    <message>
        <source>der Wert 0 ist nicht zulässig (%1).</source>
        <translation>the value 0 is not allowed (%1).</translation>
    </message>
    <message>
        <source>der Wert %1 ist nicht zulässig; er muss größer als 0 sein.</source>
        <translation>the value %1 is not allowed; it must be greater than 0.</translation>
    </message>
    <message>
        <source>der Wert %1 ist nicht zulässig; die Schwindung muss kleiner als 100 % sein.</source>
        <translation>the value %1 is not allowed; the shrinkage must be less than 100 %.</translation>
    </message>
    <message>
        <source>der Wert %1 °C liegt unter dem absoluten Nullpunkt (%2 °C).</source>
        <translation>the value %1 °C lies below absolute zero (%2 °C).</translation>
    </message>
    <message>
        <source>der Wert %1 % ist nicht zulässig; eine relative Feuchte liegt von 0 bis 100 %.</source>
        <translation>the value %1 % is not allowed; a relative humidity lies between 0 and 100 %.</translation>
    </message>
    <message>
        <source>bei 100 % ist die Abluft gesättigt und kann kein Wasser mehr aufnehmen; die Platte würde befeuchtet statt getrocknet. Die Abluftfeuchte muss kleiner als 100 % sein.</source>
        <translation>at 100 % the exhaust air is saturated and can take up no more water; the plate would be moistened instead of dried. The humidity of the exhaust air must be less than 100 %.</translation>
    </message>
    <message>
        <source>%1 muss eine ganze Zahl von 50 bis 500000 sein (gelesen: %2).</source>
        <translation>%1 must be a whole number from 50 to 500000 (read: %2).</translation>
    </message>
    <message>
        <source>das Gitter ist zu grob, um den Trocknungsspiegel zu verfolgen (%1 Ortsschritte pro Halbplatte, es braucht mindestens 10). Bitte die Ortsschrittweite auf höchstens %2 mm verkleinern.</source>
        <translation>the grid is too coarse to follow the drying front (%1 space steps per half plate, at least 10 are needed). Please reduce the space step to at most %2 mm.</translation>
    </message>
    <message>
        <source>die Anzahl der Ortsschritte pro Halbplatte (Dicke / Ortsschrittweite / 2, gerundet) muss von 10 bis %1 reichen; sie ist %2.</source>
        <translation>the number of space steps per half plate (thickness / space step / 2, rounded) must lie from 10 to %1; it is %2.</translation>
    </message>
    <message>
        <source>die Dicke der trockenen Platte ergibt sich zu 0 (Division durch null).</source>
        <translation>the thickness of the dry plate comes to 0 (division by zero).</translation>
    </message>
    <message>
        <source>die Flächenmasse der Platte</source>
        <translation>the mass per area of the plate</translation>
    </message>
    <message>
        <source>Zeitschrittweite / Ortsschrittweite²</source>
        <translation>time step / space step²</translation>
    </message>
    <message>
        <source>bei dieser Temperatur gibt es keinen endlichen Sättigungsdampfdruck.</source>
        <translation>at this temperature there is no finite saturation vapour pressure.</translation>
    </message>
    <message>
        <source>der Wasserdampfdruck der Abluft (%1 bar) erreicht den Gesamtdruck von 1 bar.</source>
        <translation>the vapour pressure of the exhaust air (%1 bar) reaches the total pressure of 1 bar.</translation>
    </message>
    <message>
        <source>der Wasserdampfdruck der Außenluft (%1 bar) erreicht den Gesamtdruck von 1 bar.</source>
        <translation>the vapour pressure of the outside air (%1 bar) reaches the total pressure of 1 bar.</translation>
    </message>
    <message>
        <source>die Wasserbeladung der Außenluft ist als Zahl einfacher Genauigkeit nicht darstellbar.</source>
        <translation>the humidity ratio of the outside air cannot be held as a single-precision number.</translation>
    </message>
    <message>
        <source>die Abluft (Wasserbeladung %1 kg/kg) muss feuchter sein als die Außenluft (%2 kg/kg), sonst gibt es keinen positiven Luftdurchsatz.</source>
        <translation>the exhaust air (humidity ratio %1 kg/kg) must be moister than the outside air (%2 kg/kg), otherwise there is no positive air flow.</translation>
    </message>
    <message>
        <source>den spezifischen Luftdurchsatz</source>
        <translation>the specific air flow</translation>
    </message>
    <message>
        <source>den Luftdurchsatz pro kg Wasser</source>
        <translation>the air flow per kg of water</translation>
    </message>
    <message>
        <source>die Temperatur der Trocknerzuluft</source>
        <translation>the temperature of the dryer&apos;s supply air</translation>
    </message>
    <message>
        <source>den spezifischen Energiebedarf</source>
        <translation>the specific energy demand</translation>
    </message>
    <message>
        <source>die Wasserbeladung der Luft</source>
        <translation>the humidity ratio of the air</translation>
    </message>
    <message>
        <source>den Dampfdruck der Luft</source>
        <translation>the vapour pressure of the air</translation>
    </message>
    <message>
        <source>die anfängliche Verdunstungsrate</source>
        <translation>the initial evaporation rate</translation>
    </message>
    <message>
        <source>die Dichte ist zu klein; die Masse des feuchten Rohlings ergibt sich zu 0.</source>
        <translation>the density is too small; the mass of the moist green body comes to 0.</translation>
    </message>
    <message>
        <source>den anfänglichen Wassergehalt</source>
        <translation>the initial water content</translation>
    </message>
    <message>
        <source>die offene Porosität</source>
        <translation>the open porosity</translation>
    </message>
    <message>
        <source>die Wasserbeladung am Schwindungsende</source>
        <translation>the moisture content at the end of shrinkage</translation>
    </message>
    <message>
        <source>das Anfangswasser reicht nicht für die Schwindung: bei dieser Dichte und Schwindung braucht schon das Schwindungsvolumen %1 kg/kg Wasser, die offene Porosität im trockenen Zustand ergäbe sich zu %2 %. Anfangswasserbeladung erhöhen oder Schwindung verkleinern.</source>
        <translation>the initial water does not suffice for the shrinkage: at this density and shrinkage the shrinkage volume alone needs %1 kg/kg of water, the open porosity of the dry body would come to %2 %. Raise the initial moisture content or lower the shrinkage.</translation>
    </message>
    <message>
        <source>die Wasserbeladung am Schwindungsende ist gleich der Anfangswasserbeladung, obwohl die Platte schwindet (Division durch null).</source>
        <translation>the moisture content at the end of shrinkage equals the initial moisture content, although the plate shrinks (division by zero).</translation>
    </message>
    <message>
        <source>für diese Dichte und Schwindung zu groß: der Rohling hätte bei 0,25 kg/kg ein negatives Volumen (Wurzel aus einer negativen Zahl).</source>
        <translation>too large for this density and shrinkage: the green body would have a negative volume at 0.25 kg/kg (root of a negative number).</translation>
    </message>
    <message>
        <source>für diese Dichte und Schwindung zu groß: der Rohling hätte bei 0,25 kg/kg kein Volumen mehr (Division durch null).</source>
        <translation>too large for this density and shrinkage: the green body would have no volume left at 0.25 kg/kg (division by zero).</translation>
    </message>
    <message>
        <source>den Wassergehalt bei 0,25 kg/kg</source>
        <translation>the water content at 0.25 kg/kg</translation>
    </message>
    <message>
        <source>der Wassergehalt bei 0,25 kg/kg ergibt sich zu 0 (Division durch null).</source>
        <translation>the water content at 0.25 kg/kg comes to 0 (division by zero).</translation>
    </message>
    <message>
        <source>die Feuchteleitfähigkeit am Schwindungsende</source>
        <translation>the moisture conductivity at the end of shrinkage</translation>
    </message>
    <message>
        <source>die Feuchteleitfähigkeit bei %1 kg/kg ergibt sich zu %2 m²/s; sie muss endlich und größer als 0 sein.</source>
        <translation>the moisture conductivity at %1 kg/kg comes to %2 m²/s; it must be finite and greater than 0.</translation>
    </message>
    <message>
        <source>der Text ist zu lang (%1 Bytes, höchstens %2).</source>
        <translation>the text is too long (%1 bytes, at most %2).</translation>
    </message>
    <message>
        <source>%1 enthält das Steuerzeichen %2; erlaubt sind nur sichtbare Zeichen und Leerzeichen.</source>
        <translation>%1 contains the control character %2; only visible characters and spaces are allowed.</translation>
    </message>
    <message>
        <source>%1 ist kein gültiger UTF-8-Text (Byte %2).</source>
        <translation>%1 is not valid UTF-8 text (byte %2).</translation>
    </message>
</context>
<context>
    <name>Ergebnisse</name>
    <message>
        <source>mittlere Wasserbeladung</source>
        <translation>mean moisture content</translation>
    </message>
    <message>
        <source>Oberflächentemperatur</source>
        <translation>surface temperature</translation>
    </message>
    <message>
        <source>Kerntemperatur</source>
        <translation>core temperature</translation>
    </message>
    <message>
        <source>lineare Schwindung</source>
        <translation>linear shrinkage</translation>
    </message>
    <message>
        <source>Trockengutdurchsatz</source>
        <translation>Dry mass throughput</translation>
    </message>
    <message>
        <source>Luftdurchsatz (trocken)</source>
        <translation>Air flow (dry)</translation>
    </message>
    <message>
        <source>Abluftvolumenstrom</source>
        <translation>Exhaust-air volume flow</translation>
    </message>
    <message>
        <source>Heizleistung</source>
        <translation>Heat output</translation>
    </message>
    <message>
        <source>verdunstetes Wasser</source>
        <translation>water evaporated</translation>
    </message>
    <message>
        <source>Wasserbeladung Schwind.-Ende in kg/kg</source>
        <translation>Moisture at end of shrinkage in kg/kg</translation>
    </message>
    <message>
        <source>offene Porosität im trock. Zustand in Vol.-%</source>
        <translation>Open porosity of the dry body in vol.-%</translation>
    </message>
    <message>
        <source>Vol.-%</source>
        <translation>vol.-%</translation>
    </message>
    <message>
        <source>spez. Luftdurchsatz in kg pro kg tr. Rohling</source>
        <translation>Specific air flow in kg per kg dry green body</translation>
    </message>
    <message>
        <source>spez. Luftdurchsatz in kg pro kg Wasser</source>
        <translation>Specific air flow in kg per kg water</translation>
    </message>
    <message>
        <source>Temperatur der Trocknerzuluft in °C</source>
        <translation>Dryer supply-air temperature in °C</translation>
    </message>
    <message>
        <source>laufende Zeit in hh : mm : ss</source>
        <translation>Running time in hh : mm : ss</translation>
    </message>
    <message>
        <source>Trocknungsdauer in h:mm:ss</source>
        <translation>Drying time in h:mm:ss</translation>
    </message>
    <message>
        <source>mom. Lufttemperatur in °C</source>
        <translation>Current air temperature in °C</translation>
    </message>
    <message>
        <source>mom. Wasserbeladung der Luft in kg/kg</source>
        <translation>Current humidity ratio of the air in kg/kg</translation>
    </message>
    <message>
        <source>mom. Oberflächentemperatur in °C</source>
        <translation>Current surface temperature in °C</translation>
    </message>
    <message>
        <source>mom. Kerntemperatur in °C</source>
        <translation>Current core temperature in °C</translation>
    </message>
    <message>
        <source>mom. Rohlingswasser in kg/kg atro</source>
        <translation>Current moisture of the green body in kg/kg dry basis</translation>
    </message>
    <message>
        <source>mom. Wärmestromdichte in kW/m²</source>
        <translation>Current heat flux in kW/m²</translation>
    </message>
    <message>
        <source>mom. Verdunstungsrate in kg/(m² h)</source>
        <translation>Current evaporation rate in kg/(m² h)</translation>
    </message>
    <message>
        <source>Dauer der Gegenstromtrockn. hh:mm:ss</source>
        <translation>Counter-current drying time hh:mm:ss</translation>
    </message>
    <message>
        <source>Dauer der Gegenstromtrocknung in h:mm:ss</source>
        <translation>Duration of the counter-current drying in h:mm:ss</translation>
    </message>
    <message>
        <source>danach Wasserbeladung in kg/kg atro</source>
        <translation>Moisture content afterwards in kg/kg dry basis</translation>
    </message>
    <message>
        <source>Wasserbeladung nach der Gegenstromtrocknung in kg/kg atro</source>
        <translation>Moisture content after the counter-current drying in kg/kg dry basis</translation>
    </message>
    <message>
        <source>Dauer des 1. TroAbschn. in hh : mm : ss</source>
        <translation>Duration of 1st drying period in hh : mm : ss</translation>
    </message>
    <message>
        <source>Dauer des 1. Trocknungsabschnitts in h:mm:ss</source>
        <translation>Duration of the first drying period in h:mm:ss</translation>
    </message>
    <message>
        <source>Wasserbeladung nach dem 1. TA in kg/kg atro</source>
        <translation>Moisture content after the first drying period in kg/kg dry basis</translation>
    </message>
    <message>
        <source>anfängliche Verdunstungsrate in kg/(m² h)</source>
        <translation>Initial evaporation rate in kg/(m² h)</translation>
    </message>
    <message>
        <source>Dauer der Oberflächenschw. hh : mm : ss</source>
        <translation>Duration of surface shrinkage hh : mm : ss</translation>
    </message>
    <message>
        <source>Ende der Schwindung an der Oberfläche in h:mm:ss</source>
        <translation>End of shrinkage at the surface in h:mm:ss</translation>
    </message>
    <message>
        <source>max. Differenz der lin. Schwindung in % </source>
        <translation>Max. difference of linear shrinkage in % </translation>
    </message>
    <message>
        <source>größte Schwindungsdifferenz Oberfläche – Kern in %</source>
        <translation>Largest shrinkage difference surface – core in %</translation>
    </message>
    <message>
        <source>max. Schwindungsgradient in % pro mm</source>
        <translation>Max. shrinkage gradient in % per mm</translation>
    </message>
    <message>
        <source>% pro mm</source>
        <translation>% per mm</translation>
    </message>
    <message>
        <source>größter Schwindungsgradient in % pro mm</source>
        <translation>Largest shrinkage gradient in % per mm</translation>
    </message>
    <message>
        <source>Dauer der Kernschwindung in hh : mm : ss</source>
        <translation>Duration of core shrinkage in hh : mm : ss</translation>
    </message>
    <message>
        <source>Ende der Schwindung im Kern in h:mm:ss</source>
        <translation>End of shrinkage in the core in h:mm:ss</translation>
    </message>
    <message>
        <source>mittl. spez. Energiebedarf in kJ/kg H2O</source>
        <translation>Mean specific energy demand in kJ/kg H2O</translation>
    </message>
    <message>
        <source>mittl. Energie / Verdampfungsenthalpie</source>
        <translation>Mean energy / enthalpy of evaporation</translation>
    </message>
    <message>
        <source>Anzahl der Ortsschritte pro Halbplatte</source>
        <translation>Number of space steps per half plate</translation>
    </message>
    <message>
        <source>Ortsschritte je halbe Dicke</source>
        <translation>Space steps per half thickness</translation>
    </message>
    <message>
        <source>relativer Wasserfehler in %</source>
        <translation>Relative water error in %</translation>
    </message>
    <message>
        <source>größte Verdunstungsrate (geglättet)</source>
        <translation>Largest evaporation rate (smoothed)</translation>
    </message>
    <message>
        <source>größte Verdunstungsrate in kg/(m² h)</source>
        <translation>Largest evaporation rate in kg/(m² h)</translation>
    </message>
    <message>
        <source>Restfeuchte des Rechenprofils</source>
        <translation>Residual moisture of the computed profile</translation>
    </message>
    <message>
        <source>Dicke der trockenen Platte</source>
        <translation>Thickness of the dry plate</translation>
    </message>
    <message>
        <source>Wasserbeladung der Abluft</source>
        <translation>Humidity ratio of the exhaust air</translation>
    </message>
    <message>
        <source>Kühlgrenztemperatur der Abluft</source>
        <translation>Wet-bulb temperature of the exhaust air</translation>
    </message>
    <message>
        <source>Wasserbeladung der Außenluft</source>
        <translation>Humidity ratio of the outside air</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
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
        <source>Anzeige im Fenster</source>
        <translation>Shown in the window</translation>
    </message>
    <message>
        <source>Wert mit allen Stellen</source>
        <translation>Value with all digits</translation>
    </message>
    <message>
        <source>Schlüssel</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>time</translation>
    </message>
    <message>
        <source>Verlauf der mittleren Wasserbeladung</source>
        <translation>course of the mean moisture content</translation>
    </message>
    <message>
        <source>Wasserbeladung an der Oberfläche</source>
        <translation>moisture content at the surface</translation>
    </message>
    <message>
        <source>Verlauf der Oberflächenfeuchte</source>
        <translation>course of the surface moisture</translation>
    </message>
    <message>
        <source>Wasserbeladung im Kern</source>
        <translation>moisture content in the core</translation>
    </message>
    <message>
        <source>Verlauf der Kernfeuchte</source>
        <translation>course of the core moisture</translation>
    </message>
    <message>
        <source>lineare Schwindung an der Oberfläche</source>
        <translation>linear shrinkage at the surface</translation>
    </message>
    <message>
        <source>Verlauf der Oberflächenschwindung</source>
        <translation>course of the surface shrinkage</translation>
    </message>
    <message>
        <source>lineare Schwindung im Kern</source>
        <translation>linear shrinkage in the core</translation>
    </message>
    <message>
        <source>Verlauf der Kernschwindung</source>
        <translation>course of the core shrinkage</translation>
    </message>
    <message>
        <source>Lufttemperatur</source>
        <translation>air temperature</translation>
    </message>
    <message>
        <source>Verlauf der Lufttemperatur</source>
        <translation>course of the air temperature</translation>
    </message>
    <message>
        <source>Verlauf der Oberflächentemperatur</source>
        <translation>course of the surface temperature</translation>
    </message>
    <message>
        <source>Verlauf der Kerntemperatur</source>
        <translation>course of the core temperature</translation>
    </message>
    <message>
        <source>Verdunstungsrate</source>
        <translation>evaporation rate</translation>
    </message>
    <message>
        <source>Verlauf der Verdunstungsrate</source>
        <translation>course of the evaporation rate</translation>
    </message>
    <message>
        <source>Tiefe des Trocknungsspiegels</source>
        <translation>depth of the drying front</translation>
    </message>
    <message>
        <source>Verlauf des Trocknungsspiegels</source>
        <translation>course of the drying front</translation>
    </message>
    <message>
        <source>Wasserbeladung der Luft</source>
        <translation>humidity ratio of the air</translation>
    </message>
    <message>
        <source>Verlauf der Wasserbeladung der Luft</source>
        <translation>course of the humidity ratio of the air</translation>
    </message>
</context>
<context>
    <name>Lauf</name>
    <message>
        <source>Zeitreihen voll: Die Rechnung wurde bei der Zeit%1 angehalten, denn die Zeitreihen fassen höchstens 500000 Zeitschritte. Bitte die Zeitschrittweite vergrößern und die Ortsschrittweite mit der Wurzel desselben Faktors, damit Feuchteleitk. × Zeitschrittweite / Ortsschrittweite² (in m²/s, s, m; hier %2) bei 0,3 bis 1 bleibt: dort ist der Wasserfehler am kleinsten.</source>
        <translation>Time series full: the calculation was stopped at%1, because the time series hold at most 500000 time steps. Please increase the time step, and the space step by the square root of the same factor, so that moisture conductivity × time step / space step² (in m²/s, s, m; here %2) stays from 0.3 to 1: there the water error is smallest.</translation>
    </message>
    <message>
        <source>Die Rechnung wurde bei der Zeit%1 angehalten, weil das Feuchteprofil keine endlichen Werte mehr hat. Bitte die Eingaben prüfen (Zeitschrittweite verkleinern oder Ortsschrittweite vergrößern).</source>
        <translation>The calculation was stopped at%1 because the moisture profile no longer has finite values. Please check the inputs (reduce the time step or increase the space step).</translation>
    </message>
    <message>
        <source>Die Rechnung hat die Plattenmitte erreicht, aber diese Ergebnisse sind keine endlichen Zahlen: %1. Der Lauf ist gescheitert. Bitte die Eingaben prüfen (Wärmeübergangskoeffizient und Zeitschrittweite im üblichen Bereich).</source>
        <translation>The calculation reached the middle of the plate, but these results are not finite numbers: %1. The run has failed. Please check the inputs (heat-transfer coefficient and time step in their usual ranges).</translation>
    </message>
    <message>
        <source>Dauer des 1. Trocknungsabschnitts</source>
        <translation>duration of the first drying period</translation>
    </message>
    <message>
        <source>Wasserbeladung nach dem 1. Trocknungsabschnitt</source>
        <translation>moisture content after the first drying period</translation>
    </message>
    <message>
        <source>Dauer der Oberflächenschwindung</source>
        <translation>duration of surface shrinkage</translation>
    </message>
    <message>
        <source>Dauer der Kernschwindung</source>
        <translation>duration of core shrinkage</translation>
    </message>
    <message>
        <source>max. Schwindungsgradient</source>
        <translation>max. shrinkage gradient</translation>
    </message>
    <message>
        <source>Temperatur der Trocknerzuluft</source>
        <translation>temperature of the dryer&apos;s supply air</translation>
    </message>
    <message>
        <source>spez. Energiebedarf</source>
        <translation>specific energy demand</translation>
    </message>
    <message>
        <source>Energie / Verdampfungsenthalpie</source>
        <translation>energy / enthalpy of evaporation</translation>
    </message>
    <message>
        <source>relativer Wasserfehler</source>
        <translation>relative water error</translation>
    </message>
    <message>
        <source>Die Zeitreihen fassen höchstens %1 Zeitschritte; diese Rechnung braucht voraussichtlich etwa %2.</source>
        <translation>The time series hold at most %1 time steps; this calculation will probably need about %2.</translation>
    </message>
</context>
<context>
    <name>Luftbilanz</name>
    <message>
        <source>die Körperwärme geht mal der Zeitschrittweite und ab 0 °C ein (Vorgabe)</source>
        <translation>the heat of the body counts times the time step and from 0 °C on (default)</translation>
    </message>
    <message>
        <source>die Körperwärme geht je Schritt einmal ein, ab der Kerntemperatur zu Beginn des Abschnitts: die Dauer der Gegenstromtrocknung hängt kaum noch von der Zeitschrittweite ab</source>
        <translation>the heat of the body counts once per step, from the core temperature at the start of the section: the duration of the counter-current drying hardly depends on the time step any more</translation>
    </message>
    <message>
        <source>%1 oder %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine Luftbilanz; möglich sind %2.</source>
        <translation>“%1” is not an air balance; the choices are %2.</translation>
    </message>
</context>
<context>
    <name>Plausibilität</name>
    <message>
        <source>„%1“: %2 liegt außerhalb des üblichen Bereichs von %3 bis %4.</source>
        <translation>“%1”: %2 lies outside the usual range of %3 to %4.</translation>
    </message>
</context>
<context>
    <name>Projektdaten</name>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>Bearbeiter</source>
        <translation>Prepared by</translation>
    </message>
    <message>
        <source>Bemerkung</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>ist zu lang (%1 Bytes, höchstens %2)</source>
        <translation>is too long (%1 bytes, at most %2)</translation>
    </message>
    <message>
        <source>enthält einen Zeilenumbruch oder ein Steuerzeichen</source>
        <translation>contains a line break or a control character</translation>
    </message>
</context>
</TS>
