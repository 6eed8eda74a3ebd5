<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OptimiseResultText</name>
    <message>
        <source>%1 Läufe in %2</source>
        <translation>%1 runs in %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Optimum gefunden&lt;/b&gt; (%1).</source>
        <translation>&lt;b&gt;Optimum found&lt;/b&gt; (%1).</translation>
    </message>
    <message>
        <source>&lt;b&gt;Kein zulässiger Punkt gefunden&lt;/b&gt; (%1): %2</source>
        <translation>&lt;b&gt;No feasible point found&lt;/b&gt; (%1): %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;Abgebrochen&lt;/b&gt; (%1), bis dahin kein zulässiger Punkt.</source>
        <translation>&lt;b&gt;Cancelled&lt;/b&gt; (%1), no feasible point until then.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Abgebrochen&lt;/b&gt; (%1); der beste zulässige Punkt bis dahin:</source>
        <translation>&lt;b&gt;Cancelled&lt;/b&gt; (%1); the best feasible point until then:</translation>
    </message>
    <message>
        <source>&lt;b&gt;Die Suche ist gescheitert:&lt;/b&gt; %1</source>
        <translation>&lt;b&gt;The search failed:&lt;/b&gt; %1</translation>
    </message>
    <message>
        <source>%1 (Kontrolllauf)</source>
        <translation>%1 (check run)</translation>
    </message>
    <message>
        <source>zulässig</source>
        <translation>feasible</translation>
    </message>
    <message>
        <source>nicht zulässig</source>
        <translation>not feasible</translation>
    </message>
    <message>
        <source>verletzt</source>
        <translation>violated</translation>
    </message>
    <message>
        <source>eingehalten</source>
        <translation>kept</translation>
    </message>
    <message>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
</context>
<context>
    <name>StudyWindow</name>
    <message>
        <source>1 Fall</source>
        <translation>1 case</translation>
    </message>
    <message>
        <source>%1 Fälle</source>
        <translation>%1 cases</translation>
    </message>
</context>
<context>
    <name>lamvero::DecisionTable</name>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Wert im Fall</source>
        <translation>Value in the case</translation>
    </message>
    <message>
        <source>untere Grenze</source>
        <translation>lower limit</translation>
    </message>
    <message>
        <source>obere Grenze</source>
        <translation>upper limit</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl</source>
        <translation>%1 is not a number</translation>
    </message>
</context>
<context>
    <name>lamvero::FitDialog</name>
    <message>
        <source>An Messkurve anpassen</source>
        <translation>Fit to a measured curve</translation>
    </message>
    <message>
        <source>Keine Messkurve</source>
        <translation>No measured curve</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Schreibt die angepassten Werte in die Eingabefelder des Programmfensters</source>
        <translation>Writes the fitted values into the input boxes of the program window</translation>
    </message>
    <message>
        <source>%v von %m Läufen</source>
        <translation>%v of %m runs</translation>
    </message>
    <message>
        <source>höchstens</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>Läufe</source>
        <translation>runs</translation>
    </message>
    <message>
        <source>Messkurve: %1, %2 Punkte</source>
        <translation>Measured curve: %1, %2 points</translation>
    </message>
    <message>
        <source>ohne Namen</source>
        <translation>unnamed</translation>
    </message>
    <message>
        <source>Messkurve</source>
        <translation>Measured curve</translation>
    </message>
    <message>
        <source>keine geladen (Datei ▸ Messkurve laden…)</source>
        <translation>none loaded (File ▸ Load measured curve…)</translation>
    </message>
    <message>
        <source>Anpassung läuft …</source>
        <translation>Fitting …</translation>
    </message>
    <message>
        <source>Anpassung abgebrochen nach %1; die Eingaben bleiben unverändert.</source>
        <translation>Fit cancelled after %1; the inputs stay unchanged.</translation>
    </message>
    <message>
        <source>Zeit %1</source>
        <translation>Time %1</translation>
    </message>
    <message>
        <source>noch höchstens ca. %1</source>
        <translation>at most about %1 left</translation>
    </message>
    <message>
        <source>kleinste Fehlerquadratsumme %1</source>
        <translation>smallest sum of squared errors %1</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:red&apos;&gt;Die Anpassung gelang nicht: %1&lt;/span&gt;</source>
        <translation>&lt;span style=&apos;color:red&apos;&gt;The fit failed: %1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Anpassung fertig: %1 Läufe in %2.</source>
        <translation>Fit done: %1 runs in %2.</translation>
    </message>
    <message>
        <source>Übernommen: %1.</source>
        <translation>Applied: %1.</translation>
    </message>
