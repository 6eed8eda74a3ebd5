<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>lamvero-batch</name>
    <message>
        <source>nach dem Lauf denselben Fall mit verfeinerten Schrittweiten rechnen (Vorgabe: Ortsschrittweite halbiert, Zeitschrittweite geviertelt) und je Kennergebnis Änderung, beobachtete Ordnung, extrapolierten Wert und geschätzten Diskretisierungsfehler ausgeben (mit --json als Objekt &quot;accuracy&quot;)</source>
        <translation>after the run, compute the same case with refined steps (default: space step halved, time step quartered) and write for each key result its change, observed order, extrapolated value and estimated discretisation error (with --json as the object &quot;accuracy&quot;)</translation>
    </message>
    <message>
        <source>Genauigkeit: wie verfeinert wird (Vorgabe %1%2)</source>
        <translation>Accuracy: how the steps are refined (default %1%2)</translation>
    </message>
    <message>
        <source>Genauigkeit: Fehler in %, ab dem ein Ergebnis markiert wird (Vorgabe %1 %)</source>
        <translation>Accuracy: error in % from which a result is marked (default %1 %)</translation>
    </message>
    <message>
        <source>Schrittweiten wählen: ab den eingegebenen Zeit- und Ortsschrittweiten beide halbieren, bis sich kein Kennergebnis mehr um TOL ändert (--auto-steps=TOL, Vorgabe %1 %); gerechnet wird dann mit den gewählten Schrittweiten</source>
        <translation>choose the steps: starting from the time and space steps entered, halve both until no key result changes by TOL any more (--auto-steps=TOL, default %1 %); the run then uses the chosen steps</translation>
    </message>
    <message>
        <source>unbekannt: &quot;%1&quot;; erwartet %2</source>
        <translation>unknown: &quot;%1&quot;; expected %2</translation>
    </message>
    <message>
        <source>--accuracy-scheme und --tolerance gelten nur mit --accuracy</source>
        <translation>--accuracy-scheme and --tolerance apply only with --accuracy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Prozentangabe (etwa 2% oder 0,5%)</source>
        <translation>&quot;%1&quot; is no percentage (such as 2% or 0.5%)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen 0 % und 100 %</source>
        <translation>&quot;%1&quot; is not between 0 % and 100 %</translation>
    </message>
    <message>
        <source>auf keiner Stufe erreicht</source>
        <translation>reached on no level</translation>
    </message>
    <message>
        <source>, Fehler nicht bestimmbar</source>
        <translation>, error cannot be determined</translation>
    </message>
    <message>
        <source>, auf allen Stufen gleich</source>
        <translation>, the same on all levels</translation>
    </message>
    <message>
        <source>, Änderung %1</source>
        <translation>, change %1</translation>
    </message>
    <message>
        <source>, Ordnung angenommen %1</source>
        <translation>, order assumed %1</translation>
    </message>
    <message>
        <source>, Ordnung nicht bestimmbar</source>
        <translation>, order cannot be determined</translation>
    </message>
    <message>
        <source>, Ordnung %1</source>
        <translation>, order %1</translation>
    </message>
    <message>
        <source>, extrapoliert %1</source>
        <translation>, extrapolated %1</translation>
    </message>
    <message>
        <source>, geschätzter Fehler %1</source>
        <translation>, estimated error %1</translation>
    </message>
    <message>
        <source> – über der Toleranz</source>
        <translation> – above the tolerance</translation>
    </message>
    <message>
        <source>Genauigkeit (%1; Stufen%2; Toleranz %3):</source>
        <translation>Accuracy (%1; levels%2; tolerance %3):</translation>
    </message>
    <message>
        <source>  Spiegel %1/%2 mm</source>
        <translation>  front %1/%2 mm</translation>
    </message>
    <message>
        <source>Eingaben aus einer Falldatei (NAME.lamvero); txt_Name=TEXT ändert sie danach</source>
        <translation>inputs from a case file (NAME.lamvero); txt_Name=TEXT changes them afterwards</translation>
    </message>
    <message>
        <source>den Fall mit dem Lauf als Falldatei (NAME.lamvero) speichern</source>
        <translation>save the case with the run as a case file (NAME.lamvero)</translation>
    </message>
    <message>
        <source>mit --save: die Zeitreihen mitspeichern (viele MB)</source>
        <translation>with --save: save the time series too (many MB)</translation>
    </message>
    <message>
        <source>Format von --series und von Studien: plain (Dezimalpunkt, Komma) oder de (Dezimalkomma, Semikolon)</source>
        <translation>format of --series and of studies: plain (decimal point, comma) or de (decimal comma, semicolon)</translation>
    </message>
    <message>
        <source>mit --series: jeden n-ten Zeitschritt (erster und letzter stehen immer drin)</source>
        <translation>with --series: every n-th time step (the first and the last are always included)</translation>
    </message>
    <message>
        <source>der Dateiname ist leer.</source>
        <translation>the file name is empty.</translation>
    </message>
    <message>
        <source>%1 und %2 schreiben beide in %3.</source>
        <translation>%1 and %2 both write to %3.</translation>
    </message>
    <message>
        <source>%1 würde die Eingabe von %2 überschreiben: beide nennen %3.</source>
        <translation>%1 would overwrite the input of %2: both name %3.</translation>
    </message>
    <message>
        <source>%1: %2 kann nicht geschrieben werden</source>
        <translation>%1: %2 cannot be written</translation>
    </message>
    <message>
        <source>das ist ein Ordner.</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>das ist keine gewöhnliche Datei.</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <source>den Ordner %1 gibt es nicht.</source>
        <translation>the folder %1 does not exist.</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt.</source>
        <translation>the file is write-protected.</translation>
    </message>
    <message>
        <source>der Ordner ist schreibgeschützt.</source>
        <translation>the folder is write-protected.</translation>
    </message>
    <message>
        <source>Einheit: %1; Vorgabe: %2; üblich: %3 bis %4%5</source>
        <translation>unit: %1; default: %2; usual: %3 to %4%5</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1: %2 werden als %3 geschrieben (ohne Leerzeichen).</source>
        <translation>%1: %2 are written as %3 (without spaces).</translation>
    </message>
    <message>
        <source>Eingaben</source>
        <translation>inputs</translation>
    </message>
    <message>
        <source>Studienwerte</source>
        <translation>study values</translation>
    </message>
    <message>
        <source>WERTE</source>
        <translation>VALUES</translation>
    </message>
    <message>
        <source> Ein Bereich ist Anfang:Ende:Schritt (%1=20:40:5), eine Liste mit Semikolon (&apos;%1=20;30&apos;)</source>
        <translation> A range is start:end:step (%1=20:40:5), a list takes semicolons (&apos;%1=20;30&apos;)</translation>
    </message>
    <message>
        <source>unbekanntes Eingabefeld &quot;%1&quot;</source>
        <translation>unknown input field &quot;%1&quot;</translation>
    </message>
    <message>
        <source>; gemeint ist wohl %1</source>
        <translation>; did you mean %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: Schranken als UNTEN:OBEN erwartet, z. B. %2=5:100</source>
        <translation>&quot;%1&quot;: bounds expected as LOWER:UPPER, e.g. %2=5:100</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: GRÖSSE=GEWICHT erwartet, z. B. %2=%3</source>
        <translation>&quot;%1&quot;: QUANTITY=WEIGHT expected, e.g. %2=%3</translation>
    </message>
    <message>
        <source>unbekannte Messgröße &quot;%1&quot;; bekannt sind %2</source>
        <translation>unknown measured quantity &quot;%1&quot;; known are %2</translation>
    </message>
    <message>
        <source>Anpassung: die mit --fit-param gewählten Eingaben so wählen, dass der Lauf die gemessene Kurve dieser CSV-Datei am besten trifft (kleinste Quadrate); Ausgabe: Werte mit 95-%-Vertrauensbereich, RMSE und R² je Messgröße, Läufe und Zeit; mit --json ein Objekt &quot;fit&quot;</source>
        <translation>fit: choose the inputs named by --fit-param so that the run best matches the measured curve of this CSV file (least squares); output: values with 95 % confidence interval, RMSE and R² per measured quantity, runs and time; with --json an object &quot;fit&quot;</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Anpassung: ein anzupassendes Eingabefeld, mit Schranken in der Einheit des Feldes (Vorgabe: sein üblicher Bereich); mehrmals für mehrere</source>
        <translation>fit: an input field to fit, with bounds in the field&apos;s unit (default: its usual range); repeat for several</translation>
    </message>
    <message>
        <source>txt_Name[=UNTEN:OBEN]</source>
        <translation>txt_Name[=LOWER:UPPER]</translation>
    </message>
    <message>
        <source>Anpassung: Gewicht einer Messgröße (moisture, surfaceTemperature, coreTemperature, shrinkage); Vorgabe moisture=1, die anderen 0; 0 lässt sie weg</source>
        <translation>fit: weight of a measured quantity (moisture, surfaceTemperature, coreTemperature, shrinkage); default moisture=1, the others 0; 0 leaves it out</translation>
    </message>
    <message>
        <source>GRÖSSE=GEWICHT</source>
        <translation>QUANTITY=WEIGHT</translation>
    </message>
    <message>
        <source>Anpassung: Trockenmasse der Probe in g, wenn die Datei die Masse statt der Wasserbeladung enthält</source>
        <translation>fit: dry mass of the sample in g, when the file holds the mass instead of the moisture content</translation>
    </message>
    <message>
        <source>Anpassung: höchstens so viele Läufe der Suche (Vorgabe 300)</source>
        <translation>fit: at most this many runs of the search (default 300)</translation>
    </message>
    <message>
        <source>ANZAHL</source>
        <translation>COUNT</translation>
    </message>
    <message>
        <source>--fit-param, --fit-weight und --dry-mass gelten nur mit --fit DATEI.</source>
        <translation>--fit-param, --fit-weight and --dry-mass apply only with --fit FILE.</translation>
    </message>
    <message>
        <source>mindestens ein --fit-param txt_Name ist nötig.</source>
        <translation>at least one --fit-param txt_Name is needed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Masse über 0 g.</source>
        <translation>&quot;%1&quot; is no mass above 0 g.</translation>
    </message>
    <message>
        <source>die Ausgabe auf stdout ließ sich nicht schreiben.</source>
        <translation>the output to stdout could not be written.</translation>
    </message>
    <message>
        <source>Anpassung durch %1 abgebrochen.</source>
        <translation>fit stopped by %1.</translation>
    </message>
    <message>
        <source> (an der Schranke)</source>
        <translation> (at the bound)</translation>
    </message>
    <message>
        <source>Anpassung an „%1“</source>
        <translation>Fit to &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Korrelation %1 / %2: %3</source>
        <translation>Correlation %1 / %2: %3</translation>
    </message>
    <message>
        <source>RMSE %1 %2, R² %3 (%4 Messwerte)</source>
        <translation>RMSE %1 %2, R² %3 (%4 measured points)</translation>
    </message>
    <message>
        <source>Läufe: %1, Zeit: %2 s</source>
        <translation>Runs: %1, time: %2 s</translation>
    </message>
    <message>
        <source>Kein Vertrauensbereich: %1</source>
        <translation>No confidence interval: %1</translation>
    </message>
    <message>
        <source>Aufruf</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPTIONEN</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Argumente</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>BEFEHL</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>PFLICHT</source>
        <translation>REQUIRED</translation>
    </message>
    <message>
        <source>braucht</source>
        <translation>needs</translation>
    </message>
    <message>
        <source>schließt aus</source>
        <translation>excludes</translation>
    </message>
    <message>
        <source>Umgebung</source>
        <translation>environment</translation>
    </message>
    <message>
        <source>ZAHL</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>die Ausgabe auf stdout ließ sich nicht schreiben</source>
        <translation>the output to stdout could not be written</translation>
    </message>
    <message>
        <source>Warnung: </source>
        <translation>warning: </translation>
    </message>
    <message>
        <source>Eingabefelder:
