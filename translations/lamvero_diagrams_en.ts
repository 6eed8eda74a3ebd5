<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AirChart</name>
    <message>
        <source>Erhitzer</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Erhitzer (X konstant)</source>
        <translation>Heater (X constant)</translation>
    </message>
    <message>
        <source>Zuluft → Kammer</source>
        <translation>Supply air → chamber</translation>
    </message>
    <message>
        <source>Gegenstromabschnitt</source>
        <translation>Counter-current section</translation>
    </message>
    <message>
        <source> (ohne Verlauf: Gerade)</source>
        <translation> (no path: straight line)</translation>
    </message>
    <message>
        <source>● Außenluft, Zuluft, Abluft</source>
        <translation>● Outside air, supply air, exhaust air</translation>
    </message>
    <message>
        <source>■ Kammer</source>
        <translation>■ Chamber</translation>
    </message>
    <message>
        <source>Außenluft</source>
        <translation>Outside air</translation>
    </message>
    <message>
        <source>Zuluft</source>
        <translation>Supply air</translation>
    </message>
    <message>
        <source>Abluft</source>
        <translation>Exhaust air</translation>
    </message>
    <message>
        <source>Kammer</source>
        <translation>Chamber</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>AirChartForm</name>
    <message>
        <source>ϑ,X-Form</source>
        <translation>ϑ,X form</translation>
    </message>
    <message>
        <source>Trocknerluft im ϑ,X-Diagramm; grau: rel. Feuchte φ, Enthalpie h in kJ/kg</source>
        <translation>Dryer air in the ϑ,X chart; grey: relative humidity φ, enthalpy h in kJ/kg</translation>
    </message>
    <message>
        <source>Lufttemperatur ϑ in °C</source>
        <translation>Air temperature ϑ in °C</translation>
    </message>
    <message>
        <source>Mollier-Form (h schräg)</source>
        <translation>Mollier form (h oblique)</translation>
    </message>
    <message>
        <source>Trocknerluft im h,X-Diagramm nach Mollier; grau: rel. Feuchte φ, Enthalpie h in kJ/kg, Temperatur ϑ</source>
        <translation>Dryer air in the Mollier h,X chart; grey: relative humidity φ, enthalpy h in kJ/kg, temperature ϑ</translation>
    </message>
    <message>
        <source>ϑ in °C bei X = 0, senkrecht (h − 2500 kJ/kg · X) / 1,005 kJ/(kg K)</source>
        <translation>ϑ in °C at X = 0, vertical (h − 2500 kJ/kg · X) / 1.005 kJ/(kg K)</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>Das Bild konnte nicht erzeugt werden.</source>
        <translation>The picture could not be made.</translation>
    </message>
    <message>
        <source>Die Grafik konnte nicht erzeugt werden.</source>
        <translation>The graphic could not be made.</translation>
    </message>
</context>
<context>
    <name>DiagramCharts</name>
    <message>
        <source>mittel</source>
        <translation>mean</translation>
    </message>
    <message>
        <source>Oberfläche</source>
        <translation>surface</translation>
    </message>
    <message>
        <source>Kern</source>
        <translation>core</translation>
    </message>
    <message>
        <source>Verdunstungsrate</source>
        <translation>evaporation rate</translation>
    </message>
    <message>
        <source>Luft</source>
        <translation>air</translation>
    </message>
    <message>
        <source>Messung (%1)</source>
        <translation>Measurement (%1)</translation>
    </message>
    <message>
        <source>Feuchte</source>
        <translation>Moisture</translation>
    </message>
    <message>
        <source>Feuchte des Rohlings: mittel, Oberfläche und Kern</source>
        <translation>Moisture of the green body: mean, surface and core</translation>
    </message>
    <message>
        <source>Zeit t in h</source>
        <translation>Time t in h</translation>
    </message>
    <message>
        <source>Feuchte X in kg/kg atro</source>
        <translation>Moisture X in kg/kg dry basis</translation>
    </message>
    <message>
        <source>Trocknungsgeschwindigkeit</source>
        <translation>Drying rate</translation>
    </message>
    <message>
        <source>mittlere Feuchte X in kg/kg atro</source>
        <translation>Mean moisture X in kg/kg dry basis</translation>
    </message>
    <message>
        <source>Verdunstungsrate in kg/(m² h)</source>
        <translation>Evaporation rate in kg/(m² h)</translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>Temperaturen: Luft, Oberfläche und Kern</source>
        <translation>Temperatures: air, surface and core</translation>
    </message>
    <message>
        <source>Temperatur ϑ in °C</source>
        <translation>Temperature ϑ in °C</translation>
    </message>
    <message>
        <source>Schwindung</source>
        <translation>Shrinkage</translation>
    </message>
    <message>
        <source>Lineare Schwindung: Oberfläche und Kern</source>
        <translation>Linear shrinkage: surface and core</translation>
    </message>
    <message>
        <source>lineare Schwindung in %</source>
        <translation>Linear shrinkage in %</translation>
    </message>
    <message>
        <source>h,X-Diagramm</source>
        <translation>h,X chart</translation>
    </message>
    <message>
        <source>Wasserbeladung X in g/kg trockene Luft</source>
        <translation>Humidity ratio X in g/kg dry air</translation>
    </message>
