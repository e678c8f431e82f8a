<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ExportDialog</name>
    <message>
        <location filename="../src/ui/desktop/system_files.cpp" line="+30"/>
        <source>Export ZORIKAN information</source>
        <translation>Exportar dados de ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>HTML Files (*.htm)</source>
        <translation>Arquivos HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>GameEnd</name>
    <message>
        <location filename="../src/app/web/event_loop.cpp" line="+14"/>
        <source>The game has ended. Reload the page to play again.</source>
        <translation>O jogo terminou. Recarregue a página para jogar de novo.</translation>
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
        <translation>A música só toca no jogo para desktop.</translation>
    </message>
</context>
<context>
    <name>SavedGameDialog</name>
    <message>
        <location filename="../src/ui/saved_game_dialog.cpp" line="+68"/>
        <source>Save game as</source>
        <translation>Salvar jogo como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saved Games (*.ZGS *.zgs)</source>
        <translation>Jogos salvos (*.ZGS *.zgs)</translation>
    </message>
    <message>
        <location filename="../src/ui/web/system_files.cpp" line="+68"/>
        <source>From your computer...</source>
        <translation>Do seu computador…</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Download saved game...</source>
        <translation>Baixar o jogo salvo…</translation>
    </message>
</context>
<context>
    <name>zorikan::BattleArena</name>
    <message>
        <location filename="../src/screens/battle_arena.cpp" line="+45"/>
        <source>Battle Arena</source>
        <translation>Arena de batalha</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Your ZORIKAN</source>
        <translation>Seu ZORIKAN</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your hit points</source>
        <translation>Seus pontos de vida</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+2"/>
        <source>Go!</source>
        <translation>Vai!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Enemy ZORIKAN</source>
        <translation>ZORIKAN inimigo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enemy hit points</source>
        <translation>Pontos de vida do inimigo</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+2"/>
        <source>End Fight</source>
        <translation>Encerrar</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Your hit points: %1</source>
        <extracomment>%1 is the fighter&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Seus pontos de vida: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Enemy hit points: %1</source>
        <extracomment>%1 is the opponent&apos;s hit points as shown, e.g. 35/50.</extracomment>
        <translation>Pontos de vida do inimigo: %1</translation>
    </message>
</context>
<context>
    <name>zorikan::EvolvePanel</name>
    <message>
        <location filename="../src/screens/evolve_panel.cpp" line="+29"/>
        <source>Evolve to:</source>
        <translation>Evoluir para:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Evolve to</source>
        <translation>Evoluir para</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+2"/>
        <source>Evolve</source>
        <translation>Evoluir</translation>
    </message>
