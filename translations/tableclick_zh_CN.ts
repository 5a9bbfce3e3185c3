<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>XAddMouseActionView</name>
    <message>
        <source>Mouse actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to click: x on the screen, from its left edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to click: y on the screen, from its top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which mouse button clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this click to the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts down 3 seconds for you to point at the place, then adds a click there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer hot key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clicks Execute makes, top to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected click up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected click down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the whole list, in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows what the six list buttons hold. A list button keeps a copy of the table when empty, and offers to replace or show its list otherwise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XAddMouseActionViewController</name>
    <message>
        <source>X must be a number on a screen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y must be a number on a screen: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: press to keep a copy of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click, Undo replace: back to the list held before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point… %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add pointer in 3 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XAutoSaver</name>
    <message>
        <source>Tableclick cannot save your settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

What you set up is kept while Tableclick runs and saved again after your next change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XBetButtonsView</name>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours, parities, dozens, rows and zones of the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sectors around each number and runs after and before it on the wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The numbers at given wheel distances from each number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row exclusions, wheel halves, diagonals, zone crosses, alternatives, specials and rounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row exclusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel halves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone crosses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternatives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XConfirmEmailViewController</name>
    <message>
        <source>Forgot your password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We will mail a verification code to your address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XGridManagerView</name>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times each number will be clicked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BET (space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the whole bet on the table (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click every number that is not in the bet, once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last button press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds 1, 2 ×3, 13, 24 ×4, 25 and 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click each button press on the table at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the mouse slightly while each click is held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked: clicks pass through the grid to the table. Unlocked: fit the grid with the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause after each click, in milliseconds: 1 to 86400000 (a day)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the current bet in the table below, with a note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click a saved bet, or double-click its record, to add it to the bet or delete it; double-click a note to edit it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XGridManagerViewController</name>
    <message>
        <source>Delete %1 (%2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved bet is removed from the table. This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XGridWindowController</name>
    <message>
        <source>Tableclick grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move this panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the grid lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the grid back to its first place and size, without gaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a layout to put the window and grid where it was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current window and grid as a layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected layouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to resize the grid&apos;s window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to move the grid&apos;s window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at the screen under the grid and lay the grid on the table there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the grid back where it was before Find table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XHotKeyField</name>
    <message>
        <source>Click, then press the keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here and press a combination with Ctrl, Alt or Super (Shift may be added); pressing it later anywhere copies the pointer&apos;s position into X and Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hot key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not used: a hot key needs Ctrl, Alt or Super. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XMainWindowViewController</name>
    <message>
        <source>Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to fit the grid and place bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find table (Ctrl+F): lay the grid on the table on the screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPauseField</name>
    <message>
        <source>Not a pause: type milliseconds from 1 to 86400000 (a day), digits only. The pause in use stays %1 ms.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XPlaybackQueue</name>
    <message>
        <source>click %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cell %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>action %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XResetPasswordViewController</name>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the code from the mail and a new password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XRunStatusView</name>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop clicking now (Escape, or move the mouse, does the same)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped with Stop after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape is taken by another program: stop with Stop or by moving the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clicking %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 run waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 runs waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped with Escape after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the mouse moved, after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: you clicked or scrolled, after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the table did not take %1 (its button release never arrived); check the table, then try again with a longer Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing clicked: %1 is not on any screen (a damaged or outdated point); fix it, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before %1: it would click Tableclick&apos;s own window; move the window or the point, after %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the display went away, after %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XSigninViewController</name>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in to your Tableclick account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot your password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No account yet? Sign up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XSignupViewController</name>
    <message>
        <source>Sign up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a Tableclick account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least 8 characters, at least one of them a digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I agree to the terms of use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the terms of use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to sign in</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XTableFinder</name>
    <message>
        <source>The picture of the screen is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table seems to be cut off by the edge of the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelve columns of three cells were found, but no zero cell at their left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a table was found, but some of its cells are covered or missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No roulette table was found: no zero cell with twelve columns of three numbers at its right.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XTableFinding</name>
    <message>
        <source>Looking for the table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screen cannot be read, so the table cannot be found. Fit the grid by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No table was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Make the whole table visible, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid is on the table. Check it, then lock the grid to keep it, or press Undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid is back where it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XUserDefinedButton</name>
    <message>
        <source>Undo replace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XVirtualButtonGridView</name>
    <message>
        <source>Add one click on %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
