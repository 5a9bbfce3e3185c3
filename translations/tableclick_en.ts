<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>XAccountReply</name>
    <message>
        <source>Cannot reach the account service</source>
        <translation>Cannot reach the account service</translation>
    </message>
    <message>
        <source>The account service cannot be trusted</source>
        <translation>The account service cannot be trusted</translation>
    </message>
    <message>
        <source>The account service does not answer</source>
        <translation>The account service does not answer</translation>
    </message>
    <message>
        <source>The account service reported an error</source>
        <translation>The account service reported an error</translation>
    </message>
    <message>
        <source>The account service sent an unreadable reply</source>
        <translation>The account service sent an unreadable reply</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Start the local account service (run tableclick-accountd in a terminal, or systemctl --user start tableclick-accountd), then try again.</source>
        <translation>Nothing answers at %1. Start the local account service (run tableclick-accountd in a terminal, or systemctl --user start tableclick-accountd), then try again.</translation>
    </message>
    <message>
        <source>Nothing answers at %1. Check your connection, or start the service, and try again.</source>
        <translation>Nothing answers at %1. Check your connection, or start the service, and try again.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: its certificate is not the one Tableclick trusts, or it is invalid. Nothing was sent.</source>
        <translation>The secure connection to %1 failed: its certificate is not the one Tableclick trusts, or it is invalid. Nothing was sent.</translation>
    </message>
    <message>
        <source>%1 did not answer within 15 seconds. Try again later.</source>
        <translation>%1 did not answer within 15 seconds. Try again later.</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2. Try again later.</source>
        <translation>%1 answered with HTTP status %2. Try again later.</translation>
    </message>
    <message>
        <source>The reply from %1 is not what Tableclick expects. Is the service address right?</source>
        <translation>The reply from %1 is not what Tableclick expects. Check that the service address is right.</translation>
    </message>
</context>
<context>
    <name>XAccountRequester</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XAccountService</name>
    <message>
        <source>The local account service sends no real mail: it is a file in %1.</source>
        <translation>The local account service sends no real mail: you find the mail as a file in %1.</translation>
    </message>
</context>
<context>
    <name>XAddMouseActionView</name>
    <message>
        <source>Mouse actions</source>
        <translation>Mouse actions</translation>
    </message>
    <message>
        <source>Where to click: x on the screen, from its left edge</source>
        <translation>Where to click: x on the screen, from its left edge</translation>
    </message>
    <message>
        <source>Where to click: y on the screen, from its top edge</source>
        <translation>Where to click: y on the screen, from its top edge</translation>
    </message>
    <message>
        <source>How many clicks</source>
        <translation>How many clicks</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Which mouse button clicks</source>
        <translation>Which mouse button clicks</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Add this click to the list</source>
        <translation>Add this click to the list</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation>Clicks</translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation>Add pointer in 3 s</translation>
    </message>
    <message>
        <source>Counts down 3 seconds for you to point at the place, then adds a click there</source>
        <translation>Counts down 3 seconds for you to point at the place, then adds a click there</translation>
    </message>
    <message>
        <source>Pointer hot key</source>
        <translation>Pointer hot key</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>The clicks Execute makes, top to bottom</source>
        <translation>The clicks Execute makes, top to bottom</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Move the selected click up</source>
        <translation>Move the selected click up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Move the selected click down</source>
        <translation>Move the selected click down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete the selected clicks</source>
        <translation>Delete the selected clicks</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation>Empty the list</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>Click the whole list, in order</source>
        <translation>Click the whole list, in order</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Lists</translation>
    </message>
    <message>
        <source>Shows what the six list buttons hold. A list button keeps a copy of the table when empty, and offers to replace or show its list otherwise</source>
        <translation>Shows what the six list buttons hold. A list button keeps a copy of the table when empty, and offers to replace or show its list otherwise</translation>
    </message>
</context>
<context>
    <name>XAddMouseActionViewController</name>
    <message>
        <source>X must be a number on a screen: %1</source>
        <translation>X must be a number on a screen: %1</translation>
    </message>
    <message>
        <source>Y must be a number on a screen: %1</source>
        <translation>Y must be a number on a screen: %1</translation>
    </message>
    <message>
        <source>Empty: press to keep a copy of the table</source>
        <translation>Empty: press to keep a copy of the table</translation>
    </message>
    <message>
        <source>Right-click, Undo replace: back to the list held before</source>
        <translation>Right-click, Undo replace: back to the list held before</translation>
    </message>
    <message>
        <source>List %1:</source>
        <translation>List %1:</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>The list buttons</source>
        <translation>The list buttons</translation>
    </message>
    <message>
        <source>Point… %1</source>
        <translation>Point… %1</translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation>Add pointer in 3 s</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>The Button Had Mouse Data</source>
        <translation>This list button already holds a list</translation>
    </message>
    <message>
        <source>Do you want to replace It ?</source>
        <translation>Replace its list with the clicks in the table? &quot;Show its list&quot; puts the list it holds in the table instead.</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Display Button Data In Table</source>
        <translation>Show its list</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>right button</source>
        <translation>right button</translation>
    </message>
    <message>
        <source>left button</source>
        <translation>left button</translation>
    </message>
    <message>
        <source>No%1: clickPoint(%2,%3)  clickCount:%4  %5</source>
        <translation>No. %1: point (%2, %3), %4 clicks, %5</translation>
    </message>
