<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anpassung</name>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 ist mehrfach gewählt.</source>
        <translation>%1 is chosen more than once.</translation>
    </message>
    <message>
        <source>Die Schranken von %1 müssen endliche Zahlen sein.</source>
        <translation>The bounds of %1 must be finite numbers.</translation>
    </message>
    <message>
        <source>Die untere Schranke von %1 muss kleiner als die obere sein.</source>
        <translation>The lower bound of %1 must be less than the upper one.</translation>
    </message>
    <message>
        <source>Untere Schranke von %1: %2</source>
        <translation>Lower bound of %1: %2</translation>
    </message>
    <message>
        <source>Obere Schranke von %1: %2</source>
        <translation>Upper bound of %1: %2</translation>
    </message>
    <message>
        <source>Die Messzeiten müssen endlich sein und streng steigen (Punkt %1).</source>
        <translation>The measured times must be finite and strictly increasing (point %1).</translation>
    </message>
    <message>
        <source>Das Gewicht von %1 muss eine Zahl ab 0 sein.</source>
        <translation>The weight of %1 must be a number from 0 up.</translation>
    </message>
    <message>
        <source>Die Messreihe %1 hat nicht so viele Werte wie Messzeiten.</source>
        <translation>The measured series %1 does not have as many values as measured times.</translation>
    </message>
    <message>
        <source>Keine Messgröße zählt: alle Gewichte sind 0.</source>
        <translation>No measured quantity counts: all weights are 0.</translation>
    </message>
    <message>
        <source>Nur %1 Messwerte zählen; die Anpassung braucht mindestens %2.</source>
        <translation>Only %1 measured values count; the fit needs at least %2.</translation>
    </message>
    <message>
        <source>Schranke erreicht: %1.</source>
        <translation>Bound reached: %1.</translation>
    </message>
    <message>
        <source>Keine Vertrauensbereiche: </source>
        <translation>No confidence intervals: </translation>
    </message>
    <message>
        <source>Es ist kein Parameter zum Anpassen gewählt.</source>
        <translation>No parameter is chosen to fit.</translation>
    </message>
    <message>
        <source>Die Höchstzahl der Läufe muss mindestens 1 sein.</source>
        <translation>The maximum number of runs must be at least 1.</translation>
    </message>
    <message>
        <source>Ausgangsfall: </source>
        <translation>Base case: </translation>
    </message>
    <message>
        <source>Kein Lauf der Anpassung ist vollständig durchgelaufen</source>
        <translation>No run of the fit went through to the end</translation>
    </message>
    <message>
        <source>Nach %1 Läufen abgebrochen, ohne dass die Werte sich festgelegt haben.</source>
        <translation>Stopped after %1 runs without the values settling.</translation>
    </message>
    <message>
        <source>Ein Lauf neben dem Optimum endete nicht</source>
        <translation>A run beside the optimum did not finish</translation>
    </message>
    <message>
        <source>Der Lauf lieferte keine endlichen Werte.</source>
        <translation>The run gave no finite values.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Die Messdaten bestimmen %1 nicht.</source>
        <translation>The measured data do not determine %1.</translation>
    </message>
    <message>
        <source>%1 lassen sich mit diesen Messdaten nicht unterscheiden.</source>
        <translation>%1 cannot be told apart with these measured data.</translation>
    </message>
    <message>
        <source>Die Messdaten hängen nicht von %1 ab.</source>
        <translation>The measured data do not depend on %1.</translation>
    </message>
    <message>
        <source>Mit %1 Messpunkten lassen sich %2 Parameter nicht mit Vertrauensbereichen bestimmen.</source>
        <translation>With %1 measured points, %2 parameters cannot be determined with confidence intervals.</translation>
    </message>
