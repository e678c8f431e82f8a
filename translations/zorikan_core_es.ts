<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Arena</name>
    <message>
        <location filename="../src/core/text/battle_texts.h" line="+72"/>
        <source>%1 L.%2</source>
        <extracomment>%1: the player&apos;s creature, %2: its level</extracomment>
        <translation>%1 Nv.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 L.%2</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its level</extracomment>
        <translation>%1 Nv.%2</translation>
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
        <translation>Ataques de %1:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1&apos;s Attacks:</source>
        <extracomment>%1: the opponent&apos;s creature; empty before the first battle</extracomment>
        <translation>Ataques de %1:</translation>
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
        <translation>Ataques:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Ataque %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opp. Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Ataque riv. %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run!</source>
        <translation>¡Huir!</translation>
    </message>
</context>
<context>
    <name>Battle</name>
    <message>
        <location line="-79"/>
        <source>Wild %1 appeared!</source>
        <extracomment>%1: the wild creature</extracomment>
        <translation>¡Aparece un %1 salvaje!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wants to fight!</source>
        <extracomment>%1: the trainer</extracomment>
        <translation>¡%1 quiere luchar!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 sent out %2!</source>
        <extracomment>%1: the trainer, %2: the trainer&apos;s creature</extracomment>
        <translation>¡%1 saca a %2!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a ZORIKAN from the Statistics Window. You&apos;ll be asked to confirm your choice.</source>
        <translation>Elige un ZORIKAN en la ventana Estadísticas. Se te pedirá que confirmes tu elección.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose %1?</source>
        <extracomment>%1: the creature double-clicked in the roster</extracomment>
        <translation>¿Elegir a %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, I choose you!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>¡Te toca, %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 used %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its attack</extracomment>
        <translation>¡%1 usa %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 used %2!</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its attack</extracomment>
        <translation>¡El %1 enemigo usa %2!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Critical hit!</source>
        <translation>¡Golpe crítico!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s super effective!</source>
        <translation>¡Es muy eficaz!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s not very effective...</source>
        <translation>No es muy eficaz…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It doesn&apos;t affect %1!</source>
        <extracomment>%1: the creature the attack cannot hurt</extracomment>
        <translation>¡No afecta a %1!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did %2 points of damage to enemy %3.</source>
        <extracomment>%1: the player&apos;s creature, %2: the damage, %3: the opponent&apos;s creature</extracomment>
        <translation>%1 inflige %2 de daño al %3 enemigo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enemy %1 did %2 points of damage to %3.</source>
        <extracomment>%1: the opponent&apos;s creature, %2: the damage, %3: the player&apos;s creature</extracomment>
        <translation>El %1 enemigo inflige %2 de daño a %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 fainted!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>¡El %1 enemigo está K.O.!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 fainted!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>¡%1 está K.O.!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 gained %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points</extracomment>
        <translation>¡%1 gana %2 XP!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 grew to level %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its new level</extracomment>
        <translation>¡%1 sube al nivel %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You got %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>¡Obtienes %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lost %1¥!</source>
        <extracomment>%1: the money lost</extracomment>
        <translation>¡Pierdes %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No! There&apos;s no running from a trainer battle!</source>
        <translation>¡No! ¡No puedes huir de un combate contra un entrenador!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Got away safely!</source>
        <translation>¡Has huido sin problemas!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit the tournament! %1 lost %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points it loses</extracomment>
        <translation>¡Abandonas el torneo! ¡%1 pierde %2 XP!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost a level!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>¡%1 pierde un nivel!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a ZORIBall.</source>
        <translation>Has lanzado una ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Great Ball.</source>
        <translation>Has lanzado una Great Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw an Ultra Ball.</source>
        <translation>Has lanzado una Ultra Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Master Ball.</source>
        <translation>Has lanzado una Master Ball.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You caught %1!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>¡Has capturado a %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry, %1 wasn&apos;t caught.</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Vaya, no has podido capturar a %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It won&apos;t have any effect.</source>
        <translation>No tendrá ningún efecto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 recovered %2 HP!</source>
        <extracomment>%1: the player&apos;s creature, %2: the hit points it got back</extracomment>
        <translation>¡%1 recupera %2 PV!</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+9"/>
        <source>Declaring type relations</source>
        <translation>Cargando relaciones entre tipos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN names</source>
        <translation>Cargando nombres de ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring badge names</source>
        <translation>Cargando nombres de insignias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN Types</source>
        <translation>Cargando tipos de ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolution levels</source>
        <translation>Cargando niveles de evolución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolutions</source>
        <translation>Cargando evoluciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack names</source>
        <translation>Cargando nombres de ataques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack powers</source>
        <translation>Cargando potencias de ataques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack types</source>
        <translation>Cargando tipos de ataques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring type names</source>
        <translation>Cargando nombres de tipos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN attacks</source>
        <translation>Cargando ataques de ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing tournament prizes</source>
        <translation>Preparando premios de torneos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing tournament trainers</source>
        <translation>Preparando entrenadores de torneos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value out of range at line %1</source>
        <extracomment>%1: the line of the data file</extracomment>
        <translation>Valor fuera de rango en la línea %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid numeric input</source>
        <translation>Entrada numérica no válida</translation>
    </message>
