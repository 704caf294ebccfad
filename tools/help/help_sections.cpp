#include "tools/help/help_sections.h"

namespace dakto::help {

const std::string_view kWelcomeHtml = R"HTML(
<p class="lead">Welcome to Dakto, three dice games played in the rooms of an apprentice,
a mage and a wizard. Play against a friend at the same table, or against the
computer.</p>
<p>On the front screen, click a picture to start a game: the box of numbered lids
for <a href="#shut-the-box">Shut The Box</a>, the window of twelve panes for
<a href="#ten-thousand">10,000</a>, or the crystal ball for
<a href="#poker-dice">Poker Dice</a>. The front screen also opens this help,
the <a href="#top-scores">top scores</a> and the About box, and shows a tip;
click the spot at the lower right of the tip to read the next one.</p>
)HTML";

const std::string_view kShutTheBoxHtml = R"HTML(
<p>Nine boxes, numbered 1 to 9, stand open. Throw the dice and close boxes whose
numbers add up to the throw. When you cannot close any more, your turn ends, and
the boxes still open count against you. <strong>The lowest score wins.</strong></p>

<h3>Your turn</h3>
<ol>
<li>Click the dice cup, or press the <kbd>space bar</kbd>, to throw the dice.</li>
<li>Close boxes by clicking them, or by pressing their numbers <kbd>1</kbd> to
<kbd>9</kbd>. You may close one, two, three or four boxes with each throw, and
their numbers must add up to the number of pips on the dice. A throw of 8 can
close the 8, or the 5 and the 3, or the 4, 3 and 1, and so on. A box that cannot
lead to an exact total stays open: the game will not let you go wrong.</li>
<li>When the boxes you closed match the throw, the dice go back into the cup.
Throw again.</li>
<li>When no open boxes can make the number thrown, click the cup (or press the
space bar) to end your turn. Your turn score is the sum of the boxes still open.
Close all nine and you score nothing at all &mdash; a perfect turn.</li>
</ol>

<h3>One die</h3>
<p>Once the 7, 8 and 9 are all closed, you may throw a single die: while the dice
are in the cup, click the one-die control in the row of controls under the board.
You keep the single die until the end of your turn.</p>

<h3>Undo</h3>
<p>Changed your mind? Click a box you closed with the current throw (or press its
number) and it opens again. Boxes closed with earlier throws stay closed.</p>

<h3>Rounds and the end of the game</h3>
<p>The first player plays a turn, then the second: that is a round. After each
round the turn scores are added to the totals on the score board. When a total
reaches 100 or more at the end of a round, the game is over and the player with
the <em>lower</em> total wins. The winning margin goes into the top scores (a win
by the computer is not recorded). Click the cup to start the next game.</p>

<h3>Your opponent</h3>
<p>Play against the computer or against a second player: click either name on the
score board to choose (see <a href="#players">Players and names</a>). The computer
always closes as few boxes as it can, the highest first.</p>

<h3>The Gremlin</h3>
<p>If you desire mischief, click the <strong>!</strong> control to let the Gremlin
out (click it again to send him home; either way a new game starts). Now and then,
when a throw has been completed, the Gremlin appears in his fire, his eyes roam
over the boxes, he laughs &mdash; and he flips one box: an open box slams shut, or
a closed one creaks open. His mischief may cost you dearly or help you out. He
plays the same tricks on the computer.</p>
)HTML";

const std::string_view kTenThousandHtml = R"HTML(
<p>Roll six dice, set aside the ones that score, and decide: roll the rest for
more, or bank what you have before luck turns. Race to 10,000 points: once a total
has reached 10,000 and both players have had the same number of turns, the game is
over and the higher total wins.</p>

<h3>Scoring</h3>
<p>The twelve panes of the window show what scores. After a roll, click a pane to
set aside the dice of that combination and add its points to your turn score. A
pane whose combination is not on the table just flickers.</p>
<table>
<tr><th>Pane</th><th>Dice</th><th>Points</th></tr>
<tr><td>Straight</td><td>1, 2, 3, 4, 5 and 6 in one roll of six dice</td><td>3,000</td></tr>
<tr><td>3 Pairs</td><td>three pairs in one roll of six dice (four of a kind and a pair count too)</td><td>1,500</td></tr>
<tr><td>111</td><td>three 1s</td><td>1,000</td></tr>
<tr><td>666</td><td>three 6s</td><td>600</td></tr>
<tr><td>555</td><td>three 5s</td><td>500</td></tr>
<tr><td>444</td><td>three 4s</td><td>400</td></tr>
<tr><td>333</td><td>three 3s</td><td>300</td></tr>
<tr><td>222</td><td>three 2s</td><td>200</td></tr>
<tr><td>1</td><td>a single 1 (one die per click)</td><td>100</td></tr>
<tr><td>5</td><td>a single 5 (one die per click)</td><td>50</td></tr>
</table>
<p>Nothing else scores. Four or five of a kind score as three of a kind and
singles; six 1s are two triples, 2,000.</p>

