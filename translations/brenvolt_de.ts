<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QtFileDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>chatPreviewBar</name>
    <message>
        <source>Chat line as the game shows it</source>
        <translation>Chatzeile, wie das Spiel sie zeigt</translation>
    </message>
    <message>
        <source>Bytes the game receives for this chat line, colour codes included. The server keeps at most %1 of them. Past that, the bind&apos;s line in the cfg file is counted too: the game reads at most 1,023 bytes of a line.</source>
        <translation>Bytes, die das Spiel für diese Chatzeile erhält, Farbcodes eingeschlossen. Der Server behält höchstens %1 davon. Darüber hinaus wird auch die Zeile des Binds in der cfg-Datei gezählt: Das Spiel liest höchstens 1.023 Bytes einer Zeile.</translation>
    </message>
</context>
<context>
    <name>clsBindLine</name>
    <message>
        <source>Bind Too Long</source>
        <translation>Bind zu lang</translation>
    </message>
    <message>
        <source>Piece Not Added</source>
        <translation>Teil nicht hinzugefügt</translation>
    </message>
    <message>
        <source>This radio command would make the bind longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. Pick another radio command, or shorten this one in the definition file.</source>
        <translation>Mit diesem Funkbefehl würde der Bind länger als die 1.023 Zeichen, die das Spiel von einer Zeile liest, und das Spiel würde den Rest als Befehl ausführen. Wähle einen anderen Funkbefehl oder kürze diesen in der Definitionsdatei.</translation>
    </message>
    <message>
        <source>This bind would be longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. The chat shows only 149 characters anyway: shorten the text or add it to another key.</source>
        <translation>Dieser Bind wäre länger als die 1.023 Zeichen, die das Spiel von einer Zeile liest, und das Spiel würde den Rest als Befehl ausführen. Der Chat zeigt ohnehin nur 149 Zeichen: Kürze den Text oder lege ihn auf eine andere Taste.</translation>
    </message>
    <message>
        <source>This radio command is empty: the game would keep whatever the key did before. Pick another radio command, or fill this one in in the definition file.</source>
        <translation>Dieser Funkbefehl ist leer: Die Taste würde behalten, was sie vorher tat. Wähle einen anderen Funkbefehl oder fülle diesen in der Definitionsdatei aus.</translation>
    </message>
    <message>
        <source>A radio bind is one radio command: text and OSP tokens cannot be added to it as radio commands.</source>
        <translation>Ein Funk-Bind ist ein einzelner Funkbefehl: Text und OSP-Tokens können ihm nicht als Funkbefehle hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Next to what this bind already holds, this piece would make // or /*, which the game reads as the start of a comment: the rest of the bind would be lost. Put a space or another character between them, or add the piece at the other end of the bind.</source>
        <translation>Neben dem, was dieser Bind schon enthält, würde dieses Teil // oder /* bilden, was das Spiel als Beginn eines Kommentars liest: Der Rest des Binds ginge verloren. Setze ein Leerzeichen oder ein anderes Zeichen dazwischen oder füge das Teil am anderen Ende des Binds hinzu.</translation>
    </message>
    <message>
        <source>With this radio command the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation>Mit diesem Funkbefehl enthielte der Bind ein &apos;;&apos;, ein Anführungszeichen oder einen Zeilenumbruch, an dem das Spiel den Bind beenden und den Rest als Befehl ausführen würde. Er wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>With this piece the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation>Mit diesem Teil enthielte der Bind ein &apos;;&apos;, ein Anführungszeichen oder einen Zeilenumbruch, an dem das Spiel den Bind beenden und den Rest als Befehl ausführen würde. Es wurde nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>clsCfgBuilder</name>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>clsCfgFile</name>
    <message>
        <source>Its folder cannot be made: a file named %1 is in the way.</source>
        <translation>Ihr Ordner kann nicht angelegt werden: Eine Datei namens %1 steht im Weg.</translation>
    </message>
    <message>
        <source>Its folder %1 could not be made: %2.</source>
        <translation>Ihr Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner mit diesem Namen steht im Weg.</translation>
    </message>
</context>
<context>
    <name>clsChatPreview</name>
    <message>
        <source>the game cuts the rest</source>
        <translation>das Spiel schneidet den Rest ab</translation>
    </message>
    <message>
        <source>line %1 / %2</source>
        <translation>Zeile %1 / %2</translation>
    </message>
</context>
<context>
    <name>clsDefinitionList</name>
    <message>
        <source>No definition files found.</source>
        <translation>Keine Definitionsdateien gefunden.</translation>
    </message>
    <message>
        <source>A definition file is a plain text file of lines such as key:F1 and color:Red&lt;&gt;1 (see Help). Put definition files into the folder:</source>
        <translation>Eine Definitionsdatei ist eine einfache Textdatei mit Zeilen wie key:F1 und color:Red&lt;&gt;1 (siehe Hilfe). Lege Definitionsdateien in diesen Ordner:</translation>
    </message>
    <message>
        <source>The files that come with the program belong in:</source>
        <translation>Die Dateien, die mit dem Programm kommen, gehören hierher:</translation>
    </message>
    <message>
        <source>Install the program again to get them back.</source>
        <translation>Installiere das Programm neu, um sie zurückzubekommen.</translation>
    </message>
