<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="+30"/>
        <source>Export ZORIKAN information</source>
        <translation>Esporta i dati ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML Files (*.htm)</source>
        <translation>File HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <location filename="../src/app/web/event_loop.cpp" line="+14"/>
        <source>The game has ended. Reload the page to play again.</source>
        <translation>La partita è finita. Ricarica la pagina per giocare di nuovo.</translation>
    </message>
</context>
<context>
    <name>MusicDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="-18"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location filename="../src/ui/web/music_backend.cpp" line="+10"/>
        <source>Music plays in the desktop game only.</source>
        <translation>La musica suona solo nel gioco per desktop.</translation>
    </message>
</context>
<context>
    <name>SavedGameDialog</name>
    <message>
        <location filename="../src/ui/saved_game_dialog.cpp" line="+68"/>
        <source>Save game as</source>
        <translation>Salva partita come</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved Games (*.ZGS *.zgs)</source>
        <translation>Partite salvate (*.ZGS *.zgs)</translation>
    </message>
    <message>
        <location filename="../src/ui/web/system_files.cpp" line="+68"/>
        <source>From your computer...</source>
        <translation>Dal tuo computer…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download saved game...</source>
        <translation>Scarica la partita…</translation>
    </message>
</context>
<context>
    <name>zorikan::BattleArena</name>
    <message>
        <location filename="../src/screens/battle_arena.cpp" line="+45"/>
        <source>Battle Arena</source>
        <translation>Arena di lotta</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your ZORIKAN</source>
        <translation>Il tuo ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your hit points</source>
        <translation>I tuoi punti vita</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+2"/>
        <source>Go!</source>
        <translation>Via!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enemy ZORIKAN</source>
        <translation>ZORIKAN nemico</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enemy hit points</source>
        <translation>Punti vita del nemico</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>End Fight</source>
        <translation>Termina</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Your hit points: %1</source>
        <extracomment>%1 is the fighter&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>I tuoi punti vita: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enemy hit points: %1</source>
        <extracomment>%1 is the opponent&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Punti vita del nemico: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::EvolvePanel</name>
    <message>
        <location filename="../src/screens/evolve_panel.cpp" line="+29"/>
        <source>Evolve to:</source>
        <translation>Evoluzione in:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evolve to</source>
        <translation>Evoluzione in</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Evolve</source>
        <translation>Evolvi</translation>
    </message>