<h3>Your turn</h3>
<ol>
<li>Click the <strong>Roll</strong> pane, or press the <kbd>space bar</kbd>, to
roll.</li>
<li>Set aside at least one scoring combination. You must do so after every roll
before you may roll again.</li>
<li>Roll the remaining dice for more points, or click the <strong>Pass</strong>
pane (or press <kbd>P</kbd>) to bank your turn score. There is no minimum.</li>
</ol>
<p>If a roll shows nothing that scores, you have lost your turn score: click
Pass to hand over the dice. Your total is safe.</p>
<p>If you have scored with all six dice, no matter how many rolls you needed, you
may roll all six again, as often as it happens. After a straight or three pairs
you <em>must</em> roll again before you may pass.</p>

<h3>The last die</h3>
<p>With one die left, you have two chances: roll it, and if it shows neither a 1
nor a 5, you may roll it once more. Score with a die rolled on its own and bonus
points are added to your turn score: 500 the first time in a turn, 1,000 the
next, and so on.</p>

<h3>Disaster!</h3>
<p>Beware of rolling four 2s (or more) at once: it is a disaster, and you lose all
your points, the turn score <em>and</em> your total. Twos set aside earlier in the
turn do not count.</p>

<h3>Undo</h3>
<p>Right-click a pane to give back the last combination of that pane that you set
aside since your roll; the dice return to the table and the points (with any
last-die bonus) come off. After the next roll the choice is final.</p>

<h3>Messages</h3>
<p>The frosted panel announces who plays first, disasters and the winner. Press a
key or click to go on. At the start and at the end of a game it offers
<strong>"PLAY"</strong>, <strong>"RESET PLAYERS"</strong> (the player options) and
<strong>"QUIT"</strong>. The players take turns to begin the games.</p>

<h3>Opponents and computer levels</h3>
<p>Click a name plate to choose your opponent: a second player, or the computer at
one of three levels. The <strong>Apprentice</strong> keeps every scoring die and
rolls on until its turn is worth 200 points, always rolling again after a straight
or three pairs. The <strong>Mage</strong> and the <strong>Wizard</strong> play a
shrewder game. A win by the computer is not entered in the top
scores; a player who wins enters with his total.</p>
)HTML";

const std::string_view kPokerDiceHtml = R"HTML(
<p>Five dice show the cards ace, king, queen, jack, ten and nine. Roll them to make
the best poker hand, and win the bet from your opponent.</p>

<h3>The hands, best first</h3>
<table>
<tr><th>Hand</th><th>Example</th></tr>
<tr><td>Five of a kind</td><td>K K K K K</td></tr>
<tr><td>Four of a kind</td><td>Q Q Q Q 9</td></tr>
<tr><td>Full house</td><td>J J J 10 10</td></tr>
<tr><td>Straight</td><td>A K Q J 10, or K Q J 10 9</td></tr>
<tr><td>Three of a kind</td><td>10 10 10 A 9</td></tr>
<tr><td>Two pairs</td><td>A A 9 9 J</td></tr>
<tr><td>One pair</td><td>K K A Q 10</td></tr>
<tr><td>Nothing</td><td>A K Q J 9</td></tr>
</table>
<p>Between two hands of the same kind, the higher cards win (aces are high):
first the cards that make the hand, then the others, one by one. Exactly equal
hands tie, and the bet stays where it is.</p>

<h3>A hand</h3>
<ol>
<li>Before the hand, the first player sets the bet on the abacus (below), then
clicks <strong>"PLAY"</strong> or the <strong>ROLL</strong> candle, or presses
the <kbd>space bar</kbd>.</li>
<li>Roll all five dice with the ROLL candle or the space bar.</li>
<li>Touch the dice you want to throw again (one, two or three of them); they
vanish from the table. Then roll again. The flame of the ROLL candle shows how
many rolls you have left: two or three in all, as chosen in the options.</li>
<li>Click the <strong>PASS</strong> candle, or press <kbd>P</kbd>, to keep your
hand. After your last roll your turn ends by itself.</li>
<li>Then your opponent plays. Your dice wait in the row of small dice; the better
hand takes the bet.</li>
</ol>
<p>The player who went second begins the next hand, so the first player
alternates.</p>

<h3>Undo</h3>
<p>Touched the wrong die? Right-click anywhere on the table, or press <kbd>U</kbd>,
and the dice you discarded come back, unrolled.</p>

<h3>Betting on the abacus</h3>
<p>Each rod of the abacus is one figure of the bet: units on the right, millions on
the left. The bead above the beam counts five, each bead below it one. Click a bead
to move it, or click the figure above a rod: its upper half raises it by one, its
lower half lowers it. The bet may be anything from 0 (a friendly game) to
9,999,999, but never more than the coins of a player who could lose it.</p>

