<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Anlagenwerte</name>
    <message>
        <source>Das Feld %1 hat den unbekannten Wert &quot;%2&quot; (erwartet %3 oder %4).</source>
        <translation>The field %1 has the unknown value &quot;%2&quot; (expected %3 or %4).</translation>
    </message>
    <message>
        <source>Das Feld %1 fehlt (Stück/h braucht die Trockenmasse eines Stücks).</source>
        <translation>The field %1 is missing (pieces/h needs the dry mass of a piece).</translation>
    </message>
    <message>
        <source>Das Feld %1 gehört nur zu Stück/h.</source>
        <translation>The field %1 belongs to pieces/h only.</translation>
    </message>
</context>
<context>
    <name>Dateifelder</name>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Unbekanntes Feld %1.</source>
        <translation>Unknown field %1.</translation>
    </message>
    <message>
        <source>Falldatei</source>
        <translation>case file</translation>
    </message>
    <message>
        <source>Die Datei ist fehlerhaft: </source>
        <translation>The file is faulty: </translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für den Speicher.</source>
        <translation>The file is too large for the memory.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist kein Objekt.</source>
        <translation>The field %1 is not an object.</translation>
    </message>
    <message>
        <source>Das Feld %1 fehlt.</source>
        <translation>The field %1 is missing.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist kein Text.</source>
        <translation>The field %1 is not a text.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist zu lang (%2 Bytes, höchstens %3).</source>
        <translation>The field %1 is too long (%2 bytes, at most %3).</translation>
    </message>
    <message>
        <source>Das Feld %1 enthält einen Zeilenumbruch oder ein Steuerzeichen.</source>
        <translation>The field %1 contains a line break or a control character.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist keine Zahl.</source>
        <translation>The field %1 is not a number.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist keine endliche Zahl.</source>
        <translation>The field %1 is not a finite number.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist keine ganze Zahl.</source>
        <translation>The field %1 is not a whole number.</translation>
    </message>
    <message>
        <source>Das Feld %1 liegt außerhalb von %2 bis %3.</source>
        <translation>The field %1 lies outside %2 to %3.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist kein Wahrheitswert (true oder false).</source>
        <translation>The field %1 is not a truth value (true or false).</translation>
    </message>
    <message>
        <source>Unbekanntes Eingabefeld %1.</source>
        <translation>Unknown input field %1.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Lamvero-%1 (das Feld „format“ lautet nicht &quot;%2&quot;).</source>
        <translation>The file is not a Lamvero %1 (the field &quot;format&quot; is not &quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Das Feld „version“ ist keine Formatversion (1, 2, ...).</source>
        <translation>The field &quot;version&quot; is not a format version (1, 2, ...).</translation>
    </message>
    <message>
        <source>Die Datei stammt von einer neueren Programmversion (Formatversion %1; dieses Programm liest Version %2).</source>
        <translation>The file comes from a newer version of the program (format version %1; this program reads version %2).</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß (%1 MB = %2 Bytes; eine %3 hat höchstens %4 MB = %5 Bytes).</source>
        <translation>The file is too large (%1 MB = %2 bytes; a %3 has at most %4 MB = %5 bytes).</translation>
    </message>
    <message>
        <source>Messkurve</source>
        <translation>measured curve</translation>
    </message>
    <message>
        <source>Studiendatei</source>
        <translation>study file</translation>
    </message>
</context>
<context>
    <name>Dateizugriff</name>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden</source>
        <translation>The file %1 cannot be saved</translation>
    </message>
    <message>
        <source>Kein Dateiname angegeben.</source>
        <translation>No file name given.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner.</source>
        <translation>That is a folder.</translation>
    </message>
    <message>
        <source>. Eine bisherige Datei bleibt unverändert.</source>
        <translation>. A file already there stays unchanged.</translation>
    </message>
    <message>
        <source>Die Datei %1 wird nicht gespeichert</source>
        <translation>The file %1 is not saved</translation>
    </message>
    <message>
        <source>kein Platz auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>kein Platz auf dem Datenträger (Speicherkontingent erschöpft)</source>
        <translation>no space left on the disk (quota used up)</translation>
    </message>
    <message>
        <source>Es gibt sie nicht.</source>
        <translation>It does not exist.</translation>
    </message>
    <message>
        <source>Das ist eine Pipe (FIFO), keine gewöhnliche Datei.</source>
        <translation>That is a pipe (FIFO), not a regular file.</translation>
    </message>
    <message>
        <source>Das ist ein Gerät, keine gewöhnliche Datei.</source>
        <translation>That is a device, not a regular file.</translation>
    </message>
    <message>
        <source>Das ist ein Socket, keine gewöhnliche Datei.</source>
        <translation>That is a socket, not a regular file.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geöffnet werden</source>
        <translation>The file %1 cannot be opened</translation>
    </message>
    <message>
        <source>Die Datei ist größer (%1 Bytes), als eine Ausgabe dieser Studie sein kann (höchstens %2 Bytes).</source>
        <translation>The file is larger (%1 bytes) than an output of this study can be (at most %2 bytes).</translation>
    </message>
</context>
<context>
    <name>Falldatei</name>
    <message>
        <source>Das Feld %1</source>
        <translation>The field %1</translation>
    </message>
    <message>
        <source>Das Feld %1 hat den unbekannten Wert &quot;%2&quot; (erwartet Completed, Stopped, SeriesFull oder Failed).</source>
        <translation>The field %1 has the unknown value &quot;%2&quot; (expected Completed, Stopped, SeriesFull or Failed).</translation>
    </message>
    <message>
        <source>Das Feld %1 hat zu viele Einträge.</source>
        <translation>The field %1 has too many entries.</translation>
    </message>
    <message>
        <source>Unbekanntes Steuerelement %1.</source>
        <translation>Unknown control %1.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist kein Farbtripel [r, g, b].</source>
        <translation>The field %1 is not a colour triple [r, g, b].</translation>
    </message>
    <message>
        <source>Das Feld %1: %2.</source>
        <translation>The field %1: %2.</translation>
    </message>
    <message>
        <source>Die Genauigkeitsschätzung „run.accuracy“ passt nicht zum Lauf (andere Schrittweiten als die Eingaben).</source>
        <translation>The accuracy estimate &quot;run.accuracy&quot; does not fit the run (other steps than the inputs).</translation>
    </message>
    <message>
        <source>Das Feld „run.messages“ ist keine Liste von Texten.</source>
        <translation>The field &quot;run.messages&quot; is not a list of texts.</translation>
    </message>
    <message>
        <source>Das Feld %1 ist keine Liste von Zahlen.</source>
        <translation>The field %1 is not a list of numbers.</translation>
    </message>
    <message>
        <source>Die Zeitreihe %1 hat %2 Punkte statt %3 (run.nReihe + 1).</source>
        <translation>The time series %1 has %2 points instead of %3 (run.nReihe + 1).</translation>
    </message>
    <message>
        <source>Die Zeitreihe %1 hat bei Punkt %2 keinen Wert.</source>
        <translation>The time series %1 has no value at point %2.</translation>
    </message>
    <message>
        <source>Das Feld %1 hat zu viele Punkte.</source>
        <translation>The field %1 has too many points.</translation>
    </message>
    <message>
        <source>Die Messkurve %1 hat weniger als %2 Punkte.</source>
        <translation>The measured curve %1 has fewer than %2 points.</translation>
    </message>
    <message>
        <source>Die Zeit %1 ist negativ, fehlt oder nimmt nicht zu.</source>
        <translation>The time %1 is negative, missing or does not increase.</translation>
    </message>
    <message>
        <source>Das Feld %1 hat nicht so viele Punkte wie „measured.time“.</source>
        <translation>The field %1 does not have as many points as &quot;measured.time&quot;.</translation>
    </message>
    <message>
        <source>Die Wasserbeladung %1 ist negativ oder fehlt.</source>
        <translation>The moisture content %1 is negative or missing.</translation>
    </message>
    <message>
        <source>Das Feld „constantAir“ (%1) verlangt für %2 den Text von %3.</source>
        <translation>The field &quot;constantAir&quot; (%1) requires the text of %3 for %2.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Lamvero-Falldatei.</source>
        <translation>The file is not a Lamvero case file.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Das Feld „run.results“ ist keine Liste.</source>
        <translation>The field &quot;run.results&quot; is not a list.</translation>
    </message>
    <message>
        <source>Die Ergebnistabelle „run.results“ passt nicht zum Lauf (Eintrag %1, %2).</source>
        <translation>The results table &quot;run.results&quot; does not fit the run (entry %1, %2).</translation>
    </message>
    <message>
        <source>Die Ergebnistabelle „run.results“ hat mehr Einträge als der Lauf.</source>
        <translation>The results table &quot;run.results&quot; has more entries than the run.</translation>
    </message>
    <message>
        <source>Die Datei hat Zeitreihen („series“), aber keinen Lauf („run“).</source>
        <translation>The file has time series (&quot;series&quot;) but no run (&quot;run&quot;).</translation>
    </message>
    <message>
        <source>Das Feld %1: %2</source>
        <translation>The field %1: %2</translation>
    </message>
</context>
<context>
    <name>Genauigkeitsdatei</name>
    <message>
        <source>kein Objekt</source>
        <translation>not an object</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>kein kurzer Text</source>
        <translation>not a short text</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>kein Ergebnis dieses Programms</source>
        <translation>not a result of this program</translation>
    </message>
    <message>
        <source>nicht ein Wert je Stufe</source>
        <translation>not one value per level</translation>
    </message>
    <message>
        <source>unbekannte Art der Konvergenz</source>
        <translation>unknown kind of convergence</translation>
    </message>
    <message>
        <source>kein Wahrheitswert</source>
        <translation>not a truth value</translation>
    </message>
    <message>
        <source>keine Toleranz über 0 %</source>
        <translation>no tolerance above 0 %</translation>
    </message>
    <message>
        <source>keine Liste von 2 bis %1 Stufen</source>
        <translation>not a list of 2 to %1 levels</translation>
    </message>
    <message>
        <source>keine Liste von Ergebnissen</source>
        <translation>not a list of results</translation>
    </message>
</context>
<context>
    <name>JSON-Lesen</name>
    <message>
        <source>Der Text</source>
        <translation>The text</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>at</translation>
    </message>
    <message>
        <source>Die Datei enthält Binärdaten.</source>
        <translation>The file contains binary data.</translation>
    </message>
    <message>
        <source>Die Datei hat zu viele Feldnamen</source>
        <translation>The file has too many field names</translation>
    </message>
    <message>
        <source>Ein Feldname</source>
        <translation>A field name</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Das Feld %1 steht zweimal in der Datei.</source>
        <translation>The field %1 is in the file twice.</translation>
    </message>
    <message>
        <source>kein gültiges JSON.</source>
        <translation>not valid JSON.</translation>
    </message>
    <message>
        <source> (mehr als %1).</source>
        <translation> (more than %1).</translation>
    </message>
    <message>
        <source> ist zu lang (%1 Bytes, höchstens %2).</source>
        <translation> is too long (%1 bytes, at most %2).</translation>
    </message>
    <message>
        <source>Die Datei hat zu viel Text (mehr als %1 Bytes).</source>
        <translation>The file has too much text (more than %1 bytes).</translation>
    </message>
    <message>
        <source>Die Datei hat zu viele Werte</source>
        <translation>The file has too many values</translation>
    </message>
    <message>
        <source>Die Datei ist zu tief verschachtelt (mehr als %1 Ebenen%2).</source>
        <translation>The file is nested too deeply (more than %1 levels%2).</translation>
    </message>
    <message>
        <source>Die Datei hat zu viele Objekte und Listen</source>
        <translation>The file has too many objects and lists</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>ein Text oder eine Zahl ist zu lang (mehr als %1 Bytes).</source>
        <translation>a text or a number is too long (more than %1 bytes).</translation>
    </message>
</context>
<context>
    <name>Messkurve</name>
    <message>
        <source>Die Einheit fehlt</source>
        <translation>The unit is missing</translation>
    </message>
    <message>
        <source>Die Einheit „%1“ ist unbekannt</source>
        <translation>The unit &quot;%1&quot; is unknown</translation>
    </message>
    <message>
        <source>; möglich: %1.</source>
        <translation>; possible: %1.</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1, Spalte „%2“</source>
        <translation>%1, column &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Dieselbe Größe steht schon in Spalte „%1“.</source>
        <translation>The same quantity is already in column &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Kopfzeile hat keine Spalte für die Zeit (etwa „Zeit in min“).</source>
        <translation>The header has no column for the time (such as &quot;Zeit in min&quot; or &quot;time in min&quot;).</translation>
    </message>
    <message>
        <source>Die Kopfzeile hat keine Spalte für die Wasserbeladung oder die Masse (etwa „Masse in g“).</source>
        <translation>The header has no column for the moisture content or the mass (such as &quot;Masse in g&quot; or &quot;mass in g&quot;).</translation>
    </message>
    <message>
        <source>„%1“: In dieser Datei (Semikolon zwischen den Zellen) steht ein Komma vor den Nachkommastellen, kein Punkt.</source>
        <translation>&quot;%1&quot;: in this file (semicolons between the cells) a comma stands before the decimals, not a point.</translation>
    </message>
    <message>
        <source>„%1“ ist zu groß.</source>
        <translation>&quot;%1&quot; is too large.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>Die Zelle ist leer.</source>
        <translation>The cell is empty.</translation>
    </message>
    <message>
        <source>Die Zeit ist negativ.</source>
        <translation>The time is negative.</translation>
    </message>
    <message>
        <source>Die Zeit nimmt nicht zu.</source>
        <translation>The time does not increase.</translation>
    </message>
    <message>
        <source>Die Masse ist kleiner als die Trockenmasse (%1 g).</source>
        <translation>The mass is less than the dry mass (%1 g).</translation>
    </message>
    <message>
        <source>Die Wasserbeladung ist negativ.</source>
        <translation>The moisture content is negative.</translation>
    </message>
    <message>
        <source>Trockenmasse</source>
        <translation>Dry mass</translation>
    </message>
    <message>
        <source>Die Trockenmasse muss größer als 0 sein.</source>
        <translation>The dry mass must be greater than 0.</translation>
    </message>
    <message>
        <source>Ein Anführungszeichen wird nicht geschlossen.</source>
        <translation>A quotation mark is not closed.</translation>
    </message>
    <message>
        <source>Eine Masse braucht die Trockenmasse der Probe (Eingabe oder Kommentarzeile „# Trockenmasse in g: …“).</source>
        <translation>A mass needs the dry mass of the sample (input or comment line &quot;# dry mass in g: …&quot;).</translation>
    </message>
    <message>
        <source>Die Zeile hat %1 Zellen, die Kopfzeile %2.</source>
        <translation>The line has %1 cells, the header %2.</translation>
    </message>
    <message>
        <source>Die Datei hat mehr als %1 Zeilen.</source>
        <translation>The file has more than %1 lines.</translation>
    </message>
    <message>
        <source>Die Trockenmasse muss eine Zahl größer als 0 sein.</source>
        <translation>The dry mass must be a number greater than 0.</translation>
    </message>
    <message>
        <source>Die Datei hat keine Kopfzeile mit Spaltennamen und Einheiten.</source>
        <translation>The file has no header of column names and units.</translation>
    </message>
    <message>
        <source>Die Datei hat %1 Messpunkte; eine Trocknungskurve braucht mindestens %2.</source>
        <translation>The file has %1 measured points; a drying curve needs at least %2.</translation>
    </message>
</context>
<context>
    <name>Studiendatei</name>
    <message>
        <source>Das Feld %1 nennt kein Eingabefeld („%2“).</source>
        <translation>The field %1 names no input field (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>Das Feld „varied“ ist keine Liste.</source>
        <translation>The field &quot;varied&quot; is not a list.</translation>
    </message>
    <message>
        <source>Das Feld „varied“ nennt %1 variierte Eingaben, höchstens %2.</source>
        <translation>The field &quot;varied&quot; names %1 varied inputs, at most %2.</translation>
    </message>
    <message>
        <source>Das Feld „results.variedFields“ nennt nicht die variierten Eingaben der Studie (erwartet %1).</source>
        <translation>The field &quot;results.variedFields&quot; does not name the varied inputs of the study (expected %1).</translation>
    </message>
    <message>
        <source>Das Feld „results.quantities.%1“ ist nicht %2 [%3].</source>
        <translation>The field &quot;results.quantities.%1&quot; is not %2 [%3].</translation>
    </message>
    <message>
        <source>Das Feld „results.quantities“ hat mehr Einträge als Ergebnisse.</source>
        <translation>The field &quot;results.quantities&quot; has more entries than results.</translation>
    </message>
    <message>
        <source>Die Zeile %1 ist Fall %2, nach Fall %3 (die Fälle stehen aufsteigend, jeder einmal).</source>
        <translation>The row %1 is case %2, after case %3 (the cases come in ascending order, each once).</translation>
    </message>
    <message>
        <source>Das Feld %1 hat nicht je variierte Eingabe einen Text.</source>
        <translation>The field %1 does not have one text per varied input.</translation>
    </message>
    <message>
        <source>Die Zeile %1 ist nicht Fall %2 der Studie (%3 = „%4“ statt „%5“).</source>
        <translation>The row %1 is not case %2 of the study (%3 = &quot;%4&quot; instead of &quot;%5&quot;).</translation>
    </message>
    <message>
        <source>Das Feld %1 ist kein Ergebnis eines Laufs (Completed, Refused, Stopped, SeriesFull, Failed).</source>
        <translation>The field %1 is not an outcome of a run (Completed, Refused, Stopped, SeriesFull, Failed).</translation>
    </message>
    <message>
        <source>Das Feld %1 ist keine Liste von höchstens %2 Texten.</source>
        <translation>The field %1 is not a list of at most %2 texts.</translation>
    </message>
    <message>
        <source>Das Feld %1 hat nicht %2 Werte.</source>
        <translation>The field %1 does not have %2 values.</translation>
    </message>
    <message>
        <source>Das Feld „results.rows“ ist keine Liste.</source>
        <translation>The field &quot;results.rows&quot; is not a list.</translation>
    </message>
    <message>
        <source>Das Feld „results.rows“ hat mehr Zeilen (%1) als die Studie Fälle (%2).</source>
        <translation>The field &quot;results.rows&quot; has more rows (%1) than the study has cases (%2).</translation>
    </message>
    <message>
        <source>Die Studie in „varied“ lässt sich nicht rechnen: </source>
        <translation>The study in &quot;varied&quot; cannot be calculated: </translation>
    </message>
    <message>
        <source>Die Werte von %1</source>
        <translation>The values of %1</translation>
    </message>
</context>
</TS>
