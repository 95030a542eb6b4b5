<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QtFileDialog</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>chatPreviewBar</name>
    <message>
        <source>Chat line as the game shows it</source>
        <translation>Chatregel zoals het spel die toont</translation>
    </message>
    <message>
        <source>Bytes the game receives for this chat line, colour codes included. The server keeps at most %1 of them. Past that, the bind&apos;s line in the cfg file is counted too: the game reads at most 1,023 bytes of a line.</source>
        <translation>Bytes die het spel voor deze chatregel ontvangt, kleurcodes meegerekend. De server houdt er hoogstens %1 van. Daarboven telt ook de regel van de bind in het cfg-bestand: het spel leest hoogstens 1.023 bytes van een regel.</translation>
    </message>
</context>
<context>
    <name>clsBindLine</name>
    <message>
        <source>Bind Too Long</source>
        <translation>Bind te lang</translation>
    </message>
    <message>
        <source>Piece Not Added</source>
        <translation>Stuk niet toegevoegd</translation>
    </message>
    <message>
        <source>This radio command would make the bind longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. Pick another radio command, or shorten this one in the definition file.</source>
        <translation>Dit radiocommando zou de bind langer maken dan de 1.023 tekens die het spel van een regel leest, en het spel zou de rest als commando uitvoeren. Kies een ander radiocommando, of maak dit korter in het definitiebestand.</translation>
    </message>
    <message>
        <source>This bind would be longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. The chat shows only 149 characters anyway: shorten the text or add it to another key.</source>
        <translation>Deze bind zou langer worden dan de 1.023 tekens die het spel van een regel leest, en het spel zou de rest als commando uitvoeren. De chat toont sowieso maar 149 tekens: maak de tekst korter of zet hem op een andere toets.</translation>
    </message>
    <message>
        <source>This radio command is empty: the game would keep whatever the key did before. Pick another radio command, or fill this one in in the definition file.</source>
        <translation>Dit radiocommando is leeg: de toets zou blijven doen wat hij eerst deed. Kies een ander radiocommando, of vul dit in het definitiebestand in.</translation>
    </message>
    <message>
        <source>A radio bind is one radio command: text and OSP tokens cannot be added to it as radio commands.</source>
        <translation>Een radiobind is één radiocommando: tekst en OSP-tokens kunnen er niet als radiocommando aan worden toegevoegd.</translation>
    </message>
    <message>
        <source>Next to what this bind already holds, this piece would make // or /*, which the game reads as the start of a comment: the rest of the bind would be lost. Put a space or another character between them, or add the piece at the other end of the bind.</source>
        <translation>Naast wat deze bind al bevat, zou dit stuk // of /* vormen, wat het spel leest als het begin van commentaar: de rest van de bind zou verloren gaan. Zet er een spatie of een ander teken tussen, of voeg het stuk toe aan het andere eind van de bind.</translation>
    </message>
    <message>
        <source>With this radio command the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation>Met dit radiocommando zou de bind een &apos;;&apos;, een aanhalingsteken of een regeleinde bevatten, waar het spel de bind zou beëindigen en de rest als commando zou uitvoeren. Het is niet toegevoegd.</translation>
    </message>
    <message>
        <source>With this piece the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation>Met dit stuk zou de bind een &apos;;&apos;, een aanhalingsteken of een regeleinde bevatten, waar het spel de bind zou beëindigen en de rest als commando zou uitvoeren. Het is niet toegevoegd.</translation>
    </message>
</context>
<context>
    <name>clsCfgBuilder</name>
    <message>
        <source>Key:</source>
        <translation>Toets:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Soort:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Omschrijving:</translation>
    </message>
</context>
<context>
    <name>clsCfgFile</name>
    <message>
        <source>Its folder cannot be made: a file named %1 is in the way.</source>
        <translation>De map ervoor kan niet worden gemaakt: een bestand met de naam %1 staat in de weg.</translation>
    </message>
    <message>
        <source>Its folder %1 could not be made: %2.</source>
        <translation>De map %1 kon niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Een map met die naam staat in de weg.</translation>
    </message>
</context>
<context>
    <name>clsChatPreview</name>
    <message>
        <source>the game cuts the rest</source>
        <translation>het spel knipt de rest af</translation>
    </message>
    <message>
        <source>line %1 / %2</source>
        <translation>regel %1 / %2</translation>
    </message>
</context>
<context>
    <name>clsDefinitionList</name>
    <message>
        <source>No definition files found.</source>
        <translation>Geen definitiebestanden gevonden.</translation>
    </message>
    <message>
        <source>A definition file is a plain text file of lines such as key:F1 and color:Red&lt;&gt;1 (see Help). Put definition files into the folder:</source>
        <translation>Een definitiebestand is een gewoon tekstbestand met regels zoals key:F1 en color:Red&lt;&gt;1 (zie Help). Zet definitiebestanden in de map:</translation>
    </message>
    <message>
        <source>The files that come with the program belong in:</source>
        <translation>De bestanden die bij het programma horen, staan in:</translation>
    </message>
    <message>
        <source>Install the program again to get them back.</source>
        <translation>Installeer het programma opnieuw om ze terug te krijgen.</translation>
    </message>