</context>
<context>
    <name>clsHandOverNote</name>
    <message>
        <source>Everything else was read.</source>
        <translation>Alles andere wurde gelesen.</translation>
    </message>
    <message>
        <source>Some Entries Left Out</source>
        <translation>Einige Einträge ausgelassen</translation>
    </message>
    <message>
        <source>The file %1 lists no keys (lines such as key:F1), so there is nothing to bind. Add key lines to it with a text editor and pick it again at the next start, or pick another file then.</source>
        <translation>Die Datei %1 nennt keine Tasten (Zeilen wie key:F1), es gibt also nichts zu binden. Füge ihr mit einem Texteditor Tastenzeilen hinzu und wähle sie beim nächsten Start erneut, oder wähle dann eine andere Datei.</translation>
    </message>
    <message>
        <source>No Keys to Bind</source>
        <translation>Keine Tasten zum Binden</translation>
    </message>
    <message numerus="yes">
        <source>This entry of %1 was left out:</source>
        <comment>These %n entries of %1 were left out:</comment>
        <translation>
            <numerusform>Dieser Eintrag von %1 wurde ausgelassen:</numerusform>
            <numerusform>Diese %n Einträge von %1 wurden ausgelassen:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read it as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read them as written: change those lines in the file with a text editor to use them.</comment>
        <translation>
            <numerusform>Das Spiel würde ihn nicht so lesen, wie er dasteht: Ändere diese Zeile in der Datei mit einem Texteditor, um ihn zu nutzen.</numerusform>
            <numerusform>Das Spiel würde sie nicht so lesen, wie sie dastehen: Ändere diese Zeilen in der Datei mit einem Texteditor, um sie zu nutzen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read one of them as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read %n of them as written: change those lines in the file with a text editor to use them.</comment>
        <translation>
            <numerusform>Das Spiel würde einen davon nicht so lesen, wie er dasteht: Ändere diese Zeile in der Datei mit einem Texteditor, um ihn zu nutzen.</numerusform>
            <numerusform>Das Spiel würde %n davon nicht so lesen, wie sie dastehen: Ändere diese Zeilen in der Datei mit einem Texteditor, um sie zu nutzen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n was past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</source>
        <comment>%n were past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</comment>
        <translation>
            <numerusform>%n lag jenseits der 32.767 Einträge einer Art (Tasten, Farben, OSP-Tokens oder Funkbefehle), die das Programm fasst.</numerusform>
            <numerusform>%n lagen jenseits der 32.767 Einträge einer Art (Tasten, Farben, OSP-Tokens oder Funkbefehle), die das Programm fasst.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsHelpText</name>
    <message>
        <source>----------------  What is a cfg file?  --------------</source>
        <translation>----------------  Was ist eine cfg-Datei?  --------------</translation>
    </message>
    <message>
        <source>A cfg file is a configuration file which contains the settings of the game, or changes the settings when executing it.</source>
        <translation>Eine cfg-Datei ist eine Konfigurationsdatei, die die Einstellungen des Spiels enthält oder die Einstellungen ändert, wenn sie ausgeführt wird.</translation>
    </message>
    <message>
        <source>Every time you start a multi-player game the file sof2mp.cfg is being executed, that way your game &apos;knows&apos; what the settings were after you quit the game before.</source>
        <translation>Jedes Mal, wenn du ein Mehrspielerspiel startest, wird die Datei sof2mp.cfg ausgeführt. So &apos;weiß&apos; dein Spiel, wie die Einstellungen waren, als du es zuletzt beendet hast.</translation>
    </message>
    <message>
        <source>This cfg file is being made by the game, but you can also make your OWN cfg files.</source>
        <translation>Diese cfg-Datei legt das Spiel selbst an, aber du kannst auch EIGENE cfg-Dateien machen.</translation>
    </message>
    <message>
        <source>Why would you make a cfg file when the game already makes one for you?</source>
        <translation>Warum solltest du eine cfg-Datei machen, wenn das Spiel schon eine für dich macht?</translation>
    </message>
    <message>
        <source>Not everything you would want to bind will be made by the game, for example SAY binds!</source>
        <translation>Nicht alles, was du binden möchtest, legt das Spiel an, zum Beispiel SAY-Binds!</translation>
    </message>
    <message>
        <source>In team games say binds can be very important to make team members aware of possible danger. </source>
        <translation>In Teamspielen können Say-Binds sehr wichtig sein, um Teammitglieder auf mögliche Gefahr hinzuweisen. </translation>
    </message>
    <message>
        <source>Of course you can open textpad and manually type them, but then you do have to know all the exact commands, color codes and OSP tokens!</source>
        <translation>Natürlich kannst du einen Texteditor öffnen und sie von Hand tippen, aber dann musst du alle genauen Befehle, Farbcodes und OSP-Tokens kennen!</translation>
    </message>
    <message>
        <source>That&apos;s why I made this program, because I know that it&apos;s a pain in the ass to make cfg files that way, especially when wanting to use different colors in one line!</source>
        <translation>Deshalb habe ich dieses Programm gemacht, denn ich weiß, dass es eine Qual ist, cfg-Dateien so zu machen, besonders wenn man verschiedene Farben in einer Zeile will!</translation>
    </message>
    <message>
        <source>----------------  Ok, how does it work?  ---------------</source>
        <translation>----------------  Okay, wie funktioniert es?  ---------------</translation>
    </message>
    <message>
        <source>In the main screen you first select a key, then you choose whether you&apos;d like to make a public say bind, a teamsay bind or a radio bind. After that you can choose the amount of colors you want the pattern to have, with a maximum of %1. </source>
        <translation>Im Hauptfenster wählst du zuerst eine Taste, dann entscheidest du, ob du einen öffentlichen Say-Bind, einen Teamsay-Bind oder einen Funk-Bind machen möchtest. Danach kannst du wählen, wie viele Farben das Muster haben soll, höchstens %1. </translation>
    </message>
    <message>
        <source>Also you have to select how many characters will get the same color until it switches to the next one. You can add pieces of text to a bind untill you are completely satisfied with it with the &apos;Add&apos; button. To undo the previous action click on &apos;Undo&apos; and &apos;Cancel&apos; will bring you back to the key selecting menu. When clicking on OSP you can choose from OSP tokens, OSP is a mod not made by Raven which means that not all servers support it! </source>
        <translation>Außerdem wählst du, wie viele Zeichen dieselbe Farbe bekommen, bis zur nächsten gewechselt wird. Mit der Schaltfläche &apos;Hinzufügen&apos; kannst du einem Bind Textstücke hinzufügen, bis du ganz zufrieden bist. Um den letzten Schritt rückgängig zu machen, klicke auf &apos;Rückgängig&apos;, und &apos;Abbrechen&apos; bringt dich zurück zur Tastenauswahl. Mit einem Klick auf OSP kannst du aus OSP-Tokens wählen. OSP ist eine Mod, die nicht von Raven stammt, also unterstützen sie nicht alle Server! </translation>
    </message>
    <message>
        <source>You can add as many as binds as you want, and when you think you are done go to &apos;File&apos; on the menu bar to save your program. When clicking on &apos;Extra&apos; you can change the colors of the form the way you&apos;ll like it, this setting will be saved when ending the program. Also it&apos;s possible to view the binds you&apos;ve made so far by clicking on &apos;Review Made Binds&apos;. </source>
        <translation>Du kannst so viele Binds hinzufügen, wie du willst, und wenn du fertig bist, gehst du in der Menüleiste auf &apos;Datei&apos;, um deine Datei zu speichern. Unter &apos;Extras&apos; kannst du die Farben der Fenster nach deinem Geschmack ändern; diese Einstellung wird beim Beenden des Programms gespeichert. Außerdem kannst du dir mit &apos;Gemachte Binds ansehen&apos; die bisher gemachten Binds anschauen. </translation>
    </message>
    <message>
        <source>This program only checks whether keys are already bound in the file you are trying to create. If you bind any keys that have other functions in the game, then it will lose the old functionality after executing your new cfg file. So watch out with the keys you are binding! If you do &apos;bind MOUSE1 say &apos;Pow Pow!&apos;&apos; then I doubt that you&apos;ll get a lot of kills!</source>
        <translation>Dieses Programm prüft nur, ob Tasten schon in der Datei gebunden sind, die du gerade machst. Wenn du Tasten bindest, die im Spiel andere Aufgaben haben, verlieren sie diese, sobald deine neue cfg-Datei ausgeführt wird. Pass also auf, welche Tasten du bindest! Wenn du &apos;bind MOUSE1 say &apos;Pow Pow!&apos;&apos; machst, bezweifle ich, dass du viele Kills bekommst!</translation>
    </message>
    <message>
        <source>--------------  Editing this program:  ------------</source>
        <translation>--------------  Das Programm anpassen:  ------------</translation>
    </message>
    <message>
        <source>It is also possible to add your own preferences to this program. In the folder %1 these files can be found. Just open them in textpad to see how it works. </source>
        <translation>Du kannst dem Programm auch deine eigenen Vorlieben hinzufügen. Die Dateien dafür liegen im Ordner %1. Öffne sie einfach in einem Texteditor, um zu sehen, wie es geht. </translation>
    </message>
    <message>
        <source>If you think you won&apos;t use certain colors anyway, then you can remove them from this application by simply removing it from that file. Also if you know some other OSP/Radio commands (if there are any) or colors, then you can add them to this file using the same syntax as I did. I also added comments inside this file, which should make it easy to understand how to edit it! You can do this by renaming it to a .txt file, or just by opening the file in note pad. </source>
        <translation>Wenn du bestimmte Farben sowieso nicht benutzt, kannst du sie aus dem Programm entfernen, indem du sie einfach aus dieser Datei löschst. Und wenn du weitere OSP-/Funkbefehle (falls es welche gibt) oder Farben kennst, kannst du sie mit derselben Schreibweise wie ich in diese Datei eintragen. Ich habe auch Kommentare in die Datei geschrieben, die erklären sollten, wie man sie bearbeitet! Öffne sie dazu einfach in einem Texteditor. </translation>
    </message>
    <message>
        <source>I made this program for fun during a holiday, so if you need help or have an idea for it, just send me a message on the game maker&apos;s forum, post it on our clan forum or e-mail me at binds@example.org. </source>
        <translation>Ich habe dieses Programm in einem Urlaub zum Spaß gemacht. Wenn du also Hilfe brauchst oder eine Idee dafür hast, schick mir einfach eine Nachricht im Forum des Spieleherstellers, schreib es in unser Clan-Forum oder schick mir eine E-Mail an binds@example.org. </translation>
    </message>
    <message>
        <source>Well, good luck making your own cfg files and frag on! :)</source>
        <translation>Also, viel Glück mit deinen eigenen cfg-Dateien, und frag on! :)</translation>
    </message>