</context>
<context>
    <name>XAutoSaver</name>
    <message>
        <source>Tableclick cannot save your settings</source>
        <translation>Tableclick cannot save your settings</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

What you set up is kept while Tableclick runs and saved again after your next change.</source>
        <translation>%1 could not be written: %2.

Free some space on the disk, or let Tableclick write to that folder. What you set up is kept while Tableclick runs and is saved again after your next change.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XBetButtonsView</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Around a number</source>
        <translation>Around a number</translation>
    </message>
    <message>
        <source>Distances</source>
        <translation>Distances</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Colours, parities, dozens, rows and zones of the table</source>
        <translation>Colours, parities, dozens, rows and zones of the table</translation>
    </message>
    <message>
        <source>Sectors around each number and runs after and before it on the wheel</source>
        <translation>Sectors around each number and runs after and before it on the wheel</translation>
    </message>
    <message>
        <source>The numbers at given wheel distances from each number</source>
        <translation>The numbers at given wheel distances from each number</translation>
    </message>
    <message>
        <source>Row exclusions, wheel halves, diagonals, zone crosses, alternatives, specials and rounds</source>
        <translation>Row exclusions, wheel halves, diagonals, zone crosses, alternatives, specials and rounds</translation>
    </message>
    <message>
        <source>Row exclusions</source>
        <translation>Row exclusions</translation>
    </message>
    <message>
        <source>Wheel halves</source>
        <translation>Wheel halves</translation>
    </message>
    <message>
        <source>Diagonals</source>
        <translation>Diagonals</translation>
    </message>
    <message>
        <source>Zone crosses</source>
        <translation>Zone crosses</translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation>Alternatives</translation>
    </message>
    <message>
        <source>Specials</source>
        <translation>Specials</translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation>Rounds</translation>
    </message>
    <message>
        <source>T-RED</source>
        <translation>T-RED</translation>
    </message>
    <message>
        <source>M-RED</source>
        <translation>M-RED</translation>
    </message>
    <message>
        <source>B-RED</source>
        <translation>B-RED</translation>
    </message>
    <message>
        <source>3-RED</source>
        <translation>3-RED</translation>
    </message>
    <message>
        <source>2-RED</source>
        <translation>2-RED</translation>
    </message>
    <message>
        <source>1-RED</source>
        <translation>1-RED</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>RED</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>BLACK</translation>
    </message>
    <message>
        <source>EVEN</source>
        <translation>EVEN</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>ODD</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>BOTM</source>
        <translation>BOTM</translation>
    </message>
    <message>
        <source>T-BLK</source>
        <translation>T-BLK</translation>
    </message>
    <message>
        <source>T-EVEN</source>
        <translation>T-EVEN</translation>
    </message>
    <message>
        <source>T-ODD</source>
        <translation>T-ODD</translation>
    </message>
    <message>
        <source>M-BLK</source>
        <translation>M-BLK</translation>
    </message>
    <message>
        <source>M-EVEN</source>
        <translation>M-EVEN</translation>
    </message>
    <message>
        <source>M-ODD</source>
        <translation>M-ODD</translation>
    </message>
    <message>
        <source>B-BLK</source>
        <translation>B-BLK</translation>
    </message>
    <message>
        <source>B-EVEN</source>
        <translation>B-EVEN</translation>
    </message>
    <message>
        <source>B-ODD</source>
        <translation>B-ODD</translation>
    </message>
    <message>
        <source>1-12</source>
        <translation>1-12</translation>
    </message>
    <message>
        <source>13-24</source>
        <translation>13-24</translation>
    </message>
    <message>
        <source>25-36</source>
        <translation>25-36</translation>
    </message>
    <message>
        <source>1-BLK</source>
        <translation>1-BLK</translation>
    </message>
    <message>
        <source>1-EVEN</source>
        <translation>1-EVEN</translation>
    </message>
    <message>
        <source>1-ODD</source>
        <translation>1-ODD</translation>
    </message>
    <message>
        <source>2-BLK</source>
        <translation>2-BLK</translation>
    </message>
    <message>
        <source>2-EVEN</source>
        <translation>2-EVEN</translation>
    </message>
    <message>
        <source>2-ODD</source>
        <translation>2-ODD</translation>
    </message>
    <message>
        <source>3-BLK</source>
        <translation>3-BLK</translation>
    </message>
    <message>
        <source>3-EVEN</source>
        <translation>3-EVEN</translation>
    </message>
    <message>
        <source>3-ODD</source>
        <translation>3-ODD</translation>
    </message>
    <message>
        <source>10-19</source>
        <translation>10-19</translation>
    </message>
    <message>
        <source>20-29</source>
        <translation>20-29</translation>
    </message>
    <message>
        <source>30-36</source>
        <translation>30-36</translation>
    </message>
    <message>
        <source>ZONE 1</source>
        <translation>ZONE 1</translation>
    </message>
    <message>
        <source>ZONE 2</source>
        <translation>ZONE 2</translation>
    </message>
    <message>
        <source>ZONE 3</source>
        <translation>ZONE 3</translation>
    </message>
    <message>
        <source>ZONE 4</source>
        <translation>ZONE 4</translation>
    </message>
    <message>
        <source>NEAR BY</source>
        <translation>NEAR BY</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>CROSS</translation>
    </message>
    <message>
        <source>CROSS 0</source>
        <translation>CROSS 0</translation>
    </message>
