<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Arena</name>
    <message>
        <location filename="../src/core/text/battle_texts.h" line="+72"/>
        <source>%1 L.%2</source>
        <extracomment>%1: the player&apos;s creature, %2: its level</extracomment>
        <translation>%1 L.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 L.%2</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its level</extracomment>
        <translation>%1 L.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1/%2</source>
        <extracomment>%1: the hit points left, %2: the most hit points</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&apos;s attacks:</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>Angriffe von %1:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1&apos;s Attacks:</source>
        <extracomment>%1: the opponent&apos;s creature; empty before the first battle</extracomment>
        <translation>Gegner-Angriffe: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <extracomment>%1: the attack, %2: its type</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;s Attacks:</source>
        <translation>Angriffe:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Angriff %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opp. Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Gegn. Angriff %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run!</source>
        <translation>Flucht!</translation>
    </message>
</context>
<context>
    <name>Battle</name>
    <message>
        <location line="-79"/>
        <source>Wild %1 appeared!</source>
        <extracomment>%1: the wild creature</extracomment>
        <translation>Ein wildes %1 erscheint!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wants to fight!</source>
        <extracomment>%1: the trainer</extracomment>
        <translation>%1 will kämpfen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 sent out %2!</source>
        <extracomment>%1: the trainer, %2: the trainer&apos;s creature</extracomment>
        <translation>%1 schickt %2 in den Kampf!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a ZORIKAN from the Statistics Window. You&apos;ll be asked to confirm your choice.</source>
        <translation>Wähle im Statistikfenster ein ZORIKAN. Danach bestätigst du deine Wahl.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose %1?</source>
        <extracomment>%1: the creature double-clicked in the roster</extracomment>
        <translation>%1 wählen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, I choose you!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1, du bist dran!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 used %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its attack</extracomment>
        <translation>%1 setzt %2 ein!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 used %2!</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its attack</extracomment>
        <translation>Das gegnerische %1 setzt %2 ein!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Critical hit!</source>
        <translation>Volltreffer!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s super effective!</source>
        <translation>Das ist äußerst wirksam!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s not very effective...</source>
        <translation>Das ist kaum wirksam …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It doesn&apos;t affect %1!</source>
        <extracomment>%1: the creature the attack cannot hurt</extracomment>
        <translation>%1 bleibt davon unberührt!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did %2 points of damage to enemy %3.</source>
        <extracomment>%1: the player&apos;s creature, %2: the damage, %3: the opponent&apos;s creature</extracomment>
        <translation>%1 trifft das gegnerische %3. Schaden: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enemy %1 did %2 points of damage to %3.</source>
        <extracomment>%1: the opponent&apos;s creature, %2: the damage, %3: the player&apos;s creature</extracomment>
        <translation>Das gegnerische %1 trifft %3. Schaden: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 fainted!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Das gegnerische %1 ist k.o.!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 fainted!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 ist k.o.!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 gained %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points</extracomment>
        <translation>%1 erhält %2 EP!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 grew to level %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its new level</extracomment>
        <translation>%1 erreicht Level %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You got %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Du erhältst %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lost %1¥!</source>
        <extracomment>%1: the money lost</extracomment>
        <translation>Du verlierst %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No! There&apos;s no running from a trainer battle!</source>
        <translation>Nein! Aus einem Trainerkampf kannst du nicht fliehen!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Got away safely!</source>
        <translation>Erfolgreich geflohen!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit the tournament! %1 lost %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points it loses</extracomment>
        <translation>Turnier abgebrochen! %1 verliert %2 EP!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost a level!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 verliert ein Level!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a ZORIBall.</source>
        <translation>Du wirfst einen ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Great Ball.</source>
        <translation>Du wirfst einen Great Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw an Ultra Ball.</source>
        <translation>Du wirfst einen Ultra Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Master Ball.</source>
        <translation>Du wirfst einen Master Ball.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You caught %1!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Du hast %1 gefangen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry, %1 wasn&apos;t caught.</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Schade, %1 wurde nicht gefangen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It won&apos;t have any effect.</source>
        <translation>Das hat keine Wirkung.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 recovered %2 HP!</source>
        <extracomment>%1: the player&apos;s creature, %2: the hit points it got back</extracomment>
        <translation>%1 erhält %2 LP zurück!</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+9"/>
        <source>Declaring type relations</source>
        <translation>Typbeziehungen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN names</source>
        <translation>ZORIKAN-Namen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring badge names</source>
        <translation>Abzeichen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN Types</source>
        <translation>ZORIKAN-Typen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolution levels</source>
        <translation>Entwicklungslevel werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolutions</source>
        <translation>Entwicklungen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack names</source>
        <translation>Angriffsnamen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack powers</source>
        <translation>Angriffsstärken werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack types</source>
        <translation>Angriffstypen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring type names</source>
        <translation>Typnamen werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN attacks</source>
        <translation>ZORIKAN-Angriffe werden geladen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing tournament prizes</source>
        <translation>Turnierpreise werden vorbereitet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing tournament trainers</source>
        <translation>Turniertrainer werden vorbereitet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value out of range at line %1</source>
        <extracomment>%1: the line of the data file</extracomment>
        <translation>Wert außerhalb des gültigen Bereichs in Zeile %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahl</translation>
    </message>
