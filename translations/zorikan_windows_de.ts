<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="+30"/>
        <source>Export ZORIKAN information</source>
        <translation>ZORIKAN-Daten exportieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML Files (*.htm)</source>
        <translation>HTML-Dateien (*.htm)</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <location filename="../src/app/web/event_loop.cpp" line="+14"/>
        <source>The game has ended. Reload the page to play again.</source>
        <translation>Das Spiel ist beendet. Lade die Seite neu, um wieder zu spielen.</translation>
    </message>
</context>
<context>
    <name>MusicDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="-18"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/ui/web/music_backend.cpp" line="+10"/>
        <source>Music plays in the desktop game only.</source>
        <translation>Musik gibt es nur im Spiel für den Desktop.</translation>
    </message>
</context>
<context>
    <name>SavedGameDialog</name>
    <message>
        <location filename="../src/ui/saved_game_dialog.cpp" line="+68"/>
        <source>Save game as</source>
        <translation>Spiel speichern unter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved Games (*.ZGS *.zgs)</source>
        <translation>Spielstände (*.ZGS *.zgs)</translation>
    </message>
    <message>
        <location filename="../src/ui/web/system_files.cpp" line="+68"/>
        <source>From your computer...</source>
        <translation>Von deinem Computer …</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download saved game...</source>
        <translation>Spielstand herunterladen …</translation>
    </message>
</context>
<context>
    <name>zorikan::BattleArena</name>
    <message>
        <location filename="../src/screens/battle_arena.cpp" line="+45"/>
        <source>Battle Arena</source>
        <translation>Kampfarena</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your ZORIKAN</source>
        <translation>Deine ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your hit points</source>
        <translation>Deine Lebenspunkte</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+2"/>
        <source>Go!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enemy ZORIKAN</source>
        <translation>Gegnerisches ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enemy hit points</source>
        <translation>Gegnerische Lebenspunkte</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>End Fight</source>
        <translation>Ende</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Your hit points: %1</source>
        <extracomment>%1 is the fighter&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Deine Lebenspunkte: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enemy hit points: %1</source>
        <extracomment>%1 is the opponent&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Gegnerische Lebenspunkte: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::EvolvePanel</name>
    <message>
        <location filename="../src/screens/evolve_panel.cpp" line="+29"/>
        <source>Evolve to:</source>
        <translation>Entwickeln zu:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evolve to</source>
        <translation>Entwickeln zu</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Evolve</source>
        <translation>Entwickeln</translation>
    </message>