</context>
<context>
    <name>XBetCaption</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Odd</translation>
    </message>
    <message>
        <source>1st dozen (1–12)</source>
        <translation>1st dozen (1–12)</translation>
    </message>
    <message>
        <source>2nd dozen (13–24)</source>
        <translation>2nd dozen (13–24)</translation>
    </message>
    <message>
        <source>3rd dozen (25–36)</source>
        <translation>3rd dozen (25–36)</translation>
    </message>
    <message>
        <source>Top row</source>
        <translation>Top row</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Middle row</translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation>Bottom row</translation>
    </message>
    <message>
        <source>Next to the top row</source>
        <translation>Next to the top row</translation>
    </message>
    <message>
        <source>Next to the middle row</source>
        <translation>Next to the middle row</translation>
    </message>
    <message>
        <source>Next to the bottom row</source>
        <translation>Next to the bottom row</translation>
    </message>
    <message>
        <source>10 to 19</source>
        <translation>10 to 19</translation>
    </message>
    <message>
        <source>20 to 29</source>
        <translation>20 to 29</translation>
    </message>
    <message>
        <source>28 to 36</source>
        <translation>28 to 36</translation>
    </message>
    <message>
        <source>Zone cross</source>
        <translation>Zone cross</translation>
    </message>
    <message>
        <source>Zone cross 0 and 5</source>
        <translation>Zone cross 0 and 5</translation>
    </message>
    <message>
        <source>Zone cross, down</source>
        <translation>Zone cross, down</translation>
    </message>
    <message>
        <source>Zone cross, up</source>
        <translation>Zone cross, up</translation>
    </message>
    <message>
        <source>Zone cross, left</source>
        <translation>Zone cross, left</translation>
    </message>
    <message>
        <source>Zone cross, right</source>
        <translation>Zone cross, right</translation>
    </message>
    <message>
        <source>Special 10·23·8</source>
        <translation>Special 10·23·8</translation>
    </message>
    <message>
        <source>Special 15·19·35</source>
        <translation>Special 15·19·35</translation>
    </message>
    <message>
        <source>Special 22·11·33</source>
        <translation>Special 22·11·33</translation>
    </message>
    <message>
        <source>Special 28·7·29</source>
        <translation>Special 28·7·29</translation>
    </message>
    <message>
        <source>Special 2·21·4</source>
        <translation>Special 2·21·4</translation>
    </message>
    <message>
        <source>Round 1·5·9</source>
        <translation>Round 1·5·9</translation>
    </message>
    <message>
        <source>Round 13·18</source>
        <translation>Round 13·18</translation>
    </message>
    <message>
        <source>Round 20·22</source>
        <translation>Round 20·22</translation>
    </message>
    <message>
        <source>Round 26·28</source>
        <translation>Round 26·28</translation>
    </message>
    <message>
        <source>Round 2·4·7</source>
        <translation>Round 2·4·7</translation>
    </message>
    <message>
        <source>Round 15·17</source>
        <translation>Round 15·17</translation>
    </message>
    <message>
        <source>Round 30·36</source>
        <translation>Round 30·36</translation>
    </message>
    <message>
        <source>%1, %2 and %3</source>
        <translation>%1, %2 and %3</translation>
    </message>
    <message>
        <source>%1 numbers %2 places after %3 on the wheel</source>
        <translation>%1 numbers %2 places after %3 on the wheel</translation>
    </message>
    <message>
        <source>%1 numbers %2 places before %3 on the wheel</source>
        <translation>%1 numbers %2 places before %3 on the wheel</translation>
    </message>
    <message>
        <source>top</source>
        <translation>top</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>middle</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>%1 in %2 dozen</source>
        <translation>%1 in %2 dozen</translation>
    </message>
    <message>
        <source>%1 of %2 row, with neighbours</source>
        <translation>%1 of %2 row, with neighbours</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>even</source>
        <translation>even</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>odd</translation>
    </message>
    <message>
        <source>Wheel&apos;s %1 half, %2</source>
        <translation>Wheel&apos;s %1 half, %2</translation>
    </message>
    <message>
        <source>Diagonal %1–%2 %3, %4</source>
        <translation>Diagonal %1–%2 %3, %4</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Alternative %1</source>
        <translation>Alternative %1</translation>
    </message>
    <message>
        <source>%1 and its wheel neighbours</source>
        <translation>%1 and its wheel neighbours</translation>
    </message>
    <message>
        <source>Wheel distances %1 from %2, both sides</source>
        <translation>Wheel distances %1 from %2, both sides</translation>
    </message>
    <message>
        <source>Wheel distance %1 from %2, both sides</source>
        <translation>Wheel distance %1 from %2, both sides</translation>
    </message>
    <message>
        <source>Sector %1 around %2: %2, 0 and wheel distances %3</source>
        <translation>Sector %1 around %2: %2, 0 and wheel distances %3</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>The number and its two wheel neighbours</source>
        <translation>The number and its two wheel neighbours</translation>
    </message>
    <message>
        <source>Sector %1: the number, 0 and every number at wheel distance %2</source>
        <translation>Sector %1: the number, 0 and every number at wheel distance %2</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>the number</translation>
    </message>
    <message>
        <source>The 6 numbers at wheel distances %1 (A = 1 … R = 18), both sides of the number</source>
        <translation>The 6 numbers at wheel distances %1 (A = 1 … R = 18), both sides of the number</translation>
    </message>
    <message>
        <source>The 2 numbers at wheel distance %1, one each side of the number</source>
        <translation>The 2 numbers at wheel distance %1, one each side of the number</translation>
    </message>