</context>
<context>
    <name>zorikan::TAboutBox</name>
    <message>
        <location filename="../src/screens/about_box.cpp" line="+15"/>
        <source>Version 4.1 (%1-bit)</source>
        <extracomment>%1 is the build&apos;s word size in bits: 32 or 64.</extracomment>
        <translation>Versione 4.1 (%1 bit)</translation>
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
        <translation>Inizia una nuova partita!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load a saved game...</source>
        <translation>Carica una partita…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help!</source>
        <translation>Aiuto!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>Informazioni…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm3</name>
    <message>
        <location filename="../src/screens/loader_window.cpp" line="+32"/>
        <source>Stage progress</source>
        <translation>Avanzamento della fase</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total progress</source>
        <translation>Avanzamento totale</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot start without its data. Press Esc or click Quit to leave.</source>
        <translation>Il gioco non può partire senza i suoi dati. Premi Esc o clicca su «Esci» per uscire.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading:</source>
        <translation>Caricamento:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm4</name>
    <message>
        <location filename="../src/screens/main_window.cpp" line="+105"/>
        <source>Select a starting ZORIKAN:</source>
        <translation>Scegli il tuo ZORIKAN iniziale:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starting ZORIKAN</source>
        <translation>ZORIKAN iniziale</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Choose a battle or the ZORIDEX from the &lt;b&gt;Actions&lt;/b&gt; menu.&lt;br&gt;Double-click a creature in the Statistics window&lt;br&gt;to see how it is doing.&lt;br&gt;&lt;br&gt;F6: to the Statistics window and back &amp;nbsp;&amp;middot;&amp;nbsp; F1: help&lt;/p&gt;</source>
        <extracomment>Keep the markup; &lt;br&gt; breaks the lines of the hint in the empty arena.</extracomment>
        <translation>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Scegli una lotta o lo ZORIDEX dal menu &lt;b&gt;Azioni&lt;/b&gt;.&lt;br&gt;Fai doppio clic su una creatura nella finestra&lt;br&gt;Statistiche per vedere come sta.&lt;br&gt;&lt;br&gt;F6: alla finestra Statistiche e ritorno &amp;nbsp;&amp;middot;&amp;nbsp; F1: aiuto&lt;/p&gt;</translation>
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
        <translation>Pozioni:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Pozioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions:</source>
        <translation>Pozioni grandi:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Pozioni grandi</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+12"/>
        <source>Money:</source>
        <translation>Soldi:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+15"/>
        <source>Fights:</source>
        <translation>Lotte:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wins:</source>
        <translation>Vittorie:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Catches:</source>
        <translation>Catture:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Losses/Flees:</source>
        <translation>Sconfitte/Fughe:</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>Win Percentage:</source>
        <translation>% vittorie:</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+21"/>
        <source>In ZORIDEX:</source>
        <translation>Nello ZORIDEX:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>of %1</source>
        <extracomment>After the number of species in the ZORIDEX: %1 is the number of all species.</extracomment>
        <translation>su %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Items:</source>
        <translation>Oggetti:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Use %1</source>
        <extracomment>A screen reader&apos;s name for an item button in battle: %1 is the item, e.g. Potions.</extracomment>
        <translation>Usa: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your ZORIKAN</source>
        <translation>I tuoi ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doubleclick a ZORIKAN to see its statistics.</source>
        <translation>Fai doppio clic su uno ZORIKAN per vederne le statistiche.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Main Window</source>
        <translation>Finestra principale</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm7</name>
    <message>
        <location filename="../src/screens/battle_log_window.cpp" line="+16"/>
        <source>Battle Info</source>
        <translation>Info lotta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battle log</source>
        <translation>Registro della lotta</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Battle Info is empty.</source>
        <translation>Info lotta non contiene ancora nulla.</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm8</name>
    <message>
        <location filename="../src/screens/zoridex_window.cpp" line="+44"/>
        <source>Species</source>
        <translation>Specie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close ZORIDEX</source>
        <translation>Chiudi lo ZORIDEX</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Attack %1:</source>
        <extracomment>%1 is the attack&apos;s place among the species&apos; four, 1 to 4.</extracomment>
        <translation>Attacco %1:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <location filename="../src/screens/mart_window.cpp" line="+48"/>
        <source>Item to buy:</source>
        <translation>Articolo da comprare:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Buy %1</source>
        <extracomment>%1 is the item&apos;s name, e.g. Potions.</extracomment>
        <translation>Compra: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1¥ each. %2 %3</source>
        <extracomment>Read out with the item: %1 is its price in yen, %2 and %3 the two lines of its description.</extracomment>
        <translation>%1¥ ciascuno. %2 %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Buy:</source>
        <translation>&amp;Quantità:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quantity to buy</source>
        <translation>Quantità da comprare</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Prezzo:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total price</source>
        <translation>Prezzo totale</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Buy</source>
        <translation>Compra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Total price: %1</source>
        <extracomment>%1 is the order&apos;s total in yen, with the yen sign, e.g. 600¥.</extracomment>
        <translation>Prezzo totale: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormA</name>
    <message>
        <location filename="../src/screens/type_comparisons_window.cpp" line="+41"/>
        <source>Type Comparisons</source>
        <translation>Confronto tipi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attack</source>
        <translation>Attacco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN</source>
        <translation>ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attack:</source>
        <translation>Attacco:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIKAN:</source>
        <translation>ZORIKAN:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1 Multiplier:</source>
        <translation>Moltiplicatore tipo 1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type 2 Multiplier:</source>
        <translation>Moltiplicatore tipo 2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormB</name>
    <message>
        <location filename="../src/screens/game_corner_window.cpp" line="+93"/>
        <source>Game Corner</source>
        <translation>Sala giochi</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Amount to bet:</source>
        <translation>&amp;Puntata:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Amount to bet in yen</source>
        <translation>Puntata in yen</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play for %1</source>
        <extracomment>Spoken for an entry of &quot;Play for:&quot;: %1 is the prize, e.g. Money (Pays out 10:1¥).</extracomment>
        <translation>Gioca per: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick number %1</source>
        <extracomment>Spoken for an entry of &quot;Pick a number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Scegli il numero %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number %1</source>
        <extracomment>Spoken for an entry of &quot;Lucky number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Numero fortunato %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play for:</source>
        <translation>Gioca per:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a number:</source>
        <translation>Scegli un numero:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number:</source>
        <translation>Numero fortunato:</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Draw number!</source>
        <translation>Estrai il numero!</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Lucky number: %1.</source>
        <extracomment>Spoken after a draw: %1 is the lucky number, 0 to 9.</extracomment>
        <translation>Numero fortunato: %1.</translation>
    </message>
</context>
<context>
    <name>zorikan::TOKRightDlg</name>
    <message>
        <location filename="../src/screens/name_dialog.cpp" line="+32"/>
        <source>Enter your name:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
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
        <translation>Avversario:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZORIKAN to fight</source>
        <translation>ZORIKAN da affrontare</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a ZORIKAN</source>
        <translation>Scegli uno ZORIKAN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at level:</source>
        <translation>al livello:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go!</source>
        <translation>Via!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::Gauge</name>
    <message>
        <location filename="../src/ui/gauge.cpp" line="+19"/>
        <source>Gauge</source>
        <translation>Indicatore</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+19"/>
        <source>ZORIKAN Simulator Help</source>
        <translation>Guida di ZORIKAN Simulator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
</context>
</TS>
