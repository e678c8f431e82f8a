<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Arena</name>
    <message>
        <location filename="../src/core/text/battle_texts.h" line="+72"/>
        <source>%1 L.%2</source>
        <extracomment>%1: the player&apos;s creature, %2: its level</extracomment>
        <translation>%1 N.%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 L.%2</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its level</extracomment>
        <translation>%1 ennemi N.%2</translation>
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
        <translation>Attaques&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1&apos;s Attacks:</source>
        <extracomment>%1: the opponent&apos;s creature; empty before the first battle</extracomment>
        <translation>Attaques adv.&#xa0;: %1</translation>
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
        <translation>Attaques&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Attaque %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opp. Attack #%1</source>
        <extracomment>%1: the attack&apos;s place, 1 to 4</extracomment>
        <translation>Attaque adv. %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Run!</source>
        <translation>Fuite&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Battle</name>
    <message>
        <location line="-79"/>
        <source>Wild %1 appeared!</source>
        <extracomment>%1: the wild creature</extracomment>
        <translation>Un %1 sauvage apparaît&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 wants to fight!</source>
        <extracomment>%1: the trainer</extracomment>
        <translation>%1 veut se battre&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 sent out %2!</source>
        <extracomment>%1: the trainer, %2: the trainer&apos;s creature</extracomment>
        <translation>%1 envoie %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select a ZORIKAN from the Statistics Window. You&apos;ll be asked to confirm your choice.</source>
        <translation>Choisis un ZORIKAN dans la fenêtre Statistiques. Tu devras ensuite confirmer ton choix.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Choose %1?</source>
        <extracomment>%1: the creature double-clicked in the roster</extracomment>
        <translation>Choisir %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, I choose you!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>À toi, %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 used %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its attack</extracomment>
        <translation>%1 utilise %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 used %2!</source>
        <extracomment>%1: the opponent&apos;s creature, %2: its attack</extracomment>
        <translation>Le %1 ennemi utilise %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Critical hit!</source>
        <translation>Coup critique&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s super effective!</source>
        <translation>C&apos;est redoutable&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It&apos;s not very effective...</source>
        <translation>Ce n&apos;est guère efficace…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It doesn&apos;t affect %1!</source>
        <extracomment>%1: the creature the attack cannot hurt</extracomment>
        <translation>Ça n&apos;affecte pas %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 did %2 points of damage to enemy %3.</source>
        <extracomment>%1: the player&apos;s creature, %2: the damage, %3: the opponent&apos;s creature</extracomment>
        <translation>%1 fait perdre %2 PV au %3 ennemi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enemy %1 did %2 points of damage to %3.</source>
        <extracomment>%1: the opponent&apos;s creature, %2: the damage, %3: the player&apos;s creature</extracomment>
        <translation>Le %1 ennemi fait perdre %2 PV à %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enemy %1 fainted!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Le %1 ennemi est K.O.&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 fainted!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 est K.O.&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 gained %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points</extracomment>
        <translation>%1 gagne %2 XP&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 grew to level %2!</source>
        <extracomment>%1: the player&apos;s creature, %2: its new level</extracomment>
        <translation>%1 passe au niveau %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You got %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Tu gagnes %1¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You lost %1¥!</source>
        <extracomment>%1: the money lost</extracomment>
        <translation>Tu perds %1¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No! There&apos;s no running from a trainer battle!</source>
        <translation>Non&#xa0;! On ne fuit pas un combat de dresseur&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Got away safely!</source>
        <translation>Fuite réussie&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quit the tournament! %1 lost %2 experience points!</source>
        <extracomment>%1: the player&apos;s creature, %2: the experience points it loses</extracomment>
        <translation>Tu abandonnes le tournoi&#xa0;! %1 perd %2 XP&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lost a level!</source>
        <extracomment>%1: the player&apos;s creature</extracomment>
        <translation>%1 perd un niveau&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a ZORIBall.</source>
        <translation>Tu lances une ZORIBall.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Great Ball.</source>
        <translation>Tu lances une Great Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw an Ultra Ball.</source>
        <translation>Tu lances une Ultra Ball.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You threw a Master Ball.</source>
        <translation>Tu lances une Master Ball.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You caught %1!</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Tu as capturé %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sorry, %1 wasn&apos;t caught.</source>
        <extracomment>%1: the opponent&apos;s creature</extracomment>
        <translation>Dommage, %1 n&apos;a pas été capturé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It won&apos;t have any effect.</source>
        <translation>Ça n&apos;aura aucun effet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 recovered %2 HP!</source>
        <extracomment>%1: the player&apos;s creature, %2: the hit points it got back</extracomment>
        <translation>%1 récupère %2 PV&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Data</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+9"/>
        <source>Declaring type relations</source>
        <translation>Chargement des relations entre types</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN names</source>
        <translation>Chargement des noms des ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring badge names</source>
        <translation>Chargement des noms des insignes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN Types</source>
        <translation>Chargement des types des ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolution levels</source>
        <translation>Chargement des niveaux d&apos;évolution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring evolutions</source>
        <translation>Chargement des évolutions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack names</source>
        <translation>Chargement des noms des attaques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack powers</source>
        <translation>Chargement de la puissance des attaques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring attack types</source>
        <translation>Chargement des types des attaques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring type names</source>
        <translation>Chargement des noms des types</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Declaring ZORIKAN attacks</source>
        <translation>Chargement des attaques des ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Initializing tournament prizes</source>
        <translation>Préparation des prix des tournois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Initializing tournament trainers</source>
        <translation>Préparation des dresseurs des tournois</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value out of range at line %1</source>
        <extracomment>%1: the line of the data file</extracomment>
        <translation>Valeur hors limites à la ligne %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid numeric input</source>
        <translation>Nombre non valide</translation>
    </message>
