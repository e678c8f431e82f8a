<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Arena</name>
    <message>
        <location filename="../src/core/text/battle_texts.h" line="+72"/>
        <source>%1 L.%2</source>
        <extracomment>%1: the player&apos;s creature, %2: its level</extracomment>
        <translation>%1 ур.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 L.%2</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its level</extracomment>
        <translation>%1 ур.%2</translation>
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
        <translation>Атаки %1:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1&apos;s Attacks:</source>
        <extracomment>%1: the opponent&apos;s creature; empty before the first battle</extracomment>
        <translation>Атаки врага: %1</translation>
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
        <translation>Атаки:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Атака %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opp. Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Атака врага %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run!</source>
        <translation>Бежать!</translation>
    </message>
</context>
<context>
    <name>Battle</name>
    <message>
        <location line="-79"/>
        <source>Wild %1 appeared!</source>
        <extracomment>%1: the wild creature</extracomment>
        <translation>Появился дикий ZORIKAN %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wants to fight!</source>
        <extracomment>%1: the trainer</extracomment>
        <translation>%1 вызывает тебя на бой!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 sent out %2!</source>
        <extracomment>%1: the trainer, %2: the trainer&apos;s creature</extracomment>
        <translation>%1 выпускает %2!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a ZORIKAN from the Statistics Window. You&apos;ll be asked to confirm your choice.</source>
        <translation>Выбери ZORIKAN в окне статистики. Выбор нужно будет подтвердить.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose %1?</source>
        <extracomment>%1: the creature double-clicked in the roster</extracomment>
        <translation>Выбрать %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, I choose you!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1, вперёд!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 used %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its attack</extracomment>
        <translation>%1 применяет %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 used %2!</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its attack</extracomment>
        <translation>Враг %1 применяет %2!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Critical hit!</source>
        <translation>Критический удар!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s super effective!</source>
        <translation>Это очень эффективно!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s not very effective...</source>
        <translation>Это малоэффективно…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It doesn&apos;t affect %1!</source>
        <extracomment>%1: the creature the attack cannot hurt</extracomment>
        <translation>На %1 это не действует!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did %2 points of damage to enemy %3.</source>
        <extracomment>%1: the player&apos;s creature, %2: the damage, %3: the opponent&apos;s creature</extracomment>
        <translation>%1 наносит врагу %3 %2 ед. урона.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enemy %1 did %2 points of damage to %3.</source>
        <extracomment>%1: the opponent&apos;s creature, %2: the damage, %3: the player&apos;s creature</extracomment>
        <translation>Враг %1 наносит %3 %2 ед. урона.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 fainted!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Враг %1 без сил!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 fainted!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 без сил!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 gained %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points</extracomment>
        <translation>%1 получает %2 ед. опыта!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 grew to level %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its new level</extracomment>
        <translation>%1 достигает уровня %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You got %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Ты получаешь %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lost %1¥!</source>
        <extracomment>%1: the money lost</extracomment>
        <translation>Ты теряешь %1¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No! There&apos;s no running from a trainer battle!</source>
        <translation>Нет! От боя с тренером не убежать!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Got away safely!</source>
        <translation>Побег удался!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit the tournament! %1 lost %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points it loses</extracomment>
        <translation>Ты покидаешь турнир! %1 теряет %2 ед. опыта!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost a level!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 теряет уровень!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a ZORIBall.</source>
        <translation>Ты бросаешь ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Great Ball.</source>
        <translation>Ты бросаешь Great Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw an Ultra Ball.</source>
        <translation>Ты бросаешь Ultra Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Master Ball.</source>
        <translation>Ты бросаешь Master Ball.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You caught %1!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Поймано: %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry, %1 wasn&apos;t caught.</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Увы, %1 вырывается.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It won&apos;t have any effect.</source>
        <translation>Это ничего не даст.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 recovered %2 HP!</source>
        <extracomment>%1: the player&apos;s creature, %2: the hit points it got back</extracomment>
        <translation>%1 восстанавливает %2 ОЗ!</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+9"/>
        <source>Declaring type relations</source>
        <translation>Загрузка связей типов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN names</source>
        <translation>Загрузка имён ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring badge names</source>
        <translation>Загрузка названий значков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN Types</source>
        <translation>Загрузка типов ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolution levels</source>
        <translation>Загрузка уровней эволюции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolutions</source>
        <translation>Загрузка эволюций</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack names</source>
        <translation>Загрузка названий атак</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack powers</source>
        <translation>Загрузка силы атак</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack types</source>
        <translation>Загрузка типов атак</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring type names</source>
        <translation>Загрузка названий типов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN attacks</source>
        <translation>Загрузка атак ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing tournament prizes</source>
        <translation>Подготовка призов турниров</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing tournament trainers</source>
        <translation>Подготовка тренеров турниров</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value out of range at line %1</source>
        <extracomment>%1: the line of the data file</extracomment>
        <translation>Значение вне допустимых пределов в строке %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid numeric input</source>
        <translation>Неверное числовое значение</translation>
    </message>
