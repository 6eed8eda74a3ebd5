<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>lamvero::AccuracyControl</name>
    <message>
        <source>Genauigkeit: nicht geschätzt (Ansicht ▸ Genauigkeit…)</source>
        <translation>Accuracy: not estimated (View ▸ Accuracy…)</translation>
    </message>
    <message>
        <source>Genauigkeit: Schätzung läuft …</source>
        <translation>Accuracy: estimate running …</translation>
    </message>
    <message>
        <source>Genauigkeit: Schätzung läuft, Stufe %1 von %2 gerechnet …</source>
        <translation>Accuracy: estimate running, level %1 of %2 calculated …</translation>
    </message>
    <message>
        <source>Genauigkeit: keine Schätzung – </source>
        <translation>Accuracy: no estimate – </translation>
    </message>
    <message>
        <source>Schrittweiten automatisch</source>
        <translation>Automatic steps</translation>
    </message>
    <message>
        <source>Die Schritte werden verfeinert, bis sich kein Kennergebnis um mehr als die Toleranz ändert.
Toleranz in %:</source>
        <translation>The steps are refined until no key result changes by more than the tolerance.
Tolerance in %:</translation>
    </message>
    <message>
        <source>Schrittweiten werden gesucht …</source>
        <translation>Searching for the steps …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schrittweiten werden gesucht: %1 Stufen gerechnet …</source>
        <translation>Searching for the steps: %1 levels calculated …</translation>
    </message>
    <message>
        <source>Schrittweiten automatisch: </source>
        <translation>Automatic steps: </translation>
    </message>
    <message>
        <source>.
Die Schrittweiten stehen in den Eingabefeldern; Start rechnet mit ihnen.</source>
        <translation>.
The steps are in the input boxes; Start calculates with them.</translation>
    </message>
    <message>
        <source>
Diese Schrittweiten nimmt eine Rechnung im Fenster nicht: </source>
        <translation>
A calculation in the window does not take these steps: </translation>
    </message>
    <message>
        <source>
Die Eingabefelder bleiben unverändert; lamvero-batch --auto-steps rechnet mit ihnen.</source>
        <translation>
The input boxes stay unchanged; lamvero-batch --auto-steps calculates with them.</translation>
    </message>
</context>
<context>
    <name>lamvero::AccuracyPanel</name>
    <message>
        <source>Genauigkeit</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>Nach jeder Rechnung schätzen</source>
        <translation>Estimate after every calculation</translation>
    </message>
    <message>
        <source>Jetzt schätzen</source>
        <translation>Estimate now</translation>
    </message>
    <message>
        <source>Verfeinerung: %1; Stufen (Zeitschrittweite/Ortsschrittweite): %2</source>
        <translation>Refinement: %1; levels (time step/space step): %2</translation>
    </message>
    <message>
        <source>Kennergebnis</source>
        <translation>Key result</translation>
    </message>
    <message>
        <source>diese Rechnung</source>
        <translation>this calculation</translation>
    </message>
    <message>
        <source>gegen extrapoliert</source>
        <translation>against extrapolated</translation>
    </message>
    <message>
        <source>feinste Stufe</source>
        <translation>finest level</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Ordnung</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>extrapoliert</source>
        <translation>extrapolated</translation>
    </message>
    <message>
        <source>Fehler der feinsten Stufe</source>
        <translation>Error of the finest level</translation>
    </message>
    <message>
        <source>geschätzter Fehler über der Toleranz</source>
        <translation>estimated error above the tolerance</translation>
    </message>
    <message>
        <source>Die Schätzung rechnet denselben Fall noch einmal mit feineren Schritten und schätzt daraus, wie weit jedes Kennergebnis vom Ergebnis des Modells bei verschwindenden Schritten entfernt ist (Richardson-Extrapolation, Grid Convergence Index): die Spalte „gegen extrapoliert“ zeigt, wie weit die Werte dieser Rechnung davon abliegen, der Fehler gilt für die feinste Stufe. Sie beurteilt nur die Zahlen des Modells, nicht das Modell gegenüber einem wirklichen Trockner; der relative Wasserfehler ist eine Wasserbilanz und zeigt diesen Fehler nicht. Ergebnisse über der Toleranz sind rot. Mehr im Handbuch (F1), Kapitel Genauigkeit.</source>
        <translation>The estimate calculates the same case again with finer steps and from that estimates how far each key result is from the model&apos;s result at vanishing steps (Richardson extrapolation, Grid Convergence Index): the column &quot;against extrapolated&quot; shows how far the values of this calculation lie from it; the error applies to the finest level. It judges only the model&apos;s numbers, not the model against a real dryer; the relative water error is a water balance and does not show this error. Results above the tolerance are red. More in the manual (F1), in its chapter on accuracy.</translation>
    </message>