</context>
<context>
    <name>Evolution</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+44"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it?</source>
        <extracomment>%1: the creature, %2: what it evolves into</extracomment>
        <translation>Tu %1 puede evolucionar a %2. ¿Quieres que evolucione?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into %3 AND %4 every 3 of 4 times.</source>
        <extracomment>%1: the creature, %2: what it evolves into, %3: its first form, %4: the creature that may join it</extracomment>
        <translation>Tu %1 puede evolucionar a %2. ¿Quieres que evolucione? NOTA: 3 de cada 4 veces, %1 evolucionará a %3 Y se le unirá %4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 evolved into %2!</source>
        <extracomment>%1: the creature, %2: what it became</extracomment>
        <translation>¡%1 ha evolucionado a %2!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select what you would like to evolve your %1 to.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Elige a qué quieres que evolucione tu %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t evolve</source>
        <translation>No evolucionar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 didn&apos;t appear.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>%1 no ha aparecido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your roster is full: %1 could not join it.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>Tu equipo está lleno: %1 no ha podido unirse a él.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 also evolved into %2!</source>
        <extracomment>%1: the creature, %2: the second creature</extracomment>
        <translation>¡%1 también ha evolucionado a %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 can&apos;t evolve.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 no puede evolucionar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your %1 needs to grow %2 more level(s) before it can evolve.</source>
        <extracomment>%1: the creature, %2: the levels it still needs</extracomment>
        <translation>Tu %1 aún no puede evolucionar. Niveles que le faltan: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolution cancelled.</source>
        <translation>Evolución cancelada.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+33"/>
        <source>ZORIKAN Information for %1</source>
        <extracomment>%1: the player</extracomment>
        <translation>Datos de ZORIKAN de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generated by ZORIKAN Simulator %1 %2</source>
        <extracomment>%1: the date, %2: the time</extracomment>
        <translation>Generado por ZORIKAN Simulator el %1 a las %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number/Name</source>
        <translation>Número/Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experience Points</source>
        <translation>Puntos de experiencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>...to next level</source>
        <translation>…para el siguiente nivel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ZORIDEX (%1/%2)</source>
        <extracomment>%1: the species registered, %2: all species</extracomment>
        <translation>En el ZORIDEX (%1/%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source># %1 %2</source>
        <extracomment>%1: the species number, three digits, %2: the species</extracomment>
        <translation>N.º %1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN Information exported to %1. View file now?</source>
        <extracomment>%1: the file</extracomment>
        <translation>Datos de ZORIKAN exportados a %1. ¿Ver el archivo ahora?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened. It is saved as %1.</source>
        <extracomment>%1: the file</extracomment>
        <translation>No se ha podido abrir la página. Está guardada como %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location line="-49"/>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder not found</source>
        <translation>Carpeta no encontrada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <extracomment>%1: the system&apos;s error number</extracomment>
        <translation>Error de E/S %1</translation>
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
        <translation>Dinero (paga %1:1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIBalls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>ZORIBalls (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Great Balls (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ultra Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Ultra Balls (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Master Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Master Balls (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Pociones (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Super Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Grandes pociones (paga 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select something to play for.</source>
        <translation>Elige por qué premio quieres jugar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select a number to bet on.</source>
        <translation>Elige un número al que apostar.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You won! And your prize is...</source>
        <translation>¡Enhorabuena! ¡Has ganado! Y tu premio es…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>¡%1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1!</source>
        <extracomment>%1: the items won, as one of the item counts below</extracomment>
        <translation>¡%1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 and %2¥!</source>
        <extracomment>%1: the items won, as one of the item counts below, %2: the money won besides</extracomment>
        <translation>¡%1 y %2¥!</translation>
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
        <translation>%1 Poción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Pociones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Gran poción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 Grandes pociones</translation>
    </message>
</context>
<context>
    <name>Mart</name>
    <message>
        <location line="-65"/>
        <source>Welcome to ZORIKAN Mart! Click an item for a description.</source>
        <translation>Tienda ZORIKAN: haz clic en un objeto para saber más.</translation>
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
        <translation>Pociones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Grandes pociones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A standard ZORIBALL.</source>
        <translation>Una ZORIBall normal y corriente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used for catching ZORIKAN.</source>
        <translation>Sirve para capturar ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This Ball has good chances</source>
        <translation>Con esta Ball es bastante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of capturing a ZORIKAN.</source>
        <translation>fácil capturar un ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has a very high chance of</source>
        <translation>Con esta Ball es muy fácil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>capturing a ZORIKAN.</source>
        <translation>capturar un ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores %1HP in battle.</source>
        <extracomment>%1: the HP it restores</extracomment>
        <translation>Recupera %1 PV en combate.</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export ZORIKAN information...</source>
        <translation>Exportar datos de ZORIKAN…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a Trainer</source>
        <translation>Luchar contra un entrenador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainers</source>
        <translation>Entrenadores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginner</source>
        <translation>Principiante</translation>
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
        <translation>Novato</translation>
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
        <translation>Intermedio</translation>
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
        <translation>Avanzado</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Severin</source>
        <translation>Severin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aldmark Gym Leaders</source>
        <translation>Maestros de gimnasio de Aldmark</translation>
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
        <translation>Cuatro Grandes de las Tierras Altas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennar Gym Leaders</source>
        <translation>Maestros de gimnasio de Brennar</translation>
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
        <translation>Yo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrelle Gym Leaders (L.100)</source>
        <translation>Maestros de gimnasio de Cyrelle (Nv.100)</translation>
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
        <translation>Otros de élite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowland Grand Four</source>
        <translation>Cuatro Grandes de las Tierras Bajas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coastal Grand Four</source>
        <translation>Cuatro Grandes de la Costa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a wild ZORIKAN</source>
        <translation>Luchar contra un ZORIKAN salvaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search for a ZORIKAN</source>
        <translation>Buscar un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Omnivar</source>
        <translation>Omnivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tournaments</source>
        <translation>Torneos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Easy (Levels 2-10)</source>
        <translation>Muy fácil (niveles 2-10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy (Levels 10-30)</source>
        <translation>Fácil (niveles 10-30)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate (Levels 30-50)</source>
        <translation>Intermedio (niveles 30-50)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard (Levels 50-70)</source>
        <translation>Difícil (niveles 50-70)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Hard (Levels 70-99)</source>
        <translation>Muy difícil (niveles 70-99)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summit Cup (Level 100)</source>
        <translation>Summit Cup (nivel 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy Items</source>
        <translation>Comprar objetos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolve a ZORIKAN</source>
        <translation>Hacer evolucionar un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release a ZORIKAN</source>
        <translation>Liberar un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View ZORIDEX</source>
        <translation>Ver ZORIDEX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type Comparisons</source>
        <translation>Comparar tipos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Corner</source>
        <translation>Sala de juegos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics Window</source>
        <translation>Ventana Estadísticas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open file...</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat Music</source>
        <translation>Repetir música</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop Music</source>
        <translation>Detener música</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Acerca de…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Debug</source>
        <translation>&amp;Depuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make Visible</source>
        <translation>Hacer visible</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Always show attacks in ZORIDEX</source>
        <translation>Mostrar siempre los ataques en el ZORIDEX</translation>
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
        <translation>Este archivo no se puede reproducir</translation>
    </message>
    <message>
        <source>All supported formats (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Todos los formatos compatibles (%1)</translation>
    </message>
    <message>
        <source>MPEG Audio/Video Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Archivos de audio/vídeo MPEG (%1)</translation>
    </message>
    <message>
        <source>Windows Media (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Windows Media (%1)</translation>
    </message>
    <message>
        <source>Wave Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Archivos Wave (%1)</translation>
    </message>
    <message>
        <source>MIDI Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Archivos MIDI (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Todos los archivos (%1)</translation>
    </message>
</context>
<context>
    <name>Rewards</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+10"/>
        <source>You earned the %1!</source>
        <extracomment>%1: the badge</extracomment>
        <translation>¡Has conseguido la %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you get a 2500¥ bonus!</source>
        <translation>¡Has vencido a Roderic, el último maestro de Aldmark! ¡Ya puedes luchar contra los Cuatro Grandes! ¡Y además recibes una bonificación de 2500¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ bonus!</source>
        <translation>¡Has vencido a Vesper, el último maestro de Brennar! ¡Ya puedes luchar contra Kell! ¡Y además recibes una bonificación de 3000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal Elites! Also, you get a 5000¥ bonus!</source>
        <translation>¡Has vencido a Marius, el último maestro de Cyrelle! ¡Ya puedes luchar contra la Élite de las Tierras Bajas y la de la Costa! ¡Y además recibes una bonificación de 5000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! Also, you get a Master Ball!</source>
        <translation>¡Has vencido a Caspian, el campeón de los Cuatro Grandes! ¡Ya puedes luchar contra los maestros de gimnasio de Brennar! ¡Y además recibes una Master Ball!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This Ball will catch any ZORIKAN at any HP. Use it wisely.</source>
        <translation>Esta Ball captura cualquier ZORIKAN, le queden los PV que le queden. Úsala con cabeza.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat Kell! You can now battle me! Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>¡Has vencido a Kell! ¡Ya puedes luchar contra mí! ¡Y además recibes un %1 de Nv.5!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym Leaders! And as if that wasn&apos;t enough, you also get a %1 at L.10!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>¡Me has vencido! ¡Ya puedes luchar contra Omnivar y capturarlo! ¡También puedes luchar contra los maestros de gimnasio de Cyrelle! ¡Y por si fuera poco, además recibes un %1 de Nv.10!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature given</extracomment>
        <translation>Tu equipo está lleno: ya tiene %1 ZORIKAN, así que no queda sitio para %2.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="-148"/>
        <source>Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature that found no room</extracomment>
        <translation>Tu equipo está lleno: ya tiene %1 ZORIKAN. Libera uno para hacer sitio a %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already have if you want to catch another.</source>
        <translation>NOTA: Solo puedes tener un Omnivar a la vez. Si quieres capturar otro, antes tienes que liberar el que ya tienes.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has been added to the ZORIDEX!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>¡%1 se ha añadido al ZORIDEX!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># %1 %2, L.%3, XP:%4, XP to next level:%5</source>
        <extracomment>%1: the species number, three digits, %2: the creature, %3: its level, %4: its experience points, %5: the points it still needs for the next level</extracomment>
        <translation>N.º %1 %2, Nv.%3, XP: %4, XP para el siguiente nivel: %5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can&apos;t release your last ZORIKAN!</source>
        <translation>¡No puedes liberar tu último ZORIKAN!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once released, %1 will not come back. Release %1?</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Una vez liberado, %1 no volverá. ¿Liberar a %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was released. Bye, %1!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Has liberado a %1. ¡Adiós, %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have doubleclicked on a ZORIKAN, Evolution Mode will be disabled.</source>
        <translation>Haz doble clic en un ZORIKAN de la ventana Estadísticas para hacerlo evolucionar. En cuanto hagas doble clic en un ZORIKAN, el modo Evolución se desactivará.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Evolution Mode cancelled.</source>
        <translation>Modo Evolución cancelado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to release it. Once you have doubleclicked on a ZORIKAN, Release Mode will be disabled.</source>
        <translation>Haz doble clic en un ZORIKAN de la ventana Estadísticas para liberarlo. En cuanto hagas doble clic en un ZORIKAN, el modo Liberar se desactivará.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Mode deactivated. Statistics window will now function normally.</source>
        <translation>Modo Liberar desactivado. La ventana Estadísticas vuelve a funcionar con normalidad.</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+3"/>
        <source>%1 - %2 [%3]</source>
        <extracomment>%1: the game&apos;s title, %2: the player, %3: the saved game&apos;s file name</extracomment>
        <translation>%1 - %2 [%3]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid species at line %1</source>
        <extracomment>%1: the line of the saved game</extracomment>
        <translation>Especie no válida en la línea %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds no ZORIKAN. It is not a saved game, or it was cut off.</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>%1 no contiene ningún ZORIKAN. No es una partida guardada, o está incompleta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The saved game ended early, at line %1.
What was missing starts empty.</source>
        <extracomment>%1: the saved game&apos;s last line</extracomment>
        <translation>La partida guardada termina antes de tiempo, en la línea %1.
Lo que faltaba se ha dejado vacío.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot be saved to %1.
%2
Please choose another file.</source>
        <extracomment>%1: the file, %2: why it cannot be written, a sentence</extracomment>
        <translation>No se puede guardar la partida en %1.
%2
Elige otro archivo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game was not saved to %1.
Save it to another file?</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>La partida no se ha guardado en %1.
¿Guardarla en otro archivo?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit without saving?
All progress since the game was started or loaded will be lost.</source>
        <translation>¿Salir sin guardar?
Se perderá todo el progreso desde que empezaste o cargaste la partida.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your progress cannot be saved to %1.
%2
What you have played since then is not on disk yet. The game tries again after each of your actions.</source>
        <extracomment>%1: the saved game&apos;s file, %2: why it cannot be written, a sentence. Shown once, when the save after an action fails; the game keeps trying after each action.</extracomment>
        <translation>Tu progreso no se puede guardar en %1.
%2
Lo que has jugado desde entonces aún no está en el disco. El juego lo vuelve a intentar después de cada una de tus acciones.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your progress is saved to %1 again.</source>
        <extracomment>%1: the saved game&apos;s file. Shown once when saving works again after a failure.</extracomment>
        <translation>Tu progreso vuelve a guardarse en %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This saved game is already open in another ZORIKAN Simulator window.</source>
        <translation>Esta partida guardada ya está abierta en otra ventana de ZORIKAN Simulator.</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+5"/>
        <source>Congratulations! You beat %1! Your next opponent is %2.</source>
        <extracomment>%1: the trainer just beaten, %2: the next opponent</extracomment>
        <translation>¡Enhorabuena! ¡Has vencido a %1! Tu próximo rival es %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have proven your worth against the Highland Grand Four. Now, it is time for you to fight the Highland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Has demostrado tu valía ante los Cuatro Grandes de las Tierras Altas. ¡Ahora te toca luchar contra su campeón: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Lowland Grand Four. Now, it is time for you to fight the Lowland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Has demostrado tu valía ante los Cuatro Grandes de las Tierras Bajas. ¡Ahora te toca luchar contra su campeón: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Coastal Grand Four. Now, it is time for you to fight the Coastal Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Has demostrado tu valía ante los Cuatro Grandes de la Costa. ¡Ahora te toca luchar contra su campeón: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>¡Has vencido a %1, el campeón de los Cuatro Grandes de las Tierras Bajas! ¡Recibes una bonificación de %2¥!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>¡Has vencido a %1, el campeón de los Cuatro Grandes de la Costa! ¡Recibes una bonificación de %2¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>¡Y además recibes un %1 de Nv.5!</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <location line="+3"/>
        <source>None of your ZORIKAN meet the level requirements.</source>
        <translation>Ninguno de tus ZORIKAN cumple los requisitos de nivel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have enough money!</source>
        <translation>¡No tienes suficiente dinero!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.</source>
        <extracomment>%1: the trainer just beaten, %2: the next match&apos;s number, %3: the next trainer, %4: the level of the next trainer&apos;s creature, %5: that creature</extracomment>
        <translation>¡Enhorabuena! ¡Has vencido a %1! Tu siguiente rival es el n.º %2: %3, con un %5 de Nv.%4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...</source>
        <extracomment>%1: the last trainer</extracomment>
        <translation>¡Enhorabuena! ¡Has vencido a %1! ¡Has ganado el torneo! Y ahora, a descubrir tu premio…</translation>
    </message>
    <message>
        <source>You won %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>¡Has ganado %1¥!</translation>
    </message>
    <message>
        <source>You won a random ZORIKAN!</source>
        <translation>¡Has ganado un ZORIKAN al azar!</translation>
    </message>
    <message numerus="yes">
        <source>You won %n ZORIBalls!</source>
        <translation>
            <numerusform>¡Has ganado una ZORIBall!</numerusform>
            <numerusform>¡Has ganado %n ZORIBalls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Great Balls!</source>
        <translation>
            <numerusform>¡Has ganado una Great Ball!</numerusform>
            <numerusform>¡Has ganado %n Great Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Ultra Balls!</source>
        <translation>
            <numerusform>¡Has ganado una Ultra Ball!</numerusform>
            <numerusform>¡Has ganado %n Ultra Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Master Balls!</source>
        <translation>
            <numerusform>¡Has ganado una Master Ball!</numerusform>
            <numerusform>¡Has ganado %n Master Balls!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>¡Has ganado una poción!</numerusform>
            <numerusform>¡Has ganado %n pociones!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Super Potions!</source>
        <translation>
            <numerusform>¡Has ganado una gran poción!</numerusform>
            <numerusform>¡Has ganado %n grandes pociones!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You won a L.%1 %2!</source>
        <extracomment>%1: the creature&apos;s level, %2: the creature</extracomment>
        <translation>¡Has ganado un %2 de Nv.%1!</translation>
    </message>
</context>
<context>
    <name>Type</name>
    <message>
        <source>Moss</source>
        <translation>Musgo</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Brasa</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source>Tide</source>
        <translation>Marea</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>Vendaval</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Escarcha</translation>
    </message>
    <message>
        <source>Bog</source>
        <translation>Ciénaga</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>Ocaso</translation>
    </message>
    <message>
        <source>Lumen</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Sal</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Mineral</translation>
    </message>
    <message>
        <source>Silk</source>
        <translation>Seda</translation>
    </message>
    <message>
        <source>Herd</source>
        <translation>Manada</translation>
    </message>
    <message>
        <source>Spore</source>
        <translation>Espora</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Sueño</translation>
    </message>
</context>
<context>
    <name>WildSearch</name>
    <message>
        <location line="+3"/>
        <source>Using Omnivar&apos;s psychic powers, you can fight any ZORIKAN you want to, and at any level. Please select which ZORIKAN to fight against, or click Random to face a random ZORIKAN.</source>
        <translation>Gracias a los poderes psíquicos de Omnivar, puedes luchar contra el ZORIKAN que quieras y al nivel que quieras. Elige contra qué ZORIKAN luchar, o haz clic en Al azar para enfrentarte a uno cualquiera.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose which ZORIKAN to fight from the list first, or click Random to face a random ZORIKAN.</source>
        <translation>Primero elige en la lista contra qué ZORIKAN luchar, o haz clic en Al azar para enfrentarte a uno cualquiera.</translation>
    </message>
</context>
<context>
    <name>Zoridex</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+33"/>
        <source>%1 (#%2)</source>
        <extracomment>%1: the species, %2: its number, three digits</extracomment>
        <translation>%1 (n.º %2)</translation>
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
        <translation>Puede evolucionar al nivel %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not evolve.</source>
        <translation>No evoluciona.</translation>
    </message>
</context>
</TS>