</context>
<context>
    <name>clsInputHandler</name>
    <message>
        <source>line break</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>Steuerzeichen</translation>
    </message>
    <message>
        <source>the console would run the rest as a command</source>
        <translation>die Konsole würde den Rest als Befehl ausführen</translation>
    </message>
    <message>
        <source>// and /* start a console comment, which would lose the rest</source>
        <translation>// und /* beginnen einen Konsolenkommentar, der Rest ginge verloren</translation>
    </message>
    <message>
        <source>colours come from the pattern lists</source>
        <translation>Farben kommen aus den Musterlisten</translation>
    </message>
    <message>
        <source>the console reads quotes as grouping, not as text</source>
        <translation>die Konsole liest Anführungszeichen als Gruppierung, nicht als Text</translation>
    </message>
    <message>
        <source>the game shows it as a dot</source>
        <translation>das Spiel zeigt es als Punkt</translation>
    </message>
    <message>
        <source>OSP tokens start with it: add them with Add OSP</source>
        <translation>OSP-Tokens beginnen damit: füge sie mit OSP-Token ein</translation>
    </message>
    <message>
        <source>a chat line is one line</source>
        <translation>eine Chatzeile ist eine Zeile</translation>
    </message>
    <message>
        <source>the game shows only plain letters, digits and punctuation</source>
        <translation>das Spiel zeigt nur einfache Buchstaben, Ziffern und Satzzeichen</translation>
    </message>
    <message>
        <source>%1 removed: %2</source>
        <translation>%1 entfernt: %2</translation>
    </message>