</context>
<context>
    <name>lamvero::AppWindow</name>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Be&amp;rechnung</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Genauigkeit…</source>
        <translation>&amp;Accuracy…</translation>
    </message>
    <message>
        <source>&amp;Schrittweiten automatisch…</source>
        <translation>Automatic &amp;steps…</translation>
    </message>
    <message>
        <source>&amp;Anlagenwerte…</source>
        <translation>&amp;Plant figures…</translation>
    </message>
    <message>
        <source>&amp;Diagramme</source>
        <translation>C&amp;harts</translation>
    </message>
    <message>
        <source>&amp;Studie…</source>
        <translation>S&amp;tudy…</translation>
    </message>
    <message>
        <source>Der Fall kann während einer Rechnung nicht geöffnet werden: erst die Rechnung anhalten oder ihr Ende abwarten.</source>
        <translation>The case cannot be opened during a calculation: stop the calculation first or wait for its end.</translation>
    </message>
    <message>
        <source>An &amp;Messkurve anpassen…</source>
        <translation>&amp;Fit to a measured curve…</translation>
    </message>
    <message>
        <source>&amp;Anhalten	Esc</source>
        <translation>&amp;Stop	Esc</translation>
    </message>
    <message>
        <source>Luftbilanz unabhängig vom Zeitschritt</source>
        <translation>Air balance independent of the time step</translation>
    </message>
    <message>
        <source>Die Luft bleibt den ganzen Lauf im Zustand der Abluft (der Klimakammer): das Ende der Gegenstromtrocknung folgt der Ablufttemperatur.</source>
        <translation>The air stays in the state of the exhaust air (the climate chamber) for the whole run: the end of counter-current drying follows the exhaust air temperature.</translation>
    </message>
    <message>
        <source>&amp;Optimieren…</source>
        <translation>&amp;Optimise…</translation>
    </message>
    <message>
        <source>Die Werte können während einer Rechnung nicht übernommen werden: erst die Rechnung anhalten oder ihr Ende abwarten.</source>
        <translation>The values cannot be taken over during a calculation: stop the calculation first or wait for its end.</translation>
    </message>
    <message>
        <source>&amp;Fensterbild als PNG…</source>
        <translation>&amp;Window picture as PNG…</translation>
    </message>
    <message>
        <source>&amp;Bericht als PDF…</source>
        <translation>&amp;Report as PDF…</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Ergebnisse &amp;kopieren</source>
        <translation>&amp;Copy results</translation>
    </message>
    <message>
        <source>&amp;Handbuch</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Über &amp;Lamvero</source>
        <translation>About &amp;Lamvero</translation>
    </message>
    <message>
        <source>Das Bild %1 kann nicht geschrieben werden: %2</source>
        <translation>The picture %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Der Bericht kann nicht gedruckt werden: der Drucker %1 nimmt ihn nicht an.</source>
        <translation>The report cannot be printed: the printer %1 does not accept it.</translation>
    </message>
    <message>
        <source>Fensterbild als PNG speichern</source>
        <translation>Save window picture as PNG</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Bericht als PDF speichern</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Den Bericht speichert Datei ▸ Exportieren ▸ Bericht als PDF… als Datei.</source>
        <translation>No printer is set up. File ▸ Export ▸ Report as PDF… saves the report as a file.</translation>
    </message>
    <message>
        <source>Bericht drucken</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Trocknungsrechner für die Ziegel- und Keramikindustrie: symmetrische konvektive Trocknung einer Platte aus Ziegelton in einem Gegenstrom- und Kammertrockner.&lt;/p&gt;&lt;p&gt;Lamvero ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later), weitergeben und verändern. Lamvero wird ohne jede Gewährleistung bereitgestellt. Den Lizenztext enthält die Datei LICENSE.&lt;/p&gt;&lt;p&gt;Lamvero verwendet Qt %2 unter der GNU Lesser General Public License, Version 3 (LGPL-3.0); mehr dazu unter „Über Qt“.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;Drying calculator for the brick and ceramics industry: symmetrical convective drying of a brick clay plate in a counter-current and chamber dryer.&lt;/p&gt;&lt;p&gt;Lamvero is free software: you may redistribute and modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). Lamvero comes without any warranty. The file LICENSE holds the licence text.&lt;/p&gt;&lt;p&gt;Lamvero uses Qt %2 under the GNU Lesser General Public License, version 3 (LGPL-3.0); more under &quot;About Qt&quot;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Über Lamvero</source>
        <translation>About Lamvero</translation>
    </message>
    <message>
        <source>Über Qt…</source>
        <translation>About Qt…</translation>
    </message>
    <message>
        <source>Über Qt</source>
        <translation>About Qt</translation>
    </message>
    <message>
        <source>Symmetrische Trocknung einer Platte aus Ziegelton</source>
        <translation>Symmetrical drying of a brick clay plate</translation>
    </message>