%1Werte außerhalb des üblichen Bereichs werden gerechnet, aber mit einer Warnung auf stderr
(und unter &quot;warnings&quot; im JSON).

Rückgabewert: 0 vollständiger Lauf; 2 Bedienfehler (unbekannte Option oder unbekanntes Feld, mit
dem wohl gemeinten Namen; Wert außerhalb des Erlaubten; txt_Name TEXT statt txt_Name=TEXT; leerer
oder doppelter Ausgabepfad; fehlerhafte Falldatei bei --inputs oder Studiendatei bei --study; je eine
Zeile auf stderr) oder abgelehnte Eingabe (jede Beanstandung auf stderr, mit dem Feld); 3 Lauf musste
anhalten (Zeitreihen voll oder keine endlichen Werte; Grund auf stderr); 1 eine Ausgabe ließ sich nicht
schreiben (eine Ausgabedatei oder stdout; jeder Ausgabepfad wird vor dem Lauf geprüft). Musste der
Lauf anhalten und ließ sich zudem eine Ausgabe nicht schreiben, bleibt es bei 3; stderr nennt beides.
Eine Studie endet mit 3, wenn ein Fall nicht vollständig gerechnet wurde (Spalte outcome); --accuracy
und --auto-steps enden mit 3, wenn sich die Genauigkeit nicht schätzen bzw. keine Schrittweite wählen
ließ (Grund auf stderr).
--optimise: 0 Optimum gefunden; 4 kein Punkt hält alle Grenzen ein (die verfehlte Grenze auf stdout);
3 kein Lauf wurde zu Ende gerechnet; 2 unbrauchbare Aufgabe (Grund auf stderr); 128 + Signal nach
SIGTERM oder SIGINT (der beste Punkt bis dahin wird ausgegeben).
SIGTERM oder SIGINT beenden eine Studie geordnet: die geschriebenen Zeilen bleiben, die Ausgabe endet mit
einer Marke &quot;unvollständig&quot;, Rückgabewert 128 + Signal (143 bzw. 130); ein zweites Signal beendet sofort.
--merge: 2 für einen abgelehnten Teil (fremde Studie, doppelt, fehlend, abgeschnitten, unvollständig),
3 wie die ungeteilte Studie, wenn ein Fall nicht vollständig gerechnet wurde, 1 wenn stdout nicht
geschrieben werden kann.
--fit: 2 für fehlerhafte Optionen, Messdaten oder Anpassungsaufgabe, 3 wenn kein Lauf der Anpassung
vollständig gerechnet wurde, 128 + Signal bei SIGTERM oder SIGINT (der beste Punkt bis dahin wird
ausgegeben, ohne Vertrauensbereiche).