</context>
<context>
    <name>lamvero::FitParameterModel</name>
    <message>
        <source>anpassen</source>
        <translation>fit</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Startwert</source>
        <translation>Start value</translation>
    </message>
    <message>
        <source>untere Schranke</source>
        <translation>lower bound</translation>
    </message>
    <message>
        <source>obere Schranke</source>
        <translation>upper bound</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 von „%2“</source>
        <translation>%1 of &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>lamvero::FitQuantityPanel</name>
    <message>
        <source>Messgrößen</source>
        <translation>Measured quantities</translation>
    </message>
    <message>
        <source>Gewicht</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Gewicht von „%1“</source>
        <translation>Weight of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>muss eine Zahl größer als 0 sein</source>
        <translation>must be a number greater than 0</translation>
    </message>
</context>
<context>
    <name>lamvero::FitResultView</name>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Wert ± 95 %</source>
        <translation>Value ± 95 %</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Schranke</source>
        <translation>Bound</translation>
    </message>
    <message>
        <source>Messgröße</source>
        <translation>Measured quantity</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Korrelation der angepassten Werte</source>
        <translation>Correlation of the fitted values</translation>
    </message>
    <message>
        <source>%1 Läufe in %2</source>
        <translation>%1 runs in %2</translation>
    </message>
    <message>
        <source>erreicht</source>
        <translation>reached</translation>
    </message>
</context>
<context>
    <name>lamvero::LimitRows</name>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>kein Wert angegeben</source>
        <translation>no value given</translation>
    </message>
    <message>
        <source>keine Dauer h:mm:ss</source>
        <translation>no duration h:mm:ss</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
</context>
<context>
    <name>lamvero::OptimiseDialog</name>
    <message>
        <source>Trockner optimieren</source>
        <translation>Optimise the dryer</translation>
    </message>
    <message>
        <source>Laufzeit %1</source>
        <translation>Elapsed %1</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Grundfall übernehmen</source>
        <translation>Take base case</translation>
    </message>
    <message>
        <source>Die Eingaben des Hauptfensters werden der Grundfall der Suche.</source>
        <translation>The inputs of the main window become the base case of the search.</translation>
    </message>
    <message>
        <source>Grundfall</source>
        <translation>Base case</translation>
    </message>
    <message>
        <source>Ziel: kleinster Wert von</source>
        <translation>Goal: smallest value of</translation>
    </message>
    <message>
        <source>höchstens Läufe</source>
        <translation>at most runs</translation>
    </message>
    <message>
        <source>Gesuchte Eingaben</source>
        <translation>Inputs searched</translation>
    </message>
    <message>
        <source>Grenzen</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%v von %m Läufen</source>
        <translation>%v of %m runs</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Schreibt die Werte des Optimums in die Eingabefelder des Hauptfensters.</source>
        <translation>Writes the values of the optimum into the input boxes of the main window.</translation>
    </message>
    <message>
        <source>Die Heizleistung braucht den Durchsatz der Anlage; der Fall hat keine Anlagendaten.</source>
        <translation>The heater power needs the plant&apos;s throughput; the case has no plant figures.</translation>
    </message>
    <message>
        <source>die Eingaben des Hauptfensters</source>
        <translation>the inputs of the main window</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:#c00000&quot;&gt;Im Hauptfenster seither geändert: %1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:#c00000&quot;&gt;Changed in the main window since: %1&lt;/span&gt;</translation>
    </message>
    <message>
        <source>die Suche gilt den Einstellungen eines Trockners; erst Berechnung ▸ Laborversuch ausschalten, dann Grundfall übernehmen</source>
        <translation>the search is for the settings of a dryer; first switch off Calculation ▸ Laboratory test, then take the base case</translation>
    </message>
    <message>
        <source>noch kein zulässiger Lauf</source>
        <translation>no feasible run yet</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Abgebrochen&lt;/b&gt; nach %1 Läufen; die Eingaben bleiben unverändert.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Cancelled&lt;/b&gt; after %1 runs; the inputs stay unchanged.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>noch höchstens ca. %1</source>
        <translation>at most about %1 left</translation>
    </message>
    <message>
        <source>bestes Ziel bisher: %1</source>
        <translation>best goal so far: %1</translation>
    </message>