</context>
<context>
    <name>XBetList</name>
    <message>
        <source>SUM = %1</source>
        <translation>SUM = %1</translation>
    </message>
    <message>
        <source>Total:%1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>XConfirmEmailViewController</name>
    <message>
        <source>Forgot your password?</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>We will mail a verification code to your address.</source>
        <translation>We will mail a verification code to your address.</translation>
    </message>
    <message>
        <source>Send the code</source>
        <translation>Send the code</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Confirm Email Failed!</source>
        <translation>Code not sent</translation>
    </message>
    <message>
        <source>You must complete Your E-Mail fields.</source>
        <translation>Type your e-mail address.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Confirm Email Success</source>
        <translation>Code sent</translation>
    </message>
    <message>
        <source>We&apos;ve sent a verification code to your Email. Please check and reset password!</source>
        <translation>We have sent a verification code to your e-mail. Type it on the next screen, with a new password.</translation>
    </message>
    <message>
        <source>Incorrect your E-mail.</source>
        <translation>No code could be sent to this e-mail address. Check the address and try again.</translation>
    </message>
</context>
<context>
    <name>XGridColors</name>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
</context>
<context>
    <name>XGridManagerView</name>
    <message>
        <source>Numbers</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Bet</translation>
    </message>
    <message>
        <source>How many times each number will be clicked</source>
        <translation>How many times each number will be clicked</translation>
    </message>
    <message>
        <source>BET (space)</source>
        <translation>BET (Space)</translation>
    </message>
    <message>
        <source>Click the whole bet on the table (Space)</source>
        <translation>Click the whole bet on the table (Space)</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Click every number that is not in the bet, once</source>
        <translation>Click every number that is not in the bet, once</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Take back the last button press</source>
        <translation>Take back the last button press</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Empty the bet</source>
        <translation>Empty the bet</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Adds 1, 2 ×3, 13, 24 ×4, 25 and 6</source>
        <translation>Adds 1, 2 ×3, 13, 24 ×4, 25 and 6</translation>
    </message>
    <message>
        <source>Direct mode</source>
        <translation>Direct mode</translation>
    </message>
    <message>
        <source>Click each button press on the table at once</source>
        <translation>Click each button press on the table at once</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Move the mouse slightly while each click is held</source>
        <translation>Move the mouse slightly while each click is held</translation>
    </message>
    <message>
        <source>Lock grid</source>
        <translation>Lock grid</translation>
    </message>
    <message>
        <source>Locked: clicks pass through the grid to the table. Unlocked: fit the grid with the mouse</source>
        <translation>Locked: clicks pass through the grid to the table. Unlocked: fit the grid with the mouse</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause after each click, in milliseconds: 1 to 86400000 (a day)</source>
        <translation>Pause after each click, in milliseconds: 1 to 86400000 (a day)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Bets</translation>
    </message>
    <message>
        <source>Saved bets</source>
        <translation>Saved bets</translation>
    </message>
    <message>
        <source>Save bet</source>
        <translation>Save bet</translation>
    </message>
    <message>
        <source>Keep the current bet in the table below, with a note</source>
        <translation>Keep the current bet in the table below, with a note</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Right-click a saved bet to add it to the bet or delete it; double-click its name or its note to edit it</source>
        <translation>Right-click a saved bet to add it to the bet or delete it; double-click its name or its note to edit it</translation>
    </message>