</context>
<context>
    <name>clsHandOverNote</name>
    <message>
        <source>Everything else was read.</source>
        <translation>Al het andere is gelezen.</translation>
    </message>
    <message>
        <source>Some Entries Left Out</source>
        <translation>Enkele regels weggelaten</translation>
    </message>
    <message>
        <source>The file %1 lists no keys (lines such as key:F1), so there is nothing to bind. Add key lines to it with a text editor and pick it again at the next start, or pick another file then.</source>
        <translation>Het bestand %1 noemt geen toetsen (regels zoals key:F1), dus er is niets te binden. Voeg er met een teksteditor toetsregels aan toe en kies het bij de volgende start opnieuw, of kies dan een ander bestand.</translation>
    </message>
    <message>
        <source>No Keys to Bind</source>
        <translation>Geen toetsen om te binden</translation>
    </message>
    <message numerus="yes">
        <source>This entry of %1 was left out:</source>
        <comment>These %n entries of %1 were left out:</comment>
        <translation>
            <numerusform>Deze regel van %1 is weggelaten:</numerusform>
            <numerusform>Deze %n regels van %1 zijn weggelaten:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read it as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read them as written: change those lines in the file with a text editor to use them.</comment>
        <translation>
            <numerusform>Het spel zou hem niet lezen zoals hij er staat: pas die regel in het bestand aan met een teksteditor om hem te gebruiken.</numerusform>
            <numerusform>Het spel zou ze niet lezen zoals ze er staan: pas die regels in het bestand aan met een teksteditor om ze te gebruiken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read one of them as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read %n of them as written: change those lines in the file with a text editor to use them.</comment>
        <translation>
            <numerusform>Het spel zou er één van niet lezen zoals hij er staat: pas die regel in het bestand aan met een teksteditor om hem te gebruiken.</numerusform>
            <numerusform>Het spel zou er %n van niet lezen zoals ze er staan: pas die regels in het bestand aan met een teksteditor om ze te gebruiken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n was past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</source>
        <comment>%n were past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</comment>
        <translation>
            <numerusform>%n viel buiten de 32.767 regels van één soort (toetsen, kleuren, OSP-tokens of radiocommando&apos;s) die het programma kan bevatten.</numerusform>
            <numerusform>%n vielen buiten de 32.767 regels van één soort (toetsen, kleuren, OSP-tokens of radiocommando&apos;s) die het programma kan bevatten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsHelpText</name>
    <message>
        <source>----------------  What is a cfg file?  --------------</source>
        <translation>----------------  Wat is een cfg-bestand?  --------------</translation>
    </message>
    <message>
        <source>A cfg file is a configuration file which contains the settings of the game, or changes the settings when executing it.</source>
        <translation>Een cfg-bestand is een configuratiebestand dat de instellingen van het spel bevat, of de instellingen verandert als het wordt uitgevoerd.</translation>
    </message>
    <message>
        <source>Every time you start a multi-player game the file sof2mp.cfg is being executed, that way your game &apos;knows&apos; what the settings were after you quit the game before.</source>
        <translation>Elke keer dat je een multiplayerspel start, wordt het bestand sof2mp.cfg uitgevoerd. Zo &apos;weet&apos; je spel wat de instellingen waren toen je het de vorige keer afsloot.</translation>
    </message>
    <message>
        <source>This cfg file is being made by the game, but you can also make your OWN cfg files.</source>
        <translation>Dit cfg-bestand maakt het spel zelf, maar je kunt ook je EIGEN cfg-bestanden maken.</translation>
    </message>
    <message>
        <source>Why would you make a cfg file when the game already makes one for you?</source>
        <translation>Waarom zou je een cfg-bestand maken als het spel er al een voor je maakt?</translation>
    </message>
    <message>
        <source>Not everything you would want to bind will be made by the game, for example SAY binds!</source>
        <translation>Niet alles wat je zou willen binden, maakt het spel voor je, bijvoorbeeld SAY-binds!</translation>
    </message>
    <message>
        <source>In team games say binds can be very important to make team members aware of possible danger. </source>
        <translation>In teamspellen kunnen say-binds heel belangrijk zijn om teamgenoten te waarschuwen voor mogelijk gevaar. </translation>
    </message>
    <message>
        <source>Of course you can open textpad and manually type them, but then you do have to know all the exact commands, color codes and OSP tokens!</source>
        <translation>Natuurlijk kun je een teksteditor openen en ze met de hand typen, maar dan moet je wel alle precieze commando&apos;s, kleurcodes en OSP-tokens kennen!</translation>
    </message>
    <message>
        <source>That&apos;s why I made this program, because I know that it&apos;s a pain in the ass to make cfg files that way, especially when wanting to use different colors in one line!</source>
        <translation>Daarom heb ik dit programma gemaakt, want ik weet dat het een pijn in de kont is om cfg-bestanden zo te maken, vooral als je verschillende kleuren in één regel wilt!</translation>
    </message>
    <message>
        <source>----------------  Ok, how does it work?  ---------------</source>
        <translation>----------------  Oké, hoe werkt het?  ---------------</translation>
    </message>
    <message>
        <source>In the main screen you first select a key, then you choose whether you&apos;d like to make a public say bind, a teamsay bind or a radio bind. After that you can choose the amount of colors you want the pattern to have, with a maximum of %1. </source>
        <translation>In het hoofdscherm kies je eerst een toets, daarna kies je of je een openbare say-bind, een teamsay-bind of een radiobind wilt maken. Daarna kun je kiezen hoeveel kleuren het patroon moet hebben, met een maximum van %1. </translation>
    </message>
    <message>
        <source>Also you have to select how many characters will get the same color until it switches to the next one. You can add pieces of text to a bind untill you are completely satisfied with it with the &apos;Add&apos; button. To undo the previous action click on &apos;Undo&apos; and &apos;Cancel&apos; will bring you back to the key selecting menu. When clicking on OSP you can choose from OSP tokens, OSP is a mod not made by Raven which means that not all servers support it! </source>
        <translation>Ook kies je hoeveel tekens dezelfde kleur krijgen voordat de volgende kleur begint. Met de knop &apos;Toevoegen&apos; kun je stukken tekst aan een bind toevoegen tot je er helemaal tevreden mee bent. Om de vorige stap ongedaan te maken klik je op &apos;Wis laatste&apos;, en &apos;Annuleren&apos; brengt je terug naar het kiezen van een toets. Als je op OSP klikt, kun je uit OSP-tokens kiezen. OSP is een mod die niet door Raven is gemaakt, dus niet alle servers ondersteunen het! </translation>
    </message>
    <message>
        <source>You can add as many as binds as you want, and when you think you are done go to &apos;File&apos; on the menu bar to save your program. When clicking on &apos;Extra&apos; you can change the colors of the form the way you&apos;ll like it, this setting will be saved when ending the program. Also it&apos;s possible to view the binds you&apos;ve made so far by clicking on &apos;Review Made Binds&apos;. </source>
        <translation>Je kunt zoveel binds toevoegen als je wilt, en als je denkt dat je klaar bent, ga je in de menubalk naar &apos;Bestand&apos; om je bestand op te slaan. Onder &apos;Extra&apos; kun je de kleuren van de vensters naar je zin aanpassen; die instelling wordt bewaard als je het programma afsluit. Ook kun je de binds die je tot nu toe hebt gemaakt bekijken met &apos;Gemaakte binds bekijken&apos;. </translation>
    </message>
    <message>
        <source>This program only checks whether keys are already bound in the file you are trying to create. If you bind any keys that have other functions in the game, then it will lose the old functionality after executing your new cfg file. So watch out with the keys you are binding! If you do &apos;bind MOUSE1 say &apos;Pow Pow!&apos;&apos; then I doubt that you&apos;ll get a lot of kills!</source>
        <translation>Dit programma controleert alleen of toetsen al gebonden zijn in het bestand dat je aan het maken bent. Als je toetsen bindt die in het spel een andere functie hebben, verliezen ze die zodra je nieuwe cfg-bestand is uitgevoerd. Let dus op welke toetsen je bindt! Als je &apos;bind MOUSE1 say &apos;Pow Pow!&apos;&apos; doet, betwijfel ik of je veel kills gaat maken!</translation>
    </message>
    <message>
        <source>--------------  Editing this program:  ------------</source>
        <translation>--------------  Dit programma aanpassen:  ------------</translation>
    </message>
    <message>
        <source>It is also possible to add your own preferences to this program. In the folder %1 these files can be found. Just open them in textpad to see how it works. </source>
        <translation>Je kunt ook je eigen voorkeuren aan dit programma toevoegen. In de map %1 staan deze bestanden. Open ze gewoon in een teksteditor om te zien hoe het werkt. </translation>
    </message>
    <message>
        <source>If you think you won&apos;t use certain colors anyway, then you can remove them from this application by simply removing it from that file. Also if you know some other OSP/Radio commands (if there are any) or colors, then you can add them to this file using the same syntax as I did. I also added comments inside this file, which should make it easy to understand how to edit it! You can do this by renaming it to a .txt file, or just by opening the file in note pad. </source>
        <translation>Als je bepaalde kleuren toch niet gebruikt, kun je ze uit het programma halen door ze gewoon uit dat bestand te verwijderen. En als je nog andere OSP-/radiocommando&apos;s (als die er zijn) of kleuren kent, kun je ze aan dit bestand toevoegen met dezelfde schrijfwijze als ik. Ik heb ook commentaar in het bestand gezet, dat duidelijk zou moeten maken hoe je het bewerkt! Open het daarvoor gewoon in een teksteditor. </translation>
    </message>
    <message>
        <source>I made this program for fun during a holiday, so if you need help or have an idea for it, just send me a message on the game maker&apos;s forum, post it on our clan forum or e-mail me at binds@example.org. </source>
        <translation>Ik heb dit programma voor de lol gemaakt tijdens een vakantie, dus als je hulp nodig hebt of er een idee voor hebt, stuur me dan gewoon een bericht op het forum van de spelmaker, zet het op ons clanforum of mail me op binds@example.org. </translation>
    </message>
    <message>
        <source>Well, good luck making your own cfg files and frag on! :)</source>
        <translation>Nou, veel succes met je eigen cfg-bestanden en frag on! :)</translation>
    </message>
