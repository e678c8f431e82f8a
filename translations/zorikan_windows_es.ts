<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="+30"/>
        <source>Export ZORIKAN information</source>
        <translation>Exportar datos de ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML Files (*.htm)</source>
        <translation>Archivos HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <location filename="../src/app/web/event_loop.cpp" line="+14"/>
        <source>The game has ended. Reload the page to play again.</source>
        <translation>La partida ha terminado. Recarga la página para volver a jugar.</translation>
    </message>
</context>
<context>
    <name>MusicDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="-18"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../src/ui/web/music_backend.cpp" line="+10"/>
        <source>Music plays in the desktop game only.</source>
        <translation>La música solo suena en el juego de escritorio.</translation>
    </message>
</context>
<context>
    <name>SavedGameDialog</name>
    <message>
        <location filename="../src/ui/saved_game_dialog.cpp" line="+68"/>
        <source>Save game as</source>
        <translation>Guardar partida como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved Games (*.ZGS *.zgs)</source>
        <translation>Partidas guardadas (*.ZGS *.zgs)</translation>
    </message>
    <message>
        <location filename="../src/ui/web/system_files.cpp" line="+68"/>
        <source>From your computer...</source>
        <translation>Desde tu ordenador…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download saved game...</source>
        <translation>Descargar la partida…</translation>
    </message>
</context>
<context>
    <name>zorikan::BattleArena</name>
    <message>
        <location filename="../src/screens/battle_arena.cpp" line="+45"/>
        <source>Battle Arena</source>
        <translation>Arena de combate</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your ZORIKAN</source>
        <translation>Tus ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your hit points</source>
        <translation>Tus puntos de vida</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+2"/>
        <source>Go!</source>
        <translation>¡Ya!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enemy ZORIKAN</source>
        <translation>ZORIKAN enemigo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enemy hit points</source>
        <translation>Puntos de vida enemigos</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>End Fight</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Your hit points: %1</source>
        <extracomment>%1 is the fighter&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Tus puntos de vida: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enemy hit points: %1</source>
        <extracomment>%1 is the opponent&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Puntos de vida enemigos: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::EvolvePanel</name>
    <message>
        <location filename="../src/screens/evolve_panel.cpp" line="+29"/>
        <source>Evolve to:</source>
        <translation>Evolucionar a:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evolve to</source>
        <translation>Evolucionar a</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Evolve</source>
        <translation>Evolucionar</translation>
    </message>