<h3>Coins</h3>
<p>Everyone starts with 5,000 gold coins. Your coin tally is saved under your name
and waits for you in later games. A player who loses the last coin is not sent
away: wizardly generosity grants 5,000 new coins. Against the computer, the house
pays your winnings.</p>

<h3>Aces wild</h3>
<p>Click the <strong>A!</strong> control at the beginning of a hand, before anyone
has rolled, to make aces wild (or tame again). A wild ace stands for whatever card
makes the best hand: A A A A K is five kings, A K K Q Q a full house, and a roll
in which no two of the other dice match is a straight.</p>

<h3>The Billionaire Club</h3>
<p>Amass 1,000,000,000 coins and you join the Billionaire Club, to the cheers of
the crowd; your name stays on its roll of honour, and you begin again with 5,000
coins. A member is only admitted once. The club is shown with the Poker Dice top
scores.</p>

<h3>Options and computer levels</h3>
<p>Click a player's name or the options plate, or choose "RESET PLAYERS", to open
the options: your opponent (a second player, or the computer as
<strong>Apprentice</strong>, <strong>Mage</strong> or <strong>Wizard</strong>), the
players' names, two or three rolls, aces wild, and a fresh start with 5,000 coins
each. The Apprentice plays by simple habits &mdash; it keeps pairs and better and
throws the rest again; the Mage and the Wizard are harder to beat. Each change
starts the hand afresh.</p>
<p>The top scores record each player's coins when you leave the table with the
quit control or "QUIT", or open the options after a hand.</p>
)HTML";

const std::string_view kControlsHtml = R"HTML(
<p>Every game has a row or column of small controls beside the board:</p>
<table>
<tr><th>Control</th><th>What it does</th></tr>
<tr><td>Arrow</td><td>leaves the game for the front screen</td></tr>
<tr><td>Plus and minus</td><td>make the dice and animations faster or slower</td></tr>
<tr><td>Note</td><td>switches the music on or off</td></tr>
<tr><td>Music file</td><td>chooses another MIDI file to play</td></tr>
<tr><td>Speaker</td><td>switches the sound effects on or off</td></tr>
<tr><td>Question mark</td><td>opens this help at the game's own page</td></tr>
</table>
<p>Keys in every game:</p>
<table>
<tr><th>Key</th><th>What it does</th></tr>
<tr><td><kbd>+</kbd> or <kbd>=</kbd></td><td>faster</td></tr>
<tr><td><kbd>-</kbd> or <kbd>_</kbd></td><td>slower</td></tr>
<tr><td><kbd>S</kbd></td><td>shows the game's top scores</td></tr>
<tr><td><kbd>space bar</kbd></td><td>throws or rolls the dice</td></tr>
<tr><td><kbd>1</kbd> to <kbd>9</kbd></td><td>Shut The Box: closes (or reopens) that box</td></tr>
<tr><td><kbd>P</kbd></td><td>10,000 and Poker Dice: pass</td></tr>
<tr><td><kbd>U</kbd></td><td>Poker Dice: brings back the discarded dice</td></tr>
</table>
<p>All three games have an undo: reopen a box in
<a href="#shut-the-box">Shut The Box</a>, give back a combination in
<a href="#ten-thousand">10,000</a>, bring back discarded dice in
<a href="#poker-dice">Poker Dice</a>.</p>
)HTML";

const std::string_view kPlayersHtml = R"HTML(
<p>At the very first start you are asked for two players' names. Afterwards, click
any player name in a game to open that game's options, where you choose your
opponent and change either name: choose whose name to change, type the new one and
click OK. A change of opponent or name starts a new game.</p>
<p>Names have up to eight letters, A to Z, and are written in capitals. A player
may not be his own opponent: if both names are the same, the second becomes
PLAYERB.</p>
)HTML";

const std::string_view kTopScoresHtml = R"HTML(
<p>Each game keeps its ten best results, saved from one session to the next:</p>
<ul>
<li>Shut The Box: the winning margin, the difference between the two totals;</li>
<li>10,000: the winner's total;</li>
<li>Poker Dice: the players' coins, and the members of the Billionaire Club.</li>
</ul>
<p>Press <kbd>S</kbd> in a game to see its table. On the front screen, Top Scores
lets you view the tables of all three games, and clear them. The Billionaire Club
cannot be cleared: membership is for life.</p>
)HTML";

const std::string_view kMusicHtml = R"HTML(
<p>Music plays behind every screen and starts again when it reaches its end. Use
the note control to switch it off and on, and the music-file control to pick any
other MIDI file. If the music file cannot be found, you are asked whether to look
for it; otherwise the music is switched off.</p>
<p>The sound effects &mdash; dice, lids, beads, the Gremlin's laugh, the cheering crowd &mdash;
have their own switch, the speaker control.</p>
)HTML";

}  // namespace dakto::help