</context>
<context>
    <name>clsInputHandler</name>
    <message>
        <source>line break</source>
        <translation>regeleinde</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>control character</source>
        <translation>stuurteken</translation>
    </message>
    <message>
        <source>the console would run the rest as a command</source>
        <translation>de console zou de rest als commando uitvoeren</translation>
    </message>
    <message>
        <source>// and /* start a console comment, which would lose the rest</source>
        <translation>// en /* beginnen consolecommentaar, de rest zou verloren gaan</translation>
    </message>
    <message>
        <source>colours come from the pattern lists</source>
        <translation>kleuren komen uit de patroonlijsten</translation>
    </message>
    <message>
        <source>the console reads quotes as grouping, not as text</source>
        <translation>de console leest aanhalingstekens als groepering, niet als tekst</translation>
    </message>
    <message>
        <source>the game shows it as a dot</source>
        <translation>het spel toont het als punt</translation>
    </message>
    <message>
        <source>OSP tokens start with it: add them with Add OSP</source>
        <translation>OSP-tokens beginnen ermee: voeg ze toe met OSP-token</translation>
    </message>
    <message>
        <source>a chat line is one line</source>
        <translation>een chatregel is één regel</translation>
    </message>
    <message>
        <source>the game shows only plain letters, digits and punctuation</source>
        <translation>het spel toont alleen gewone letters, cijfers en leestekens</translation>
    </message>
    <message>
        <source>%1 removed: %2</source>
        <translation>%1 verwijderd: %2</translation>
    </message>
</context>
<context>
    <name>clsKeyEdit</name>
    <message>
        <source>the game knows no key named %1</source>
        <translation>het spel kent geen toets met de naam %1</translation>
    </message>
    <message>
        <source>the binding is empty (--clear takes a key&apos;s bind away)</source>
        <translation>de binding is leeg (--clear haalt de bind van een toets weg)</translation>
    </message>
    <message>
        <source>the game cannot keep a quote mark or a line break in a binding</source>
        <translation>het spel kan geen aanhalingsteken of regeleinde in een binding bewaren</translation>
    </message>
