// SPDX-FileCopyrightText: 2026 The Brenvolt developers
// SPDX-License-Identifier: MIT
#include "model/help/clsHelpText.h"

#include "model/text/clsText.h"

// Each paragraph is one text to translate; the blanks at their ends are part
// of the page.
std::string clsHelpText::build(const std::string& inputFolder) {
    const std::string one = lineBreak;
    const std::string two = lineBreak + lineBreak;
    std::string t;
    t += clsText::translate("clsHelpText", "----------------  What is a cfg file?  --------------") + two;
    t += clsText::translate("clsHelpText",
                            "A cfg file is a configuration file which contains the settings of the game, or changes "
                            "the settings when executing it.") +
         two;
    t += clsText::translate("clsHelpText",
                            "Every time you start a multi-player game the file sof2mp.cfg is being executed, that "
                            "way your game 'knows' what the settings were after you quit the game before.") +
         two;
    t += clsText::translate("clsHelpText",
                            "This cfg file is being made by the game, but you can also make your OWN cfg files.") +
         two;
    t += clsText::translate("clsHelpText", "Why would you make a cfg file when the game already makes one for you?") +
         two;
    t += clsText::translate("clsHelpText",
                            "Not everything you would want to bind will be made by the game, for example SAY binds!") +
         one;
    t += clsText::translate("clsHelpText",
                            "In team games say binds can be very important to make team members aware of possible "
                            "danger. ") +
         two;
    t += clsText::translate("clsHelpText",
                            "Of course you can open textpad and manually type them, but then you do have to know all "
                            "the exact commands, color codes and OSP tokens!") +
         two;
    t += clsText::translate("clsHelpText",
                            "That's why I made this program, because I know that it's a pain in the ass to make cfg "
                            "files that way, especially when wanting to use different colors in one line!") +
         two;
    t += clsText::translate("clsHelpText", "----------------  Ok, how does it work?  ---------------") + two;
    t += clsText::format(
        clsText::translate("clsHelpText",
                           "In the main screen you first select a key, then you choose whether you'd like to make a "
                           "public say bind, a teamsay bind or a radio bind. After that you can choose the amount "
                           "of colors you want the pattern to have, with a maximum of %1. "),
        {std::to_string(maxPatternColors)});
    t += clsText::translate("clsHelpText",
                            "Also you have to select how many characters will get the same color until it switches "
                            "to the next one. You can add pieces of text to a bind untill you are completely "
                            "satisfied with it with the 'Add' button. To undo the previous action click on 'Undo' "
                            "and 'Cancel' will bring you back to the key selecting menu. When clicking on OSP you "
                            "can choose from OSP tokens, OSP is a mod not made by Raven which means that not all "
                            "servers support it! ") +
         two;
    t += clsText::translate("clsHelpText",
                            "You can add as many as binds as you want, and when you think you are done go to 'File' "
                            "on the menu bar to save your program. When clicking on 'Extra' you can change the "
                            "colors of the form the way you'll like it, this setting will be saved when ending the "
                            "program. Also it's possible to view the binds you've made so far by clicking on 'Review "
                            "Made Binds'. ");
    t += clsText::translate("clsHelpText",
                            "This program only checks whether keys are already bound in the file you are trying to "
                            "create. If you bind any keys that have other functions in the game, then it will lose "
                            "the old functionality after executing your new cfg file. So watch out with the keys you "
                            "are binding! If you do 'bind MOUSE1 say 'Pow Pow!'' then I doubt that you'll get a lot "
                            "of kills!") +
         two;
    t += clsText::translate("clsHelpText", "--------------  Editing this program:  ------------") + two;
    t += clsText::format(clsText::translate(
                             "clsHelpText",
                             "It is also possible to add your own preferences to this program. In the folder %1 these "
                             "files can be found. Just open them in textpad to see how it works. "),
                         {inputFolder}) +
         two;
    t += clsText::translate("clsHelpText",
                            "If you think you won't use certain colors anyway, then you can remove them from this "
                            "application by simply removing it from that file. Also if you know some other OSP/Radio "
                            "commands (if there are any) or colors, then you can add them to this file using the "
                            "same syntax as I did. I also added comments inside this file, which should make it easy "
                            "to understand how to edit it! You can do this by renaming it to a .txt file, or just by "
                            "opening the file in note pad. ") +
         two;
    t += clsText::translate("clsHelpText",
                            "I made this program for fun during a holiday, so if you need help or have an idea for "
                            "it, just send me a message on the game maker's forum, post it on our clan forum or "
                            "e-mail me at binds@example.org. ") +
         two;
    t += clsText::translate("clsHelpText", "Well, good luck making your own cfg files and frag on! :)") + two;
    t += "   Tarvelin";
    return t;
}
