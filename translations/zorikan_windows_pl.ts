<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="+30"/>
        <source>Export ZORIKAN information</source>
        <translation>Eksportuj dane ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML Files (*.htm)</source>
        <translation>Pliki HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <location filename="../src/app/web/event_loop.cpp" line="+14"/>
        <source>The game has ended. Reload the page to play again.</source>
        <translation>Gra się zakończyła. Odśwież stronę, aby zagrać ponownie.</translation>
    </message>
</context>
<context>
    <name>MusicDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="-18"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location filename="../src/ui/web/music_backend.cpp" line="+10"/>
        <source>Music plays in the desktop game only.</source>
        <translation>Muzyka gra tylko w grze na komputer stacjonarny.</translation>
    </message>
</context>
<context>
    <name>SavedGameDialog</name>
    <message>
        <location filename="../src/ui/saved_game_dialog.cpp" line="+68"/>
        <source>Save game as</source>
        <translation>Zapisz grę jako</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved Games (*.ZGS *.zgs)</source>
        <translation>Zapisane gry (*.ZGS *.zgs)</translation>
    </message>
    <message>
        <location filename="../src/ui/web/system_files.cpp" line="+68"/>
        <source>From your computer...</source>
        <translation>Z twojego komputera…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download saved game...</source>
        <translation>Pobierz zapisaną grę…</translation>
    </message>
</context>
<context>
    <name>zorikan::BattleArena</name>
    <message>
        <location filename="../src/screens/battle_arena.cpp" line="+45"/>
        <source>Battle Arena</source>
        <translation>Arena walk</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your ZORIKAN</source>
        <translation>Twój ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your hit points</source>
        <translation>Twoje punkty życia</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+2"/>
        <source>Go!</source>
        <translation>Dalej!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enemy ZORIKAN</source>
        <translation>Wrogi ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enemy hit points</source>
        <translation>Punkty życia wroga</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>End Fight</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Your hit points: %1</source>
        <extracomment>%1 is the fighter&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Twoje punkty życia: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enemy hit points: %1</source>
        <extracomment>%1 is the opponent&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Punkty życia wroga: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::EvolvePanel</name>
    <message>
        <location filename="../src/screens/evolve_panel.cpp" line="+29"/>
        <source>Evolve to:</source>
        <translation>Ewolucja w:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evolve to</source>
        <translation>Ewolucja w</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Evolve</source>
        <translation>Ewoluuj</translation>
    </message>