Eine im Studienfenster gespeicherte Studie auf mehreren Rechnern: je Teil --study DATEI --shard K/N,
dann --merge mit allen Teilen; die zusammengesetzte Ausgabe öffnet das Studienfenster dieser Studie
(es prüft sie gegen die Studie).</source>
        <translation>Input fields:
%1Values outside the usual range are computed, but with a warning on stderr
(and under &quot;warnings&quot; in the JSON).

Exit status: 0 complete run; 2 usage error (unknown option or unknown field, with the name
probably meant; value outside what is allowed; txt_Name TEXT instead of txt_Name=TEXT; empty
or repeated output path; faulty case file for --inputs or study file for --study; one line
each on stderr) or refused input (each objection on stderr, with its field); 3 the run had to
stop (time series full or no finite values; reason on stderr); 1 an output could not be
written (an output file or stdout; every output path is checked before the run). If the run
had to stop and an output could not be written as well, the status stays 3; stderr names both.
A study ends with 3 when a case was not computed completely (column outcome); --accuracy
and --auto-steps end with 3 when the accuracy could not be estimated or no step could be
chosen (reason on stderr).
--optimise: 0 optimum found; 4 no point keeps all limits (the limit missed on stdout);
3 no run was computed to the end; 2 unusable task (reason on stderr); 128 + signal after
SIGTERM or SIGINT (the best point so far is written).
SIGTERM or SIGINT end a study in order: the rows written stay, the output ends with
a mark &quot;incomplete&quot;, exit status 128 + signal (143 or 130); a second signal ends at once.
--merge: 2 for a refused part (another study, repeated, missing, cut off, incomplete),
3 as the undivided study when a case was not computed completely, 1 when stdout cannot
be written.
--fit: 2 for faulty options, measured data or fitting task, 3 when no run of the fit was
computed completely, 128 + signal on SIGTERM or SIGINT (the best point so far is
written, without confidence intervals).