</context>
<context>
    <name>clsKeyNames</name>
    <message>
        <source>Console Key</source>
        <translation>Consoletoets</translation>
    </message>
    <message>
        <source>The key %1 opens the game&apos;s console, so the game never runs a bind of it. Pick another key.</source>
        <translation>De toets %1 opent de console van het spel, dus het spel voert nooit een bind ervan uit. Kies een andere toets.</translation>
    </message>
    <message>
        <source>Key Not Known</source>
        <translation>Toets onbekend</translation>
    </message>
    <message>
        <source>The game has no name for this key, so it cannot be bound. Pick another key.</source>
        <translation>Het spel heeft geen naam voor deze toets, dus hij kan niet worden gebonden. Kies een andere toets.</translation>
    </message>
    <message>
        <source>The game has no name for the key %1, so it cannot be bound. Pick another key.</source>
        <translation>Het spel heeft geen naam voor de toets %1, dus hij kan niet worden gebonden. Kies een andere toets.</translation>
    </message>
    <message>
        <source>Key Not Listed</source>
        <translation>Toets niet in de lijst</translation>
    </message>
    <message>
        <source>The key %1 is not in the key list of this definition file, so it cannot be bound now. To bind it, add the line key:%1 to the file with a text editor and load the file again at the next start.</source>
        <translation>De toets %1 staat niet in de toetsenlijst van dit definitiebestand, dus hij kan nu niet worden gebonden. Om hem te binden, voeg je met een teksteditor de regel key:%1 aan het bestand toe en laad je het bestand bij de volgende start opnieuw.</translation>
    </message>
</context>
<context>
    <name>clsKeyboardLayout</name>
    <message>
        <source>keypad %1</source>
        <translation>numeriek %1</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>console key</source>
        <translation>consoletoets</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>right Shift</source>
        <translation>rechter Shift</translation>
    </message>
    <message>
        <source>up arrow</source>
        <translation>pijl omhoog</translation>
    </message>
    <message>
        <source>Windows key</source>
        <translation>Windows-toets</translation>
    </message>
    <message>
        <source>right Alt</source>
        <translation>rechter Alt</translation>
    </message>
    <message>
        <source>right Windows key</source>
        <translation>rechter Windows-toets</translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation>menutoets</translation>
    </message>
    <message>
        <source>right Ctrl</source>
        <translation>rechter Ctrl</translation>
    </message>
    <message>
        <source>left arrow</source>
        <translation>pijl naar links</translation>
    </message>
    <message>
        <source>down arrow</source>
        <translation>pijl omlaag</translation>
    </message>
    <message>
        <source>right arrow</source>
        <translation>pijl naar rechts</translation>
    </message>
    <message>
        <source>left mouse button</source>
        <translation>linkermuisknop</translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation>wiel omhoog</translation>
    </message>
    <message>
        <source>middle mouse button</source>
        <translation>middelste muisknop</translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation>wiel omlaag</translation>
    </message>
    <message>
        <source>right mouse button</source>
        <translation>rechtermuisknop</translation>
    </message>
    <message>
        <source>forward side button</source>
        <translation>zijknop vooruit</translation>
    </message>
    <message>
        <source>back side button</source>
        <translation>zijknop terug</translation>
    </message>
</context>
<context>
    <name>clsKeyboardMap</name>
    <message>
        <source>%1 bound, %2 free</source>
        <translation>%1 gebonden, %2 vrij</translation>
    </message>
    <message>
        <source>the game has no name for this key</source>
        <translation>het spel heeft geen naam voor deze toets</translation>
    </message>
    <message>
        <source>not in the definition file</source>
        <translation>niet in het definitiebestand</translation>
    </message>
    <message>
        <source>free</source>
        <translation>vrij</translation>
    </message>
    <message>
        <source>public chat</source>
        <translation>openbare chat</translation>
    </message>
    <message>
        <source>team chat</source>
        <translation>teamchat</translation>
    </message>
    <message>
        <source>radio</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>other command</source>
        <translation>ander commando</translation>
    </message>