</context>
<context>
    <name>lamvero::CaseDocument</name>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Die Rechnung in „%1“ gehört nicht zu den Eingaben der Datei; diese wurden nach der Rechnung geändert: %2. Geöffnet sind die Eingaben ohne die Ergebnisse; Start rechnet mit ihnen neu.</source>
        <translation>The calculation in &quot;%1&quot; does not belong to the file&apos;s inputs; these were changed after the calculation: %2. The inputs are open without the results; Start calculates them anew.</translation>
    </message>
    <message>
        <source>Es gibt keine Zeitreihen: erst eine Rechnung starten.</source>
        <translation>There are no time series: start a calculation first.</translation>
    </message>
    <message>
        <source>Es gibt keine Ergebnisse: erst eine Rechnung starten.</source>
        <translation>There are no results: start a calculation first.</translation>
    </message>
</context>
<context>
    <name>lamvero::ConstantAirBox</name>
    <message>
        <source>

%1 (Menü Berechnung): der Kasten folgt der Ablufttemperatur, die Luft bleibt den ganzen Lauf im Zustand der Klimakammer. Abschalten, um ihn wieder zu bearbeiten.</source>
        <translation>

%1 (Calculation menu): the box follows the exhaust air temperature, the air stays in the state of the climate chamber for the whole run. Switch it off to edit the box again.</translation>
    </message>
</context>
<context>
    <name>lamvero::CsvExportDialog</name>
    <message>
        <source>Tabellenkalkulation deutsch (Dezimalkomma, Semikolon)</source>
        <translation>German spreadsheet (decimal comma, semicolon)</translation>
    </message>
    <message>
        <source>einfach (Dezimalpunkt, Komma)</source>
        <translation>plain (decimal point, comma)</translation>
    </message>
    <message>
        <source>1: jeder gespeicherte Zeitschritt; der erste und der letzte Punkt stehen immer in der Tabelle.</source>
        <translation>1: every stored time step; the first and the last point are always in the table.</translation>
    </message>
    <message>
        <source>jeden n-ten Punkt, n =</source>
        <translation>every n-th point, n =</translation>
    </message>
    <message>
        <source>Weiter…</source>
        <translation>Continue…</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>lamvero::FileMenu</name>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Nicht speichern</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Trockenmasse der Probe</source>
        <translation>Dry mass of the sample</translation>
    </message>
    <message>
        <source>„%1“ gibt die Masse der Probe an.