</context>
<context>
    <name>clsKeyEdit</name>
    <message>
        <source>the game knows no key named %1</source>
        <translation>das Spiel kennt keine Taste namens %1</translation>
    </message>
    <message>
        <source>the binding is empty (--clear takes a key&apos;s bind away)</source>
        <translation>die Belegung ist leer (--clear entfernt den Bind einer Taste)</translation>
    </message>
    <message>
        <source>the game cannot keep a quote mark or a line break in a binding</source>
        <translation>das Spiel kann kein Anführungszeichen und keinen Zeilenumbruch in einer Belegung behalten</translation>
    </message>
</context>
<context>
    <name>clsKeyNames</name>
    <message>
        <source>Console Key</source>
        <translation>Konsolentaste</translation>
    </message>
    <message>
        <source>The key %1 opens the game&apos;s console, so the game never runs a bind of it. Pick another key.</source>
        <translation>Die Taste %1 öffnet die Konsole des Spiels, daher führt das Spiel nie einen Bind auf ihr aus. Wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>Key Not Known</source>
        <translation>Taste unbekannt</translation>
    </message>
    <message>
        <source>The game has no name for this key, so it cannot be bound. Pick another key.</source>
        <translation>Das Spiel hat keinen Namen für diese Taste, daher kann sie nicht gebunden werden. Wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>The game has no name for the key %1, so it cannot be bound. Pick another key.</source>
        <translation>Das Spiel hat keinen Namen für die Taste %1, daher kann sie nicht gebunden werden. Wähle eine andere Taste.</translation>
    </message>
    <message>
        <source>Key Not Listed</source>
        <translation>Taste nicht in der Liste</translation>
    </message>
    <message>
        <source>The key %1 is not in the key list of this definition file, so it cannot be bound now. To bind it, add the line key:%1 to the file with a text editor and load the file again at the next start.</source>
        <translation>Die Taste %1 steht nicht in der Tastenliste dieser Definitionsdatei und kann deshalb jetzt nicht gebunden werden. Um sie zu binden, füge der Datei mit einem Texteditor die Zeile key:%1 hinzu und lade die Datei beim nächsten Start erneut.</translation>
    </message>
</context>
<context>
    <name>clsKeyboardLayout</name>
    <message>
        <source>keypad %1</source>
        <translation>Ziffernblock %1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>console key</source>
        <translation>Konsolentaste</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num-Taste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>right Shift</source>
        <translation>rechte Umschalttaste</translation>
    </message>
    <message>
        <source>up arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Windows key</source>
        <translation>Windows-Taste</translation>
    </message>
    <message>
        <source>right Alt</source>
        <translation>rechte Alt-Taste</translation>
    </message>
    <message>
        <source>right Windows key</source>
        <translation>rechte Windows-Taste</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>Menütaste</translation>
    </message>
    <message>
        <source>right Ctrl</source>
        <translation>rechte Strg-Taste</translation>
    </message>
    <message>
        <source>left arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>down arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>right arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>left mouse button</source>
        <translation>linke Maustaste</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>Mausrad hoch</translation>
    </message>
    <message>
        <source>middle mouse button</source>
        <translation>mittlere Maustaste</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>Mausrad runter</translation>
    </message>
    <message>
        <source>right mouse button</source>
        <translation>rechte Maustaste</translation>
    </message>
    <message>
        <source>forward side button</source>
        <translation>Seitentaste vorwärts</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>Seitentaste zurück</translation>
    </message>
</context>
<context>
    <name>clsKeyboardMap</name>
    <message>
        <source>%1 bound, %2 free</source>
        <translation>%1 gebunden, %2 frei</translation>
    </message>
    <message>
        <source>the game has no name for this key</source>
        <translation>das Spiel hat keinen Namen für diese Taste</translation>
    </message>
    <message>
        <source>not in the definition file</source>
        <translation>nicht in der Definitionsdatei</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>public chat</source>
        <translation>öffentlicher Chat</translation>
    </message>
    <message>
        <source>team chat</source>
        <translation>Teamchat</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>other command</source>
        <translation>anderer Befehl</translation>
    </message>