</context>
<context>
    <name>Evolution</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+44"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it?</source>
        <extracomment>%1: the creature, %2: what it evolves into</extracomment>
        <translation>Dein %1 kann sich zu %2 entwickeln. Möchtest du es entwickeln?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into %3 AND %4 every 3 of 4 times.</source>
        <extracomment>%1: the creature, %2: what it evolves into, %3: its first form, %4: the creature that may join it</extracomment>
        <translation>Dein %1 kann sich zu %2 entwickeln. Möchtest du es entwickeln? HINWEIS: In 3 von 4 Fällen entwickelt sich %1 zu %3 UND %4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 evolved into %2!</source>
        <extracomment>%1: the creature, %2: what it became</extracomment>
        <translation>%1 hat sich zu %2 entwickelt!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select what you would like to evolve your %1 to.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Wähle, wozu sich dein %1 entwickeln soll.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t evolve</source>
        <translation>Nicht entwickeln</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 didn&apos;t appear.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>%1 ist nicht erschienen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your roster is full: %1 could not join it.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>Dein Team ist voll: %1 kann nicht beitreten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 also evolved into %2!</source>
        <extracomment>%1: the creature, %2: the second creature</extracomment>
        <translation>Außerdem hat sich %1 zu %2 entwickelt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 can&apos;t evolve.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 kann sich nicht entwickeln.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your %1 needs to grow %2 more level(s) before it can evolve.</source>
        <extracomment>%1: the creature, %2: the levels it still needs</extracomment>
        <translation>Dein %1 braucht noch %2 Level, bevor es sich entwickeln kann.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolution cancelled.</source>
        <translation>Entwicklung abgebrochen.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+33"/>
        <source>ZORIKAN Information for %1</source>
        <extracomment>%1: the player</extracomment>
        <translation>ZORIKAN-Daten von %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generated by ZORIKAN Simulator %1 %2</source>
        <extracomment>%1: the date, %2: the time</extracomment>
        <translation>Erstellt mit ZORIKAN Simulator am %1 um %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number/Name</source>
        <translation>Nummer/Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experience Points</source>
        <translation>Erfahrungspunkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>...to next level</source>
        <translation>… bis zum nächsten Level</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ZORIDEX (%1/%2)</source>
        <extracomment>%1: the species registered, %2: all species</extracomment>
        <translation>Im ZORIDEX (%1/%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source># %1 %2</source>
        <extracomment>%1: the species number, three digits, %2: the species</extracomment>
        <translation>Nr. %1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN Information exported to %1. View file now?</source>
        <extracomment>%1: the file</extracomment>
        <translation>ZORIKAN-Daten nach %1 exportiert. Datei jetzt ansehen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened. It is saved as %1.</source>
        <extracomment>%1: the file</extracomment>
        <translation>Die Seite konnte nicht geöffnet werden. Sie ist als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location line="-49"/>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <extracomment>%1: the system&apos;s error number</extracomment>
        <translation>E/A-Fehler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1.</source>
        <extracomment>%1: one of the file errors above</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>GameCorner</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+35"/>
        <source>Money (Pays out %1:1¥)</source>
        <extracomment>%1: how many yen a yen of the stake wins</extracomment>
        <translation>Geld (Auszahlung %1:1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIBalls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>ZORIBalls (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Great Balls (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ultra Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Ultra Balls (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Master Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Master Balls (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Heiltränke (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Super Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Große Heiltränke (Auszahlung 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select something to play for.</source>
        <translation>Wähle, worum du spielen willst.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select a number to bet on.</source>
        <translation>Wähle eine Zahl, auf die du setzt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You won! And your prize is...</source>
        <translation>Glückwunsch! Du hast gewonnen! Und dein Preis ist …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>%1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1!</source>
        <extracomment>%1: the items won, as one of the item counts below</extracomment>
        <translation>%1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 and %2¥!</source>
        <extracomment>%1: the items won, as one of the item counts below, %2: the money won besides</extracomment>
        <translation>%1 und %2¥!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ZORIBall</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 ZORIBall</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ZORIBalls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 ZORIBalls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Great Ball</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Great Balls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Ultra Ball</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Ultra Balls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Master Ball</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>%1 Master Balls</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Heiltrank</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Heiltränke</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Großer Heiltrank</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Große Heiltränke</translation>
    </message>
</context>
<context>
    <name>Mart</name>
    <message>
        <location line="-65"/>
        <source>Welcome to ZORIKAN Mart! Click an item for a description.</source>
        <translation>ZORIKAN-Laden: Klicke auf einen Gegenstand für Details.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZORIBalls</source>
        <translation>ZORIBalls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls</source>
        <translation>Great Balls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls</source>
        <translation>Ultra Balls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Heiltränke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Große Heiltränke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A standard ZORIBALL.</source>
        <translation>Ein gewöhnlicher ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used for catching ZORIKAN.</source>
        <translation>Damit fängst du ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This Ball has good chances</source>
        <translation>Mit diesem Ball fängst du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of capturing a ZORIKAN.</source>
        <translation>ZORIKAN recht zuverlässig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has a very high chance of</source>
        <translation>Mit diesem Ball fängst du</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>capturing a ZORIKAN.</source>
        <translation>ZORIKAN sehr zuverlässig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores %1HP in battle.</source>
        <extracomment>%1: the HP it restores</extracomment>
        <translation>Stellt im Kampf %1 LP wieder her.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥</source>
        <extracomment>%1: the price</extracomment>
        <translation>%1¥</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <location filename="../src/core/model/menu_layout.cpp" line="+18"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export ZORIKAN information...</source>
        <translation>ZORIKAN-Daten exportieren …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a Trainer</source>
        <translation>Gegen Trainer kämpfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainers</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrin</source>
        <translation>Tavrin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ambrel</source>
        <translation>Ambrel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dovik</source>
        <translation>Dovik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pelissa</source>
        <translation>Pelissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morrow</source>
        <translation>Morrow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quenby</source>
        <translation>Quenby</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ilvane</source>
        <translation>Ilvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Novice</source>
        <translation>Neulinge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorcha</source>
        <translation>Sorcha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kesmer</source>
        <translation>Kesmer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lorin</source>
        <translation>Lorin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Intermediate</source>
        <translation>Geübte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Halvard</source>
        <translation>Prof.Halvard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Wendeck</source>
        <translation>Prof.Wendeck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prof.Dunmore</source>
        <translation>Prof.Dunmore</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advanced</source>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vesna</source>
        <translation>Vesna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rusk</source>
        <translation>Rusk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Expert</source>
        <translation>Experten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Severin</source>
        <translation>Severin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aldmark Gym Leaders</source>
        <translation>Hallenleiter von Aldmark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dorn</source>
        <translation>Dorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nerissa</source>
        <translation>Nerissa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lt. Harker</source>
        <translation>Lt. Harker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Odile</source>
        <translation>Odile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imara</source>
        <translation>Imara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tilde</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenwick</source>
        <translation>Fenwick</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Roderic</source>
        <translation>Roderic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highland Grand Four</source>
        <translation>Große Vier des Hochlands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennar Gym Leaders</source>
        <translation>Hallenleiter von Brennar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aubric</source>
        <translation>Aubric</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nils</source>
        <translation>Nils</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posy</source>
        <translation>Posy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elwin</source>
        <translation>Elwin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grigor</source>
        <translation>Grigor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lunet</source>
        <translation>Lunet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Haskel</source>
        <translation>Haskel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vesper</source>
        <translation>Vesper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kell</source>
        <translation>Kell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Me</source>
        <translation>Ich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrelle Gym Leaders (L.100)</source>
        <translation>Hallenleiter von Cyrelle (L.100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brigid</source>
        <translation>Brigid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dunstan</source>
        <translation>Dunstan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caddock</source>
        <translation>Caddock</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ravenna</source>
        <translation>Ravenna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Osric</source>
        <translation>Osric</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merle</source>
        <translation>Merle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orin &amp;&amp; Isla</source>
        <translation>Orin &amp;&amp; Isla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marius</source>
        <translation>Marius</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Other Elites</source>
        <translation>Weitere Elite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowland Grand Four</source>
        <translation>Große Vier des Tieflands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coastal Grand Four</source>
        <translation>Große Vier der Küste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a wild ZORIKAN</source>
        <translation>Gegen wilde ZORIKAN kämpfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search for a ZORIKAN</source>
        <translation>ZORIKAN suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Omnivar</source>
        <translation>Omnivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tournaments</source>
        <translation>Turniere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Easy (Levels 2-10)</source>
        <translation>Sehr leicht (Level 2–10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy (Levels 10-30)</source>
        <translation>Leicht (Level 10–30)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate (Levels 30-50)</source>
        <translation>Mittel (Level 30–50)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard (Levels 50-70)</source>
        <translation>Schwer (Level 50–70)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Hard (Levels 70-99)</source>
        <translation>Sehr schwer (Level 70–99)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summit Cup (Level 100)</source>
        <translation>Summit Cup (Level 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy Items</source>
        <translation>Gegenstände kaufen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolve a ZORIKAN</source>
        <translation>ZORIKAN entwickeln</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release a ZORIKAN</source>
        <translation>ZORIKAN freilassen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View ZORIDEX</source>
        <translation>ZORIDEX ansehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type Comparisons</source>
        <translation>Typvergleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Corner</source>
        <translation>Spielhalle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics Window</source>
        <translation>Statistikfenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open file...</source>
        <translation>Datei öffnen …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat Music</source>
        <translation>Musik wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop Music</source>
        <translation>Musik stoppen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Über …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Debug</source>
        <translation>De&amp;bug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make Visible</source>
        <translation>Sichtbar machen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Always show attacks in ZORIDEX</source>
        <translation>Angriffe im ZORIDEX immer zeigen</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+53"/>
        <source>%1: %2.</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, without a full stop</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, ending in a full stop</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This file cannot be played</source>
        <translation>Diese Datei kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>All supported formats (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Alle unterstützten Formate (%1)</translation>
    </message>
    <message>
        <source>MPEG Audio/Video Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>MPEG-Audio/Video-Dateien (%1)</translation>
    </message>
    <message>
        <source>Windows Media (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Windows Media (%1)</translation>
    </message>
    <message>
        <source>Wave Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Wave-Dateien (%1)</translation>
    </message>
    <message>
        <source>MIDI Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>MIDI-Dateien (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Alle Dateien (%1)</translation>
    </message>
</context>
<context>
    <name>Rewards</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+10"/>
        <source>You earned the %1!</source>
        <extracomment>%1: the badge</extracomment>
        <translation>Du erhältst das %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you get a 2500¥ bonus!</source>
        <translation>Du hast Roderic besiegt und damit alle Hallenleiter von Aldmark! Jetzt kannst du gegen die Großen Vier kämpfen! Außerdem erhältst du einen Bonus von 2500¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ bonus!</source>
        <translation>Du hast Vesper besiegt und damit alle Hallenleiter von Brennar! Jetzt kannst du gegen Kell kämpfen! Außerdem erhältst du einen Bonus von 3000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal Elites! Also, you get a 5000¥ bonus!</source>
        <translation>Du hast Marius besiegt und damit alle Hallenleiter von Cyrelle! Jetzt kannst du gegen die Elite des Tieflands und der Küste kämpfen! Außerdem erhältst du einen Bonus von 5000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! Also, you get a Master Ball!</source>
        <translation>Du hast Caspian besiegt, den Champion der Großen Vier! Jetzt kannst du gegen die Hallenleiter von Brennar kämpfen! Außerdem erhältst du einen Master Ball!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This Ball will catch any ZORIKAN at any HP. Use it wisely.</source>
        <translation>Dieser Ball fängt jedes ZORIKAN, egal wie viele LP es noch hat. Setze ihn mit Bedacht ein.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat Kell! You can now battle me! Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Du hast Kell besiegt! Jetzt kannst du gegen mich kämpfen! Außerdem bekommst du ein %1 mit L.5!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym Leaders! And as if that wasn&apos;t enough, you also get a %1 at L.10!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Du hast mich besiegt! Jetzt kannst du gegen Omnivar kämpfen und es fangen! Auch die Hallenleiter von Cyrelle warten auf dich! Und als wäre das nicht genug, bekommst du noch ein %1 mit L.10!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature given</extracomment>
        <translation>Dein Team ist voll: Es umfasst bereits %1 ZORIKAN, für das %2 ist kein Platz mehr.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="-148"/>
        <source>Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature that found no room</extracomment>
        <translation>Dein Team ist voll: Es umfasst bereits %1 ZORIKAN. Lass eines frei, um Platz für %2 zu schaffen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already have if you want to catch another.</source>
        <translation>HINWEIS: Du kannst nur ein Omnivar zur Zeit haben. Willst du ein weiteres fangen, lass zuerst deine bisherigen Omnivar frei.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has been added to the ZORIDEX!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 wurde in den ZORIDEX eingetragen!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># %1 %2, L.%3, XP:%4, XP to next level:%5</source>
        <extracomment>%1: the species number, three digits, %2: the creature, %3: its level, %4: its experience points, %5: the points it still needs for the next level</extracomment>
        <translation>Nr. %1 %2, L.%3, EP: %4, EP bis zum nächsten Level: %5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can&apos;t release your last ZORIKAN!</source>
        <translation>Dein letztes ZORIKAN kannst du nicht freilassen!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once released, %1 will not come back. Release %1?</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Einmal freigelassen, kommt %1 nicht mehr zurück. %1 freilassen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was released. Bye, %1!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 wurde freigelassen. Tschüss, %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have doubleclicked on a ZORIKAN, Evolution Mode will be disabled.</source>
        <translation>Doppelklicke im Statistikfenster auf ein ZORIKAN, um es zu entwickeln. Nach dem Doppelklick endet der Entwicklungsmodus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Evolution Mode cancelled.</source>
        <translation>Entwicklungsmodus abgebrochen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to release it. Once you have doubleclicked on a ZORIKAN, Release Mode will be disabled.</source>
        <translation>Doppelklicke im Statistikfenster auf ein ZORIKAN, um es freizulassen. Nach dem Doppelklick endet der Freilassmodus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Mode deactivated. Statistics window will now function normally.</source>
        <translation>Freilassmodus beendet. Das Statistikfenster funktioniert wieder wie gewohnt.</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+3"/>
        <source>%1 - %2 [%3]</source>
        <extracomment>%1: the game&apos;s title, %2: the player, %3: the saved game&apos;s file name</extracomment>
        <translation>%1 – %2 [%3]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid species at line %1</source>
        <extracomment>%1: the line of the saved game</extracomment>
        <translation>Ungültige Art in Zeile %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds no ZORIKAN. It is not a saved game, or it was cut off.</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>%1 enthält keine ZORIKAN. Die Datei ist kein Spielstand oder wurde abgeschnitten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The saved game ended early, at line %1.
What was missing starts empty.</source>
        <extracomment>%1: the saved game&apos;s last line</extracomment>
        <translation>Der Spielstand endet vorzeitig in Zeile %1.
Was fehlt, beginnt leer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot be saved to %1.
%2
Please choose another file.</source>
        <extracomment>%1: the file, %2: why it cannot be written, a sentence</extracomment>
        <translation>Das Spiel kann nicht in %1 gespeichert werden.
%2
Wähle eine andere Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game was not saved to %1.
Save it to another file?</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>Das Spiel wurde nicht in %1 gespeichert.
In einer anderen Datei speichern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit without saving?
All progress since the game was started or loaded will be lost.</source>
        <translation>Ohne Speichern beenden?
Dein Fortschritt seit dem Start oder Laden des Spiels geht verloren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your progress cannot be saved to %1.
%2
What you have played since then is not on disk yet. The game tries again after each of your actions.</source>
        <extracomment>%1: the saved game&apos;s file, %2: why it cannot be written, a sentence. Shown once, when the save after an action fails; the game keeps trying after each action.</extracomment>
        <translation>Dein Fortschritt kann nicht in %1 gespeichert werden.
%2
Was du seitdem gespielt hast, ist noch nicht auf der Festplatte. Das Spiel versucht es nach jeder deiner Aktionen erneut.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your progress is saved to %1 again.</source>
        <extracomment>%1: the saved game&apos;s file. Shown once when saving works again after a failure.</extracomment>
        <translation>Dein Fortschritt wird wieder in %1 gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This saved game is already open in another ZORIKAN Simulator window.</source>
        <translation>Dieser Spielstand ist bereits in einem anderen Fenster von ZORIKAN Simulator geöffnet.</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+5"/>
        <source>Congratulations! You beat %1! Your next opponent is %2.</source>
        <extracomment>%1: the trainer just beaten, %2: the next opponent</extracomment>
        <translation>Glückwunsch! Du hast %1 besiegt! Dein nächster Gegner: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have proven your worth against the Highland Grand Four. Now, it is time for you to fight the Highland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Du hast dich gegen die Großen Vier des Hochlands bewährt. Jetzt trittst du gegen ihren Champion an: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Lowland Grand Four. Now, it is time for you to fight the Lowland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Du hast dich gegen die Großen Vier des Tieflands bewährt. Jetzt trittst du gegen ihren Champion an: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Coastal Grand Four. Now, it is time for you to fight the Coastal Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Du hast dich gegen die Großen Vier der Küste bewährt. Jetzt trittst du gegen ihren Champion an: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Sieg über %1, Champion der Großen Vier des Tieflands! Du erhältst einen Bonus von %2¥!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Sieg über %1, Champion der Großen Vier der Küste! Du erhältst einen Bonus von %2¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Außerdem bekommst du ein %1 mit L.5!</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <location line="+3"/>
        <source>None of your ZORIKAN meet the level requirements.</source>
        <translation>Keines deiner ZORIKAN hat das nötige Level.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have enough money!</source>
        <translation>Du hast nicht genug Geld!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.</source>
        <extracomment>%1: the trainer just beaten, %2: the next match&apos;s number, %3: the next trainer, %4: the level of the next trainer&apos;s creature, %5: that creature</extracomment>
        <translation>Glückwunsch! Du hast %1 besiegt! Als Nächstes kommt Trainer Nr. %2: %3 mit %5 L.%4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...</source>
        <extracomment>%1: the last trainer</extracomment>
        <translation>Glückwunsch! Du hast %1 besiegt und das Turnier gewonnen! Und nun zu deinem Preis …</translation>
    </message>
    <message>
        <source>You won %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Dein Preis: %1¥!</translation>
    </message>
    <message>
        <source>You won a random ZORIKAN!</source>
        <translation>Dein Preis: ein zufälliges ZORIKAN!</translation>
    </message>
    <message numerus="yes">
        <source>You won %n ZORIBalls!</source>
        <translation>
            <numerusform>Dein Preis: ein ZORIBall!</numerusform>
            <numerusform>Dein Preis: %n ZORIBalls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Great Balls!</source>
        <translation>
            <numerusform>Dein Preis: ein Great Ball!</numerusform>
            <numerusform>Dein Preis: %n Great Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Ultra Balls!</source>
        <translation>
            <numerusform>Dein Preis: ein Ultra Ball!</numerusform>
            <numerusform>Dein Preis: %n Ultra Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Master Balls!</source>
        <translation>
            <numerusform>Dein Preis: ein Master Ball!</numerusform>
            <numerusform>Dein Preis: %n Master Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>Dein Preis: ein Heiltrank!</numerusform>
            <numerusform>Dein Preis: %n Heiltränke!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Super Potions!</source>
        <translation>
            <numerusform>Dein Preis: ein Großer Heiltrank!</numerusform>
            <numerusform>Dein Preis: %n Große Heiltränke!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You won a L.%1 %2!</source>
        <extracomment>%1: the creature&apos;s level, %2: the creature</extracomment>
        <translation>Dein Preis: %2 L.%1!</translation>
    </message>
</context>
<context>
    <name>Type</name>
    <message>
        <source>Moss</source>
        <translation>Moos</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Glut</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Tide</source>
        <translation>Flut</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>Sturm</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>Bog</source>
        <translation>Moor</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>Zwielicht</translation>
    </message>
    <message>
        <source>Lumen</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Salz</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Echo</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Erz</translation>
    </message>
    <message>
        <source>Silk</source>
        <translation>Seide</translation>
    </message>
    <message>
        <source>Herd</source>
        <translation>Herde</translation>
    </message>
    <message>
        <source>Spore</source>
        <translation>Spore</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
</context>
<context>
    <name>WildSearch</name>
    <message>
        <location line="+3"/>
        <source>Using Omnivar&apos;s psychic powers, you can fight any ZORIKAN you want to, and at any level. Please select which ZORIKAN to fight against, or click Random to face a random ZORIKAN.</source>
        <translation>Mit Omnivars Psychokräften kannst du gegen jedes beliebige ZORIKAN auf jedem Level kämpfen. Wähle dein Gegner-ZORIKAN oder klicke auf „Zufall“, um gegen ein zufälliges ZORIKAN zu kämpfen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose which ZORIKAN to fight from the list first, or click Random to face a random ZORIKAN.</source>
        <translation>Wähle zuerst in der Liste ein ZORIKAN als Gegner oder klicke auf „Zufall“, um gegen ein zufälliges ZORIKAN zu kämpfen.</translation>
    </message>
</context>
<context>
    <name>Zoridex</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+33"/>
        <source>%1 (#%2)</source>
        <extracomment>%1: the species, %2: its number, three digits</extracomment>
        <translation>%1 (Nr. %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>%1, %2</source>
        <extracomment>%1: the species, %2: its type
----------
%1: the attack, %2: its type</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1, %2/%3</source>
        <extracomment>%1: the species, %2: its first type, %3: its second type</extracomment>
        <translation>%1, %2/%3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>/%1</source>
        <extracomment>%1: the second type, after the first</extracomment>
        <translation>/%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>???</source>
        <translation>???</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can evolve at level %1.</source>
        <extracomment>%1: the level</extracomment>
        <translation>Kann sich ab Level %1 entwickeln.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not evolve.</source>
        <translation>Entwickelt sich nicht.</translation>
    </message>
</context>
</TS>