</context>
<context>
    <name>lamvero::ResidualChart</name>
    <message>
        <source>Residuen (Modell − Messung)</source>
        <translation>Residuals (model − measurement)</translation>
    </message>
    <message>
        <source>Zeit in h</source>
        <translation>Time in h</translation>
    </message>
    <message>
        <source>Residuum / Spannweite der Messwerte</source>
        <translation>Residual / range of the measured values</translation>
    </message>
    <message>
        <source>Residuum in %1</source>
        <translation>Residual in %1</translation>
    </message>
</context>
<context>
    <name>lamvero::SearchPathChart</name>
    <message>
        <source>zulässig</source>
        <translation>feasible</translation>
    </message>
    <message>
        <source>Grenze verletzt</source>
        <translation>limit violated</translation>
    </message>
    <message>
        <source>bestes bisher</source>
        <translation>best so far</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Ziel in %1</source>
        <translation>Goal in %1</translation>
    </message>
</context>
<context>
    <name>lamvero::StudyColourMap</name>
    <message>
        <source>ohne Wert</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>keine Werte</source>
        <translation>no values</translation>
    </message>
    <message>
        <source>%1: noch nicht gerechnet</source>
        <translation>%1: not calculated yet</translation>
    </message>
    <message>
        <source>%1: %2 ohne Wert</source>
        <translation>%1: %2 without a value</translation>
    </message>
</context>
<context>
    <name>lamvero::StudyFileMenu</name>
    <message>
        <source>Lamvero-Studien (*.lamvero-studie);;Alle Dateien (*)</source>
        <translation>Lamvero studies (*.lamvero-studie);;All files (*)</translation>
    </message>
    <message>
        <source>CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Studie ö&amp;ffnen…</source>
        <translation>&amp;Open study…</translation>
    </message>
    <message>
        <source>Studie &amp;speichern…</source>
        <translation>&amp;Save study…</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;einlesen…</source>
        <translation>&amp;Read results…</translation>
    </message>
    <message>
        <source>&amp;Tabelle als CSV…</source>
        <translation>&amp;Table as CSV…</translation>
    </message>
    <message>
        <source>Diagramm als &amp;PNG…</source>
        <translation>Chart as &amp;PNG…</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Diagramm als S&amp;VG…</source>
        <translation>Chart as S&amp;VG…</translation>
    </message>
    <message>
        <source>SVG-Grafiken (*.svg)</source>
        <translation>SVG graphics (*.svg)</translation>
    </message>
    <message>
        <source>Die Ergebnisse der Studie sind nicht gespeichert.
Sollen sie gespeichert werden?</source>
        <translation>The results of the study are not saved.
Save them?</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden:
%2</source>
        <translation>%1 could not be written:
%2</translation>
    </message>
    <message>
        <source>Studie öffnen</source>
        <translation>Open study</translation>
    </message>
    <message>
        <source>Studie speichern</source>
        <translation>Save study</translation>
    </message>
    <message>
        <source>Ergebnisse der Studie einlesen</source>
        <translation>Read the results of the study</translation>
    </message>
    <message>
        <source>Tabelle der Studie als CSV</source>
        <translation>Table of the study as CSV</translation>
    </message>
    <message>
        <source>Diagramm der Studie speichern</source>
        <translation>Save the chart of the study</translation>
    </message>
    <message>
        <source>Studie</source>
        <translation>Study</translation>
    </message>