Trockenmasse der Probe in g:</source>
        <translation>&quot;%1&quot; gives the mass of the sample.
Dry mass of the sample in g:</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;recent</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Eigenschaften…</source>
        <translation>P&amp;roperties…</translation>
    </message>
    <message>
        <source>Messkurve &amp;laden…</source>
        <translation>&amp;Load measured curve…</translation>
    </message>
    <message>
        <source>Messkurve ent&amp;fernen</source>
        <translation>Re&amp;move measured curve</translation>
    </message>
    <message>
        <source>&amp;Anlagendaten…</source>
        <translation>&amp;Plant data…</translation>
    </message>
    <message>
        <source>Zeitreihen &amp;mitspeichern</source>
        <translation>Save with time &amp;series</translation>
    </message>
    <message>
        <source>Die Zeitreihen eines Laufs machen eine Falldatei viele Megabyte groß.</source>
        <translation>The time series of a run make a case file many megabytes large.</translation>
    </message>
    <message>
        <source>&amp;Exportieren</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Zeitreihen als CSV…</source>
        <translation>&amp;Time series as CSV…</translation>
    </message>
    <message>
        <source>&amp;Ergebnisse als CSV…</source>
        <translation>&amp;Results as CSV…</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Rechnung</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Die Eingaben in „%1“ wurden geändert.
Sollen die Änderungen gespeichert werden?</source>
        <translation>The inputs in &quot;%1&quot; were changed.
Do you want to save the changes?</translation>
    </message>
    <message>
        <source>Rechnung öffnen</source>
        <translation>Open calculation</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es nicht mehr; sie wird aus der Liste genommen.</source>
        <translation>The file &quot;%1&quot; no longer exists; it is taken off the list.</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Rechnung speichern unter</source>
        <translation>Save calculation as</translation>
    </message>
    <message>
        <source>Zeitreihen als CSV exportieren</source>
        <translation>Export time series as CSV</translation>
    </message>
    <message>
        <source>Ergebnisse als CSV exportieren</source>
        <translation>Export results as CSV</translation>
    </message>
    <message>
        <source>Messkurve laden</source>
        <translation>Load measured curve</translation>
    </message>
    <message>
        <source>Lamvero-Rechnungen (*.lamvero);;Alle Dateien (*)</source>
        <translation>Lamvero calculations (*.lamvero);;All files (*)</translation>
    </message>
    <message>
        <source>CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>lamvero::LanguageMenu</name>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Wie das System</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>Lamvero spricht ab dem nächsten Start die Sprache des Systems.</source>
        <translation>From its next start Lamvero speaks the language of the system.</translation>
    </message>
    <message>
        <source>Lamvero spricht ab dem nächsten Start Deutsch.</source>
        <translation>From its next start Lamvero speaks German.</translation>
    </message>
    <message>
        <source>Lamvero spricht ab dem nächsten Start Englisch.</source>
        <translation>From its next start Lamvero speaks English.</translation>
    </message>
</context>
<context>
    <name>lamvero::MainWindow</name>
    <message>
        <source>Ungewöhnliche Eingaben:

%1

Trotzdem rechnen?</source>
        <translation>Unusual inputs:

%1

Calculate anyway?</translation>
    </message>
    <message>
        <source>%1 Trotzdem rechnen?</source>
        <translation>%1 Calculate anyway?</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Die Rechnung kann mit diesen Eingaben nicht beginnen:

%1</source>
        <translation>The calculation cannot begin with these inputs:

%1</translation>
    </message>
</context>
<context>
    <name>lamvero::ManualWindow</name>
    <message>
        <source>Lamvero – Handbuch</source>
        <translation>Lamvero – Manual</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Suchen (Strg+F, Eingabe: weiter, Umschalt+Eingabe: zurück)</source>
        <translation>Search (Ctrl+F, Enter: next, Shift+Enter: back)</translation>
    </message>
    <message>
        <source>„%1“ ist in diesem Handbuch nicht enthalten.</source>
        <translation>&quot;%1&quot; is not in this manual.</translation>
    </message>
    <message>
        <source>nicht gefunden</source>
        <translation>not found</translation>
    </message>