</context>
<context>
    <name>XGridManagerViewController</name>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation>Delete %1 (%2)?</translation>
    </message>
    <message>
        <source>The saved bet is removed from the table. This cannot be undone.</source>
        <translation>The saved bet is removed from the table. This cannot be undone.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>BET (space)</source>
        <translation>BET (Space)</translation>
    </message>
    <message>
        <source>鼠标进入&quot;按钮%1&quot;区域</source>
        <translation>Pointer on button &quot;%1&quot;</translation>
    </message>
    <message>
        <source>鼠标离开&quot;按钮%1&quot;区域</source>
        <translation>Pointer left button &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No Data in Grid</source>
        <translation>The bet is empty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>按钮存在以下数据:
</source>
        <translation>This saved bet clicks:
</translation>
    </message>
    <message>
        <source>(index:%1,clickCount:%2)  </source>
        <translation>(cell %1: %2 clicks)  </translation>
    </message>
    <message>
        <source>

Append adds these clicks to the bet; Delete removes the saved bet.</source>
        <translation>

Append adds these clicks to the bet; Delete removes the saved bet.</translation>
    </message>
    <message>
        <source>请选择操作</source>
        <translation>What should happen to this saved bet?</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No Data in Grid</source>
        <comment>what to do</comment>
        <translation>Press number or bet buttons to make a bet, then save it.</translation>
    </message>
    <message>
        <source>Bet %1</source>
        <translation>Bet %1</translation>
    </message>
</context>
<context>
    <name>XGridWindowController</name>
    <message>
        <source>Tableclick grid</source>
        <translation>Tableclick grid</translation>
    </message>
    <message>
        <source>Drag to move this panel</source>
        <translation>Drag to move this panel</translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation>Line colour</translation>
    </message>
    <message>
        <source>Colour of the grid lines</source>
        <translation>Colour of the grid lines</translation>
    </message>
    <message>
        <source>Reset grid</source>
        <translation>Reset grid</translation>
    </message>
    <message>
        <source>Put the grid back to its first place and size, without gaps</source>
        <translation>Put the grid back to its first place and size, without gaps</translation>
    </message>
    <message>
        <source>Saved layouts</source>
        <translation>Saved layouts</translation>
    </message>
    <message>
        <source>Select a layout to put the window and grid where it was saved</source>
        <translation>Select a layout to put the window and grid where it was saved</translation>
    </message>
    <message>
        <source>Save the current window and grid as a layout</source>
        <translation>Save the current window and grid as a layout</translation>
    </message>
    <message>
        <source>Remove the selected layouts</source>
        <translation>Remove the selected layouts</translation>
    </message>
    <message>
        <source>Drag to resize the grid&apos;s window</source>
        <translation>Drag to resize the grid&apos;s window</translation>
    </message>
    <message>
        <source>Drag to move the grid&apos;s window</source>
        <translation>Drag to move the grid&apos;s window</translation>
    </message>
    <message>
        <source>Find table</source>
        <translation>Find table</translation>
    </message>
    <message>
        <source>Look at the screen under the grid and lay the grid on the table there</source>
        <translation>Look at the screen under the grid and lay the grid on the table there</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Put the grid back where it was before Find table</source>
        <translation>Put the grid back where it was before Find table</translation>
    </message>
    <message>
        <source>Layout %1</source>
        <translation>Layout %1</translation>
    </message>
</context>
<context>
    <name>XHotKeyField</name>
    <message>
        <source>Click, then press the keys</source>
        <translation>Click, then press the keys</translation>
    </message>
    <message>
        <source>Click here and press a combination with Ctrl, Alt or Super (Shift may be added); pressing it later anywhere copies the pointer&apos;s position into X and Y</source>
        <translation>Click here and press a combination with Ctrl, Alt or Meta (the Super key; Shift may be added); pressing it later anywhere copies the pointer&apos;s position into X and Y</translation>
    </message>
    <message>
        <source>No hot key</source>
        <translation>No hot key</translation>
    </message>
    <message>
        <source>Not used: a hot key needs Ctrl, Alt or Super. </source>
        <translation>Not used: a hot key needs Ctrl, Alt or Meta (the Super key). </translation>
    </message>
    <message>
        <source>unknown Error</source>
        <translation>This hot key cannot be used</translation>
    </message>
    <message>
        <source>Another program holds this key combination, or the keyboard has no such key. Choose another combination.</source>
        <translation>Another program holds this key combination, or the keyboard has no such key. Choose another combination.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>XMainWindowViewController</name>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>How to fit the grid and place bets</source>
        <translation>How to fit the grid and place bets</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Find Table</source>
        <translation>Find Table</translation>
    </message>
    <message>
        <source>Find table (Ctrl+F): lay the grid on the table on the screen</source>
        <translation>Find table (Ctrl+F): lay the grid on the table on the screen</translation>
    </message>
    <message>
        <source>Allow clicks on Wayland</source>
        <translation>Allow clicks on Wayland</translation>
    </message>
    <message>
        <source>Let the desktop ask now whether Tableclick may control the mouse (once per login), rather than at the first bet</source>
        <translation>Let the desktop ask now whether Tableclick may control the mouse (once per login), rather than at the first bet</translation>
    </message>