</context>
<context>
    <name>Falltabelle</name>
    <message>
        <source>%1, Zeile %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>die Zeile ist länger als %1 Zeichen; eine Falltabelle hat je Zeile einen Fall aus höchstens 18 Zahlen</source>
        <translation>the line is longer than %1 characters; a case table has one case per line of at most 18 numbers</translation>
    </message>
    <message>
        <source>ein Anführungszeichen ist nicht geschlossen</source>
        <translation>a quotation mark is not closed</translation>
    </message>
    <message>
        <source>unbekanntes Eingabefeld &quot;%1&quot; in der Kopfzeile; erwartet eines von:%2</source>
        <translation>unknown input field &quot;%1&quot; in the header; expected one of:%2</translation>
    </message>
    <message>
        <source>mehr als %1 Fälle; so viele rechnet eine Studie nicht</source>
        <translation>more than %1 cases; a study does not calculate that many</translation>
    </message>
    <message>
        <source>%1 Werte, die Kopfzeile hat %2 Felder</source>
        <translation>%1 values, the header has %2 fields</translation>
    </message>
    <message>
        <source> (Dezimalkomma in Anführungszeichen setzen oder ; trennen)</source>
        <translation> (put a decimal comma in quotation marks or separate with ;)</translation>
    </message>
    <message>
        <source>%1 = &quot;%2&quot; ist keine Zahl</source>
        <translation>%1 = &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>die Datei ist leer; erwartet eine Kopfzeile mit Feldnamen (z. B. txt_Dicke)</source>
        <translation>the file is empty; expected a header of field names (e.g. txt_Dicke)</translation>
    </message>
    <message>
        <source>die Datei enthält nach der Kopfzeile keinen Fall</source>
        <translation>the file holds no case after the header</translation>
    </message>
    <message>
        <source>die Falltabelle kann nicht gelesen werden</source>
        <translation>the case table cannot be read</translation>
    </message>
    <message>
        <source>das ist ein Ordner, keine Falltabelle</source>
        <translation>that is a folder, not a case table</translation>
    </message>
    <message>
        <source>das ist keine gewöhnliche Datei (ein Gerät oder eine Pipe); eine Falltabelle von der Standardeingabe liest --cases -</source>
        <translation>that is not a regular file (a device or a pipe); --cases - reads a case table from standard input</translation>
    </message>
</context>
<context>
    <name>Genauigkeit</name>
    <message>
        <source>Ortsschrittweite halbiert, Zeitschrittweite geviertelt</source>
        <translation>space step halved, time step quartered</translation>
    </message>
    <message>
        <source>Zeitschrittweite halbiert</source>
        <translation>time step halved</translation>
    </message>
    <message>
        <source>Zeit- und Ortsschrittweite halbiert</source>
        <translation>time and space step halved</translation>
    </message>
    <message>
        <source>Stufen</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>2 oder 3 Stufen, nicht %1</source>
        <translation>2 or 3 levels, not %1</translation>
    </message>
    <message>
        <source>Toleranz</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>muss größer als 0 % sein</source>
        <translation>must be greater than 0 %</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>wird nur auf einer der Stufen erreicht</source>
        <translation>is reached on only one of the levels</translation>
    </message>
    <message>
        <source>ändert sich noch um %1 %</source>
        <translation>still changes by %1 %</translation>
    </message>
    <message>
        <source>„%1“ %2 (Ziel: unter %3 %)</source>
        <translation>&quot;%1&quot; %2 (target: below %3 %)</translation>
    </message>
    <message>
        <source>mehr als %1 Halbierungen nimmt die automatische Wahl nicht vor</source>
        <translation>the automatic choice does not make more than %1 halvings</translation>
    </message>
    <message>
        <source> Bei %1 %2.</source>
        <translation> At %1 %2.</translation>
    </message>
    <message>
        <source>; bei %1 %2</source>
        <translation>; at %1 %2</translation>
    </message>
    <message>
        <source>gewählte Schrittweiten: Zeitschrittweite %1 s, Ortsschrittweite %2 mm (%3 Läufe)</source>
        <translation>chosen steps: time step %1 s, space step %2 mm (%3 runs)</translation>
    </message>
    <message>
        <source>; größter geschätzter Restfehler %1 % (%2)</source>
        <translation>; largest estimated remaining error %1 % (%2)</translation>
    </message>
    <message>
        <source>Lauf nicht vollständig (%1)</source>
        <translation>run not complete (%1)</translation>
    </message>
    <message>
        <source>Stufe %1 (Zeitschrittweite %2 s, Ortsschrittweite %3 mm)</source>
        <translation>Level %1 (time step %2 s, space step %3 mm)</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Stufe %1 braucht etwa %2 Speicher, verfügbar sind %3. Bitte weniger Stufen oder eine gröbere Ortsschrittweite wählen.</source>
        <translation>Level %1 needs about %2 of memory, %3 are available. Please choose fewer levels or a coarser space step.</translation>
    </message>
    <message>
        <source>%1 gleichzeitig gerechnete Stufen brauchen etwa %2 Speicher, verfügbar sind %3. Bitte mit --jobs weniger Stufen gleichzeitig rechnen.</source>
        <translation>%1 levels calculated at the same time need about %2 of memory, %3 are available. Please calculate fewer levels at a time with --jobs.</translation>
    </message>
    <message>
        <source>Schon die erste Verfeinerung ist nicht zulässig.</source>
        <translation>Even the first refinement is not allowed.</translation>
    </message>
    <message>
        <source>--refine=%1 ist die feinste zulässige Stufe.</source>
        <translation>--refine=%1 is the finest level allowed.</translation>
    </message>