</context>
<context>
    <name>clsOpenReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>the key name is not one word to the game</source>
        <translation>de toetsnaam is voor het spel niet één woord</translation>
    </message>
    <message>
        <source>the bind line would be longer than the %1 characters the game reads of a line</source>
        <translation>de bindregel zou langer zijn dan de %1 tekens die het spel van een regel leest</translation>
    </message>
    <message>
        <source>the key list already holds 32,767 keys</source>
        <translation>de toetsenlijst bevat al 32.767 toetsen</translation>
    </message>
    <message>
        <source>the binding is empty</source>
        <translation>de binding is leeg</translation>
    </message>
    <message>
        <source>the game would not read the bind line back as it is written</source>
        <translation>het spel zou de bindregel niet teruglezen zoals hij geschreven is</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>regel %1</translation>
    </message>
    <message>
        <source>lines %1 and %2 more</source>
        <translation>regels %1 en nog %2</translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation>regels %1 en %2</translation>
    </message>
    <message>
        <source>%1 holds no binds yet.</source>
        <translation>%1 bevat nog geen binds.</translation>
    </message>
    <message>
        <source>When you save, everything else in %1 stays as it is: only the binds you change are written.</source>
        <translation>Bij het opslaan blijft al het andere in %1 zoals het is: alleen de binds die je verandert, worden geschreven.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Het bestand %1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Er is niets veranderd.</translation>
    </message>
    <message>
        <source>it is not there (it may have been moved, renamed or deleted)</source>
        <translation>het is er niet (misschien is het verplaatst, hernoemd of verwijderd)</translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation>het is een map of een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it cannot be read (you may not have permission to read it)</source>
        <translation>het kan niet worden gelezen (misschien heb je geen leesrechten)</translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is no text file, and a cfg file is plain text</source>
        <translation>het bevat nulbytes, dus het is geen tekstbestand, en een cfg-bestand is gewone tekst</translation>
    </message>
    <message>
        <source>it holds %1 bytes, more than the 1 MiB that is read (the game runs at most 16,383 bytes of a cfg file)</source>
        <translation>het is %1 bytes groot, meer dan de 1 MiB die wordt gelezen (het spel voert hoogstens 16.383 bytes van een cfg-bestand uit)</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>The file holds %1 bytes: the game&apos;s exec does not run a file of %2 bytes or more (its command buffer holds %3 bytes of a file).</source>
        <translation>Het bestand is %1 bytes groot: de exec van het spel voert geen bestand van %2 bytes of meer uit (zijn commandobuffer bevat %3 bytes van een bestand).</translation>
    </message>
    <message>
        <source>%1 holds no binds, so nothing was changed.</source>
        <translation>%1 bevat geen binds, dus er is niets veranderd.</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds no binds yet: the bind you have made is added to it when you save.</source>
        <comment>%1 holds no binds yet: the %n binds you have made are added to it when you save.</comment>
        <translation>
            <numerusform>%1 bevat nog geen binds: de bind die je hebt gemaakt, wordt bij het opslaan toegevoegd.</numerusform>
            <numerusform>%1 bevat nog geen binds: de %n binds die je hebt gemaakt, worden bij het opslaan toegevoegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace the bind you have made with the binds of %1?</source>
        <comment>Replace all %n binds you have made with the binds of %1?</comment>
        <translation>
            <numerusform>De bind die je hebt gemaakt vervangen door de binds van %1?</numerusform>
            <numerusform>Alle %n binds die je hebt gemaakt vervangen door de binds van %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bind was left out (%1): %2.</source>
        <comment>%n binds were left out (%1): %2.</comment>
        <translation>
            <numerusform>%n bind is weggelaten (%1): %2.</numerusform>
            <numerusform>%n binds zijn weggelaten (%1): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n command binds a key the game does not know (%1), so it binds nothing:</source>
        <comment>%n commands bind a key the game does not know (%1), so they bind nothing:</comment>
        <translation>
            <numerusform>%n commando bindt een toets die het spel niet kent (%1), dus het bindt niets:</numerusform>
            <numerusform>%n commando&apos;s binden een toets die het spel niet kent (%1), dus ze binden niets:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other command is not a bind (the program leaves it as it is):</source>
        <comment>%n other commands are not binds (the program leaves them as they are):</comment>
        <translation>
            <numerusform>%n ander commando is geen bind (het programma laat het zoals het is):</numerusform>
            <numerusform>%n andere commando&apos;s zijn geen binds (het programma laat ze zoals ze zijn):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n bind from %1.</source>
        <comment>Read %n binds from %1.</comment>
        <translation>
            <numerusform>%n bind gelezen uit %1.</numerusform>
            <numerusform>%n binds gelezen uit %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One of its keys is not in the definition file, so it was added at the end of the key list: %1.</source>
        <comment>%n of its keys are not in the definition file, so they were added at the end of the key list: %1.</comment>
        <translation>
            <numerusform>Eén van de toetsen staat niet in het definitiebestand en is daarom achteraan de toetsenlijst toegevoegd: %1.</numerusform>
            <numerusform>%n van de toetsen staan niet in het definitiebestand en zijn daarom achteraan de toetsenlijst toegevoegd: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The one bind of %1 could not be opened, so nothing was changed.</source>
        <comment>None of the %n binds of %1 could be opened, so nothing was changed.</comment>
        <translation>
            <numerusform>De ene bind van %1 kon niet worden geopend, dus er is niets veranderd.</numerusform>
            <numerusform>Geen van de %n binds van %1 kon worden geopend, dus er is niets veranderd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsReadReport</name>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>has no key name</source>
        <translation>heeft geen toetsnaam</translation>
    </message>
    <message>
        <source>holds a blank inside the key name, so the game would not read it as one key</source>
        <translation>bevat een spatie in de toetsnaam, dus het spel zou hem niet als één toets lezen</translation>
    </message>
    <message>
        <source>holds a line break, which would end the bind and run the rest as a command</source>
        <translation>bevat een regeleinde, dat de bind zou beëindigen en de rest als commando zou uitvoeren</translation>
    </message>
    <message>
        <source>holds a zero byte, where the game stops reading the file</source>
        <translation>bevat een nulbyte, waar het spel stopt met het lezen van het bestand</translation>
    </message>
    <message>
        <source>holds &apos;;&apos;, which would end the bind and run the rest as a command</source>
        <translation>bevat &apos;;&apos;, dat de bind zou beëindigen en de rest als commando zou uitvoeren</translation>
    </message>
    <message>
        <source>holds &apos;//&apos; or &apos;/*&apos;, which the game reads as the start of a comment</source>
        <translation>bevat &apos;//&apos; of &apos;/*&apos;, wat het spel leest als het begin van commentaar</translation>
    </message>
    <message>
        <source>holds &apos;&quot;&apos;, which the game takes as quoting, not as text</source>
        <translation>bevat &apos;&quot;&apos;, wat het spel opvat als aanhaling, niet als tekst</translation>
    </message>
    <message>
        <source>is past the 32,767 entries of one kind the program holds</source>
        <translation>valt buiten de 32.767 regels van één soort die het programma kan bevatten</translation>
    </message>
    <message>
        <source>has no command</source>
        <translation>heeft geen commando</translation>
    </message>
    <message>
        <source>holds only blanks, which the game does not send</source>
        <translation>bevat alleen spaties, die het spel niet verstuurt</translation>
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
        <translation>%1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>Prints the folders the program uses and the definition files the start screen lists, then ends. Makes the per-user folders of an installed program.</source>
        <translation>Toont de mappen die het programma gebruikt en de definitiebestanden die het startscherm toont, en stopt dan. Maakt de mappen per gebruiker van een geïnstalleerd programma aan.</translation>
    </message>
    <message>
        <source>Prints the review listing of the binds that opening FILE.cfg would make (with no definition file loaded), then ends. Exit code 1 when the file cannot be read.</source>
        <translation>Toont het overzicht van de binds die het openen van FILE.cfg zou opleveren (zonder geladen definitiebestand), en stopt dan. Afsluitcode 1 als het bestand niet kan worden gelezen.</translation>
    </message>
    <message>
        <source>brenvolt --bind KEY BINDING FILE.cfg: binds KEY to BINDING (what the key is to do, as the game stores it: &quot;say ^1hi&quot;, &quot;+attack; +jump&quot;) in FILE.cfg, changing nothing else in the file. A binding the program would refuse changes nothing and gives exit code 1.</source>
        <translation>brenvolt --bind KEY BINDING FILE.cfg: bindt KEY aan BINDING (wat de toets moet doen, zoals het spel het bewaart: &quot;say ^1hi&quot;, &quot;+attack; +jump&quot;) in FILE.cfg, zonder verder iets aan het bestand te veranderen. Een binding die het programma zou weigeren, verandert niets en geeft afsluitcode 1.</translation>
    </message>
    <message>
        <source>brenvolt --clear KEY FILE.cfg: takes every bind of KEY out of FILE.cfg, changing nothing else in the file.</source>
        <translation>brenvolt --clear KEY FILE.cfg: haalt elke bind van KEY uit FILE.cfg, zonder verder iets aan het bestand te veranderen.</translation>
    </message>
    <message>
        <source>Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP tokens and radio commands. Without options it opens its start screen.</source>
        <translation>Maakt console-cfg-bestanden met toetsbinds voor Soldier of Fortune 2: gekleurde chatregels, OSP-tokens en radiocommando&apos;s. Zonder opties opent het zijn startscherm.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>geïnstalleerd</translation>
    </message>
    <message>
        <source>portable</source>
        <translation>draagbaar</translation>
    </message>
    <message>
        <source>Definition folder</source>
        <translation>Definitiemap</translation>
    </message>
    <message>
        <source>Your definition folder</source>
        <translation>Jouw definitiemap</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Uitvoermap</translation>
    </message>
    <message>
        <source>Picture folder</source>
        <translation>Afbeeldingsmap</translation>
    </message>
    <message>
        <source>Drafts folder</source>
        <translation>Conceptenmap</translation>
    </message>
    <message>
        <source>Definition file</source>
        <translation>Definitiebestand</translation>
    </message>
    <message>
        <source>use --bind KEY BINDING FILE.cfg or --clear KEY FILE.cfg</source>
        <translation>gebruik --bind KEY BINDING FILE.cfg of --clear KEY FILE.cfg</translation>
    </message>
    <message>
        <source>%1 was not changed: %2.</source>
        <translation>%1 is niet veranderd: %2.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 kon niet worden opgeslagen: %2</translation>
    </message>