</context>
<context>
    <name>clsOpenReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>the key name is not one word to the game</source>
        <translation>der Tastenname ist für das Spiel nicht ein einziges Wort</translation>
    </message>
    <message>
        <source>the bind line would be longer than the %1 characters the game reads of a line</source>
        <translation>die Bind-Zeile wäre länger als die %1 Zeichen, die das Spiel von einer Zeile liest</translation>
    </message>
    <message>
        <source>the key list already holds 32,767 keys</source>
        <translation>die Tastenliste enthält schon 32.767 Tasten</translation>
    </message>
    <message>
        <source>the binding is empty</source>
        <translation>die Belegung ist leer</translation>
    </message>
    <message>
        <source>the game would not read the bind line back as it is written</source>
        <translation>das Spiel würde die Bind-Zeile nicht so zurücklesen, wie sie geschrieben ist</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 more</source>
        <translation>Zeilen %1 und %2 weitere</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>%1 holds no binds yet.</source>
        <translation>%1 enthält noch keine Binds.</translation>
    </message>
    <message>
        <source>When you save, everything else in %1 stays as it is: only the binds you change are written.</source>
        <translation>Beim Speichern bleibt alles andere in %1, wie es ist: Nur die Binds, die du änderst, werden geschrieben.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>it is not there (it may have been moved, renamed or deleted)</source>
        <translation>sie ist nicht da (vielleicht wurde sie verschoben, umbenannt oder gelöscht)</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>sie ist ein Ordner oder ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it cannot be read (you may not have permission to read it)</source>
        <translation>sie kann nicht gelesen werden (vielleicht fehlt dir die Leseberechtigung)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is no text file, and a cfg file is plain text</source>
        <translation>sie enthält Null-Bytes, ist also keine Textdatei, und eine cfg-Datei ist reiner Text</translation>
    </message>
    <message>
        <source>it holds %1 bytes, more than the 1 MiB that is read (the game runs at most 16,383 bytes of a cfg file)</source>
        <translation>sie ist %1 Bytes groß, mehr als das 1 MiB, das gelesen wird (das Spiel führt höchstens 16.383 Bytes einer cfg-Datei aus)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>The file holds %1 bytes: the game&apos;s exec does not run a file of %2 bytes or more (its command buffer holds %3 bytes of a file).</source>
        <translation>Die Datei ist %1 Bytes groß: Das exec des Spiels führt keine Datei von %2 Bytes oder mehr aus (sein Befehlspuffer fasst %3 Bytes einer Datei).</translation>
    </message>
    <message>
        <source>%1 holds no binds, so nothing was changed.</source>
        <translation>%1 enthält keine Binds, daher wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds no binds yet: the bind you have made is added to it when you save.</source>
        <comment>%1 holds no binds yet: the %n binds you have made are added to it when you save.</comment>
        <translation>
            <numerusform>%1 enthält noch keine Binds: Der Bind, den du gemacht hast, wird beim Speichern hinzugefügt.</numerusform>
            <numerusform>%1 enthält noch keine Binds: Die %n Binds, die du gemacht hast, werden beim Speichern hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace the bind you have made with the binds of %1?</source>
        <comment>Replace all %n binds you have made with the binds of %1?</comment>
        <translation>
            <numerusform>Den Bind, den du gemacht hast, durch die Binds von %1 ersetzen?</numerusform>
            <numerusform>Alle %n Binds, die du gemacht hast, durch die Binds von %1 ersetzen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bind was left out (%1): %2.</source>
        <comment>%n binds were left out (%1): %2.</comment>
        <translation>
            <numerusform>%n Bind wurde ausgelassen (%1): %2.</numerusform>
            <numerusform>%n Binds wurden ausgelassen (%1): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n command binds a key the game does not know (%1), so it binds nothing:</source>
        <comment>%n commands bind a key the game does not know (%1), so they bind nothing:</comment>
        <translation>
            <numerusform>%n Befehl bindet eine Taste, die das Spiel nicht kennt (%1), und bindet daher nichts:</numerusform>
            <numerusform>%n Befehle binden eine Taste, die das Spiel nicht kennt (%1), und binden daher nichts:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other command is not a bind (the program leaves it as it is):</source>
        <comment>%n other commands are not binds (the program leaves them as they are):</comment>
        <translation>
            <numerusform>%n anderer Befehl ist kein Bind (das Programm lässt ihn, wie er ist):</numerusform>
            <numerusform>%n andere Befehle sind keine Binds (das Programm lässt sie, wie sie sind):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n bind from %1.</source>
        <comment>Read %n binds from %1.</comment>
        <translation>
            <numerusform>%n Bind aus %1 gelesen.</numerusform>
            <numerusform>%n Binds aus %1 gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One of its keys is not in the definition file, so it was added at the end of the key list: %1.</source>
        <comment>%n of its keys are not in the definition file, so they were added at the end of the key list: %1.</comment>
        <translation>
            <numerusform>Eine ihrer Tasten steht nicht in der Definitionsdatei und wurde daher am Ende der Tastenliste angefügt: %1.</numerusform>
            <numerusform>%n ihrer Tasten stehen nicht in der Definitionsdatei und wurden daher am Ende der Tastenliste angefügt: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The one bind of %1 could not be opened, so nothing was changed.</source>
        <comment>None of the %n binds of %1 could be opened, so nothing was changed.</comment>
        <translation>
            <numerusform>Der eine Bind von %1 konnte nicht geöffnet werden, daher wurde nichts geändert.</numerusform>
            <numerusform>Keiner der %n Binds von %1 konnte geöffnet werden, daher wurde nichts geändert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsReadReport</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>has no key name</source>
        <translation>hat keinen Tastennamen</translation>
    </message>
    <message>
        <source>holds a blank inside the key name, so the game would not read it as one key</source>
        <translation>enthält ein Leerzeichen im Tastennamen, daher würde das Spiel ihn nicht als eine Taste lesen</translation>
    </message>
    <message>
        <source>holds a line break, which would end the bind and run the rest as a command</source>
        <translation>enthält einen Zeilenumbruch, der den Bind beenden und den Rest als Befehl ausführen würde</translation>
    </message>
    <message>
        <source>holds a zero byte, where the game stops reading the file</source>
        <translation>enthält ein Null-Byte, an dem das Spiel aufhört, die Datei zu lesen</translation>
    </message>
    <message>
        <source>holds &apos;;&apos;, which would end the bind and run the rest as a command</source>
        <translation>enthält &apos;;&apos;, das den Bind beenden und den Rest als Befehl ausführen würde</translation>
    </message>
    <message>
        <source>holds &apos;//&apos; or &apos;/*&apos;, which the game reads as the start of a comment</source>
        <translation>enthält &apos;//&apos; oder &apos;/*&apos;, was das Spiel als Beginn eines Kommentars liest</translation>
    </message>
    <message>
        <source>holds &apos;&quot;&apos;, which the game takes as quoting, not as text</source>
        <translation>enthält &apos;&quot;&apos;, was das Spiel als Anführung nimmt, nicht als Text</translation>
    </message>
    <message>
        <source>is past the 32,767 entries of one kind the program holds</source>
        <translation>liegt jenseits der 32.767 Einträge einer Art, die das Programm fasst</translation>
    </message>
    <message>
        <source>has no command</source>
        <translation>hat keinen Befehl</translation>
    </message>
    <message>
        <source>holds only blanks, which the game does not send</source>
        <translation>enthält nur Leerzeichen, die das Spiel nicht sendet</translation>
    </message>