</context>
<context>
    <name>XPauseField</name>
    <message>
        <source>Not a pause: type milliseconds from 1 to 86400000 (a day), digits only. The pause in use stays %1 ms.</source>
        <translation>Not a pause: type milliseconds from 1 to 86400000 (a day), digits only. The pause in use stays %1 ms.</translation>
    </message>
</context>
<context>
    <name>XPlaybackQueue</name>
    <message>
        <source>click %1</source>
        <translation>click %1</translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation>cell %1</translation>
    </message>
    <message>
        <source>action %1</source>
        <translation>action %1</translation>
    </message>
</context>
<context>
    <name>XResetPasswordViewController</name>
    <message>
        <source>New password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Type the code from the mail and a new password.</source>
        <translation>Type the code from the mail and a new password.</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>At least 8 characters, at least one of them a digit</translation>
    </message>
    <message>
        <source>Set the password</source>
        <translation>Set the password</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Verification Code</source>
        <translation>Verification code</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Reset Password Failed!</source>
        <translation>Password not set</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Reset Password Success</source>
        <translation>Password set</translation>
    </message>
    <message>
        <source>New Password has updated successful!</source>
        <translation>Your new password is set. Sign in with it.</translation>
    </message>
    <message>
        <source>Incorrect verification Code or Email.</source>
        <translation>The verification code or the e-mail address is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>The password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
</context>
<context>
    <name>XRunStatusView</name>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop clicking now (Escape, or move the mouse, does the same)</source>
        <translation>Stop clicking now (Escape, or move the mouse, does the same)</translation>
    </message>
    <message>
        <source>Stopped with Stop after %1</source>
        <translation>Stopped with Stop after %1</translation>
    </message>
    <message>
        <source>Escape is taken by another program: stop with Stop or by moving the mouse</source>
        <translation>Escape is taken by another program: stop with Stop or by moving the mouse</translation>
    </message>
    <message>
        <source>Clicking %1 of %2</source>
        <translation>Clicking %1 of %2</translation>
    </message>
    <message>
        <source>1 run waiting</source>
        <translation>1 run waiting</translation>
    </message>
    <message>
        <source>%1 runs waiting</source>
        <translation>%1 runs waiting</translation>
    </message>
    <message>
        <source>%1 of %2 clicks</source>
        <translation>%1 of %2 clicks</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Done: %1</translation>
    </message>
    <message>
        <source>Stopped with Escape after %1</source>
        <translation>Stopped with Escape after %1</translation>
    </message>
    <message>
        <source>Stopped: the mouse moved, after %1</source>
        <translation>Stopped: the mouse moved, after %1</translation>
    </message>
    <message>
        <source>Stopped: you clicked or scrolled, after %1</source>
        <translation>Stopped: you clicked or scrolled, after %1</translation>
    </message>
    <message>
        <source>Stopped: the table did not take %1 (its button release never arrived); check the table, then try again with a longer Pause</source>
        <translation>Stopped: the table did not take %1 (its button release never arrived); check the table, then try again with a longer Pause</translation>
    </message>
    <message>
        <source>Nothing clicked: %1 is not on any screen (a damaged or outdated point); fix it, then try again</source>
        <translation>Nothing clicked: %1 is not on any screen (a damaged or outdated point); fix it, then try again</translation>
    </message>
    <message>
        <source>Stopped before %1: it would click Tableclick&apos;s own window; move the window or the point, after %2</source>
        <translation>Stopped before %1: it would click Tableclick&apos;s own window. Move the window or the point, then try again (done: %2)</translation>
    </message>
    <message>
        <source>Stopped: the display went away, after %1</source>
        <translation>Stopped: the display went away, after %1</translation>
    </message>
    <message>
        <source>The desktop asks whether Tableclick may control the mouse: switch on &quot;Allow remote interaction&quot; and press Share. It asks once per login</source>
        <translation>The desktop asks whether Tableclick may control the mouse: switch on &quot;Allow remote interaction&quot; and press Share. It asks once per login</translation>
    </message>
    <message>
        <source>This Wayland desktop offers no remote control: Tableclick can click only X11/XWayland windows here, not native Wayland ones</source>
        <translation>This Wayland desktop offers no remote control: Tableclick can click only X11/XWayland windows here, not native Wayland ones</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop did not allow Tableclick to control the mouse. Try again and allow remote interaction</source>
        <translation>Nothing clicked: the desktop did not allow Tableclick to control the mouse. Try again and allow remote interaction</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop&apos;s question whether Tableclick may control the mouse was not answered in time. Try again to be asked again</source>
        <translation>Nothing clicked: the desktop&apos;s question whether Tableclick may control the mouse was not answered in time. Try again to be asked again</translation>
    </message>
    <message>
        <source>Nothing clicked: the desktop could not start its remote control; clicks reach only X11/XWayland windows until it can</source>
        <translation>Nothing clicked: the desktop could not start its remote control; clicks reach only X11/XWayland windows until it can</translation>
    </message>
    <message>
        <source>Stopped: the desktop ended its remote control, after %1; the next run asks again</source>
        <translation>Stopped: the desktop ended its remote control, after %1; the next run asks again</translation>
    </message>
    <message>
        <source>Stopped: the point is on a monitor the desktop did not share, after %1</source>
        <translation>Stopped: the point is on a monitor the desktop did not share, after %1</translation>
    </message>
    <message>
        <source>Stop clicking now (Escape does the same while an X11 window has the keyboard)</source>
        <translation>Stop clicking now (Escape does the same while an X11 window has the keyboard)</translation>
    </message>
    <message>
        <source>Tableclick may click native Wayland windows until you log out</source>
        <translation>Tableclick may click native Wayland windows until you log out</translation>
    </message>
    <message>
        <source>Asking the desktop to let Tableclick click</source>
        <translation>Asking the desktop to let Tableclick click</translation>
    </message>