</context>
<context>
    <name>frmColorStyle</name>
    <message>
        <source>Change Color Style</source>
        <translation>Kleurstijl wijzigen</translation>
    </message>
    <message>
        <source>Color Style:</source>
        <translation>Kleurstijl:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Gegevens ontbreken</translation>
    </message>
    <message>
        <source>Select a color style!</source>
        <translation>Kies een kleurstijl!</translation>
    </message>
</context>
<context>
    <name>frmConstruct</name>
    <message>
        <source>Make-a-Bind</source>
        <translation>Bind maken</translation>
    </message>
    <message>
        <source>Select Key</source>
        <translation>Toets kiezen</translation>
    </message>
    <message>
        <source>Key To Bind:</source>
        <translation>Toets:</translation>
    </message>
    <message>
        <source>Press a key, mouse button or wheel to pick it in the key list</source>
        <translation>Druk op een toets of muisknop of draai aan het wiel om hem in de toetsenlijst te kiezen</translation>
    </message>
    <message>
        <source>&amp;Press Key...</source>
        <translation>&amp;Toets indrukken...</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Soort:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Omschrijving:</translation>
    </message>
    <message>
        <source>Type of Bind</source>
        <translation>Soort bind</translation>
    </message>
    <message>
        <source>Text Bind (Public)</source>
        <translation>Tekstbind (openbaar)</translation>
    </message>
    <message>
        <source>Text Bind (Team Say)</source>
        <translation>Tekstbind (team)</translation>
    </message>
    <message>
        <source>Radio Bind</source>
        <translation>Radiobind</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Build Text Bind</source>
        <translation>Tekstbind bouwen</translation>
    </message>
    <message>
        <source>Build Radio Bind</source>
        <translation>Radiobind bouwen</translation>
    </message>
    <message>
        <source>Select Radio Bind:</source>
        <translation>Radiobind kiezen:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation>&amp;Extra</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation>Cfg-bestand o&amp;penen...</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Alles &amp;wissen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Review Made Binds</source>
        <translation>Gemaakte binds bekijken</translation>
    </message>
    <message>
        <source>&amp;Keyboard View</source>
        <translation>Toetsenbordweer&amp;gave</translation>
    </message>
    <message>
        <source>Color Style</source>
        <translation>Kleurstijl</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Make your SoF2 Binds</source>
        <translation>Maak je SoF2-binds</translation>
    </message>
    <message>
        <source>Clear?</source>
        <translation>Wissen?</translation>
    </message>
    <message>
        <source>Are you sure you want to CLEAR button: &apos;%1&apos; of any binds?</source>
        <translation>Weet je zeker dat je alle binds van toets &apos;%1&apos; wilt WISSEN?</translation>
    </message>
    <message>
        <source>RESET?</source>
        <translation>ALLES WISSEN?</translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE all made binds?</source>
        <translation>Weet je zeker dat je alle gemaakte binds wilt VERWIJDEREN?</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Afsluiten?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit? Any unsaved information will be lost!</source>
        <translation>Weet je zeker dat je wilt afsluiten? Alles wat niet is opgeslagen, gaat verloren!</translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation>Cfg-bestand openen</translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation>Cfg-bestanden (*.cfg)</translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation>Bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>This key is not bound yet...</source>
        <translation>Nog niet gebonden...</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>HELP</source>
        <translation>HELP</translation>
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
        <translation>Toetsenbordweergave</translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture:</source>
        <translation>Toetsen van het definitiebestand die niet op de afbeelding staan:</translation>
    </message>
    <message>
        <source>Double-click a key, or press Enter on it, to pick it in the key list</source>
        <translation>Dubbelklik op een toets of druk er Enter op om hem in de toetsenlijst te kiezen</translation>
    </message>
    <message>
        <source>Save the picture of your binds as a PNG file</source>
        <translation>De afbeelding van je binds opslaan als PNG-bestand</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Afbeelding &amp;opslaan...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture (%1):</source>
        <translation>Toetsen van het definitiebestand die niet op de afbeelding staan (%1):</translation>
    </message>
    <message>
        <source>Click a key, or move to it with the arrow keys and press Enter, to pick it in the key list.</source>
        <translation>Klik op een toets, of ga er met de pijltjestoetsen naartoe en druk op Enter, om hem in de toetsenlijst te kiezen.</translation>
    </message>
    <message>
        <source>Read-only while the bind of %1 is built: Done or Cancel on the construction screen ends it.</source>
        <translation>Alleen bekijken zolang de bind van %1 wordt gebouwd: Klaar of Annuleren in het hoofdscherm maakt er een eind aan.</translation>
    </message>
    <message>
        <source>The game has no name for the %1, so it cannot be bound.</source>
        <translation>Het spel heeft geen naam voor: %1. Deze toets kan niet worden gebonden.</translation>
    </message>
    <message>
        <source>%1 is not in the key list of this definition file: add the line key:%1 to the file to bind it.</source>
        <translation>%1 staat niet in de toetsenlijst van dit definitiebestand: voeg de regel key:%1 aan het bestand toe om hem te binden.</translation>
    </message>
    <message>
        <source>%1 is picked in the key list: choose its bind type on the construction screen.</source>
        <translation>%1 is gekozen in de toetsenlijst: kies de soort bind in het hoofdscherm.</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>de afbeelding kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Cannot Save Picture</source>
        <translation>Afbeelding kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation>De afbeelding kan niet worden opgeslagen als %1: %2.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>The picture is saved as %1.</source>
        <translation>De afbeelding is opgeslagen als %1.</translation>
    </message>