</context>
<context>
    <name>clsText</name>
    <message>
        <source>,</source>
        <comment>the digit group separator of numbers: 16,384</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Prints the folders the program uses and the definition files the start screen lists, then ends. Makes the per-user folders of an installed program.</source>
        <translation>Gibt die Ordner aus, die das Programm nutzt, und die Definitionsdateien, die der Startbildschirm auflistet, und endet dann. Legt die Ordner pro Benutzer eines installierten Programms an.</translation>
    </message>
    <message>
        <source>Prints the review listing of the binds that opening FILE.cfg would make (with no definition file loaded), then ends. Exit code 1 when the file cannot be read.</source>
        <translation>Gibt die Übersicht der Binds aus, die das Öffnen von FILE.cfg ergäbe (ohne geladene Definitionsdatei), und endet dann. Exit-Code 1, wenn die Datei nicht gelesen werden kann.</translation>
    </message>
    <message>
        <source>brenvolt --bind KEY BINDING FILE.cfg: binds KEY to BINDING (what the key is to do, as the game stores it: &quot;say ^1hi&quot;, &quot;+attack; +jump&quot;) in FILE.cfg, changing nothing else in the file. A binding the program would refuse changes nothing and gives exit code 1.</source>
        <translation>brenvolt --bind KEY BINDING FILE.cfg: bindet KEY an BINDING (was die Taste tun soll, so wie das Spiel es speichert: &quot;say ^1hi&quot;, &quot;+attack; +jump&quot;) in FILE.cfg und ändert sonst nichts an der Datei. Eine Belegung, die das Programm ablehnen würde, ändert nichts und ergibt Exit-Code 1.</translation>
    </message>
    <message>
        <source>brenvolt --clear KEY FILE.cfg: takes every bind of KEY out of FILE.cfg, changing nothing else in the file.</source>
        <translation>brenvolt --clear KEY FILE.cfg: nimmt jeden Bind von KEY aus FILE.cfg heraus und ändert sonst nichts an der Datei.</translation>
    </message>
    <message>
        <source>Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP tokens and radio commands. Without options it opens its start screen.</source>
        <translation>Erstellt Konsolen-cfg-Dateien mit Tasten-Binds für Soldier of Fortune 2: farbige Chatzeilen, OSP-Tokens und Funkbefehle. Ohne Optionen öffnet es seinen Startbildschirm.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>portable</source>
        <translation>portabel</translation>
    </message>
    <message>
        <source>Definition folder</source>
        <translation>Definitionsordner</translation>
    </message>
    <message>
        <source>Your definition folder</source>
        <translation>Dein Definitionsordner</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Picture folder</source>
        <translation>Bildordner</translation>
    </message>
    <message>
        <source>Drafts folder</source>
        <translation>Entwurfsordner</translation>
    </message>
    <message>
        <source>Definition file</source>
        <translation>Definitionsdatei</translation>
    </message>
    <message>
        <source>use --bind KEY BINDING FILE.cfg or --clear KEY FILE.cfg</source>
        <translation>benutze --bind KEY BINDING FILE.cfg oder --clear KEY FILE.cfg</translation>
    </message>
    <message>
        <source>%1 was not changed: %2.</source>
        <translation>%1 wurde nicht geändert: %2.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>frmColorStyle</name>
    <message>
        <source>Change Color Style</source>
        <translation>Farbstil ändern</translation>
    </message>
    <message>
        <source>Color Style:</source>
        <translation>Farbstil:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Angaben fehlen</translation>
    </message>
    <message>
        <source>Select a color style!</source>
        <translation>Wähle einen Farbstil!</translation>
    </message>
