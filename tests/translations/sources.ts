<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Battle</name>
    <message>
        <source>%1 used %2!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <source>Buy</source>
        <comment>the Mart's button</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