</context>
<context>
    <name>frmOSp</name>
    <message>
        <source>             Select An OSP Command</source>
        <translation>             Kies een OSP-commando</translation>
    </message>
    <message>
        <source>Select an OSP command:</source>
        <translation>Kies een OSP-commando:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>frmPressKey</name>
    <message>
        <source>Press Key</source>
        <translation>Toets indrukken</translation>
    </message>
    <message>
        <source>Capture area: press the key, mouse button or wheel to bind</source>
        <translation>Vangvlak: druk op de toets of muisknop, of draai aan het wiel, die je wilt binden</translation>
    </message>
    <message>
        <source>Press the key to bind, or click a mouse button or turn the wheel over this area.

Escape cancels.</source>
        <translation>Druk op de toets die je wilt binden, of klik met een muisknop of draai aan het wiel boven dit vlak.

Escape annuleert.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>this mouse button</source>
        <translation>deze muisknop</translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>Binds Review</source>
        <translation>Overzicht van de binds</translation>
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
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>Save and Quit</source>
        <translation>Opslaan, klaar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Gegevens ontbreken</translation>
    </message>
    <message>
        <source>A file needs a name...</source>
        <translation>Een bestand heeft een naam nodig...</translation>
    </message>
    <message>
        <source>File Already Exists!</source>
        <translation>Bestand bestaat al!</translation>
    </message>
    <message>
        <source>Do you want to replace the file %1?</source>
        <translation>Wil je het bestand %1 vervangen?</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation>Het bestand %1 kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>File Too Large</source>
        <translation>Bestand te groot</translation>
    </message>
    <message>
        <source>The file %1 would be %2 bytes, but the game&apos;s console runs at most %3 bytes in one exec (its command buffer holds %4 bytes, one of them for the line end it adds). A larger file is not run at all.</source>
        <translation>Het bestand %1 zou %2 bytes groot zijn, maar de console van het spel voert met één exec hoogstens %3 bytes uit (zijn commandobuffer bevat %4 bytes, waarvan één voor het regeleinde dat hij toevoegt). Een groter bestand wordt helemaal niet uitgevoerd.</translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation>Toch opslaan?</translation>
    </message>
    <message>
        <source>File Saved!</source>
        <translation>Bestand opgeslagen!</translation>
    </message>
    <message>
        <source>Your file is done and can be found at: %1</source>
        <translation>Je bestand is klaar en staat hier: %1</translation>
    </message>
    <message>
        <source>Copy this file to the Soldier Of Fortune 2\base\mp folder.</source>
        <translation>Kopieer dit bestand naar de map Soldier Of Fortune 2\base\mp.</translation>
    </message>
    <message>
        <source>In the game open console with the &apos;~&apos; button and type: &apos;exec %1&apos; to set all your binds.</source>
        <translation>Open in het spel de console met de toets &apos;~&apos; en typ: &apos;exec %1&apos; om al je binds in te stellen.</translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Select Input File:</source>
        <translation>Invoerbestand kiezen:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xtra</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;New Bind</source>
        <translation>&amp;Nieuwe bind</translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation>Cfg-bestand &amp;openen...</translation>
    </message>
    <message>
        <source>&amp;Continue with Earlier Bind</source>
        <translation>&amp;Verder met eerdere bind</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Color Style</source>
        <translation>&amp;Kleurstijl</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Create new Bind</source>
        <translation>Nieuwe bind maken</translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation>Cfg-bestand openen</translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation>Cfg-bestanden (*.cfg)</translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation>Bestand kan niet worden geopend</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>Het bestand %1 kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>No Input File Selected</source>
        <translation>Geen invoerbestand gekozen</translation>
    </message>
    <message>
        <source>Select an input file to load!</source>
        <translation>Kies een invoerbestand om te laden!</translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation>Bestand niet leesbaar</translation>
    </message>
    <message>
        <source>The input file %1 cannot be read. It may have been moved, renamed or deleted, or you may not have permission to read it.</source>
        <translation>Het invoerbestand %1 kan niet worden gelezen. Misschien is het verplaatst, hernoemd of verwijderd, of heb je geen leesrechten.</translation>
    </message>
    <message>
        <source>Pick another file.</source>
        <translation>Kies een ander bestand.</translation>
    </message>
    <message>
        <source>Binds Restored</source>
        <translation>Binds hersteld</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n bind you had not saved (made %1 with %2)?</source>
        <comment>Restore the %n binds you had not saved (made %1 with %2)?</comment>
        <translation>
            <numerusform>De %n bind herstellen die je niet had opgeslagen (gemaakt op %1 met %2)?</numerusform>
            <numerusform>De %n binds herstellen die je niet had opgeslagen (gemaakt op %1 met %2)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore the changes to %1 you had not saved, %n bind (made %2 with %3)?</source>
        <comment>Restore the changes to %1 you had not saved, %n binds (made %2 with %3)?</comment>
        <translation>
            <numerusform>De niet-opgeslagen wijzigingen aan %1 herstellen, %n bind (gemaakt op %2 met %3)?</numerusform>
            <numerusform>De niet-opgeslagen wijzigingen aan %1 herstellen, %n binds (gemaakt op %2 met %3)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore?</source>
        <translation>Herstellen?</translation>
    </message>
    <message>
        <source>Definition File Missing</source>
        <translation>Definitiebestand ontbreekt</translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folder.</source>
        <translation>Het definitiebestand %1, waarmee deze binds zijn gemaakt, staat niet meer in de definitiemap.</translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folders.</source>
        <translation>Het definitiebestand %1, waarmee deze binds zijn gemaakt, staat niet meer in de definitiemappen.</translation>
    </message>
    <message>
        <source>Pick a definition file and press &quot;Create new Bind&quot;: your binds come back with it. Keys it does not list are added to its key list.</source>
        <translation>Kies een definitiebestand en druk op &quot;Nieuwe bind maken&quot;: je binds komen ermee terug. Toetsen die het niet noemt, worden aan de toetsenlijst toegevoegd.</translation>
    </message>
    <message>
        <source>the draft of your unsaved binds</source>
        <translation>het concept van je niet-opgeslagen binds</translation>
    </message>