</context>
<context>
    <name>XServiceText</name>
    <message>
        <source>A password needs at least 8 characters and at least 1 digit.</source>
        <translation>A password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
    <message>
        <source>Account created. A confirmation link is on its way to your e-mail.</source>
        <translation>Account created. A confirmation link is on its way to your e-mail.</translation>
    </message>
    <message>
        <source>This user name is taken.</source>
        <translation>This user name is taken. Choose another one.</translation>
    </message>
    <message>
        <source>Too many failed sign-ins for this account. Please try again in %1 s.</source>
        <translation>Too many failed sign-ins for this account. Try again in %1 seconds.</translation>
    </message>
    <message>
        <source>Too many failed sign-ins. Please try again later.</source>
        <translation>Too many failed sign-ins. Try again later.</translation>
    </message>
    <message>
        <source>Incorrect e-mail or password.</source>
        <translation>The e-mail address or the password is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>The account&apos;s e-mail address is not confirmed yet.</source>
        <translation>The account&apos;s e-mail address is not confirmed yet. Open the link in the confirmation mail, then sign in.</translation>
    </message>
    <message>
        <source>Signed in.</source>
        <translation>Signed in.</translation>
    </message>
    <message>
        <source>If an account uses this address, a verification code is on its way.</source>
        <translation>If an account uses this address, a verification code is on its way to it.</translation>
    </message>
    <message>
        <source>Incorrect verification code or e-mail.</source>
        <translation>The verification code or the e-mail address is wrong. Check both and try again.</translation>
    </message>
    <message>
        <source>The new password is set.</source>
        <translation>Your new password is set. Sign in with it.</translation>
    </message>
    <message>
        <source>Malformed request.</source>
        <translation>The service could not read the request. Try again.</translation>
    </message>
    <message>
        <source>Server error. Please try again later.</source>
        <translation>The service had an error. Try again later.</translation>
    </message>
    <message>
        <source>A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8.</source>
        <translation>A field holds bytes that are not UTF-8 text; passwords and names must be valid UTF-8.</translation>
    </message>
    <message>
        <source>Request too large.</source>
        <translation>The request is too large.</translation>
    </message>
    <message>
        <source>Request not completed in time.</source>
        <translation>The request did not arrive in time. Try again.</translation>
    </message>
    <message>
        <source>Too many requests. Please slow down.</source>
        <translation>Too many requests. Wait a moment, then try again.</translation>
    </message>
    <message>
        <source>Only GET is served here.</source>
        <translation>The service only answers GET requests here.</translation>
    </message>
    <message>
        <source>Nothing is served at this path.</source>
        <translation>The service has nothing at this address.</translation>
    </message>
    <message>
        <source>The service is busy. Please try again.</source>
        <translation>The service is busy. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>XSigninViewController</name>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Sign in to your Tableclick account.</source>
        <translation>Sign in to your Tableclick account.</translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation>Forgot your password?</translation>
    </message>
    <message>
        <source>No account yet? Sign up</source>
        <translation>No account yet? Sign up</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Login Failed!</source>
        <translation>Sign-in failed</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Incorrect username or password.