</context>
<context>
    <name>lamvero::OutdatedResults</name>
    <message>
        <source>Eingaben geändert seit der Rechnung: %1; Ergebnisse veraltet</source>
        <translation>Inputs changed since the calculation: %1; results out of date</translation>
    </message>
</context>
<context>
    <name>lamvero::PlantDialog</name>
    <message>
        <source>Anlagendaten</source>
        <translation>Plant data</translation>
    </message>
    <message>
        <source>Der Durchsatz der Anlage an trockenen Rohlingen macht aus den spezifischen Werten der Rechnung Luftstrom, Heizleistung und verdunstetes Wasser je Stunde.</source>
        <translation>The plant&apos;s throughput of dry green bodies turns the specific values of the calculation into air flow, heat output and evaporated water per hour.</translation>
    </message>
    <message>
        <source>keine Anlagendaten</source>
        <translation>no plant data</translation>
    </message>
    <message>
        <source>Angabe als:</source>
        <translation>Given as:</translation>
    </message>
    <message>
        <source>%1 in kg:</source>
        <translation>%1 in kg:</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 in %2:</source>
        <translation>%1 in %2:</translation>
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
        <source>„%1“ fehlt.</source>
        <translation>&quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>„%1“: „%2“ ist keine Zahl.</source>
        <translation>&quot;%1&quot;: &quot;%2&quot; is not a number.</translation>
    </message>
</context>
<context>
    <name>lamvero::PlantPanel</name>
    <message>
        <source>Anlagenwerte</source>
        <translation>Plant figures</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Quantity</translation>
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
        <source>Keine Anlagendaten: Datei ▸ Anlagendaten… nimmt den Durchsatz auf.</source>
        <translation>No plant data: File ▸ Plant data… takes the throughput.</translation>
    </message>
    <message>
        <source>Die Anlagenwerte folgen nach der Rechnung.</source>
        <translation>The plant figures follow after the calculation.</translation>
    </message>
    <message>
        <source>Die Anlagenwerte folgen nach einer vollständigen Rechnung.</source>
        <translation>The plant figures follow after a complete calculation.</translation>
    </message>
    <message>
        <source>Eingaben geändert seit der Rechnung: die Anlagenwerte folgen nach der nächsten Rechnung.</source>
        <translation>Inputs changed since the calculation: the plant figures follow after the next calculation.</translation>
    </message>
    <message>
        <source>Anlage: </source>
        <translation>Plant: </translation>
    </message>
</context>
<context>
    <name>lamvero::ProjectDialog</name>
    <message>
        <source>Eigenschaften der Rechnung</source>
        <translation>Properties of the calculation</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>„%1“ %2.</source>
        <translation>&quot;%1&quot; %2.</translation>
    </message>
</context>
<context>
    <name>lamvero::RunStatus</name>
    <message>
        <source>Lauf %1 (%2)</source>
        <translation>Run %1 (%2)</translation>
    </message>
    <message>
        <source>Lauf %1 nach %2 (%3)</source>
        <translation>Run %1 after %2 (%3)</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Zeitreihen; Diagramme nach einem neuen Lauf</source>
        <translation>The file holds no time series; charts after a new run</translation>
    </message>
    <message>
        <source>angehalten</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Zeitreihen voll</source>
        <translation>time series full</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>aborted</translation>
    </message>
    <message>
        <source>Feuchteprofil nicht mehr endlich</source>
        <translation>moisture profile no longer finite</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Trocknung einer Platte aus Ziegelton: Rechner mit Fenster.</source>
        <translation>Drying of a brick clay plate: calculator with a window.</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>eine Rechnung (NAME.lamvero), die geöffnet wird</source>
        <translation>a calculation (NAME.lamvero) to open</translation>
    </message>
    <message>
        <source>[datei]</source>
        <translation>[file]</translation>
    </message>
    <message>
        <source>nur eine Datei kann geöffnet werden, nicht %1.</source>
        <translation>only one file can be opened, not %1.</translation>
    </message>
</context>
</TS>