</context>
<context>
    <name>keyboardPicture</name>
    <message>
        <source>Keyboard and mouse</source>
        <translation>Toetsenbord en muis</translation>
    </message>
    <message>
        <source>Each key shows its bind: public chat, team chat, radio or other command; free keys are plain; greyed keys cannot be bound.</source>
        <translation>Elke toets toont zijn bind: openbare chat, teamchat, radio of ander commando; vrije toetsen zijn leeg; grijze toetsen kunnen niet worden gebonden.</translation>
    </message>
    <message>
        <source>The game opens its console with this key and never runs a bind of it.</source>
        <translation>Het spel opent met deze toets zijn console en voert nooit een bind ervan uit.</translation>
    </message>
    <message>
        <source>Public chat</source>
        <translation>Openbare chat</translation>
    </message>
    <message>
        <source>Team chat</source>
        <translation>Teamchat</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Other command</source>
        <translation>Ander commando</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Vrij</translation>
    </message>
</context>
<context>
    <name>textBindFrame</name>
    <message>
        <source>Build Text Bind</source>
        <translation>Tekstbind bouwen</translation>
    </message>
    <message>
        <source>Text To add:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Amount of Colors in Pattern:</source>
        <translation>Aantal kleuren in patroon:</translation>
    </message>
    <message>
        <source>Length Color Pattern:</source>
        <translation>Lengte kleurpatroon:</translation>
    </message>
    <message>
        <source>Add To Front</source>
        <translation>Vooraan</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Bind Made:</source>
        <translation>Bind:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Undo Last</source>
        <translation>Wis laatste</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Add OSP</source>
        <translation>OSP-token</translation>
    </message>
    <message>
        <source>Pattern Color #%1:</source>
        <translation>Patroonkleur #%1:</translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation>Gegevens ontbreken</translation>
    </message>
    <message>
        <source>You have to fill in some text to be added to the bind!</source>
        <translation>Je moet tekst invullen om aan de bind toe te voegen!</translation>
    </message>
    <message>
        <source>You have to fill in how many characters the pattern will be until the color changes again!</source>
        <translation>Je moet invullen hoeveel tekens het patroon duurt voordat de kleur weer verandert!</translation>
    </message>
    <message>
        <source>Oops! You forgot to fill in one or more colors!</source>
        <translation>Oeps! Je bent een of meer kleuren vergeten!</translation>
    </message>
    <message>
        <source>If you want to use less colors then change the amount of colors in pattern!</source>
        <translation>Wil je minder kleuren gebruiken, verander dan het aantal kleuren in het patroon!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>Annuleren?</translation>
    </message>
    <message>
        <source>Are you sure you don&apos;t want a bind for key: %1</source>
        <translation>Weet je zeker dat je geen bind wilt voor toets: %1</translation>
    </message>
    <message>
        <source>This key is not bound yet...</source>
        <translation>Nog niet gebonden...</translation>
    </message>
</context>
</TS>