A study saved in the study window, on several computers: for each part --study FILE --shard K/N,
then --merge with all parts; the combined output opens in the study window of that study
(which checks it against the study).</translation>
    </message>
    <message>
        <source>diese Hilfe zeigen und enden</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>die Version zeigen und enden</source>
        <translation>show the version and exit</translation>
    </message>
    <message>
        <source>Sprache der Hilfe und der Meldungen: de (Deutsch) oder en (Englisch); Vorgabe: die Sprache des Systems (LC_ALL, LC_MESSAGES, LANG). JSON, CSV und Dateien bleiben in jeder Sprache gleich</source>
        <translation>language of the help and the messages: de (German) or en (English); default: the system&apos;s language (LC_ALL, LC_MESSAGES, LANG). JSON, CSV and files stay the same in every language</translation>
    </message>
    <message>
        <source>statt der Zeilen ein JSON-Objekt: outcome, messages, fields, scalars, inputs, warnings, results (abgelehnt: outcome, messages, problems, inputs, warnings)</source>
        <translation>a JSON object instead of the rows: outcome, messages, fields, scalars, inputs, warnings, results (refused: outcome, messages, problems, inputs, warnings)</translation>
    </message>
    <message>
        <source>die 12 Zeitreihen nach der Auswertung als CSV-Datei; - schreibt sie auf stdout</source>
        <translation>the 12 time series after the evaluation as a CSV file; - writes them to stdout</translation>
    </message>
    <message>
        <source>das ganze Fenster nach dem Lauf als PNG-Bild (ohne Bildschirm)</source>
        <translation>the whole window after the run as a PNG image (no screen needed)</translation>
    </message>
    <message>
        <source>Luftbilanz im 2. Trocknungsabschnitt</source>
        <translation>air balance in the second drying period</translation>
    </message>
    <message>
        <source>. JSON und Falldatei nennen sie, wenn sie nicht standard ist</source>
        <translation>. JSON and case file name it when it is not standard</translation>
    </message>
    <message>
        <source>%1: das Ende der Gegenstromtrocknung (txt_ThetaGegenstromende) erhält den Text der Ablufttemperatur (txt_Lufttemp); die Luft bleibt den ganzen Lauf im Zustand der Abluft, der Klimakammer. Eine Falldatei mit diesem Laborversuch gibt ihn auch ohne die Option vor; JSON (&quot;constantAir&quot;: true) und Falldatei nennen ihn</source>
        <translation>%1: the end of the counter-current section (txt_ThetaGegenstromende) takes the text of the exhaust air temperature (txt_Lufttemp); the air stays in the state of the exhaust air, the climate chamber, for the whole run. A case file with this laboratory test sets it without the option too; JSON (&quot;constantAir&quot;: true) and case file name it</translation>
    </message>
    <message>
        <source>der Bericht des Laufs als PDF-Datei (A4, mit beiden Diagrammen)</source>
        <translation>the report of the run as a PDF file (A4, with both charts)</translation>
    </message>
    <message>
        <source>Eingaben txt_Name=TEXT</source>
        <translation>inputs txt_Name=TEXT</translation>
    </message>
    <message>
        <source>lamvero-batch: rechnet einen vollständigen Trocknungslauf ohne Fenster. Ausgangspunkt sind die