</context>
<context>
    <name>Evolution</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+44"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it?</source>
        <extracomment>%1: the creature, %2: what it evolves into</extracomment>
        <translation>Ton %1 peut évoluer en %2. Veux-tu le faire évoluer&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your %1 can evolve into %2. Do you want to evolve it? NOTE: %1 will evolve into %3 AND %4 every 3 of 4 times.</source>
        <extracomment>%1: the creature, %2: what it evolves into, %3: its first form, %4: the creature that may join it</extracomment>
        <translation>Ton %1 peut évoluer en %2. Veux-tu le faire évoluer&#xa0;? REMARQUE&#xa0;: 3 fois sur 4, %1 évoluera en %3 ET en %4.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 evolved into %2!</source>
        <extracomment>%1: the creature, %2: what it became</extracomment>
        <translation>%1 a évolué en %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please select what you would like to evolve your %1 to.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Choisis en quoi tu veux faire évoluer ton %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t evolve</source>
        <translation>Ne pas évoluer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 didn&apos;t appear.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>%1 n&apos;est pas apparu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your roster is full: %1 could not join it.</source>
        <extracomment>%1: the second creature</extracomment>
        <translation>Ton équipe est pleine&#xa0;: %1 n&apos;a pas pu la rejoindre.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 also evolved into %2!</source>
        <extracomment>%1: the creature, %2: the second creature</extracomment>
        <translation>%1 a aussi évolué en %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 can&apos;t evolve.</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 ne peut pas évoluer.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your %1 needs to grow %2 more level(s) before it can evolve.</source>
        <extracomment>%1: the creature, %2: the levels it still needs</extracomment>
        <translation>Ton %1 n&apos;est pas encore prêt à évoluer. Niveaux encore à gagner&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolution cancelled.</source>
        <translation>Évolution annulée.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <location filename="../src/core/text/file_texts.h" line="+33"/>
        <source>ZORIKAN Information for %1</source>
        <extracomment>%1: the player</extracomment>
        <translation>Infos ZORIKAN&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Generated by ZORIKAN Simulator %1 %2</source>
        <extracomment>%1: the date, %2: the time</extracomment>
        <translation>Généré par ZORIKAN Simulator le %1 à %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>Rang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Number/Name</source>
        <translation>Numéro/Nom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Experience Points</source>
        <translation>Points d&apos;expérience</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>...to next level</source>
        <translation>…avant le niveau suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In ZORIDEX (%1/%2)</source>
        <extracomment>%1: the species registered, %2: all species</extracomment>
        <translation>Dans le ZORIDEX (%1/%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source># %1 %2</source>
        <extracomment>%1: the species number, three digits, %2: the species</extracomment>
        <translation>n°%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ZORIKAN Information exported to %1. View file now?</source>
        <extracomment>%1: the file</extracomment>
        <translation>Infos ZORIKAN exportées dans %1. Afficher le fichier maintenant&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The page could not be opened. It is saved as %1.</source>
        <extracomment>%1: the file</extracomment>
        <translation>Impossible d&apos;ouvrir la page. Elle est enregistrée sous %1.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location line="-49"/>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Folder not found</source>
        <translation>Dossier introuvable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I/O error %1</source>
        <extracomment>%1: the system&apos;s error number</extracomment>
        <translation>Erreur d&apos;E/S %1</translation>
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
        <translation>Argent (rapporte %1:1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZORIBalls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>ZORIBalls (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Great Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Great Balls (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ultra Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Ultra Balls (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Master Balls (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one ball</extracomment>
        <translation>Master Balls (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Potions (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Super Potions (Pays out 1:%1¥)</source>
        <extracomment>%1: the stake that buys one potion</extracomment>
        <translation>Grandes potions (rapporte 1:%1¥)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select something to play for.</source>
        <translation>Choisis ce que tu veux gagner.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please select a number to bet on.</source>
        <translation>Choisis un numéro sur lequel miser.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You won! And your prize is...</source>
        <translation>Félicitations&#xa0;! Tu as gagné&#xa0;! Et ton prix est…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>%1¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1!</source>
        <extracomment>%1: the items won, as one of the item counts below</extracomment>
        <translation>%1&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 and %2¥!</source>
        <extracomment>%1: the items won, as one of the item counts below, %2: the money won besides</extracomment>
        <translation>%1 et %2¥&#xa0;!</translation>
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
        <translation>%1 potion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 potions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potion</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 grande potion</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Super Potions</source>
        <extracomment>%1: the number of potions</extracomment>
        <translation>%1 grandes potions</translation>
    </message>
</context>
<context>
    <name>Mart</name>
    <message>
        <location line="-65"/>
        <source>Welcome to ZORIKAN Mart! Click an item for a description.</source>
        <translation>Boutique ZORIKAN&#xa0;: un clic sur un article le décrit.</translation>
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
        <translation>Potions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Super Potions</source>
        <translation>Grandes potions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A standard ZORIBALL.</source>
        <translation>Une ZORIBall ordinaire.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Used for catching ZORIKAN.</source>
        <translation>Sert à capturer des ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This Ball has good chances</source>
        <translation>Cette ball a de bonnes chances</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of capturing a ZORIKAN.</source>
        <translation>de capturer un ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Has a very high chance of</source>
        <translation>Elle a de très fortes chances</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>capturing a ZORIKAN.</source>
        <translation>de capturer un ZORIKAN.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restores %1HP in battle.</source>
        <extracomment>%1: the HP it restores</extracomment>
        <translation>Rend %1 PV en combat.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export ZORIKAN information...</source>
        <translation>Exporter les infos ZORIKAN…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Actions</source>
        <translation>A&amp;ctions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a Trainer</source>
        <translation>Affronter un dresseur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trainers</source>
        <translation>Dresseurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beginner</source>
        <translation>Débutant</translation>
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
        <translation>Novice</translation>
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
        <translation>Intermédiaire</translation>
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
        <translation>Avancé</translation>
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
        <translation>Expert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Severin</source>
        <translation>Severin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aldmark Gym Leaders</source>
        <translation>Maîtres de salle d&apos;Aldmark</translation>
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
        <translation>Grands Quatre des Hautes-Terres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brennar Gym Leaders</source>
        <translation>Maîtres de salle de Brennar</translation>
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
        <translation>Moi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyrelle Gym Leaders (L.100)</source>
        <translation>Maîtres de salle de Cyrelle (N.100)</translation>
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
        <translation>Autres élites</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowland Grand Four</source>
        <translation>Grands Quatre des Basses-Terres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coastal Grand Four</source>
        <translation>Grands Quatre de la Côte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fight a wild ZORIKAN</source>
        <translation>Affronter un ZORIKAN sauvage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search for a ZORIKAN</source>
        <translation>Chercher un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Omnivar</source>
        <translation>Omnivar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tournaments</source>
        <translation>Tournois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Easy (Levels 2-10)</source>
        <translation>Très facile (niveaux 2-10)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Easy (Levels 10-30)</source>
        <translation>Facile (niveaux 10-30)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Intermediate (Levels 30-50)</source>
        <translation>Intermédiaire (niveaux 30-50)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hard (Levels 50-70)</source>
        <translation>Difficile (niveaux 50-70)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Very Hard (Levels 70-99)</source>
        <translation>Très difficile (niveaux 70-99)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summit Cup (Level 100)</source>
        <translation>Summit Cup (niveau 100)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Buy Items</source>
        <translation>Acheter des objets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Evolve a ZORIKAN</source>
        <translation>Faire évoluer un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Release a ZORIKAN</source>
        <translation>Relâcher un ZORIKAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>View ZORIDEX</source>
        <translation>Voir le ZORIDEX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Type Comparisons</source>
        <translation>Comparaison des types</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Corner</source>
        <translation>Salle de jeux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Statistics Window</source>
        <translation>Fenêtre Statistiques</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open file...</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repeat Music</source>
        <translation>Répéter la musique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop Music</source>
        <translation>Arrêter la musique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>À propos…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Debug</source>
        <translation>&amp;Débogage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make Visible</source>
        <translation>Rendre visible</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Always show attacks in ZORIDEX</source>
        <translation>Toujours afficher les attaques dans le ZORIDEX</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+53"/>
        <source>%1: %2.</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, without a full stop</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2</source>
        <extracomment>%1: the music file&apos;s name, %2: why it cannot be played, ending in a full stop</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This file cannot be played</source>
        <translation>Ce fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>All supported formats (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Tous les formats pris en charge (%1)</translation>
    </message>
    <message>
        <source>MPEG Audio/Video Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Fichiers audio/vidéo MPEG (%1)</translation>
    </message>
    <message>
        <source>Windows Media (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Windows Media (%1)</translation>
    </message>
    <message>
        <source>Wave Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Fichiers Wave (%1)</translation>
    </message>
    <message>
        <source>MIDI Files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Fichiers MIDI (%1)</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file type of the music open dialog; %1 is its file patterns.</extracomment>
        <translation>Tous les fichiers (%1)</translation>
    </message>
</context>
<context>
    <name>Rewards</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+10"/>
        <source>You earned the %1!</source>
        <extracomment>%1: the badge</extracomment>
        <translation>Tu as obtenu le %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, you get a 2500¥ bonus!</source>
        <translation>Tu as battu Roderic, le dernier maître d&apos;Aldmark&#xa0;! Tu peux maintenant affronter les Grands Quatre&#xa0;! Et tu reçois une prime de 2500¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a 3000¥ bonus!</source>
        <translation>Tu as battu Vesper, le dernier maître de Brennar&#xa0;! Tu peux maintenant affronter Kell&#xa0;! Et tu reçois une prime de 3000¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal Elites! Also, you get a 5000¥ bonus!</source>
        <translation>Tu as battu Marius, le dernier maître de Cyrelle&#xa0;! Tu peux maintenant affronter l&apos;élite des Basses-Terres et de la Côte&#xa0;! Et tu reçois une prime de 5000¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym Leaders! Also, you get a Master Ball!</source>
        <translation>Tu as battu Caspian, le champion des Grands Quatre&#xa0;! Tu peux maintenant affronter les maîtres de salle de Brennar&#xa0;! Et tu reçois une Master Ball&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This Ball will catch any ZORIKAN at any HP. Use it wisely.</source>
        <translation>Cette ball capture n&apos;importe quel ZORIKAN, quels que soient ses PV. Utilise-la avec sagesse.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat Kell! You can now battle me! Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Tu as battu Kell&#xa0;! Tu peux maintenant m&apos;affronter&#xa0;! Et tu reçois un %1 N.5&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat me! You can now battle and/or catch Omnivar! You can also fight the Cyrelle Gym Leaders! And as if that wasn&apos;t enough, you also get a %1 at L.10!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Tu m&apos;as battu&#xa0;! Tu peux maintenant affronter et/ou capturer Omnivar&#xa0;! Tu peux aussi affronter les maîtres de salle de Cyrelle&#xa0;! Et comme si ça ne suffisait pas, tu reçois aussi un %1 N.10&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your roster is full: it already holds %1 ZORIKAN, so there is no room for the %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature given</extracomment>
        <translation>Ton équipe est pleine&#xa0;: elle compte déjà %1 ZORIKAN, il n&apos;y a donc pas de place pour %2.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="-148"/>
        <source>Your roster is full: it already holds %1 ZORIKAN. Release one to make room for %2.</source>
        <extracomment>%1: the roster&apos;s size, %2: the creature that found no room</extracomment>
        <translation>Ton équipe est pleine&#xa0;: elle compte déjà %1 ZORIKAN. Relâches-en un pour faire de la place à %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: You can only catch one Omnivar at a time. You must release the one(s) you already have if you want to catch another.</source>
        <translation>REMARQUE&#xa0;: tu ne peux avoir qu&apos;un seul Omnivar à la fois. Pour en capturer un autre, tu dois d&apos;abord relâcher celui ou ceux que tu as déjà.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has been added to the ZORIDEX!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 a été ajouté au ZORIDEX&#xa0;!</translation>
    </message>
    <message>
        <location line="+4"/>
        <source># %1 %2, L.%3, XP:%4, XP to next level:%5</source>
        <extracomment>%1: the species number, three digits, %2: the creature, %3: its level, %4: its experience points, %5: the points it still needs for the next level</extracomment>
        <translation>N°&#xa0;%1 %2, N.%3, XP&#xa0;: %4, XP avant le niveau suivant&#xa0;: %5</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You can&apos;t release your last ZORIKAN!</source>
        <translation>Tu ne peux pas relâcher ton dernier ZORIKAN&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Once released, %1 will not come back. Release %1?</source>
        <extracomment>%1: the creature</extracomment>
        <translation>Une fois relâché, %1 ne reviendra pas. Relâcher %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 was released. Bye, %1!</source>
        <extracomment>%1: the creature</extracomment>
        <translation>%1 a été relâché. Au revoir, %1&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to evolve it. Once you have doubleclicked on a ZORIKAN, Evolution Mode will be disabled.</source>
        <translation>Double-clique sur un ZORIKAN dans la fenêtre Statistiques pour le faire évoluer. Dès que tu auras double-cliqué sur un ZORIKAN, le mode Évolution sera désactivé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Evolution Mode cancelled.</source>
        <translation>Mode Évolution annulé.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Doubleclick a ZORIKAN in the Statistics window to release it. Once you have doubleclicked on a ZORIKAN, Release Mode will be disabled.</source>
        <translation>Double-clique sur un ZORIKAN dans la fenêtre Statistiques pour le relâcher. Dès que tu auras double-cliqué sur un ZORIKAN, le mode Relâche sera désactivé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Release Mode deactivated. Statistics window will now function normally.</source>
        <translation>Mode Relâche désactivé. La fenêtre Statistiques fonctionne de nouveau normalement.</translation>
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
        <translation>Espèce non valide à la ligne %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds no ZORIKAN. It is not a saved game, or it was cut off.</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>%1 ne contient aucun ZORIKAN. Ce n&apos;est pas une partie sauvegardée, ou elle est tronquée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The saved game ended early, at line %1.
What was missing starts empty.</source>
        <extracomment>%1: the saved game&apos;s last line</extracomment>
        <translation>La partie sauvegardée s&apos;arrête trop tôt, à la ligne %1.
Les données manquantes restent vides.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The game cannot be saved to %1.
%2
Please choose another file.</source>
        <extracomment>%1: the file, %2: why it cannot be written, a sentence</extracomment>
        <translation>Impossible d&apos;enregistrer la partie dans %1.
%2
Choisis un autre fichier.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game was not saved to %1.
Save it to another file?</source>
        <extracomment>%1: the file&apos;s name</extracomment>
        <translation>La partie n&apos;a pas été enregistrée dans %1.
L&apos;enregistrer dans un autre fichier&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit without saving?
All progress since the game was started or loaded will be lost.</source>
        <translation>Quitter sans enregistrer&#xa0;?
Toute ta progression depuis le début ou le chargement de la partie sera perdue.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your progress cannot be saved to %1.
%2
What you have played since then is not on disk yet. The game tries again after each of your actions.</source>
        <extracomment>%1: the saved game&apos;s file, %2: why it cannot be written, a sentence. Shown once, when the save after an action fails; the game keeps trying after each action.</extracomment>
        <translation>Ta progression ne peut pas être enregistrée dans %1.
%2
Ce que tu as joué depuis n&apos;est pas encore sur le disque. Le jeu réessaie après chacune de tes actions.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Your progress is saved to %1 again.</source>
        <extracomment>%1: the saved game&apos;s file. Shown once when saving works again after a failure.</extracomment>
        <translation>Ta progression est de nouveau enregistrée dans %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This saved game is already open in another ZORIKAN Simulator window.</source>
        <translation>Cette partie sauvegardée est déjà ouverte dans une autre fenêtre de ZORIKAN Simulator.</translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <location filename="../src/core/text/progress_texts.h" line="+5"/>
        <source>Congratulations! You beat %1! Your next opponent is %2.</source>
        <extracomment>%1: the trainer just beaten, %2: the next opponent</extracomment>
        <translation>Félicitations&#xa0;! Tu as battu %1&#xa0;! Prochain adversaire&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have proven your worth against the Highland Grand Four. Now, it is time for you to fight the Highland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Tu as prouvé ta valeur face aux Grands Quatre des Hautes-Terres. Il est temps d&apos;affronter leur champion&#xa0;: %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Lowland Grand Four. Now, it is time for you to fight the Lowland Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Tu as prouvé ta valeur face aux Grands Quatre des Basses-Terres. Il est temps d&apos;affronter leur champion&#xa0;: %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You have proven your worth against the Coastal Grand Four. Now, it is time for you to fight the Coastal Grand Four Champion: %2!</source>
        <extracomment>%1: the trainer just beaten, %2: the champion</extracomment>
        <translation>Tu as prouvé ta valeur face aux Grands Quatre de la Côte. Il est temps d&apos;affronter leur champion&#xa0;: %2&#xa0;!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>You beat %1, the Lowland Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Tu as battu %1, le champion des Grands Quatre des Basses-Terres&#xa0;! Tu reçois une prime de %2¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You beat %1, the Coastal Grand Four champion! You get a bonus of %2¥!</source>
        <extracomment>%1: the champion, %2: the bonus money</extracomment>
        <translation>Tu as battu %1, le champion des Grands Quatre de la Côte&#xa0;! Tu reçois une prime de %2¥&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Also, you get a %1 at L.5!</source>
        <extracomment>%1: the creature given</extracomment>
        <translation>Et tu reçois aussi un %1 N.5&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message>
        <location line="+3"/>
        <source>None of your ZORIKAN meet the level requirements.</source>
        <translation>Aucun de tes ZORIKAN n&apos;a le niveau requis.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You don&apos;t have enough money!</source>
        <translation>Tu n&apos;as pas assez d&apos;argent&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! Next up is trainer #%2, %3 with a L.%4 %5.</source>
        <extracomment>%1: the trainer just beaten, %2: the next match&apos;s number, %3: the next trainer, %4: the level of the next trainer&apos;s creature, %5: that creature</extracomment>
        <translation>Félicitations&#xa0;! Tu as battu %1&#xa0;! Prochain combat&#xa0;: dresseur n°%2, %3, avec un %5 N.%4.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Congratulations! You beat %1! You won the tournament! Now for the unveiling of your prize...</source>
        <extracomment>%1: the last trainer</extracomment>
        <translation>Félicitations&#xa0;! Tu as battu %1&#xa0;! Tu remportes le tournoi&#xa0;! Place à la révélation de ton prix…</translation>
    </message>
    <message>
        <source>You won %1¥!</source>
        <extracomment>%1: the money won</extracomment>
        <translation>Ton prix&#xa0;: %1¥&#xa0;!</translation>
    </message>
    <message>
        <source>You won a random ZORIKAN!</source>
        <translation>Ton prix&#xa0;: un ZORIKAN au hasard&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>You won %n ZORIBalls!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une ZORIBall&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n ZORIBalls&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Great Balls!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une Great Ball&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n Great Balls&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Ultra Balls!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une Ultra Ball&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n Ultra Balls&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Master Balls!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une Master Ball&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n Master Balls&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une potion&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n potions&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You won %n Super Potions!</source>
        <translation>
            <numerusform>Ton prix&#xa0;: une grande potion&#xa0;!</numerusform>
            <numerusform>Ton prix&#xa0;: %n grandes potions&#xa0;!</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You won a L.%1 %2!</source>
        <extracomment>%1: the creature&apos;s level, %2: the creature</extracomment>
        <translation>Tu as gagné un %2 N.%1&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Type</name>
    <message>
        <source>Moss</source>
        <translation>Mousse</translation>
    </message>
    <message>
        <source>Ember</source>
        <translation>Braise</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source>Tide</source>
        <translation>Marée</translation>
    </message>
    <message>
        <source>Gale</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Frost</source>
        <translation>Givre</translation>
    </message>
    <message>
        <source>Bog</source>
        <translation>Marais</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Dusk</source>
        <translation>Pénombre</translation>
    </message>
    <message>
        <source>Lumen</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>Salt</source>
        <translation>Sel</translation>
    </message>
    <message>
        <source>Echo</source>
        <translation>Écho</translation>
    </message>
    <message>
        <source>Ore</source>
        <translation>Minerai</translation>
    </message>
    <message>
        <source>Silk</source>
        <translation>Soie</translation>
    </message>
    <message>
        <source>Herd</source>
        <translation>Troupeau</translation>
    </message>
    <message>
        <source>Spore</source>
        <translation>Spore</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Rêve</translation>
    </message>
</context>
<context>
    <name>WildSearch</name>
    <message>
        <location line="+3"/>
        <source>Using Omnivar&apos;s psychic powers, you can fight any ZORIKAN you want to, and at any level. Please select which ZORIKAN to fight against, or click Random to face a random ZORIKAN.</source>
        <translation>Grâce aux pouvoirs psychiques d&apos;Omnivar, tu peux affronter le ZORIKAN de ton choix, au niveau de ton choix. Choisis le ZORIKAN à affronter, ou clique sur «&#xa0;Au hasard&#xa0;» pour affronter un ZORIKAN tiré au sort.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please choose which ZORIKAN to fight from the list first, or click Random to face a random ZORIKAN.</source>
        <translation>Choisis d&apos;abord dans la liste le ZORIKAN à affronter, ou clique sur «&#xa0;Au hasard&#xa0;» pour affronter un ZORIKAN tiré au sort.</translation>
    </message>
</context>
<context>
    <name>Zoridex</name>
    <message>
        <location filename="../src/core/text/collection_texts.h" line="+33"/>
        <source>%1 (#%2)</source>
        <extracomment>%1: the species, %2: its number, three digits</extracomment>
        <translation>%1 (n°%2)</translation>
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
        <translation>Peut évoluer au niveau %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not evolve.</source>
        <translation>N&apos;évolue pas.</translation>
    </message>
</context>
</TS>
