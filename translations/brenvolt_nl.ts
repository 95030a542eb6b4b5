<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>QtFileDialog</name>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chatPreviewBar</name>
    <message>
        <source>Chat line as the game shows it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes the game receives for this chat line, colour codes included. The server keeps at most %1 of them. Past that, the bind&apos;s line in the cfg file is counted too: the game reads at most 1,023 bytes of a line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsBindLine</name>
    <message>
        <source>Bind Too Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piece Not Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This radio command would make the bind longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. Pick another radio command, or shorten this one in the definition file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This bind would be longer than the 1,023 characters the game reads of a line, and the game would run the rest as a command. The chat shows only 149 characters anyway: shorten the text or add it to another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This radio command is empty: the game would keep whatever the key did before. Pick another radio command, or fill this one in in the definition file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A radio bind is one radio command: text and OSP tokens cannot be added to it as radio commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next to what this bind already holds, this piece would make // or /*, which the game reads as the start of a comment: the rest of the bind would be lost. Put a space or another character between them, or add the piece at the other end of the bind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With this radio command the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With this piece the bind would hold a &apos;;&apos;, a quote mark or a line break, where the game would end the bind and run the rest as a command. It was not added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsCfgBuilder</name>
    <message>
        <source>Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsCfgFile</name>
    <message>
        <source>Its folder cannot be made: a file named %1 is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its folder %1 could not be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsChatPreview</name>
    <message>
        <source>the game cuts the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsDefinitionList</name>
    <message>
        <source>No definition files found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A definition file is a plain text file of lines such as key:F1 and color:Red&lt;&gt;1 (see Help). Put definition files into the folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files that come with the program belong in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the program again to get them back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsHandOverNote</name>
    <message>
        <source>Everything else was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Entries Left Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 lists no keys (lines such as key:F1), so there is nothing to bind. Add key lines to it with a text editor and pick it again at the next start, or pick another file then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Keys to Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>This entry of %1 was left out:</source>
        <comment>These %n entries of %1 were left out:</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read it as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read them as written: change those lines in the file with a text editor to use them.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game would not read one of them as written: change that line in the file with a text editor to use it.</source>
        <comment>The game would not read %n of them as written: change those lines in the file with a text editor to use them.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n was past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</source>
        <comment>%n were past the 32,767 entries of one kind (keys, colours, OSP tokens or radio commands) the program holds.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsHelpText</name>
    <message>
        <source>----------------  What is a cfg file?  --------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cfg file is a configuration file which contains the settings of the game, or changes the settings when executing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every time you start a multi-player game the file sof2mp.cfg is being executed, that way your game &apos;knows&apos; what the settings were after you quit the game before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cfg file is being made by the game, but you can also make your OWN cfg files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why would you make a cfg file when the game already makes one for you?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything you would want to bind will be made by the game, for example SAY binds!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In team games say binds can be very important to make team members aware of possible danger. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of course you can open textpad and manually type them, but then you do have to know all the exact commands, color codes and OSP tokens!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That&apos;s why I made this program, because I know that it&apos;s a pain in the ass to make cfg files that way, especially when wanting to use different colors in one line!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----------------  Ok, how does it work?  ---------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the main screen you first select a key, then you choose whether you&apos;d like to make a public say bind, a teamsay bind or a radio bind. After that you can choose the amount of colors you want the pattern to have, with a maximum of %1. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also you have to select how many characters will get the same color until it switches to the next one. You can add pieces of text to a bind untill you are completely satisfied with it with the &apos;Add&apos; button. To undo the previous action click on &apos;Undo&apos; and &apos;Cancel&apos; will bring you back to the key selecting menu. When clicking on OSP you can choose from OSP tokens, OSP is a mod not made by Raven which means that not all servers support it! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can add as many as binds as you want, and when you think you are done go to &apos;File&apos; on the menu bar to save your program. When clicking on &apos;Extra&apos; you can change the colors of the form the way you&apos;ll like it, this setting will be saved when ending the program. Also it&apos;s possible to view the binds you&apos;ve made so far by clicking on &apos;Review Made Binds&apos;. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program only checks whether keys are already bound in the file you are trying to create. If you bind any keys that have other functions in the game, then it will lose the old functionality after executing your new cfg file. So watch out with the keys you are binding! If you do &apos;bind MOUSE1 say &apos;Pow Pow!&apos;&apos; then I doubt that you&apos;ll get a lot of kills!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--------------  Editing this program:  ------------</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is also possible to add your own preferences to this program. In the folder %1 these files can be found. Just open them in textpad to see how it works. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you think you won&apos;t use certain colors anyway, then you can remove them from this application by simply removing it from that file. Also if you know some other OSP/Radio commands (if there are any) or colors, then you can add them to this file using the same syntax as I did. I also added comments inside this file, which should make it easy to understand how to edit it! You can do this by renaming it to a .txt file, or just by opening the file in note pad. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I made this program for fun during a holiday, so if you need help or have an idea for it, just send me a message on the game maker&apos;s forum, post it on our clan forum or e-mail me at binds@example.org. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well, good luck making your own cfg files and frag on! :)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsInputHandler</name>
    <message>
        <source>line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the console would run the rest as a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>// and /* start a console comment, which would lose the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colours come from the pattern lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the console reads quotes as grouping, not as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game shows it as a dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OSP tokens start with it: add them with Add OSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a chat line is one line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game shows only plain letters, digits and punctuation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsKeyEdit</name>
    <message>
        <source>the game knows no key named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the binding is empty (--clear takes a key&apos;s bind away)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game cannot keep a quote mark or a line break in a binding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsKeyNames</name>
    <message>
        <source>Console Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 opens the game&apos;s console, so the game never runs a bind of it. Pick another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Not Known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has no name for this key, so it cannot be bound. Pick another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has no name for the key %1, so it cannot be bound. Pick another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Not Listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key %1 is not in the key list of this definition file, so it cannot be bound now. To bind it, add the line key:%1 to the file with a text editor and load the file again at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsKeyboardLayout</name>
    <message>
        <source>keypad %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>console key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right Windows key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>middle mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right mouse button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>forward side button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back side button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsKeyboardMap</name>
    <message>
        <source>%1 bound, %2 free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game has no name for this key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not in the definition file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>public chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>team chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsOpenReport</name>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key name is not one word to the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bind line would be longer than the %1 characters the game reads of a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key list already holds 32,767 keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the binding is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game would not read the bind line back as it is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no binds yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you save, everything else in %1 stays as it is: only the binds you change are written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not there (it may have been moved, renamed or deleted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder or a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read (you may not have permission to read it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds zero bytes, so it is no text file, and a cfg file is plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1 bytes, more than the 1 MiB that is read (the game runs at most 16,383 bytes of a cfg file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 bytes: the game&apos;s exec does not run a file of %2 bytes or more (its command buffer holds %3 bytes of a file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no binds, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 holds no binds yet: the bind you have made is added to it when you save.</source>
        <comment>%1 holds no binds yet: the %n binds you have made are added to it when you save.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace the bind you have made with the binds of %1?</source>
        <comment>Replace all %n binds you have made with the binds of %1?</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bind was left out (%1): %2.</source>
        <comment>%n binds were left out (%1): %2.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n command binds a key the game does not know (%1), so it binds nothing:</source>
        <comment>%n commands bind a key the game does not know (%1), so they bind nothing:</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other command is not a bind (the program leaves it as it is):</source>
        <comment>%n other commands are not binds (the program leaves them as they are):</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Read %n bind from %1.</source>
        <comment>Read %n binds from %1.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One of its keys is not in the definition file, so it was added at the end of the key list: %1.</source>
        <comment>%n of its keys are not in the definition file, so they were added at the end of the key list: %1.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The one bind of %1 could not be opened, so nothing was changed.</source>
        <comment>None of the %n binds of %1 could be opened, so nothing was changed.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>clsReadReport</name>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no key name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a blank inside the key name, so the game would not read it as one key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a line break, which would end the bind and run the rest as a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a zero byte, where the game stops reading the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &apos;;&apos;, which would end the bind and run the rest as a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &apos;//&apos; or &apos;/*&apos;, which the game reads as the start of a comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &apos;&quot;&apos;, which the game takes as quoting, not as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is past the 32,767 entries of one kind the program holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds only blanks, which the game does not send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>clsText</name>
    <message>
        <source>,</source>
        <comment>the digit group separator of numbers: 16,384</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>commandLine</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the folders the program uses and the definition files the start screen lists, then ends. Makes the per-user folders of an installed program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the review listing of the binds that opening FILE.cfg would make (with no definition file loaded), then ends. Exit code 1 when the file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brenvolt --bind KEY BINDING FILE.cfg: binds KEY to BINDING (what the key is to do, as the game stores it: &quot;say ^1hi&quot;, &quot;+attack; +jump&quot;) in FILE.cfg, changing nothing else in the file. A binding the program would refuse changes nothing and gives exit code 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brenvolt --clear KEY FILE.cfg: takes every bind of KEY out of FILE.cfg, changing nothing else in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes Soldier of Fortune 2 console cfg files of key binds: coloured chat lines, OSP tokens and radio commands. Without options it opens its start screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>portable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your definition folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drafts folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use --bind KEY BINDING FILE.cfg or --clear KEY FILE.cfg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not changed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmColorStyle</name>
    <message>
        <source>Change Color Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a color style!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmConstruct</name>
    <message>
        <source>Make-a-Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key To Bind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a key, mouse button or wheel to pick it in the key list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Press Key...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Bind (Public)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Bind (Team Say)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Text Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Radio Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Radio Bind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Made Binds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your SoF2 Binds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to CLEAR button: &apos;%1&apos; of any binds?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to DELETE all made binds?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit? Any unsaved information will be lost!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>HELP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmKeyboardView</name>
    <message>
        <source>Keyboard View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a key, or press Enter on it, to pick it in the key list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture of your binds as a PNG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys of the definition file not on the picture (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a key, or move to it with the arrow keys and press Enter, to pick it in the key list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only while the bind of %1 is built: Done or Cancel on the construction screen ends it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has no name for the %1, so it cannot be bound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the key list of this definition file: add the line key:%1 to the file to bind it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is picked in the key list: choose its bind type on the construction screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOSp</name>
    <message>
        <source>             Select An OSP Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an OSP command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPressKey</name>
    <message>
        <source>Press Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture area: press the key, mouse button or wheel to bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key to bind, or click a mouse button or turn the wheel over this area.

Escape cancels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this mouse button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReview</name>
    <message>
        <source>Binds Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSaveToFile</name>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file needs a name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Already Exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to replace the file %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Too Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 would be %2 bytes, but the game&apos;s console runs at most %3 bytes in one exec (its command buffer holds %4 bytes, one of them for the line end it adds). A larger file is not run at all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file is done and can be found at: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy this file to the Soldier Of Fortune 2\base\mp folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game open console with the &apos;~&apos; button and type: &apos;exec %1&apos; to set all your binds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStart</name>
    <message>
        <source>Select Input File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Cfg File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue with Earlier Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Cfg File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cfg files (*.cfg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Input File Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an input file to load!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Read File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input file %1 cannot be read. It may have been moved, renamed or deleted, or you may not have permission to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binds Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n bind you had not saved (made %1 with %2)?</source>
        <comment>Restore the %n binds you had not saved (made %1 with %2)?</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore the changes to %1 you had not saved, %n bind (made %2 with %3)?</source>
        <comment>Restore the changes to %1 you had not saved, %n binds (made %2 with %3)?</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Restore?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition File Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The definition file %1, with which these binds were made, is no longer in the definition folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a definition file and press &quot;Create new Bind&quot;: your binds come back with it. Keys it does not list are added to its key list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the draft of your unsaved binds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>keyboardPicture</name>
    <message>
        <source>Keyboard and mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each key shows its bind: public chat, team chat, radio or other command; free keys are plain; greyed keys cannot be bound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game opens its console with this key and never runs a bind of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>textBindFrame</name>
    <message>
        <source>Build Text Bind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text To add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount of Colors in Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length Color Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add To Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bind Made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add OSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern Color #%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to fill in some text to be added to the bind!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have to fill in how many characters the pattern will be until the color changes again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops! You forgot to fill in one or more colors!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to use less colors then change the amount of colors in pattern!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you don&apos;t want a bind for key: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