</context>
<context>
    <name>frmConstruct</name>
    <message>
        <source>Make-a-Bind</source>
        <translation>Bind-Macher</translation>
    </message>
    <message>
        <source>Select Key</source>
        <translation>Taste wählen</translation>
    </message>
    <message>
        <source>Key To Bind:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Press a key, mouse button or wheel to pick it in the key list</source>
        <translation>Drücke eine Taste oder Maustaste oder drehe das Mausrad, um sie in der Tastenliste zu wählen</translation>
    </message>
    <message>
        <source>&amp;Press Key...</source>
        <translation>&amp;Taste drücken...</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Type of Bind</source>
        <translation>Art des Binds</translation>
    </message>
    <message>
        <source>Text Bind (Public)</source>
        <translation>Text-Bind (öffentlich)</translation>
    </message>
    <message>
        <source>Text Bind (Team Say)</source>
        <translation>Text-Bind (Team)</translation>
    </message>
    <message>
        <source>Radio Bind</source>
        <translation>Funk-Bind</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Build Text Bind</source>
        <translation>Text-Bind bauen</translation>
    </message>
    <message>
        <source>Build Radio Bind</source>
        <translation>Funk-Bind bauen</translation>
    </message>
    <message>
        <source>Select Radio Bind:</source>
        <translation>Funk-Bind wählen:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation>Cfg-Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Review Made Binds</source>
        <translation>Gemachte Binds ansehen</translation>
    </message>
    <message>
        <source>&amp;Keyboard View</source>
        <translation>Tastatur&amp;ansicht</translation>
    </message>
    <message>
        <source>Color Style</source>
        <translation>Farbstil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Make your SoF2 Binds</source>
        <translation>Mach deine SoF2-Binds</translation>
    </message>
    <message>
        <source>Clear?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to CLEAR button: &apos;%1&apos; of any binds?</source>
        <translation>Willst du wirklich alle Binds der Taste &apos;%1&apos; LÖSCHEN?</translation>
    </message>
    <message>
        <source>RESET?</source>
        <translation>ZURÜCKSETZEN?</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE all made binds?</source>
        <translation>Willst du wirklich alle gemachten Binds LÖSCHEN?</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit? Any unsaved information will be lost!</source>
        <translation>Willst du wirklich beenden? Alles nicht Gespeicherte geht verloren!</translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation>Cfg-Datei öffnen</translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation>Cfg-Dateien (*.cfg)</translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>This key is not bound yet...</source>
        <translation>Noch nicht gebunden...</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmKeyboardView</name>
    <message>
        <source>Keyboard View</source>
        <translation>Tastaturansicht</translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture:</source>
        <translation>Tasten der Definitionsdatei, die nicht im Bild sind:</translation>
    </message>
    <message>
        <source>Double-click a key, or press Enter on it, to pick it in the key list</source>
        <translation>Doppelklicke eine Taste oder drücke Enter auf ihr, um sie in der Tastenliste zu wählen</translation>
    </message>
    <message>
        <source>Save the picture of your binds as a PNG file</source>
        <translation>Das Bild deiner Binds als PNG-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture (%1):</source>
        <translation>Tasten der Definitionsdatei, die nicht im Bild sind (%1):</translation>
    </message>
    <message>
        <source>Click a key, or move to it with the arrow keys and press Enter, to pick it in the key list.</source>
        <translation>Klicke eine Taste an oder gehe mit den Pfeiltasten zu ihr und drücke Enter, um sie in der Tastenliste zu wählen.</translation>
    </message>
    <message>
        <source>Read-only while the bind of %1 is built: Done or Cancel on the construction screen ends it.</source>
        <translation>Nur zum Ansehen, solange der Bind von %1 gebaut wird: Fertig oder Abbrechen im Hauptfenster beendet das.</translation>
    </message>
    <message>
        <source>The game has no name for the %1, so it cannot be bound.</source>
        <translation>Das Spiel kennt keinen Namen für: %1. Diese Taste kann nicht gebunden werden.</translation>
    </message>
    <message>
        <source>%1 is not in the key list of this definition file: add the line key:%1 to the file to bind it.</source>
        <translation>%1 steht nicht in der Tastenliste dieser Definitionsdatei: Füge der Datei die Zeile key:%1 hinzu, um die Taste zu binden.</translation>
    </message>
    <message>
        <source>%1 is picked in the key list: choose its bind type on the construction screen.</source>
        <translation>%1 ist in der Tastenliste gewählt: Wähle die Art des Binds im Hauptfenster.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>das Bild konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot Save Picture</source>
        <translation>Bild kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>Das Bild kann nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The picture is saved as %1.</source>
        <translation>Das Bild ist als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmOSp</name>
    <message>
        <source>             Select An OSP Command</source>
        <translation>             OSP-Befehl wählen</translation>
    </message>
    <message>
        <source>Select an OSP command:</source>
        <translation>Wähle einen OSP-Befehl:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPressKey</name>
    <message>
        <source>Press Key</source>
        <translation>Taste drücken</translation>
    </message>
    <message>
        <source>Capture area: press the key, mouse button or wheel to bind</source>
        <translation>Fangfläche: Drücke die Taste oder Maustaste oder drehe das Mausrad, das du binden willst</translation>
    </message>
    <message>
        <source>Press the key to bind, or click a mouse button or turn the wheel over this area.

Escape cancels.</source>
        <translation>Drücke die Taste, die du binden willst, oder klicke eine Maustaste oder drehe das Mausrad über dieser Fläche.