</context>
<context>
    <name>lamvero::StudyPlotPane</name>
    <message>
        <source>&amp;Kurvenschar</source>
        <translation>&amp;Family of curves</translation>
    </message>
    <message>
        <source>&amp;Farbkarte</source>
        <translation>Colour &amp;map</translation>
    </message>
    <message>
        <source>&amp;Ergebnis:</source>
        <translation>&amp;Result:</translation>
    </message>
    <message>
        <source>Feld anklicken: diesen Fall wählen</source>
        <translation>Click a cell: choose this case</translation>
    </message>
    <message>
        <source>Die Kurvenschar braucht Zahlen über „%1“, doch der Wert „%2“ ist keine.</source>
        <translation>The family of curves needs numbers along &quot;%1&quot;, but the value &quot;%2&quot; is none.</translation>
    </message>
    <message>
        <source> Die Farbkarte zeigt die Fälle.</source>
        <translation> The colour map shows the cases.</translation>
    </message>
    <message>
        <source>Fall %1: </source>
        <translation>Case %1: </translation>
    </message>
    <message>
        <source>Es ist keine Studie gezeigt.</source>
        <translation>No study is shown.</translation>
    </message>
</context>
<context>
    <name>lamvero::StudyWindow</name>
    <message>
        <source>Studie</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Schl&amp;ießen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Grundfall übernehmen</source>
        <translation>Take base case</translation>
    </message>
    <message>
        <source>Die Eingaben des Hauptfensters werden der Grundfall der Studie.</source>
        <translation>The inputs of the main window become the base case of the study.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Grundfall: die Eingaben des Hauptfensters, übernommen um %1</source>
        <translation>Base case: the inputs of the main window, taken at %1</translation>
    </message>
    <message>
        <source>%1 geöffnet</source>
        <translation>%1 opened</translation>
    </message>
    <message>
        <source>Geschätzte Dauer: keine Schätzung, der Grundfall selbst wird abgelehnt.</source>
        <translation>Estimated duration: no estimate, the base case itself is refused.</translation>
    </message>
    <message>
        <source>Geschätzte Dauer: ein Lauf des Grundfalls wird gemessen …</source>
        <translation>Estimated duration: timing a run of the base case …</translation>
    </message>
    <message>
        <source>Geschätzte Dauer: %1 (ein Lauf des Grundfalls %2, %3 Kerne)</source>
        <translation>Estimated duration: %1 (a run of the base case %2, %3 cores)</translation>
    </message>
    <message>
        <source>noch ca. %1</source>
        <translation>about %1 left</translation>
    </message>
    <message>
        <source>Studie abgebrochen nach %1 von %2</source>
        <translation>Study stopped after %1 of %2</translation>
    </message>
    <message>
        <source>Die Studie brach ab: %1</source>
        <translation>The study stopped: %1</translation>
    </message>
    <message>
        <source>Studie abgebrochen: %1 von %2 gerechnet</source>
        <translation>Study cancelled: %1 of %2 calculated</translation>
    </message>
    <message>
        <source>%1 gerechnet in %2</source>
        <translation>%1 calculated in %2</translation>
    </message>
    <message>
        <source>Im Hauptfenster öffnen</source>
        <translation>Open in the main window</translation>
    </message>
    <message>
        <source>In Diagramme übernehmen</source>
        <translation>Add to Charts</translation>
    </message>
    <message>
        <source>Studie, Fall %1</source>
        <translation>Study, case %1</translation>
    </message>
    <message>
        <source>%1 wird nicht gerechnet: %2</source>
        <translation>%1 is not calculated: %2</translation>
    </message>
</context>
<context>
    <name>lamvero::VariationRow</name>
    <message>
        <source>Bereich</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>From</translation>
    </message>
    <message>
        <source>der erste Wert</source>
        <translation>the first value</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>To</translation>
    </message>
    <message>
        <source>der letzte Wert (einschließlich)</source>
        <translation>the last value (included)</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>der Abstand der Werte</source>
        <translation>the spacing of the values</translation>
    </message>
    <message>
        <source>Werte, durch „;“ getrennt, z. B. 35;45;55 oder 0,5;1,5</source>
        <translation>Values separated by &quot;;&quot;, e.g. 35;45;55 or 0.5;1.5</translation>
    </message>
    <message>
        <source>%1. variierte Eingabe</source>
        <translation>Varied input %1</translation>
    </message>
</context>
</TS>