</context>
<context>
    <name>zorikan::TAboutBox</name>
    <message>
        <location filename="../src/screens/about_box.cpp" line="+15"/>
        <source>Version 4.1 (%1-bit)</source>
        <extracomment>%1 is the build&apos;s word size in bits: 32 or 64.</extracomment>
        <translation>Versión 4.1 (%1 bits)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm1</name>
    <message>
        <location filename="../src/screens/title_window.cpp" line="+37"/>
        <source>Start a new game!</source>
        <translation>¡Empezar una nueva partida!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load a saved game...</source>
        <translation>Cargar una partida…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help!</source>
        <translation>¡Ayuda!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm3</name>
    <message>
        <location filename="../src/screens/loader_window.cpp" line="+32"/>
        <source>Stage progress</source>
        <translation>Progreso de la etapa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot start without its data. Press Esc or click Quit to leave.</source>
        <translation>El juego no puede empezar sin sus datos. Pulsa Esc o haz clic en «Salir» para cerrarlo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading:</source>
        <translation>Cargando:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm4</name>
    <message>
        <location filename="../src/screens/main_window.cpp" line="+105"/>
        <source>Select a starting ZORIKAN:</source>
        <translation>Elige tu ZORIKAN inicial:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Starting ZORIKAN</source>
        <translation>ZORIKAN inicial</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Choose a battle or the ZORIDEX from the &lt;b&gt;Actions&lt;/b&gt; menu.&lt;br&gt;Double-click a creature in the Statistics window&lt;br&gt;to see how it is doing.&lt;br&gt;&lt;br&gt;F6: to the Statistics window and back &amp;nbsp;&amp;middot;&amp;nbsp; F1: help&lt;/p&gt;</source>
        <extracomment>Keep the markup; &lt;br&gt; breaks the lines of the hint in the empty arena.</extracomment>
        <translation>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Elige un combate o el ZORIDEX en el menú &lt;b&gt;Acciones&lt;/b&gt;.&lt;br&gt;Haz doble clic en una criatura de la ventana&lt;br&gt;Estadísticas para ver cómo está.&lt;br&gt;&lt;br&gt;F6: a la ventana Estadísticas y vuelta &amp;nbsp;&amp;middot;&amp;nbsp; F1: ayuda&lt;/p&gt;</translation>
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
        <translation>Pociones:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Pociones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions:</source>
        <translation>Grandes pociones:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Grandes pociones</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+12"/>
        <source>Money:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+15"/>
        <source>Fights:</source>
        <translation>Combates:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wins:</source>
        <translation>Victorias:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Catches:</source>
        <translation>Capturas:</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+17"/>
        <source>Losses/Flees:</source>
        <translation>Derrotas/Huidas:</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>Win Percentage:</source>
        <translation>% de victorias:</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+21"/>
        <source>In ZORIDEX:</source>
        <translation>En el ZORIDEX:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>of %1</source>
        <extracomment>After the number of species in the ZORIDEX: %1 is the number of all species.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Items:</source>
        <translation>Objetos:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Use %1</source>
        <extracomment>A screen reader&apos;s name for an item button in battle: %1 is the item, e.g. Potions.</extracomment>
        <translation>Usar %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your ZORIKAN</source>
        <translation>Tus ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doubleclick a ZORIKAN to see its statistics.</source>
        <translation>Haz doble clic en un ZORIKAN para ver sus estadísticas.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Main Window</source>
        <translation>Ventana principal</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm7</name>
    <message>
        <location filename="../src/screens/battle_log_window.cpp" line="+16"/>
        <source>Battle Info</source>
        <translation>Info de combate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battle log</source>
        <translation>Registro de combate</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Battle Info is empty.</source>
        <translation>La info de combate está vacía.</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm8</name>
    <message>
        <location filename="../src/screens/zoridex_window.cpp" line="+44"/>
        <source>Species</source>
        <translation>Especie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close ZORIDEX</source>
        <translation>Cerrar ZORIDEX</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Attack %1:</source>
        <extracomment>%1 is the attack&apos;s place among the species&apos; four, 1 to 4.</extracomment>
        <translation>Ataque %1:</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <location filename="../src/screens/mart_window.cpp" line="+48"/>
        <source>Item to buy:</source>
        <translation>Objeto a comprar:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Buy %1</source>
        <extracomment>%1 is the item&apos;s name, e.g. Potions.</extracomment>
        <translation>Comprar %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1¥ each. %2 %3</source>
        <extracomment>Read out with the item: %1 is its price in yen, %2 and %3 the two lines of its description.</extracomment>
        <translation>%1¥ cada uno. %2 %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Buy:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quantity to buy</source>
        <translation>Cantidad a comprar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Precio:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total price</source>
        <translation>Precio total</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Buy</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Total price: %1</source>
        <extracomment>%1 is the order&apos;s total in yen, with the yen sign, e.g. 600¥.</extracomment>
        <translation>Precio total: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormA</name>
    <message>
        <location filename="../src/screens/type_comparisons_window.cpp" line="+41"/>
        <source>Type Comparisons</source>
        <translation>Comparar tipos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Attack</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN</source>
        <translation>ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attack:</source>
        <translation>Ataque:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIKAN:</source>
        <translation>ZORIKAN:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type 1 Multiplier:</source>
        <translation>Multiplicador tipo 1:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type 2 Multiplier:</source>
        <translation>Multiplicador tipo 2:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormB</name>
    <message>
        <location filename="../src/screens/game_corner_window.cpp" line="+93"/>
        <source>Game Corner</source>
        <translation>Sala de juegos</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Amount to bet:</source>
        <translation>&amp;Apuesta:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Amount to bet in yen</source>
        <translation>Apuesta en yenes</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play for %1</source>
        <extracomment>Spoken for an entry of &quot;Play for:&quot;: %1 is the prize, e.g. Money (Pays out 10:1¥).</extracomment>
        <translation>Jugar por %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick number %1</source>
        <extracomment>Spoken for an entry of &quot;Pick a number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Elegir el número %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number %1</source>
        <extracomment>Spoken for an entry of &quot;Lucky number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Número de la suerte %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play for:</source>
        <translation>Jugar por:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a number:</source>
        <translation>Elige un número:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number:</source>
        <translation>Número de la suerte:</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Draw number!</source>
        <translation>¡Sortear número!</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Lucky number: %1.</source>
        <extracomment>Spoken after a draw: %1 is the lucky number, 0 to 9.</extracomment>
        <translation>Número de la suerte: %1.</translation>
    </message>
</context>
<context>
    <name>zorikan::TOKRightDlg</name>
    <message>
        <location filename="../src/screens/name_dialog.cpp" line="+32"/>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zorikan::WildPanel</name>
    <message>
        <location filename="../src/screens/wild_panel.cpp" line="+33"/>
        <source>Fight:</source>
        <translation>Luchar contra:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZORIKAN to fight</source>
        <translation>ZORIKAN contra el que luchar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a ZORIKAN</source>
        <translation>Elige un ZORIKAN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at level:</source>
        <translation>al nivel:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go!</source>
        <translation>¡Ya!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::Gauge</name>
    <message>
        <location filename="../src/ui/gauge.cpp" line="+19"/>
        <source>Gauge</source>
        <translation>Indicador</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+19"/>
        <source>ZORIKAN Simulator Help</source>
        <translation>Ayuda de ZORIKAN Simulator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
</TS>