</context>
<context>
    <name>Optimierung</name>
    <message>
        <source>spezifischer Energiebedarf</source>
        <translation>specific energy demand</translation>
    </message>
    <message>
        <source>Trocknungsdauer</source>
        <translation>drying time</translation>
    </message>
    <message>
        <source>Heizleistung</source>
        <translation>heater power</translation>
    </message>
    <message>
        <source>Trocknungsdauer höchstens</source>
        <translation>drying time at most</translation>
    </message>
    <message>
        <source>Schwindungsdifferenz höchstens</source>
        <translation>shrinkage difference at most</translation>
    </message>
    <message>
        <source>Zulufttemperatur höchstens</source>
        <translation>supply air temperature at most</translation>
    </message>
    <message>
        <source>Wasserbilanzfehler höchstens</source>
        <translation>water balance error at most</translation>
    </message>
    <message>
        <source>: mehrfach als Entscheidungsgröße gewählt</source>
        <translation>: chosen more than once as a decision variable</translation>
    </message>
    <message>
        <source>: die Grenzen müssen endliche Zahlen sein</source>
        <translation>: the limits must be finite numbers</translation>
    </message>
    <message>
        <source>: die untere Grenze muss kleiner als die obere sein</source>
        <translation>: the lower limit must be less than the upper one</translation>
    </message>
    <message>
        <source>: mit der unteren Grenze %1 ist der Fall nicht zu rechnen (%2)</source>
        <translation>: with the lower limit %1 the case cannot be calculated (%2)</translation>
    </message>
    <message>
        <source>: mit der oberen Grenze %1 ist der Fall nicht zu rechnen (%2)</source>
        <translation>: with the upper limit %1 the case cannot be calculated (%2)</translation>
    </message>
    <message>
        <source>: mehrfach gesetzt</source>
        <translation>: set more than once</translation>
    </message>
    <message>
        <source>: die Grenze muss eine endliche Zahl sein</source>
        <translation>: the limit must be a finite number</translation>
    </message>
    <message>
        <source>: die Grenze muss größer als 0 sein</source>
        <translation>: the limit must be greater than 0</translation>
    </message>
    <message>
        <source>Der Ausgangsfall ist nicht zu rechnen: </source>
        <translation>The base case cannot be calculated: </translation>
    </message>
    <message>
        <source>Keine Entscheidungsgröße gewählt: mindestens eine Eingabe muss variieren</source>
        <translation>No decision variable chosen: at least one input must vary</translation>
    </message>
    <message>
        <source>Das Ziel Heizleistung braucht den Durchsatz der Anlage</source>
        <translation>The goal heater power needs the throughput of the plant</translation>
    </message>
    <message>
        <source>Höchstzahl der Läufe: mindestens 1</source>
        <translation>Maximum number of runs: at least 1</translation>
    </message>
    <message>
        <source>Kein zulässiger Punkt gefunden: %1 %2 ist nicht einzuhalten, am nächsten kam %3 (%4 Läufe)</source>
        <translation>No feasible point found: %1 %2 cannot be kept, the closest was %3 (%4 runs)</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 Läufen; bester zulässiger Punkt bisher: %2</source>
        <translation>Stopped after %1 runs; best feasible point so far: %2</translation>
    </message>
    <message>
        <source>Optimum gefunden: %1; aktive Grenzen: %2</source>
        <translation>Optimum found: %1; active limits: %2</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>. Der Kontrolllauf mit den gerundeten Werten hält nicht jede Grenze ein</source>
        <translation>. The check run with the rounded values does not keep every limit</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 Läufen, ohne zulässigen Punkt</source>
        <translation>Stopped after %1 runs, without a feasible point</translation>
    </message>
    <message>
        <source>Das Ziel ist bei keinem Lauf zu berechnen</source>
        <translation>The goal cannot be calculated for any run</translation>
    </message>
    <message>
        <source>Kein Lauf wurde zu Ende gerechnet: </source>
        <translation>No run was calculated to the end: </translation>
    </message>