</context>
<context>
    <name>Evolution</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+44"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it?</source>
        <extracomment>%1: the creature, %2: what it evolves into</extracomment>
        <translation>ZORIKAN %1 может эволюционировать в %2. Начать эволюцию?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into %3 AND %4 every 3 of 4 times.</source>
        <extracomment>%1: the creature, %2: what it evolves into, %3: its first form, %4: the creature that may join it</extracomment>
        <translation>ZORIKAN %1 может эволюционировать в %2. Начать эволюцию? ВНИМАНИЕ: в 3 случаях из 4 %1 превращается в %3 И %4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 evolved into %2!</source>
        <extracomment>%1: the creature, %2: what it became</extracomment>
        <translation>%1 превращается в %2!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select what you would like to evolve your %1 to.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Выбери, во что превратится %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t evolve</source>
        <translation>Не эволюционировать</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 didn&apos;t appear.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>%1 так и не появляется.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your roster is full: %1 could not join it.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>Твоя команда полна: %1 не может к ней присоединиться.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 also evolved into %2!</source>
        <extracomment>%1: the creature, %2: the second creature</extracomment>
        <translation>%1 тоже превращается в %2!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 can&apos;t evolve.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 не может эволюционировать.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your %1 needs to grow %2 more level(s) before it can evolve.</source>
        <extracomment>%1: the creature, %2: the levels it still needs</extracomment>
        <translation>До эволюции ZORIKAN %1 осталось уровней: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolution cancelled.</source>
        <translation>Эволюция отменена.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+33"/>
        <source>ZORIKAN Information for %1</source>
        <extracomment>%1: the player</extracomment>
        <translation>Данные ZORIKAN игрока %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generated by ZORIKAN Simulator %1 %2</source>
        <extracomment>%1: the date, %2: the time</extracomment>
        <translation>Создано в ZORIKAN Simulator %1 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>Оглавление</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number/Name</source>
        <translation>Номер/имя</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experience Points</source>
        <translation>Очки опыта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>...to next level</source>
        <translation>…до следующего уровня</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ZORIDEX (%1/%2)</source>
        <extracomment>%1: the species registered, %2: all species</extracomment>
        <translation>В ZORIDEX (%1/%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source># %1 %2</source>
        <extracomment>%1: the species number, three digits, %2: the species</extracomment>
        <translation>№ %1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN Information exported to %1. View file now?</source>
        <extracomment>%1: the file</extracomment>
        <translation>Данные ZORIKAN сохранены в %1. Открыть файл?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened. It is saved as %1.</source>
        <extracomment>%1: the file</extracomment>
        <translation>Не удалось открыть страницу. Она сохранена как %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location line="-49"/>
        <source>Disk full</source>
        <translation>Диск заполнен</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File access denied</source>
        <translation>Доступ к файлу запрещён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder not found</source>
        <translation>Папка не найдена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <extracomment>%1: the system&apos;s error number</extracomment>
        <translation>Ошибка ввода-вывода %1</translation>
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
        <translation>Деньги (выплата %1:1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIBalls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>ZORIBall (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Great Ball (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ultra Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Ultra Ball (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Master Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Master Ball (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Зелья (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Super Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Суперзелья (выплата 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select something to play for.</source>
        <translation>Выбери, на что играть.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select a number to bet on.</source>
        <translation>Выбери число для ставки.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You won! And your prize is...</source>
        <translation>Поздравляем! Победа! Твой приз…</translation>
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
        <translation>%1 и %2¥!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ZORIBall</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>ZORIBall × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 ZORIBalls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>ZORIBall × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Great Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Great Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Great Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Ultra Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Ultra Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Ultra Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Ball</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Master Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Master Balls</source>
        <extracomment>%1: the number of balls</extracomment>
        <translation>Master Ball × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>Зелье × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>Зелье × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>Суперзелье × %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>Суперзелье × %1</translation>
    </message>
</context>
<context>
    <name>Mart</name>
    <message>
        <location line="-65"/>
        <source>Welcome to ZORIKAN Mart! Click an item for a description.</source>
        <translation>Магазин ZORIKAN — щёлкни товар, чтобы увидеть описание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZORIBalls</source>
        <translation>ZORIBall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Great Balls</source>
        <translation>Great Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ultra Balls</source>
        <translation>Ultra Ball</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions</source>
        <translation>Зелья</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Суперзелья</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A standard ZORIBALL.</source>
        <translation>Обычный ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used for catching ZORIKAN.</source>
        <translation>Нужен для ловли ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This Ball has good chances</source>
        <translation>Даёт хорошие шансы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of capturing a ZORIKAN.</source>
        <translation>поймать ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has a very high chance of</source>
        <translation>Даёт очень высокие шансы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>capturing a ZORIKAN.</source>
        <translation>поймать ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores %1HP in battle.</source>
        <extracomment>%1: the HP it restores</extracomment>
        <translation>Восстанавливает %1 ОЗ в бою.</translation>
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
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export ZORIKAN information...</source>
        <translation>Экспорт данных ZORIKAN…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Actions</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a Trainer</source>
        <translation>Бой с тренером</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainers</source>
        <translation>Тренеры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginner</source>
        <translation>Начинающие</translation>
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
        <translation>Новички</translation>
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
        <translation>Бывалые</translation>
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
        <translation>Продвинутые</translation>
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
        <translation>Эксперты</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Severin</source>
        <translation>Severin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aldmark Gym Leaders</source>
        <translation>Лидеры стадионов Aldmark</translation>
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
        <translation>Великая четвёрка нагорья</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennar Gym Leaders</source>
        <translation>Лидеры стадионов Brennar</translation>
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
        <translation>Я</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrelle Gym Leaders (L.100)</source>
        <translation>Лидеры стадионов Cyrelle (ур.100)</translation>
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
        <translation>Прочая элита</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowland Grand Four</source>
        <translation>Великая четвёрка равнин</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coastal Grand Four</source>
        <translation>Великая четвёрка побережья</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a wild ZORIKAN</source>
        <translation>Бой с диким ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search for a ZORIKAN</source>
        <translation>Искать ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Omnivar</source>
        <translation>Omnivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tournaments</source>
        <translation>Турниры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Easy (Levels 2-10)</source>
        <translation>Очень лёгкий (ур. 2–10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy (Levels 10-30)</source>
        <translation>Лёгкий (ур. 10–30)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate (Levels 30-50)</source>
        <translation>Средний (ур. 30–50)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard (Levels 50-70)</source>
        <translation>Трудный (ур. 50–70)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Hard (Levels 70-99)</source>
        <translation>Очень трудный (ур. 70–99)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summit Cup (Level 100)</source>
        <translation>Summit Cup (ур. 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy Items</source>
        <translation>Купить предметы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolve a ZORIKAN</source>
        <translation>Эволюция ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release a ZORIKAN</source>
        <translation>Отпустить ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View ZORIDEX</source>
        <translation>Открыть ZORIDEX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type Comparisons</source>
        <translation>Сравнение типов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Corner</source>
        <translation>Игровой зал</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics Window</source>
        <translation>Окно статистики</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open file...</source>
        <translation>Открыть файл…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat Music</source>
        <translation>Повторять музыку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop Music</source>
        <translation>Остановить музыку</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>О программе…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Debug</source>
        <translation>&amp;Отладка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make Visible</source>
        <translation>Сделать видимым</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Always show attacks in ZORIDEX</source>
        <translation>Всегда показывать атаки в ZORIDEX</translation>
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
        <translation>Этот файл невозможно воспроизвести</translation>
    </message>
    <message>
        <source>All supported formats (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Все поддерживаемые форматы (%1)</translation>
    </message>
    <message>
        <source>MPEG Audio/Video Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Файлы аудио/видео MPEG (%1)</translation>
    </message>
    <message>
        <source>Windows Media (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Windows Media (%1)</translation>
    </message>
    <message>
        <source>Wave Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Файлы Wave (%1)</translation>
    </message>
    <message>
        <source>MIDI Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Файлы MIDI (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Все файлы (%1)</translation>
    </message>
</context>
<context>
    <name>Rewards</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+10"/>
        <source>You earned the %1!</source>
        <extracomment>%1: the badge</extracomment>
        <translation>Твоя награда: %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you get a 2500¥ bonus!</source>
        <translation>Победа над Roderic — последним лидером Aldmark! Теперь тебе доступны бои с Великой четвёркой! А ещё ты получаешь бонус 2500¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ bonus!</source>
        <translation>Победа над Vesper — последним лидером Brennar! Теперь тебе доступен бой с Kell! А ещё ты получаешь бонус 3000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal Elites! Also, you get a 5000¥ bonus!</source>
        <translation>Победа над Marius — последним лидером Cyrelle! Теперь тебе доступны бои с элитой равнин и побережья! А ещё ты получаешь бонус 5000¥!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! Also, you get a Master Ball!</source>
        <translation>Победа над Caspian — чемпионом Великой четвёрки! Теперь тебе доступны бои с лидерами стадионов Brennar! А ещё ты получаешь Master Ball!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This Ball will catch any ZORIKAN at any HP. Use it wisely.</source>
        <translation>Master Ball поймает любого ZORIKAN при любом запасе ОЗ. Используй его с умом.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat Kell! You can now battle me! Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Победа над Kell! Теперь ты можешь сразиться со мной! А ещё ты получаешь %1 ур.5!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym Leaders! And as if that wasn&apos;t enough, you also get a %1 at L.10!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Я побеждён! Теперь ты можешь сразиться с Omnivar и даже поймать его! Ещё тебе доступны бои с лидерами стадионов Cyrelle! И как будто этого мало, ты получаешь %1 ур.10!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature given</extracomment>
        <translation>Твоя команда полна: в ней уже %1 ZORIKAN, и для %2 нет места.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="-148"/>
        <source>Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature that found no room</extracomment>
        <translation>Твоя команда полна: в ней уже %1 ZORIKAN. Отпусти одного, чтобы освободить место для %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already have if you want to catch another.</source>
        <translation>ВНИМАНИЕ: у тебя может быть только один Omnivar. Чтобы поймать нового, отпусти того, что уже есть.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has been added to the ZORIDEX!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Новая запись в ZORIDEX: %1!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># %1 %2, L.%3, XP:%4, XP to next level:%5</source>
        <extracomment>%1: the species number, three digits, %2: the creature, %3: its level, %4: its experience points, %5: the points it still needs for the next level</extracomment>
        <translation>№ %1 %2, ур.%3, опыт: %4, до следующего уровня: %5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can&apos;t release your last ZORIKAN!</source>
        <translation>Нельзя отпустить последнего ZORIKAN!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once released, %1 will not come back. Release %1?</source>
        <extracomment>%1: the creature</extracomment>
        <translation>ZORIKAN %1 уйдёт навсегда. Отпустить %1?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was released. Bye, %1!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 на свободе. Пока, %1!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have doubleclicked on a ZORIKAN, Evolution Mode will be disabled.</source>
        <translation>Дважды щёлкни по ZORIKAN в окне статистики, чтобы начать его эволюцию. После двойного щелчка режим эволюции выключится.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Evolution Mode cancelled.</source>
        <translation>Режим эволюции отменён.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to release it. Once you have doubleclicked on a ZORIKAN, Release Mode will be disabled.</source>
        <translation>Дважды щёлкни по ZORIKAN в окне статистики, чтобы отпустить его. После двойного щелчка режим отпускания выключится.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Mode deactivated. Statistics window will now function normally.</source>
        <translation>Режим отпускания выключен. Окно статистики снова работает как обычно.</translation>
    </message>
</context>
<context>
    <name>Saves</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+3"/>
        <source>%1 - %2 [%3]</source>
        <extracomment>%1: the game&apos;s title, %2: the player, %3: the saved game&apos;s file name</extracomment>
        <translation>%1 — %2 [%3]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid species at line %1</source>
        <extracomment>%1: the line of the saved game</extracomment>
        <translation>Неверный вид в строке %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds no ZORIKAN. It is not a saved game, or it was cut off.</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>В %1 нет ни одного ZORIKAN. Это не сохранённая игра, или файл обрезан.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The saved game ended early, at line %1.
What was missing starts empty.</source>
        <extracomment>%1: the saved game&apos;s last line</extracomment>
        <translation>Сохранённая игра обрывается на строке %1.
Недостающее начнётся с нуля.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot be saved to %1.
%2
Please choose another file.</source>
        <extracomment>%1: the file, %2: why it cannot be written, a sentence</extracomment>
        <translation>Не удаётся сохранить игру в %1.
%2
Выбери другой файл.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game was not saved to %1.
Save it to another file?</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>Игра не сохранена в %1.
Сохранить её в другой файл?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit without saving?
All progress since the game was started or loaded will be lost.</source>
        <translation>Выйти без сохранения?
Весь прогресс с начала или загрузки игры будет потерян.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your progress cannot be saved to %1.
%2
What you have played since then is not on disk yet. The game tries again after each of your actions.</source>
        <extracomment>%1: the saved game&apos;s file, %2: why it cannot be written, a sentence. Shown once, when the save after an action fails; the game keeps trying after each action.</extracomment>
        <translation>Не удаётся сохранить прогресс в %1.
%2
То, что ты сыграл с тех пор, ещё не записано на диск. Игра пробует снова после каждого твоего действия.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your progress is saved to %1 again.</source>
        <extracomment>%1: the saved game&apos;s file. Shown once when saving works again after a failure.</extracomment>
        <translation>Прогресс снова сохраняется в %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This saved game is already open in another ZORIKAN Simulator window.</source>
        <translation>Эта сохранённая игра уже открыта в другом окне ZORIKAN Simulator.</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+5"/>
        <source>Congratulations! You beat %1! Your next opponent is %2.</source>
        <extracomment>%1: the trainer just beaten, %2: the next opponent</extracomment>
        <translation>Поздравляем! Победа над %1! Следующий соперник — %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have proven your worth against the Highland Grand Four. Now, it is time for you to fight the Highland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Великая четвёрка нагорья признала твою силу. Пора сразиться с её чемпионом: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Lowland Grand Four. Now, it is time for you to fight the Lowland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Великая четвёрка равнин признала твою силу. Пора сразиться с её чемпионом: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Coastal Grand Four. Now, it is time for you to fight the Coastal Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Великая четвёрка побережья признала твою силу. Пора сразиться с её чемпионом: %2!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Победа над %1 — чемпионом Великой четвёрки равнин! Ты получаешь бонус %2¥!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Победа над %1 — чемпионом Великой четвёрки побережья! Ты получаешь бонус %2¥!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>А ещё ты получаешь %1 ур.5!</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <location line="+3"/>
        <source>None of your ZORIKAN meet the level requirements.</source>
        <translation>Ни один твой ZORIKAN не подходит по уровню.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have enough money!</source>
        <translation>У тебя не хватает денег!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.</source>
        <extracomment>%1: the trainer just beaten, %2: the next match&apos;s number, %3: the next trainer, %4: the level of the next trainer&apos;s creature, %5: that creature</extracomment>
        <translation>Поздравляем! Победа над %1! Следующий — тренер № %2, %3, с ZORIKAN %5 ур.%4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...</source>
        <extracomment>%1: the last trainer</extracomment>
        <translation>Поздравляем! Победа над %1! Турнир выигран! А теперь — твой приз…</translation>
    </message>
    <message>
        <source>You won %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Твой приз: %1¥!</translation>
    </message>
    <message>
        <source>You won a random ZORIKAN!</source>
        <translation>Твой приз: случайный ZORIKAN!</translation>
    </message>
    <message numerus="yes">
        <source>You won %n ZORIBalls!</source>
        <translation>
            <numerusform>Твой приз: %n ZORIBall!</numerusform>
            <numerusform>Твой приз: %n ZORIBall!</numerusform>
            <numerusform>Твой приз: %n ZORIBall!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Great Balls!</source>
        <translation>
            <numerusform>Твой приз: %n Great Ball!</numerusform>
            <numerusform>Твой приз: %n Great Ball!</numerusform>
            <numerusform>Твой приз: %n Great Ball!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Ultra Balls!</source>
        <translation>
            <numerusform>Твой приз: %n Ultra Ball!</numerusform>
            <numerusform>Твой приз: %n Ultra Ball!</numerusform>
            <numerusform>Твой приз: %n Ultra Ball!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Master Balls!</source>
        <translation>
            <numerusform>Твой приз: %n Master Ball!</numerusform>
            <numerusform>Твой приз: %n Master Ball!</numerusform>
            <numerusform>Твой приз: %n Master Ball!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>Твой приз: %n Зелье!</numerusform>
            <numerusform>Твой приз: %n Зелья!</numerusform>
            <numerusform>Твой приз: %n Зелий!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Super Potions!</source>
        <translation>
            <numerusform>Твой приз: %n Суперзелье!</numerusform>
            <numerusform>Твой приз: %n Суперзелья!</numerusform>
            <numerusform>Твой приз: %n Суперзелий!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You won a L.%1 %2!</source>
        <extracomment>%1: the creature&apos;s level, %2: the creature</extracomment>
        <translation>Твой приз: %2 ур.%1!</translation>
    </message>
</context>
<context>
    <name>Type</name>
    <message>
        <source>Moss</source>
        <translation>Мох</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Жар</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Камень</translation>
    </message>
    <message>
        <source>Tide</source>
        <translation>Прилив</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>Буря</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Мороз</translation>
    </message>
    <message>
        <source>Bog</source>
        <translation>Болото</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Стекло</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>Сумрак</translation>
    </message>
    <message>
        <source>Lumen</source>
        <translation>Свет</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Соль</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Эхо</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Руда</translation>
    </message>
    <message>
        <source>Silk</source>
        <translation>Шёлк</translation>
    </message>
    <message>
        <source>Herd</source>
        <translation>Стадо</translation>
    </message>
    <message>
        <source>Spore</source>
        <translation>Спора</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
</context>
<context>
    <name>WildSearch</name>
    <message>
        <location line="+3"/>
        <source>Using Omnivar&apos;s psychic powers, you can fight any ZORIKAN you want to, and at any level. Please select which ZORIKAN to fight against, or click Random to face a random ZORIKAN.</source>
        <translation>Благодаря телепатии Omnivar ты можешь сразиться с любым ZORIKAN на любом уровне. Выбери противника или нажми «Случайно», чтобы встретить случайного ZORIKAN.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose which ZORIKAN to fight from the list first, or click Random to face a random ZORIKAN.</source>
        <translation>Сначала выбери ZORIKAN из списка или нажми «Случайно», чтобы встретить случайного ZORIKAN.</translation>
    </message>
</context>
<context>
    <name>Zoridex</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+33"/>
        <source>%1 (#%2)</source>
        <extracomment>%1: the species, %2: its number, three digits</extracomment>
        <translation>%1 (№ %2)</translation>
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
        <translation>Эволюция на уровне %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not evolve.</source>
        <translation>Не эволюционирует.</translation>
    </message>
</context>
</TS>