Vorgabetexte der 18 Eingabefelder; jedes Argument txt_Name=TEXT ersetzt einen davon, genau wie
eingetippt (z. B. txt_Dicke=25,5). Ausgegeben werden die sichtbaren Ergebniszeilen des Fensters
als &quot;Beschriftung: Text&quot; in Fensterreihenfolge.</source>
        <translation>lamvero-batch: computes a complete drying run without a window. It starts from the default
texts of the 18 input fields; each argument txt_Name=TEXT replaces one of them, exactly as
typed (e.g. txt_Dicke=25.5). It writes the visible result rows of the window
as &quot;caption: text&quot; in the window&apos;s order.</translation>
    </message>
    <message>
        <source>--with-series gilt nur zusammen mit --save.</source>
        <translation>--with-series applies only together with --save.</translation>
    </message>
    <message>
        <source>--csv-dialect gilt nur zusammen mit --series oder einer Studie, --every nur mit --series.</source>
        <translation>--csv-dialect applies only together with --series or a study, --every only with --series.</translation>
    </message>
    <message>
        <source>--series - und --json schreiben beide auf stdout.</source>
        <translation>--series - and --json both write to stdout.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geöffnet werden</source>
        <translation>The file &quot;%1&quot; cannot be opened</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei (ein Gerät oder eine Pipe).</source>
        <translation>It is not a regular file (a device or a pipe).</translation>
    </message>
    <message>
        <source>unbekanntes Eingabefeld in &quot;%1&quot;</source>
        <translation>unknown input field in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>. Erwartet txt_Name=TEXT mit einem von:</source>
        <translation>. Expected txt_Name=TEXT with one of:</translation>
    </message>
    <message>
        <source>die Luftbilanz %1 (Option oder Falldatei) gilt nur für einen einzelnen Lauf, nicht für eine Studie.</source>
        <translation>the air balance %1 (option or case file) applies only to a single run, not to a study.</translation>
    </message>
    <message>
        <source>im %1 (%2) folgt txt_ThetaGegenstromende der Ablufttemperatur txt_Lufttemp und lässt sich nicht setzen: &quot;%3&quot;.</source>
        <translation>in the %1 (%2) txt_ThetaGegenstromende follows the exhaust air temperature txt_Lufttemp and cannot be set: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>der %1 (%2) gilt nur für einen einzelnen Lauf, nicht für eine Studie.</source>
        <translation>the %1 (%2) applies only to a single run, not to a study.</translation>
    </message>
    <message>
        <source>--fit und --optimise schließen sich aus.</source>
        <translation>--fit and --optimise exclude each other.</translation>
    </message>
    <message>
        <source>--fit und eine Studie (--vary, --cases, --study, --merge) schließen sich aus.</source>
        <translation>--fit and a study (--vary, --cases, --study, --merge) exclude each other.</translation>
    </message>
    <message>
        <source>--fit gilt nicht zusammen mit %1.</source>
        <translation>--fit does not apply together with %1.</translation>
    </message>
    <message>
        <source>%1 gilt für einen einzelnen Lauf, nicht mit --optimise</source>
        <translation>%1 applies to a single run, not with --optimise</translation>
    </message>
    <message>
        <source>kein vollständiger Lauf, von dem aus verfeinert werden kann</source>
        <translation>no complete run to refine from</translation>
    </message>
    <message>
        <source>--report: der Bericht geht nur in eine Datei, nicht auf stdout.</source>
        <translation>--report: the report goes only to a file, not to stdout.</translation>
    </message>
    <message>
        <source>Eingabe abgelehnt: </source>
        <translation>Input refused: </translation>
    </message>
    <message>
        <source>die Zeitreihen können nicht auf stdout geschrieben werden</source>
        <translation>the time series cannot be written to stdout</translation>
    </message>
    <message>
        <source>das Bild %1 kann nicht geschrieben werden.</source>
        <translation>the image %1 cannot be written.</translation>
    </message>
    <message>
        <source>interner Fehler: </source>
        <translation>internal error: </translation>
    </message>
    <message>
        <source>interner Fehler: unbekannte Ausnahme</source>
        <translation>internal error: unknown exception</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: erwartet txt_Name=UNTEN:OBEN (etwa txt_Lufttemp=30:50)</source>
        <translation>&quot;%1&quot;: expected txt_Name=LOWER:UPPER (such as txt_Lufttemp=30:50)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: die Grenzen sind keine Zahlen</source>
        <translation>&quot;%1&quot;: the bounds are not numbers</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: erwartet NAME=WERT mit NAME aus %2</source>
        <translation>&quot;%1&quot;: expected NAME=VALUE with NAME from %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Dauer (h:mm:ss oder Stunden)</source>
        <translation>%1: &quot;%2&quot; is no duration (h:mm:ss or hours)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl in %3</source>
        <translation>%1: &quot;%2&quot; is no number in %3</translation>
    </message>
    <message>
        <source>Einstellungen suchen, die das Ziel kleinstmöglich machen (specificEnergy: spezifischer Energiebedarf, dryingTime: Trocknungsdauer, heaterPower: Heizleistung, braucht --throughput); mit --decide und --limit. Ausgegeben werden Optimum, aktive Grenzen und der Kontrolllauf (mit --json als Objekt &quot;optimise&quot;). Rückgabewert 4, wenn kein Punkt alle Grenzen einhält</source>
        <translation>search the settings that make the goal as small as possible (specificEnergy: specific energy demand, dryingTime: drying time, heaterPower: heat output, needs --throughput); with --decide and --limit. Writes the optimum, the active limits and the check run (with --json as the object &quot;optimise&quot;). Exit status 4 when no point keeps all limits</translation>
    </message>
    <message>
        <source>Optimierung: eine Eingabe, die variieren darf, mit ihren Grenzen: txt_Name=UNTEN:OBEN (mehrfach)</source>
        <translation>optimisation: an input that may vary, with its bounds: txt_Name=LOWER:UPPER (repeatable)</translation>
    </message>
    <message>
        <source>txt_Name=UNTEN:OBEN</source>
        <translation>txt_Name=LOWER:UPPER</translation>
    </message>
    <message>
        <source>Optimierung: eine Obergrenze (mehrfach): maxDryingTime=8:00:00 (oder Stunden), maxShrinkageDifference=0,5 (%), maxSupplyAirTemperature=120 (°C), maxWaterBalanceError=6 (%)</source>
        <translation>optimisation: an upper limit (repeatable): maxDryingTime=8:00:00 (or hours), maxShrinkageDifference=0.5 (%), maxSupplyAirTemperature=120 (°C), maxWaterBalanceError=6 (%)</translation>
    </message>
    <message>
        <source>NAME=WERT</source>
        <translation>NAME=VALUE</translation>
    </message>
    <message>
        <source>Optimierung: höchstens so viele Läufe (Vorgabe 200)</source>
        <translation>optimisation: at most this many runs (default 200)</translation>
    </message>
    <message>
        <source>gilt nur mit --optimise</source>
        <translation>applies only with --optimise</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: erwartet %2</source>
        <translation>&quot;%1&quot;: expected %2</translation>
    </message>
    <message>
        <source>Optimierung: </source>
        <translation>Optimisation: </translation>
    </message>
    <message>
        <source>Am wenigsten verletzender Lauf:</source>
        <translation>Run that violates the limits least:</translation>
    </message>
    <message>
        <source>Bester zulässiger Lauf bis zum Abbruch:</source>
        <translation>Best feasible run until stopped:</translation>
    </message>
    <message>
        <source>Optimum:</source>
        <translation>Optimum:</translation>
    </message>
    <message>
        <source>Ziel %1: %2</source>
        <translation>Goal %1: %2</translation>
    </message>
    <message>
        <source>%1 (%2 bis %3)</source>
        <translation>%1 (%2 to %3)</translation>
    </message>
    <message>
        <source> (verletzt)</source>
        <translation> (violated)</translation>
    </message>
    <message>
        <source> (aktiv)</source>
        <translation> (active)</translation>
    </message>
    <message>
        <source>Kontrolllauf mit den übernommenen Werten: %1, alle Grenzen eingehalten</source>
        <translation>Check run with the values taken over: %1, all limits kept</translation>
    </message>
    <message>
        <source>Kontrolllauf mit den übernommenen Werten: %1, nicht jede Grenze eingehalten</source>
        <translation>Check run with the values taken over: %1, not every limit kept</translation>
    </message>
    <message>
        <source>Läufe: %1, Rechenzeit %2 s</source>
        <translation>Runs: %1, computing time %2 s</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>unerwartetes Argument %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>unbekannte Option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 ist keine ganze Zahl (erlaubt: %2).</source>
        <translation>%1 is no whole number (allowed: %2).</translation>
    </message>
    <message>
        <source>%1 liegt nicht zwischen %2 und %3.</source>
        <translation>%1 is not between %2 and %3.</translation>
    </message>
    <message>
        <source>%1 ist nicht erlaubt (erlaubt: %2).</source>
        <translation>%1 is not allowed (allowed: %2).</translation>
    </message>
    <message>
        <source> Alle Optionen und Felder: lamvero-batch --help</source>
        <translation> All options and fields: lamvero-batch --help</translation>
    </message>
    <message>
        <source>die Befehlszeile lässt sich nicht lesen.</source>
        <translation>the command line cannot be read.</translation>
    </message>
    <message>
        <source>%1: der Wert fehlt (%1 WERT oder %1=WERT).</source>
        <translation>%1: the value is missing (%1 VALUE or %1=VALUE).</translation>
    </message>
    <message>
        <source>%1: %2 ist kein gültiger Wert.</source>
        <translation>%1: %2 is not a valid value.</translation>
    </message>
    <message>
        <source>nicht erreicht</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>Anlagendurchsatz an trockenen Rohlingen: 2,5t/h oder Stück je Stunde als 1200/h (dann mit --piece-mass); nach den Ergebniszeilen folgen Luftdurchsatz, Abluftvolumenstrom, Heizleistung und verdunstetes Wasser (mit --json als Objekt &quot;plant&quot;)</source>
        <translation>plant throughput of dry green bodies: 2.5t/h, or pieces per hour as 1200/h (then with --piece-mass); the result rows are followed by air flow, exhaust air volume flow, heat output and evaporated water (with --json as the object &quot;plant&quot;)</translation>
    </message>
    <message>
        <source>DURCHSATZ</source>
        <translation>THROUGHPUT</translation>
    </message>
    <message>
        <source>Trockenmasse eines Rohlings in kg, zu --throughput N/h</source>
        <translation>dry mass of one green body in kg, for --throughput N/h</translation>
    </message>
    <message>
        <source>gilt nur mit --throughput N/h</source>
        <translation>applies only with --throughput N/h</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein Durchsatz (etwa 2,5t/h oder 1200/h)</source>
        <translation>&quot;%1&quot; is no throughput (such as 2.5t/h or 1200/h)</translation>
    </message>
    <message>
        <source>Stück je Stunde brauchen --piece-mass (kg trocken je Stück)</source>
        <translation>pieces per hour need --piece-mass (kg dry per piece)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Masse in kg</source>
        <translation>&quot;%1&quot; is no mass in kg</translation>
    </message>
    <message>
        <source>gilt nur mit --throughput N/h, nicht mit t/h</source>
        <translation>applies only with --throughput N/h, not with t/h</translation>
    </message>
    <message>
        <source>Anlage: %1 t/h</source>
        <translation>Plant: %1 t/h</translation>
    </message>
    <message>
        <source>Anlage: %1 Stück/h zu %2 kg trocken</source>
        <translation>Plant: %1 pieces/h of %2 kg dry</translation>
    </message>
    <message>
        <source>Studie: ein Feld variieren, txt_Name=Anfang:Ende:Schritt (einschließlich) oder eine Liste 35;45;55 (bzw. 35,45,55; 0,5;1,5); mehrere --vary ergeben das volle Gitter, das letzte ändert sich am schnellsten</source>
        <translation>study: vary one field, txt_Name=start:end:step (inclusive) or a list 35;45;55 (or 35,45,55; 0.5;1.5); several --vary make the full grid, the last one changes fastest</translation>
    </message>
    <message>
        <source>Studie: ein Fall je Zeile einer CSV-Datei, Kopfzeile = Feldnamen (beliebige Auswahl; leere Zelle und fehlende Felder: Vorgabe bzw. txt_Name=TEXT); mit --vary: jede Zeile mal dem Gitter</source>
        <translation>study: one case per line of a CSV file, header line = field names (any selection; empty cell and missing fields: the default or txt_Name=TEXT); with --vary: each line times the grid</translation>
    </message>
    <message>
        <source>Studie: die im Fenster gespeicherte Studie rechnen (Grundeingaben und variierte Eingaben der Studiendatei; gespeicherte Ergebnisse werden neu gerechnet); Ausgabe wie mit --vary, auch mit -j, --shard, --format; ohne --vary, --cases, --refine, --inputs und txt_Name=TEXT</source>
        <translation>study: compute the study saved in the window (base inputs and varied inputs of the study file; saved results are computed anew); output as with --vary, also with -j, --shard, --format; without --vary, --cases, --refine, --inputs and txt_Name=TEXT</translation>
    </message>
    <message>
        <source>Studie, --accuracy, --auto-steps: so viele Läufe gleichzeitig (Vorgabe: einer je Kern, den der Prozess nutzen darf)</source>
        <translation>study, --accuracy, --auto-steps: this many runs at once (default: one per core the process may use)</translation>
    </message>
    <message>
        <source>Studie: nur Teil K von N rechnen (jeder N-te Fall ab Fall K, K und N ab 1); die Teile setzt --merge wieder zusammen</source>
        <translation>study: compute only part K of N (every N-th case from case K, K and N from 1); --merge puts the parts together again</translation>
    </message>
    <message>
        <source>Konvergenz: den Fall mit seiner Zeit- und Ortsschrittweite rechnen, dann mit beiden halbiert, N-mal (--refine=N, 1 bis 5, Vorgabe 3); je Stufe die Ergebnisse und ihre Änderung</source>
        <translation>convergence: compute the case with its time and space step, then with both halved, N times (--refine=N, 1 to 5, default 3); for each level the results and their change</translation>
    </message>
    <message>
        <source>Studie: Ausgabe als csv (Vorgabe) oder jsonl (JSON Lines)</source>
        <translation>study: output as csv (default) or jsonl (JSON Lines)</translation>
    </message>
    <message>
        <source>die Ausgaben der Teile einer Studie (--shard) in Fallreihenfolge zusammensetzen, byte-gleich mit der ungeteilten Studie</source>
        <translation>put the outputs of the parts of a study (--shard) together in case order, byte for byte as the undivided study</translation>
    </message>
    <message>
        <source>Studie: Fortschritt auch dann auf stderr, wenn es kein Terminal ist (eine Zeile je 10 s)</source>
        <translation>study: progress on stderr even when it is not a terminal (one line every 10 s)</translation>
    </message>
    <message>
        <source>%1 gilt nur für eine Studie (--vary, --cases, --study, --refine) oder mit --accuracy, --auto-steps</source>
        <translation>%1 applies only to a study (--vary, --cases, --study, --refine) or with --accuracy, --auto-steps</translation>
    </message>
    <message>
        <source>%1 gilt nur für eine Studie (--vary, --cases, --study, --refine)</source>
        <translation>%1 applies only to a study (--vary, --cases, --study, --refine)</translation>
    </message>
    <message>
        <source>--study zusammen mit %1: die Studiendatei legt Grundeingaben und variierte Eingaben fest; %1 weglassen oder die Studie im Fenster ändern</source>
        <translation>--study together with %1: the study file sets the base inputs and the varied inputs; leave out %1 or change the study in the window</translation>
    </message>
    <message>
        <source>%1 gilt für einen einzelnen Lauf, nicht für eine Studie</source>
        <translation>%1 applies to a single run, not to a study</translation>
    </message>
    <message>
        <source>--merge setzt fertige Teile zusammen und rechnet nichts; ohne --vary, --cases, --study, --refine, --shard</source>
        <translation>--merge puts finished parts together and computes nothing; without --vary, --cases, --study, --refine, --shard</translation>
    </message>
    <message>
        <source>--refine verfeinert einen Fall (die Eingaben txt_Name=TEXT); ohne --vary, --cases, --shard</source>
        <translation>--refine refines one case (the inputs txt_Name=TEXT); without --vary, --cases, --shard</translation>
    </message>
    <message>
        <source>die Ausgabe (stdout) kann nicht geschrieben werden</source>
        <translation>the output (stdout) cannot be written</translation>
    </message>
    <message>
        <source>%1 von %2 Stufen nicht vollständig gerechnet (Spalte outcome)</source>
        <translation>%1 of %2 levels not computed completely (column outcome)</translation>
    </message>
    <message>
        <source>%1 von %2 Fällen nicht vollständig gerechnet (Spalte outcome)</source>
        <translation>%1 of %2 cases not computed completely (column outcome)</translation>
    </message>
    <message>
        <source>Studie abgebrochen (%1): %2 von %3 Stufen geschrieben</source>
        <translation>study stopped (%1): %2 of %3 levels written</translation>
    </message>
    <message>
        <source>Studie abgebrochen (%1): %2 von %3 Fällen geschrieben</source>
        <translation>study stopped (%1): %2 of %3 cases written</translation>
    </message>
    <message>
        <source>; Studie abgebrochen</source>
        <translation>; study stopped</translation>
    </message>
    <message>
        <source>die Ausgabe auf stdout ließ sich nicht schreiben (stdout ist geschlossen); nichts gerechnet.</source>
        <translation>the output to stdout could not be written (stdout is closed); nothing computed.</translation>
    </message>
    <message>
        <source>dieser Teil enthält keinen Fall (die Studie hat %1 Fälle); er wird als leerer Teil geschrieben, damit --merge alle %2 Teile findet</source>
        <translation>this part holds no case (the study has %1 cases); it is written as an empty part so that --merge finds all %2 parts</translation>
    </message>
    <message>
        <source>%1/%2 Fälle fertig, bisher%3</source>
        <translation>%1/%2 cases done, so far%3</translation>
    </message>
    <message>
        <source>, Restzeit noch unbekannt</source>
        <translation>, time left not yet known</translation>
    </message>
    <message>
        <source>, noch etwa%1</source>
        <translation>, about%1 left</translation>
    </message>
    <message>
        <source>%1 ist mehrfach angegeben; die Option nimmt einen Wert.</source>
        <translation>%1 is given more than once; the option takes one value.</translation>
    </message>
</context>
</TS>