</context>
<context>
    <name>zorikan::TAboutBox</name>
    <message>
        <location filename="../src/screens/about_box.cpp" line="+15"/>
        <source>Version 4.1 (%1-bit)</source>
        <extracomment>%1 is the build&apos;s word size in bits: 32 or 64.</extracomment>
        <translation>Versão 4.1 (%1 bits)</translation>
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
        <translation>Começar um novo jogo!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load a saved game...</source>
        <translation>Carregar um jogo salvo…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help!</source>
        <translation>Ajuda!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>Sobre…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm3</name>
    <message>
        <location filename="../src/screens/loader_window.cpp" line="+32"/>
        <source>Stage progress</source>
        <translation>Progresso da etapa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot start without its data. Press Esc or click Quit to leave.</source>
        <translation>O jogo não pode começar sem os seus dados. Pressione Esc ou clique em “Sair” para fechar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading:</source>
        <translation>Carregando:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Progress:</source>
        <translation>Progresso:</translation>
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
        <translation>Escolha seu ZORIKAN inicial:</translation>
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
        <translation>&lt;p style=&apos;font-family: Arial; font-size: 26px; color: #c0392b;&apos;&gt;ZORIKAN Simulator&lt;/p&gt;&lt;p style=&apos;font-size: 12px; color: #555;&apos;&gt;Escolha uma batalha ou o ZORIDEX no menu &lt;b&gt;Ações&lt;/b&gt;.&lt;br&gt;Clique duas vezes em uma criatura na janela&lt;br&gt;Estatísticas para ver como ela está.&lt;br&gt;&lt;br&gt;F6: ir à janela Estatísticas e voltar &amp;nbsp;&amp;middot;&amp;nbsp; F1: ajuda&lt;/p&gt;</translation>
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
        <translation>Poções:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Poções</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions:</source>
        <translation>Poções grandes:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Poções grandes</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+12"/>
        <source>Money:</source>
        <translation>Dinheiro:</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+15"/>
        <source>Fights:</source>
        <translation>Batalhas:</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+16"/>
        <source>Wins:</source>
        <translation>Vitórias:</translation>
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
        <translation>Derrotas/Fugas:</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+18"/>
        <source>Win Percentage:</source>
        <translation>% de vitórias:</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+21"/>
        <source>In ZORIDEX:</source>
        <translation>No ZORIDEX:</translation>
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
        <translation>de %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Items:</source>
        <translation>Itens:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Use %1</source>
        <extracomment>A screen reader&apos;s name for an item button in battle: %1 is the item, e.g. Potions.</extracomment>
        <translation>Usar: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Your ZORIKAN</source>
        <translation>Seus ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doubleclick a ZORIKAN to see its statistics.</source>
        <translation>Clique duas vezes em um ZORIKAN para ver as estatísticas dele.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Main Window</source>
        <translation>Janela principal</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm7</name>
    <message>
        <location filename="../src/screens/battle_log_window.cpp" line="+16"/>
        <source>Battle Info</source>
        <translation>Info da batalha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Battle log</source>
        <translation>Registro da batalha</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Battle Info is empty.</source>
        <translation>Ainda não há nada em Info da batalha.</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm8</name>
    <message>
        <location filename="../src/screens/zoridex_window.cpp" line="+44"/>
        <source>Species</source>
        <translation>Espécie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close ZORIDEX</source>
        <translation>Fechar o ZORIDEX</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Picture</source>
        <translation>Imagem</translation>
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
        <translation>Item para comprar:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Buy %1</source>
        <extracomment>%1 is the item&apos;s name, e.g. Potions.</extracomment>
        <translation>Comprar: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1¥ each. %2 %3</source>
        <extracomment>Read out with the item: %1 is its price in yen, %2 and %3 the two lines of its description.</extracomment>
        <translation>%1¥ cada. %2 %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Buy:</source>
        <translation>&amp;Quantidade:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quantity to buy</source>
        <translation>Quantidade a comprar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Price:</source>
        <translation>Preço:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Total price</source>
        <translation>Preço total</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Buy</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leave</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Total price: %1</source>
        <extracomment>%1 is the order&apos;s total in yen, with the yen sign, e.g. 600¥.</extracomment>
        <translation>Preço total: %1</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>zorikan::TFormB</name>
    <message>
        <location filename="../src/screens/game_corner_window.cpp" line="+93"/>
        <source>Game Corner</source>
        <translation>Salão de jogos</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Amount to bet:</source>
        <translation>&amp;Aposta:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Amount to bet in yen</source>
        <translation>Aposta em ienes</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play for %1</source>
        <extracomment>Spoken for an entry of &quot;Play for:&quot;: %1 is the prize, e.g. Money (Pays out 10:1¥).</extracomment>
        <translation>Jogar valendo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick number %1</source>
        <extracomment>Spoken for an entry of &quot;Pick a number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Escolher o número %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number %1</source>
        <extracomment>Spoken for an entry of &quot;Lucky number:&quot;: %1 is the number, 0 to 9.</extracomment>
        <translation>Número da sorte %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Play for:</source>
        <translation>Jogar valendo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pick a number:</source>
        <translation>Escolha um número:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lucky number:</source>
        <translation>Número da sorte:</translation>
    </message>
    <message>
        <location line="-33"/>
        <source>Draw number!</source>
        <translation>Sortear número!</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Lucky number: %1.</source>
        <extracomment>Spoken after a draw: %1 is the lucky number, 0 to 9.</extracomment>
        <translation>Número da sorte: %1.</translation>
    </message>
</context>
<context>
    <name>zorikan::TOKRightDlg</name>
    <message>
        <location filename="../src/screens/name_dialog.cpp" line="+32"/>
        <source>Enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your name</source>
        <translation>Seu nome</translation>
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
        <translation>Rival:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ZORIKAN to fight</source>
        <translation>ZORIKAN a enfrentar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a ZORIKAN</source>
        <translation>Escolha um ZORIKAN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>at level:</source>
        <translation>no nível:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go!</source>
        <translation>Vai!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Random</source>
        <translation>Aleatório</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::Gauge</name>
    <message>
        <location filename="../src/ui/gauge.cpp" line="+19"/>
        <source>Gauge</source>
        <translation>Medidor</translation>
    </message>
</context>
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+19"/>
        <source>ZORIKAN Simulator Help</source>
        <translation>Ajuda do ZORIKAN Simulator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Texto de ajuda</translation>
    </message>
</context>
</TS>