*If confirmation E-mail hasn&apos;t confirmed, it&apos;ll create an Error Log-in Message.</source>
        <translation>The e-mail address or the password is wrong.
If you have just signed up, open the link in the confirmation mail first, then sign in.</translation>
    </message>
</context>
<context>
    <name>XSignupViewController</name>
    <message>
        <source>Sign up</source>
        <translation>Sign up</translation>
    </message>
    <message>
        <source>Create a Tableclick account.</source>
        <translation>Create a Tableclick account.</translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation>At least 8 characters, at least one of them a digit</translation>
    </message>
    <message>
        <source>I agree to the terms of use</source>
        <translation>I agree to the terms of use</translation>
    </message>
    <message>
        <source>Read the terms of use</source>
        <translation>Read the terms of use</translation>
    </message>
    <message>
        <source>Back to sign in</source>
        <translation>Back to sign in</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Confirm Password</source>
        <translation>Password again</translation>
    </message>
    <message>
        <source>Register Failed!</source>
        <translation>Sign-up failed</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must complete all fields.</source>
        <translation>Fill in all fields.</translation>
    </message>
    <message>
        <source>Your entered passwords does not match.</source>
        <translation>The two passwords differ. Type the same password twice.</translation>
    </message>
    <message>
        <source>Please check term and condition.</source>
        <translation>Tick “I agree to the terms of use”, then sign up.</translation>
    </message>
    <message>
        <source>Register Success</source>
        <translation>Account created</translation>
    </message>
    <message>
        <source>You have successfully registered a new account. We&apos;ve sent you a Email. Please click on the confirmation link to verify your account!</source>
        <translation>Your account is created. We have sent you an e-mail: open the confirmation link in it, then sign in.</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>The account could not be created. Try again later.</translation>
    </message>
    <message>
        <source>Username is already exist. Please retry again with another Username.</source>
        <translation>This user name is taken. Choose another one.</translation>
    </message>
    <message>
        <source>Email is already exist. Please retry again with another Email.</source>
        <translation>This e-mail address already has an account. Sign in, or use another address.</translation>
    </message>
    <message>
        <source>At least 1 number and minimum 8 letters !</source>
        <translation>The password needs at least 8 characters, at least one of them a digit.</translation>
    </message>
</context>
<context>
    <name>XStoreWriteResult</name>
    <message>
        <source>the path is a folder, not a file</source>
        <translation>the path is a folder, not a file</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>the file could not be written</translation>
    </message>
</context>
<context>
    <name>XTableFinder</name>
    <message>
        <source>The picture of the screen is empty.</source>
        <translation>The picture of the screen is empty.</translation>
    </message>
    <message>
        <source>The table seems to be cut off by the edge of the screen.</source>
        <translation>The table seems to be cut off by the edge of the screen.</translation>
    </message>
    <message>
        <source>Twelve columns of three cells were found, but no zero cell at their left.</source>
        <translation>Twelve columns of three cells were found, but no zero cell at their left.</translation>
    </message>
    <message>
        <source>Part of a table was found, but some of its cells are covered or missing.</source>
        <translation>Part of a table was found, but some of its cells are covered or missing.</translation>
    </message>
    <message>
        <source>No roulette table was found: no zero cell with twelve columns of three numbers at its right.</source>
        <translation>No roulette table was found: no zero cell with twelve columns of three numbers at its right.</translation>
    </message>
</context>
<context>
    <name>XTableFinding</name>
    <message>
        <source>Looking for the table…</source>
        <translation>Looking for the table…</translation>
    </message>
    <message>
        <source>The screen cannot be read, so the table cannot be found. Fit the grid by hand.</source>
        <translation>The screen cannot be read, so the table cannot be found. Fit the grid by hand.</translation>
    </message>
    <message>
        <source>No table was found.</source>
        <translation>No table was found.</translation>
    </message>
    <message>
        <source>%1 Make the whole table visible, then try again.</source>
        <translation>%1 Make the whole table visible, then try again.</translation>
    </message>
    <message>
        <source>The grid is on the table. Check it, then lock the grid to keep it, or press Undo.</source>
        <translation>The grid is on the table. Check it, then lock the grid to keep it, or press Undo.</translation>
    </message>
    <message>
        <source>The grid is back where it was.</source>
        <translation>The grid is back where it was.</translation>
    </message>
</context>
<context>
    <name>XUserDefinedButton</name>
    <message>
        <source>Undo replace</source>
        <translation>Undo replace</translation>
    </message>
</context>
<context>
    <name>XVirtualButtonGridView</name>
    <message>
        <source>Add one click on %1</source>
        <translation>Add one click on %1</translation>
    </message>
</context>
</TS>