Escape bricht ab.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>this mouse button</source>
        <translation>diese Maustaste</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>Binds Review</source>
        <translation>Übersicht der Binds</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSaveToFile</name>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Save and Quit</source>
        <translation>Speichern, Ende</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Angaben fehlen</translation>
    </message>
    <message>
        <source>A file needs a name...</source>
        <translation>Eine Datei braucht einen Namen...</translation>
    </message>
    <message>
        <source>File Already Exists!</source>
        <translation>Datei gibt es schon!</translation>
    </message>
    <message>
        <source>Do you want to replace the file %1?</source>
        <translation>Willst du die Datei %1 ersetzen?</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File Too Large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>The file %1 would be %2 bytes, but the game&apos;s console runs at most %3 bytes in one exec (its command buffer holds %4 bytes, one of them for the line end it adds). A larger file is not run at all.</source>
        <translation>Die Datei %1 wäre %2 Bytes groß, aber die Konsole des Spiels führt mit einem exec höchstens %3 Bytes aus (ihr Befehlspuffer fasst %4 Bytes, eines davon für das Zeilenende, das sie anfügt). Eine größere Datei wird gar nicht ausgeführt.</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>Trotzdem speichern?</translation>
    </message>
    <message>
        <source>File Saved!</source>
        <translation>Datei gespeichert!</translation>
    </message>
    <message>
        <source>Your file is done and can be found at: %1</source>
        <translation>Deine Datei ist fertig und liegt hier: %1</translation>
    </message>
    <message>
        <source>Copy this file to the Soldier Of Fortune 2\base\mp folder.</source>
        <translation>Kopiere diese Datei in den Ordner Soldier Of Fortune 2\base\mp.</translation>
    </message>
    <message>
        <source>In the game open console with the &apos;~&apos; button and type: &apos;exec %1&apos; to set all your binds.</source>
        <translation>Öffne im Spiel die Konsole mit der Taste &apos;~&apos; und tippe: &apos;exec %1&apos;, um alle deine Binds zu setzen.</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Select Input File:</source>
        <translation>Eingabedatei wählen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xtra</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;New Bind</source>
        <translation>&amp;Neuer Bind</translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation>Cfg-Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Continue with Earlier Bind</source>
        <translation>Mit früherem Bind &amp;weitermachen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Color Style</source>
        <translation>Farb&amp;stil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Create new Bind</source>
        <translation>Neuen Bind anlegen</translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation>Cfg-Datei öffnen</translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation>Cfg-Dateien (*.cfg)</translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>No Input File Selected</source>
        <translation>Keine Eingabedatei gewählt</translation>
    </message>
    <message>
        <source>Select an input file to load!</source>
        <translation>Wähle eine Eingabedatei zum Laden!</translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation>Datei nicht lesbar</translation>
    </message>
    <message>
        <source>The input file %1 cannot be read. It may have been moved, renamed or deleted, or you may not have permission to read it.</source>
        <translation>Die Eingabedatei %1 kann nicht gelesen werden. Vielleicht wurde sie verschoben, umbenannt oder gelöscht, oder dir fehlt die Leseberechtigung.</translation>
    </message>
    <message>
        <source>Pick another file.</source>
        <translation>Wähle eine andere Datei.</translation>
    </message>
    <message>
        <source>Binds Restored</source>
        <translation>Binds wiederhergestellt</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n bind you had not saved (made %1 with %2)?</source>
        <comment>Restore the %n binds you had not saved (made %1 with %2)?</comment>
        <translation>
            <numerusform>Den %n Bind wiederherstellen, den du nicht gespeichert hattest (gemacht am %1 mit %2)?</numerusform>
            <numerusform>Die %n Binds wiederherstellen, die du nicht gespeichert hattest (gemacht am %1 mit %2)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore the changes to %1 you had not saved, %n bind (made %2 with %3)?</source>
        <comment>Restore the changes to %1 you had not saved, %n binds (made %2 with %3)?</comment>
        <translation>
            <numerusform>Die nicht gespeicherten Änderungen an %1 wiederherstellen, %n Bind (gemacht am %2 mit %3)?</numerusform>
            <numerusform>Die nicht gespeicherten Änderungen an %1 wiederherstellen, %n Binds (gemacht am %2 mit %3)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore?</source>
        <translation>Wiederherstellen?</translation>
    </message>
    <message>
        <source>Definition File Missing</source>
        <translation>Definitionsdatei fehlt</translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folder.</source>
        <translation>Die Definitionsdatei %1, mit der diese Binds gemacht wurden, ist nicht mehr im Definitionsordner.</translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folders.</source>
        <translation>Die Definitionsdatei %1, mit der diese Binds gemacht wurden, ist nicht mehr in den Definitionsordnern.</translation>
    </message>
    <message>
        <source>Pick a definition file and press &quot;Create new Bind&quot;: your binds come back with it. Keys it does not list are added to its key list.</source>
        <translation>Wähle eine Definitionsdatei und drücke &quot;Neuen Bind anlegen&quot;: Deine Binds kommen damit zurück. Tasten, die sie nicht nennt, werden ihrer Tastenliste hinzugefügt.</translation>
    </message>
    <message>
        <source>the draft of your unsaved binds</source>
        <translation>dem Entwurf deiner nicht gespeicherten Binds</translation>
    </message>
</context>
<context>
    <name>keyboardPicture</name>
    <message>
        <source>Keyboard and mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Each key shows its bind: public chat, team chat, radio or other command; free keys are plain; greyed keys cannot be bound.</source>
        <translation>Jede Taste zeigt ihren Bind: öffentlicher Chat, Teamchat, Funk oder anderer Befehl; freie Tasten sind schlicht; ausgegraute Tasten können nicht gebunden werden.</translation>
    </message>
    <message>
        <source>The game opens its console with this key and never runs a bind of it.</source>
        <translation>Das Spiel öffnet mit dieser Taste seine Konsole und führt nie einen Bind auf ihr aus.</translation>
    </message>
    <message>
        <source>Public chat</source>
        <translation>Öffentlicher Chat</translation>
    </message>
    <message>
        <source>Team chat</source>
        <translation>Teamchat</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funk</translation>
    </message>
    <message>
        <source>Other command</source>
        <translation>Anderer Befehl</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
</context>
<context>
    <name>textBindFrame</name>
    <message>
        <source>Build Text Bind</source>
        <translation>Text-Bind bauen</translation>
    </message>
    <message>
        <source>Text To add:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Amount of Colors in Pattern:</source>
        <translation>Anzahl Farben im Muster:</translation>
    </message>
    <message>
        <source>Length Color Pattern:</source>
        <translation>Länge Farbmuster:</translation>
    </message>
    <message>
        <source>Add To Front</source>
        <translation>Vorne anfügen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Bind Made:</source>
        <translation>Bind:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Undo Last</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add OSP</source>
        <translation>OSP-Token</translation>
    </message>
    <message>
        <source>Pattern Color #%1:</source>
        <translation>Musterfarbe #%1:</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Angaben fehlen</translation>
    </message>
    <message>
        <source>You have to fill in some text to be added to the bind!</source>
        <translation>Du musst einen Text eingeben, der dem Bind hinzugefügt wird!</translation>
    </message>
    <message>
        <source>You have to fill in how many characters the pattern will be until the color changes again!</source>
        <translation>Du musst angeben, wie viele Zeichen lang das Muster ist, bis die Farbe wieder wechselt!</translation>
    </message>
    <message>
        <source>Oops! You forgot to fill in one or more colors!</source>
        <translation>Hoppla! Du hast eine oder mehrere Farben vergessen!</translation>
    </message>
    <message>
        <source>If you want to use less colors then change the amount of colors in pattern!</source>
        <translation>Wenn du weniger Farben willst, ändere die Anzahl Farben im Muster!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Abbrechen?</translation>
    </message>
    <message>
        <source>Are you sure you don&apos;t want a bind for key: %1</source>
        <translation>Willst du wirklich keinen Bind für die Taste: %1</translation>
    </message>
    <message>
        <source>This key is not bound yet...</source>
        <translation>Noch nicht gebunden...</translation>
    </message>
</context>
</TS>