</context>
<context>
    <name>zorikan::TAboutBox</name>
    <message>
        <location filename="../src/screens/about_box.cpp" line="+15"/>
        <source>Version 4.1 (%1-bit)</source>
        <extracomment>%1 is the build&apos;s word size in bits: 32 or 64.</extracomment>
        <translation>Wersja 4.1 (%1-bitowa)</translation>
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
        <translation>Zacznij nową grę!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load a saved game...</source>
        <translation>Wczytaj zapisaną grę…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help!</source>
        <translation>Pomoc!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>O programie…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm3</name>
    <message>
        <location filename="../src/screens/loader_window.cpp" line="+32"/>
        <source>Stage progress</source>
        <translation>Postęp etapu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total progress</source>
        <translation>Postęp całkowity</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot start without its data. Press Esc or click Quit to leave.</source>
        <translation>Gra nie może się uruchomić bez swoich danych. Naciśnij Esc lub kliknij „Zakończ”, aby wyjść.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading:</source>
        <translation>Wczytywanie:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:</source>
        <translation>Razem:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm4</name>
    <message>
        <location filename="../src/screens/main_window.cpp" line="+105"/>
        <source>Select a starting ZORIKAN:</source>
        <translation>Wybierz ZORIKAN na start:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starting ZORIKAN</source>
        <translation>Startowy ZORIKAN</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Choose a battle or the ZORIDEX from the &lt;b&gt;Actions&lt;/b&gt; menu.&lt;br&gt;Double-click a creature in the Statistics window&lt;br&gt;to see how it is doing.&lt;br&gt;&lt;br&gt;F6: to the Statistics window and back &amp;nbsp;&amp;middot;&amp;nbsp; F1: help&lt;/p&gt;</source>
        <extracomment>Keep the markup; &lt;br&gt; breaks the lines of the hint in the empty arena.</extracomment>
        <translation>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Wybierz walkę lub ZORIDEX z menu &lt;b&gt;Akcje&lt;/b&gt;.&lt;br&gt;Kliknij dwukrotnie stworka w oknie Statystyki,&lt;br&gt;aby zobaczyć, jak się miewa.&lt;br&gt;&lt;br&gt;F6: do okna Statystyki i z powrotem &amp;nbsp;&amp;middot;&amp;nbsp; F1: pomoc&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm5</name>
    <message>
        <location filename="../src/screens/statistics_window.cpp" line="+51"/>
        <source>ZORIBalls:</source>
        <translation>ZORIBall:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZORIBalls</source>
        <translation>ZORIBall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls:</source>
        <translation>Great Ball:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls</source>
        <translation>Great Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls:</source>
        <translation>Ultra Ball:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls</source>
        <translation>Ultra Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Master Balls:</source>
        <translation>Master Ball:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Master Balls</source>
        <translation>Master Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions:</source>
        <translation>Mikstury:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Mikstury</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions:</source>
        <translation>Duże mikstury:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Duże mikstury</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+12"/>
        <source>Money:</source>
        <translation>Pieniądze:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+15"/>
        <source>Fights:</source>
        <translation>Walki:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wins:</source>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Catches:</source>
        <translation>Złapane:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Losses/Flees:</source>
        <translation>Porażki/Ucieczki:</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>Win Percentage:</source>
        <translation>% wygranych:</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+21"/>
        <source>In ZORIDEX:</source>
        <translation>W ZORIDEX:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Name:</source>
        <translation>Imię:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>of %1</source>
        <extracomment>After the number of species in the ZORIDEX: %1 is the number of all species.</extracomment>
        <translation>z %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Items:</source>
        <translation>Przedmioty:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Use %1</source>
        <extracomment>A screen reader&apos;s name for an item button in battle: %1 is the item, e.g. Potions.</extracomment>
        <translation>Użyj: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your ZORIKAN</source>
        <translation>Twoje ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doubleclick a ZORIKAN to see its statistics.</source>
        <translation>Kliknij dwukrotnie ZORIKAN, aby zobaczyć jego statystyki.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Main Window</source>
        <translation>Okno główne</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm7</name>
    <message>
        <location filename="../src/screens/battle_log_window.cpp" line="+16"/>
        <source>Battle Info</source>
        <translation>Przebieg walki</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battle log</source>
        <translation>Dziennik walki</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Battle Info is empty.</source>
        <translation>Przebieg walki jest jeszcze pusty.</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm8</name>
    <message>
        <location filename="../src/screens/zoridex_window.cpp" line="+44"/>
        <source>Species</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close ZORIDEX</source>
        <translation>Zamknij ZORIDEX</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Picture</source>
        <translation>Obrazek</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Attack %1:</source>
        <extracomment>%1 is the attack&apos;s place among the species&apos; four, 1 to 4.</extracomment>
        <translation>Atak %1:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <location filename="../src/screens/mart_window.cpp" line="+48"/>
        <source>Item to buy:</source>
        <translation>Przedmiot do kupienia:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Buy %1</source>
        <extracomment>%1 is the item&apos;s name, e.g. Potions.</extracomment>
        <translation>Kup: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1¥ each. %2 %3</source>
        <extracomment>Read out with the item: %1 is its price in yen, %2 and %3 the two lines of its description.</extracomment>
        <translation>%1¥ za sztukę. %2 %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Buy:</source>
        <translation>&amp;Ilość:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quantity to buy</source>
        <translation>Ilość do kupienia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Cena:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total price</source>
        <translation>Cena łączna</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Buy</source>
        <translation>Kup</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Total price: %1</source>
        <extracomment>%1 is the order&apos;s total in yen, with the yen sign, e.g. 600¥.</extracomment>
        <translation>Cena łączna: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormA</name>
    <message>
        <location filename="../src/screens/type_comparisons_window.cpp" line="+41"/>
        <source>Type Comparisons</source>
        <translation>Porównanie typów</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attack</source>
        <translation>Atak</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN</source>
        <translation>ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attack:</source>
        <translation>Atak:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIKAN:</source>
        <translation>ZORIKAN:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1 Multiplier:</source>
        <translation>Mnożnik typu 1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type 2 Multiplier:</source>
        <translation>Mnożnik typu 2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total:</source>
        <translation>Razem:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormB</name>
    <message>
        <location filename="../src/screens/game_corner_window.cpp" line="+93"/>
        <source>Game Corner</source>
        <translation>Salon gier</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Amount to bet:</source>
        <translation>&amp;Stawka:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Amount to bet in yen</source>
        <translation>Stawka w jenach</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play for %1</source>
        <extracomment>Spoken for an entry of &quot;Play for:&quot;: %1 is the prize, e.g. Money (Pays out 10:1¥).</extracomment>
        <translation>Graj o: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick number %1</source>
        <extracomment>Spoken for an entry of &quot;Pick a number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Wybierz liczbę %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number %1</source>
        <extracomment>Spoken for an entry of &quot;Lucky number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Szczęśliwa liczba %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play for:</source>
        <translation>Graj o:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a number:</source>
        <translation>Wybierz liczbę:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number:</source>
        <translation>Szczęśliwa liczba:</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Draw number!</source>
        <translation>Losuj liczbę!</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Lucky number: %1.</source>
        <extracomment>Spoken after a draw: %1 is the lucky number, 0 to 9.</extracomment>
        <translation>Szczęśliwa liczba: %1.</translation>
    </message>
</context>
<context>
    <name>zorikan::TOKRightDlg</name>
    <message>
        <location filename="../src/screens/name_dialog.cpp" line="+32"/>
        <source>Enter your name:</source>
        <translation>Wpisz swoje imię:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your name</source>
        <translation>Twoje imię</translation>
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
        <translation>Rywal:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZORIKAN to fight</source>
        <translation>ZORIKAN do walki</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a ZORIKAN</source>
        <translation>Wybierz ZORIKAN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at level:</source>
        <translation>na poziomie:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go!</source>
        <translation>Dalej!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::Gauge</name>
    <message>
        <location filename="../src/ui/gauge.cpp" line="+19"/>
        <source>Gauge</source>
        <translation>Wskaźnik</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+19"/>
        <source>ZORIKAN Simulator Help</source>
        <translation>Pomoc – ZORIKAN Simulator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
</context>
</TS>