</context>
<context>
    <name>zorikan::TAboutBox</name>
    <message>
        <location filename="../src/screens/about_box.cpp" line="+15"/>
        <source>Version 4.1 (%1-bit)</source>
        <extracomment>%1 is the build&apos;s word size in bits: 32 or 64.</extracomment>
        <translation>Version 4.1 (%1 Bit)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm1</name>
    <message>
        <location filename="../src/screens/title_window.cpp" line="+37"/>
        <source>Start a new game!</source>
        <translation>Neues Spiel starten!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load a saved game...</source>
        <translation>Spielstand laden …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help!</source>
        <translation>Hilfe!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>Über …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm3</name>
    <message>
        <location filename="../src/screens/loader_window.cpp" line="+32"/>
        <source>Stage progress</source>
        <translation>Fortschritt des Abschnitts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot start without its data. Press Esc or click Quit to leave.</source>
        <translation>Ohne seine Daten kann das Spiel nicht starten. Drücke Esc oder klicke auf „Beenden“, um es zu verlassen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading:</source>
        <translation>Lädt:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm4</name>
    <message>
        <location filename="../src/screens/main_window.cpp" line="+105"/>
        <source>Select a starting ZORIKAN:</source>
        <translation>Wähle dein Start-ZORIKAN:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starting ZORIKAN</source>
        <translation>Start-ZORIKAN</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Choose a battle or the ZORIDEX from the &lt;b&gt;Actions&lt;/b&gt; menu.&lt;br&gt;Double-click a creature in the Statistics window&lt;br&gt;to see how it is doing.&lt;br&gt;&lt;br&gt;F6: to the Statistics window and back &amp;nbsp;&amp;middot;&amp;nbsp; F1: help&lt;/p&gt;</source>
        <extracomment>Keep the markup; &lt;br&gt; breaks the lines of the hint in the empty arena.</extracomment>
        <translation>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Wähle im Menü &lt;b&gt;Aktionen&lt;/b&gt; einen Kampf oder den ZORIDEX.&lt;br&gt;Doppelklicke im Statistikfenster auf ein Wesen,&lt;br&gt;um zu sehen, wie es ihm geht.&lt;br&gt;&lt;br&gt;F6: zum Statistikfenster und zurück &amp;nbsp;&amp;middot;&amp;nbsp; F1: Hilfe&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm5</name>
    <message>
        <location filename="../src/screens/statistics_window.cpp" line="+51"/>
        <source>ZORIBalls:</source>
        <translation>ZORIBalls:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZORIBalls</source>
        <translation>ZORIBalls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls:</source>
        <translation>Great Balls:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls</source>
        <translation>Great Balls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls:</source>
        <translation>Ultra Balls:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls</source>
        <translation>Ultra Balls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Master Balls:</source>
        <translation>Master Balls:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Master Balls</source>
        <translation>Master Balls</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions:</source>
        <translation>Heiltränke:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Heiltränke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions:</source>
        <translation>Große Heiltränke:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Große Heiltränke</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+12"/>
        <source>Money:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+15"/>
        <source>Fights:</source>
        <translation>Kämpfe:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wins:</source>
        <translation>Siege:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Catches:</source>
        <translation>Fänge:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Losses/Flees:</source>
        <translation>Niederl./Fluchten:</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>Win Percentage:</source>
        <translation>Siegquote:</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+21"/>
        <source>In ZORIDEX:</source>
        <translation>Im ZORIDEX:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>of %1</source>
        <extracomment>After the number of species in the ZORIDEX: %1 is the number of all species.</extracomment>
        <translation>von %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Items:</source>
        <translation>Gegenstände:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Use %1</source>
        <extracomment>A screen reader&apos;s name for an item button in battle: %1 is the item, e.g. Potions.</extracomment>
        <translation>%1 benutzen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your ZORIKAN</source>
        <translation>Deine ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doubleclick a ZORIKAN to see its statistics.</source>
        <translation>Doppelklicke auf ein ZORIKAN, um seine Statistik zu sehen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Main Window</source>
        <translation>Hauptfenster</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm7</name>
    <message>
        <location filename="../src/screens/battle_log_window.cpp" line="+16"/>
        <source>Battle Info</source>
        <translation>Kampfinfo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battle log</source>
        <translation>Kampfprotokoll</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Battle Info is empty.</source>
        <translation>Die Kampfinfo ist leer.</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm8</name>
    <message>
        <location filename="../src/screens/zoridex_window.cpp" line="+44"/>
        <source>Species</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close ZORIDEX</source>
        <translation>ZORIDEX schließen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Attack %1:</source>
        <extracomment>%1 is the attack&apos;s place among the species&apos; four, 1 to 4.</extracomment>
        <translation>Angriff %1:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <location filename="../src/screens/mart_window.cpp" line="+48"/>
        <source>Item to buy:</source>
        <translation>Zu kaufen:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Buy %1</source>
        <extracomment>%1 is the item&apos;s name, e.g. Potions.</extracomment>
        <translation>%1 kaufen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1¥ each. %2 %3</source>
        <extracomment>Read out with the item: %1 is its price in yen, %2 and %3 the two lines of its description.</extracomment>
        <translation>%1¥ pro Stück. %2 %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Buy:</source>
        <translation>&amp;Anzahl:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quantity to buy</source>
        <translation>Anzahl zum Kaufen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Preis:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total price</source>
        <translation>Gesamtpreis</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Buy</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Total price: %1</source>
        <extracomment>%1 is the order&apos;s total in yen, with the yen sign, e.g. 600¥.</extracomment>
        <translation>Gesamtpreis: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormA</name>
    <message>
        <location filename="../src/screens/type_comparisons_window.cpp" line="+41"/>
        <source>Type Comparisons</source>
        <translation>Typvergleich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attack</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN</source>
        <translation>ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attack:</source>
        <translation>Angriff:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIKAN:</source>
        <translation>ZORIKAN:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1 Multiplier:</source>
        <translation>Faktor Typ 1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type 2 Multiplier:</source>
        <translation>Faktor Typ 2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormB</name>
    <message>
        <location filename="../src/screens/game_corner_window.cpp" line="+93"/>
        <source>Game Corner</source>
        <translation>Spielhalle</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Amount to bet:</source>
        <translation>&amp;Einsatz:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Amount to bet in yen</source>
        <translation>Einsatz in Yen</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play for %1</source>
        <extracomment>Spoken for an entry of &quot;Play for:&quot;: %1 is the prize, e.g. Money (Pays out 10:1¥).</extracomment>
        <translation>Spielen um %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick number %1</source>
        <extracomment>Spoken for an entry of &quot;Pick a number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Zahl %1 wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number %1</source>
        <extracomment>Spoken for an entry of &quot;Lucky number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Glückszahl %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play for:</source>
        <translation>Spielen um:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a number:</source>
        <translation>Wähle eine Zahl:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number:</source>
        <translation>Glückszahl:</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Draw number!</source>
        <translation>Zahl ziehen!</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Lucky number: %1.</source>
        <extracomment>Spoken after a draw: %1 is the lucky number, 0 to 9.</extracomment>
        <translation>Glückszahl: %1.</translation>
    </message>
</context>
<context>
    <name>zorikan::TOKRightDlg</name>
    <message>
        <location filename="../src/screens/name_dialog.cpp" line="+32"/>
        <source>Enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zorikan::WildPanel</name>
    <message>
        <location filename="../src/screens/wild_panel.cpp" line="+33"/>
        <source>Fight:</source>
        <translation>Gegner:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZORIKAN to fight</source>
        <translation>ZORIKAN als Gegner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a ZORIKAN</source>
        <translation>ZORIKAN wählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at level:</source>
        <translation>auf Level:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::Gauge</name>
    <message>
        <location filename="../src/ui/gauge.cpp" line="+19"/>
        <source>Gauge</source>
        <translation>Anzeige</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+19"/>
        <source>ZORIKAN Simulator Help</source>
        <translation>ZORIKAN Simulator – Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
</TS>