</context>
<context>
    <name>DiagramWindow</name>
    <message>
        <source>Verläufe bis zum Halt, ohne Auswertung: nicht umskaliert und nicht geglättet; Ergebnisse der Auswertung fehlen („–“)</source>
        <translation>Curves up to the stop, not evaluated: not rescaled and not smoothed; the evaluation&apos;s results are missing (&quot;–&quot;)</translation>
    </message>
    <message>
        <source>ohne Verläufe, nur in der Tabelle: %1</source>
        <translation>no curves, in the table only: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Bericht: %1</source>
        <translation>Report: %1</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>nicht gespeichert</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>dd.MM.yyyy, HH:mm &apos;Uhr&apos;</source>
        <translation>yyyy-MM-dd, HH:mm</translation>
    </message>
    <message>
        <source>Erstellt: %1   ·   Programm: %2   ·   Lauf: %3</source>
        <translation>Created: %1   ·   Program: %2   ·   Run: %3</translation>
    </message>
    <message>
        <source>Trocknungslauf</source>
        <translation>Drying run</translation>
    </message>
    <message>
        <source>Die Feuchteprofile dieses Laufs liegen nicht vor.</source>
        <translation>The moisture profiles of this run are not available.</translation>
    </message>
    <message>
        <source>Wasserbeladung über der halben Plattendicke</source>
        <translation>Moisture content over half the plate thickness</translation>
    </message>
    <message>
        <source>Verläufe über der Trocknungszeit</source>
        <translation>Curves over the drying time</translation>
    </message>
    <message>
        <source>Die Zeitreihen dieses Laufs liegen nicht vor: kein Ergebnisdiagramm.</source>
        <translation>The time series of this run are not available: no results chart.</translation>
    </message>
    <message>
        <source>Ein Ergebnisdiagramm gibt es nur für einen vollständig gerechneten Lauf.</source>
        <translation>A results chart exists only for a run calculated to the end.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden</source>
        <translation>The file %1 cannot be written</translation>
    </message>
    <message>
        <source>Der Bericht %1 kann nicht erstellt werden.</source>
        <translation>The report %1 cannot be made.</translation>
    </message>
</context>
<context>
    <name>lamvero::ChartPanel</name>
    <message>
        <source>Zoomen: Rechteck aufziehen; rechte Maustaste: zurück</source>
        <translation>Zoom: drag a rectangle; right mouse button: back</translation>
    </message>
</context>
<context>
    <name>lamvero::ComparisonTable</name>
    <message>
        <source> (Bezug)</source>
        <translation> (reference)</translation>
    </message>
</context>
<context>
    <name>lamvero::DiagramWindow</name>
    <message>
        <source>Diagramme</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Doppelklick oder Kontextmenü: Lauf umbenennen</source>
        <translation>Double-click or context menu: rename the run</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Läufe (angehakt: gezeigt)</source>
        <translation>Runs (ticked: shown)</translation>
    </message>
    <message>
        <source>Noch keine Läufe: jede vollständige Rechnung (Start) und jede geöffnete Falldatei mit Ergebnissen erscheint hier.</source>
        <translation>No runs yet: every complete calculation (Start) and every opened case file with results appears here.</translation>
    </message>
    <message>
        <source>Bezugslauf für die Differenzen</source>
        <translation>Reference run for the differences</translation>
    </message>
    <message>
        <source>Gesamtansicht</source>
        <translation>Whole view</translation>
    </message>
    <message>
        <source>Form des h,X-Diagramms: ϑ senkrecht, oder nach Mollier mit schrägen Linien gleicher Enthalpie</source>
        <translation>Form of the h,X chart: ϑ vertical, or after Mollier with oblique lines of equal enthalpy</translation>
    </message>
    <message>
        <source>Als PNG …</source>
        <translation>As PNG …</translation>
    </message>
    <message>
        <source>Als SVG …</source>
        <translation>As SVG …</translation>
    </message>
    <message>
        <source>Daten als CSV …</source>
        <translation>Data as CSV …</translation>
    </message>
    <message>
        <source>Lauf %1</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>Nicht aufgenommen: %1</source>
        <translation>Not added: %1</translation>
    </message>
    <message>
        <source>„%1“ ohne Verläufe: %2</source>
        <translation>&quot;%1&quot; without curves: %2</translation>
    </message>
    <message>
        <source>Lauf umbenennen</source>
        <translation>Rename run</translation>
    </message>
    <message>
        <source>Name in der Liste, den Diagrammen, der Tabelle und den Exporten:</source>
        <translation>Name in the list, the charts, the table and the exports:</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Umbenennen …</source>
        <translation>Rename …</translation>
    </message>
    <message>
        <source> (nur Tabelle)</source>
        <translation> (table only)</translation>
    </message>
    <message>
        <source>(keiner)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden:
%2</source>
        <translation>%1 could not be written:
%2</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>CSV-Tabellen (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
</context>
</TS>