</context>
<context>
    <name>Studie</name>
    <message>
        <source>Lauf nicht möglich: </source>
        <translation>Run not possible: </translation>
    </message>
    <message>
        <source>ein Bereich ist Anfang:Ende:Schritt, z. B. 10:40:5 (gelesen: &quot;%1&quot;)</source>
        <translation>a range is start:end:step, e.g. 10:40:5 (read: &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Schritt</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>%1 des Bereichs &quot;%2&quot; ist keine Dezimalzahl (höchstens 17 Ziffern, ohne Exponent)</source>
        <translation>%1 of the range &quot;%2&quot; is not a decimal number (at most 17 digits, no exponent)</translation>
    </message>
    <message>
        <source>zu viele Nachkommastellen im Bereich</source>
        <translation>too many decimals in the range</translation>
    </message>
    <message>
        <source>die Zahlen des Bereichs haben zu viele Ziffern</source>
        <translation>the numbers of the range have too many digits</translation>
    </message>
    <message>
        <source>der Schritt des Bereichs muss größer als 0 sein</source>
        <translation>the step of the range must be greater than 0</translation>
    </message>
    <message>
        <source>das Ende des Bereichs liegt vor seinem Anfang</source>
        <translation>the end of the range lies before its start</translation>
    </message>
    <message>
        <source>der Bereich ergäbe %1 Werte, mehr als %2</source>
        <translation>the range would give %1 values, more than %2</translation>
    </message>
    <message>
        <source>%1=%2 ist mehrdeutig: für die eine Zahl %2 schreiben Sie %1=%3 oder %1=%2;, für zwei Werte %1=%4</source>
        <translation>%1=%2 is ambiguous: for the one number %2 write %1=%3 or %1=%2;, for two values %1=%4</translation>
    </message>
    <message>
        <source>der %1. Wert der Liste &quot;%2&quot; ist keine Zahl</source>
        <translation>value %1 of the list &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>keine Werte angegeben</source>
        <translation>no values given</translation>
    </message>
    <message>
        <source>erwartet %1=WERTE, z. B. %1=10:40:5 oder %1=35;45;55</source>
        <translation>expected %1=VALUES, e.g. %1=10:40:5 or %1=35;45;55</translation>
    </message>
    <message>
        <source>unbekanntes Eingabefeld &quot;%1&quot;; erwartet eines von:%2</source>
        <translation>unknown input field &quot;%1&quot;; expected one of:%2</translation>
    </message>
    <message>
        <source>die Falltabelle enthält keinen Fall</source>
        <translation>the case table holds no case</translation>
    </message>
    <message>
        <source>die Falltabelle hat mehr als %1 Fälle</source>
        <translation>the case table has more than %1 cases</translation>
    </message>
    <message>
        <source>Fall %1 der Tabelle hat %2 Werte, die Tabelle %3 Spalten</source>
        <translation>case %1 of the table has %2 values, the table %3 columns</translation>
    </message>
    <message>
        <source>keine Werte</source>
        <translation>no values</translation>
    </message>
    <message>
        <source>%1 ist mehr als einmal vorgegeben</source>
        <translation>%1 is given more than once</translation>
    </message>
    <message>
        <source>die Studie hätte mehr als %1 Fälle</source>
        <translation>the study would have more than %1 cases</translation>
    </message>
    <message>
        <source>erwartet K/N, z. B. --shard 2/3</source>
        <translation>expected K/N, e.g. --shard 2/3</translation>
    </message>
    <message>
        <source>K und N müssen ganze Zahlen sein, z. B. --shard 2/3</source>
        <translation>K and N must be whole numbers, e.g. --shard 2/3</translation>
    </message>
    <message>
        <source>K zählt von 1 bis N (Teil 1 bis %1)</source>
        <translation>K counts from 1 to N (part 1 to %1)</translation>
    </message>
</context>
<context>
    <name>Studienausgabe</name>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1 Spalten, die Kopfzeile hat %2</source>
        <translation>%1 columns, the header has %2</translation>
    </message>
    <message>
        <source>Spalte outcome: „%1“ ist kein Ergebnis eines Laufs</source>
        <translation>column outcome: &quot;%1&quot; is not an outcome of a run</translation>
    </message>
    <message>
        <source>Spalte %1: keine Zahl</source>
        <translation>column %1: not a number</translation>
    </message>
    <message>
        <source>keine Zeile einer Studie in JSON Lines</source>
        <translation>not a line of a study in JSON Lines</translation>
    </message>
    <message>
        <source>„outcome“ ist kein Ergebnis eines Laufs</source>
        <translation>&quot;outcome&quot; is not an outcome of a run</translation>
    </message>
    <message>
        <source>das Ergebnis %1 fehlt</source>
        <translation>the result %1 is missing</translation>
    </message>
    <message>
        <source>das Ergebnis %1 ist keine Zahl</source>
        <translation>the result %1 is not a number</translation>
    </message>
    <message>
        <source>Spalte %1: „%2“ statt „%3“</source>
        <translation>column %1: &quot;%2&quot; instead of &quot;%3&quot;</translation>
    </message>
    <message>
        <source>„%1“ ist %2, erwartet %3</source>
        <translation>&quot;%1&quot; is %2, expected %3</translation>
    </message>
    <message>
        <source>nicht da</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>nicht in der Form, in der das Programm die Zeile schreibt</source>
        <translation>not in the form in which the program writes the line</translation>
    </message>
    <message>
        <source>die Kopfzeilen sind nicht die dieser Studie (erwartet Fall, die variierten Eingaben, Ergebnis, die Ergebnisse und Meldungen, darunter case, %1, outcome, die Ergebnisse und messages; als CSV mit , oder ; getrennt)</source>
        <translation>the headers are not those of this study (expected Fall, the varied inputs, Ergebnis, the results and Meldungen, below them case, %1, outcome, the results and messages; as CSV separated by , or ;)</translation>
    </message>
    <message>
        <source>ein Anführungszeichen ist nicht geschlossen</source>
        <translation>a quotation mark is not closed</translation>
    </message>
    <message>
        <source>mehr Zeilen als die Studie Fälle hat (%1)</source>
        <translation>more lines than the study has cases (%1)</translation>
    </message>
    <message>
        <source>nicht Fall %1 der Studie: %2</source>
        <translation>not case %1 of the study: %2</translation>
    </message>
    <message>
        <source>die Ausgabe ist leer</source>
        <translation>the output is empty</translation>
    </message>
    <message>
        <source>ein Teil einer Studie: erst mit --merge zusammenfügen</source>
        <translation>a part of a study: join it with --merge first</translation>
    </message>
    <message>
        <source>die Zeile endet ohne Zeilenumbruch (die Ausgabe ist abgeschnitten)</source>
        <translation>the line ends without a line feed (the output is cut off)</translation>
    </message>
    <message>
        <source>länger als eine Zeile dieser Studie sein kann</source>
        <translation>longer than a line of this study can be</translation>
    </message>
    <message>
        <source>die Marke nennt %1 Zeilen, es sind %2</source>
        <translation>the mark names %1 lines, there are %2</translation>
    </message>
    <message>
        <source>nach der Marke des abgebrochenen Laufs folgt noch etwas</source>
        <translation>something follows the mark of the stopped run</translation>
    </message>
    <message>
        <source>die Marke des abgebrochenen Laufs folgt auf alle Fälle der Studie</source>
        <translation>the mark of the stopped run follows all cases of the study</translation>
    </message>
    <message>
        <source>Die Studie</source>
        <translation>The study</translation>
    </message>
    <message>
        <source>die Ausgabe ist größer, als eine Ausgabe dieser Studie sein kann (%1 Bytes, höchstens %2)</source>
        <translation>the output is larger than an output of this study can be (%1 bytes, at most %2)</translation>
    </message>
</context>
<context>
    <name>Studienspalten</name>
    <message>
        <source>Fall</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Stufe</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Meldungen</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>Studienteile</name>
    <message>
        <source>%1, Zeile %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>länger als jede Zeile dieser Studie (über %1 Bytes)</source>
        <translation>longer than any line of this study (over %1 bytes)</translation>
    </message>
    <message>
        <source>ohne Schlussmarke: der Teil ist abgeschnitten oder wurde nicht fertig geschrieben (%1 von %2 Zeilen)</source>
        <translation>without an end mark: the part is cut off or was not written to the end (%1 of %2 lines)</translation>
    </message>
    <message>
        <source>nach der Schlussmarke folgt noch Text</source>
        <translation>text follows the end mark</translation>
    </message>
    <message>
        <source>als unvollständig markiert (%1): %2 von %3 Fällen geschrieben</source>
        <translation>marked as incomplete (%1): %2 of %3 cases written</translation>
    </message>
    <message>
        <source>ohne Grund</source>
        <translation>no reason given</translation>
    </message>
    <message>
        <source>die Schlussmarke zählt %1 Zeilen, der Teil hat %2 von %3</source>
        <translation>the end mark counts %1 lines, the part has %2 of %3</translation>
    </message>
    <message>
        <source>mehr Zeilen als die %1 Fälle von Teil %2</source>
        <translation>more lines than the %1 cases of part %2</translation>
    </message>
    <message>
        <source>keine Zeile einer Studie (sie beginnt nicht mit der Fallnummer)</source>
        <translation>not a line of a study (it does not start with the case number)</translation>
    </message>
    <message>
        <source>Fall %1 statt Fall %2 (Teil %3 rechnet jeden %4. Fall ab Fall %5)</source>
        <translation>case %1 instead of case %2 (part %3 calculates every case %4 apart, from case %5)</translation>
    </message>
    <message>
        <source>keine zweite Kopfzeile mit den Schlüsseln der Spalten (case, …)</source>
        <translation>no second header with the keys of the columns (case, …)</translation>
    </message>
    <message>
        <source>die Datei ist leer (0 Bytes): kein vollständiger Teil einer Studie</source>
        <translation>the file is empty (0 bytes): not a complete part of a study</translation>
    </message>
    <message>
        <source>gehört zu einer anderen Studie als %1 (%2)</source>
        <translation>belongs to another study than %1 (%2)</translation>
    </message>
    <message>
        <source>ist Teil %1, %2 aber Teil %3: die Studie ist verschieden geteilt</source>
        <translation>is part %1, but %2 is part %3: the study is split differently</translation>
    </message>
    <message>
        <source>die Kopfzeile weicht von der des ersten Teils ab</source>
        <translation>the header differs from that of the first part</translation>
    </message>
    <message>
        <source>Teil %1 kommt zweimal vor (auch %2)</source>
        <translation>part %1 comes twice (also %2)</translation>
    </message>
    <message>
        <source>Fall %1</source>
        <translation>case %1</translation>
    </message>
    <message>
        <source>keine Fälle</source>
        <translation>no cases</translation>
    </message>
    <message>
        <source>Teil %1 fehlt (%2)</source>
        <translation>part %1 is missing (%2)</translation>
    </message>
    <message>
        <source>keine Dateien angegeben</source>
        <translation>no files given</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (%1)</source>
        <translation>the file cannot be read (%1)</translation>
    </message>
    <message>
        <source>ist ein Ordner, keine Datei eines Teils</source>
        <translation>is a folder, not the file of a part</translation>
    </message>
    <message>
        <source>ist keine gewöhnliche Datei (FIFO, Gerät oder Socket); ein Teil ist eine Datei, die --shard K/N geschrieben hat</source>
        <translation>is not a regular file (FIFO, device or socket); a part is a file written by --shard K/N</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>länger, als ein Teil mit %1 Fällen sein kann (über %2 Bytes)</source>
        <translation>longer than a part with %1 cases can be (over %2 bytes)</translation>
    </message>
    <message>
        <source>kein Teil einer Studie (die erste Zeile ist keine Teilmarke); Teile schreibt --shard K/N</source>
        <translation>not a part of a study (the first line is no part mark); --shard K/N writes parts</translation>
    </message>
    <message>
        <source>die Teilmarke in der ersten Zeile ist beschädigt</source>
        <translation>the part mark in the first line is damaged</translation>
    </message>
    <message>
        <source>ein Teil einer anderen Version (erwartet Version %1)</source>
        <translation>a part of another version (expected version %1)</translation>
    </message>
    <message>
        <source>die Teilmarke in der ersten Zeile ist unvollständig</source>
        <translation>the part mark in the first line is incomplete</translation>
    </message>
    <message>
        <source>die Teilmarke nennt keinen gültigen Teil (%1)</source>
        <translation>the part mark names no valid part (%1)</translation>
    </message>
    <message>
        <source>die Fallzahlen der Teilmarke passen nicht zu Teil %1</source>
        <translation>the case counts of the part mark do not fit part %1</translation>
    </message>
    <message>
        <source>die Schlussmarke ist beschädigt</source>
        <translation>the end mark is damaged</translation>
    </message>
    <message>
        <source>die Marke des abgebrochenen Laufs ist beschädigt</source>
        <translation>the mark of the stopped run is damaged</translation>
    </message>
    <message>
        <source>die Marke des abgebrochenen Laufs nennt eine Studie mit %1 Fällen, diese hat %2</source>
        <translation>the mark of the stopped run names a study with %1 cases, this one has %2</translation>
    </message>
    <message>
        <source>Grundeingabe %1: %2 statt %3</source>
        <translation>base input %1: %2 instead of %3</translation>
    </message>
    <message>
        <source>Programm</source>
        <translation>program</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>Ausgabeformat</source>
        <translation>output format</translation>
    </message>
    <message>
        <source>CSV-Dialekt</source>
        <translation>CSV dialect</translation>
    </message>
    <message>
        <source>variierte Eingaben (--vary)</source>
        <translation>varied inputs (--vary)</translation>
    </message>
    <message>
        <source>Falltabelle (--cases)</source>
        <translation>case table (--cases)</translation>
    </message>
    <message>
        <source>Fallzahl der Studie</source>
        <translation>number of cases of the study</translation>
    </message>
    <message>
        <source>%1: %2 statt %3</source>
        <translation>%1: %2 instead of %3</translation>
    </message>
    <message>
        <source>ein anderer Fingerabdruck der Studie</source>
        <translation>another fingerprint of the study</translation>
    </message>
</context>
</TS>
